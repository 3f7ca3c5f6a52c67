// The buddy profile: its starting state and what assignment, Clone and Copy carry (and what
// they leave at the start values).
#include <gtest/gtest.h>

#include "qodata/buddy_profile.h"

namespace {

// A buddy with the fields a copy carries and those it does not set.
CBuddyProfile* MakeFilledBuddy() {
  auto* buddy = new CBuddyProfile();
  buddy->setQuilloID(u"Alice");
  buddy->setOldPassword(u"old");
  buddy->setName(u"Ann", u"Lee");
  buddy->setBirthdate(123456);
  buddy->setTheme(u"dark");
  buddy->setAddressList({u"a1", u"a2"});
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
const CBuddyProfile::BuddyFields kFilled{.screenName = u"annie",
                                         .quickCode = {},
                                         .addBuddyRequester = u"bob",
                                         .groupName = u"Friends",
                                         .favorite = true,
                                         .accepted = true,
                                         .blii = 42,
                                         .acceptStatus = 2,
                                         .domain = 1,
                                         .toggleFlags = 0x5,
                                         .logonStatus = static_cast<tagLOGON_STATUS>(3),
                                         .groupList = {u"Friends", u"Work"},
                                         .resourceList = {u"home", u"phone"},
                                         .psmsRate = 0.25,
                                         .psmsCurrency = u"EUR"};

// The user-profile record of a copy of the buddy: the shared part only, the rest at its start.
CUserProfile::Fields SharedOnly(const CBuddyProfile& buddy) {
  CUserProfile::Fields fields;
  fields.shared = buddy.fields().shared;
  return fields;
}

TEST(BuddyProfile, StartsEmptyAndLendsTheUserProfilePartsListsAndDates) {
  CBuddyProfile buddy;
  // Our starting values for the fields without a fixed one (see BuddyFields); the user-profile
  // part starts as a user profile does.
  EXPECT_EQ(buddy.buddyFields(), CBuddyProfile::BuddyFields{});
  EXPECT_EQ(buddy.fields(), CUserProfile::Fields{});
  buddy.setBirthdate(99);
  EXPECT_EQ(static_cast<IBuddyProfile_01*>(&buddy)->getBirthdate(), 99);
  EXPECT_EQ(&static_cast<IBuddyProfile_01*>(&buddy)->getAddressList(),
            &static_cast<IUserProfile_01*>(&buddy)->getAddressList());
  CBuddyProfile* filled = MakeFilledBuddy();
  EXPECT_EQ(filled->buddyFields(), kFilled);
  filled->Release();
}

TEST(BuddyProfile, CloneAndCopyCarryOnlyTheBuddyFields) {
  CBuddyProfile* source = MakeFilledBuddy();
  auto* clone = static_cast<IBuddyProfile*>(static_cast<IUserProfile*>(source)->Clone());
  for (IBuddyProfile* made : {clone, source->Copy()}) {
    auto& copy = *static_cast<CBuddyProfile*>(made);
    EXPECT_EQ(copy.buddyFields(), kFilled);
    EXPECT_EQ(copy.fields(), SharedOnly(*source));
    EXPECT_EQ(copy.getStatusMessage(), u"away");
    // The status and its message are carried, not the presence's priority: a copy accepts a
    // presence of priority -1 again.
    copy.SetPresence({static_cast<tagSTATUS>(1), u"", -1, u"back"});
    EXPECT_EQ(copy.getStatusMessage(), u"back");
    made->Release();
  }
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
  auto appended = kFilled;
  appended.groupList = {u"Old", u"Friends", u"Work"};
  appended.resourceList = {u"HOME", u"laptop", u"home", u"phone"};
  EXPECT_EQ(target.buddyFields(), appended);
  EXPECT_EQ(target.fields().shared, source->fields().shared);
  // Fields assignment does not carry keep the target's values, the presence priority too.
  EXPECT_EQ(target.getTheme(), u"light");
  target.SetPresence({static_cast<tagSTATUS>(3), u"", 9, u"ignored"});
  EXPECT_EQ(target.getStatusMessage(), u"away");

  // Self-assignment changes nothing (operator&: copies_test.cpp).
  const CBuddyProfile& same = target;
  target = same;
  EXPECT_EQ(target.buddyFields(), appended);

  // A copy construction leaves the fields assignment skips fresh.
  CBuddyProfile constructed(target);
  EXPECT_EQ(constructed.fields(), SharedOnly(target));
  EXPECT_EQ(constructed.buddyFields(), appended);
  source->Release();
  target.Release();
}

}  // namespace
