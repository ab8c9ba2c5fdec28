# SPDX-License-Identifier: GPL-3.0-or-later
# Under a Wayland compositor the game opens a native window, decorated through libdecor, even
# though an X display is named too; it ends with status 0 when asked to quit. The compositor
# is weston, nested in the test's private X server.
import os
import signal
import subprocess
import sys
import tempfile
import time

SOCKET = "krellmont-test"


def wait_for(condition, seconds, what):
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            sys.exit("FAILED: " + what)
        time.sleep(0.1)


def main(program):
    runtime = tempfile.mkdtemp(prefix="krellmont-wayland-")
    os.chmod(runtime, 0o700)
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime, SDL_AUDIODRIVER="dummy")
    env.pop("SDL_VIDEODRIVER", None)
    weston = subprocess.Popen(["weston", "--backend=x11-backend.so", "--socket=" + SOCKET,
                               "--width=1024", "--height=768", "--no-config"], env=env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    game = None
    try:
        wait_for(lambda: os.path.exists(os.path.join(runtime, SOCKET)), 30, "weston did not start")
        game = subprocess.Popen([program], cwd=os.path.dirname(program),
                                env=dict(env, WAYLAND_DISPLAY=SOCKET), stderr=subprocess.PIPE)
        maps = "/proc/%d/maps" % game.pid

        def decorated():
            with open(maps) as f:
                return "libdecor/plugins" in f.read()
        wait_for(lambda: game.poll() is not None or decorated(), 30,
                 "no window decorated through libdecor")
        assert game.poll() is None, game.stderr.read().decode(errors="replace")
        # Native: the X server behind the compositor knows no window of the game.
        x_windows = subprocess.run(["xdotool", "search", "--name", "Krellmont"],
                                   capture_output=True, text=True).stdout.split()
        assert len(x_windows) == 0, "the game opened an X window: %s" % x_windows
        time.sleep(1.0)
        game.send_signal(signal.SIGTERM)  # SDL turns it into a quit, as the close box does
        status = game.wait(timeout=30)
        assert status == 0, "status %d: %s" % (status, game.stderr.read().decode(errors="replace"))
    finally:
        if game is not None and game.poll() is None:
            game.kill()
        weston.terminate()
        weston.wait(timeout=30)


if __name__ == "__main__":
    main(os.path.abspath(sys.argv[1]))
