#include "sweep_loop.hpp"

#include "recordfmt/recordfmt.hpp"
#include "relax_sweep.hpp"

namespace shearprofile {

void runSweeps(ProfileState &state, std::int32_t limit) {
  for (state.sweepCount = 1;; ++state.sweepCount) {
    relaxSweep(state);
    // A NaN measure is not below the tolerance: a broken profile runs to the limit.
    if (state.maxRelChange < sweepTolerance) {
      return;
    }
    if (state.sweepCount >= limit) {
      state.sweepCount = limit + 1;
      return;
    }
  }
}

void printSweepCount(const ProfileState &state) {
  recordfmt::writeListDirected(recordfmt::consoleOutputUnit, {recordfmt::integerItem(state.sweepCount)});
}

} // namespace shearprofile
