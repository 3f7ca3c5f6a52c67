#include "qodata/message.h"

#include <memory>
#include <utility>

#include "messaging/time_text.h"

namespace {

// The source's attachment as a new one of the target's own (path and type), or none.
qo::Held<CMessageAttachment> CopyAttachment(const CMessageAttachment* source) {
  if (source == nullptr) return nullptr;
  return qo::Held<CMessageAttachment>::Adopt(new CMessageAttachment(*source));
}

qo::Held<IBuddyProfile> CopyBuddyProfile(IBuddyProfile* source) {
  return qo::Held<IBuddyProfile>::Adopt(source != nullptr ? source->Copy() : nullptr);
}

}  // namespace

CMessage::CMessage() = default;

CMessage::CMessage(qo::String sender, qo::String message) {
  setSender(std::move(sender));
  setMessage(std::move(message));
}

CMessage::CMessage(qo::String sender, qo::String recipient, qo::String message, qo::Time stamp,
                   tagSEND_MEDIUM medium, bool unicode) {
  setSender(std::move(sender));
  setMessage(std::move(message));
  setTimeStamp(stamp);
  setUnicode(unicode);
  setRecipient(recipient);
  addRecipient(std::move(recipient), medium);
}

CMessage::CMessage(qo::String sender, qo::String recipient, qo::String message, qo::String stamp,
                   tagSEND_MEDIUM medium, bool unicode) {
  setTimeStamp(convertStringToTime(std::move(stamp)));
  setSender(std::move(sender));
  setMessage(std::move(message));
  setUnicode(unicode);
  setRecipient(recipient);
  addRecipient(std::move(recipient), medium);
}

CMessage::CMessage(const CMessage& other) : CMessage() { *this = other; }

CMessage& CMessage::operator=(const CMessage& other) {
  // Everything that can fail to allocate is copied first, so that a failure leaves the
  // target as it was; passing the target itself is safe for the same reason.
  qo::Held<CMessageAttachment> attachment = CopyAttachment(other.attachment_.get());
  qo::String sender = other.sender_;
  qo::String recipient = other.recipient_;
  qo::String message = other.message_;
  RecipientMap recipients = other.recipients_;
  qo::Held<IBuddyProfile> buddyProfile = CopyBuddyProfile(other.buddyProfile_.get());
  qo::String walletUserKey = other.walletUserKey_;

  ResetHolders();
  attachment_ = std::move(attachment);
  sender_ = std::move(sender);
  recipient_ = std::move(recipient);
  message_ = std::move(message);
  sendMedium_ = other.sendMedium_;
  timeStamp_ = other.timeStamp_;
  unicode_ = other.unicode_;
  chargingOption_ = other.chargingOption_;
  status_ = other.status_;
  // Our choice: a copy carries the status time with the status, and the target's recipient
  // lists are replaced as a whole, so that the copy equals its source.
  statusTime_ = other.statusTime_;
  recipients_ = std::move(recipients);
  buddyProfile_ = std::move(buddyProfile);
  walletUserKey_ = std::move(walletUserKey);
  return *this;
}

CMessage& CMessage::operator&(const CMessage& other) { return *this = other; }

CMessage::~CMessage() = default;

void CMessage::AssignCore(const CMessage& other) {
  qo::Held<CMessageAttachment> attachment = CopyAttachment(other.attachment_.get());
  qo::String sender = other.sender_;
  qo::String recipient = other.recipient_;
  qo::String message = other.message_;

  attachment_ = std::move(attachment);
  sender_ = std::move(sender);
  recipient_ = std::move(recipient);
  message_ = std::move(message);
  sendMedium_ = other.sendMedium_;
  timeStamp_ = other.timeStamp_;
  unicode_ = other.unicode_;
}

CMessageAttachment* CMessage::getAttachment() { return attachment_.get(); }

