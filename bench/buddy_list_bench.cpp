// The buddy list's workloads at 1,000, 100,000 and 1,000,000 buddies. Each is paired in the
// report with the baseline workload of the same size that does the same work (see
// plain_buddy_bench.cpp).
#include <algorithm>
#include <string>

#include "bench/fixtures.h"

namespace bench {
namespace {

// addBuddyRecord of n distinct buddies into an empty list, in timed chunks; the sources'
// identities are set between chunks, untimed. Also reports the heap grown per stored buddy.
// With `indexed`, a lookup by e-mail address on the empty list builds its indexes first, so
// that every add files the buddy in them too.
void Fill(benchmark::State& state, bool indexed) {
  const auto n = static_cast<std::size_t>(state.range(0));
  std::vector<CBuddyProfile> sources(kChunk);
  for (CBuddyProfile& source : sources) FillBuddy(source, 0);
  double bytesPerBuddy = 0;
  ReleaseFreeMemory();
  for (auto _ : state) {
    IBuddyList* list = static_cast<IBuddyList*>(new CBuddyList());
    if (indexed) list->getBuddyProfileRecord(BuddyEmail(0));
    const std::size_t before = HeapInUse();
    double seconds = 0;
    for (std::size_t start = 0; start < n; start += kChunk) {
      const std::size_t count = std::min(kChunk, n - start);
      for (std::size_t k = 0; k < count; ++k) {
        sources[k].setQuilloID(BuddyId(start + k));
        sources[k].setEmail(BuddyEmail(start + k));
        sources[k].setBLII(BuddyBlii(start + k));
      }
      const double began = ThreadSeconds();
      for (std::size_t k = 0; k < count; ++k) {
        list->addBuddyRecord(static_cast<IBuddyProfile*>(&sources[k]));
      }
      seconds += ThreadSeconds() - began;
    }
    bytesPerBuddy = static_cast<double>(HeapInUse() - before) / static_cast<double>(n);
    state.SetIterationTime(seconds);
    list->Release();
  }
  SetOpsPerIteration(state, static_cast<double>(n));
  state.counters["bytes_per_buddy"] = bytesPerBuddy;
}

void Add(benchmark::State& state) { Fill(state, false); }
void AddIndexed(benchmark::State& state) { Fill(state, true); }

// Cycles through the probes of one kind, one lookup per iteration.
template <class Lookup>
void Lookups(benchmark::State& state, Lookup lookup) {
  const auto n = static_cast<std::size_t>(state.range(0));
  IBuddyList* list = FilledList(n);
  const Probes& probes = ProbesFor(n);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(lookup(list, probes, i));
    if (++i == n) i = 0;
  }
  SetOpsPerIteration(state, 1);
}

void FindKey(benchmark::State& state) {
  Lookups(state, [](IBuddyList* list, const Probes& probes, std::size_t i) {
    return list->getBuddyProfileRecord(probes.keys[i]);
  });
}

void FindMiss(benchmark::State& state) {
  Lookups(state, [](IBuddyList* list, const Probes& probes, std::size_t i) {
    return list->getBuddyProfileRecord(probes.missing[i]);
  });
}

void FindEmail(benchmark::State& state) {
  Lookups(state, [](IBuddyList* list, const Probes& probes, std::size_t i) {
    return list->getBuddyProfileRecord(probes.emails[i]);
  });
}

void FindBlii(benchmark::State& state) {
  Lookups(state, [](IBuddyList* list, const Probes& probes, std::size_t i) {
    return list->getBuddyProfileRecord(probes.bliis[i]);
  });
}

// Lookup by key, then SetPresence on the record found (the presence is accepted each time:
// its priority equals the last one).
void Presence(benchmark::State& state) {
  const _PRESENCE presence{static_cast<tagSTATUS>(2), u"mobile-client-7", 0,
                           u"Driving, will answer later"};
  Lookups(state, [&](IBuddyList* list, const Probes& probes, std::size_t i) {
    IBuddyProfile* record = list->getBuddyProfileRecord(probes.keys[i]);
    static_cast<CBuddyProfile*>(record)->SetPresence(presence);
    return record;
  });
}

// getList (a copy of every record) followed by clearCopyOfList.
void GetList(benchmark::State& state) {
  const auto n = static_cast<std::size_t>(state.range(0));
  IBuddyList* list = FilledList(n);
  std::vector<IBuddyProfile*> copies;
  copies.reserve(n);
  ReleaseFreeMemory();
  for (auto _ : state) {
    list->getList(copies);
    list->clearCopyOfList(copies);
  }
  SetOpsPerIteration(state, static_cast<double>(n));
}

// removeBuddyRecord of 100 buddies (timed), which are then stored again (untimed).
template <class Remove>
void Removals(benchmark::State& state, Remove remove) {
  const auto n = static_cast<std::size_t>(state.range(0));
  IBuddyList* list = FilledList(n);
  const std::vector<std::size_t> order = ShuffledIndexes(n);
  CBuddyProfile source;
  FillBuddy(source, 0);
  const std::size_t count = std::min<std::size_t>(100, n);
  std::size_t next = 0;
  for (auto _ : state) {
    const std::size_t first = next;
    const double began = ThreadSeconds();
    for (std::size_t k = 0; k < count; ++k) remove(list, order[(first + k) % n]);
    state.SetIterationTime(ThreadSeconds() - began);
    for (std::size_t k = 0; k < count; ++k) AddBuddy(list, source, order[(first + k) % n]);
    next = (first + count) % n;
  }
  SetOpsPerIteration(state, static_cast<double>(count));
}

void RemoveKey(benchmark::State& state) {
  Removals(state, [](IBuddyList* list, std::size_t i) {
    benchmark::DoNotOptimize(list->removeBuddyRecord(BuddyId(i)));
  });
}

void RemoveBlii(benchmark::State& state) {
  Removals(state, [](IBuddyList* list, std::size_t i) {
    benchmark::DoNotOptimize(list->removeBuddyRecord(BuddyBlii(i)));
  });
}

}  // namespace

void RegisterListWorkloads() {
  for (std::int64_t n : kSizes) {
    RegisterSized("List_", "Add", Add, n, true);
    RegisterSized("List_", "AddIndexed", AddIndexed, n, true);
    RegisterSized("List_", "FindKey", FindKey, n, false);
    RegisterSized("List_", "FindMiss", FindMiss, n, false);
    RegisterSized("List_", "FindEmail", FindEmail, n, false);
    RegisterSized("List_", "FindBlii", FindBlii, n, false);
    RegisterSized("List_", "Presence", Presence, n, false);
    RegisterSized("List_", "GetList", GetList, n, false);
    RegisterSized("List_", "RemoveKey", RemoveKey, n, true);
    RegisterSized("List_", "RemoveBlii", RemoveBlii, n, true);
    RegisterPlainWorkloads(n);
  }
}

}  // namespace bench
