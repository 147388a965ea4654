#!/usr/bin/env python3
"""Reads quillmoor-bench's --benchmark_format=json output and prints the speed
goals as ratios, each with pass or fail.

    xvfb-run -a -s "-screen 0 1024x768x24" quillmoor-bench \\
        --benchmark_format=json --benchmark_repetitions=3 > run.json
    python3 bench/ratios.py run.json

With repetitions, the median of each benchmark is used. Exits 1 when a goal
fails or a benchmark it needs is missing from the run.
"""
import argparse
import json
import statistics
import sys

FRAME_BUDGET_MS = 1000.0 / 60.0


def figures(report):
    """Benchmark name -> {"time": ns, "counters": {...}}, medians over repetitions."""
    runs, medians = {}, {}
    for b in report.get("benchmarks", []):
        if b.get("error_occurred"):
            continue
        name = b.get("run_name", b["name"])
        if b.get("run_type") != "aggregate":
            runs.setdefault(name, []).append(b)
        elif b.get("aggregate_name") == "median":
            medians[name] = [b]  # a run with --benchmark_report_aggregates_only
    for name, median in medians.items():
        runs.setdefault(name, median)
    out = {}
    for name, reps in runs.items():
        scale = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}[reps[0].get("time_unit", "ns")]
        # Wall time where the benchmark asked for it (drawing waits on the
        # rasteriser's threads), else this thread's CPU time.
        key = "real_time" if name.endswith("/real_time") else "cpu_time"
        counters = {}
        for counter in ("ns_per_object", "ns_per_sprite", "bytes_per_object"):
            if counter in reps[0]:
                counters[counter] = statistics.median(r[counter] for r in reps)
        short = name[: -len("/real_time")] if name.endswith("/real_time") else name
        out[short] = {"time": statistics.median(r[key] * scale for r in reps),
                      "counters": counters, "label": reps[0].get("label", "")}
    return out


def goals(f):
    """(goal, measured ratio or figure, limit, passes) for every goal."""
    def t(name):
        return f[name]["time"]

    def c(name, counter):
        return f[name]["counters"][counter]

    rows = [
        ("sort sorted / floor <= 2", lambda: t("BM_DepthSort/sorted/100000") / t("BM_SortFloor/100000"), 2.0, "le"),
        ("sort nearly: std::stable_sort / ours >= 8",
         lambda: t("BM_StdStableSort/nearly/100000") / t("BM_DepthSort/nearly/100000"), 8.0, "ge"),
        ("sort random: ours / std::stable_sort <= 1.5",
         lambda: t("BM_DepthSort/random/100000") / t("BM_StdStableSort/random/100000"), 1.5, "le"),
        ("world pass ns/object 100000 / 1000 <= 1.5",
         lambda: c("BM_WorldPass/100000", "ns_per_object") / c("BM_WorldPass/1000", "ns_per_object"), 1.5, "le"),
        ("drawing 1000: naive / batched >= 2.5",
         lambda: t("BM_DrawNaive/1000") / t("BM_DrawBatched/1000"), 2.5, "ge"),
        ("drawing 10000: naive / batched >= 1.25",
         lambda: t("BM_DrawNaive/10000") / t("BM_DrawBatched/10000"), 1.25, "ge"),
        ("whole frame, 100000 objects (ms) <= 16.7",
         lambda: t("BM_WholeFrame/100000") / 1e6, FRAME_BUDGET_MS, "le"),
    ]
    out = []
    for goal, measure, limit, sense in rows:
        try:
            value = measure()
        except KeyError as missing:
            out.append((goal, None, limit, False, f"missing {missing}"))
            continue
        ok = value <= limit if sense == "le" else value >= limit
        out.append((goal, value, limit, ok, ""))
    return out


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("json", nargs="?", help="benchmark JSON (default: standard input)")
    args = parser.parse_args()
    text = open(args.json).read() if args.json else sys.stdin.read()
    # Anything printed before the JSON (say, by a driver) is skipped.
    report = json.loads(text[text.index("{"):])
    f = figures(report)
    rows = goals(f)
    width = max(len(r[0]) for r in rows)
    for goal, value, _, ok, note in rows:
        shown = f"{value:8.2f}" if value is not None else "       -"
        print(f"{goal:<{width}}  {shown}  {'pass' if ok else 'FAIL'} {note}".rstrip())
    renderers = sorted({v["label"] for k, v in f.items() if k.startswith("BM_Draw") and v["label"]})
    if renderers:
        print("renderer:", ", ".join(renderers))
    return 0 if all(r[3] for r in rows) else 1


if __name__ == "__main__":
    sys.exit(main())
