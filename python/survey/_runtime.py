"""Loading the survey library and passing values across its C interface.

The generated module (_api.py) calls these helpers; they hold no per-function
knowledge.  Texts cross in code page 932 (Shift_JIS as Windows writes it).
"""
import ctypes
import ctypes.util
import os
import sys

try:
    import numpy as _np
except ImportError:  # numpy is optional: sequences and lists work without it
    _np = None

ENCODING = "cp932"
ENV_VAR = "SURVEY_LIBRARY"
_HERE = os.path.dirname(os.path.abspath(__file__))
# A text edited in place gets a buffer at least this large (the library's string
# helpers assume 256-byte buffers at most).
_TEXT_BUFFER = 1024

c_void = None
c_int8, c_uint8, c_int16, c_uint16 = ctypes.c_int8, ctypes.c_uint8, ctypes.c_int16, ctypes.c_uint16
c_int32, c_uint32, c_int64, c_uint64 = ctypes.c_int32, ctypes.c_uint32, ctypes.c_int64, ctypes.c_uint64
c_float, c_double, c_char, c_char_p = ctypes.c_float, ctypes.c_double, ctypes.c_char, ctypes.c_char_p
c_void_p, POINTER = ctypes.c_void_p, ctypes.POINTER


class LibraryNotFoundError(OSError):
    """The shared library could not be loaded; the message lists where it was looked for."""


class SurveyEncodeError(UnicodeEncodeError):
    """A text argument holds a character that code page 932 cannot represent."""

    def __init__(self, argument, err):
        super().__init__(err.encoding, err.object, err.start, err.end, err.reason)
        self.argument = argument

    def __str__(self):
        bad = self.object[self.start:self.end]
        return (f"argument '{self.argument}': {bad!r} at position {self.start} cannot be written "
                f"in code page 932 (Shift_JIS); pass bytes to send other encodings")


class _Record2(ctypes.Structure):
    _fields_ = [("a", c_double), ("b", c_double)]


class _Record4(ctypes.Structure):
    _fields_ = [("a", c_double), ("b", c_double), ("c", c_double), ("d", c_double)]


class Point(_Record2):
    kind = "point"


class Complex(_Record2):
    kind = "complex"


class Line(_Record4):
    kind = "line"


RECORDS = {"survey_point": Point, "survey_complex": Complex, "survey_line": Line, "survey_rect": Line}
_NUMPY_TYPES = {c_double: "float64", c_float: "float32", c_int16: "int16", c_int32: "int32",
                c_uint8: "uint8", c_int8: "int8", c_uint16: "uint16", c_uint32: "uint32"}


def _library_names():
    if sys.platform == "win32":
        return ["survey.dll"]
    if sys.platform == "darwin":
        return ["libsurvey.dylib"]
    return ["libsurvey.so", "libsurvey.so.0"]


def load_library(build_library=None):
    """The library: $SURVEY_LIBRARY (a file or a folder), beside this module, the
    build that generated the module, then the system's search."""
    tried = []

    def attempt(path):
        tried.append(path)
        try:
            return ctypes.CDLL(path)
        except OSError as err:
            tried[-1] = f"{path} ({err})"
            return None

    env = os.environ.get(ENV_VAR)
    if env:
        paths = [os.path.join(env, n) for n in _library_names()] if os.path.isdir(env) else [env]
        for p in paths:
            lib = attempt(p)
            if lib is not None:
                return lib
        raise LibraryNotFoundError(f"{ENV_VAR} names {env!r}, which could not be loaded as the survey "
                                   f"library:\n  " + "\n  ".join(tried))
    candidates = [os.path.join(_HERE, n) for n in _library_names()]
    if build_library:
        candidates.append(build_library)
    for p in candidates:
        if os.path.exists(p):
            lib = attempt(p)
            if lib is not None:
                return lib
        else:
            tried.append(f"{p} (no such file)")
    found = ctypes.util.find_library("survey")
    for name in ([found] if found else []) + _library_names():
        lib = attempt(name)
        if lib is not None:
            return lib
    raise LibraryNotFoundError(
        "the survey library was not found. Looked for:\n  " + "\n  ".join(tried)
        + f"\nSet {ENV_VAR} to the library file (e.g. build/lib/libsurvey.so) or its folder, "
          "or install the project (cmake --install) so the library lies beside this module.")


class Binder:
    """Functions of the library by export name, through its own survey_bind (a symbol
    look-up on the handle would also search the library's dependencies: round,
    gammaf and their kind would be the C runtime's)."""

    def __init__(self, lib):
        self.lib = lib
        self._bind = lib.survey_bind
        self._bind.restype = c_void_p
        self._bind.argtypes = [c_char_p]
        self.raw = {}

    def __call__(self, name, restype, argtypes):
        addr = self._bind(name.encode("ascii"))
        if not addr:
            raise AttributeError(f"the survey library does not export {name!r}")
        fn = ctypes.CFUNCTYPE(restype, *argtypes)(addr)
        self.raw[name] = fn
        return fn


# --- texts ---

def text_in(value, argument):
    """bytes for a const char* argument (str encoded to code page 932)."""
    if value is None or isinstance(value, bytes):
        return value
    if isinstance(value, (bytearray, memoryview)):
        return bytes(value)
    if isinstance(value, str):
        try:
            return value.encode(ENCODING, "surrogateescape")
        except UnicodeEncodeError as err:
            raise SurveyEncodeError(argument, err) from None
    raise TypeError(f"argument '{argument}': expected str or bytes, got {type(value).__name__}")


