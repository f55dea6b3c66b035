// The conformal map z = zeta + a^2 / zeta of the circle points.
#pragma once

#include "wingsection/section_records.hpp"

namespace wingsection {

// Smith's complex division: the ratio of the smaller to the larger part of
// the denominator keeps every intermediate in range.
[[nodiscard]] Complex divideSmith(Complex numerator, Complex denominator);

void mapToSection(const CirclePlane &plane, SectionContour &contour);

} // namespace wingsection
