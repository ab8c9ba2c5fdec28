# SPDX-License-Identifier: GPL-3.0-or-later
# Without a display the program says so, with SDL's reason on stderr, and ends with a non-zero
# status: with no display named at all, and with SDL's display-less driver asked for.
import os
import re
import subprocess
import sys

bare = {k: v for k, v in os.environ.items()
        if k not in ("DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER")}
for env in (bare, dict(bare, SDL_VIDEODRIVER="dummy")):
    result = subprocess.run([sys.argv[1]], stderr=subprocess.PIPE, timeout=60, env=env)
    stderr = result.stderr.decode(errors="replace")
    if result.returncode == 0 or not re.search(
            r"^krellmont: No display was found: set DISPLAY or WAYLAND_DISPLAY \(\S.*\)$",
            stderr, re.M):
        sys.exit("SDL_VIDEODRIVER=%s: status %d, stderr: %r"
                 % (env.get("SDL_VIDEODRIVER"), result.returncode, stderr))
