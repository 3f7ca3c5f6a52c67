// Identifier normalisation, the profile request and its birthday conversion.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "contacts/transport_suffix.h"
#include "qodata/user_profile.h"

namespace {

using qo::String;
using qo::StringMap;

const String kYahoo = u"@TRANSPORT_yahoo.com";
const String kMsn = u"@TRANSPORT_hotmail.com";
const String kGoogle = u"@TRANSPORT_gmail.com";
const String kAol = u"@TRANSPORT_aol.com";
const String kIcq = u"@TRANSPORT_icq.com";

String Upper(String text) {
  for (char16_t& unit : text) {
    if (unit >= u'a' && unit <= u'z') unit = static_cast<char16_t>(unit - u'a' + u'A');
  }
  return text;
}

StringMap RequestOf(const CUserProfile& profile) {
  StringMap out;
  const_cast<CUserProfile&>(profile).GetProfileRqst(out);
  return out;
}

// --- Transport suffixes and normalisation --------------------------------------------------

TEST(TransportSuffix, FiveConstantsInNormalisationOrderAndByDomainCode) {
  ASSERT_EQ(qo::kTransportSuffixes.size(), 5u);
  const String expected[] = {kYahoo, kMsn, kGoogle, kAol, kIcq};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(*qo::kTransportSuffixes[i], expected[i]);
    EXPECT_EQ(qo::TransportSuffixForDomain(static_cast<std::int32_t>(i + 2)),
              qo::kTransportSuffixes[i])
        << "one shared constant per network";
    EXPECT_EQ(expected[i].rfind(u"@TRANSPORT_", 0), 0u);
  }
  for (std::int32_t code : {-1, 0, 1, 7, 100}) {
    EXPECT_EQ(qo::TransportSuffixForDomain(code), nullptr) << code;
  }
}

// The identifier is lower-cased and loses a transport suffix (in any case) and whatever
// follows it; with two suffixes the cut is at the first in suffix order, not in text order.
TEST(QuilloId, IsLowerCasedAndLosesItsTransportSuffix) {
  CUserProfile profile;
  const std::pair<String, String> cases[] = {
      {u"Alice" + Upper(kYahoo), u"alice"},
      {u"carol" + kMsn + u"/Resource-1", u"carol"},
      {u"Dave@Example.COM", u"dave@example.com"},  // no suffix: only lower-cased
      {u"Eve@TRANSPORT_", u"eve@transport_"},      // a partial suffix is not a suffix
      {kIcq, u""},                                 // a suffix at the very start leaves nothing
      // AOL first in the text, Google first in the suffix order: the cut is at Google's.
      {u"X" + kAol + u"Y" + kGoogle + u"Z", u"x@transport_aol.comy"},
      {u"A" + Upper(kMsn) + u"B" + kYahoo, u"a@transport_hotmail.comb"},
      {u"c" + kIcq + u"d" + kIcq, u"c"},  // the first occurrence of a suffix that appears twice
  };
  for (const auto& [given, stored] : cases) {
    profile.setQuilloID(given);
    EXPECT_EQ(profile.getQuilloID(), stored) << std::string(given.begin(), given.end());
  }
  for (const String* suffix : qo::kTransportSuffixes) {
    profile.setQuilloID(u"Bob" + *suffix);
    EXPECT_EQ(profile.getQuilloID(), u"bob");
  }
}

TEST(QuilloId, UnifiedUnlessItStartsWithZeroZeroOrZeroOne) {
  CUserProfile profile;
  struct Case {
    String id;
    String stored;
    bool unified;
  };
  const Case cases[] = {
      {u"0123456", u"0123456", false}, {u"0099", u"0099", false},   {u"01", u"01", false},
      {u"00" + kYahoo, u"00", false},  // decided on the normal form
      {u"0212345", u"0212345", true},  {u"1012345", u"1012345", true}, {u"0", u"0", true},
      {u"", u"", true},                {u"O1", u"o1", true},  // letter O, not a digit
      {u"alice", u"alice", true},
  };
  for (const Case& c : cases) {
    profile.setQuilloID(u"seed");
    profile.setQuilloID(c.id);
    EXPECT_EQ(profile.getQuilloID(), c.stored);
    EXPECT_EQ(profile.isUnifiedAccount(), c.unified) << std::string(c.id.begin(), c.id.end());
  }
}

// --- The profile request ------------------------------------------------------------------

