// How much one solution step changed the profiles.
#pragma once

#include "turbchannel/channel_state.hpp"

namespace turbchannel {

// Start value of the running maximum, so the measure is never below it.
inline constexpr double residualFloor = 1e-14;

// Largest |new - old| / old of u, k and eps over nodes 1 .. N-1 (omega never
// enters it). A candidate 0 / 0, old and new both 0, counts for nothing; a new
// value that is not a number makes the measure infinite, so a run whose
// profiles broke down never counts as converged.
[[nodiscard]] double largestRelativeChange(const ChannelState &state);

} // namespace turbchannel
