"""Plays a whole game of Krellmont through its window, as a person would: the new-game
dialogs (with a rejected value each for players and floor size), driving, aiming and
firing by keys for team A and by the panel's buttons for team B, until "Game Over";
then "Exit". Saves screenshots of the main moments and checks that the cannon was heard
(SDL's disk audio driver writes what the program plays)."""

import argparse
import array
import os
import re
import subprocess
import sys
import time

from arena_view import ViewGeometry, is_blue_outline, is_red_outline, lob, outline_centre
from desktop import Desktop, Image, run

TITLE = "Krellmont version 3.0"
HALF_SIDE = 60.0  # the smallest floor, 120 units
MAX_TURNS = 24
TEAM_LINE = r"Te\w*: Te\w* %s,"  # tesseract may read "Team" as "Tear"
BUTTON_FACE = (224, 224, 224)
RANGE_CORRECTIONS = [0.0, 3.0, -3.0, 5.0, -5.0, 1.5, -1.5]


class Failure(Exception):
    pass


class Session:
    def __init__(self, program, shots, extra_env=None, record_audio=True, cwd=None):
        self.desk = Desktop(shots)
        self.shots = shots
        self.audio = os.path.join(shots, "audio.raw")
        env = dict(os.environ, **(extra_env or {}))
        if record_audio:
            env.update(SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE=self.audio)
        self.started = time.monotonic()
        self.log = open(os.path.join(shots, "program.log"), "w")
        self.proc = subprocess.Popen([program], cwd=cwd or os.path.dirname(program), env=env,
                                     stdout=self.log, stderr=subprocess.STDOUT)
        found = run("xdotool", "search", "--sync", "--onlyvisible", "--name", TITLE,
                    check=True)
        self.window = found.split()[0]
        geometry = dict(line.split("=") for line in
                        run("xdotool", "getwindowgeometry", "--shell", self.window).split())
        self.x, self.y = int(geometry["X"]), int(geometry["Y"])
        self.width, self.height = int(geometry["WIDTH"]), int(geometry["HEIGHT"])
        self.menu_height = None
        time.sleep(1.0)

    # --- seeing -----------------------------------------------------------------------
    def shot(self, name):
        return self.desk.shot(name)

    def window_box(self):
        return (self.x, self.y, self.x + self.width, self.y + self.height)

    def panel_box(self):
        return (self.x, self.y + self.height - 80, self.x + self.width, self.y + self.height)

    def team_line_box(self):
        return (self.x, self.y + self.height - 80, self.x + self.width,
                self.y + self.height - 55)

    def read(self, path, box=None):
        return self.desk.text(path, box or self.window_box())

    def wait_for(self, pattern, name, timeout=20.0, box=None):
        deadline = time.time() + timeout
        while True:
            path = self.shot(name)
            text = self.read(path, box)
            if re.search(pattern, text, re.IGNORECASE):
                return path, text
            if time.time() > deadline:
                raise Failure("%r did not appear; the screen reads: %s" % (pattern, text))
            os.remove(path)
            self.desk.count -= 1
            time.sleep(0.5)

    def word(self, path, pattern, box=None):
        found = self.desk.find_word(path, pattern, box or self.window_box())
        if found is None:
            raise Failure("no %r on the screen" % pattern)
        return found

    # --- menus and dialogs --------------------------------------------------------------
    def menu(self, *items):
        path = self.shot("menu")
        self.desk.click(*self.word(path, items[0], (self.x, self.y, self.x + 400,
                                                    self.y + 20)).centre)
        for item in items[1:]:
            path = self.shot("menu")
            self.desk.click(*self.word(path, item, (self.x, self.y, self.x + 500,
                                                    self.y + 200)).centre)
        time.sleep(0.3)

    def click_ok(self, path):
        oks = self.desk.words(path, self.window_box())
        oks = [w for w in oks if w.text.strip(".,") in ("OK", "0K")]
        if not oks:
            raise Failure("no OK button on the screen")
        # The dialog's button sits lowest: a message box above it has its own.
        self.desk.click(*max(oks, key=lambda w: w.y).centre)

    def replace_field(self, x, y, text):
        """Types over a text field (what it took shows in what the dialog does next)."""
        self.desk.click(x, y)
        time.sleep(0.3)  # the field takes the keyboard on a later frame
        self.desk.key("ctrl+a", "BackSpace")
        self.desk.type(text)
        time.sleep(0.3)

    def expect_message(self, text_pattern, caption, name):
        path, text = self.wait_for(text_pattern, name)
        if caption not in text:
            raise Failure("message without its caption %r: %s" % (caption, text))
        self.desk.key("Return")
        time.sleep(1.0)

    def press_return_until(self, pattern, name, box=None):
        """Enter on a dialog; a freshly opened dialog may take a second press."""
        for _ in range(3):
            self.desk.key("Return")
            try:
                return self.wait_for(pattern, name, timeout=3.0, box=box)
            except Failure:
                continue
        raise Failure("Enter did not lead to %r" % pattern)

    def new_game(self):
        self.menu("File", "New")
        self.fill_setup()

    def fill_setup(self):
        path, _ = self.wait_for(r"Select Team", "team-a-dialog")
        # A team of no players is refused with a message; the dialog stays.
        rng = self.word(path, r"\(1")
        self.replace_field(rng.x - 100, rng.centre[1], "0")
        self.click_ok(path)
        self.expect_message(r"Number of players must be 1 to 4", "Invalid values in dialog",
                            "players-rejected")
        self.replace_field(rng.x - 100, rng.centre[1], "1")
        self.press_return_until(r"Select player on Team Team A", "player-a-dialog")
        self.press_return_until(r"Select Team", "team-b-dialog")
        self.press_return_until(r"Select player on Team Team B", "player-b-dialog")
        path, _ = self.press_return_until(r"Select size of area", "arena-dialog")
        field = self.word(path, r"120")
        self.replace_field(field.centre[0], field.centre[1], "119")
        self.click_ok(path)
        self.expect_message(r"greater than or equal to 120\.0", "Incorrect values entered",
                            "floor-rejected")
        self.replace_field(field.centre[0], field.centre[1], "120")
        self.press_return_until(TEAM_LINE % "A", "game-started", box=self.team_line_box())

    def key_after_idle(self):
        """After a spell with nothing to draw, a key still shows its effect at once."""
        time.sleep(3.0)
        self.desk.key("Prior")
        self.wait_for(r"P\w*ER\s*[0O]?11[.,]00", "key-after-idle", timeout=1.0,
                      box=self.panel_box())
        self.desk.key("Next")

    def menu_keeps_the_keys(self):
        """Alt+O opens Options from the keyboard; Page Up there is the menu's, not the
        tank's. (That keys drive the tank again once Escape has closed it, the game shows.)"""
        self.desk.key("alt+o")
        self.wait_for(r"Set PolygonMode", "options-by-keyboard")
        self.press("Prior", 5)
        self.desk.key("Escape")
        self.wait_for(r"POWER 010[.,]00", "power-kept", box=self.panel_box())

    def squeeze_the_window(self):
        """A window shrunk to nothing, or lower than the panel, must not bring the program
        down; back at its size the game goes on."""
        for size in ((1, 1), (300, 60), (self.width, self.height)):
            run("xdotool", "windowsize", self.window, str(size[0]), str(size[1]))
            time.sleep(0.7)
            if size == (300, 60):
                self.shot("squeezed")
        if self.proc.poll() is not None:
            raise Failure("the program ended when its window was shrunk")

    def find_menu_height(self, image):
        """The first row below the menu bar at the left edge, where the sky begins."""
        for y in range(self.y + 1, self.y + 60):
            r, g, b = image.pixel(self.x + 2, y)
            if b > 200 and 100 < r < 160 and 100 < g < 160:
                return y - self.y
        raise Failure("cannot find the bottom of the menu bar")

    def look_down_on_the_arena(self):
        self.menu(r"\w?ptions", r"Cent\w+", r"Arena")
        # Dragging down with the left button tilts the view until it looks straight down.
        cx = self.x + self.width // 2
        self.desk.drag(cx, self.y + 120, cx, self.y + 400)
        time.sleep(0.5)
        path = self.shot("top-down")
        self.menu_height = self.find_menu_height(Image(path))
        self.geometry = ViewGeometry(self.width, self.height, self.menu_height, HALF_SIDE)

    # --- playing ------------------------------------------------------------------------
    def scene_box(self):
        return (self.x, self.y + self.menu_height, self.x + self.width,
                self.y + self.height - 80)

    def tank_positions(self, path):
        image = Image(path)
        red = outline_centre(image, is_red_outline, self.scene_box())
        blue = outline_centre(image, is_blue_outline, self.scene_box())
        if red is None or blue is None:
            return None
        to_world = lambda p: self.geometry.world(p[0] - self.x, p[1] - self.y, 5.5)
        return to_world(red), to_world(blue)

    def panel_buttons(self, path):
        """Centres of the panel's buttons. The block hangs off the end of the power text:
        find the "Shoot" button's left edge and top, then lay the rest out from there."""
        image = Image(path)
        top = self.y + self.height - 80
        row = top + 50
        face = None
        for x in range(self.x + 40, self.x + self.width):
            if image.pixel(x, row) == BUTTON_FACE:
                face = x
                break
        if face is None:
            raise Failure("cannot find the Shoot button in %s" % path)
        y = row
        while y > top and image.pixel(face + 1, y - 1) == BUTTON_FACE:
            y -= 1
        left, y1 = face - 1, y - 1  # the frame is one pixel wide
        p = left - 21
        centre = lambda dx, dy, w=70, h=19: (p + dx + w // 2, y1 + dy + h // 2)
        return {"Shoot": centre(21, 0, 100, 55), "Forward": centre(206, 0),
                "Backward": centre(206, 38), "C-Clkwse": centre(136, 19),
                "Clkwse": centre(276, 19), "Raise": centre(431, 0), "Lower": centre(431, 38),
                "C-ClkWse": centre(361, 19), "ClkWse": centre(501, 19)}

    def current_team(self, path):
        text = self.read(path, self.team_line_box())
        match = re.search(TEAM_LINE % "([AB])", text)
        return match.group(1) if match else None

    def press(self, key, times):
        if times > 0:
            run("xdotool", "key", "--repeat", str(times), "--delay", "15", key)

    def click_repeat(self, x, y, times):
        if times > 0:
            run("xdotool", "mousemove", str(x), str(y))
            time.sleep(0.05)
            run("xdotool", "click", "--repeat", str(times), "--delay", "60", "1")
            time.sleep(0.1)

    def set_power(self, state, power):
        """Whole steps with Page Up/Down, then tenths with Home/End."""
        target = round(power, 1)
        whole = int(target) - int(state["power"])
        self.press("Prior" if whole > 0 else "Next", abs(whole))
        state["power"] += whole
        tenths = int(round((target - state["power"]) * 10))
        self.press("Home" if tenths > 0 else "End", abs(tenths))
        state["power"] = target

    def aim_by_keys(self, state, turret, power):
        self.press("Up", 40)  # the cannon stops at its highest
        delta = (turret - state["turret"]) % 360
        if delta <= 180:
            self.press("Left", delta)
        else:
            self.press("Right", 360 - delta)
        state["turret"] = turret
        self.set_power(state, power)

    def aim_by_buttons(self, state, turret, power, path):
        buttons = self.panel_buttons(path)
        self.click_repeat(*buttons["Raise"], 40)
        delta = (turret - state["turret"]) % 360
        if delta <= 180:
            self.click_repeat(*buttons["C-ClkWse"], delta)
        else:
            self.click_repeat(*buttons["ClkWse"], 360 - delta)
        state["turret"] = turret
        # After a button the keyboard drives the tank again.
        self.set_power(state, power)

    def drive_about(self, heading_keys):
        """A step forward and back, a quarter turn each way: the tank ends where it began
        (unless it met the divider or picked up its prize)."""
        self.desk.key(*heading_keys)

    def play(self):
        teams = {"A": {"turret": 0, "power": 10.0, "heading": 0, "shots": 0},
                 "B": {"turret": 0, "power": 10.0, "heading": 180, "shots": 0}}
        for turn in range(MAX_TURNS):
            path = self.shot("turn-%d" % turn)
            text = self.read(path)
            if re.search(r"Game Over", text):
                return path
            team = self.current_team(path)
            if team is None:
                # A message box (a prize picked up) covers the panel: dismiss it.
                self.desk.key("Return")
                time.sleep(0.5)
                continue
            state = teams[team]
            if team == "A" and state["shots"] == 0:
                self.drive_about(["w", "s", "a", "d"])
            if team == "B" and state["shots"] == 0:
                buttons = self.panel_buttons(self.shot("team-b-panel"))
                for caption in ("Forward", "Backward", "Clkwse", "C-Clkwse"):
                    self.desk.click(*buttons[caption])
                self.desk.key("shift+a", "shift+d")  # capitals drive too
            if turn == 0:
                # A short shot at the default settings lands on team A's own half, so
                # team B gets its turn whatever the positions.
                self.shot("warning-shot")
                self.desk.key("Return")
                state["shots"] += 1
                self.wait_turn_end(team)
                continue
            time.sleep(0.3)
            path = self.shot("aiming-%s" % team)
            positions = self.tank_positions(path)
            if positions is None:
                raise Failure("cannot see both tanks in %s" % path)
            shooter, target = positions
            aimed = state["shots"] - (1 if team == "A" else 0)
            correction = RANGE_CORRECTIONS[aimed % len(RANGE_CORRECTIONS)]
            turret, power = lob(shooter, target, state["heading"], correction)
            print("turn %d, team %s at (%.1f, %.1f) aims at (%.1f, %.1f): turret %d, power %.1f"
                  % (turn, team, shooter[0], shooter[1], target[0], target[1], turret, power),
                  flush=True)
            if team == "A":
                self.aim_by_keys(state, turret, power)
                time.sleep(0.3)
                self.shot("fire-A")
                self.desk.key("Return")
            else:
                self.aim_by_buttons(state, turret, power, path)
                time.sleep(0.3)
                self.desk.click(*self.panel_buttons(self.shot("fire-B"))["Shoot"])
            state["shots"] += 1
            time.sleep(1.0)
            self.shot("in-flight-%s" % team)
            self.wait_turn_end(team)
        raise Failure("no Game Over after %d turns" % MAX_TURNS)

    def wait_turn_end(self, team):
        deadline = time.time() + 120
        while time.time() < deadline:
            time.sleep(1.0)
            path = self.shot("waiting")
            text = self.read(path)
            line = self.read(path, self.team_line_box())
            os.remove(path)
            self.desk.count -= 1
            other = "B" if team == "A" else "A"
            if re.search(r"Game Over", text) or re.search(TEAM_LINE % other, line):
                return
            if re.search(r"PowerUp", text):
                return
        raise Failure("the turn did not pass within 120 s")

    def exit(self):
        self.desk.key("Return")  # dismiss "Game Over"
        time.sleep(0.5)
        self.shot("after-game-over")
        self.menu("File", "Exit")
        try:
            status = self.proc.wait(timeout=15)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end after Exit")
        if status != 0:
            raise Failure("Exit ended the program with status %d" % status)

    def heard_the_cannon(self):
        samples = array.array("h")
        with open(self.audio, "rb") as f:
            data = f.read()
        samples.frombytes(data[:len(data) - len(data) % 2])
        loud = 0
        for sample in samples:
            if abs(sample) > 1000:
                loud += 1
                if loud >= 1000:
                    break
        print("audio: %d bytes written, at least %d loud samples" % (len(data), loud))
        if loud < 1000:
            raise Failure("the shots were not heard: no loud samples in the audio output")
        os.remove(self.audio)  # large, and of no use once heard

    def stop(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        self.log.close()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--shots", required=True)
    args = parser.parse_args()
    os.makedirs(args.shots, exist_ok=True)
    for old in os.listdir(args.shots):
        os.remove(os.path.join(args.shots, old))
    session = Session(os.path.abspath(args.program), args.shots)
    try:
        session.shot("start")
        session.new_game()
        session.menu_keeps_the_keys()
        session.key_after_idle()
        session.squeeze_the_window()
        session.look_down_on_the_arena()
        final = session.play()
        print("Game Over shown: %s" % final)
        session.exit()
        session.heard_the_cannon()
    except Failure as failure:
        session.shot("failure")
        print("FAILED: %s (screenshots in %s)" % (failure, args.shots))
        return 1
    finally:
        session.stop()
    print("played a whole game; screenshots in %s" % args.shots)
    return 0


if __name__ == "__main__":
    sys.exit(main())