void CMessage::setWalletUserKey(qo::String walletUserKey) {
  walletUserKey_ = std::move(walletUserKey);
}

qo::String CMessage::getWalletUserKey() { return walletUserKey_; }

void CMessage::SetBuddyProfile(IBuddyProfile* profile, tagSEND_MEDIUM medium) {
  // Copied before the held one is released, so that passing the held copy itself is safe.
  // Our choice: a null profile is not an error; the message then holds none.
  buddyProfile_ = CopyBuddyProfile(profile);
  sendMedium_ = medium;
}

IBuddyProfile* CMessage::GetBuddyProfile() { return buddyProfile_.get(); }

void CMessage::setAttachment(qo::String path, tagATTACHMENT_TYPE type) {
  attachment_ = qo::Held<CMessageAttachment>::Adopt(new CMessageAttachment(std::move(path), type));
}

void CMessage::setChargingOption(tagCHARGING_OPTION option) { chargingOption_ = option; }

void CMessage::removeAttachment() { attachment_.reset(); }

void CMessage::setUnicode(bool unicode) { unicode_ = unicode; }

void CMessage::setRecipient(qo::String recipient) { recipient_ = std::move(recipient); }

void CMessage::setMessage(qo::String message) { message_ = std::move(message); }

void CMessage::setSender(qo::String sender) { sender_ = std::move(sender); }

// Through the virtual slots, so that a derived class's conversion or setter takes effect.
void CMessage::setTimeStamp(qo::String stamp) { setTimeStamp(convertStringToTime(std::move(stamp))); }

void CMessage::setTimeStamp(qo::Time stamp) { timeStamp_ = stamp; }

// Our choice: the medium is stored, as its name promises; later recipients are filed under it.
void CMessage::setSendMedium(tagSEND_MEDIUM medium) { sendMedium_ = medium; }

void CMessage::SetParameters(qo::String sender, qo::String recipient, qo::String message,
                             tagSEND_MEDIUM medium, qo::Time stamp) {
  sender_ = std::move(sender);
  recipient_ = std::move(recipient);
  message_ = std::move(message);
  timeStamp_ = stamp;
  sendMedium_ = medium;
}

void CMessage::SetParameters(qo::String sender, qo::String recipient, qo::String message,
                             tagSEND_MEDIUM medium, qo::String stamp) {
  sender_ = std::move(sender);
  recipient_ = std::move(recipient);
  message_ = std::move(message);
  // A failing text leaves the time stamp and the medium as they were.
  const qo::Time time = convertStringToTime(std::move(stamp));
  timeStamp_ = time;
  sendMedium_ = medium;
}

qo::String CMessage::getSender() { return sender_; }

qo::String CMessage::getMessage() { return message_; }

qo::String CMessage::getRecipient() { return recipient_; }

bool CMessage::isUnicode() { return unicode_; }

qo::Time CMessage::getTimeStamp() { return timeStamp_; }

qo::Time CMessage::convertStringToTime(qo::String text) { return qo::messaging::ConvertTimeText(text); }

IMessageAttachment* CMessage::getAttachmentInterface() { return attachment_.get(); }

tagSEND_MEDIUM CMessage::getSendMedium() { return sendMedium_; }

tagCHARGING_OPTION CMessage::getChargingOption() { return chargingOption_; }

void CMessage::SetStatusTime(qo::Time statusTime) { statusTime_ = statusTime; }

// Through the virtual slots, as setTimeStamp with a text.
void CMessage::SetStatusTime(qo::String statusTime) {
  SetStatusTime(convertStringToTime(std::move(statusTime)));
}

void CMessage::SetStatus(std::int32_t status) { status_ = status; }

std::int32_t CMessage::getStatus() { return status_; }

qo::Time CMessage::getStatusTime() { return statusTime_; }

IMessage* CMessage::Copy() {
  auto copy = std::make_unique<CMessage>();
  *copy = *this;
  return copy.release();
}
