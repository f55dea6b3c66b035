// The whole computation of a run, in process, for the geometry tests and as
// the reference that the files of a real run must match.
#pragma once

#include <cstdint>
#include <memory>

#include "wingsection/camber_thickness.hpp"
#include "wingsection/circle_plane.hpp"
#include "wingsection/section_mapping.hpp"
#include "wingsection/section_parameters.hpp"
#include "wingsection/station_extent.hpp"

namespace wingsection::testing {

struct SectionRun {
  CirclePlane plane;
  SectionContour contour;
  StationTable stations;
};

inline std::unique_ptr<SectionRun> computeSection(std::int32_t itype, double R, double betaDegrees = 0.0) {
  auto run = std::make_unique<SectionRun>();
  buildCirclePlane(itype, R, centreAngleInRadians(betaDegrees), run->plane);
  mapToSection(run->plane, run->contour);
  measureExtent(run->contour, run->stations);
  extractCamberThickness(run->contour, run->stations);
  return run;
}

} // namespace wingsection::testing
