// The console dialogue that starts a run: model, N, Reynolds number.
#pragma once

#include "turbchannel/channel_state.hpp"

namespace turbchannel {

inline constexpr std::int32_t minGridCount = 3;
// Below this Reynolds number the wall-adjacent nodes meet or cross at the
// centreline.
inline constexpr double minReynolds = 100.0;

// Asks the three questions, refusing an N outside minGridCount ..
// MaxGridPoints and a Reynolds number that is not finite or not above
// minReynolds (message on the error stream, exit status 1), and builds the
// initial state of the run.
void initialiseRun(ChannelState &state);

} // namespace turbchannel
