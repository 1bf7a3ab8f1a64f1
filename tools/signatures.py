#!/usr/bin/env python3
"""Describe every export of the library as data: one JSON file from the public
headers and survey/exports.list.

The headers declare each function once as
    SURVEY_API <return type> SURVEY_CALL name(args);
and the export list says under which names it is bound (plain, stdcall-decorated,
aliases, runtime-colliding names).  This tool joins the two and writes, for every
line of the export list, the bound name, the C function behind it and its full C
signature broken into types that a caller can marshal:

    {"export": "_Wcalcb@16", "function": "Wcalcb", "implementation": "Wcalcb",
     "family": "geodesy/ellipsoid", "header": "geodesy/ellipsoid.h",
     "decorated": true, "decoration_bytes": 16, "alias_of": null,
     "flags": [], "linux_only": false, "stack_bytes": 16,
     "returns": {"c": "void", "kind": "void"},
     "params": [{"name": "kind", "c": "int16_t", "kind": "int", "bits": 16, "signed": true}, ...],
     "doc": "Meridian arc length from the equator to latitude phi, metres."}

doc is the function's comment in its header (see header_docs for which comment
belongs to which declaration).  Beside "exports", "families" maps each family heading
of the export list, in list order, to its headers and their leading comments:

    "families": {"geodesy/ellipsoid": {"headers": ["geodesy/ellipsoid.h"], "doc": "..."}}

Type kinds: void, int (bits, signed), float (32), double (64), char (8, signed),
bstr, struct (name, bytes, element type) and pointer (const, pointee: a type).
stack_bytes is what a stdcall callee pops: each argument rounded up to 4 bytes.
"""
import argparse
import bisect
import json
import os
import re
import sys
import textwrap

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import exports  # noqa: E402  (the export list's own parser)

INTS = {
    "int8_t": (8, True), "uint8_t": (8, False), "int16_t": (16, True), "uint16_t": (16, False),
    "int32_t": (32, True), "uint32_t": (32, False), "int64_t": (64, True), "uint64_t": (64, False),
    "short": (16, True), "int": (32, True), "long": (32, True), "unsigned": (32, False),
    "OLECHAR": (16, False), "BOOL": (32, True), "LONG": (32, True), "DWORD": (32, False),
}
# Records of doubles passed by address; their layout is (element, count).
STRUCTS = {"survey_point": ("double", 2), "survey_complex": ("double", 2),
           "survey_line": ("double", 4), "survey_rect": ("double", 4)}

DECL = re.compile(r"SURVEY_API\s+(?P<ret>[^;()]*?)\s*(?P<call>SURVEY_CALL\s+)?(?P<name>\w+)\s*\((?P<args>[^)]*)\)\s*;")


class SignatureError(Exception):
    pass


def base_type(words):
    text = " ".join(w for w in words if w not in ("const", "volatile", "struct", "signed"))
    if text in ("void", "float", "double"):
        return {"kind": text} if text == "void" else {"kind": text, "bits": 32 if text == "float" else 64}
    if text in ("char", "unsigned char"):
        return {"kind": "char", "bits": 8, "signed": text == "char"}
    if text == "BSTR":
        return {"kind": "bstr"}
    if text in ("unsigned short", "unsigned int", "unsigned long"):
        return {"kind": "int", "bits": 16 if "short" in text else 32, "signed": False}
    if text in INTS:
        bits, signed = INTS[text]
        return {"kind": "int", "bits": bits, "signed": signed}
    if text in STRUCTS:
        elem, count = STRUCTS[text]
        return {"kind": "struct", "name": text, "element": base_type([elem]), "count": count,
                "bytes": 8 * count}
    raise SignatureError(f"unknown type {text!r}")


def parse_type(text):
    """A C type (without a name) as a type record; `[]` counts as a pointer."""
    text = text.replace("[]", "*").strip()
    stars = text.count("*")
    words = text.replace("*", " * ").split()
    # Constness of each level: the words before the first star qualify the base type.
    levels, current = [], []
    for w in words:
        if w == "*":
            levels.append(current)
            current = []
        else:
            current.append(w)
    t = base_type(levels[0] if stars else current)
    base_const = "const" in (levels[0] if stars else current)
    for i in range(stars):  # "const" of a pointer: what it points to is read-only
        t = {"kind": "pointer", "const": base_const if i == 0 else "const" in levels[i], "pointee": t}
    return t


