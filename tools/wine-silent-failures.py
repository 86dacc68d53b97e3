#!/usr/bin/env python3
"""Exit 0 when every test ctest last saw fail ended with no output at all, else 1.
Usage: wine-silent-failures.py <build>/Testing/Temporary"""
import os
import re
import sys

folder = sys.argv[1]
try:
    failed = [line.split(":", 1)[1].strip() for line in open(os.path.join(folder, "LastTestsFailed.log")) if ":" in line]
    log = open(os.path.join(folder, "LastTest.log"), encoding="utf-8", errors="replace").read()
except OSError:
    sys.exit(1)
if not failed:
    sys.exit(1)
for name in failed:
    block = re.search(r"\d+/\d+ Test: " + re.escape(name) + r"\n.*?Output:\n-+\n(.*?)<end of output>", log, re.S)
    if block is None or block.group(1).strip():
        sys.exit(1)
sys.exit(0)
