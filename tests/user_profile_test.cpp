// The user profile as a container: its contract on three interfaces, its starting state,
// the list setters, the saved-status table, assignment, copies and clones.
#include "qodata/user_profile.h"

#include <gtest/gtest.h>

#include <memory>

#include "framework/catalogue.h"

namespace {

using qo::String;
using qo::StringList;

eSAVED_STATUS Saved(std::uint32_t number, String text = u"busy") {
  return eSAVED_STATUS{7, std::move(text), number};
}

std::vector<std::uint32_t> NumbersIn(const qo::SavedStatusTable& table) {
  std::vector<std::uint32_t> numbers;
  for (const auto& [key, record] : table) {
    EXPECT_EQ(key, static_cast<std::uint16_t>(record.number & 0xFFFF))
        << "key of " << record.number;
    numbers.push_back(record.number);
  }
  return numbers;
}

// A profile with a value in every field that assignment copies, and entries in every list.
void Fill(CUserProfile& profile) {
  profile.setQuilloID(u"0123");
  profile.setPassword(u"pw");
  profile.setOldPassword(u"old");
  profile.setName(u"Ann", u"Lee");
  profile.setEmail(u"ann@example.org");
  profile.setAddressInfo(u"1 Main St", u"Springfield", u"IL", u"US");
  profile.setContactInfo(u"555-1", u"555-2");
  profile.setProvider(u"provider");
  profile.setAge(41);
  profile.setGender(static_cast<tagGENDER>(1));
  profile.enableMessageStore(true);
  profile.enableSMSForwarding(true);
  profile.enableEmailForwarding(true);
  profile.setSearchable(1);
  profile.setTheme(u"dark");
  profile.setIdleTime(300);
  profile.setMood(static_cast<tagMOOD>(4));
  profile.setStatus(static_cast<tagSTATUS>(2));
  profile.setProfileImage(u"img");
  profile.setStatusMessage(u"out");
  profile.setAvatarFileKey(u"key");
  profile.SetBigImage(u"big");
  profile.SetSmallImage(u"small");
  profile.SetWalletId(u"wallet");
  profile.SetWalletPassword(u"wpw");
  profile.SetWalletBalance(12.5);
  profile.SetWalletCurrency(u"EUR");
  profile.setAvatarUrl(u"http://a/b");
  profile.setBirthdate(489276000);
  profile.setAddressList({u"a1", u"a2"});
  profile.setTelephoneList({u"t1"});
  profile.setEmailList({u"e1", u"e2", u"e3"});
  profile.setEmailVerified(5);
  profile.setSettings(0x1234u);
  profile.setEmailUpdates(true);
  profile.SetLastStatus(static_cast<tagSTATUS>(3));
  profile.setJsonUserSettings(0xABCDu);
  profile.setWalletUserKey(u"wuk");
  qo::StringMap request{{u"GLOBAL_ID", u"g-1"}, {u"custom", u"x"}};
  profile.SetProfileRqst(request, 1);
  profile.AddStatus(Saved(5, u"five"));
  profile.AddStatus(Saved(9, u"nine"));
}

// Every value Fill gave is there (lists compared separately).
void ExpectFilledValues(CUserProfile& profile) {
  EXPECT_EQ(profile.getQuilloID(), u"0123");
  EXPECT_FALSE(profile.isUnifiedAccount());
  EXPECT_EQ(profile.getPassword(), u"pw");
  EXPECT_EQ(profile.getOldPassword(), u"old");
  EXPECT_EQ(profile.getFirstName(), u"Ann");
  EXPECT_EQ(profile.getLastName(), u"Lee");
  EXPECT_EQ(profile.getEmail(), u"ann@example.org");
  EXPECT_EQ(profile.getStreetAddress(), u"1 Main St");
  EXPECT_EQ(profile.getCityAddress(), u"Springfield");
  EXPECT_EQ(profile.getStateAddress(), u"IL");
  EXPECT_EQ(profile.getCountryAddress(), u"US");
  EXPECT_EQ(profile.getTelephone(), u"555-1");
  EXPECT_EQ(profile.getFax(), u"555-2");
  EXPECT_EQ(profile.getProvider(), u"provider");
  EXPECT_EQ(profile.getAge(), 41);
  EXPECT_EQ(profile.getGender(), 1);
  EXPECT_TRUE(profile.isMessageStoreEnabled());
  EXPECT_TRUE(profile.isSMSForwardingEnabled());
  EXPECT_TRUE(profile.isEmailForwarding());
  EXPECT_TRUE(profile.isSeachable());
  EXPECT_EQ(profile.getTheme(), u"dark");
  EXPECT_EQ(profile.getIdleTime(), 300);
  EXPECT_EQ(profile.getMood(), 4);
  EXPECT_EQ(profile.getStatus(), 2);
  EXPECT_EQ(profile.getProfileImage(), u"img");
  EXPECT_EQ(profile.getStatusMessage(), u"out");
  EXPECT_EQ(profile.getAvatarFileKey(), u"key");
  EXPECT_EQ(profile.GetBigImage(), u"big");
  EXPECT_EQ(profile.GetSmallImage(), u"small");
  EXPECT_EQ(profile.GetWalletId(), u"wallet");
  EXPECT_EQ(profile.GetWalletPassword(), u"wpw");
  EXPECT_EQ(profile.GetWalletBalance(), 12.5);
  EXPECT_EQ(profile.GetWalletCurrency(), u"EUR");
  EXPECT_EQ(profile.getAvatarUrl(), u"http://a/b");
  EXPECT_EQ(profile.getBirthdate(), 489276000);
  EXPECT_EQ(profile.isEmailVerified(), 5);
  EXPECT_EQ(profile.getSettings(), 0x1234u);
  EXPECT_TRUE(profile.isEmailUpdates());
  EXPECT_EQ(profile.GetLastStatus(), 3);
  EXPECT_EQ(profile.getJsonUserSettings(), 0xABCDu);
  EXPECT_EQ(profile.getWalletUserKey(), u"wuk");
  EXPECT_EQ(profile.GetGlobalID(), u"g-1");
  qo::StringMap request;
  profile.GetProfileRqst(request);
  EXPECT_EQ(request, (qo::StringMap{{u"GLOBAL_ID", u"g-1"}, {u"custom", u"x"}}));
  EXPECT_EQ(NumbersIn(profile.GetCustomStatus()), (std::vector<std::uint32_t>{5, 9}));
}

TEST(UserProfile, StartsInItsDefaultState) {
  CUserProfile profile;
  EXPECT_EQ(profile.HolderCount(), 1u);
  EXPECT_EQ(profile.getStatus(), -1);
  EXPECT_EQ(profile.getGender(), 2);
  EXPECT_EQ(profile.getMood(), 0);
  EXPECT_EQ(profile.getAge(), 0);
  EXPECT_EQ(profile.getSettings(), 0u);
  EXPECT_EQ(profile.getJsonUserSettings(), 0u);
  EXPECT_EQ(profile.isEmailVerified(), 0);
  EXPECT_EQ(profile.getBirthdate(), 0);
  EXPECT_FALSE(profile.isUnifiedAccount());
  EXPECT_FALSE(profile.isSeachable());
  EXPECT_FALSE(profile.isEmailUpdates());
  EXPECT_TRUE(profile.getQuilloID().empty());
  EXPECT_TRUE(profile.getProfile().empty());
  EXPECT_TRUE(profile.GetGlobalID().empty());
  EXPECT_TRUE(profile.getAddressList().empty());
  EXPECT_TRUE(profile.getTelephoneList().empty());
  EXPECT_TRUE(profile.getEmailList().empty());
  EXPECT_TRUE(profile.GetCustomStatus().empty());
  qo::StringMap out{{u"kept", u"1"}};
  profile.GetProfileRqst(out);
  EXPECT_EQ(out.size(), 1u) << "an empty request leaves the output map as it was";

  // Our decisions for the starting values the profile leaves open: not idle, last status 0,
  // an empty wallet.
  EXPECT_EQ(profile.getIdleTime(), 0);
  EXPECT_EQ(profile.GetLastStatus(), 0);
  EXPECT_EQ(profile.GetWalletBalance(), 0.0);
}

TEST(UserProfile, AnswersOnAllThreeInterfacesWithOneCount) {
  auto* profile = new CUserProfile();
  IUserProfile* main = profile;
  IUserProfile_01* second = profile;
  IUserProfile_02* third = profile;
  EXPECT_EQ(main->GetType(), CONTAINER_USER_PROFILE);
  EXPECT_EQ(second->GetType(), CONTAINER_USER_PROFILE);
  EXPECT_EQ(third->GetType(), CONTAINER_USER_PROFILE);

  // Every interface answers every code of the class.
  for (IDataContainer* asked :
       {static_cast<IDataContainer*>(main), static_cast<IDataContainer*>(second),
        static_cast<IDataContainer*>(third)}) {
    void* out = nullptr;
    ASSERT_EQ(asked->GetDataInterface(CONTAINER_USER_PROFILE, &out), 1);
    EXPECT_EQ(out, main);
    ASSERT_EQ(asked->GetDataInterface(CONTAINER_USER_PROFILE_01, &out), 1);
    EXPECT_EQ(out, second);
    ASSERT_EQ(asked->GetDataInterface(CONTAINER_USER_PROFILE_02, &out), 1);
    EXPECT_EQ(out, third);
  }
  EXPECT_EQ(profile->HolderCount(), 10u) << "nine answers on the one count";

  // A code of another class is refused: 0, no holder, out untouched.
  void* untouched = &untouched;
  for (tagCONTAINER_DATATYPE refused :
       {CONTAINER_BUDDY_PROFILE, CONTAINER_BUDDY_PROFILE_01, static_cast<tagCONTAINER_DATATYPE>(0),
        CONTAINER_MESSAGE_01, static_cast<tagCONTAINER_DATATYPE>(35)}) {
    EXPECT_EQ(second->GetDataInterface(refused, &untouched), 0) << refused;
    EXPECT_EQ(untouched, &untouched);
  }
  EXPECT_EQ(profile->HolderCount(), 10u);

  // Releases through any interface drop the same count.
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(main->Release(), 1);
    EXPECT_EQ(second->Release(), 1);
    EXPECT_EQ(third->Release(), 1);
  }
  EXPECT_EQ(profile->HolderCount(), 1u);
  EXPECT_EQ(third->AddRef(), 1);
  EXPECT_EQ(profile->HolderCount(), 2u);
  EXPECT_EQ(second->Release(), 1);
  EXPECT_EQ(third->Release(), 1);  // the last holder: the profile is gone
}

