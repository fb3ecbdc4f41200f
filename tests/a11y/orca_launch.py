#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Quorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts Debian's Orca for the test, as /usr/bin/orca would, with three differences.

Its debug file is opened line-buffered, so that every "SPEECH OUTPUT" line can be read the moment it is
spoken and none is lost when Orca ends; it neither looks for nor stops other copies of Orca owned by the
same user (other test runs on the machine have their own X display and D-Bus session); and it does not
echo the keys pressed, so that what it says after a key is what the program told it.

Usage: orca_launch.py <debug file> [orca options...]
"""

import builtins
import sys

ORCA = "/usr/bin/orca"

debug_file = sys.argv[1]
real_open = builtins.open


def line_buffered_open(file, mode="r", *args, **kwargs):
    if file == debug_file and "w" in mode and not args and "buffering" not in kwargs:
        kwargs["buffering"] = 1
    return real_open(file, mode, *args, **kwargs)


builtins.open = line_buffered_open
# The defaults Orca starts from when its (fresh) settings folder holds no settings yet.
sys.path.insert(0, "/usr/lib/python3/dist-packages")
import orca.settings  # noqa: E402

orca.settings.enableKeyEcho = False
launcher = {"__name__": "orca_launcher", "__file__": ORCA}
with real_open(ORCA, encoding="utf-8") as source:
    exec(compile(source.read(), ORCA, "exec"), launcher)
launcher["otherOrcas"] = lambda: []
launcher["setProcessName"] = lambda name: False
sys.argv = [ORCA, "--debug-file=" + debug_file] + sys.argv[2:]
sys.exit(launcher["main"]())
