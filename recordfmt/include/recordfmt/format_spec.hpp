// Parsed form of a format text such as "(1H ,1P,4E14.4)".
//
// A format text is parsed once into a FormatSpec. The programs' formats are
// constants, so they are parsed at compile time through compileFormat(): a
// malformed format text stops the build instead of a run.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace recordfmt {

enum class DescriptorKind : std::uint8_t { Literal, ScaleFactor, EField };

// One element of a format: nH literal, kP scale factor or rEw.d field group.
struct EditDescriptor {
  DescriptorKind kind = DescriptorKind::Literal;
  std::int32_t repeat = 1; // rEw.d: number of fields
  std::int32_t width = 0;  // rEw.d: w
  std::int32_t digits = 0; // rEw.d: d
  std::int32_t scale = 0;  // kP: k
  std::int32_t literalOffset = 0;
  std::int32_t literalLength = 0;
};

inline constexpr std::int32_t maxDescriptors = 32;
inline constexpr std::int32_t maxLiteralChars = 128;
inline constexpr std::int32_t maxFieldWidth = 255;
inline constexpr std::int32_t maxFractionDigits = 99;
inline constexpr std::int32_t maxRepeat = 255;
inline constexpr std::int32_t maxScaleMagnitude = 99;

struct FormatSpec {
  std::array<EditDescriptor, maxDescriptors> elements{};
  std::int32_t count = 0;
  std::array<char, maxLiteralChars> literalChars{};
  std::int32_t literalCharCount = 0;

  [[nodiscard]] constexpr std::string_view literal(const EditDescriptor &e) const {
    return {literalChars.data() + e.literalOffset, static_cast<std::size_t>(e.literalLength)};
  }
};

enum class FormatError : std::uint8_t {
  None,
  MissingOpenParenthesis,
  MissingCloseParenthesis,
  TextAfterCloseParenthesis,
  ExpectedComma,
  UnknownDescriptor,
  MissingCount,
  CountOutOfRange,
  ShortLiteral,
  MissingPeriod,
  TooManyElements,
  LiteralPoolFull,
  NoEField,
};

struct FormatParseResult {
  FormatError error = FormatError::None;
  std::int32_t position = 0; // offset in the format text where parsing stopped
};

[[nodiscard]] constexpr std::string_view describe(FormatError error) {
  switch (error) {
  case FormatError::None:
    return "no error";
  case FormatError::MissingOpenParenthesis:
    return "format must begin with '('";
  case FormatError::MissingCloseParenthesis:
    return "format ends before its closing ')'";
  case FormatError::TextAfterCloseParenthesis:
    return "text after the closing ')'";
  case FormatError::ExpectedComma:
    return "elements must be separated by ','";
  case FormatError::UnknownDescriptor:
    return "unknown edit descriptor (only nH, kP and rEw.d are known)";
  case FormatError::MissingCount:
    return "a number is missing (n of nH, k of kP, or w or d of Ew.d)";
  case FormatError::CountOutOfRange:
    return "a count, width, digit count or scale factor is out of range";
  case FormatError::ShortLiteral:
    return "nH literal has fewer than n characters";
  case FormatError::MissingPeriod:
    return "E field needs '.' between w and d";
  case FormatError::TooManyElements:
    return "too many elements in one format";
  case FormatError::LiteralPoolFull:
    return "literals of the format are too long";
  case FormatError::NoEField:
    return "format has no E field";
  }
  return "unknown format error";
}

namespace detail {

struct FormatCursor {
  std::string_view text;
  std::size_t pos = 0;

  [[nodiscard]] constexpr bool atEnd() const { return pos >= text.size(); }
  [[nodiscard]] constexpr char peek() const { return atEnd() ? '\0' : text[pos]; }
  constexpr void skipBlanks() {
    while (!atEnd() && (text[pos] == ' ' || text[pos] == '\t')) {
      ++pos;
    }
  }
};

constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }
constexpr char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Reads an unsigned number; blanks between its digits carry no meaning.
// Returns -1 when there is no digit, -2 when the number exceeds `limit`.
constexpr std::int32_t readCount(FormatCursor &cur, std::int32_t limit) {
  cur.skipBlanks();
  if (!isDigit(cur.peek())) {
    return -1;
  }
  std::int64_t value = 0;
  bool tooLarge = false;
  while (true) {
    cur.skipBlanks();
    if (!isDigit(cur.peek())) {
      break;
    }
    value = value * 10 + (cur.peek() - '0');
    if (value > limit) {
      tooLarge = true;
      value = limit;
    }
    ++cur.pos;
  }
  return tooLarge ? -2 : static_cast<std::int32_t>(value);
}

} // namespace detail

