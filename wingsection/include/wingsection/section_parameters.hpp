// The console dialogue that chooses the section.
#pragma once

#include <cstdint>

namespace wingsection {

struct SectionParameters {
  std::int32_t ITYPE = 0;
  double R = 1.0;    // not asked for FlatPlate
  double BETA = 0.0; // radians; asked (in degrees) for Cambered only
};

// Degrees to radians in the order BETA / 360 * 2 * pi, left to right.
[[nodiscard]] double centreAngleInRadians(double degrees);

// Asks ITYPE, then R unless ITYPE is 1, then BETA if ITYPE is 5. An ITYPE
// outside 1 .. 5 or a null answer ends the run through refuseAnswer.
[[nodiscard]] SectionParameters readSectionParameters();

} // namespace wingsection