TEST(UserProfile, TheCatalogueMakesCodeOneAsTheMainInterface) {
  IDataContainer* made = qo::MakeContainer(CONTAINER_USER_PROFILE);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->GetType(), CONTAINER_USER_PROFILE);
  auto* profile = dynamic_cast<CUserProfile*>(static_cast<IUserProfile*>(made));
  ASSERT_NE(profile, nullptr);
  EXPECT_EQ(static_cast<IDataContainer*>(static_cast<IUserProfile*>(profile)), made);
  EXPECT_EQ(profile->HolderCount(), 1u);
  made->Release();
  EXPECT_EQ(qo::MakeContainer(CONTAINER_USER_PROFILE_01), nullptr)
      << "the second interface's code names no class of its own";
}

TEST(UserProfile, SettersStoreTheirArgumentsAsTheFieldsDefine) {
  CUserProfile profile;
  profile.setSearchable(7);
  EXPECT_TRUE(profile.isSeachable());
  EXPECT_EQ(profile.isSearchable(), 1);
  profile.setSearchable(0);
  EXPECT_FALSE(profile.isSeachable());
  EXPECT_EQ(profile.isSearchable(), 0);
  profile.setSearchable(-1);
  EXPECT_EQ(profile.isSearchable(), 1);

  profile.setName(u"Ann", u"Lee");
  EXPECT_EQ(profile.getFirstName(), u"Ann");
  EXPECT_EQ(profile.getLastName(), u"Lee");

  // Enumerations are stored unchanged, whatever their value.
  profile.setStatus(static_cast<tagSTATUS>(0x7fffffff));
  EXPECT_EQ(profile.getStatus(), 0x7fffffff);
  profile.setGender(static_cast<tagGENDER>(-5));
  EXPECT_EQ(profile.getGender(), -5);
}

