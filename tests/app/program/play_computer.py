# A person (team A, two tanks, so that one volley cannot end the game) against the computer
# (team B, chosen with Alt+C and Alt+E): after the person's shot the computer's turn comes with
# the panel's buttons grey, it fires by itself and the turn comes back to the person.
import os
import re
import shutil
import sys
import time

from play_game import TEAM_LINE, Failure, Session, run


def play(s):
    s.key("alt+f", "n")
    s.wait_for(r"Select Team", "team-a-dialog")
    s.key("Return")
    s.wait_for(r"Select player on Team Team [A4]", "player-a-dialog")
    s.key("Tab", "2", "Return")  # two tanks
    s.wait_for(r"Select Team", "team-b-dialog")
    s.key("Return")
    s.wait_for(r"Select player on Team Team [B8]", "player-b-dialog")
    s.key("alt+c", "alt+e", "Return")
    s.wait_for(r"Select size of area", "arena-dialog")
    s.key("Return")
    s.wait_for(TEAM_LINE % "[A4]", "game-started", box=s.panel_box())
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
    program, shots = sys.argv[1:3]
    shutil.rmtree(shots, ignore_errors=True)
    session = Session(os.path.abspath(program), shots, record_audio=False)
    try:
        play(session)
    except Failure as failure:
        session.shot("failure")
        sys.exit("FAILED: %s (screenshots in %s)" % (failure, shots))
    finally:
        session.stop()
