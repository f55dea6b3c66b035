// Reading an E field back for property checks: the shown value and the place
// value of its last digit.
#pragma once

#include <cstdlib>
#include <string>
#include <string_view>

namespace recordfmt::fuzzing {

struct ShownValue {
  long double value = 0;
  long double halfUnit = 0; // half the place value of the last digit shown
};

// The field holds an optional sign, a mantissa with a point, and an exponent
// part "E+dd" or "+ddd" (a three-digit exponent drops the letter).
inline ShownValue readShownValue(std::string_view field) {
  const std::size_t start = field.find_first_not_of(' ');
  std::string text(field.substr(start));
  const std::size_t point = text.find('.');
  std::size_t exponentAt = text.find('E');
  if (exponentAt == std::string::npos) {
    exponentAt = text.find_first_of("+-", point);
  }
  const std::size_t fractionDigits = exponentAt - point - 1;
  const std::string exponentText = text.substr(text[exponentAt] == 'E' ? exponentAt + 1 : exponentAt);
  const long exponent = std::strtol(exponentText.c_str(), nullptr, 10);
  const std::string mantissa = text.substr(0, exponentAt);
  const std::string plain = mantissa + "e" + std::to_string(exponent);
  ShownValue shown;
  shown.value = std::strtold(plain.c_str(), nullptr);
  shown.halfUnit =
      0.5L * std::strtold(("1e" + std::to_string(exponent - static_cast<long>(fractionDigits))).c_str(), nullptr);
  return shown;
}

} // namespace recordfmt::fuzzing
