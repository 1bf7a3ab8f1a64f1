#!/usr/bin/env python3
"""Reference values for the triangle, circle and conic tests, in exact arithmetic.

Every input is an exact rational (the double it is written as); centres, circles
and intersection points are solved exactly by sympy and printed to 17 significant
digits. Regenerate with

    python3 survey/plane/conics_reference.py > survey/plane/conics_reference_test.inc
"""
from sympy import N, Point, Rational, S, Symbol, Triangle, solve, sqrt

x, y = Symbol("x", real=True), Symbol("y", real=True)


def q(v):
    """The exact value of the double v."""
    return Rational(float(v))


def f(v):
    return repr(float(N(v, 40)))


def row(*vals):
    return "  {" + ", ".join(f(v) if not isinstance(v, int) else str(v) for v in vals) + "},"


def ordered(points):
    pts = sorted(((N(px, 40), N(py, 40)) for px, py in points), key=lambda p: (p[0], p[1]))
    if len(pts) == 1:
        pts = pts * 2
    if not pts:
        pts = [(S(0), S(0))] * 2
    return pts


TRIANGLES = [
    (0, 0, 4, 0, 0, 3),
    (1, 2, 7, -1, 3, 5),
    (-2.5, 0.75, 3.25, 1.5, 0.5, 6.125),
    (0, 0, 10, 0, 9, 1),              # obtuse at P3
    (12345.678, 6789.012, 12401.25, 6801.5, 12370.125, 6850.75),
    (-100, -100, 100, -99, 0, 50),
]

CIRCLES3 = [
    (0, 0, 2, 0, 0, 2),               # first point on the y axis
    (1, 1, 2, 2, 3, 0),               # a later zero pivot
    (0, 5, 3, 4, -4, 3),
    (2, 1, 5, 3, -1, 4),
    (0, 1, 0, -1, 1, 0),              # two points on the y axis
    (12345.678, 6789.012, 12401.25, 6801.5, 12370.125, 6850.75),
]

# circle centre, radius; line a x + b y + c = 0
CIRCLE_LINE = [
    (0, 0, 1, 0, 1, -0.5),
    (1, 2, 3, 1, 1, -4),
    (1, 2, 3, 1, 0, -2.5),            # vertical
    (-3, 4, 5, 0.6, -0.8, 1),
    (100, 200, 50, 3, 4, -1000),
    (0, 0, 1, 0, 1, -2),              # misses
]

CIRCLE_CIRCLE = [
    (0, 0, 5, 6, 0, 5),
    (0, 0, 5, 0, 8, 3),               # touching from outside
    (1, 1, 2, 2.5, 3, 2.25),
    (0, 0, 2, 5, 0, 1),               # apart
    (10, -5, 7, 14, -2, 4),
]

CIRCLE_TANGENT = [
    (0, 0, 1, 2, 0),
    (1, 2, 3, 7, 5),
    (-3, 4, 5, 0, 12),
    (0, 0, 5, 3, 4),                  # on the circle
    (0, 0, 5, 1, 1),                  # inside
]

# ellipse xc, yc, a, b; line la x + lb y + lc = 0
ELLIPSE_LINE = [
    (0, 0, 4, 2, 1, -1, 0),
    (1, -2, 5, 3, 0.5, 1, -1),
    (0, 0, 4, 2, 1, 0, -2),           # vertical
    (3, 1, 2, 6, -2, 1, 3),
    (0, 0, 4, 2, 0, 1, -3),           # misses
]

# ellipse xc, yc, a, b; point P
ELLIPSE_TANGENT = [
    (0, 0, 4, 2, 6, 3),
    (1, -2, 5, 3, -7, 4),
    (0, 0, 3, 2, 0, 5),
    (2, 1, 3, 1.5, 8, -4),
    (0, 0, 4, 2, 4, 3),               # on the vertical tangent x = a
]

# parabola p, q, r; line a x + b y + c = 0
PARABOLA_LINE = [
    (1, 0, 0, -1, 1, -2),
    (0.5, -2, 1, 1, 1, -4),
    (-2, 3, 1, 4, 2, -1),
    (1, 0, 1, 0, 1, 0),               # misses
]

# parabola p, q, r; point P
PARABOLA_TANGENT = [
    (1, 0, 0, 0, -1),
    (0.5, -2, 1, 3, -4),
    (-2, 3, 1, 1, 5),
    (1, 0, 0, 0, 1),                  # inside
]


def triangles():
    out = []
    for t in TRIANGLES:
        p = [Point(q(t[0]), q(t[1])), Point(q(t[2]), q(t[3])), Point(q(t[4]), q(t[5]))]
        tri = Triangle(*p)
        g, i, c, h = tri.centroid, tri.incenter, tri.circumcenter, tri.orthocenter
        ang = tri.angles
        out.append(row(*[q(v) for v in t], g.x, g.y, i.x, i.y, tri.inradius, c.x, c.y,
                       tri.circumradius, h.x, h.y, ang[p[0]], ang[p[1]], ang[p[2]]))
    return out


