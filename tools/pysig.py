#!/usr/bin/env python3
"""The Python calling convention of every export, computed from its C signature.

One entry of signatures.json (tools/signatures.py) describes a C function; this
module says how Python calls it:

    in          a scalar passed by value (int, float)
    array       const pointer to numbers: any sequence, or a contiguous numpy array
                of the element type (passed without a copy)
    inout_array non-const pointer to numbers that the function reads or fills by
                element: passed as for array, and returned (a numpy array or a list
                is updated in place and returned itself; another sequence comes back
                as a new list)
    out         non-const pointer to one value that the function writes: not passed,
                returned (preset to 0, which is what an unwritten output reads)
    inout       non-const pointer to one value that the function reads and writes:
                passed and returned
    struct_in / struct_array / struct_out / struct_inout / struct_inout_array
                the same for records of doubles (survey_point, survey_line,
                survey_rect as tuples of floats, survey_complex as complex)
    str         const char*: str (encoded to code page 932) or bytes; None is NULL
    strref      const char* const*: a text passed by reference, as for str
    strbuf      char*: a text edited in place: passed as for str, returned as str
    bstr        BSTR by value: a str made into an OLE string for the call
    raw         anything else (platform services' OLE string handles): ctypes objects

Array forms take `int32_t npts` before their per-point arrays: npts is not passed
but read from the arrays' common length (role count); the const arrays after it
(points) must all have that length, and the non-const ones after it are outputs of
npts elements made by the call and returned (out_array; numpy arrays where numpy
is installed, else lists).

Results: void, int, float, bstr (str decoded from code page 932, the OLE string
freed), cstr (const char*: str), self (a record pointer that is the function's own
out-record: not returned twice), address (void*: int or None), raw.

Out-values are returned in declaration order after the function's own result;
one value alone is returned as it is, several as a tuple, none as None.

Which non-const pointers are arrays or in/out scalars cannot be read from a
signature: the few that are come from the header comments, in the tables below
(by C function name; every other non-const pointer to one value is an output).
"""

# Non-const pointers that are arrays (the function reads or fills elements).
ARRAYS = {
    # arrays of numbers
    "imat_zero": "a", "fmat_zero": "a", "lmat_zero": "a", "dmat_zero": "a",
    "imat_copy": "dst", "fmat_copy": "dst", "lmat_copy": "dst", "dmat_copy": "dst",
    "imat_marg": "dst", "fmat_marg": "dst", "lmat_marg": "dst", "dmat_marg": "dst",
    "imat_rot": "dst", "fmat_rot": "dst", "lmat_rot": "dst", "dmat_rot": "dst",
    "imat_mirror": "a", "fmat_mirror": "a", "lmat_mirror": "a", "dmat_mirror": "a",
    "dsort_shou": "a", "dsort_kou": "a", "smallno": "a", "maxno": "a", "median": "a",
    "Get_ExtentXY": "cx cy", "Rot_ExtentXY": "cx cy", "Poly_Extent": "cx cy", "Poly_CL": "cx cy",
    "gauss": "m", "gauss_c": "m",
    "helmert": "X Y", "affine": "X Y", "affine_keisu": "a b c", "affine_spec": "theta s o",
    "dmat_calc": "out", "dmat_cmp": "out", "dmat_squ": "out", "kajyu_heikin": "out", "combine": "out",
    "rotate_xyD": "xo yo", "lineN_kouten": "xo yo", "nini_kouten": "xo yo",
    "vect_3d": "v", "uvect_3d": "u", "dot_product_3d": "p", "cross_product_3d": "c",
    "naibun2_3d": "p", "naibun_3d": "p", "gyusin_point3_3d": "g", "plane_line": "p",
    "taisho_point_3d": "q", "alsv": "m",
    "dev_tok": "out", "dev_tok2": "out", "kfude2xy": "x y",
    "adjoin_mesh": "codes", "Mesh2Z": "values", "Mesh_BL": "p1 p2", "Mesh_Dev": "xo yo",
    "Get_Tky2Jgd2": "first second",
    "bezierk": "k", "bezierk2": "k", "bezier3_1": "xo yo", "bezier3": "xo yo zo",
    "bezier2_1": "xo yo", "bezier2": "xo yo zo", "bspline2": "xo yo", "bspline3": "xo yo zo",
    "points2xys": "xs ys", "dmat_xy": "xs ys", "poly2xy": "xs ys",
    "work_kado": "pos", "pos_rot": "xs ys", "kado_ban": "xs ys pos", "poly_inpoly": "xo yo",
    "get_polyxy": "xo yo",
    "sphere_e2g": "eq", "sphere_g2e": "centre", "sphere_2point": "eq", "sphere_plane": "plane",
    "sphere_circle": "centre", "sphere_sphere": "centre",
    "dmds": "angles dists dirs dY dX dmd dblarea",
    "line_dev": "xo yo", "line_devL": "xo yo", "circ_dev": "xo yo", "circ_devL": "xo yo",
    "polyline_kou3": "pts edgeNo", "dsortNO": "v idx",
    # arrays of records
    "topointsxys": "points", "dmat_pt": "points", "topoly": "lines", "polyline_kou": "points",
    "polyline_kou2": "points", "line2polyline": "lines points", "Pswap": "p q",
}
# Const record pointers that are arrays (the others are one record).
RECORD_ARRAYS = {"c_takou": "a", "poly2xy": "lines", "points2xys": "points", "dmat_xy": "points",
                 "polyline_kou": "lines", "polyline_kou2": "lines", "polyline_kou3": "edges",
                 "danmenP": "lines", "danmenPoint": "points"}
# Non-const pointers to one value that the function reads as well as writes.
INOUT = {"iswap": "a b", "lswap": "a b", "fswap": "a b", "dswap": "a b",
         "point_swap": "line", "line_swap": "a b"}

