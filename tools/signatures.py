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
     "params": [{"name": "kind", "c": "int16_t", "kind": "int", "bits": 16, "signed": true}, ...]}

Type kinds: void, int (bits, signed), float (32), double (64), char (8, signed),
bstr, struct (name, bytes, element type) and pointer (const, pointee: a type).
stack_bytes is what a stdcall callee pops: each argument rounded up to 4 bytes.
"""
import argparse
import json
import os
import re
import sys

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


def declarations(root):
    """name -> (header, return C type, [(param name, C type)], stdcall?) of every public header."""
    found = {}
    for dirpath, _, files in sorted(os.walk(root)):
        for f in sorted(files):
            if not f.endswith(".h"):
                continue
            path = os.path.join(dirpath, f)
            with open(path, encoding="utf-8") as fh:
                text = fh.read()
            text = re.sub(r"/\*.*?\*/", " ", text, flags=re.S)
            text = re.sub(r"//[^\n]*", " ", text)
            rel = os.path.relpath(path, root).replace(os.sep, "/")
            for m in DECL.finditer(text):
                args = " ".join(m.group("args").split())
                params = [] if args in ("", "void") else [split_param(a) for a in args.split(",")]
                found[m.group("name")] = (rel, " ".join(m.group("ret").split()), params, bool(m.group("call")))
    return found


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
    decls = declarations(root)
    heads = families(list_path)
    out, errors = [], []
    for e in entries:
        fn = e.function
        if fn not in decls:
            errors.append(f"{list_path}:{e.line}: {e.name}: no SURVEY_API declaration of {fn}")
            continue
        header, ret, params, stdcall = decls[fn]
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
        })
    if errors:
        raise SignatureError("\n".join(errors))
    return out


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--headers", required=True, help="folder of the public headers (survey/)")
    ap.add_argument("--list", required=True, help="survey/exports.list")
    ap.add_argument("--out", required=True, help="JSON file to write")
    args = ap.parse_args()
    try:
        data = {"exports": describe(args.headers, args.list)}
    except SignatureError as err:
        sys.exit(str(err))
    text = json.dumps(data, indent=1) + "\n"
    if os.path.exists(args.out):
        with open(args.out, encoding="utf-8") as f:
            if f.read() == text:
                return
    os.makedirs(os.path.dirname(os.path.abspath(args.out)), exist_ok=True)
    with open(args.out, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


if __name__ == "__main__":
    main()
