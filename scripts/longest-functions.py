#!/usr/bin/env python3
"""Lists the longest function bodies in C++ sources: scripts/longest-functions.py [N] [folder].

Counts the lines from a definition's opening brace to its closing one. A definition is a brace
that follows a closing parenthesis (optionally const, override, noexcept or an initialiser
list); braces inside strings and comments are skipped. Good enough to rank, not a parser."""
import pathlib
import re
import sys

count = int(sys.argv[1]) if len(sys.argv) > 1 else 10
root = pathlib.Path(sys.argv[2] if len(sys.argv) > 2 else "src")
head = re.compile(r"([\w:~<>]+)\s*\([^;{}]*\)\s*(const)?\s*(override|final|noexcept)?\s*(:[^;{}]*)?$",
                  re.S)


def strip(text):
    text = re.sub(r"//[^\n]*", "", text)
    text = re.sub(r"/\*.*?\*/", lambda m: "\n" * m.group(0).count("\n"), text, flags=re.S)
    text = re.sub(r'R"\((.*?)\)"', lambda m: '""' + "\n" * m.group(0).count("\n"), text, flags=re.S)
    return re.sub(r'"(\\.|[^"\\\n])*"', '""', text)


found = []
for path in sorted(root.rglob("*.cpp")) + sorted(root.rglob("*.h")):
    text = strip(path.read_text(encoding="utf-8"))
    depth, starts = 0, []
    for i, ch in enumerate(text):
        if ch == "{":
            before = text[max(0, i - 400):i]
            cut = max(before.rfind(";"), before.rfind("}"), before.rfind("{"))
            segment = before[cut + 1:].strip()
            match = head.search(segment)
            first = re.match(r"[^(]*?([\w:~]+)\s*\(", segment, re.S)
            name = first.group(1) if match and first else None
            if name in ("if", "for", "while", "switch", "catch", "connect"):
                name = None
            elif segment.startswith(","):
                name = "(constructor)"  # the body after a brace-initialised member
            starts.append((name, text.count("\n", 0, i) + 1))
            depth += 1
        elif ch == "}" and starts:
            name, line = starts.pop()
            if name:
                found.append((text.count("\n", 0, i) + 1 - line + 1, f"{path}:{line}", name))
for lines, place, name in sorted(found, reverse=True)[:count]:
    print(f"{lines:4d}  {name}  {place}")
