// Velocity gradient, eddy viscosity and Reynolds shear stress from the
// current profiles, refreshed at the start of every iteration.
#pragma once

#include "turbchannel/channel_state.hpp"

namespace turbchannel {

// Writes dudy at nodes 2 .. N-2 and nut, uv at nodes 1 .. N-1. A model number
// that names no closure leaves nut as it is (and so uv at nodes 1 and N-1).
void updateEddyViscosity(ChannelState &state);

} // namespace turbchannel