def circles3():
    out = []
    D, E, F = Symbol("D"), Symbol("E"), Symbol("F")
    for t in CIRCLES3:
        pts = [(q(t[0]), q(t[1])), (q(t[2]), q(t[3])), (q(t[4]), q(t[5]))]
        s = solve([px**2 + py**2 + D * px + E * py + F for px, py in pts], [D, E, F], dict=True)[0]
        xc, yc = -s[D] / 2, -s[E] / 2
        r = sqrt(xc**2 + yc**2 - s[F])
        out.append(row(*[q(v) for v in t], s[D], s[E], s[F], xc, yc, r))
    return out


def meet(curve, line):
    return [(s[x], s[y]) for s in solve([curve, line], [x, y], dict=True)]


def pairs(points):
    pts = ordered(points)
    return [pts[0][0], pts[0][1], pts[1][0], pts[1][1]]


def circle(xc, yc, r):
    return (x - xc) ** 2 + (y - yc) ** 2 - r**2


def ellipse(xc, yc, a, b):
    return ((x - xc) / a) ** 2 + ((y - yc) / b) ** 2 - 1


def parabola(p, qq, r):
    return p * x**2 + qq * x + r - y


# Each group: its cases and the two equations whose common points it lists.
MEETS = {
    "line": lambda xc, yc, r, a, b, c: (circle(xc, yc, r), a * x + b * y + c),
    "circle": lambda x1, y1, r1, x2, y2, r2: (circle(x1, y1, r1), circle(x2, y2, r2)),
    # touching points: the radius is perpendicular to P - point
    "circle tangent": lambda xc, yc, r, px, py: (
        circle(xc, yc, r), (x - xc) * (px - x) + (y - yc) * (py - y)),
    "ellipse line": lambda xc, yc, a, b, la, lb, lc: (ellipse(xc, yc, a, b), la * x + lb * y + lc),
    # touching points lie on the polar line of P
    "ellipse tangent": lambda xc, yc, a, b, px, py: (
        ellipse(xc, yc, a, b), (px - xc) * (x - xc) / a**2 + (py - yc) * (y - yc) / b**2 - 1),
    "parabola line": lambda p, qq, r, a, b, c: (parabola(p, qq, r), a * x + b * y + c),
    # the tangent at (x, y) passes through P
    "parabola tangent": lambda p, qq, r, px, py: (
        parabola(p, qq, r), y + (2 * p * x + qq) * (px - x) - py),
}


def intersections(cases, kind):
    out = []
    for t in cases:
        v = [q(a) for a in t]
        pts = meet(*MEETS[kind](*v))
        out.append(row(*v, len(set(pts)), *pairs(pts)))
    return out


def main():
    print("// Generated by survey/plane/conics_reference.py (sympy, exact); do not edit.")
    print("// python3 survey/plane/conics_reference.py > survey/plane/conics_reference_test.inc")
    groups = [
        ("kTriangles", "x1, y1, x2, y2, x3, y3; centroid x, y; incentre x, y, r; "
         "circumcentre x, y, R; orthocentre x, y; angles at P1, P2, P3", 21, triangles),
        ("kCircles3", "x1, y1, x2, y2, x3, y3; D, E, F; xc, yc, r", 12, circles3),
        ("kCircleLine", "xc, yc, r, a, b, c; n; points sorted by x then y", 11,
         lambda: intersections(CIRCLE_LINE, "line")),
        ("kCircleCircle", "xc1, yc1, r1, xc2, yc2, r2; n; points sorted", 11,
         lambda: intersections(CIRCLE_CIRCLE, "circle")),
        ("kCircleTangent", "xc, yc, r, px, py; n; touching points sorted", 10,
         lambda: intersections(CIRCLE_TANGENT, "circle tangent")),
        ("kEllipseLine", "xc, yc, a, b, la, lb, lc; n; points sorted", 12,
         lambda: intersections(ELLIPSE_LINE, "ellipse line")),
        ("kEllipseTangent", "xc, yc, a, b, px, py; n; touching points sorted", 11,
         lambda: intersections(ELLIPSE_TANGENT, "ellipse tangent")),
        ("kParabolaLine", "p, q, r, a, b, c; n; points sorted", 11,
         lambda: intersections(PARABOLA_LINE, "parabola line")),
        ("kParabolaTangent", "p, q, r, px, py; n; touching points sorted", 10,
         lambda: intersections(PARABOLA_TANGENT, "parabola tangent")),
    ]
    for name, what, width, fn in groups:
        print(f"// {what}")
        print(f"constexpr double {name}[][{width}] = {{")
        for line in fn():
            print(line)
        print("};")


if __name__ == "__main__":
    main()
