// The buddy list: records kept as copies under their keys, updates, lookups and handed-out copies.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "qodata/buddy_list.h"

namespace {

using qo::String;
using Pairs = std::vector<std::pair<String, String>>;

// A buddy that counts its live objects and can refuse interfaces; its copies are probes too.
// The list scans records of a derived class instead of indexing them.
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
  ProbeBuddy* Email(const char16_t* email) { return setEmail(email), this; }
  ProbeBuddy* Blii(std::int32_t blii) { return setBLII(blii), this; }
};

ProbeBuddy* Buddy(const String& id, const char16_t* screenName = u"", std::int32_t domain = 0) {
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
  String Name(const String& key) {
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
  // The list took no holder of the caller's objects, and the first record is gone.
  EXPECT_EQ(second->HolderCount(), 1u);
  EXPECT_EQ(ProbeBuddy::live, liveAtStart_ + 3);
  second->setScreenName(u"changed");  // changing or releasing the caller's profile: no effect
  first->Release();
  second->Release();
  EXPECT_EQ(Name(u"alice"), u"second");

  // Keys (a transport buddy's is suffixed) and e-mail addresses compare exactly; a key wins.
  Add(Buddy(u"bob", u"", 2));
  Add(Buddy(u"carol")->Email(u"Carol@Mail.example"));
  Add(Buddy(u"eve")->Email(u"dave@host"));
  Add(Buddy(u"dave@host"));
  const Pairs lookups = {{u"Carol@Mail.example", u"carol"},
                         {u"carol@mail.example", u""},
                         {u"dave@host", u"dave@host"},
                         {u"bob@TRANSPORT_yahoo.com", u"bob@TRANSPORT_yahoo.com"},
                         {u"bob", u""},
                         {u"ALICE", u""},
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
  // Our decision: the interface update with two profiles answers 0 and changes nothing.
  ProbeBuddy* oldOne = Buddy(u"alice");
  ProbeBuddy* newer = Buddy(u"carl", u"newer");
  ProbeBuddy* missing = Buddy(u"nobody");
  EXPECT_EQ(list_->updateBuddyRecord(oldOne, newer), 0);
  EXPECT_EQ(list_->updateBuddyRecord(missing, newer), 0);
  EXPECT_EQ(list_->size(), 1);

  // Class updates store under the key whether or not one was there.
  concrete_.updateBuddyRecord(u"fresh", *incoming);
  concrete_.updateBuddyRecord(*missing, *newer);
  concrete_.updateBuddyRecord(*oldOne, *incoming);
  concrete_.addBuddyRecord(*newer);
  EXPECT_EQ(list_->size(), 4);
  for (auto [key, name] :
       Pairs{{u"fresh", u"new"}, {u"nobody", u"newer"}, {u"alice", u"new"}, {u"carl", u"newer"}}) {
    EXPECT_EQ(Name(key), name) << testing::PrintToString(key);
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
  // Copies are appended; nulls are skipped when clearing; groups match exactly.
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

  // Our decision: the class clearCopyOfList releases, so a copy the caller shared stays alive.
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
  for (const char16_t* id : {u"a", u"b"}) Add(Buddy(id));
  CBuddyProfile plain;  // filed in the indexes, which go with the records
  plain.setQuilloID(u"c");
  plain.setBLII(3);
  concrete_.addBuddyRecord(plain);
  ASSERT_NE(list_->getBuddyProfileRecord(3), nullptr);
  // A caller that took a holder of a lent record keeps it alive past the list's release.
  IBuddyProfile* kept = list_->getBuddyProfileRecord(u"b");
  kept->AddRef();
  list_->clearList();
  EXPECT_EQ(list_->size(), 0);
  EXPECT_EQ(ProbeBuddy::live, liveAtStart_ + 1);
  EXPECT_EQ(kept->getQuilloID(), u"b");
  kept->Release();
  Add(Buddy(u"again"));  // usable again, and clearing twice is harmless
  plain.setQuilloID(u"filed again, under a key too long to reuse the old record's block");
  concrete_.addBuddyRecord(plain);
  EXPECT_EQ(IdOf(list_->getBuddyProfileRecord(3)), plain.getQuilloID());
  list_->clearList();
  list_->clearList();
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

// --- The indexes ----------------------------------------------------------------------------
// The lookups by address and BLII use indexes, built at the first such lookup: every answer is
// compared with a scan in scan order (of storing) over random sequences of changes.

// The prefix and one letter for n (0 to 25).
String Text(const char16_t* prefix, int n) {
  return prefix + String(1, static_cast<char16_t>(u'a' + n));
}

// Small pools, so that values repeat; an address without an "@" after its first character is
// stored but never looked up.
String KeyFor(int n) { return Text(u"buddy", n); }
String EmailFor(int n) {
  if (n % 5 == 0) return Text(u"plain", n);
  if (n % 5 == 1) return Text(u"@lead", n);
  return Text(u"mail", n % 7) + u"@example.org";
}

// The list as a test sees it: the keys in the scan order the list promises, kept by hand.
struct Model {
  CBuddyList list;
  std::vector<String> order;

  void Stored(const String& key) {
    std::erase(order, key);
    order.push_back(key);
  }
  // The record under a key the model holds; a key the list lost is a failure, not a crash.
  IBuddyProfile* Record(const String& key) {
    if (IBuddyProfile* record = list.getBuddyProfileRecord(key)) return record;
    ADD_FAILURE() << "a stored key is missing";
    static CBuddyProfile placeholder;
    return &placeholder;
  }
  // The place of the first match (order.size(): none); with `confirm`, a record that refuses
  // the buddy-profile view ends the scan, as the interface lookup by BLII does.
  std::size_t Scan(const std::function<bool(IBuddyProfile*)>& matches, bool confirm = false) {
    for (std::size_t i = 0; i < order.size(); ++i) {
      IBuddyProfile* record = Record(order[i]);
      void* view = nullptr;
      if (confirm && record->GetDataInterface(CONTAINER_BUDDY_PROFILE, &view) == 0) break;
      if (view != nullptr) static_cast<IBuddyProfile*>(view)->Release();
      if (matches(record)) return i;
    }
    return order.size();
  }
  IBuddyProfile* Found(std::size_t place) {
    return place < order.size() ? Record(order[place]) : nullptr;
  }
  std::function<bool(IBuddyProfile*)> HasBlii(std::int32_t blii) {
    return [blii](IBuddyProfile* record) { return record->getBlii() == blii; };
  }
};

// Every address and BLII answers as a scan does; handed-out lists follow the scan order.
void ExpectAgreement(Model& model) {
  ASSERT_EQ(model.list.size(), static_cast<std::int32_t>(model.order.size()));
  for (int n = 0; n < 10; ++n) {
    const String address = EmailFor(n);  // no key looks like an address
    const bool shaped = address.find(u'@') != String::npos && address.find(u'@') > 0;
    IBuddyProfile* scanned =
        model.Found(model.Scan([&](IBuddyProfile* r) { return r->getEmail() == address; }));
    EXPECT_EQ(model.list.getBuddyProfileRecord(address), shaped ? scanned : nullptr);
  }
  for (std::int32_t blii = -2; blii < 6; ++blii) {
    EXPECT_EQ(model.list.getBuddyProfileRecord(blii),
              model.Found(model.Scan(model.HasBlii(blii), true)));
    EXPECT_EQ(model.list.getBuddyRecord(blii),
              dynamic_cast<CBuddyProfile*>(model.Found(model.Scan(model.HasBlii(blii)))));
  }
  std::vector<IBuddyProfile*> copies;
  model.list.getList(copies);
  ASSERT_EQ(copies.size(), model.order.size());
  for (std::size_t i = 0; i < copies.size(); ++i) {
    EXPECT_EQ(copies[i]->getEmail(), model.Record(model.order[i])->getEmail());
    EXPECT_EQ(copies[i]->getBlii(), model.Record(model.order[i])->getBlii());
  }
  model.list.clearCopyOfList(copies);
}

// With `withDerived`, a quarter of the buddies added are probes (scanned, not indexed).
void RunRandomSequence(unsigned seed, bool withDerived) {
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 random(seed);
  auto pick = [&](int below) { return static_cast<int>(random() % static_cast<unsigned>(below)); };
  // New indexed values; now and then another domain code (a transport network's gives BLII -1).
  auto fill = [&](CBuddyProfile& buddy) {
    buddy.setEmail(EmailFor(pick(10)));
    buddy.setBLII(pick(6) - 1);
    buddy.setDomain(pick(5) == 0 ? pick(9) : 0);
  };
  Model model;
  std::optional<Model> twin;
  for (int step = 0; step < 600; ++step) {
    SCOPED_TRACE("step " + std::to_string(step));
    // A copy is indexed on its own: later changes to the original's records never reach it.
    if (step == 300) ExpectAgreement(twin.emplace(model));
    const int action = pick(10);
    if (action < 3 || model.order.empty()) {  // an add, now and then replacing a record
      ProbeBuddy derived;
      CBuddyProfile plain;
      CBuddyProfile& source = withDerived && pick(4) == 0 ? derived : plain;
      derived.refuseBuddyView = pick(8) == 0;
      source.setQuilloID(KeyFor(pick(25)));
      fill(source);
      ASSERT_EQ(model.list.addBuddyRecord(&source), 1);
      model.Stored(source.getQuilloID());
      continue;
    }
    const String key =
        model.order[static_cast<std::size_t>(pick(static_cast<int>(model.order.size())))];
    IBuddyProfile* lent = model.Record(key);
    qo::Held<IBuddyProfile> kept;  // a removed record kept alive until the lookups are done
    switch (action) {
      case 3: {  // a new address through a lent record: set, or applied by a profile request
        CBuddyProfile* record = model.list.getBuddyRecord(key);
        qo::StringMap request{{u"EMAIL", EmailFor(pick(10))}};
        pick(2) == 0 ? record->setEmail(request[u"EMAIL"]) : record->SetProfileRqst(request, 1);
        break;
      }
      case 4:
        lent->setBLII(pick(6) - 1);
        break;
      case 5:
        lent->setDomain(pick(9));
        break;
      case 6: {  // assignment onto a lent record, through the class
        CBuddyProfile other;
        fill(other);
        if (CBuddyProfile* record = model.list.getBuddyRecord(key)) *record = other;
        break;
      }
      case 7:  // a record changed after its removal no longer counts
        kept = qo::Held<IBuddyProfile>::Share(lent);
        ASSERT_EQ(model.list.removeBuddyRecord(key), 1);
        std::erase(model.order, key);
        lent->setBLII(pick(6) - 1);
        lent->setDomain(0);
        break;
      case 8: {  // removal by BLII takes the first record in scan order with that BLII
        const std::int32_t blii = pick(7) - 2;
        const std::size_t first = model.Scan(model.HasBlii(blii));
        const bool any = first < model.order.size();
        ASSERT_EQ(model.list.removeBuddyRecord(blii), any ? 1 : 0);
        if (any) model.order.erase(model.order.begin() + static_cast<std::ptrdiff_t>(first));
        break;
      }
      default: {  // an update by key stores a copy under that key, in the last place
        CBuddyProfile replacement;
        fill(replacement);
        ASSERT_EQ(model.list.updateBuddyRecord(key, &replacement), 1);
        model.Stored(key);
        break;
      }
    }
    // No lookups at first, so the indexes are built from records already changed and removed.
    if (step >= 40) ExpectAgreement(model);
    if (::testing::Test::HasFatalFailure()) return;
  }
  ExpectAgreement(*twin);
}

TEST(BuddyListIndexTest, IndexedLookupsAgreeWithScansOverRandomSequences) {
  for (unsigned seed = 1; seed <= 6; ++seed) RunRandomSequence(seed, false);
  for (unsigned seed = 11; seed <= 16; ++seed) RunRandomSequence(seed, true);
}

}  // namespace
