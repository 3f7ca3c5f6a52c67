// The buddy list: records kept as copies under their keys, the interface and class updates,
// the lookups by key, e-mail address and BLII, and the copies it hands out.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "contacts/transport_suffix.h"
#include "qodata/buddy_list.h"

namespace {

using qo::String;
using Pairs = std::vector<std::pair<const char16_t*, const char16_t*>>;

// A buddy that counts the live objects of its kind and can refuse interfaces. Its Copy makes
// another ProbeBuddy, so records stored from it are probes too and their releases are seen.
class ProbeBuddy : public CBuddyProfile {
 public:
  static inline int live = 0;
  struct Counted {
    Counted() { ++live; }
    Counted(const Counted&) { ++live; }
    ~Counted() { --live; }
  } counted;
  bool refuseUserView = false, refuseBuddyView = false, copyGivesNull = false;

  std::int32_t GetDataInterface(tagCONTAINER_DATATYPE code, void** out) override {
    if (refuseUserView && code == CONTAINER_USER_PROFILE) return 0;
    if (refuseBuddyView && code == CONTAINER_BUDDY_PROFILE) return 0;
    return CBuddyProfile::GetDataInterface(code, out);
  }
  IBuddyProfile* Copy() override { return copyGivesNull ? nullptr : new ProbeBuddy(*this); }
  // Set-up in one expression.
  ProbeBuddy* Email(const char16_t* email) { return setEmail(email), this; }
  ProbeBuddy* Blii(std::int32_t blii) { return setBLII(blii), this; }
};

ProbeBuddy* Buddy(const char16_t* id, const char16_t* screenName = u"", std::int32_t domain = 0) {
  auto* buddy = new ProbeBuddy();
  buddy->setQuilloID(id);
  buddy->setScreenName(screenName);
  buddy->setDomain(domain);
  return buddy;
}

String IdOf(IBuddyProfile* record) { return record ? record->getQuilloID() : u""; }

class BuddyListTest : public ::testing::Test {
 protected:
  void SetUp() override { liveAtStart_ = ProbeBuddy::live; }
  void TearDown() override {
    list_->Release();
    // Every record and copy was released exactly once: none alive, none freed twice (ASan).
    EXPECT_EQ(ProbeBuddy::live, liveAtStart_);
  }
  // Adds a new probe and gives back the caller's reference, as a client does.
  void Add(ProbeBuddy* buddy) {
    EXPECT_EQ(list_->addBuddyRecord(buddy), 1);
    buddy->Release();
  }
  String Name(const char16_t* key) {
    IBuddyProfile* record = list_->getBuddyProfileRecord(key);
    return record ? record->getScreenName() : u"(none)";
  }

