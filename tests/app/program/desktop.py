"""Drives a program on an X display the way a person would: screenshots, reading the
screen with tesseract, mouse clicks and key presses through xdotool."""

import os
import re
import subprocess
import time


def run(*args, check=True, capture=True):
    result = subprocess.run(args, check=check, stdout=subprocess.PIPE if capture else None,
                            stderr=subprocess.PIPE if capture else None)
    return result.stdout.decode(errors="replace") if capture else ""


class Image:
    """An RGB screenshot held in memory."""

    def __init__(self, path):
        self.path = path
        size = run("identify", "-format", "%w %h", path).split()
        self.width, self.height = int(size[0]), int(size[1])
        self.data = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True,
                                   stdout=subprocess.PIPE).stdout

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return self.data[i], self.data[i + 1], self.data[i + 2]

    def find(self, predicate, box=None, step=1):
        """Pixels (x, y) in box=(x0, y0, x1, y1) whose colour satisfies predicate."""
        x0, y0, x1, y1 = box or (0, 0, self.width, self.height)
        found = []
        for y in range(max(0, y0), min(self.height, y1), step):
            row = y * self.width * 3
            for x in range(max(0, x0), min(self.width, x1), step):
                i = row + x * 3
                if predicate(self.data[i], self.data[i + 1], self.data[i + 2]):
                    found.append((x, y))
        return found


class Word:
    def __init__(self, text, x, y, w, h):
        self.text, self.x, self.y, self.w, self.h = text, x, y, w, h

    @property
    def centre(self):
        return self.x + self.w // 2, self.y + self.h // 2

    def __repr__(self):
        return "Word(%r @ %d,%d %dx%d)" % (self.text, self.x, self.y, self.w, self.h)


class Desktop:
    def __init__(self, shot_dir):
        self.shot_dir = shot_dir
        self.count = 0
        os.makedirs(shot_dir, exist_ok=True)

    def shot(self, name):
        self.count += 1
        path = os.path.join(self.shot_dir, "%02d-%s.png" % (self.count, name))
        run("import", "-window", "root", path)
        return path

    def words(self, path, box=None, scale=3):
        """Words tesseract reads in the screenshot, with boxes in screen pixels."""
        work = path + ".ocr.png"
        args = ["convert", path]
        ox = oy = 0
        if box:
            x0, y0, x1, y1 = box
            args += ["-crop", "%dx%d+%d+%d" % (x1 - x0, y1 - y0, x0, y0), "+repage"]
            ox, oy = x0, y0
        args += ["-resize", "%d%%" % (scale * 100), "-colorspace", "Gray", "-normalize", work]
        run(*args)
        tsv = run("tesseract", work, "-", "--psm", "11", "tsv")
        os.remove(work)
        found = []
        for line in tsv.splitlines()[1:]:
            cols = line.split("\t")
            if len(cols) < 12 or not cols[11].strip():
                continue
            x, y, w, h = (int(v) for v in cols[6:10])
            found.append(Word(cols[11].strip(), ox + x // scale, oy + y // scale, w // scale,
                              h // scale))
        return found

    def text(self, path, box=None):
        return " ".join(w.text for w in self.words(path, box))

    def find_word(self, path, pattern, box=None):
        regex = re.compile(pattern, re.IGNORECASE)
        for word in self.words(path, box):
            raw = word.text.strip()
            if regex.fullmatch(raw) or regex.fullmatch(raw.strip(".,:;!?'\"()[]|")):
                return word
        return None

    def click(self, x, y, button=1):
        run("xdotool", "mousemove", str(x), str(y))
        time.sleep(0.08)
        run("xdotool", "click", str(button))
        time.sleep(0.15)

    def key(self, *names):
        """Each key is held for a few frames: a widget that polls key state once a frame
        would miss a press and release that both fall between two frames."""
        for name in names:
            run("xdotool", "keydown", name)
            time.sleep(0.07)
            run("xdotool", "keyup", name)
            time.sleep(0.07)

    def type(self, text):
        run("xdotool", "type", "--delay", "40", text)

    def drag(self, x0, y0, x1, y1, button=1):
        run("xdotool", "mousemove", str(x0), str(y0))
        time.sleep(0.05)
        run("xdotool", "mousedown", str(button))
        steps = 10
        for i in range(1, steps + 1):
            run("xdotool", "mousemove", str(x0 + (x1 - x0) * i // steps),
                str(y0 + (y1 - y0) * i // steps))
            time.sleep(0.02)
        run("xdotool", "mouseup", str(button))
        time.sleep(0.1)
