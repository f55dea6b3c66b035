// The grid, the closure constants and the starting profiles of a run.
#include <gtest/gtest.h>

#include <ostream>

#include <cmath>

#include "turbchannel/channel_state.hpp"
#include "turbchannel/run_setup.hpp"

namespace turbchannel {
namespace {

class GridTest : public ::testing::Test {
protected:
  ChannelState state{};
};

TEST_F(GridTest, TenIntervalsAtReynoldsThousandFollowTheRunningSum) {
  setupRun(state, KEpsilon, 10, 1000.0);
  EXPECT_EQ(state.nu, 0.001);
  EXPECT_EQ(state.dy, 0.225);
  EXPECT_EQ(state.y[0], -1.0);
  EXPECT_EQ(state.y[1], -0.9);
  // Accumulated rounding of dy: the centre node misses 0 by one ulp of 0.225.
  EXPECT_EQ(state.y[5], -5.551115123125783e-17);
  EXPECT_EQ(state.yWall[5], 1000.0);
  EXPECT_EQ(state.y[9], 0.9);
  EXPECT_EQ(state.y[10], 1.0);
  EXPECT_EQ(state.yWall[1], 99.99999999999997);
  EXPECT_EQ(state.yWall[9], 99.99999999999997);
  EXPECT_EQ(state.yWall[0], 0.0);
  EXPECT_EQ(state.yWall[10], 0.0);
  for (std::int32_t j = 2; j <= 8; ++j) {
    EXPECT_NEAR(state.yWall[j], 100.0 + 225.0 * std::min(j - 1, 9 - j), 1e-9) << "node " << j;
  }
}

TEST_F(GridTest, ThreeIntervalsHaveOnlyTheTwoWallAdjacentNodes) {
  setupRun(state, KOmega, 3, 400.0);
  const double a = 100.0 * state.nu;
  EXPECT_EQ(state.y[1], -1.0 + a);
  EXPECT_EQ(state.y[2], 1.0 - a);
  EXPECT_EQ(state.y[3], 1.0);
  EXPECT_EQ(state.dy, (1.0 - a) - state.y[1]);
  EXPECT_EQ(state.yWall[1], (1.0 + state.y[1]) / state.nu);
  EXPECT_EQ(state.yWall[2], (1.0 - state.y[2]) / state.nu);
  EXPECT_EQ(state.u[3], 0.0);
}

TEST_F(GridTest, LargestGridPlacesTheUpperWallAdjacentNodeDirectly) {
  setupRun(state, KEpsilon, MaxGridPoints, 395.0);
  EXPECT_EQ(state.y[MaxGridPoints - 1], 1.0 - 100.0 * state.nu);
  EXPECT_EQ(state.y[MaxGridPoints], 1.0);
  EXPECT_NEAR(state.y[MaxGridPoints - 1] - state.y[MaxGridPoints - 2], state.dy, 1e-14);
}

TEST_F(GridTest, StartingProfilesAreTheSameForBothClosuresAndMirrored) {
  for (const std::int32_t model : {std::int32_t{KEpsilon}, std::int32_t{KOmega}, std::int32_t{2}}) {
    setupRun(state, model, 11, 1000.0);
    for (std::int32_t j = 1; j <= 10; ++j) {
      EXPECT_EQ(state.k[j], 1.0) << "model " << model << " node " << j;
      EXPECT_EQ(state.eps[j], 10.0);
      EXPECT_EQ(state.omega[j], 111.11111111111111);
      EXPECT_EQ(state.u[j], std::log(state.yWall[j]) * 2.5 + 5.0);
      EXPECT_DOUBLE_EQ(state.u[j], state.u[11 - j]);
      EXPECT_EQ(state.nut[j], 0.0);
    }
    for (const std::int32_t wall : {0, 11}) {
      EXPECT_EQ(state.u[wall], 0.0);
      EXPECT_EQ(state.k[wall], 0.0);
      EXPECT_EQ(state.eps[wall], 0.0);
      EXPECT_EQ(state.omega[wall], 0.0);
    }
    EXPECT_EQ(state.maxIterations, 500000);
    EXPECT_EQ(state.dpdx, -1.0);
  }
}

TEST_F(GridTest, ASmallerSecondSetupLeavesNothingOfTheFirst) {
  setupRun(state, KEpsilon, MaxGridPoints, 395.0);
  state.nut.fill(1.0);
  state.kCoefficients.aP.fill(1.0);
  setupRun(state, KEpsilon, 5, 395.0);
  for (std::size_t j = 6; j < nodeSlots; ++j) {
    EXPECT_EQ(state.u[j], 0.0) << j;
    EXPECT_EQ(state.y[j], 0.0) << j;
  }
  EXPECT_EQ(state.nut[2], 0.0);
  EXPECT_EQ(state.kCoefficients.aP[2], 0.0);
}

struct ConstantsCase {
  std::int32_t model;
  ModelConstants expected;
};

void PrintTo(const ConstantsCase &c, std::ostream *os) { *os << "model " << c.model; }

class ModelConstantsTest : public ::testing::TestWithParam<ConstantsCase> {};

TEST_P(ModelConstantsTest, EachClosureSetsOnlyItsOwnConstants) {
  ChannelState state{};
  setupRun(state, GetParam().model, 10, 1000.0);
  const ModelConstants &c = state.constants;
  const ModelConstants &e = GetParam().expected;
  EXPECT_EQ(c.cMu, e.cMu);
  EXPECT_EQ(c.c1Eps, e.c1Eps);
  EXPECT_EQ(c.c2Eps, e.c2Eps);
  EXPECT_EQ(c.alphaOmega, e.alphaOmega);
  EXPECT_EQ(c.betaOmega, e.betaOmega);
  EXPECT_EQ(c.sigmaK, e.sigmaK);
  EXPECT_EQ(c.sigmaEps, e.sigmaEps);
  EXPECT_EQ(c.sigmaOmega, e.sigmaOmega);
}

INSTANTIATE_TEST_SUITE_P(Closures, ModelConstantsTest,
                         ::testing::Values(ConstantsCase{0, {0.09, 1.44, 1.92, 0.0, 0.0, 1.0, 1.3, 0.0}},
                                           ConstantsCase{1, {0.09, 0.0, 0.0, 0.5555555555555556, 0.075, 0.5, 0.0, 0.5}},
                                           ConstantsCase{2, {}}, ConstantsCase{-1, {}}));

} // namespace
} // namespace turbchannel
