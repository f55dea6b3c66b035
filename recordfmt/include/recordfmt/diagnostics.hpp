// The one way every failed statement ends: a one-line diagnostic on the
// standard error stream and exit status 1.
#pragma once

#include <cstdint>
#include <string_view>

namespace recordfmt {

// The message numbers are those of the diagnostic line "tabrec: severe (N): ".
enum class IoError : std::int32_t {
  PermissionDenied = 9,
  EndOfFile = 24,
  OpenFailure = 30,
  WriteError = 38,
  ListSyntax = 59,
  InputConversion = 64,
};

[[nodiscard]] std::string_view messageText(IoError error);

// Prints "tabrec: severe (N): <message>, unit U, file F" and exits with 1.
[[noreturn]] void reportIoFailure(IoError error, std::int32_t unit, std::string_view fileName);

// Refusal of an answer that a program's input check rejects: the line as
// given, on the standard error stream, then exit status 1.
[[noreturn]] void refuseAnswer(std::string_view line);

} // namespace recordfmt
