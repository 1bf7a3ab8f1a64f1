#!/usr/bin/env python3
"""Generate the bounds sweep's call table from the signature description and the
table of array lengths.

The callers and parameter descriptions are the replay's (tools/replay_gen.py), for
every export including the platform services; this tool adds, per export, which
integer parameters are counts and a function giving each pointer parameter the
number of elements that the sweep allocates for it, from survey/sweep/lengths.txt:

    # function   parameter=rule ...
    dmat_rot     src=n dst=n
    imaxmin      a=max(n,1)
    Helmert      A=11*11

A rule is an expression over the function's other parameters (+, -, *, /, //, max,
min, parentheses, `a if condition else b`, trunc, floor, ceil, sqrt, fabs, and the
library's own functions of doubles, so that a count that the function derives from
its geometry is derived alike; a pointer parameter stands for its first element, a text for its length in characters),
evaluated in doubles and truncated, or `str`,
a NUL-terminated string of any length, `file`, the name of one of the sweep's
sample files (or of a missing one), `scratch`, the name of a file that the function
may create (removed after each call); `given` on an OLE string argument says that
the function takes it over (frees it).  A pointer parameter without a rule is one
value (one record for a record type, one string for a text).  A line
`@nullable header ...` says that every text argument of the functions declared in
those headers may be NULL (or the address of NULL) and reads as empty then.  Names
in the table that the signatures do not know, and rules that name unknown parameters,
are errors.
"""
import argparse
import ast
import json
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import exports  # noqa: E402
import replay_gen  # noqa: E402

SW_STR = -1       # a NUL-terminated string of random length
SW_BSTR = -2      # one OLE string, allocated by the sweep
SW_FILE = -3      # the name of one of the sweep's sample files (or of none)
SW_SCRATCH = -4   # the name of a file that the function may write


class TableError(Exception):
    pass


def read_table(path):
    """function -> {parameter: rule text}, with the line of each entry."""
    table = {}
    with open(path, encoding="utf-8") as f:
        for no, line in enumerate(f, 1):
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            name, _, rest = line.partition(" ")
            if name == "@nullable":
                table.setdefault(name, (no, set()))[1].update(rest.split())
                continue
            rules = {}
            for w in re.split(r"\s+(?=\w+=(?!=))", rest.strip()) if rest.strip() else []:
                m = re.fullmatch(r"(\w+)=(?!=)(.+)", w)
                if not m:
                    raise TableError(f"{path}:{no}: not parameter=rule: {w!r}")
                rules[m.group(1)] = m.group(2).strip()
            if name in table:
                raise TableError(f"{path}:{no}: {name} listed twice")
            table[name] = (no, rules)
    return table


MATH = {"trunc": 1, "floor": 1, "ceil": 1, "sqrt": 1, "fabs": 1}


def c_expr(text, pnames, counts, where, library):
    """C expression of one rule over v[] (the parameters' values as doubles)."""
    words = {"str": SW_STR, "file": SW_FILE, "scratch": SW_SCRATCH}
    if text in words:
        return str(words[text])

    def walk(node):
        if isinstance(node, ast.Expression):
            return walk(node.body)
        if isinstance(node, ast.Constant) and isinstance(node.value, int):
            return f"{node.value}.0"
        if isinstance(node, ast.Name):
            if node.id not in pnames:
                raise TableError(f"{where}: unknown parameter {node.id!r}")
            j = pnames.index(node.id)
            counts.add(j)
            return f"v[{j}]"
        if isinstance(node, ast.BinOp):
            if isinstance(node.op, ast.FloorDiv):
                return f"floor({walk(node.left)} / {walk(node.right)})"
            op = {ast.Add: "+", ast.Sub: "-", ast.Mult: "*", ast.Div: "/"}.get(type(node.op))
            if op is None:
                raise TableError(f"{where}: operator not allowed in {text!r}")
            return f"({walk(node.left)} {op} {walk(node.right)})"
        if isinstance(node, ast.UnaryOp) and isinstance(node.op, ast.USub):
            return f"(-{walk(node.operand)})"
        if isinstance(node, ast.IfExp):
            return f"({walk(node.test)} ? {walk(node.body)} : {walk(node.orelse)})"
        if isinstance(node, ast.Compare) and len(node.ops) == 1:
            op = {ast.Eq: "==", ast.NotEq: "!=", ast.Lt: "<", ast.LtE: "<=", ast.Gt: ">",
                  ast.GtE: ">="}.get(type(node.ops[0]))
            if op is None:
                raise TableError(f"{where}: comparison not allowed in {text!r}")
            return f"({walk(node.left)} {op} {walk(node.comparators[0])})"
        if isinstance(node, ast.Call) and isinstance(node.func, ast.Name) and node.func.id in ("max", "min"):
            args = [walk(a) for a in node.args]
            out = args[0]
            for a in args[1:]:
                out = f"SW_{node.func.id.upper()}({out}, {a})"
            return out
        if isinstance(node, ast.Call) and isinstance(node.func, ast.Name):
            # The C library's roundings and roots, or an export of doubles to a
            # double, where a count comes from the same geometry as the function's.
            arity = MATH.get(node.func.id, library.get(node.func.id))
            if arity is None:
                raise TableError(f"{where}: {node.func.id} cannot be called in a rule")
            if len(node.args) != arity:
                raise TableError(f"{where}: {node.func.id} takes {arity} arguments")
            return f"{node.func.id}({', '.join(walk(a) for a in node.args)})"
        raise TableError(f"{where}: cannot read rule {text!r}")

    try:
        tree = ast.parse(text, mode="eval")
    except SyntaxError as err:
        raise TableError(f"{where}: {err}") from None
    return walk(tree)


