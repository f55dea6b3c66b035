#include "turbchannel/wall_functions.hpp"

#include <cmath>

namespace turbchannel {
namespace {

// sqrt(cMu) and sqrt(cMu) * kappa with cMu = 0.09, fixed here whatever the
// closure's own constants.
constexpr double sqrtCMu = 0.3;
constexpr double sqrtCMuKappa = 0.126;

// Geometric mean of t and the friction velocity the log law gives for the
// wall distance in viscous units that t implies.
double nextFrictionVelocity(double t, double uP, double yP, double nu) {
  return std::sqrt((t * (kappa * uP)) / std::log((t * (logLawE * yP)) / nu));
}

double relativeStep(double oldValue, double newValue) { return std::fabs(newValue - oldValue) / newValue; }

} // namespace

FrictionVelocities frictionVelocities(double uLower, double yLower, double uUpper, double yUpper, double nu) {
  double tL = frictionVelocityGuess;
  double tU = frictionVelocityGuess;
  // A running maximum over all passes: once a pass moved by 1e-5 or more the
  // loop runs to its limit.
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

} // namespace turbchannel
