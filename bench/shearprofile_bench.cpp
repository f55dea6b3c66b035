// Cost of the boundary-layer relaxation: one whole run to convergence
// (without the table file) and one sweep, each beside a straightforward
// baseline (the sweep's steps as separate loops) and beside the bare pair of
// recurrences that bounds a sweep from below.
#include <benchmark/benchmark.h>

#include <cmath>

#include "change_measure.hpp"
#include "initial_profiles.hpp"
#include "profile_state.hpp"
#include "relax_sweep.hpp"
#include "sweep_loop.hpp"

namespace {

using namespace shearprofile;

ProfileState state;

// The sweep written step by step: stream function and saved copy, first
// cell, remaining cells, change measure, each its own loop.
void baselineRelaxSweep(ProfileState &s) {
  s.streamF[0] = 0.0;
  for (std::int32_t i = 1; i <= lastNode; ++i) {
    s.streamF[i] = s.uCell[i] * gridStep + s.streamF[i - 1];
    s.uCellPrev[i] = s.uCell[i];
  }
  const double c = (0.5 * (s.streamF[0] + s.streamF[1])) * gridStep;
  s.uCell[1] = ((c + 4.0) / (12.0 - c)) * s.uCell[2];
  const double d = s.etaMid[1] * gridStep;
  s.uLinCell[1] = ((d + 4.0) / (12.0 - d)) * s.uLinCell[2];
  for (std::int32_t i = 2; i <= lastNode; ++i) {
    const double p = (0.5 * (s.streamF[i - 1] + s.streamF[i])) * (gridStep * 0.125);
    s.uCell[i] = s.uCell[i - 1] * (0.5 - p) + (p + 0.5) * s.uCell[i + 1];
    const double q = (0.125 * gridStep) * s.etaMid[i];
    s.uLinCell[i] = s.uLinCell[i - 1] * (0.5 - q) + (q + 0.5) * s.uLinCell[i + 1];
  }
  s.maxRelChange = largestRelativeChange(s);
}

void baselineRunSweeps(ProfileState &s, std::int32_t limit) {
  for (s.sweepCount = 1;; ++s.sweepCount) {
    baselineRelaxSweep(s);
    if (s.maxRelChange < sweepTolerance) {
      return;
    }
    if (s.sweepCount >= limit) {
      s.sweepCount = limit + 1;
      return;
    }
  }
}

// Only the two recurrences of the cell updates, with the stream function
// already in place: the dependent chain no sweep can avoid.
void bareRecurrences(ProfileState &s) {
  for (std::int32_t i = 2; i <= lastNode; ++i) {
    const double p = (0.5 * (s.streamF[i - 1] + s.streamF[i])) * (gridStep * 0.125);
    s.uCell[i] = s.uCell[i - 1] * (0.5 - p) + (p + 0.5) * s.uCell[i + 1];
    const double q = (0.125 * gridStep) * s.etaMid[i];
    s.uLinCell[i] = s.uLinCell[i - 1] * (0.5 - q) + (q + 0.5) * s.uLinCell[i + 1];
  }
}

constexpr std::int32_t convergedSweeps = 84642;

void BM_WholeRun(benchmark::State &bench) {
  for (auto _ : bench) {
    initialiseProfiles(state);
    runSweeps(state, maxSweeps);
    benchmark::DoNotOptimize(state.sweepCount);
  }
  bench.counters["sweeps"] = static_cast<double>(state.sweepCount);
}
BENCHMARK(BM_WholeRun)->Unit(benchmark::kMillisecond);

void BM_BaselineWholeRun(benchmark::State &bench) {
  for (auto _ : bench) {
    initialiseProfiles(state);
    baselineRunSweeps(state, maxSweeps);
    benchmark::DoNotOptimize(state.sweepCount);
  }
  bench.counters["sweeps"] = static_cast<double>(state.sweepCount);
}
BENCHMARK(BM_BaselineWholeRun)->Unit(benchmark::kMillisecond);

// As many bare recurrence passes as a whole run makes sweeps.
void BM_BareRecurrencesWholeRun(benchmark::State &bench) {
  for (auto _ : bench) {
    initialiseProfiles(state);
    relaxSweep(state);
    for (std::int32_t sweep = 0; sweep < convergedSweeps; ++sweep) {
      bareRecurrences(state);
      benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(state.uCell[lastNode]);
  }
}
BENCHMARK(BM_BareRecurrencesWholeRun)->Unit(benchmark::kMillisecond);

// Sweeps continue from one another, as in the run; the profile stays finite
// and close to the converged one after the first few thousand.
void BM_RelaxSweep(benchmark::State &bench) {
  initialiseProfiles(state);
  for (auto _ : bench) {
    relaxSweep(state);
    benchmark::DoNotOptimize(state.maxRelChange);
  }
  bench.SetItemsProcessed(bench.iterations() * lastNode);
}
BENCHMARK(BM_RelaxSweep);

void BM_BaselineRelaxSweep(benchmark::State &bench) {
  initialiseProfiles(state);
  for (auto _ : bench) {
    baselineRelaxSweep(state);
    benchmark::DoNotOptimize(state.maxRelChange);
  }
  bench.SetItemsProcessed(bench.iterations() * lastNode);
}
BENCHMARK(BM_BaselineRelaxSweep);

void BM_BareRecurrences(benchmark::State &bench) {
  initialiseProfiles(state);
  relaxSweep(state);
  for (auto _ : bench) {
    bareRecurrences(state);
    benchmark::ClobberMemory();
  }
  bench.SetItemsProcessed(bench.iterations() * lastNode);
}
BENCHMARK(BM_BareRecurrences);

} // namespace

BENCHMARK_MAIN();
