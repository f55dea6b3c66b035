#include "turbchannel/wall_functions.hpp"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

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

namespace {

using InputBits = std::array<std::uint64_t, 5>;

// Bits, not values: +0 and -0 compare equal yet give different results, and a
// NaN compares equal to nothing, not even to itself.
InputBits inputBitsOf(double uLower, double uUpper, double yL, double yU, double nu) {
  return {std::bit_cast<std::uint64_t>(uLower), std::bit_cast<std::uint64_t>(uUpper), std::bit_cast<std::uint64_t>(yL),
          std::bit_cast<std::uint64_t>(yU), std::bit_cast<std::uint64_t>(nu)};
}

WallFunctionEntry computeWallValues(const InputBits &key, std::int32_t model, double uLower, double uUpper, double yL,
                                    double yU, double nu) {
  const FrictionVelocities t = frictionVelocities(uLower, yL, uUpper, yU, nu);
  const double tL = t.lower;
  const double tU = t.upper;
  WallFunctionEntry entry{};
  entry.inputBits = key;
  entry.model = model;
  entry.filled = true;
  entry.uLower = (tL / kappa) * std::log(((logLawE * yL) * tL) / nu);
  entry.uUpper = (tU / kappa) * std::log(((logLawE * yU) * tU) / nu);
  entry.kLower = (tL * tL) / sqrtCMu;
  entry.kUpper = (tU * tU) / sqrtCMu;
  if (model == KEpsilon) {
    entry.dissipationLower = ((tL * (tL * tL)) / kappa) / yL;
    entry.dissipationUpper = ((tU * (tU * tU)) / kappa) / yU;
  } else if (model == KOmega) {
    entry.dissipationLower = (tL / sqrtCMuKappa) / yL;
    entry.dissipationUpper = (tU / sqrtCMuKappa) / yU;
  }
  return entry;
}

// A hit cannot change a result. The outputs of a call are a function of its
// inputs alone: the iteration starts from the same guess at every call and
// keeps nothing, and every step is a plain double operation (the library's
// log and sqrt among them) in the arithmetic mode that holds for the whole
// run. The same input bits therefore give the same output bits, and an entry
// holds the very doubles its own computation produced.
const WallFunctionEntry &wallValues(WallFunctionMemo &memo, std::int32_t model, double uLower, double uUpper, double yL,
                                    double yU, double nu) {
  const InputBits key = inputBitsOf(uLower, uUpper, yL, yU, nu);
  for (const WallFunctionEntry &entry : memo.entries) {
    if (entry.filled && entry.model == model && entry.inputBits == key) {
      return entry;
    }
  }
  WallFunctionEntry &slot = memo.entries[memo.nextReplaced];
  memo.nextReplaced = (memo.nextReplaced + 1) % wallFunctionMemoEntries;
  slot = computeWallValues(key, model, uLower, uUpper, yL, yU, nu);
  return slot;
}

} // namespace

void applyWallFunctions(ChannelState &state) {
  const std::int32_t top = state.gridCount - 1;
  const double yL = state.y[1] + 1.0;
  const double yU = 1.0 - state.y[top];
  const WallFunctionEntry &values =
      wallValues(state.wallFunctionMemo, state.model, state.u[1], state.u[top], yL, yU, state.nu);
  state.u[1] = values.uLower;
  state.u[top] = values.uUpper;
  state.k[1] = values.kLower;
  state.k[top] = values.kUpper;
  if (state.model == KEpsilon) {
    state.eps[1] = values.dissipationLower;
    state.eps[top] = values.dissipationUpper;
  } else if (state.model == KOmega) {
    state.omega[1] = values.dissipationLower;
    state.omega[top] = values.dissipationUpper;
  }
}

} // namespace turbchannel
