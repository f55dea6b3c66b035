// The five result files of a run.
#pragma once

#include "wingsection/section_records.hpp"

namespace wingsection {

// Creates or replaces WM-CIRCLE.txt, WM-WING.txt, WM-CAMBER.txt, WM-THICK.txt
// and WM-CHORD.txt in the current directory.
void writeSectionFiles(const CirclePlane &plane, const SectionContour &contour, const StationTable &stations);

} // namespace wingsection
