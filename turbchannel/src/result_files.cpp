#include "turbchannel/result_files.hpp"

#include <array>
#include <cstddef>
#include <span>

#include "recordfmt/recordfmt.hpp"

namespace turbchannel {
namespace {

// A blank, then one node per record: the format restarts every four values.
constexpr recordfmt::FormatSpec ResultRecordFormat = recordfmt::compileFormat("(1H ,1P,4E14.4)");
constexpr std::size_t columns = 4;

using TableValues = std::array<double, columns * nodeSlots>;

// Collects the four columns of nodes 1 .. last, node by node.
std::span<const double> tableValues(const ChannelState &state, const NodeArray &position, std::int32_t last,
                                    TableValues &values) {
  std::size_t count = 0;
  for (std::int32_t j = 1; j <= last; ++j) {
    values[count++] = position[j];
    values[count++] = state.u[j];
    values[count++] = state.uv[j];
    values[count++] = state.k[j];
  }
  return {values.data(), count};
}

void writeTable(std::int32_t unit, std::string_view heading, std::span<const double> values) {
  recordfmt::writeListDirected(unit, {recordfmt::textItem(heading)});
  recordfmt::writeFormatted(unit, ResultRecordFormat, values);
}

} // namespace

void writeResultFiles(const ChannelState &state) {
  const std::int32_t n = state.gridCount;
  recordfmt::openUnit(outerUnitsFileUnit, "DATA.txt");
  recordfmt::openUnit(wallUnitsFileUnit, "DATA-WALLUNIT.txt");
  TableValues values{};
  writeTable(outerUnitsFileUnit, "Y    UA    UV    TK", tableValues(state, state.y, n, values));
  writeTable(wallUnitsFileUnit, "YW   UA+    UV+    TK+", tableValues(state, state.yWall, n / 2, values));
  recordfmt::closeUnit(outerUnitsFileUnit);
  recordfmt::closeUnit(wallUnitsFileUnit);
}

} // namespace turbchannel
