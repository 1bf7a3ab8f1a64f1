#!/usr/bin/env python3
"""Plane rectangular forward projection (JGD2000, zone IX) of a million points from
Python: one module call per point, the array form, and pyproj's Transformer for
the same transverse Mercator, in one run; nanoseconds per point, and how far the
three answers lie apart.

    PYTHONPATH=python /usr/bin/python3 benchmarks/python_bench.py [points]

Needs numpy and pyproj (Debian: python3-numpy, python3-pyproj) and a built library
(the package finds the build's, or set SURVEY_LIBRARY).
"""
import sys
import time

import numpy as np
import pyproj

import survey

ZONE = 9
# Zone IX: origin 36 N, 139 50 E; scale 0.9999 on the central meridian; GRS80.
TMERC = "+proj=tmerc +lat_0=36 +lon_0=139.8333333333333 +k=0.9999 +x_0=0 +y_0=0 +ellps=GRS80 +units=m +no_defs"


def to_dms(deg):
    """Decimal degrees to packed DMS (D + M/100 + S/10000)."""
    d = np.floor(deg)
    m = np.floor((deg - d) * 60.0)
    s = ((deg - d) * 60.0 - m) * 60.0
    return d + m / 100.0 + s / 10000.0


def best(fn, runs):
    times = []
    for _ in range(runs):
        t0 = time.perf_counter()
        out = fn()
        times.append(time.perf_counter() - t0)
    return min(times), out


def main():
    n = int(sys.argv[1]) if len(sys.argv) > 1 else 1_000_000
    rng = np.random.default_rng(2026)
    lat_deg = rng.uniform(35.0, 37.0, n)
    lon_deg = rng.uniform(138.8, 140.8, n)
    lat, lon = to_dms(lat_deg), to_dms(lon_deg)
    # The points as pyproj reads them: the degrees that the packed DMS stand for.
    lat_back = np.array([survey.dms2deg(v) for v in lat[:1000]])
    assert np.allclose(lat_back, lat_deg[:1000], atol=1e-9)

    t_vec, (x, y, err) = best(lambda: survey.JGD2000_klola1_v(ZONE, lat, lon), 5)
    assert not err.any()
    tr = pyproj.Transformer.from_crs("+proj=longlat +ellps=GRS80 +no_defs", TMERC, always_xy=True)
    t_proj, (e_p, n_p) = best(lambda: tr.transform(lon_deg, lat_deg), 5)
    lat_l, lon_l = lat.tolist(), lon.tolist()
    f = survey.JGD2000_klola1

    def per_call():
        return [f(ZONE, a, b) for a, b in zip(lat_l, lon_l)]

    t_call, rows = best(per_call, 1)
    x_call = np.array([r[0] for r in rows])

    print(f"JGD2000_klola1, zone IX, {n} points (library {survey.version()}, numpy {np.__version__}, "
          f"pyproj {pyproj.__version__}, PROJ {pyproj.proj_version_str})")
    print(f"  one module call per point   {t_call / n * 1e9:9.1f} ns/point")
    print(f"  array form JGD2000_klola1_v {t_vec / n * 1e9:9.1f} ns/point")
    print(f"  pyproj Transformer          {t_proj / n * 1e9:9.1f} ns/point")
    print(f"  array form / pyproj         {t_vec / t_proj:9.2f}")
    print(f"  array form vs per call: identical bits {np.array_equal(x, x_call)}")
    print(f"  largest difference from pyproj: x {np.max(np.abs(x - n_p)) * 1e3:.3g} mm, "
          f"y {np.max(np.abs(y - e_p)) * 1e3:.3g} mm")


if __name__ == "__main__":
    main()
