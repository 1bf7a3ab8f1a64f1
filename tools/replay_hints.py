"""Argument domains and comparison modes for the replay check (tools/replay_gen.py).

Every export is replayed without a hint: integers named like counts take 0..12, other
integers -3..20, doubles -1000..1000, every pointer gets a 4 KiB buffer of such values,
strings are short numeric-looking texts.  Hints narrow that where a function needs it.

A hint is a dict; its keys:
    <parameter name>: (lo, hi)      value range; for a pointer, the range of its elements.
                                    lo or hi may name an earlier parameter ("n").
    <parameter name>: [texts]       a string parameter drawn from these texts
    "compare": "all"                (default) every result compared
               ("range", lo, hi)    results only checked to lie in [lo, hi] on both
                                    platforms (the runtime's own random generator)
               "none"               called (stack and binding checked), nothing compared:
                                    the answer depends on the machine
               "nocall"             bound only: calling it would act on the desktop
    "cases": [(arg, ...), ...]      argument vectors replayed before the random ones
                                    (scalars only; pointers keep their buffers)
    "int32": ["name", ...]          32-bit parameters whose names read like 16-bit
                                    counts or selectors, declared 32-bit on purpose

PARAMS applies to a parameter name in every function; FUNCTIONS to one function (by
its C name or export name); PATTERNS to every function whose name matches.  Later
entries override earlier ones: PARAMS, then PATTERNS, then FUNCTIONS.
"""

COUNT = (0, 12)
# Names that the library's convention makes 16-bit: counts, indexes, flags, selectors.
SIXTEEN_BIT = {"n", "m", "k", "count", "zone", "kind", "digits", "drive", "flag", "sel", "mode", "idx"}

PATHS = ["replay_none.txt", "*.nomatch", "no_dir\\none.dat", ""]

PARAMS = {
    "n": COUNT, "m": COUNT, "count": COUNT, "last": COUNT, "k": (1, "n"),
    "zone": (0, 20),          # 1..19, and one invalid zone on either side
    "kind": (0, 3),           # ellipsoid selector 1..2 (3 where a function knows it)
    "digits": (-2, 9),
    "drive": (0, 4),
    "lat": (20.0, 46.0), "lon": (122.0, 154.0),   # packed DMS over Japan
    "lat0": (20.0, 46.0), "lon0": (122.0, 154.0),
    "phi": (-1.5, 1.5),       # radians
    # A clothoid's tangent angle, up to half a turn: the 20-term power series is
    # meant for a transition's angles; at 10 rad its terms already cancel 800-fold,
    # beyond that to noise that any last bit of pow changes.
    "tau": (-3.2, 3.2),
    "path": PATHS, "file": PATHS, "fname": PATHS, "filename": PATHS,
}

PATTERNS = [
    # System queries and window helpers: the answer is the machine's.
    (r"^(WinDir|SysDir|TempPath|GetCurDir|MyDocPath|MyDeskPath|Get_OSKind|remain)$", {"compare": "none"}),
    (r"(Window|Cursor|Desktop|Screen)", {"compare": "nocall"}),
    (r"^(screen_resolution|centering|centeringWH|show_window|MouseMove)$", {"compare": "nocall"}),
    # Normal and Poisson draws from the runtime's generator: only the call itself is checked.
    (r"^(n_rnd|p_rnd)$", {"compare": "none"}),
    # Writers of files (DXF sections and the like) touch the disk: run, compare nothing.
    (r"(Dxf|DXF|dxf)", {"compare": "none"}),
    # The runtime's own generator: only its range is the same everywhere.
    (r"^rnd", {"compare": ("range", 0.0, 1.0)}),
]

FUNCTIONS = {
    "imat_rot": {"k": (1, "n")}, "fmat_rot": {"k": (1, "n")}, "lmat_rot": {"k": (1, "n")},
    "dmat_rot": {"k": (1, "n")},
    "smallno": {"k": (0, 13)}, "maxno": {"k": (0, 13)},
    "dmat_calc": {"op": ["+", "-", "*", "/", "x", ""]},
    "dmat_cmp": {"op": ["=", ">", ">=", "<", "<=", "<>", "?"]},
    "gauss": {"n": (0, 9), "m": (-10.0, 10.0)}, "gauss_c": {"n": (0, 10), "m": (-10.0, 10.0)},
    "kaijo": {"n": (-2, 30)},
    "line_katamuki": {"kind": (0, 5)},
    "inter_ang": {"n": (-1, 40)},
    "BinSrc": {"cases": [(4, None, 3.5), (4, None, 5.0)]},
    "round": {"cases": [(2.345, 2), (-2.345, 2), (1.5, 0), (0.0, 2)]},
    "cswap": {"a": ["", "abc", "12.5", "SIMA A01"], "b": ["x", "", "longer text 123"]},
    "Get_Extent": {"int32": ["n"]}, "Get_ExtentXY": {"int32": ["n"]}, "rotate_xyD": {"int32": ["n"]},
    # Point lists and records of any length, the G-XML coordinate list, number theory.
    "topointsxys": {"int32": ["n"]}, "points2xys": {"int32": ["n"]}, "topoly": {"int32": ["n"]},
    "poly2xy": {"int32": ["n"]}, "Rot_ExtentXY": {"int32": ["n"]}, "Poly_Extent": {"int32": ["n"]},
    "Poly_CL": {"int32": ["n"]}, "CrtTagXY": {"int32": ["n"]},
    "jyunkan": {"int32": ["n"]}, "sosu": {"int32": ["n"]}, "sosu_max": {"int32": ["n"]},
    "pythagoras_num": {"int32": ["n"]}, "fibonacci": {"int32": ["n"]},
}
