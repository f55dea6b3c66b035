// One solution step: a single in-place Gauss-Seidel sweep of the turbulence
// equations and then of the velocity over nodes 2 .. N-2, closed by the wall
// functions.
#pragma once

#include "turbchannel/channel_state.hpp"

namespace turbchannel {

// Saves u, k, eps of nodes 1 .. N into uOld, kOld, epsOld, sweeps, and ends
// with applyWallFunctions. Uses nut, uv and dudy as updateEddyViscosity left
// them.
void solveTransportStep(ChannelState &state);

} // namespace turbchannel
