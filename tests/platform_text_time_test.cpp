// The platform layer's text and time services: lower-casing and case-insensitive comparison of
// UTF-16 text in the current locale, and local date-time conversion under the TZ rules.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <ctime>

#include "platform/contract.h"

namespace {

using qo::platform::CompareNoCase;
using qo::platform::EqualsNoCase;
using qo::platform::ToLower;

TEST(PlatformText, LowerCaseAndComparisonIgnoringCase) {
  EXPECT_EQ(ToLower(u"Alice@TRANSPORT_X.Y"), u"alice@transport_x.y");
  EXPECT_TRUE(EqualsNoCase(u"Home-PC", u"hOME-pc"));
  EXPECT_FALSE(EqualsNoCase(u"home", u"homes"));
  EXPECT_LT(CompareNoCase(u"abc", u"ABD"), 0);
  EXPECT_GT(CompareNoCase(u"abcd", u"ABC"), 0);
  const char16_t lone[] = {0xD83D, u'A', 0};  // a lone surrogate is left as it is
  EXPECT_EQ(ToLower(lone), (qo::String{0xD83D, u'a'}));
}

TEST(PlatformText, NonAsciiLettersFollowTheCurrentLocale) {
  const char* previous = std::setlocale(LC_CTYPE, nullptr);
  const std::string saved = previous ? previous : "C";
  if (std::setlocale(LC_CTYPE, "C.UTF-8") == nullptr) GTEST_SKIP() << "no C.UTF-8 locale";
  EXPECT_EQ(ToLower(u"\u00C4RGER \u0394"), u"\u00E4rger \u03B4");
  EXPECT_TRUE(EqualsNoCase(u"\u00C4", u"\u00E4"));
  std::setlocale(LC_CTYPE, saved.c_str());
}

// The DST rules and the carry into the next month are checked through the message time texts.
TEST(PlatformTime, DatesBefore1970ConvertAndOnlyUnrepresentableDatesFail) {
  setenv("TZ", "UTC0", 1);
  tzset();
  std::tm parts{};
  parts.tm_year = 50;  // 1950-01-01
  parts.tm_mday = 1;
  qo::Time time = 0;
  ASSERT_TRUE(qo::platform::LocalTimeToCalendar(parts, time));
  EXPECT_EQ(time, -631152000);
  parts.tm_year = 69;  // 1969-12-31 23:59:59
  parts.tm_mon = 11;
  parts.tm_mday = 31;
  parts.tm_hour = 23;
  parts.tm_min = 59;
  parts.tm_sec = 59;
  ASSERT_TRUE(qo::platform::LocalTimeToCalendar(parts, time)) << "-1 is a valid time";
  EXPECT_EQ(time, -1);
  // The day count carried into the year overflows it; the out value is left alone.
  parts.tm_year = 2147483647;
  parts.tm_mday = 2147483647;
  EXPECT_FALSE(qo::platform::LocalTimeToCalendar(parts, time));
  EXPECT_EQ(time, -1);
}

}  // namespace
