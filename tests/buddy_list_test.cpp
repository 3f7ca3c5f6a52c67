// The buddy list: records kept as copies under their keys, the interface and class updates,
// the lookups by key, e-mail address and BLII, and the copies it hands out.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "contacts/transport_suffix.h"
#include "qodata/buddy_list.h"

namespace {

// A buddy that counts the live objects of its kind and can refuse interfaces. Its Copy makes
// another ProbeBuddy, so records stored from it are probes too and their releases are seen.
class ProbeBuddy : public CBuddyProfile {
 public:
  static inline int live = 0;
  static inline int copies = 0;

  bool refuseUserView = false;
  bool refuseBuddyView = false;
  bool copyGivesNull = false;

  ProbeBuddy() { ++live; }
  ProbeBuddy(const ProbeBuddy& other)
      : CBuddyProfile(other),
        refuseUserView(other.refuseUserView),
        refuseBuddyView(other.refuseBuddyView),
        copyGivesNull(other.copyGivesNull) {
    ++live;
  }
  ~ProbeBuddy() override { --live; }

  std::int32_t GetDataInterface(tagCONTAINER_DATATYPE code, void** out) override {
    if (refuseUserView && code == CONTAINER_USER_PROFILE) return 0;
    if (refuseBuddyView && code == CONTAINER_BUDDY_PROFILE) return 0;
    return CBuddyProfile::GetDataInterface(code, out);
  }
  IBuddyProfile* Copy() override {
    if (copyGivesNull) return nullptr;
    ++copies;
    return new ProbeBuddy(*this);
  }
};

ProbeBuddy* Buddy(const char16_t* id, const char16_t* screenName = u"", std::int32_t domain = 0) {
  auto* buddy = new ProbeBuddy();
  buddy->setQuilloID(id);
  buddy->setScreenName(screenName);
  buddy->setDomain(domain);
  return buddy;
}

// Adds a new probe and gives back the caller's reference, as a client does.
void Add(IBuddyList* list, ProbeBuddy* buddy) {
  EXPECT_EQ(list->addBuddyRecord(buddy), 1);
  buddy->Release();
}

class BuddyListTest : public ::testing::Test {
 protected:
  void SetUp() override { liveAtStart_ = ProbeBuddy::live; }
  void TearDown() override {
    list_->Release();
    // Every record and copy was released exactly once: none alive, none freed twice (ASan).
    EXPECT_EQ(ProbeBuddy::live, liveAtStart_);
  }

  IBuddyList* list_ = new CBuddyList();
  int liveAtStart_ = 0;
};

TEST_F(BuddyListTest, ARecordIsACopyKeptUnderTheBuddysIdentifier) {
  EXPECT_EQ(list_->GetType(), CONTAINER_BUDDY_LIST);
  ProbeBuddy* first = Buddy(u"Alice", u"first");
  ProbeBuddy* second = Buddy(u"alice", u"second");
  EXPECT_EQ(list_->addBuddyRecord(first), 1);
  EXPECT_EQ(list_->addBuddyRecord(second), 1);
  EXPECT_EQ(list_->size(), 1);
  IBuddyProfile* record = list_->getBuddyProfileRecord(u"alice");
  ASSERT_NE(record, nullptr);
  EXPECT_NE(record, static_cast<IBuddyProfile*>(second));
  EXPECT_EQ(record->getScreenName(), u"second");
  // The list took no holder of the caller's objects, and the first record is gone.
  EXPECT_EQ(second->HolderCount(), 1u);
  EXPECT_EQ(ProbeBuddy::live, liveAtStart_ + 3);
  first->Release();
  second->Release();
  // Changing the caller's profile after adding it does not change the record.
  EXPECT_EQ(record->getScreenName(), u"second");

  // A transport buddy is keyed by its suffixed identifier; the bare one is another key.
  Add(list_, Buddy(u"bob", u"", 2));
  EXPECT_NE(list_->getBuddyProfileRecord(u"bob" + qo::kYahooTransportSuffix), nullptr);
  EXPECT_EQ(list_->getBuddyProfileRecord(u"bob"), nullptr);
  // Keys compare exactly: the stored key is lower case, so other letter case misses.
  EXPECT_EQ(list_->getBuddyProfileRecord(u"ALICE"), nullptr);
  EXPECT_EQ(list_->size(), 2);
}

TEST_F(BuddyListTest, RefusedProfilesLeaveTheListUnchanged) {
  Add(list_, Buddy(u"alice", u"kept"));
  EXPECT_EQ(list_->addBuddyRecord(nullptr), 0);
  ProbeBuddy* noView = Buddy(u"alice", u"no view");
  noView->refuseUserView = true;
  EXPECT_EQ(list_->addBuddyRecord(noView), 0);
  ProbeBuddy* noCopy = Buddy(u"alice", u"no copy");
  noCopy->copyGivesNull = true;
  EXPECT_EQ(list_->addBuddyRecord(noCopy), 0);
  EXPECT_EQ(list_->size(), 1);
  EXPECT_EQ(list_->getBuddyProfileRecord(u"alice")->getScreenName(), u"kept");
  // The holder taken for the key was given back.
  EXPECT_EQ(noCopy->HolderCount(), 1u);
  noView->Release();
  noCopy->Release();
}

TEST_F(BuddyListTest, PassingTheListsOwnRecordIsSafe) {
  Add(list_, Buddy(u"alice", u"own"));
  IBuddyProfile* record = list_->getBuddyProfileRecord(u"alice");
  EXPECT_EQ(list_->addBuddyRecord(record), 1);
  record = list_->getBuddyProfileRecord(u"alice");
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->getScreenName(), u"own");
  EXPECT_EQ(list_->updateBuddyRecord(u"alice", record), 1);
  record = list_->getBuddyProfileRecord(u"alice");
  EXPECT_EQ(record->getScreenName(), u"own");
  EXPECT_EQ(list_->updateBuddyRecord(record, record), 1);
  EXPECT_EQ(list_->getBuddyProfileRecord(u"alice")->getScreenName(), u"own");
  EXPECT_EQ(list_->size(), 1);

