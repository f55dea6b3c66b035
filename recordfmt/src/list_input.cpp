#include "recordfmt/list_input.hpp"

#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "recordfmt/diagnostics.hpp"
#include "recordfmt/text_unit.hpp"

namespace recordfmt {
namespace {

constexpr int endOfInput = -1;

// Makes at least `need` bytes available after the read position, unless the
// input ends first.
bool fill(InputSource &in, std::int32_t need) {
  while (in.end - in.begin < need) {
    if (in.exhausted || in.descriptor < 0) {
      in.exhausted = true;
      return false;
    }
    if (in.begin > 0) {
      std::memmove(in.buffer.data(), in.buffer.data() + in.begin, static_cast<std::size_t>(in.end - in.begin));
      in.end -= in.begin;
      in.begin = 0;
    }
    const ssize_t n =
        ::read(in.descriptor, in.buffer.data() + in.end, in.buffer.size() - static_cast<std::size_t>(in.end));
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n <= 0) {
      // A failed read ends the input as its end does.
      in.exhausted = true;
      return false;
    }
    in.end += static_cast<std::int32_t>(n);
  }
  return true;
}

const char *windowData(const InputSource &in) { return in.descriptor < 0 ? in.memory.data() : in.buffer.data(); }

int peekAt(InputSource &in, std::int32_t offset) {
  if (!fill(in, offset + 1)) {
    return endOfInput;
  }
  return static_cast<unsigned char>(windowData(in)[in.begin + offset]);
}

int peekByte(InputSource &in) { return peekAt(in, 0); }

void advance(InputSource &in) { ++in.begin; }

bool isBlank(int c) { return c == ' ' || c == '\t'; }

// LF, or CR LF: a carriage return before the line feed belongs to the line
// end. A lone CR is an ordinary character.
bool atLineEnd(InputSource &in) {
  const int c = peekByte(in);
  return c == '\n' || (c == '\r' && peekAt(in, 1) == '\n');
}

bool takeLineEnd(InputSource &in) {
  if (!atLineEnd(in)) {
    return false;
  }
  if (peekByte(in) == '\r') {
    advance(in);
  }
  advance(in);
  return true;
}

void discardRestOfLine(InputSource &in) {
  while (true) {
    const int c = peekByte(in);
    if (c == endOfInput) {
      return;
    }
    advance(in);
    if (c == '\n') {
      return;
    }
  }
}

struct ValueText {
  std::array<char, maxValueLength + 1> chars{};
  std::int32_t length = 0;
  bool tooLong = false;
  bool hasStar = false;
};

bool endsValue(int c) { return c == endOfInput || isBlank(c) || c == ',' || c == '/' || c == '\n'; }

void collectValue(InputSource &in, ValueText &value) {
  while (true) {
    const int c = peekByte(in);
    if (endsValue(c) || atLineEnd(in)) {
      return;
    }
    advance(in);
    if (c == '*') {
      value.hasStar = true;
    }
    if (value.length < maxValueLength) {
      value.chars[static_cast<std::size_t>(value.length++)] = static_cast<char>(c);
    } else {
      value.tooLong = true;
    }
  }
}

bool convertInteger(const ValueText &value, std::int32_t &out) {
  std::int32_t i = 0;
  bool negative = false;
  if (value.chars[0] == '+' || value.chars[0] == '-') {
    negative = value.chars[0] == '-';
    i = 1;
  }
  if (i == value.length) {
    return false;
  }
  // Accumulated as a negative number so that the most negative 32-bit value
  // is reachable.
  std::int64_t magnitude = 0;
  constexpr std::int64_t limit = static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1;
  for (; i < value.length; ++i) {
    const char c = value.chars[static_cast<std::size_t>(i)];
    if (c < '0' || c > '9') {
      return false;
    }
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) {
      return false;
    }
  }
  if (!negative && magnitude == limit) {
    return false;
  }
  out = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  return true;
}

