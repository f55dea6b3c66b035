// The largest relative change of u, k and eps over nodes 1 .. N-1.
#include <gtest/gtest.h>

#include <ostream>

#include <functional>
#include <limits>
#include <string>

#include "turbchannel/convergence_measure.hpp"
#include "turbchannel/run_driver.hpp"

namespace turbchannel {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

struct MeasureCase {
  const char *name;
  std::function<void(ChannelState &)> change;
  double expected;
};

void PrintTo(const MeasureCase &c, std::ostream *os) { *os << c.name; }

// N = 5, every old and new value 1 before the change.
ChannelState steadyState() {
  ChannelState state{};
  state.gridCount = 5;
  for (std::int32_t j = 0; j <= 5; ++j) {
    state.u[j] = state.uOld[j] = state.k[j] = state.kOld[j] = state.eps[j] = state.epsOld[j] = 1.0;
    state.omega[j] = 1.0;
  }
  return state;
}

class MeasureTest : public ::testing::TestWithParam<MeasureCase> {};

TEST_P(MeasureTest, GivesTheExpectedMeasure) {
  ChannelState state = steadyState();
  GetParam().change(state);
  const double m = largestRelativeChange(state);
  EXPECT_EQ(m, GetParam().expected);
  EXPECT_EQ(m < convergenceTolerance, GetParam().expected < convergenceTolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MeasureTest,
    ::testing::Values(MeasureCase{"NothingChangedGivesTheFloor", [](ChannelState &) {}, 1e-14},
                      MeasureCase{"LargestOfThreeQuantities",
                                  [](ChannelState &s) {
                                    s.u[2] = 1.25;
                                    s.k[3] = 0.5;
                                    s.eps[1] = 1.125;
                                  },
                                  0.5},
                      MeasureCase{"WallAdjacentNodeCounts", [](ChannelState &s) { s.eps[4] = 1.5; }, 0.5},
                      MeasureCase{"WallNodesDoNotCount",
                                  [](ChannelState &s) {
                                    s.u[0] = 9.0;
                                    s.k[5] = 9.0;
                                  },
                                  1e-14},
                      MeasureCase{"OmegaNeverEnters", [](ChannelState &s) { s.omega[2] = 5.0; }, 1e-14},
                      MeasureCase{"BothZeroCountsForNothing", [](ChannelState &s) { s.k[2] = s.kOld[2] = 0.0; }, 1e-14},
                      MeasureCase{"ZeroOldValueGivesInfinity", [](ChannelState &s) { s.uOld[3] = 0.0; }, infinity},
                      MeasureCase{"NegativeOldValueNeverRaises",
                                  [](ChannelState &s) {
                                    s.uOld[2] = -1.0;
                                    s.u[2] = -3.0;
                                  },
                                  1e-14},
                      MeasureCase{"NewNaNVelocityPreventsConvergence", [](ChannelState &s) { s.u[2] = nan; }, infinity},
                      MeasureCase{"NewNaNKPreventsConvergence", [](ChannelState &s) { s.k[4] = nan; }, infinity},
                      MeasureCase{"NewNaNEpsAfterALargerChange",
                                  [](ChannelState &s) {
                                    s.u[1] = 2.0;
                                    s.eps[3] = nan;
                                  },
                                  infinity},
                      MeasureCase{"EveryProfileNaNIsNotConverged",
                                  [](ChannelState &s) {
                                    for (std::int32_t j = 1; j <= 4; ++j) {
                                      s.u[j] = s.k[j] = s.eps[j] = s.uOld[j] = s.kOld[j] = s.epsOld[j] = nan;
                                    }
                                  },
                                  infinity}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace turbchannel
