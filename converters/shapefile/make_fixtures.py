#!/usr/bin/env python3
"""Writes shapefiles and dBASE tables for the Quorvel tests with independent writers:
pyshp (python3-pyshp) for shapefiles and dBASE III tables, python3-dbf for a Visual
FoxPro table (whose header keeps 263 reserved bytes after the field descriptors).

    make_fixtures.py OUTDIR [NAME...]     (no NAME: every fixture)

Each fixture NAME is NAME.shp/.shx/.dbf in OUTDIR (lower-case extensions, as the
writers make them). Text is code page 932.
"""
import datetime
import os
import sys

import shapefile  # pyshp


def shapes(path, polys, shape_type=shapefile.POLYGON):
    """The main file and index only; each item is a list of rings, a Shape, or a point."""
    with open(path + ".shp", "wb") as shp, open(path + ".shx", "wb") as shx:
        w = shapefile.Writer(shp=shp, shx=shx, shapeType=shape_type)
        for p in polys:
            if isinstance(p, shapefile.Shape):
                w.shape(p)  # as given: pyshp closes rings only through poly()
            elif shape_type == shapefile.POINT:
                w.point(*p)
            else:
                w.poly([list(r) for r in p])
        w.close()


def table(path, fields, records):
    """A dBASE III table written by pyshp; fields are (name, type, size, decimals)."""
    with open(path + ".dbf", "wb") as dbf:
        w = shapefile.Writer(dbf=dbf, encoding="cp932")
        for name, typ, size, deci in fields:
            w.field(name, typ, size, deci)
        for r in records:
            w.record(*r)
        w.close()


def square(x, y, side=10.0, clockwise=True):
    ring = [(x, y), (x, y + side), (x + side, y + side), (x + side, y), (x, y)]
    return [ring if clockwise else ring[::-1]]


# Plane rectangular coordinates (metres) of a few lots.
LOTS = [
    square(-8120.0, -36512.0),                       # clockwise: kept
    square(-8100.0, -36512.0, 12.5, clockwise=False),  # counter-clockwise: reversed
    [[(-8080.0, -36500.0), (-8070.25, -36490.5), (-8060.0, -36500.0), (-8080.0, -36500.0)]],
    square(-8050.0, -36512.0, 0.5),
    square(-8040.0, -36512.0, 3.0),                  # fifth shape, no record
]


def parcels(out):
    """Five lots, four records: Japanese names in a 10-byte field (a name of five
    double-byte characters fills it; a longer one is cut by the writer inside a
    character), a value holding ",", integer, real, float, date and logical fields."""
    shapes(out, LOTS)
    fields = [("地番", "C", 10, 0), ("NOTE", "C", 12, 0), ("CODE", "N", 6, 0), ("AREA", "N", 10, 2),
              ("RATIO", "F", 12, 4), ("SURVEYED", "D", 8, 0), ("CHECKED", "L", 1, 0)]
    records = [
        ["本町1-2", "1,2-3", 101, 123.45, 0.5, datetime.date(2020, 4, 1), True],
        ["あいうえお", "x", -7, 0.1, -2.25, datetime.date(1999, 12, 31), False],
        ["A本町一丁目", "next", 0, 1000000.0, 1e-3, "20240229", None],
        [" 東町 ", "", 42, -3.5, 0, None, True],
    ]
    table(out, fields, records)


def foxpro(out):
    """Three lots with a Visual FoxPro table: header bytes reserved after the field
    descriptors, and the second record deleted."""
    import dbf

    shapes(out, LOTS[:3])
    t = dbf.Table(out + ".dbf", "NAME C(10); CODE N(5,0); AREA N(9,3)", dbf_type="vfp", codepage="cp932")
    t.open(dbf.READ_WRITE)
    for row in [("西町5", 5, 12.125), ("削除済み", 6, 0.5), ("栄町7", 7, 99.0)]:
        t.append(row)
    dbf.delete(t[1])
    t.close()


