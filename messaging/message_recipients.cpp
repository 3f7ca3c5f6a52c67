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
  const bool firstMedium = fields_.core.sendMedium == 0;
  const std::uint16_t key = MediumKey(firstMedium ? medium : fields_.core.sendMedium);
  auto filed = fields_.recipients.find(key);
  if (filed == fields_.recipients.end()) {
    fields_.recipients.emplace(key, qo::StringList{recipient});
  } else if (std::find(filed->second.begin(), filed->second.end(), recipient) ==
             filed->second.end()) {
    filed->second.push_back(recipient);
  }
  if (firstMedium) {
    fields_.core.sendMedium = medium;
    fields_.core.recipient = std::move(recipient);
  }
}

qo::StringList* CMessage::getRecipient(tagSEND_MEDIUM medium) {
  auto filed = fields_.recipients.find(MediumKey(medium));
  return filed != fields_.recipients.end() ? &filed->second : nullptr;
}

std::int32_t CMessage::getRecipientCount(tagSEND_MEDIUM medium) {
  auto filed = fields_.recipients.find(MediumKey(medium));
  return filed != fields_.recipients.end() ? static_cast<std::int32_t>(filed->second.size()) : 0;
}

void CMessage::ClearReceipients() { fields_.recipients.clear(); }
