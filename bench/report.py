"""Prints the benchmark table from Google Benchmark's JSON output (medians of repetitions).

Time per operation is CPU time (thread CPU time for the manually timed workloads) divided by
the operations one iteration makes (the "ops" counter).
"""
import json
import re
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


def main():
    context, results = load(sys.argv[1])
    rows = []
    for ours, base, target in PAIRS:
        for name in sorted((n for n in results if split(n)[0] == ours),
                           key=lambda n: int(split(n)[1] or 0)):
            arg = split(name)[1]
            base_name = f"{base}/{arg}" if arg else base
            if base_name not in results:
                continue
            a, b = results[name]["ns"], results[base_name]["ns"]
            ratio = a / b
            verdict = "" if target is None else ("met" if ratio <= target else "MISSED")
            rows.append((name, fmt(a), base_name, fmt(b), f"{ratio:.2f}",
                         "" if target is None else f"<= {target}", verdict))
    for name in sorted(results, key=lambda n: (split(n)[0], int(split(n)[1] or 0))):
        if split(name)[0] in ("Clone_UserProfile", "Clone_Message", "MessageList_AddHead",
                              "MessageList_Walk", "Factory_CreateRelease"):
            rows.append((name, fmt(results[name]["ns"]), "", "", "", "", ""))
    header = ("workload", "ns/op", "baseline", "ns/op", "ratio", "target", "")
    widths = [max(len(str(r[i])) for r in rows + [header]) for i in range(len(header))]
    line = lambda r: "| " + " | ".join(str(c).ljust(w) for c, w in zip(r, widths)) + " |"
    print(line(header))
    print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
    for r in rows:
        print(line(r))

    print()
    print("Cost per add at N buddies relative to 1,000:")
    print()
    print("| workload | 100,000 / 1,000 | 1,000,000 / 1,000 |")
    print("|---|---|---|")
    for name in ("List_Add", "List_AddIndexed", "Plain_Add"):
        if f"{name}/1000" not in results:
            continue
        first = results[f"{name}/1000"]["ns"]
        growth = [results[f"{name}/{n}"]["ns"] / first if f"{name}/{n}" in results else None
                  for n in ("100000", "1000000")]
        print(f"| {name} | " + " | ".join("-" if g is None else f"{g:.2f}" for g in growth) + " |")

    print()
    print("| workload | buddies | bytes/buddy | baseline bytes/buddy | ratio | target |")
    print("|---|---|---|---|---|---|")
    for name in ("List_Add", "List_AddIndexed"):
        for n in ("1000", "100000", "1000000"):
            ours, base = results.get(f"{name}/{n}"), results.get(f"Plain_Add/{n}")
            if ours and base and ours["bytes"] and base["bytes"]:
                ratio = ours["bytes"] / base["bytes"]
                verdict = "met" if ratio <= 1.15 else "MISSED"
                print(f"| {name} | {int(n):,} | {ours['bytes']:,.0f} | {base['bytes']:,.0f} | "
                      f"{ratio:.2f} | <= 1.15 {verdict} |")
    load_avg = context.get("load_avg")
    if load_avg:
        print(f"\nload average at start: {', '.join(f'{x:.2f}' for x in load_avg)}")


if __name__ == "__main__":
    main()
