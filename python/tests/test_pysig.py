"""The calling-convention tables name real parameters, and every export gets a
convention that the module can marshal."""
import json
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
import pysig  # noqa: E402


def entries():
    with open(os.environ["SURVEY_SIGNATURES"], encoding="utf-8") as f:
        return json.load(f)["exports"]


class Tables(unittest.TestCase):
    def test_hints_name_pointer_parameters_of_the_right_constness(self):
        by_fn = {}
        for e in entries():
            by_fn.setdefault(e["function"], e)
        for table, const in ((pysig.ARRAYS, False), (pysig.RECORD_ARRAYS, True), (pysig.INOUT, False)):
            for fn, names in table.items():
                with self.subTest(fn=fn):
                    self.assertIn(fn, by_fn, "no such function")
                    params = {p["name"]: p for p in by_fn[fn]["params"]}
                    for n in names.split():
                        self.assertIn(n, params)
                        self.assertEqual(params[n]["kind"], "pointer")
                        self.assertEqual(params[n]["const"], const)

    def test_every_export_outside_the_platform_services_is_marshalled(self):
        for e in entries():
            res, roles = pysig.convention(e)
            with self.subTest(export=e["export"]):
                self.assertNotIn("raw", [r for _, r in roles] + [res]) if not e["family"].startswith(
                    "platform") else None
                if res == "self":  # the returned record is one of the out-records
                    self.assertTrue(any(r == "struct_out" for _, r in roles))

    def test_signatures(self):
        want = {
            "JGD2000_klola1": "JGD2000_klola1(zone: int, lat: float, lon: float) -> tuple[float, float, int]",
            "_Wcalcb@16": "Wcalcb(kind: int, phi: float) -> float",
            "Modf": "Modf(v: float) -> tuple[float, float]",
            "dsort_shou": "dsort_shou(n: int, a: Sequence[float]) -> list[float]",
            "mm1": "mm1(mu: float, lambda_: float) -> tuple[float, float, float, float, float]",
            "_c_addc@32": "c_addc(a_re: float, a_im: float, b_re: float, b_im: float) -> complex",
            "A_ChgLayer": "A_ChgLayer(name: str | bytes) -> str",
            "cswap": "cswap(a: str | bytes, b: str | bytes) -> tuple[int, str, str]",
            "InPolygon_v": "InPolygon_v(n: int, xs: Sequence[float], ys: Sequence[float], x: Sequence[float], "
                           "y: Sequence[float]) -> ndarray[int]",
            "golden_section": "golden_section() -> tuple[float, float]",
            "dmat_zero": "dmat_zero(n: int, a: Sequence[float]) -> list[float]",
        }
        got = {e["export"]: pysig.python_signature(e) for e in entries() if e["export"] in want}
        self.assertEqual(got, want)


if __name__ == "__main__":
    unittest.main()
