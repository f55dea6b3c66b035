// The built program run as a user runs it: answers piped in, in a directory
// of its own, console and result files compared whole.
#include <gtest/gtest.h>

#include <ostream>

#include <cstdint>
#include <filesystem>
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
const std::string outerFile = "DATA.txt";
const std::string wallFile = "DATA-WALLUNIT.txt";
const std::string modelPrompts = " 0: K-Epsilon model\n 1: K-Omega model\n";
const std::string gridPrompt = " N: Number of grids\n";
const std::string reynoldsPrompt = " REYNOLDS NUMBER\n";
const std::string allPrompts = modelPrompts + gridPrompt + reynoldsPrompt;
const std::string upperWallRecord = "     1.0000E+00    0.0000E+00    0.0000E+00    0.0000E+00";

std::string crlfText(const std::vector<std::string> &records) {
  std::string text;
  for (const std::string &r : records) {
    text += r + "\r\n";
  }
  return text;
}

std::string finishedConsole(const std::string &count) { return allPrompts + " FINISH\n" + count + "\n"; }

// k-epsilon, N = 10, Re = 1000: 146 iterations.
const std::string kEpsilonTen = crlfText({
    " Y    UA    UV    TK",
    "    -9.0000E-01    1.6513E+01    5.7105E-01    3.4478E+00",
    "    -6.7500E-01    1.9521E+01    7.4908E-01    2.4695E+00",
    "    -4.5000E-01    2.1124E+01    4.5969E-01    1.6320E+00",
    "    -2.2500E-01    2.2020E+01    2.2333E-01    1.0569E+00",
    "    -5.5511E-17    2.2310E+01   -3.8227E-06    8.4530E-01",
    "     2.2500E-01    2.2020E+01   -2.2334E-01    1.0570E+00",
    "     4.5000E-01    2.1124E+01   -4.5969E-01    1.6320E+00",
    "     6.7500E-01    1.9521E+01   -7.4908E-01    2.4695E+00",
    "     9.0000E-01    1.6513E+01   -5.7105E-01    3.4478E+00",
    upperWallRecord,
});
const std::string kEpsilonTenWall = crlfText({
    " YW   UA+    UV+    TK+",
    "     1.0000E+02    1.6513E+01    5.7105E-01    3.4478E+00",
    "     3.2500E+02    1.9521E+01    7.4908E-01    2.4695E+00",
    "     5.5000E+02    2.1124E+01    4.5969E-01    1.6320E+00",
    "     7.7500E+02    2.2020E+01    2.2333E-01    1.0569E+00",
    "     1.0000E+03    2.2310E+01   -3.8227E-06    8.4530E-01",
});
// k-omega, N = 11, Re = 1000: 66 iterations; no node on the centreline.
const std::string kOmegaEleven = crlfText({
    " Y    UA    UV    TK",
    "    -9.0000E-01    1.6513E+01    6.6424E-01    3.4478E+00",
    "    -7.0000E-01    1.9623E+01    7.2774E-01    2.4687E+00",
    "    -5.0000E-01    2.1517E+01    5.0995E-01    1.7787E+00",
    "    -3.0000E-01    2.2688E+01    2.9942E-01    1.2484E+00",
    "    -1.0000E-01    2.3277E+01    9.6910E-02    9.3582E-01",
    "     1.0000E-01    2.3277E+01   -9.6907E-02    9.3582E-01",
    "     3.0000E-01    2.2688E+01   -2.9942E-01    1.2484E+00",
    "     5.0000E-01    2.1517E+01   -5.0995E-01    1.7787E+00",
    "     7.0000E-01    1.9623E+01   -7.2775E-01    2.4688E+00",
    "     9.0000E-01    1.6513E+01   -6.6424E-01    3.4478E+00",
    upperWallRecord,
});

