// wingsection: the computation of one section, its costliest step (the
// crossing scan, 199 stations over 720 segments) and the five result files.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "recordfmt/recordfmt.hpp"
#include "wingsection/camber_thickness.hpp"
#include "wingsection/circle_plane.hpp"
#include "wingsection/section_files.hpp"
#include "wingsection/section_mapping.hpp"
#include "wingsection/section_parameters.hpp"
#include "wingsection/station_extent.hpp"

namespace {

wingsection::CirclePlane plane;
wingsection::SectionContour contour;
wingsection::StationTable stations;

void computeCambered() {
  wingsection::buildCirclePlane(5, 1.1, wingsection::centreAngleInRadians(10.0), plane);
  wingsection::mapToSection(plane, contour);
  wingsection::measureExtent(contour, stations);
  wingsection::extractCamberThickness(contour, stations);
}

void BM_ComputeSection(benchmark::State &state) {
  for (auto _ : state) {
    computeCambered();
    benchmark::DoNotOptimize(stations.thickness.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ComputeSection);

void BM_ExtractCamberThickness(benchmark::State &state) {
  computeCambered();
  for (auto _ : state) {
    wingsection::extractCamberThickness(contour, stations);
    benchmark::DoNotOptimize(stations.camber.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ExtractCamberThickness);

void BM_WriteSectionFiles(benchmark::State &state) {
  recordfmt::configureRecords({recordfmt::LineEnd::Lf, true});
  computeCambered();
  const std::filesystem::path home = std::filesystem::current_path();
  std::string pattern = (std::filesystem::temp_directory_path() / "wingsection-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    state.SkipWithError("no temporary directory");
    return;
  }
  std::filesystem::current_path(pattern);
  for (auto _ : state) {
    wingsection::writeSectionFiles(plane, contour, stations);
  }
  std::filesystem::current_path(home);
  std::filesystem::remove_all(pattern);
}
BENCHMARK(BM_WriteSectionFiles)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
