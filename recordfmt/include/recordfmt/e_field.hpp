// Rendering of one number as an E field (rEw.d under a scale factor kP) and
// as a list-directed real.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "recordfmt/format_spec.hpp"

namespace recordfmt {

// The characters of one rendered field.
struct FieldText {
  std::array<char, maxFieldWidth> chars{};
  std::int32_t size = 0;
  [[nodiscard]] std::string_view view() const { return {chars.data(), static_cast<std::size_t>(size)}; }
};

// E field of width w (1 .. maxFieldWidth) with d (0 .. maxFractionDigits)
// digits after the point under scale factor k. Always exactly w characters;
// w asterisks when the text does not fit or k lies outside both ranges
// 0 < k < d + 2 and -d < k <= 0. The sign of a negative zero follows
// recordSettings().negativeZeroSign.
[[nodiscard]] FieldText renderE(double value, std::int32_t w, std::int32_t d, std::int32_t k);

// Writes the same field into out[0 .. w); returns w (0 for a w below 1).
std::int32_t renderEInto(double value, std::int32_t w, std::int32_t d, std::int32_t k, bool negativeZeroSign,
                         char *out);

// List-directed real: 17 significant digits (1P, 16 after the point), so that
// the text reads back to the very same double; the exponent always keeps its
// letter (E+05, E-300) so that any reader takes it; right-aligned in
// listRealWidth characters; a negative zero keeps its sign.
inline constexpr std::int32_t listRealWidth = 25;
inline constexpr std::int32_t listRealFractionDigits = 16;
std::int32_t renderListReal(double value, char *out);

// List-directed integer: right-aligned in listIntegerWidth characters.
inline constexpr std::int32_t listIntegerWidth = 12;
std::int32_t renderListInteger(std::int32_t value, char *out);

} // namespace recordfmt
