// The twelve-character time text YYMMDDhhmmss: any text converts to a time, to 0, or throws
// qo::StatusError with E_FAIL or E_INVALIDARG, and never anything else. Run in UTC, a text of
// twelve digits that converts reads back through the C library as the same fields (after the
// day has carried into the next month where it overflows). The setters that take the text:
// message_time_test.cpp.
#include <cstdlib>
#include <ctime>

#include "fuzz_input.h"
#include "messaging/time_text.h"

namespace {

// The fields of a converted all-digit text, read back with timegm (the process runs in UTC).
void CheckRoundTrip(const qo::String& text, qo::Time time) {
  for (char16_t unit : text) {
    if (unit < u'0' || unit > u'9') return;
  }
  const auto field = [&text](int i) { return (text[2 * i] - u'0') * 10 + text[2 * i + 1] - u'0'; };
  std::tm expected{.tm_sec = field(5),
                   .tm_min = field(4),
                   .tm_hour = field(3),
                   .tm_mday = field(2),
                   .tm_mon = field(1) - 1,
                   .tm_year = 100 + field(0)};
  if (timegm(&expected) != static_cast<std::time_t>(time)) qo::fuzz::Fail("read back differs");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("TZ", "UTC", 1);
  tzset();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qo::fuzz::Input input(data, size);
  const qo::String text = input.Text(16);
  qo::Time time = 0;
  try {
    time = qo::messaging::ConvertTimeText(text);
  } catch (const qo::StatusError& error) {
    if (error.code() != E_FAIL && error.code() != E_INVALIDARG) qo::fuzz::Fail("unexpected code");
    if (text.size() != 12) qo::fuzz::Fail("a text not 12 long failed");
    return 0;
  }
  if (text.size() != 12 && time != 0) qo::fuzz::Fail("a text not 12 long converted");
  if (text.size() == 12 && time != 0) CheckRoundTrip(text, time);  // all digits only
  return 0;
}
