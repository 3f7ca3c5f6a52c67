// Identifier normalisation, the profile request and its birthday conversion.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "qodata/user_profile.h"

namespace {

using qo::String;
using qo::StringMap;

const String kYahoo = u"@TRANSPORT_yahoo.com";
const String kMsn = u"@TRANSPORT_hotmail.com";
const String kGoogle = u"@TRANSPORT_gmail.com";
const String kAol = u"@TRANSPORT_aol.com";
const String kIcq = u"@TRANSPORT_icq.com";

std::string Shown(const String& text) { return std::string(text.begin(), text.end()); }

StringMap RequestOf(CUserProfile& profile) {
  StringMap out;
  profile.GetProfileRqst(out);
  return out;
}

// Lower-cased and cut at the first transport suffix in suffix order (not text order); unified
// unless the normal form starts with "00" or "01".
TEST(QuilloId, IsNormalisedAndUnifiedUnlessItStartsWithZeroZeroOrZeroOne) {
  const std::tuple<String, String, bool> cases[] = {
      {u"Alice@TRANSPORT_YAHOO.COM", u"alice", true},
      {u"carol" + kMsn + u"/Resource-1", u"carol", true},
      {u"Dave@Example.COM", u"dave@example.com", true},  // no suffix: only lower-cased
      {u"Eve@TRANSPORT_", u"eve@transport_", true},      // a partial suffix is not a suffix
      {kIcq, u"", true},  // a suffix at the very start leaves nothing
      // AOL first in the text, Google first in the suffix order: the cut is at Google's.
      {u"X" + kAol + u"Y" + kGoogle + u"Z", u"x@transport_aol.comy", true},
      {u"A@TRANSPORT_HOTMAIL.COMB" + kYahoo, u"a@transport_hotmail.comb", true},
      {u"c" + kIcq + u"d" + kIcq, u"c", true},  // the first of a suffix that appears twice
      {u"0099", u"0099", false},
      {u"01", u"01", false},
      {u"00" + kYahoo, u"00", false},  // decided on the normal form
      {u"0212345", u"0212345", true},
      {u"0", u"0", true},
      {u"", u"", true},
      {u"O1", u"o1", true},  // letter O, not a digit
  };
  CUserProfile profile;
  for (const auto& [given, stored, unified] : cases) {
    profile.setQuilloID(unified ? u"00" : u"seed");  // the flag must change, not stay
    profile.setQuilloID(given);
    EXPECT_EQ(profile.getQuilloID(), stored) << Shown(given);
    EXPECT_EQ(profile.isUnifiedAccount(), unified) << Shown(given);
  }
}

TEST(ProfileRequest, ApplyZeroOnlyKeepsAnEmptyRequestChangesNothingGetMerges) {
  CUserProfile profile;
  StringMap first{{u"sound", u"1"}}, second{{u"first_name", u"Ann"}, {u"popup", u"1"}}, empty;
  profile.SetProfileRqst(first, 0);
  profile.SetProfileRqst(second, 0);  // replaces the kept request, not merged
  profile.SetProfileRqst(empty, 1);
  profile.SetProfileRqst(empty, 0);
  second[u"first_name"] = u"Changed";  // the kept request is a copy
  CUserProfile::Fields kept;
  kept.profileRequest = {{u"first_name", u"Ann"}, {u"popup", u"1"}};
  EXPECT_EQ(profile.fields(), kept) << "apply 0 keeps the request without applying it";

  // GetProfileRqst merges into the output map, overwriting the keys the request has.
  StringMap out{{u"popup", u"old"}, {u"c", u"3"}};
  profile.GetProfileRqst(out);
  EXPECT_EQ(out, (StringMap{{u"first_name", u"Ann"}, {u"popup", u"1"}, {u"c", u"3"}}));
}

// The kept request keeps its keys as given, unknown ones too; its "idle" value becomes the flag.
TEST(ProfileRequest, KeysAreComparedIgnoringCaseAndValuesStoredAsTheyCame) {
  CUserProfile profile;
  StringMap request{{u"FIRST_NAME", u"Ann"}, {u"Last_Name", u"Lee"},  {u"eMail", u"a@b.org"},
                    {u"THEME", u"Dark"},     {u"global_id", u"g-42"}, {u"unknown_key", u"what"},
                    {u"IDLE", u"15"}};
  profile.SetProfileRqst(request, 1);
  EXPECT_EQ(std::tuple(profile.getFirstName(), profile.getLastName(), profile.getEmail(),
                       profile.getTheme(), profile.GetGlobalID(), profile.getIdleTime()),
            std::tuple(u"Ann", u"Lee", u"a@b.org", u"Dark", u"g-42", 15));
  StringMap kept = request;
  kept[u"IDLE"] = u"1";
  EXPECT_EQ(RequestOf(profile), kept);
}

// The settings (low 32 bits) and the email-updates, listed and verified flags as one word.
constexpr std::uint64_t kUpdates = 1ull << 32, kListed = 1ull << 33, kVerified = 1ull << 34;
std::uint64_t FlagsOf(CUserProfile& p) {
  return p.getSettings() | (p.isEmailUpdates() ? kUpdates : 0) |
         (p.isSearchable() == 1 ? kListed : 0) | (p.isEmailVerified() == 1 ? kVerified : 0);
}

// From all clear and all set, the first value sets the key's bit and the second clears it, and
// nothing else changes. Bits take "1" (idle: not "0"); two flags "true" too; is_verified "true".
TEST(ProfileRequest, EachKeyDrivesItsOwnFlagOrSettingsBitOnly) {
  const std::tuple<const char16_t*, const char16_t*, const char16_t*, std::uint64_t> cases[] = {
      {u"IS_ARCHIVE_ON", u"1", u"true", 0x01},
      {u"email_fwd", u"1", u"0", 0x04},
      {u"idle", u"5", u"0", 0x08},
      {u"mobile_fwd", u"1", u"", 0x10},
      {u"Popup", u"1", u"yes", 0x20},
      {u"sound", u"1", u"2", 0x40},
      {u"Email_Updates", u"1", u"0", kUpdates},
      {u"email_updates", u"tRuE", u"yes", kUpdates},
      {u"IS_LISTED", u"True", u"yes", kListed},
      {u"is_verified", u"TRUE", u"1", kVerified},
  };
  for (const auto& [key, sets, clears, bit] : cases) {
    for (std::uint64_t before : {std::uint64_t{0}, 0xFFFFFFFFu | kUpdates | kListed | kVerified}) {
      for (const char16_t* value : {sets, clears}) {
        CUserProfile profile;
        profile.setSettings(static_cast<std::uint32_t>(before));
        profile.setEmailUpdates(before != 0);
        profile.setSearchable(before != 0);
        profile.setEmailVerified(before != 0);
        StringMap request{{key, value}};
        profile.SetProfileRqst(request, 1);
        EXPECT_EQ(FlagsOf(profile), value == sets ? before | bit : before & ~bit)
            << Shown(key) << "=" << Shown(value) << " from " << before;
      }
    }
  }
}

// The idle value is read like strtol (white space, sign, digits; otherwise 0), saturating.
TEST(ProfileRequest, IdleReadsItsTimeLikeStrtol) {
  CUserProfile profile;
  using Read = std::pair<String, std::int32_t>;
  for (const auto& [value, time] :
       {Read{u"  \t42abc", 42}, Read{u"+7", 7}, Read{u"-3", -3}, Read{u"abc", 0}, Read{u"", 0},
        Read{u"00", 0}, Read{u" - 4", 0}, Read{u"12 34", 12}, Read{u"99999999999", 2147483647},
        Read{u"-99999999999", -2147483647 - 1}}) {
    profile.setIdleTime(-100);
    profile.setSettings(0);
    StringMap request{{u"idle", value}};
    profile.SetProfileRqst(request, 1);
    EXPECT_EQ(profile.getIdleTime(), time) << Shown(value);
    EXPECT_EQ(profile.getSettings(), 0x08u) << Shown(value) << ": anything but \"0\" means idle";
  }
}

// Central European time with daylight saving as a POSIX rule (no time-zone database needed);
// left set: each case runs in a process of its own.
class Birthday : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
  }

  // The birthdate the value gives a profile whose birthdate was 123, or kFailed for E_FAIL.
  static constexpr qo::Time kFailed = -1;
  static qo::Time BirthdateFrom(const String& value) {
    CUserProfile profile;
    profile.setBirthdate(123);
    StringMap request{{u"BirthDay", value}};
    try {
      profile.SetProfileRqst(request, 1);
    } catch (const qo::StatusError& failure) {
      EXPECT_EQ(profile.getBirthdate(), 123) << "a failed birthday leaves the birthdate";
      EXPECT_EQ(failure.code(), E_FAIL) << Shown(value);
      return kFailed;
    }
    return profile.getBirthdate();
  }
};

