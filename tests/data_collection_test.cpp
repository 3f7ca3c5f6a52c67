// The data collection: ordered owned clones walked by position, each released exactly once.
#include "framework/data_collection.h"

#include <gtest/gtest.h>

#include <new>
#include <vector>

#include "framework/catalogue.h"
#include "probe_containers.h"

namespace {


IDataContainer* NewProbe(int value) {
  auto* probe = new Probe();
  probe->value = value;
  return static_cast<IProbeMain*>(probe);
}

// The probe values of the items, walked from the head.
std::vector<int> Values(IQoDataCollection& collection) {
  std::vector<int> values;
  for (POSITION p = collection.GetHeadPosition(); p != nullptr;) {
    values.push_back(dynamic_cast<Probe*>(collection.GetNext(p))->value);
  }
  return values;
}

// Adds a probe with the value and gives the caller's own one back.
void AddProbe(IQoDataCollection& collection, int value) {
  IDataContainer* probe = NewProbe(value);
  EXPECT_EQ(collection.Add(probe), 0);
  probe->Release();
}

TEST(DataCollection, KeepsClonesInTheOrderOfAdding) {
  const int destroyedBefore = g_probesDestroyed;
  CQoDataCollection collection;
  EXPECT_EQ(collection.GetHeadPosition(), nullptr);

  IDataContainer* first = NewProbe(1);
  collection.Add(first);
  first->Release();  // the caller's probe goes; the collection's clone stays
  EXPECT_EQ(g_probesDestroyed - destroyedBefore, 1);
  EXPECT_EQ(collection.GetCount(), 1);
  AddProbe(collection, 2);
  AddProbe(collection, 3);
  EXPECT_EQ(Values(collection), (std::vector<int>{1, 2, 3}));

  POSITION p = collection.GetHeadPosition();
  collection.GetNext(p);
  collection.GetNext(p);
  IDataContainer* last = collection.GetNext(p);
  EXPECT_EQ(p, nullptr);
  EXPECT_EQ(dynamic_cast<Probe*>(last)->HolderCount(), 1u);  // lent, no holder added
  EXPECT_EQ(collection.GetNext(p), nullptr);                 // a null position gives null
  EXPECT_EQ(collection.Add(nullptr), 0);                     // adding null adds nothing
  EXPECT_EQ(collection.GetCount(), 3);
}

TEST(DataCollection, RemoveAtAndRemoveAllReleaseEachItemOnce) {
  const int destroyedBefore = g_probesDestroyed;
  {
    CQoDataCollection collection;
    for (int value : {1, 2, 3}) AddProbe(collection, value);
    EXPECT_EQ(g_probesDestroyed - destroyedBefore, 3);

    POSITION second = collection.GetHeadPosition();
    collection.GetNext(second);
    POSITION third = second;
    collection.GetNext(third);
    collection.RemoveAt(second);
    EXPECT_EQ(g_probesDestroyed - destroyedBefore, 4);
    EXPECT_EQ(collection.GetCount(), 2);
    EXPECT_EQ(dynamic_cast<Probe*>(collection.GetNext(third))->value, 3);  // still valid
    EXPECT_EQ(Values(collection), (std::vector<int>{1, 3}));

    POSITION none = nullptr;
    collection.RemoveAt(none);  // removes nothing
    EXPECT_EQ(collection.GetCount(), 2);
  }
  EXPECT_EQ(g_probesDestroyed - destroyedBefore, 6);  // every clone released exactly once
  {
    CQoDataCollection collection;
    for (int value : {1, 2}) AddProbe(collection, value);
    collection.SetUserValue(5);
    collection.RemoveAll();
    EXPECT_EQ(g_probesDestroyed - destroyedBefore, 10);
    EXPECT_EQ(collection.GetCount(), 0);
    EXPECT_EQ(collection.GetHeadPosition(), nullptr);
    EXPECT_EQ(collection.GetUserValue(), 5u);  // only the items go
    AddProbe(collection, 3);
  }
  EXPECT_EQ(g_probesDestroyed - destroyedBefore, 12);
}

TEST(DataCollection, CloneCopiesItemsAndUserValue) {
  const int destroyedBefore = g_probesDestroyed;
  auto* collection = static_cast<IQoDataCollection*>(qo::MakeContainer(CONTAINER_DATA_COLLECTION));
  ASSERT_NE(collection, nullptr);
  AddProbe(*collection, 1);
  AddProbe(*collection, 2);
  collection->SetUserValue(7);

  auto* copy = static_cast<IQoDataCollection*>(collection->Clone());
  EXPECT_EQ(copy->GetType(), CONTAINER_DATA_COLLECTION);
  EXPECT_EQ(copy->GetUserValue(), 7u);
  EXPECT_EQ(Values(*copy), (std::vector<int>{1, 2}));
  POSITION copyHead = copy->GetHeadPosition();
  POSITION sourceHead = collection->GetHeadPosition();
  EXPECT_NE(copy->GetNext(copyHead), collection->GetNext(sourceHead));  // clones, not shared

  collection->RemoveAll();
  collection->Release();
  EXPECT_EQ(copy->GetCount(), 2);
  POSITION head = copy->GetHeadPosition();
  dynamic_cast<Probe*>(copy->GetNext(head))->value = 10;
  EXPECT_EQ(Values(*copy), (std::vector<int>{10, 2}));
  copy->Release();
  EXPECT_EQ(g_probesDestroyed - destroyedBefore, 6);
}

TEST(DataCollection, AssignmentReplacesTheItemsWithClones) {
  const int destroyedBefore = g_probesDestroyed;
  {
    CQoDataCollection source;
    AddProbe(source, 1);
    source.SetUserValue(3);
    CQoDataCollection target;
    AddProbe(target, 9);
    target.AddRef();
    target = source;
    EXPECT_EQ(Values(target), (std::vector<int>{1}));
    EXPECT_EQ(target.GetUserValue(), 3u);
    EXPECT_EQ(target.HolderCount(), 2u);  // holders are not copied
    target = target;
    EXPECT_EQ(Values(target), (std::vector<int>{1}));
    EXPECT_EQ(g_probesDestroyed - destroyedBefore, 3);  // two caller probes and target's old item
  }
  EXPECT_EQ(g_probesDestroyed - destroyedBefore, 5);
}

// A probe whose copies fail, as when memory runs out.
class UncopyableProbe : public Probe {
 public:
  IDataContainer* Clone() override { throw std::bad_alloc(); }
};

// A probe whose copy is an UncopyableProbe: a collection can hold one, then fail to copy it.
class CopiedOnceProbe : public Probe {
 public:
  IDataContainer* Clone() override { return static_cast<IProbeMain*>(new UncopyableProbe()); }
};

TEST(DataCollection, FailingCloneLeavesTheCollectionAsItWas) {
  const int destroyedBefore = g_probesDestroyed;
  {
    CQoDataCollection target;
    AddProbe(target, 9);
    target.SetUserValue(4);
    UncopyableProbe uncopyable;
    EXPECT_THROW(target.Add(static_cast<IProbeMain*>(&uncopyable)), std::bad_alloc);
    EXPECT_EQ(target.GetCount(), 1);

    CQoDataCollection source;
    AddProbe(source, 1);
    CopiedOnceProbe copiedOnce;
    source.Add(static_cast<IProbeMain*>(&copiedOnce));
    source.SetUserValue(5);
    const int destroyedBeforeAssignment = g_probesDestroyed;
    EXPECT_THROW(target = source, std::bad_alloc);
    EXPECT_EQ(g_probesDestroyed - destroyedBeforeAssignment, 1);  // the clone of 1, dropped
    EXPECT_EQ(Values(target), (std::vector<int>{9}));
    EXPECT_EQ(target.GetUserValue(), 4u);
    EXPECT_THROW(CQoDataCollection{source}, std::bad_alloc);
    EXPECT_THROW(source.Clone(), std::bad_alloc);
  }
  // Two probes on the stack, two given and two held by AddProbe, the held uncopyable one and
  // the three clones of 1 dropped by the failed copies: each destroyed exactly once.
  EXPECT_EQ(g_probesDestroyed - destroyedBefore, 10);
}

}  // namespace
