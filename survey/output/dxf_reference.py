#!/usr/bin/env python3
"""Reference DXF drawings and expected section copies, made with ezdxf.

    dxf_reference.py make DIR    drawings DIR/<name>.dxf and, per section k, the bytes
                                 that a copy of that section must append: DIR/<name>.sec<k>
    dxf_reference.py check FILE  exits 0 when ezdxf reads FILE and finds its entities
"""
import os
import sys

import ezdxf

SECTIONS = [b"HEADER", b"TABLES", b"BLOCKS", b"ENTITIES", b"CLASSES", b"OBJECTS"]


def drawing(version):
    doc = ezdxf.new(version)
    msp = doc.modelspace()
    msp.add_line((0, 0), (10.5, -2))
    msp.add_circle((1, 2), 0.25)
    msp.add_text("survey", dxfattribs={"height": 2.5}).set_placement((1, 2))
    msp.add_lwpolyline([(0, 0), (1, 0), (1, 1)]) if version != "R12" else msp.add_polyline2d([(0, 0), (1, 0)])
    return doc


def expected_section(data, k):
    """The section's lines as a line split finds them, written with CR LF."""
    lines = data.replace(b"\r\n", b"\n").split(b"\n")
    name = SECTIONS[k - 1]
    for i, line in enumerate(lines):
        if line.startswith(name):
            out = [b"  0", b"SECTION", b"  2"]
            for line2 in lines[i:]:
                out.append(line2)
                if line2.startswith(b"ENDSEC"):
                    break
            return b"".join(l + b"\r\n" for l in out)
    return b""


def make(folder):
    files = {}
    for name, version in [("r12", "R12"), ("r2000", "R2000"), ("r2004", "R2004"), ("r2018", "R2018")]:
        path = os.path.join(folder, name + ".dxf")
        drawing(version).saveas(path)
        files[name] = open(path, "rb").read()
    files["r2000crlf"] = files["r2000"].replace(b"\n", b"\r\n")
    files["r12crlf"] = files["r12"].replace(b"\n", b"\r\n")
    for marker in (b"AC1006", b"AC1012", b"AC1014"):
        files["edit" + marker.decode()] = files["r12"].replace(b"\nAC1009\n", b"\n" + marker + b"\n", 1)
    for name, data in files.items():
        with open(os.path.join(folder, name + ".dxf"), "wb") as f:
            f.write(data)
        for k in range(1, 7):
            with open(os.path.join(folder, "%s.sec%d" % (name, k)), "wb") as f:
                f.write(expected_section(data, k))


def check(path):
    doc = ezdxf.readfile(path)
    kinds = sorted(e.dxftype() for e in doc.modelspace())
    print(" ".join(kinds))
    return 0 if "LINE" in kinds and "CIRCLE" in kinds else 1


if __name__ == "__main__":
    if sys.argv[1] == "make":
        make(sys.argv[2])
        sys.exit(0)
    sys.exit(check(sys.argv[2]))
