#!/usr/bin/env python3
"""Reference dBASE tables and their field names, made with independent writers.

    dbf_reference.py DIR    writes DIR/<name>.dbf for each table, DIR/<name>.names
                            with its field names (raw bytes joined by ","), and
                            DIR/tables.txt listing the names

pyshp (python3-pyshp) writes dBASE III tables with code page 932 names as given;
python3-dbf writes dBASE III and Visual FoxPro tables (the latter keep 263
reserved bytes after the descriptors, counted in the header length). The expected
names are read back with struct: descriptors from byte 32 until the 0x0D
terminator, each name the 11-byte area up to its first NUL.
"""
import os
import struct
import sys

import dbf
import shapefile


def pyshp(path, fields):
    with open(path, "wb") as f:
        w = shapefile.Writer(dbf=f, encoding="cp932")
        for name, typ, size, deci in fields:
            w.field(name, typ, size, deci)
        w.record(*[1 if typ == "N" else "x" for _, typ, _, _ in fields])
        w.close()


def python_dbf(path, fields, kind):
    t = dbf.Table(path, fields, dbf_type=kind, codepage="cp932")
    t.open(dbf.READ_WRITE)
    t.append()
    t.close()


def names(path):
    data = open(path, "rb").read()
    (header_length,) = struct.unpack_from("<h", data, 8)
    out = []
    for at in range(32, header_length, 32):
        if data[at] == 0x0D:
            break
        (area,) = struct.unpack_from("11s", data, at)
        out.append(area.split(b"\0")[0])
    return b",".join(out)


TABLES = {
    "db3_pyshp": lambda p: pyshp(p, [("ID", "N", 4, 0), ("NAME", "C", 10, 0)]),
    "db3_dbf": lambda p: python_dbf(p, "ID N(4,0); NAME C(10)", "db3"),
    "vfp": lambda p: python_dbf(p, "ID N(4,0); NAME C(10)", "vfp"),
    "vfp_wide": lambda p: python_dbf(p, "; ".join(f"F{i} N(3,0)" for i in range(1, 41)), "vfp"),
    # Names in code page 932 and lower case, kept as written; a ten-letter name.
    "cp932": lambda p: pyshp(p, [("地番", "C", 10, 0), ("id", "N", 4, 0), ("ABCDEFGHIJ", "C", 5, 0),
                                 ("ｶﾅ", "C", 2, 0)]),
    "wide": lambda p: pyshp(p, [(f"FIELD{i}", "N", 3, 0) for i in range(1, 301)]),
}


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, make in TABLES.items():
        path = os.path.join(out, name + ".dbf")
        make(path)
        with open(os.path.join(out, name + ".names"), "wb") as f:
            f.write(names(path))
    with open(os.path.join(out, "tables.txt"), "w") as f:
        f.write("\n".join(TABLES) + "\n")


if __name__ == "__main__":
    main()
