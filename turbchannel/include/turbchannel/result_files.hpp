// The two result tables of a converged run.
#pragma once

#include <cstdint>

#include "turbchannel/channel_state.hpp"

namespace turbchannel {

inline constexpr std::int32_t outerUnitsFileUnit = 10;
inline constexpr std::int32_t wallUnitsFileUnit = 11;

// "DATA.txt": y, u, uv, k for nodes 1 .. N (the upper wall included).
// "DATA-WALLUNIT.txt": yWall, u, uv, k for nodes 1 .. N/2. The friction
// velocity is 1 by the normalisation, so u, uv and k are already in wall
// units and appear unscaled in both.
void writeResultFiles(const ChannelState &state);

} // namespace turbchannel