TEST_F(Birthday, IsLocalMidnightWithDaylightSavingTimeRollOverAndLenientTokens) {
  // Hand-checked: 4 July 1985 is day 5663 since 1970, its midnight CEST 22:00 UTC the day
  // before; 15 January 2001 is day 11337, its midnight CET 23:00 UTC the day before.
  const qo::Time july1985 = 489276000;
  const std::pair<const char16_t*, qo::Time> cases[] = {
      {u"", 123},  // an empty value changes nothing
      {u"1985-07-04", july1985},
      {u"2001-01-15", 979513200},
      {u"1900-01-01", -2208992400},  // the lowest year, before the epoch
      // A day beyond its month rolls over (2000 is a leap year): 3 and 2 March, 1 May.
      {u"2001-02-31", 983574000},
      {u"2000-02-31", 951951600},
      {u"2001-04-31", 988668000},
      // Empty tokens are skipped; tokens are read like strtol; a fourth token is ignored.
      {u"--1985---7-4-", july1985},
      {u" 1985- 07-04T10:00", july1985},
      {u"1985-07-04-99", july1985},
  // Either side of the spring change; the Windows C runtime puts the changes on US dates.
#ifndef _WIN32
      {u"2001-03-25", 985474800},
      {u"2001-03-26", 985557600},
#endif
  };
  for (const auto& [text, time] : cases) EXPECT_EQ(BirthdateFrom(text), time) << Shown(text);
}

