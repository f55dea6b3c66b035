#pragma once

#include <cmath>

#include "profile_state.hpp"

namespace shearprofile {

// The running maximum after one more relative change r: r replaces the
// maximum when it is larger or when the maximum is NaN, so a NaN r never
// displaces a number and a NaN maximum gives way to the next r.
[[nodiscard]] inline double foldRelativeChange(double maximum, double r) {
  return (r > maximum || std::isnan(maximum)) ? r : maximum;
}

// Largest |(uCell - uCellPrev) / uCell| over cells 1 .. lastNode. The model
// profile takes no part: only the similarity profile decides the stop.
[[nodiscard]] double largestRelativeChange(const ProfileState &state);

} // namespace shearprofile
