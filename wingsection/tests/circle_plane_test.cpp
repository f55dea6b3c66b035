#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "section_run.hpp"

namespace wingsection {
namespace {

using testing::computeSection;

double distance(Complex p, Complex q) { return std::hypot(p.re - q.re, p.im - q.im); }

TEST(CirclePlaneAngles, StartAQuarterDegreeInStepHalfADegreeAndCloseAfterOneTurn) {
  const auto run = computeSection(2, 1.5);
  const CirclePlane &plane = run->plane;
  EXPECT_EQ(plane.theta[0], pi / 720.0);
  for (std::size_t i = 0; i + 1 < plane.theta.size(); ++i) {
    EXPECT_NEAR(plane.theta[i + 1] - plane.theta[i], pi / 360.0, 1e-14) << "interval " << i;
  }
  EXPECT_NEAR(plane.theta[720] - plane.theta[0], 2.0 * pi, 1e-13);
  // Point 720 is computed, not copied, and lands on point 0 up to rounding.
  EXPECT_NEAR(plane.zeta[720].re, plane.zeta[0].re, 1e-14);
  EXPECT_NEAR(plane.zeta[720].im, plane.zeta[0].im, 1e-14);
}

struct CircleCase {
  const char *name;
  std::int32_t itype;
  double R;
  double betaDegrees;
  double radius;
  Complex centre;
  std::vector<Complex> pointsOnCircle;
};

class CircleGeometry : public ::testing::TestWithParam<CircleCase> {};

TEST_P(CircleGeometry, RadiusCentreAndThePointsTheCirclePassesThrough) {
  const CircleCase &c = GetParam();
  const auto run = computeSection(c.itype, c.R, c.betaDegrees);
  const CirclePlane &plane = run->plane;
  EXPECT_EQ(plane.ITYPE, c.itype);
  EXPECT_EQ(plane.R, c.radius);
  EXPECT_NEAR(plane.centre.re, c.centre.re, 1e-15);
  EXPECT_NEAR(plane.centre.im, c.centre.im, 1e-15);
  for (std::size_t i = 0; i < plane.zeta.size(); ++i) {
    ASSERT_NEAR(distance(plane.zeta[i], plane.centre), c.radius, 1e-14) << "point " << i;
  }
  for (const Complex &p : c.pointsOnCircle) {
    EXPECT_NEAR(distance(p, plane.centre), c.radius, 1e-14) << "(" << p.re << ", " << p.im << ")";
  }
}

INSTANTIATE_TEST_SUITE_P(
    EachSectionType, CircleGeometry,
    ::testing::Values(
        CircleCase{"FlatPlateIgnoresR", 1, 3.0, 0.0, 1.0, {0.0, 0.0}, {{1.0, 0.0}, {-1.0, 0.0}}},
        CircleCase{"Elliptical", 2, 1.5, 0.0, 1.5, {0.0, 0.0}, {{1.5, 0.0}, {0.0, -1.5}}},
        CircleCase{"ArcThroughBothEnds", 3, 1.25, 0.0, 1.25, {0.0, 0.75}, {{1.0, 0.0}, {-1.0, 0.0}}},
        CircleCase{"SymmetricThroughAAndAMinus2R", 4, 1.25, 0.0, 1.25, {-0.25, 0.0}, {{1.0, 0.0}, {-1.5, 0.0}}},
        CircleCase{"CamberedThroughA",
                   5,
                   1.1,
                   10.0,
                   1.1,
                   {1.0 - 1.1 * std::cos(pi / 18.0), 1.1 * std::sin(pi / 18.0)},
                   {{1.0, 0.0}}},
        CircleCase{"CamberedNegativeBetaThroughA",
                   5,
                   1.3,
                   -35.0,
                   1.3,
                   {1.0 - 1.3 * std::cos(35.0 * pi / 180.0), -1.3 * std::sin(35.0 * pi / 180.0)},
                   {{1.0, 0.0}}},
        CircleCase{
            "CamberedZeroBetaIsTheSymmetricCircle", 5, 1.25, 0.0, 1.25, {-0.25, 0.0}, {{1.0, 0.0}, {-1.5, 0.0}}}),
    [](const ::testing::TestParamInfo<CircleCase> &info) { return info.param.name; });

} // namespace
} // namespace wingsection
