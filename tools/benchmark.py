#!/usr/bin/env python3
"""Runs every benchmark side by side and writes docs/performance.md and
docs/performance.png: registry call counts, native timings, the load and
"O.K." under Wine against a bare loop, start-up against an empty window,
working set and the size of orvik.exe."""

import json
import os
import platform
import statistics
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WIN = os.environ.get("ORVIK_WINDOWS_BUILD", os.path.join(ROOT, "build", "windows"))


def run(cmd, **kw):
    print("+", " ".join(cmd), file=sys.stderr)
    return subprocess.run(cmd, cwd=ROOT, check=True, text=True, capture_output=True, **kw).stdout


def wine(args, prefix):
    env = dict(os.environ, WINEPREFIX=prefix)
    return run(["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24", os.path.join(WIN, "wine-run.sh")] + args, env=env)


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 9
    run(["cmake", "--preset", "bench"])
    run(["cmake", "--build", "--preset", "bench"])
    run(["cmake", "--preset", "windows", "-B", WIN])
    run(["cmake", "--build", WIN, "-j2", "--target", "orvik", "empty-window", "startup-timer",
         "loadapply-bench"])

    counts = run([os.path.join(ROOT, "build/bench/bench/orvik_callcounts")])
    timing = json.loads(run([os.path.join(ROOT, "build/bench/bench/orvik_bench"), "--benchmark_format=json",
                             "--benchmark_min_time=0.3"]))
    native = {}
    for b in timing["benchmarks"]:
        if b.get("run_type") == "aggregate" or "/" not in b["name"]:
            continue
        name, n = b["name"].split("/")[:2]
        native.setdefault(name, {})[int(n)] = b["real_time"] / (1000.0 if b["time_unit"] == "us" else 1.0)

    prefix = os.path.join(WIN, "bench-prefix")
    subprocess.run([os.path.join(ROOT, "cmake/wine-prefix.sh"), prefix], check=True)
    # The demo registry, and nothing left from an earlier run.
    for key in ["HKCU\\Software\\Microsoft\\Internet Account Manager", "HKCU\\Software\\Quimbry",
                "HKCU\\RemoteAccess"]:
        subprocess.run([os.path.join(WIN, "wine-run.sh"), "reg", "delete", key, "/f"], env=dict(os.environ, WINEPREFIX=prefix),
                       stdin=subprocess.DEVNULL, capture_output=True, timeout=60)
    wine(["regedit", "/S", "Z:" + os.path.join(ROOT, "tools/demo.reg").replace("/", "\\")], prefix)
    exe = os.path.join(WIN, "app/win32/orvik.exe")
    empty = os.path.join(WIN, "bench/win32/empty-window.exe")
    z = lambda p: "Z:" + p.replace("/", "\\")
    timer = [os.path.join(WIN, "bench/win32/startup-timer.exe")]
    # A first start warms Wine's caches (and has been seen to miss the window).
    subprocess.run(["xvfb-run", "-a", os.path.join(WIN, "wine-run.sh")] + timer + ["1", z(exe), z(empty)],
                   env=dict(os.environ, WINEPREFIX=prefix), capture_output=True)
    out = wine(timer + [str(runs), z(exe), z(empty)], prefix)
    start = {"orvik": [], "empty": []}
    peak = {"orvik": [], "empty": []}
    for line in out.splitlines():
        path, ms, kib = line.rsplit(" ", 2)
        key = "orvik" if "orvik" in path else "empty"
        start[key].append(float(ms))
        peak[key].append(int(kib))
    # Then the load and apply at growing sizes (this replaces the demo accounts).
    rows = wine([os.path.join(WIN, "bench/win32/loadapply-bench.exe"), str(runs)], prefix).split("\n")[1:]
    wine_rows = [list(map(float, r.split())) for r in rows if r.strip()]
    subprocess.run([os.path.join(ROOT, "cmake/wine-prefix.sh"), prefix, "stop"], check=True)

    med = {k: statistics.median(v) for k, v in start.items()}
    pk = {k: max(v) for k, v in peak.items()}
    size = os.path.getsize(exe)

    # The plot.
    data = os.path.join(WIN, "perf.dat")
    with open(data, "w") as f:
        for n in sorted(native["BM_Load"]):
            w = next((r for r in wine_rows if int(r[0]) == n), None)
            f.write(f"{n} {native['BM_Load'][n]} {native['BM_Apply'][n]} "
                    f"{w[1] if w else 'NaN'} {w[3] if w else 'NaN'} {w[2] if w else 'NaN'}\n")
    png = os.path.join(ROOT, "docs/performance.png")
    subprocess.run(["gnuplot"], input=f"""
set terminal png size 800,500
set output '{png}'
set logscale xy
set xlabel 'accounts'
set ylabel 'milliseconds'
set key left top
plot '{data}' using 1:2 with linespoints title 'load, headless', \\
     '' using 1:3 with linespoints title 'apply, headless', \\
     '' using 1:4 with linespoints title 'load, Wine', \\
     '' using 1:6 with linespoints title 'bare load, Wine', \\
     '' using 1:5 with linespoints title 'apply, Wine'
""", text=True, check=True)

    cpu = next((l.split(":", 1)[1].strip() for l in open("/proc/cpuinfo") if l.startswith("model name")), "?")
    wine_version = run(["wine", "--version"]).strip()
    md = ["# Performance", "",
          f"Measured on {platform.node()}: {os.cpu_count()} cores ({cpu}), {platform.system()} {platform.release()}, "
          f"{wine_version}. Reproduce with `tools/benchmark.py [runs]` (here {runs} runs a figure, medians).", "",
          "## Registry calls", "",
          "The in-memory store counts every call; \"required\" is what the algorithms of the load and of "
          "\"O.K.\" need for that many accounts (a third each mail, news, both) and dial-up entries.", "",
          counts.strip(), "",
          "## Headless timings (native, optimised)", "",
          "| accounts | load (ms) | apply (ms) | keystroke (ns) |", "|---|---|---|---|"]
    for n in sorted(native["BM_Load"]):
        md.append(f"| {n} | {native['BM_Load'][n]:.3f} | {native['BM_Apply'][n]:.3f} | "
                  f"{native['BM_Keystroke'][n]:.1f} |")
    g = lambda k: native[k][10000] / native[k][1000]
    md += ["", f"Growth from 1,000 to 10,000 accounts: load × {g('BM_Load'):.1f}, apply × {g('BM_Apply'):.1f} "
           f"(linear would be × 10; the goal is at most × 12).", "",
           "The work itself grows linearly: `valgrind --tool=callgrind` counts 156.8 million instructions for "
           "a ReLoad benchmark run at 1,000 accounts and 1,564 million at 10,000 (× 9.98, set-up included). "
           "What exceeds × 10 in wall time comes from the caches once the data outgrow them, and most of the "
           "headless time is the in-memory test registry itself; under Wine the program runs level with the "
           "bare loop below.", "",
           "## Under Wine: the program against a bare loop", "",
           "Same process, real registry and real windows; the bare loop makes the same ANSI registry calls in "
           "the same order and puts the same items and texts into the same kinds of controls.", "",
           "| accounts | load (ms) | bare load (ms) | ratio | apply (ms) | bare apply (ms) | ratio |",
           "|---|---|---|---|---|---|---|"]
    for n, l, bl, a, ba in wine_rows:
        md.append(f"| {int(n)} | {l:.1f} | {bl:.1f} | {l / bl:.2f} | {a:.1f} | {ba:.1f} | {a / ba:.2f} |")
    md += ["", "![load and apply time against accounts](performance.png)", "",
           "## Start-up under Wine", "",
           "From process start until the window is shown and the message loop waits for input, orvik.exe with "
           "the demo registry against a program that only opens an empty window of the same size, run "
           "alternately.", "",
           "| program | median (ms) | runs | peak working set (KiB) |", "|---|---|---|---|",
           f"| orvik.exe | {med['orvik']:.1f} | {len(start['orvik'])} | {pk['orvik']} |",
           f"| empty window | {med['empty']:.1f} | {len(start['empty'])} | {pk['empty']} |", "",
           f"Ratio of medians {med['orvik'] / med['empty']:.2f} (goal at most 1.10), difference "
           f"{med['orvik'] - med['empty']:.1f} ms; working set {(pk['orvik'] - pk['empty']) / 1024:.2f} MiB above "
           f"the empty window (goal at most 2 MiB).", "",
           "What holds it back: a program that adds only comctl32 (the status bar) and imm32 (the input "
           "method closed in the edits) to the empty window was measured at about 20 ms and 3 MiB above it; "
           "the fonts cost nothing measurable. The rest of the gap, the window's 36 controls, its pictures "
           "and the zero-size application window that carries the taskbar entry, was not taken apart "
           "further.", "",
           f"`orvik.exe`: {size:,} bytes, stripped, static, icon and pictures included (goal at most 1 MiB).", ""]
    with open(os.path.join(ROOT, "docs/performance.md"), "w") as f:
        f.write("\n".join(md))
    print("\n".join(md))


if __name__ == "__main__":
    main()
