#!/usr/bin/env python3
"""Turns the benchmark's TSV files into plain-text tables and a gnuplot PNG.

    report.py DATA_DIR OUT_DIR

Reads startup.tsv, steady.tsv, ticks.tsv and sizes.tsv (see measure.sh);
prints the tables and draws OUT_DIR/bench.png.
"""
import collections
import csv
import math
import os
import statistics
import subprocess
import sys


def rows(path):
    if not os.path.exists(path):
        return []
    with open(path, newline="") as f:
        return list(csv.reader(f, delimiter="\t"))


def percentile(values, p):
    """Nearest rank: a value that was really measured, never an interpolation."""
    ordered = sorted(values)
    return ordered[max(0, math.ceil(p / 100 * len(ordered)) - 1)]


def spread(values):
    if not values:
        return "-"
    return f"{statistics.median(values):.0f} [{min(values):.0f}-{max(values):.0f}]"


def table(header, lines):
    widths = [max(len(str(row[i])) for row in [header] + lines) for i in range(len(header))]
    def fmt(row):
        return "  ".join(str(c).ljust(w) if i == 0 else str(c).rjust(w)
                         for i, (c, w) in enumerate(zip(row, widths)))
    return "\n".join([fmt(header), fmt(["-" * w for w in widths])] + [fmt(r) for r in lines])


def main(data, out):
    startup = collections.defaultdict(lambda: ([], []))
    order = []
    for config, program, _, mapped, painted in rows(f"{data}/startup.tsv"):
        key = (config, program)
        if key not in order:
            order.append(key)
        startup[key][0].append(float(mapped))
        startup[key][1].append(float(painted))

    steady = collections.defaultdict(dict)
    for config, program, name, value in rows(f"{data}/steady.tsv"):
        steady[(config, program)][name] = float(value)
        if (config, program) not in order:
            order.append((config, program))

    ticks = collections.defaultdict(lambda: collections.defaultdict(list))
    settled = collections.defaultdict(lambda: collections.defaultdict(list))
    seconds = collections.defaultdict(collections.Counter)
    for config, program, phase, _, first, last in rows(f"{data}/ticks.tsv"):
        seconds[(config, program)][phase] += 1
        if first != "skip":
            ticks[(config, program)][phase].append(float(first))
            settled[(config, program)][phase].append(float(last))

    # Displays in the order they ran, programs in the order they were launched.
    configs = list(dict.fromkeys(k[0] for k in order))
    programs = list(dict.fromkeys(k[1] for k in order))
    order = [(c, p) for c in configs for p in programs if (c, p) in set(order)]

    label = lambda key: f"{key[1]} ({key[0]})"
    n = max((len(v[0]) for v in startup.values()), default=0)
    text = []
    text.append(f"Start-up, ms from launch: median [min-max] over {n} alternating launches")
    text.append(table(["program (display)", "window mapped", "time painted"],
                      [[label(k), spread(startup[k][0]), spread(startup[k][1])] for k in order]))

    def val(k, name, scale=1.0, digits=0):
        v = steady[k].get(name)
        return "-" if v is None else f"{v * scale:.{digits}f}"

    text.append("\nIdle: memory at the end of the idle phase, rates over it")
    text.append(table(
        ["program (display)", "RSS MiB", "private MiB", "dirty MiB", "CPU ms/min", "sched ms/min",
         "wake-ups/min", "write_bytes", "wchar", "changes/min", "load"],
        [[label(k), val(k, "rss_kb", 1 / 1024, 1), val(k, "private_kb", 1 / 1024, 1),
          val(k, "private_dirty_kb", 1 / 1024, 1),
          val(k, "cpu_ms_per_min", 1, 0), val(k, "sched_ms_per_min", 1, 1),
          val(k, "wakeups_per_min"), val(k, "write_bytes"),
          val(k, "wchar"),
          "-" if "changes_idle" not in steady[k] or not seconds[k]["idle"] else
          f"{steady[k]['changes_idle'] * 60 / seconds[k]['idle']:.0f}",
          val(k, "load1", 1, 2)] for k in order]))

    def late(k, phase):
        v, done = ticks[k][phase], settled[k][phase]
        total = seconds[k][phase]
        if not total:
            return ["-"] * 5
        skipped = f"{total - len(v)}/{total}"
        if not v:
            return ["-", "-", "-", "-", skipped]
        return [f"{percentile(v, 50):.1f}", f"{percentile(v, 99):.1f}", f"{max(v):.1f}",
                f"{percentile(done, 50):.1f}", skipped]

    text.append("private: Private_Clean+Private_Dirty; dirty: Private_Dirty alone (clean private pages"
                " are library pages\nno other process maps at that moment). load: 1-minute load average"
                " at the end of the phase.")
    text.append("CPU ms/min: utime+stime, in 10 ms clock ticks; sched ms/min: the same time in ns"
                " from schedstat.\nwake-ups: voluntary + nonvoluntary context switches of all threads."
                " write_bytes: bytes sent\ntowards the disk; wchar: every write(), the X socket's included."
                " changes/min: pixel changes seen.\nUnder Wine: the program's process only, not wineserver.")
    text.append("\nTick lateness, ms after each wall-clock second until the window first changed"
                "\n(settled: its last change in that second, when a clock draws in steps)")
    text.append(table(
        ["program (display)", "idle p50", "p99", "max", "settled p50", "skipped",
         "busy p50", "p99", "max", "settled p50", "skipped"],
        [[label(k)] + late(k, "idle") + late(k, "busy") for k in order]))

    # Counts, not times: what other work on the machine cannot change.
    text.append("\nPer tick: Linux CPU (sched ms/min / 60, one tick a second); under Wine the"
                " wineserver's\nrequests from the program's threads, and the five most frequent")
    requests = collections.defaultdict(list)
    for config, program, request, per_tick in rows(f"{data}/requests.tsv"):
        requests[(config, program)].append(f"{request} {per_tick}")
    text.append(table(
        ["program (display)", "CPU ms/tick", "requests/tick", "requests to first paint",
         "most frequent requests/tick"],
        [[label(k), val(k, "sched_ms_per_min", 1 / 60, 2), val(k, "requests_per_tick", 1, 1),
          val(k, "requests_to_first_paint", 1, 0), ", ".join(requests[k][:5]) or "-"]
         for k in order]))

    sizes = rows(f"{data}/sizes.tsv")
    if sizes:
        text.append("\nFile sizes")
        text.append(table(["file", "bytes"], [[f, b] for f, b in sizes]))

    print("\n".join(text))
    skipped = {k: [seconds[k][p] - len(ticks[k][p]) for p in ("idle", "busy")] for k in order}
    plot(order, startup, ticks, skipped, out)


