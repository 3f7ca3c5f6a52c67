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

bool CMessage::Core::operator==(const Core&) const = default;
bool CMessage::Fields::operator==(const Fields&) const = default;

CMessage::CMessage(const CMessage& other) : CMessage() { *this = other; }

// Our choice: a copy carries the status time with the status, and the target's recipient
// lists are replaced as a whole, so that the copy equals its source.
CMessage& CMessage::operator=(const CMessage& other) {
  // Everything that can fail to allocate is copied first, so that a failure leaves the
  // target as it was; passing the target itself is safe for the same reason.
  Fields fields = other.fields_;
  qo::Held<CMessageAttachment> attachment = CopyAttachment(other.attachment_.get());
  qo::Held<IBuddyProfile> buddyProfile = CopyBuddyProfile(other.buddyProfile_.get());
  ResetHolders();
  fields_ = std::move(fields);
  attachment_ = std::move(attachment);
  buddyProfile_ = std::move(buddyProfile);
  return *this;
}

CMessage& CMessage::operator&(const CMessage& other) { return *this = other; }

CMessage::~CMessage() = default;

void CMessage::AssignCore(const CMessage& other) {
  Core core = other.fields_.core;
  qo::Held<CMessageAttachment> attachment = CopyAttachment(other.attachment_.get());
  fields_.core = std::move(core);
  attachment_ = std::move(attachment);
}

CMessageAttachment* CMessage::getAttachment() { return attachment_.get(); }

void CMessage::setWalletUserKey(qo::String walletUserKey) {
  fields_.walletUserKey = std::move(walletUserKey);
}

qo::String CMessage::getWalletUserKey() { return fields_.walletUserKey; }

void CMessage::SetBuddyProfile(IBuddyProfile* profile, tagSEND_MEDIUM medium) {
  // Copied before the held one is released, so that passing the held copy itself is safe.
  // Our choice: a null profile is not an error; the message then holds none.
  buddyProfile_ = CopyBuddyProfile(profile);
  fields_.core.sendMedium = medium;
}

IBuddyProfile* CMessage::GetBuddyProfile() { return buddyProfile_.get(); }

void CMessage::setAttachment(qo::String path, tagATTACHMENT_TYPE type) {
  attachment_ = qo::Held<CMessageAttachment>::Adopt(new CMessageAttachment(std::move(path), type));
}

void CMessage::setChargingOption(tagCHARGING_OPTION option) { fields_.chargingOption = option; }

void CMessage::removeAttachment() { attachment_.reset(); }

void CMessage::setUnicode(bool unicode) { fields_.core.unicode = unicode; }

void CMessage::setRecipient(qo::String recipient) { fields_.core.recipient = std::move(recipient); }

void CMessage::setMessage(qo::String message) { fields_.core.message = std::move(message); }

void CMessage::setSender(qo::String sender) { fields_.core.sender = std::move(sender); }

// Through the virtual slots, so that a derived class's conversion or setter takes effect.
void CMessage::setTimeStamp(qo::String stamp) {
  setTimeStamp(convertStringToTime(std::move(stamp)));
}

void CMessage::setTimeStamp(qo::Time stamp) { fields_.core.timeStamp = stamp; }

// Our choice: the medium is stored, as its name promises; later recipients are filed under it.
void CMessage::setSendMedium(tagSEND_MEDIUM medium) { fields_.core.sendMedium = medium; }

void CMessage::SetParameters(qo::String sender, qo::String recipient, qo::String message,
                             tagSEND_MEDIUM medium, qo::Time stamp) {
  fields_.core.sender = std::move(sender);
  fields_.core.recipient = std::move(recipient);
  fields_.core.message = std::move(message);
  fields_.core.timeStamp = stamp;
  fields_.core.sendMedium = medium;
}

void CMessage::SetParameters(qo::String sender, qo::String recipient, qo::String message,
                             tagSEND_MEDIUM medium, qo::String stamp) {
  fields_.core.sender = std::move(sender);
  fields_.core.recipient = std::move(recipient);
  fields_.core.message = std::move(message);
  // A failing text leaves the time stamp and the medium as they were.
  const qo::Time time = convertStringToTime(std::move(stamp));
  fields_.core.timeStamp = time;
  fields_.core.sendMedium = medium;
}

qo::String CMessage::getSender() { return fields_.core.sender; }

qo::String CMessage::getMessage() { return fields_.core.message; }

qo::String CMessage::getRecipient() { return fields_.core.recipient; }

bool CMessage::isUnicode() { return fields_.core.unicode; }

qo::Time CMessage::getTimeStamp() { return fields_.core.timeStamp; }

qo::Time CMessage::convertStringToTime(qo::String text) {
  return qo::messaging::ConvertTimeText(text);
}

IMessageAttachment* CMessage::getAttachmentInterface() { return attachment_.get(); }

tagSEND_MEDIUM CMessage::getSendMedium() { return fields_.core.sendMedium; }

tagCHARGING_OPTION CMessage::getChargingOption() { return fields_.chargingOption; }

void CMessage::SetStatusTime(qo::Time statusTime) { fields_.statusTime = statusTime; }

// Through the virtual slots, as setTimeStamp with a text.
void CMessage::SetStatusTime(qo::String statusTime) {
  SetStatusTime(convertStringToTime(std::move(statusTime)));
}

void CMessage::SetStatus(std::int32_t status) { fields_.status = status; }

std::int32_t CMessage::getStatus() { return fields_.status; }

qo::Time CMessage::getStatusTime() { return fields_.statusTime; }

IMessage* CMessage::Copy() {
  auto copy = std::make_unique<CMessage>();
  *copy = *this;
  return copy.release();
}
