#include "turbchannel/eddy_viscosity.hpp"

namespace turbchannel {

void updateEddyViscosity(ChannelState &state) {
  const std::int32_t n = state.gridCount;
  const double cMu = state.constants.cMu;
  const double dy = state.dy;
  const auto &u = state.u;
  const auto &k = state.k;
  if (n - 2 >= 2) {
    for (std::int32_t j = 2; j <= n - 2; ++j) {
      // Difference of the two face means over the spacing.
      state.dudy[j] = ((u[j] + u[j + 1]) - (u[j - 1] + u[j])) * 0.5 / dy;
      if (state.model == KEpsilon) {
        state.nut[j] = ((cMu * k[j]) * k[j]) / state.eps[j];
      } else if (state.model == KOmega) {
        state.nut[j] = k[j] / state.omega[j];
      }
      state.uv[j] = state.nut[j] * state.dudy[j];
    }
  }
  if (state.model != KEpsilon && state.model != KOmega) {
    return;
  }
  // The wall-adjacent stresses are one-sided, from the node to the face
  // halfway towards the interior, over half the spacing; the wall velocity is
  // not used.
  const std::int32_t top = n - 1;
  if (state.model == KEpsilon) {
    state.nut[1] = ((k[1] * k[1]) * cMu) / state.eps[1];
  } else {
    state.nut[1] = k[1] / state.omega[1];
  }
  state.uv[1] = ((state.nut[1] * 2) * ((u[2] + u[1]) * 0.5 - u[1])) / dy;
  if (state.model == KEpsilon) {
    state.nut[top] = ((k[top] * k[top]) * cMu) / state.eps[top];
  } else {
    state.nut[top] = k[top] / state.omega[top];
  }
  state.uv[top] = ((state.nut[top] * 2) * (u[top] - (u[top] + u[top - 1]) * 0.5)) / dy;
}

} // namespace turbchannel
