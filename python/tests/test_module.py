"""The module's calling conventions: out-values, arrays, texts, records, the names
that collide with the C runtime, the array forms, and finding the library."""
import ctypes
import math
import os
import struct
import subprocess
import sys
import unittest

import survey

try:
    import numpy as np
except ImportError:
    np = None

TOOLS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools")
PACKAGE_DIR = os.path.dirname(os.path.dirname(os.path.abspath(survey.__file__)))


def bits(v):
    return struct.pack("<d", v)


def raw(name):
    """The raw ctypes binding of an export (argtypes as declared)."""
    return survey._api._bind.raw[name]


class OutValues(unittest.TestCase):
    def test_results_in_declaration_order_after_the_function_result(self):
        # (function, arguments, what the raw C call writes, in the same order)
        def c_call(name, args, outs, has_result):
            holders = [t() for t in outs]
            r = raw(name)(*args, *holders)
            vals = [h.value for h in holders]
            return tuple(([r] if has_result else []) + vals)

        d, i = ctypes.c_double, ctypes.c_int16
        cases = [
            ("JGD2000_klola1", (9, 36.06, 140.05), [d, d, i], False),
            ("klola1", (1, 33.0, 129.3), [d, d, i], False),
            ("klola1", (0, 33.0, 129.3), [d, d, i], False),  # invalid zone: err 8
            ("DMSdistang", (0.0, 0.0, 3.0, 4.0), [d, d, d, d], False),
            ("p2d", (2.0, 0.5), [d, d], False),
            ("Modf", (-7.25,), [d], True),
            ("heron", (3.0, 4.0, 5.0), [d, d], True),
            ("golden_section", (), [d, d], False),
        ]
        for name, args, outs, has_result in cases:
            with self.subTest(name=name, args=args):
                got = getattr(survey, name)(*args)
                got = got if isinstance(got, tuple) else (got,)
                want = c_call(name, args, outs, has_result)
                self.assertEqual([bits(float(g)) for g in got], [bits(float(w)) for w in want])
        self.assertEqual(survey.klola1(0, 33.0, 129.3)[2], 8)

    def test_in_out_scalars_and_records(self):
        self.assertEqual(survey.dswap(1.5, -2.0), (-2.0, 1.5))
        self.assertEqual(survey.iswap(3, -4), (-4, 3))
        self.assertEqual(survey.line_swap((1, 2, 3, 4), (5, 6, 7, 8)), ((5.0, 6.0, 7.0, 8.0), (1.0, 2.0, 3.0, 4.0)))
        self.assertEqual(survey.point_swap((1, 2, 3, 4)), (3.0, 4.0, 1.0, 2.0))
        self.assertEqual(survey.topoint(1.5, 2.5), (1.5, 2.5))  # the returned pointer is not repeated
        self.assertEqual(survey.c_mul(1 + 2j, (3, -1)), (1 + 2j) * (3 - 1j))
        self.assertEqual(survey.c_addc(1, 2, 3, 4), 4 + 6j)  # decorated, result record first
        self.assertEqual(survey.c_takou(2, [1, 0, -1], 2j), (2j) ** 2 - 1)
        with self.assertRaisesRegex(TypeError, "'z'"):
            survey.c_abs("not a number")


