#include "wingsection/section_files.hpp"

#include <cstdint>
#include <string_view>

#include "recordfmt/recordfmt.hpp"

namespace wingsection {
namespace {

constexpr std::int32_t circleUnit = 11;
constexpr std::int32_t wingUnit = 12;
constexpr std::int32_t camberUnit = 13;
constexpr std::int32_t thicknessUnit = 14;
constexpr std::int32_t chordUnit = 15;

constexpr std::string_view circleFile = "WM-CIRCLE.txt";
constexpr std::string_view wingFile = "WM-WING.txt";
constexpr std::string_view camberFile = "WM-CAMBER.txt";
constexpr std::string_view thicknessFile = "WM-THICK.txt";
constexpr std::string_view chordFile = "WM-CHORD.txt";

constexpr std::string_view chordLabel = "Chord length";

void writePair(std::int32_t unit, double first, double second) {
  recordfmt::writeListDirected(unit, {recordfmt::realItem(first), recordfmt::realItem(second)});
}

} // namespace

void writeSectionFiles(const CirclePlane &plane, const SectionContour &contour, const StationTable &stations) {
  recordfmt::openUnit(circleUnit, circleFile);
  recordfmt::openUnit(wingUnit, wingFile);
  recordfmt::openUnit(camberUnit, camberFile);
  recordfmt::openUnit(thicknessUnit, thicknessFile);
  recordfmt::openUnit(chordUnit, chordFile);
  for (std::size_t i = 0; i < static_cast<std::size_t>(CirclePointCount); ++i) {
    writePair(circleUnit, plane.zeta[i].re, plane.zeta[i].im);
    writePair(wingUnit, contour.contourX[i], contour.contourY[i]);
  }
  for (std::size_t j = 0; j < static_cast<std::size_t>(StationCount); ++j) {
    writePair(camberUnit, stations.stationX[j], stations.camber[j]);
    writePair(thicknessUnit, stations.stationX[j], stations.thickness[j]);
  }
  recordfmt::writeListDirected(chordUnit, {recordfmt::textItem(chordLabel), recordfmt::realItem(stations.chord)});
  recordfmt::closeUnit(circleUnit);
  recordfmt::closeUnit(wingUnit);
  recordfmt::closeUnit(camberUnit);
  recordfmt::closeUnit(thicknessUnit);
  recordfmt::closeUnit(chordUnit);
}

} // namespace wingsection
