#include <gtest/gtest.h>

#include <cmath>

#include "initial_profiles.hpp"
#include "sweep_loop.hpp"

namespace {

using namespace shearprofile;

// The first guess is erf of the midpoint itself (not of half of it, which is
// the model's solution), and the ghosts hold the boundary values.
TEST(InitialProfiles, FirstGuessAndGhostCells) {
  static ProfileState state;
  initialiseProfiles(state);
  EXPECT_EQ(state.eta[0], 0.0);
  EXPECT_EQ(state.eta[lastNode], 10.0);
  EXPECT_EQ(state.etaMid[1], 0.01);
  for (const std::int32_t i : {1, 2, 137, 250, lastNode}) {
    SCOPED_TRACE(i);
    EXPECT_EQ(state.etaMid[i], 0.5 * (state.eta[i - 1] + state.eta[i]));
    EXPECT_EQ(state.uCell[i], std::erf(state.etaMid[i]));
    EXPECT_EQ(state.uLinCell[i], std::erf(state.etaMid[i]));
    EXPECT_EQ(state.uLinExact[i], std::erf(0.5 * state.eta[i]));
  }
  EXPECT_EQ(state.uCell[0], -state.uCell[1]);
  EXPECT_EQ(state.uLinCell[0], -state.uLinCell[1]);
  EXPECT_EQ(state.uCell[outerGhostCell], 1.0);
  EXPECT_EQ(state.uLinCell[outerGhostCell], 1.0);
}

// A state that has been swept is set back exactly to a fresh start, counters
// included, so one static state serves any number of runs.
TEST(InitialProfiles, ResetsASweptState) {
  static ProfileState fresh;
  static ProfileState reused;
  initialiseProfiles(fresh);
  initialiseProfiles(reused);
  runSweeps(reused, 10);
  ASSERT_NE(reused, fresh);
  initialiseProfiles(reused);
  EXPECT_EQ(reused, fresh);
}

} // namespace
