# SPDX-License-Identifier: GPL-3.0-or-later
# Plays a whole game of Krellmont through its window as a person would: New Game from the
# keyboard with every dialog accepted, team A's tank shoots itself (cannon at its highest, the
# least power), team B fires with the panel's Shoot button, "Game Over" shows, and File > Exit
# ends the program with status 0. The cannon must have been heard: SDL's disk audio driver
# writes what the program plays.

import array
import os
import re
import shutil
import subprocess
import sys
import time

TITLE = "Krellmont version [0-9.]+$"  # a regular expression, as xdotool takes names
TEAM_LINE = r"Te\w*: Te\w* %s,"  # tesseract may read "Team" as "Tear", B as 8, A as 4


Failure = AssertionError  # so that a plain assert fails a play the same way


def run(*args):
    return subprocess.run(args, check=True, capture_output=True).stdout.decode(errors="replace")


class Session:
    # The program on the X display: screenshots read by tesseract, keys and clicks by xdotool.
    # Waits are generous: the machine may be busy.

    def __init__(self, program, shots, cwd=None, record_audio=True, env=None):
        os.makedirs(shots, exist_ok=True)
        self.shots, self.count = shots, 0
        self.audio = os.path.join(shots, "audio.raw")
        env = dict(os.environ, **(env or {}))
        if record_audio:
            env.update(SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE=self.audio)
        self.log = open(os.path.join(shots, "program.log"), "w")
        self.started = time.monotonic()
        self.proc = subprocess.Popen([program], cwd=cwd or os.path.dirname(program), env=env,
                                     stdout=self.log, stderr=subprocess.STDOUT)
        # This process's window: several programs may share the display. (Given a name too,
        # xdotool would take windows that match either.)
        self.window = run("xdotool", "search", "--sync", "--onlyvisible", "--pid",
                          str(self.proc.pid)).split()[0]
        if not re.search(TITLE, run("xdotool", "getwindowname", self.window)):
            raise Failure("the window's title is not the program's")
        time.sleep(1.0)  # maximised by now
        self.measure()

    def place(self, x, y, width, height):
        # Where the test wants the window, so that two windows share the screen.
        run("xdotool", "windowsize", self.window, str(width), str(height),
            "windowmove", self.window, str(x), str(y))
        time.sleep(1.0)
        self.measure()

    def focus(self):
        # With no window manager the keyboard goes where it is put.
        run("xdotool", "windowraise", self.window, "windowfocus", "--sync", self.window)

    def measure(self):
        # Where the window is now, after the program or the test has sized it.
        g = dict(v.split("=") for v in
                 run("xdotool", "getwindowgeometry", "--shell", self.window).split())
        self.x, self.y, self.width, self.height = (int(g[k]) for k in "X Y WIDTH HEIGHT".split())

    def shot(self, name):
        self.count += 1
        path = os.path.join(self.shots, "%02d-%s.png" % (self.count, name))
        run("import", "-window", "root", path)
        return path

    def panel_box(self):
        return (self.x, self.y + self.height - 80, self.x + self.width, self.y + self.height)

    def wait_for(self, pattern, name, timeout=60.0, box=None):
        # Until tesseract reads the pattern in the window, or in the box (x0, y0, x1, y1).
        x0, y0, x1, y1 = box or (self.x, self.y, self.x + self.width, self.y + self.height)
        deadline = time.time() + timeout
        while True:
            path = self.shot(name)
            run("convert", path, "-crop", "%dx%d+%d+%d" % (x1 - x0, y1 - y0, x0, y0), "+repage",
                "-resize", "300%" if box else "150%", "-colorspace", "Gray", "-normalize",
                path + ".ocr.png")
            text = " ".join(run("tesseract", path + ".ocr.png", "-", "--psm", "11").split())
            os.remove(path + ".ocr.png")
            if re.search(pattern, text, re.IGNORECASE):
                return path, text
            if time.time() > deadline:
                raise Failure("%r did not appear; the screen reads: %s" % (pattern, text))
            os.remove(path)
            self.count -= 1
            time.sleep(0.5)

    def type(self, text):
        self.focus()
        run("xdotool", "type", "--delay", "50", text)
        time.sleep(0.3)

    def click_text(self, word, name):
        # Clicks the middle of the word where tesseract finds it in the window.
        path = self.shot(name)
        run("convert", path, "-crop", "%dx%d+%d+%d" % (self.width, self.height, self.x, self.y),
            "+repage", "-resize", "200%", "-colorspace", "Gray", "-normalize", path + ".ocr.png")
        table = run("tesseract", path + ".ocr.png", "-", "--psm", "11", "tsv")
        os.remove(path + ".ocr.png")
        for row in table.splitlines()[1:]:
            cells = row.split("\t")
            if len(cells) == 12 and cells[11].strip().lower() == word.lower():
                left, top, width, height = (int(c) // 2 for c in cells[6:10])
                self.click(self.x + left + width // 2, self.y + top + height // 2)
                return
        raise Failure("%r is not on the screen" % word)

    def key(self, *names, repeat=1):
        self.focus()
        for name in names:
            run("xdotool", "key", "--repeat", str(repeat), "--delay", "30", name)
            time.sleep(0.3)

    def click(self, x, y):
        self.focus()
        run("xdotool", "mousemove", str(x), str(y), "sleep", "0.2", "click", "1", "sleep", "0.3")

    def new_game(self, typed=None, opened=False):
        # File > New Game by its keys (unless its first dialog is open already); Enter takes
        # each dialog's values, proposed or typed[i].
        if not opened:
            self.key("alt+f", "n")
        for i, title in enumerate(("Select Team", "player on Team Team [A4]", "Select Team",
                                   "player on Team Team [B8]", "size of area")):
            self.wait_for(title, "dialog")
            self.key(*(typed or {}).get(i, ()), "Return")
        self.wait_for(TEAM_LINE % "[A4]", "game-started", box=self.panel_box())

    def exit(self):
        self.key("alt+f", "x")
        status = self.proc.wait(timeout=30)  # TimeoutExpired when Exit leaves it running
        if status != 0:
            raise Failure("Exit ended the program with status %d" % status)

    def stop(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        self.log.close()


def play(session):
    # The menus follow the pointer: resting on "Set PolygonMode" opens its submenu.
    session.click(session.x + 60, session.y + 10)  # Options
    run("xdotool", "mousemove", str(session.x + 100), str(session.y + 31))
    time.sleep(1.0)
    # Its items are greyed before a game, too faint to read: the submenu's light box is enough.
    shot = session.shot("submenu-by-hover")
    colour = run("convert", shot, "-crop", "1x1+%d+%d" % (session.x + 300, session.y + 31),
                 "-format", "%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]", "info:")
    assert min(int(c) for c in colour.split()) > 200, "no submenu under the pointer: " + colour
    session.click(session.x + session.width // 2, session.y + session.height // 2)
    session.new_game()
    session.key("Up", repeat=40)
    session.key("Next", repeat=10)
    session.shot("aimed-at-itself")
    session.key("Return")
    session.wait_for(TEAM_LINE % "[B8]", "turn-of-B", box=session.panel_box())
    session.click(session.x + 260, session.y + session.height - 30)  # Shoot
    session.wait_for(r"Game Over", "game-over", timeout=120.0)
    session.key("Return")
    session.exit()
    with open(session.audio, "rb") as f:
        data = f.read()
    loud = sum(1 for s in array.array("h", data[:len(data) // 2 * 2]) if abs(s) > 1000)
    if loud < 1000:
        raise Failure("the shots were not heard: %d loud samples" % loud)
    os.remove(session.audio)  # large, and of no use once heard


def main(play, program, shots, cwd=None, record_audio=True):
    shutil.rmtree(shots, ignore_errors=True)
    session = Session(os.path.abspath(program), shots, cwd, record_audio)
    try:
        play(session)
    except Failure as failure:
        session.shot("failure")
        sys.exit("FAILED: %s (screenshots in %s)" % (failure, shots))
    finally:
        session.stop()


if __name__ == "__main__":
    main(play, *sys.argv[1:3])
