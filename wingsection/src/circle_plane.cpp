#include "wingsection/circle_plane.hpp"

#include <cmath>

namespace wingsection {
namespace {

constexpr double angularIntervals = 720.0;

} // namespace

void buildCirclePlane(std::int32_t ITYPE, double R, double BETA, CirclePlane &plane) {
  const double a = mappingConstant;
  plane.ITYPE = ITYPE;
  plane.BETA = BETA;
  plane.centre = Complex{};
  switch (static_cast<SectionType>(ITYPE)) {
  case SectionType::FlatPlate:
    R = 1.0;
    break;
  case SectionType::Elliptical:
    break;
  case SectionType::Arc:
    // Centre on the imaginary axis at the height that puts +a and -a on the
    // circle; R below a gives not-a-number, carried through on purpose.
    plane.centre.im = std::sqrt(R * R - a * a);
    break;
  case SectionType::Symmetric:
    // Through +a and a - 2R: the trailing edge is the circle's rightmost point.
    plane.centre.re = -(R - a);
    break;
  case SectionType::Cambered:
    // Through +a for every BETA, rotated about it by BETA.
    plane.centre.re = a - R * std::cos(BETA);
    plane.centre.im = R * std::sin(BETA);
    break;
  }
  plane.R = R;
  for (std::int32_t i = 0; i < CirclePointCount; ++i) {
    const auto n = static_cast<std::size_t>(i);
    // Half-degree steps from a quarter degree: no point at 0 or pi.
    const double theta = (pi + pi) * (static_cast<double>(i) + 0.5) / angularIntervals;
    plane.theta[n] = theta;
    plane.zeta[n].re = R * std::cos(theta) + plane.centre.re;
    plane.zeta[n].im = R * std::sin(theta) + plane.centre.im;
  }
}

} // namespace wingsection
