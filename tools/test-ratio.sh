#!/bin/bash
# Prints the size of the tests against the code they test, counted the same way every time:
# non-blank lines of C/C++ that hold more than a comment. Test data (tests/data/) is counted apart.
# Usage: tools/test-ratio.sh [tree] [subsystem]   (default: this checkout, all of it)
# A subsystem (treedata, foundation, …) counts src/<it> and include/ruzirareva/<it> against tests/<it>,
# and with them the component and tool folders that are its own and that tests/<it> tests (OWN_FOLDERS
# below: the skin's tests check face.dll and the files the skin generator writes).
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"
RUZI_SUBSYSTEM=${2:-} python3 - <<'PY'
import os, re

SOURCE = re.compile(r'\.(c|cc|cpp|cxx|h|hh|hpp|inc)$')

def code_lines(text):
    """Lines with something besides blanks and comments; strings and chars are skipped whole."""
    count, in_block, i, n = 0, False, 0, len(text)
    line_has_code = False
    while i < n:
        c = text[i]
        if c == '\n':
            count += line_has_code
            line_has_code = False
            i += 1
        elif in_block:
            if text.startswith('*/', i):
                in_block = False
                i += 2
            else:
                i += 1
        elif text.startswith('//', i):
            while i < n and text[i] != '\n':
                i += 1
        elif text.startswith('/*', i):
            in_block = True
            i += 2
        elif c in '"\'':
            line_has_code = True
            i += 1
            while i < n and text[i] != c and text[i] != '\n':
                i += 2 if text[i] == '\\' else 1
            i += 1
        else:
            line_has_code |= not c.isspace()
            i += 1
    return count + line_has_code

def tree_lines(folders, keep=lambda path: True):
    total = 0
    for folder in folders:
        for base, dirs, files in os.walk(folder):
            dirs.sort()
            for name in sorted(files):
                path = os.path.join(base, name)
                if keep(path):
                    with open(path, encoding='utf-8', errors='replace') as f:
                        total += code_lines(f.read())
    return total

def nonblank(folder):
    total = 0
    for base, dirs, files in os.walk(folder):
        for name in files:
            with open(os.path.join(base, name), encoding='utf-8', errors='replace') as f:
                total += sum(1 for line in f if line.strip() and not line.lstrip().startswith('#'))
    return total

OWN_FOLDERS = {'skin': ['components/face', 'tools/skin_generator'], 'components': ['components']}

data = os.path.join('tests', 'data')
part = os.environ['RUZI_SUBSYSTEM']
code_folders = [os.path.join('src', part), os.path.join('include', 'ruzirareva', part)] + OWN_FOLDERS.get(part, []) \
    if part else ['src', 'include', 'components', 'cli', 'tools']
code = tree_lines(code_folders, lambda p: SOURCE.search(p))
tests = tree_lines([os.path.join('tests', part)], lambda p: SOURCE.search(p) and not p.startswith(data + os.sep))
data_lines = nonblank(data) if os.path.isdir(data) else 0
print(f'code lines:      {code}')
print(f'test lines:      {tests}')
if not part:
    print(f'test-data lines: {data_lines}')
print(f'ratio:           {100 * tests / code:.1f}% (tests/code)' if code else 'ratio:           no code of its own here')
PY
