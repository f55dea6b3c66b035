#include "initial_profiles.hpp"

#include <cmath>

namespace shearprofile {

void initialiseProfiles(ProfileState &state) {
  state = ProfileState{};
  for (std::int32_t i = 0; i <= lastNode; ++i) {
    // Each node from its own index, so that no rounding accumulates along the grid.
    state.eta[i] = static_cast<double>(i) * gridStep;
    state.uLinExact[i] = std::erf(0.5 * state.eta[i]);
  }
  for (std::int32_t i = 1; i <= lastNode; ++i) {
    state.etaMid[i] = 0.5 * (state.eta[i - 1] + state.eta[i]);
    // The first guess of both profiles is erf of the midpoint itself, a
    // steeper profile than either solution; the sweeps relax it.
    state.uCell[i] = std::erf(state.etaMid[i]);
    state.uLinCell[i] = std::erf(state.etaMid[i]);
  }
  for (std::int32_t i = 2; i <= lastNode; ++i) {
    const double q = (0.125 * gridStep) * state.etaMid[i];
    state.linLowerWeight[i] = 0.5 - q;
    state.linUpperWeight[i] = q + 0.5;
  }
  // The mirrored wall ghost puts the node value at the wall to zero, the
  // plate's velocity; the outer ghost is the free stream and stays 1.
  state.uCell[0] = -state.uCell[1];
  state.uCell[outerGhostCell] = 1.0;
  state.uLinCell[0] = -state.uLinCell[1];
  state.uLinCell[outerGhostCell] = 1.0;
}

} // namespace shearprofile
