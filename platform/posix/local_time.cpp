// Local time on Linux: the C library's mktime under the TZ rules.
#include <cerrno>
#include <ctime>

#include "platform/contract.h"

namespace qo::platform {

bool LocalTimeToCalendar(std::tm parts, Time& out) {
  parts.tm_isdst = -1;
  errno = 0;
  const std::time_t result = std::mktime(&parts);
  // -1 is also one second before the epoch; only an error number tells a failure apart.
  if (result == static_cast<std::time_t>(-1) && errno != 0) return false;
  out = static_cast<Time>(result);
  return true;
}

}  // namespace qo::platform
