// Cost of the boundary-layer relaxation: one whole run to convergence
// (without the table file) and one sweep.
#include <benchmark/benchmark.h>

#include "initial_profiles.hpp"
#include "profile_state.hpp"
#include "relax_sweep.hpp"
#include "sweep_loop.hpp"

namespace {

shearprofile::ProfileState state;

void BM_WholeRun(benchmark::State &bench) {
  for (auto _ : bench) {
    shearprofile::initialiseProfiles(state);
    shearprofile::runSweeps(state, shearprofile::maxSweeps);
    benchmark::DoNotOptimize(state.sweepCount);
  }
  bench.counters["sweeps"] = static_cast<double>(state.sweepCount);
}
BENCHMARK(BM_WholeRun)->Unit(benchmark::kMillisecond);

// Sweeps continue from one another, as in the run; the profile stays finite
// and close to the converged one after the first few thousand.
void BM_RelaxSweep(benchmark::State &bench) {
  shearprofile::initialiseProfiles(state);
  for (auto _ : bench) {
    shearprofile::relaxSweep(state);
    benchmark::DoNotOptimize(state.maxRelChange);
  }
  bench.SetItemsProcessed(bench.iterations() * shearprofile::lastNode);
}
BENCHMARK(BM_RelaxSweep);

} // namespace

BENCHMARK_MAIN();
