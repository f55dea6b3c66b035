// The initial state of a run, in the steps the dialogue interleaves with its
// questions, and the whole setup in one call for tests and benchmarks.
#pragma once

#include <cstdint>

#include "turbchannel/channel_state.hpp"

namespace turbchannel {

inline constexpr std::int32_t iterationLimit = 500000;
inline constexpr double imposedPressureGradient = -1.0;

inline constexpr ModelConstants kEpsilonConstants{0.09, 1.44, 1.92, 0.0, 0.0, 1.0, 1.3, 0.0};
inline constexpr ModelConstants kOmegaConstants{0.09, 0.0, 0.0, 5.0 / 9.0, 0.075, 0.5, 0.0, 0.5};

// The constants of a model number; all zero for a number that names no closure.
[[nodiscard]] ModelConstants modelConstantsFor(std::int32_t model);

// Zeroes every per-node and coefficient array, empties the wall-function memo
// and sets maxIterations.
void clearState(ChannelState &state);

// Closure constants from state.model, and the pressure gradient.
void prepareModel(ChannelState &state);

// nu from the Reynolds number, the grid, and the starting profiles.
void prepareFlow(ChannelState &state, double reynolds);

// The state that the dialogue builds from these three answers, without asking.
void setupRun(ChannelState &state, std::int32_t model, std::int32_t gridCount, double reynolds);

} // namespace turbchannel