  IBuddyList* list_ = new CBuddyList();
  CBuddyList& concrete_ = static_cast<CBuddyList&>(*list_);
  int liveAtStart_ = 0;
};

TEST_F(BuddyListTest, ARecordIsACopyKeptUnderTheBuddysIdentifier) {
  ProbeBuddy* first = Buddy(u"Alice", u"first");
  ProbeBuddy* second = Buddy(u"alice", u"second");
  EXPECT_EQ(list_->addBuddyRecord(first), 1);
  EXPECT_EQ(list_->addBuddyRecord(second), 1);
  EXPECT_EQ(list_->size(), 1);
  // The list took no holder of the caller's objects, and the first record is gone.
  EXPECT_EQ(second->HolderCount(), 1u);
  EXPECT_EQ(ProbeBuddy::live, liveAtStart_ + 3);
  second->setScreenName(u"changed");  // changing or releasing the caller's profile: no effect
  first->Release();
  second->Release();
  EXPECT_EQ(Name(u"alice"), u"second");

  // A transport buddy is keyed by its suffixed identifier. Keys compare exactly (the stored key
  // is lower case), and so do e-mail addresses; a key wins over an address. The other address
  // rules: buddy_list_index_test.cpp.
  Add(Buddy(u"bob", u"", 2));
  Add(Buddy(u"carol")->Email(u"Carol@Mail.example"));
  Add(Buddy(u"eve")->Email(u"dave@host"));
  Add(Buddy(u"dave@host"));
  const String bob = u"bob" + qo::kYahooTransportSuffix;
  const std::pair<String, String> lookups[] = {{bob, bob},
                                               {u"bob", u""},
                                               {u"ALICE", u""},
                                               {u"Carol@Mail.example", u"carol"},
                                               {u"carol@mail.example", u""},
                                               {u"dave@host", u"dave@host"},
                                               {u"", u""}};
  for (const auto& [query, found] : lookups) {
    EXPECT_EQ(IdOf(list_->getBuddyProfileRecord(query)), found) << testing::PrintToString(query);
  }
}

TEST_F(BuddyListTest, RefusedProfilesAndMissesLeaveTheListUnchanged) {
  Add(Buddy(u"alice", u"kept")->Blii(5));
  // A record that refuses the buddy-profile view ends a lookup by BLII: null.
  ProbeBuddy* stranger = Buddy(u"stranger")->Blii(6);
  stranger->refuseBuddyView = true;
  Add(stranger);
  ProbeBuddy* noView = Buddy(u"alice", u"no view");
  noView->refuseUserView = true;
  ProbeBuddy* noCopy = Buddy(u"alice", u"no copy");
  noCopy->copyGivesNull = true;
  EXPECT_EQ(list_->addBuddyRecord(nullptr), 0);
  EXPECT_EQ(list_->addBuddyRecord(noView), 0);
  EXPECT_EQ(list_->addBuddyRecord(noCopy), 0);
  EXPECT_EQ(list_->updateBuddyRecord(u"alice", noCopy), 0);
  EXPECT_EQ(list_->removeBuddyRecord(99), 0);
  EXPECT_EQ(list_->removeBuddyRecord(u"absent"), 0);
  // The confirming record lends no holder it keeps (TearDown counts the records).
  EXPECT_EQ(IdOf(list_->getBuddyProfileRecord(5)), u"alice");
  EXPECT_EQ(list_->getBuddyProfileRecord(6), nullptr);
  EXPECT_EQ(list_->size(), 2);
  EXPECT_EQ(Name(u"alice"), u"kept");
  EXPECT_EQ(noCopy->HolderCount(), 1u);  // the holder taken for the key was given back
  noView->Release();
  noCopy->Release();
}

// Each call gets the list's own record, which it replaces: the copy must be taken first.
TEST_F(BuddyListTest, PassingTheListsOwnRecordIsSafe) {
  Add(Buddy(u"alice", u"own"));
  auto own = [&] { return list_->getBuddyProfileRecord(u"alice"); };
  const std::function<void()> calls[] = {
      [&] { EXPECT_EQ(list_->addBuddyRecord(own()), 1); },
      [&] { EXPECT_EQ(list_->updateBuddyRecord(u"alice", own()), 1); },
      [&] { concrete_.updateBuddyRecord(u"alice", *concrete_.getBuddyRecord(u"alice")); },
      [&] { concrete_.addBuddyRecord(*concrete_.getBuddyRecord(u"alice")); },
  };
  for (const auto& call : calls) {
    call();
    EXPECT_EQ(Name(u"alice"), u"own");
    EXPECT_EQ(list_->size(), 1);
  }
}

TEST_F(BuddyListTest, InterfaceUpdatesChangeOnlyWhatIsThereClassUpdatesAlwaysStore) {
  Add(Buddy(u"alice", u"old"));
  ProbeBuddy* incoming = Buddy(u"somebody else", u"new");
  // Interface update by key: the record is replaced, the key stays.
  EXPECT_EQ(list_->updateBuddyRecord(u"absent", incoming), 0);
  EXPECT_EQ(list_->updateBuddyRecord(u"alice", nullptr), 0);
  EXPECT_EQ(list_->updateBuddyRecord(u"alice", incoming), 1);
  EXPECT_EQ(IdOf(list_->getBuddyProfileRecord(u"alice")), u"somebody else");
  EXPECT_EQ(list_->getBuddyProfileRecord(u"somebody else"), nullptr);
  // Our decision for the interface update with two profiles: 0, and the list as it was, with
  // the old one's key present or absent.
  ProbeBuddy* oldOne = Buddy(u"alice");
  ProbeBuddy* newer = Buddy(u"carl", u"newer");
  ProbeBuddy* missing = Buddy(u"nobody");
  EXPECT_EQ(list_->updateBuddyRecord(oldOne, newer), 0);
  EXPECT_EQ(list_->updateBuddyRecord(missing, newer), 0);
  EXPECT_EQ(Name(u"alice"), u"new");
  EXPECT_EQ(list_->size(), 1);

  // Class updates leave a record under the key whether or not one was there; the class add
  // keys by the profile's identifier.
  concrete_.updateBuddyRecord(u"fresh", *incoming);
  concrete_.updateBuddyRecord(*missing, *newer);
  concrete_.updateBuddyRecord(*oldOne, *incoming);
  concrete_.addBuddyRecord(*newer);
  EXPECT_EQ(list_->size(), 4);
  for (auto [key, name] :
       Pairs{{u"fresh", u"new"}, {u"nobody", u"newer"}, {u"alice", u"new"}, {u"carl", u"newer"}}) {
    EXPECT_EQ(Name(key), name) << testing::PrintToString(String(key));
  }
  for (ProbeBuddy* own : {incoming, oldOne, newer, missing}) own->Release();
}

TEST_F(BuddyListTest, HandedOutListsHoldCopiesTheCallerGivesBack) {
  for (auto [id, group] :
       Pairs{{u"a", u"Friends"}, {u"b", u"friends"}, {u"c", u"Work"}, {u"d", u""}}) {
    ProbeBuddy* buddy = Buddy(id);
    buddy->SetGroupName(group);
    Add(buddy);
  }
  const int records = ProbeBuddy::live;
  // Elements already in the vector stay in front; null ones are skipped when clearing. The
  // group is matched exactly, the empty one included.
  std::vector<IBuddyProfile*> copies = {nullptr, list_->getBuddyProfileRecord(u"a")->Copy()};
  EXPECT_EQ(list_->getList(copies), 4);
  EXPECT_EQ(list_->GetList(u"Friends", copies), 1);
  EXPECT_EQ(list_->GetList(u"", copies), 1);
  EXPECT_EQ(list_->GetList(u"Nobody", copies), 0);
  std::vector<String> ids;
  for (IBuddyProfile* copy : copies) ids.push_back(IdOf(copy));
  EXPECT_EQ(ids, (std::vector<String>{u"", u"a", u"a", u"b", u"c", u"d", u"a", u"d"}));
  EXPECT_EQ(ProbeBuddy::live, records + 7);  // copies, not the records
  list_->clearCopyOfList(copies);
  EXPECT_TRUE(copies.empty());
  EXPECT_EQ(ProbeBuddy::live, records);

  // The class getList hands out CBuddyProfile copies; its clearCopyOfList gives back one
  // holder each (our decision), so a copy the caller shared stays alive.
  std::vector<CBuddyProfile*> concreteCopies = {nullptr};
  EXPECT_EQ(concrete_.getList(concreteCopies), 4);
  ASSERT_EQ(concreteCopies.size(), 5u);
  CBuddyProfile* shared = concreteCopies[1];
  shared->AddRef();
  concrete_.clearCopyOfList(concreteCopies);
  EXPECT_TRUE(concreteCopies.empty());
  EXPECT_EQ(shared->HolderCount(), 1u);
  shared->Release();
}

// Our decision: sort and search do nothing and answer 0.
TEST_F(BuddyListTest, SortAndSearchChangeNothing) {
  Add(Buddy(u"a"));
  std::vector<IBuddyProfile*> results;
  std::vector<CBuddyProfile> concreteResults;
  EXPECT_EQ(list_->sort(0, true), 0);
  EXPECT_EQ(list_->search(u"a", u"", 0, static_cast<tagGENDER>(1), results), 0);
  EXPECT_EQ(concrete_.search(u"a", u"", 0, static_cast<tagGENDER>(0), concreteResults), 0);
  EXPECT_TRUE(results.empty() && concreteResults.empty());
}

TEST_F(BuddyListTest, ClearingReleasesRecordsNotTheirOtherHolders) {
  for (const char16_t* id : {u"a", u"b", u"c"}) Add(Buddy(id));
  // A caller that took a holder of a lent record keeps it alive past the list's release.
  IBuddyProfile* kept = list_->getBuddyProfileRecord(u"b");
  kept->AddRef();
  list_->clearList();
  EXPECT_EQ(list_->size(), 0);
  EXPECT_EQ(ProbeBuddy::live, liveAtStart_ + 1);
  EXPECT_EQ(kept->getQuilloID(), u"b");
  kept->Release();
  Add(Buddy(u"again"));  // usable again, and clearing twice is harmless
  list_->clearList();
  list_->clearList();
  EXPECT_EQ(list_->size(), 0);
}

TEST_F(BuddyListTest, AssignmentReplacesWithCopies) {
  CBuddyList source;
  for (const char16_t* id : {u"a", u"b", u"c"}) {
    ProbeBuddy* buddy = Buddy(id);
    source.addBuddyRecord(static_cast<IBuddyProfile*>(buddy));
    buddy->Release();
  }
  for (const char16_t* id : {u"v", u"w"}) Add(Buddy(id));
  concrete_ = source;
  // Self-assignment keeps equal records (what copies carry: copies_test.cpp).
  const CBuddyList& same = concrete_;
  concrete_ = same;
  EXPECT_EQ(concrete_.size(), 3);  // v and w replaced, not kept
  for (const char16_t* id : {u"a", u"b", u"c"}) {
    ASSERT_NE(concrete_.getBuddyProfileRecord(id), nullptr);
    EXPECT_NE(concrete_.getBuddyProfileRecord(id), source.getBuddyProfileRecord(id));
  }
  // Our decision: a record that gives no copy is left out of the list's copies.
  static_cast<ProbeBuddy*>(source.getBuddyProfileRecord(u"b"))->copyGivesNull = true;
  CBuddyList partial(source);
  EXPECT_EQ(partial.size(), 2);
  EXPECT_EQ(partial.getBuddyProfileRecord(u"b"), nullptr);
}

}  // namespace
