"""A person (team A, two tanks, so that one volley cannot end the game) against the computer
(team B, chosen with Alt+C and Alt+E): after the person's shot the computer's turn comes with
the panel's buttons grey, it fires by itself and the turn comes back to the person."""

import argparse
import os
import re
import sys
import time

from play_game import TEAM_LINE, Failure, Session


def play(s):
    s.menu("File", "New")
    s.wait_for(r"Select Team", "team-a-dialog")
    path, _ = s.press_return_until(r"Select player on Team Team A", "player-a-dialog")
    rng = s.word(path, r"\(1")
    s.replace_field(rng.x - 100, rng.centre[1], "2")
    s.press_return_until(r"Select Team", "team-b-dialog")
    s.press_return_until(r"Select player on Team Team B", "player-b-dialog")
    s.desk.key("alt+c")
    time.sleep(0.5)
    s.desk.key("alt+e")
    s.press_return_until(r"Select size of area", "arena-dialog")
    s.press_return_until(TEAM_LINE % "A", "game-started", box=s.team_line_box())
    s.desk.key("Return")  # the default shot lands on team A's own half
    path, _ = s.wait_for(TEAM_LINE % "B", "computer-turn", timeout=60, box=s.team_line_box())
    try:
        s.panel_buttons(path)  # finds the Shoot button only in its enabled colour
    except Failure:
        pass
    else:
        raise Failure("the panel's buttons are enabled during the computer's turn")
    deadline = time.time() + 90
    while time.time() < deadline:
        path = s.shot("waiting")
        if re.search(TEAM_LINE % "A", s.read(path, s.team_line_box())):
            return
        if re.search(r"Congratulations", s.read(path)):
            s.desk.key("Return")  # the computer's prize: the message holds its turn
        time.sleep(1.0)
    raise Failure("the turn did not come back to the person")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--shots", required=True)
    args = parser.parse_args()
    os.makedirs(args.shots, exist_ok=True)
    session = Session(os.path.abspath(args.program), args.shots, record_audio=False)
    try:
        play(session)
    except Failure as failure:
        session.shot("failure")
        print("FAILED: %s (screenshots in %s)" % (failure, args.shots))
        return 1
    finally:
        session.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