TEST(ProfileRequest, AnEmptyRequestChangesNothingAndApplyZeroOnlyKeeps) {
  CUserProfile profile;
  profile.setSettings(0x100u);
  StringMap first{{u"sound", u"1"}};
  profile.SetProfileRqst(first, 0);
  EXPECT_EQ(RequestOf(profile), (StringMap{{u"sound", u"1"}}));
  EXPECT_EQ(profile.getSettings(), 0x100u) << "apply 0 keeps the request without applying it";

  StringMap second{{u"first_name", u"Ann"}, {u"popup", u"1"}};
  profile.SetProfileRqst(second, 0);
  EXPECT_EQ(RequestOf(profile), second) << "the kept request is replaced, not merged";

  StringMap empty;
  profile.SetProfileRqst(empty, 1);
  profile.SetProfileRqst(empty, 0);
  EXPECT_EQ(RequestOf(profile), second);
  EXPECT_TRUE(profile.getFirstName().empty());

  // The kept request is a copy of the caller's map.
  second[u"first_name"] = u"Changed";
  EXPECT_EQ(RequestOf(profile).at(u"first_name"), u"Ann");
}

TEST(ProfileRequest, GetProfileRqstMergesIntoTheOutputMap) {
  CUserProfile profile;
  StringMap request{{u"a", u"1"}, {u"b", u"2"}};
  profile.SetProfileRqst(request, 0);
  StringMap out{{u"b", u"old"}, {u"c", u"3"}};
  profile.GetProfileRqst(out);
  EXPECT_EQ(out, (StringMap{{u"a", u"1"}, {u"b", u"2"}, {u"c", u"3"}}));
}

TEST(ProfileRequest, KeysAndValuesAreComparedIgnoringCase) {
  CUserProfile profile;
  StringMap request{
      {u"FIRST_NAME", u"Ann"}, {u"Last_Name", u"Lee"},        {u"eMail", u"ann@example.org"},
      {u"THEME", u"Dark"},     {u"global_id", u"g-42"},       {u"Email_Updates", u"TRUE"},
      {u"IS_LISTED", u"True"}, {u"unknown_key", u"whatever"},
  };
  profile.SetProfileRqst(request, 1);
  // Values are stored as they came.
  EXPECT_EQ(std::tuple(profile.getFirstName(), profile.getLastName(), profile.getEmail(),
                       profile.getTheme(), profile.GetGlobalID(), profile.isEmailUpdates(),
                       profile.isSearchable()),
            std::tuple(String(u"Ann"), String(u"Lee"), String(u"ann@example.org"),
                       String(u"Dark"), String(u"g-42"), true, 1));
  // The keys are kept in their original case; unknown keys stay too.
  EXPECT_EQ(RequestOf(profile), request);

  // "1" counts as true for the booleans; anything else is false.
  StringMap booleans{{u"email_updates", u"1"}, {u"is_listed", u"yes"}};
  profile.SetProfileRqst(booleans, 1);
  EXPECT_TRUE(profile.isEmailUpdates());
  EXPECT_FALSE(profile.isSeachable());
  StringMap off{{u"email_updates", u"0"}};
  profile.SetProfileRqst(off, 1);
  EXPECT_FALSE(profile.isEmailUpdates());

  // Fields whose key is absent keep their value.
  EXPECT_EQ(profile.getFirstName(), u"Ann");
}

TEST(ProfileRequest, IsVerifiedWantsTheWordTrue) {
  CUserProfile profile;
  StringMap yes{{u"is_verified", u"TRUE"}};
  profile.SetProfileRqst(yes, 1);
  EXPECT_EQ(profile.isEmailVerified(), 1);
  StringMap one{{u"is_verified", u"1"}};
  profile.SetProfileRqst(one, 1);
  EXPECT_EQ(profile.isEmailVerified(), 0) << "\"1\" is not \"true\" here";
}

TEST(ProfileRequest, SettingsBitsFollowTheirKeysAndOtherBitsSurvive) {
  CUserProfile profile;
  const std::uint32_t outside = 0x02u | 0x80u | 0x100u | 0x80000000u;
  profile.setSettings(outside);
  StringMap on{{u"is_archive_on", u"1"}, {u"email_fwd", u"1"}, {u"mobile_fwd", u"1"},
               {u"popup", u"1"},         {u"sound", u"1"},     {u"idle", u"5"}};
  profile.SetProfileRqst(on, 1);
  EXPECT_EQ(profile.getSettings(), outside | 0x01u | 0x04u | 0x08u | 0x10u | 0x20u | 0x40u);

  StringMap off{{u"IS_ARCHIVE_ON", u"true"}, {u"email_fwd", u"0"}, {u"mobile_fwd", u""},
                {u"Popup", u"yes"},          {u"sound", u"2"},     {u"idle", u"0"}};
  profile.SetProfileRqst(off, 1);
  EXPECT_EQ(profile.getSettings(), outside) << "\"true\" clears bit 0x01: only \"1\" sets it";

  // Each key drives its own bit only.
  profile.setSettings(0xFFFFFFFFu);
  StringMap sound{{u"sound", u"0"}};
  profile.SetProfileRqst(sound, 1);
  EXPECT_EQ(profile.getSettings(), 0xFFFFFFFFu & ~0x40u);
  profile.setSettings(0);
  StringMap popup{{u"popup", u"1"}};
  profile.SetProfileRqst(popup, 1);
  EXPECT_EQ(profile.getSettings(), 0x20u);
}

