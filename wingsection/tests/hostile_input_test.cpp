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
  cases.push_back({"radius_of_four_hundred_digits", "2\n" + std::string(400, '9') + "\n", rt::conversionDiagnostic});
  cases.push_back({"radius_beyond_a_double", "2\n1e400\n", rt::conversionDiagnostic});
  cases.push_back({"closed_in_the_middle_of_a_line", "5\n1.", rt::endOfFileDiagnostic});
  return cases;
}

class HostileInput : public ::testing::TestWithParam<rt::HostileCase> {};

// Whatever arrives on standard input, the run ends with its diagnostic and
// status 1, without hanging, and leaves the result files as they were.
TEST_P(HostileInput, EndsWithDiagnosticAndLeavesFilesAlone) {
  const rt::HostileCase &c = GetParam();
  rt::TempDir dir;
  rt::writeFile(dir / "WM-WING.txt", "earlier run\n");
  const rt::ProgramRun run = rt::runProgram(programPath, c.answers, dir.path());
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.errors, c.diagnostic);
  EXPECT_EQ(rt::readFile(dir / "WM-WING.txt"), "earlier run\n");
  for (const char *name : {"WM-CIRCLE.txt", "WM-CAMBER.txt", "WM-THICK.txt", "WM-CHORD.txt"}) {
    EXPECT_FALSE(fs::exists(dir / name)) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileInput, ::testing::ValuesIn(hostileCases()), rt::HostileCaseName{});

} // namespace
