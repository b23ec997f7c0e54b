"""Turns the samples of one footprint run into a Markdown table and the ratios."""
import statistics

KIB = 1024
GOAL_RATIO = 1.1  # private memory, start-up and idle CPU: at most this times the baseline's
GOAL_EXE_I686 = 128 * KIB  # everything in: the tray pictures, the hours, the command line, the hotkey, sound, seven languages


def median(values):
    return statistics.median(values) if isinstance(values, list) else values


def present(results, key):
    """Whether a row has a value: a number, or a list with at least one sample."""
    return key in results and results[key] != []


def spread(values, digits=0):
    """'median (min-max)' of a list, or the one value."""
    if not isinstance(values, list):
        return f"{values:,.{digits}f}"
    if len(values) == 1:
        return f"{values[0]:,.{digits}f}"
    return (f"{statistics.median(values):,.{digits}f} "
            f"({min(values):,.{digits}f}-{max(values):,.{digits}f})")


# (label, key, digits, in the chart as): the rows both programs have. The
# charted rows whose goal is a ratio are listed in RATIO_GOALS.
ROWS = [
    ("Executable, i686 (bytes)", "exe_i686_bytes", 0, "exe i686"),
    ("Executable, x86_64 (bytes)", "exe_x86_64_bytes", 0, "exe x86_64"),
    ("Start-up: launch to NIM_ADD returned (ms)", "startup_ms", 0, "start-up"),
    ("Start-up: CPU time used by then, all threads (ms)", "startup_cpu_ms", 0, "start-up CPU"),
    ("Private memory after 10 s idle (KiB)", "private_10s_kib", 0, "private memory"),
    ("VmRSS after 10 s idle (KiB)", "rss_10s_kib", 0, "VmRSS"),
    ("Private memory after 10 s, untraced run (KiB)", "untraced_private_10s_kib", 0, None),
    ("Private memory after 10 min idle (KiB)", "private_10min_kib", 0, None),
    ("Private memory after 1,000 clicks (KiB)", "private_clicks_kib", 0, None),
    ("Private_Dirty after 10 s, untraced run (KiB)", "untraced_dirty_10s_kib", 0, None),
    ("Private_Dirty after 10 min idle (KiB)", "dirty_10min_kib", 0, None),
    ("Private_Dirty after 1,000 clicks (KiB)", "dirty_clicks_kib", 0, None),
    ("VmRSS after 1,000 clicks (KiB)", "rss_clicks_kib", 0, None),
    ("Idle CPU, utime+stime per 60 s (ms)", "idle_cpu_ms_whole_span_per_60s", 0, None),
    ("Idle CPU, all threads' run time per 60 s (ms)", "idle_sched_ms_per_60s", 1, "idle CPU"),
    ("Voluntary context switches per 60 s idle", "idle_switches_per_60s", 0, "ctx switches"),
    ("Click to new tip, 60 clicks each, taking turns (ms)", "click_to_tip_ms", 0, "click to tip"),
    ("Idle CPU, five programs listed and full screen ticked, none running: all threads' run "
     "time per 60 s (ms)", "hold_idle_sched_ms_per_60s", 1, "idle CPU, hold"),
    ("Idle CPU, working hours set (outside them) and only on mains power ticked: all threads' "
     "run time per 60 s (ms)", "hours_idle_sched_ms_per_60s", 1, "idle CPU, hours"),
    ("Idle CPU, hold off while sound plays ticked, no sound: all threads' run time per 60 s "
     "(ms)", "sound_idle_sched_ms_per_60s", 1, "idle CPU, sound"),
]


# The charted rows whose goal is a ratio, with the goal.
GOAL_HOLD_IDLE = 1.1  # idle CPU with programs listed and full screen ticked
RATIO_GOALS = {"start-up": GOAL_RATIO, "private memory": GOAL_RATIO, "idle CPU": GOAL_RATIO,
               "idle CPU, hold": GOAL_HOLD_IDLE, "click to tip": GOAL_RATIO,
               "idle CPU, hours": GOAL_RATIO, "idle CPU, sound": GOAL_RATIO}

# Blinkward noticing what it holds the screen saver off for: (label, key, goal ms).
HOLD_LATENCIES = [
    ("a listed program's window shown to the flag off", "hold_window", 2000),
    ("a listed program without a window started to the flag off", "hold_hidden", 15000),
    ("a listed program's end to the flag back on", "hold_end", 1000),
    ("a full-screen window shown to the flag off", "hold_full_screen", 1000),
]


