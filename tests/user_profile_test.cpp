// The user profile as a container: its contract on three interfaces, its starting state,
// the list setters, the saved-status table, assignment, copies and clones.
#include "qodata/user_profile.h"

#include <gtest/gtest.h>

#include <algorithm>

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

// Every text and every number a profile carries, lists and request included.
std::vector<String> Texts(CUserProfile& p) {
  qo::StringMap request;
  p.GetProfileRqst(request);
  std::vector<String> texts{p.getQuilloID(),       p.getPassword(),      p.getOldPassword(),
                            p.getFirstName(),      p.getLastName(),      p.getEmail(),
                            p.getStreetAddress(),  p.getCityAddress(),   p.getStateAddress(),
                            p.getCountryAddress(), p.getTelephone(),     p.getFax(),
                            p.getProvider(),       p.getTheme(),         p.getProfileImage(),
                            p.getStatusMessage(),  p.getAvatarFileKey(), p.GetBigImage(),
                            p.GetSmallImage(),     p.GetWalletId(),      p.GetWalletPassword(),
                            p.GetWalletCurrency(), p.getAvatarUrl(),     p.getWalletUserKey(),
                            p.GetGlobalID(),       p.getProfile(),       u"|"};
  for (const StringList* list : {&p.getAddressList(), &p.getTelephoneList(), &p.getEmailList()}) {
    texts.insert(texts.end(), list->begin(), list->end());
    texts.push_back(u"|");
  }
  for (const auto& [key, value] : request) texts.insert(texts.end(), {key, value});
  for (const auto& [key, record] : p.GetCustomStatus()) texts.push_back(record.text);
  return texts;
}
std::vector<double> Numbers(CUserProfile& p) {
  return {double(p.isUnifiedAccount()),
          double(p.getAge()),
          double(p.getGender()),
          double(p.isMessageStoreEnabled()),
          double(p.isSMSForwardingEnabled()),
          double(p.isEmailForwarding()),
          double(p.isSearchable()),
          double(p.getIdleTime()),
          double(p.getMood()),
          double(p.getStatus()),
          p.GetWalletBalance(),
          double(p.getBirthdate()),
          double(p.isEmailVerified()),
          double(p.getSettings()),
          double(p.isEmailUpdates()),
          double(p.GetLastStatus()),
          double(p.getJsonUserSettings())};
}

