#include "turbchannel/run_driver.hpp"

#include "recordfmt/recordfmt.hpp"
#include "turbchannel/convergence_measure.hpp"
#include "turbchannel/eddy_viscosity.hpp"
#include "turbchannel/floating_point_mode.hpp"
#include "turbchannel/input_dialogue.hpp"
#include "turbchannel/result_files.hpp"
#include "turbchannel/transport_sweep.hpp"

namespace turbchannel {

double runIteration(ChannelState &state) {
  updateEddyViscosity(state);
  solveTransportStep(state);
  return largestRelativeChange(state);
}

std::int32_t iterateUntilConverged(ChannelState &state) {
  for (std::int32_t iteration = 1; iteration <= state.maxIterations; ++iteration) {
    if (runIteration(state) < convergenceTolerance) {
      return iteration;
    }
  }
  return 0;
}

int runChannelSolver(ChannelState &state) {
  enableFlushToZero();
  initialiseRun(state);
  const std::int32_t iteration = iterateUntilConverged(state);
  if (iteration == 0) {
    recordfmt::writeListDirected(recordfmt::consoleOutputUnit, {recordfmt::textItem("UNFINISH")});
    return 0;
  }
  recordfmt::writeListDirected(recordfmt::consoleOutputUnit, {recordfmt::textItem("FINISH")});
  recordfmt::writeListDirected(recordfmt::consoleOutputUnit, {recordfmt::integerItem(iteration)});
  writeResultFiles(state);
  return 0;
}

} // namespace turbchannel
