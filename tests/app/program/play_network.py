# SPDX-License-Identifier: GPL-3.0-or-later
# Two Krellmont programs on one display play a network game: one hosts (File > Host Network
# Game..., a network seat for team B), the other joins through the join dialog by address.
# The host's shot lands on its own half; the joined player aims at itself and fires; the
# host's next shot then ends the game on both machines. Both leave through File > Exit, which asks first, and both
# end with status 0.
import os
import shutil
import socket
import sys

from play_game import TEAM_LINE, Failure, Session


def free_port():
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def play(host, guest):
    port = str(free_port())
    host.place(0, 0, 1280, 500)
    guest.place(0, 520, 1280, 500)

    host.key("alt+f", "h")
    host.wait_for("Host Network Game", "host-dialog")
    host.key("ctrl+a")
    host.type(port)
    host.key("Return")
    host.wait_for("Select Team", "team-a")
    host.key("Return")
    host.wait_for("player on Team Team [A4]", "player-a")
    host.key("Return")
    host.wait_for("Select Team", "team-b")
    host.key("Return")
    host.wait_for("player on Team Team [B8]", "player-b")
    host.click_text("Network", "network-choice")
    host.key("Return")
    host.wait_for("size of area", "arena")
    host.key("Return")
    host.wait_for("seats are taken", "waiting")

    guest.key("alt+f", "j")
    guest.wait_for("Join Network Game", "join-dialog")
    guest.key("Tab")
    guest.type("127.0.0.1")
    guest.key("Tab", "ctrl+a")
    guest.type(port)
    guest.key("Return")
    guest.wait_for(TEAM_LINE % "[A4]", "guest-started", box=guest.panel_box())
    guest.wait_for(r"\(network\)", "guest-sees-host", box=guest.panel_box())
    host.wait_for(TEAM_LINE % "[A4]", "host-started", box=host.panel_box())
    host.shot("both-started")

    host.key("Return")  # the default shot lands on the host's own half
    guest.wait_for(TEAM_LINE % "[B8]", "guest-turn", timeout=60, box=guest.panel_box())
    host.wait_for(r"\(network\)", "host-waits", box=host.panel_box())
    guest.key("Up", repeat=40)
    guest.key("Next", repeat=10)
    guest.key("Return")
    # The turn comes back to the host, whose next shot finds no tank left to play against.
    host.wait_for(TEAM_LINE % "[A4]", "host-turn-again", timeout=60, box=host.panel_box())
    host.key("Return")
    host.wait_for("Game Over", "host-game-over", timeout=120)
    guest.wait_for("Game Over", "guest-game-over", timeout=120)
    host.shot("both-game-over")
    guest.key("Return")
    host.key("Return")

    for session in (guest, host):
        session.key("alt+f", "x")
        session.wait_for("Leave the network game", "leave-question")
        session.key("Return")
        status = session.proc.wait(timeout=30)
        if status != 0:
            raise Failure("Exit ended a program with status %d" % status)
        if session is guest:
            host.wait_for("has left the game", "host-told")
            host.key("Return")


def main(program, shots):
    shutil.rmtree(shots, ignore_errors=True)
    program = os.path.abspath(program)
    host = Session(program, os.path.join(shots, "host"), record_audio=False,
                   env={"USER": "hostess"})
    guest = None
    try:
        guest = Session(program, os.path.join(shots, "guest"), record_audio=False,
                        env={"USER": "visitor"})
        play(host, guest)
    except Failure as failure:
        host.shot("failure")
        sys.exit("FAILED: %s (screenshots in %s)" % (failure, shots))
    finally:
        for session in (host, guest):
            if session is not None:
                session.stop()


if __name__ == "__main__":
    main(*sys.argv[1:3])
