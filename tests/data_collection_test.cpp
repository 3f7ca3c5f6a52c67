// The data collection: ordered owned clones walked by position, each released exactly once.
#include "framework/data_collection.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>
#include <vector>

#include "probe_containers.h"

namespace {

// The probe values of the items, walked from the head.
std::vector<int> Values(IQoDataCollection& collection) {
  std::vector<int> values;
  for (POSITION p = collection.GetHeadPosition(); p != nullptr;) {
    values.push_back(dynamic_cast<Probe*>(collection.GetNext(p))->value);
  }
  return values;
}

// Adds a probe with each value, giving the caller's own one back each time.
void AddProbes(IQoDataCollection& collection, std::initializer_list<int> values) {
  for (int value : values) {
    auto* probe = new Probe(value);
    EXPECT_EQ(collection.Add(static_cast<IProbeMain*>(probe)), 0);
    probe->Release();
  }
}

TEST(DataCollection, KeepsClonesInOrderAndReleasesEachOnce) {
  const int destroyedBefore = g_probesDestroyed;
  auto destroyed = [destroyedBefore] { return g_probesDestroyed - destroyedBefore; };
  {
    CQoDataCollection collection;
    AddProbes(collection, {1, 2, 3});
    EXPECT_EQ(destroyed(), 3);              // the caller's probes go; the collection's clones stay
    EXPECT_EQ(collection.Add(nullptr), 0);  // adding null adds nothing
    EXPECT_EQ(collection.GetCount(), 3);
    EXPECT_EQ(Values(collection), (std::vector<int>{1, 2, 3}));

    POSITION second = collection.GetHeadPosition();
    collection.GetNext(second);
    POSITION third = second;
    collection.GetNext(third);
    POSITION end = third;
    IDataContainer* last = collection.GetNext(end);
    EXPECT_EQ(end, nullptr);
    EXPECT_EQ(dynamic_cast<Probe*>(last)->HolderCount(), 1u);  // lent, no holder added
    EXPECT_EQ(collection.GetNext(end), nullptr);               // a null position gives null
    collection.RemoveAt(end);                                  // removes nothing
    collection.RemoveAt(second);
    EXPECT_EQ(destroyed(), 4);
    EXPECT_EQ(collection.GetNext(third), last);  // other positions stay valid
    EXPECT_EQ(Values(collection), (std::vector<int>{1, 3}));

    collection.SetUserValue(5);
    collection.RemoveAll();
    EXPECT_EQ(destroyed(), 6);
    EXPECT_EQ(
        std::tuple(collection.GetCount(), collection.GetHeadPosition(), collection.GetUserValue()),
        std::tuple(0, nullptr, 5u));  // only the items go
    AddProbes(collection, {4});
  }
  EXPECT_EQ(destroyed(), 8);  // the last clone with the collection
}

// Assignment replaces the items with clones of the source's and takes its user value (copies
// carrying everything: the copies test; failing part way: the allocation-failure driver).
TEST(DataCollection, AssignmentReplacesTheItemsWithClonesOfItsOwn) {
  const int destroyedBefore = g_probesDestroyed;
  auto destroyed = [destroyedBefore] { return g_probesDestroyed - destroyedBefore; };
  CQoDataCollection source;
  AddProbes(source, {1, 2});
  source.SetUserValue(7);
  {
    CQoDataCollection target;
    AddProbes(target, {9});
    target = source;  // the old item goes
    EXPECT_EQ(destroyed(), 4);
    const auto& self = target;  // assigning to itself changes nothing
    target = self;
    EXPECT_EQ(std::tuple(Values(target), target.GetUserValue()),
              std::tuple(std::vector<int>{1, 2}, 7u));
  }
  EXPECT_EQ(destroyed(), 6);  // the target's clones, not the source's items
  EXPECT_EQ(Values(source), (std::vector<int>{1, 2}));
}

}  // namespace
