#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "recordfmt/list_input.hpp"

namespace {

using namespace recordfmt;

struct ReadCase {
  const char *name;
  std::string input;
  ListItem::Kind kind;
  ScanOutcome outcome;
  double value; // expected value; the item starts at -7
};

constexpr auto Int = ListItem::Kind::Integer;
constexpr auto Real = ListItem::Kind::Real;
constexpr auto Value = ScanOutcome::Value;
constexpr auto Null = ScanOutcome::Null;
constexpr auto Eof = ScanOutcome::EndOfInput;
constexpr auto Syntax = ScanOutcome::SyntaxError;
constexpr auto Conversion = ScanOutcome::ConversionError;

void PrintTo(const ReadCase &c, std::ostream *os) { *os << c.name; }

class ListRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ListRead, StoresTheValueOrReportsWhyNot) {
  const ReadCase &c = GetParam();
  InputSource in = memoryInput(std::span<const char>(c.input.data(), c.input.size()));
  ListItem item = c.kind == Int ? integerItem(-7) : realItem(-7.0);
  EXPECT_EQ(scanListValue(in, item), c.outcome);
  const double stored = c.kind == Int ? item.integer : item.real;
  EXPECT_EQ(stored, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListRead,
    ::testing::Values(
        ReadCase{"blanks_value_blanks_word", "  42  word\n", Int, Value, 42},
        ReadCase{"empty_and_blank_lines_passed_over", "\n   \n\t\n 42\n", Int, Value, 42},
        ReadCase{"tab_is_a_blank", "\t-3\tx\n", Int, Value, -3},
        ReadCase{"crlf_line_end", "\r\n17\r\n", Int, Value, 17},
        ReadCase{"value_ends_at_comma", "5,6\n", Int, Value, 5}, ReadCase{"value_ends_at_slash", "5/\n", Int, Value, 5},
        ReadCase{"value_at_end_of_input", "+8", Int, Value, 8}, ReadCase{"lone_comma_is_null", ",\n", Int, Null, -7},
        ReadCase{"lone_slash_is_null", " / 9\n", Real, Null, -7},
        ReadCase{"int32_extremes", "-2147483648\n", Int, Value, -2147483648.0},
        ReadCase{"int_beyond_32_bits", "2147483648\n", Int, Conversion, -7},
        ReadCase{"int_with_point", "4.5\n", Int, Conversion, -7}, ReadCase{"letters", "abc\n", Int, Conversion, -7},
        ReadCase{"lone_sign", "-\n", Int, Conversion, -7}, ReadCase{"lone_point", ".\n", Real, Conversion, -7},
        ReadCase{"real_plain_integer", "1000\n", Real, Value, 1000.0},
        ReadCase{"real_e_exponent", "1.5e3\n", Real, Value, 1500.0},
        ReadCase{"real_capital_d_exponent", "-2.5D-1\n", Real, Value, -0.25},
        ReadCase{"real_small_d_exponent", ".5d+1\n", Real, Value, 5.0},
        ReadCase{"real_trailing_point", "395.\n", Real, Value, 395.0},
        ReadCase{"real_overflow", "1e400\n", Real, Conversion, -7},
        ReadCase{"real_underflow", "1e-400\n", Real, Value, 0},
        ReadCase{"real_exponent_without_digits", "1e\n", Real, Conversion, -7},
        ReadCase{"real_exponent_without_letter", "1.0+5\n", Real, Conversion, -7},
        ReadCase{"real_infinity_word", "inf\n", Real, Conversion, -7},
        ReadCase{"real_hex", "0x10\n", Real, Conversion, -7},
        ReadCase{"quote_is_syntax_error", "'abc'\n", Int, Syntax, -7},
        ReadCase{"double_quote_is_syntax_error", "\"1\"\n", Real, Syntax, -7},
        ReadCase{"repeat_count_is_syntax_error", "2*5\n", Int, Syntax, -7},
        ReadCase{"nul_byte_in_value",
                 std::string("4\0"
                             "2\n",
                             4),
                 Int, Conversion, -7},
        ReadCase{"lone_cr_is_text", "4\r2\n", Int, Conversion, -7}, ReadCase{"end_of_input", "", Int, Eof, -7},
        ReadCase{"only_blank_lines", "\n \n\t\n", Real, Eof, -7},
        ReadCase{"overlong_value", std::string(5000, '1') + "\n", Int, Conversion, -7}),
    [](const ::testing::TestParamInfo<ReadCase> &info) { return std::string(info.param.name); });

TEST(ListRead, EachStatementStartsAtANewLine) {
  const std::string input = "1 2 3\n\n,\n4.5 junk\n";
  InputSource in = memoryInput(std::span<const char>(input.data(), input.size()));
  ListItem model = integerItem(-1);
  ListItem count = integerItem(-1);
  ListItem reynolds = realItem(-1.0);
  EXPECT_EQ(scanListValue(in, model), ScanOutcome::Value);
  EXPECT_EQ(scanListValue(in, count), ScanOutcome::Null); // the 2 and 3 were discarded
  EXPECT_EQ(scanListValue(in, reynolds), ScanOutcome::Value);
  EXPECT_EQ(model.integer, 1);
  EXPECT_EQ(count.integer, -1);
  EXPECT_EQ(reynolds.real, 4.5);
  EXPECT_EQ(scanListValue(in, model), ScanOutcome::EndOfInput);
}

TEST(ListRead, DecimalTextConvertsToTheNearestDouble) {
  const std::string input = "0.1\n2.2250738585072011e-308\n";
  InputSource in = memoryInput(std::span<const char>(input.data(), input.size()));
  ListItem item = realItem(0.0);
  ASSERT_EQ(scanListValue(in, item), ScanOutcome::Value);
  EXPECT_EQ(item.real, 0.1);
  ASSERT_EQ(scanListValue(in, item), ScanOutcome::Value);
  EXPECT_EQ(item.real, 2.2250738585072011e-308);
}

} // namespace
