#include "turbchannel/run_setup.hpp"

#include <cmath>

#include "turbchannel/grid.hpp"

namespace turbchannel {
namespace {

// The starting velocity is a log law of its own, not the one the wall
// functions use.
constexpr double initialLogSlope = 2.5;
constexpr double initialLogIntercept = 5.0;
constexpr double initialK = 1.0;
constexpr double initialEps = 10.0;
// A fixed number, not cMu, so that both closures start from the same omega.
constexpr double initialOmegaDivisor = 0.09;

void fillInitialProfiles(ChannelState &state) {
  for (std::int32_t j = 1; j <= state.gridCount - 1; ++j) {
    state.k[j] = initialK;
    state.eps[j] = initialEps;
    state.omega[j] = (initialEps / initialK) / initialOmegaDivisor;
    state.u[j] = std::log(state.yWall[j]) * initialLogSlope + initialLogIntercept;
  }
}

} // namespace

ModelConstants modelConstantsFor(std::int32_t model) {
  switch (model) {
  case KEpsilon:
    return kEpsilonConstants;
  case KOmega:
    return kOmegaConstants;
  default:
    return ModelConstants{};
  }
}

void clearState(ChannelState &state) {
  for (EquationCoefficients *set :
       {&state.uCoefficients, &state.kCoefficients, &state.epsCoefficients, &state.omegaCoefficients}) {
    *set = EquationCoefficients{};
  }
  for (NodeArray *array : {&state.u, &state.k, &state.eps, &state.omega, &state.nut, &state.uv, &state.dudy,
                           &state.uOld, &state.kOld, &state.epsOld, &state.y, &state.yWall}) {
    array->fill(0.0);
  }
  // Its entries hold results of the arithmetic mode they were computed in;
  // each run starts with an empty memo.
  state.wallFunctionMemo = WallFunctionMemo{};
  state.maxIterations = iterationLimit;
}

void prepareModel(ChannelState &state) {
  state.constants = modelConstantsFor(state.model);
  state.dpdx = imposedPressureGradient;
}

void prepareFlow(ChannelState &state, double reynolds) {
  state.nu = 1.0 / reynolds;
  buildGrid(state);
  fillInitialProfiles(state);
}

void setupRun(ChannelState &state, std::int32_t model, std::int32_t gridCount, double reynolds) {
  clearState(state);
  state.model = model;
  state.gridCount = gridCount;
  prepareModel(state);
  prepareFlow(state, reynolds);
}

} // namespace turbchannel