def text_out(raw):
    """A text from the library: str, bytes that code page 932 cannot read kept as
    surrogates (text_in gives the same bytes back)."""
    if raw is None:
        return None
    return bytes(raw).decode(ENCODING, "surrogateescape")


def text_ref(value, argument):
    """A const char* const* argument: the text's pointer, by reference."""
    return ctypes.pointer(c_char_p(text_in(value, argument)))


def text_buffer(value, argument):
    """A char* argument edited in place: a NUL-terminated buffer holding the text."""
    data = text_in(value, argument) or b""
    return ctypes.create_string_buffer(data, max(len(data) + 1, _TEXT_BUFFER))


def buffer_text(buf):
    return text_out(buf.value)


class Bstr:
    """OLE strings: made for arguments and freed after the call, or taken from
    results (decoded and freed)."""

    def __init__(self, binder):
        self.alloc = binder("SysAllocStringByteLen", c_void_p, [c_char_p, c_uint32])
        self.length = binder("SysStringByteLen", c_uint32, [c_void_p])
        self.free = binder("SysFreeString", None, [c_void_p])

    def make(self, value, argument):
        data = text_in(value, argument) or b""
        handle = self.alloc(data, len(data))
        if not handle:
            raise MemoryError("no memory for an OLE string")
        return handle

    def take(self, handle):
        if not handle:
            return ""
        try:
            return text_out(ctypes.string_at(handle, self.length(handle)))
        finally:
            self.free(handle)


# --- arrays ---

def _is_numpy(value, ctype):
    return (_np is not None and isinstance(value, _np.ndarray) and value.dtype == _np.dtype(_NUMPY_TYPES[ctype])
            and value.flags.c_contiguous and value.ndim == 1)


def array_in(value, ctype, argument):
    """A const pointer argument: a matching numpy array as it is, else a copy."""
    if value is None:
        return None
    if _is_numpy(value, ctype):
        return value.ctypes.data_as(POINTER(ctype))
    try:
        return (ctype * len(value))(*value)
    except TypeError as err:
        raise TypeError(f"argument '{argument}': expected a sequence of numbers ({err})") from None


class InOut:
    """An array that the call reads and writes: a contiguous numpy array of the element
    type is passed itself; a list is copied and updated in place after the call;
    another sequence comes back as a new list."""

    __slots__ = ("value", "arg", "buf")

    def __init__(self, value, ctype, argument):
        self.value = value
        if _is_numpy(value, ctype):
            self.buf = None
            self.arg = value.ctypes.data_as(POINTER(ctype))
        else:
            try:
                self.buf = (ctype * len(value))(*value)
            except TypeError as err:
                raise TypeError(f"argument '{argument}': expected a sequence of numbers ({err})") from None
            self.arg = self.buf

    def result(self):
        if self.buf is None:
            return self.value
        out = self.buf[:]
        if isinstance(self.value, list) or (_np is not None and isinstance(self.value, _np.ndarray)):
            self.value[:] = out
            return self.value
        return out


def count(argument_names, *arrays):
    """The common length of the per-point arrays of an array form."""
    lengths = [len(a) for a in arrays]
    if any(n != lengths[0] for n in lengths):
        raise ValueError("the arrays " + ", ".join(f"'{n}' ({k})" for n, k in zip(argument_names, lengths))
                         + " must have one length")
    if lengths[0] > 0x7FFFFFFF:
        raise ValueError("more than 2**31 - 1 points")
    return lengths[0]


def points_in(value, ctype, argument):
    if _np is not None and not _is_numpy(value, ctype):
        value = _np.ascontiguousarray(value, dtype=_NUMPY_TYPES[ctype])
    return array_in(value, ctype, argument)


def array_out(n, ctype):
    """(argument, result) of an output array of n elements."""
    if _np is not None:
        a = _np.zeros(n, dtype=_NUMPY_TYPES[ctype])
        return a.ctypes.data_as(POINTER(ctype)), a
    buf = (ctype * n)()
    return buf, buf


def array_result(value):
    return value if _np is not None else value[:]


# --- records ---

def record_in(value, rtype, argument):
    if isinstance(value, rtype):
        return value
    if rtype is Complex:
        try:
            z = complex(value)
            return Complex(z.real, z.imag)
        except (TypeError, ValueError):
            pass
    try:
        return rtype(*(float(v) for v in value))
    except (TypeError, ValueError) as err:
        raise TypeError(f"argument '{argument}': expected {'a complex' if rtype is Complex else 'a tuple'} "
                        f"of {len(rtype._fields_)} numbers ({err})") from None


def record_out(r):
    if isinstance(r, Complex):
        return complex(r.a, r.b)
    return tuple(getattr(r, f[0]) for f in r._fields_)


class RecordArray:
    __slots__ = ("value", "arg")

    def __init__(self, value, rtype, argument):
        self.value = value
        self.arg = (rtype * len(value))(*(record_in(v, rtype, argument) for v in value))

    def result(self):
        out = [record_out(r) for r in self.arg]
        if isinstance(self.value, list):
            self.value[:] = out
            return self.value
        return out
