#!/bin/sh
# Builds every benchmark (preset "bench": Release, no tests, in build-bench/)
# and runs each binary with five repetitions of every figure, interleaved in
# random order so that a drift in the machine's speed touches a figure and
# its baseline alike; prints the mean, median, standard deviation and
# coefficient of variation of each figure, then the ratio of each median to
# its baseline's. Arguments go to every binary, e.g.
# --benchmark_filter=WholeRun.
set -eu
cd "$(dirname "$0")/.."
cmake --workflow --preset bench
rm -f build-bench/*_bench.json
for component in recordfmt turbchannel wingsection shearprofile; do
  binary=build-bench/bin/${component}_bench
  if [ -x "$binary" ]; then
    echo "== ${component}_bench"
    "$binary" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
      --benchmark_enable_random_interleaving=true \
      --benchmark_out="build-bench/${component}_bench.json" --benchmark_out_format=json "$@"
  fi
done
python3 bench/ratios.py build-bench/*_bench.json
