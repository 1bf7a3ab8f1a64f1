#!/usr/bin/env python3
"""Writes the starting inputs of the fuzz targets from the samples and the test
fixtures of the converters:

    make_seeds.py OUTDIR        (OUTDIR/sima, OUTDIR/kestrin, OUTDIR/shape, OUTDIR/dbf)

A pair of files is one input: four bytes (little-endian) with the length of the first
file, the first file, the second file.
"""
import os
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
SAMPLES = os.path.join(ROOT, "samples")
FIXTURES = os.path.join(ROOT, "converters", "shapefile", "make_fixtures.py")
SHAPE_FIXTURES = ["parcels", "foxpro", "points", "holes", "openring", "nuls", "split", "empty"]

# Small inputs of the converter tests.
SIMA = [
    b"G00,01,town\r\nD00,1,\x92\x6e\x94\xd4 1,1\r\nB01,1\r\nB01,2\r\nB01,3\r\nD99\r\n"
    b"A01,1,P1,200,100.5,0\r\nA01,2,P2,210.25,110,0\r\nA01,3,P3,200,110,0\r\n",
    b"A01,15000,P,1,2\r\nD00,1,x,0\r\nB01,15000\r\nB01,7\r\nD99\r\nd00,2\r\nB01,1.5\r\n",
    b"A01, 1 2 ,P,1e3,-.5\rD00,,&<name>,1\nB01,12\nD99",
]
KESTRIN = [
    (b"P1,0,0\r\nP2,10,0\r\nP3,10,10\r\nP4,0,10\r\n",
     b"101,2,\x96\x7b\x92\xac, \x88\xea\x92\x9a\x96\xda ,12-3 ,5\r\nP1\r\nP2,x\r\nP3\r\nP4\r\nP1\r\n"),
    (b"P1,1,2\r\n", b""),
    (b"A1,1,1\na1,2,2\n", b"2.5,3.5,a,b,c,2\na1\nA1\n1,1,a,b,c,0\n"),
]


def pair(a, b):
    return struct.pack("<I", len(a)) + a + b


def read(path):
    with open(path, "rb") as f:
        return f.read()


def main():
    out = sys.argv[1]
    seeds = {name: [] for name in ("sima", "kestrin", "shape", "dbf")}
    seeds["sima"] = SIMA + [read(os.path.join(SAMPLES, "town.sim"))]
    seeds["kestrin"] = [pair(a, b) for a, b in KESTRIN]
    seeds["kestrin"].append(pair(read(os.path.join(SAMPLES, "lots.pnt")), read(os.path.join(SAMPLES, "lots.pol"))))
    tables = [(os.path.join(SAMPLES, "parcels.shp"), os.path.join(SAMPLES, "parcels.dbf"))]
    with tempfile.TemporaryDirectory() as tmp:
        python = os.environ.get("SHAPE_FIXTURE_PYTHON", "/usr/bin/python3")
        subprocess.run([python, FIXTURES, tmp, *SHAPE_FIXTURES], check=True)
        tables += [(os.path.join(tmp, n + ".shp"), os.path.join(tmp, n + ".dbf")) for n in SHAPE_FIXTURES]
        for shp, dbf in tables:
            seeds["shape"].append(pair(read(shp), read(dbf)))
            seeds["dbf"].append(read(dbf))
    for name, inputs in seeds.items():
        os.makedirs(os.path.join(out, name), exist_ok=True)
        for i, data in enumerate(inputs):
            with open(os.path.join(out, name, "seed-%02d" % i), "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()
