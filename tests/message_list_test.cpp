// The message list: copies kept at the head, walked newest first, cleared, assigned.
#include "messaging/message_list.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "qodata/message.h"

namespace {

using qo::String;
using Texts = std::vector<String>;

Texts Walk(IMessageList* list) {
  Texts texts;
  for (POSITION at = list->GetHeadPosition(); at != nullptr;)
    texts.push_back(list->GetNext(at)->getMessage());
  return texts;
}

TEST(MessageList, KeepsCopiesAtTheHeadClearReleasesThemAndAssignmentReplacesThem) {
  IMessageList* list = new CNMessageList();
  auto* a = new CMessage(u"ann", u"A");
  auto* b = new CMessage(u"bob", u"B");
  list->AddHead(a);
  list->AddHead(b);
  list->AddHead(nullptr);  // our choice: ignored
  EXPECT_EQ(list->GetSize(), 2);
  EXPECT_EQ(a->HolderCount(), 1u);

  // The list keeps copies: changing or releasing the caller's message leaves them alone.
  POSITION at = list->GetHeadPosition();
  IMessage* first = list->GetNext(at);
  EXPECT_NE(first, static_cast<IMessage*>(b));
  a->setMessage(u"changed");
  a->Release();
  b->Release();
  EXPECT_EQ(Walk(list), (Texts{u"B", u"A"}));

  // Walking past the tail leaves a null position; our choice: a null position gives null.
  EXPECT_EQ(list->GetNext(at)->getMessage(), u"A");
  EXPECT_EQ(at, nullptr);
  EXPECT_EQ(list->GetNext(at), nullptr);
  EXPECT_EQ(at, nullptr);

  // Clearing gives back the list's one holder of each message.
  first->AddRef();
  list->clear();
  EXPECT_EQ(static_cast<CMessage*>(first)->HolderCount(), 1u);
  EXPECT_EQ(list->GetHeadPosition(), nullptr);
  first->Release();

  // Destroying a list releases what it still holds (checked by the leak sanitizer).
  CMessage message(u"ann", u"A");
  list->AddHead(&message);
  list->Release();

  // Assignment replaces the messages and keeps the holders; assigning to itself keeps them (what
  // copies carry, in order: copies_test.cpp).
  CNMessageList source, target;
  for (const char16_t* text : {u"A", u"B", u"C"}) {
    CMessage message(u"ann", text);
    source.AddHead(&message);
  }
  CMessage stale(u"ann", u"stale");
  target.AddHead(&stale);
  target.AddRef();
  target = source;
  EXPECT_EQ(std::tuple(Walk(&target), target.HolderCount()),
            std::tuple(Texts{u"C", u"B", u"A"}, 2u));
  const CNMessageList& same = source;
  source = same;
  EXPECT_EQ(Walk(&source), (Texts{u"C", u"B", u"A"}));
}

}  // namespace
