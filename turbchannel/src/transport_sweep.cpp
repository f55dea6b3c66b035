#include "turbchannel/transport_sweep.hpp"

#include "turbchannel/wall_functions.hpp"

namespace turbchannel {
namespace {

void saveProfiles(ChannelState &state) {
  for (std::int32_t j = 1; j <= state.gridCount; ++j) {
    state.uOld[j] = state.u[j];
    state.kOld[j] = state.k[j];
    state.epsOld[j] = state.eps[j];
  }
}

// Face diffusivities of a turbulence quantity at node j, each face the mean
// of its two nodes' nu + nut / sigma.
void setTurbulentFaces(const ChannelState &state, double sigma, std::int32_t j, EquationCoefficients &c) {
  const double nu = state.nu;
  const auto &nut = state.nut;
  c.aE[j] = (2.0 * nu + nut[j + 1] / sigma + nut[j] / sigma) * 0.5 / state.dy;
  c.aW[j] = (2.0 * nu + nut[j] / sigma + nut[j - 1] / sigma) * 0.5 / state.dy;
}

// Solves node j of phi against the latest neighbours: the new value below,
// the one from before the step above.
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
    // The imposed pressure gradient drives the flow.
    c.source[j] = -(state.dy * state.dpdx);
  }
}

// Destruction terms are linearised into aP with the latest values, never
// subtracted in the source, so every update is a ratio of non-negative terms
// and k, eps, omega stay positive.
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

    // eps[j] is still the value from before the step, k[j] the one just solved.
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

    // omega[j] is still the value from before the step, k[j] the one just solved.
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

} // namespace

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
  applyWallFunctions(state);
}

} // namespace turbchannel
