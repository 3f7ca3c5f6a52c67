// The token queue: first in, first out, with the stored count standing in when empty.
#include "qodata/cag_tokens.h"

#include <gtest/gtest.h>

#include <limits>

#include "framework/catalogue.h"

namespace {

TEST(CagTokens, QueueAndStoredCountFollowTheirArithmetic) {
  CCagTokens tokens;
  EXPECT_EQ(tokens.GetTokenCount(), 0);  // our starting count
  tokens.AddToken(u"a");
  tokens.AddToken(u"b");
  tokens.AddToken(u"c");
  EXPECT_EQ(tokens.GetTokenCount(), 3);  // the queue length while it holds tokens
  EXPECT_EQ(tokens.GetToken(), u"a");
  EXPECT_EQ(tokens.GetToken(), u"b");
  EXPECT_EQ(tokens.GetToken(), u"c");
  // AddToken left the stored count at 3 + 1; each GetToken took one off.
  EXPECT_EQ(tokens.GetTokenCount(), 1);
  EXPECT_EQ(tokens.GetToken(), u"");
  EXPECT_EQ(tokens.GetTokenCount(), 0);
  EXPECT_EQ(tokens.GetToken(), u"");
  EXPECT_EQ(tokens.GetTokenCount(), -1);  // it may go negative
}

TEST(CagTokens, FirstTokenSetsTheStoredCountToTwoWhichStopsAtTheLowestValue) {
  CCagTokens tokens;
  tokens.SetTokenCount(7);
  EXPECT_EQ(tokens.GetTokenCount(), 7);
  tokens.AddToken(u"only");
  EXPECT_EQ(tokens.GetTokenCount(), 1);
  EXPECT_EQ(tokens.GetToken(), u"only");
  EXPECT_EQ(tokens.GetTokenCount(), 1);  // 2, less the one taken

  // The stored count stops at the lowest value.
  tokens.SetTokenCount(std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(tokens.GetToken(), u"");
  EXPECT_EQ(tokens.GetTokenCount(), std::numeric_limits<std::int32_t>::min());

  // SetTokens changes nothing.
  CCagTokens kept;
  kept.AddToken(u"kept");
  kept.SetTokens({u"x", u"y"});
  EXPECT_EQ(kept.GetTokenCount(), 1);
  EXPECT_EQ(kept.GetToken(), u"kept");
  EXPECT_EQ(kept.GetTokenCount(), 1);
}

TEST(CagTokens, AssignmentAppendsAndTakesTheStoredCount) {
  CCagTokens source;
  source.AddToken(u"s1");
  source.AddToken(u"s2");
  source.SetTokenCount(20);
  CCagTokens target;
  target.AddToken(u"t1");
  target.AddRef();

  EXPECT_EQ(&(target & source), &target);
  EXPECT_EQ(target.HolderCount(), 2u);
  EXPECT_EQ(target.GetTokenCount(), 3);
  target = target;  // assigning to itself changes nothing
  EXPECT_EQ(target.GetTokenCount(), 3);
  EXPECT_EQ(target.GetToken(), u"t1");
  EXPECT_EQ(target.GetToken(), u"s1");
  EXPECT_EQ(target.GetToken(), u"s2");
  EXPECT_EQ(target.GetTokenCount(), 17);  // the source's 20, less three taken
  EXPECT_EQ(source.GetTokenCount(), 2);
}

TEST(CagTokens, CloneIsAnIndependentCopy) {
  auto* tokens = static_cast<ICagTokens*>(qo::MakeContainer(CONTAINER_CAG_TOKENS));
  ASSERT_NE(tokens, nullptr);
  tokens->AddToken(u"a");
  tokens->AddToken(u"b");
  tokens->AddRef();
  auto* clone = static_cast<ICagTokens*>(tokens->Clone());
  EXPECT_EQ(clone->GetType(), CONTAINER_CAG_TOKENS);
  EXPECT_EQ(static_cast<CCagTokens*>(clone)->HolderCount(), 1u);
  EXPECT_EQ(clone->GetToken(), u"a");
  EXPECT_EQ(clone->GetToken(), u"b");
  EXPECT_EQ(clone->GetTokenCount(), 1);  // the source's stored 3, less two
  EXPECT_EQ(tokens->GetTokenCount(), 2);
  EXPECT_EQ(tokens->GetToken(), u"a");
  clone->Release();
  tokens->Release();
  tokens->Release();
}

}  // namespace
