"""Median CPU time of each benchmark over that of its baseline in the same run.

A figure BM_<Name>/<args> is set against BM_Baseline<Name>/<args>, the
straightforward version of the same code in the same binary; the boundary-layer
run and sweep are also set against the bare recurrences that bound them from
below. Machine noise largely cancels in such ratios.
"""

import json
import sys

# Figures measured against a lower bound as well as against a baseline.
BOUNDS = {"BM_WholeRun": "BM_BareRecurrencesWholeRun", "BM_RelaxSweep": "BM_BareRecurrences"}
SECONDS_PER_UNIT = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def median_seconds(path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    if not text.strip():
        return {}  # a binary whose filter matched nothing
    report = json.loads(text)
    return {
        b["run_name"]: b["cpu_time"] * SECONDS_PER_UNIT[b["time_unit"]]
        for b in report["benchmarks"]
        if b.get("aggregate_name") == "median"
    }


def ratio_lines(seconds):
    for name, t in sorted(seconds.items()):
        base, _, args = name.partition("/")
        if base.startswith("BM_Baseline") or base.startswith("BM_Bare"):
            continue
        suffix = "/" + args if args else ""
        baseline = "BM_Baseline" + base[len("BM_") :] + suffix
        if baseline in seconds:
            yield f"  {name}: {t / seconds[baseline]:.3f} of {baseline}"
        bound = BOUNDS.get(base, "") + suffix
        if bound in seconds:
            yield f"  {name}: {t / seconds[bound]:.3f} of {bound}"


def main(paths):
    for path in paths:
        lines = list(ratio_lines(median_seconds(path)))
        if lines:
            print(f"== ratios of median CPU times in {path}")
            print("\n".join(lines))


if __name__ == "__main__":
    main(sys.argv[1:])
