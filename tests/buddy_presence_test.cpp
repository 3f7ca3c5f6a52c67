// Presence by priority, resources without case duplicates, and answers by domain code.
#include <gtest/gtest.h>

#include "contacts/transport_suffix.h"
#include "qodata/buddy_profile.h"

namespace {

using qo::String;
using qo::StringList;

TEST(BuddyPresence, UpdatesAreAcceptedWhenNotBelowTheLastPriority) {
  CBuddyProfile buddy;
  IUserProfile* user = &buddy;  // the answers are seen through the user-profile interface
  const struct {
    std::int32_t status, priority;
    const char16_t* message;
    std::int32_t wantStatus;
    const char16_t* wantMessage;
  } steps[] = {
      {5, -2, u"ignored", -1, u""},  // below the starting priority -1
      {1, 0, u"online", 1, u"online"},    {2, -1, u"lower", 1, u"online"},
      {3, 0, u"same", 3, u"same"},  // the same priority replaces
      {4, 10, u"high", 4, u"high"},       {6, 9, u"below", 4, u"high"},
      {7, INT32_MIN, u"min", 4, u"high"},  // a signed comparison
  };
  for (const auto& s : steps) {
    buddy.SetPresence({static_cast<tagSTATUS>(s.status), u"source", s.priority, s.message});
    EXPECT_EQ(user->getStatus(), s.wantStatus) << s.status;
    EXPECT_EQ(user->getStatusMessage(), s.wantMessage) << s.status;
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
  // No "@": all is kept; a suffix received stays single; the empty identifier gets the suffix.
  CBuddyProfile buddy;
  buddy.setQuilloID(u"Alice");
  buddy.setDomain(2);
  EXPECT_EQ(buddy.getQuilloID(), u"alice" + qo::kYahooTransportSuffix);
  EXPECT_EQ(buddy.GetRealQuilloId(), u"alice");
  buddy.setQuilloID(u"Carol" + qo::kMsnTransportSuffix);
  buddy.setDomain(3);
  EXPECT_EQ(buddy.getQuilloID(), u"carol" + qo::kMsnTransportSuffix);
  buddy.setQuilloID(u"");
  buddy.setDomain(6);
  EXPECT_EQ(buddy.getQuilloID(), qo::kIcqTransportSuffix);
  // Domain 0 passes the flag of the user-profile part through, false included.
  buddy.setQuilloID(u"0123");
  buddy.setDomain(0);
  EXPECT_FALSE(buddy.isUnifiedAccount());
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