// Sign, digits with an optional point (at least one digit), then optionally
// E or D in either case with an optionally signed integer.
bool convertReal(ValueText &value, double &out) {
  std::int32_t i = 0;
  auto digitsFrom = [&value, &i] {
    std::int32_t count = 0;
    while (i < value.length && value.chars[static_cast<std::size_t>(i)] >= '0' &&
           value.chars[static_cast<std::size_t>(i)] <= '9') {
      ++i;
      ++count;
    }
    return count;
  };
  if (value.chars[0] == '+' || value.chars[0] == '-') {
    i = 1;
  }
  std::int32_t mantissaDigits = digitsFrom();
  if (i < value.length && value.chars[static_cast<std::size_t>(i)] == '.') {
    ++i;
    mantissaDigits += digitsFrom();
  }
  if (mantissaDigits == 0) {
    return false;
  }
  if (i < value.length) {
    char &letter = value.chars[static_cast<std::size_t>(i)];
    if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd') {
      return false;
    }
    letter = 'e';
    ++i;
    if (i < value.length &&
        (value.chars[static_cast<std::size_t>(i)] == '+' || value.chars[static_cast<std::size_t>(i)] == '-')) {
      ++i;
    }
    if (digitsFrom() == 0 || i != value.length) {
      return false;
    }
  }
  value.chars[static_cast<std::size_t>(value.length)] = '\0';
  // The text is checked above, so strtod sees only a plain decimal number;
  // the programs keep the C locale, whose decimal point is '.'.
  const double converted = std::strtod(value.chars.data(), nullptr);
  if (std::isinf(converted)) {
    return false; // beyond the range of a double
  }
  out = converted; // an underflow gives the nearest double, 0 or subnormal
  return true;
}

InputSource &consoleInput() {
  static InputSource source{};
  return source;
}

} // namespace

InputSource memoryInput(std::span<const char> bytes) {
  InputSource in{};
  in.memory = bytes;
  in.begin = 0;
  in.end = static_cast<std::int32_t>(bytes.size());
  return in;
}

ScanOutcome scanListValue(InputSource &in, ListItem &item) {
  // Blanks, and lines holding nothing but blanks, come before the value.
  while (true) {
    const int c = peekByte(in);
    if (c == endOfInput) {
      return ScanOutcome::EndOfInput;
    }
    if (isBlank(c)) {
      advance(in);
      continue;
    }
    if (takeLineEnd(in)) {
      continue;
    }
    break;
  }
  const int first = peekByte(in);
  if (first == ',' || first == '/') {
    discardRestOfLine(in);
    return ScanOutcome::Null;
  }
  ValueText value;
  collectValue(in, value);
  discardRestOfLine(in);
  if (first == '\'' || first == '"' || value.hasStar) {
    return ScanOutcome::SyntaxError; // quoted text and repeat counts
  }
  if (value.tooLong) {
    return ScanOutcome::ConversionError;
  }
  if (item.kind == ListItem::Kind::Integer) {
    std::int32_t result = 0;
    if (!convertInteger(value, result)) {
      return ScanOutcome::ConversionError;
    }
    item.integer = result;
    return ScanOutcome::Value;
  }
  if (item.kind == ListItem::Kind::Real) {
    double result = 0.0;
    if (!convertReal(value, result)) {
      return ScanOutcome::ConversionError;
    }
    item.real = result;
    return ScanOutcome::Value;
  }
  return ScanOutcome::ConversionError; // a text item cannot be read
}

bool readListDirected(std::int32_t unit, ListItem &item) {
  TextUnit *u = findUnit(unit);
  if (u == nullptr || u->destination != Destination::ConsoleInput) {
    reportIoFailure(IoError::EndOfFile, unit, u == nullptr ? "(not connected)" : u->name());
  }
  InputSource &in = consoleInput();
  in.descriptor = u->descriptor;
  switch (scanListValue(in, item)) {
  case ScanOutcome::Value:
    return true;
  case ScanOutcome::Null:
    return false;
  case ScanOutcome::EndOfInput:
    reportIoFailure(IoError::EndOfFile, unit, u->name());
  case ScanOutcome::SyntaxError:
    reportIoFailure(IoError::ListSyntax, unit, u->name());
  case ScanOutcome::ConversionError:
    reportIoFailure(IoError::InputConversion, unit, u->name());
  }
  return false;
}

bool readListDirected(std::int32_t unit, std::int32_t &value) {
  ListItem item = integerItem(value);
  const bool given = readListDirected(unit, item);
  value = item.integer;
  return given;
}

bool readListDirected(std::int32_t unit, double &value) {
  ListItem item = realItem(value);
  const bool given = readListDirected(unit, item);
  value = item.real;
  return given;
}

} // namespace recordfmt
