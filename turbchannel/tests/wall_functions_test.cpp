// Friction velocity from the log law and the wall-adjacent values.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

#include "turbchannel/run_setup.hpp"
#include "turbchannel/wall_functions.hpp"

namespace turbchannel {
namespace {

class WallFunctionTest : public ::testing::TestWithParam<double> {
protected:
  ChannelState state{};
};

// The starting velocity 2.5 ln 100 + 5 at the wall-adjacent nodes is a fixed
// point of the wall functions at every Reynolds number: yP uTau / nu is 100 uTau.
TEST_P(WallFunctionTest, StartingVelocityIsAFixedPointReachedInAllPasses) {
  setupRun(state, KEpsilon, 11, GetParam());
  const double u1 = state.u[1];
  const double yL = state.y[1] + 1.0;
  const FrictionVelocities t = frictionVelocities(u1, yL, state.u[10], 1.0 - state.y[10], state.nu);
  EXPECT_EQ(t.passes, 100);
  EXPECT_NEAR(t.lower, 1.017, 5e-4);
  EXPECT_NEAR(t.lower, 0.42 * u1 / std::log(900.0 * t.lower), 1e-12);
  EXPECT_NEAR(t.upper, t.lower, 1e-12);

  applyWallFunctions(state);
  EXPECT_NEAR(state.u[1], u1, 1e-12 * u1);
  EXPECT_NEAR(state.u[10], u1, 1e-12 * u1);
  EXPECT_NEAR(state.k[1], 3.45, 5e-3);
  EXPECT_EQ(state.k[1], (t.lower * t.lower) / 0.3);
  EXPECT_EQ(state.k[10], (t.upper * t.upper) / 0.3);
  // eps = uTau^3 / (kappa yP) grows in proportion to Re.
  EXPECT_NEAR(state.eps[1] * 100.0 / GetParam(), t.lower * t.lower * t.lower / 0.42, 1e-9);
  EXPECT_EQ(state.omega[1], 111.11111111111111);
}

INSTANTIATE_TEST_SUITE_P(ReynoldsNumbers, WallFunctionTest, ::testing::Values(395.0, 1000.0, 5000.0));

TEST(WallFunctions, FirstPassBelowToleranceAtBothWallsStopsAtOnce) {
  const double nu = 0.001;
  const double yP = 100.0 * nu;
  // uTau = 1 solves the log law exactly for this velocity.
  const double uExact = std::log(logLawE * yP / nu) / kappa;
  const double uStart = 2.5 * std::log(100.0) + 5.0;
  EXPECT_EQ(frictionVelocities(uExact, yP, uExact, yP, nu).passes, 1);
  EXPECT_EQ(frictionVelocities(uExact, yP, uStart, yP, nu).passes, 100);
  EXPECT_EQ(frictionVelocities(uStart, yP, uExact, yP, nu).passes, 100);
}

TEST(WallFunctions, EachClosureSetsItsOwnDissipationQuantityOnly) {
  struct Case {
    std::int32_t model;
    bool epsSet;
    bool omegaSet;
  };
  for (const Case c : {Case{KEpsilon, true, false}, Case{KOmega, false, true}, Case{2, false, false}}) {
    ChannelState state{};
    setupRun(state, c.model, 3, 1000.0);
    applyWallFunctions(state);
    for (const std::int32_t j : {1, 2}) {
      EXPECT_NE(state.k[j], 1.0) << c.model;
      EXPECT_EQ(state.eps[j] != 10.0, c.epsSet) << c.model;
      EXPECT_EQ(state.omega[j] != 111.11111111111111, c.omegaSet) << c.model;
    }
    if (c.omegaSet) {
      const double yL = state.y[1] + 1.0;
      EXPECT_NEAR(state.omega[1] * yL * 0.126, std::sqrt(state.k[1] * 0.3), 1e-12);
    }
  }
}

// The memo of the wall functions must never show: each call gives exactly
// what a call with an empty memo gives, whether its inputs repeat an earlier
// call's (a hit), differ from them in a single input (a key missing that
// input would hit wrongly), or repeat a call whose entry has since been
// replaced. The velocities move by one unit in the last place, as they do in
// a run.
TEST(WallFunctionMemo, EveryCallGivesWhatAFirstCallGives) {
  struct Inputs {
    const char *name;
    double uLower, uUpper, yLower, yUpper, nu;
    std::int32_t model;
  };
  ChannelState state{};
  setupRun(state, KEpsilon, 11, 1000.0);
  constexpr std::int32_t top = 10;
  const Inputs base{"base", state.u[1], state.u[top], state.y[1], state.y[top], state.nu, KEpsilon};
  const auto variant = [&base](const char *name, auto change) {
    Inputs in = base;
    in.name = name;
    change(in);
    return in;
  };
  const auto up = [](double &x) { x = std::nextafter(x, 1e300); };
  const auto stretch = [](double &x) { x *= 1.001; };
  const Inputs lowerVelocity = variant("u at node 1", [&](Inputs &in) { up(in.uLower); });
  const Inputs upperVelocity = variant("u at node N-1", [&](Inputs &in) { up(in.uUpper); });
  const Inputs lowerDistance = variant("y at node 1", [&](Inputs &in) { stretch(in.yLower); });
  const Inputs upperDistance = variant("y at node N-1", [&](Inputs &in) { stretch(in.yUpper); });
  const Inputs viscosity = variant("nu", [&](Inputs &in) { stretch(in.nu); });
  const Inputs kOmega = variant("k-omega", [](Inputs &in) { in.model = KOmega; });
  const Inputs noClosure = variant("no closure", [](Inputs &in) { in.model = 2; });
  const Inputs sequence[]{base,          base,          lowerVelocity, base,      lowerVelocity, upperVelocity, base,
                          lowerDistance, upperDistance, viscosity,     kOmega,    base,          noClosure,     kOmega,
                          kOmega,        base,          upperVelocity, viscosity, base};

  const auto bits = [](double x) { return std::bit_cast<std::uint64_t>(x); };
  for (const Inputs &in : sequence) {
    state.u[1] = in.uLower;
    state.u[top] = in.uUpper;
    state.y[1] = in.yLower;
    state.y[top] = in.yUpper;
    state.nu = in.nu;
    state.model = in.model;
    ChannelState first = state;
    first.wallFunctionMemo = WallFunctionMemo{};
    applyWallFunctions(state);
    applyWallFunctions(first);
    for (const std::int32_t j : {1, top}) {
      EXPECT_EQ(bits(state.u[j]), bits(first.u[j])) << in.name << ", node " << j;
      EXPECT_EQ(bits(state.k[j]), bits(first.k[j])) << in.name << ", node " << j;
      EXPECT_EQ(bits(state.eps[j]), bits(first.eps[j])) << in.name << ", node " << j;
      EXPECT_EQ(bits(state.omega[j]), bits(first.omega[j])) << in.name << ", node " << j;
    }
  }
}

} // namespace
} // namespace turbchannel
