#!/usr/bin/env python3
"""Measures Blinkward beside the minimal tray program under Wine, in one run.

Run by scripts/bench, which builds everything and starts the Wine session
(WINEPREFIX and DISPLAY are in the environment). Prints a Markdown table of
median (min-max) for each program and the ratio Blinkward / baseline, writes
it with the raw samples under the output directory, and draws the ratios.
It measures and reports; nothing here passes or fails on a number.
"""
import argparse
import json
import os
import re
import statistics
import subprocess
import sys
import time

import chart
import logic
import report

WINE = "/usr/lib/wine/wine64" if os.path.exists("/usr/lib/wine/wine64") else "wine"
PAUSE = 3.0  # seconds between launches, so one start-up never overlaps another's
IDLE_SAMPLE = 10.0  # seconds after launch at which the idle memory is read
# The hold: programs listed (the last one is the one started), and the wait
# before a run counts as not noticed.
HOLD_PROGRAMS = ("obs64.exe", "mstsc.exe", "vlc.exe", "zoom.exe", "listed_program.exe")
PROGRAMS_KEY = "Software\\Blinkward\\Programs"
FULL_SCREEN_KEY = "Software\\Blinkward\\FullScreen"
HOURS_KEY = "Software\\Blinkward\\Hours"
MAINS_ONLY_KEY = "Software\\Blinkward\\MainsOnly"
WHILE_SOUND_KEY = "Software\\Blinkward\\WhileSound"
HINT_KEY = "Software\\Blinkward\\DisplayHint"
HOLD_RUNS = 5
# Clicks on each icon for the click-to-tip latency: with 20 the median moved
# by a third from one run to the next. A round clicks each icon twice; each
# click waits for its tip, read from every tooltip of the notification area.
LATENCY_ROUNDS = 30
HOLD_WAIT_MS = 30000
HOLD_AFTER_MS = 1000
NOTIFY_ADD = re.compile(r"^(\d+\.\d+):(\w+):(\w+):Call shell32\.Shell_NotifyIconA\(0+,")
NOTIFY_RET = re.compile(r"^(\d+\.\d+):(\w+):(\w+):Ret  shell32\.Shell_NotifyIconA\(")
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "advapi32.dll",
               "comctl32.dll", "msvcrt.dll", "ole32.dll", "oleaut32.dll", "shlwapi.dll",
               "comdlg32.dll", "uxtheme.dll", "version.dll", "ntdll.dll", "ucrtbase.dll"}


class Program:
    def __init__(self, name, exe, exe32, main, target, tip):
        self.name, self.exe, self.exe32 = name, exe, exe32
        self.main, self.target = main, target  # window classes: main window, tray callback target
        self.tip = tip  # how its tip starts
        self.proc = self.pid = self.t0 = self.launched = self.log = None


def now():
    """Wine's trace timestamps are this clock (NtGetTickCount), in seconds."""
    return time.clock_gettime(time.CLOCK_MONOTONIC_RAW)


def driver(args, *command, timeout=120):
    env = dict(os.environ, WINEDEBUG="-all")
    return subprocess.run([WINE, args.driver, *command], env=env, timeout=timeout,
                          capture_output=True, text=True)


def launch(args, program, traced):
    env = dict(os.environ)
    # The relay channel prints only the entry points named by RelayInclude in
    # the prefix: the two notify-icon calls of shell32.
    env["WINEDEBUG"] = "+timestamp,+pid,+relay" if traced else "-all"
    program.log = os.path.join(args.out, f"{program.name}.trace")
    with open(program.log, "w") as log:
        program.t0, program.launched = now(), time.monotonic()
        program.proc = subprocess.Popen([WINE, program.exe], env=env, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=log,
                                        cwd=os.path.dirname(program.exe))
    program.pid = find_pid(program)


