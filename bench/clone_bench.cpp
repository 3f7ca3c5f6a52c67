// Clone of fully filled containers, and the plain struct copy that a buddy's Clone is paired
// with in the report.
#include "bench/bench_data.h"

namespace bench {
namespace {

void Clone_UserProfile(benchmark::State& state) {
  CUserProfile profile;
  FillUserProfile(profile);
  IUserProfile* source = &profile;
  for (auto _ : state) {
    IDataContainer* copy = source->Clone();
    benchmark::DoNotOptimize(copy);
    copy->Release();
  }
  SetOpsPerIteration(state, 1);
}
BENCHMARK(Clone_UserProfile);

void Clone_Buddy(benchmark::State& state) {
  CBuddyProfile buddy;
  FillBuddy(buddy, 1);
  IBuddyProfile* source = &buddy;
  for (auto _ : state) {
    IDataContainer* copy = source->Clone();
    benchmark::DoNotOptimize(copy);
    copy->Release();
  }
  SetOpsPerIteration(state, 1);
}
BENCHMARK(Clone_Buddy);

// The baseline of Clone_Buddy: a heap copy of the plain struct, then freed.
void Plain_CopyBuddy(benchmark::State& state) {
  PlainBuddy buddy;
  FillPlain(buddy, 1);
  for (auto _ : state) {
    auto copy = std::make_unique<PlainBuddy>(buddy);
    benchmark::DoNotOptimize(copy.get());
  }
  SetOpsPerIteration(state, 1);
}
BENCHMARK(Plain_CopyBuddy);

void Clone_Message(benchmark::State& state) {
  CMessage message;
  FillMessage(message);
  IMessage* source = &message;
  for (auto _ : state) {
    IDataContainer* copy = source->Clone();
    benchmark::DoNotOptimize(copy);
    copy->Release();
  }
  SetOpsPerIteration(state, 1);
}
BENCHMARK(Clone_Message);

}  // namespace
}  // namespace bench
