#!/usr/bin/env python3
"""Checks the Windows library's own transcendental functions against mpmath.

Runs the platform math test with SURVEY_MATH_SAMPLE set, which writes every argument
where our result and the C library's differ and a sample of the others, then
evaluates each at 200 bits with mpmath: ours must be the correctly rounded result
on every one. Prints per family how often the C library was the one that is off.
"""
import collections
import os
import subprocess
import sys
import tempfile

import mpmath

mpmath.mp.prec = 200
ONE = {"sin": mpmath.sin, "cos": mpmath.cos, "cos, far out": mpmath.cos, "tan": mpmath.tan, "atan": mpmath.atan, "acos": mpmath.acos,
       "exp": mpmath.exp, "log": mpmath.log, "log near 1": mpmath.log, "log10": mpmath.log10,
       "sinh": mpmath.sinh, "cosh": mpmath.cosh, "tanh": mpmath.tanh}
TWO = {"atan2": mpmath.atan2, "pow": mpmath.power,
       "pow, negative base": lambda x, y: mpmath.power(-x, mpmath.nint(y) - 20),
       "sincos": lambda x, y: mpmath.sin(x) if y > 0 else mpmath.cos(x)}


def exact(name, x, y):
    x, y = mpmath.mpf(x), mpmath.mpf(y)
    v = ONE[name](x) if name in ONE else TWO[name](x, y)
    return float(v)


def main():
    test = sys.argv[1]
    with tempfile.TemporaryDirectory() as tmp:
        path = os.path.join(tmp, "sample.txt")
        run = subprocess.run([test, "--gtest_filter=WindowsMath.AgreesWithTheCLibraryOverItsDomain"],
                             env=dict(os.environ, SURVEY_MATH_SAMPLE=path), capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout[-3000:])
            return 1
        with open(path) as f:
            lines = [line.rstrip("\n").split("|") for line in f]
    stats = collections.defaultdict(lambda: [0, 0, 0])  # arguments, ours wrong, libc wrong
    wrong = []
    for name, xs, ys, ours, libc in lines:
        x, y, ours, libc = (float.fromhex(v) for v in (xs, ys, ours, libc))
        want = exact(name, x, y)
        s = stats[name]
        s[0] += 1
        if ours != want and not (ours != ours and want != want):
            s[1] += 1
            wrong.append(f"{name}({xs}, {ys}): ours {ours.hex()}, correctly rounded {want.hex()}")
        s[2] += libc != want
    for name, (n, o, c) in stats.items():
        print(f"{name:20s} {n:6d} arguments checked: ours off on {o}, the C library off on {c}")
    for w in wrong[:50]:
        print("NOT CORRECTLY ROUNDED " + w)
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
