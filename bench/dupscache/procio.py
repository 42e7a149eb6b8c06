#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: procio.py OUT COMMAND...
# Runs the command (stdout to OUT) and prints, once it has ended but before
# it is reaped, its read_bytes and rchar from /proc/PID/io, its wall time in
# ms and its peak resident memory in KiB.
import os
import resource
import subprocess
import sys
import time

out = open(sys.argv[1], "wb")
start = time.monotonic()
child = subprocess.Popen(sys.argv[2:], stdout=out, stderr=subprocess.DEVNULL)
os.waitid(os.P_PID, child.pid, os.WEXITED | os.WNOWAIT)
wall = int((time.monotonic() - start) * 1000)
io = {}
with open(f"/proc/{child.pid}/io") as f:
    for line in f:
        key, value = line.split(":")
        io[key] = int(value)
child.wait()
peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
print(io["read_bytes"], io["rchar"], wall, peak, child.returncode)
