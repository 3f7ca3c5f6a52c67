// The buddy list's lookups by e-mail address and by BLII go through indexes, built at the
// first such lookup and kept from then on. These tests compare every indexed answer with a
// scan of the records in the list's scan order (the order of storing; a replaced record takes
// the last place) over random sequences of adds, replacements, changes made through lent
// records, and removals.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "qodata/buddy_list.h"

namespace {

using qo::String;

// A buddy of a class derived from ours: the list cannot rely on its getters, so it scans such
// records instead of indexing them. Its getBlii answers as ours does.
class DerivedBuddy : public CBuddyProfile {
 public:
  bool refuseBuddyView = false;
  IBuddyProfile* Copy() override {
    auto* copy = new DerivedBuddy();
    static_cast<CBuddyProfile&>(*copy) = *this;
    copy->refuseBuddyView = refuseBuddyView;
    return copy;
  }
  std::int32_t GetDataInterface(tagCONTAINER_DATATYPE code, void** out) override {
    if (refuseBuddyView && code == CONTAINER_BUDDY_PROFILE) return 0;
    return CBuddyProfile::GetDataInterface(code, out);
  }
};

String Text(const char* prefix, int n) {
  std::string text = prefix + std::to_string(n);
  return String(text.begin(), text.end());
}

// Small pools, so that keys, addresses and BLII numbers repeat often. Addresses without an "@"
// after their first character are never looked up as addresses, but still stored.
String KeyFor(int n) { return Text("buddy", n); }
String EmailFor(int n) {
  switch (n % 5) {
    case 0: return Text("plain", n);
    case 1: return Text("@lead", n);
    default: return Text("mail", n % 7) + u"@example.org";
  }
}

// The list as a test sees it: the keys in the scan order the list promises, kept by hand.
struct Model {
  CBuddyList list;
  std::vector<String> order;

  IBuddyList* Interface() { return &list; }

  void Stored(const String& key) {
    std::erase(order, key);
    order.push_back(key);
  }
  void Removed(const String& key) { std::erase(order, key); }

  // The record under a key the model holds; a key the list lost is a failure, not a crash.
  IBuddyProfile* Record(const String& key) {
    IBuddyProfile* record = Interface()->getBuddyProfileRecord(key);
    if (record == nullptr) {
      ADD_FAILURE() << "a stored key is missing";
      static CBuddyProfile placeholder;
      return &placeholder;
    }
    return record;
  }

