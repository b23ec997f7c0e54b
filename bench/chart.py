"""Draws the ratios Blinkward / baseline as horizontal bars with ImageMagick.

The scale is logarithmic, centred on 1.0 (as costly as the baseline): the
executables are many times the baseline's while the run-time costs sit near
1, and a linear scale would hide the latter.
"""
import glob
import math
import subprocess

WIDTH, ROW, LEFT, RIGHT, TOP = 760, 34, 150, 90, 40
LOW, HIGH = 0.5, 32.0  # the scale's ends
GOAL = 1.1


def font():
    """A TrueType file for the labels: DejaVu if present, else Wine's Tahoma."""
    for pattern in ("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                    "/usr/share/wine/fonts/tahoma.ttf", "/usr/share/fonts/**/*.ttf"):
        found = glob.glob(pattern, recursive=True)
        if found:
            return found[0]
    return None


def x_of(ratio):
    ratio = min(max(ratio, LOW), HIGH)
    return LEFT + (WIDTH - LEFT - RIGHT) * math.log(ratio / LOW) / math.log(HIGH / LOW)


def draw(ratios, path, ratio_goals):
    """ratio_goals: the goal of each label whose goal is a ratio (coloured by it); the rest are
    grey."""
    height = TOP + ROW * len(ratios) + 30
    one = x_of(1.0)
    title = "Blinkward / baseline (log scale; line at 1.1x; green: goal met, orange: missed)"
    ops = ["-fill", "black", "-pointsize", "13", "-draw", f"text 10,22 '{title}'"]
    for mark in (0.5, 1, 2, 4, 8, 16, 32):
        x = x_of(mark)
        ops += ["-stroke", "#bbbbbb", "-draw", f"line {x:.0f},{TOP - 6} {x:.0f},{height - 24}",
                "-stroke", "none", "-fill", "#555555",
                "-draw", f"text {x - 8:.0f},{height - 8} '{mark:g}x'"]
    goal = x_of(GOAL)
    ops += ["-stroke", "#2a7", "-draw", f"line {goal:.0f},{TOP - 6} {goal:.0f},{height - 24}",
            "-stroke", "none"]
    for i, (label, ratio) in enumerate(ratios.items()):
        y = TOP + i * ROW
        x = x_of(ratio)
        colour = "#9a9a9a"
        if label in ratio_goals:
            colour = "#3a9a5b" if ratio <= ratio_goals[label] else "#d9822b"
        ops += ["-fill", colour,
                "-draw", f"rectangle {min(one, x):.0f},{y + 6} {max(one, x):.0f},{y + ROW - 6}",
                "-fill", "black", "-draw", f"text 10,{y + ROW / 2 + 5:.0f} '{label}'",
                "-draw", f"text {max(one, x) + 6:.0f},{y + ROW / 2 + 5:.0f} '{ratio:.2f}x'"]
    ops += ["-stroke", "black", "-draw", f"line {one:.0f},{TOP - 6} {one:.0f},{height - 24}"]
    face = font()
    command = ["convert", "-size", f"{WIDTH}x{height}", "xc:white"]
    if face:
        command += ["-font", face]
    subprocess.run(command + ops + [path], check=True)
