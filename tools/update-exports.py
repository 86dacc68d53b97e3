#!/usr/bin/env python3
"""Writes docs/exports.txt from a built ruzirareva.dll: every exported name, demangled, under
the subsystem whose public header declares it. Run after adding a public name, then review
the diff: the list is the interface's own record.
Usage: tools/update-exports.py <objdump> <c++filt> <dll> [<list>]"""
import os
import re
import subprocess
import sys

here = os.path.dirname(os.path.abspath(__file__))
root = os.path.dirname(here)
objdump, cxxfilt, dll = sys.argv[1:4]
out = sys.argv[4] if len(sys.argv) > 4 else os.path.join(root, 'docs', 'exports.txt')
names = subprocess.run(['sh', os.path.join(here, 'dll-exports.sh'), objdump, cxxfilt, dll],
                       check=True, capture_output=True, text=True).stdout.split('\n')
names = [n for n in names if n]

include = os.path.join(root, 'include', 'ruzirareva')
headers = {}
for folder, _, files in os.walk(include):
    for f in files:
        if f.endswith('.h'):
            rel = os.path.relpath(os.path.join(folder, f), include)
            subsystem = rel.split(os.sep)[0] if os.sep in rel else 'library'
            headers[rel] = (subsystem, open(os.path.join(folder, f), encoding='utf-8').read())

PREFIXES = ('vtable for ', 'typeinfo for ', 'typeinfo name for ', 'guard variable for ', 'VTT for ')


def key_identifier(name):
    for prefix in PREFIXES:
        if name.startswith(prefix):
            name = name[len(prefix):]
    head = name.split('(')[0]
    head = re.sub(r'<.*>', '', head)
    head = re.sub(r'\[abi:[^\]]*\]', '', head)
    parts = [p for p in head.split('::') if p and p != 'ruzi']
    return parts[0] if parts else head


def subsystem_of(name):
    ident = key_identifier(name)
    pattern = re.compile(r'\b' + re.escape(ident) + r'\b')
    for rel, (subsystem, text) in sorted(headers.items()):
        for line in text.split('\n'):
            if 'RUZI_API' in line and pattern.search(line):
                return subsystem
    for rel, (subsystem, text) in sorted(headers.items()):
        if re.search(r'(class|struct) (RUZI_API )?' + re.escape(ident) + r'\b', text):
            return subsystem
    return 'unassigned'


groups = {}
for n in names:
    groups.setdefault(subsystem_of(n), []).append(n)
with open(out, 'w', encoding='utf-8') as f:
    f.write('# The interface of ruzirareva.dll: every exported name, demangled, one per line, under\n'
            '# the subsystem whose public header (include/ruzirareva/) declares it. The tests\n'
            '# ExportList.NothingMissing and ExportList.NothingUnlisted compare it with the DLL.\n'
            '# Regenerate with tools/update-exports.py after adding a public name.\n')
    for subsystem in sorted(groups):
        f.write('\n[%s]\n' % subsystem)
        for n in groups[subsystem]:
            f.write(n + '\n')
print('%d names in %s' % (len(names), out))
