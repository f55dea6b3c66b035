// The iteration loop driven on a state of its own.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <ostream>
#include <span>
#include <string>
#include <thread>

#include "turbchannel/floating_point_mode.hpp"
#include "turbchannel/run_driver.hpp"
#include "turbchannel/run_setup.hpp"

namespace turbchannel {
namespace {

// The program's arithmetic mode, confined to a thread of its own so that the
// rest of the test process keeps the default.
template <typename Body> void inProgramMode(Body body) {
  std::thread worker([&body] {
    enableFlushToZero();
    body();
  });
  worker.join();
}

// Node, u, k, eps (k-epsilon) or omega (k-omega), uv of a converged run, to
// the last bit: a regrouped formula moves these even where no printed digit
// and no iteration count changes.
struct NodeGolden {
  std::int32_t node;
  double u, k, dissipation, uv;
};

constexpr NodeGolden kEpsilonTen[]{
    {1, 0x1.0834f15515522p+4, 0x1.b95307a5bbabbp+1, 0x1.90c0369711ee1p+4, 0x1.246081c12fb8bp-1},
    {2, 0x1.3855876a53469p+4, 0x1.3c19832a81103p+1, 0x1.e08c8036140dcp+2, 0x1.7f8743f83039dp-1},
    {3, 0x1.51fcfdbfd810cp+4, 0x1.a1c9867066e07p+0, 0x1.72ace938a7317p+1, 0x1.d6b8dfba183aap-2},
    {4, 0x1.6051ef413c525p+4, 0x1.0e943cb603a7ap+0, 0x1.2f9602668a84bp+0, 0x1.c96315d3913efp-3},
    {5, 0x1.64f44cce64db8p+4, 0x1.b0cac3e4f19bdp-1, 0x1.7624ecf5af6dbp-1, -0x1.008a424a76b1fp-18},
    {6, 0x1.6051da77e84fcp+4, 0x1.0e9522ca0db2ep+0, 0x1.2f973876fa65p+0, -0x1.c966a927b84e9p-3},
    {7, 0x1.51fce5a43d2d2p+4, 0x1.a1ca1b3519c04p+0, 0x1.72ad30aa0951ep+1, -0x1.d6b9bf1e82fc4p-2},
    {8, 0x1.385578749f37bp+4, 0x1.3c1955672f4c3p+1, 0x1.e08bf6c31f7b5p+2, -0x1.7f8706117c9f3p-1},
    {9, 0x1.0834f15515522p+4, 0x1.b95307a5bbabbp+1, 0x1.90c0369711ee1p+4, -0x1.2460236f05329p-1},
};

constexpr NodeGolden kOmegaTen[]{
    {1, 0x1.0834f15515522p+4, 0x1.b95307a5bbabbp+1, 0x1.42de05a86925ep+6, 0x1.4a21cd2e1021dp-1},
    {2, 0x1.3e8c8d5611189p+4, 0x1.33158b528c122p+1, 0x1.41e790d1da4e3p+5, 0x1.6b91633a4adb2p-1},
    {3, 0x1.5df5382837407p+4, 0x1.a4b9750915e84p+0, 0x1.86983b4de81e9p+4, 0x1.d7677e0af4c2ap-2},
    {4, 0x1.6fc8c36977f0ep+4, 0x1.1a253f27800cbp+0, 0x1.0738b8dd3e636p+4, 0x1.c7021fbc44d28p-3},
    {5, 0x1.75d5e36e2576fp+4, 0x1.c8a0e9ff551e8p-1, 0x1.b7fe68aeeac12p+3, 0x1.d5fad13adc1fep-21},
    {6, 0x1.6fc8c7c8a6738p+4, 0x1.1a25249f5fd18p+0, 0x1.0738afa1a7c9fp+4, -0x1.c7012dce2d6b7p-3},
    {7, 0x1.5df53f7c37eb5p+4, 0x1.a4b979255f8bp+0, 0x1.869841fe140afp+4, -0x1.d7673e976e365p-2},
    {8, 0x1.3e8c95f03f804p+4, 0x1.3315c37b5dff9p+1, 0x1.41e7aa9f57577p+5, -0x1.6b91c663dcfa9p-1},
    {9, 0x1.0834f15515522p+4, 0x1.b95307a5bbabbp+1, 0x1.42de05a86925ep+6, -0x1.4a2218e5dddf6p-1},
};

constexpr NodeGolden kEpsilonFine[]{
    {1, 0x1.0834f1551552dp+4, 0x1.b95307a5bbad9p+1, 0x1.3c97d934c90d7p+3, 0x1.715c18888545ap-1},
    {2, 0x1.09d13403975cdp+4, 0x1.a831d1ded0626p+1, 0x1.23fe7e9570fdp+3, 0x1.6de48cfd31bc6p-1},
    {25, 0x1.252ba8593759bp+4, 0x1.a18d239cc6464p+0, 0x1.0d64140d39e13p+1, 0x1.80e041229423ap-2},
    {50, 0x1.2f00744e8dd6p+4, 0x1.1b0447d15d66fp+0, 0x1.c10e7d58a8bbcp-1, 0x1.e66b625ac2bbcp-8},
    {51, 0x1.2f007982b2488p+4, 0x1.1b03d0be3d13ap+0, 0x1.c10d97fa0a7cdp-1, -0x1.e1040bf43477p-8},
    {75, 0x1.25f3f4924606dp+4, 0x1.96ed90093199cp+0, 0x1.fe52ecca9d59fp+0, -0x1.71c50e1256e0fp-2},
    {99, 0x1.09d13190b401bp+4, 0x1.a831834643cecp+1, 0x1.23fe7c39f94c2p+3, -0x1.6de23cf770a78p-1},
    {100, 0x1.0834f1551552dp+4, 0x1.b95307a5bbad9p+1, 0x1.3c97d934c90d7p+3, -0x1.7159e2cab12a4p-1},
};

constexpr NodeGolden kOmegaFine[]{
    {1, 0x1.0834f1551552dp+4, 0x1.b95307a5bbad9p+1, 0x1.fe215adc024c2p+4, 0x1.748b29f4c7fe9p-1},
    {2, 0x1.09d4c0e44c0ap+4, 0x1.ac5a4cd13827dp+1, 0x1.ee3d4fd908b31p+4, 0x1.711f1d8faef6fp-1},
    {25, 0x1.25cc3f3f9be56p+4, 0x1.e0aaf0408936bp+0, 0x1.137ce2181eac4p+4, 0x1.85213eea06f6cp-2},
    {50, 0x1.30ad5e0b30186p+4, 0x1.5ab4c2a0b581p+0, 0x1.9c87617b5d7d8p+3, 0x1.e32d71410be2p-8},
    {51, 0x1.30ad525ae7257p+4, 0x1.5ab4b09e49d0ep+0, 0x1.9c87541a5e497p+3, -0x1.ed5b3a9af2905p-8},
    {75, 0x1.269de27674389p+4, 0x1.d682a327a2105p+0, 0x1.0e0f5fb35082dp+4, -0x1.75e6ee9f7447bp-2},
    {99, 0x1.09d4951b74319p+4, 0x1.ac58ede6986f6p+1, 0x1.ee3c8d417ef72p+4, -0x1.70f868294407p-1},
    {100, 0x1.0834f1551552dp+4, 0x1.b95307a5bbad9p+1, 0x1.fe215adc024c2p+4, -0x1.7463e325c105dp-1},
};

constexpr NodeGolden kEpsilonFine590[]{
    {1, 0x1.0834f1551552dp+4, 0x1.b95307a5bbad9p+1, 0x1.d8e2cfc6be211p+3, 0x1.966ad517e5ee5p-1},
    {2, 0x1.0b266b0371f2dp+4, 0x1.a3e8bd8331654p+1, 0x1.a376a37e727ap+3, 0x1.96889a5be2623p-1},
    {25, 0x1.36931972b9df1p+4, 0x1.8e717a096fa08p+0, 0x1.1df9fff0aa4f7p+1, 0x1.ad3c469283461p-2},
    {50, 0x1.44a51fa467a4p+4, 0x1.eab05e97fe5c9p-1, 0x1.7f3767ec7e2bap-1, 0x1.1015396b31b83p-7},
    {51, 0x1.44a52bd832c1cp+4, 0x1.eaaf157e7419fp-1, 0x1.7f36105dafcaep-1, -0x1.0b1026e0d48b1p-7},
    {75, 0x1.37b4cfaf4e7bep+4, 0x1.831c5c44e8b64p+0, 0x1.0ca96ff844a51p+1, -0x1.9c61bd6c8e8acp-2},
    {99, 0x1.0b26735716522p+4, 0x1.a3e9171a73bcep+1, 0x1.a3774e5dfd047p+3, -0x1.968d3313cdfafp-1},
    {100, 0x1.0834f1551552dp+4, 0x1.b95307a5bbad9p+1, 0x1.d8e2cfc6be211p+3, -0x1.966f4f34fea59p-1},
};

constexpr NodeGolden kOmegaFine590[]{
    {1, 0x1.0834f1551552dp+4, 0x1.b95307a5bbad9p+1, 0x1.7cfbbeff0b7p+5, 0x1.9aea9a3a43eedp-1},
    {2, 0x1.0b2ec140731d9p+4, 0x1.a87a07e2925ddp+1, 0x1.6aa8cfe4b429bp+5, 0x1.98f0f6e01f882p-1},
    {25, 0x1.3ac80beeb197fp+4, 0x1.ab44bf483fe04p+0, 0x1.3e467dcd7596p+4, 0x1.afbd13ff44463p-2},
    {50, 0x1.4c1860323ebcbp+4, 0x1.0dc9862d11897p+0, 0x1.9f796e85d92c1p+3, 0x1.0d76dbde3526ap-7},
    {51, 0x1.4c1857f991454p+4, 0x1.0dc9987057ffdp+0, 0x1.9f797956d167ep+3, -0x1.0ff3be40593e8p-7},
    {75, 0x1.3c194643e36e7p+4, 0x1.9ff15638ee2fp+0, 0x1.359c13a691991p+4, -0x1.9ed5c6f97321cp-2},
    {99, 0x1.0b2e992605831p+4, 0x1.a8788df680f02p+1, 0x1.6aa84b0647306p+5, -0x1.98db553986a87p-1},
    {100, 0x1.0834f1551552dp+4, 0x1.b95307a5bbad9p+1, 0x1.7cfbbeff0b7p+5, -0x1.9ad4f0842899cp-1},
};

// A single interior node at a high Reynolds number: k-epsilon never settles
// and runs all 500000 iterations, so this is the state after the last one.
constexpr NodeGolden kEpsilonFour[]{
    {1, 0x1.0834f1551552dp+4, 0x1.b95307a5bbad9p+1, 0x1.f4f0443cd66c4p+6, 0x1.24fa2461dbeb5p-1},
    {2, 0x1.a96f5bc0b0ce5p+5, 0x1.68106cf6d9605p+1, 0x1.f4d21df5117c2p+6, 0x0p+0},
    {3, 0x1.0834f1551552dp+4, 0x1.b95307a5bbad9p+1, 0x1.f4f0443cd66c4p+6, -0x1.24fa2461dbeb5p-1},
};

constexpr NodeGolden kOmegaFour[]{
    {1, 0x1.0834f1551552dp+4, 0x1.b95307a5bbad9p+1, 0x1.93958712836fbp+8, 0x1.0a3a73e26d782p-1},
    {2, 0x1.30a4dffbec199p+6, 0x1.80f434b5518efp-4, 0x1.a4268bebb6d7cp+3, 0x0p+0},
    {3, 0x1.0834f1551552dp+4, 0x1.b95307a5bbad9p+1, 0x1.93958712836fbp+8, -0x1.0a3a73e26d782p-1},
};

struct GoldenRun {
  const char *name;
  std::int32_t model;
  std::int32_t gridCount;
  double reynolds;
  std::int32_t iterations; // 0: not converged
  std::span<const NodeGolden> nodes;
};

void PrintTo(const GoldenRun &run, std::ostream *os) { *os << run.name; }

class ConvergedState : public ::testing::TestWithParam<GoldenRun> {};

TEST_P(ConvergedState, IsBitExact) {
  inProgramMode([] {
    static ChannelState state{};
    const GoldenRun &golden = GetParam();
    setupRun(state, golden.model, golden.gridCount, golden.reynolds);
    EXPECT_EQ(iterateUntilConverged(state), golden.iterations);
    const NodeArray &dissipation = golden.model == KEpsilon ? state.eps : state.omega;
    for (const NodeGolden &g : golden.nodes) {
      EXPECT_EQ(state.u[g.node], g.u) << "node " << g.node;
      EXPECT_EQ(state.k[g.node], g.k) << "node " << g.node;
      EXPECT_EQ(dissipation[g.node], g.dissipation) << "node " << g.node;
      EXPECT_EQ(state.uv[g.node], g.uv) << "node " << g.node;
    }
  });
}

INSTANTIATE_TEST_SUITE_P(Runs, ConvergedState,
                         ::testing::Values(GoldenRun{"KEpsilonTen", KEpsilon, 10, 1000.0, 146, kEpsilonTen},
                                           GoldenRun{"KOmegaTen", KOmega, 10, 1000.0, 58, kOmegaTen},
                                           GoldenRun{"KEpsilonFine", KEpsilon, 101, 395.0, 4281, kEpsilonFine},
                                           GoldenRun{"KOmegaFine", KOmega, 101, 395.0, 4039, kOmegaFine},
                                           GoldenRun{"KEpsilonFine590", KEpsilon, 101, 590.0, 3604, kEpsilonFine590},
                                           GoldenRun{"KOmegaFine590", KOmega, 101, 590.0, 3785, kOmegaFine590},
                                           GoldenRun{"KEpsilonFourNeverSettles", KEpsilon, 4, 5000.0, 0, kEpsilonFour},
                                           GoldenRun{"KOmegaFour", KOmega, 4, 5000.0, 363, kOmegaFour}),
                         [](const auto &info) { return std::string(info.param.name); });

// A broken-down run must run to its limit instead of reporting convergence.
TEST(RunDriver, NotANumberProfilesNeverConverge) {
  inProgramMode([] {
    static ChannelState state{};
    setupRun(state, KEpsilon, 10, 1000.0);
    state.maxIterations = 20;
    for (std::int32_t j = 2; j <= 8; ++j) {
      state.u[j] = state.k[j] = state.eps[j] = std::numeric_limits<double>::quiet_NaN();
    }
    EXPECT_EQ(iterateUntilConverged(state), 0);
  });
}

TEST(FloatingPointMode, SubnormalResultsAndOperandsBecomeZero) {
  volatile double tiny = 1e-300;
  volatile double subnormal = 4e-310;
  EXPECT_NE(tiny * 1e-10, 0.0) << "the default mode keeps subnormals";
  inProgramMode([&] {
    EXPECT_EQ(tiny * 1e-10, 0.0);
    EXPECT_EQ(subnormal * 1e10, 0.0);
  });
}

} // namespace
} // namespace turbchannel
