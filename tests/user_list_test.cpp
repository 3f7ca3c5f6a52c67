// The user list (pointers it does not own) and the search-result list (keeps nothing).
#include <gtest/gtest.h>

#include <vector>

#include "qodata/user_list.h"

namespace {

using Entries = std::vector<CUserProfile*>;

Entries EntriesOf(CUserList& list) {
  Entries out;
  for (POSITION p = list.GetHeadPosition(); p != nullptr;) out.push_back(list.GetNext(p));
  return out;
}

TEST(UserList, AssignmentAppendsTheSourcesOwnPointers) {
  CUserProfile p1, p2, p3;
  CUserList source, target;
  source.AddTail(&p1);
  source.AddTail(&p2);
  target.AddTail(&p3);
  EXPECT_EQ(&(target = source), &target);
  // Our decision: the appended entries are the source's pointers, not copies.
  EXPECT_EQ(EntriesOf(target), (Entries{&p3, &p1, &p2}));
  EXPECT_EQ(&(target & source), &target);
  EXPECT_EQ(target.GetCount(), 5);
  // Assigning a list to itself appends its entries once.
  const CUserList& sameSource = source;
  source = sameSource;
  EXPECT_EQ(EntriesOf(source), (Entries{&p1, &p2, &p1, &p2}));
  CUserList copy(source);
  EXPECT_EQ(EntriesOf(copy), EntriesOf(source));
  // Emptying and destroying the lists leave the profiles (locals here) alone.
  copy.RemoveAll();
  EXPECT_EQ(p1.HolderCount(), 1u);
}

TEST(SearchResultList, KeepsNothing) {
  CSearchResultList results;
  CUserProfile profile;
  profile.setName(u"Ann", u"Lee");
  results.add(profile);
  EXPECT_EQ(results.count(), 0);
  EXPECT_EQ(results.get(0).fields(), CUserProfile::Fields{});  // whatever was added
}

}  // namespace
