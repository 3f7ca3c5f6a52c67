// The recipient lists of a message, filed by the low 16 bits of the send medium.
#include <algorithm>
#include <cstdint>
#include <utility>

#include "qodata/message.h"

namespace {

std::uint16_t MediumKey(tagSEND_MEDIUM medium) {
  return static_cast<std::uint16_t>(static_cast<std::uint32_t>(medium) & 0xFFFFu);
}

}  // namespace

void CMessage::addRecipient(qo::String recipient, tagSEND_MEDIUM medium) {
  // The first recipient of a message without a medium gives it one; every recipient is filed
  // under the message's medium, whatever medium the call names.
  const bool firstMedium = sendMedium_ == 0;
  const std::uint16_t key = MediumKey(firstMedium ? medium : sendMedium_);
  auto filed = recipients_.find(key);
  if (filed == recipients_.end()) {
    recipients_.emplace(key, qo::StringList{recipient});
  } else if (std::find(filed->second.begin(), filed->second.end(), recipient) ==
             filed->second.end()) {
    filed->second.push_back(recipient);
  }
  if (firstMedium) {
    sendMedium_ = medium;
    recipient_ = std::move(recipient);
  }
}

qo::StringList* CMessage::getRecipient(tagSEND_MEDIUM medium) {
  auto filed = recipients_.find(MediumKey(medium));
  return filed != recipients_.end() ? &filed->second : nullptr;
}

std::int32_t CMessage::getRecipientCount(tagSEND_MEDIUM medium) {
  auto filed = recipients_.find(MediumKey(medium));
  return filed != recipients_.end() ? static_cast<std::int32_t>(filed->second.size()) : 0;
}

void CMessage::ClearReceipients() { recipients_.clear(); }
