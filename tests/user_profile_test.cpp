// The user profile: start values, setters, the saved-status table and what assignment carries.
#include "qodata/user_profile.h"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <tuple>

namespace {

using qo::String;
using qo::StringList;

eSAVED_STATUS Saved(std::uint32_t number, String text = u"busy") {
  return eSAVED_STATUS{7, std::move(text), number};
}

std::vector<std::uint32_t> NumbersIn(const qo::SavedStatusTable& table) {
  std::vector<std::uint32_t> numbers;
  for (const auto& [key, record] : table) {
    EXPECT_EQ(key, static_cast<std::uint16_t>(record.number & 0xFFFF)) << record.number;
    numbers.push_back(record.number);
  }
  return numbers;
}

// Each setter of a plain field; together they fill a source profile.
qo::StringMap g_request{{u"GLOBAL_ID", u"g-1"}, {u"custom", u"x"}};
#define QO_SET(call) [](CUserProfile& p) { p.call; }
const std::function<void(CUserProfile&)> kSetters[] = {
    QO_SET(setQuilloID(u"Ann.Lee")), QO_SET(setPassword(u"pw")), QO_SET(setOldPassword(u"old")),
    // A setter of several fields stores each: one row a field, then all of them.
    QO_SET(setName(u"Ann", u"")), QO_SET(setName(u"", u"Lee")), QO_SET(setName(u"Ann", u"Lee")),
    QO_SET(setEmail(u"ann@example.org")), QO_SET(setAddressInfo(u"1 Main St", u"", u"", u"")),
    QO_SET(setAddressInfo(u"", u"Springfield", u"", u"")),
    QO_SET(setAddressInfo(u"", u"", u"IL", u"")), QO_SET(setAddressInfo(u"", u"", u"", u"US")),
    QO_SET(setAddressInfo(u"1 Main St", u"Springfield", u"IL", u"US")),
    QO_SET(setContactInfo(u"555-1", u"")), QO_SET(setContactInfo(u"", u"555-2")),
    QO_SET(setContactInfo(u"555-1", u"555-2")), QO_SET(setProvider(u"provider")),
    QO_SET(setAge(41)), QO_SET(setGender(static_cast<tagGENDER>(1))),
    QO_SET(enableMessageStore(true)), QO_SET(enableSMSForwarding(true)),
    QO_SET(enableEmailForwarding(true)), QO_SET(setSearchable(1)), QO_SET(setTheme(u"dark")),
    QO_SET(setIdleTime(300)), QO_SET(setMood(static_cast<tagMOOD>(4))),
    QO_SET(setStatus(static_cast<tagSTATUS>(2))), QO_SET(setProfileImage(u"img")),
    QO_SET(setStatusMessage(u"out")), QO_SET(setAvatarFileKey(u"key")), QO_SET(SetBigImage(u"big")),
    QO_SET(SetSmallImage(u"small")), QO_SET(SetWalletId(u"wallet")),
    QO_SET(SetWalletPassword(u"wpw")), QO_SET(SetWalletBalance(12.5)),
    QO_SET(SetWalletCurrency(u"EUR")), QO_SET(setAvatarUrl(u"http://a/b")),
    QO_SET(setBirthdate(489276000)), QO_SET(setAddressList({u"a1", u"a2"})),
    QO_SET(setTelephoneList({u"t1"})), QO_SET(setEmailList({u"e1", u"e2"})),
    QO_SET(setEmailVerified(5)), QO_SET(setSettings(0x1234u)), QO_SET(setEmailUpdates(true)),
    QO_SET(SetLastStatus(static_cast<tagSTATUS>(3))), QO_SET(setJsonUserSettings(0xABCDu)),
    QO_SET(setWalletUserKey(u"wuk")), QO_SET(AddStatus(Saved(5, u"five"))),
    QO_SET(AddStatus(Saved(9, u"nine"))), QO_SET(SetProfileRqst(g_request, 1))};
#undef QO_SET

TEST(UserProfile, StartValuesAndEverySetterStores) {
  CUserProfile profile;
  EXPECT_EQ(profile.fields(), CUserProfile::Fields{});
  // Status -1, gender 2, and our decisions: not idle, last status 0, an empty wallet.
  EXPECT_EQ(std::tuple(profile.getStatus(), profile.getGender(), profile.getIdleTime(),
                       profile.GetLastStatus(), profile.GetWalletBalance()),
            std::tuple(-1, 2, 0, 0, 0.0));
  for (std::size_t i = 0; i < std::size(kSetters); ++i) {
    CUserProfile set;
    kSetters[i](set);
    EXPECT_NE(set.fields(), CUserProfile::Fields{}) << "setter " << i;
  }
}

TEST(UserProfile, SettersThatDoMoreThanStore) {
  CUserProfile profile;
  for (auto [given, stored] : {std::pair{7, 1}, {0, 0}, {-1, 1}}) {
    profile.setSearchable(given);
    EXPECT_EQ(profile.isSearchable(), stored) << given;
    EXPECT_EQ(profile.isSeachable(), stored == 1);
  }
  // Our decision: the profile text comes only by assignment, so setProfile ignores its text.
  profile.setProfile(u"about me");
  EXPECT_TRUE(profile.getProfile().empty() && profile.toString().empty());

  // The list setters replace with copies; the getters lend the profile's own list.
  profile.setAddressList({u"a", u"b", u"c"});
  profile.setAddressList({u"x", u"y"});
  EXPECT_EQ(profile.getAddressList(), (StringList{u"x", u"y"}));
  profile.getTelephoneList().push_back(u"555");
  EXPECT_EQ(profile.getTelephoneList(), StringList{u"555"});
  profile.setEmailList({u"e"});
  profile.setEmailList(profile.getEmailList());
  EXPECT_EQ(profile.getEmailList(), StringList{u"e"}) << "setting a list to itself keeps it";
}

TEST(UserProfile, AddStatusKeepsAtMostFourCopiesAndEvictsTheSmallestNumber) {
  CUserProfile profile;
  for (std::uint32_t number : {30u, 5u, 12u, 9u}) profile.AddStatus(Saved(number));
  EXPECT_EQ(NumbersIn(profile.GetCustomStatus()), (std::vector<std::uint32_t>{5, 9, 12, 30}))
      << "with three records nothing is evicted";
  eSAVED_STATUS forty = Saved(40, u"forty");
  profile.AddStatus(forty);
  forty.text = u"changed";  // the table keeps a copy
  EXPECT_EQ(NumbersIn(profile.GetCustomStatus()), (std::vector<std::uint32_t>{9, 12, 30, 40}));
  EXPECT_EQ(profile.GetCustomStatus().at(40).text, u"forty");

  // A record under a key already taken replaces it (after the eviction).
  profile.AddStatus(Saved(12, u"again"));
  EXPECT_EQ(NumbersIn(profile.GetCustomStatus()), (std::vector<std::uint32_t>{12, 30, 40}));
  EXPECT_EQ(profile.GetCustomStatus().at(12).text, u"again");

  // The key is the low 16 bits; the whole number orders eviction.
  profile.AddStatus(Saved(0x10000u + 7u, u"high"));
  profile.AddStatus(Saved(1));
  EXPECT_EQ(NumbersIn(profile.GetCustomStatus()), (std::vector<std::uint32_t>{1, 0x10007u, 30, 40}))
      << "12 was the smallest number, even though key 7 is smaller";

  // The search starts at 999999 (key 16959): a record there goes although not the smallest.
  const std::pair<std::uint32_t, std::vector<std::uint32_t>> high[] = {
      {1000003u, {1000000u, 1000001u, 1000002u, 1000003u, 1000004u}},
      {999999u + 0x10000u, {1000000u, 1000001u, 1000002u, 1000004u}}};
  for (const auto& [fourth, kept] : high) {
    CUserProfile other;
    for (std::uint32_t number : {1000000u, 1000001u, 1000002u, fourth, 1000004u}) {
      other.AddStatus(Saved(number));
    }
    EXPECT_EQ(NumbersIn(other.GetCustomStatus()), kept);
  }
}

TEST(UserProfile, AssignmentCopiesTheRecordAppendsListsAndLeavesOneHolder) {
  CUserProfile source;
  for (const auto& set : kSetters) set(source);
  CUserProfile target;
  target.AddRef();
  target.setAddressList({u"mine"});
  target.setTelephoneList({u"mine"});
  target.setEmailList({u"mine"});
  qo::StringMap earlier{{u"old_key", u"v"}, {u"custom", u"old"}};
  target.SetProfileRqst(earlier, 0);
  target.AddStatus(Saved(9, u"target nine"));
  target.AddStatus(Saved(2, u"two"));
  EXPECT_EQ(&(target = source), &target);
  // Our decision: lists are appended, the request emptied, the target's other statuses kept.
  CUserProfile::Fields expected = source.fields();
  for (StringList* list : {&expected.addressList, &expected.telephoneList, &expected.emailList})
    list->insert(list->begin(), u"mine");
  expected.savedStatuses.emplace(2, Saved(2, u"two"));
  // Our decision: assigning a profile to itself (= or &) is a no-op.
  CUserProfile& alias = target;
  target = alias;
  target& alias;
  EXPECT_EQ(std::tuple(target.fields(), target.HolderCount()), std::tuple(expected, 1u));
}

}  // namespace
