// Grid across the channel: wall-adjacent nodes 100 viscous lengths off each
// wall, evenly spaced nodes between them.
#pragma once

#include "turbchannel/channel_state.hpp"

namespace turbchannel {

// Distance of each wall-adjacent node from its wall, in viscous lengths.
inline constexpr double wallNodeYPlus = 100.0;

// Needs nu and gridCount (3 .. MaxGridPoints); sets y (nodes 0 .. N), dy and
// yWall (nodes 1 .. N-1).
void buildGrid(ChannelState &state);

} // namespace turbchannel
