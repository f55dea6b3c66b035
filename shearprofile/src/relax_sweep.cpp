#include "relax_sweep.hpp"

#include "change_measure.hpp"

namespace shearprofile {
namespace {

// f is integrated from the cell values of the previous sweep and stays fixed
// during this one: the nonlinear coefficient lags by one sweep.
void integrateStreamFunction(ProfileState &state) {
  state.streamF[0] = 0.0;
  for (std::int32_t i = 1; i <= lastNode; ++i) {
    state.streamF[i] = state.uCell[i] * gridStep + state.streamF[i - 1];
    state.uCellPrev[i] = state.uCell[i];
  }
}

// The general cell update with the wall ghost u(0) = -u(1) substituted and
// solved for u(1): (0.5 + c/8) / (1.5 - c/8) = (c + 4) / (12 - c). The ghost
// itself is therefore never read during the sweeps.
void relaxFirstCell(ProfileState &state) {
  const double c = (0.5 * (state.streamF[0] + state.streamF[1])) * gridStep;
  state.uCell[1] = ((c + 4.0) / (12.0 - c)) * state.uCell[2];
  const double d = state.etaMid[1] * gridStep;
  state.uLinCell[1] = ((d + 4.0) / (12.0 - d)) * state.uLinCell[2];
}

// u(i) = (u(i-1) + u(i+1))/2 + (h/8) g (u(i+1) - u(i-1)), g the coefficient
// of u' at the cell midpoint: f there for the similarity equation, eta for
// the model equation. Ascending, so u(i-1) is already this sweep's value and
// u(i+1) the last one's; at the last cell that is the outer ghost.
void relaxInteriorCells(ProfileState &state) {
  for (std::int32_t i = 2; i <= lastNode; ++i) {
    const double p = (0.5 * (state.streamF[i - 1] + state.streamF[i])) * (gridStep * 0.125);
    state.uCell[i] = state.uCell[i - 1] * (0.5 - p) + (p + 0.5) * state.uCell[i + 1];
    const double q = (0.125 * gridStep) * state.etaMid[i];
    state.uLinCell[i] = state.uLinCell[i - 1] * (0.5 - q) + (q + 0.5) * state.uLinCell[i + 1];
  }
}

} // namespace

void relaxSweep(ProfileState &state) {
  integrateStreamFunction(state);
  relaxFirstCell(state);
  relaxInteriorCells(state);
  state.maxRelChange = largestRelativeChange(state);
}

} // namespace shearprofile
