#include <gtest/gtest.h>

#include <string_view>

#include "recordfmt/format_spec.hpp"

namespace {

using namespace recordfmt;

// The programs' formats are parsed while compiling.
constexpr FormatSpec channelFormat = compileFormat("(1H ,1P,4E14.4)");
static_assert(channelFormat.count == 3);
static_assert(channelFormat.elements[1].kind == DescriptorKind::ScaleFactor && channelFormat.elements[1].scale == 1);
static_assert(channelFormat.elements[2].repeat == 4 && channelFormat.elements[2].width == 14 &&
              channelFormat.elements[2].digits == 4);

TEST(FormatSpecParse, ReadsLiteralsScaleFactorsAndFields) {
  FormatSpec parsed;
  // Blanks outside literals carry no meaning; a literal keeps blanks, commas
  // and parentheses; the scale factor may be signed.
  const auto result = parseFormat(" ( 3H(,) , -2P , E 2 4 . 1 0 ,2e9.3, 1h)) ", parsed);
  ASSERT_EQ(result.error, FormatError::None) << describe(result.error) << " at " << result.position;
  ASSERT_EQ(parsed.count, 5);
  EXPECT_EQ(parsed.elements[0].kind, DescriptorKind::Literal);
  EXPECT_EQ(parsed.literal(parsed.elements[0]), "(,)");
  EXPECT_EQ(parsed.elements[1].scale, -2);
  EXPECT_EQ(parsed.elements[2].repeat, 1);
  EXPECT_EQ(parsed.elements[2].width, 24);
  EXPECT_EQ(parsed.elements[2].digits, 10);
  EXPECT_EQ(parsed.elements[3].repeat, 2);
  EXPECT_EQ(parsed.literal(parsed.elements[4]), ")");
}

struct BadFormat {
  std::string_view text;
  FormatError error;
};

void PrintTo(const BadFormat &c, std::ostream *os) { *os << c.text; }

class MalformedFormat : public ::testing::TestWithParam<BadFormat> {};

TEST_P(MalformedFormat, IsRejectedWithItsReason) {
  FormatSpec parsed;
  EXPECT_EQ(parseFormat(GetParam().text, parsed).error, GetParam().error) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedFormat,
    ::testing::Values(
        BadFormat{"1P,E14.4)", FormatError::MissingOpenParenthesis},
        BadFormat{"(1P,E14.4", FormatError::MissingCloseParenthesis},
        BadFormat{"(E14.4) x", FormatError::TextAfterCloseParenthesis},
        BadFormat{"(1P E14.4)", FormatError::ExpectedComma}, BadFormat{"(F14.4)", FormatError::UnknownDescriptor},
        BadFormat{"(-2E14.4)", FormatError::UnknownDescriptor}, BadFormat{"(H ,E14.4)", FormatError::MissingCount},
        BadFormat{"(P,E14.4)", FormatError::MissingCount}, BadFormat{"(E.4)", FormatError::MissingCount},
        BadFormat{"(E14.)", FormatError::MissingCount}, BadFormat{"(E14)", FormatError::MissingPeriod},
        BadFormat{"(0E14.4)", FormatError::CountOutOfRange}, BadFormat{"(E0.4)", FormatError::CountOutOfRange},
        BadFormat{"(E256.4)", FormatError::CountOutOfRange}, BadFormat{"(E14.100)", FormatError::CountOutOfRange},
        BadFormat{"(100P,E14.4)", FormatError::CountOutOfRange}, BadFormat{"(5Habc", FormatError::ShortLiteral},
        BadFormat{"()", FormatError::NoEField}, BadFormat{"(1H )", FormatError::NoEField}));

} // namespace
