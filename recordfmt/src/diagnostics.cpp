#include "recordfmt/diagnostics.hpp"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdlib>

namespace recordfmt {
namespace {

constexpr int errorStream = 2;
constexpr int failureStatus = 1;

struct LineBuffer {
  std::array<char, 1024> chars{};
  std::size_t size = 0;
  void add(std::string_view text) {
    for (char c : text) {
      if (size < chars.size() - 1) {
        chars[size++] = c;
      }
    }
  }
  void add(std::int32_t value) {
    std::array<char, 16> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    add(std::string_view(digits.data(), static_cast<std::size_t>(result.ptr - digits.data())));
  }
};

[[noreturn]] void writeLineAndExit(LineBuffer &line) {
  line.chars[line.size++] = '\n';
  const char *p = line.chars.data();
  std::size_t left = line.size;
  while (left > 0) {
    const ssize_t n = ::write(errorStream, p, left);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n <= 0) {
      break;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  std::exit(failureStatus);
}

} // namespace

std::string_view messageText(IoError error) {
  switch (error) {
  case IoError::PermissionDenied:
    return "permission to access file denied, unit %d, file %s";
  case IoError::EndOfFile:
    return "end-of-file during read, unit %d, file %s";
  case IoError::OpenFailure:
    return "open failure, unit %d, file %s";
  case IoError::WriteError:
    return "error during write, unit %d, file %s";
  case IoError::ListSyntax:
    return "list-directed I/O syntax error, unit %d, file %s";
  case IoError::InputConversion:
    return "input conversion error, unit %d, file %s";
  }
  return "unknown input/output error, unit %d, file %s";
}

void reportIoFailure(IoError error, std::int32_t unit, std::string_view fileName) {
  LineBuffer line;
  line.add("tabrec: severe (");
  line.add(static_cast<std::int32_t>(error));
  line.add("): ");
  const std::string_view message = messageText(error);
  for (std::size_t i = 0; i < message.size(); ++i) {
    if (message[i] == '%' && i + 1 < message.size() && message[i + 1] == 'd') {
      line.add(unit);
      ++i;
    } else if (message[i] == '%' && i + 1 < message.size() && message[i + 1] == 's') {
      line.add(fileName);
      ++i;
    } else {
      line.add(message.substr(i, 1));
    }
  }
  writeLineAndExit(line);
}

void refuseAnswer(std::string_view text) {
  LineBuffer line;
  line.add(text);
  writeLineAndExit(line);
}

} // namespace recordfmt
