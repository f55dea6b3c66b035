#pragma once

#include <cstdint>

#include "profile_state.hpp"

namespace shearprofile {

inline constexpr std::int32_t maxSweeps = 1000000;
// Relative change of uCell below which the profile counts as converged.
inline constexpr double sweepTolerance = 1e-10;

// Sweeps 1, 2, ... until the change measure falls below sweepTolerance, then
// sweepCount is the number of that sweep; when sweep `limit` ends without
// that, sweepCount is limit + 1. Nothing else tells the two ends apart.
void runSweeps(ProfileState &state, std::int32_t limit);

// The one console record: sweepCount as a list-directed integer.
void printSweepCount(const ProfileState &state);

} // namespace shearprofile
