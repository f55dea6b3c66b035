// The three records of a wingsection run: the circle in the zeta plane, its
// image (the section contour) and the chordwise stations.
#pragma once

#include <array>
#include <cstdint>

namespace wingsection {

inline constexpr double pi = 3.141592653589793;
// a in z = zeta + a^2 / zeta; the trailing edge of every section lies at z = 2a.
inline constexpr double mappingConstant = 1.0;

// 720 equal angular intervals; point 720 closes the contour one turn after point 0.
inline constexpr std::int32_t CirclePointCount = 721;
inline constexpr std::int32_t SegmentCount = CirclePointCount - 1;
// 200 equal chordwise intervals.
inline constexpr std::int32_t StationCount = 201;

// The meaning of the ITYPE answer.
enum class SectionType : std::int32_t {
  FlatPlate = 1,
  Elliptical = 2,
  Arc = 3,
  Symmetric = 4,
  Cambered = 5,
};

struct Complex {
  double re = 0.0;
  double im = 0.0;
};

struct CirclePlane {
  std::int32_t ITYPE = 0;
  double R = 0.0;
  double BETA = 0.0; // centre angle in radians; used by Cambered only
  Complex centre{};
  std::array<double, CirclePointCount> theta{};
  std::array<Complex, CirclePointCount> zeta{};
};

// Segment k joins point k and point k + 1, k = 0 .. 719.
struct SectionContour {
  std::array<double, CirclePointCount> contourX{};
  std::array<double, CirclePointCount> contourY{};
};

struct StationTable {
  double xMin = 0.0;
  double xMax = 0.0;
  double chord = 0.0;
  double stationStep = 0.0;
  std::array<double, StationCount> stationX{};
  std::array<double, StationCount> firstY{};
  std::array<double, StationCount> secondY{};
  std::array<double, StationCount> camber{};
  std::array<double, StationCount> thickness{};
};

} // namespace wingsection
