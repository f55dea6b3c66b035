#!/bin/sh
# Builds the fuzz targets and runs each for a bounded time from the seed
# corpus in this folder (copied, so the repository stays as it is).
# Usage: run_fuzzers.sh [seconds per target] [max executions per target]
set -eu
seconds=${1:-20}
runs=${2:--1}
root="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$root"
cmake --workflow --preset fuzz >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in list_input format_text render_e; do
  mkdir -p "$work/$target"
  cp recordfmt/fuzz/corpus/$target/* "$work/$target/"
  echo "fuzz_$target: up to ${seconds}s"
  (cd "$work" && "$root/build-fuzz/bin/fuzz_$target" -max_total_time="$seconds" -runs="$runs" \
    -print_final_stats=1 "$work/$target" 2>&1) | grep -E 'stat::number_of_executed_units|ERROR|SUMMARY' || true
  if ls "$work"/crash-* "$work"/leak-* "$work"/timeout-* >/dev/null 2>&1; then
    echo "fuzz_$target found a failing input:" >&2
    ls "$work"/crash-* "$work"/leak-* "$work"/timeout-* 2>/dev/null >&2
    exit 1
  fi
done