@unittest.skipIf(np is None, "numpy is not installed")
class Arrays(unittest.TestCase):
    def test_in_out_arrays_lists_tuples_numpy(self):
        for make, same_object in [(list, True), (tuple, False), (lambda v: np.array(v, dtype=float), True),
                                  (lambda v: np.array(v, dtype=np.int64), True)]:
            with self.subTest(kind=make):
                a = make([3, 1, 2])
                out = survey.dsort_shou(3, a)
                self.assertEqual(list(out), [1.0, 2.0, 3.0])
                self.assertEqual(out is a, same_object)
                if same_object:
                    self.assertEqual(list(a), [1, 2, 3])

    def test_numpy_float64_is_passed_without_a_copy(self):
        a = np.arange(10.0)
        ptrs = []
        orig = survey._runtime.InOut.__init__

        def spy(self, value, ctype, argument):
            orig(self, value, ctype, argument)
            ptrs.append((self.buf, ctypes.cast(self.arg, ctypes.c_void_p).value))

        survey._runtime.InOut.__init__ = spy
        try:
            survey.dmat_mirror(10, a)
        finally:
            survey._runtime.InOut.__init__ = orig
        self.assertEqual(ptrs, [(None, a.ctypes.data)])
        self.assertEqual(a.tolist(), list(np.arange(10.0)[::-1]))
        view = np.arange(20.0)[::2]  # not contiguous: copied, then written back
        survey.dmat_mirror(10, view)
        self.assertEqual(view.tolist(), list(np.arange(20.0)[::2][::-1]))

    def test_input_arrays_and_element_types(self):
        xs, ys = [0, 10, 10, 0], [0, 0, 10, 10]
        for conv in (list, tuple, lambda v: np.array(v, dtype=float), lambda v: np.array(v, dtype=np.float32)):
            self.assertEqual(survey.InPolygon(4, conv(xs), conv(ys), 5.0, 5.0), -1)
        self.assertEqual(survey.imaxmin(4, [3, -7, 9, 0]), (9, -7))
        self.assertEqual(survey.imaxmin(4, np.array([3, -7, 9, 0], dtype=np.int16)), (9, -7))
        self.assertEqual(survey.fmaxmin(2, [0.1, 0.2])[0], np.float32(0.2).item())
        with self.assertRaisesRegex(TypeError, "'a'"):
            survey.dsort_shou(2, ["x", "y"])

    def test_record_arrays(self):
        pts = [(1.0, 2.0), (3.0, 4.0)]
        self.assertEqual(survey.points2xys(2, pts, [0, 0], [0, 0]), ([1.0, 3.0], [2.0, 4.0]))
        self.assertEqual(survey.topointsxys(2, [1, 3], [2, 4], [(0, 0), (0, 0)]), pts)
        p, q = [(1, 1), (2, 2)], [(3, 3), (4, 4)]
        self.assertEqual(survey.Pswap(2, p, q), ([(3.0, 3.0), (4.0, 4.0)], [(1.0, 1.0), (2.0, 2.0)]))
        self.assertEqual(p, [(3.0, 3.0), (4.0, 4.0)])  # lists are updated in place


class Texts(unittest.TestCase):
    def test_japanese_both_ways(self):
        cases = [  # (call, expected)
            (lambda: survey.A_ChgLayer("境界線"), "Clayer 境界線"),
            (lambda: survey.A_ChgLayer("境界線".encode("cp932")), "Clayer 境界線"),
            (lambda: survey.LeftPartChr("東京都・千代田区", "・"), "東京都"),
            (lambda: survey.compact("地 番 １２"), "地番１２"),
            (lambda: survey.UpperCaseByVal("abcあ"), "ABCあ"),
            (lambda: survey.cswap("筆界点", "ab"), (0, "ab", "筆界点")),
            (lambda: survey.low2up("xyz全角"), (0, "XYZ全角")),
        ]
        for call, want in cases:
            with self.subTest(want=want):
                self.assertEqual(call(), want)

    def test_bytes_that_are_not_cp932_round_trip(self):
        raw_bytes = b"\x82\xa0\x85"  # a lead byte with no trail at the end
        text = survey.compact(raw_bytes)
        self.assertEqual(survey._runtime.text_in(text, "s"), raw_bytes)

    def test_unencodable_text_names_the_argument(self):
        for call, arg in [(lambda: survey.A_ChgLayer("layer €"), "name"),
                          (lambda: survey.TrimL("abc", "😀"), "chars"),
                          (lambda: survey.a2d("1.5\u00e9"), "s")]:
            with self.subTest(arg=arg):
                with self.assertRaises(UnicodeEncodeError) as cm:
                    call()
                self.assertIsInstance(cm.exception, survey.SurveyEncodeError)
                self.assertIn(f"argument '{arg}'", str(cm.exception))
                self.assertIn("code page 932", str(cm.exception))
        with self.assertRaisesRegex(TypeError, "'name'"):
            survey.A_ChgLayer(12)


