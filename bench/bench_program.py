"""Benchmark of the running program on a 1280 x 1024 virtual screen. Frames are counted
from outside: a small library preloaded into the process (frame_probe) counts the
buffer swaps; CPU time and peak memory come from /proc. Prints frames per second with a
game on the screen, CPU use while the game sits idle and while the window is minimised
(unmapped: the virtual screen has no window manager to iconify it), the time from start
to the first drawn frame, and the peak resident memory."""

import argparse
import os
import sys
import time

from desktop import run
from play_game import Failure, Session

SCREEN = (1280, 1024)
IDLE_SECONDS = 20.0
MINIMISED_SECONDS = 10.0


def probe(path):
    with open(path) as f:
        count, last, first = f.read().split()
    return int(count), float(last), float(first)


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


def measure(pid, probe_file, seconds):
    frames0, _, _ = probe(probe_file)
    cpu0, t0 = cpu_seconds(pid), time.monotonic()
    time.sleep(seconds)
    frames1, _, _ = probe(probe_file)
    cpu1, t1 = cpu_seconds(pid), time.monotonic()
    return (frames1 - frames0) / (t1 - t0), 100.0 * (cpu1 - cpu0) / (t1 - t0)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--probe", required=True)
    parser.add_argument("--shots", required=True)
    args = parser.parse_args()
    os.makedirs(args.shots, exist_ok=True)
    probe_file = os.path.join(args.shots, "frames.txt")
    if os.path.exists(probe_file):
        os.remove(probe_file)
    env = {"LD_PRELOAD": os.path.abspath(args.probe), "FRAME_PROBE_OUT": probe_file}
    session = Session(os.path.abspath(args.program), args.shots, env, record_audio=False)
    try:
        pid = session.proc.pid
        _, _, first = probe(probe_file)
        first_frame = first - session.started
        # Fill the screen as a maximised window would.
        run("xdotool", "windowsize", session.window, str(SCREEN[0]), str(SCREEN[1]))
        time.sleep(1.0)
        session.width, session.height = SCREEN
        session.new_game()
        session.shot("bench-game")
        fps, idle_cpu = measure(pid, probe_file, IDLE_SECONDS)
        run("xdotool", "windowunmap", session.window)
        time.sleep(1.0)
        min_fps, minimised_cpu = measure(pid, probe_file, MINIMISED_SECONDS)
        run("xdotool", "windowmap", session.window)
        time.sleep(1.0)
        rss = peak_rss_kib(pid)
        session.menu("File", "Exit")
        status = session.proc.wait(timeout=15)
    except Failure as failure:
        session.shot("bench-failure")
        print("bench FAILED: %s" % failure)
        return 1
    finally:
        session.stop()
    print("program benchmark (%dx%d virtual screen, Mesa llvmpipe):" % SCREEN)
    print("  frames per second, game on screen:  %6.1f  (target 59-60)" % fps)
    print("  CPU, game sitting idle:             %6.1f %%" % idle_cpu)
    print("  CPU, window minimised:              %6.2f %%  (target < 2 %%; %.1f frames/s)"
          % (minimised_cpu, min_fps))
    print("  start to first drawn frame:         %6.0f ms" % (first_frame * 1000.0))
    print("  peak resident memory:               %6.1f MiB" % (rss / 1024.0))
    print("  exit status after Exit:             %6d" % status)
    return 0


if __name__ == "__main__":
    sys.exit(main())
