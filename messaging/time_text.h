// The twelve-character time text YYMMDDhhmmss in which message time stamps and status times
// arrive, read as a local date and time of the machine.
#pragma once

#include "qodata/types.h"

namespace qo::messaging {

// The calendar time of a time text.
// - A text that is not exactly 12 characters long, or whose leading integer is 0 (no digits
//   included), gives 0 without error.
// - Otherwise the six two-character fields are read (year = 2000 + first field) and checked
//   in order: year >= 1900, month 1-12, day 1-31, hour 0-23, minute 0-59, second 0-59; the
//   first field out of range throws qo::StatusError(E_FAIL).
// - A day past the month's end carries into the next month; a date the C library cannot
//   represent throws qo::StatusError(E_INVALIDARG).
Time ConvertTimeText(const String& text);

}  // namespace qo::messaging
