#!/usr/bin/env python3
"""Writes the sample files under samples/ (deterministic: same bytes every run).

    samples/town.sim   a SIMA file of a small town district: numbered points (A01),
                       parcels (D00/B01/D99) with Shift_JIS parcel names, some points
                       listed after the parcels that use them, rings listed clockwise
                       and counter-clockwise, closing flags 0 and 1.
    samples/lots.pnt   a cadastral pair of the same district: named points (pnt) and
    samples/lots.pol   parcels with district codes and names (pol), rings closed by
                       repeating their first point name, listed either way round.
    samples/parcels.shp
    samples/parcels.shx
    samples/parcels.dbf
                       an ESRI polygon shapefile of the same district (written with pyshp):
                       one ring per lot, some stored counter-clockwise, and its dBASE
                       table in code page 932 (lot number, district name, district code,
                       area, survey date, checked flag).
"""
import os
import random
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "samples")

# Plane rectangular coordinates (zone IX, metres): X north, Y east.
ORIGIN_X, ORIGIN_Y = -36512.0, -8120.0
BLOCK_ROWS, BLOCK_COLS = 5, 7
PARCEL_W, PARCEL_D = 18.0, 24.0
DISTRICTS = ["本町", "東町", "西町", "栄町", "緑ケ丘"]


