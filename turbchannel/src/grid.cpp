#include "turbchannel/grid.hpp"

#include <algorithm>

namespace turbchannel {

void buildGrid(ChannelState &state) {
  const std::int32_t n = state.gridCount;
  const double nu = state.nu;
  const double a = wallNodeYPlus * nu;
  state.y[0] = -1.0;
  state.y[1] = -1.0 + a;
  state.dy = ((1.0 - a) - state.y[1]) / static_cast<double>(n - 2);
  state.yWall[1] = (1.0 + state.y[1]) / nu;
  if (n - 2 >= 2) {
    // A running sum, so the rounding of dy accumulates towards the upper wall;
    // the upper wall-adjacent node is then placed exactly below.
    for (std::int32_t j = 2; j <= n - 2; ++j) {
      state.y[j] = state.y[j - 1] + state.dy;
    }
    for (std::int32_t j = 2; j <= n - 2; ++j) {
      state.yWall[j] = std::min(state.y[j] + 1.0, 1.0 - state.y[j]) / nu;
    }
  }
  state.y[n - 1] = 1.0 - a;
  state.y[n] = 1.0;
  state.yWall[n - 1] = (1.0 - state.y[n - 1]) / nu;
}

} // namespace turbchannel
