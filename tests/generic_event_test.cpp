// The generic event: a set of strings, a number and a text.
#include "framework/generic_event.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "framework/catalogue.h"

namespace {

// The strings written over a stale list, sorted, once the answer is checked as their count.
qo::StringList Strings(IGenericEvent& event) {
  qo::StringList strings{u"old", u"entries"};
  const int count = event.GetStrings(strings);
  EXPECT_EQ(count, static_cast<int>(strings.size()));
  std::sort(strings.begin(), strings.end());
  return strings;
}

TEST(GenericEvent, StringsFormACaseSensitiveSetAndStartEmptyWithNumberZero) {
  CGenericEvent event;
  EXPECT_EQ(event.GetNumber(), 0u);  // our choice of starting value
  EXPECT_EQ(event.GetText(), u"");
  EXPECT_EQ(Strings(event), qo::StringList());
  EXPECT_EQ(event.AddString(u"x"), 1);
  EXPECT_EQ(event.AddString(u"x"), 1);  // no duplicate
  EXPECT_EQ(event.AddString(u"X"), 1);
  EXPECT_EQ(Strings(event), (qo::StringList{u"X", u"x"}));
  EXPECT_EQ(event.RemoveString(u"x"), 1);
  EXPECT_EQ(event.RemoveString(u"x"), 0);
  EXPECT_EQ(Strings(event), qo::StringList{u"X"});
}

TEST(GenericEvent, CloneCopiesEverythingAndStaysIndependent) {
  auto* event = static_cast<IGenericEvent*>(qo::MakeContainer(CONTAINER_GENERIC_EVENT));
  ASSERT_NE(event, nullptr);
  event->AddString(u"a");
  event->AddString(u"b");
  event->SetNumber(0xFFFFFFFFu);
  event->SetText(u"text");
  auto* copy = static_cast<IGenericEvent*>(event->Clone());
  event->RemoveString(u"a");
  event->SetText(u"changed");
  event->Release();
  EXPECT_EQ(Strings(*copy), (qo::StringList{u"a", u"b"}));
  EXPECT_EQ(copy->GetNumber(), 0xFFFFFFFFu);
  EXPECT_EQ(copy->GetText(), u"text");
  copy->Release();
}

}  // namespace
