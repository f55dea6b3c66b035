#include "profile_table.hpp"

#include <array>
#include <span>

#include "recordfmt/recordfmt.hpp"

namespace shearprofile {
namespace {

constexpr std::string_view profileTableHeading = "Y   U    V    U(Linear)";
// A blank and four fields per record; the format restarts for every node.
constexpr recordfmt::FormatSpec profileRecordFormat = recordfmt::compileFormat("(1H ,1P,4E24.10)");
constexpr std::int32_t columnsPerNode = 4;

} // namespace

void setOutputBoundarySlots(ProfileState &state) {
  state.uCell[0] = -state.uCell[1];
  // Cell lastNode, so that node lastNode reads exactly 1 and node
  // lastNode - 1 reads halfway between its inner cell and 1.
  state.uCell[lastNode] = 1.0;
  state.uLinCell[0] = -state.uLinCell[1];
  state.uLinCell[lastNode] = 1.0;
}

void writeProfileTable(const ProfileState &state) {
  std::array<double, columnsPerNode * nodeCount> values{};
  for (std::int32_t i = 0; i <= lastNode; ++i) {
    double *row = values.data() + columnsPerNode * i;
    row[0] = state.eta[i];
    // A node velocity is the mean of the two cells beside it.
    row[1] = 0.5 * (state.uCell[i] + state.uCell[i + 1]);
    row[2] = 0.5 * (state.uLinCell[i] + state.uLinCell[i + 1]);
    row[3] = state.uLinExact[i];
  }
  recordfmt::openUnit(profileTableUnit, profileTableName);
  recordfmt::writeListDirected(profileTableUnit, {recordfmt::textItem(profileTableHeading)});
  recordfmt::writeFormatted(profileTableUnit, profileRecordFormat, std::span<const double>(values));
  recordfmt::closeUnit(profileTableUnit);
}

} // namespace shearprofile
