// The built program run as a user runs it, in a directory of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "recordfmt/testing/program_run.hpp"

namespace {

namespace fs = std::filesystem;
using recordfmt::testing::ProgramRun;
using recordfmt::testing::readFile;
using recordfmt::testing::runProgram;
using recordfmt::testing::splitRecords;
using recordfmt::testing::TempDir;
using recordfmt::testing::writeFile;

const fs::path program = PROGRAM_PATH;
const fs::path goldenTable = GOLDEN_TABLE_PATH;
constexpr const char *tableName = "PlateProfile.txt";
constexpr const char *convergedConsole = "       84642\n";
constexpr std::size_t fieldWidth = 24;
constexpr std::size_t dataRecordLength = 1 + 4 * fieldWidth;
const std::string zeroField = "        0.0000000000E+00";
const std::string oneField = "        1.0000000000E+00";

// Byte equality of two texts, reporting only the first record that differs.
::testing::AssertionResult sameText(const std::string &actual, const std::string &expected) {
  if (actual == expected) {
    return ::testing::AssertionSuccess();
  }
  const std::vector<std::string> a = splitRecords(actual, "\n");
  const std::vector<std::string> e = splitRecords(expected, "\n");
  for (std::size_t r = 0; r < std::min(a.size(), e.size()); ++r) {
    if (a[r] != e[r]) {
      return ::testing::AssertionFailure()
             << "record " << r << " differs:\n  got  \"" << a[r] << "\"\n  want \"" << e[r] << "\"";
    }
  }
  return ::testing::AssertionFailure() << "texts differ in length or line ends: " << actual.size() << " bytes in "
                                       << a.size() << " records, want " << expected.size() << " bytes in " << e.size();
}

class ProfileRun : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    dir = std::make_unique<TempDir>();
    run = runProgram(program, "", dir->path());
    table = readFile(*dir / tableName);
    records = splitRecords(table, "\n");
  }
  static void TearDownTestSuite() { dir.reset(); }

  // The four values of data record `node`, and whether any field shows a minus sign.
  static std::vector<double> columns(std::size_t node, bool &negative) {
    const std::string &record = records.at(node + 1);
    std::vector<double> values;
    for (std::size_t c = 0; c < 4; ++c) {
      const std::string field = record.substr(1 + c * fieldWidth, fieldWidth);
      negative = negative || field.find_first_not_of(' ') == field.find('-');
      values.push_back(std::strtod(field.c_str(), nullptr));
    }
    return values;
  }

  static inline std::unique_ptr<TempDir> dir;
  static inline ProgramRun run;
  static inline std::string table;
  static inline std::vector<std::string> records;
};

TEST_F(ProfileRun, ConvergesAndPrintsTheSweepCount) {
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.console, convergedConsole);
  EXPECT_EQ(run.errors, "");
}

// The whole table, byte for byte, as the first checked run wrote it.
TEST_F(ProfileRun, TableMatchesTheGoldenFile) { EXPECT_TRUE(sameText(table, readFile(goldenTable))); }

TEST_F(ProfileRun, TableLayout) {
  ASSERT_EQ(records.size(), 502U);
  EXPECT_EQ(table.back(), '\n');
  EXPECT_EQ(table.find('\r'), std::string::npos);
  EXPECT_EQ(records.front(), " Y   U    V    U(Linear)");
  for (std::size_t r = 1; r < records.size(); ++r) {
    ASSERT_EQ(records[r].size(), dataRecordLength) << "record " << r;
    ASSERT_EQ(records[r][0], ' ') << "record " << r;
  }
  EXPECT_EQ(records[1], " " + zeroField + zeroField + zeroField + zeroField);
  // Columns 2 and 3 are exactly 1 at the last node; erf(5) rounds to 1.
  EXPECT_EQ(records.back(), "         1.0000000000E+01" + oneField + oneField + oneField);
}

// The similarity profile has the known shape of the flat-plate boundary
// layer, and the model profile matches its closed form to the error of the scheme.
TEST_F(ProfileRun, ProfilesHaveThePhysicsOfTheScheme) {
  ASSERT_EQ(records.size(), 502U);
  bool negative = false;
  double previousU = 0.0;
  double worstModelError = 0.0;
  for (std::size_t node = 0; node <= 500; ++node) {
    const std::vector<double> v = columns(node, negative);
    ASSERT_NEAR(v[0], 0.02 * static_cast<double>(node), 1e-12) << node;
    EXPECT_GE(v[1], previousU) << "U not monotone at node " << node;
    previousU = v[1];
    if (node > 0) {
      worstModelError = std::max(worstModelError, std::fabs(v[2] - v[3]) / v[3]);
    }
  }
  EXPECT_FALSE(negative);
  EXPECT_LT(worstModelError, 1e-5);

  // Wall gradient f''(0) of the similarity solution: 0.33206.
  EXPECT_NEAR(columns(1, negative)[1] / 0.02, 0.33206, 2e-4);
  EXPECT_NEAR(columns(250, negative)[1], 0.99154, 2e-5);
  EXPECT_NEAR(columns(100, negative)[2], 0.8427, 1e-4);
}

// Opened for writing and emptied first: a longer stale file leaves no trace.
TEST(ProfileFile, ReplacesAnEarlierFileCompletely) {
  TempDir dir;
  std::string stale;
  for (int i = 0; i < 1500; ++i) {
    stale += " stale record of an earlier run, longer than the new table\r\n";
  }
  writeFile(dir / tableName, stale);
  const ProgramRun run = runProgram(program, "", dir.path());
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_TRUE(sameText(readFile(dir / tableName), readFile(goldenTable)));
}

// The program asks nothing: hostile bytes on standard input (a line of
// 1 MiB, NUL bytes, invalid UTF-8, no final line end) change nothing.
TEST(ProfileFile, IgnoresWhateverArrivesOnStandardInput) {
  TempDir dir;
  const std::string hostile = std::string(1 << 20, '9') + "\n" + std::string("\0\0\xff\xfe 1e400", 10);
  const ProgramRun run = runProgram(program, hostile, dir.path());
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.console, convergedConsole);
  EXPECT_EQ(run.errors, "");
  EXPECT_TRUE(sameText(readFile(dir / tableName), readFile(goldenTable)));
}

struct FailureCase {
  const char *name;
  bool asDirectory; // else a link to a device that refuses every write
  const char *diagnostic;
};

void PrintTo(const FailureCase &c, std::ostream *os) { *os << c.name; }

class TableFailure : public ::testing::TestWithParam<FailureCase> {};

// The count is printed before the file is touched, and a failed open or
// write ends with the record library's diagnostic and status 1.
TEST_P(TableFailure, EndsWithTheDiagnostic) {
  const FailureCase &c = GetParam();
  TempDir dir;
  if (c.asDirectory) {
    fs::create_directory(dir / tableName);
  } else {
    fs::create_symlink("/dev/full", dir / tableName);
  }
  const ProgramRun run = runProgram(program, "", dir.path());
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.console, convergedConsole);
  EXPECT_EQ(run.errors, std::string(c.diagnostic) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TableFailure,
    ::testing::Values(FailureCase{"name_is_a_directory", true,
                                  "tabrec: severe (30): open failure, unit 40, file PlateProfile.txt"},
                      FailureCase{"device_is_full", false,
                                  "tabrec: severe (38): error during write, unit 40, file PlateProfile.txt"}),
    [](const ::testing::TestParamInfo<FailureCase> &info) { return std::string(info.param.name); });

} // namespace
