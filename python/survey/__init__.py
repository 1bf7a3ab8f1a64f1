"""survey: Japanese land-survey and cadastral computations over the survey library.

Every exported function is here under its name, with its C argument types exactly:
    >>> import survey
    >>> x, y, err = survey.JGD2000_klola1(9, 36.06, 140.05)
Out-values are returned (after the function's own result), arrays accept sequences
or numpy arrays, texts are str (code page 932 on the library's side) or bytes.
help(survey.<name>) shows a function's description and Python signature.
Decorated names are aliases: getattr(survey, "_Wcalcb@16") is survey.Wcalcb.

The library is looked for in $SURVEY_LIBRARY (a file or a folder), beside this
module, in the build that generated it, then by the system's search.
"""
try:
    from ._api import *  # noqa: F401,F403
    from ._api import EXPORTS, LIBRARY, __all__ as _names  # noqa: F401
except ModuleNotFoundError as _err:
    if _err.name != __name__ + "._api":
        raise
    raise ImportError("survey's function table (_api.py) has not been generated: build the project "
                      "(cmake --build build) before installing or importing this package") from None
from ._runtime import LibraryNotFoundError, SurveyEncodeError  # noqa: F401

# Decorated export names as aliases of the plain ones.
globals().update({_k: _v for _k, _v in EXPORTS.items() if not _k.isidentifier()})


def version():
    """The library's version, "major.minor.patch"."""
    return survey_version()  # noqa: F405


__all__ = list(_names) + ["EXPORTS", "LIBRARY", "LibraryNotFoundError", "SurveyEncodeError", "version"]
