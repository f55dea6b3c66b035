// Units: numbered connections to the console or to a text file, each with the
// record being built for it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace recordfmt {

inline constexpr std::int32_t consoleInputUnit = 5;
inline constexpr std::int32_t consoleOutputUnit = 6;
inline constexpr std::int32_t maxUnits = 16;
inline constexpr std::int32_t maxRecordLength = 4096;
inline constexpr std::int32_t maxFileNameLength = 255;

enum class Destination : std::uint8_t { Unconnected, ConsoleInput, ConsoleOutput, File };

// The text of one record; the line end is added when the record is handed on.
struct Record {
  std::array<char, maxRecordLength> chars{};
  std::int32_t size = 0;
  [[nodiscard]] std::string_view view() const { return {chars.data(), static_cast<std::size_t>(size)}; }
};

struct TextUnit {
  std::int32_t number = 0;
  Destination destination = Destination::Unconnected;
  int descriptor = -1; // file descriptor of the connection
  std::array<char, maxFileNameLength + 1> fileName{};
  std::int32_t fileNameLength = 0;
  Record record{};
  [[nodiscard]] std::string_view name() const { return {fileName.data(), static_cast<std::size_t>(fileNameLength)}; }
};

// Connects `unit` to the named file in the current directory for formatted
// sequential writing: created when missing, emptied when present.
void openUnit(std::int32_t unit, std::string_view fileName);

// Disconnects `unit` and keeps the file.
void closeUnit(std::int32_t unit);

// The connection of `unit`, or nullptr when it is not connected.
[[nodiscard]] TextUnit *findUnit(std::int32_t unit);

// Hands the unit's record, plus its line end, to the destination and clears
// it. A failure ends the program with error 38 on that unit.
void emitRecord(TextUnit &unit);

// Appends text to the unit's record; a record beyond maxRecordLength is a
// write error.
void appendToRecord(TextUnit &unit, std::string_view text);

} // namespace recordfmt
