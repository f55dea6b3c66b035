#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "change_measure.hpp"
#include "initial_profiles.hpp"
#include "sweep_loop.hpp"

namespace {

using namespace shearprofile;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

bool sameValue(double a, double b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

TEST(ChangeMeasure, FoldKeepsNumbersAndDropsNaNMaximum) {
  struct Case {
    double maximum, r, expected;
  };
  const Case cases[] = {
      {0.0, 0.5, 0.5},   {0.5, 0.25, 0.5}, {0.5, nan, 0.5}, {0.0, nan, 0.0},
      {nan, 0.25, 0.25}, {nan, 0.0, 0.0},  {nan, nan, nan}, {0.5, inf, inf},
  };
  for (const Case &c : cases) {
    EXPECT_TRUE(sameValue(foldRelativeChange(c.maximum, c.r), c.expected))
        << "fold(" << c.maximum << ", " << c.r << ") gave " << foldRelativeChange(c.maximum, c.r);
  }
}

// Contrived profiles: every cell was 1 and is now `base` (1: unchanged, r = 0),
// except the cells listed. 0/0 and NaN cells give a NaN r.
TEST(ChangeMeasure, LargestChangeOverTheProfile) {
  struct Change {
    std::int32_t cell;
    double now, before;
  };
  struct Case {
    const char *name;
    double base;
    std::vector<Change> changes;
    double expected;
  };
  const Case cases[] = {
      {"unchanged", 1.0, {}, 0.0},
      {"largest of two", 1.0, {{10, 2.0, 1.0}, {20, 4.0, 1.0}}, 0.75},
      {"relative to the new value", 1.0, {{lastNode, 0.5, 1.0}}, 1.0},
      {"NaN after a number", 1.0, {{10, 2.0, 1.0}, {400, 0.0, 0.0}}, 0.5},
      {"NaN before a number", 1.0, {{1, nan, 1.0}, {300, 4.0, 1.0}}, 0.75},
      {"all NaN never replaces the initial zero", nan, {}, 0.0},
      {"a cell gone to zero", 1.0, {{250, 0.0, 1.0}}, inf},
  };
  static ProfileState state;
  for (const Case &c : cases) {
    for (std::int32_t i = 1; i <= lastNode; ++i) {
      state.uCell[i] = c.base;
      state.uCellPrev[i] = 1.0;
    }
    for (const Change &change : c.changes) {
      state.uCell[change.cell] = change.now;
      state.uCellPrev[change.cell] = change.before;
    }
    const double measured = largestRelativeChange(state);
    EXPECT_TRUE(sameValue(measured, c.expected)) << c.name << ": " << measured;
  }
}

// One run to convergence in process, shared by the stop tests.
class SweepLoop : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    initialiseProfiles(converged);
    runSweeps(converged, maxSweeps);
  }
  static inline ProfileState converged;
  static inline ProfileState state;
};

TEST_F(SweepLoop, ConvergesAtTheKnownSweep) {
  EXPECT_EQ(converged.sweepCount, 84642);
  EXPECT_LT(converged.maxRelChange, sweepTolerance);
}

// The count of an exhausted run is one past the limit; a run that converges
// at the very sweep of the limit reports that sweep.
TEST_F(SweepLoop, LimitReachedCountsOnePast) {
  struct Case {
    bool fromConverged;
    std::int32_t limit, expectedCount;
    bool expectConverged;
  };
  const Case cases[] = {
      {false, 1, 2, false},
      {false, 1000, 1001, false},
      {true, 1, 1, true},
      {true, 5, 1, true},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << "limit " << c.limit << (c.fromConverged ? " from converged" : " from start"));
    if (c.fromConverged) {
      state = converged;
    } else {
      initialiseProfiles(state);
    }
    runSweeps(state, c.limit);
    EXPECT_EQ(state.sweepCount, c.expectedCount);
    EXPECT_EQ(state.maxRelChange < sweepTolerance, c.expectConverged) << state.maxRelChange;
  }
}

// The measure starts at zero and a NaN r never replaces a number, so a
// profile gone to NaN everywhere measures zero and ends the loop as if
// converged; only a finite or infinite change keeps it running.
TEST_F(SweepLoop, ProfileGoneToNaNEndsAtOnce) {
  initialiseProfiles(state);
  for (std::int32_t i = 1; i <= lastNode; ++i) {
    state.uCell[i] = inf;
  }
  runSweeps(state, 3);
  EXPECT_EQ(state.sweepCount, 1);
  EXPECT_EQ(state.maxRelChange, 0.0);
  EXPECT_TRUE(std::isnan(state.uCell[lastNode]));
}

} // namespace