def split_param(text):
    text = " ".join(text.split())
    m = re.match(r"^(?P<type>.*?[\s*])(?P<name>\w+)\s*(?P<arr>\[\s*\d*\s*\])?$", text)
    if not m or m.group("type").strip() in ("", "const", "struct"):
        raise SignatureError(f"parameter without a name: {text!r}")
    ctype = m.group("type").strip() + (" *" if m.group("arr") else "")
    return m.group("name"), " ".join(ctype.replace("*", " * ").split()).replace(" *", "*")


def slot_bytes(t):
    if t["kind"] in ("double",) or (t["kind"] == "int" and t["bits"] == 64):
        return 8
    if t["kind"] == "struct":
        return (t["bytes"] + 3) // 4 * 4
    return 4


COMMENT = re.compile(r"/\*.*?\*/|//[^\n]*", re.S)


def blank_comments(text):
    """The text with every comment replaced by spaces (newlines kept), so that offsets
    and line numbers still match the original; and the comments as (start, end)."""
    spans = [(m.start(), m.end()) for m in COMMENT.finditer(text)]
    out, last = [], 0
    for a, b in spans:
        out.append(text[last:a])
        out.append(re.sub(r"[^\n]", " ", text[a:b]))
        last = b
    out.append(text[last:])
    return "".join(out), spans


def comment_text(raw):
    """The words of one comment: markers and the leading ` * ` of each line removed,
    common indentation of the continuation lines removed, outer blank lines dropped."""
    if raw.startswith("//"):
        lines = [raw[2:]]
    else:
        lines = raw[2:-2].split("\n")
    first, rest = lines[0].strip(), []
    for line in lines[1:]:
        line = line.rstrip()
        stripped = line.lstrip()
        if stripped == "*":
            line = ""
        elif stripped.startswith("* "):
            line = stripped[2:]
        rest.append(line)
    rest = textwrap.dedent("\n".join(rest)).split("\n") if rest else []
    lines = [first] + [r.rstrip() for r in rest]
    while lines and not lines[0]:
        lines.pop(0)
    while lines and not lines[-1]:
        lines.pop()
    return "\n".join(lines)


def sentence_case(doc):
    """A header's description runs on from its file name in lower case: capitalise it,
    unless its first word is a name written with capitals (dBASE)."""
    first = doc.split(None, 1)[0] if doc.strip() else ""
    return doc[:1].upper() + doc[1:] if first.islower() else doc


def header_docs(text):
    """(file comment, {function name: comment}) of one header's text.

    The file comment is a comment that opens the file (its `name.h - ` prefix dropped,
    the rest capitalised).
    A declaration's comment is the comment on the lines directly above it; declarations
    that follow one another without a blank line share the comment above the first of
    them (one comment for a group of related functions).  A comment after the `;` on
    the declaration's last line is added below as that function's own note.  Adjacent
    `//` lines form one comment."""
    code, spans = blank_comments(text)
    line_starts = [0] + [m.end() for m in re.finditer("\n", text)]

    def line_of(pos):
        return bisect.bisect_right(line_starts, pos) - 1

    # Comment blocks as [first line, last line, start offset, text, trailing, line comment].
    blocks = []
    for a, b in spans:
        first, last = line_of(a), line_of(b - 1)
        trailing = code[line_starts[first]:a].strip() != ""
        slashes = text.startswith("//", a)
        prev = blocks[-1] if blocks else None
        if slashes and not trailing and prev and prev[5] and not prev[4] and prev[1] == first - 1:
            prev[1] = last
            prev[3] += "\n" + comment_text(text[a:b])
        else:
            blocks.append([first, last, a, comment_text(text[a:b]), trailing, slashes])
    above_code = {c[1]: c for c in blocks if not c[4]}  # last line -> comment on its own lines
    after_code = {}  # first line -> comments after code on it
    for c in blocks:
        if c[4]:
            after_code.setdefault(c[0], []).append(c)
    file_doc = ""
    if spans and code[:spans[0][0]].strip() == "":
        file_doc = sentence_case(re.sub(r"^[\w./-]+\.h\s+-\s+", "", blocks[0][3]))
    docs, shared = {}, {}  # shared: last line of a declaration -> its group's comment
    for m in DECL.finditer(code):
        first, last = line_of(m.start()), line_of(m.end() - 1)
        lead = ""
        if first - 1 in shared:
            lead = shared[first - 1]
        elif first - 1 in above_code and code[line_starts[first - 1]:line_starts[first]].strip() == "":
            lead = above_code[first - 1][3]
        shared[last] = lead
        notes = [c[3] for c in after_code.get(last, []) if c[2] >= m.end()]
        docs[m.group("name")] = "\n".join(t for t in [lead] + notes if t)
    return file_doc, docs


