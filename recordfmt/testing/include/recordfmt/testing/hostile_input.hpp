// Hostile standard input for the programs' end-to-end tests: the cases that
// every program meets at its first prompt, and the diagnostics they end with.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace recordfmt::testing {

struct HostileCase {
  std::string name;
  std::string answers;
  std::string diagnostic; // the whole standard error text
};

inline void PrintTo(const HostileCase &c, std::ostream *os) { *os << c.name; }

inline const std::string conversionDiagnostic = "tabrec: severe (64): input conversion error, unit 5, file stdin\n";
inline const std::string endOfFileDiagnostic = "tabrec: severe (24): end-of-file during read, unit 5, file stdin\n";

// A line of 1 MiB, NUL bytes, invalid UTF-8, a value of 400 digits, only
// blank lines: each given to a first prompt that asks for an integer.
inline std::vector<HostileCase> firstPromptHostileCases() {
  constexpr std::size_t oneMebibyte = 1 << 20;
  return {
      {"line_of_one_mebibyte", std::string(oneMebibyte, '7') + "\n", conversionDiagnostic},
      {"blank_mebibyte_then_end", std::string(oneMebibyte, ' ') + "\n", endOfFileDiagnostic},
      {"nul_bytes", std::string("\0\0\n", 3), conversionDiagnostic},
      {"invalid_utf8", "\xff\xfe\xc3\n", conversionDiagnostic},
      {"four_hundred_digits", std::string(400, '9') + "\n", conversionDiagnostic},
      {"tiny_integer", "1e-400\n", conversionDiagnostic},
      {"only_blank_lines", "\n\n   \n\t\n", endOfFileDiagnostic},
  };
}

// The name of a parameterised case, for gtest.
struct HostileCaseName {
  template <typename Info> std::string operator()(const Info &info) const { return info.param.name; }
};

} // namespace recordfmt::testing
