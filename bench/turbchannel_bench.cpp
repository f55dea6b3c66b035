// Cost of the channel-flow solver on its largest grid (N = 101) for both
// closures: one iteration (eddy viscosity, solution step with wall functions,
// change measure), the wall functions alone, and one whole run from the
// initial state to convergence (without the dialogue and the result files).
#include <benchmark/benchmark.h>

#include <cstdint>

#include "turbchannel/channel_state.hpp"
#include "turbchannel/floating_point_mode.hpp"
#include "turbchannel/run_driver.hpp"
#include "turbchannel/run_setup.hpp"
#include "turbchannel/wall_functions.hpp"

namespace {

using namespace turbchannel;

ChannelState state;

void setUp(const benchmark::State &bench) {
  enableFlushToZero();
  setupRun(state, static_cast<std::int32_t>(bench.range(0)), MaxGridPoints, static_cast<double>(bench.range(1)));
}

void BM_Iteration(benchmark::State &bench) {
  setUp(bench);
  for (auto _ : bench) {
    benchmark::DoNotOptimize(runIteration(state));
  }
  bench.SetItemsProcessed(bench.iterations());
}

void BM_WallFunctions(benchmark::State &bench) {
  setUp(bench);
  for (auto _ : bench) {
    applyWallFunctions(state);
    benchmark::ClobberMemory();
  }
}

void BM_WholeRun(benchmark::State &bench) {
  std::int32_t iterations = 0;
  for (auto _ : bench) {
    setUp(bench);
    iterations = iterateUntilConverged(state);
    benchmark::DoNotOptimize(iterations);
  }
  bench.counters["iterations"] = iterations;
}

// Arguments: model (0 k-epsilon, 1 k-omega), Reynolds number.
void closures(benchmark::internal::Benchmark *b) {
  b->ArgNames({"model", "Re"});
  for (const std::int64_t model : {0, 1}) {
    b->Args({model, 395});
  }
}

void closuresAndReynolds(benchmark::internal::Benchmark *b) {
  b->ArgNames({"model", "Re"});
  for (const std::int64_t model : {0, 1}) {
    for (const std::int64_t re : {395, 590}) {
      b->Args({model, re});
    }
  }
}

BENCHMARK(BM_Iteration)->Apply(closures);
BENCHMARK(BM_WallFunctions)->Apply(closures);
BENCHMARK(BM_WholeRun)->Apply(closuresAndReynolds)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