import keyword

_NUM = {"double": "float", "float": "float", "int": "int", "char": "int"}
_RECORD = {"survey_complex": "complex", "survey_point": "tuple[float, float]",
           "survey_line": "tuple[float, float, float, float]",
           "survey_rect": "tuple[float, float, float, float]"}


def _names(table, fn):
    return set(table.get(fn, "").split())


COUNT = "npts"


def param_role(entry, p):
    """The role of one parameter (see the module's description)."""
    fn = entry["function"]
    names = [q["name"] for q in entry["params"]]
    if p["name"] == COUNT and p["kind"] == "int":
        return "count"
    if COUNT in names and names.index(COUNT) < names.index(p["name"]) and p["kind"] == "pointer" \
            and p["pointee"]["kind"] in ("int", "double", "float"):
        return "points" if p["const"] else "out_array"
    platform = entry["family"].startswith("platform")
    if p["kind"] in ("int", "double", "float", "char"):
        return "in"
    if p["kind"] == "bstr":
        return "raw" if platform else "bstr"
    if p["kind"] != "pointer":
        return "raw"
    t = p["pointee"]
    if t["kind"] == "char":
        return "str" if p["const"] else "strbuf"
    if t["kind"] == "pointer" and t["pointee"]["kind"] == "char" and p["const"]:
        return "strref"
    if t["kind"] == "struct":
        if p["const"]:
            return "struct_array" if p["name"] in _names(RECORD_ARRAYS, fn) else "struct_in"
        if p["name"] in _names(ARRAYS, fn):
            return "struct_inout_array"
        return "struct_inout" if p["name"] in _names(INOUT, fn) else "struct_out"
    if t["kind"] in ("int", "double", "float") and not platform:
        if p["const"]:
            return "array"
        if p["name"] in _names(ARRAYS, fn):
            return "inout_array"
        return "inout" if p["name"] in _names(INOUT, fn) else "out"
    return "raw"


def result_role(entry):
    r = entry["returns"]
    platform = entry["family"].startswith("platform")
    if r["kind"] == "void":
        return "void"
    if r["kind"] in ("int", "char"):
        return "int"
    if r["kind"] in ("double", "float"):
        return "float"
    if r["kind"] == "bstr":
        return "raw" if platform else "bstr"
    if r["kind"] == "pointer":
        t = r["pointee"]
        if t["kind"] == "char":
            return "cstr"
        if t["kind"] == "void":
            return "address"
        if t["kind"] == "struct" and any(
                p["kind"] == "pointer" and not p["const"] and p["pointee"].get("name") == t["name"]
                for p in entry["params"]):
            return "self"
    return "raw"


PASSED = {"in", "array", "points", "inout_array", "inout", "struct_in", "struct_array", "struct_inout",
          "struct_inout_array", "str", "strref", "strbuf", "bstr", "raw"}
RETURNED = {"out_array", "inout_array", "out", "inout", "struct_out", "struct_inout", "struct_inout_array", "strbuf"}


def convention(entry):
    """(result role, [(parameter, role)]) of an export."""
    return result_role(entry), [(p, param_role(entry, p)) for p in entry["params"]]


def _elem(t):
    return _NUM.get(t["kind"], "object")


def _py_type(p, role, returned=False):
    t = p["pointee"] if p["kind"] == "pointer" else p
    if role == "in":
        return _NUM.get(p["kind"], "object")
    if role in ("array", "inout_array", "points"):
        return f"list[{_elem(t)}]" if returned else f"Sequence[{_elem(t)}]"
    if role == "out_array":
        return f"ndarray[{_elem(t)}]"
    if role in ("out", "inout"):
        return _elem(t)
    if role in ("struct_in", "struct_out", "struct_inout"):
        return _RECORD.get(t.get("name"), "tuple")
    if role in ("struct_array", "struct_inout_array"):
        rec = _RECORD.get(t.get("name"), "tuple")
        return f"list[{rec}]" if returned else f"Sequence[{rec}]"
    if role in ("str", "strref", "strbuf", "bstr"):
        return "str" if returned else "str | bytes"
    return "ctypes object"


def ident(name):
    """A parameter's Python name: a keyword gets a trailing underscore (lambda_)."""
    return name + "_" if keyword.iskeyword(name) else name


def python_params(entry):
    """[(name, Python type)] of what the caller passes."""
    _, roles = convention(entry)
    return [(ident(p["name"]), _py_type(p, role)) for p, role in roles if role in PASSED]


def python_results(entry):
    """[Python type] of what the call returns, in order (the function's result first)."""
    res, roles = convention(entry)
    out = []
    if res in ("int", "float"):
        out.append(res)
    elif res in ("bstr", "cstr"):
        out.append("str")
    elif res == "address":
        out.append("int | None")
    elif res == "raw":
        out.append("int")
    out.extend(_py_type(p, role, returned=True) for p, role in roles if role in RETURNED)
    return out


def python_name(entry):
    """The plain Python name of an export: a decorated name goes under its function's."""
    return entry["function"] if entry["decorated"] else entry["export"]


def python_signature(entry):
    """E.g. "JGD2000_klola1(zone: int, lat: float, lon: float) -> tuple[float, float, int]"."""
    args = ", ".join(f"{n}: {t}" for n, t in python_params(entry))
    res = python_results(entry)
    ret = "None" if not res else res[0] if len(res) == 1 else f"tuple[{', '.join(res)}]"
    return f"{python_name(entry)}({args}) -> {ret}"


if __name__ == "__main__":
    import json
    import sys
    with open(sys.argv[1], encoding="utf-8") as f:
        for e in json.load(f)["exports"]:
            print(python_signature(e))
