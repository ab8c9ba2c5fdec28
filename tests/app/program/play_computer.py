# SPDX-License-Identifier: GPL-3.0-or-later
# A person (team A, two tanks, so that one volley cannot end the game) against the computer
# (team B, chosen with Alt+C and Alt+E): after the person's shot the computer's turn comes with
# the panel's buttons grey, it fires by itself and the turn comes back to the person.
import re
import sys
import time

from play_game import TEAM_LINE, Failure, main, run


def play(s):
    s.new_game({1: ("Tab", "2"), 3: ("alt+c", "alt+e")})  # two tanks; the computer, easy
    s.key("Return")  # the default shot lands on team A's own half
    path, _ = s.wait_for(TEAM_LINE % "[B8]", "computer-turn", timeout=60, box=s.panel_box())
    shoot = run("convert", path, "-crop", "1x1+%d+%d" % (s.x + 260, s.y + s.height - 30),
                "-format", "%[hex:p{0,0}]", "info:")
    if shoot.startswith("E0E0E0"):
        raise Failure("the panel's buttons are enabled during the computer's turn")
    deadline = time.time() + 90
    while time.time() < deadline:  # one look at the team line, then one at the window
        if re.search(TEAM_LINE % "[A4]", s.wait_for("", "waiting", box=s.panel_box())[1]):
            return
        if re.search(r"Congratulations", s.wait_for("", "waiting")[1]):
            s.key("Return")  # the computer's prize: the message holds its turn
        time.sleep(1.0)
    raise Failure("the turn did not come back to the person")


if __name__ == "__main__":
    main(play, *sys.argv[1:3], record_audio=False)
