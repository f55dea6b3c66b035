// The run from the dialogue to the result files.
#pragma once

#include <cstdint>

#include "turbchannel/channel_state.hpp"

namespace turbchannel {

// The run has converged when one step changes u, k and eps by less than this
// (relative, strictly below).
inline constexpr double convergenceTolerance = 1e-5;

// One iteration: eddy viscosity, solution step, and the change it made.
double runIteration(ChannelState &state);

// Iterates from the present state; returns the iteration (counted from 1)
// whose change fell below the tolerance, or 0 when maxIterations passed
// without that.
[[nodiscard]] std::int32_t iterateUntilConverged(ChannelState &state);

// Flush-to-zero mode, dialogue, iteration; on convergence " FINISH", the
// count and the result files, otherwise " UNFINISH" and no file touched.
// Returns the exit status, 0.
int runChannelSolver(ChannelState &state);

} // namespace turbchannel
