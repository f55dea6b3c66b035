#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <memory>

#include "wingsection/camber_thickness.hpp"
#include "wingsection/section_mapping.hpp"
#include "wingsection/station_extent.hpp"

namespace wingsection {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

struct DivisionCase {
  Complex numerator;
  Complex denominator;
  Complex quotient;
};

TEST(DivideSmith, QuotientsOnBothBranchesAndAtTheirBorder) {
  const DivisionCase cases[] = {
      {{1.0, 0.0}, {0.0, 1.0}, {0.0, -1.0}},          // |eta| > |xi|
      {{1.0, 0.0}, {1.0, 1.0}, {0.5, -0.5}},          // |eta| = |xi|
      {{1.0, 0.0}, {2.0, 0.0}, {0.5, 0.0}},           // real denominator
      {{3.0, 4.0}, {1.0, 2.0}, {2.2, -0.4}},          // general numerator
      {{1.0, 0.0}, {1e200, 1e200}, {5e-201, -5e-201}} // the squared modulus would overflow
  };
  for (const DivisionCase &c : cases) {
    const Complex q = divideSmith(c.numerator, c.denominator);
    EXPECT_DOUBLE_EQ(q.re, c.quotient.re) << c.denominator.re << " " << c.denominator.im;
    EXPECT_DOUBLE_EQ(q.im, c.quotient.im) << c.denominator.re << " " << c.denominator.im;
  }
}

TEST(DivideSmith, ZeroImaginaryPartTakesTheSignOfTheRealDenominator) {
  const Complex negative = divideSmith({1.0, 0.0}, {-2.0, 0.0});
  EXPECT_EQ(negative.re, -0.5);
  EXPECT_TRUE(std::signbit(negative.im));
  EXPECT_FALSE(std::signbit(divideSmith({1.0, 0.0}, {2.0, 0.0}).im));
}

TEST(DivideSmith, ZeroDenominatorGivesNotANumber) {
  const Complex q = divideSmith({1.0, 0.0}, {0.0, 0.0});
  EXPECT_TRUE(std::isnan(q.re));
  EXPECT_TRUE(std::isnan(q.im));
}

TEST(MapToSection, JoukowskiImagesOfKnownPoints) {
  auto plane = std::make_unique<CirclePlane>();
  auto contour = std::make_unique<SectionContour>();
  plane->zeta[0] = {1.0, 0.0};  // trailing edge z = 2
  plane->zeta[1] = {-1.0, 0.0}; // leading edge of the unit circle z = -2
  plane->zeta[2] = {2.0, 0.0};
  plane->zeta[3] = {0.0, 1.0}; // i + 1/i = 0
  plane->zeta[4] = {0.0, 2.0}; // 2i - i/2
  plane->zeta[5] = {0.0, 0.0}; // the origin has no image
  mapToSection(*plane, *contour);
  const std::array<Complex, 5> images = {{{2.0, 0.0}, {-2.0, 0.0}, {2.5, 0.0}, {0.0, 0.0}, {0.0, 1.5}}};
  for (std::size_t i = 0; i < images.size(); ++i) {
    EXPECT_EQ(contour->contourX[i], images[i].re) << "point " << i;
    EXPECT_EQ(contour->contourY[i], images[i].im) << "point " << i;
  }
  EXPECT_TRUE(std::isnan(contour->contourX[5]));
  EXPECT_TRUE(std::isnan(contour->contourY[5]));
}

// A closed quadrilateral in the 721 contour points: each vertex repeated over
// a quarter of the points, so the zero-length segments between repeats are
// never crossed and only segments 179, 359, 539 and 719 carry an edge.
struct Vertex {
  double x;
  double y;
};

std::unique_ptr<SectionContour> quadrilateral(const std::array<Vertex, 4> &v) {
  auto contour = std::make_unique<SectionContour>();
  for (std::size_t i = 0; i < static_cast<std::size_t>(CirclePointCount); ++i) {
    const Vertex &p = v[(i / 180) % 4];
    contour->contourX[i] = p.x;
    contour->contourY[i] = p.y;
  }
  return contour;
}

std::unique_ptr<StationTable> stationsOf(const SectionContour &contour) {
  auto stations = std::make_unique<StationTable>();
  measureExtent(contour, *stations);
  extractCamberThickness(contour, *stations);
  return stations;
}

// Chord 4 from -2 to 2, stations 0.02 apart: station 100 lies exactly at
// x = 0, on the upper vertex, so only the lower edge (segment 539) is crossed
// there and the second search carries segment 539 over from station 99.
const std::array<Vertex, 4> kinkedDiamond = {{{2.0, 0.0}, {0.0, 1.0}, {-2.0, 0.0}, {0.5, -1.0}}};

TEST(CrossingSearch, SecondSegmentCarriedOverWhenAStationMeetsAVertex) {
  const auto contour = quadrilateral(kinkedDiamond);
  const auto stations = stationsOf(*contour);
  ASSERT_EQ(stations->xMin, -2.0);
  ASSERT_EQ(stations->xMax, 2.0);
  ASSERT_EQ(stations->stationX[100], 0.0);
  // Station 99: upper edge from (0, 1) to (-2, 0), lower edge from (-2, 0) to (0.5, -1).
  const double s = stations->stationX[99];
  EXPECT_NEAR(stations->firstY[99], (2.0 + s) / 2.0, 1e-15);
  EXPECT_NEAR(stations->secondY[99], -(s + 2.0) / 2.5, 1e-15);
  // Station 100: both crossings on segment 539, so no thickness.
  EXPECT_EQ(stations->firstY[100], -0.8);
  EXPECT_EQ(stations->secondY[100], -0.8);
  EXPECT_EQ(stations->camber[100], -0.8);
  EXPECT_EQ(stations->thickness[100], 0.0);
  // Station 101: the edge from (2, 0) to (0, 1) is found again.
  EXPECT_NEAR(stations->firstY[101], 1.0 - stations->stationX[101] / 2.0, 1e-15);
}

TEST(CrossingSearch, NotANumberPointEndsNoCrossedSegment) {
  const auto clean = quadrilateral(kinkedDiamond);
  const auto withGap = quadrilateral(kinkedDiamond);
  withGap->contourX[90] = nan;
  withGap->contourY[90] = nan;
  withGap->contourX[450] = nan;
  const auto expected = stationsOf(*clean);
  const auto actual = stationsOf(*withGap);
  EXPECT_EQ(actual->xMin, expected->xMin);
  EXPECT_EQ(actual->xMax, expected->xMax);
  EXPECT_EQ(actual->camber, expected->camber);
  EXPECT_EQ(actual->thickness, expected->thickness);
}

TEST(CrossingSearch, StationsBeforeAnyCrossingWriteZeroAndTheScanCarriesOn) {
  // Wholly at x > 0: xMin stays 0, stations 0.02 apart from 0 to 4.
  const auto contour = quadrilateral({{{4.0, 0.0}, {3.0, 1.0}, {2.0, 0.0}, {3.0, -1.0}}});
  const auto stations = stationsOf(*contour);
  ASSERT_EQ(stations->xMin, 0.0);
  ASSERT_EQ(stations->stationX[100], 2.0);
  ASSERT_EQ(stations->stationX[150], 3.0);
  // Up to station 100 (on the vertex at x = 2) no segment is ever crossed.
  for (std::size_t j = 0; j <= 100; ++j) {
    EXPECT_EQ(stations->camber[j], 0.0) << "station " << j;
    EXPECT_EQ(stations->thickness[j], 0.0) << "station " << j;
  }
  for (std::size_t j = 101; j < 200; ++j) {
    EXPECT_GT(stations->thickness[j], 0.0) << "station " << j;
  }
  EXPECT_NEAR(stations->thickness[101], 0.04, 1e-15);
  // Station 150 meets both side vertices: both segments of station 149 carry
  // over and give the vertices' ordinates.
  EXPECT_EQ(stations->firstY[150], 1.0);
  EXPECT_EQ(stations->secondY[150], -1.0);
  EXPECT_EQ(stations->camber[150], 0.0);
  EXPECT_EQ(stations->thickness[150], 2.0);
  EXPECT_NEAR(stations->thickness[151], 1.96, 1e-15);
  EXPECT_EQ(stations->thickness[200], 0.0);
}

TEST(MeasureExtent, NotANumberPointsNeverSetTheExtent) {
  const auto contour = quadrilateral(kinkedDiamond);
  contour->contourX[0] = nan;
  contour->contourX[720] = nan;
  contour->contourX[400] = nan;
  StationTable stations;
  measureExtent(*contour, stations);
  EXPECT_EQ(stations.xMin, -2.0);
  EXPECT_EQ(stations.xMax, 2.0);
  EXPECT_EQ(stations.chord, 4.0);
  EXPECT_EQ(stations.stationStep, 0.02);
  EXPECT_EQ(stations.stationX[0], -2.0);
  EXPECT_EQ(stations.stationX[200], 2.0);
}

} // namespace
} // namespace wingsection
