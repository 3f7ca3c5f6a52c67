// The token queue: first in, first out, with the stored count standing in when empty.
#include "qodata/cag_tokens.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>
#include <vector>

namespace {

// Takes tokens one by one, checking each and the count after it.
void ExpectTakes(ICagTokens& tokens, std::vector<std::pair<const char16_t*, std::int32_t>> takes) {
  for (std::size_t i = 0; i < takes.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "taking #" << i);
    EXPECT_EQ(tokens.GetToken(), takes[i].first);
    EXPECT_EQ(tokens.GetTokenCount(), takes[i].second);
  }
}

TEST(CagTokens, QueueAndStoredCountFollowTheirArithmeticAndAssignmentAppends) {
  CCagTokens tokens;
  EXPECT_EQ(tokens.GetTokenCount(), 0);  // our starting count
  for (const char16_t* token : {u"a", u"b", u"c"}) tokens.AddToken(token);
  // The queue length while it holds tokens; then the stored count, left at 3 + 1 by AddToken,
  // less one per GetToken, empty or not; it may go negative.
  ExpectTakes(tokens, {{u"a", 2}, {u"b", 1}, {u"c", 1}, {u"", 0}, {u"", -1}});

  tokens.SetTokenCount(7);
  tokens.AddToken(u"only");        // the stored count becomes 2, whatever it was
  tokens.SetTokens({u"x", u"y"});  // changes nothing
  ExpectTakes(tokens, {{u"only", 1}, {u"", 0}});
  tokens.SetTokenCount(std::numeric_limits<std::int32_t>::min());  // wraps as a 32-bit count
  ExpectTakes(tokens, {{u"", std::numeric_limits<std::int32_t>::max()}});

  // Assignment appends the source's tokens and takes its stored count (copies: the copies test).
  CCagTokens source, target;
  source.AddToken(u"s1");
  source.AddToken(u"s2");
  source.SetTokenCount(20);
  target.AddToken(u"t1");
  target = source;
  const auto& self = target;  // assigning to itself changes nothing
  target = self;
  ExpectTakes(target, {{u"t1", 2}, {u"s1", 1}, {u"s2", 17}});  // the source's 20, less three
  ExpectTakes(source, {{u"s1", 1}, {u"s2", 18}});              // untouched
}

}  // namespace
