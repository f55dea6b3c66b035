#include "turbchannel/input_dialogue.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string_view>
#include <system_error>

#include "recordfmt/recordfmt.hpp"
#include "turbchannel/run_setup.hpp"

namespace turbchannel {
namespace {

// One refusal line, assembled in fixed storage.
struct MessageLine {
  std::array<char, 160> chars{};
  std::size_t size = 0;
  [[nodiscard]] std::string_view view() const { return {chars.data(), size}; }
};

void append(MessageLine &line, std::string_view text) {
  for (const char c : text) {
    if (line.size < line.chars.size()) {
      line.chars[line.size++] = c;
    }
  }
}

// An integer as its digits, a real as its shortest text that reads back the same.
template <typename Number> void appendNumber(MessageLine &line, Number value) {
  const auto result = std::to_chars(line.chars.data() + line.size, line.chars.data() + line.chars.size(), value);
  if (result.ec == std::errc{}) {
    line.size = static_cast<std::size_t>(result.ptr - line.chars.data());
  }
}

void prompt(std::string_view text) {
  recordfmt::writeListDirected(recordfmt::consoleOutputUnit, {recordfmt::textItem(text)});
}

[[noreturn]] void refuseNullAnswer(std::string_view name) {
  MessageLine line;
  append(line, "turbchannel: no value given for ");
  append(line, name);
  recordfmt::refuseAnswer(line.view());
}

void readGridCount(ChannelState &state) {
  if (!recordfmt::readListDirected(recordfmt::consoleInputUnit, state.gridCount)) {
    refuseNullAnswer("N");
  }
  if (state.gridCount < minGridCount || state.gridCount > MaxGridPoints) {
    MessageLine line;
    append(line, "turbchannel: refused N = ");
    appendNumber(line, state.gridCount);
    append(line, ": allowed ");
    appendNumber(line, minGridCount);
    append(line, " .. ");
    appendNumber(line, MaxGridPoints);
    recordfmt::refuseAnswer(line.view());
  }
}

double readReynolds() {
  double reynolds = 0.0;
  if (!recordfmt::readListDirected(recordfmt::consoleInputUnit, reynolds)) {
    refuseNullAnswer("Re");
  }
  if (!(std::isfinite(reynolds) && reynolds > minReynolds)) {
    MessageLine line;
    append(line, "turbchannel: refused Re = ");
    appendNumber(line, reynolds);
    append(line, ": allowed finite values above ");
    appendNumber(line, minReynolds);
    recordfmt::refuseAnswer(line.view());
  }
  return reynolds;
}

} // namespace

void initialiseRun(ChannelState &state) {
  clearState(state);
  prompt("0: K-Epsilon model");
  prompt("1: K-Omega model");
  // A null answer keeps the model 0, the k-epsilon closure.
  recordfmt::readListDirected(recordfmt::consoleInputUnit, state.model);
  prompt("N: Number of grids");
  readGridCount(state);
  prepareModel(state);
  prompt("REYNOLDS NUMBER");
  prepareFlow(state, readReynolds());
}

} // namespace turbchannel
