// shearprofile: the laminar boundary-layer profile on a flat plate, relaxed
// together with a linear model problem of known solution; prints the sweep
// count and writes "PlateProfile.txt".
#include "initial_profiles.hpp"
#include "profile_state.hpp"
#include "profile_table.hpp"
#include "recordfmt/recordfmt.hpp"
#include "sweep_loop.hpp"

namespace {

shearprofile::ProfileState state;

} // namespace

int main() {
  recordfmt::configureRecords({recordfmt::LineEnd::Lf, true});
  shearprofile::initialiseProfiles(state);
  shearprofile::runSweeps(state, shearprofile::maxSweeps);
  shearprofile::printSweepCount(state);
  shearprofile::setOutputBoundarySlots(state);
  shearprofile::writeProfileTable(state);
  return 0;
}
