// Cost of the channel-flow solver: one iteration (eddy viscosity, solution
// step with wall functions, change measure) on grids from the smallest useful
// one to the largest, the wall functions alone, and whole runs from the
// initial state (without the dialogue and the result files): typical
// converging cases and one that never converges and so makes all 500000
// iterations.
//
// Each figure stands beside a baseline in the same binary: the solution step
// written out plainly, with every wall-function call running its friction-
// velocity iteration, driven by a copy of the iteration loop. Ratios of the
// two cancel most of the machine's noise.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>

#include "turbchannel/channel_state.hpp"
#include "turbchannel/convergence_measure.hpp"
#include "turbchannel/eddy_viscosity.hpp"
#include "turbchannel/floating_point_mode.hpp"
#include "turbchannel/run_driver.hpp"
#include "turbchannel/run_setup.hpp"
#include "turbchannel/wall_functions.hpp"

namespace {

using namespace turbchannel;

// The straightforward solution step: each equation's coefficients and sweep
// as first written, and wall functions that iterate at every call.
namespace baseline {

constexpr double sqrtCMu = 0.3;
constexpr double sqrtCMuKappa = 0.126;

double nextFrictionVelocity(double t, double uP, double yP, double nu) {
  return std::sqrt((t * (kappa * uP)) / std::log((t * (logLawE * yP)) / nu));
}

double relativeStep(double oldValue, double newValue) { return std::fabs(newValue - oldValue) / newValue; }

FrictionVelocities frictionVelocities(double uLower, double yLower, double uUpper, double yUpper, double nu) {
  double tL = frictionVelocityGuess;
  double tU = frictionVelocityGuess;
  double m = 0.0;
  std::int32_t pass = 1;
  while (true) {
    const double nextL = nextFrictionVelocity(tL, uLower, yLower, nu);
    const double nextU = nextFrictionVelocity(tU, uUpper, yUpper, nu);
    const double stepL = relativeStep(tL, nextL);
    const double stepU = relativeStep(tU, nextU);
    if (stepL > m) {
      m = stepL;
    }
    if (stepU > m) {
      m = stepU;
    }
    tL = nextL;
    tU = nextU;
    if (m < frictionVelocityTolerance || pass + 1 > maxFrictionVelocityPasses) {
      return {tL, tU, pass};
    }
    ++pass;
  }
}

void applyWallFunctions(ChannelState &state) {
  const std::int32_t top = state.gridCount - 1;
  const double nu = state.nu;
  const double yL = state.y[1] + 1.0;
  const double yU = 1.0 - state.y[top];
  const FrictionVelocities t = frictionVelocities(state.u[1], yL, state.u[top], yU, nu);
  const double tL = t.lower;
  const double tU = t.upper;
  state.u[1] = (tL / kappa) * std::log(((logLawE * yL) * tL) / nu);
  state.u[top] = (tU / kappa) * std::log(((logLawE * yU) * tU) / nu);
  state.k[1] = (tL * tL) / sqrtCMu;
  state.k[top] = (tU * tU) / sqrtCMu;
  if (state.model == KEpsilon) {
    state.eps[1] = ((tL * (tL * tL)) / kappa) / yL;
    state.eps[top] = ((tU * (tU * tU)) / kappa) / yU;
  } else if (state.model == KOmega) {
    state.omega[1] = (tL / sqrtCMuKappa) / yL;
    state.omega[top] = (tU / sqrtCMuKappa) / yU;
  }
}

void saveProfiles(ChannelState &state) {
  for (std::int32_t j = 1; j <= state.gridCount; ++j) {
    state.uOld[j] = state.u[j];
    state.kOld[j] = state.k[j];
    state.epsOld[j] = state.eps[j];
  }
}

void setTurbulentFaces(const ChannelState &state, double sigma, std::int32_t j, EquationCoefficients &c) {
  const double nu = state.nu;
  const auto &nut = state.nut;
  c.aE[j] = (2.0 * nu + nut[j + 1] / sigma + nut[j] / sigma) * 0.5 / state.dy;
  c.aW[j] = (2.0 * nu + nut[j] / sigma + nut[j - 1] / sigma) * 0.5 / state.dy;
}

double solveNode(const EquationCoefficients &c, const NodeArray &phi, std::int32_t j) {
  return (c.source[j] + c.aE[j] * phi[j + 1] + c.aW[j] * phi[j - 1]) / c.aP[j];
}

void setVelocityCoefficients(ChannelState &state) {
  const double nu = state.nu;
  const auto &nut = state.nut;
  EquationCoefficients &c = state.uCoefficients;
  for (std::int32_t j = 2; j <= state.gridCount - 2; ++j) {
    c.aE[j] = ((nu + nut[j]) + (nu + nut[j + 1])) * 0.5 / state.dy;
    c.aW[j] = ((nu + nut[j - 1]) + (nu + nut[j])) * 0.5 / state.dy;
    c.aP[j] = c.aE[j] + c.aW[j];
    c.source[j] = -(state.dy * state.dpdx);
  }
}

void sweepKEpsilon(ChannelState &state) {
  const ModelConstants &m = state.constants;
  const double dy = state.dy;
  EquationCoefficients &ck = state.kCoefficients;
  EquationCoefficients &ce = state.epsCoefficients;
  auto &k = state.k;
  auto &eps = state.eps;
  for (std::int32_t j = 2; j <= state.gridCount - 2; ++j) {
    setTurbulentFaces(state, m.sigmaK, j, ck);
    ck.aP[j] = (ck.aE[j] + ck.aW[j]) + dy * eps[j] / k[j];
    ck.source[j] = dy * state.uv[j] * state.dudy[j];
    k[j] = solveNode(ck, k, j);
    setTurbulentFaces(state, m.sigmaEps, j, ce);
    ce.aP[j] = (ce.aE[j] + ce.aW[j]) + m.c2Eps * dy * eps[j] / k[j];
    ce.source[j] = eps[j] * m.c1Eps * dy * state.uv[j] * state.dudy[j] / k[j];
    eps[j] = solveNode(ce, eps, j);
  }
}

void sweepKOmega(ChannelState &state) {
  const ModelConstants &m = state.constants;
  const double dy = state.dy;
  EquationCoefficients &ck = state.kCoefficients;
  EquationCoefficients &co = state.omegaCoefficients;
  auto &k = state.k;
  auto &omega = state.omega;
  for (std::int32_t j = 2; j <= state.gridCount - 2; ++j) {
    setTurbulentFaces(state, m.sigmaK, j, ck);
    ck.aP[j] = (ck.aE[j] + ck.aW[j]) + m.cMu * dy * omega[j];
    ck.source[j] = dy * state.uv[j] * state.dudy[j];
    k[j] = solveNode(ck, k, j);
    setTurbulentFaces(state, m.sigmaOmega, j, co);
    co.aP[j] = (co.aE[j] + co.aW[j]) + m.betaOmega * dy * omega[j];
    co.source[j] = omega[j] * m.alphaOmega * dy * state.uv[j] * state.dudy[j] / k[j];
    omega[j] = solveNode(co, omega, j);
  }
}

void sweepVelocity(ChannelState &state) {
  const EquationCoefficients &c = state.uCoefficients;
  auto &u = state.u;
  for (std::int32_t j = 2; j <= state.gridCount - 2; ++j) {
    u[j] = (c.aE[j] * u[j + 1] + c.source[j] + c.aW[j] * u[j - 1]) / c.aP[j];
  }
}

void solveTransportStep(ChannelState &state) {
  saveProfiles(state);
  if (state.gridCount - 2 >= 2) {
    setVelocityCoefficients(state);
    if (state.model == KEpsilon) {
      sweepKEpsilon(state);
    } else if (state.model == KOmega) {
      sweepKOmega(state);
    }
    sweepVelocity(state);
  }
  baseline::applyWallFunctions(state);
}

double runIteration(ChannelState &state) {
  updateEddyViscosity(state);
  baseline::solveTransportStep(state);
  return largestRelativeChange(state);
}

std::int32_t iterateUntilConverged(ChannelState &state) {
  for (std::int32_t iteration = 1; iteration <= state.maxIterations; ++iteration) {
    if (baseline::runIteration(state) < convergenceTolerance) {
      return iteration;
    }
  }
  return 0;
}

} // namespace baseline

ChannelState state;

// Arguments: model (0 k-epsilon, 1 k-omega), N, Reynolds number.
void setUp(const benchmark::State &bench) {
  enableFlushToZero();
  setupRun(state, static_cast<std::int32_t>(bench.range(0)), static_cast<std::int32_t>(bench.range(1)),
           static_cast<double>(bench.range(2)));
}

// Iterations follow one another as in a run, from the initial state on.
template <double (*iterate)(ChannelState &)> void iterationBench(benchmark::State &bench) {
  setUp(bench);
  for (auto _ : bench) {
    benchmark::DoNotOptimize(iterate(state));
  }
  bench.SetItemsProcessed(bench.iterations());
}

template <void (*apply)(ChannelState &)> void wallFunctionBench(benchmark::State &bench) {
  setUp(bench);
  for (auto _ : bench) {
    apply(state);
    benchmark::ClobberMemory();
  }
}

template <std::int32_t (*iterateAll)(ChannelState &)> void wholeRunBench(benchmark::State &bench) {
  std::int32_t iterations = 0;
  for (auto _ : bench) {
    setUp(bench);
    iterations = iterateAll(state);
    benchmark::DoNotOptimize(iterations);
  }
  bench.counters["iterations"] = iterations;
}

void BM_Iteration(benchmark::State &bench) { iterationBench<runIteration>(bench); }
void BM_BaselineIteration(benchmark::State &bench) { iterationBench<baseline::runIteration>(bench); }
void BM_WallFunctions(benchmark::State &bench) { wallFunctionBench<applyWallFunctions>(bench); }
void BM_BaselineWallFunctions(benchmark::State &bench) { wallFunctionBench<baseline::applyWallFunctions>(bench); }
void BM_WholeRun(benchmark::State &bench) { wholeRunBench<iterateUntilConverged>(bench); }
void BM_BaselineWholeRun(benchmark::State &bench) { wholeRunBench<baseline::iterateUntilConverged>(bench); }

constexpr std::int64_t typicalReynolds = 395;

void closuresAndGrids(benchmark::internal::Benchmark *b) {
  b->ArgNames({"model", "N", "Re"});
  for (const std::int64_t model : {0, 1}) {
    for (const std::int64_t n : {4, 11, 41, MaxGridPoints}) {
      b->Args({model, n, typicalReynolds});
    }
  }
}

void closures(benchmark::internal::Benchmark *b) {
  b->ArgNames({"model", "N", "Re"});
  for (const std::int64_t model : {0, 1}) {
    b->Args({model, MaxGridPoints, typicalReynolds});
  }
}

// Converging runs on the largest grid, and a single interior node at a high
// Reynolds number, which never settles and runs to the iteration limit.
void runs(benchmark::internal::Benchmark *b) {
  b->ArgNames({"model", "N", "Re"});
  for (const std::int64_t model : {0, 1}) {
    for (const std::int64_t re : {typicalReynolds, std::int64_t{590}}) {
      b->Args({model, MaxGridPoints, re});
    }
  }
  b->Args({0, 4, 5000});
}

BENCHMARK(BM_Iteration)->Apply(closuresAndGrids);
BENCHMARK(BM_BaselineIteration)->Apply(closuresAndGrids);
BENCHMARK(BM_WallFunctions)->Apply(closures);
BENCHMARK(BM_BaselineWallFunctions)->Apply(closures);
BENCHMARK(BM_WholeRun)->Apply(runs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineWholeRun)->Apply(runs)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
