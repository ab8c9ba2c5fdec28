# SPDX-License-Identifier: GPL-3.0-or-later
# Without a display the program reports the failure, with SDL's reason, on stderr and ends
# with a non-zero status.
import re
import subprocess
import sys

result = subprocess.run([sys.argv[1]], stderr=subprocess.PIPE, timeout=60)
stderr = result.stderr.decode(errors="replace")
if result.returncode == 0 or not re.search(r"(unable to choose a suitable pixel format|failed to "
                                           r"create window|failed to register windows class) "
                                           r"\(\S.*\)", stderr):
    sys.exit("status %d, stderr: %r" % (result.returncode, stderr))
