// CreateInstance plus Release for every code the data factory makes.
#include <string>

#include "bench/fixtures.h"
#include "qodata/data_factory.h"

namespace bench {
namespace {

void Factory(benchmark::State& state) {
  const auto code = static_cast<tagCONTAINER_DATATYPE>(state.range(0));
  CDataFactory factory;
  for (auto _ : state) {
    IDataContainer* made = nullptr;
    factory.CreateInstance(code, &made);
    benchmark::DoNotOptimize(made);
    made->Release();
  }
  SetOpsPerIteration(state, 1);
}

}  // namespace

// One workload per code that the factory answers with a container.
void RegisterFactoryWorkloads() {
  CDataFactory factory;
  for (std::int32_t code = 0; code <= 64; ++code) {
    IDataContainer* made = nullptr;
    if (factory.CreateInstance(static_cast<tagCONTAINER_DATATYPE>(code), &made) == 0) continue;
    made->Release();
    benchmark::RegisterBenchmark("Factory_CreateRelease", Factory)->Arg(code);
  }
}

}  // namespace bench
