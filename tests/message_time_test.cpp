// Time texts of messages: the conversion rule by rule, and the operations that take a text
// stamp (through the message's slots, leaving the field alone when the text fails).
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <functional>
#include <tuple>

#include "qodata/message.h"
#include "qodata/message_kinds.h"

namespace {

using qo::String;

// Central European time with daylight saving time: UTC+1 in winter, UTC+2 in summer.
class MessageTime : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
  }
};

// The status code that the call throws, or S_OK when it throws nothing.
HRESULT CodeOf(const std::function<void()>& call) try {
  call();
  return S_OK;
} catch (const qo::StatusError& error) {
  return error.code();
}

constexpr auto Medium(std::int32_t value) { return static_cast<tagSEND_MEDIUM>(value); }
const auto kMedium = Medium(3);
constexpr qo::Time kJan17 = 1295263845;  // 2011-01-17 11:30:45 UTC, from "110117123045"
constexpr qo::Time kJul15 = 1310724000;  // 2011-07-15 10:00:00 UTC, from "110715120000"

TEST_F(MessageTime, ConversionAppliesItsRulesInOrder) {
  // The text, the code it throws (S_OK: none), the time it gives, and the rule it shows.
  const std::tuple<const char16_t*, HRESULT, qo::Time, const char*> rows[] = {
      {u"11011712304", S_OK, 0, "11 long: 0 without error"},
      {u"1101171230450", S_OK, 0, "13 long: 0 without error"},
      {u"000000000000", S_OK, 0, "leading value 0: 0 without error"},
      {u"abcdefghijkl", S_OK, 0, "no digits: leading value 0"},
      {u"00x117123045", S_OK, 0, "the leading value stops at the first non-digit"},
      {u"429496729600", E_FAIL, 0, "a leading value past 32 bits is not 0 (month 49 fails)"},
      {u"111317000000", E_FAIL, 0, "month 13"},
      {u"110017000000", E_FAIL, 0, "month 0"},
      {u"11-117000000", E_FAIL, 0, "month -1 (the leading value is 11)"},
      {u"110100000000", E_FAIL, 0, "day 0"},
      {u"110132000000", E_FAIL, 0, "day 32"},
      {u"110117240000", E_FAIL, 0, "hour 24"},
      {u"110117126000", E_FAIL, 0, "minute 60"},
      {u"110117123060", E_FAIL, 0, "second 60"},
      {u"110117123045", S_OK, kJan17, "winter, UTC+1"},
      {u"110715120000", S_OK, kJul15, "summer, UTC+2"},
      {u"010101000000", S_OK, 978303600, "every field at its minimum: 2000-12-31 23:00:00"},
      {u"991231235959", S_OK, 4102441199, "every field at its maximum: 2099-12-31 22:59:59"},
      {u"110230120000", S_OK, 1299063600, "30 February carries into March: 2011-03-02 11:00"},
      {u" 10117123045", S_OK, 979731045, "field \" 1\" is year 2001: 2001-01-17 11:30:45"},
      {u"-91231235959", S_OK, 694220399, "field \"-9\" is year 1991: 1991-12-31 22:59:59"},
      {u"1101172x0000", S_OK, 1295226000, "field \"2x\" is hour 2: 2011-01-17 01:00"},
  };
  for (const auto& [text, code, time, rule] : rows) {
    SCOPED_TRACE(rule);
    qo::Time result = -1;
    EXPECT_EQ(CodeOf([&, text = text] { result = CMessage().convertStringToTime(text); }), code);
    EXPECT_EQ(result, code == S_OK ? time : -1);
  }
}

TEST_F(MessageTime, AFailedTextFailsTheWholeOperationAndLeavesTheStamp) {
  CMessage message;
  message.SetParameters(u"ann", u"bob", u"hi", kMedium, u"110117123045");
  message.SetStatusTime(u"110715120000");
  // Each call fails on its text: the setters leave their field, constructors fail as a whole (the
  // outbox message converts the stamp, then the status time), and SetParameters keeps the texts
  // it set before the stamp failed while stamp and medium stay.
  const std::function<void()> failing[] = {
      [&] { message.setTimeStamp(u"110132000000"); },
      [&] { message.SetStatusTime(u"110117250000"); },
      [] { CMessage(u"a", u"b", u"m", u"110117123060", kMedium, false); },
      [] { CInboxMessage(u"a", u"b", u"m", u"110017000000", kMedium, false); },
      [] { COutboxMessage(u"a", u"b", u"m", u"110117123045", kMedium, u"110132000000", 1, false); },
      [&] { message.SetParameters(u"carl", u"dora", u"bye", Medium(9), u"111317000000"); },
  };
  for (const auto& call : failing) EXPECT_EQ(CodeOf(call), E_FAIL) << &call - failing;
  EXPECT_EQ(std::tuple(message.getSender(), message.getRecipient(), message.getMessage(),
                       message.getTimeStamp(), message.getStatusTime(), message.getSendMedium()),
            std::tuple(String(u"carl"), String(u"dora"), String(u"bye"), kJan17, kJul15, 3));
  EXPECT_EQ(message.getRecipientCount(kMedium), 0);

  for (CMessage made : {CMessage(u"a", u"b", u"m", u"110117123045", kMedium, true),
                        CMessage(u"a", u"b", u"m", kJan17, kMedium, true)}) {
    EXPECT_EQ(std::tuple(made.getSender(), made.getMessage(), made.getTimeStamp()),
              std::tuple(String(u"a"), String(u"m"), kJan17));
  }
  COutboxMessage outbox(u"a", u"b", u"m", u"110117123045", kMedium, u"110715120000", 5, false);
  EXPECT_EQ(std::tuple(outbox.getTimeStamp(), outbox.getStatusTime()), std::tuple(kJan17, kJul15));
}

// A message whose conversion and status-time setter are replaced, to see that the text setters
// reach them through their slots.
class ReplacedSlots : public CMessage {
 public:
  using CMessage::SetStatusTime;
  qo::Time convertStringToTime(String text) override { return text == u"noon" ? 43200 : 1; }
  void SetStatusTime(qo::Time statusTime) override { CMessage::SetStatusTime(statusTime + 5); }
};

TEST_F(MessageTime, TextSettersGoThroughTheConversionAndSetterSlots) {
  ReplacedSlots message;
  message.setTimeStamp(u"noon");
  message.SetStatusTime(u"noon");
  EXPECT_EQ(std::tuple(message.getTimeStamp(), message.getStatusTime()), std::tuple(43200, 43205));
  message.SetParameters(u"a", u"b", u"c", kMedium, u"later");
  EXPECT_EQ(message.getTimeStamp(), 1);
}

}  // namespace
