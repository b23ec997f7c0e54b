"""The logic's own cost per tick, natively: instructions from callgrind and
the driver's counts of allocations, state queries, shell and power calls."""
import os
import re
import subprocess

RUNS = (1000, 11000)  # two lengths: their difference cancels start-up and exit


def instructions(binary, mode, ticks, out):
    path = os.path.join(out, f"callgrind.{mode}.{ticks}")
    subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={path}", binary, mode,
                    str(ticks)], check=True, capture_output=True)
    with open(path) as f:
        for line in f:
            match = re.match(r"(?:summary|totals): (\d+)", line)
            if match:
                return int(match.group(1))
    raise RuntimeError(f"no instruction total in {path}")


def counts(binary, mode, ticks):
    line = subprocess.run([binary, mode, str(ticks)], check=True, capture_output=True,
                          text=True).stdout
    return {key: float(value) for key, value in re.findall(r"(\w+)=([\d.e+-]+)", line)
            if key != "ticks"}


def measure(binary, out):
    results = {}
    for mode in ("poller", "hold", "hours", "countdown"):
        short, long_ = (instructions(binary, mode, n, out) for n in RUNS)
        tick = counts(binary, mode, RUNS[1])
        tick["instructions_per_tick"] = (long_ - short) / (RUNS[1] - RUNS[0])
        results[mode] = tick
        print(f"  {mode}: {tick['instructions_per_tick']:.0f} instructions, "
              f"{tick['allocations_per_tick']:g} allocations per tick", flush=True)
    return results
