// Local time of the Windows platform layer: the C runtime's 64-bit local-time conversion.
// (Lower-casing is shared with Linux: towlower on each UTF-16 unit, see text.cpp.)
#include <ctime>
#include <cstdint>
#include <limits>
#include <time.h>

#include "platform/contract.h"

namespace qo::platform {
namespace {

// The C runtime converts times from 1970 to 3000 only. The Gregorian calendar repeats itself
// every 400 years to the weekday (146097 days), and the runtime's daylight-saving rules do not
// depend on the year, so an earlier date is converted 400 years (or a few times 400) later and
// moved back by as many cycles.
constexpr std::int64_t kCycleYears = 400;
constexpr std::int64_t kCycleSeconds = std::int64_t{146097} * 86400;
constexpr std::int64_t kFirstYear = 1970;

// _mktime64 with daylight saving decided by the rules for that date; false when it fails
// (its -1 is never a valid result: 1969 lies outside its range).
bool Convert(std::tm parts, Time& out) {
  parts.tm_isdst = -1;
  const __time64_t result = _mktime64(&parts);
  if (result == static_cast<__time64_t>(-1)) return false;
  out = static_cast<Time>(result);
  return true;
}

}  // namespace

bool LocalTimeToCalendar(std::tm parts, Time& out) {
  if (Convert(parts, out)) return true;
  // About the year the fields point to, with the carries of months and days, kept in 64 bits.
  const std::int64_t year =
      std::int64_t{parts.tm_year} + 1900 + parts.tm_mon / 12 + parts.tm_mday / 366;
  if (year > kFirstYear + 1) return false;  // past the runtime's last year, or refused fields
  const std::int64_t cycles = (kFirstYear + 1 - year) / kCycleYears + 1;
  const std::int64_t shiftedYear = std::int64_t{parts.tm_year} + cycles * kCycleYears;
  if (shiftedYear > std::numeric_limits<int>::max()) return false;
  parts.tm_year = static_cast<int>(shiftedYear);
  Time shifted = 0;
  if (!Convert(parts, shifted)) return false;
  out = shifted - cycles * kCycleSeconds;
  return true;
}

}  // namespace qo::platform