def element_bytes(p):
    """C expression of the size of one element of a pointer parameter."""
    t = p["pointee"]
    if t["kind"] in ("pointer", "bstr"):
        return "sizeof(void*)"
    return str({"char": 1, "int": t.get("bits", 8) // 8, "float": 4, "double": 8,
                "struct": t.get("bytes", 0)}[t["kind"]])


def default_length(p):
    pointee = p["pointee"]
    if pointee["kind"] == "char":
        return str(SW_STR)
    if pointee["kind"] == "bstr":
        return str(SW_BSTR)
    return "1"


def generate(data, table, table_path):
    text = replay_gen.generate(data, 1, linux_only=True)
    exports = data["exports"]
    no, nullable = table.pop("@nullable", (0, set()))
    unknown = nullable - {e["header"] for e in exports}
    if unknown:
        raise TableError(f"{table_path}:{no}: no exports declared in {', '.join(sorted(unknown))}")
    used = set()
    library = {e["function"]: len(e["params"]) for e in exports
               if e["returns"]["kind"] == "double" and not e["flags"] and not e["alias_of"]
               and all(p["kind"] == "double" for p in e["params"])}
    out = [text, "/* The sweep's lengths, generated by tools/sweep_gen.py from "
           f"{os.path.basename(table_path)}. */\n"]
    rows = []
    for i, e in enumerate(exports):
        key = next((k for k in (e["function"], e["export"], e["implementation"]) if k in table), None)
        no, rules = table[key] if key else (0, {})
        if key:
            used.add(key)
        pnames = [p["name"] for p in e["params"]]
        counts, given, lines = set(), set(), []
        for name in rules:
            if name not in pnames:
                raise TableError(f"{table_path}:{no}: {e['function']} has no parameter {name!r}")
            kind = e["params"][pnames.index(name)]["kind"]
            if kind == "bstr" and rules[name] == "given":
                given.add(pnames.index(name))
            elif kind != "pointer":
                raise TableError(f"{table_path}:{no}: {e['function']}: {name} is not an array")
        for j, p in enumerate(e["params"]):
            if p["kind"] != "pointer":
                continue
            rule = rules.get(p["name"])
            expr = c_expr(rule, pnames, counts, f"{table_path}:{no}", library) if rule else default_length(p)
            if expr not in (str(SW_STR), str(SW_BSTR), str(SW_FILE), str(SW_SCRATCH)):
                expr = f"sw_length({expr})"
            lines.append(f"  len[{j}] = {expr}; size[{j}] = {element_bytes(p)};\n")
        out.append(f"static void sw_l{i}(const double* v, long* len, size_t* size) {{\n"
                   "  (void)v; (void)len; (void)size;\n"
                   + "".join(lines) + "}\n")
        # A text that a rule names counts in its length, known once it is written.
        counts = {j for j in counts if e["params"][j]["kind"] != "pointer"
                  or rules.get(pnames[j], default_length(e["params"][j])) not in ("str", str(SW_STR))}
        texts = {j for j, p in enumerate(e["params"])
                 if e["header"] in nullable and p["kind"] == "pointer"
                 and "char" in (p["pointee"]["kind"], p["pointee"].get("pointee", {}).get("kind"))}
        flags = "".join("1" if j in counts else "2" if j in given else "3" if j in texts else "0"
                        for j in range(len(pnames)))
        rows.append(f"  {{sw_l{i}, {replay_gen.c_str(flags)}}},\n")
    unused = sorted(set(table) - used)
    if unused:
        raise TableError(f"{table_path}: not exported: {', '.join(unused)}")
    out.append("static const struct sw_export sw_exports[] = {\n" + "".join(rows) + "};\n")
    return "".join(out)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--signatures", required=True)
    ap.add_argument("--lengths", required=True)
    ap.add_argument("--out", required=True)
    args = ap.parse_args()
    with open(args.signatures, encoding="utf-8") as f:
        data = json.load(f)
    try:
        text = generate(data, read_table(args.lengths), args.lengths)
    except TableError as err:
        sys.exit(str(err))
    exports.write(args.out, text)


if __name__ == "__main__":
    main()