def hold_samples(bw, key):
    """The samples of a hold latency, how many runs were not noticed, and how
    many were noticed before the window showed. The end is measured after
    every noticed start of a listed program, with or without a window."""
    if key == "hold_end":
        parts = ("hold_window_end", "hold_hidden_end")
        return ([x for p in parts for x in bw.get(f"{p}_ms", [])],
                sum(bw.get(f"{p}_missed", 0) for p in parts), 0)
    return bw.get(f"{key}_ms", []), bw.get(f"{key}_missed", 0), len(bw.get(f"{key}_early_ms", []))


def hold_text(bw, key):
    samples, missed, early = hold_samples(bw, key)
    wait = bw.get("hold_wait_ms", 0) / 1000
    parts = [spread(samples)] if samples else []
    if early:
        parts.append(f"{early} before the window showed")
    if missed:
        parts.append(f"{missed} not noticed in {wait:g} s")
    return ", ".join(parts) or "not measured"


def ratios(results):
    """Blinkward / baseline for the charted rows, by chart label."""
    base, bw = results["baseline"], results["blinkward"]
    return {chart: median(bw[key]) / median(base[key]) for _, key, _, chart in ROWS
            if chart and present(base, key) and present(bw, key) and median(base[key])}


def goals(results):
    base, bw, logic = results["baseline"], results["blinkward"], results.get("logic", {})
    rows = []

    def ratio_goal(text, key):
        r = median(bw[key]) / median(base[key])
        rows.append((text, f"{r:.2f}x", r <= GOAL_RATIO))

    rows.append((f"i686 exe at most {GOAL_EXE_I686 // KIB} KiB", f"{bw['exe_i686_bytes'] / KIB:.1f} KiB",
                 bw["exe_i686_bytes"] <= GOAL_EXE_I686))
    rows.append(("imports system DLLs only", ", ".join(bw["imports_i686"]),
                 bw["imports_i686_system_only"] and bw["imports_x86_64_system_only"]))
    ratio_goal("private memory within 1.1x", "private_10s_kib")
    ratio_goal("start-up within 1.1x", "startup_ms")
    # Launches are disturbed by whatever else the machine runs; the fastest
    # launch of each is the least disturbed.
    fastest = min(bw["startup_ms"]) / min(base["startup_ms"])
    rows[-1] = (rows[-1][0], f"{rows[-1][1]} (fastest launches: {fastest:.2f}x)", rows[-1][2])
    ratio_goal("idle CPU within 1.1x", "idle_sched_ms_per_60s")
    ratio_goal("click to new tip within 1.1x", "click_to_tip_ms")
    # Growth is judged on the written pages: Private_Clean also moves when
    # other processes stop sharing a file page with this one.
    for later, text in (("10min", "no growth over 10 minutes idle"),
                        ("clicks", "no growth over 1,000 clicks")):
        if f"dirty_{later}_kib" in bw:
            dirty = bw[f"dirty_{later}_kib"] - bw["untraced_dirty_10s_kib"]
            private = bw[f"private_{later}_kib"] - bw["untraced_private_10s_kib"]
            rows.append((text, f"Private_Dirty {dirty:+,} KiB (Clean + Dirty {private:+,} KiB)",
                         dirty <= 0))
    if "dirty_half_kib" in bw:
        second = bw["dirty_clicks_kib"] - bw["dirty_half_kib"]
        rows.append(("no growth over the second 500 clicks (a leak grows in both halves)",
                     f"Private_Dirty {second:+,} KiB", second <= 0))
    if present(bw, "hold_idle_sched_ms_per_60s"):
        r = median(bw["hold_idle_sched_ms_per_60s"]) / median(base["hold_idle_sched_ms_per_60s"])
        rows.append((f"idle CPU with five programs listed and full screen ticked within {GOAL_HOLD_IDLE}x",
                     f"{r:.2f}x", r <= GOAL_HOLD_IDLE))
    if present(bw, "hours_idle_sched_ms_per_60s"):
        ratio_goal("idle CPU with working hours set and only on mains power ticked within 1.1x",
                   "hours_idle_sched_ms_per_60s")
    if present(bw, "sound_idle_sched_ms_per_60s"):
        ratio_goal("idle CPU with hold off while sound plays ticked, no sound, within 1.1x",
                   "sound_idle_sched_ms_per_60s")
    if "hold_wait_ms" in bw:
        for label, key, goal in HOLD_LATENCIES:
            samples, missed, _ = hold_samples(bw, key)
            slowest = f"slowest {max(samples):,.0f} ms" if samples else "none noticed"
            rows.append((f"{label} within {goal / 1000:g} s",
                         slowest + (f", {missed} not noticed" if missed and samples else ""),
                         bool(samples) and not missed and max(samples) <= goal))
    poller = logic.get("poller")
    if poller:
        power = poller.get("power_calls_per_tick", 0)
        one = (poller["queries_per_tick"] == 1 and poller["shell_calls_per_tick"] == 0
               and power == 0 and poller["allocations_per_tick"] == 0)
        rows.append(("poller tick: one query, no shell or power call, no allocation",
                     f"{poller['queries_per_tick']:g} / {poller['shell_calls_per_tick']:g} / "
                     f"{power:g} / {poller['allocations_per_tick']:g}", one))
    hold = logic.get("hold")
    if hold:
        rows.append(("poller tick with five programs listed and full screen ticked: no allocation",
                     f"{hold['allocations_per_tick']:g}", hold["allocations_per_tick"] == 0))
    hours = logic.get("hours")
    if poller and hours:
        same = all(hours.get(key, 0) == poller.get(key, 0)
                   for key in ("queries_per_tick", "shell_calls_per_tick", "power_calls_per_tick",
                               "allocations_per_tick", "clock_reads_per_tick"))
        rows.append(("poller tick with working hours set and only on mains power ticked: nothing "
                     "new (queries, shell, power, allocations, local time)",
                     f"{hours['queries_per_tick']:g} / {hours['shell_calls_per_tick']:g} / "
                     f"{hours.get('power_calls_per_tick', 0):g} / {hours['allocations_per_tick']:g}"
                     f" / {hours.get('clock_reads_per_tick', 0):g}", same))
    return rows


