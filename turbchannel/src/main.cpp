// turbchannel: fully developed turbulent flow in a plane channel, k-epsilon
// or k-omega closure with wall functions, iterated to convergence; writes
// "DATA.txt" and "DATA-WALLUNIT.txt".
#include "recordfmt/recordfmt.hpp"
#include "turbchannel/channel_state.hpp"
#include "turbchannel/run_driver.hpp"

namespace {

turbchannel::ChannelState state;

} // namespace

int main() {
  // CR LF file records; a negative zero prints without its sign.
  recordfmt::configureRecords({recordfmt::LineEnd::CrLf, false});
  return turbchannel::runChannelSolver(state);
}
