// The property bag: three values side by side per key, copies handed out, clones held.
#include "framework/generic_data.h"

#include <gtest/gtest.h>

#include <tuple>

#include "framework/catalogue.h"
#include "probe_containers.h"

namespace {

// Hands the bag a new probe with the value, then drops the caller's one.
void PutProbe(IGenericDataContainer& bag, const qo::String& key, int value) {
  auto* probe = new Probe(value);
  EXPECT_EQ(bag.SetContainer(key, static_cast<IProbeMain*>(probe)), 1);
  probe->Release();
}

// The value of the probe handed out for the key, the copy released again; when refused, -1
// if null was written, -2 if the out pointer was left alone.
int HeldValue(IGenericDataContainer& bag, const qo::String& key) {
  auto* mark = reinterpret_cast<IDataContainer*>(&bag);  // no copy handed out can be there
  IDataContainer* held = mark;
  if (bag.GetContainer(key, &held) != 1) return held == nullptr ? -1 : held == mark ? -2 : -3;
  const int value = dynamic_cast<Probe*>(held)->value;
  held->Release();
  return value;
}

// Answer and value of the three plain reads of a key (values not written stay at their marks),
// then the held value.
auto Read(IGenericDataContainer& bag, const qo::String& key) {
  qo::String text = u"untouched";
  std::int32_t number = 42;
  std::int32_t flag = 42;
  const int textFound = bag.GetString(key, &text);
  const int numberFound = bag.GetInteger(key, &number);
  const int flagFound = bag.GetBoolean(key, &flag);
  return std::tuple(textFound, text, numberFound, number, flagFound, flag, HeldValue(bag, key));
}

TEST(GenericData, EachSetterWritesOnlyItsOwnValueAndMissingKeysWriteNothing) {
  CGenericData bag;
  EXPECT_EQ(bag.SetInteger(u"a", 5), 1);
  // The entry exists: its text is the default, and it has no container (null written).
  EXPECT_EQ(Read(bag, u"a"), std::tuple(1, qo::String(), 1, 5, 1, 1, -1));
  EXPECT_EQ(bag.SetString(u"a", u"hello"), 1);
  PutProbe(bag, u"a", 3);
  EXPECT_EQ(bag.SetInteger(u"a", -3), 1);  // Boolean is any non-zero integer
  EXPECT_EQ(Read(bag, u"a"), std::tuple(1, qo::String(u"hello"), 1, -3, 1, 1, 3));
  bag.SetInteger(u"a", 0);
  EXPECT_EQ(Read(bag, u"a"), std::tuple(1, qo::String(u"hello"), 1, 0, 1, 0, 3));

  // Keys are case-sensitive; a missing key and a null out pointer give 0, writing nothing.
  EXPECT_EQ(Read(bag, u"A"), std::tuple(0, qo::String(u"untouched"), 0, 42, 0, 42, -2));
  EXPECT_EQ(std::tuple(bag.GetString(u"a", nullptr), bag.GetInteger(u"a", nullptr),
                       bag.GetBoolean(u"a", nullptr), bag.GetContainer(u"a", nullptr)),
            std::tuple(0, 0, 0, 0));
}

TEST(GenericData, HoldsAndHandsOutIndependentClonesEachReleasedOnce) {
  const int destroyedBefore = g_probesDestroyed;
  auto destroyed = [destroyedBefore] { return g_probesDestroyed - destroyedBefore; };
  auto* bag = static_cast<IGenericDataContainer*>(qo::MakeContainer(CONTAINER_GENERIC_DATA));
  ASSERT_NE(bag, nullptr);
  auto* probe = new Probe(1);
  bag->SetContainer(u"k", static_cast<IProbeMain*>(probe));
  probe->value = 2;  // the bag kept a copy, not the caller's object
  probe->Release();
  EXPECT_EQ(destroyed(), 1);

  IDataContainer* first = nullptr;
  IDataContainer* second = nullptr;
  ASSERT_EQ(bag->GetContainer(u"k", &first), 1);
  ASSERT_EQ(bag->GetContainer(u"k", &second), 1);
  EXPECT_NE(first, second);
  EXPECT_EQ(dynamic_cast<Probe*>(first)->HolderCount(), 1u);
  dynamic_cast<Probe*>(first)->value = 9;
  EXPECT_EQ(dynamic_cast<Probe*>(second)->value, 1);
  first->Release();
  second->Release();
  EXPECT_EQ(destroyed(), 3);
  PutProbe(*bag, u"k", 5);  // the first clone goes, then the caller's probe
  EXPECT_EQ(destroyed(), 5);

  bag->SetInteger(u"k", 4);
  auto* copy = static_cast<IGenericDataContainer*>(bag->Clone());  // what it carries: copies test
  EXPECT_EQ(bag->SetContainer(u"k", nullptr), 1);                  // clears only the container
  EXPECT_EQ(destroyed(), 6);
  EXPECT_EQ(Read(*bag, u"k"), std::tuple(1, qo::String(), 1, 4, 1, 1, -1));
  bag->Release();  // the source goes first: the copy holds a clone of its own
  EXPECT_EQ(HeldValue(*copy, u"k"), 5);
  copy->Release();
  EXPECT_EQ(destroyed(), 8);  // the copy's clone and the one handed out
}

}  // namespace
