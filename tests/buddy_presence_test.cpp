// The buddy operations that do more than store a field: presence by priority, resources
// without case-insensitive duplicates, and the answers that depend on the domain code.
#include <gtest/gtest.h>

#include "contacts/transport_suffix.h"
#include "qodata/buddy_profile.h"

namespace {

_PRESENCE Presence(std::int32_t status, std::int32_t priority, qo::String message) {
  return {static_cast<tagSTATUS>(status), u"source", priority, std::move(message)};
}

TEST(BuddyPresence, UpdatesAreAcceptedWhenNotBelowTheLastPriority) {
  CBuddyProfile buddy;
  // A presence below the starting priority -1 is ignored.
  buddy.SetPresence(Presence(5, -2, u"ignored"));
  EXPECT_EQ(buddy.getStatus(), -1);
  EXPECT_EQ(buddy.getStatusMessage(), u"");

  buddy.SetPresence(Presence(1, 0, u"online"));
  EXPECT_EQ(buddy.getStatus(), 1);
  EXPECT_EQ(buddy.getStatusMessage(), u"online");
  // Seen through the user-profile interface as well.
  IUserProfile* user = &buddy;
  EXPECT_EQ(user->getStatus(), 1);
  EXPECT_EQ(user->getStatusMessage(), u"online");

  buddy.SetPresence(Presence(2, -1, u"lower"));
  EXPECT_EQ(buddy.getStatus(), 1);
  EXPECT_EQ(buddy.getStatusMessage(), u"online");

  // The same priority replaces, a higher one raises the bar.
  buddy.SetPresence(Presence(3, 0, u"same"));
  EXPECT_EQ(buddy.getStatusMessage(), u"same");
  buddy.SetPresence(Presence(4, 10, u"high"));
  buddy.SetPresence(Presence(6, 9, u"below"));
  EXPECT_EQ(buddy.getStatus(), 4);
  EXPECT_EQ(buddy.getStatusMessage(), u"high");
  // The signed comparison: the most negative priority never passes once 10 is stored.
  buddy.SetPresence(Presence(7, INT32_MIN, u"min"));
  EXPECT_EQ(buddy.getStatus(), 4);

  // setStatus between updates is overwritten by the next accepted presence only.
  buddy.setStatus(static_cast<tagSTATUS>(8));
  buddy.SetPresence(Presence(9, 3, u"ignored"));
  EXPECT_EQ(buddy.getStatus(), 8);
  buddy.SetPresence(Presence(9, INT32_MAX, u"top"));
  EXPECT_EQ(buddy.getStatus(), 9);
}

TEST(BuddyPresence, ResourcesIgnoreLetterCase) {
  CBuddyProfile buddy;
  buddy.AddResource(u"Home");
  buddy.AddResource(u"HOME");
  buddy.AddResource(u"home");
  EXPECT_EQ(buddy.GetResourceList(), (qo::StringList{u"Home"}));

  // SetResourceList merges: old entries first, then the new ones, no case duplicates.
  buddy.SetResourceList({u"hOmE", u"Work", u"work", u"Phone"});
  EXPECT_EQ(buddy.GetResourceList(), (qo::StringList{u"Home", u"Work", u"Phone"}));
  // Passing the buddy's own list changes nothing.
  buddy.SetResourceList(buddy.GetResourceList());
  EXPECT_EQ(buddy.GetResourceList().size(), 3u);

  buddy.RemoveResource(u"WORK");
  EXPECT_EQ(buddy.GetResourceList(), (qo::StringList{u"Home", u"Phone"}));
  buddy.RemoveResource(u"absent");
  EXPECT_EQ(buddy.GetResourceList(), (qo::StringList{u"Home", u"Phone"}));

  // RemoveResource takes out every equal entry, also ones put in directly through the getter.
  buddy.GetResourceList().push_back(u"home");
  buddy.RemoveResource(u"hOME");
  EXPECT_EQ(buddy.GetResourceList(), (qo::StringList{u"Phone"}));

  // The empty name is a resource like any other.
  buddy.AddResource(u"");
  buddy.AddResource(u"");
  EXPECT_EQ(buddy.GetResourceList(), (qo::StringList{u"Phone", u""}));
}

struct DomainCase {
  std::int32_t domain;
  const qo::String* suffix;  // null: nothing appended
  bool cutsRealId;
};

TEST(BuddyPresence, IdentifiersFollowTheDomainCode) {
  const DomainCase cases[] = {
      {0, nullptr, false},
      {1, nullptr, false},
      {2, &qo::kYahooTransportSuffix, true},
      {3, &qo::kMsnTransportSuffix, false},
      {4, &qo::kGoogleTransportSuffix, true},
      {5, &qo::kAolTransportSuffix, true},
      {6, &qo::kIcqTransportSuffix, false},
      {7, nullptr, false},
      {8, nullptr, false},
      {-1, nullptr, false},
  };
  for (const DomainCase& c : cases) {
    SCOPED_TRACE(c.domain);
    CBuddyProfile buddy;
    buddy.setQuilloID(u"bob@mail.example");
    buddy.setDomain(c.domain);
    IUserProfile* user = &buddy;
    IBuddyProfile* main = &buddy;
    qo::String expected = c.suffix ? u"bob" + *c.suffix : qo::String(u"bob@mail.example");
    EXPECT_EQ(main->getQuilloID(), expected);
    EXPECT_EQ(user->getQuilloID(), expected);
    EXPECT_EQ(buddy.GetRealQuilloId(), c.cutsRealId ? u"bob" : u"bob@mail.example");
    // The stored normal form stays as it was.
    buddy.setDomain(0);
    EXPECT_EQ(buddy.getQuilloID(), u"bob@mail.example");
  }

  // Without an "@", the whole identifier is kept; the suffix goes on as defined.
  CBuddyProfile yahoo;
  yahoo.setQuilloID(u"Alice");
  yahoo.setDomain(2);
  EXPECT_EQ(yahoo.getQuilloID(), u"alice" + qo::kYahooTransportSuffix);
  EXPECT_EQ(yahoo.GetRealQuilloId(), u"alice");
  // An identifier received with its suffix comes back with the same suffix.
  CBuddyProfile msn;
  msn.setQuilloID(u"Carol" + qo::kMsnTransportSuffix);
  msn.setDomain(3);
  EXPECT_EQ(msn.getQuilloID(), u"carol" + qo::kMsnTransportSuffix);
  // The empty identifier on a transport network is the suffix alone.
  CBuddyProfile empty;
  empty.setDomain(6);
  EXPECT_EQ(empty.getQuilloID(), qo::kIcqTransportSuffix);
}

TEST(BuddyPresence, BliiScreenNameAndUnifiedFlagFollowTheDomainCode) {
  for (std::int32_t domain = -2; domain <= 9; ++domain) {
    SCOPED_TRACE(domain);
    CBuddyProfile buddy;
    buddy.setQuilloID(u"alice");  // makes the unified-account flag true
    ASSERT_TRUE(buddy.CUserProfile::isUnifiedAccount());
    buddy.setBLII(77);
    buddy.setScreenName(u"Ally");
    buddy.setDomain(domain);
    const bool transport = domain >= 2 && domain <= 6;
    EXPECT_EQ(buddy.getBlii(), transport ? -1 : 77);
    EXPECT_EQ(buddy.getScreenName(), domain >= 0 && domain <= 7 ? u"Ally" : u"");
    IUserProfile* user = &buddy;
    EXPECT_EQ(user->isUnifiedAccount(), domain == 0);
    EXPECT_EQ(static_cast<IBuddyProfile*>(&buddy)->isUnifiedAccount(), domain == 0);
  }
  // Domain 0 passes the flag of the user-profile part through, false included.
  CBuddyProfile numeric;
  numeric.setQuilloID(u"0123");
  EXPECT_FALSE(numeric.isUnifiedAccount());
}

TEST(BuddyPresence, ToggleStatusReadsOneBitCountedFromOne) {
  CBuddyProfile buddy;
  buddy.SetToogleFlags(0x1u);
  EXPECT_EQ(buddy.GetToogleStatus(1), 1);
  EXPECT_EQ(buddy.GetToogleStatus(2), 0);
  buddy.SetToogleFlags(0x80000000u);
  EXPECT_EQ(buddy.GetToogleStatus(32), 1);
  EXPECT_EQ(buddy.GetToogleStatus(31), 0);
  buddy.SetToogleFlags(0xA5u);
  const std::uint8_t expected[] = {1, 0, 1, 0, 0, 1, 0, 1};
  for (std::int32_t bit = 1; bit <= 8; ++bit) EXPECT_EQ(buddy.GetToogleStatus(bit), expected[bit - 1]);
  // Our decision: a bit number outside 1 to 32 answers 0, even with every bit set.
  buddy.SetToogleFlags(0xFFFFFFFFu);
  for (std::int32_t bit : {0, -1, 33, 64, INT32_MIN, INT32_MAX}) {
    EXPECT_EQ(buddy.GetToogleStatus(bit), 0) << bit;
  }
}

}  // namespace