TEST(UserProfile, SetProfileStoresNothing) {
  // Our decision: the profile text comes only by assignment, so setProfile ignores its text.
  CUserProfile profile;
  profile.setProfile(u"about me");
  EXPECT_TRUE(profile.getProfile().empty());
  EXPECT_TRUE(profile.toString().empty());
}

TEST(UserProfile, ListSettersReplaceWithCopiesAndGettersLendTheProfilesOwnList) {
  CUserProfile profile;
  profile.setAddressList({u"a", u"b", u"c"});
  StringList given{u"x", u"y"};
  profile.setAddressList(given);
  EXPECT_EQ(profile.getAddressList(), (StringList{u"x", u"y"}));
  given.push_back(u"z");
  given[0] = u"changed";
  EXPECT_EQ(profile.getAddressList(), (StringList{u"x", u"y"})) << "the caller's list stays theirs";

  // The getters lend the profile's own list: changes through them are the profile's.
  profile.getTelephoneList().push_back(u"555");
  EXPECT_EQ(profile.getTelephoneList(), StringList{u"555"});
  EXPECT_EQ(&profile.getEmailList(), &profile.getEmailList());
  profile.setEmailList({u"e"});
  profile.setEmailList(profile.getEmailList());
  EXPECT_EQ(profile.getEmailList(), StringList{u"e"}) << "setting a list to itself keeps it";
  profile.setTelephoneList({});
  EXPECT_TRUE(profile.getTelephoneList().empty());
}

