// Time texts of messages: the conversion and its failures, and the operations that take a
// text stamp (through the message's slots, leaving the field alone when the text fails).
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <functional>

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

// Seconds since the epoch of a UTC date and time (proleptic Gregorian calendar).
qo::Time Utc(int year, int month, int day, int hour, int minute, int second) {
  year -= month <= 2;
  const int era = (year >= 0 ? year : year - 399) / 400;
  const int yearOfEra = year - era * 400;
  const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  const qo::Time days = static_cast<qo::Time>(era) * 146097 + dayOfEra - 719468;
  return days * 86400 + hour * 3600 + minute * 60 + second;
}

// The status code that the call throws, or S_OK when it throws nothing.
HRESULT CodeOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const qo::StatusError& error) {
    return error.code();
  }
  return S_OK;
}

qo::Time Convert(const String& text) { return CMessage().convertStringToTime(text); }

TEST_F(MessageTime, ConvertsLocalDateAndTimeWithTheDaylightSavingRules) {
  EXPECT_EQ(Convert(u"110117123045"), Utc(2011, 1, 17, 11, 30, 45));   // winter, UTC+1
  EXPECT_EQ(Convert(u"110715120000"), Utc(2011, 7, 15, 10, 0, 0));     // summer, UTC+2
  EXPECT_EQ(Convert(u"991231235959"), Utc(2099, 12, 31, 22, 59, 59));
  // Day 30 of February is carried into March.
  EXPECT_EQ(Convert(u"110230120000"), Utc(2011, 3, 2, 11, 0, 0));
  // Each field is a leading integer of its own: " 1" is year 2001, "-9" year 1991.
  EXPECT_EQ(Convert(u" 10117123045"), Utc(2001, 1, 17, 11, 30, 45));
  EXPECT_EQ(Convert(u"-91231235959"), Utc(1991, 12, 31, 22, 59, 59));
  // A field stops at its first non-digit: hour "2x" is 2.
  EXPECT_EQ(Convert(u"1101172x0000"), Utc(2011, 1, 17, 1, 0, 0));
}

TEST_F(MessageTime, TextsOfAnotherLengthOrWithAZeroLeadingValueGiveZeroWithoutError) {
  for (const String text : {u"", u"11011712304", u"1101171230450", u"000000000000",
                            u"abcdefghijkl", u"0 0117123045", u"00x117123045",
                            u"+00000000000"}) {
    qo::Time result = -1;
    EXPECT_EQ(CodeOf([&] { result = Convert(text); }), S_OK);
    EXPECT_EQ(result, 0);
  }
}

TEST_F(MessageTime, EachFieldOutOfRangeFailsWithEFail) {
  for (const String text : {u"111317000000",    // month 13
                            u"110017000000",    // month 0
                            u"11-117000000",    // month -1 (leading value 11)
                            u"110100000000",    // day 0
                            u"110132000000",    // day 32
                            u"110117250000",    // hour 25
                            u"110117126000",    // minute 60
                            u"110117123060",    // second 60
                            u"429496729600"}) { // leading value past 32 bits is not zero
    EXPECT_EQ(CodeOf([&] { Convert(text); }), E_FAIL)
        << std::string(text.begin(), text.end());
  }
}

TEST_F(MessageTime, AFailedTextLeavesTheStampOrStatusTimeUnchanged) {
  CMessage message;
  message.setTimeStamp(u"110117123045");
  message.SetStatusTime(u"110715120000");
  EXPECT_EQ(message.getTimeStamp(), Utc(2011, 1, 17, 11, 30, 45));
  EXPECT_EQ(message.getStatusTime(), Utc(2011, 7, 15, 10, 0, 0));

  EXPECT_EQ(CodeOf([&] { message.setTimeStamp(u"110132000000"); }), E_FAIL);
  EXPECT_EQ(CodeOf([&] { message.SetStatusTime(u"110117250000"); }), E_FAIL);
  EXPECT_EQ(message.getTimeStamp(), Utc(2011, 1, 17, 11, 30, 45));
  EXPECT_EQ(message.getStatusTime(), Utc(2011, 7, 15, 10, 0, 0));

  // A malformed text is not an error: it sets 0.
  message.setTimeStamp(u"soon");
  EXPECT_EQ(message.getTimeStamp(), 0);
}

TEST_F(MessageTime, SetParametersKeepsTheTextsItSetWhenTheStampFails) {
  CMessage message;
  message.SetParameters(u"ann", u"bob", u"hi", static_cast<tagSEND_MEDIUM>(3), u"110117123045");
  EXPECT_EQ(CodeOf([&] {
              message.SetParameters(u"carl", u"dora", u"bye", static_cast<tagSEND_MEDIUM>(9),
                                    u"111317000000");
            }),
            E_FAIL);
  EXPECT_EQ(message.getSender(), u"carl");
  EXPECT_EQ(message.getRecipient(), u"dora");
  EXPECT_EQ(message.getMessage(), u"bye");
  EXPECT_EQ(message.getTimeStamp(), Utc(2011, 1, 17, 11, 30, 45));
  EXPECT_EQ(message.getSendMedium(), 3);
  EXPECT_EQ(message.getRecipientCount(static_cast<tagSEND_MEDIUM>(3)), 0);
}

TEST_F(MessageTime, ConstructorsWithATextStampFailAsAWhole) {
  const auto medium = static_cast<tagSEND_MEDIUM>(1);
  EXPECT_EQ(CodeOf([&] { CMessage(u"a", u"b", u"m", u"110117123060", medium, false); }), E_FAIL);
  EXPECT_EQ(CodeOf([&] { CInboxMessage(u"a", u"b", u"m", u"110017000000", medium, false); }),
            E_FAIL);
  // The outbox message converts the stamp before the status time.
  EXPECT_EQ(CodeOf([&] {
              COutboxMessage(u"a", u"b", u"m", u"110117123045", medium, u"110132000000", 1, false);
            }),
            E_FAIL);

  CMessage message(u"a", u"b", u"m", u"110117123045", medium, true);
  EXPECT_EQ(message.getTimeStamp(), Utc(2011, 1, 17, 11, 30, 45));
  COutboxMessage outbox(u"a", u"b", u"m", u"110117123045", medium, u"110715120000", 5, false);
  EXPECT_EQ(outbox.getTimeStamp(), Utc(2011, 1, 17, 11, 30, 45));
  EXPECT_EQ(outbox.getStatusTime(), Utc(2011, 7, 15, 10, 0, 0));
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
  EXPECT_EQ(message.getTimeStamp(), 43200);
  message.SetStatusTime(u"noon");
  EXPECT_EQ(message.getStatusTime(), 43205);
  message.SetParameters(u"a", u"b", u"c", static_cast<tagSEND_MEDIUM>(2), u"later");
  EXPECT_EQ(message.getTimeStamp(), 1);
}

}  // namespace
