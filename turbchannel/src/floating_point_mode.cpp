#include "turbchannel/floating_point_mode.hpp"

#if defined(__x86_64__)
#include <pmmintrin.h>
#include <xmmintrin.h>
#elif defined(__aarch64__)
#include <cstdint>
#else
#error "turbchannel needs flush-to-zero control: supported are x86-64 (MXCSR) and 64-bit Arm (FPCR)"
#endif

namespace turbchannel {

#if defined(__x86_64__)

void enableFlushToZero() {
  _MM_SET_FLUSH_ZERO_MODE(_MM_FLUSH_ZERO_ON);
  _MM_SET_DENORMALS_ZERO_MODE(_MM_DENORMALS_ZERO_ON);
}

#elif defined(__aarch64__)

// FPCR.FZ flushes subnormal operands and results of double arithmetic alike.
constexpr std::uint64_t fpcrFlushToZero = std::uint64_t{1} << 24;

void enableFlushToZero() {
  std::uint64_t fpcr = 0;
  __asm__ __volatile__("mrs %0, fpcr" : "=r"(fpcr));
  fpcr |= fpcrFlushToZero;
  __asm__ __volatile__("msr fpcr, %0" : : "r"(fpcr));
}

#endif

} // namespace turbchannel