def declarations(root):
    """name -> (header, return C type, [(param name, C type)], stdcall?, comment) of every
    public header, and header -> the header's own leading comment."""
    found, heads = {}, {}
    for dirpath, _, files in sorted(os.walk(root)):
        for f in sorted(files):
            if not f.endswith(".h"):
                continue
            path = os.path.join(dirpath, f)
            with open(path, encoding="utf-8") as fh:
                text = fh.read()
            code, _ = blank_comments(text)
            file_doc, docs = header_docs(text)
            rel = os.path.relpath(path, root).replace(os.sep, "/")
            heads[rel] = file_doc
            for m in DECL.finditer(code):
                args = " ".join(m.group("args").split())
                params = [] if args in ("", "void") else [split_param(a) for a in args.split(",")]
                found[m.group("name")] = (rel, " ".join(m.group("ret").split()), params,
                                          bool(m.group("call")), docs.get(m.group("name"), ""))
    return found, heads


def families(list_path):
    """Line number -> family heading ("basics/arrays") of the export list."""
    heads, current = {}, ""
    with open(list_path, encoding="utf-8") as f:
        for no, line in enumerate(f, 1):
            m = re.match(r"^#\s*---\s*(.+?)\s*---\s*$", line)
            if m:
                current = m.group(1)
            heads[no] = current
    return heads


def describe(root, list_path):
    entries, by_name = exports.parse(list_path)
    decls, _ = declarations(root)
    heads = families(list_path)
    out, errors = [], []
    for e in entries:
        fn = e.function
        if fn not in decls:
            errors.append(f"{list_path}:{e.line}: {e.name}: no SURVEY_API declaration of {fn}")
            continue
        header, ret, params, stdcall, doc = decls[fn]
        try:
            ptypes = [dict(name=n, c=c, **parse_type(c)) for n, c in params]
            rtype = dict(c=ret, **parse_type(ret))
        except SignatureError as err:
            errors.append(f"{header}: {fn}: {err}")
            continue
        out.append({
            "export": e.name,
            "function": fn,
            "implementation": exports.implementation(e, by_name),
            "family": heads.get(e.line, ""),
            "header": header,
            "decorated": e.decorated,
            "decoration_bytes": e.stack_bytes,
            "alias_of": e.target,
            "flags": sorted(e.flags),
            "linux_only": e.linux_only,
            "stdcall": stdcall,
            "stack_bytes": sum(slot_bytes(p) for p in ptypes),
            "returns": rtype,
            "params": ptypes,
            "doc": doc,
        })
    if errors:
        raise SignatureError("\n".join(errors))
    return out


def c_declaration(entry):
    """An entry's C declaration as its header writes it, without the export and
    calling-convention macros and the final `;`: "void Wcalcb(int16_t kind, ...)"."""
    params = ", ".join(f"{p['c']} {p['name']}" for p in entry["params"]) or "void"
    return f"{entry['returns']['c']} {entry['function']}({params})"


def document(root, list_path):
    """The whole description: every export, and per family (in export-list order) its
    headers and their leading comments."""
    out = describe(root, list_path)
    _, head_docs = declarations(root)
    fams = {}
    for e in out:
        f = fams.setdefault(e["family"], {"headers": [], "doc": ""})
        if e["header"] not in f["headers"]:
            f["headers"].append(e["header"])
    for f in fams.values():
        f["doc"] = "\n\n".join(head_docs[h] for h in f["headers"] if head_docs[h])
    return {"exports": out, "families": fams}


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--headers", required=True, help="folder of the public headers (survey/)")
    ap.add_argument("--list", required=True, help="survey/exports.list")
    ap.add_argument("--out", required=True, help="JSON file to write")
    args = ap.parse_args()
    try:
        data = document(args.headers, args.list)
    except SignatureError as err:
        sys.exit(str(err))
    os.makedirs(os.path.dirname(os.path.abspath(args.out)), exist_ok=True)
    exports.write(args.out, json.dumps(data, indent=1) + "\n")


if __name__ == "__main__":
    main()
