#include "wingsection/section_parameters.hpp"

#include <array>
#include <charconv>
#include <string_view>

#include "recordfmt/recordfmt.hpp"
#include "wingsection/section_records.hpp"

namespace wingsection {
namespace {

constexpr std::string_view itypePrompt =
    "ITYPE:1.Flat plate wing, 2.Elliptical wing 3.Arc       wing, 4.symmetry WM wing, 5.WM wing";
constexpr std::string_view radiusPrompt = "R    : Radius rate of zeta circle R>1";
constexpr std::string_view betaPrompt = "BETA : Center angle of zeta circle  (degree) ";
// The blanks inside the prompts are part of the dialogue the users script against.
static_assert(itypePrompt.size() == 90);
static_assert(radiusPrompt.size() == 37);
static_assert(betaPrompt.size() == 45);

constexpr std::int32_t firstSectionType = static_cast<std::int32_t>(SectionType::FlatPlate);
constexpr std::int32_t lastSectionType = static_cast<std::int32_t>(SectionType::Cambered);

void prompt(std::string_view text) {
  recordfmt::writeListDirected(recordfmt::consoleOutputUnit, {recordfmt::textItem(text)});
}

struct MessageLine {
  std::array<char, 128> chars{};
  std::size_t size = 0;
  void add(std::string_view text) {
    for (const char c : text) {
      if (size < chars.size()) {
        chars[size++] = c;
      }
    }
  }
  [[nodiscard]] std::string_view view() const { return {chars.data(), size}; }
};

[[noreturn]] void refuseNull(std::string_view name) {
  MessageLine line;
  line.add("wingsection: no value given for ");
  line.add(name);
  recordfmt::refuseAnswer(line.view());
}

template <typename Value> void readGiven(Value &value, std::string_view name) {
  if (!recordfmt::readListDirected(recordfmt::consoleInputUnit, value)) {
    refuseNull(name);
  }
}

void checkSectionType(std::int32_t itype) {
  if (itype >= firstSectionType && itype <= lastSectionType) {
    return;
  }
  std::array<char, 16> digits{};
  const auto converted = std::to_chars(digits.data(), digits.data() + digits.size(), itype);
  MessageLine line;
  line.add("wingsection: refused ITYPE = ");
  line.add(std::string_view(digits.data(), static_cast<std::size_t>(converted.ptr - digits.data())));
  line.add(": allowed 1 .. 5");
  recordfmt::refuseAnswer(line.view());
}

} // namespace

double centreAngleInRadians(double degrees) { return degrees / 360.0 * 2.0 * pi; }

SectionParameters readSectionParameters() {
  SectionParameters parameters;
  prompt(itypePrompt);
  readGiven(parameters.ITYPE, "ITYPE");
  checkSectionType(parameters.ITYPE);
  if (parameters.ITYPE != static_cast<std::int32_t>(SectionType::FlatPlate)) {
    prompt(radiusPrompt);
    readGiven(parameters.R, "R");
  }
  if (parameters.ITYPE == static_cast<std::int32_t>(SectionType::Cambered)) {
    prompt(betaPrompt);
    double degrees = 0.0;
    readGiven(degrees, "BETA");
    parameters.BETA = centreAngleInRadians(degrees);
  }
  return parameters;
}

} // namespace wingsection