TEST_F(Birthday, FieldsOutOfRangeRaiseEFail) {
  EXPECT_EQ(static_cast<std::uint32_t>(E_FAIL), 0x80004005u);
  // A missing day reads as 0; only "-" separates.
  for (const char16_t* bad : {u"1899-12-31", u"1985-13-01", u"1985-00-10", u"1985-07-32",
                              u"1985-07-00", u"1985-07", u"-", u"July 4th, 1985", u"1985/07/04"}) {
    EXPECT_EQ(BirthdateFrom(bad), kFailed) << Shown(bad);
  }
}

// The request is kept, then its entries are applied in the map's order until the birthday fails.
TEST_F(Birthday, AnErrorStopsTheRequestWhereItStands) {
  StringMap request{{u"first_name", u"Ann"},      {u"sound", u"1"},
                    {u"theme", u"dark"},          {u"email", u"a@b"},
                    {u"birthday", u"1985-13-01"}, {u"popup", u"1"},
                    {u"last_name", u"Lee"},       {u"mobile_fwd", u"1"}};
  CUserProfile profile, expected;
  EXPECT_THROW(profile.SetProfileRqst(request, 1), qo::StatusError);
  StringMap before;
  for (const auto& entry : profile.fields().profileRequest) {  // in the order applied
    if (entry.first == u"birthday") break;
    before.insert(entry);
  }
  expected.SetProfileRqst(before, 1);
  expected.SetProfileRqst(request, 0);
  EXPECT_EQ(profile.fields(), expected.fields()) << before.size() << " entries before";
}

}  // namespace
