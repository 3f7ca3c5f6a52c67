// The data source: one held clone with a type code, and typed access to profiles inside it.
#include "qodata/data_source.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "framework/catalogue.h"
#include "qodata/buddy_profile.h"
#include "qodata/credits_ads.h"
#include "qodata/user_profile.h"

namespace {

constexpr auto kNoType = static_cast<tagCONTAINER_DATATYPE>(0);

// A buddy profile as the factory makes it, with a screen name to recognise it by.
IDataContainer* NewBuddy(const qo::String& screenName) {
  IDataContainer* container = qo::MakeContainer(CONTAINER_BUDDY_PROFILE);
  static_cast<IBuddyProfile*>(container)->setScreenName(screenName);
  return container;
}

// A source holding its own clone of a new buddy.
void SetBuddy(CQoDataSource& source, tagCONTAINER_DATATYPE type, const qo::String& screenName) {
  IDataContainer* buddy = NewBuddy(screenName);
  source.SetData(type, buddy);
  buddy->Release();
}

qo::String ScreenNameOf(IDataContainer* container) {
  return static_cast<IBuddyProfile*>(container)->getScreenName();
}

// The answer of a typed query whose out pointer starts at a junk mark, and what it wrote.
template <class Profile>
std::pair<int, Profile*> Query(IDataSource& source) {
  auto* out = reinterpret_cast<Profile*>(&source);
  const int answer = source.GetDataInterface(&out);
  return {answer, out};
}

TEST(DataSource, TypedQueriesReachTheProfilesOfAHeldBuddyOnly) {
  CQoDataSource source;
  EXPECT_EQ(std::tuple(source.GetDataType(), source.GetData()),
            std::tuple(kNoType, nullptr));  // ours
  EXPECT_EQ(Query<IUserProfile>(source), std::pair(0, static_cast<IUserProfile*>(nullptr)));

  SetBuddy(source, CONTAINER_BUDDY_PROFILE, u"pat");
  auto [buddyAnswer, asBuddy] = Query<IBuddyProfile>(source);
  ASSERT_EQ(buddyAnswer, 1);
  EXPECT_EQ(static_cast<IDataContainer*>(asBuddy), source.GetData());
  auto [userAnswer, asUser] = Query<IUserProfile>(source);
  ASSERT_EQ(userAnswer, 1);
  EXPECT_EQ(asUser->GetType(), CONTAINER_BUDDY_PROFILE);
  auto* held = static_cast<CBuddyProfile*>(asBuddy);
  EXPECT_EQ(held->HolderCount(), 3u);  // the source's and one per successful query
  asBuddy->Release();
  asUser->Release();
  EXPECT_EQ(held->HolderCount(), 1u);
  // The contract's own query answers the source itself, never the held buddy.
  void* out = nullptr;
  EXPECT_EQ(source.GetDataInterface(CONTAINER_BUDDY_PROFILE, &out), 0);
  EXPECT_EQ(source.GetDataInterface(CONTAINER_DATA_SOURCE, nullptr), 0);
  ASSERT_EQ(source.GetDataInterface(CONTAINER_DATA_SOURCE, &out), 1);
  EXPECT_EQ(out, static_cast<IDataSource*>(&source));
  source.Release();

  CCredit credit;
  CQoDataSource other(CONTAINER_CREDIT, &credit);
  EXPECT_EQ(Query<IBuddyProfile>(other), std::pair(0, static_cast<IBuddyProfile*>(nullptr)));
  EXPECT_EQ(Query<IUserProfile>(other), std::pair(0, static_cast<IUserProfile*>(nullptr)));
  EXPECT_EQ(std::tuple(other.GetDataInterface(static_cast<IBuddyProfile**>(nullptr)),
                       other.GetDataInterface(static_cast<IUserProfile**>(nullptr)),
                       credit.HolderCount()),
            std::tuple(0, 0, 1u));
}

TEST(DataSource, SetDataKeepsAClone) {
  CQoDataSource source;
  source.SetDataType(CONTAINER_USER_PROFILE);  // stored as given, never checked
  CCredit credit(u"bank", 10, 4);
  source.SetData(&credit);
  IDataContainer* held = source.GetData();
  ASSERT_NE(held, nullptr);
  EXPECT_NE(held, static_cast<ICredit*>(&credit));
  credit.setProvider(u"changed");
  EXPECT_EQ(static_cast<ICredit*>(held)->getProvider(), u"bank");
  source.SetData(nullptr);  // null keeps what was held
  EXPECT_EQ(source.GetData(), held);
  IDataContainer* buddy = NewBuddy(u"kim");
  source.SetData(buddy);
  buddy->Release();
  EXPECT_EQ(std::tuple(ScreenNameOf(source.GetData()), source.GetDataType()),
            std::tuple(qo::String(u"kim"), CONTAINER_USER_PROFILE));

  // The two-argument form replaces the pair: with null, the type is kept and nothing held.
  SetBuddy(source, CONTAINER_BUDDY_PROFILE, u"lee");
  EXPECT_EQ(std::tuple(ScreenNameOf(source.GetData()), source.GetDataType()),
            std::tuple(qo::String(u"lee"), CONTAINER_BUDDY_PROFILE));
  source.SetData(CONTAINER_CREDIT, nullptr);
  CQoDataSource none(CONTAINER_ADS, nullptr);
  EXPECT_EQ(std::tuple(source.GetDataType(), source.GetData(), none.GetDataType(), none.GetData()),
            std::tuple(CONTAINER_CREDIT, nullptr, CONTAINER_ADS, nullptr));
}

// Our choice: an empty source gives its data type but leaves the target's container in place.
TEST(DataSource, AssigningAnEmptySourceKeepsTheTargetsData) {
  CQoDataSource target;
  SetBuddy(target, CONTAINER_BUDDY_PROFILE, u"ann");
  IDataContainer* held = target.GetData();
  CQoDataSource empty;
  target = empty;
  EXPECT_EQ(std::tuple(target.GetData(), target.GetDataType()), std::tuple(held, kNoType));
  const auto& self = target;  // assigning to itself changes nothing
  target = self;
  EXPECT_EQ(ScreenNameOf(target.GetData()), u"ann");
}

}  // namespace
