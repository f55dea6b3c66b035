#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "recordfmt/testing/hostile_input.hpp"
#include "recordfmt/testing/program_run.hpp"

namespace {

namespace rt = recordfmt::testing;
namespace fs = std::filesystem;

const fs::path programPath = PROGRAM_PATH;

std::vector<rt::HostileCase> hostileCases() {
  std::vector<rt::HostileCase> cases = rt::firstPromptHostileCases();
  cases.push_back({"grid_of_four_hundred_digits", "0\n" + std::string(400, '9') + "\n", rt::conversionDiagnostic});
  cases.push_back({"reynolds_number_below_a_double", "0\n11\n1e-400\n",
                   "turbchannel: refused Re = 0: allowed finite values above 100\n"});
  cases.push_back({"reynolds_number_beyond_a_double", "0\n11\n1e400\n", rt::conversionDiagnostic});
  cases.push_back({"closed_in_the_middle_of_a_line", "1\n11", rt::endOfFileDiagnostic});
  return cases;
}

class HostileInput : public ::testing::TestWithParam<rt::HostileCase> {};

// Whatever arrives on standard input, the run ends with its diagnostic or
// refusal and status 1, without hanging, and leaves the result files alone.
TEST_P(HostileInput, EndsWithDiagnosticAndLeavesFilesAlone) {
  const rt::HostileCase &c = GetParam();
  rt::TempDir dir;
  rt::writeFile(dir / "DATA.txt", "earlier run\r\n");
  const rt::ProgramRun run = rt::runProgram(programPath, c.answers, dir.path());
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.errors, c.diagnostic);
  EXPECT_EQ(rt::readFile(dir / "DATA.txt"), "earlier run\r\n");
  EXPECT_FALSE(fs::exists(dir / "DATA-WALLUNIT.txt"));
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileInput, ::testing::ValuesIn(hostileCases()), rt::HostileCaseName{});

} // namespace