// Every record of a result file: heading, then 57-character data records,
// each ended by CR LF and nothing else.
void expectTableShape(const std::string &text, std::size_t headingLength, std::size_t dataRecords) {
  ASSERT_GE(text.size(), 2u);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  const std::vector<std::string> records = splitRecords(text, "\r\n");
  ASSERT_EQ(records.size(), dataRecords + 1);
  EXPECT_EQ(records[0].size(), headingLength);
  for (std::size_t r = 0; r < records.size(); ++r) {
    EXPECT_EQ(records[r].find_first_of("\r\n"), std::string::npos) << "record " << r;
    if (r > 0) {
      EXPECT_EQ(records[r].size(), 57u) << "record " << r;
      EXPECT_EQ(records[r][0], ' ');
    }
  }
}

struct ConvergedCase {
  const char *name;
  std::string answers;
  std::int32_t gridCount;
  std::string count; // right-aligned in 12
};

void PrintTo(const ConvergedCase &c, std::ostream *os) { *os << c.name; }

class ConvergedRun : public ::testing::TestWithParam<ConvergedCase> {};

TEST_P(ConvergedRun, PrintsTheCountAndWritesBothTables) {
  const ConvergedCase &c = GetParam();
  TempDir dir;
  const ProgramRun run = runProgram(program, c.answers, dir.path());
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.errors, "");
  EXPECT_EQ(run.console, finishedConsole(c.count));
  const std::string outer = readFile(dir / outerFile);
  const std::string wall = readFile(dir / wallFile);
  expectTableShape(outer, 20, static_cast<std::size_t>(c.gridCount));
  expectTableShape(wall, 23, static_cast<std::size_t>(c.gridCount / 2));
  EXPECT_EQ(splitRecords(outer, "\r\n").back(), upperWallRecord);
  EXPECT_EQ(splitRecords(wall, "\r\n").at(1).substr(0, 15), "     1.0000E+02");
}

INSTANTIATE_TEST_SUITE_P(Cases, ConvergedRun,
                         ::testing::Values(ConvergedCase{"KEpsilonTen", "0\n10\n1000\n", 10, "         146"},
                                           ConvergedCase{"KOmegaTen", "1\n10\n1000\n", 10, "          58"},
                                           ConvergedCase{"KEpsilonEleven", "0\n11\n1000\n", 11, "         175"},
                                           ConvergedCase{"KOmegaEleven", "1\n11\n1000\n", 11, "          66"},
                                           ConvergedCase{"NoClosure", "2\n10\n1000\n", 10, "          63"},
                                           ConvergedCase{"SmallestGrid", "0\n3\n1000\n", 3, "           2"},
                                           ConvergedCase{"SmallestGridKOmega", "1\n3\n395\n", 3, "           2"},
                                           ConvergedCase{"NullModelIsKEpsilon", ",\n10\n1000\n", 10, "         146"},
                                           ConvergedCase{"AnswersWithTrailingText",
                                                         "  0  first\n\n 10 , 11\n1.0D3 Re\n", 10, "         146"},
                                           ConvergedCase{"KEpsilonFine395", "0\n101\n395\n", 101, "        4281"},
                                           ConvergedCase{"KOmegaFine395", "1\n101\n395\n", 101, "        4039"},
                                           ConvergedCase{"KEpsilonFine590", "0\n101\n590\n", 101, "        3604"},
                                           ConvergedCase{"KOmegaFine590", "1\n101\n590\n", 101, "        3785"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Program, ResultFilesMatchTheGoldenTables) {
  TempDir dir;
  runProgram(program, "0\n10\n1000\n", dir.path());
  EXPECT_EQ(readFile(dir / outerFile), kEpsilonTen);
  EXPECT_EQ(readFile(dir / wallFile), kEpsilonTenWall);
  runProgram(program, "1\n11\n1000\n", dir.path());
  EXPECT_EQ(readFile(dir / outerFile), kOmegaEleven);
}

TEST(Program, ASecondRunWithASmallerGridReplacesBothFiles) {
  TempDir dir;
  runProgram(program, "0\n101\n1000\n", dir.path());
  ASSERT_GT(readFile(dir / outerFile).size(), kEpsilonTen.size());
  const ProgramRun run = runProgram(program, "0\n10\n1000\n", dir.path());
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(readFile(dir / outerFile), kEpsilonTen);
  EXPECT_EQ(readFile(dir / wallFile), kEpsilonTenWall);
}

// A single interior node at a high Reynolds number never settles: it runs
// all 500000 iterations.
TEST(Program, UnfinishedRunLeavesExistingFilesUntouched) {
  TempDir dir;
  const std::string earlier = "earlier table\r\nwith two records\n";
  writeFile(dir / outerFile, earlier);
  const ProgramRun run = runProgram(program, "0\n4\n5000\n", dir.path());
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.errors, "");
  EXPECT_EQ(run.console, allPrompts + " UNFINISH\n");
  EXPECT_EQ(readFile(dir / outerFile), earlier);
  EXPECT_FALSE(fs::exists(dir / wallFile));
}

struct RefusedCase {
  const char *name;
  std::string answers;
  std::string console;
  std::string errors;
};

void PrintTo(const RefusedCase &c, std::ostream *os) { *os << c.name; }

class RefusedRun : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedRun, EndsWithItsMessageAndNoFile) {
  const RefusedCase &c = GetParam();
  TempDir dir;
  const ProgramRun run = runProgram(program, c.answers, dir.path());
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.console, c.console);
  EXPECT_EQ(run.errors, c.errors);
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