def plot(order, startup, ticks, skipped, out):
    """Left: every launch's start times; right: lateness idle and busy (boxes)."""
    with open(f"{out}/startup.dat", "w") as f:
        for x, k in enumerate(order):
            for mapped, painted in zip(*startup[k]):
                f.write(f"{x}\t{mapped}\t{painted}\n")
    # One data block per box: block 2x is program x idle, 2x+1 the same busy.
    with open(f"{out}/lateness.dat", "w") as f:
        for k in order:
            for phase in ("idle", "busy"):
                values = ticks[k][phase] or [math.nan]
                f.write("".join(f"{max(v, 0.01)}\n" for v in values) + "\n\n")
    tics = ", ".join(f'"{k[1]}\\n{k[0]}" {x}' for x, k in enumerate(order))
    skip_tics = ", ".join(f'"{k[1]}\\n{k[0]}\\nskipped {skipped[k][0]}/{skipped[k][1]}" {x}'
                          for x, k in enumerate(order))
    script = f"""
set terminal pngcairo size 1600,700 font "Sans,10"
set output "{out}/bench.png"
set multiplot layout 1,2 title "Talvorin benchmark (Xvfb)"
set xtics ({tics}) rotate by -35
set bmargin 7
set xrange [-0.6:{len(order) - 0.4}]
set grid ytics
set key top left
set logscale y
set title "Start-up: launch to window mapped and to time painted\\n(every launch)"
set ylabel "ms"
plot "{out}/startup.dat" using ($1-0.12):2 with points pt 7 ps 0.8 title "mapped", \\
     "" using ($1+0.12):3 with points pt 5 ps 0.8 title "painted"
set title "Tick lateness after each wall-clock second\\n(box: quartiles, whiskers: 1.5 IQR, dots: outliers; seconds skipped idle/busy below)"
set xtics ({skip_tics}) rotate by -35
set style fill solid 0.3 border
set boxwidth 0.3
set ylabel "ms (log)"
pos(b) = int(b / 2) + (b % 2 ? 0.18 : -0.18)
plot for [b=0:{2 * len(order) - 1}] "{out}/lateness.dat" index b using (pos(b)):1 with boxplot \\
     lc rgb (b % 2 ? "#d62728" : "#1f77b4") pt 7 ps 0.4 \\
     title (b == 0 ? "idle" : b == 1 ? "every core busy" : "")
unset multiplot
"""
    try:
        subprocess.run(["gnuplot"], input=script, text=True, check=True)
        print(f"Plot: {out}/bench.png")
    except (OSError, subprocess.CalledProcessError) as e:
        print(f"bench: gnuplot failed: {e}", file=sys.stderr)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
