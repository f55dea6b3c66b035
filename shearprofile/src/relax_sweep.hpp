#pragma once

#include "profile_state.hpp"

namespace shearprofile {

// One Gauss-Seidel sweep over both profiles, ending with the change measure
// of uCell in maxRelChange.
void relaxSweep(ProfileState &state);

} // namespace shearprofile
