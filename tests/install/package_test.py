# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the Debian package as `make package` does, into a scratch folder, and checks it as a
packager would: lintian without an error or warning, the AppStream metadata valid offline,
the game where Debian's policy puts games, the licence in the copyright file and the metadata,
and an SPDX line atop every source file of ours."""

import os
import re
import subprocess
import sys
import tempfile

SPDX = "SPDX-License-Identifier: GPL-3.0-or-later"
APP_ID = "io.github.krellmont.Krellmont"


def sources_without_licence(source):
    missing = []
    for folder, dirs, files in os.walk(source):
        dirs[:] = [d for d in dirs if not d.startswith((".", "build")) and d != "third_party"]
        for name in files:
            if name.endswith((".cpp", ".h", ".py")) or name == "CMakeLists.txt":
                path = os.path.join(folder, name)
                with open(path, encoding="utf-8") as f:
                    if SPDX not in f.readline():
                        missing.append(os.path.relpath(path, source))
    return missing


def main(build, source):
    missing = sources_without_licence(source)
    assert not missing, "no SPDX line first: %s" % missing
    with tempfile.TemporaryDirectory() as scratch:
        subprocess.run(["cpack", "-B", scratch], cwd=build, check=True, stdout=subprocess.DEVNULL)
        debs = [f for f in os.listdir(scratch) if f.endswith(".deb")]
        assert len(debs) == 1, debs
        deb = os.path.join(scratch, debs[0])

        lintian = subprocess.run(["lintian", "--fail-on", "error,warning", deb],
                                 stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        assert lintian.returncode == 0 and not re.search(r"^[EW]:", lintian.stdout, re.M), \
            "lintian:\n" + lintian.stdout

        control = subprocess.check_output(["dpkg-deb", "-f", deb], text=True)
        description = control[control.index("Description:"):].splitlines()
        assert all(len(line) <= 80 for line in description), description
        assert re.search(r"^Section: games$", control, re.M), control
        assert not re.search(r"example|localhost", control), control

        root = os.path.join(scratch, "root")
        subprocess.run(["dpkg-deb", "-x", deb, root], check=True)
        usr = root + "/usr"
        for path in ("games/krellmont", "share/games/krellmont/floor.bmp",
                     "share/games/krellmont/krellmont.hlp", "share/man/man6/krellmont.6.gz",
                     "share/doc/krellmont/changelog.Debian.gz",
                     "share/applications/%s.desktop" % APP_ID,
                     "share/icons/hicolor/256x256/apps/krellmont.png"):
            assert os.path.isfile(os.path.join(usr, path)), "not in the package: " + path
        assert not os.path.exists(usr + "/bin"), "a command outside /usr/games"

        with open(usr + "/share/doc/krellmont/copyright") as f:
            copyright_file = f.read()
        for needed in ("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/",
                       "License: GPL-3+", "/usr/share/common-licenses/GPL-3",
                       "Files: third_party/imgui_backends/*", "Omar Cornut", "License: Expat"):
            assert needed in copyright_file, "copyright file lacks " + needed

        metainfo = usr + "/share/metainfo/%s.metainfo.xml" % APP_ID
        with open(metainfo) as f:
            xml = f.read()
        for needed in ("<id>%s</id>" % APP_ID, "<project_license>GPL-3.0-or-later</project_license>",
                       "<metadata_license>", "<control>keyboard</control>",
                       "<control>pointing</control>"):
            assert needed in xml, "metainfo lacks " + needed
        assert "example" not in xml, "a placeholder in the metainfo"
        subprocess.run(["appstreamcli", "validate", "--no-net", metainfo], check=True,
                       stdout=subprocess.DEVNULL)
        with open(usr + "/share/applications/%s.desktop" % APP_ID) as f:
            assert "Exec=/usr/games/krellmont\n" in f.read(), "desktop entry's command"


if __name__ == "__main__":
    main(*sys.argv[1:3])
    print("package built, lintian clean, paths and licence in place")
