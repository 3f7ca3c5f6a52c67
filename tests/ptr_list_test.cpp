// qo::PtrList: the positional pointer list under the user list and the advertisement list.
#include <gtest/gtest.h>

#include <vector>

#include "qodata/ptr_list.h"

namespace {

using List = qo::PtrList<int>;

std::vector<int*> Forwards(List& list) {
  std::vector<int*> out;
  for (POSITION p = list.GetHeadPosition(); p != nullptr;) out.push_back(list.GetNext(p));
  return out;
}

std::vector<int*> Backwards(List& list) {
  std::vector<int*> out;
  for (POSITION p = list.GetTailPosition(); p != nullptr;) out.push_back(list.GetPrev(p));
  return out;
}

// The links agree in both directions and with the count.
void ExpectConsistent(List& list, const std::vector<int*>& expected) {
  EXPECT_EQ(Forwards(list), expected);
  std::vector<int*> reversed(expected.rbegin(), expected.rend());
  EXPECT_EQ(Backwards(list), reversed);
  EXPECT_EQ(list.GetCount(), static_cast<std::int32_t>(expected.size()));
  EXPECT_EQ(list.GetSize(), list.GetCount());
  EXPECT_EQ(list.IsEmpty(), expected.empty());
  EXPECT_EQ(list.GetHead(), expected.empty() ? nullptr : expected.front());
  EXPECT_EQ(list.GetTail(), expected.empty() ? nullptr : expected.back());
}

TEST(PtrList, EmptyListAnswersNullEverywhere) {
  List list;
  ExpectConsistent(list, {});
  EXPECT_EQ(list.GetHeadPosition(), nullptr);
  EXPECT_EQ(list.GetTailPosition(), nullptr);
  EXPECT_EQ(list.RemoveHead(), nullptr);
  EXPECT_EQ(list.RemoveTail(), nullptr);
  EXPECT_EQ(list.FindIndex(0), nullptr);
  EXPECT_EQ(list.Find(nullptr), nullptr);
  list.RemoveAll();
  ExpectConsistent(list, {});
}

TEST(PtrList, AddsInsertsAndWalksInOrder) {
  int a = 1, b = 2, c = 3, d = 4, e = 5;
  List list;
  POSITION pb = list.AddTail(&b);
  list.AddHead(&a);
  POSITION pd = list.AddTail(&d);
  ExpectConsistent(list, {&a, &b, &d});
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
  EXPECT_EQ(list.GetAt(pd), &d);
  list.SetAt(pd, &b);
  EXPECT_EQ(list.GetAt(pd), &b);
  // Null entries are stored like any other.
  list.AddTail(nullptr);
  EXPECT_EQ(list.GetTail(), nullptr);
  EXPECT_EQ(list.GetCount(), 10);
}

TEST(PtrList, FindsByPointerAndIndex) {
  int a = 1, b = 2;
  List list;
  POSITION first = list.AddTail(&a);
  list.AddTail(&b);
  POSITION second = list.AddTail(&a);
  EXPECT_EQ(list.Find(&a), first);
  EXPECT_EQ(list.Find(&a, first), second);
  EXPECT_EQ(list.Find(&a, second), nullptr);
  int other = 0;
  EXPECT_EQ(list.Find(&other), nullptr);
  EXPECT_EQ(list.FindIndex(0), first);
  EXPECT_EQ(list.FindIndex(2), second);
  EXPECT_EQ(list.FindIndex(3), nullptr);
  EXPECT_EQ(list.FindIndex(-1), nullptr);
}

TEST(PtrList, RemovesFromEitherEndAndThePosition) {
  int a = 1, b = 2, c = 3, d = 4;
  List list;
  list.AddTail(&a);
  POSITION pb = list.AddTail(&b);
  list.AddTail(&c);
  list.AddTail(&d);
  list.RemoveAt(pb);
  ExpectConsistent(list, {&a, &c, &d});
  EXPECT_EQ(list.RemoveHead(), &a);
  EXPECT_EQ(list.RemoveTail(), &d);
  ExpectConsistent(list, {&c});
  list.RemoveAt(list.GetHeadPosition());
  ExpectConsistent(list, {});
  // The list is usable again after being emptied.
  list.AddTail(&a);
  list.AddHead(&b);
  ExpectConsistent(list, {&b, &a});
  list.RemoveAll();
  ExpectConsistent(list, {});
}

TEST(PtrList, AppendsAnotherListsPointers) {
  int a = 1, b = 2, c = 3;
  List list;
  list.AddTail(&a);
  List other;
  other.AddTail(&b);
  other.AddTail(&c);
  list.AddTail(other);
  ExpectConsistent(list, {&a, &b, &c});
  list.AddHead(other);
  ExpectConsistent(list, {&b, &c, &a, &b, &c});
  ExpectConsistent(other, {&b, &c});
  // A list appended to itself doubles once.
  other.AddTail(other);
  ExpectConsistent(other, {&b, &c, &b, &c});
  other.AddHead(other);
  ExpectConsistent(other, {&b, &c, &b, &c, &b, &c, &b, &c});
  List empty;
  list.AddTail(empty);
  list.AddHead(empty);
  EXPECT_EQ(list.GetCount(), 5);
}

TEST(PtrList, NeverFreesWhatItPointsTo) {
  auto* owned = new int(7);
  {
    List list;
    list.AddTail(owned);
    list.AddTail(owned);
    list.RemoveHead();
  }
  EXPECT_EQ(*owned, 7);  // still alive: the list freed its entries only
  delete owned;
}

}  // namespace