  auto& concrete = static_cast<CBuddyList&>(*list_);
  CBuddyProfile* own = concrete.getBuddyRecord(u"alice");
  ASSERT_NE(own, nullptr);
  concrete.updateBuddyRecord(u"alice", *own);
  concrete.addBuddyRecord(*concrete.getBuddyRecord(u"alice"));
  EXPECT_EQ(concrete.getBuddyRecord(u"alice")->getScreenName(), u"own");
  EXPECT_EQ(list_->size(), 1);
}

TEST_F(BuddyListTest, EmailFallbackNeedsAnAtAfterTheFirstCharacterAndExactCase) {
  ProbeBuddy* carol = Buddy(u"carol");
  carol->setEmail(u"Carol@Mail.example");
  Add(list_, carol);
  ProbeBuddy* odd = Buddy(u"odd");
  odd->setEmail(u"@odd.example");
  Add(list_, odd);
  ProbeBuddy* plain = Buddy(u"plain");
  plain->setEmail(u"noatsign");
  Add(list_, plain);

  IBuddyProfile* found = list_->getBuddyProfileRecord(u"Carol@Mail.example");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->getQuilloID(), u"carol");
  EXPECT_EQ(list_->getBuddyProfileRecord(u"carol@mail.example"), nullptr);
  // An "@" first, even with another later, is no address: the e-mail addresses are not read.
  EXPECT_EQ(list_->getBuddyProfileRecord(u"@odd.example"), nullptr);
  EXPECT_EQ(list_->getBuddyProfileRecord(u"@Carol@Mail.example"), nullptr);
  // Without an "@" there is no fallback either.
  EXPECT_EQ(list_->getBuddyProfileRecord(u"noatsign"), nullptr);
  EXPECT_EQ(list_->getBuddyProfileRecord(u""), nullptr);
  // The key wins over an e-mail address.
  ProbeBuddy* keyed = Buddy(u"dave@host");
  Add(list_, keyed);
  EXPECT_EQ(list_->getBuddyProfileRecord(u"dave@host")->getQuilloID(), u"dave@host");
  EXPECT_EQ(list_->size(), 4);
}

