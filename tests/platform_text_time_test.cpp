// The platform layer's text and time services: lower-casing and case-insensitive comparison of
// UTF-16 text in the current locale, and local date-time conversion under the TZ rules.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <ctime>

#include "platform/platform_internal.h"

namespace {

using qo::platform::CompareNoCase;
using qo::platform::EqualsNoCase;
using qo::platform::ToLower;

TEST(PlatformText, LowerCaseAndComparisonIgnoringCase) {
  EXPECT_EQ(ToLower(u"Alice@TRANSPORT_X.Y"), u"alice@transport_x.y");
  EXPECT_EQ(ToLower(u""), u"");
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

std::tm Date(int year, int month, int day) {
  std::tm parts{};
  parts.tm_year = year - 1900;
  parts.tm_mon = month - 1;
  parts.tm_mday = day;
  return parts;
}

TEST(PlatformTime, LocalMidnightFollowsDaylightSavingAndCarriesDays) {
  setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
  tzset();
  qo::Time time = 0;
  ASSERT_TRUE(qo::platform::LocalTimeToCalendar(Date(1985, 7, 4), time));
  EXPECT_EQ(time, 489276000) << "summer: two hours ahead of UTC";
  ASSERT_TRUE(qo::platform::LocalTimeToCalendar(Date(1985, 1, 4), time));
  EXPECT_EQ(time, 473641200) << "winter: one hour ahead of UTC";

  setenv("TZ", "UTC0", 1);
  tzset();
  ASSERT_TRUE(qo::platform::LocalTimeToCalendar(Date(2023, 2, 31), time));
  EXPECT_EQ(time, 1677801600) << "31 February 2023 is 3 March";
  ASSERT_TRUE(qo::platform::LocalTimeToCalendar(Date(1950, 1, 1), time));
  EXPECT_EQ(time, -631152000) << "dates before 1970 are representable";
  std::tm oneBeforeEpoch = Date(1969, 12, 31);
  oneBeforeEpoch.tm_hour = 23;
  oneBeforeEpoch.tm_min = 59;
  oneBeforeEpoch.tm_sec = 59;
  ASSERT_TRUE(qo::platform::LocalTimeToCalendar(oneBeforeEpoch, time)) << "-1 is a valid time";
  EXPECT_EQ(time, -1);
}

TEST(PlatformTime, UnrepresentableDatesFail) {
  setenv("TZ", "UTC0", 1);
  tzset();
  qo::Time time = 42;
  std::tm far = Date(2000, 1, 1);
  far.tm_year = 2147483647;  // the day count carried into the year overflows it
  far.tm_mon = 11;
  far.tm_mday = 2147483647;
  EXPECT_FALSE(qo::platform::LocalTimeToCalendar(far, time));
  EXPECT_EQ(time, 42) << "the out value is left alone on failure";
}

}  // namespace
