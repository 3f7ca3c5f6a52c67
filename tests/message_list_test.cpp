// The message list: copies kept at the head, walked newest first, cleared, cloned in order.
#include "messaging/message_list.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/catalogue.h"
#include "qodata/message.h"

namespace {

using qo::String;

std::vector<String> Walk(IMessageList* list) {
  std::vector<String> texts;
  for (POSITION at = list->GetHeadPosition(); at != nullptr;) {
    texts.push_back(list->GetNext(at)->getMessage());
  }
  return texts;
}

TEST(MessageList, KeepsCopiesAtTheHeadAndWalksNewestFirst) {
  IDataContainer* made = qo::MakeContainer(CONTAINER_MESSAGE_LIST);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->GetType(), CONTAINER_MESSAGE_LIST);
  auto* list = static_cast<IMessageList*>(made);
  EXPECT_EQ(list->GetHeadPosition(), nullptr);

  auto* a = new CMessage(u"ann", u"A");
  auto* b = new CMessage(u"bob", u"B");
  list->AddHead(a);
  list->AddHead(b);
  EXPECT_EQ(list->GetSize(), 2);
  EXPECT_EQ(Walk(list), (std::vector<String>{u"B", u"A"}));
  EXPECT_EQ(a->HolderCount(), 1u);

  // The list keeps copies: changing or releasing the caller's message leaves them alone.
  POSITION at = list->GetHeadPosition();
  IMessage* first = list->GetNext(at);
  EXPECT_NE(first, static_cast<IMessage*>(b));
  EXPECT_EQ(static_cast<CMessage*>(first)->HolderCount(), 1u);
  a->setMessage(u"changed");
  a->Release();
  b->Release();
  EXPECT_EQ(Walk(list), (std::vector<String>{u"B", u"A"}));

  // Walking past the tail leaves a null position; our choice: a null position gives null.
  IMessage* second = list->GetNext(at);
  EXPECT_EQ(second->getMessage(), u"A");
  EXPECT_EQ(at, nullptr);
  EXPECT_EQ(list->GetNext(at), nullptr);
  EXPECT_EQ(at, nullptr);

  // Our choice: a null message is ignored.
  list->AddHead(nullptr);
  EXPECT_EQ(list->GetSize(), 2);
  made->Release();
}

TEST(MessageList, ClearReleasesEveryMessage) {
  IMessageList* list = new CNMessageList();
  list->clear();  // nothing to clear
  EXPECT_EQ(list->GetSize(), 0);
  CMessage message(u"ann", u"A");
  list->AddHead(&message);
  list->AddHead(&message);

  // A borrowed message with an extra holder shows the list's own one going back.
  POSITION at = list->GetHeadPosition();
  IMessage* kept = list->GetNext(at);
  kept->AddRef();
  list->clear();
  EXPECT_EQ(static_cast<CMessage*>(kept)->HolderCount(), 1u);
  EXPECT_EQ(list->GetSize(), 0);
  EXPECT_EQ(list->GetHeadPosition(), nullptr);
  kept->Release();

  // Destroying a list releases what it still holds (checked by the leak sanitizer).
  list->AddHead(&message);
  list->Release();
}

TEST(MessageList, CloneKeepsTheOrderWithCopiesOfItsOwn) {
  auto* source = new CNMessageList();
  for (const char16_t* text : {u"A", u"B", u"C"}) {
    CMessage message(u"ann", text);
    source->AddHead(&message);
  }
  source->AddRef();
  auto* clone = static_cast<IMessageList*>(source->Clone());
  EXPECT_EQ(static_cast<CNMessageList*>(clone)->HolderCount(), 1u);
  EXPECT_EQ(Walk(clone), (std::vector<String>{u"C", u"B", u"A"}));
  POSITION mine = clone->GetHeadPosition();
  POSITION theirs = source->GetHeadPosition();
  EXPECT_NE(clone->GetNext(mine), source->GetNext(theirs));

  source->clear();
  EXPECT_EQ(Walk(clone), (std::vector<String>{u"C", u"B", u"A"}));

  // Assignment replaces the target's messages by copies; assigning a list to itself keeps it.
  CNMessageList& same = *static_cast<CNMessageList*>(clone);
  same = *static_cast<CNMessageList*>(clone);
  EXPECT_EQ(Walk(clone), (std::vector<String>{u"C", u"B", u"A"}));
  *source = same;
  EXPECT_EQ(Walk(source), (std::vector<String>{u"C", u"B", u"A"}));
  EXPECT_EQ(source->HolderCount(), 2u);

  clone->Release();
  source->Release();
  source->Release();
}

}  // namespace