TEST_F(BuddyListTest, BliiLookupsScanTheRecords) {
  ProbeBuddy* native = Buddy(u"native");
  native->setBLII(7);
  Add(list_, native);
  ProbeBuddy* yahoo = Buddy(u"yahoo", u"", 2);
  yahoo->setBLII(8);  // answers -1 on a transport network
  Add(list_, yahoo);

  IBuddyProfile* found = list_->getBuddyProfileRecord(7);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->getQuilloID(), u"native");
  EXPECT_EQ(list_->getBuddyProfileRecord(8), nullptr);
  ASSERT_NE(list_->getBuddyProfileRecord(-1), nullptr);
  EXPECT_EQ(list_->getBuddyProfileRecord(-1)->getDomain(), 2);
  EXPECT_EQ(list_->getBuddyProfileRecord(99), nullptr);

  auto& concrete = static_cast<CBuddyList&>(*list_);
  EXPECT_EQ(concrete.getBuddyRecord(7), concrete.getBuddyRecord(u"native"));
  EXPECT_EQ(concrete.getBuddyRecord(99), nullptr);

  EXPECT_EQ(list_->removeBuddyRecord(99), 0);
  EXPECT_EQ(list_->removeBuddyRecord(u"absent"), 0);
  EXPECT_EQ(list_->size(), 2);
  EXPECT_EQ(list_->removeBuddyRecord(-1), 1);
  EXPECT_EQ(list_->size(), 1);
  EXPECT_EQ(list_->removeBuddyRecord(u"native"), 1);
  EXPECT_EQ(list_->size(), 0);
  EXPECT_EQ(ProbeBuddy::live, liveAtStart_);
}

TEST_F(BuddyListTest, ARecordThatIsNoBuddyEndsTheBliiScan) {
  ProbeBuddy* stranger = Buddy(u"stranger");
  stranger->setBLII(5);
  stranger->refuseBuddyView = true;
  Add(list_, stranger);
  EXPECT_EQ(list_->getBuddyProfileRecord(5), nullptr);
  // The refused query took no holder.
  EXPECT_EQ(static_cast<CBuddyList&>(*list_).getBuddyRecord(u"stranger")->HolderCount(), 1u);
}

TEST_F(BuddyListTest, InterfaceUpdatesChangeOnlyWhatIsThereClassUpdatesAlwaysStore) {
  Add(list_, Buddy(u"alice", u"old"));
  ProbeBuddy* incoming = Buddy(u"somebody else", u"new");

  // Interface update by key.
  EXPECT_EQ(list_->updateBuddyRecord(u"absent", incoming), 0);
  EXPECT_EQ(list_->size(), 1);
  EXPECT_EQ(list_->updateBuddyRecord(u"alice", nullptr), 0);
  EXPECT_EQ(list_->updateBuddyRecord(u"alice", incoming), 1);
  EXPECT_EQ(list_->size(), 1);
  IBuddyProfile* record = list_->getBuddyProfileRecord(u"alice");  // the key stays
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->getScreenName(), u"new");
  EXPECT_EQ(record->getQuilloID(), u"somebody else");
  EXPECT_EQ(list_->getBuddyProfileRecord(u"somebody else"), nullptr);

  // Our decision for the interface update with two profiles: replace under the old one's
  // identifier when that key is there; otherwise (or for null) store nothing and answer 0.
  ProbeBuddy* oldOne = Buddy(u"alice");
  ProbeBuddy* newer = Buddy(u"carl", u"newer");
  ProbeBuddy* missing = Buddy(u"nobody");
  EXPECT_EQ(list_->updateBuddyRecord(oldOne, newer), 1);
  EXPECT_EQ(list_->getBuddyProfileRecord(u"alice")->getScreenName(), u"newer");
  EXPECT_EQ(list_->updateBuddyRecord(missing, newer), 0);
  EXPECT_EQ(list_->updateBuddyRecord(nullptr, newer), 0);
  EXPECT_EQ(list_->updateBuddyRecord(oldOne, nullptr), 0);
  EXPECT_EQ(list_->size(), 1);

  // Class updates leave a record under the key whether or not one was there.
  auto& concrete = static_cast<CBuddyList&>(*list_);
  concrete.updateBuddyRecord(u"fresh", *incoming);
  EXPECT_EQ(list_->size(), 2);
  ASSERT_NE(concrete.getBuddyRecord(u"fresh"), nullptr);
  EXPECT_EQ(concrete.getBuddyRecord(u"fresh")->getScreenName(), u"new");
  concrete.updateBuddyRecord(*missing, *newer);
  EXPECT_EQ(list_->size(), 3);
  EXPECT_EQ(concrete.getBuddyRecord(u"nobody")->getScreenName(), u"newer");
  concrete.updateBuddyRecord(*oldOne, *incoming);
  EXPECT_EQ(list_->size(), 3);
  EXPECT_EQ(concrete.getBuddyRecord(u"alice")->getScreenName(), u"new");
  // The class add keys by the profile's identifier.
  concrete.addBuddyRecord(*newer);
  EXPECT_EQ(concrete.getBuddyRecord(u"carl")->getScreenName(), u"newer");
  EXPECT_EQ(list_->size(), 4);

  for (ProbeBuddy* own : {incoming, oldOne, newer, missing}) own->Release();
}

