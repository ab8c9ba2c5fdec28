"""One person (team A, two tanks) against the computer (team B, chosen in the player dialog
with Alt+C and Alt+E): the person fires, the computer's turn comes with the panel's buttons
grey, it fires by itself, and the turn comes back to the person. Then "Exit"."""

import argparse
import os
import sys
import time

from play_game import TEAM_LINE, Failure, Session


def play(session):
    session.menu("File", "New")
    session.wait_for(r"Select Team", "team-a-dialog")
    path, _ = session.press_return_until(r"Select player on Team Team A", "player-a-dialog")
    # Two tanks, so that the computer's volley cannot end the game before the turn returns.
    rng = session.word(path, r"\(1")
    session.replace_field(rng.x - 100, rng.centre[1], "2")
    session.press_return_until(r"Select Team", "team-b-dialog")
    session.press_return_until(r"Select player on Team Team B", "player-b-dialog")
    session.desk.key("alt+c")
    time.sleep(0.5)
    session.desk.key("alt+e")
    time.sleep(0.5)
    session.shot("computer-chosen")
    session.press_return_until(r"Select size of area", "arena-dialog")
    session.press_return_until(TEAM_LINE % "A", "game-started", box=session.team_line_box())
    session.desk.key("Return")  # the default shot lands on team A's own half
    path, _ = session.wait_for(TEAM_LINE % "B", "computer-turn", timeout=60,
                               box=session.team_line_box())
    try:
        session.panel_buttons(path)
    except Failure:
        pass  # no button face in its enabled colour: the buttons are grey
    else:
        raise Failure("the panel's buttons are enabled during the computer's turn")
    session.wait_for(TEAM_LINE % "A", "turn-back", timeout=60, box=session.team_line_box())
    session.menu("File", "Exit")
    if session.proc.wait(timeout=15) != 0:
        raise Failure("Exit ended the program with a failure status")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--shots", required=True)
    args = parser.parse_args()
    os.makedirs(args.shots, exist_ok=True)
    for old in os.listdir(args.shots):
        os.remove(os.path.join(args.shots, old))
    session = Session(os.path.abspath(args.program), args.shots, record_audio=False)
    try:
        play(session)
    except Failure as failure:
        session.shot("failure")
        print("FAILED: %s (screenshots in %s)" % (failure, args.shots))
        return 1
    finally:
        session.stop()
    print("the computer took its turn and gave it back; screenshots in %s" % args.shots)
    return 0


if __name__ == "__main__":
    sys.exit(main())
