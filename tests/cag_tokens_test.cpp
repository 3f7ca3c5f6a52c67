// The token queue: first in, first out, with the stored count standing in when empty.
#include "qodata/cag_tokens.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>

namespace {

constexpr std::int32_t kLowest = std::numeric_limits<std::int32_t>::min();

// Takes tokens one by one, checking each and the count after it.
struct Take {
  const char16_t* token;
  std::int32_t countAfter;
};
void ExpectTakes(ICagTokens& tokens, std::initializer_list<Take> takes) {
  for (const Take& take : takes) {
    SCOPED_TRACE(testing::Message() << "taking #" << (&take - takes.begin()));
    EXPECT_EQ(tokens.GetToken(), take.token);
    EXPECT_EQ(tokens.GetTokenCount(), take.countAfter);
  }
}

TEST(CagTokens, QueueAndStoredCountFollowTheirArithmetic) {
  CCagTokens tokens;
  EXPECT_EQ(tokens.GetTokenCount(), 0);  // our starting count
  tokens.AddToken(u"a");
  tokens.AddToken(u"b");
  tokens.AddToken(u"c");
  // The queue length while it holds tokens; then the stored count, left at 3 + 1 by AddToken,
  // less one per GetToken, empty or not; it may go negative.
  EXPECT_EQ(tokens.GetTokenCount(), 3);
  ExpectTakes(tokens, {{u"a", 2}, {u"b", 1}, {u"c", 1}, {u"", 0}, {u"", -1}});

  tokens.SetTokenCount(7);
  EXPECT_EQ(tokens.GetTokenCount(), 7);
  tokens.AddToken(u"only");  // the stored count becomes 2
  EXPECT_EQ(tokens.GetTokenCount(), 1);
  tokens.SetTokens({u"x", u"y"});  // changes nothing
  ExpectTakes(tokens, {{u"only", 1}, {u"", 0}});
  tokens.SetTokenCount(kLowest);  // wraps as a 32-bit count
  ExpectTakes(tokens, {{u"", std::numeric_limits<std::int32_t>::max()}});
}

// Copies in general: the copies test.
TEST(CagTokens, AssignmentAppendsAndTakesTheStoredCount) {
  CCagTokens source;
  source.AddToken(u"s1");
  source.AddToken(u"s2");
  source.SetTokenCount(20);
  CCagTokens target;
  target.AddToken(u"t1");
  EXPECT_EQ(&(target & source), &target);
  const auto& self = target;  // assigning to itself changes nothing
  target = self;
  ExpectTakes(target, {{u"t1", 2}, {u"s1", 1}, {u"s2", 17}});  // the source's 20, less three
  ExpectTakes(source, {{u"s1", 1}, {u"s2", 18}});              // untouched
}

}  // namespace
