#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "recordfmt/testing/program_run.hpp"
#include "section_run.hpp"

namespace wingsection {
namespace {

namespace rt = recordfmt::testing;
namespace fs = std::filesystem;

const fs::path programPath = PROGRAM_PATH;
const fs::path goldenDir = GOLDEN_DIR;

const std::string itypeLine =
    " ITYPE:1.Flat plate wing, 2.Elliptical wing 3.Arc       wing, 4.symmetry WM wing, 5.WM wing\n";
const std::string radiusLine = " R    : Radius rate of zeta circle R>1\n";
const std::string betaLine = " BETA : Center angle of zeta circle  (degree) \n";

const std::array<std::string, 5> resultFiles = {"WM-CIRCLE.txt", "WM-WING.txt", "WM-CAMBER.txt", "WM-THICK.txt",
                                                "WM-CHORD.txt"};

constexpr std::size_t realWidth = 25;

// The value of one list-directed real field, which must be nothing but
// leading blanks and a number that strtod reads to its end.
double readField(const std::string &field) {
  EXPECT_EQ(field.size(), realWidth);
  EXPECT_EQ(field.front(), ' ') << "fields must stay apart: [" << field << "]";
  char *end = nullptr;
  const double value = std::strtod(field.c_str(), &end);
  EXPECT_EQ(end, field.c_str() + field.size()) << "[" << field << "]";
  return value;
}

// Bit for bit, negative zero included; any not-a-number matches "NaN".
void expectSame(double actual, double expected, const std::string &where) {
  if (std::isnan(expected)) {
    EXPECT_TRUE(std::isnan(actual)) << where;
  } else {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(actual), std::bit_cast<std::uint64_t>(expected))
        << where << ": " << actual << " vs " << expected;
  }
}

std::vector<std::string> recordsOf(const fs::path &file) {
  const std::string text = rt::readFile(file);
  EXPECT_FALSE(text.empty()) << file;
  EXPECT_EQ(text.back(), '\n') << file;
  EXPECT_EQ(text.find('\r'), std::string::npos) << file;
  return rt::splitRecords(text, "\n");
}

template <std::size_t N>
void expectPairFile(const fs::path &file, const std::array<double, N> &first, const std::array<double, N> &second) {
  const std::vector<std::string> records = recordsOf(file);
  ASSERT_EQ(records.size(), N) << file;
  for (std::size_t i = 0; i < N; ++i) {
    ASSERT_EQ(records[i].size(), 2 * realWidth) << file << " record " << i;
    const std::string where = file.filename().string() + " record " + std::to_string(i);
    expectSame(readField(records[i].substr(0, realWidth)), first[i], where);
    expectSame(readField(records[i].substr(realWidth)), second[i], where);
  }
}

struct DialogueCase {
  const char *name;
  std::string answers;
  std::string console;
  std::int32_t itype;
  double R;
  double betaDegrees;
};

class ProgramRun : public ::testing::TestWithParam<DialogueCase> {};

TEST_P(ProgramRun, AsksItsQuestionsAndWritesTheComputedSectionToFiveFiles) {
  const DialogueCase &c = GetParam();
  rt::TempDir dir;
  const rt::ProgramRun run = rt::runProgram(programPath, c.answers, dir.path());
  ASSERT_EQ(run.exitStatus, 0) << run.errors;
  EXPECT_EQ(run.errors, "");
  EXPECT_EQ(run.console, c.console);

  const auto reference = testing::computeSection(c.itype, c.R, c.betaDegrees);
  std::array<double, CirclePointCount> circleRe{};
  std::array<double, CirclePointCount> circleIm{};
  for (std::size_t i = 0; i < circleRe.size(); ++i) {
    circleRe[i] = reference->plane.zeta[i].re;
    circleIm[i] = reference->plane.zeta[i].im;
  }
  const StationTable &t = reference->stations;
  expectPairFile(dir / "WM-CIRCLE.txt", circleRe, circleIm);
  expectPairFile(dir / "WM-WING.txt", reference->contour.contourX, reference->contour.contourY);
  expectPairFile(dir / "WM-CAMBER.txt", t.stationX, t.camber);
  expectPairFile(dir / "WM-THICK.txt", t.stationX, t.thickness);

  const std::vector<std::string> chord = recordsOf(dir / "WM-CHORD.txt");
  ASSERT_EQ(chord.size(), 1U);
  const std::string label = " Chord length";
  ASSERT_EQ(chord[0].size(), label.size() + realWidth);
  EXPECT_EQ(chord[0].substr(0, label.size()), label);
  expectSame(readField(chord[0].substr(label.size())), t.chord, "WM-CHORD.txt");
}

INSTANTIATE_TEST_SUITE_P(
    EachSectionType, ProgramRun,
    ::testing::Values(
        DialogueCase{"FlatPlateAsksOnlyTheType", "1\n", itypeLine, 1, 1.0, 0.0},
        DialogueCase{"Elliptical", "2\n1.5\n", itypeLine + radiusLine, 2, 1.5, 0.0},
        DialogueCase{"Arc", "3\n1.2\n", itypeLine + radiusLine, 3, 1.2, 0.0},
        DialogueCase{"ArcBelowOneIsNotANumber", "3\n0.5\n", itypeLine + radiusLine, 3, 0.5, 0.0},
        DialogueCase{"Symmetric", "4\n1.1\n", itypeLine + radiusLine, 4, 1.1, 0.0},
        DialogueCase{"Cambered", "5\n1.1\n10\n", itypeLine + radiusLine + betaLine, 5, 1.1, 10.0},
        DialogueCase{"CamberedNegative", "5\n1.1\n-10\n", itypeLine + radiusLine + betaLine, 5, 1.1, -10.0},
        DialogueCase{"CamberedWhollyRightOfZero", "5\n1.1\n180\n", itypeLine + radiusLine + betaLine, 5, 1.1, 180.0},
        DialogueCase{"CamberedThroughTheOrigin", "5\n1.0\n60\n", itypeLine + radiusLine + betaLine, 5, 1.0, 60.0}),
    [](const ::testing::TestParamInfo<DialogueCase> &info) { return info.param.name; });

TEST(ProgramRunRecords, NotANumberIsWrittenAsNaN) {
  rt::TempDir dir;
  ASSERT_EQ(rt::runProgram(programPath, "3\n0.5\n", dir.path()).exitStatus, 0);
  const std::string nanField = std::string(realWidth - 3, ' ') + "NaN";
  for (const std::string &record : recordsOf(dir / "WM-CIRCLE.txt")) {
    ASSERT_EQ(record.substr(realWidth), nanField);
  }
  for (const std::string &record : recordsOf(dir / "WM-WING.txt")) {
    ASSERT_EQ(record, nanField + nanField);
  }
}

std::array<std::string, 5> filesOf(const std::string &answers) {
  rt::TempDir dir;
  const rt::ProgramRun run = rt::runProgram(programPath, answers, dir.path());
  EXPECT_EQ(run.exitStatus, 0) << answers << run.errors;
  std::array<std::string, 5> files;
  for (std::size_t f = 0; f < files.size(); ++f) {
    files[f] = rt::readFile(dir / resultFiles[f]);
  }
  return files;
}

TEST(ProgramRunEquivalence, DegenerateParametersGiveTheSameFilesAsTheSimplerType) {
  struct Pair {
    std::string answers;
    std::string sameAs;
  };
  const Pair pairs[] = {
      {"2\n1\n", "1\n"}, {"3\n1\n", "1\n"}, {"4\n1\n", "1\n"}, {"5\n1.1\n0\n", "4\n1.1\n"}, {"5\n1.3\n0\n", "4\n1.3\n"},
  };
  for (const Pair &p : pairs) {
    const auto actual = filesOf(p.answers);
    const auto expected = filesOf(p.sameAs);
    for (std::size_t f = 0; f < resultFiles.size(); ++f) {
      EXPECT_EQ(actual[f], expected[f]) << resultFiles[f] << " for answers [" << p.answers << "]";
    }
  }
}

TEST(ProgramRunFiles, EveryRunReplacesEveryFileCompletely) {
  rt::TempDir dir;
  const std::string leftover(300000, 'x');
  for (const std::string &file : resultFiles) {
    rt::writeFile(dir / file, leftover);
  }
  for (const std::string answers : {"5\n1.1\n10\n", "1\n"}) {
    ASSERT_EQ(rt::runProgram(programPath, answers, dir.path()).exitStatus, 0);
    const auto fresh = filesOf(answers);
    for (std::size_t f = 0; f < resultFiles.size(); ++f) {
      EXPECT_EQ(rt::readFile(dir / resultFiles[f]), fresh[f]) << resultFiles[f] << " after [" << answers << "]";
    }
  }
}

struct RefusalCase {
  const char *name;
  std::string answers;
  std::string console;
  std::string errors;
};

class RefusedRun : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusedRun, EndsWithOneLineAndStatusOneLeavingTheFilesAlone) {
  const RefusalCase &c = GetParam();
  rt::TempDir dir;
  // Three files from an earlier run stay as they were; the other two are not created.
  const std::string earlier = "earlier run\n";
  for (std::size_t f = 0; f < 3; ++f) {
    rt::writeFile(dir / resultFiles[f], earlier);
  }
  const rt::ProgramRun run = rt::runProgram(programPath, c.answers, dir.path());
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.errors, c.errors);
  EXPECT_EQ(run.console, c.console);
  for (std::size_t f = 0; f < 3; ++f) {
    EXPECT_EQ(rt::readFile(dir / resultFiles[f]), earlier) << resultFiles[f];
  }
  EXPECT_FALSE(fs::exists(dir / resultFiles[3]));
  EXPECT_FALSE(fs::exists(dir / resultFiles[4]));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, RefusedRun,
    ::testing::Values(
        RefusalCase{"TypeZero", "0\n1.1\n", itypeLine, "wingsection: refused ITYPE = 0: allowed 1 .. 5\n"},
        RefusalCase{"TypeSix", "6\n1.1\n", itypeLine, "wingsection: refused ITYPE = 6: allowed 1 .. 5\n"},
        RefusalCase{"TypeNegative", "-12\n", itypeLine, "wingsection: refused ITYPE = -12: allowed 1 .. 5\n"},
        RefusalCase{"NullType", ",\n1\n", itypeLine, "wingsection: no value given for ITYPE\n"},
        RefusalCase{"NullRadius", "2\n/\n", itypeLine + radiusLine, "wingsection: no value given for R\n"},
        RefusalCase{"NullBeta", "5\n1.1\n,\n", itypeLine + radiusLine + betaLine,
                    "wingsection: no value given for BETA\n"},
        RefusalCase{"InputEndsBeforeBeta", "5\n1.1\n", itypeLine + radiusLine + betaLine,
                    "tabrec: severe (24): end-of-file during read, unit 5, file stdin\n"},
        RefusalCase{"RadiusNotANumber", "4\nlarge\n", itypeLine + radiusLine,
                    "tabrec: severe (64): input conversion error, unit 5, file stdin\n"}),
    [](const ::testing::TestParamInfo<RefusalCase> &info) { return info.param.name; });

// A typical cambered section, fixed byte for byte so that no later change can
// move a digit unnoticed.
TEST(ProgramRunGolden, CamberedSectionMatchesItsStoredFiles) {
  const auto files = filesOf("5\n1.1\n10\n");
  for (std::size_t f = 0; f < resultFiles.size(); ++f) {
    const fs::path fixture = goldenDir / ("cambered-r1.1-beta10-" + resultFiles[f]);
    ASSERT_TRUE(fs::exists(fixture)) << fixture;
    EXPECT_TRUE(files[f] == rt::readFile(fixture)) << resultFiles[f] << " differs from " << fixture;
  }
}

} // namespace
} // namespace wingsection
