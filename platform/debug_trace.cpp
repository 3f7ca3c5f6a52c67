#include "platform/contract.h"

namespace qo::platform {

// Diagnostic lines of the library come here and are discarded on purpose: the library has no
// logging of its own.
void DebugTrace(const char* /*format*/, ...) {}

}  // namespace qo::platform
