// The buddy profile as a container: its five interfaces on one holder count, what assignment,
// Clone and Copy carry (and what they leave at the start values), and its lists.
#include <gtest/gtest.h>

#include <tuple>

#include "qodata/buddy_profile.h"

namespace {

using qo::String;
using qo::StringList;

template <class Interface>
Interface* Query(IDataContainer* object, tagCONTAINER_DATATYPE code) {
  void* out = nullptr;
  if (object->GetDataInterface(code, &out) == 0) return nullptr;
  return static_cast<Interface*>(out);
}

// A buddy with the fields a copy carries and those it does not set.
CBuddyProfile* MakeFilledBuddy() {
  auto* buddy = new CBuddyProfile();
  buddy->setQuilloID(u"Alice");
  buddy->setOldPassword(u"old");
  buddy->setName(u"Ann", u"Lee");
  buddy->setEmail(u"ann@example.org");
  buddy->setAddressInfo(u"1 Main St", u"Springfield", u"IL", u"US");
  buddy->setContactInfo(u"555-1", u"555-2");
  buddy->setAge(33);
  buddy->setGender(static_cast<tagGENDER>(1));
  buddy->setMood(static_cast<tagMOOD>(4));
  buddy->enableMessageStore(true);
  buddy->setBirthdate(123456);
  buddy->setTheme(u"dark");
  buddy->setSettings(0xff);
  buddy->setAddressList({u"a1", u"a2"});
  buddy->setIdleTime(77);
  buddy->SetWalletBalance(12.5);
  buddy->setWalletUserKey(u"wallet-key");
  buddy->setScreenName(u"annie");
  buddy->setFavoriteBuddy(true);
  buddy->setBLII(42);
  buddy->setLogonStatus(static_cast<tagLOGON_STATUS>(3));
  buddy->setAccepted(true);
  buddy->setAddBuddyRequester(u"bob");
  buddy->setAcceptStatus(2);
  buddy->setDomain(1);
  buddy->SetGroupName(u"Friends");
  buddy->SetToogleFlags(0x5);
  buddy->SetPSMSRate(0.25);
  buddy->SetPSMSCurrency(u"EUR");
  buddy->setGroupList({u"Friends", u"Work"});
  buddy->AddResource(u"home");
  buddy->AddResource(u"phone");
  buddy->SetPresence({static_cast<tagSTATUS>(9), u"server", 5, u"away"});
  return buddy;
}

// The fields a copy carries, read through the buddy interfaces, and those it leaves at the
// start values.
auto Carried(IBuddyProfile* b) {
  auto* b01 = Query<IBuddyProfile_01>(b, CONTAINER_BUDDY_PROFILE_01);
  auto fields = std::tuple(
      b->getQuilloID(), b->getFirstName(), b->getLastName(), b->getEmail(), b->getCityAddress(),
      b->getFax(), b->getAge(), b->getMood(), b->isMessageStoreEnabled(), b->getScreenName(),
      b->GetGroupName(), b->getDomain(), b->getBlii(), b->isFavoriteBuddy(), b->IsAccepted(),
      b->getAcceptStatus(), b->getLogonStatus(), b->GetPSMSRate(), b->GetPSMSCurrency(),
      b01->GetToogleFlags(), b01->getAddBuddyRequester(), b01->getGroupList(),
      b01->GetResourceList(), b->getStatus(), b->getGender(), b->getStatusMessage());
  b01->Release();
  return fields;
}
auto NotCarried(CBuddyProfile& b) {
  return std::tuple(b.getOldPassword(), b.getBirthdate(), b.getTheme(), b.getSettings(),
                    b.getAddressList(), b.getIdleTime(), b.GetWalletBalance(),
                    b.getWalletUserKey());
}
const auto kFilledCarried = std::tuple(
    String(u"alice"), String(u"Ann"), String(u"Lee"), String(u"ann@example.org"),
    String(u"Springfield"), String(u"555-2"), 33, 4, true, String(u"annie"), String(u"Friends"), 1,
    42, true, true, 2, 3, 0.25, String(u"EUR"), 0x5u, String(u"bob"),
    StringList{u"Friends", u"Work"}, StringList{u"home", u"phone"}, 9, 1, String(u"away"));
const auto kFreshNotCarried =
    std::tuple(String(), qo::Time{0}, String(), 0u, StringList{}, 0, 0.0, String());

TEST(BuddyProfile, StartsEmptyAndItsFiveInterfacesShareOneHolderCount) {
  auto* buddy = new CBuddyProfile();
  IBuddyProfile* main = buddy;
  // Our starting values for the fields without a fixed one; the user-profile part starts as a
  // user profile does (status -1, gender 2).
  EXPECT_EQ(Carried(main),
            std::tuple(String(), String(), String(), String(), String(), String(), 0, 0, false,
                       String(), String(), 0, 0, false, false, 0, 0, 0.0, String(), 0u, String(),
                       StringList{}, StringList{}, -1, 2, String()));
  EXPECT_EQ(buddy->HolderCount(), 1u);
  // IBuddyProfile_01 is at the object's own address.
  EXPECT_EQ(static_cast<void*>(static_cast<IBuddyProfile_01*>(buddy)), static_cast<void*>(buddy));
  const std::pair<tagCONTAINER_DATATYPE, void*> views[] = {
      {CONTAINER_BUDDY_PROFILE, main},
      {CONTAINER_BUDDY_PROFILE_01, static_cast<IBuddyProfile_01*>(buddy)},
      {CONTAINER_USER_PROFILE, static_cast<IUserProfile*>(buddy)},
      {CONTAINER_USER_PROFILE_01, static_cast<IUserProfile_01*>(buddy)},
      {CONTAINER_USER_PROFILE_02, static_cast<IUserProfile_02*>(buddy)},
  };
  std::uint32_t holders = 1;
  for (const auto& [code, pointer] : views) {
    void* out = nullptr;
    ASSERT_EQ(main->GetDataInterface(code, &out), 1) << code;
    EXPECT_EQ(out, pointer) << code;
    EXPECT_EQ(static_cast<IDataContainer*>(out)->GetType(), CONTAINER_BUDDY_PROFILE);
    EXPECT_EQ(buddy->HolderCount(), ++holders);
  }
  // Refused codes add no holder and leave the pointer alone.
  void* untouched = &holders;
  EXPECT_EQ(main->GetDataInterface(CONTAINER_BUDDY_LIST, &untouched), 0);
  EXPECT_EQ(main->GetDataInterface(CONTAINER_MESSAGE, &untouched), 0);
  EXPECT_EQ(main->GetDataInterface(static_cast<tagCONTAINER_DATATYPE>(0), &untouched), 0);
  EXPECT_EQ(untouched, &holders);
  EXPECT_EQ(buddy->HolderCount(), holders);
  // The buddy interface lends the user-profile part's lists and dates.
  buddy->setBirthdate(99);
  EXPECT_EQ(static_cast<IBuddyProfile_01*>(buddy)->getBirthdate(), 99);
  EXPECT_EQ(&static_cast<IBuddyProfile_01*>(buddy)->getAddressList(),
            &static_cast<IUserProfile_01*>(buddy)->getAddressList());

  // Releasing through the user-profile views drops the buddy's own count.
  static_cast<IUserProfile*>(buddy)->Release();
  static_cast<IUserProfile_01*>(buddy)->Release();
  static_cast<IUserProfile_02*>(buddy)->Release();
  static_cast<IBuddyProfile_01*>(buddy)->Release();
  main->Release();
  EXPECT_EQ(buddy->HolderCount(), 1u);
  EXPECT_EQ(static_cast<IUserProfile*>(buddy)->Release(), 1);  // the last one destroys it
}

TEST(BuddyProfile, CloneAndCopyCarryOnlyTheBuddyFields) {
  CBuddyProfile* source = MakeFilledBuddy();
  source->AddRef();
  // Clone through a user-profile view still makes a buddy, handed out as IBuddyProfile.
  auto* user = Query<IUserProfile>(static_cast<IBuddyProfile*>(source), CONTAINER_USER_PROFILE);
  auto* clone = static_cast<IBuddyProfile*>(user->Clone());
  user->Release();
  for (IBuddyProfile* made : {clone, source->Copy()}) {
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetType(), CONTAINER_BUDDY_PROFILE);
    EXPECT_NE(made, static_cast<IBuddyProfile*>(source));
    EXPECT_EQ(Carried(made), kFilledCarried);
    auto& concrete = *static_cast<CBuddyProfile*>(made);
    EXPECT_EQ(concrete.buddyFields(), source->buddyFields());
    EXPECT_EQ(concrete.fields().shared, source->fields().shared);
    EXPECT_EQ(concrete.HolderCount(), 1u);  // a fresh copy with one holder of its own
    EXPECT_EQ(NotCarried(concrete), kFreshNotCarried);
    // The status and its message are carried, not the presence's priority: a copy accepts a
    // presence of priority -1 again.
    concrete.SetPresence({static_cast<tagSTATUS>(1), u"", -1, u"back"});
    EXPECT_EQ(concrete.getStatusMessage(), u"back");
    made->Release();
  }
  // The source kept its own count and fields.
  EXPECT_EQ(source->HolderCount(), 2u);
  EXPECT_EQ(source->getTheme(), u"dark");
  source->Release();
  source->Release();
}

