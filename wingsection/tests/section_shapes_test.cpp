#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "section_run.hpp"

namespace wingsection {
namespace {

using testing::computeSection;

// Linear interpolation along chords half a degree long stays within about
// 3e-4 of the true curve for these sections; a wrong axis, height or side
// is off by a tenth or more.
constexpr double interpolationTolerance = 1e-3;
constexpr double roundingTolerance = 1e-12;

const double sampleLimit = std::cos(pi / 720.0); // no sample point at theta = 0 or pi

TEST(FlatPlate, ContourIsTwiceCosineWithNoCamberOrThickness) {
  const auto run = computeSection(1, 5.0);
  for (std::size_t i = 0; i < static_cast<std::size_t>(CirclePointCount); ++i) {
    ASSERT_NEAR(run->contour.contourX[i], 2.0 * std::cos(run->plane.theta[i]), 1e-14) << "point " << i;
    ASSERT_NEAR(run->contour.contourY[i], 0.0, 1e-14) << "point " << i;
  }
  const StationTable &t = run->stations;
  EXPECT_NEAR(t.xMax, 2.0 * sampleLimit, 1e-14);
  EXPECT_NEAR(t.xMin, -t.xMax, 1e-14);
  EXPECT_LT(t.chord, 4.0);
  EXPECT_NEAR(t.chord, 4.0 * sampleLimit, 1e-14);
  for (std::size_t j = 1; j < 200; ++j) {
    EXPECT_NEAR(t.camber[j], 0.0, 1e-14) << "station " << j;
    EXPECT_NEAR(t.thickness[j], 0.0, 1e-14) << "station " << j;
  }
}

class Ellipse : public ::testing::TestWithParam<double> {};

TEST_P(Ellipse, SemiAxesRPlusAndMinusInverseRAndFullHeightAsThickness) {
  const double R = GetParam();
  const double halfChord = R + 1.0 / R;
  const double halfHeight = R - 1.0 / R;
  const auto run = computeSection(2, R);
  for (std::size_t i = 0; i < static_cast<std::size_t>(CirclePointCount); ++i) {
    const double theta = run->plane.theta[i];
    ASSERT_NEAR(run->contour.contourX[i], halfChord * std::cos(theta), 1e-14) << "point " << i;
    ASSERT_NEAR(run->contour.contourY[i], halfHeight * std::sin(theta), 1e-14) << "point " << i;
  }
  const StationTable &t = run->stations;
  EXPECT_NEAR(t.xMax, halfChord * sampleLimit, 1e-14);
  EXPECT_NEAR(t.xMin, -halfChord * sampleLimit, 1e-14);
  for (std::size_t j = 1; j < 200; ++j) {
    const double u = t.stationX[j] / halfChord;
    EXPECT_NEAR(t.thickness[j], 2.0 * halfHeight * std::sqrt(1.0 - u * u), interpolationTolerance) << "station " << j;
    EXPECT_NEAR(t.camber[j], 0.0, roundingTolerance) << "station " << j;
  }
}

INSTANTIATE_TEST_SUITE_P(Radii, Ellipse, ::testing::Values(1.5, 2.0, 3.0));

// The arc circle through +1 and -1, centred at i*h with h = sqrt(R^2 - 1),
// maps onto the circular arc from -2 to 2 whose crest is the common image
// 2i*h of the circle's top (R + h) and bottom (h - R) points, because
// (R + h)(R - h) = 1. That arc lies on the circle about i*c of radius rho
// with c = (h^2 - 1)/h and rho = (h^2 + 1)/h (then c + rho = 2h and
// rho^2 - c^2 = 4). For R below sqrt 2 the crest is below 2 and the arc is
// less than a half circle, so every station meets it once per pass.
class CircularArc : public ::testing::TestWithParam<double> {};

TEST_P(CircularArc, CamberFollowsTheArcOfHeightTwoHAndThicknessVanishes) {
  const double R = GetParam();
  const double h = std::sqrt(R * R - 1.0);
  const double c = (h * h - 1.0) / h;
  const double rho = (h * h + 1.0) / h;
  const auto run = computeSection(3, R);
  const SectionContour &contour = run->contour;
  for (std::size_t i = 0; i < static_cast<std::size_t>(CirclePointCount); ++i) {
    ASSERT_NEAR(std::hypot(contour.contourX[i], contour.contourY[i] - c), rho, 1e-12) << "point " << i;
    ASSERT_GE(contour.contourY[i], -1e-12) << "point " << i;
  }
  const StationTable &t = run->stations;
  EXPECT_NEAR(t.xMax, 2.0, 1e-5);
  EXPECT_NEAR(t.xMin, -2.0, 1e-5);
  double crest = 0.0;
  for (std::size_t j = 1; j < 200; ++j) {
    const double s = t.stationX[j];
    EXPECT_NEAR(t.camber[j], c + std::sqrt(rho * rho - s * s), interpolationTolerance) << "station " << j;
    EXPECT_NEAR(t.thickness[j], 0.0, interpolationTolerance) << "station " << j;
    crest = std::max(crest, t.camber[j]);
  }
  EXPECT_NEAR(crest, 2.0 * h, interpolationTolerance);
}

INSTANTIATE_TEST_SUITE_P(RadiiBelowRootTwo, CircularArc, ::testing::Values(1.05, 1.2, 1.35));

class SymmetricSection : public ::testing::TestWithParam<double> {};

TEST_P(SymmetricSection, NoCamberAndTrailingEdgeJustShortOfTwo) {
  const auto run = computeSection(4, GetParam());
  const StationTable &t = run->stations;
  EXPECT_LT(t.xMax, 2.0);
  EXPECT_GT(t.xMax, 2.0 - 1e-4);
  for (std::size_t j = 1; j < 200; ++j) {
    EXPECT_NEAR(t.camber[j], 0.0, roundingTolerance) << "station " << j;
    EXPECT_GT(t.thickness[j], 0.0) << "station " << j;
  }
}

INSTANTIATE_TEST_SUITE_P(Radii, SymmetricSection, ::testing::Values(1.1, 1.2));

struct CamberedCase {
  double R;
  double betaDegrees;
};

class MirroredBeta : public ::testing::TestWithParam<CamberedCase> {};

TEST_P(MirroredBeta, OppositeAnglesGiveMirrorSections) {
  const auto up = computeSection(5, GetParam().R, GetParam().betaDegrees);
  const auto down = computeSection(5, GetParam().R, -GetParam().betaDegrees);
  // The sample angles are symmetric: theta(719 - i) = 2 pi - theta(i).
  for (std::size_t i = 0; i < static_cast<std::size_t>(SegmentCount); ++i) {
    ASSERT_NEAR(down->contour.contourX[719 - i], up->contour.contourX[i], roundingTolerance) << "point " << i;
    ASSERT_NEAR(down->contour.contourY[719 - i], -up->contour.contourY[i], roundingTolerance) << "point " << i;
  }
  EXPECT_NEAR(down->stations.chord, up->stations.chord, roundingTolerance);
  bool cambered = false;
  for (std::size_t j = 1; j < 200; ++j) {
    EXPECT_NEAR(down->stations.camber[j], -up->stations.camber[j], 1e-10) << "station " << j;
    EXPECT_NEAR(down->stations.thickness[j], up->stations.thickness[j], 1e-10) << "station " << j;
    cambered = cambered || up->stations.camber[j] > 0.05;
  }
  EXPECT_TRUE(cambered);
}

INSTANTIATE_TEST_SUITE_P(Angles, MirroredBeta,
                         ::testing::Values(CamberedCase{1.1, 10.0}, CamberedCase{1.2, 25.0}, CamberedCase{1.05, 3.5}));

TEST(CamberedSection, TrailingEdgeJustShortOfTwoAndPositiveCamberForPositiveBeta) {
  const auto run = computeSection(5, 1.1, 10.0);
  const StationTable &t = run->stations;
  EXPECT_LT(t.xMax, 2.0);
  EXPECT_GT(t.xMax, 2.0 - 1e-3);
  for (std::size_t j = 1; j < 200; ++j) {
    EXPECT_GT(t.camber[j], 0.0) << "station " << j;
    EXPECT_GT(t.thickness[j], 0.0) << "station " << j;
  }
}

TEST(DegenerateSection, ContourWhollyRightOfZeroKeepsZeroAsXMin) {
  const auto run = computeSection(5, 1.1, 180.0);
  const SectionContour &contour = run->contour;
  const StationTable &t = run->stations;
  const double leftmost = *std::min_element(contour.contourX.begin(), contour.contourX.end());
  ASSERT_GT(leftmost, 1.0);
  EXPECT_EQ(t.xMin, 0.0);
  EXPECT_EQ(t.stationX[0], 0.0);
  EXPECT_EQ(t.chord, t.xMax);
  for (std::size_t j = 1; j < 200; ++j) {
    if (t.stationX[j] < leftmost) {
      EXPECT_EQ(t.camber[j], 0.0) << "station " << j;
      EXPECT_EQ(t.thickness[j], 0.0) << "station " << j;
    } else {
      EXPECT_GT(t.thickness[j], 0.0) << "station " << j;
    }
  }
}

TEST(DegenerateSection, CircleThroughTheOriginIsStretchedByThePointsBesideIt) {
  // R cos(beta) = 1/2: the origin is on the circle, between two sample points.
  const auto run = computeSection(5, 1.0, 60.0);
  const CirclePlane &plane = run->plane;
  const StationTable &t = run->stations;
  std::size_t nearest = 0;
  for (std::size_t i = 1; i < static_cast<std::size_t>(SegmentCount); ++i) {
    if (std::hypot(plane.zeta[i].re, plane.zeta[i].im) < std::hypot(plane.zeta[nearest].re, plane.zeta[nearest].im)) {
      nearest = i;
    }
  }
  const double beside[] = {run->contour.contourX[nearest - 1], run->contour.contourX[nearest],
                           run->contour.contourX[nearest + 1]};
  EXPECT_TRUE(std::find(std::begin(beside), std::end(beside), t.xMin) != std::end(beside));
  EXPECT_TRUE(std::find(std::begin(beside), std::end(beside), t.xMax) != std::end(beside));
  EXPECT_GT(t.chord, 100.0);
  for (std::size_t j = 0; j < static_cast<std::size_t>(StationCount); ++j) {
    EXPECT_TRUE(std::isfinite(t.camber[j]) && std::isfinite(t.thickness[j])) << "station " << j;
  }
}

TEST(DegenerateSection, ArcRadiusBelowOneIsNotANumberThroughoutWithZeroStations) {
  const auto run = computeSection(3, 0.5);
  for (std::size_t i = 0; i < static_cast<std::size_t>(CirclePointCount); ++i) {
    // The centre height is not a number, so every point's imaginary part is,
    // and through the division both coordinates of every image.
    ASSERT_TRUE(std::isnan(run->plane.zeta[i].im)) << "point " << i;
    ASSERT_TRUE(std::isnan(run->contour.contourX[i]) && std::isnan(run->contour.contourY[i])) << "point " << i;
  }
  const StationTable &t = run->stations;
  EXPECT_EQ(t.xMin, 0.0);
  EXPECT_EQ(t.xMax, 0.0);
  EXPECT_EQ(t.chord, 0.0);
  for (std::size_t j = 0; j < static_cast<std::size_t>(StationCount); ++j) {
    EXPECT_EQ(t.stationX[j], 0.0);
    EXPECT_EQ(t.camber[j], 0.0);
    EXPECT_EQ(t.thickness[j], 0.0);
  }
}

} // namespace
} // namespace wingsection
