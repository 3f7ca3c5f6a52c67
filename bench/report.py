"""Prints the benchmark table from Google Benchmark's JSON outputs, one file per run.

Time per operation is CPU time (thread CPU time for the manually timed workloads) divided by
the operations one iteration makes (the "ops" counter), the median of a run's repetitions.
Ratios are taken within one run (the machine is shared); the table shows the median over the
runs and, as the spread, the smallest and largest ratio of any run.
"""
import json
import re
import statistics
import sys

# (workload, baseline doing the same work, target ratio or None)
PAIRS = [
    ("List_Add", "Plain_Add", None),
    ("List_AddIndexed", "Plain_Add", 1.3),
    ("List_FindKey", "Plain_FindKey", 1.2),
    ("List_FindKey", "Plain_FindKeyByValue", None),
    ("List_FindMiss", "Plain_FindMiss", None),
    ("List_FindMiss", "Plain_FindMissByValue", None),
    ("List_FindEmail", "List_FindKey", 2.0),
    ("List_FindEmail", "Plain_ScanEmail", None),
    ("List_FindBlii", "List_FindKey", 2.0),
    ("List_FindBlii", "Plain_ScanBlii", None),
    ("List_Presence", "Plain_Update", None),
    ("List_Presence", "Plain_UpdateByValue", 1.3),
    ("List_RemoveKey", "Plain_Erase", 1.3),
    ("List_RemoveBlii", "Plain_Erase", 1.3),
    ("List_GetList", "Plain_CopyOut", 1.0),
    ("Clone_Buddy", "Plain_CopyBuddy", 1.2),
]
UNIT_NS = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}


def load(path):
    with open(path) as f:
        data = json.load(f)
    results = {}
    for run in data["benchmarks"]:
        if run.get("aggregate_name", "median") != "median":
            continue
        name = run["run_name"]
        manual = name.endswith("/manual_time")
        name = re.sub(r"/manual_time$", "", name)
        scale = UNIT_NS[run["time_unit"]]
        total = run["real_time"] if manual else run["cpu_time"]
        ops = run.get("ops", 1.0) or 1.0
        results[name] = {"ns": total * scale / ops, "bytes": run.get("bytes_per_buddy")}
    return data.get("context", {}), results


def split(name):
    base, _, arg = name.partition("/")
    return base, arg


def fmt(ns):
    if ns is None:
        return "-"
    return f"{ns:,.0f}" if ns >= 100 else f"{ns:.1f}"


def median(values):
    return statistics.median(values) if values else None


def main():
    runs = [load(path) for path in sys.argv[1:]]
    context = runs[0][0]
    names = set().union(*(results.keys() for _, results in runs))
    rows = []
    for ours, base, target in PAIRS:
        for name in sorted((n for n in names if split(n)[0] == ours),
                           key=lambda n: int(split(n)[1] or 0)):
            arg = split(name)[1]
            base_name = f"{base}/{arg}" if arg else base
            pairs = [(r[name]["ns"], r[base_name]["ns"]) for _, r in runs
                     if name in r and base_name in r]
            if not pairs:
                continue
            ratios = [a / b for a, b in pairs]
            ratio = median(ratios)
            verdict = "" if target is None else ("met" if ratio <= target else "MISSED")
            spread = f"{min(ratios):.2f}..{max(ratios):.2f}"
            rows.append((name, fmt(median([a for a, _ in pairs])), base_name,
                         fmt(median([b for _, b in pairs])), f"{ratio:.2f}", spread,
                         "" if target is None else f"<= {target}", verdict))
    for name in sorted(names, key=lambda n: (split(n)[0], int(split(n)[1] or 0))):
        if split(name)[0] in ("Clone_UserProfile", "Clone_Message", "MessageList_AddHead",
                              "MessageList_Walk", "Factory_CreateRelease"):
            ns = median([r[name]["ns"] for _, r in runs if name in r])
            rows.append((name, fmt(ns), "", "", "", "", "", ""))
    header = ("workload", "ns/op", "baseline", "ns/op", "ratio", "spread", "target", "")
    widths = [max(len(str(r[i])) for r in rows + [header]) for i in range(len(header))]
    line = lambda r: "| " + " | ".join(str(c).ljust(w) for c, w in zip(r, widths)) + " |"
    print(f"{len(runs)} run(s); ns/op and ratio are medians over the runs, spread is min..max "
          "of the runs' ratios.")
    print()
    print(line(header))
    print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
    for r in rows:
        print(line(r))

    print()
    print("| workload | buddies | bytes/buddy | baseline bytes/buddy | ratio | spread | target |")
    print("|---|---|---|---|---|---|---|")
    for name in ("List_Add", "List_AddIndexed"):
        for n in ("1000", "100000", "1000000"):
            pairs = [(r[f"{name}/{n}"]["bytes"], r[f"Plain_Add/{n}"]["bytes"]) for _, r in runs
                     if f"{name}/{n}" in r and f"Plain_Add/{n}" in r
                     and r[f"{name}/{n}"]["bytes"] and r[f"Plain_Add/{n}"]["bytes"]]
            if not pairs:
                continue
            ratios = [a / b for a, b in pairs]
            ratio = median(ratios)
            verdict = "met" if ratio <= 1.15 else "MISSED"
            print(f"| {name} | {int(n):,} | {median([a for a, _ in pairs]):,.0f} | "
                  f"{median([b for _, b in pairs]):,.0f} | {ratio:.2f} | "
                  f"{min(ratios):.2f}..{max(ratios):.2f} | <= 1.15 {verdict} |")
    for index, (run_context, _) in enumerate(runs):
        load_avg = run_context.get("load_avg")
        if load_avg:
            print(f"\nrun {index + 1}: {run_context.get('date', '')}, load average at start: "
                  f"{', '.join(f'{x:.2f}' for x in load_avg)}", end="")
    print()


if __name__ == "__main__":
    main()
