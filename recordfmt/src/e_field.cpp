#include "recordfmt/e_field.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "recordfmt/settings.hpp"

namespace recordfmt {
namespace {

// Longest text before layout: sign, a zero, point, up to 99 scale zeros and
// 100 digits, exponent part.
constexpr std::int32_t maxTextLength = 2 * maxFractionDigits + 16;

struct DecimalDigits {
  std::array<char, maxFractionDigits + 2> digits{};
  std::int32_t exponent = 0; // x of 0.x1x2...xs * 10^x
};

// |value| rounded to s significant digits. std::to_chars with a precision
// rounds the exact binary value correctly, ties to even, and handles the carry
// into a new leading digit (9.99996 -> 1.0000e+01) itself.
DecimalDigits significantDigits(double magnitude, std::int32_t s) {
  DecimalDigits out;
  if (magnitude == 0.0) {
    std::fill_n(out.digits.begin(), s, '0');
    out.exponent = 0;
    return out;
  }
  std::array<char, maxFractionDigits + 16> text{};
  const auto result =
      std::to_chars(text.data(), text.data() + text.size(), magnitude, std::chars_format::scientific, s - 1);
  const char *p = text.data();
  std::int32_t n = 0;
  out.digits[static_cast<std::size_t>(n++)] = *p++;
  if (*p == '.') {
    ++p;
  }
  while (*p != 'e') {
    out.digits[static_cast<std::size_t>(n++)] = *p++;
  }
  ++p; // 'e'
  std::int32_t power = 0;
  std::from_chars(*p == '+' ? p + 1 : p, result.ptr, power);
  out.exponent = power + 1;
  return out;
}

void fillAsterisks(std::int32_t w, char *out) { std::fill_n(out, w, '*'); }

std::int32_t rightAlign(const char *text, std::int32_t length, std::int32_t w, char *out) {
  if (length > w) {
    fillAsterisks(w, out);
  } else {
    std::fill_n(out, w - length, ' ');
    std::memcpy(out + (w - length), text, static_cast<std::size_t>(length));
  }
  return w;
}

// "NaN", "Infinity" or "-Infinity"; returns 0 for a finite value.
std::int32_t nonFiniteText(double value, char *text) {
  const char *word = nullptr;
  if (std::isnan(value)) {
    word = "NaN";
  } else if (std::isinf(value)) {
    word = value < 0 ? "-Infinity" : "Infinity";
  } else {
    return 0;
  }
  const auto length = static_cast<std::int32_t>(std::strlen(word));
  std::memcpy(text, word, static_cast<std::size_t>(length));
  return length;
}

// Appends the exponent part of e: E+dd for |e| <= 99, and +ddd without the
// letter for 99 < |e| <= 999 unless `keepLetter`. Returns false when it
// cannot be shown.
bool appendExponent(std::int32_t e, bool keepLetter, char *text, std::int32_t &length) {
  const std::int32_t magnitude = e < 0 ? -e : e;
  if (magnitude > 999) {
    return false;
  }
  const bool threeDigits = magnitude > 99;
  if (!threeDigits || keepLetter) {
    text[length++] = 'E';
  }
  text[length++] = e < 0 ? '-' : '+';
  if (threeDigits) {
    text[length++] = static_cast<char>('0' + magnitude / 100);
  }
  text[length++] = static_cast<char>('0' + (magnitude / 10) % 10);
  text[length++] = static_cast<char>('0' + magnitude % 10);
  return true;
}

std::int32_t renderEText(double value, std::int32_t w, std::int32_t d, std::int32_t k, bool negativeZeroSign,
                         bool keepExponentLetter, char *out) {
  if (w < 1) {
    return 0;
  }
  w = std::min(w, maxFieldWidth);
  std::array<char, maxTextLength> text{};
  std::int32_t length = nonFiniteText(value, text.data());
  if (length > 0) {
    return rightAlign(text.data(), length, w, out);
  }
  std::int32_t s = 0;
  if (d < 0 || d > maxFractionDigits) {
    s = 0;
  } else if (k > 0 && k < d + 2) {
    s = d + 1;
  } else if (k <= 0 && k > -d) {
    s = d + k;
  }
  if (s <= 0) {
    fillAsterisks(w, out);
    return w;
  }
  const bool negative = std::signbit(value) && (value != 0.0 || negativeZeroSign);
  const DecimalDigits decimal = significantDigits(std::fabs(value), s);
  const std::int32_t e = value == 0.0 ? 0 : decimal.exponent - k;

  if (negative) {
    text[static_cast<std::size_t>(length++)] = '-';
  }
  const std::int32_t zeroDigitAt = length;
  if (k > 0) {
    for (std::int32_t i = 0; i < k; ++i) {
      text[static_cast<std::size_t>(length++)] = decimal.digits[static_cast<std::size_t>(i)];
    }
    text[static_cast<std::size_t>(length++)] = '.';
    for (std::int32_t i = k; i < s; ++i) {
      text[static_cast<std::size_t>(length++)] = decimal.digits[static_cast<std::size_t>(i)];
    }
  } else {
    text[static_cast<std::size_t>(length++)] = '0';
    text[static_cast<std::size_t>(length++)] = '.';
    for (std::int32_t i = 0; i < -k; ++i) {
      text[static_cast<std::size_t>(length++)] = '0';
    }
    for (std::int32_t i = 0; i < s; ++i) {
      text[static_cast<std::size_t>(length++)] = decimal.digits[static_cast<std::size_t>(i)];
    }
  }
  if (!appendExponent(e, keepExponentLetter, text.data(), length)) {
    fillAsterisks(w, out);
    return w;
  }
  // For k <= 0 the zero before the point is shown only when the field has
  // room for it.
  if (k <= 0 && length > w) {
    std::memmove(text.data() + zeroDigitAt, text.data() + zeroDigitAt + 1,
                 static_cast<std::size_t>(length - zeroDigitAt - 1));
    --length;
  }
  return rightAlign(text.data(), length, w, out);
}

} // namespace

std::int32_t renderEInto(double value, std::int32_t w, std::int32_t d, std::int32_t k, bool negativeZeroSign,
                         char *out) {
  return renderEText(value, w, d, k, negativeZeroSign, false, out);
}

FieldText renderE(double value, std::int32_t w, std::int32_t d, std::int32_t k) {
  FieldText field;
  field.size = renderEInto(value, w, d, k, recordSettings().negativeZeroSign, field.chars.data());
  return field;
}

std::int32_t renderListReal(double value, char *out) {
  return renderEText(value, listRealWidth, listRealFractionDigits, 1, true, true, out);
}

std::int32_t renderListInteger(std::int32_t value, char *out) {
  std::array<char, 16> text{};
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
  return rightAlign(text.data(), static_cast<std::int32_t>(result.ptr - text.data()), listIntegerWidth, out);
}

} // namespace recordfmt
