#include "messaging/time_text.h"

#include <cstdint>
#include <ctime>
#include <limits>
#include <string_view>

#include "platform/contract.h"

namespace qo::messaging {
namespace {

constexpr std::size_t kTimeTextLength = 12;

bool IsSpace(char16_t unit) { return unit == u' ' || (unit >= u'\t' && unit <= u'\r'); }

// The leading decimal integer of the text, read as the C library's atoi reads it: white space
// skipped, an optional sign, then digits up to the first non-digit; 0 when there are none.
// The magnitude saturates instead of wrapping, so a value too large for 32 bits stays non-zero.
std::int64_t LeadingInteger(std::u16string_view text) {
  std::size_t at = 0;
  while (at < text.size() && IsSpace(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) negative = text[at++] == u'-';
  constexpr std::int64_t kCeiling = std::numeric_limits<std::int64_t>::max() / 10;
  std::int64_t value = 0;
  for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) {
    if (value < kCeiling) value = value * 10 + (text[at] - u'0');
  }
  return negative ? -value : value;
}

// The two-character field starting at the index.
int Field(std::u16string_view text, std::size_t index) {
  return static_cast<int>(LeadingInteger(text.substr(index, 2)));
}

void Require(bool inRange) {
  if (!inRange) throw StatusError(E_FAIL);
}

}  // namespace

Time ConvertTimeText(const String& text) {
  const std::u16string_view view(text);
  if (view.size() != kTimeTextLength || LeadingInteger(view) == 0) return 0;

  const int year = 2000 + Field(view, 0);
  const int month = Field(view, 2);
  const int day = Field(view, 4);
  const int hour = Field(view, 6);
  const int minute = Field(view, 8);
  const int second = Field(view, 10);
  Require(year >= 1900);
  Require(month >= 1 && month <= 12);
  Require(day >= 1 && day <= 31);
  Require(hour >= 0 && hour <= 23);
  Require(minute >= 0 && minute <= 59);
  Require(second >= 0 && second <= 59);

  std::tm parts{};
  parts.tm_year = year - 1900;
  parts.tm_mon = month - 1;
  parts.tm_mday = day;
  parts.tm_hour = hour;
  parts.tm_min = minute;
  parts.tm_sec = second;
  Time result = 0;
  if (!platform::LocalTimeToCalendar(parts, result)) throw StatusError(E_INVALIDARG);
  return result;
}

}  // namespace qo::messaging