class RuntimeCollisions(unittest.TestCase):
    def test_round_and_gammaf_are_the_librarys(self):
        libc = ctypes.CDLL(None)
        for name, args, ctypes_args in [("round", (2.345, 2), [ctypes.c_double]),
                                        ("gammaf", (4.5,), [ctypes.c_float])]:
            with self.subTest(name=name):
                ours = survey._api._bind._bind(name.encode())
                theirs = ctypes.cast(getattr(libc, name), ctypes.c_void_p).value
                self.assertNotEqual(ours, theirs)
                self.assertEqual(ctypes.cast(raw(name), ctypes.c_void_p).value, ours)
        self.assertEqual(survey.round(2.345, 2), 2.35)  # the C library's round has no digits
        self.assertAlmostEqual(survey.gammaf(4.5), math.gamma(4.5), delta=1e-6 * math.gamma(4.5))
        self.assertEqual(survey.gammaf(-1.0), 0.0)  # the C library's gammaf is a log-gamma


@unittest.skipIf(np is None, "numpy is not installed")
class ArrayForms(unittest.TestCase):
    def test_same_bits_as_one_call_per_point(self):
        rng = np.random.default_rng(7)
        lat = np.concatenate([rng.uniform(24, 46, 50), [36.0, 1e300, np.nan]])
        lon = np.concatenate([rng.uniform(122, 150, 50), [139.5, 139.0, 139.0]])
        x = np.concatenate([rng.uniform(-3e5, 3e5, 50), [0.0, np.nan, 1e12]])
        y = np.concatenate([rng.uniform(-3e5, 3e5, 50), [0.0, 5.0, 0.0]])
        ring = ([0, 10, 10, 5, 0], [0, 0, 10, 4, 10])
        cases = [  # (array form, single form, leading scalars, per-point arrays)
            ("klola1_v", "klola1", (9,), (lat, lon)),
            ("JGD2000_klola1_v", "JGD2000_klola1", (19,), (lat, lon)),
            ("klola1_v", "klola1", (0,), (lat, lon)),
            ("klola2_v", "klola2", (2,), (x, y)),
            ("JGD2000_klola2_v", "JGD2000_klola2", (9,), (x, y)),
            ("UTM_v", "UTM", (), (lat, lon)),
            ("JGD2000_UTM_v", "JGD2000_UTM", (), (lat, lon)),
            ("UTM2BL_v", "UTM2BL", (), (np.full(len(x), 54.0), x + 4e6, y + 5e5)),
            ("JGD2000_UTM2BL_v", "JGD2000_UTM2BL", (), (np.full(len(x), 53.0), x + 4e6, y + 5e5)),
            ("Tokyo_Wgs84_v", "Tokyo_Wgs84", (97,), (lat, lon)),
            ("Wgs84_Tokyo_v", "Wgs84_Tokyo", (96,), (lat, lon)),
            ("Tokyo_Itrf94_v", "Tokyo_Itrf94", (97,), (lat, lon)),
            ("Itrf94_Tokyo_v", "Itrf94_Tokyo", (1,), (lat, lon)),
            ("InPolygon_v", "InPolygon", (5, *ring), (rng.uniform(-1, 11, 53), rng.uniform(-1, 11, 53))),
        ]
        for vname, name, lead, arrays in cases:
            with self.subTest(vname, lead=lead[:1]):
                many = getattr(survey, vname)(*lead, *arrays)
                many = many if isinstance(many, tuple) else (many,)
                for form in (lambda a: a, lambda a: a.tolist()):  # numpy and lists
                    again = getattr(survey, vname)(*lead, *(form(a) for a in arrays))
                    again = again if isinstance(again, tuple) else (again,)
                    for m, a in zip(many, again):
                        self.assertEqual(m.tobytes(), a.tobytes())
                for i in range(len(arrays[0])):
                    one = getattr(survey, name)(*lead, *(float(a[i]) for a in arrays))
                    one = one if isinstance(one, tuple) else (one,)
                    self.assertEqual(np.array(one, dtype=float).tobytes(),
                                     np.array([m[i] for m in many], dtype=float).tobytes(), i)

    def test_lengths_must_agree(self):
        with self.assertRaisesRegex(ValueError, "'lat' \\(3\\), 'lon' \\(2\\)"):
            survey.klola1_v(9, [36.0] * 3, [139.5] * 2)
        x, y, err = survey.klola1_v(9, [], [])
        self.assertEqual((len(x), len(y), len(err), err.dtype), (0, 0, 0, np.int16))


