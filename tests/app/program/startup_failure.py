"""Starts the program where SDL can open no real display and checks that it reports
the failure, with SDL's reason, on stderr and ends with a non-zero status."""

import re
import subprocess
import sys

program = sys.argv[1]
result = subprocess.run([program], stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=60)
stderr = result.stderr.decode(errors="replace")
expected = ("unable to choose a suitable pixel format", "failed to create window",
            "failed to register windows class")
if result.returncode == 0:
    sys.exit("the program reported success although it could not start: %r" % stderr)
if not any(re.search(re.escape(message) + r" \(\S.*\)", stderr) for message in expected):
    sys.exit("no start-up message with its reason on stderr: %r" % stderr)
print("status %d, stderr: %s" % (result.returncode, stderr.strip()))
