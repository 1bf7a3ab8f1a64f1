#!/usr/bin/env python3
"""Generate the Python module's functions (python/survey/_api.py) from signatures.json.

One function per exported name, its ctypes types exactly the C declaration's, its
calling convention from tools/pysig.py, its docstring the header comment (the
"doc" field, where the signature file has one) and its Python signature. Nothing
here is written per function.
"""
import argparse
import json
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import exports  # noqa: E402
import pysig  # noqa: E402
import signatures  # noqa: E402

_INT = {(8, True): "c_int8", (8, False): "c_uint8", (16, True): "c_int16", (16, False): "c_uint16",
        (32, True): "c_int32", (32, False): "c_uint32", (64, True): "c_int64", (64, False): "c_uint64"}


def ctype(t):
    """The ctypes type of a C type record, as a name of the runtime."""
    k = t["kind"]
    if k == "void":
        return "c_void"
    if k == "double":
        return "c_double"
    if k == "float":
        return "c_float"
    if k in ("int", "char"):
        if k == "char" and t["signed"]:
            return "c_char"
        return _INT[(t["bits"], t.get("signed", True))]
    if k == "bstr":
        return "c_void_p"
    if k == "struct":
        return f"RECORDS[{t['name']!r}]"
    if k == "pointer":
        p = t["pointee"]
        if p["kind"] == "char" and p["signed"]:
            return "c_char_p"
        if p["kind"] in ("void", "bstr"):
            return "c_void_p" if p["kind"] == "void" else "POINTER(c_void_p)"
        return f"POINTER({ctype(p)})"
    raise ValueError(f"no ctypes type for {t}")


def restype(entry, role):
    if role in ("bstr", "self", "address", "raw") and entry["returns"]["kind"] in ("pointer", "bstr"):
        return "c_void_p"
    if role == "cstr":
        return "c_char_p"
    return ctype(entry["returns"])


# Per role: (statement before the call, argument passed, value returned); {n} is the
# Python name, {ct} the element's ctypes type, {label} the C name for messages.
ROLE_CODE = {
    "in": (None, "{n}", None),
    "raw": (None, "{n}", None),
    "count": ("_n = count({points}, {point_args})", "_n", None),
    "array": ("_{n} = array_in({n}, {ct}, {label!r})", "_{n}", None),
    "points": ("_{n} = points_in({n}, {ct}, {label!r})", "_{n}", None),
    "inout_array": ("_{n} = InOut({n}, {ct}, {label!r})", "_{n}.arg", "_{n}.result()"),
    "out_array": ("_{n}, _{n}_r = array_out(_n, {ct})", "_{n}", "array_result(_{n}_r)"),
    "out": ("_{n} = {ct}()", "_{n}", "_{n}.value"),
    "inout": ("_{n} = {ct}({n})", "_{n}", "_{n}.value"),
    "struct_in": ("_{n} = record_in({n}, {ct}, {label!r})", "_{n}", None),
    "struct_out": ("_{n} = {ct}()", "_{n}", "record_out(_{n})"),
    "struct_inout": ("_{n} = record_in({n}, {ct}, {label!r})", "_{n}", "record_out(_{n})"),
    "struct_array": ("_{n} = RecordArray({n}, {ct}, {label!r})", "_{n}.arg", None),
    "struct_inout_array": ("_{n} = RecordArray({n}, {ct}, {label!r})", "_{n}.arg", "_{n}.result()"),
    "str": ("_{n} = text_in({n}, {label!r})", "_{n}", None),
    "strref": ("_{n} = text_ref({n}, {label!r})", "_{n}", None),
    "strbuf": ("_{n} = text_buffer({n}, {label!r})", "_{n}", "buffer_text(_{n})"),
    "bstr": (None, "_{n}", None),  # made and freed around the call
}


