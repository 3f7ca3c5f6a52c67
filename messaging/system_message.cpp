#include <utility>

#include "messaging/message_number.h"
#include "qodata/message_kinds.h"

bool CSystemMessage::Fields::operator==(const Fields&) const = default;

CSystemMessage::CSystemMessage() { fields_.msgId = qo::messaging::NextMessageNumber(); }

CSystemMessage::CSystemMessage(qo::String content, SYSTEM_MSG_TYPE msgType, std::int32_t) {
  fields_.content = std::move(content);
  fields_.msgType = msgType;
  fields_.msgId = qo::messaging::NextMessageNumber();
}

// A copy is the same notice: it keeps the source's number and user-response address.
CSystemMessage::CSystemMessage(const CSystemMessage& other) = default;

CSystemMessage& CSystemMessage::operator=(const CSystemMessage& other) {
  fields_ = Fields(other.fields_);  // copied aside first: a failed copy changes nothing
  return *this;
}

CSystemMessage& CSystemMessage::operator&(const CSystemMessage& other) { return *this = other; }

CSystemMessage::~CSystemMessage() = default;

// Each longer overload sets the fields of the next shorter one (called directly, not through
// its slot), then its own.
void CSystemMessage::SetParameters(qo::String content, std::int32_t msgId, SYSTEM_MSG_TYPE msgType,
                                   std::int32_t type, qo::String eventId, qo::String detail,
                                   std::int32_t modal, std::int32_t isFinal) {
  CSystemMessage::SetParameters(std::move(content), msgId, msgType, type, std::move(eventId),
                                std::move(detail), modal);
  fields_.isFinal = isFinal;
}

void CSystemMessage::SetParameters(qo::String content, std::int32_t msgId, SYSTEM_MSG_TYPE msgType,
                                   std::int32_t type, qo::String eventId, qo::String detail,
                                   std::int32_t modal) {
  CSystemMessage::SetParameters(std::move(content), msgId, msgType, type, std::move(eventId),
                                std::move(detail));
  fields_.modal = modal;
}

void CSystemMessage::SetParameters(qo::String content, std::int32_t msgId, SYSTEM_MSG_TYPE msgType,
                                   std::int32_t type, qo::String eventId, qo::String detail) {
  CSystemMessage::SetParameters(std::move(content), msgId, msgType, type, std::move(eventId));
  fields_.detail = std::move(detail);
}

void CSystemMessage::SetParameters(qo::String content, std::int32_t msgId, SYSTEM_MSG_TYPE msgType,
                                   std::int32_t type, qo::String eventId) {
  CSystemMessage::SetParameters(std::move(content), msgId, msgType);
  fields_.type = type;
  fields_.eventId = std::move(eventId);
}

void CSystemMessage::SetParameters(qo::String content, std::int32_t msgId,
                                   SYSTEM_MSG_TYPE msgType) {
  fields_.content = std::move(content);
  fields_.msgId = msgId;
  fields_.msgType = msgType;
}

void CSystemMessage::SetParameters(qo::String eventId) { fields_.eventId = std::move(eventId); }

void CSystemMessage::SetUserResponse(std::uint32_t& response) { userResponse_ = &response; }

std::uint32_t* CSystemMessage::GetUserResponse() { return userResponse_; }

qo::String CSystemMessage::getMsgContent() { return fields_.content; }

std::int32_t CSystemMessage::getMsgID() { return fields_.msgId; }

std::int32_t CSystemMessage::getType() { return fields_.type; }

qo::String CSystemMessage::getEventId() { return fields_.eventId; }

SYSTEM_MSG_TYPE CSystemMessage::getMsgType() { return fields_.msgType; }

std::int32_t CSystemMessage::IsFinal() { return fields_.isFinal; }

std::int32_t CSystemMessage::IsModal() { return fields_.modal; }
