#include <utility>

#include "messaging/time_text.h"
#include "qodata/message_kinds.h"

// --- CInboxMessage ----------------------------------------------------------------------

CInboxMessage::CInboxMessage() = default;

CInboxMessage::CInboxMessage(qo::String sender, qo::String recipient, qo::String message,
                             qo::Time stamp, tagSEND_MEDIUM medium, bool unicode) {
  setSender(std::move(sender));
  setRecipient(std::move(recipient));
  setMessage(std::move(message));
  setTimeStamp(stamp);
  setSendMedium(medium);
  setUnicode(unicode);
}

CInboxMessage::CInboxMessage(qo::String sender, qo::String recipient, qo::String message,
                             qo::String stamp, tagSEND_MEDIUM medium, bool unicode)
    : CInboxMessage(std::move(sender), std::move(recipient), std::move(message),
                    qo::messaging::ConvertTimeText(stamp), medium, unicode) {}

CInboxMessage::CInboxMessage(const CInboxMessage& other) : CMessage() { *this = other; }

CInboxMessage& CInboxMessage::operator=(const CInboxMessage& other) {
  AssignCore(other);
  return *this;
}

CInboxMessage& CInboxMessage::operator&(const CInboxMessage& other) { return *this = other; }

CInboxMessage::~CInboxMessage() = default;

// --- COutboxMessage ---------------------------------------------------------------------

bool COutboxMessage::OutboxFields::operator==(const OutboxFields&) const = default;

COutboxMessage::COutboxMessage(qo::String sender, qo::String recipient, qo::String message,
                               qo::Time stamp, tagSEND_MEDIUM medium, qo::Time statusTime,
                               std::int32_t status, bool unicode)
    : CMessage(sender, message) {
  setSender(std::move(sender));
  setRecipient(std::move(recipient));
  setMessage(std::move(message));
  setTimeStamp(stamp);
  outbox_.statusTime = statusTime;
  setSendMedium(medium);
  setUnicode(unicode);
  outbox_.status = status;
}

COutboxMessage::COutboxMessage(qo::String sender, qo::String recipient, qo::String message,
                               qo::String stamp, tagSEND_MEDIUM medium, qo::String statusTime,
                               std::int32_t status, bool unicode)
    : CMessage(sender, message) {
  // The stamp is converted before the status time; either failing fails the construction.
  const qo::Time stampTime = convertStringToTime(std::move(stamp));
  const qo::Time statusAt = convertStringToTime(std::move(statusTime));
  setRecipient(std::move(recipient));
  setTimeStamp(stampTime);
  outbox_.statusTime = statusAt;
  setSendMedium(medium);
  setUnicode(unicode);
  outbox_.status = status;
}

COutboxMessage::COutboxMessage(const COutboxMessage& other) : CMessage() { *this = other; }

COutboxMessage& COutboxMessage::operator=(const COutboxMessage& other) {
  AssignCore(other);
  outbox_ = other.outbox_;
  return *this;
}

COutboxMessage& COutboxMessage::operator&(const COutboxMessage& other) { return *this = other; }

COutboxMessage::~COutboxMessage() = default;

std::int32_t COutboxMessage::getStatus() { return outbox_.status; }

qo::Time COutboxMessage::getStatusTime() { return outbox_.statusTime; }
