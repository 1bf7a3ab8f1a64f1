"""Every export called from Python on the replay's argument vectors gives the bits
that the C replay program recorded on Linux.

The record (survey_replay_record's output) holds, per call, a hash of the
arguments and the results; the arguments themselves come from the replay's own
generator, rebuilt here step for step (a scalar call's hash is checked against the
record, so a drift in the rebuilt generator is caught where it starts). Each call
is made twice: through the raw ctypes binding with the replay's 4 KiB buffers,
whose output must match the record token for token, and through the module's
function, whose results must match the raw call's.

SURVEY_REPLAY_RECORD names the record; SURVEY_SIGNATURES the signature file.
"""
import ctypes
import math
import os
import struct
import sys
import tempfile
import unittest

import survey

TOOLS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools")
sys.path.insert(0, TOOLS)
import pysig  # noqa: E402
import replay_gen  # noqa: E402
import replay_hints  # noqa: E402

try:
    import numpy as np
except ImportError:
    np = None

M64 = (1 << 64) - 1
BUF = 4096
FNV = 0xCBF29CE484222325
SPECIAL = [0.0, 1.0, -1.0, 0.5, 1e-9, 90.0, 180.0, 3.141592653589793]
ALPHABET = b"0123456789012345678 .-+eE,abcXYZ\t"
ELEM_SIZE = {"RP_E_I16": 2, "RP_E_I32": 4, "RP_E_F32": 4, "RP_E_I64": 8, "RP_E_F64": 8,
             "RP_E_PCHAR": ctypes.sizeof(ctypes.c_void_p)}


def fnv(data, h):
    for b in data:
        h = ((h ^ b) * 0x100000001B3) & M64
    return h


class Rng:
    def __init__(self, seed):
        self.s = seed

    def next(self):
        self.s = (self.s + 0x9E3779B97F4A7C15) & M64
        z = self.s
        z = ((z ^ (z >> 30)) * 0xBF58476D1CE4E5B9) & M64
        z = ((z ^ (z >> 27)) * 0x94D049BB133111EB) & M64
        return z ^ (z >> 31)

    def block(self, n):
        """The next n draws at once (numpy), the state advanced past them."""
        k = np.arange(1, n + 1, dtype=np.uint64)
        with np.errstate(over="ignore"):
            z = np.uint64(self.s) + k * np.uint64(0x9E3779B97F4A7C15)
            z = (z ^ (z >> np.uint64(30))) * np.uint64(0xBF58476D1CE4E5B9)
            z = (z ^ (z >> np.uint64(27))) * np.uint64(0x94D049BB133111EB)
        self.s = (self.s + n * 0x9E3779B97F4A7C15) & M64
        return z ^ (z >> np.uint64(31))

    def uniform_int(self, lo, hi):
        if hi < lo:
            return lo
        return lo + self.next() % (hi - lo + 1)

    def uniform_real(self, lo, hi):
        u = float(self.next() >> 11) * (1.0 / 9007199254740992.0)
        return lo + u * (hi - lo)

    def pick_real(self, lo, hi, vector):
        if vector == 0:
            return 0.0 if lo <= 0.0 <= hi else lo
        if vector == 1:
            return hi
        if self.next() % 8 == 0:
            v = SPECIAL[self.next() % len(SPECIAL)]
            if lo <= v <= hi:
                return v
        return self.uniform_real(lo, hi)

    def reals(self, n, lo, hi):
        """n values of pick_real(lo, hi, 2): draws made in bulk, consumed as the C loop does."""
        draws = self.block(3 * n)
        start = self.s
        first = (draws % np.uint64(8)).tolist()
        special = (draws % np.uint64(len(SPECIAL))).tolist()
        u = ((draws >> np.uint64(11)).astype(np.float64) * (1.0 / 9007199254740992.0))
        uniform = (lo + u * (hi - lo)).tolist()
        out, i = [], 0
        for _ in range(n):
            if first[i] == 0:
                v = SPECIAL[special[i + 1]]
                if lo <= v <= hi:
                    out.append(v)
                    i += 2
                    continue
                out.append(uniform[i + 2])
                i += 3
            else:
                out.append(uniform[i + 1])
                i += 2
        # Rewind to just past the draws used.
        self.s = (start - (3 * n - i) * 0x9E3779B97F4A7C15) & M64
        return out

    def text(self, texts):
        if texts:
            return texts[self.next() % len(texts)].encode("latin-1")
        n = self.next() % 24
        return bytes(ALPHABET[self.next() % len(ALPHABET)] for _ in range(n))


