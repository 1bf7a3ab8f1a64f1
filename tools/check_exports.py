#!/usr/bin/env python3
"""Compare a built library's export table with the export list.

    check_exports.py elf LIB.so  elf_symbols.txt   (nm -D --defined-only)
    check_exports.py dll LIB.dll dll_exports.txt   (objdump -p, i686 PE)
"""
import re
import subprocess
import sys


def elf_exports(lib, nm):
    out = subprocess.run([nm, "-D", "--defined-only", lib], check=True, capture_output=True, text=True).stdout
    names = set()
    for line in out.splitlines():
        parts = line.split()
        if len(parts) >= 3 and parts[1] not in ("A",):
            names.add(parts[2].split("@")[0])
    return names


def dll_exports(dll, objdump):
    out = subprocess.run([objdump, "-p", dll], check=True, capture_output=True, text=True).stdout
    names, inside = set(), False
    for line in out.splitlines():
        if line.startswith("[Ordinal/Name Pointer] Table"):
            inside = True
            continue
        if inside:
            m = re.match(r"\s*\[\s*\d+\]\s+(\S+)\s*$", line)
            if not m:
                break
            names.add(m.group(1))
    return names


def main():
    kind, lib, listed = sys.argv[1:4]
    tool = sys.argv[4] if len(sys.argv) > 4 else ("nm" if kind == "elf" else "objdump")
    want = {l.strip() for l in open(listed, encoding="utf-8") if l.strip()}
    have = elf_exports(lib, tool) if kind == "elf" else dll_exports(lib, tool)
    missing, extra = sorted(want - have), sorted(have - want)
    for n in missing:
        print(f"missing export: {n}")
    for n in extra:
        print(f"unlisted export: {n}")
    print(f"{len(have)} exports, {len(want)} listed: " + ("OK" if not missing and not extra else "MISMATCH"))
    sys.exit(1 if missing or extra else 0)


if __name__ == "__main__":
    main()