  // What a scan in scan order finds.
  IBuddyProfile* ScanEmail(const String& address) {
    for (const String& key : order) {
      if (Record(key)->getEmail() == address) return Record(key);
    }
    return nullptr;
  }
  // With `confirm`, a record that refuses the buddy-profile view ends the scan, as the
  // interface lookup by BLII does.
  IBuddyProfile* ScanBlii(std::int32_t blii, bool confirm) {
    for (const String& key : order) {
      IBuddyProfile* record = Record(key);
      if (confirm) {
        void* view = nullptr;
        if (record->GetDataInterface(CONTAINER_BUDDY_PROFILE, &view) == 0) return nullptr;
        static_cast<IBuddyProfile*>(view)->Release();
      }
      if (record->getBlii() == blii) return record;
    }
    return nullptr;
  }
  std::optional<String> KeyOf(IBuddyProfile* record) {
    for (const String& key : order) {
      if (Record(key) == record) return key;
    }
    return std::nullopt;
  }
};

// Every address and BLII of the pools answers as a scan does; the lists handed out follow the
// scan order.
void ExpectAgreement(Model& model, int step) {
  SCOPED_TRACE("step " + std::to_string(step));
  ASSERT_EQ(model.Interface()->size(), static_cast<std::int32_t>(model.order.size()));
  for (int n = 0; n < 10; ++n) {
    const String address = EmailFor(n);
    // No key looks like an address, so this is the lookup by e-mail address.
    IBuddyProfile* byAddress = model.Interface()->getBuddyProfileRecord(address);
    const bool shaped = address.find(u'@') != String::npos && address.find(u'@') > 0;
    EXPECT_EQ(byAddress, shaped ? model.ScanEmail(address) : nullptr);
  }
  for (std::int32_t blii = -2; blii < 6; ++blii) {
    EXPECT_EQ(model.Interface()->getBuddyProfileRecord(blii), model.ScanBlii(blii, true));
    CBuddyProfile* classAnswer = model.list.getBuddyRecord(blii);
    EXPECT_EQ(classAnswer, dynamic_cast<CBuddyProfile*>(model.ScanBlii(blii, false)));
  }
  std::vector<IBuddyProfile*> copies;
  model.Interface()->getList(copies);
  ASSERT_EQ(copies.size(), model.order.size());
  for (std::size_t i = 0; i < copies.size(); ++i) {
    EXPECT_EQ(copies[i]->getEmail(), model.Record(model.order[i])->getEmail());
    EXPECT_EQ(copies[i]->getBlii(), model.Record(model.order[i])->getBlii());
  }
  model.Interface()->clearCopyOfList(copies);
}

void RunRandomSequence(unsigned seed, bool withDerived) {
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 random(seed);
  auto pick = [&](int below) { return static_cast<int>(random() % static_cast<unsigned>(below)); };
  Model model;
  for (int step = 0; step < 600; ++step) {
    const int action = pick(10);
    if (action < 3 || model.order.empty()) {
      // Add a buddy (replacing one with the same key now and then).
      DerivedBuddy derived;
      CBuddyProfile plain;
      CBuddyProfile& source = withDerived && pick(4) == 0 ? derived : plain;
      derived.refuseBuddyView = pick(8) == 0;
      const String key = KeyFor(pick(25));
      source.setQuilloID(key);
      source.setEmail(EmailFor(pick(10)));
      source.setBLII(pick(6) - 1);
      source.setDomain(pick(10) == 0 ? 3 : 0);  // now and then a transport buddy: BLII -1
      ASSERT_EQ(model.Interface()->addBuddyRecord(&source), 1);
      model.Stored(source.getQuilloID());
      continue;
    }
    const String& key = model.order[static_cast<std::size_t>(pick(static_cast<int>(model.order.size())))];
    IBuddyProfile* lent = model.Record(key);
    switch (action) {
      case 3: {  // a new address through the user-profile view of a lent record
        void* view = nullptr;
        ASSERT_EQ(lent->GetDataInterface(CONTAINER_USER_PROFILE, &view), 1);
        static_cast<IUserProfile*>(view)->setEmail(EmailFor(pick(10)));
        static_cast<IUserProfile*>(view)->Release();
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
        other.setEmail(EmailFor(pick(10)));
        other.setBLII(pick(6) - 1);
        other.setDomain(pick(3));
        if (CBuddyProfile* record = model.list.getBuddyRecord(key)) *record = other;
        break;
      }
      case 7: {
        const String removed = key;
        ASSERT_EQ(model.Interface()->removeBuddyRecord(removed), 1);
        model.Removed(removed);
        break;
      }
      case 8: {  // removal by BLII takes the first record in scan order with that BLII
        const std::int32_t blii = pick(7) - 2;
        IBuddyProfile* first = model.ScanBlii(blii, false);
        const auto firstKey = first != nullptr ? model.KeyOf(first) : std::nullopt;
        ASSERT_EQ(model.Interface()->removeBuddyRecord(blii), first != nullptr ? 1 : 0);
        if (firstKey) model.Removed(*firstKey);
        break;
      }
      default: {  // an update by key stores a copy under that key, in the last place
        CBuddyProfile replacement;
        replacement.setEmail(EmailFor(pick(10)));
        replacement.setBLII(pick(6) - 1);
        const String updated = key;
        ASSERT_EQ(model.Interface()->updateBuddyRecord(updated, &replacement), 1);
        model.Stored(updated);
        break;
      }
    }
    // The indexes are built at the first lookup by address or BLII: the first steps run
    // without lookups, so that they are built from records already changed and removed.
    if (step < 40) continue;
    ExpectAgreement(model, step);
    if (::testing::Test::HasFatalFailure()) return;
  }
}

TEST(BuddyListIndexTest, IndexedLookupsAgreeWithScansOverRandomSequences) {
  for (unsigned seed = 1; seed <= 6; ++seed) RunRandomSequence(seed, false);
}

TEST(BuddyListIndexTest, RecordsOfDerivedClassesAreScannedInScanOrder) {
  for (unsigned seed = 11; seed <= 16; ++seed) RunRandomSequence(seed, true);
}

// The scan order is the order of storing: the first record stored with an address is found
// even when later ones share it, and a record that gets the address later (through a lent
// pointer) only wins if it was stored earlier.
TEST(BuddyListIndexTest, ScanOrderDecidesBetweenRecordsWithTheSameAddressOrBlii) {
  CBuddyList list;
  IBuddyList* buddies = &list;
  CBuddyProfile source;
  for (int n = 0; n < 3; ++n) {
    source.setQuilloID(KeyFor(n));
    source.setEmail(n == 0 ? String(u"first@example.org") : String(u"shared@example.org"));
    source.setBLII(7);
    buddies->addBuddyRecord(&source);
  }
  IBuddyProfile* oldest = buddies->getBuddyProfileRecord(KeyFor(0));
  IBuddyProfile* second = buddies->getBuddyProfileRecord(KeyFor(1));
  EXPECT_EQ(buddies->getBuddyProfileRecord(u"shared@example.org"), second);
  EXPECT_EQ(buddies->getBuddyProfileRecord(7), oldest);

  list.getBuddyRecord(KeyFor(0))->setEmail(u"shared@example.org");
  EXPECT_EQ(buddies->getBuddyProfileRecord(u"shared@example.org"), oldest);
  EXPECT_EQ(buddies->getBuddyProfileRecord(u"first@example.org"), nullptr);

  // A transport network's buddy answers getBlii with -1: it leaves BLII 7.
  oldest->setDomain(2);
  EXPECT_EQ(buddies->getBuddyProfileRecord(7), second);
  EXPECT_EQ(buddies->getBuddyProfileRecord(-1), oldest);

  // Storing under the oldest key again puts the new record in the last place.
  source.setQuilloID(KeyFor(0));
  source.setEmail(u"shared@example.org");
  source.setDomain(0);
  buddies->addBuddyRecord(&source);
  EXPECT_EQ(buddies->getBuddyProfileRecord(u"shared@example.org"), second);
  EXPECT_EQ(buddies->removeBuddyRecord(7), 1);
  EXPECT_EQ(buddies->getBuddyProfileRecord(KeyFor(1)), nullptr);
  ASSERT_NE(buddies->getBuddyProfileRecord(7), nullptr);
  EXPECT_EQ(buddies->getBuddyProfileRecord(7)->getQuilloID(), KeyFor(2));
}

// A profile request that carries an "email" key changes the address like setEmail does.
TEST(BuddyListIndexTest, AnAddressAppliedByAProfileRequestIsFiledAgain) {
  CBuddyList list;
  CBuddyProfile source;
  source.setQuilloID(KeyFor(1));
  source.setEmail(u"old@example.org");
  list.addBuddyRecord(&source);
  IBuddyProfile* record = list.getBuddyProfileRecord(u"old@example.org");
  ASSERT_NE(record, nullptr);
  qo::StringMap request{{u"EMAIL", u"new@example.org"}};
  list.getBuddyRecord(KeyFor(1))->SetProfileRqst(request, 1);
  EXPECT_EQ(list.getBuddyProfileRecord(u"new@example.org"), record);
  EXPECT_EQ(list.getBuddyProfileRecord(u"old@example.org"), nullptr);
}

// A copy of the list is indexed on its own: changes through the records of one list never
// disturb the answers of the other, and a record that left the list no longer counts.
TEST(BuddyListIndexTest, CopiesAndRemovedRecordsKeepIndexesApart) {
  CBuddyList original;
  CBuddyProfile source;
  source.setQuilloID(u"ann");
  source.setEmail(u"ann@example.org");
  source.setBLII(1);
  original.addBuddyRecord(source);
  CBuddyList copy(original);

  original.getBuddyRecord(String(u"ann"))->setEmail(u"moved@example.org");
  IBuddyList* copied = &copy;
  ASSERT_NE(copied->getBuddyProfileRecord(u"ann@example.org"), nullptr);
  EXPECT_EQ(copied->getBuddyProfileRecord(u"moved@example.org"), nullptr);
  IBuddyList* first = &original;
  EXPECT_EQ(first->getBuddyProfileRecord(u"ann@example.org"), nullptr);
  EXPECT_NE(first->getBuddyProfileRecord(u"moved@example.org"), nullptr);

  // A record kept alive by another holder after its removal changes nothing in the list.
  IBuddyProfile* kept = first->getBuddyProfileRecord(String(u"ann"));
  kept->AddRef();
  ASSERT_EQ(first->removeBuddyRecord(String(u"ann")), 1);
  kept->setBLII(1);
  EXPECT_EQ(first->getBuddyProfileRecord(1), nullptr);
  EXPECT_EQ(first->getBuddyProfileRecord(u"moved@example.org"), nullptr);
  kept->Release();
  ASSERT_NE(copied->getBuddyProfileRecord(1), nullptr);
  EXPECT_EQ(copied->getBuddyProfileRecord(1)->getEmail(), u"ann@example.org");
}

}  // namespace
