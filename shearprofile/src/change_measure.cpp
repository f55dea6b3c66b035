#include "change_measure.hpp"

#include <cmath>

namespace shearprofile {

double largestRelativeChange(const ProfileState &state) {
  double maximum = 0.0;
  for (std::int32_t i = 1; i <= lastNode; ++i) {
    const double r = std::fabs((state.uCell[i] - state.uCellPrev[i]) / state.uCell[i]);
    maximum = foldRelativeChange(maximum, r);
  }
  return maximum;
}

} // namespace shearprofile
