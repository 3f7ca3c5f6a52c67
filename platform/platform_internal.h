// The platform layer as the library itself sees it: the few Windows and C-runtime services
// the containers need, implemented for Linux. (The public part is in qodata/platform.h.)
#pragma once

#include <ctime>

#include "qodata/platform.h"
#include "qodata/types.h"

namespace qo::platform {

// Lower case of a UTF-16 text, code unit by code unit, with the C library's towlower in the
// current locale. Units that towlower maps outside 16 bits are kept as they are.
String ToLower(const String& text);

// Compares two texts ignoring letter case (both lower-cased as ToLower does): <0, 0 or >0.
int CompareNoCase(const String& a, const String& b);
inline bool EqualsNoCase(const String& a, const String& b) { return CompareNoCase(a, b) == 0; }

// Converts a broken-down local date and time to a calendar time, with daylight saving time
// decided by the system's rules for that date (tm_isdst is set to -1) and out-of-range days
// carried into the next month. False when the C library cannot represent the result.
bool LocalTimeToCalendar(std::tm parts, Time& out);

// The debug-trace hook: takes a format and its arguments and produces no output.
void DebugTrace(const char* format, ...);

}  // namespace qo::platform
