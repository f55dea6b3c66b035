// List-directed input: one integer or real value per statement, read from the
// next line of the console.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "recordfmt/list_item.hpp"

namespace recordfmt {

inline constexpr std::int32_t inputBufferSize = 4096;
// A value longer than this cannot be a 32-bit integer or a real that a double
// holds to any purpose; it is a conversion error.
inline constexpr std::int32_t maxValueLength = 1024;

// Byte stream of the answers: a file descriptor, or a block of memory.
struct InputSource {
  int descriptor = -1;
  std::span<const char> memory{};
  std::array<char, inputBufferSize> buffer{};
  std::int32_t begin = 0;
  std::int32_t end = 0;
  bool exhausted = false;
};

[[nodiscard]] InputSource memoryInput(std::span<const char> bytes);

enum class ScanOutcome : std::uint8_t { Value, Null, EndOfInput, SyntaxError, ConversionError };

// One list-directed input statement without diagnostics: skips to the value,
// stores it into `item` (whose kind, Integer or Real, says what to read) and
// discards the rest of its line. `item` is unchanged unless the outcome is
// Value.
ScanOutcome scanListValue(InputSource &input, ListItem &item);

// One list-directed input statement on `unit` (the console input); a failure
// ends the program through the diagnostic. Returns false for a null value,
// which leaves the item unchanged.
bool readListDirected(std::int32_t unit, ListItem &item);
bool readListDirected(std::int32_t unit, std::int32_t &value);
bool readListDirected(std::int32_t unit, double &value);

} // namespace recordfmt
