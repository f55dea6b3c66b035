// Properties of an E field over arbitrary doubles, widths, digit counts and
// scale factors: exactly w characters; a finite value that fits reads back
// within half a unit of its last shown digit.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "field_reading.hpp"
#include "recordfmt/e_field.hpp"

using namespace recordfmt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size < 12) {
    return 0;
  }
  double value = 0;
  std::memcpy(&value, data, sizeof value);
  const std::int32_t w = 1 + data[8] % maxFieldWidth;
  const std::int32_t d = data[9] % (maxFractionDigits + 1);
  // k mostly inside its two ranges -d < k < d + 2, sometimes just outside.
  const std::int32_t k = static_cast<std::int32_t>(data[10] % (2 * d + 4)) - d - 1;
  const bool negativeZeroSign = (data[11] & 1) != 0;

  char field[maxFieldWidth + 1];
  std::memset(field, '#', sizeof field);
  const std::int32_t n = renderEInto(value, w, d, k, negativeZeroSign, field);
  if (n != w || field[w] != '#') {
    std::abort();
  }
  const std::string_view text(field, static_cast<std::size_t>(w));
  if (!std::isfinite(value)) {
    return 0;
  }
  const bool inRange = (k > 0 && k < d + 2) || (k <= 0 && k > -d);
  if (!inRange) {
    if (text.find_first_not_of('*') != std::string_view::npos) {
      std::abort();
    }
    return 0;
  }
  if (text.find('*') != std::string_view::npos) {
    return 0;
  }
  const fuzzing::ShownValue shown = fuzzing::readShownValue(text);
  const long double error = std::fabs(static_cast<long double>(value) - shown.value);
  // strtold rounds the shown decimal to 64 bits: allow that on top of the
  // half unit.
  if (error > shown.halfUnit * (1.0L + 1e-15L) + std::fabs(shown.value) * 1e-18L) {
    std::abort();
  }
  if (std::signbit(value) && value != 0 && text.find('-') == std::string_view::npos) {
    std::abort();
  }
  return 0;
}
