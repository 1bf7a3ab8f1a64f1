#!/usr/bin/env python3
"""The command-line contract of gxmlconv: exit status, messages, output names."""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

GXMLCONV = sys.argv.pop(1) if len(sys.argv) > 1 else "build/bin/gxmlconv"

TOWN = (
    "G00,01,town\r\n"
    "D00,1,\x92\x6e\x94\xd4 1,1\r\nB01,1\r\nB01,2\r\nB01,3\r\nD99\r\n"
    "A01,1,P1,200,100.5,0\r\nA01,2,P2,210.25,110,0\r\nA01,3,P3,200,110,0\r\n"
)


def run(*args, cwd=None):
    p = subprocess.run([GXMLCONV, *args], capture_output=True, cwd=cwd)
    return p.returncode, p.stdout.decode("utf-8"), p.stderr.decode("utf-8")


class Cli(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="gxmlconv_")

    def tearDown(self):
        shutil.rmtree(self.dir)

    def write(self, name, text):
        path = os.path.join(self.dir, name)
        with open(path, "wb") as f:
            f.write(text.encode("latin-1"))
        return path

    def test_usage_errors(self):
        town = self.write("a.sim", TOWN)
        for args in [(), ("nosuch", town), ("sima",), ("sima", "--bogus", town), ("sima", town, town, "-o", "x"),
                     ("sima", town, "-o")]:
            with self.subTest(args=args):
                code, _, err = run(*args)
                self.assertEqual(code, 2)
                self.assertIn("gxmlconv", err)

    def test_help(self):
        code, out, _ = run("--help")
        self.assertEqual(code, 0)
        self.assertIn("Usage: gxmlconv", out)
        self.assertIn("sima", out)

    def test_default_output_beside_the_input(self):
        town = self.write("town.v1.sim", TOWN)
        code, out, err = run("sima", town)
        self.assertEqual((code, out, err), (0, "", ""))
        doc = os.path.join(self.dir, "town.XML")
        with open(doc, "rb") as f:
            data = f.read()
        self.assertIn(b'category="town.v1"', data)
        self.assertIn(b"100.5,200 110,210.25 110,200 100.5,200", data)
        self.assertEqual(subprocess.run(["xmllint", "--noout", doc]).returncode, 0)

    def test_relative_input_and_xy_flag(self):
        self.write("lot.sim", TOWN)
        code, _, _ = run("sima", "--no-xy-swap", "lot.sim", cwd=self.dir)
        self.assertEqual(code, 0)
        with open(os.path.join(self.dir, "lot.XML"), "rb") as f:
            self.assertIn(b"200,100.5 200,110 210.25,110 200,100.5", f.read())

    def test_a_failure_does_not_stop_the_batch(self):
        good = self.write("good.sim", TOWN)
        missing = os.path.join(self.dir, "missing.sim")
        code, _, err = run("sima", missing, good)
        self.assertEqual(code, 1)
        self.assertTrue(err.startswith("Bentrim: エラー番号53\r\n"), err)
        self.assertTrue(os.path.exists(os.path.join(self.dir, "good.XML")))

    def test_messages_and_the_input_as_output(self):
        src = self.write("plan.XML", TOWN)
        code, _, err = run("sima", src)
        self.assertEqual(code, 1)
        self.assertEqual(err, "ファイル選択: 出力ファイルが入力ファイルと同じです。\n")
        with open(src, "rb") as f:
            self.assertEqual(f.read(), TOWN.encode("latin-1"))
        over = self.write("over.sim", "A01,15001,,1,1\r\n")
        code, _, err = run("sima", over, "-o", os.path.join(self.dir, "o.xml"))
        self.assertEqual((code, err), (1, "座標点数: 座標が、15000点を超えました。\n"))


    def test_kestrin_pair_from_either_name(self):
        self.write("lot.pnt", "P1,0,0\r\nP2,10,0\r\nP3,10,10\r\n")
        self.write("lot.pol", "1,2,a,b,c,4\r\nP1\r\nP2\r\nP3\r\nP1\r\n")
        code, out, err = run("kestrin", "lot.pnt", cwd=self.dir)
        self.assertEqual((code, out, err), (0, "", ""))
        with open(os.path.join(self.dir, "lot.XML"), "rb") as f:
            self.assertIn(b"0,0 0,10 10,10 0,0", f.read())  # XY swap on by default
        code, _, _ = run("kestrin", "--no-xy-swap", "lot.pol", "-o", "plain.xml", cwd=self.dir)
        self.assertEqual(code, 0)
        with open(os.path.join(self.dir, "plain.xml"), "rb") as f:
            self.assertIn(b"0,0 10,10 10,0 0,0", f.read())
        code, _, err = run("kestrin", "nothing.pol", cwd=self.dir)
        self.assertEqual((code, err), (1, "ファイル選択: 座標ファイルがありません。\n"))

    def test_kestrin_empty_polygon_file(self):
        self.write("none.pnt", "P1,0,0\r\n")
        self.write("none.pol", "")
        self.write("none.XML", "previous")
        code, out, err = run("kestrin", "none.pol", cwd=self.dir)
        self.assertEqual((code, out, err), (0, "", ""))
        with open(os.path.join(self.dir, "none.XML"), "rb") as f:
            doc = f.read()
        self.assertTrue(doc.startswith(b'<?xml version="1.0" encoding="Shift_JIS"?>\r\n<G-XML>'))
        self.assertNotIn(b"<GeometricFeature", doc)
        self.assertTrue(doc.endswith(b">1E+99,1E+99 -1E+99,-1E+99</Coordinates></Rectangle></Boundary>"
                                     b"</MetricGeospace></G-XML>"))



