// Allocation-failure injection for the alloc_failure_tests program, whose alloc_failure.cpp
// replaces the global operator new and delete: once armed with N, the N-th allocation fails
// (std::bad_alloc, or null for the nothrow forms); the live-block count shows a block kept.
// The over-aligned forms stay the runtime's own, in pairs: nothing here is over-aligned.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <functional>
#include <new>

#include "container_table.h"

namespace qo::test {

struct Injection {
  std::size_t countdown = 0;  // 0: disarmed; else the allocations left until the failing one
  bool fired = false;
  long long liveBlocks = 0;
};
inline Injection injection;

inline void Arm(std::size_t n) {
  injection.fired = false;
  injection.countdown = n;
}

inline void* Allocate(std::size_t size, bool nothrow) {
  void* block = nullptr;
  if (injection.countdown != 0 && --injection.countdown == 0) {
    injection.fired = true;  // this is the allocation to fail
  } else {
    block = std::malloc(size == 0 ? 1 : size);
  }
  if (block == nullptr && !nothrow) throw std::bad_alloc();
  if (block != nullptr) ++injection.liveBlocks;
  return block;
}

inline void Free(void* block) {
  if (block != nullptr) --injection.liveBlocks;
  std::free(block);
}

// Runs make() then op(object) with the N-th allocation of op failing, N = 1, 2, ... until op
// succeeds (not at N = 1 unless mayNotAllocate). After each failure snap(object) made before must
// hold, and once the object is gone every block allocated since make() must be freed again.
template <class Make, class Op, class Snap>
void ExpectFailureSafe(const char* what, Make make, Op op, Snap snap, bool mayNotAllocate = false) {
  {  // once without failure, so that lazily made statics do not count as kept blocks
    auto object = make();
    op(object);
  }
  for (std::size_t n = 1; n <= 100000; ++n) {
    const long long baseline = injection.liveBlocks;
    bool threw = false;
    {
      auto object = make();
      const auto unchanged = snap(object);
      Arm(n);
      try {
        op(object);
      } catch (const std::bad_alloc&) {
        threw = true;
      }
      injection.countdown = 0;
      EXPECT_TRUE(threw ? unchanged() : !injection.fired)
          << what << ": allocation " << n
          << (threw ? " failed and changed the object" : " failed and was swallowed");
    }
    if (!threw) {
      EXPECT_TRUE(n > 1 || mayNotAllocate) << what << ": allocates nothing";
      return;
    }
    EXPECT_EQ(injection.liveBlocks, baseline)
        << what << ": allocation " << n << " failed and blocks outlived the object";
  }
  ADD_FAILURE() << what << ": never succeeds";
}

// A check that the container still holds what it holds now.
inline std::function<bool()> Unchanged(IDataContainer* c) {
  return [snapshot = Snapshot(c), c] { return snapshot.Matches(c); };
}

// ExpectFailureSafe on a container of the code filled with the variant, compared whole.
template <class Op>
void ExpectFailureSafeOn(const char* what, tagCONTAINER_DATATYPE code, Op op, int variant = 1,
                         bool mayNotAllocate = false) {
  ExpectFailureSafe(
      what, [=] { return Fresh(code, variant); }, op, [](Owned& o) { return Unchanged(o.get()); },
      mayNotAllocate);
}

}  // namespace qo::test
