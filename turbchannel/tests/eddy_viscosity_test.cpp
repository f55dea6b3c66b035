// Velocity gradient, eddy viscosity and shear stress.
#include <gtest/gtest.h>

#include <cmath>

#include "turbchannel/eddy_viscosity.hpp"
#include "turbchannel/run_setup.hpp"

namespace turbchannel {
namespace {

class EddyViscosityTest : public ::testing::Test {
protected:
  ChannelState state{};
};

TEST_F(EddyViscosityTest, StartingProfilesGiveCMuOverTenEverywhereForBothClosures) {
  for (const std::int32_t model : {KEpsilon, KOmega}) {
    setupRun(state, model, 11, 1000.0);
    updateEddyViscosity(state);
    for (std::int32_t j = 1; j <= 10; ++j) {
      EXPECT_DOUBLE_EQ(state.nut[j], 0.009) << "model " << model << " node " << j;
    }
    EXPECT_NEAR(state.dudy[2], 6.25 * std::log(5.0), 1e-12);
    EXPECT_EQ(state.nut[0], 0.0);
    EXPECT_EQ(state.nut[11], 0.0);
  }
}

TEST_F(EddyViscosityTest, ProfileRisingToTheCentreGivesOppositeWallStresses) {
  setupRun(state, KEpsilon, 10, 1000.0);
  updateEddyViscosity(state);
  EXPECT_GT(state.uv[1], 0.0);
  EXPECT_LT(state.uv[9], 0.0);
  EXPECT_EQ(state.dudy[1], 0.0);
  EXPECT_EQ(state.dudy[9], 0.0);
  for (std::int32_t j = 2; j <= 4; ++j) {
    EXPECT_GT(state.dudy[j], 0.0) << j;
    EXPECT_LT(state.dudy[10 - j], 0.0) << j;
  }
}

TEST_F(EddyViscosityTest, LinearProfileHasOneGradientAndOneSidedWallStresses) {
  setupRun(state, KOmega, 10, 1000.0);
  const double c = 0.75;
  for (std::int32_t j = 1; j <= 9; ++j) {
    state.u[j] = c * j;
    state.k[j] = 0.5 + 0.1 * j; // distinct nut at every node
  }
  updateEddyViscosity(state);
  for (std::int32_t j = 2; j <= 8; ++j) {
    EXPECT_DOUBLE_EQ(state.dudy[j], c / state.dy) << j;
    EXPECT_DOUBLE_EQ(state.nut[j], state.k[j] / state.omega[j]) << j;
    EXPECT_EQ(state.uv[j], state.nut[j] * state.dudy[j]) << j;
  }
  EXPECT_DOUBLE_EQ(state.uv[1], state.nut[1] * c / state.dy);
  EXPECT_DOUBLE_EQ(state.uv[9], state.nut[9] * c / state.dy);
}

TEST_F(EddyViscosityTest, ThreeIntervalsSetOnlyTheWallAdjacentNodes) {
  setupRun(state, KEpsilon, 3, 1000.0);
  state.dudy.fill(7.0);
  state.u[2] = state.u[1] + 1.0;
  updateEddyViscosity(state);
  EXPECT_DOUBLE_EQ(state.nut[1], 0.009);
  EXPECT_DOUBLE_EQ(state.nut[2], 0.009);
  EXPECT_DOUBLE_EQ(state.uv[1], state.nut[1] / state.dy);
  EXPECT_DOUBLE_EQ(state.uv[2], state.nut[2] / state.dy);
  for (const double g : state.dudy) {
    EXPECT_EQ(g, 7.0);
  }
}

TEST_F(EddyViscosityTest, ModelWithoutClosureKeepsNutAndTheWallStresses) {
  setupRun(state, 2, 10, 1000.0);
  state.nut.fill(0.25);
  state.uv.fill(-3.0);
  updateEddyViscosity(state);
  for (std::int32_t j = 1; j <= 9; ++j) {
    EXPECT_EQ(state.nut[j], 0.25) << j;
  }
  EXPECT_EQ(state.uv[1], -3.0);
  EXPECT_EQ(state.uv[9], -3.0);
  EXPECT_EQ(state.uv[3], 0.25 * state.dudy[3]);
  EXPECT_NE(state.dudy[3], 0.0);
}

} // namespace
} // namespace turbchannel