TEST_F(BuddyListTest, HandedOutListsHoldCopiesTheCallerGivesBack) {
  ProbeBuddy* friendA = Buddy(u"a");
  friendA->SetGroupName(u"Friends");
  Add(list_, friendA);
  ProbeBuddy* friendB = Buddy(u"b");
  friendB->SetGroupName(u"friends");
  Add(list_, friendB);
  ProbeBuddy* worker = Buddy(u"c");
  worker->SetGroupName(u"Work");
  Add(list_, worker);
  Add(list_, Buddy(u"d"));  // no group
  const int records = ProbeBuddy::live;

  // Elements already in the list stay in front; null ones are skipped when clearing.
  IBuddyProfile* earlier = list_->getBuddyProfileRecord(u"a")->Copy();
  std::vector<IBuddyProfile*> copies = {nullptr, earlier};
  EXPECT_EQ(list_->getList(copies), 4);
  ASSERT_EQ(copies.size(), 6u);
  EXPECT_EQ(copies[1], earlier);
  std::set<qo::String> ids;
  for (std::size_t i = 2; i < copies.size(); ++i) {
    ids.insert(copies[i]->getQuilloID());
    EXPECT_NE(copies[i], list_->getBuddyProfileRecord(copies[i]->getQuilloID()));
    EXPECT_EQ(static_cast<CBuddyProfile*>(copies[i])->HolderCount(), 1u);
  }
  EXPECT_EQ(ids, (std::set<qo::String>{u"a", u"b", u"c", u"d"}));  // each record once

  EXPECT_EQ(list_->GetList(u"Friends", copies), 1);
  EXPECT_EQ(copies.back()->getQuilloID(), u"a");
  EXPECT_EQ(list_->GetList(u"", copies), 1);
  EXPECT_EQ(copies.back()->getQuilloID(), u"d");
  EXPECT_EQ(list_->GetList(u"Nobody", copies), 0);
  EXPECT_EQ(copies.size(), 8u);
  EXPECT_EQ(ProbeBuddy::live, records + 7);

  list_->clearCopyOfList(copies);
  EXPECT_TRUE(copies.empty());
  EXPECT_EQ(ProbeBuddy::live, records);
  EXPECT_EQ(list_->size(), 4);

  // The class getList hands out CBuddyProfile copies; its clearCopyOfList gives back one
  // holder each (our decision), so a copy the caller shared stays alive.
  auto& concrete = static_cast<CBuddyList&>(*list_);
  std::vector<CBuddyProfile*> concreteCopies = {nullptr};
  EXPECT_EQ(concrete.getList(concreteCopies), 4);
  ASSERT_EQ(concreteCopies.size(), 5u);
  CBuddyProfile* shared = concreteCopies[1];
  shared->AddRef();
  concrete.clearCopyOfList(concreteCopies);
  EXPECT_TRUE(concreteCopies.empty());
  EXPECT_EQ(shared->HolderCount(), 1u);
  shared->Release();
}