def markdown(results, long_run):
    base, bw = results["baseline"], results["blinkward"]
    lines = ["| Measure | Baseline | Blinkward | Ratio |", "|---|--:|--:|--:|"]
    for label, key, digits, _ in ROWS:
        if not present(base, key) or not present(bw, key):
            continue
        r = median(bw[key]) / median(base[key]) if median(base[key]) else float("nan")
        lines.append(f"| {label} | {spread(base[key], digits)} | {spread(bw[key], digits)} "
                     f"| {r:.2f} |")
    for bits in ("i686", "x86_64"):
        lines.append(f"| Imported DLLs, {bits} | {', '.join(base[f'imports_{bits}'])} "
                     f"| {', '.join(bw[f'imports_{bits}'])} | |")
    if "hold_wait_ms" in bw:
        for label, key, _ in HOLD_LATENCIES:
            lines.append(f"| Hold: {label} (ms) | - | {hold_text(bw, key)} | |")
    logic = results.get("logic", {})
    for name, label in (("poller", "poller tick, no change"),
                        ("hold", "poller tick, five programs listed and full screen ticked, "
                                 "none running"),
                        ("hours", "poller tick, working hours set (outside them) and only on "
                                  "mains power ticked"),
                        ("countdown", "countdown tick")):
        tick = logic.get(name)
        if not tick:
            continue
        lines.append(f"| Logic, {label}: instructions / allocations / state queries / shell calls"
                     f" / program looks | | {tick['instructions_per_tick']:,.0f} / "
                     f"{tick['allocations_per_tick']:g} / {tick['queries_per_tick']:g} / "
                     f"{tick['shell_calls_per_tick']:g} / "
                     f"{tick.get('program_calls_per_tick', 0):g} | |")
    lines += ["", "| Goal | Blinkward | Met |", "|---|---|---|"]
    for text, value, met in goals(results):
        lines.append(f"| {text} | {value} | {'yes' if met else '**no**'} |")
    lines.append("")
    lines.append("Median (min-max). Start-up and memory after 10 s: "
                 f"{len(bw['startup_ms'])} launches of each, traced (relay of the two "
                 "notify-icon entry points only). Idle CPU: "
                 + ("ten 60 s windows." if long_run else "five 12 s windows, scaled to 60 s."))
    if "hold_wait_ms" in bw:
        lines.append("Hold: five programs listed and full screen ticked; the baseline beside it "
                     "for idle CPU. The screen-saver flag is read every 10 ms by another "
                     "process; a window's time runs from the moment it shows, a windowless "
                     "program's from its start, the end's from the killed process's end.")
    timeouts = [f"{name} {results[name]['click_to_tip_timeouts']}" for name in ("baseline", "blinkward")
                if results[name].get("click_to_tip_timeouts")]
    if timeouts:
        lines.append(f"Clicks whose tip did not change within 3 s: {', '.join(timeouts)}.")
    return "\n".join(lines) + "\n"
