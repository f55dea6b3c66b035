#pragma once

#include "profile_state.hpp"

namespace shearprofile {

// Clears the state, lays out the grid and the closed-form model profile, and
// sets the first guess of both cell profiles with their ghost cells.
void initialiseProfiles(ProfileState &state);

} // namespace shearprofile
