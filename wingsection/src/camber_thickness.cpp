#include "wingsection/camber_thickness.hpp"

#include <cmath>
#include <cstdint>

namespace wingsection {
namespace {

// A segment index before any search has found a crossed segment.
constexpr std::int32_t noSegment = -1;
constexpr std::int32_t lastSegment = SegmentCount - 1;

// Strictly between the two ends: an end exactly at s, or a not-a-number end,
// does not count.
bool crosses(const SectionContour &contour, std::int32_t k, double s) {
  const double x0 = contour.contourX[static_cast<std::size_t>(k)];
  const double x1 = contour.contourX[static_cast<std::size_t>(k) + 1];
  return (x0 < s && s < x1) || (x0 > s && s > x1);
}

// The first crossed segment from `from` on; `found` unchanged when none is.
void searchCrossing(const SectionContour &contour, std::int32_t from, double s, std::int32_t &found) {
  for (std::int32_t k = from; k <= lastSegment; ++k) {
    if (crosses(contour, k, s)) {
      found = k;
      return;
    }
  }
}

// The ordinate of segment k (extended beyond its ends when carried over) at s.
double ordinateAt(const SectionContour &contour, std::int32_t k, double s) {
  const auto n = static_cast<std::size_t>(k);
  const double x0 = contour.contourX[n];
  const double x1 = contour.contourX[n + 1];
  const double y0 = contour.contourY[n];
  const double y1 = contour.contourY[n + 1];
  return (y0 * (x1 - s) + (s - x0) * y1) / (x1 - x0);
}

void clearStation(StationTable &stations, std::size_t j) {
  stations.firstY[j] = 0.0;
  stations.secondY[j] = 0.0;
  stations.camber[j] = 0.0;
  stations.thickness[j] = 0.0;
}

} // namespace

void extractCamberThickness(const SectionContour &contour, StationTable &stations) {
  // Both indices carry over from station to station: a station where a search
  // fails reuses, and extrapolates, the segment of an earlier station.
  std::int32_t firstSegment = noSegment;
  std::int32_t secondSegment = noSegment;
  clearStation(stations, 0);
  for (std::int32_t j = 1; j < StationCount - 1; ++j) {
    const auto n = static_cast<std::size_t>(j);
    const double s = stations.stationX[n];
    clearStation(stations, n);
    searchCrossing(contour, 0, s, firstSegment);
    // Without any first crossing there is no second one either.
    if (firstSegment == noSegment) {
      continue;
    }
    searchCrossing(contour, firstSegment + 1, s, secondSegment);
    stations.firstY[n] = ordinateAt(contour, firstSegment, s);
    if (secondSegment == noSegment) {
      continue;
    }
    stations.secondY[n] = ordinateAt(contour, secondSegment, s);
    // Which crossing is the upper side depends on where the scan starts;
    // the mean and the absolute difference do not.
    stations.camber[n] = 0.5 * (stations.secondY[n] + stations.firstY[n]);
    stations.thickness[n] = std::abs(stations.firstY[n] - stations.secondY[n]);
  }
  clearStation(stations, StationCount - 1);
}

} // namespace wingsection
