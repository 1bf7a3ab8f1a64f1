#!/usr/bin/env python3
"""The function reference of tools/reference.py: Markdown escaping, the rendering of a
small library, links and anchors of the real one, and the currency check."""
import json
import os
import re
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import reference  # noqa: E402
import signatures  # noqa: E402
from signatures_test import HEADER, document  # noqa: E402

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "reference.py")
CODE_SPAN = re.compile(r"`[^`\n]+`")


def unescape(md):
    """What a CommonMark reader shows of text outside code spans: a backslash before
    ASCII punctuation stands for that character; &amp; for &."""
    parts = CODE_SPAN.split(md)
    spans = CODE_SPAN.findall(md)
    plain = [re.sub(r"\\([!-/:-@\[-`{-~])", r"\1", p).replace("&amp;", "&") for p in parts]
    return "".join(p + (spans[i] if i < len(spans) else "") for i, p in enumerate(plain))


def bare(md, pattern):
    """Matches of pattern outside code spans that no backslash escapes."""
    text = CODE_SPAN.sub("", md)
    return [m.group() for m in re.finditer(r"(?<!\\)(?:\\\\)*" + pattern, text)]


class Escape(unittest.TestCase):
    CASES = [
        "*x = r cos(theta), *y = r sin(theta).",
        "a[0..n-1] = 0. lmat_zero is a second name of fmat_zero.",
        "X = a[1]*x + b[1]*y + c[1] for |v| > 1 and x <= y < z",
        "halves away from zero (bound as `round`); `digits` decimals",
        "an odd ` backtick and a back\\slash",
        "<b>not html</b> and &amp; not an entity &#42;",
        "# not a heading",
        "> not a quote",
        "- not a list",
        "+ ((t^2 + t)/2 - t^3/2 + 1/6) p2",
        "12. not an ordered list",
        "### not a heading either",
        "#hash is text",
        "- - - not a rule",
        "---",
        "___",
        "* not an item",
        "[link](target) is text",
        "-1 when y is a leap year",
        "0.01 raised to p",
    ]

    def test_reads_back_as_written(self):
        for text in self.CASES:
            with self.subTest(text=text):
                md = reference.escape(text)
                self.assertEqual(unescape(md), text)
                self.assertEqual(bare(md, r"[*_\[\]|]"), [])
                self.assertEqual(bare(md, r"<[A-Za-z/!?]"), [])
                self.assertIsNone(re.match(r"#{1,6}(?:\s|$)|>|[-+*](?:\s|$)|\d+[.)](?:\s|$)|([-*_])\s*\1\s*\1",
                                           md), "starts a block")

    def test_paragraphs(self):
        self.assertEqual(reference.paragraphs("one\ntwo\n\n\nthree\n  four\n"), ["one two", "three four"])


def fixture_data(tmp):
    os.makedirs(tmp, exist_ok=True)
    return document(tmp, "# --- second ---\nseven\ng2\n# --- first ---\none\n_multi@12\n_g1@8 [result-first]\n"
                         "alias_target\nsecond_name = alias_target\nround [prefixed]\nstdcall_less [linux-only]\n"
                         "after_blank\n")


def links_and_anchors(md):
    links = re.findall(r"\]\(#([^)]+)\)", md)
    anchors = re.findall(r'<a id="([^"]+)"></a>', md)
    return links, anchors


