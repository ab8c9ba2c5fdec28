# SPDX-License-Identifier: GPL-3.0-or-later
"""Installs the game into a staging folder as a packager would (DESTDIR), validates what it
installed, starts the installed command from an unrelated folder on the virtual display
(it must find its help file) and leaves it by File > Exit, then uninstalls: no file may
be left, nor a folder beyond the prefix's shared top ones."""

import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "app", "program"))
import play_game  # noqa: E402


def main(build, source, shots):
    with tempfile.TemporaryDirectory() as stage, tempfile.TemporaryDirectory() as elsewhere:
        env = dict(os.environ, DESTDIR=stage)
        usr = stage + "/usr"
        subprocess.run(["cmake", "--install", build, "--prefix", "/usr", "--strip"], env=env, check=True,
                       stdout=subprocess.DEVNULL)
        entry = usr + "/share/applications/io.github.krellmont.Krellmont.desktop"
        subprocess.run(["desktop-file-validate", entry], check=True)
        with open(entry) as f:
            assert "Exec=/usr/games/krellmont\n" in f.read(), "the entry's command"
        subprocess.run(["appstreamcli", "validate", "--no-net",
                        usr + "/share/metainfo/io.github.krellmont.Krellmont.metainfo.xml"],
                       check=True, stdout=subprocess.DEVNULL)
        wanted = set(os.listdir(build + "/run")) - {"krellmont"}
        data = set(os.listdir(usr + "/share/games/krellmont"))
        assert wanted == data, "data folder and run folder differ in %s" % sorted(wanted ^ data)
        icons = [usr + "/share/icons/hicolor/%dx%d/apps/krellmont.png" % (s, s)
                 for s in (16, 32, 48, 64, 128, 256)]
        sizes = subprocess.check_output(["identify", "-format", "%m%w ", *icons]).split()
        assert sizes == [b"PNG16", b"PNG32", b"PNG48", b"PNG64", b"PNG128", b"PNG256"], \
            "theme icons: %s" % sizes
        assert os.path.isfile(usr + "/share/man/man6/krellmont.6.gz"), "no manual page"
        assert os.path.isfile(usr + "/share/doc/krellmont/copyright"), "no copyright file"
        program = usr + "/libexec/krellmont/krellmont"
        assert b"not stripped" not in subprocess.check_output(["file", program]), "not stripped"

        # The help's first section shows; File > Exit ends with status 0.
        play_game.main(lambda s: [s.key("alt+h", "h"), s.wait_for(r"goal", "help"), s.exit()],
                       usr + "/games/krellmont", shots, cwd=elsewhere, record_audio=False)

        subprocess.run(["cmake", "-DBUILD_DIR=" + build, "-DPREFIX=/usr", "-P",
                        source + "/dist/uninstall.cmake"], env=env, check=True,
                       stdout=subprocess.DEVNULL)
        left = [os.path.join(d, f) for d, _, files in os.walk(stage) for f in files]
        assert not left, "uninstall left files behind: %s" % left
        shared = {"usr", "usr/games", "usr/share", "usr/share/man"}
        folders = {os.path.relpath(d, stage) for d, _, _ in os.walk(stage)} - {"."}
        assert folders <= shared, "uninstall left folders behind: %s" % sorted(folders - shared)


if __name__ == "__main__":
    try:
        main(*sys.argv[1:4])
    except play_game.Failure as failure:
        sys.exit("FAILED: %s (screenshots in %s)" % (failure, sys.argv[3]))
    print("installed, started from elsewhere, exited with 0, uninstalled")
