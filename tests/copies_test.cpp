// The copies of every class, filled from the shared table: Clone, copy construction and
// assignment carry everything the source holds and stay independent of it afterwards.
#include <gtest/gtest.h>

#include <type_traits>

#include "container_table.h"

namespace {

using qo::test::Fill;
using qo::test::Fresh;
using qo::test::Owned;
using qo::test::Snapshot;

TEST(Copies, CloneOfEveryClassCarriesEverythingAndStaysApart) {
  for (tagCONTAINER_DATATYPE code : qo::test::ClassCodes()) {
    SCOPED_TRACE(code);
    Owned source = Fresh(code, 1);
    const Snapshot filled(source.get());
    EXPECT_FALSE(filled.Matches(Fresh(code, 2).get())) << "the snapshot sees the filling";
    Owned clone = Owned::Adopt(source->Clone());
    EXPECT_TRUE(filled.Matches(clone.get()));
    Fill(clone.get(), 2);
    EXPECT_TRUE(filled.Matches(source.get()));
  }
}

TEST(Copies, CopyConstructionAndAssignmentCarryEverything) {
  using Direct = qo::test::CopiedClasses::With<PluginEventData>;
  Direct::ForEach([](auto* type, tagCONTAINER_DATATYPE code, const char* name) {
    using T = std::remove_pointer_t<decltype(type)>;
    SCOPED_TRACE(name);
    Owned source = Fresh(code, 1);
    const Snapshot filled(source.get());
    const T& from = *dynamic_cast<T*>(source.get());
    T copied(from);
    auto* copy = static_cast<typename T::MainInterface*>(&copied);
    EXPECT_TRUE(filled.Matches(copy));
    EXPECT_EQ(copied.HolderCount(), 1u);
    Fill(copy, 2);
    EXPECT_TRUE(filled.Matches(source.get()));

    // Onto an empty target: some classes append lists on assignment.
    Owned target = Fresh(code, 0);
    T& to = *dynamic_cast<T*>(target.get());
    EXPECT_EQ(&(to = from), &to);
    EXPECT_TRUE(filled.Matches(target.get()));
    if constexpr (requires { to& from; }) {
      Owned other = Fresh(code, 0);
      T& viaAmpersand = *dynamic_cast<T*>(other.get());
      EXPECT_EQ(&(viaAmpersand & from), &viaAmpersand);
      EXPECT_TRUE(filled.Matches(other.get()));
    }
  });
}

// Each setter and insert of the table changes what the snapshot sees (one that dropped its value
// would not): a row is applied as the alloc-failure driver applies it, or to an empty container.
TEST(Copies, EachChangeOfTheTableShowsInTheSnapshot) {
  for (const qo::test::Change& change : qo::test::Changes()) {
    const bool seen = !Snapshot(Fresh(change.code, 1).get()).Matches(Fresh(change.code, 2).get());
    if (!seen || (change.use & qo::test::kSame) != 0) continue;  // see the first case
    Owned target = Fresh(change.code, (change.use & qo::test::kTest) != 0 ? change.variant : 0);
    const Snapshot before(target.get());
    change.op(target.get(), qo::test::Long(change.what, 3), 3);
    EXPECT_FALSE(before.Matches(target.get())) << change.what;
  }
}

}  // namespace