def points(out):
    """A point shapefile."""
    shapes(out, [(1.0, 2.0), (3.0, 4.0)], shapefile.POINT)
    table(out, [("ID", "N", 4, 0)], [[1], [2]])


def holes(out):
    """A simple lot, then a lot with a courtyard (two rings)."""
    outer = [(0.0, 0.0), (0.0, 30.0), (30.0, 30.0), (30.0, 0.0), (0.0, 0.0)]
    inner = [(10.0, 10.0), (20.0, 10.0), (20.0, 20.0), (10.0, 20.0), (10.0, 10.0)]
    shapes(out, [LOTS[0], [outer, inner]])
    table(out, [("ID", "N", 4, 0)], [[1], [2]])


def openring(out):
    """A ring that does not repeat its first point: the three first points alone run
    the other way round from the whole ring, and the last point widens the box."""
    s = shapefile.Shape(shapefile.POLYGON)
    s.points = [[0.0, 0.0], [1.0, 0.0], [1.0, 1.0], [2.0, -1.0]]
    s.parts = [0]
    shapes(out, [s])
    table(out, [("ID", "N", 4, 0)], [[1]])


def nuls(out):
    """NUL bytes in values, and a field name with bytes after its first NUL."""
    shapes(out, LOTS[:1])
    table(out, [("A\0junk", "C", 6, 0), ("B", "C", 6, 0)], [[b"ab\0\0\0\0", b"\0cd\0 e"]])


def split(out):
    """A double-byte character whose lead byte ends one field and whose trail byte
    opens the next (い is 82 A2), and a lone lead byte before ASCII text."""
    shapes(out, LOTS[:2])
    table(out, [("P", "C", 3, 0), ("Q", "C", 3, 0), ("R", "C", 2, 0)],
          [[b"\x82\xa0\x82", b"\xa2\x82\xa4", b"ok"],
           [b"ab\x82", b"Abc", b"\x82\xa0"]])


def wide(out, n):
    shapes(out, LOTS[:1])
    table(out, [(f"F{i}", "N", 3, 0) for i in range(1, n + 1)], [list(range(1, n + 1))])


def many_records(out, n):
    """One lot and a table of n records."""
    shapes(out, LOTS[:1])
    table(out, [("N", "N", 6, 0)], [[i] for i in range(1, n + 1)])


def many_shapes(out, n):
    """n small triangles; their table numbers them, up to 100000."""
    shapes(out, [[[(i, 0.0), (i, 1.0), (i + 1.0, 1.0), (i, 0.0)]] for i in range(n)])
    table(out, [("N", "N", 6, 0)], [[i] for i in range(1, min(n, 100000) + 1)])


def big(out, n):
    """A ring of n points (the closing point included)."""
    import math
    ring = [(100.0 * math.cos(2 * math.pi * i / (n - 1)), 100.0 * math.sin(-2 * math.pi * i / (n - 1)))
            for i in range(n - 1)]
    shapes(out, [[ring + [ring[0]]]])
    table(out, [("ID", "N", 4, 0)], [[1]])


def empty(out):
    """No shape, no record."""
    shapes(out, [])
    table(out, [("ID", "N", 4, 0)], [])


FIXTURES = {
    "parcels": parcels,
    "foxpro": foxpro,
    "points": points,
    "holes": holes,
    "openring": openring,
    "nuls": nuls,
    "split": split,
    "wide100": lambda o: wide(o, 100),
    "wide101": lambda o: wide(o, 101),
    "records100001": lambda o: many_records(o, 100001),
    "shapes40000": lambda o: many_shapes(o, 40000),
    "shapes100001": lambda o: many_shapes(o, 100001),
    "big5000": lambda o: big(o, 5000),
    "big5001": lambda o: big(o, 5001),
    "empty": empty,
}


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name in sys.argv[2:] or sorted(FIXTURES):
        FIXTURES[name](os.path.join(out, name))


if __name__ == "__main__":
    main()
