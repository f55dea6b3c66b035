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

// Face coefficient of a turbulence quantity between a node and the one above
// it: the mean of the two nodes' nu + nut / sigma over the spacing, summed as
// 2 nu + (upper node's term) + (lower node's term). The lower face of node j
// is the upper face of node j-1 term for term, so each face is formed once
// and serves both nodes with the same bits.
double turbulentFace(double twoNu, double upperTerm, double lowerTerm, double dy) {
  return (twoNu + upperTerm + lowerTerm) * 0.5 / dy;
}

// Walking up the nodes, the faces of one turbulence quantity: nut / sigma of
// the node to be set next, and that node's lower face.
struct FaceWalk {
  double termHere = 0.0;
  double below = 0.0;
};

FaceWalk startFaceWalk(const ChannelState &state, double sigma) {
  const double termHere = state.nut[2] / sigma;
  return {termHere, turbulentFace(2.0 * state.nu, termHere, state.nut[1] / sigma, state.dy)};
}

// Sets aE and aW of node j; the nodes come in ascending order from 2.
void setTurbulentFaces(const ChannelState &state, double sigma, std::int32_t j, FaceWalk &walk,
                       EquationCoefficients &c) {
  const double termAbove = state.nut[j + 1] / sigma;
  const double above = turbulentFace(2.0 * state.nu, termAbove, walk.termHere, state.dy);
  c.aE[j] = above;
  c.aW[j] = walk.below;
  walk = {termAbove, above};
}

// Solves node j of phi against the latest neighbours: the new value below,
// the one from before the step above.
double solveNode(const EquationCoefficients &c, const NodeArray &phi, std::int32_t j) {
  return (c.source[j] + c.aE[j] * phi[j + 1] + c.aW[j] * phi[j - 1]) / c.aP[j];
}

// The velocity's faces, summed as (nu + nut) of the lower node plus that of
// the upper one; again each face serves the nodes on both sides.
void setVelocityCoefficients(ChannelState &state) {
  const double nu = state.nu;
  const double dy = state.dy;
  const auto &nut = state.nut;
  EquationCoefficients &c = state.uCoefficients;
  // The imposed pressure gradient drives the flow.
  const double source = -(dy * state.dpdx);
  double below = ((nu + nut[1]) + (nu + nut[2])) * 0.5 / dy;
  for (std::int32_t j = 2; j <= state.gridCount - 2; ++j) {
    const double above = ((nu + nut[j]) + (nu + nut[j + 1])) * 0.5 / dy;
    c.aE[j] = above;
    c.aW[j] = below;
    c.aP[j] = above + below;
    c.source[j] = source;
    below = above;
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
  FaceWalk kFaces = startFaceWalk(state, m.sigmaK);
  FaceWalk epsFaces = startFaceWalk(state, m.sigmaEps);
  for (std::int32_t j = 2; j <= state.gridCount - 2; ++j) {
    setTurbulentFaces(state, m.sigmaK, j, kFaces, ck);
    ck.aP[j] = (ck.aE[j] + ck.aW[j]) + dy * eps[j] / k[j];
    ck.source[j] = dy * state.uv[j] * state.dudy[j];
    k[j] = solveNode(ck, k, j);

    // eps[j] is still the value from before the step, k[j] the one just solved.
    setTurbulentFaces(state, m.sigmaEps, j, epsFaces, ce);
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
  FaceWalk kFaces = startFaceWalk(state, m.sigmaK);
  FaceWalk omegaFaces = startFaceWalk(state, m.sigmaOmega);
  for (std::int32_t j = 2; j <= state.gridCount - 2; ++j) {
    setTurbulentFaces(state, m.sigmaK, j, kFaces, ck);
    ck.aP[j] = (ck.aE[j] + ck.aW[j]) + m.cMu * dy * omega[j];
    ck.source[j] = dy * state.uv[j] * state.dudy[j];
    k[j] = solveNode(ck, k, j);

    // omega[j] is still the value from before the step, k[j] the one just solved.
    setTurbulentFaces(state, m.sigmaOmega, j, omegaFaces, co);
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
