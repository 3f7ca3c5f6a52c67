// The buddy profile: its start, its setters, what assignment, Clone and Copy carry, and the
// operations that do more than store a field.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <tuple>

#include "contacts/transport_suffix.h"
#include "qodata/buddy_profile.h"

namespace {

using qo::String;
using qo::StringList;

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
  buddy->setTheme(u"dark");
  buddy->setAddressList({u"a1", u"a2"});
  buddy->SetPresence({static_cast<tagSTATUS>(9), u"server", 5, u"away"});
  return buddy;
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
  CUserProfile::Fields shared;  // the shared part only, the rest at its start
  shared.shared = source->fields().shared;
  auto* clone = static_cast<IBuddyProfile*>(static_cast<IUserProfile*>(source)->Clone());
  for (IBuddyProfile* made : {clone, source->Copy()}) {
    auto& copy = *static_cast<CBuddyProfile*>(made);
    EXPECT_EQ(copy.buddyFields(), source->buddyFields());
    EXPECT_EQ(copy.fields(), shared);
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
  target.SetResourceList({u"HOME", u"laptop"});
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

// --- Presence by priority, resources without case duplicates, answers by domain code -------

TEST(BuddyPresence, UpdatesAreAcceptedWhenNotBelowTheLastPriority) {
  CBuddyProfile buddy;
  IUserProfile* user = &buddy;  // the answers are seen through the user-profile interface
  // status, priority and message given; status and message then seen
  const std::tuple<std::int32_t, std::int32_t, const char16_t*, std::int32_t, const char16_t*>
      steps[] = {
          {5, -2, u"ignored", -1, u""},  // below the starting priority -1
          {1, 0, u"online", 1, u"online"},    {2, -1, u"lower", 1, u"online"},
          {3, 0, u"same", 3, u"same"},  // the same priority replaces
          {4, 10, u"high", 4, u"high"},       {6, 9, u"below", 4, u"high"},
          {7, INT32_MIN, u"min", 4, u"high"},  // a signed comparison
      };
  for (const auto& [status, priority, message, wantStatus, wantMessage] : steps) {
    buddy.SetPresence({static_cast<tagSTATUS>(status), u"source", priority, message});
    EXPECT_EQ(std::tuple(user->getStatus(), user->getStatusMessage()),
              std::tuple(wantStatus, wantMessage))
        << status;
  }
  // setStatus between updates is overwritten by the next accepted presence only.
  buddy.setStatus(static_cast<tagSTATUS>(8));
  buddy.SetPresence({static_cast<tagSTATUS>(9), u"", 3, u"ignored"});
  EXPECT_EQ(buddy.getStatus(), 8);
  buddy.SetPresence({static_cast<tagSTATUS>(9), u"", INT32_MAX, u"top"});
  EXPECT_EQ(buddy.getStatus(), 9);
}

TEST(BuddyPresence, ResourcesIgnoreLetterCase) {
  CBuddyProfile buddy;
  buddy.AddResource(u"Home");
  buddy.AddResource(u"HOME");
  EXPECT_EQ(buddy.GetResourceList(), (StringList{u"Home"}));
  // SetResourceList merges, without case duplicates; the buddy's own list may be passed.
  buddy.SetResourceList({u"hOmE", u"Work", u"work", u"Phone"});
  buddy.SetResourceList(buddy.GetResourceList());
  EXPECT_EQ(buddy.GetResourceList(), (StringList{u"Home", u"Work", u"Phone"}));
  buddy.RemoveResource(u"WORK");
  buddy.RemoveResource(u"absent");
  EXPECT_EQ(buddy.GetResourceList(), (StringList{u"Home", u"Phone"}));
  // RemoveResource takes out every equal entry, also ones put in directly through the getter.
  buddy.GetResourceList().push_back(u"home");
  buddy.RemoveResource(u"hOME");
  // The empty name is a resource like any other.
  buddy.AddResource(u"");
  buddy.AddResource(u"");
  EXPECT_EQ(buddy.GetResourceList(), (StringList{u"Phone", u""}));
}

// Domain codes 2 to 6 are transport networks; 2, 4 and 5 cut the real identifier at its "@".
TEST(BuddyPresence, IdentifierBliiScreenNameAndUnifiedFlagFollowTheDomainCode) {
  const String* suffixes[] = {&qo::kYahooTransportSuffix, &qo::kMsnTransportSuffix,
                              &qo::kGoogleTransportSuffix, &qo::kAolTransportSuffix,
                              &qo::kIcqTransportSuffix};
  for (std::int32_t domain = -2; domain <= 9; ++domain) {
    SCOPED_TRACE(domain);
    CBuddyProfile buddy;
    buddy.setQuilloID(u"bob@mail.example");  // makes the unified-account flag true
    buddy.setBLII(77);
    buddy.setScreenName(u"Ally");
    buddy.setDomain(domain);
    const bool transport = domain >= 2 && domain <= 6;
    const String id = transport ? u"bob" + *suffixes[domain - 2] : String(u"bob@mail.example");
    EXPECT_EQ(static_cast<IBuddyProfile*>(&buddy)->getQuilloID(), id);
    EXPECT_EQ(static_cast<IUserProfile*>(&buddy)->getQuilloID(), id);
    const bool cuts = domain == 2 || domain == 4 || domain == 5;
    EXPECT_EQ(buddy.GetRealQuilloId(), cuts ? u"bob" : u"bob@mail.example");
    EXPECT_EQ(buddy.getBlii(), transport ? -1 : 77);
    EXPECT_EQ(buddy.getScreenName(), domain >= 0 && domain <= 7 ? u"Ally" : u"");
    EXPECT_EQ(static_cast<IUserProfile*>(&buddy)->isUnifiedAccount(), domain == 0);
    EXPECT_EQ(static_cast<IBuddyProfile*>(&buddy)->isUnifiedAccount(), domain == 0);
  }
  // No "@": all is kept; a suffix received stays single; the empty identifier gets the suffix;
  // domain 0 passes the user-profile part's unified flag through, false included.
  using Row = std::tuple<String, int, String, String>;  // given, domain, identifier, real one
  for (const auto& [given, domain, id, real] :
       {Row{u"Alice", 2, u"alice" + *suffixes[0], u"alice"},
        Row{u"Carol" + *suffixes[1], 3, u"carol" + *suffixes[1], u"carol"},
        Row{u"", 6, *suffixes[4], u""}, Row{u"0123", 0, u"0123", u"0123"}}) {
    CBuddyProfile buddy;
    buddy.setQuilloID(given);
    buddy.setDomain(domain);
    EXPECT_EQ(std::tuple(buddy.getQuilloID(), buddy.GetRealQuilloId(), buddy.isUnifiedAccount()),
              std::tuple(id, real, false));
  }
}

TEST(BuddyPresence, ToggleStatusReadsOneBitCountedFromOne) {
  CBuddyProfile buddy;
  buddy.SetToogleFlags(0x800000A5u);
  for (std::int32_t bit = 1; bit <= 32; ++bit) {
    EXPECT_EQ(buddy.GetToogleStatus(bit), bit <= 8 ? "10100101"[bit - 1] - '0' : bit == 32) << bit;
  }
  // Our decision: a bit number outside 1 to 32 answers 0, even with every bit set.
  buddy.SetToogleFlags(0xFFFFFFFFu);
  for (std::int32_t bit : {0, -1, 33, 64, INT32_MIN, INT32_MAX}) {
    EXPECT_EQ(buddy.GetToogleStatus(bit), 0) << bit;
  }
}

}  // namespace
