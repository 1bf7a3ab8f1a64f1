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


def function(entry, pyname):
    res, roles = pysig.convention(entry)
    args, pre, call, post, outs, cleanup = [], [], [], [], [], []
    points = [pysig.ident(p["name"]) for p, r in roles if r == "points"]
    for p, role in roles:
        n = pysig.ident(p["name"])
        label = p["name"]
        t = p["pointee"] if p["kind"] == "pointer" else p
        ct = ctype(t) if p["kind"] == "pointer" else None
        if role in pysig.PASSED:
            args.append(n)
        if role == "in" or role == "raw":
            call.append(n)
        elif role == "count":
            pre.append(f"_n = count({points!r}, {', '.join(points)})")
            call.append("_n")
        elif role in ("array", "points"):
            fn = "points_in" if role == "points" else "array_in"
            pre.append(f"_{n} = {fn}({n}, {ct}, {label!r})")
            call.append(f"_{n}")
        elif role == "inout_array":
            pre.append(f"_{n} = InOut({n}, {ct}, {label!r})")
            call.append(f"_{n}.arg")
            outs.append(f"_{n}.result()")
        elif role == "out_array":
            pre.append(f"_{n}, _{n}_r = array_out(_n, {ct})")
            call.append(f"_{n}")
            outs.append(f"array_result(_{n}_r)")
        elif role == "out":
            pre.append(f"_{n} = {ct}()")
            call.append(f"_{n}")
            outs.append(f"_{n}.value")
        elif role == "inout":
            pre.append(f"_{n} = {ct}({n})")
            call.append(f"_{n}")
            outs.append(f"_{n}.value")
        elif role == "struct_in":
            pre.append(f"_{n} = record_in({n}, {ct}, {label!r})")
            call.append(f"_{n}")
        elif role == "struct_out":
            pre.append(f"_{n} = {ct}()")
            call.append(f"_{n}")
            outs.append(f"record_out(_{n})")
        elif role == "struct_inout":
            pre.append(f"_{n} = record_in({n}, {ct}, {label!r})")
            call.append(f"_{n}")
            outs.append(f"record_out(_{n})")
        elif role in ("struct_array", "struct_inout_array"):
            pre.append(f"_{n} = RecordArray({n}, {ct}, {label!r})")
            call.append(f"_{n}.arg")
            if role == "struct_inout_array":
                outs.append(f"_{n}.result()")
        elif role == "str":
            pre.append(f"_{n} = text_in({n}, {label!r})")
            call.append(f"_{n}")
        elif role == "strref":
            pre.append(f"_{n} = text_ref({n}, {label!r})")
            call.append(f"_{n}")
        elif role == "strbuf":
            pre.append(f"_{n} = text_buffer({n}, {label!r})")
            call.append(f"_{n}")
            outs.append(f"buffer_text(_{n})")
        elif role == "bstr":
            call.append(f"_{n}")
            cleanup.append(n)
        else:
            raise ValueError(f"{entry['export']}: role {role}")
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
    if os.path.exists(args.out):
        with open(args.out, encoding="utf-8") as f:
            if f.read() == text:
                return
    with open(args.out, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


if __name__ == "__main__":
    main()
