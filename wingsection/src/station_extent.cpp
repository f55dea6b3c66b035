#include "wingsection/station_extent.hpp"

namespace wingsection {
namespace {

constexpr double stationIntervals = 200.0;

} // namespace

void measureExtent(const SectionContour &contour, StationTable &stations) {
  // Starting from 0 rather than from point 0 keeps x = 0 inside the extent;
  // a not-a-number point fails both strict comparisons.
  double xMin = 0.0;
  double xMax = 0.0;
  for (const double x : contour.contourX) {
    if (x < xMin) {
      xMin = x;
    }
    if (x > xMax) {
      xMax = x;
    }
  }
  stations.xMin = xMin;
  stations.xMax = xMax;
  stations.chord = xMax - xMin;
  stations.stationStep = stations.chord / stationIntervals;
  for (std::int32_t j = 0; j < StationCount; ++j) {
    // Not a running sum: station 200 misses xMax by one rounding at most.
    stations.stationX[static_cast<std::size_t>(j)] = static_cast<double>(j) * stations.stationStep + xMin;
  }
}

} // namespace wingsection
