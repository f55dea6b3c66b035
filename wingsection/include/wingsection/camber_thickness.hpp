// Camber line and thickness from the two contour crossings at each station.
#pragma once

#include "wingsection/section_records.hpp"

namespace wingsection {

// Fills firstY, secondY, camber and thickness of every station. Stations 0
// and 200, and stations before any crossing has been found, hold 0.
void extractCamberThickness(const SectionContour &contour, StationTable &stations);

} // namespace wingsection