SHAPE_FIXTURES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "shapefile", "make_fixtures.py")


class Shape(unittest.TestCase):
    """gxmlconv shape on real shapefiles (pyshp and python3-dbf write them)."""

    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="gxmlconv_shape_")
        python = os.environ.get("SHAPE_FIXTURE_PYTHON", "/usr/bin/python3")
        subprocess.run([python, SHAPE_FIXTURES, self.dir, "parcels", "points"], check=True)

    def tearDown(self):
        shutil.rmtree(self.dir)

    def path(self, name):
        return os.path.join(self.dir, name)

    def read(self, name):
        with open(self.path(name), "rb") as f:
            return f.read()

    def test_default_output_and_xy(self):
        code, out, err = run("shape", self.path("parcels.shp"))
        self.assertEqual((code, out, err), (0, "", ""))
        doc = self.read("parcels.XML")
        self.assertIn('<Purpose>SHPをG-XMLへ変換</Purpose>'.encode("cp932"), doc)
        self.assertIn(b"-8120,-36512 -8037,-36490.5</Coordinates>", doc)  # XY off by default
        self.assertIn('<Property propertytypename="地番" datatype="string">本町1-2</Property>'.encode("cp932"), doc)
        self.assertEqual(subprocess.run(["xmllint", "--noout", self.path("parcels.XML")]).returncode, 0)
        code, _, _ = run("shape", "--xy-swap", "parcels.shp", "-o", "swapped.xml", cwd=self.dir)
        self.assertEqual(code, 0)
        self.assertIn(b"-36512,-8120 -36490.5,-8037</Coordinates>", self.read("swapped.xml"))

    def test_a_shape_that_ends_the_program_fails_that_file_only(self):
        code, _, err = run("shape", self.path("points.shp"), self.path("parcels.shp"))
        self.assertEqual(code, 1)
        self.assertEqual(err, "SHAP_READ: シェイプ種別がポリゴンではありません。\n")
        self.assertEqual(self.read("points.XML"), b"")
        self.assertIn(b"<GeometricFeature", self.read("parcels.XML"))

    def test_inputs_as_output_and_missing_files(self):
        dbf = self.read("parcels.dbf")
        code, _, err = run("shape", self.path("parcels.shp"), "-o", self.path("parcels.dbf"))
        self.assertEqual((code, err), (1, "ファイル選択: 出力ファイルが入力ファイルと同じです。\n"))
        self.assertEqual(self.read("parcels.dbf"), dbf)
        code, _, err = run("shape", self.path("gone.shp"))
        self.assertEqual((code, err), (1, "ファイル選択: " + self.path("gone.Shp") + "が、ありません。\n"))

if __name__ == "__main__":
    unittest.main(verbosity=1)