TEST(UserProfile, AddStatusKeepsAtMostFourAndEvictsTheSmallestNumber) {
  CUserProfile profile;
  for (std::uint32_t number : {30u, 5u, 12u}) profile.AddStatus(Saved(number));
  EXPECT_EQ(profile.GetCustomStatus().size(), 3u);
  profile.AddStatus(Saved(9));
  EXPECT_EQ(NumbersIn(profile.GetCustomStatus()), (std::vector<std::uint32_t>{5, 9, 12, 30}))
      << "with three records nothing is evicted";

  profile.AddStatus(Saved(40, u"forty"));
  EXPECT_EQ(NumbersIn(profile.GetCustomStatus()), (std::vector<std::uint32_t>{9, 12, 30, 40}));
  EXPECT_EQ(profile.GetCustomStatus().at(40).text, u"forty");

  // A record under a key already taken replaces it (after the eviction).
  profile.AddStatus(Saved(12, u"again"));
  EXPECT_EQ(NumbersIn(profile.GetCustomStatus()), (std::vector<std::uint32_t>{12, 30, 40}));
  EXPECT_EQ(profile.GetCustomStatus().at(12).text, u"again");

  // The key is the low 16 bits; the whole number orders eviction.
  profile.AddStatus(Saved(0x10000u + 7u, u"high"));
  EXPECT_EQ(profile.GetCustomStatus().at(7).number, 0x10007u);
  profile.AddStatus(Saved(1));
  EXPECT_EQ(NumbersIn(profile.GetCustomStatus()), (std::vector<std::uint32_t>{1, 0x10007u, 30, 40}))
      << "12 was the smallest number, even though key 7 is smaller";
}

TEST(UserProfile, EvictionSearchesFromNineNineNineNineNineNine) {
  // Numbers at or above 999999 are never below the starting value: the search lands on
  // 999999 itself, whose key (999999 & 0xFFFF = 16959) holds no record, so nothing goes.
  CUserProfile profile;
  for (std::uint32_t number : {1000000u, 1000001u, 1000002u, 1000003u}) {
    profile.AddStatus(Saved(number));
  }
  profile.AddStatus(Saved(1000004u));
  EXPECT_EQ(profile.GetCustomStatus().size(), 5u);

  // Unless a record sits under that key: then it is the one evicted, although its own number
  // (999999 + 65536) is not the smallest.
  CUserProfile other;
  for (std::uint32_t number : {1000000u, 1000001u, 1000002u, 999999u + 0x10000u}) {
    other.AddStatus(Saved(number));
  }
  other.AddStatus(Saved(1000004u));
  EXPECT_EQ(other.GetCustomStatus().size(), 4u);
  EXPECT_EQ(NumbersIn(other.GetCustomStatus()),
            (std::vector<std::uint32_t>{1000000u, 1000001u, 1000002u, 1000004u}));
}

TEST(UserProfile, TheTableKeepsCopiesOfTheRecords) {
  CUserProfile profile;
  eSAVED_STATUS record = Saved(3, u"lunch");
  profile.AddStatus(record);
  record.text = u"changed";
  EXPECT_EQ(profile.GetCustomStatus().at(3).text, u"lunch");
}

