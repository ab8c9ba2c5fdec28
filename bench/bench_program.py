# SPDX-License-Identifier: GPL-3.0-or-later
"""Benchmark of the running program on a 1280 x 1024 virtual screen. Frames are counted
from outside: a small library preloaded into the process (frame_probe) counts the
buffer swaps and times key presses to the frame after them; CPU time and peak memory
come from /proc. Prints frames per second and CPU use while a game sits idle, while a
setup dialog waits with its caret blinking, while shells fly and while the window is
minimised (unmapped: the virtual screen has no window manager to iconify it), the time
from a key press to its frame, the time from start to the first drawn frame, and the
peak resident memory."""

import argparse
import os
import sys
import time

from play_game import Failure, Session, run

SCREEN = (1280, 1024)
# Seconds of each measurement, and key presses timed: in full, and short for a smoke run
# that only proves the benchmark still works.
SPANS = {"full": dict(idle=20.0, caret=10.0, volley=1.5, minimised=10.0, keys=5),
         "quick": dict(idle=1.0, caret=1.0, volley=1.0, minimised=1.0, keys=1)}


class Probe:
    def __init__(self, path):
        self.path = path

    def read(self):
        with open(self.path) as f:
            count, last, first, keys, key_to_frame = f.read().split()
        return int(count), float(last), float(first), int(keys), float(key_to_frame)


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def peak_rss_kib(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def measure(pid, probe, seconds):
    """Frames a second and per cent of a core over the next `seconds`."""
    frames0 = probe.read()[0]
    cpu0, t0 = cpu_seconds(pid), time.monotonic()
    time.sleep(seconds)
    frames1 = probe.read()[0]
    cpu1, t1 = cpu_seconds(pid), time.monotonic()
    return (frames1 - frames0) / (t1 - t0), 100.0 * (cpu1 - cpu0) / (t1 - t0)


def key_to_frame(session, probe, key):
    """Seconds from the program taking `key` after an idle spell to the next frame."""
    time.sleep(1.5)
    keys = probe.read()[3]
    session.key(key)
    deadline = time.monotonic() + 2.0
    while time.monotonic() < deadline:
        _, _, _, now_keys, latency = probe.read()
        if now_keys > keys:
            return latency
        time.sleep(0.02)
    raise Failure("no frame followed the key %s" % key)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--probe", required=True)
    parser.add_argument("--shots", required=True)
    parser.add_argument("--quick", action="store_true", help="short spans: a smoke run")
    args = parser.parse_args()
    span = SPANS["quick" if args.quick else "full"]
    os.makedirs(args.shots, exist_ok=True)
    probe_file = os.path.join(args.shots, "frames.txt")
    if os.path.exists(probe_file):
        os.remove(probe_file)
    probe = Probe(probe_file)
    env = {"LD_PRELOAD": os.path.abspath(args.probe), "FRAME_PROBE_OUT": probe_file}
    session = Session(os.path.abspath(args.program), args.shots, record_audio=False, env=env)
    try:
        pid = session.proc.pid
        first_frame = probe.read()[2] - session.started
        # Fill the screen as a maximised window would.
        run("xdotool", "windowsize", session.window, str(SCREEN[0]), str(SCREEN[1]))
        time.sleep(1.0)
        session.measure()
        # The first setup dialog gives its field the keyboard: the caret blinks.
        session.key("alt+f", "n")
        session.wait_for(r"Select Team", "bench-dialog")
        time.sleep(1.0)
        caret_fps, caret_cpu = measure(pid, probe, span["caret"])
        session.new_game(opened=True)
        session.shot("bench-game")
        time.sleep(1.0)
        idle_fps, idle_cpu = measure(pid, probe, span["idle"])
        latencies = [key_to_frame(session, probe, "Prior") for _ in range(span["keys"])]
        # A high, long shot: cannon all the way up, power 30.
        session.key("Up", repeat=90)
        session.key("Prior", repeat=30 - 10 - span["keys"])
        time.sleep(1.0)
        session.key("Return")
        count0, last0 = probe.read()[:2]
        cpu0 = cpu_seconds(pid)
        time.sleep(span["volley"])
        count1, last1 = probe.read()[:2]
        volley_cpu = 100.0 * (cpu_seconds(pid) - cpu0) / span["volley"]
        volley_fps = (count1 - count0) / (last1 - last0) if last1 > last0 else 0.0
        session.shot("bench-volley")
        time.sleep(5.0)
        run("xdotool", "windowunmap", session.window)
        time.sleep(1.0)
        min_fps, minimised_cpu = measure(pid, probe, span["minimised"])
        run("xdotool", "windowmap", session.window)
        time.sleep(1.0)
        # With no window manager nobody gives the window back its keyboard.
        run("xdotool", "windowfocus", session.window)
        rss = peak_rss_kib(pid)
        try:  # the shot may have ended the game; its message holds the menus
            session.wait_for(r"Game Over", "bench-landed", timeout=3.0)
            session.key("Return")
        except Failure:
            pass
        session.key("alt+f", "x")
        status = session.proc.wait(timeout=15)
    except Failure as failure:
        session.shot("bench-failure")
        print("bench FAILED: %s" % failure)
        return 1
    finally:
        session.stop()
    interval_ms = 1000.0 / 60.0
    print("program benchmark (%dx%d virtual screen, Mesa llvmpipe):" % SCREEN)
    print("  game sitting idle:          %6.1f frames/s %6.2f %% of a core  (target <= 1, < 1 %%)"
          % (idle_fps, idle_cpu))
    print("  setup dialog, caret blinks: %6.1f frames/s %6.2f %% of a core  (a few frames/s)"
          % (caret_fps, caret_cpu))
    print("  shells in flight:           %6.1f frames/s %6.2f %% of a core  (target 59-60)"
          % (volley_fps, volley_cpu))
    print("  window minimised:           %6.1f frames/s %6.2f %% of a core  (target < 2 %%)"
          % (min_fps, minimised_cpu))
    print("  key press to its frame:     %6.1f ms mean, %.1f ms worst of %d  (target <= %.1f)"
          % (1000.0 * sum(latencies) / len(latencies), 1000.0 * max(latencies), len(latencies),
             interval_ms))
    print("  start to first drawn frame: %6.0f ms" % (first_frame * 1000.0))
    print("  peak resident memory:       %6.1f MiB" % (rss / 1024.0))
    print("  exit status after Exit:     %6d" % status)
    return 0


if __name__ == "__main__":
    sys.exit(main())
