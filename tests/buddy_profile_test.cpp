// The buddy profile as a container: its five interfaces on one holder count, what assignment,
// Clone and Copy carry (and what they leave at the start values), and its lists.
#include <gtest/gtest.h>

#include "qodata/buddy_list.h"
#include "qodata/buddy_profile.h"
#include "qodata/exports.h"

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

void ExpectCarriedFields(IBuddyProfile* copy) {
  EXPECT_EQ(copy->getQuilloID(), u"alice");
  EXPECT_EQ(copy->getFirstName(), u"Ann");
  EXPECT_EQ(copy->getLastName(), u"Lee");
  EXPECT_EQ(copy->getEmail(), u"ann@example.org");
  EXPECT_EQ(copy->getCityAddress(), u"Springfield");
  EXPECT_EQ(copy->getFax(), u"555-2");
  EXPECT_EQ(copy->getAge(), 33);
  EXPECT_EQ(copy->getMood(), 4);
  EXPECT_TRUE(copy->isMessageStoreEnabled());
  EXPECT_EQ(copy->getScreenName(), u"annie");
  EXPECT_EQ(copy->GetGroupName(), u"Friends");
  EXPECT_EQ(copy->getDomain(), 1);
  EXPECT_EQ(copy->getBlii(), 42);
  EXPECT_TRUE(copy->isFavoriteBuddy());
  EXPECT_TRUE(copy->IsAccepted());
  EXPECT_EQ(copy->getAcceptStatus(), 2);
  EXPECT_EQ(copy->getLogonStatus(), 3);
  EXPECT_EQ(copy->GetPSMSRate(), 0.25);
  EXPECT_EQ(copy->GetPSMSCurrency(), u"EUR");
  auto* copy01 = Query<IBuddyProfile_01>(copy, CONTAINER_BUDDY_PROFILE_01);
  ASSERT_NE(copy01, nullptr);
  EXPECT_EQ(copy01->GetToogleFlags(), 0x5u);
  EXPECT_EQ(copy01->getAddBuddyRequester(), u"bob");
  EXPECT_EQ(copy01->getGroupList(), (qo::StringList{u"Friends", u"Work"}));
  EXPECT_EQ(copy01->GetResourceList(), (qo::StringList{u"home", u"phone"}));
  copy01->Release();
}

TEST(BuddyProfile, StartsEmptyAndAnswersTwoOnEveryInterface) {
  auto* buddy = new CBuddyProfile();
  EXPECT_EQ(buddy->HolderCount(), 1u);
  EXPECT_EQ(buddy->getDomain(), 0);
  EXPECT_EQ(buddy->GetToogleFlags(), 0u);
  EXPECT_TRUE(buddy->getGroupList().empty());
  EXPECT_TRUE(buddy->GetResourceList().empty());
  // Our starting values for the fields without a fixed one.
  EXPECT_FALSE(buddy->isFavoriteBuddy());
  EXPECT_FALSE(buddy->IsAccepted());
  EXPECT_EQ(buddy->getBlii(), 0);
  EXPECT_EQ(buddy->getAcceptStatus(), 0);
  EXPECT_EQ(buddy->getLogonStatus(), 0);
  EXPECT_EQ(buddy->GetPSMSRate(), 0.0);
  // The user-profile part starts as a user profile does.
  EXPECT_EQ(buddy->getStatus(), -1);
  EXPECT_EQ(buddy->getGender(), 2);

  IDataContainer* views[] = {static_cast<IBuddyProfile_01*>(buddy),
                             static_cast<IBuddyProfile*>(buddy),
                             static_cast<IUserProfile*>(buddy),
                             static_cast<IUserProfile_01*>(buddy),
                             static_cast<IUserProfile_02*>(buddy)};
  for (IDataContainer* view : views) EXPECT_EQ(view->GetType(), CONTAINER_BUDDY_PROFILE);
  // IBuddyProfile_01 is at the object's own address.
  EXPECT_EQ(static_cast<void*>(static_cast<IBuddyProfile_01*>(buddy)), static_cast<void*>(buddy));
  buddy->Release();
}

