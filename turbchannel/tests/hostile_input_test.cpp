#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "recordfmt/testing/program_run.hpp"

namespace {

namespace rt = recordfmt::testing;
namespace fs = std::filesystem;

const fs::path programPath = PROGRAM_PATH;

constexpr std::size_t oneMebibyte = 1 << 20;

struct HostileCase {
  const char *name;
  std::string answers;
  std::string diagnostic;
};

void PrintTo(const HostileCase &c, std::ostream *os) { *os << c.name; }

const std::string conversion = "tabrec: severe (64): input conversion error, unit 5, file stdin\n";
const std::string endOfFile = "tabrec: severe (24): end-of-file during read, unit 5, file stdin\n";

class HostileInput : public ::testing::TestWithParam<HostileCase> {};

// Whatever arrives on standard input, the run ends with its diagnostic or
// refusal and status 1, without hanging, and leaves the result files alone.
TEST_P(HostileInput, EndsWithDiagnosticAndLeavesFilesAlone) {
  const HostileCase &c = GetParam();
  rt::TempDir dir;
  rt::writeFile(dir / "DATA.txt", "earlier run\r\n");
  const rt::ProgramRun run = rt::runProgram(programPath, c.answers, dir.path());
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.errors, c.diagnostic);
  EXPECT_EQ(rt::readFile(dir / "DATA.txt"), "earlier run\r\n");
  EXPECT_FALSE(fs::exists(dir / "DATA-WALLUNIT.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HostileInput,
    ::testing::Values(HostileCase{"line_of_one_mebibyte", std::string(oneMebibyte, '7') + "\n", conversion},
                      HostileCase{"blank_mebibyte_then_end", std::string(oneMebibyte, ' ') + "\n", endOfFile},
                      HostileCase{"nul_bytes", std::string("\0\0\n", 3), conversion},
                      HostileCase{"invalid_utf8", "\xff\xfe\xc3\n", conversion},
                      HostileCase{"grid_of_four_hundred_digits", "0\n" + std::string(400, '9') + "\n", conversion},
                      HostileCase{"reynolds_number_below_a_double", "0\n11\n1e-400\n",
                                  "turbchannel: refused Re = 0: allowed finite values above 100\n"},
                      HostileCase{"reynolds_number_beyond_a_double", "0\n11\n1e400\n", conversion},
                      HostileCase{"only_blank_lines", "\n\n   \n\t\n", endOfFile},
                      HostileCase{"closed_in_the_middle_of_a_line", "1\n11", endOfFile}),
    [](const ::testing::TestParamInfo<HostileCase> &info) { return std::string(info.param.name); });

} // namespace
