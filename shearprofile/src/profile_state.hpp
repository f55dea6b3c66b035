// All data of one run: the grid, both cell profiles with their ghost cells,
// the stream function and the bookkeeping of the sweeps.
#pragma once

#include <array>
#include <cstdint>

namespace shearprofile {

// Node spacing in eta.
inline constexpr double gridStep = 0.02;
// Outermost node, at eta = 10, far enough out for the free stream.
inline constexpr std::int32_t lastNode = 500;
inline constexpr std::int32_t nodeCount = lastNode + 1;
// Cell i lies between nodes i-1 and i. Cell 0 below the wall and cell
// lastNode + 1 beyond the last node are ghosts carrying the boundary values.
inline constexpr std::int32_t outerGhostCell = lastNode + 1;
inline constexpr std::int32_t cellSlots = lastNode + 2;

struct ProfileState {
  std::array<double, nodeCount> eta{};
  std::array<double, nodeCount> etaMid{}; // per cell 1 .. lastNode; slot 0 unused
  // The model equation's update weights of cell i, (0.5 - q) on cell i-1 and
  // (q + 0.5) on cell i+1 with q = (h/8) etaMid(i): fixed by the grid, so
  // formed once. Per cell 2 .. lastNode; slots 0 and 1 unused.
  std::array<double, nodeCount> linLowerWeight{};
  std::array<double, nodeCount> linUpperWeight{};
  std::array<double, cellSlots> uCell{}; // similarity equation u = f'
  std::array<double, cellSlots> uLinCell{};
  std::array<double, nodeCount> uLinExact{}; // erf(eta/2), the model's closed form
  std::array<double, nodeCount> streamF{};
  std::array<double, nodeCount> uCellPrev{}; // per cell 1 .. lastNode; slot 0 unused
  std::int32_t sweepCount = 0;
  double maxRelChange = 0.0;

  friend bool operator==(const ProfileState &, const ProfileState &) = default;
};

} // namespace shearprofile
