#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "recordfmt/e_field.hpp"

namespace {

using recordfmt::renderEInto;

struct ECase {
  double value;
  int w, d, k;
  bool negativeZeroSign;
  const char *expected;
};

void PrintTo(const ECase &c, std::ostream *os) { *os << c.value << " E" << c.w << '.' << c.d << " k=" << c.k; }

// Reads an E field back; a three-digit exponent has dropped its letter.
double readField(std::string text) {
  const std::size_t sign = text.find_last_of("+-");
  if (text.find('E') == std::string::npos && sign != std::string::npos && sign > text.find('.')) {
    text.insert(sign, 1, 'E');
  }
  return std::strtod(text.c_str(), nullptr);
}

std::string render(const ECase &c) {
  std::string out(static_cast<std::size_t>(c.w), '?');
  const int n = renderEInto(c.value, c.w, c.d, c.k, c.negativeZeroSign, out.data());
  out.resize(static_cast<std::size_t>(n));
  return out;
}

class EFieldCase : public ::testing::TestWithParam<ECase> {};

TEST_P(EFieldCase, RendersExactText) {
  const ECase &c = GetParam();
  EXPECT_EQ(render(c), c.expected) << "value " << c.value << " E" << c.w << '.' << c.d << " k=" << c.k;
}

constexpr double inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Examples, EFieldCase,
    ::testing::Values(
        // The examples of the E edit descriptor with scale factor 1.
        ECase{1.5, 14, 4, 1, false, "    1.5000E+00"}, ECase{-0.9, 14, 4, 1, false, "   -9.0000E-01"},
        ECase{0.0, 24, 10, 1, false, "        0.0000000000E+00"}, ECase{1.0e-120, 14, 4, 1, false, "    1.0000-120"},
        ECase{1.0e300, 14, 4, 1, false, "    1.0000+300"}, ECase{9.99996, 14, 4, 1, false, "    1.0000E+01"},
        ECase{1.0, 14, 4, 1, false, "    1.0000E+00"}, ECase{-1.0e-100, 14, 4, 1, false, "   -1.0000-100"},
        ECase{99.99999999999997, 14, 4, 1, false, "    1.0000E+02"}, ECase{5e-324, 14, 4, 1, false, "    4.9407-324"},
        // Negative zero: dropped for the channel solver, kept for the others.
        ECase{-0.0, 14, 4, 1, false, "    0.0000E+00"}, ECase{-0.0, 14, 4, 1, true, "   -0.0000E+00"},
        // Ties go to the even digit; values just off a tie go their way.
        ECase{0.125, 10, 1, 1, false, "   1.2E-01"}, ECase{0.375, 10, 1, 1, false, "   3.8E-01"},
        ECase{2.5, 8, 0, 1, false, "  2.E+00"}, ECase{0.15, 10, 1, 1, false, "   1.5E-01"},
        // Other scale factors: k = 2 up to d + 1, zero and negative.
        ECase{123.456, 12, 4, 2, false, "  12.346E+01"}, ECase{123.456, 12, 4, 5, false, "  12346.E-02"},
        ECase{123.456, 12, 4, 0, false, "  0.1235E+03"}, ECase{123.456, 12, 4, -2, false, "  0.0012E+05"},
        ECase{-123.456, 11, 4, 0, false, "-0.1235E+03"}, ECase{-123.456, 10, 4, 0, false, "-.1235E+03"},
        ECase{0.0, 12, 4, 0, false, "  0.0000E+00"}, ECase{0.99996, 11, 4, 0, false, " 0.1000E+01"},
        ECase{1.0e-100, 12, 4, 0, false, "  0.1000E-99"}, ECase{1.0e-101, 12, 4, 0, false, "  0.1000-100"},
        // Out of room, or a scale factor outside both ranges.
        ECase{-1.5, 10, 4, 1, false, "**********"}, ECase{1.5, 3, 4, 1, false, "***"},
        ECase{1.5, 14, 4, 6, false, "**************"}, ECase{1.5, 14, 4, -4, false, "**************"},
        // Values that are not finite.
        ECase{std::nan(""), 14, 4, 1, false, "           NaN"}, ECase{inf, 14, 4, 1, false, "      Infinity"},
        ECase{-inf, 14, 4, 1, false, "     -Infinity"}, ECase{-inf, 5, 4, 1, false, "*****"},
        // A value that is not finite shows its word whatever the scale factor.
        ECase{std::nan(""), 14, 4, 6, false, "           NaN"}));

// The rendered digits are the exact binary value correctly rounded: reading
// the field back lies within half a unit of its last digit.
TEST(EField, ReadsBackWithinHalfAUnitOfTheLastDigit) {
  const double values[] = {0.1,          1.0 / 3.0,     2.0 / 3.0,
                           123456.789,   6.02214076e23, 1.602176634e-19,
                           9.9999949999, 1e308,         2.2250738585072014e-308};
  for (double v : values) {
    for (int d : {0, 4, 10, 16}) {
      std::string out(40, '?');
      renderEInto(v, 40, d, 1, true, out.data());
      const double back = readField(out);
      const int exponent = static_cast<int>(std::floor(std::log10(v)));
      const double halfUnit = 0.5 * std::pow(10.0, exponent - d);
      EXPECT_LE(std::fabs(back - v), halfUnit * (1 + 1e-12)) << out;
    }
  }
}

TEST(ListDirectedReal, SeventeenDigitsReadBackToTheSameDouble) {
  const double values[] = {0.1, -1.0 / 3.0, 1e-300, -2.5e300, 5e-324, 1.7976931348623157e308, -0.0, 3.0};
  for (double v : values) {
    std::string out(recordfmt::listRealWidth, '?');
    EXPECT_EQ(recordfmt::renderListReal(v, out.data()), recordfmt::listRealWidth);
    EXPECT_EQ(out.front(), ' ') << out;
    const double back = std::strtod(out.c_str(), nullptr);
    EXPECT_EQ(back, v) << out;
    EXPECT_EQ(std::signbit(back), std::signbit(v)) << out;
  }
  std::string out(recordfmt::listRealWidth, '?');
  recordfmt::renderListReal(1e-300, out.data());
  EXPECT_EQ(out, "  1.0000000000000000E-300");
  recordfmt::renderListReal(-0.0, out.data());
  EXPECT_EQ(out, "  -0.0000000000000000E+00");
}

} // namespace
