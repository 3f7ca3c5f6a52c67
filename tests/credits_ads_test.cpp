// Credits, credit lists, advertisements and the two advertisement lists.
#include "qodata/credits_ads.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "framework/catalogue.h"

namespace {

std::vector<qo::String> Providers(ICreditList& list) {
  std::vector<qo::String> providers;
  for (POSITION p = list.getHead(); p != nullptr;)
    providers.push_back(list.getNext(p)->getProvider());
  return providers;
}

template <class List>
std::vector<qo::String> Images(List& list) {
  std::vector<qo::String> images;
  for (POSITION p = list.GetHeadPosition(); p != nullptr;)
    images.push_back(list.GetNext(p)->GetImagePath());
  return images;
}

auto Values(IAds& ads) {
  return std::tuple(ads.GetImagePath(), ads.GetURL(), ads.GetAdsType(), ads.GetTooltip(),
                    ads.GetSleepInterval(), ads.GetTransitionAnimation());
}

CAds* NewAds(const qo::String& image) {
  return new CAds(image, u"http://target", static_cast<ADSTYPE>(2), u"tip", 30, 4);
}

TEST(Credit, ConstructionCopiesAndHolders) {
  CCredit fresh;
  EXPECT_EQ(fresh.getProvider(), u"");
  EXPECT_EQ(fresh.getTotalCredits(), 0);  // our starting totals
  EXPECT_EQ(fresh.getUsedCredits(), 0);

  CCredit credit(u"bank", 100, 30);
  EXPECT_EQ(credit.getTotalCredits(), 100);
  EXPECT_EQ(credit.getUsedCredits(), 70);

  credit.AddRef();
  credit.AddRef();
  ICredit* copy = credit.Copy();
  EXPECT_EQ(copy->GetType(), CONTAINER_CREDIT);
  EXPECT_EQ(static_cast<CCredit*>(copy)->HolderCount(), 1u);
  EXPECT_EQ(copy->getProvider(), u"bank");
  EXPECT_EQ(copy->getUsedCredits(), 70);
  copy->setProvider(u"other");
  EXPECT_EQ(credit.getProvider(), u"bank");
  copy->Release();

  CCredit target;
  target.AddRef();
  EXPECT_EQ(&(target & credit), &target);
  EXPECT_EQ(target.HolderCount(), 2u);  // assignment keeps the target's holders
  EXPECT_EQ(target.getTotalCredits(), 100);
  CCredit constructed(credit);
  EXPECT_EQ(constructed.HolderCount(), 1u);
  EXPECT_EQ(constructed.getUsedCredits(), 70);
}

TEST(CreditList, PutCreditKeepsACopyAndWalksInOrder) {
  CCreditList list;
  EXPECT_EQ(list.getHead(), nullptr);
  CCredit credit(u"first", 10, 5);
  list.putCredit(&credit);
  credit.setProvider(u"changed");
  credit.setUsedCredits(0);
  list.putCredit(nullptr);  // nothing to copy: nothing added
  EXPECT_EQ(list.size(), 1);
  EXPECT_EQ(credit.HolderCount(), 1u);

  POSITION p = list.getHead();
  ICredit* held = list.getNext(p);
  EXPECT_EQ(p, nullptr);  // the last position moves to null
  EXPECT_NE(held, static_cast<ICredit*>(&credit));
  EXPECT_EQ(held->getProvider(), u"first");
  EXPECT_EQ(held->getTotalCredits(), 10);
  EXPECT_EQ(held->getUsedCredits(), 5);
  EXPECT_EQ(static_cast<CCredit*>(held)->HolderCount(), 1u);
  EXPECT_EQ(list.getNext(p), nullptr);  // a null position gives null

  list.clear();
  EXPECT_EQ(list.size(), 0);
  EXPECT_EQ(list.getHead(), nullptr);
}

TEST(CreditList, AssignmentAppendsCopies) {
  CCreditList source;
  CCredit a(u"a", 1, 1);
  CCredit b(u"b", 2, 2);
  source.putCredit(&a);
  source.putCredit(&b);
  CCreditList target;
  CCredit old(u"old", 0, 0);
  target.putCredit(&old);
  target.AddRef();

  EXPECT_EQ(&(target & source), &target);
  EXPECT_EQ(target.HolderCount(), 2u);
  EXPECT_EQ(Providers(target), (std::vector<qo::String>{u"old", u"a", u"b"}));
  POSITION sourceHead = source.getHead();
  POSITION targetSecond = target.getHead();
  target.getNext(targetSecond);
  EXPECT_NE(source.getNext(sourceHead), target.getNext(targetSecond));  // copies, not shared
  target = target;  // assigning to itself changes nothing
  EXPECT_EQ(target.size(), 3);

  CCreditList constructed(source);
  EXPECT_EQ(constructed.HolderCount(), 1u);
  EXPECT_EQ(Providers(constructed), (std::vector<qo::String>{u"a", u"b"}));

  auto* clone = static_cast<ICreditList*>(source.Clone());
  EXPECT_EQ(clone->GetType(), CONTAINER_CREDIT_LIST);
  EXPECT_EQ(Providers(*clone), (std::vector<qo::String>{u"a", u"b"}));
  clone->Release();
}

TEST(Ads, ValuesCopiesAndHolders) {
  CAds fresh;  // our starting values
  EXPECT_EQ(Values(fresh), std::tuple(qo::String(), qo::String(), 0, qo::String(), 0u, 0u));
  fresh.SetParameters(u"img", u"url", static_cast<ADSTYPE>(5), u"tip", 10, 20);
  const auto filled = std::tuple(qo::String(u"img"), qo::String(u"url"), 5, qo::String(u"tip"),
                                 10u, 20u);
  EXPECT_EQ(Values(fresh), filled);

  fresh.AddRef();
  fresh.AddRef();
  IAds* copy = fresh.Copy();
  EXPECT_EQ(copy->GetType(), CONTAINER_ADS);
  EXPECT_EQ(static_cast<CAds*>(copy)->HolderCount(), 1u);
  EXPECT_EQ(Values(*copy), filled);
  copy->SetImagePath(u"other");
  EXPECT_EQ(fresh.GetImagePath(), u"img");
  copy->Release();

  CAds constructed(fresh);
  EXPECT_EQ(constructed.HolderCount(), 1u);
  EXPECT_EQ(Values(constructed), filled);
  CAds target;
  target.AddRef();
  target = fresh;
  EXPECT_EQ(target.HolderCount(), 2u);
  EXPECT_EQ(Values(target), filled);
}

TEST(AdsContainerList, TakesOverTheCallersReference) {
  auto* list = static_cast<IAdsList*>(qo::MakeContainer(CONTAINER_ADS_LIST));
  ASSERT_NE(list, nullptr);
  CAds* ads = NewAds(u"one");
  list->AddTail(ads);  // no holder added: the list owns the caller's reference
  EXPECT_EQ(ads->HolderCount(), 1u);
  list->AddTail(nullptr);
  EXPECT_EQ(list->GetSize(), 1);

  CAds* kept = NewAds(u"two");
  kept->AddRef();  // a caller that keeps using it adds a holder first
  list->AddTail(kept);
  POSITION p = list->GetHeadPosition();
  EXPECT_EQ(list->GetNext(p), static_cast<IAds*>(ads));  // the very object, not a copy
  EXPECT_EQ(list->GetNext(p), static_cast<IAds*>(kept));
  EXPECT_EQ(p, nullptr);
  EXPECT_EQ(list->GetNext(p), nullptr);

  list->Release();  // destroys "one" (AddressSanitizer sees a leak otherwise)
  EXPECT_EQ(kept->HolderCount(), 1u);
  EXPECT_EQ(kept->GetImagePath(), u"two");
  kept->Release();
}

TEST(AdsContainerList, AssignmentAppendsCopies) {
  CIAdsList source;
  source.AddTail(NewAds(u"a"));
  source.AddTail(NewAds(u"b"));
  CIAdsList target;
  target.AddTail(NewAds(u"old"));
  target.AddRef();
  EXPECT_EQ(&(target & source), &target);
  EXPECT_EQ(target.HolderCount(), 2u);
  EXPECT_EQ(Images(target), (std::vector<qo::String>{u"old", u"a", u"b"}));
  target = target;
  EXPECT_EQ(target.GetSize(), 3);

  CIAdsList constructed(source);
  EXPECT_EQ(constructed.HolderCount(), 1u);
  EXPECT_EQ(Images(constructed), (std::vector<qo::String>{u"a", u"b"}));
  POSITION sourceHead = source.GetHeadPosition();
  POSITION copyHead = constructed.GetHeadPosition();
  EXPECT_NE(source.GetNext(sourceHead), constructed.GetNext(copyHead));

  auto* clone = static_cast<IAdsList*>(source.Clone());
  EXPECT_EQ(clone->GetType(), CONTAINER_ADS_LIST);
  EXPECT_EQ(Images(*clone), (std::vector<qo::String>{u"a", u"b"}));
  clone->clear();
  EXPECT_EQ(clone->GetSize(), 0);
  clone->Release();
}

TEST(AdsObjectList, OwnsAndDestroysItsElements) {
  CAdsList list;
  CAds* shared = NewAds(u"b");
  shared->AddRef();  // destroyed outright all the same
  list.AddTail(shared);
  list.AddHead(NewAds(u"a"));
  list.InsertAfter(list.GetTailPosition(), NewAds(u"c"));
  EXPECT_EQ(Images(list), (std::vector<qo::String>{u"a", u"b", u"c"}));
  EXPECT_EQ(list.GetCount(), 3);
  EXPECT_EQ(list.Find(shared), list.FindIndex(1));

  // An element taken off passes to the caller.
  CAds* removed = list.RemoveHead();
  EXPECT_EQ(removed->GetImagePath(), u"a");
  delete removed;
  EXPECT_EQ(list.GetSize(), 2);
}

TEST(AdsObjectList, AssignmentAppendsNewObjects) {
  CAdsList source;
  source.AddTail(NewAds(u"a"));
  source.AddTail(nullptr);  // null stays null in a copy
  CAdsList target;
  target.AddTail(NewAds(u"old"));
  EXPECT_EQ(&(target & source), &target);
  EXPECT_EQ(target.GetCount(), 3);
  EXPECT_EQ(target.GetHead()->GetImagePath(), u"old");
  POSITION second = target.FindIndex(1);
  CAds* copied = target.GetAt(second);
  EXPECT_NE(copied, source.GetHead());
  EXPECT_EQ(copied->GetImagePath(), u"a");
  EXPECT_EQ(copied->GetSleepInterval(), 30u);
  EXPECT_EQ(copied->HolderCount(), 1u);
  EXPECT_EQ(target.GetTail(), nullptr);
  target = target;
  EXPECT_EQ(target.GetCount(), 3);

  CAdsList constructed(source);
  EXPECT_EQ(constructed.GetCount(), 2);
  EXPECT_NE(constructed.GetHead(), source.GetHead());
}

TEST(CreditsAndAds, AnswerOnlyTheirOwnCodes) {
  for (tagCONTAINER_DATATYPE code :
       {CONTAINER_CREDIT, CONTAINER_CREDIT_LIST, CONTAINER_ADS, CONTAINER_ADS_LIST}) {
    IDataContainer* container = qo::MakeContainer(code);
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(container->GetType(), code);
    void* out = nullptr;
    EXPECT_EQ(container->GetDataInterface(code, nullptr), 0);
    EXPECT_EQ(container->GetDataInterface(CONTAINER_USER_PROFILE, &out), 0);
    EXPECT_EQ(container->GetDataInterface(code, &out), 1);
    EXPECT_EQ(out, container);
    container->Release();
    container->Release();
  }
}

}  // namespace
