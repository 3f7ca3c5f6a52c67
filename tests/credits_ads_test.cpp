// Credits, credit lists, advertisements and the two advertisement lists.
#include "qodata/credits_ads.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

using Texts = std::vector<qo::String>;

auto Values(ICredit& c) {
  return std::tuple(c.getProvider(), c.getTotalCredits(), c.getUsedCredits());
}
auto Values(IAds& ads) {
  return std::tuple(ads.GetImagePath(), ads.GetURL(), ads.GetAdsType(), ads.GetTooltip(),
                    ads.GetSleepInterval(), ads.GetTransitionAnimation());
}

CAds* NewAds(const qo::String& image) {
  return new CAds(image, u"http://target", static_cast<ADSTYPE>(2), u"tip", 30, 4);
}

void Put(CCreditList& list, const qo::String& provider) {
  CCredit credit(provider, 1, 1);
  list.putCredit(&credit);
}
template <class AdsList>
void Put(AdsList& list, const qo::String& image) {
  list.AddTail(NewAds(image));
}

// The names (provider or image, "null" for a null element) and addresses of a list, in order.
template <class List>
std::vector<std::pair<qo::String, const void*>> Walk(List& list) {
  std::vector<std::pair<qo::String, const void*>> walked;
  if constexpr (std::is_base_of_v<ICreditList, List>) {
    for (POSITION p = list.getHead(); p != nullptr;) {
      ICredit* credit = list.getNext(p);
      walked.emplace_back(credit->getProvider(), credit);
    }
  } else {
    for (POSITION p = list.GetHeadPosition(); p != nullptr;) {
      auto* ads = list.GetNext(p);
      walked.emplace_back(ads != nullptr ? ads->GetImagePath() : u"null", ads);
    }
  }
  return walked;
}
template <class List>
Texts Names(List& list) {
  Texts names;
  for (const auto& entry : Walk(list)) names.push_back(entry.first);
  return names;
}

int Count(ICreditList& list) { return list.size(); }
int Count(IAdsList& list) { return list.GetSize(); }

// Assignment (= or &) appends copies after the target's own; copy construction starts empty.
template <class List>
void ExpectAssignmentAppendsCopies() {
  List source, target;
  Put(source, u"a");
  Put(source, u"b");
  Put(target, u"old");
  EXPECT_EQ(&(target & source), &target);
  const auto& self = target;  // assigning to itself changes nothing
  target = self;
  EXPECT_EQ(Names(target), (Texts{u"old", u"a", u"b"}));
  EXPECT_NE(Walk(target)[1].second, Walk(source)[0].second);  // copies, not shared
  List constructed(source);  // starts from an empty list (Clone: the copies test)
  EXPECT_EQ(Names(constructed), (Texts{u"a", u"b"}));
  if constexpr (!std::is_same_v<List, CAdsList>) {
    static_cast<typename List::MainInterface&>(constructed).clear();
    EXPECT_EQ(std::tuple(Count(constructed), Walk(constructed).size()), std::tuple(0, 0u));
  }
}

// Our starting values; the used credits are total less remaining, wrapping like 32 bits.
TEST(CreditAndAds, StartEmptyAndCountUsedCredits) {
  CCredit empty;
  EXPECT_EQ(Values(empty), std::tuple(qo::String(), 0, 0));
  CCredit filled(u"bank", 100, 30);
  EXPECT_EQ(Values(filled), std::tuple(qo::String(u"bank"), 100, 70));
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(CCredit(u"", kMin, 1).getUsedCredits(), std::numeric_limits<std::int32_t>::max());

  CAds ads;
  EXPECT_EQ(Values(ads), std::tuple(qo::String(), qo::String(), 0, qo::String(), 0u, 0u));
  ads.SetParameters(u"img", u"url", static_cast<ADSTYPE>(5), u"tip", 10, 20);
  EXPECT_EQ(Values(ads),
            std::tuple(qo::String(u"img"), qo::String(u"url"), 5, qo::String(u"tip"), 10u, 20u));
}

TEST(CreditsAndAdsLists, OwnershipOfTheElementsAndAssignment) {
  ExpectAssignmentAppendsCopies<CCreditList>();
  ExpectAssignmentAppendsCopies<CIAdsList>();
  ExpectAssignmentAppendsCopies<CAdsList>();

  // The credit list keeps a copy of its own and lends it.
  CCreditList credits;
  CCredit credit(u"first", 10, 5);
  credits.putCredit(&credit);
  credit.setProvider(u"changed");
  credits.putCredit(nullptr);  // nothing to copy: nothing added
  POSITION p = credits.getHead();
  ICredit* held = credits.getNext(p);
  // The last position moves to null, where getNext gives null; held and given have one holder.
  EXPECT_EQ(std::tuple(Count(credits), p, credits.getNext(p), credit.HolderCount(),
                       static_cast<CCredit*>(held)->HolderCount()),
            std::tuple(1, nullptr, nullptr, 1u, 1u));
  EXPECT_EQ(Values(*held), std::tuple(qo::String(u"first"), 10, 5));

  // The advertisement list takes over the caller's reference: no holder added, no copy.
  IAdsList* list = new CIAdsList();
  CAds* ads = NewAds(u"one");
  list->AddTail(ads);
  list->AddTail(nullptr);
  CAds* kept = NewAds(u"two");
  kept->AddRef();  // a caller that keeps using it adds a holder first
  list->AddTail(kept);
  EXPECT_EQ(ads->HolderCount(), 1u);
  p = list->GetHeadPosition();
  // Past the tail: null.
  EXPECT_EQ((std::tuple{list->GetNext(p), list->GetNext(p), list->GetNext(p)}),
            std::tuple(ads, kept, nullptr));
  list->Release();  // destroys "one" (AddressSanitizer sees a leak otherwise)
  EXPECT_EQ(kept->HolderCount(), 1u);
  kept->Release();

  // The object list destroys its elements outright (its positional operations: ptr_list_test).
  CAdsList objects;
  CAds* shared = NewAds(u"b");
  shared->AddRef();  // destroyed outright all the same
  objects.AddTail(shared);
  objects.AddHead(NewAds(u"a"));
  CAdsList source;
  source.AddTail(NewAds(u"x"));
  source.AddTail(nullptr);
  objects = source;  // null stays null; the copy has every value and one holder
  EXPECT_EQ(Names(objects), (Texts{u"a", u"b", u"x", u"null"}));
  CAds* copied = objects.GetAt(objects.FindIndex(2));
  EXPECT_EQ(std::tuple(Values(*copied), copied->HolderCount()),
            std::tuple(Values(*source.GetHead()), 1u));
}

}  // namespace
