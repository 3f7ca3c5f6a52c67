// The generic event: a set of strings, a number and a text.
#include "framework/generic_event.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "framework/catalogue.h"

namespace {


TEST(GenericEvent, StringsFormASetWithoutDuplicates) {
  CGenericEvent event;
  EXPECT_EQ(event.AddString(u"x"), 1);
  EXPECT_EQ(event.AddString(u"x"), 1);
  EXPECT_EQ(event.AddString(u"X"), 1);  // case-sensitive: a second string

  qo::StringList strings{u"old", u"entries", u"dropped"};
  EXPECT_EQ(event.GetStrings(strings), 2);
  std::sort(strings.begin(), strings.end());
  EXPECT_EQ(strings, (qo::StringList{u"X", u"x"}));

  EXPECT_EQ(event.RemoveString(u"x"), 1);
  EXPECT_EQ(event.RemoveString(u"x"), 0);
  EXPECT_EQ(event.GetStrings(strings), 1);
  EXPECT_EQ(event.RemoveString(u"X"), 1);
  EXPECT_EQ(event.GetStrings(strings), 0);
  EXPECT_TRUE(strings.empty());
}

TEST(GenericEvent, StartsEmptyWithNumberZero) {
  CGenericEvent event;
  EXPECT_EQ(event.GetNumber(), 0u);  // our choice of starting value
  EXPECT_EQ(event.GetText(), u"");
  qo::StringList strings;
  EXPECT_EQ(event.GetStrings(strings), 0);
}

TEST(GenericEvent, CloneCopiesEverythingAndStaysIndependent) {
  auto* event = static_cast<IGenericEvent*>(qo::MakeContainer(CONTAINER_GENERIC_EVENT));
  ASSERT_NE(event, nullptr);
  event->AddString(u"a");
  event->AddString(u"b");
  event->SetNumber(0xFFFFFFFFu);
  event->SetText(u"text");

  auto* copy = static_cast<IGenericEvent*>(event->Clone());
  EXPECT_EQ(copy->GetType(), CONTAINER_GENERIC_EVENT);
  EXPECT_EQ(dynamic_cast<CGenericEvent*>(copy)->HolderCount(), 1u);
  event->RemoveString(u"a");
  event->SetText(u"changed");
  event->Release();

  qo::StringList strings;
  EXPECT_EQ(copy->GetStrings(strings), 2);
  EXPECT_EQ(copy->GetNumber(), 0xFFFFFFFFu);
  EXPECT_EQ(copy->GetText(), u"text");
  void* out = nullptr;
  EXPECT_EQ(copy->GetDataInterface(CONTAINER_GENERIC_DATA, &out), 0);
  EXPECT_EQ(copy->GetDataInterface(CONTAINER_GENERIC_EVENT, nullptr), 0);
  copy->Release();
}

}  // namespace
