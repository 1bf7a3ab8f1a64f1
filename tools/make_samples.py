#!/usr/bin/env python3
"""Writes the sample files under samples/ (deterministic: same bytes every run).

    samples/town.sim   a SIMA file of a small town district: numbered points (A01),
                       parcels (D00/B01/D99) with Shift_JIS parcel names, some points
                       listed after the parcels that use them, rings listed clockwise
                       and counter-clockwise, closing flags 0 and 1.
    samples/lots.pnt   a cadastral pair of the same district: named points (pnt) and
    samples/lots.pol   parcels with district codes and names (pol), rings closed by
                       repeating their first point name, listed either way round.
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


def main():
    os.makedirs(OUT, exist_ok=True)
    pnt, pol = lots_pair()
    for name, data in [("town.sim", town_sima()), ("lots.pnt", pnt), ("lots.pol", pol)]:
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)
        print(f"wrote samples/{name} ({len(data)} bytes)", file=sys.stderr)


if __name__ == "__main__":
    main()
