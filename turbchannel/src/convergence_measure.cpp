#include "turbchannel/convergence_measure.hpp"

#include <cmath>
#include <limits>

namespace turbchannel {
namespace {

// The divisor is the old value itself: a negative old value gives a negative
// ratio, which never raises the measure.
void include(double &m, double newValue, double oldValue) {
  if (std::isnan(newValue)) {
    m = std::numeric_limits<double>::infinity();
    return;
  }
  const double candidate = std::fabs(newValue - oldValue) / oldValue;
  if (candidate > m) {
    m = candidate;
  }
}

} // namespace

double largestRelativeChange(const ChannelState &state) {
  double m = residualFloor;
  for (std::int32_t j = 1; j <= state.gridCount - 1; ++j) {
    include(m, state.u[j], state.uOld[j]);
    include(m, state.k[j], state.kOld[j]);
    include(m, state.eps[j], state.epsOld[j]);
  }
  return m;
}

} // namespace turbchannel