class Render(unittest.TestCase):
    maxDiff = None

    @classmethod
    def setUpClass(cls):
        with tempfile.TemporaryDirectory() as tmp:
            cls.data = fixture_data(tmp)
        cls.md = reference.render(cls.data)

    def section(self, name):
        m = re.search(rf"\n### {re.escape(name)}\n(.*?)(?=\n<a id=|\Z)", self.md, re.S)
        self.assertIsNotNone(m, name)
        return m.group(1)

    def test_order_and_anchors(self):
        heads = re.findall(r"^##+ (.+)$", self.md, re.M)
        self.assertEqual(heads, ["Contents", "second", "seven", "g2", "first", "one", "multi", "g1",
                                 "alias_target", "second_name", "round", "stdcall_less", "after_blank"])
        links, anchors = links_and_anchors(self.md)
        self.assertEqual(len(anchors), len(set(anchors)))
        self.assertEqual(sorted(set(links) - set(anchors)), [])
        self.assertEqual(len(re.findall(r"^- \[", self.md, re.M)), 2, "one contents line per family")
        self.assertEqual(reference.render(json.loads(json.dumps(self.data, sort_keys=True))), self.md)

    def test_declarations_as_in_the_header(self):
        declared = {}
        for m in re.finditer(r"SURVEY_API\s+([^;]*?\([^)]*\))\s*;", signatures.blank_comments(HEADER)[0]):
            text = " ".join(m.group(1).replace("SURVEY_CALL", " ").split())
            declared[re.search(r"(\w+)\s*\(", text).group(1)] = re.sub(r" ([,)])", r"\1", text) + ";"
        shown = re.findall(r"```c\n(.*?)\n```", self.md)
        self.assertEqual(len(shown), len(self.data["exports"]))
        for line in shown:
            name = re.search(r"(\w+)\(", line).group(1)
            if name != "seven":
                self.assertEqual(line, declared[name])
        self.assertIn("int32_t seven(void);", shown)

    def test_bound_names(self):
        for name, needles in [
            ("multi", ["Bound as `_multi@12`", "Linux library's symbol is `multi`"]),
            ("g1", ["Bound as `_g1@8`", "leaves out the first argument"]),
            ("round", ["Bound as `round`", "`survey_round`", 'survey_bind("round")',
                       "double survey_round(double v, int16_t digits);"]),
            ("second_name", ["A second name of [`alias_target`](#fn-alias_target)"]),
            ("alias_target", ["Also bound as [`second_name`](#fn-second_name)"]),
            ("stdcall_less", ["Linux library only"]),
            ("one", ["Bound as `one`.", "Python: `survey.one(a: float) -> float`"]),
            ("g2", ["Declared in `survey/sub/demo.h`", "Python: `survey.g2(a: float, b: float) -> float`"]),
        ]:
            text = self.section(name)
            for needle in needles:
                with self.subTest(name=name, needle=needle):
                    self.assertIn(needle, text)
        for name in ("one", "multi", "round"):
            self.assertNotIn("Declared in", self.section(name), "single-header family")
            self.assertNotIn("A second name", self.section(name))
            self.assertNotIn("Linux library only", self.section(name))

    def test_comments(self):
        self.assertIn("Shared by the group, over two lines. own note of g2", self.section("g2"))
        self.assertIn("Multi-line indented item \\*x = written through x.", self.section("multi"))
        self.assertIn("(No comment in the header.)", self.section("after_blank"))
        fam = self.md.split('<a id="family-second"></a>')[1].split("### ")[0]
        self.assertIn("The other header.\n\nA header for the comment rules.\n\nSecond paragraph", fam)
        self.assertIn("Headers: `survey/other.h`, `survey/sub/demo.h`.", fam)
        self.assertIn("Headers: `survey/sub/demo.h`.", self.md.split('<a id="family-first"></a>')[1])
        self.assertEqual(reference.undocumented(self.data), ["after_blank"])


class RealLibrary(unittest.TestCase):
    def test_links_resolve_and_names_are_unique(self):
        root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
        data = signatures.document(os.path.join(root, "survey"), os.path.join(root, "survey", "exports.list"))
        md = reference.render(data)
        links, anchors = links_and_anchors(md)
        self.assertEqual(len(anchors), len(set(anchors)), "two entries share an anchor")
        self.assertEqual(sorted(set(links) - set(anchors)), [])
        self.assertEqual(len(re.findall(r"^### ", md, re.M)), len(data["exports"]))


class Currency(unittest.TestCase):
    """--check passes on the current file and fails, saying how to refresh, otherwise."""

    def test_check(self):
        def run(*args):
            return subprocess.run([sys.executable, SCRIPT, "--signatures", sig, *args], capture_output=True, text=True)

        with tempfile.TemporaryDirectory() as tmp:
            sig, path = os.path.join(tmp, "signatures.json"), os.path.join(tmp, "reference.md")
            with open(sig, "w") as f:
                json.dump(fixture_data(os.path.join(tmp, "src")), f)
            self.assertEqual(run("--out", path).returncode, 0)
            with open(path) as f:
                text = f.read()
            for content, ok, shown in [
                (text, True, []),
                (text.replace("Direct comment of one.", "An older one."), False,
                 ["-An older one.", "+Direct comment of one."]),
                (None, False, ["cannot be read"]),
            ]:
                if content is None:
                    os.remove(path)
                else:
                    with open(path, "w") as f:
                        f.write(content)
                r = run("--check", path)
                self.assertEqual(r.returncode == 0, ok, r.stderr)
                for needle in shown + ([] if ok else ["python3 tools/reference.py --out docs/reference.md"]):
                    self.assertIn(needle, r.stderr)
            r = run("--require-comments")
            self.assertEqual((r.returncode, r.stderr.strip()),
                             (1, "1 exports have no comment in their header: after_blank"))
            sig = os.path.join(tmp, "absent.json")
            self.assertIn("survey_signatures", run("--check", path).stderr)


if __name__ == "__main__":
    unittest.main(verbosity=1)