def find_pid(program, timeout=10.0):
    """The process that runs the exe in our prefix: Wine's loader (wine64, or
    wine64-preloader where the distribution uses one) with the exe's path as
    its command line. Other sessions may run a copy of the same program, so
    the path and the prefix must both match. Normally it is the process we
    started: exec keeps the id."""
    names = {program.exe.lower().encode(), ("z:" + program.exe.replace("/", "\\")).lower().encode()}
    prefix = f"WINEPREFIX={os.environ['WINEPREFIX']}".encode()
    limit = time.monotonic() + timeout
    while time.monotonic() < limit:
        for pid in [program.proc.pid] + [int(p) for p in os.listdir("/proc") if p.isdigit()]:
            try:
                loader = os.path.basename(os.readlink(f"/proc/{pid}/exe"))
                with open(f"/proc/{pid}/cmdline", "rb") as f:
                    argv0 = f.read().split(b"\0")[0].lower()
                with open(f"/proc/{pid}/environ", "rb") as f:
                    environment = f.read().split(b"\0")
            except OSError:
                continue
            if loader.startswith("wine64") and argv0 in names and prefix in environment:
                return pid
        time.sleep(0.02)
    raise RuntimeError(f"no Wine process runs {program.exe}")


def startup_seconds(program, timeout=30.0):
    """Launch to the return of the first Shell_NotifyIconA(NIM_ADD), from the trace."""
    limit = time.monotonic() + timeout
    while time.monotonic() < limit:
        thread = None
        with open(program.log, errors="replace") as log:
            for line in log:
                add = NOTIFY_ADD.match(line)
                if add and thread is None:
                    thread = add.group(3)
                ret = NOTIFY_RET.match(line)
                if ret and ret.group(3) == thread:
                    return float(ret.group(1)) - program.t0
        time.sleep(0.01)
    raise RuntimeError(f"{program.name}: no NIM_ADD in {timeout} s")


def read_fields(path, names):
    values = {}
    with open(path) as f:
        for line in f:
            key, _, rest = line.partition(":")
            if key in names:
                values[key] = int(rest.split()[0])
    return values


def memory(pid):
    rollup = read_fields(f"/proc/{pid}/smaps_rollup", {"Private_Clean", "Private_Dirty"})
    status = read_fields(f"/proc/{pid}/status", {"VmRSS"})
    # Private_Clean counts file pages that no other process maps at the
    # moment, so it moves when other Wine processes come and go; the written
    # pages (Private_Dirty) are the ones a leak would grow.
    return {"private_kib": rollup["Private_Clean"] + rollup["Private_Dirty"],
            "dirty_kib": rollup["Private_Dirty"], "rss_kib": status["VmRSS"]}