def town_sima():
    rnd = random.Random(20261207)
    points = {}  # number -> (x, y)
    grid = {}    # (row, col) -> number
    n = 0
    for r in range(BLOCK_ROWS + 1):
        for c in range(BLOCK_COLS + 1):
            n += 1
            # Survey noise of a few centimetres on every corner.
            x = ORIGIN_X + r * PARCEL_D + rnd.uniform(-0.05, 0.05)
            y = ORIGIN_Y + c * PARCEL_W + rnd.uniform(-0.05, 0.05)
            points[n] = (round(x, 3), round(y, 3))
            grid[(r, c)] = n
    # A few parcels get an extra vertex on their front boundary (a bend in the road).
    parcels = []
    number = 100
    for r in range(BLOCK_ROWS):
        for c in range(BLOCK_COLS):
            number += 1
            ring = [grid[(r, c)], grid[(r, c + 1)], grid[(r + 1, c + 1)], grid[(r + 1, c)]]
            if rnd.random() < 0.3:
                n += 1
                (x1, y1), (x2, y2) = points[ring[0]], points[ring[1]]
                points[n] = (round((x1 + x2) / 2 - rnd.uniform(0.3, 1.2), 3), round((y1 + y2) / 2, 3))
                ring.insert(1, n)
            if rnd.random() < 0.5:
                ring.reverse()  # the other sense; the converter orients it
            closing = 1 if rnd.random() < 0.6 else 0
            if closing == 0 and rnd.random() < 0.5:
                ring.append(ring[0])  # closed by the file itself
            district = DISTRICTS[r]
            name = f"{district}{number}番{rnd.randint(1, 9)}"
            parcels.append((name, closing, ring))

    lines = ["G00,01,サンプル町地区,", "Z00,座標データ,", "A00,"]
    late = set(rnd.sample(sorted(points), k=len(points) // 5))  # listed after the parcels
    for p in sorted(points):
        if p not in late:
            x, y = points[p]
            lines.append(f"A01,{p},P{p},{x:.3f},{y:.3f},0.000,")
    lines.append("A99,")
    lines.append("Z00,区画データ,")
    for i, (name, closing, ring) in enumerate(parcels, 1):
        lines.append(f"D00,{i},{name},{closing},")
        for p in ring:
            lines.append(f"B01,{p},P{p},")
        lines.append("D99,")
    lines.append("Z00,追加座標,")
    lines.append("A00,")
    for p in sorted(late):
        x, y = points[p]
        lines.append(f"A01,{p},P{p},{x:.3f},{y:.3f},0.000,")
    lines.append("A99,")
    return ("\r\n".join(lines) + "\r\n").encode("cp932")


def lots_pair():
    rnd = random.Random(19990401)
    names = {}  # (row, col) -> point name
    pnt = []
    for r in range(BLOCK_ROWS + 1):
        for c in range(BLOCK_COLS + 1):
            name = f"K{r:02d}{c:02d}"
            names[(r, c)] = name
            x = ORIGIN_X + r * PARCEL_D + rnd.uniform(-0.05, 0.05)
            y = ORIGIN_Y + c * PARCEL_W + rnd.uniform(-0.05, 0.05)
            pnt.append(f"{name},{x:.3f},{y:.3f}")
    pol = []
    for r in range(BLOCK_ROWS):
        district = DISTRICTS[r]
        for c in range(BLOCK_COLS):
            ring = [names[(r, c)], names[(r, c + 1)], names[(r + 1, c + 1)], names[(r + 1, c)]]
            if rnd.random() < 0.5:
                ring.reverse()
            ring.append(ring[0])
            chiban = f"{100 + r * BLOCK_COLS + c}-{rnd.randint(1, 9)}"
            pol.append(f"{201 + r},{c + 1},{district},{c + 1}丁目,{chiban},{len(ring)}")
            pol.extend(ring)
    encode = lambda lines: ("\r\n".join(lines) + "\r\n").encode("cp932")
    return encode(pnt), encode(pol)


def parcels_shapefile():
    """The main file, index and table of the sample shapefile, as bytes."""
    import datetime
    import io

    import shapefile  # pyshp

    rnd = random.Random(20240401)
    corner = {}
    for r in range(BLOCK_ROWS + 1):
        for c in range(BLOCK_COLS + 1):
            # Shapefile X is east (survey Y), shapefile Y is north (survey X).
            corner[(r, c)] = (round(ORIGIN_Y + c * PARCEL_W + rnd.uniform(-0.05, 0.05), 3),
                              round(ORIGIN_X + r * PARCEL_D + rnd.uniform(-0.05, 0.05), 3))
    shp, shx, dbf = io.BytesIO(), io.BytesIO(), io.BytesIO()
    w = shapefile.Writer(shp=shp, shx=shx, dbf=dbf, shapeType=shapefile.POLYGON, encoding="cp932")
    w.field("地番", "C", 16, 0)
    w.field("大字", "C", 10, 0)
    w.field("OAZA", "N", 5, 0)
    w.field("AREA", "N", 10, 2)
    w.field("SURVEYED", "D", 8, 0)
    w.field("CHECKED", "L", 1, 0)
    number = 100
    for r in range(BLOCK_ROWS):
        for c in range(BLOCK_COLS):
            number += 1
            ring = [corner[(r, c)], corner[(r + 1, c)], corner[(r + 1, c + 1)], corner[(r, c + 1)]]  # clockwise
            if rnd.random() < 0.4:
                ring.reverse()  # stored the other way round; the converter orients it
            ring.append(ring[0])
            area = abs(sum(x1 * y2 - x2 * y1 for (x1, y1), (x2, y2) in zip(ring, ring[1:]))) / 2
            w.poly([ring])
            w.record(f"{DISTRICTS[r]}{number}番{rnd.randint(1, 9)}", DISTRICTS[r], 201 + r, round(area, 2),
                     datetime.date(2024, 4, 1) + datetime.timedelta(days=rnd.randint(0, 365)), rnd.random() < 0.8)
    w.close()
    table = bytearray(dbf.getvalue())
    table[1:4] = bytes([124, 4, 1])  # the date of last update: fixed, so that every run gives the same bytes
    return shp.getvalue(), shx.getvalue(), bytes(table)


def main():
    os.makedirs(OUT, exist_ok=True)
    pnt, pol = lots_pair()
    shp, shx, dbf = parcels_shapefile()
    for name, data in [("town.sim", town_sima()), ("lots.pnt", pnt), ("lots.pol", pol), ("parcels.shp", shp),
                       ("parcels.shx", shx), ("parcels.dbf", dbf)]:
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)
        print(f"wrote samples/{name} ({len(data)} bytes)", file=sys.stderr)


if __name__ == "__main__":
    try:
        import shapefile  # noqa: F401  (pyshp, for the sample shapefile)
    except ImportError:
        # Debian's python3-pyshp belongs to the system Python; another python3 may
        # come first on the PATH.
        if os.path.exists("/usr/bin/python3") and sys.executable != "/usr/bin/python3":
            os.execv("/usr/bin/python3", ["/usr/bin/python3", *sys.argv])
        sys.exit("make_samples.py needs pyshp (python3-pyshp; scripts/setup.sh installs it)")
    main()
