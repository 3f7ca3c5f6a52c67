// The buddy list's lookups by e-mail address and by BLII go through indexes, built at the
// first such lookup and kept from then on. These tests compare every indexed answer with a
// scan of the records in the list's scan order (the order of storing; a replaced record takes
// the last place) over random sequences of adds, replacements, changes made through lent
// records, and removals.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "qodata/buddy_list.h"

namespace {

using qo::String;

// A buddy of a class derived from ours: the list cannot rely on its getters, so it scans such
// records instead of indexing them. It may refuse the buddy-profile view.
class DerivedBuddy : public CBuddyProfile {
 public:
  bool refuseBuddyView = false;
  IBuddyProfile* Copy() override { return new DerivedBuddy(*this); }
  std::int32_t GetDataInterface(tagCONTAINER_DATATYPE code, void** out) override {
    if (refuseBuddyView && code == CONTAINER_BUDDY_PROFILE) return 0;
    return CBuddyProfile::GetDataInterface(code, out);
  }
};

// The prefix and one letter for n (0 to 25).
String Text(const char16_t* prefix, int n) {
  return prefix + String(1, static_cast<char16_t>(u'a' + n));
}

// Small pools, so that keys, addresses and BLII numbers repeat often. Addresses without an "@"
// after their first character are never looked up as addresses, but still stored.
String KeyFor(int n) { return Text(u"buddy", n); }
String EmailFor(int n) {
  if (n % 5 == 0) return Text(u"plain", n);
  if (n % 5 == 1) return Text(u"@lead", n);
  return Text(u"mail", n % 7) + u"@example.org";
}

// The list as a test sees it: the keys in the scan order the list promises, kept by hand.
struct Model {
  CBuddyList list;
  IBuddyList* Buddies() { return &list; }
  std::vector<String> order;

  void Stored(const String& key) {
    std::erase(order, key);
    order.push_back(key);
  }
  // The record under a key the model holds; a key the list lost is a failure, not a crash.
  IBuddyProfile* Record(const String& key) {
    if (IBuddyProfile* record = Buddies()->getBuddyProfileRecord(key)) return record;
    ADD_FAILURE() << "a stored key is missing";
    static CBuddyProfile placeholder;
    return &placeholder;
  }
  // The place of the first record in scan order that matches (order.size() for none). With
  // `confirm`, a record that refuses the buddy-profile view ends the scan, as the interface
  // lookup by BLII does.
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

// Every address and BLII of the pools answers as a scan does; the lists handed out follow the
// scan order.
void ExpectAgreement(Model& model) {
  ASSERT_EQ(model.Buddies()->size(), static_cast<std::int32_t>(model.order.size()));
  for (int n = 0; n < 10; ++n) {
    const String address = EmailFor(n);  // no key looks like an address
    const bool shaped = address.find(u'@') != String::npos && address.find(u'@') > 0;
    IBuddyProfile* scanned =
        model.Found(model.Scan([&](IBuddyProfile* r) { return r->getEmail() == address; }));
    EXPECT_EQ(model.Buddies()->getBuddyProfileRecord(address), shaped ? scanned : nullptr);
  }
  for (std::int32_t blii = -2; blii < 6; ++blii) {
    EXPECT_EQ(model.Buddies()->getBuddyProfileRecord(blii),
              model.Found(model.Scan(model.HasBlii(blii), true)));
    EXPECT_EQ(model.list.getBuddyRecord(blii),
              dynamic_cast<CBuddyProfile*>(model.Found(model.Scan(model.HasBlii(blii)))));
  }
  std::vector<IBuddyProfile*> copies;
  model.Buddies()->getList(copies);
  ASSERT_EQ(copies.size(), model.order.size());
  for (std::size_t i = 0; i < copies.size(); ++i) {
    EXPECT_EQ(copies[i]->getEmail(), model.Record(model.order[i])->getEmail());
    EXPECT_EQ(copies[i]->getBlii(), model.Record(model.order[i])->getBlii());
  }
  model.Buddies()->clearCopyOfList(copies);
}

// With `withDerived`, a quarter of the buddies added are of a derived class (scanned, not
// indexed), and some of those refuse the buddy-profile view.
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
    // A copy is indexed on its own: the changes made through the original's records later
    // never disturb its answers.
    if (step == 300) ExpectAgreement(twin.emplace(model));
    const int action = pick(10);
    if (action < 3 || model.order.empty()) {  // an add, now and then replacing a record
      DerivedBuddy derived;
      CBuddyProfile plain;
      CBuddyProfile& source = withDerived && pick(4) == 0 ? derived : plain;
      derived.refuseBuddyView = pick(8) == 0;
      source.setQuilloID(KeyFor(pick(25)));
      fill(source);
      ASSERT_EQ(model.Buddies()->addBuddyRecord(&source), 1);
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
        if (pick(2) == 0) {
          record->setEmail(request[u"EMAIL"]);
        } else {
          record->SetProfileRqst(request, 1);
        }
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
        ASSERT_EQ(model.Buddies()->removeBuddyRecord(key), 1);
        std::erase(model.order, key);
        lent->setBLII(pick(6) - 1);
        lent->setDomain(0);
        break;
      case 8: {  // removal by BLII takes the first record in scan order with that BLII
        const std::int32_t blii = pick(7) - 2;
        const std::size_t first = model.Scan(model.HasBlii(blii));
        const bool any = first < model.order.size();
        ASSERT_EQ(model.Buddies()->removeBuddyRecord(blii), any ? 1 : 0);
        if (any) model.order.erase(model.order.begin() + static_cast<std::ptrdiff_t>(first));
        break;
      }
      default: {  // an update by key stores a copy under that key, in the last place
        CBuddyProfile replacement;
        fill(replacement);
        ASSERT_EQ(model.Buddies()->updateBuddyRecord(key, &replacement), 1);
        model.Stored(key);
        break;
      }
    }
    // The indexes are built at the first lookup by address or BLII: the first steps run
    // without lookups, so that they are built from records already changed and removed.
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