def cpu(pid):
    """CPU spent so far: utime+stime (ms), on-CPU ns of all threads, voluntary switches."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    ticks = int(fields[11]) + int(fields[12])  # utime, stime
    sched_ns = switches = 0
    for tid in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{tid}/schedstat") as f:
                sched_ns += int(f.read().split()[0])
            switches += read_fields(f"/proc/{pid}/task/{tid}/status",
                                    {"voluntary_ctxt_switches"})["voluntary_ctxt_switches"]
        except (OSError, KeyError):
            continue
    return {"cpu_ms": ticks * 1000.0 / os.sysconf("SC_CLK_TCK"), "sched_ms": sched_ns / 1e6,
            "switches": switches, "t": time.monotonic()}


def static_facts(program):
    """Size in bytes and imported DLLs of the i686 and x86_64 executables."""
    facts = {}
    for bits, exe in (("i686", program.exe32), ("x86_64", program.exe)):
        dump = subprocess.run([f"{bits}-w64-mingw32-objdump", "-p", exe], capture_output=True,
                              text=True, check=True).stdout
        dlls = re.findall(r"DLL Name: (\S+)", dump)
        facts[f"exe_{bits}_bytes"] = os.path.getsize(exe)
        facts[f"imports_{bits}"] = dlls
        facts[f"imports_{bits}_system_only"] = all(d.lower() in SYSTEM_DLLS for d in dlls)
    return facts


def stop(args, program):
    driver(args, "stop", program.main, timeout=30)
    try:
        program.proc.wait(timeout=10)
    except subprocess.TimeoutExpired:
        program.proc.kill()
        program.proc.wait()


def sleep_until(t):
    time.sleep(max(0.0, t - time.monotonic()))


def startup_phase(args, programs, results):
    """Launches each program traced, A then B then the reverse order in the next
    repetition, PAUSE apart; start-up from the trace, memory after IDLE_SAMPLE s."""
    for program in programs:  # a first launch warms the file cache; not counted
        launch(args, program, traced=True)
        startup_seconds(program)
        stop(args, program)
        time.sleep(PAUSE)
    for rep in range(args.reps):
        order = programs if rep % 2 == 0 else programs[::-1]
        for program in order:
            launch(args, program, traced=True)
            results[program.name]["startup_ms"].append(startup_seconds(program) * 1000.0)
            # Both programs wait for their first tick once the icon is added,
            # so the CPU they have used by now is what starting cost them; it
            # suffers less than the wall time from other load on the machine.
            results[program.name]["startup_cpu_ms"].append(cpu(program.pid)["sched_ms"])
            time.sleep(PAUSE)
        for program in order:
            sleep_until(program.launched + IDLE_SAMPLE)
            sample = memory(program.pid)
            for key in ("private", "dirty", "rss"):
                results[program.name][f"{key}_10s_kib"].append(sample[f"{key}_kib"])
            stop(args, program)
        print(f"  start-up repetition {rep + 1}/{args.reps}: " +
              ", ".join(f"{p.name} {results[p.name]['startup_ms'][-1]:.0f} ms" for p in programs),
              flush=True)
        time.sleep(PAUSE)


def idle_cpu(args, programs, results, name, long_windows=True):
    """Idle CPU in consecutive windows, each scaled to 60 s, as results' NAME_*_per_60s;
    returns the readings at the start. Ten 60 s windows in a long run, else five of 12 s."""
    window = 60.0 if args.long and long_windows else 12.0
    count = 10 if args.long and long_windows else 5
    begin = {p.name: cpu(p.pid) for p in programs}
    before = dict(begin)
    for w in range(count):
        time.sleep(window)
        for program in programs:
            after = cpu(program.pid)
            scale = 60.0 / (after["t"] - before[program.name]["t"])
            for key in ("cpu_ms", "sched_ms", "switches"):
                results[program.name].setdefault(f"{name}_{key}_per_60s", []).append(
                    (after[key] - before[program.name][key]) * scale)
            before[program.name] = after
        print(f"  idle window {w + 1}/{count}: " + ", ".join(
            f"{p.name} {results[p.name][f'{name}_sched_ms_per_60s'][-1]:.1f} ms CPU/60 s"
            for p in programs), flush=True)
    return begin


def launch_side_by_side(args, programs):
    """Both programs untraced, PAUSE s apart, until the later has idled IDLE_SAMPLE s."""
    for program in programs:
        launch(args, program, traced=False)
        if driver(args, "find", program.main).returncode != 0:
            raise RuntimeError(f"{program.name}: its window never appeared")
        time.sleep(PAUSE)
    sleep_until(programs[-1].launched + IDLE_SAMPLE)


def steady_phase(args, programs, results):
    """Both programs run side by side, untraced: idle memory and CPU, then
    clicks, then the click-to-tip latency of Blinkward."""
    launch_side_by_side(args, programs)
    for program in programs:  # the first program has idled PAUSE s longer
        sample = memory(program.pid)
        for key in ("private", "dirty", "rss"):
            results[program.name][f"untraced_{key}_10s_kib"] = sample[f"{key}_kib"]

    begin = idle_cpu(args, programs, results, "idle")
    for program in programs:
        total = cpu(program.pid)
        span = total["t"] - begin[program.name]["t"]
        results[program.name]["idle_cpu_ms_whole_span_per_60s"] = (
            (total["cpu_ms"] - begin[program.name]["cpu_ms"]) * 60.0 / span)
        if args.long:
            sample = memory(program.pid)
            for key in ("private", "dirty", "rss"):
                results[program.name][f"{key}_10min_kib"] = sample[f"{key}_kib"]

    # 1,000 left clicks on both icons, interleaved, in two halves, each
    # followed by time for the last ticks to redraw before memory is read.
    # Pages a code path touches the first time it runs show in the first half
    # only; a leak grows in both.
    for half in ("half", "clicks"):
        driver(args, "clicks", str(args.clicks // 2), "10", *[p.target for p in programs],
               timeout=300)
        time.sleep(5)
        for program in programs:
            sample = memory(program.pid)
            for key in ("private", "dirty", "rss"):
                results[program.name][f"{key}_{half}_kib"] = sample[f"{key}_kib"]

    # Both switch their tip from the left button's callback; they take turns,
    # so that whatever else the machine does falls on both alike.
    pairs = [arg for p in programs for arg in (p.target, p.tip)]
    out = driver(args, "latency", str(LATENCY_ROUNDS), *pairs, timeout=LATENCY_ROUNDS * 20 + 120)
    if out.returncode != 0:
        print(f"  latency: {out.stderr.strip()}", flush=True)
    for index, program in enumerate(programs):
        lines = [line.split() for line in out.stdout.splitlines()]
        mine = [value for who, value in lines if who == str(index)]
        results[program.name]["click_to_tip_ms"] = [float(v) for v in mine if v != "timeout"]
        results[program.name]["click_to_tip_timeouts"] = mine.count("timeout")
    for program in programs:
        stop(args, program)


def windows_path(path):
    """A Unix path as a Windows program starts it (Z: is the Unix root)."""
    return "Z:" + path.replace("/", "\\")


def hold_runs(args, results, name, exe, command):
    """HOLD_RUNS starts of a program, each to the flag off and from its end to
    the flag back on (tray_driver hold); a run not noticed ends the runs."""
    out = driver(args, "hold", str(HOLD_RUNS), windows_path(exe), command, str(HOLD_WAIT_MS),
                 timeout=HOLD_RUNS * (2 * HOLD_WAIT_MS / 1000 + 15) + 60)
    bw = results["blinkward"]
    for key in (f"hold_{name}_ms", f"hold_{name}_early_ms", f"hold_{name}_end_ms"):
        bw.setdefault(key, [])
    bw.setdefault(f"hold_{name}_missed", 0)
    bw.setdefault(f"hold_{name}_end_missed", 0)
    for line in out.stdout.splitlines():
        words = line.split()
        if words[:1] == ["missed"]:
            bw[f"hold_{name}_missed"] += 1
        elif words[:1] == ["start"]:
            bw[f"hold_{name}_ms"].append(float(words[1]))
        elif words[:1] == ["early"]:
            bw[f"hold_{name}_early_ms"].append(float(words[1]))
        if words[2:4] == ["end", "missed"]:
            bw[f"hold_{name}_end_missed"] += 1
        elif words[2:3] == ["end"]:
            bw[f"hold_{name}_end_ms"].append(float(words[3]))
    if out.returncode != 0:
        print(f"  {name}: {out.stderr.strip()}", flush=True)
    print(f"  {name}: {' | '.join(out.stdout.splitlines())}", flush=True)


def hold_phase(args, programs, results):
    """Blinkward with five programs listed and full screen ticked: idle CPU
    beside a fresh baseline while none of them runs, then how soon it notices
    a listed program, its end, and a full-screen window."""
    driver(args, "list", PROGRAMS_KEY, *HOLD_PROGRAMS)
    driver(args, "text", FULL_SCREEN_KEY, "1")
    try:
        launch_side_by_side(args, programs)
        idle_cpu(args, programs, results, "hold_idle", long_windows=False)
        if args.listed:
            results["blinkward"]["hold_wait_ms"] = HOLD_WAIT_MS
            # The window shows a second after the start, so that its showing
            # and the process's start are two moments.
            hold_runs(args, results, "window", args.listed, f"window --after {HOLD_AFTER_MS}")
            hold_runs(args, results, "hidden", args.listed, "hidden")
            hold_runs(args, results, "full_screen", args.unlisted,
                      f"fullscreen --after {HOLD_AFTER_MS}")
        else:
            print("  no listed program built: no latencies", flush=True)
        for program in programs:
            stop(args, program)
    finally:
        driver(args, "list", PROGRAMS_KEY)
        driver(args, "text", FULL_SCREEN_KEY)


def hours_phase(args, programs, results):
    """Blinkward with working hours set every day, a spell that begins an hour
    from now, and only mains power ticked: idle CPU beside a fresh baseline.
    Nothing may run for them between the edges."""
    begins = (time.localtime().tm_hour + 1) % 24
    spell = f"1;1111111;{begins:02d}:00;{(begins + 1) % 24:02d}:00"
    idle_with(args, programs, results, "hours_idle", {HOURS_KEY: spell, MAINS_ONLY_KEY: "1"})


def sound_phase(args, programs, results):
    """Blinkward with "Hold off while sound plays" ticked and no program playing:
    idle CPU beside a fresh baseline. Nothing may poll while no session plays."""
    idle_with(args, programs, results, "sound_idle", {WHILE_SOUND_KEY: "1"})


def idle_with(args, programs, results, name, settings):
    """Idle CPU of a fresh start of both programs with these values stored
    (key: text), which are removed afterwards."""
    for key, text in settings.items():
        driver(args, "text", key, text)
    try:
        launch_side_by_side(args, programs)
        idle_cpu(args, programs, results, name, long_windows=False)
        for program in programs:
            stop(args, program)
    finally:
        for key in settings:
            driver(args, "text", key)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--long", action="store_true", help="idle 10 minutes before the clicks")
    parser.add_argument("--reps", type=int, default=5)
    parser.add_argument("--clicks", type=int, default=1000)
    for name in ("blinkward64", "blinkward32", "baseline64", "baseline32", "driver", "logic",
                 "out", "chart"):
        parser.add_argument(f"--{name}", required=True)
    parser.add_argument("--listed", help="listed_program.exe, under the name the list holds")
    parser.add_argument("--unlisted", help="the same program under a name the list lacks")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)

    programs = [Program("baseline", args.baseline64, args.baseline32, "BenchBaselineTray",
                        "BenchBaselineTray", "Baseline: "),
                Program("blinkward", args.blinkward64, args.blinkward32, "BlinkwardSettings",
                        "BlinkwardSettings/BlinkwardStatusOutput", "Screen Saver is ")]
    samples = ("startup_ms", "startup_cpu_ms", "private_10s_kib", "dirty_10s_kib", "rss_10s_kib",
               "idle_cpu_ms_per_60s", "idle_sched_ms_per_60s", "idle_switches_per_60s")
    results = {p.name: {key: [] for key in samples} for p in programs}
    for program in programs:
        results[program.name].update(static_facts(program))

    print("logic: instructions and allocations per tick (callgrind)", flush=True)
    results["logic"] = logic.measure(args.logic, args.out)
    # A user who has had the first-use hint, as every user has after their
    # first day: its one balloon would show as growth over the first clicks.
    driver(args, "text", HINT_KEY, "1")
    print("start-up and memory after 10 s idle", flush=True)
    startup_phase(args, programs, results)
    print("side by side: idle CPU, clicks, click-to-tip", flush=True)
    steady_phase(args, programs, results)
    print("five programs listed, full screen ticked: idle CPU, then Blinkward noticing them",
          flush=True)
    hold_phase(args, programs, results)
    print("working hours set, only on mains power ticked: idle CPU", flush=True)
    hours_phase(args, programs, results)
    print("hold off while sound plays ticked, no sound: idle CPU", flush=True)
    sound_phase(args, programs, results)

    with open(os.path.join(args.out, "footprint.json"), "w") as f:
        json.dump(results, f, indent=1)
    table = report.markdown(results, args.long)
    with open(os.path.join(args.out, "footprint.md"), "w") as f:
        f.write(table)
    chart.draw(report.ratios(results), args.chart, report.RATIO_GOALS)
    print()
    print(table)
    print(f"chart: {args.chart}; raw samples: {os.path.join(args.out, 'footprint.json')}")


if __name__ == "__main__":
    sys.exit(main())
