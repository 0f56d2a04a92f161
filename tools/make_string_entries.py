#!/usr/bin/env python3
"""Writes the STRINGTABLE entries of the program's resource scripts as a C++ table
({id, "text"}, one a line) for builds without Windows resources.

Usage: make_string_entries.py OUTPUT SCRIPT.rc...

The scripts are in code page 1252; bytes above 127 are written as octal escapes so that the
table holds the same bytes as the Windows string table. A doubled quote inside a text is the
resource compiler's quote and becomes \\".
"""
import os
import re
import sys

ENTRY = re.compile(r'^\s*(\d+)\s*,?\s*"((?:[^"]|"")*)"\s*$')


def entries(path):
    inside = False
    with open(path, encoding="cp1252") as script:
        for line in script:
            word = line.strip()
            if word == "STRINGTABLE":
                inside = True
            elif inside and word == "END":
                inside = False
            elif inside:
                match = ENTRY.match(line)
                if match:
                    yield int(match.group(1)), match.group(2)


def c_text(text):
    text = text.replace('""', '\\"')
    return "".join(c if ord(c) < 128 else "\\%03o" % c.encode("cp1252")[0] for c in text)


def main():
    output, scripts = sys.argv[1], sys.argv[2:]
    lines = []
    for path in sorted(scripts):
        for number, text in entries(path):
            lines.append('{%d, "%s"},\n' % (number, c_text(text)))
    os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
    with open(output, "w", encoding="ascii") as table:
        table.writelines(lines)


if __name__ == "__main__":
    main()
