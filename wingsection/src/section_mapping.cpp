#include "wingsection/section_mapping.hpp"

#include <cmath>

namespace wingsection {

Complex divideSmith(Complex numerator, Complex denominator) {
  const double p = numerator.re;
  const double t = numerator.im;
  const double xi = denominator.re;
  const double eta = denominator.im;
  Complex q;
  // A not-a-number part fails this test and takes the second branch.
  if (std::abs(eta) > std::abs(xi)) {
    const double r = xi / eta;
    const double d = xi * r + eta;
    q.re = (p * r + t) / d;
    q.im = (t * r - p) / d;
  } else {
    const double r = eta / xi;
    const double d = xi + eta * r;
    q.re = (p + t * r) / d;
    q.im = (t - p * r) / d;
  }
  return q;
}

void mapToSection(const CirclePlane &plane, SectionContour &contour) {
  const double a = mappingConstant;
  // The terms in the zero imaginary part still decide the sign of a zero quotient.
  const Complex aSquared{a * a, 0.0};
  for (std::size_t i = 0; i < static_cast<std::size_t>(CirclePointCount); ++i) {
    const Complex q = divideSmith(aSquared, plane.zeta[i]);
    contour.contourX[i] = q.re + plane.zeta[i].re;
    contour.contourY[i] = q.im + plane.zeta[i].im;
  }
}

} // namespace wingsection