TEST(BuddyProfile, AssignmentKeepsHoldersAndPresenceAndAppendsLists) {
  CBuddyProfile* source = MakeFilledBuddy();
  CBuddyProfile target;
  target.AddRef();
  target.setTheme(u"light");
  target.setGroupList({u"Old"});
  target.AddResource(u"HOME");
  target.AddResource(u"laptop");
  target.SetPresence({static_cast<tagSTATUS>(2), u"src", 10, u"target"});

  target = *source;
  EXPECT_EQ(target.HolderCount(), 2u);
  // The source's group and resource entries go after the target's, as they are.
  auto appended = kFilledCarried;
  std::get<21>(appended) = {u"Old", u"Friends", u"Work"};
  std::get<22>(appended) = {u"HOME", u"laptop", u"home", u"phone"};
  EXPECT_EQ(Carried(&target), appended);
  // Fields assignment does not carry keep the target's values, the presence priority too.
  EXPECT_EQ(target.getTheme(), u"light");
  target.SetPresence({static_cast<tagSTATUS>(3), u"", 9, u"ignored"});
  EXPECT_EQ(target.getStatusMessage(), u"away");

  // operator& does the same and returns the target; self-assignment changes nothing.
  CBuddyProfile other;
  EXPECT_EQ(&(other & *source), &other);
  const CBuddyProfile& sameOther = other;
  other = sameOther;
  EXPECT_EQ(Carried(&other), kFilledCarried);
  EXPECT_EQ(other.HolderCount(), 1u);

  // A copy construction starts with one holder and leaves the fields assignment skips fresh.
  CBuddyProfile constructed(target);
  EXPECT_EQ(constructed.HolderCount(), 1u);
  EXPECT_EQ(NotCarried(constructed), kFreshNotCarried);
  EXPECT_EQ(Carried(&constructed), appended);
  source->Release();
  target.Release();
}

TEST(BuddyProfile, GroupListSetterCopiesItsArgumentAndTheGetterLendsTheList) {
  CBuddyProfile buddy;
  buddy.setGroupList({u"x", u"y", u"z", u"w"});
  StringList groups = {u"Friends", u"Work", u"Family"};
  buddy.setGroupList(groups);
  groups.push_back(u"Later");
  groups[0] = u"Changed";
  buddy.setGroupList(buddy.getGroupList());  // passing the buddy's own list is safe
  EXPECT_EQ(buddy.getGroupList(), (StringList{u"Friends", u"Work", u"Family"}));
  buddy.getGroupList().push_back(u"Direct");
  EXPECT_EQ(buddy.getGroupList().back(), u"Direct");
}

}  // namespace
