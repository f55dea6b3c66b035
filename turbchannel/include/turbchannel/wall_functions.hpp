// Wall functions: the friction velocity at each wall from the log law at its
// wall-adjacent node, and the equilibrium values of u, k and eps or omega
// that the next sweep sees there.
#pragma once

#include <cstdint>

#include "turbchannel/channel_state.hpp"

namespace turbchannel {

// The log law u / uTau = ln(logLawE yP uTau / nu) / kappa of the wall
// functions; the starting profile follows a law of its own.
inline constexpr double kappa = 0.42;
inline constexpr double logLawE = 9.0;
inline constexpr double frictionVelocityGuess = 1.0;
inline constexpr double frictionVelocityTolerance = 1e-5;
inline constexpr std::int32_t maxFrictionVelocityPasses = 100;

struct FrictionVelocities {
  double lower = 0.0;
  double upper = 0.0;
  std::int32_t passes = 0;
};

// Both walls iterated side by side from the guess 1.0; u and y are the
// velocity of the wall-adjacent node and its distance from its wall.
[[nodiscard]] FrictionVelocities frictionVelocities(double uLower, double yLower, double uUpper, double yUpper,
                                                    double nu);

// Sets u and k, and eps (KEpsilon) or omega (KOmega), at nodes 1 and N-1.
// A call whose inputs are bit for bit those of one of the last few calls
// takes the outputs stored in state.wallFunctionMemo then instead of
// iterating again; they are the values it would compute.
void applyWallFunctions(ChannelState &state);

} // namespace turbchannel
