#include "relax_sweep.hpp"

#include <cmath>

namespace shearprofile {

// One pass over the cells does the whole sweep. Cell i still holds the last
// sweep's value when the pass reaches it, so the stream function (integrated
// from the last sweep's profile, fixed during this one) and the saved copy
// are formed there, just before the cell's update; the cell is final right
// after it, so its change joins the running maximum in ascending order. The
// results are those of the separate steps, bit for bit: only the memory
// traffic is shared, and the two recurrences of the cell updates remain the
// critical path.
void relaxSweep(ProfileState &state) {
  double *const u = state.uCell.data();
  double *const uLin = state.uLinCell.data();
  double *const f = state.streamF.data();
  double *const uPrev = state.uCellPrev.data();
  const double *const etaMid = state.etaMid.data();
  const double *const linLower = state.linLowerWeight.data();
  const double *const linUpper = state.linUpperWeight.data();

  f[0] = 0.0;
  const double firstOld = u[1];
  f[1] = firstOld * gridStep + f[0];
  uPrev[1] = firstOld;

  // The general update with the wall ghost u(0) = -u(1) substituted and
  // solved for u(1): (0.5 + c/8) / (1.5 - c/8) = (c + 4) / (12 - c). The
  // ghost itself is therefore never read during the sweeps.
  const double c = (0.5 * (f[0] + f[1])) * gridStep;
  double uLeft = ((c + 4.0) / (12.0 - c)) * u[2];
  u[1] = uLeft;
  const double d = etaMid[1] * gridStep;
  double uLinLeft = ((d + 4.0) / (12.0 - d)) * uLin[2];
  uLin[1] = uLinLeft;
  // The maximum starts at 0 and a NaN change never replaces it, so within a
  // sweep it is never NaN and the fold reduces to "r if r > maximum", which
  // the compiler forms without a branch.
  double maximum = 0.0;
  const double firstChange = std::fabs((uLeft - firstOld) / uLeft);
  maximum = firstChange > maximum ? firstChange : maximum;

  // u(i) = (u(i-1) + u(i+1))/2 + (h/8) g (u(i+1) - u(i-1)), g the coefficient
  // of u' at the cell midpoint: f there for the similarity equation, eta for
  // the model equation. Ascending, so u(i-1) is this sweep's value and
  // u(i+1) the last one's; at the last cell that is the outer ghost, 1.
  // The model's weights come from initialiseProfiles, the very values
  // (0.5 - q) and (q + 0.5) the update would form. Two cells per round spare
  // the register copies that carry values from one cell to the next.
  double fLeft = f[1];
  double old = u[2];
#pragma GCC unroll 2
  for (std::int32_t i = 2; i <= lastNode; ++i) {
    const double right = u[i + 1]; // still the last sweep's value: the next cell's old value
    const double fHere = old * gridStep + fLeft;
    f[i] = fHere;
    uPrev[i] = old;
    const double p = (0.5 * (fLeft + fHere)) * (gridStep * 0.125);
    uLeft = uLeft * (0.5 - p) + (p + 0.5) * right;
    u[i] = uLeft;
    uLinLeft = uLinLeft * linLower[i] + linUpper[i] * uLin[i + 1];
    uLin[i] = uLinLeft;
    const double change = std::fabs((uLeft - old) / uLeft);
    maximum = change > maximum ? change : maximum;
    fLeft = fHere;
    old = right;
  }
  state.maxRelChange = maximum;
}

} // namespace shearprofile
