#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "initial_profiles.hpp"
#include "relax_sweep.hpp"

namespace {

using namespace shearprofile;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

class RelaxSweep : public ::testing::Test {
protected:
  void SetUp() override {
    initialiseProfiles(reference);
    initialiseProfiles(probe);
  }
  static inline ProfileState reference;
  static inline ProfileState probe;
};

// The wall condition is folded into the first cell's update, so the wall
// ghost may hold anything during the sweeps and is left as it is.
TEST_F(RelaxSweep, WallGhostIsNeitherReadNorWritten) {
  probe.uCell[0] = nan;
  probe.uLinCell[0] = nan;
  for (int sweep = 0; sweep < 3; ++sweep) {
    relaxSweep(reference);
    relaxSweep(probe);
  }
  EXPECT_TRUE(std::isnan(probe.uCell[0]));
  EXPECT_TRUE(std::isnan(probe.uLinCell[0]));
  probe.uCell[0] = reference.uCell[0];
  probe.uLinCell[0] = reference.uLinCell[0];
  EXPECT_EQ(probe, reference);
  EXPECT_EQ(reference.uCell[outerGhostCell], 1.0);
  EXPECT_EQ(reference.uLinCell[outerGhostCell], 1.0);
}

// Only the similarity profile is measured: a broken model profile changes
// nothing in the decision to stop.
TEST_F(RelaxSweep, ModelProfileTakesNoPartInTheMeasure) {
  for (std::int32_t i = 1; i <= lastNode; ++i) {
    probe.uLinCell[i] = nan;
  }
  relaxSweep(reference);
  relaxSweep(probe);
  EXPECT_GT(reference.maxRelChange, 0.0);
  EXPECT_EQ(probe.maxRelChange, reference.maxRelChange);
  EXPECT_EQ(probe.uCell, reference.uCell);
}

// The stream function of a sweep is integrated from the profile the sweep
// started with, and that profile is what the change is measured against.
TEST_F(RelaxSweep, StreamFunctionLagsOneSweep) {
  relaxSweep(probe);
  double f = 0.0;
  for (std::int32_t i = 1; i <= lastNode; ++i) {
    ASSERT_EQ(probe.uCellPrev[i], reference.uCell[i]) << i;
    f = reference.uCell[i] * gridStep + f;
  }
  EXPECT_EQ(probe.streamF[0], 0.0);
  EXPECT_EQ(probe.streamF[lastNode], f);
}

// From a profile at rest (f = 0, so each cell becomes the plain mean of its
// neighbours) the free stream enters through the outer ghost alone. Ascending
// Gauss-Seidel moves only the last cell in the first sweep; in the second,
// that cell already uses the new value of the cell below it.
TEST_F(RelaxSweep, AscendingGaussSeidelFromRest) {
  for (std::int32_t i = 1; i <= lastNode; ++i) {
    probe.uCell[i] = 0.0;
    probe.uLinCell[i] = 0.0;
  }
  relaxSweep(probe);
  for (std::int32_t i = 1; i < lastNode; ++i) {
    ASSERT_EQ(probe.uCell[i], 0.0) << i;
  }
  EXPECT_EQ(probe.uCell[lastNode], 0.5);
  // The model's coefficient (h/8) eta at the last midpoint weights the outer ghost.
  EXPECT_DOUBLE_EQ(probe.uLinCell[lastNode], 0.5 + 0.125 * 0.02 * 9.99);

  relaxSweep(probe);
  EXPECT_EQ(probe.uCell[lastNode - 2], 0.0);
  EXPECT_EQ(probe.uCell[lastNode - 1], 0.25);
  // 0.25 (0.5 - p) + (p + 0.5) with p from f = 0.01 at the last node only.
  EXPECT_NEAR(probe.uCell[lastNode], 0.625, 1e-4);
}

} // namespace
