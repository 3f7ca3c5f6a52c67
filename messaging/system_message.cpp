#include <utility>

#include "messaging/message_number.h"
#include "qodata/message_kinds.h"

CSystemMessage::CSystemMessage() : msgId_(qo::messaging::NextMessageNumber()) {}

CSystemMessage::CSystemMessage(qo::String content, SYSTEM_MSG_TYPE msgType, std::int32_t)
    : content_(std::move(content)), msgType_(msgType), msgId_(qo::messaging::NextMessageNumber()) {}

// A copy is the same notice: it keeps the source's number and user-response address.
CSystemMessage::CSystemMessage(const CSystemMessage& other)
    : Container(other),
      content_(other.content_),
      msgType_(other.msgType_),
      msgId_(other.msgId_),
      type_(other.type_),
      eventId_(other.eventId_),
      detail_(other.detail_),
      userResponse_(other.userResponse_),
      modal_(other.modal_),
      final_(other.final_) {}

CSystemMessage& CSystemMessage::operator=(const CSystemMessage& other) {
  // The texts are copied first, so that a failed copy changes nothing.
  qo::String content = other.content_;
  qo::String eventId = other.eventId_;
  qo::String detail = other.detail_;
  content_ = std::move(content);
  msgType_ = other.msgType_;
  msgId_ = other.msgId_;
  type_ = other.type_;
  eventId_ = std::move(eventId);
  detail_ = std::move(detail);
  modal_ = other.modal_;
  final_ = other.final_;
  return *this;
}

CSystemMessage& CSystemMessage::operator&(const CSystemMessage& other) { return *this = other; }

CSystemMessage::~CSystemMessage() = default;

// Each longer overload sets the fields of the next shorter one (called directly, not through
// its slot), then its own.
void CSystemMessage::SetParameters(qo::String content, std::int32_t msgId,
                                   SYSTEM_MSG_TYPE msgType, std::int32_t type,
                                   qo::String eventId, qo::String detail, std::int32_t modal,
                                   std::int32_t isFinal) {
  CSystemMessage::SetParameters(std::move(content), msgId, msgType, type, std::move(eventId),
                                std::move(detail), modal);
  final_ = isFinal;
}

void CSystemMessage::SetParameters(qo::String content, std::int32_t msgId,
                                   SYSTEM_MSG_TYPE msgType, std::int32_t type,
                                   qo::String eventId, qo::String detail, std::int32_t modal) {
  CSystemMessage::SetParameters(std::move(content), msgId, msgType, type, std::move(eventId),
                                std::move(detail));
  modal_ = modal;
}

void CSystemMessage::SetParameters(qo::String content, std::int32_t msgId,
                                   SYSTEM_MSG_TYPE msgType, std::int32_t type,
                                   qo::String eventId, qo::String detail) {
  CSystemMessage::SetParameters(std::move(content), msgId, msgType, type, std::move(eventId));
  detail_ = std::move(detail);
}

void CSystemMessage::SetParameters(qo::String content, std::int32_t msgId,
                                   SYSTEM_MSG_TYPE msgType, std::int32_t type,
                                   qo::String eventId) {
  CSystemMessage::SetParameters(std::move(content), msgId, msgType);
  type_ = type;
  eventId_ = std::move(eventId);
}

void CSystemMessage::SetParameters(qo::String content, std::int32_t msgId,
                                   SYSTEM_MSG_TYPE msgType) {
  content_ = std::move(content);
  msgId_ = msgId;
  msgType_ = msgType;
}

void CSystemMessage::SetParameters(qo::String eventId) { eventId_ = std::move(eventId); }

void CSystemMessage::SetUserResponse(std::uint32_t& response) { userResponse_ = &response; }

std::uint32_t* CSystemMessage::GetUserResponse() { return userResponse_; }

qo::String CSystemMessage::getMsgContent() { return content_; }

std::int32_t CSystemMessage::getMsgID() { return msgId_; }

std::int32_t CSystemMessage::getType() { return type_; }

qo::String CSystemMessage::getEventId() { return eventId_; }

SYSTEM_MSG_TYPE CSystemMessage::getMsgType() { return msgType_; }

std::int32_t CSystemMessage::IsFinal() { return final_; }

std::int32_t CSystemMessage::IsModal() { return modal_; }
