#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recordfmt/recordfmt.hpp"
#include "recordfmt/testing/program_run.hpp"

namespace {

using namespace recordfmt;
using recordfmt::testing::readFile;
using recordfmt::testing::splitRecords;
using recordfmt::testing::TempDir;

constexpr FormatSpec channelFormat = compileFormat("(1H ,1P,4E14.4)");
constexpr FormatSpec profileFormat = compileFormat("(1H ,1P,4E24.10)");
constexpr std::int32_t fileUnit = 10;

// Writes through a file unit with the given settings and returns the file.
class FileUnitTest : public ::testing::Test {
protected:
  template <typename Statements> std::string written(const RecordSettings &settings, Statements statements) {
    configureRecords(settings);
    const std::string name = (dir / "out.txt").string();
    openUnit(fileUnit, name);
    statements();
    closeUnit(fileUnit);
    configureRecords(RecordSettings{});
    return readFile(name);
  }
  TempDir dir;
};

TEST_F(FileUnitTest, FormattedStatementRestartsTheFormatPerGroupOfFour) {
  std::vector<double> values(2004);
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i] = static_cast<double>(i) * 0.5;
  }
  const std::string text =
      written(RecordSettings{LineEnd::Lf, true}, [&] { writeFormatted(fileUnit, profileFormat, values); });
  const auto records = splitRecords(text, "\n");
  ASSERT_EQ(records.size(), 501U);
  for (const std::string &r : records) {
    ASSERT_EQ(r.size(), 97U);
    ASSERT_EQ(r[0], ' ');
  }
  std::string first = " ";
  for (const char *field : {"0.0000000000E+00", "5.0000000000E-01", "1.0000000000E+00", "1.5000000000E+00"}) {
    first.append(8, ' ').append(field);
  }
  EXPECT_EQ(records[0], first);
}

TEST_F(FileUnitTest, ChannelRecordsEndWithCrLfAndDropTheSignOfZero) {
  const std::vector<double> values = {1.0, -0.9, -0.0, 9.99996, 1.0e-120};
  const std::string text =
      written(RecordSettings{LineEnd::CrLf, false}, [&] { writeFormatted(fileUnit, channelFormat, values); });
  EXPECT_EQ(text, "     1.0000E+00   -9.0000E-01    0.0000E+00    1.0000E+01\r\n     1.0000-120\r\n");
}

TEST_F(FileUnitTest, StatementWithoutValuesWritesOneBlankRecord) {
  const std::string text =
      written(RecordSettings{LineEnd::Lf, true}, [&] { writeFormatted(fileUnit, channelFormat, {}); });
  EXPECT_EQ(text, " \n");
}

TEST_F(FileUnitTest, RestartKeepsTheScaleFactor) {
  // The first field of the first record is under 0P, the scale factor of the
  // restarted format is still 1P.
  constexpr FormatSpec format = compileFormat("(1H|,E12.4,1P,E12.4)");
  const std::vector<double> values = {1.5, 1.5, 1.5};
  const std::string text =
      written(RecordSettings{LineEnd::Lf, true}, [&] { writeFormatted(fileUnit, format, values); });
  EXPECT_EQ(text, "|  0.1500E+01  1.5000E+00\n|  1.5000E+00\n");
}

TEST_F(FileUnitTest, ListDirectedRecords) {
  const std::string text = written(RecordSettings{LineEnd::Lf, true}, [&] {
    writeListDirected(fileUnit, {textItem("Y   U    V    U(Linear)")});
    writeListDirected(fileUnit, {integerItem(500000)});
    writeListDirected(fileUnit, {integerItem(-2147483647 - 1)});
    writeListDirected(fileUnit, {realItem(0.5), realItem(-0.0)});
    writeListDirected(fileUnit, {textItem("Chord length"), realItem(4.0)});
    writeListDirected(fileUnit, {textItem("a"), textItem("b"), integerItem(7)});
  });
  EXPECT_EQ(text, " Y   U    V    U(Linear)\n"
                  "      500000\n"
                  " -2147483648\n"
                  "   5.0000000000000000E-01  -0.0000000000000000E+00\n"
                  " Chord length   4.0000000000000000E+00\n"
                  " a b           7\n");
}

TEST_F(FileUnitTest, OpeningReplacesAnExistingFileCompletely) {
  const std::string name = (dir / "out.txt").string();
  recordfmt::testing::writeFile(name, std::string(10000, 'x'));
  const std::string text =
      written(RecordSettings{LineEnd::Lf, true}, [&] { writeListDirected(fileUnit, {textItem("new")}); });
  EXPECT_EQ(text, " new\n");
}

} // namespace
