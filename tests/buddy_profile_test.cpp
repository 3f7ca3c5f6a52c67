// The buddy profile: its start, its setters and what assignment, Clone and Copy carry.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>

#include "qodata/buddy_profile.h"

namespace {

// Each setter of the buddy's own fields, one by one; together they fill a source buddy.
#define QO_SET(call) [](CBuddyProfile& b) { b.call; }
const std::function<void(CBuddyProfile&)> kSetters[] = {
    QO_SET(setScreenName(u"annie")), QO_SET(setFavoriteBuddy(true)), QO_SET(setBLII(42)),
    QO_SET(setLogonStatus(static_cast<tagLOGON_STATUS>(3))), QO_SET(setAccepted(true)),
    QO_SET(setAddBuddyRequester(u"bob")), QO_SET(setAcceptStatus(2)), QO_SET(setDomain(1)),
    QO_SET(SetGroupName(u"Friends")), QO_SET(SetToogleFlags(0x5)), QO_SET(SetPSMSRate(0.25)),
    QO_SET(SetPSMSCurrency(u"EUR")), QO_SET(setQuickCode(u"qc")),
    // The lists, which assignment appends to.
    QO_SET(setGroupList({u"Friends", u"Work"})), QO_SET(AddResource(u"home")),
    QO_SET(AddResource(u"phone"))};
#undef QO_SET

// A buddy with every buddy field set, and user-profile fields a copy carries and does not.
CBuddyProfile* MakeFilledBuddy() {
  auto* buddy = new CBuddyProfile();
  for (const auto& set : kSetters) set(*buddy);
  buddy->setQuilloID(u"Alice");
  buddy->setOldPassword(u"old");
  buddy->setName(u"Ann", u"Lee");
  buddy->setBirthdate(123456);
  buddy->setTheme(u"dark");
  buddy->setAddressList({u"a1", u"a2"});
  buddy->SetPresence({static_cast<tagSTATUS>(9), u"server", 5, u"away"});
  return buddy;
}

// The user-profile record of a copy of the buddy: the shared part only, the rest at its start.
CUserProfile::Fields SharedOnly(const CBuddyProfile& buddy) {
  CUserProfile::Fields fields;
  fields.shared = buddy.fields().shared;
  return fields;
}

TEST(BuddyProfile, StartsEmptyAndLendsTheUserProfilePartsListsAndDates) {
  CBuddyProfile buddy;
  // Our starting values (see BuddyFields); the user-profile part starts as a user profile.
  EXPECT_EQ(buddy.buddyFields(), CBuddyProfile::BuddyFields{});
  EXPECT_EQ(buddy.fields(), CUserProfile::Fields{});
  buddy.setBirthdate(99);
  EXPECT_EQ(static_cast<IBuddyProfile_01*>(&buddy)->getBirthdate(), 99);
  EXPECT_EQ(&static_cast<IBuddyProfile_01*>(&buddy)->getAddressList(),
            &static_cast<IUserProfile_01*>(&buddy)->getAddressList());
  for (std::size_t i = 0; i < std::size(kSetters); ++i) {
    CBuddyProfile set;
    kSetters[i](set);
    EXPECT_NE(set.buddyFields(), CBuddyProfile::BuddyFields{}) << "setter " << i;
  }
}

TEST(BuddyProfile, CloneAndCopyCarryOnlyTheBuddyFields) {
  CBuddyProfile* source = MakeFilledBuddy();
  auto* clone = static_cast<IBuddyProfile*>(static_cast<IUserProfile*>(source)->Clone());
  for (IBuddyProfile* made : {clone, source->Copy()}) {
    auto& copy = *static_cast<CBuddyProfile*>(made);
    EXPECT_EQ(copy.buddyFields(), source->buddyFields());
    EXPECT_EQ(copy.fields(), SharedOnly(*source));
    EXPECT_EQ(copy.getStatusMessage(), u"away");
    // The status and message are carried, not the priority: a copy accepts priority -1.
    copy.SetPresence({static_cast<tagSTATUS>(1), u"", -1, u"back"});
    EXPECT_EQ(copy.getStatusMessage(), u"back");
    made->Release();
  }
  source->Release();
}

TEST(BuddyProfile, AssignmentKeepsPresenceAndAppendsLists) {
  CBuddyProfile* source = MakeFilledBuddy();
  CBuddyProfile target;
  target.setTheme(u"light");
  target.setGroupList({u"Old"});
  target.AddResource(u"HOME");
  target.AddResource(u"laptop");
  target.SetPresence({static_cast<tagSTATUS>(2), u"src", 10, u"target"});

  target = *source;
  // The source's group and resource entries go after the target's, as they are.
  auto appended = source->buddyFields();
  appended.groupList = {u"Old", u"Friends", u"Work"};
  appended.resourceList = {u"HOME", u"laptop", u"home", u"phone"};
  EXPECT_EQ(target.buddyFields(), appended);
  // The fields assignment does not carry keep the target's values, the presence priority too.
  EXPECT_EQ(target.getTheme(), u"light");
  target.SetPresence({static_cast<tagSTATUS>(3), u"", 9, u"ignored"});
  EXPECT_EQ(target.getStatusMessage(), u"away");

  // Self-assignment changes nothing (operator&: copies_test.cpp).
  const CBuddyProfile& same = target;
  target = same;
  EXPECT_EQ(target.buddyFields(), appended);
  source->Release();
}

}  // namespace