def load_record(path):
    calls, bound = {}, set()
    with open(path, encoding="latin-1") as f:
        for line in f:
            if line.startswith("@"):
                toks = line.rstrip("\n").split(" ")
                if len(toks) == 2 and toks[1] == "bound":
                    bound.add(toks[0][1:])
                else:
                    calls[(toks[0][1:], int(toks[1][1:]))] = toks[2:]
    return calls, bound


class Plan:
    """What replay_gen.py generated for one export: parameter domains, cases, mode."""

    def __init__(self, e):
        self.e = e
        h = replay_gen.hint_for(e)
        fn_hint = replay_hints.FUNCTIONS.get(e["function"], {}) | replay_hints.FUNCTIONS.get(e["export"], {})
        names = [p["name"] for p in e["params"]]
        self.params = []
        for j, p in enumerate(e["params"]):
            lo, hi, texts = replay_gen.domain(p, h, fn_hint)
            lo_ref = names.index(lo) if isinstance(lo, str) and lo in names[:j] else -1
            hi_ref = names.index(hi) if isinstance(hi, str) and hi in names[:j] else -1
            lo = 0 if isinstance(lo, str) else lo
            hi = 12 if isinstance(hi, str) else hi
            kind = {"pointer": "ptr", "bstr": "bstr", "double": "f64", "float": "f32"}.get(p["kind"], "int")
            elem = replay_gen.elem_code(p["pointee"]) if p["kind"] == "pointer" else replay_gen.elem_code(p)
            self.params.append((p, kind, elem, float(lo), float(hi), lo_ref, hi_ref, texts))
        cmp = h.get("compare", "all")
        self.mode, self.range = "all", (0.0, 0.0)
        if isinstance(cmp, tuple):
            self.mode, self.range = "range", (cmp[1], cmp[2])
        elif cmp in ("none", "nocall"):
            self.mode = cmp
        known = e["function"] in replay_hints.FUNCTIONS or e["export"] in replay_hints.FUNCTIONS
        self.cases = [c for c in (h.get("cases", []) if known else []) if len(c) == len(e["params"])]


def c_int(v, bits, signed):
    v &= (1 << bits) - 1
    return v - (1 << bits) if signed and v >> (bits - 1) else v


def arguments(plan, vector):
    """The replay's arguments of one call: a list of (scalar value | bytearray buffer
    | (text buffer) | bytes of a BSTR), and the hash over them where it is cheap."""
    e = plan.e
    g = Rng(fnv(e["export"].encode(), FNV) ^ ((vector * 0x9E3779B97F4A7C15) & M64))
    h, hashed = FNV, True
    ncases = len(plan.cases)
    case = plan.cases[vector] if vector < ncases else None
    ints, out = [], []
    for i, (p, kind, elem, lo0, hi0, lo_ref, hi_ref, texts) in enumerate(plan.params):
        # A buffer's elements take the static domain; a scalar's may name an earlier one.
        lo = float(ints[lo_ref]) if lo_ref >= 0 else lo0
        hi = float(ints[hi_ref]) if hi_ref >= 0 else hi0
        has_case = case is not None and case[i] is not None and not math.isnan(case[i])
        g.next()  # the junk of a short argument's slot
        ints.append(0)
        if kind in ("f64", "f32"):
            v = case[i] if has_case else g.pick_real(lo, hi, vector - ncases)
            if kind == "f32":
                v = struct.unpack("<f", struct.pack("<f", v))[0]
                h = fnv(struct.pack("<f", v), h)
            else:
                h = fnv(struct.pack("<d", v), h)
            out.append(v)
        elif kind == "int":
            if has_case:
                v = int(case[i])
            elif vector - ncases == 0:
                v = int(lo)
            elif vector - ncases == 1:
                v = int(hi)
            else:
                v = g.uniform_int(int(lo), int(hi))
            ints[-1] = c_int(v, 32, True)
            h = fnv(struct.pack("<q", v), h)
            out.append(v)
        elif kind == "bstr":
            s = g.text(texts)
            h = fnv(s, h)
            out.append(s)
        else:
            hashed = False
            out.append(fill(g, elem, lo0, hi0, texts))
    return out, (h if hashed else None)