def function(entry, pyname):
    res, roles = pysig.convention(entry)
    args, pre, call, outs, cleanup = [], [], [], [], []
    points = [pysig.ident(p["name"]) for p, r in roles if r == "points"]
    for p, role in roles:
        t = p["pointee"] if p["kind"] == "pointer" else p
        fields = {"n": pysig.ident(p["name"]), "label": p["name"], "points": repr(points),
                  "point_args": ", ".join(points), "ct": ctype(t) if p["kind"] == "pointer" else None}
        before, passed, returned = ROLE_CODE[role]
        if role in pysig.PASSED:
            args.append(fields["n"])
        if before:
            pre.append(before.format(**fields))
        call.append(passed.format(**fields))
        if returned:
            outs.append(returned.format(**fields))
        if role == "bstr":
            cleanup.append(fields["n"])
    invoke = f"_f_{pyname}({', '.join(call)})"
    result = {"int": "_r", "float": "_r", "address": "_r", "raw": "_r",
              "bstr": "_bstr.take(_r)", "cstr": "text_out(_r)"}.get(res)
    if result:
        outs.insert(0, result)
    body = [f"    {line}" for line in pre]
    if cleanup:
        # OLE strings made for the call are freed after it, whatever happens.
        body += [f"    _{n} = None" for n in cleanup]
        body.append("    try:")
        body += [f"        _{n} = _bstr.make({n}, {n!r})" for n in cleanup]
        body.append(f"        {'_r = ' if result else ''}{invoke}")
        body.append("    finally:")
        body += [f"        if _{n}:\n            _bstr.free(_{n})" for n in cleanup]
    else:
        body.append(f"    {'_r = ' if result else ''}{invoke}")
    if not outs:
        body.append("    return None")
    elif len(outs) == 1:
        body.append(f"    return {outs[0]}")
    else:
        body.append(f"    return {', '.join(outs)}")
    doc = (entry.get("doc") or "").strip()
    sig = pysig.python_signature(entry)
    text = (doc + "\n\n" if doc else "") + sig + f"\n\nC: {signatures.c_declaration(entry)}"
    argtypes = ", ".join(ctype(p) for p in entry["params"])
    return (f"_f_{pyname} = _bind({entry['export']!r}, {restype(entry, res)}, [{argtypes}])\n\n\n"
            f"def {pyname}({', '.join(args)}):\n"
            f"    {json.dumps(text, ensure_ascii=False)}\n" + "\n".join(body) + "\n")


def generate(data, build_library, version):
    out = ['"""The survey library\'s functions. Generated by tools/pygen.py from signatures.json;',
           'do not edit."""',
           "from ._runtime import *  # noqa: F401,F403",
           "from ._runtime import Binder, Bstr, load_library",
           "",
           f"VERSION = {version!r}  # the project's version at generation (the package's version)",
           "# The library of the build that generated this module (one place of several looked at).",
           f"BUILD_LIBRARY = {build_library!r}",
           "LIBRARY = load_library(BUILD_LIBRARY)",
           "_bind = Binder(LIBRARY)",
           "_bstr = Bstr(_bind)",
           "# Every export name (decorated ones included) to its function.",
           "EXPORTS = {}",
           "", ""]
    names = []
    for e in data["exports"]:
        pyname = pysig.python_name(e)
        if pyname in names:  # another export of a name already defined: bound on its own
            pyname = "_" + "".join(c if c.isalnum() else "_" for c in e["export"])
        else:
            names.append(pyname)
        out.append(function(e, pyname))
        out.append(f"EXPORTS[{e['export']!r}] = {pyname}\n")
    out.append("# Decorated names as aliases of the plain ones: getattr(survey, '_Wcalcb@16').")
    out.append("globals().update({k: v for k, v in EXPORTS.items() if not k.isidentifier()})")
    out.append(f"__all__ = {sorted(names)!r}")
    return "\n".join(out) + "\n"


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--signatures", required=True)
    ap.add_argument("--out", required=True)
    ap.add_argument("--library", default="", help="the library file of this build")
    ap.add_argument("--version", default="0", help="the project's version")
    args = ap.parse_args()
    with open(args.signatures, encoding="utf-8") as f:
        text = generate(json.load(f), args.library or None, args.version)
    exports.write(args.out, text)


if __name__ == "__main__":
    main()
