#pragma once

#include <cstdint>
#include <string_view>

#include "profile_state.hpp"

namespace shearprofile {

inline constexpr std::int32_t profileTableUnit = 40;
inline constexpr std::string_view profileTableName = "PlateProfile.txt";

// Sets the slots the table reads at both ends: the wall ghost mirrors cell 1
// again, and the last computed cell, not the ghost beyond it, becomes 1.
void setOutputBoundarySlots(ProfileState &state);

// Writes "PlateProfile.txt": the heading, then per node eta, both numerical
// node velocities and the closed-form model velocity.
void writeProfileTable(const ProfileState &state);

} // namespace shearprofile