TEST(ProfileRequest, IdleSetsTheTimeAndRewritesTheKeptValue) {
  CUserProfile profile;
  StringMap idle{{u"IDLE", u"15"}, {u"other", u"15"}};
  profile.SetProfileRqst(idle, 1);
  EXPECT_EQ(profile.getSettings(), 0x08u);
  EXPECT_EQ(profile.getIdleTime(), 15);
  EXPECT_EQ(RequestOf(profile), (StringMap{{u"IDLE", u"1"}, {u"other", u"15"}}))
      << "the key keeps its case, the value becomes the flag";
  EXPECT_EQ(idle.at(u"IDLE"), u"15") << "the caller's map is not touched";

  StringMap notIdle{{u"idle", u"0"}};
  profile.SetProfileRqst(notIdle, 1);
  EXPECT_EQ(profile.getSettings(), 0u);
  EXPECT_EQ(profile.getIdleTime(), 15) << "\"0\" leaves the idle time";
  EXPECT_EQ(RequestOf(profile), (StringMap{{u"idle", u"0"}}));

  // The value is read like strtol: white space, sign, digits; otherwise 0.
  struct Case {
    String value;
    std::int32_t time;
  };
  const Case cases[] = {{u"  \t42abc", 42}, {u"+7", 7},           {u"-3", -3},  {u"abc", 0},
                        {u"", 0},          {u"00", 0},           {u" - 4", 0}, {u"12 34", 12},
                        {u"99999999999", 2147483647}, {u"-99999999999", -2147483647 - 1}};
  for (const Case& c : cases) {
    profile.setIdleTime(-100);
    profile.setSettings(0);
    StringMap request{{u"idle", c.value}};
    profile.SetProfileRqst(request, 1);
    const std::string shown(c.value.begin(), c.value.end());
    EXPECT_EQ(profile.getIdleTime(), c.time) << shown;
    EXPECT_EQ(profile.getSettings(), 0x08u) << shown << ": anything but \"0\" means idle";
    EXPECT_EQ(RequestOf(profile).at(u"idle"), u"1") << shown;
  }
}

// --- Birthday -----------------------------------------------------------------------------