const std::string beforeGrid = modelPrompts + gridPrompt;

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedRun,
    ::testing::Values(
        RefusedCase{"GridTooSmall", "0\n2\n1000\n", beforeGrid, "turbchannel: refused N = 2: allowed 3 .. 101\n"},
        RefusedCase{"GridTooLarge", "1\n102\n1000\n", beforeGrid, "turbchannel: refused N = 102: allowed 3 .. 101\n"},
        RefusedCase{"GridNegative", "0\n-7\n1000\n", beforeGrid, "turbchannel: refused N = -7: allowed 3 .. 101\n"},
        RefusedCase{"GridNull", "0\n,\n1000\n", beforeGrid, "turbchannel: no value given for N\n"},
        RefusedCase{"ReynoldsAtLimit", "0\n10\n100\n", allPrompts,
                    "turbchannel: refused Re = 100: allowed finite values above 100\n"},
        RefusedCase{"ReynoldsNegative", "1\n10\n-2.5e3\n", allPrompts,
                    "turbchannel: refused Re = -2500: allowed finite values above 100\n"},
        RefusedCase{"ReynoldsZero", "0\n10\n0\n", allPrompts,
                    "turbchannel: refused Re = 0: allowed finite values above 100\n"},
        RefusedCase{"ReynoldsNull", "0\n10\n/\n", allPrompts, "turbchannel: no value given for Re\n"},
        RefusedCase{"ModelNotANumber", "k-omega\n10\n1000\n", modelPrompts,
                    "tabrec: severe (64): input conversion error, unit 5, file stdin\n"},
        RefusedCase{"InputEndsBeforeReynolds", "0\n10\n", allPrompts,
                    "tabrec: severe (24): end-of-file during read, unit 5, file stdin\n"}),
    [](const auto &info) { return std::string(info.param.name); });

struct BlockedCase {
  const char *name;
  std::string blocked;
  std::string errors;
};

void PrintTo(const BlockedCase &c, std::ostream *os) { *os << c.name; }

class BlockedFileRun : public ::testing::TestWithParam<BlockedCase> {};

TEST_P(BlockedFileRun, EndsThroughTheDiagnosticAfterTheCount) {
  TempDir dir;
  fs::create_directory(dir / GetParam().blocked);
  const ProgramRun run = runProgram(program, "0\n10\n1000\n", dir.path());
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.console, finishedConsole("         146"));
  EXPECT_EQ(run.errors, GetParam().errors);
}

INSTANTIATE_TEST_SUITE_P(Files, BlockedFileRun,
                         ::testing::Values(BlockedCase{"OuterUnits", outerFile,
                                                       "tabrec: severe (30): open failure, unit 10, file DATA.txt\n"},
                                           BlockedCase{"WallUnits", wallFile,
                                                       "tabrec: severe (30): open failure, unit 11, file "
                                                       "DATA-WALLUNIT.txt\n"}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
