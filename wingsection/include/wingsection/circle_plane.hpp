// The circle in the zeta plane whose image is the section.
#pragma once

#include <cstdint>

#include "wingsection/section_records.hpp"

namespace wingsection {

// Fills radius, centre, the 721 angles and points. BETA in radians. An ITYPE
// without a centre of its own (outside 1 .. 5) keeps the centre at 0.
void buildCirclePlane(std::int32_t ITYPE, double R, double BETA, CirclePlane &plane);

} // namespace wingsection
