#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "recordfmt/testing/program_run.hpp"

namespace {

namespace fs = std::filesystem;
using recordfmt::testing::readFile;
using recordfmt::testing::RunOptions;
using recordfmt::testing::runProgram;
using recordfmt::testing::TempDir;

const fs::path probe = RECORD_PROBE;

struct FailureCase {
  const char *name;
  std::string answers;
  std::vector<std::string> arguments;
  std::string consolePath; // empty: captured
  std::string diagnostic;
};

void PrintTo(const FailureCase &c, std::ostream *os) { *os << c.name; }

class FailurePath : public ::testing::TestWithParam<FailureCase> {};

// Each failure ends with exactly one diagnostic line and exit status 1.
TEST_P(FailurePath, EndsWithItsDiagnostic) {
  const FailureCase &c = GetParam();
  TempDir dir;
  fs::create_directory(dir / "existing-directory");
  fs::create_symlink("/dev/full", dir / "full.txt");
  RunOptions options;
  options.arguments = c.arguments;
  options.consolePath = c.consolePath;
  const auto run = runProgram(probe, c.answers, dir.path(), options);
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.errors, c.diagnostic + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailurePath,
    ::testing::Values(
        // /sys refuses to create a file even for root.
        FailureCase{"permission_denied",
                    "",
                    {"write", "10", "/sys/fluid-test.txt"},
                    "",
                    "tabrec: severe (9): permission to access file denied, unit 10, file /sys/fluid-test.txt"},
        FailureCase{"name_is_a_directory",
                    "",
                    {"write", "11", "existing-directory"},
                    "",
                    "tabrec: severe (30): open failure, unit 11, file existing-directory"},
        FailureCase{"file_on_a_full_device",
                    "",
                    {"write", "12", "full.txt"},
                    "",
                    "tabrec: severe (38): error during write, unit 12, file full.txt"},
        FailureCase{"console_on_a_full_device",
                    "",
                    {"say"},
                    "/dev/full",
                    "tabrec: severe (38): error during write, unit 6, file stdout"},
        FailureCase{"end_of_input",
                    "\n  \n",
                    {"read-int"},
                    "",
                    "tabrec: severe (24): end-of-file during read, unit 5, file stdin"},
        FailureCase{"syntax_error",
                    "'x'\n",
                    {"read-int"},
                    "",
                    "tabrec: severe (59): list-directed I/O syntax error, unit 5, file stdin"},
        FailureCase{"conversion_error",
                    "ten\n",
                    {"read-real"},
                    "",
                    "tabrec: severe (64): input conversion error, unit 5, file stdin"}),
    [](const ::testing::TestParamInfo<FailureCase> &info) { return std::string(info.param.name); });

TEST(ConsoleStatements, AnswerIsReadAndEchoed) {
  TempDir dir;
  const auto run = runProgram(probe, "\n  42  and more\n", dir.path(), RunOptions{{"read-int"}, {}, false});
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.console, "          42\n");
  const auto real = runProgram(probe, "395\n", dir.path(), RunOptions{{"read-real"}, {}, false});
  EXPECT_EQ(real.console, "   3.9500000000000000E+02\n");
}

TEST(ConsoleStatements, ClosedInputIsEndOfFile) {
  TempDir dir;
  const auto run = runProgram(probe, "", dir.path(), RunOptions{{"read-int"}, {}, true});
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.errors, "tabrec: severe (24): end-of-file during read, unit 5, file stdin\n");
}

TEST(FileStatements, RecordIsWrittenAndKept) {
  TempDir dir;
  const auto run = runProgram(probe, "", dir.path(), RunOptions{{"write", "10", "out.txt"}, {}, false});
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(readFile(dir / "out.txt"), " record\n");
}

} // namespace