// Runs the test under a fixed time zone with daylight saving time (Central European: UTC+1,
// UTC+2 from the last Sunday of March to the last Sunday of October), given as a POSIX rule
// so no time-zone database is needed, and restores the previous zone afterwards.
class Birthday : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* tz = std::getenv("TZ")) saved_ = tz;
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
  }
  void TearDown() override {
    if (saved_) {
      setenv("TZ", saved_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

  // Seconds from 1970-01-01 to 00:00 UTC of the day, counted without the C library
  // (days-from-civil on the proleptic Gregorian calendar).
  static std::int64_t UtcMidnight(std::int64_t year, std::int64_t month, std::int64_t day) {
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return (era * 146097 + dayOfEra - 719468) * 86400;
  }

  static qo::Time BirthdateFrom(const String& value) {
    CUserProfile profile;
    StringMap request{{u"birthday", value}};
    profile.SetProfileRqst(request, 1);
    return profile.getBirthdate();
  }

  static HRESULT ErrorOf(const String& value) {
    CUserProfile profile;
    profile.setBirthdate(123);
    StringMap request{{u"BirthDay", value}};
    try {
      profile.SetProfileRqst(request, 1);
    } catch (const qo::StatusError& error) {
      EXPECT_EQ(profile.getBirthdate(), 123) << "a failed birthday leaves the birthdate";
      EXPECT_EQ(RequestOf(profile), request) << "the request was kept before the error";
      return error.code();
    }
    return S_OK;
  }

 private:
  std::optional<std::string> saved_;
};

TEST_F(Birthday, IsLocalMidnightWithDaylightSavingTime) {
  // Hand-checked values: 4 July 1985 is day 5663 since 1970, midnight CEST is 22:00 UTC the
  // day before; 15 January 2001 is day 11337, midnight CET is 23:00 UTC the day before.
  EXPECT_EQ(UtcMidnight(1985, 7, 4), 5663 * 86400);
  EXPECT_EQ(UtcMidnight(2001, 1, 15), 11337 * 86400);

  EXPECT_EQ(BirthdateFrom(u"1985-07-04"), 489276000);  // summer: UTC+2
  EXPECT_EQ(BirthdateFrom(u"1985-07-04"), UtcMidnight(1985, 7, 4) - 2 * 3600);
  EXPECT_EQ(BirthdateFrom(u"2001-01-15"), 979513200);  // winter: UTC+1
  EXPECT_EQ(BirthdateFrom(u"2001-01-15"), UtcMidnight(2001, 1, 15) - 3600);
  // Either side of the spring change (Sunday 25 March 2001, 02:00 local). The Windows C
  // runtime reads only names and an offset from TZ and puts the changes on US dates.
#ifndef _WIN32
  EXPECT_EQ(BirthdateFrom(u"2001-03-25"), UtcMidnight(2001, 3, 25) - 3600);
  EXPECT_EQ(BirthdateFrom(u"2001-03-26"), UtcMidnight(2001, 3, 26) - 2 * 3600);
#endif
  // The lowest year accepted, before the epoch.
  EXPECT_EQ(BirthdateFrom(u"1900-01-01"), -2208992400);
  EXPECT_EQ(BirthdateFrom(u"1900-01-01"), UtcMidnight(1900, 1, 1) - 3600);
}

TEST_F(Birthday, DaysBeyondTheMonthRollOverAndTokensAreLenient) {
  EXPECT_EQ(BirthdateFrom(u"2001-02-31"), UtcMidnight(2001, 3, 3) - 3600);
  EXPECT_EQ(BirthdateFrom(u"2000-02-31"), UtcMidnight(2000, 3, 2) - 3600);  // leap year
  EXPECT_EQ(BirthdateFrom(u"2001-04-31"), UtcMidnight(2001, 5, 1) - 2 * 3600);
  // Empty tokens are skipped; tokens are read like strtol; a fourth token is ignored.
  EXPECT_EQ(BirthdateFrom(u"--1985---7-4-"), UtcMidnight(1985, 7, 4) - 2 * 3600);
  EXPECT_EQ(BirthdateFrom(u" 1985- 07-04T10:00"), UtcMidnight(1985, 7, 4) - 2 * 3600);
  EXPECT_EQ(BirthdateFrom(u"1985-07-04-99"), UtcMidnight(1985, 7, 4) - 2 * 3600);

  // An empty value changes nothing.
  CUserProfile profile;
  profile.setBirthdate(77);
  StringMap empty{{u"birthday", u""}};
  profile.SetProfileRqst(empty, 1);
  EXPECT_EQ(profile.getBirthdate(), 77);
}

TEST_F(Birthday, FieldsOutOfRangeRaiseEFail) {
  // A missing day reads as 0; only "-" separates.
  for (const char16_t* bad : {u"1899-12-31", u"1985-13-01", u"1985-00-10", u"1985-07-32",
                              u"1985-07-00", u"1985-07", u"-", u"July 4th, 1985", u"1985/07/04"}) {
    const String text = bad;
    EXPECT_EQ(ErrorOf(text), E_FAIL) << std::string(text.begin(), text.end());
  }
  EXPECT_EQ(static_cast<std::uint32_t>(E_FAIL), 0x80004005u);
  EXPECT_EQ(ErrorOf(u"1985-07-04"), S_OK);
}

// Reaches the kept request itself, to read the order in which it is applied.
struct InspectableProfile : CUserProfile {
  using CUserProfile::profileRequest_;
};

TEST_F(Birthday, AnErrorStopsTheRequestWhereItStands) {
  // The kept request is replaced first; then the entries are applied in the map's own order
  // until the birthday fails: the ones before it are applied, the ones after it are not.
  StringMap request{{u"birthday", u"1985-13-01"}, {u"first_name", u"Ann"}, {u"sound", u"1"},
                    {u"theme", u"dark"},          {u"email", u"a@b"},      {u"popup", u"1"},
                    {u"last_name", u"Lee"},       {u"mobile_fwd", u"1"}};
  InspectableProfile profile;
  try {
    profile.SetProfileRqst(request, 1);
    FAIL() << "the birthday must fail";
  } catch (const qo::StatusError& error) {
    EXPECT_EQ(error.code(), E_FAIL);
  }
  EXPECT_EQ(RequestOf(profile), request);

  bool before = true;
  for (const auto& [key, value] : profile.profileRequest_) {
    if (key == u"birthday") {
      before = false;
      continue;
    }
    bool applied = false;
    if (key == u"first_name") applied = profile.getFirstName() == value;
    if (key == u"last_name") applied = profile.getLastName() == value;
    if (key == u"theme") applied = profile.getTheme() == value;
    if (key == u"email") applied = profile.getEmail() == value;
    if (key == u"sound") applied = (profile.getSettings() & 0x40u) != 0;
    if (key == u"popup") applied = (profile.getSettings() & 0x20u) != 0;
    if (key == u"mobile_fwd") applied = (profile.getSettings() & 0x10u) != 0;
    EXPECT_EQ(applied, before) << std::string(key.begin(), key.end());
  }
}

}  // namespace
