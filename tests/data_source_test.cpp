// The data source: one held clone with a type code, and typed access to profiles inside it.
#include "qodata/data_source.h"

#include <gtest/gtest.h>

#include "framework/catalogue.h"
#include "qodata/buddy_profile.h"
#include "qodata/credits_ads.h"
#include "qodata/user_profile.h"

namespace {

// A buddy profile as the factory makes it, with a screen name to recognise it by.
IDataContainer* NewBuddy(const qo::String& screenName) {
  IDataContainer* container = qo::MakeContainer(CONTAINER_BUDDY_PROFILE);
  static_cast<IBuddyProfile*>(container)->setScreenName(screenName);
  return container;
}

qo::String ScreenNameOf(IDataContainer* container) {
  return static_cast<IBuddyProfile*>(container)->getScreenName();
}

TEST(DataSource, TypedQueriesReachTheProfilesOfAHeldBuddy) {
  IDataContainer* buddy = NewBuddy(u"pat");
  CQoDataSource source(CONTAINER_BUDDY_PROFILE, buddy);
  buddy->Release();  // the source keeps its own clone

  IBuddyProfile* asBuddy = nullptr;
  ASSERT_EQ(source.GetDataInterface(&asBuddy), 1);
  ASSERT_NE(asBuddy, nullptr);
  EXPECT_EQ(static_cast<IDataContainer*>(asBuddy), source.GetData());
  EXPECT_EQ(asBuddy->getScreenName(), u"pat");

  IUserProfile* asUser = nullptr;
  ASSERT_EQ(source.GetDataInterface(&asUser), 1);
  ASSERT_NE(asUser, nullptr);
  EXPECT_EQ(asUser->GetType(), CONTAINER_BUDDY_PROFILE);

  auto* held = static_cast<CBuddyProfile*>(asBuddy);
  EXPECT_EQ(held->HolderCount(), 3u);  // the source's and one per successful query
  asBuddy->Release();
  asUser->Release();
  EXPECT_EQ(held->HolderCount(), 1u);
}

TEST(DataSource, TypedQueriesRefuseOtherContainersAndEmptySources) {
  CCredit credit;
  CQoDataSource source(CONTAINER_CREDIT, &credit);
  auto* junkBuddy = reinterpret_cast<IBuddyProfile*>(0x1);
  auto* junkUser = reinterpret_cast<IUserProfile*>(0x1);
  EXPECT_EQ(source.GetDataInterface(&junkBuddy), 0);
  EXPECT_EQ(junkBuddy, nullptr);
  EXPECT_EQ(source.GetDataInterface(&junkUser), 0);
  EXPECT_EQ(junkUser, nullptr);
  EXPECT_EQ(source.GetDataInterface(static_cast<IBuddyProfile**>(nullptr)), 0);
  EXPECT_EQ(source.GetDataInterface(static_cast<IUserProfile**>(nullptr)), 0);
  EXPECT_EQ(credit.HolderCount(), 1u);

  CQoDataSource empty;
  EXPECT_EQ(empty.GetDataType(), static_cast<tagCONTAINER_DATATYPE>(0));  // our starting type
  EXPECT_EQ(empty.GetData(), nullptr);
  IUserProfile* user = reinterpret_cast<IUserProfile*>(0x1);
  EXPECT_EQ(empty.GetDataInterface(&user), 0);
  EXPECT_EQ(user, nullptr);
}

TEST(DataSource, SetDataKeepsAClone) {
  CQoDataSource source;
  source.SetDataType(CONTAINER_USER_PROFILE);  // stored as given, never checked
  CCredit credit(u"bank", 10, 4);
  source.SetData(&credit);
  IDataContainer* held = source.GetData();
  ASSERT_NE(held, nullptr);
  EXPECT_NE(held, static_cast<ICredit*>(&credit));
  EXPECT_EQ(source.GetDataType(), CONTAINER_USER_PROFILE);
  credit.setProvider(u"changed");
  EXPECT_EQ(static_cast<ICredit*>(held)->getProvider(), u"bank");

  source.SetData(nullptr);  // null keeps what was held
  EXPECT_EQ(source.GetData(), held);

  IDataContainer* buddy = NewBuddy(u"kim");
  source.SetData(buddy);
  buddy->Release();
  EXPECT_EQ(ScreenNameOf(source.GetData()), u"kim");
  EXPECT_EQ(source.GetDataType(), CONTAINER_USER_PROFILE);
}

TEST(DataSource, TwoArgumentSetDataStoresBothAndNullHoldsNothing) {
  CCredit credit;
  CQoDataSource source(CONTAINER_CREDIT, &credit);
  IDataContainer* buddy = NewBuddy(u"lee");
  source.SetData(CONTAINER_BUDDY_PROFILE, buddy);
  buddy->Release();
  EXPECT_EQ(source.GetDataType(), CONTAINER_BUDDY_PROFILE);
  EXPECT_EQ(ScreenNameOf(source.GetData()), u"lee");

  source.SetData(CONTAINER_CREDIT, nullptr);  // the pair is replaced: type kept, nothing held
  EXPECT_EQ(source.GetDataType(), CONTAINER_CREDIT);
  EXPECT_EQ(source.GetData(), nullptr);

  CQoDataSource none(CONTAINER_ADS, nullptr);
  EXPECT_EQ(none.GetDataType(), CONTAINER_ADS);
  EXPECT_EQ(none.GetData(), nullptr);
}

TEST(DataSource, CopiesHoldTheirOwnClones) {
  IDataContainer* buddy = NewBuddy(u"ann");
  CQoDataSource source(CONTAINER_BUDDY_PROFILE, buddy);
  buddy->Release();

  CQoDataSource copy(source);
  EXPECT_EQ(copy.HolderCount(), 1u);
  EXPECT_EQ(copy.GetDataType(), CONTAINER_BUDDY_PROFILE);
  ASSERT_NE(copy.GetData(), nullptr);
  EXPECT_NE(copy.GetData(), source.GetData());
  EXPECT_EQ(ScreenNameOf(copy.GetData()), u"ann");

  CQoDataSource target;
  target.AddRef();
  target.AddRef();
  CQoDataSource& result = (target & source);
  EXPECT_EQ(&result, &target);
  EXPECT_EQ(target.HolderCount(), 3u);  // holders are not copied
  EXPECT_NE(target.GetData(), source.GetData());
  EXPECT_EQ(ScreenNameOf(target.GetData()), u"ann");

  // An empty source copies its data type but leaves the target's container in place.
  IDataContainer* held = target.GetData();
  CQoDataSource empty;
  target = empty;
  EXPECT_EQ(target.GetData(), held);
  EXPECT_EQ(target.GetDataType(), static_cast<tagCONTAINER_DATATYPE>(0));
  CQoDataSource copyOfEmpty(empty);
  EXPECT_EQ(copyOfEmpty.GetData(), nullptr);
  target = source;
  target = target;
  EXPECT_EQ(ScreenNameOf(target.GetData()), u"ann");
  target.Release();
  target.Release();

  auto* clone = static_cast<IDataSource*>(source.Clone());
  EXPECT_EQ(clone->GetType(), CONTAINER_DATA_SOURCE);
  EXPECT_EQ(clone->GetDataType(), CONTAINER_BUDDY_PROFILE);
  EXPECT_NE(clone->GetData(), source.GetData());
  EXPECT_EQ(ScreenNameOf(clone->GetData()), u"ann");
  clone->Release();
}

TEST(DataSource, ContractQueryStillAnswersItsOwnCode) {
  auto* source = static_cast<IDataSource*>(qo::MakeContainer(CONTAINER_DATA_SOURCE));
  ASSERT_NE(source, nullptr);
  void* out = nullptr;
  EXPECT_EQ(source->GetDataInterface(CONTAINER_DATA_SOURCE, &out), 1);
  EXPECT_EQ(out, source);
  static_cast<IDataSource*>(out)->Release();
  EXPECT_EQ(source->GetDataInterface(CONTAINER_BUDDY_PROFILE, &out), 0);
  EXPECT_EQ(source->GetDataInterface(CONTAINER_DATA_SOURCE, nullptr), 0);
  source->Release();
}

}  // namespace