TEST_F(BuddyListTest, SortAndSearchChangeNothing) {
  for (const char16_t* id : {u"a", u"b", u"c"}) Add(list_, Buddy(id));
  std::vector<IBuddyProfile*> before;
  for (const char16_t* id : {u"a", u"b", u"c"}) before.push_back(list_->getBuddyProfileRecord(id));
  std::vector<IBuddyProfile*> orderBefore;
  list_->getList(orderBefore);

  EXPECT_EQ(list_->sort(0, true), 0);
  EXPECT_EQ(list_->sort(-5, false), 0);
  std::vector<IBuddyProfile*> results = {nullptr};
  EXPECT_EQ(list_->search(u"a", u"b", 3, static_cast<tagGENDER>(1), results), 0);
  EXPECT_EQ(results, (std::vector<IBuddyProfile*>{nullptr}));
  std::vector<CBuddyProfile> concreteResults;
  EXPECT_EQ(static_cast<CBuddyList&>(*list_).search(u"a", u"", 0, static_cast<tagGENDER>(0),
                                                    concreteResults),
            0);
  EXPECT_TRUE(concreteResults.empty());

  std::vector<IBuddyProfile*> after;
  for (const char16_t* id : {u"a", u"b", u"c"}) after.push_back(list_->getBuddyProfileRecord(id));
  EXPECT_EQ(before, after);
  std::vector<IBuddyProfile*> orderAfter;
  list_->getList(orderAfter);
  ASSERT_EQ(orderAfter.size(), orderBefore.size());
  for (std::size_t i = 0; i < orderAfter.size(); ++i) {
    EXPECT_EQ(orderAfter[i]->getQuilloID(), orderBefore[i]->getQuilloID());
  }
  list_->clearCopyOfList(orderBefore);
  list_->clearCopyOfList(orderAfter);
}

TEST_F(BuddyListTest, ClearingReleasesRecordsNotTheirOtherHolders) {
  for (const char16_t* id : {u"a", u"b", u"c"}) Add(list_, Buddy(id));
  // A caller that took a holder of a lent record keeps it alive past the list's release.
  IBuddyProfile* kept = list_->getBuddyProfileRecord(u"b");
  kept->AddRef();
  list_->clearList();
  EXPECT_EQ(list_->size(), 0);
  EXPECT_EQ(ProbeBuddy::live, liveAtStart_ + 1);
  EXPECT_EQ(kept->getQuilloID(), u"b");
  kept->Release();
  Add(list_, Buddy(u"again"));
  EXPECT_EQ(list_->size(), 1);
  list_->clearList();
  list_->clearList();
  EXPECT_EQ(list_->size(), 0);
}

TEST_F(BuddyListTest, AssignmentAndCloneReplaceWithCopies) {
  CBuddyList source;
  for (const char16_t* id : {u"a", u"b", u"c"}) {
    ProbeBuddy* buddy = Buddy(id);
    source.addBuddyRecord(static_cast<IBuddyProfile*>(buddy));
    buddy->Release();
  }
  for (const char16_t* id : {u"v", u"w", u"x", u"y", u"z"}) Add(list_, Buddy(id));
  list_->AddRef();
  auto& target = static_cast<CBuddyList&>(*list_);
  EXPECT_EQ(ProbeBuddy::live, liveAtStart_ + 8);

  EXPECT_EQ(&(target = source), &target);
  EXPECT_EQ(target.size(), 3);
  EXPECT_EQ(target.HolderCount(), 2u);
  EXPECT_EQ(ProbeBuddy::live, liveAtStart_ + 6);  // the five former records are gone
  for (const char16_t* id : {u"a", u"b", u"c"}) {
    ASSERT_NE(target.getBuddyProfileRecord(id), nullptr);
    EXPECT_NE(target.getBuddyProfileRecord(id), source.getBuddyProfileRecord(id));
  }
  EXPECT_EQ(target.getBuddyProfileRecord(u"v"), nullptr);

  // Self-assignment keeps equal records; operator& does what assignment does.
  const CBuddyList& sameTarget = target;
  target = sameTarget;
  EXPECT_EQ(target.size(), 3);
  CBuddyList other;
  EXPECT_EQ(&(other & source), &other);
  EXPECT_EQ(other.size(), 3);

  // Clone: a new list with one holder and copies of its own under the same keys.
  auto* clone = static_cast<IBuddyList*>(source.Clone());
  EXPECT_EQ(static_cast<CBuddyList*>(clone)->HolderCount(), 1u);
  EXPECT_EQ(clone->size(), 3);
  EXPECT_NE(clone->getBuddyProfileRecord(u"a"), source.getBuddyProfileRecord(u"a"));
  CBuddyList constructed(source);
  EXPECT_EQ(constructed.size(), 3);
  EXPECT_EQ(constructed.HolderCount(), 1u);
  clone->Release();

  // The list answers its own code only.
  void* out = nullptr;
  EXPECT_EQ(list_->GetDataInterface(CONTAINER_BUDDY_PROFILE, &out), 0);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(list_->GetDataInterface(CONTAINER_BUDDY_LIST, &out), 1);
  EXPECT_EQ(out, static_cast<void*>(list_));
  list_->Release();
  list_->Release();
}

}  // namespace
