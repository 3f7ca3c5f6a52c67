// The twelve-character time text YYMMDDhhmmss: any text converts to a time, to 0, or throws
// qo::StatusError with E_FAIL or E_INVALIDARG, and never anything else. Run in UTC, a text of
// twelve digits that converts reads back through the C library as the same fields (after the
// day has carried into the next month where it overflows).
#include <cstdlib>
#include <ctime>

#include "fuzz_input.h"
#include "messaging/time_text.h"
#include "qodata/message.h"

namespace {

bool AllDigits(const qo::String& text) {
  for (char16_t unit : text) {
    if (unit < u'0' || unit > u'9') return false;
  }
  return true;
}

int Field(const qo::String& text, std::size_t at) {
  return (text[at] - u'0') * 10 + (text[at + 1] - u'0');
}

// The fields of a converted all-digit text, read back with gmtime (the process runs in UTC).
void CheckRoundTrip(const qo::String& text, qo::Time time) {
  std::tm expected{};
  expected.tm_year = 100 + Field(text, 0);
  expected.tm_mon = Field(text, 2) - 1;
  expected.tm_mday = Field(text, 4);
  expected.tm_hour = Field(text, 6);
  expected.tm_min = Field(text, 8);
  expected.tm_sec = Field(text, 10);
  const std::time_t normalised = timegm(&expected);  // carries an overflowing day
  if (normalised != static_cast<std::time_t>(time)) qo::fuzz::Fail("time text read back differs");
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
  bool threw = false;
  try {
    time = qo::messaging::ConvertTimeText(text);
  } catch (const qo::StatusError& error) {
    if (error.code() != E_FAIL && error.code() != E_INVALIDARG) qo::fuzz::Fail("unexpected code");
    threw = true;
  }
  if (text.size() != 12 && (threw || time != 0)) qo::fuzz::Fail("a text not 12 long converted");
  if (!threw && text.size() == 12 && AllDigits(text) && time != 0) CheckRoundTrip(text, time);

  // The message's setter takes the same conversion and, when it throws, keeps its stamp.
  CMessage message;
  message.setTimeStamp(qo::Time{42});
  try {
    message.setTimeStamp(text);
    if (threw || message.getTimeStamp() != time) qo::fuzz::Fail("setter disagrees");
  } catch (const qo::StatusError&) {
    if (!threw || message.getTimeStamp() != 42) qo::fuzz::Fail("failed setter changed the stamp");
  }
  return 0;
}
