// The baseline: the same work on plain structs in a standard hash map, with no container
// machinery (no interfaces, holder counts, copies by assignment or indexes).
#include <algorithm>
#include <string>

#include "bench/fixtures.h"

namespace bench {
namespace {

// Copy and insert of n distinct buddies, in timed chunks as the list's Add.
void Add(benchmark::State& state) {
  const auto n = static_cast<std::size_t>(state.range(0));
  std::vector<PlainBuddy> sources(kChunk);
  for (PlainBuddy& source : sources) FillPlain(source, 0);
  double bytesPerBuddy = 0;
  ReleaseFreeMemory();
  for (auto _ : state) {
    auto plain = std::make_unique<PlainList>();
    const std::size_t before = HeapInUse();
    double seconds = 0;
    for (std::size_t start = 0; start < n; start += kChunk) {
      const std::size_t count = std::min(kChunk, n - start);
      for (std::size_t k = 0; k < count; ++k) {
        sources[k].quilloId = BuddyId(start + k);
        sources[k].email = BuddyEmail(start + k);
        sources[k].blii = BuddyBlii(start + k);
      }
      const double began = ThreadSeconds();
      for (std::size_t k = 0; k < count; ++k) {
        auto copy = std::make_unique<PlainBuddy>(sources[k]);
        (*plain)[copy->quilloId] = std::move(copy);
      }
      seconds += ThreadSeconds() - began;
    }
    bytesPerBuddy = static_cast<double>(HeapInUse() - before) / static_cast<double>(n);
    state.SetIterationTime(seconds);
  }
  SetOpsPerIteration(state, static_cast<double>(n));
  state.counters["bytes_per_buddy"] = bytesPerBuddy;
}

template <class Lookup>
void Lookups(benchmark::State& state, Lookup lookup) {
  const auto n = static_cast<std::size_t>(state.range(0));
  PlainList& plain = FilledPlain(n);
  const Probes& probes = ProbesFor(n);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(lookup(plain, probes, i));
    if (++i == n) i = 0;
  }
  SetOpsPerIteration(state, 1);
}

PlainBuddy* Find(PlainList& plain, const qo::String& key) {
  auto entry = plain.find(key);
  return entry == plain.end() ? nullptr : entry->second.get();
}

void FindKey(benchmark::State& state) {
  Lookups(state, [](PlainList& plain, const Probes& probes, std::size_t i) {
    return Find(plain, probes.keys[i]);
  });
}

// As FindKey, with the key copied first, as the list's interface takes its key by value.
void FindKeyByValue(benchmark::State& state) {
  Lookups(state, [](PlainList& plain, const Probes& probes, std::size_t i) {
    qo::String key = probes.keys[i];
    return Find(plain, key);
  });
}

void FindMiss(benchmark::State& state) {
  Lookups(state, [](PlainList& plain, const Probes& probes, std::size_t i) {
    return Find(plain, probes.missing[i]);
  });
}

void FindMissByValue(benchmark::State& state) {
  Lookups(state, [](PlainList& plain, const Probes& probes, std::size_t i) {
    qo::String key = probes.missing[i];
    return Find(plain, key);
  });
}

// What a lookup by e-mail address or BLII costs without an index: a scan.
void ScanEmail(benchmark::State& state) {
  Lookups(state, [](PlainList& plain, const Probes& probes, std::size_t i) -> PlainBuddy* {
    for (auto& [key, buddy] : plain) {
      if (buddy->email == probes.emails[i]) return buddy.get();
    }
    return nullptr;
  });
}

void ScanBlii(benchmark::State& state) {
  Lookups(state, [](PlainList& plain, const Probes& probes, std::size_t i) -> PlainBuddy* {
    for (auto& [key, buddy] : plain) {
      if (buddy->blii == probes.bliis[i]) return buddy.get();
    }
    return nullptr;
  });
}

// Find, then update the presence: status, priority and two strings.
void Update(benchmark::State& state) {
  const qo::String source = u"mobile-client-7";
  const qo::String message = u"Driving, will answer later";
  Lookups(state, [&](PlainList& plain, const Probes& probes, std::size_t i) {
    PlainBuddy* buddy = Find(plain, probes.keys[i]);
    buddy->status = buddy->presenceStatus = 2;
    buddy->presencePriority = 0;
    buddy->presenceSource = source;
    buddy->presenceStatusMessage = message;
    return buddy;
  });
}

// As Update, with the key and the two strings copied first, as the list's interface and
// SetPresence take them by value.
void UpdateByValue(benchmark::State& state) {
  const qo::String source = u"mobile-client-7";
  const qo::String message = u"Driving, will answer later";
  Lookups(state, [&](PlainList& plain, const Probes& probes, std::size_t i) {
    qo::String key = probes.keys[i];
    qo::String newSource = source;
    qo::String newMessage = message;
    PlainBuddy* buddy = Find(plain, key);
    buddy->status = buddy->presenceStatus = 2;
    buddy->presencePriority = 0;
    buddy->presenceSource = std::move(newSource);
    buddy->presenceStatusMessage = std::move(newMessage);
    return buddy;
  });
}

// A copy of every struct, then all freed.
void CopyOut(benchmark::State& state) {
  const auto n = static_cast<std::size_t>(state.range(0));
  PlainList& plain = FilledPlain(n);
  std::vector<std::unique_ptr<PlainBuddy>> copies;
  copies.reserve(n);
  ReleaseFreeMemory();
  for (auto _ : state) {
    for (auto& [key, buddy] : plain) copies.push_back(std::make_unique<PlainBuddy>(*buddy));
    copies.clear();
  }
  SetOpsPerIteration(state, static_cast<double>(n));
}

// Erase of 100 buddies (timed), stored again untimed, as the list's removals.
void Erase(benchmark::State& state) {
  const auto n = static_cast<std::size_t>(state.range(0));
  PlainList& plain = FilledPlain(n);
  const std::vector<std::size_t> order = ShuffledIndexes(n);
  PlainBuddy source;
  FillPlain(source, 0);
  const std::size_t count = std::min<std::size_t>(100, n);
  std::size_t next = 0;
  for (auto _ : state) {
    const std::size_t first = next;
    const double began = ThreadSeconds();
    for (std::size_t k = 0; k < count; ++k) {
      benchmark::DoNotOptimize(plain.erase(BuddyId(order[(first + k) % n])));
    }
    state.SetIterationTime(ThreadSeconds() - began);
    for (std::size_t k = 0; k < count; ++k) {
      const std::size_t i = order[(first + k) % n];
      source.quilloId = BuddyId(i);
      source.email = BuddyEmail(i);
      source.blii = BuddyBlii(i);
      plain.emplace(source.quilloId, std::make_unique<PlainBuddy>(source));
    }
    next = (first + count) % n;
  }
  SetOpsPerIteration(state, static_cast<double>(count));
}

}  // namespace

void RegisterPlainWorkloads(std::int64_t n) {
  RegisterSized("Plain_", "Add", Add, n, true);
  RegisterSized("Plain_", "FindKey", FindKey, n, false);
  RegisterSized("Plain_", "FindKeyByValue", FindKeyByValue, n, false);
  RegisterSized("Plain_", "FindMiss", FindMiss, n, false);
  RegisterSized("Plain_", "FindMissByValue", FindMissByValue, n, false);
  RegisterSized("Plain_", "ScanEmail", ScanEmail, n, false);
  RegisterSized("Plain_", "ScanBlii", ScanBlii, n, false);
  RegisterSized("Plain_", "Update", Update, n, false);
  RegisterSized("Plain_", "UpdateByValue", UpdateByValue, n, false);
  RegisterSized("Plain_", "CopyOut", CopyOut, n, false);
  RegisterSized("Plain_", "Erase", Erase, n, true);
}

}  // namespace bench
