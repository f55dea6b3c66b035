// One solution step: coefficients, sweep order and what each closure touches.
#include <gtest/gtest.h>

#include <ostream>

#include <cmath>

#include "turbchannel/eddy_viscosity.hpp"
#include "turbchannel/run_setup.hpp"
#include "turbchannel/transport_sweep.hpp"

namespace turbchannel {
namespace {

// Half a unit of the last digit quoted, for a value quoted to `digits`
// significant digits.
double quotedTolerance(double value, int digits) {
  return 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(value))) - (digits - 1));
}

#define EXPECT_QUOTED(actual, quoted, digits) EXPECT_NEAR(actual, quoted, quotedTolerance(quoted, digits))

struct FirstStepCase {
  const char *name;
  std::int32_t model;
  double kFace, kCentre, kSource, kNew;
  double phiFace, phiCentre, phiSource, phiNew;
};

void PrintTo(const FirstStepCase &c, std::ostream *os) { *os << c.name; }

class FirstStepTest : public ::testing::TestWithParam<FirstStepCase> {
protected:
  void SetUp() override {
    setupRun(state, GetParam().model, 11, 1000.0);
    before = state;
    updateEddyViscosity(state);
    solveTransportStep(state);
  }
  ChannelState state{};
  ChannelState before{};
};

TEST_P(FirstStepTest, NodeTwoMatchesTheWorkedNumbers) {
  const FirstStepCase &c = GetParam();
  ASSERT_EQ(state.dy, 0.2);
  const EquationCoefficients &cu = state.uCoefficients;
  EXPECT_DOUBLE_EQ(cu.aE[2], 0.05);
  EXPECT_DOUBLE_EQ(cu.aW[2], 0.05);
  EXPECT_DOUBLE_EQ(cu.aP[2], 0.1);
  EXPECT_EQ(cu.source[2], 0.2);
  EXPECT_NEAR(state.u[2], (before.u[1] + before.u[3]) / 2 + 2, 1e-12);
  EXPECT_QUOTED(state.u[2], 20.525, 5);

  const EquationCoefficients &ck = state.kCoefficients;
  EXPECT_DOUBLE_EQ(ck.aE[2], c.kFace);
  EXPECT_DOUBLE_EQ(ck.aW[2], c.kFace);
  EXPECT_DOUBLE_EQ(ck.aP[2], c.kCentre);
  EXPECT_QUOTED(ck.source[2], c.kSource, 5);
  EXPECT_QUOTED(state.k[2], c.kNew, 5);

  const EquationCoefficients &cp = c.model == KEpsilon ? state.epsCoefficients : state.omegaCoefficients;
  const double phi = c.model == KEpsilon ? state.eps[2] : state.omega[2];
  EXPECT_QUOTED(cp.aE[2], c.phiFace, 5);
  EXPECT_QUOTED(cp.aW[2], c.phiFace, 5);
  EXPECT_QUOTED(cp.aP[2], c.phiCentre, 5);
  EXPECT_QUOTED(cp.source[2], c.phiSource, 5);
  EXPECT_QUOTED(phi, c.phiNew, 5);
}

TEST_P(FirstStepTest, SavesTheProfilesOfTheStartOfTheStep) {
  for (std::int32_t j = 1; j <= 11; ++j) {
    EXPECT_EQ(state.uOld[j], before.u[j]) << j;
    EXPECT_EQ(state.kOld[j], before.k[j]) << j;
    EXPECT_EQ(state.epsOld[j], before.eps[j]) << j;
  }
}

INSTANTIATE_TEST_SUITE_P(Closures, FirstStepTest,
                         ::testing::Values(FirstStepCase{"KEpsilon", KEpsilon, 0.05, 2.1, 0.18213, 0.13435, 0.039615,
                                                         28.662, 19.522, 0.70874},
                                           FirstStepCase{"KOmega", KOmega, 0.095, 2.19, 0.18213, 0.16992, 0.095, 1.8567,
                                                         66.163, 47.006}),
                         [](const auto &info) { return std::string(info.param.name); });

class SweepTest : public ::testing::Test {
protected:
  ChannelState state{};
};

// Gauss-Seidel in ascending order: a new lower neighbour travels up the whole
// sweep, an upper neighbour reaches only the node below it.
TEST_F(SweepTest, LowerBoundaryReachesEveryNodeUpperOnlyItsNeighbour) {
  setupRun(state, KEpsilon, 12, 1000.0);
  updateEddyViscosity(state);
  ChannelState lowerChanged = state;
  ChannelState upperChanged = state;
  lowerChanged.k[1] *= 2.0;
  upperChanged.k[11] *= 2.0;
  solveTransportStep(state);
  solveTransportStep(lowerChanged);
  solveTransportStep(upperChanged);
  for (std::int32_t j = 2; j <= 10; ++j) {
    EXPECT_NE(lowerChanged.k[j], state.k[j]) << j;
  }
  for (std::int32_t j = 2; j <= 9; ++j) {
    EXPECT_EQ(upperChanged.k[j], state.k[j]) << j;
  }
  EXPECT_NE(upperChanged.k[10], state.k[10]);
}

TEST_F(SweepTest, ThreeIntervalsOnlySaveAndApplyTheWallFunctions) {
  setupRun(state, KEpsilon, 3, 1000.0);
  const ChannelState before = state;
  updateEddyViscosity(state);
  solveTransportStep(state);
  for (const EquationCoefficients *set :
       {&state.uCoefficients, &state.kCoefficients, &state.epsCoefficients, &state.omegaCoefficients}) {
    for (const double a : set->aP) {
      EXPECT_EQ(a, 0.0);
    }
  }
  EXPECT_EQ(state.uOld[1], before.u[1]);
  EXPECT_EQ(state.kOld[2], before.k[2]);
  EXPECT_NE(state.k[1], before.k[1]);
  EXPECT_NE(state.eps[2], before.eps[2]);
}

TEST_F(SweepTest, KOmegaNeverChangesEps) {
  setupRun(state, KOmega, 20, 2000.0);
  for (int i = 0; i < 50; ++i) {
    updateEddyViscosity(state);
    solveTransportStep(state);
  }
  for (std::int32_t j = 1; j <= 19; ++j) {
    EXPECT_EQ(state.eps[j], 10.0) << j;
    EXPECT_NE(state.omega[j], 111.11111111111111) << j;
  }
}

TEST_F(SweepTest, ModelWithoutClosureSweepsOnlyTheVelocity) {
  setupRun(state, 2, 10, 1000.0);
  const ChannelState before = state;
  updateEddyViscosity(state);
  solveTransportStep(state);
  for (std::int32_t j = 2; j <= 8; ++j) {
    EXPECT_EQ(state.k[j], 1.0) << j;
    EXPECT_EQ(state.eps[j], 10.0) << j;
    EXPECT_EQ(state.omega[j], before.omega[j]) << j;
    EXPECT_NE(state.u[j], before.u[j]) << j;
  }
  // Laminar: only nu diffuses momentum.
  EXPECT_DOUBLE_EQ(state.uCoefficients.aE[4], state.nu / state.dy);
}

} // namespace
} // namespace turbchannel
