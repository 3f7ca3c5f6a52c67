// Filled lists shared by the benchmarks of one size. A million buddies take gigabytes, so
// only one filled structure lives at a time: asking for one frees the other.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <vector>

#include "bench/bench_data.h"
#include "qodata/buddy_list.h"

namespace bench {

// A buddy list holding buddies 0..n-1 (made through the interface, as a client would), with
// its indexes by e-mail address and BLII built.
IBuddyList* FilledList(std::size_t n);
// The baseline holding the same buddies.
PlainList& FilledPlain(std::size_t n);
// Keys, e-mail addresses and BLII numbers of buddies 0..n-1 in a fixed shuffled order, and
// as many keys that are absent.
struct Probes {
  std::vector<qo::String> keys, emails, missing;
  std::vector<std::int32_t> bliis;
};
const Probes& ProbesFor(std::size_t n);

// Stores buddy `i` into the list (untimed helper: sets the source's identity first).
void AddBuddy(IBuddyList* list, CBuddyProfile& source, std::size_t i);

// Registers one workload named prefix + name for `n` buddies, in microseconds; manualTime for
// the workloads that time their own iterations.
void RegisterSized(const char* prefix, const char* name, void (*workload)(benchmark::State&),
                   std::int64_t n, bool manualTime);

// Registers the list and baseline workloads at every size, size by size, so that each filled
// structure is built once per size.
void RegisterListWorkloads();
void RegisterPlainWorkloads(std::int64_t n);
void RegisterFactoryWorkloads();

}  // namespace bench
