// The property bag: three values side by side per key, copies handed out, clones held.
#include "framework/generic_data.h"

#include <gtest/gtest.h>

#include <tuple>

#include "framework/catalogue.h"
#include "probe_containers.h"

namespace {


// The value of a probe reached through any of its interfaces.
int ProbeValue(IDataContainer* container) {
  void* main = nullptr;
  EXPECT_EQ(container->GetDataInterface(CONTAINER_USER_PROFILE, &main), 1);
  auto* probe = static_cast<IProbeMain*>(main);
  const int value = probe->Value();
  probe->Release();
  return value;
}

Probe* NewProbe(int value) {
  auto* probe = new Probe();
  probe->value = value;
  return probe;
}

// Answer and value of the three plain reads of a key; values not written stay at their marks.
auto Read(CGenericData& bag, const qo::String& key) {
  qo::String text = u"untouched";
  std::int32_t number = 42;
  std::int32_t flag = 42;
  const int textFound = bag.GetString(key, &text);
  const int numberFound = bag.GetInteger(key, &number);
  return std::tuple(textFound, text, numberFound, number, bag.GetBoolean(key, &flag), flag);
}

TEST(GenericData, EachSetterWritesOnlyItsOwnValueAndBooleanIsAnyNonZeroInteger) {
  CGenericData bag;
  EXPECT_EQ(bag.SetInteger(u"a", 5), 1);
  // The entry exists: its text is the default.
  EXPECT_EQ(Read(bag, u"a"), std::tuple(1, qo::String(), 1, 5, 1, 1));
  EXPECT_EQ(bag.SetString(u"a", u"hello"), 1);
  Probe* probe = NewProbe(3);
  EXPECT_EQ(bag.SetContainer(u"a", static_cast<IProbeMain*>(probe)), 1);
  probe->Release();
  EXPECT_EQ(bag.SetInteger(u"a", -3), 1);
  EXPECT_EQ(Read(bag, u"a"), std::tuple(1, qo::String(u"hello"), 1, -3, 1, 1));
  IDataContainer* held = nullptr;
  ASSERT_EQ(bag.GetContainer(u"a", &held), 1);
  EXPECT_EQ(ProbeValue(held), 3);
  held->Release();
  bag.SetInteger(u"a", 0);
  EXPECT_EQ(Read(bag, u"a"), std::tuple(1, qo::String(u"hello"), 1, 0, 1, 0));
}

TEST(GenericData, MissingKeysNullOutsAndMissingContainersWriteNothing) {
  CGenericData bag;
  bag.SetString(u"A", u"upper");
  // Keys are case-sensitive.
  EXPECT_EQ(Read(bag, u"a"), std::tuple(0, qo::String(u"untouched"), 0, 42, 0, 42));
  IDataContainer* sentinel = reinterpret_cast<IDataContainer*>(0x1);
  IDataContainer* out = sentinel;
  EXPECT_EQ(bag.GetContainer(u"b", &out), 0);
  EXPECT_EQ(out, sentinel);
  EXPECT_EQ(bag.GetString(u"A", nullptr), 0);
  EXPECT_EQ(bag.GetInteger(u"A", nullptr), 0);
  EXPECT_EQ(bag.GetBoolean(u"A", nullptr), 0);
  EXPECT_EQ(bag.GetContainer(u"A", nullptr), 0);
  // An entry without a container gives 0 and null.
  EXPECT_EQ(bag.GetContainer(u"A", &out), 0);
  EXPECT_EQ(out, nullptr);
}

TEST(GenericData, SetContainerWithNullClearsOnlyTheContainer) {
  const int destroyedBefore = g_probesDestroyed;
  CGenericData bag;
  bag.SetInteger(u"k", 4);
  Probe* probe = NewProbe(1);
  bag.SetContainer(u"k", static_cast<IProbeMain*>(probe));
  probe->Release();
  EXPECT_EQ(bag.SetContainer(u"k", nullptr), 1);
  EXPECT_EQ(g_probesDestroyed - destroyedBefore, 2);  // the caller's probe and the held clone
  IDataContainer* out = nullptr;
  EXPECT_EQ(bag.GetContainer(u"k", &out), 0);
  EXPECT_EQ(Read(bag, u"k"), std::tuple(1, qo::String(), 1, 4, 1, 1));
}

TEST(GenericData, HoldsAndHandsOutIndependentClones) {
  const int destroyedBefore = g_probesDestroyed;
  {
    CGenericData bag;
    Probe* probe = NewProbe(1);
    bag.SetContainer(u"k", static_cast<IProbeMain*>(probe));
    probe->value = 2;  // the bag kept a copy, not the caller's object
    probe->Release();
    EXPECT_EQ(g_probesDestroyed - destroyedBefore, 1);

    IDataContainer* first = nullptr;
    IDataContainer* second = nullptr;
    ASSERT_EQ(bag.GetContainer(u"k", &first), 1);
    ASSERT_EQ(bag.GetContainer(u"k", &second), 1);
    EXPECT_NE(first, second);
    EXPECT_EQ(dynamic_cast<Probe*>(first)->HolderCount(), 1u);
    dynamic_cast<Probe*>(first)->value = 9;
    EXPECT_EQ(ProbeValue(second), 1);
    first->Release();
    second->Release();
    EXPECT_EQ(g_probesDestroyed - destroyedBefore, 3);

    Probe* replacement = NewProbe(5);
    bag.SetContainer(u"k", static_cast<IProbeMain*>(replacement));
    EXPECT_EQ(g_probesDestroyed - destroyedBefore, 4);  // the first clone went
    replacement->Release();
    EXPECT_EQ(g_probesDestroyed - destroyedBefore, 5);
  }
  EXPECT_EQ(g_probesDestroyed - destroyedBefore, 6);  // the bag released the last clone once
}

TEST(GenericData, ClonesAreIndependentAndOutliveEachOther) {
  const int destroyedBefore = g_probesDestroyed;
  auto* bag = static_cast<IGenericDataContainer*>(qo::MakeContainer(CONTAINER_GENERIC_DATA));
  ASSERT_NE(bag, nullptr);
  EXPECT_EQ(bag->GetType(), CONTAINER_GENERIC_DATA);
  Probe* probe = NewProbe(8);
  bag->SetContainer(u"c", static_cast<IProbeMain*>(probe));
  probe->Release();
  bag->SetString(u"s", u"text");
  bag->SetInteger(u"s", 6);

  auto* copy = static_cast<IGenericDataContainer*>(bag->Clone());
  EXPECT_EQ(copy->GetType(), CONTAINER_GENERIC_DATA);
  bag->SetString(u"s", u"changed");
  bag->Release();  // the source goes first

  EXPECT_EQ(Read(*dynamic_cast<CGenericData*>(copy), u"s"),
            std::tuple(1, qo::String(u"text"), 1, 6, 1, 1));
  IDataContainer* held = nullptr;
  ASSERT_EQ(copy->GetContainer(u"c", &held), 1);
  EXPECT_EQ(ProbeValue(held), 8);
  held->Release();
  copy->Release();
  EXPECT_EQ(g_probesDestroyed - destroyedBefore, 4);  // original, two held clones, one handed out
}

}  // namespace
