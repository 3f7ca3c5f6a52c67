// qo::PtrList: the positional pointer list under the user list and the advertisement list.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "qodata/ptr_list.h"

namespace {

using List = qo::PtrList<int>;
using Items = std::vector<int*>;

// The links agree in both directions, with the count, and with the ends.
void ExpectConsistent(List& list, const Items& expected) {
  Items forwards, backwards;
  for (POSITION p = list.GetHeadPosition(); p != nullptr;) forwards.push_back(list.GetNext(p));
  for (POSITION p = list.GetTailPosition(); p != nullptr;) backwards.push_back(list.GetPrev(p));
  EXPECT_EQ(forwards, expected);
  EXPECT_EQ(backwards, Items(expected.rbegin(), expected.rend()));
  EXPECT_EQ(list.GetCount(), static_cast<std::int32_t>(expected.size()));
  EXPECT_EQ(list.GetSize(), list.GetCount());
  EXPECT_EQ(list.IsEmpty(), expected.empty());
  EXPECT_EQ(list.GetHead(), expected.empty() ? nullptr : expected.front());
  EXPECT_EQ(list.GetTail(), expected.empty() ? nullptr : expected.back());
}

// Every list here is destroyed still holding pointers to locals: a list that freed what its
// entries point to would fail under ASan (and crash without it).
TEST(PtrList, AddsInsertsAndRemovesKeepingBothDirectionsInStep) {
  int a = 1, b = 2, c = 3, d = 4, e = 5;
  List list;
  ExpectConsistent(list, {});
  EXPECT_EQ(list.RemoveHead(), nullptr);  // an empty list answers null
  EXPECT_EQ(list.RemoveTail(), nullptr);
  POSITION pb = list.AddTail(&b);
  list.AddHead(&a);
  POSITION pd = list.AddTail(&d);
  list.InsertAfter(pb, &c);
  list.InsertBefore(list.GetHeadPosition(), &e);
  ExpectConsistent(list, {&e, &a, &b, &c, &d});
  // Null positions insert at the head (before) and the tail (after).
  list.InsertBefore(nullptr, &c);
  list.InsertAfter(nullptr, &a);
  ExpectConsistent(list, {&c, &e, &a, &b, &c, &d, &a});
  // Inserting after the tail and before the head moves those ends.
  POSITION newTail = list.InsertAfter(list.GetTailPosition(), &e);
  EXPECT_EQ(newTail, list.GetTailPosition());
  POSITION newHead = list.InsertBefore(list.GetHeadPosition(), &d);
  EXPECT_EQ(newHead, list.GetHeadPosition());
  ExpectConsistent(list, {&d, &c, &e, &a, &b, &c, &d, &a, &e});
  list.SetAt(pd, &b);
  EXPECT_EQ(list.GetAt(pd), &b);

  list.RemoveAt(pb);
  EXPECT_EQ(list.RemoveHead(), &d);
  EXPECT_EQ(list.RemoveTail(), &e);
  list.AddTail(nullptr);  // null entries are stored like any other
  ExpectConsistent(list, {&c, &e, &a, &c, &b, &a, nullptr});
  list.RemoveAll();
  ExpectConsistent(list, {});
  // The list is usable again after being emptied; removing the only entry empties both ends.
  list.RemoveAt(list.AddHead(&b));
  ExpectConsistent(list, {});
  list.AddTail(&a);
  ExpectConsistent(list, {&a});
}

TEST(PtrList, FindsByPointerAfterAPositionAndByIndex) {
  int a = 1, b = 2, other = 0;
  List list;
  EXPECT_EQ(std::tuple(list.Find(nullptr), list.FindIndex(0)), std::tuple(nullptr, nullptr));
  POSITION first = list.AddTail(&a);
  list.AddTail(&b);
  POSITION second = list.AddTail(&a);
  EXPECT_EQ(
      std::tuple(list.Find(&a), list.Find(&a, first), list.Find(&a, second), list.Find(&other)),
      std::tuple(first, second, nullptr, nullptr));
  EXPECT_EQ(std::tuple(list.FindIndex(0), list.FindIndex(2), list.FindIndex(3), list.FindIndex(-1)),
            std::tuple(first, second, nullptr, nullptr));
}

TEST(PtrList, AppendsAnotherListsPointersAndASelfAppendDoublesOnce) {
  int a = 1, b = 2, c = 3;
  List list, other, empty;
  list.AddTail(&a);
  other.AddTail(&b);
  other.AddTail(&c);
  list.AddTail(other);
  list.AddHead(other);
  list.AddTail(empty);
  list.AddHead(empty);
  ExpectConsistent(list, {&b, &c, &a, &b, &c});
  ExpectConsistent(other, {&b, &c});
  other.AddTail(other);
  ExpectConsistent(other, {&b, &c, &b, &c});
  other.AddHead(other);
  ExpectConsistent(other, {&b, &c, &b, &c, &b, &c, &b, &c});
}

}  // namespace