TEST(UserProfile, AssignmentCopiesValuesAppendsListsAndLeavesOneHolder) {
  CUserProfile source;
  Fill(source);

  CUserProfile target;
  target.AddRef();
  target.AddRef();
  ASSERT_EQ(target.HolderCount(), 3u);
  target.setAddressList({u"mine"});
  qo::StringMap earlier{{u"old_key", u"v"}, {u"custom", u"old"}};
  target.SetProfileRqst(earlier, 0);
  target.AddStatus(Saved(9, u"target nine"));
  target.AddStatus(Saved(2, u"two"));

  CUserProfile& result = (target = source);
  EXPECT_EQ(&result, &target);
  EXPECT_EQ(target.HolderCount(), 1u);
  EXPECT_EQ(target.getQuilloID(), u"0123");
  EXPECT_EQ(target.getBirthdate(), 489276000);
  // Our decision: the lists are appended to the target's entries; only the request is emptied.
  EXPECT_EQ(target.getAddressList(), (StringList{u"mine", u"a1", u"a2"}));
  EXPECT_EQ(target.getTelephoneList(), StringList{u"t1"});
  EXPECT_EQ(target.getEmailList(), (StringList{u"e1", u"e2", u"e3"}));
  qo::StringMap request;
  target.GetProfileRqst(request);
  EXPECT_EQ(request, (qo::StringMap{{u"GLOBAL_ID", u"g-1"}, {u"custom", u"x"}}));
  // The source's records under their keys, replacing; the target's other records stay.
  EXPECT_EQ(NumbersIn(target.GetCustomStatus()), (std::vector<std::uint32_t>{2, 5, 9}));
  EXPECT_EQ(target.GetCustomStatus().at(9).text, u"nine");
  EXPECT_EQ(target.GetCustomStatus().at(2).text, u"two");

  // operator& does the same and returns the target.
  CUserProfile fresh;
  fresh.AddRef();
  CUserProfile& same = (fresh & source);
  EXPECT_EQ(&same, &fresh);
  EXPECT_EQ(fresh.HolderCount(), 1u);
  ExpectFilledValues(fresh);
  EXPECT_EQ(fresh.getAddressList(), (StringList{u"a1", u"a2"}));
}

TEST(UserProfile, SelfAssignmentChangesNothing) {
  // Our decision: assigning a profile to itself is a no-op (no appended lists, request kept,
  // holder count kept).
  CUserProfile profile;
  Fill(profile);
  profile.AddRef();
  CUserProfile& alias = profile;
  profile = alias;
  profile& alias;
  EXPECT_EQ(profile.HolderCount(), 2u);
  ExpectFilledValues(profile);
  EXPECT_EQ(profile.getAddressList(), (StringList{u"a1", u"a2"}));
}

TEST(UserProfile, CopiesAndClonesAreEqualAndIndependent) {
  auto* source = new CUserProfile();
  Fill(*source);
  source->AddRef();
  source->AddRef();

  CUserProfile copy(*source);
  EXPECT_EQ(copy.HolderCount(), 1u);
  ExpectFilledValues(copy);
  EXPECT_EQ(copy.getAddressList(), (StringList{u"a1", u"a2"}));

  // Clone through the second interface still hands out the main interface.
  IDataContainer* cloned = static_cast<IUserProfile_01*>(source)->Clone();
  auto* clone = dynamic_cast<CUserProfile*>(static_cast<IUserProfile*>(cloned));
  ASSERT_NE(clone, nullptr);
  EXPECT_EQ(cloned, static_cast<IDataContainer*>(static_cast<IUserProfile*>(clone)));
  EXPECT_EQ(clone->HolderCount(), 1u);
  ExpectFilledValues(*clone);
  EXPECT_EQ(clone->getAddressList(), (StringList{u"a1", u"a2"}));
  EXPECT_EQ(clone->getTelephoneList(), StringList{u"t1"});
  EXPECT_EQ(clone->getEmailList(), (StringList{u"e1", u"e2", u"e3"}));

  // Lists, request and table of its own.
  EXPECT_NE(&clone->getAddressList(), &source->getAddressList());
  clone->getAddressList().push_back(u"only clone");
  clone->GetCustomStatus().at(5).text = u"edited";
  clone->AddStatus(Saved(77));
  qo::StringMap request{{u"first_name", u"Bob"}};
  clone->SetProfileRqst(request, 1);
  EXPECT_EQ(clone->getFirstName(), u"Bob");
  ExpectFilledValues(*source);
  EXPECT_EQ(source->getAddressList(), (StringList{u"a1", u"a2"}));
  EXPECT_EQ(source->GetCustomStatus().at(5).text, u"five");

  EXPECT_EQ(clone->Release(), 1);
  source->Release();
  source->Release();
  EXPECT_EQ(source->Release(), 1);
}

}  // namespace