TEST(BuddyProfile, InterfacesShareOneHolderCount) {
  auto* buddy = new CBuddyProfile();
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
  // The identifier and the unified flag follow the domain code on every interface.
  EXPECT_EQ(user->getQuilloID(), main->getQuilloID());
  EXPECT_NE(user->getQuilloID(), u"alice");
  EXPECT_FALSE(user->isUnifiedAccount());
  EXPECT_EQ(user->isUnifiedAccount(), main->isUnifiedAccount());
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
    ExpectCarriedFields(made);
    auto* user = Query<IUserProfile>(made, CONTAINER_USER_PROFILE);
    ASSERT_NE(user, nullptr);
    auto& concrete = *static_cast<CBuddyProfile*>(made);
    // A fresh copy with one holder of its own (the query above added one).
    EXPECT_EQ(concrete.HolderCount(), 2u);
    // Not carried: back at the start values.
    EXPECT_EQ(concrete.getOldPassword(), u"");
    EXPECT_EQ(concrete.getBirthdate(), 0);
    EXPECT_EQ(concrete.getTheme(), u"");
    EXPECT_EQ(concrete.getSettings(), 0u);
    EXPECT_TRUE(concrete.getAddressList().empty());
    EXPECT_EQ(concrete.getIdleTime(), 0);
    EXPECT_EQ(concrete.GetWalletBalance(), 0.0);
    EXPECT_EQ(concrete.getWalletUserKey(), u"");
    // Carried: status and status message (set by the presence), but not the presence's
    // priority: a copy accepts a presence of priority -1 again.
    EXPECT_EQ(concrete.getStatus(), 9);
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
  ExpectCarriedFields(&target);
  // Our decision: the lists are replaced, so no case-insensitive duplicate of "home" remains.
  EXPECT_EQ(target.GetResourceList(), (qo::StringList{u"home", u"phone"}));
  // Fields assignment does not carry keep the target's values, the presence priority too.
  EXPECT_EQ(target.getTheme(), u"light");
  target.SetPresence({static_cast<tagSTATUS>(3), u"", 9, u"ignored"});
  EXPECT_EQ(target.getStatusMessage(), u"away");

  // operator& does the same and returns the target; self-assignment changes nothing.
  CBuddyProfile other;
  EXPECT_EQ(&(other & *source), &other);
  EXPECT_EQ(other.getScreenName(), u"annie");
  const CBuddyProfile& sameOther = other;
  other = sameOther;
  EXPECT_EQ(other.getGroupList().size(), 2u);
  EXPECT_EQ(other.HolderCount(), 1u);

  // A copy construction starts with one holder and leaves the fields assignment skips fresh.
  CBuddyProfile constructed(target);
  EXPECT_EQ(constructed.HolderCount(), 1u);
  EXPECT_EQ(constructed.getTheme(), u"");
  EXPECT_EQ(constructed.getScreenName(), u"annie");
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

TEST(BuddyProfile, FactoriesMakeBuddiesOnTheInterfaceTheCodeSelects) {
  IDataFactory* factory = nullptr;
  ASSERT_EQ(CreateDataFactoryInstance(&factory), S_OK);
  IDataContainer* made = nullptr;
  ASSERT_EQ(factory->CreateInstance(CONTAINER_BUDDY_PROFILE, &made), 1);
  auto* buddy = static_cast<IBuddyProfile*>(made);
  EXPECT_EQ(buddy->GetType(), CONTAINER_BUDDY_PROFILE);
  buddy->setScreenName(u"made");  // the pointer really is the IBuddyProfile view
  EXPECT_EQ(buddy->getScreenName(), u"made");
  // Destroyed outright whatever its holders, from its main interface pointer.
  buddy->AddRef();
  buddy->AddRef();
  EXPECT_EQ(factory->ReleaseInstance(CONTAINER_BUDDY_PROFILE, &made), 1);
  EXPECT_EQ(made, nullptr);
  ASSERT_EQ(factory->CreateInstance(CONTAINER_BUDDY_LIST, &made), 1);
  EXPECT_EQ(static_cast<IBuddyList*>(made)->size(), 0);
  EXPECT_EQ(factory->ReleaseInstance(CONTAINER_BUDDY_LIST, &made), 1);
  // The data factory does not make the second buddy interface.
  EXPECT_EQ(factory->CreateInstance(CONTAINER_BUDDY_PROFILE_01, &made), 0);
  EXPECT_EQ(FreeDataFactoryInstance(&factory), S_OK);

  void* appCom = nullptr;
  ASSERT_EQ(CreateAppComInstance(&appCom), S_OK);
  auto* com = static_cast<IApplicationCom*>(appCom);
  void* queried = nullptr;
  ASSERT_EQ(com->QueryInterface(IID_IDataFactory2, &queried), S_OK);
  auto* factory2 = static_cast<IDataFactory2*>(queried);
  ASSERT_EQ(factory2->CreateContainer(CONTAINER_BUDDY_PROFILE_01, &made), 1);
  auto* buddy01 = static_cast<IBuddyProfile_01*>(made);
  EXPECT_EQ(buddy01->GetType(), CONTAINER_BUDDY_PROFILE);
  buddy01->SetToogleFlags(3);  // the pointer really is the IBuddyProfile_01 view
  EXPECT_EQ(buddy01->GetToogleStatus(2), 1);
  EXPECT_EQ(factory2->ReleaseContainer(CONTAINER_BUDDY_PROFILE_01, &made), 1);
  factory2->Release();
  EXPECT_EQ(DestroyAppComInstance(&com), S_OK);
}

}  // namespace
