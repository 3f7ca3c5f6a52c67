// The user list (pointers to profiles it does not own) and the search-result list (keeps
// nothing).
#include <gtest/gtest.h>

#include <vector>

#include "qodata/user_list.h"

namespace {

std::vector<CUserProfile*> Entries(CUserList& list) {
  std::vector<CUserProfile*> out;
  for (POSITION p = list.GetHeadPosition(); p != nullptr;) out.push_back(list.GetNext(p));
  return out;
}

TEST(UserList, AssignmentAppendsTheSourcesOwnPointers) {
  CUserProfile p1, p2, p3;
  CUserList source;
  source.AddTail(&p1);
  source.AddTail(&p2);
  CUserList target;
  target.AddTail(&p3);

  EXPECT_EQ(&(target = source), &target);
  // Our decision: the appended entries are the source's pointers, not copies.
  EXPECT_EQ(Entries(target), (std::vector<CUserProfile*>{&p3, &p1, &p2}));
  EXPECT_EQ(Entries(source), (std::vector<CUserProfile*>{&p1, &p2}));

  EXPECT_EQ(&(target & source), &target);
  EXPECT_EQ(target.GetCount(), 5);
  // Assigning a list to itself appends its entries once.
  const CUserList& sameSource = source;
  source = sameSource;
  EXPECT_EQ(Entries(source), (std::vector<CUserProfile*>{&p1, &p2, &p1, &p2}));

  CUserList copy(source);
  EXPECT_EQ(Entries(copy), Entries(source));
}

TEST(UserList, ProfilesOutliveTheList) {
  auto* profile = new CUserProfile();
  profile->setName(u"Ann", u"Lee");
  {
    CUserList list;
    list.AddTail(profile);
    list.AddHead(profile);
    list.AddTail(nullptr);
    EXPECT_EQ(list.GetCount(), 3);
    list.RemoveHead();
  }
  CUserList list;
  list.AddTail(profile);
  list.RemoveAll();
  EXPECT_TRUE(list.IsEmpty());
  // Neither emptying nor destroying the list touched the profile or its holder count.
  EXPECT_EQ(profile->getFirstName(), u"Ann");
  EXPECT_EQ(profile->HolderCount(), 1u);
  profile->Release();
}

TEST(SearchResultList, KeepsNothing) {
  CSearchResultList results;
  CUserProfile profile;
  profile.setName(u"Ann", u"Lee");
  profile.setAge(30);
  results.add(profile);
  results.add(profile);
  EXPECT_EQ(results.count(), 0);
  for (std::int32_t index : {0, 1, -1, 1000}) {
    CUserProfile got = results.get(index);
    EXPECT_EQ(got.getFirstName(), u"");
    EXPECT_EQ(got.getAge(), 0);
    EXPECT_EQ(got.getStatus(), -1);
    EXPECT_EQ(got.HolderCount(), 1u);
  }
  CSearchResultList copy(results);
  copy = results;
  EXPECT_EQ(copy.count(), 0);
  // The caller's profile is untouched by add.
  EXPECT_EQ(profile.getFirstName(), u"Ann");
}

}  // namespace
