# SPDX-License-Identifier: GPL-3.0-or-later
"""Instructions per frame, counted by callgrind with llvmpipe drawing on this thread
(LP_NUM_THREADS=0): the 32-tank scene (bench_scene) and a frame of the real program in a volley
(bench_volley, two tanks, menu bar and status panel). Unlike times, these counts do not depend
on what else the machine runs."""

import argparse
import glob
import os
import re
import subprocess
import sys
import tempfile

# Frames counted of each: a few are enough, every frame of either costs about the same.
FRAMES = 10


def count(program, arguments, frames, screen):
    """Instructions inside measuredFrame, per frame."""
    with tempfile.TemporaryDirectory() as out:
        env = dict(os.environ, LP_NUM_THREADS="0", SDL_AUDIODRIVER="dummy")
        command = ["xvfb-run", "-a", "-s", "-screen 0 %s" % screen,
                   "valgrind", "--tool=callgrind", "--collect-atstart=no",
                   "--toggle-collect=*measuredFrame*",
                   "--callgrind-out-file=%s/callgrind.%%p" % out,
                   program] + arguments + ["--frames", str(frames)]
        result = subprocess.run(command, env=env, stdout=subprocess.PIPE,
                                stderr=subprocess.STDOUT, text=True)
        if result.returncode != 0:
            sys.stdout.write(result.stdout[-2000:])
            raise SystemExit("%s failed under callgrind" % os.path.basename(program))
        total = 0
        for path in glob.glob(os.path.join(out, "callgrind.*")):
            with open(path) as f:
                found = re.findall(r"^(?:summary|totals): (\d+)", f.read(), re.M)
            if found:
                total += int(found[-1])
        return total / frames


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--scene", required=True)
    parser.add_argument("--volley", required=True)
    args = parser.parse_args()
    scene = count(args.scene, ["--warm-up", "2"], FRAMES, "1920x1080x24")
    # The game's window filling a 1280 x 720 screen, where the target was set, and the taller
    # screen the program benchmark uses.
    volley = count(args.volley, ["--size", "1280x720"], FRAMES, "1280x720x24")
    tall = count(args.volley, ["--size", "1280x1024"], FRAMES, "1280x1024x24")
    print("instructions per frame (callgrind, LP_NUM_THREADS=0; the same whatever the load):")
    print("  32-tank scene, 1280x720:                %6.1f M  (target <= 40)" % (scene / 1e6))
    print("  in-game volley frame, 2 tanks, 1280x720: %5.1f M  (target <= 20)" % (volley / 1e6))
    print("  the same at 1280x1024:                  %6.1f M" % (tall / 1e6))
    return 0


if __name__ == "__main__":
    sys.exit(main())
