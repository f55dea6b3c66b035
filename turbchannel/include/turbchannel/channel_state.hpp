// Everything of one channel-flow run: closure, grid, profiles and the
// working coefficients of the transport sweep, in fixed-capacity arrays.
//
// Node numbering: node 0 is the lower wall (y = -1), node N the upper wall
// (y = +1), nodes 1 and N-1 sit 100 viscous lengths off the walls and are set
// by the wall functions, nodes 2 .. N-2 are solved by the sweep. Nothing ever
// writes a profile value at a wall node, so those stay 0.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace turbchannel {

// Largest N the record holds; every per-node array covers nodes 0 .. 101.
inline constexpr std::int32_t MaxGridPoints = 101;
inline constexpr std::size_t nodeSlots = MaxGridPoints + 1;
// Indexed by node number; the largest grid solves nodes 2 .. 99.
inline constexpr std::size_t coefficientSlots = 100;

using NodeArray = std::array<double, nodeSlots>;
using CoefficientArray = std::array<double, coefficientSlots>;

// One discretised equation aP phi[j] = aE phi[j+1] + aW phi[j-1] + source,
// the balance over a control volume of width dy multiplied through by dy.
struct EquationCoefficients {
  CoefficientArray aP{};
  CoefficientArray aE{};
  CoefficientArray aW{};
  CoefficientArray source{};
};

// The closure as read at the dialogue; `ChannelState::model` keeps any other
// integer as given, and such a run has no turbulence at all.
enum TurbulenceModel : std::int32_t { KEpsilon = 0, KOmega = 1 };

// Closure coefficients. Under KOmega, cMu plays the part of beta-star in the
// destruction of k.
struct ModelConstants {
  double cMu = 0.0;
  double c1Eps = 0.0;
  double c2Eps = 0.0;
  double alphaOmega = 0.0;
  double betaOmega = 0.0;
  double sigmaK = 0.0;
  double sigmaEps = 0.0;
  double sigmaOmega = 0.0;
};

// The outputs of one wall-function call for one set of inputs, keyed on the
// exact bits of those inputs: u at nodes 1 and N-1, the two wall distances,
// nu, and the model (which decides whether eps or omega is set).
struct WallFunctionEntry {
  std::array<std::uint64_t, 5> inputBits{}; // u[1], u[N-1], yL, yU, nu
  std::int32_t model = 0;
  bool filled = false;
  double uLower = 0.0;
  double uUpper = 0.0;
  double kLower = 0.0;
  double kUpper = 0.0;
  double dissipationLower = 0.0; // eps (KEpsilon) or omega (KOmega) at node 1
  double dissipationUpper = 0.0; // the same at node N-1
};

// The last few wall-function calls. Only the wall functions write u at nodes
// 1 and N-1, and y and nu never change during a run, so each call's inputs
// are the previous call's outputs, which differ from them in the last bits.
// In every run tried they reach a fixed point within ten calls; two entries
// also cover a cycle of two.
inline constexpr std::size_t wallFunctionMemoEntries = 2;

struct WallFunctionMemo {
  std::array<WallFunctionEntry, wallFunctionMemoEntries> entries{};
  std::uint32_t nextReplaced = 0;
};

struct ChannelState {
  EquationCoefficients uCoefficients{};
  EquationCoefficients kCoefficients{};
  EquationCoefficients epsCoefficients{};
  EquationCoefficients omegaCoefficients{};
  std::int32_t maxIterations = 0;
  std::int32_t model = 0;
  std::int32_t gridCount = 0; // N
  double nu = 0.0;            // 1 / Re
  double dpdx = 0.0;
  double dy = 0.0; // spacing of nodes 1 .. N-1
  ModelConstants constants{};
  NodeArray u{};
  NodeArray k{};
  NodeArray eps{};
  NodeArray omega{};
  NodeArray nut{};
  NodeArray uv{};
  NodeArray dudy{};
  NodeArray uOld{};
  NodeArray kOld{};
  NodeArray epsOld{};
  NodeArray y{};
  NodeArray yWall{}; // distance to the nearer wall in viscous lengths
  WallFunctionMemo wallFunctionMemo{};
};

} // namespace turbchannel