def fill(g, elem, lo, hi, texts):
    """A pointer argument's 4 KiB buffer (for a char** the text behind the pointer)."""
    if elem == "RP_E_F64":
        return bytearray(struct.pack(f"<{BUF // 8}d", *g.reals(BUF // 8, lo, hi)))
    if elem == "RP_E_F32":
        return bytearray(np.array(g.reals(BUF // 4, lo, hi), dtype=np.float64).astype(np.float32).tobytes())
    if elem in ("RP_E_I16", "RP_E_I32"):
        n = BUF // ELEM_SIZE[elem]
        span = int(hi) - int(lo) + 1
        if span <= 0:  # uniform_int draws nothing for an empty range
            vals = np.full(n, int(lo), dtype=np.int64)
        else:
            vals = (g.block(n) % np.uint64(span)).astype(np.int64) + int(lo)
        return bytearray(vals.astype(np.int16 if elem == "RP_E_I16" else np.int32).tobytes())
    if elem in ("RP_E_CHAR", "RP_E_PCHAR"):
        s = g.text(texts)
        t = bytearray(b"~" * BUF)
        t[:len(s) + 1] = s + b"\0"
        t[BUF - 1] = 0
        return ("text", t) if elem == "RP_E_PCHAR" else t
    return bytearray((g.block(BUF) & np.uint64(0xFF)).astype(np.uint8).tobytes())


def elem_token(elem, data):
    if elem == "RP_E_F64":
        return "d:%016x" % struct.unpack("<Q", data)[0]
    if elem == "RP_E_F32":
        return "f:%08x" % struct.unpack("<I", data)[0]
    if elem == "RP_E_I16":
        return "i:%d" % struct.unpack("<h", data)[0]
    if elem == "RP_E_I32":
        return "i:%d" % struct.unpack("<i", data)[0]
    if elem == "RP_E_I64":
        return "i:%d" % struct.unpack("<q", data)[0]
    return "i:%d" % data[0]


def changes(index, elem, before, after, in_range=None):
    size = ELEM_SIZE.get("RP_E_CHAR" if elem == "RP_E_PCHAR" else elem, 1)
    toks = []
    for off in range(0, BUF - size + 1, size):
        if before[off:off + size] == after[off:off + size]:
            continue
        if in_range is not None and elem == "RP_E_F64":
            v = struct.unpack("<d", bytes(after[off:off + size]))[0]
            tok = "in:%d" % (in_range[0] <= v <= in_range[1])
        else:
            tok = elem_token("RP_E_CHAR" if elem == "RP_E_PCHAR" else elem, bytes(after[off:off + size]))
        toks.append(f"B{index}[{off // size}]={tok}")
    return toks


def raw_call(plan, args):
    """Calls the raw binding as the replay program does; returns (tokens, buffers after)."""
    e = plan.e
    fn = survey.EXPORTS[e["export"]]
    raw = survey._api._bind.raw[e["export"]]
    cargs, keep, bufs = [], [], {}
    for i, ((p, kind, elem, *_), v) in enumerate(zip(plan.params, args)):
        argtype = raw.argtypes[i]
        if kind == "ptr":
            if isinstance(v, tuple):  # char**: a pointer to the text buffer
                text = (ctypes.c_char * BUF).from_buffer(v[1])
                holder = ctypes.c_char_p(ctypes.addressof(text))
                keep += [text, holder]
                bufs[i] = (ctypes.addressof(holder), holder, text)
                cargs.append(ctypes.pointer(holder))
            else:
                buf = (ctypes.c_char * BUF).from_buffer(v)
                keep.append(buf)
                bufs[i] = (ctypes.addressof(buf), None, None)
                cargs.append(ctypes.cast(buf, argtype))
        elif kind == "bstr":
            b = survey._api._bstr.alloc(v, len(v))
            keep.append(b)
            cargs.append(b)
        elif kind == "int":
            cargs.append(c_int(v, p["bits"], p.get("signed", True)) if p["kind"] == "int" else v & 0xFF)
        else:
            cargs.append(v)
    del fn
    r = raw(*cargs)
    for (p, kind, *_), v in zip(plan.params, cargs):
        if kind == "bstr":
            survey._api._bstr.free(v)
    return r, bufs, keep


def result_token(plan, r, bufs):
    ret = plan.e["returns"]
    rng = plan.range if plan.mode == "range" else None
    role = pysig.result_role(plan.e)
    if ret["kind"] == "void":
        return "v"
    if ret["kind"] in ("double", "float"):
        if rng:
            return "in:%d" % (rng[0] <= r <= rng[1])
        return ("d:%016x" % struct.unpack("<Q", struct.pack("<d", r))[0] if ret["kind"] == "double"
                else "f:%08x" % struct.unpack("<I", struct.pack("<f", r))[0])
    if ret["kind"] == "bstr":
        if not r:
            return "s:null0:"
        data = ctypes.string_at(r, survey._api._bstr.length(r))
        survey._api._bstr.free(r)
        return f"s:{len(data)}:{data.hex()}"
    if ret["kind"] == "pointer":
        if role == "cstr":  # restype c_char_p: the replay saw only where it points
            return None
        if not r:
            return "p:null"
        for i, (base, *_rest) in bufs.items():
            if base <= r < base + BUF:
                return f"p:{i}+{r - base}"
        return "p:elsewhere"
    if rng:
        return "in:%d" % (rng[0] <= r <= rng[1])
    if isinstance(r, bytes):
        r = r[0] if r else 0
    return "i:%d" % r


@unittest.skipIf(np is None, "numpy is needed to rebuild the replay's buffers")
class ReplayBits(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        record = os.environ.get("SURVEY_REPLAY_RECORD")
        sigs = os.environ.get("SURVEY_SIGNATURES")
        if not record or not os.path.exists(record) or not sigs:
            raise unittest.SkipTest("SURVEY_REPLAY_RECORD and SURVEY_SIGNATURES name the replay's record")
        import json
        with open(sigs, encoding="utf-8") as f:
            cls.exports = [e for e in json.load(f)["exports"] if not e["linux_only"]]
        cls.calls, cls.bound = load_record(record)
        cls.cwd = os.getcwd()
        cls.tmp = tempfile.TemporaryDirectory()
        os.chdir(cls.tmp.name)  # file writers write here

    @classmethod
    def tearDownClass(cls):
        os.chdir(cls.cwd)
        cls.tmp.cleanup()

    def test_every_export_on_every_recorded_vector(self):
        checked, problems = 0, []
        for e in self.exports:
            plan = Plan(e)
            name = e["export"]
            self.assertIn(name, survey.EXPORTS, f"{name} has no Python function")
            if plan.mode == "nocall":
                self.assertIn(name, self.bound)
                continue
            vectors = sorted(v for (n, v) in self.calls if n == name)
            self.assertTrue(vectors, f"{name}: not in the record")
            for vector in vectors:
                want = self.calls[(name, vector)]
                problem = self.check_call(plan, vector, want)
                checked += 1
                if problem:
                    problems.append(f"{name} #{vector}: {problem}")
        self.assertFalse(problems, f"{len(problems)} of {checked} calls differ:\n" + "\n".join(problems[:40]))
        self.assertGreater(checked, 10 * len(self.exports))

    def check_call(self, plan, vector, want):
        args, h = arguments(plan, vector)
        rec_hash = next(t for t in want if t.startswith("H="))[2:]
        if h is not None and "%016x" % h != rec_hash:
            return f"arguments rebuilt differently (hash {h:016x}, record {rec_hash})"
        before = [bytes(a[1]) if isinstance(a, tuple) else bytes(a) if isinstance(a, bytearray) else None
                  for a in args]
        wrapper_args = [(bytearray(a[1]) if isinstance(a, tuple) else bytearray(a))
                        if isinstance(a, (tuple, bytearray)) else a for a in args]
        r, bufs, keep = raw_call(plan, args)
        got = []
        tok = result_token(plan, r, bufs)
        if tok is not None and tok.startswith("s:"):
            r = bytes.fromhex(tok.split(":")[2])  # the string result, already freed
        if plan.mode == "none":
            return self.check_wrapper(plan, wrapper_args, r, args)
        if tok is not None:
            got.append("R=" + tok)
        for i, (p, kind, elem, *_rest) in enumerate(plan.params):
            if kind != "ptr":
                continue
            if elem == "RP_E_PCHAR":
                base, holder, text = bufs[i]
                if holder.value is not None and ctypes.cast(holder, ctypes.c_void_p).value != ctypes.addressof(text):
                    got.append(f"P{i}=p:elsewhere")
                got += changes(i, elem, before[i], bytes(args[i][1]))
            else:
                got += changes(i, elem, before[i], bytes(args[i]),
                               plan.range if plan.mode == "range" else None)
        want = [t for t in want if not t.startswith(("L", "S", "H="))]
        if tok is None:
            want = [t for t in want if not t.startswith("R=")]
        if got != want:
            return f"python {' '.join(got)}\n    record {' '.join(want)}"
        del keep
        return self.check_wrapper(plan, wrapper_args, r, args)

    def check_wrapper(self, plan, wargs, raw_result, raw_after):
        """The module's function on the same inputs: its results against the raw call's."""
        e = plan.e
        res_role, roles = pysig.convention(e)
        passed, expect = [], []
        for (p, role), v, after in zip(roles, wargs, raw_after):
            t = p["pointee"] if p["kind"] == "pointer" else p
            if role == "in":
                passed.append(c_int(v, p["bits"], p.get("signed", True)) if p["kind"] == "int" else v)
            elif role in ("str", "strref", "strbuf"):
                passed.append(bytes(v).split(b"\0")[0])
                if role == "strbuf":
                    expect.append(("text", bytes(after).split(b"\0")[0]))
            elif role == "bstr":
                passed.append(bytes(v))
            elif role in ("array", "inout_array"):
                arr = np.frombuffer(v, dtype=_dtype(t)).copy()
                passed.append(arr)
                if role == "inout_array":
                    expect.append(("array", np.frombuffer(bytes(after), dtype=_dtype(t))))
            elif role in ("out", "inout", "struct_out", "struct_inout"):
                if role == "inout":
                    passed.append(np.frombuffer(v, dtype=_dtype(t))[0].item())
                elif role == "struct_inout":
                    passed.append(tuple(np.frombuffer(v, dtype=np.float64)[:t["count"]]))
                expect.append(("value", t, bytes(v), bytes(after)))
            elif role in ("struct_in",):
                passed.append(tuple(np.frombuffer(v, dtype=np.float64)[:t["count"]]))
            elif role in ("struct_array", "struct_inout_array"):
                recs = np.frombuffer(v, dtype=np.float64).reshape(-1, t["count"])
                passed.append([tuple(r) for r in recs])
                if role == "struct_inout_array":
                    expect.append(("records", np.frombuffer(bytes(after), dtype=np.float64)))
            else:
                return f"no wrapper check for role {role}"
        fn = survey.EXPORTS[e["export"]]
        try:
            out = fn(*passed)
        except Exception as err:  # noqa: BLE001 - reported with the call
            return f"the module's function raised {err!r}"
        if plan.mode == "none":
            return None
        results = [] if out is None else list(out) if isinstance(out, tuple) and (
            len(expect) + (res_role not in ("void", "self")) > 1) else [out]
        if res_role not in ("void", "self"):
            got = results.pop(0)
            if res_role in ("int", "float") and plan.mode != "range":
                if not _same(got, raw_result):
                    return f"result {got!r}, raw call {raw_result!r}"
            elif res_role == "cstr" and got != survey._runtime.text_out(raw_result):
                return f"text result {got!r}, raw call {raw_result!r}"
            elif res_role == "bstr" and survey._runtime.text_in(got, "-") != raw_result:
                return f"text result {got!r}, raw call {raw_result!r}"
        for kind, got in zip(expect, results):
            if kind[0] == "array" and plan.mode != "range":
                if np.asarray(got, dtype=kind[1].dtype).tobytes() != kind[1].tobytes():
                    return "an in/out array differs from the raw call's"
            elif kind[0] == "text":
                if survey._runtime.text_in(got, "-") != kind[1]:
                    return f"text {got!r}, raw call {kind[1]!r}"
            elif kind[0] == "value":
                t, before, after = kind[1], kind[2], kind[3]
                size = t.get("bytes", t.get("bits", 64) // 8)
                if after[:size] == before[:size]:
                    continue  # unwritten by the function: the module's preset 0 stands
                if t["kind"] == "struct":
                    want = tuple(np.frombuffer(after[:size], dtype=np.float64))
                    vals = (got.real, got.imag) if isinstance(got, complex) else got
                    if np.array(vals, dtype=np.float64).tobytes() != np.array(want).tobytes():
                        return f"record {got!r}, raw call {want!r}"
                elif np.array([got], dtype=_dtype(t)).tobytes() != after[:size]:
                    return f"out-value {got!r}, raw call {np.frombuffer(after[:size], dtype=_dtype(t))}"
        return None


def _dtype(t):
    if t["kind"] == "double" or t["kind"] == "struct":
        return np.float64
    if t["kind"] == "float":
        return np.float32
    return {(8, False): np.uint8, (8, True): np.int8, (16, True): np.int16, (16, False): np.uint16,
            (32, True): np.int32, (32, False): np.uint32, (64, True): np.int64}[(t["bits"], t.get("signed", True))]


def _same(a, b):
    if isinstance(a, float) or isinstance(b, float):
        return struct.pack("<d", float(a)) == struct.pack("<d", float(b))
    return a == b


if __name__ == "__main__":
    unittest.main()