class Module(unittest.TestCase):
    def test_every_export_has_a_function_with_its_signature_in_the_docstring(self):
        import json
        sys.path.insert(0, TOOLS)
        import pysig
        with open(os.environ["SURVEY_SIGNATURES"], encoding="utf-8") as f:
            entries = json.load(f)["exports"]
        for e in entries:
            fn = survey.EXPORTS[e["export"]]
            self.assertIn(pysig.python_signature(e).split("(")[1], fn.__doc__)
            if e.get("doc"):
                self.assertIn(e["doc"].strip(), fn.__doc__)
            if e["decorated"]:
                self.assertIs(getattr(survey, e["export"]), fn)
                self.assertIs(getattr(survey, e["function"]), fn)
            else:
                self.assertIs(getattr(survey, e["export"]), fn)

    def test_version_from_the_command_line(self):
        out = subprocess.run([sys.executable, "-m", "survey", "--version"], capture_output=True, text=True,
                             check=True).stdout.strip()
        self.assertEqual(out, survey.version())
        self.assertRegex(out, r"^\d+\.\d+\.\d+$")

    def test_a_missing_library_says_where_it_looked(self):
        env = {k: v for k, v in os.environ.items() if k != "SURVEY_LIBRARY"}
        cases = [  # (SURVEY_LIBRARY, texts the message must hold)
            ("/nonexistent/libsurvey.so", ["SURVEY_LIBRARY", "/nonexistent/libsurvey.so"]),
            (os.path.dirname(os.path.abspath(__file__)),
             ["SURVEY_LIBRARY", os.path.join(os.path.dirname(os.path.abspath(__file__)), "libsurvey.so")]),
            (os.path.abspath(__file__), ["SURVEY_LIBRARY", "test_module.py"]),
        ]
        for value, texts in cases:
            with self.subTest(value=value):
                r = subprocess.run([sys.executable, "-c", "import survey"], capture_output=True, text=True,
                                   env=dict(env, SURVEY_LIBRARY=value, PYTHONPATH=PACKAGE_DIR))
                self.assertNotEqual(r.returncode, 0)
                self.assertIn("LibraryNotFoundError", r.stderr)
                for t in texts:
                    self.assertIn(t, r.stderr)
        # Without the variable: beside the module and the build, then the system's search.
        code = ("import survey._runtime as r\n"
                "try:\n    r.load_library('/nowhere/build/libsurvey.so')\n"
                "except r.LibraryNotFoundError as e:\n    print(e)\n")
        r = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True,
                           env=dict(env, PYTHONPATH=PACKAGE_DIR, LD_LIBRARY_PATH="/nonexistent"))
        if r.stdout:  # (a library installed system-wide would be found instead)
            self.assertIn(os.path.join(PACKAGE_DIR, "survey", "libsurvey.so"), r.stdout)
            self.assertIn("/nowhere/build/libsurvey.so", r.stdout)
            self.assertIn("cmake --install", r.stdout)


if __name__ == "__main__":
    unittest.main()
