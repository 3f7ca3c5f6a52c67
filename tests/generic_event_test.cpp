// The generic event: a set of strings, a number and a text (its copies: copies_test.cpp).
#include "framework/generic_event.h"

#include <gtest/gtest.h>

#include <algorithm>

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

}  // namespace
