// Chordwise extent of the contour and the 201 station abscissae.
#pragma once

#include "wingsection/section_records.hpp"

namespace wingsection {

// Fills xMin, xMax, chord, stationStep and stationX. The extent always
// contains x = 0, and not-a-number points are passed over.
void measureExtent(const SectionContour &contour, StationTable &stations);

} // namespace wingsection
