#include "bench/fixtures.h"

#include <memory>
#include <string>

namespace bench {
namespace {

struct ListHolder {
  std::size_t n = 0;
  IBuddyList* list = nullptr;
  void Drop() {
    if (list != nullptr) list->Release();
    list = nullptr;
    n = 0;
  }
  ~ListHolder() { Drop(); }
};

struct PlainHolder {
  std::size_t n = 0;
  PlainList plain;
  void Drop() {
    PlainList().swap(plain);
    n = 0;
  }
};

ListHolder& Lists() {
  static ListHolder holder;
  return holder;
}

PlainHolder& Plains() {
  static PlainHolder holder;
  return holder;
}

}  // namespace

void AddBuddy(IBuddyList* list, CBuddyProfile& source, std::size_t i) {
  source.setQuilloID(BuddyId(i));
  source.setEmail(BuddyEmail(i));
  source.setBLII(BuddyBlii(i));
  list->addBuddyRecord(static_cast<IBuddyProfile*>(&source));
}

IBuddyList* FilledList(std::size_t n) {
  ListHolder& holder = Lists();
  if (holder.n == n && holder.list != nullptr) return holder.list;
  holder.Drop();
  Plains().Drop();
  holder.list = static_cast<IBuddyList*>(new CBuddyList());
  CBuddyProfile source;
  FillBuddy(source, 0);
  for (std::size_t i = 0; i < n; ++i) AddBuddy(holder.list, source, i);
  // The first lookup by BLII builds the indexes, outside every timed loop.
  holder.list->getBuddyProfileRecord(std::int32_t{0});
  holder.n = n;
  return holder.list;
}

PlainList& FilledPlain(std::size_t n) {
  PlainHolder& holder = Plains();
  if (holder.n == n) return holder.plain;
  holder.Drop();
  Lists().Drop();
  PlainBuddy source;
  FillPlain(source, 0);
  for (std::size_t i = 0; i < n; ++i) {
    source.quilloId = BuddyId(i);
    source.email = BuddyEmail(i);
    source.blii = BuddyBlii(i);
    holder.plain.emplace(source.quilloId, std::make_unique<PlainBuddy>(source));
  }
  holder.n = n;
  return holder.plain;
}

const Probes& ProbesFor(std::size_t n) {
  static std::size_t madeFor = 0;
  static Probes probes;
  if (madeFor != n) {
    probes = Probes();
    for (std::size_t i : ShuffledIndexes(n)) {
      probes.keys.push_back(BuddyId(i));
      probes.emails.push_back(BuddyEmail(i));
      probes.missing.push_back(MissingKey(i));
      probes.bliis.push_back(BuddyBlii(i));
    }
    madeFor = n;
  }
  return probes;
}

void RegisterSized(const char* prefix, const char* name, void (*workload)(benchmark::State&),
                   std::int64_t n, bool manualTime) {
  auto* registered =
      benchmark::RegisterBenchmark((std::string(prefix) + name).c_str(), workload)->Arg(n);
  if (manualTime) registered->UseManualTime();
  registered->Unit(benchmark::kMicrosecond);
}

}  // namespace bench