// A value other than the default in every field that assignment copies (the profile text
// aside: setProfile ignores it), and entries in every list.
void Fill(CUserProfile& profile) {
  profile.setQuilloID(u"Ann.Lee");  // a unified account
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

TEST(UserProfile, StartsInItsDefaultState) {
  CUserProfile profile;
  EXPECT_EQ(profile.HolderCount(), 1u);
  std::vector<String> empty(26, u"");
  empty.insert(empty.end(), {u"|", u"|", u"|", u"|"});
  EXPECT_EQ(Texts(profile), empty);
  // Status -1, gender 2, and our decisions for the values the profile leaves open: not idle,
  // last status 0, an empty wallet.
  EXPECT_EQ(Numbers(profile),
            (std::vector<double>{0, 0, 2, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0, 0, 0, 0, 0}));
  qo::StringMap out{{u"kept", u"1"}};
  profile.GetProfileRqst(out);
  EXPECT_EQ(out.size(), 1u) << "an empty request leaves the output map as it was";
}

TEST(UserProfile, AnswersOnAllThreeInterfacesWithOneCount) {
  auto* profile = new CUserProfile();
  IDataContainer* views[] = {static_cast<IUserProfile*>(profile),
                             static_cast<IUserProfile_01*>(profile),
                             static_cast<IUserProfile_02*>(profile)};
  const tagCONTAINER_DATATYPE codes[] = {CONTAINER_USER_PROFILE, CONTAINER_USER_PROFILE_01,
                                         CONTAINER_USER_PROFILE_02};
  for (IDataContainer* asked : views) {  // every interface answers every code of the class
    EXPECT_EQ(asked->GetType(), CONTAINER_USER_PROFILE);
    for (int i = 0; i < 3; ++i) {
      void* out = nullptr;
      ASSERT_EQ(asked->GetDataInterface(codes[i], &out), 1) << i;
      EXPECT_EQ(out, views[i]);
    }
    // Codes of other classes: buddy, buddy 01, none, message 01, unknown.
    for (int refused : {2, 28, 0, 27, 35}) {
      void* out = nullptr;
      EXPECT_EQ(asked->GetDataInterface(static_cast<tagCONTAINER_DATATYPE>(refused), &out), 0);
    }
  }
  EXPECT_EQ(profile->HolderCount(), 10u) << "nine answers on the one count";
  for (int i = 0; i < 9; ++i) EXPECT_EQ(views[i % 3]->Release(), 1);
  EXPECT_EQ(profile->HolderCount(), 1u);
  EXPECT_EQ(views[2]->Release(), 1);
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
  EXPECT_TRUE(profile.getProfile().empty());
  EXPECT_TRUE(profile.toString().empty());

  // The list setters replace with copies; the getters lend the profile's own list.
  profile.setAddressList({u"a", u"b", u"c"});
  StringList given{u"x", u"y"};
  profile.setAddressList(given);
  given.push_back(u"z");
  given[0] = u"changed";
  EXPECT_EQ(profile.getAddressList(), (StringList{u"x", u"y"})) << "the caller's list stays theirs";
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

  // The search starts from 999999: numbers at or above it are never below it, so the search
  // lands on 999999's key (16959), which holds no record, and nothing goes; unless a record
  // sits under that key: it is evicted, although its number is not the smallest.
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

TEST(UserProfile, AssignmentCopiesValuesAppendsListsAndLeavesOneHolder) {
  CUserProfile blank;
  CUserProfile source;
  Fill(source);
  const std::vector<String> texts = Texts(source);
  const std::vector<double> numbers = Numbers(source);
  for (std::size_t i = 0; i < numbers.size(); ++i) EXPECT_NE(numbers[i], Numbers(blank)[i]) << i;
  EXPECT_EQ(std::count(texts.begin(), texts.end(), String()), 1) << "only the profile text";

  CUserProfile target;
  target.AddRef();
  target.setAddressList({u"mine"});
  qo::StringMap earlier{{u"old_key", u"v"}, {u"custom", u"old"}};
  target.SetProfileRqst(earlier, 0);
  target.AddStatus(Saved(9, u"target nine"));
  target.AddStatus(Saved(2, u"two"));
  EXPECT_EQ(&(target = source), &target);
  EXPECT_EQ(target.HolderCount(), 1u);
  EXPECT_EQ(Numbers(target), numbers);
  // Our decision: the lists are appended to the target's entries; only the request is emptied.
  // The source's records go under their keys, replacing; the target's other records stay.
  std::vector<String> expected = texts;
  expected.insert(expected.begin() + 27, u"mine");
  expected.insert(expected.end() - 2, u"two");
  EXPECT_EQ(Texts(target), expected);
  EXPECT_EQ(NumbersIn(target.GetCustomStatus()), (std::vector<std::uint32_t>{2, 5, 9}));

  // operator& does the same and returns the target.
  CUserProfile fresh;
  fresh.AddRef();
  EXPECT_EQ(&(fresh & source), &fresh);
  EXPECT_EQ(fresh.HolderCount(), 1u);
  EXPECT_EQ(Texts(fresh), texts);

  // Our decision: assigning a profile to itself is a no-op (no appended lists, request kept,
  // holder count kept).
  fresh.AddRef();
  CUserProfile& alias = fresh;
  fresh = alias;
  fresh& alias;
  EXPECT_EQ(fresh.HolderCount(), 2u);
  EXPECT_EQ(Texts(fresh), texts);
}

TEST(UserProfile, CopiesAndClonesAreEqualAndIndependent) {
  auto* source = new CUserProfile();
  Fill(*source);
  source->AddRef();
  const CUserProfile::Fields before = source->fields();
  CUserProfile copy(*source);
  EXPECT_EQ(copy.fields(), source->fields());
  EXPECT_EQ(copy.HolderCount(), 1u);

  IDataContainer* cloned = static_cast<IUserProfile_01*>(source)->Clone();
  auto* clone = dynamic_cast<CUserProfile*>(static_cast<IUserProfile*>(cloned));
  ASSERT_NE(clone, nullptr);
  EXPECT_EQ(cloned, static_cast<IDataContainer*>(static_cast<IUserProfile*>(clone)))
      << "Clone through the second interface hands out the main one";
  EXPECT_EQ(clone->HolderCount(), 1u);
  EXPECT_EQ(clone->fields(), source->fields());
  // Lists, request and table of its own.
  clone->getAddressList().push_back(u"only clone");
  clone->GetCustomStatus().at(5).text = u"edited";
  clone->AddStatus(Saved(77));
  qo::StringMap request{{u"first_name", u"Bob"}};
  clone->SetProfileRqst(request, 1);
  EXPECT_EQ(clone->getFirstName(), u"Bob");
  EXPECT_EQ(source->fields(), before);

  EXPECT_EQ(clone->Release(), 1);
  source->Release();
  EXPECT_EQ(source->Release(), 1);
}

}  // namespace
