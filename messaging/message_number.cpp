#include "messaging/message_number.h"

namespace qo::messaging {
namespace {

// Unsigned, so that running past the 32-bit range wraps instead of overflowing.
std::uint32_t lastMessageNumber = 0;

}  // namespace

std::int32_t NextMessageNumber() { return static_cast<std::int32_t>(++lastMessageNumber); }

}  // namespace qo::messaging