// Parses `text` into `format`. On failure `format` is left partly filled and must
// not be used.
constexpr FormatParseResult parseFormat(std::string_view text, FormatSpec &format) {
  using detail::readCount;
  format = FormatSpec{};
  detail::FormatCursor cur{text};
  auto fail = [&cur](FormatError e) { return FormatParseResult{e, static_cast<std::int32_t>(cur.pos)}; };

  cur.skipBlanks();
  if (cur.peek() != '(') {
    return fail(FormatError::MissingOpenParenthesis);
  }
  ++cur.pos;
  bool haveEField = false;
  cur.skipBlanks();
  bool closed = false;
  if (cur.peek() == ')') {
    ++cur.pos;
    closed = true;
  }
  while (!closed) {
    if (format.count == maxDescriptors) {
      return fail(FormatError::TooManyElements);
    }
    EditDescriptor element{};
    cur.skipBlanks();
    std::int32_t sign = 0;
    if (cur.peek() == '+' || cur.peek() == '-') {
      sign = cur.peek() == '-' ? -1 : 1;
      ++cur.pos;
    }
    const std::int32_t count = readCount(cur, maxRepeat);
    if (count == -2) {
      return fail(FormatError::CountOutOfRange);
    }
    cur.skipBlanks();
    if (cur.atEnd()) {
      return fail(FormatError::MissingCloseParenthesis);
    }
    const char letter = detail::upper(cur.peek());
    if (sign != 0 && letter != 'P') {
      return fail(FormatError::UnknownDescriptor);
    }
    ++cur.pos;
    switch (letter) {
    case 'H': {
      if (count < 0) {
        return fail(FormatError::MissingCount);
      }
      if (count == 0) {
        return fail(FormatError::CountOutOfRange);
      }
      if (text.size() - cur.pos < static_cast<std::size_t>(count)) {
        return fail(FormatError::ShortLiteral);
      }
      if (format.literalCharCount + count > maxLiteralChars) {
        return fail(FormatError::LiteralPoolFull);
      }
      element.kind = DescriptorKind::Literal;
      element.literalOffset = format.literalCharCount;
      element.literalLength = count;
      for (std::int32_t i = 0; i < count; ++i) {
        format.literalChars[static_cast<std::size_t>(format.literalCharCount++)] = text[cur.pos++];
      }
      break;
    }
    case 'P':
      if (count < 0) {
        return fail(FormatError::MissingCount);
      }
      if (count > maxScaleMagnitude) {
        return fail(FormatError::CountOutOfRange);
      }
      element.kind = DescriptorKind::ScaleFactor;
      element.scale = sign < 0 ? -count : count;
      break;
    case 'E': {
      if (count == 0) {
        return fail(FormatError::CountOutOfRange);
      }
      element.kind = DescriptorKind::EField;
      element.repeat = count < 0 ? 1 : count;
      element.width = readCount(cur, maxFieldWidth);
      if (element.width == -1) {
        return fail(FormatError::MissingCount);
      }
      if (element.width <= 0) {
        return fail(FormatError::CountOutOfRange);
      }
      cur.skipBlanks();
      if (cur.peek() != '.') {
        return fail(FormatError::MissingPeriod);
      }
      ++cur.pos;
      element.digits = readCount(cur, maxFractionDigits);
      if (element.digits == -1) {
        return fail(FormatError::MissingCount);
      }
      if (element.digits < 0) {
        return fail(FormatError::CountOutOfRange);
      }
      haveEField = true;
      break;
    }
    default:
      --cur.pos;
      return fail(FormatError::UnknownDescriptor);
    }
    format.elements[static_cast<std::size_t>(format.count++)] = element;

    cur.skipBlanks();
    if (cur.atEnd()) {
      return fail(FormatError::MissingCloseParenthesis);
    }
    if (cur.peek() == ')') {
      ++cur.pos;
      closed = true;
    } else if (cur.peek() == ',') {
      ++cur.pos;
    } else {
      return fail(FormatError::ExpectedComma);
    }
  }
  cur.skipBlanks();
  if (!cur.atEnd()) {
    return fail(FormatError::TextAfterCloseParenthesis);
  }
  // A format without an E field could never consume a value, so a statement
  // with values would restart it for ever.
  if (!haveEField) {
    return fail(FormatError::NoEField);
  }
  return {FormatError::None, static_cast<std::int32_t>(cur.pos)};
}

// Deliberately not constexpr: reaching it during constant evaluation makes the
// build fail with this function's name in the compiler's message.
void formatTextIsMalformed();

consteval FormatSpec compileFormat(std::string_view text) {
  FormatSpec format{};
  if (parseFormat(text, format).error != FormatError::None) {
    formatTextIsMalformed();
  }
  return format;
}

} // namespace recordfmt
