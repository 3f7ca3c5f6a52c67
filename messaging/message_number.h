// The process-wide system-message number: 0 when the library is loaded, never reset.
#pragma once

#include <cstdint>

namespace qo::messaging {

// Advances the counter and returns its new value (1 for the first call). Not thread-safe:
// system messages are made by one thread at a time.
std::int32_t NextMessageNumber();

}  // namespace qo::messaging
