// Cost of the record library's output path as the programs use it: one E
// field of the boundary-layer table (1P E24.10), and one whole 97-character
// record of four such fields written to a file unit.
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "recordfmt/recordfmt.hpp"

namespace {

// Values of the kinds a table holds: zero, exact ones, fractions near 1, a
// few magnitudes apart, negative.
constexpr std::array<double, 8> sampleValues{0.0,          1.0,  0.99154,   0.3320573362,
                                             8.4270079e-1, 10.0, 1.6513e-5, -2.2334e-1};

void BM_RenderE(benchmark::State &bench) {
  std::size_t next = 0;
  for (auto _ : bench) {
    const recordfmt::FieldText text = recordfmt::renderE(sampleValues[next], 24, 10, 1);
    benchmark::DoNotOptimize(text);
    next = (next + 1) % sampleValues.size();
  }
  bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_RenderE);

constexpr recordfmt::FormatSpec tableRecord = recordfmt::compileFormat("(1H ,1P,4E24.10)");
constexpr std::int32_t benchUnit = 40;

// One record per statement, each handed to the operating system as the
// programs' records are; /dev/null takes the bytes at no cost of its own.
void BM_TableRecord(benchmark::State &bench) {
  recordfmt::openUnit(benchUnit, "/dev/null");
  std::size_t next = 0;
  for (auto _ : bench) {
    const std::array<double, 4> row{sampleValues[next], sampleValues[(next + 1) % sampleValues.size()],
                                    sampleValues[(next + 2) % sampleValues.size()],
                                    sampleValues[(next + 3) % sampleValues.size()]};
    recordfmt::writeFormatted(benchUnit, tableRecord, std::span<const double>(row));
    next = (next + 1) % sampleValues.size();
  }
  recordfmt::closeUnit(benchUnit);
  bench.SetItemsProcessed(bench.iterations());
  bench.SetBytesProcessed(bench.iterations() * 98);
}
BENCHMARK(BM_TableRecord);

} // namespace

BENCHMARK_MAIN();
