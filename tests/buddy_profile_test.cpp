// The buddy profile as a container: its five interfaces on one holder count, what assignment,
// Clone and Copy carry (and what they leave at the start values), and its lists.
#include <gtest/gtest.h>

#include <tuple>

#include "qodata/buddy_list.h"
#include "qodata/buddy_profile.h"

namespace {

template <class Interface>
Interface* Query(IDataContainer* object, tagCONTAINER_DATATYPE code) {
  void* out = nullptr;
  if (object->GetDataInterface(code, &out) == 0) return nullptr;
  return static_cast<Interface*>(out);
}

// A buddy with every field set, those a copy carries and those it does not.
CBuddyProfile* MakeFilledBuddy() {
  auto* buddy = new CBuddyProfile();
  buddy->setQuilloID(u"Alice");
  buddy->setPassword(u"secret");
  buddy->setOldPassword(u"old");
  buddy->setName(u"Ann", u"Lee");
  buddy->setEmail(u"ann@example.org");
  buddy->setAddressInfo(u"1 Main St", u"Springfield", u"IL", u"US");
  buddy->setContactInfo(u"555-1", u"555-2");
  buddy->setProvider(u"acme");
  buddy->setAge(33);
  buddy->setGender(static_cast<tagGENDER>(1));
  buddy->setMood(static_cast<tagMOOD>(4));
  buddy->setStatus(static_cast<tagSTATUS>(7));
  buddy->enableMessageStore(true);
  buddy->setProfileImage(u"image.png");
  buddy->setStatusMessage(u"busy");
  buddy->setAvatarUrl(u"http://avatar");
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
  buddy->setQuickCode(u"qc");
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

// The fields a copy carries, and those it leaves at the start values.
auto Carried(IBuddyProfile* b) {
  auto* b01 = Query<IBuddyProfile_01>(b, CONTAINER_BUDDY_PROFILE_01);
  auto fields = std::tuple(
      b->getQuilloID(), b->getFirstName(), b->getLastName(), b->getEmail(), b->getCityAddress(),
      b->getFax(), b->getAge(), b->getMood(), b->isMessageStoreEnabled(), b->getScreenName(),
      b->GetGroupName(), b->getDomain(), b->getBlii(), b->isFavoriteBuddy(), b->IsAccepted(),
      b->getAcceptStatus(), b->getLogonStatus(), b->GetPSMSRate(), b->GetPSMSCurrency(),
      b01->GetToogleFlags(), b01->getAddBuddyRequester(), b01->getGroupList(),
      b01->GetResourceList(), b->getStatus(), b->getGender());
  b01->Release();
  return fields;
}
auto NotCarried(CBuddyProfile& b) {
  return std::tuple(b.getOldPassword(), b.getBirthdate(), b.getTheme(), b.getSettings(),
                    b.getAddressList(), b.getIdleTime(), b.GetWalletBalance(),
                    b.getWalletUserKey());
}
using qo::String;
using qo::StringList;
const auto kFilledCarried = std::tuple(
    String(u"alice"), String(u"Ann"), String(u"Lee"), String(u"ann@example.org"),
    String(u"Springfield"), String(u"555-2"), 33, 4, true, String(u"annie"), String(u"Friends"), 1,
    42, true, true, 2, 3, 0.25, String(u"EUR"), 0x5u, String(u"bob"),
    StringList{u"Friends", u"Work"}, StringList{u"home", u"phone"}, 9, 1);
const auto kFreshNotCarried = std::tuple(String(), qo::Time{0}, String(), 0u, StringList{}, 0, 0.0,
                                         String());

TEST(BuddyProfile, StartsEmptyAndItsFiveInterfacesShareOneHolderCount) {
  auto* buddy = new CBuddyProfile();
  EXPECT_EQ(buddy->HolderCount(), 1u);
  // Our starting values for the fields without a fixed one; the user-profile part starts as a
  // user profile does (status -1, gender 2).
  EXPECT_EQ(Carried(buddy), std::tuple(String(), String(), String(), String(), String(),
                                       String(), 0, 0, false, String(), String(), 0, 0, false,
                                       false, 0, 0, 0.0, String(), 0u, String(), StringList{},
                                       StringList{}, -1, 2));
  EXPECT_EQ(buddy->HolderCount(), 1u);
  // IBuddyProfile_01 is at the object's own address.
  EXPECT_EQ(static_cast<void*>(static_cast<IBuddyProfile_01*>(buddy)), static_cast<void*>(buddy));
  IBuddyProfile* main = buddy;
  struct Expected {
    tagCONTAINER_DATATYPE code;
    void* pointer;
  } expected[] = {
      {CONTAINER_BUDDY_PROFILE, static_cast<IBuddyProfile*>(buddy)},
      {CONTAINER_BUDDY_PROFILE_01, static_cast<IBuddyProfile_01*>(buddy)},
      {CONTAINER_USER_PROFILE, static_cast<IUserProfile*>(buddy)},
      {CONTAINER_USER_PROFILE_01, static_cast<IUserProfile_01*>(buddy)},
      {CONTAINER_USER_PROFILE_02, static_cast<IUserProfile_02*>(buddy)},
  };
  std::uint32_t holders = 1;
  for (const Expected& e : expected) {
    void* out = nullptr;
    ASSERT_EQ(main->GetDataInterface(e.code, &out), 1) << e.code;
    EXPECT_EQ(out, e.pointer) << e.code;
    EXPECT_EQ(static_cast<IDataContainer*>(out)->GetType(), CONTAINER_BUDDY_PROFILE);
    EXPECT_EQ(buddy->HolderCount(), ++holders);
  }
  // Refused codes and a null out add nothing and leave the pointer alone.
  void* untouched = &holders;
  EXPECT_EQ(main->GetDataInterface(CONTAINER_BUDDY_LIST, &untouched), 0);
  EXPECT_EQ(main->GetDataInterface(CONTAINER_MESSAGE, &untouched), 0);
  EXPECT_EQ(main->GetDataInterface(static_cast<tagCONTAINER_DATATYPE>(0), &untouched), 0);
  EXPECT_EQ(main->GetDataInterface(CONTAINER_BUDDY_PROFILE, nullptr), 0);
  EXPECT_EQ(untouched, &holders);
  EXPECT_EQ(buddy->HolderCount(), holders);

  // Releasing through the user-profile views drops the buddy's own count.
  static_cast<IUserProfile*>(buddy)->Release();
  static_cast<IUserProfile_01*>(buddy)->Release();
  static_cast<IUserProfile_02*>(buddy)->Release();
  static_cast<IBuddyProfile_01*>(buddy)->Release();
  EXPECT_EQ(buddy->HolderCount(), 2u);
  main->Release();
  EXPECT_EQ(buddy->HolderCount(), 1u);
  EXPECT_EQ(static_cast<IUserProfile*>(buddy)->Release(), 1);  // the last one destroys it
}

TEST(BuddyProfile, UserProfileViewsGiveTheBuddysAnswers) {
  auto* buddy = new CBuddyProfile();
  buddy->setName(u"Ann", u"Lee");
  buddy->setBirthdate(99);
  buddy->setQuilloID(u"alice");
  buddy->setDomain(2);
  auto* user = Query<IUserProfile>(static_cast<IBuddyProfile*>(buddy), CONTAINER_USER_PROFILE);
  auto* user01 = Query<IUserProfile_01>(static_cast<IBuddyProfile*>(buddy), CONTAINER_USER_PROFILE_01);
  ASSERT_NE(user, nullptr);
  ASSERT_NE(user01, nullptr);
  IBuddyProfile* main = buddy;
  IBuddyProfile_01* main01 = buddy;
  EXPECT_EQ(user->getLastName(), main->getLastName());
  EXPECT_EQ(user01->getBirthdate(), main01->getBirthdate());
  EXPECT_EQ(&user01->getAddressList(), &main01->getAddressList());
  // Clone through a user-profile view still makes a buddy, handed out as IBuddyProfile.
  IDataContainer* clone = user->Clone();
  EXPECT_EQ(clone->GetType(), CONTAINER_BUDDY_PROFILE);
  auto* cloneBuddy = static_cast<IBuddyProfile*>(clone);
  EXPECT_EQ(cloneBuddy->getQuilloID(), main->getQuilloID());
  cloneBuddy->Release();
  user->Release();
  user01->Release();
  buddy->Release();
}

TEST(BuddyProfile, CloneAndCopyCarryOnlyTheBuddyFields) {
  CBuddyProfile* source = MakeFilledBuddy();
  source->AddRef();
  source->AddRef();

  auto* clone = static_cast<IBuddyProfile*>(static_cast<IBuddyProfile_01*>(source)->Clone());
  IBuddyProfile* copy = source->Copy();
  for (IBuddyProfile* made : {clone, copy}) {
    ASSERT_NE(made, nullptr);
    EXPECT_NE(static_cast<void*>(made), static_cast<void*>(static_cast<IBuddyProfile*>(source)));
    EXPECT_EQ(Carried(made), kFilledCarried);
    auto* user = Query<IUserProfile>(made, CONTAINER_USER_PROFILE);
    ASSERT_NE(user, nullptr);
    auto& concrete = *static_cast<CBuddyProfile*>(made);
    // A fresh copy with one holder of its own (the query above added one).
    EXPECT_EQ(concrete.HolderCount(), 2u);
    // Not carried: back at the start values.
    EXPECT_EQ(NotCarried(concrete), kFreshNotCarried);
    // Carried: status and status message (set by the presence), but not the presence's
    // priority: a copy accepts a presence of priority -1 again.
    EXPECT_EQ(concrete.getStatusMessage(), u"away");
    concrete.SetPresence({static_cast<tagSTATUS>(1), u"", -1, u"back"});
    EXPECT_EQ(concrete.getStatusMessage(), u"back");
    user->Release();
    made->Release();
  }
  // The source kept its own count and fields.
  EXPECT_EQ(source->HolderCount(), 3u);
  EXPECT_EQ(source->getTheme(), u"dark");
  source->Release();
  source->Release();
  source->Release();
}

TEST(BuddyProfile, AssignmentKeepsHoldersAndPresenceAndReplacesLists) {
  CBuddyProfile* source = MakeFilledBuddy();
  CBuddyProfile target;
  target.AddRef();
  target.AddRef();
  target.setTheme(u"light");
  target.setGroupList({u"Old"});
  target.AddResource(u"HOME");
  target.AddResource(u"laptop");
  target.SetPresence({static_cast<tagSTATUS>(2), u"src", 10, u"target"});

  target = *source;
  EXPECT_EQ(target.HolderCount(), 3u);
  EXPECT_EQ(Carried(&target), kFilledCarried);
  // Our decision: the lists are replaced, so no case-insensitive duplicate of "home" remains.
  EXPECT_EQ(target.GetResourceList(), (qo::StringList{u"home", u"phone"}));
  // Fields assignment does not carry keep the target's values, the presence priority too.
  EXPECT_EQ(target.getTheme(), u"light");
  target.SetPresence({static_cast<tagSTATUS>(3), u"", 9, u"ignored"});
  EXPECT_EQ(target.getStatusMessage(), u"away");

  // operator& does the same and returns the target; self-assignment changes nothing.
  CBuddyProfile other;
  EXPECT_EQ(&(other & *source), &other);
  EXPECT_EQ(Carried(&other), kFilledCarried);
  const CBuddyProfile& sameOther = other;
  other = sameOther;
  EXPECT_EQ(other.getGroupList().size(), 2u);
  EXPECT_EQ(other.HolderCount(), 1u);

  // A copy construction starts with one holder and leaves the fields assignment skips fresh.
  CBuddyProfile constructed(target);
  EXPECT_EQ(constructed.HolderCount(), 1u);
  EXPECT_EQ(NotCarried(constructed), kFreshNotCarried);
  EXPECT_EQ(Carried(&constructed), kFilledCarried);
  source->Release();
  target.Release();
  target.Release();
}

TEST(BuddyProfile, GroupListSetterCopiesItsArgument) {
  CBuddyProfile buddy;
  buddy.setGroupList({u"x", u"y", u"z", u"w"});
  qo::StringList groups = {u"Friends", u"Work", u"Family"};
  buddy.setGroupList(groups);
  groups.push_back(u"Later");
  groups[0] = u"Changed";
  EXPECT_EQ(buddy.getGroupList(), (qo::StringList{u"Friends", u"Work", u"Family"}));
  // Passing the buddy's own list is safe.
  buddy.setGroupList(buddy.getGroupList());
  EXPECT_EQ(buddy.getGroupList().size(), 3u);
  // The getter lends the buddy's own list.
  buddy.getGroupList().push_back(u"Direct");
  EXPECT_EQ(buddy.getGroupList().back(), u"Direct");
}

}  // namespace
