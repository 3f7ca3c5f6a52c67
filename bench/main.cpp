// Registers the workloads that need the library at run time (after static initialisation),
// then runs what the command line selects.
#include "bench/fixtures.h"

int main(int argc, char** argv) {
  // The small workloads first: the large lists leave a heap that later workloads would
  // inherit.
  bench::RegisterFactoryWorkloads();
  bench::RegisterListWorkloads();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
