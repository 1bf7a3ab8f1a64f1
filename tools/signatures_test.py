#!/usr/bin/env python3
"""Comment extraction of tools/signatures.py on small headers written here (the
whole description of a small library is checked through tools/reference_test.py)."""
import os
import sys
import textwrap
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import signatures  # noqa: E402

HEADER = textwrap.dedent("""\
    /* demo.h - a header for the comment rules.
     *
     * Second paragraph of the file comment.
     */
    #ifndef DEMO_H
    #define DEMO_H
    /* Not a doc: SURVEY_API int SURVEY_CALL ghost(int a); */
    SURVEY_BEGIN_DECLS

    /* Direct comment of one. */
    SURVEY_API double SURVEY_CALL one(double a);

    /* Shared by the group,
     * over two lines. */
    SURVEY_API double SURVEY_CALL g1(double a);
    SURVEY_API double SURVEY_CALL g2(double a,
                                     double b);  /* own note of g2 */
    SURVEY_API double SURVEY_CALL g3(double a);

    SURVEY_API double SURVEY_CALL after_blank(double a);
    /* Comment separated by a blank line. */

    SURVEY_API double SURVEY_CALL lonely(double a);
    /* Multi-line
     *   indented item
     * *x = written through x. */
    SURVEY_API void SURVEY_CALL multi(int16_t k,
                                      double* x /* inside */,
                                      double* y /* in */);
    // Stray line comment.

    // First line comment
    // and its second line.
    SURVEY_API int32_t SURVEY_CALL slashes(int32_t n);
    /* Above a preprocessor line. */
    #if 1
    SURVEY_API int32_t SURVEY_CALL guarded(int32_t n);
    #endif
    SURVEY_API int16_t SURVEY_CALL alias_target(int16_t n); /* first */ /* second */
    /* Second name of alias_target. */
    SURVEY_API int16_t SURVEY_CALL second_name(int16_t n);
    /* Bound as "round". */
    SURVEY_API double SURVEY_CALL survey_round(double v, int16_t digits);
    SURVEY_API void stdcall_less(const char* s);

    SURVEY_END_DECLS
    #endif
    """)

EXPECTED = [  # function, its comment
    ("one", "Direct comment of one."),
    ("g1", "Shared by the group,\nover two lines."),
    ("g2", "Shared by the group,\nover two lines.\nown note of g2"),
    ("g3", "Shared by the group,\nover two lines."),
    ("after_blank", ""),
    ("lonely", ""),
    ("multi", "Multi-line\n  indented item\n*x = written through x."),
    ("slashes", "First line comment\nand its second line."),
    ("guarded", ""),
    ("alias_target", "first\nsecond"),
    ("second_name", "Second name of alias_target."),
    ("survey_round", "Bound as \"round\"."),
    ("stdcall_less", "Bound as \"round\"."),
]


def document(tmp, export_list):
    """signatures.document of HEADER (as sub/demo.h), a second header and export_list."""
    os.makedirs(os.path.join(tmp, "sub"), exist_ok=True)
    with open(os.path.join(tmp, "sub", "demo.h"), "w") as f:
        f.write(HEADER)
    with open(os.path.join(tmp, "other.h"), "w") as f:
        f.write("/* other.h - the other header. */\n/* Seven. */\n"
                "SURVEY_API int32_t SURVEY_CALL seven(void);\n")
    with open(os.path.join(tmp, "exports.list"), "w") as f:
        f.write(export_list)
    return signatures.document(tmp, os.path.join(tmp, "exports.list"))


class HeaderDocs(unittest.TestCase):
    def test_attachment(self):
        file_doc, docs = signatures.header_docs(HEADER)
        self.assertEqual(file_doc, "A header for the comment rules.\n\nSecond paragraph of the file comment.")
        self.assertEqual(sorted(docs), sorted(f for f, _ in EXPECTED), "ghost is inside a comment")
        for fn, doc in EXPECTED:
            with self.subTest(fn=fn):
                self.assertEqual(docs[fn], doc)

    def test_comment_text(self):
        for raw, text in [
            ("/* one line */", "one line"),
            ("// slashes", "slashes"),
            ("/*\n * starred\n *\n * after a blank\n */", "starred\n\nafter a blank"),
            ("/* a\n *   kept indent\n * b */", "a\n  kept indent\nb"),
            ("/* a\n * *p = 1 */", "a\n*p = 1"),
            ("/**/", ""),
        ]:
            with self.subTest(raw=raw):
                self.assertEqual(signatures.comment_text(raw), text)

    def test_file_comment(self):
        for text, doc in [
            ("/* x.h - binding by name. */\n", "Binding by name."),
            ("/* gxml.h - dBASE field names. */\n", "dBASE field names."),
            ("/* sub/x.h - two\n * lines. */\n", "Two\nlines."),
            ("\n\n/* x.h - after blank lines */\n", "After blank lines"),
            ("#pragma once\n/* x.h - after code */\n", ""),
            ("/* No file name. */\n", "No file name."),
        ]:
            with self.subTest(text=text):
                self.assertEqual(signatures.header_docs(text)[0], doc)


if __name__ == "__main__":
    unittest.main(verbosity=1)
