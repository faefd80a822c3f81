"""The failure pill selection of orv_pill, for a status display written in Python.

It calls the shared library's C interface through ctypes. The library is looked up, in order, at
the path in the environment variable ORV_PILL_LIBRARY; beside this package, where the install of a
shared build puts a copy, which pip takes along; and by name on the system's library path.
"""
import ctypes
import enum
import os
import sys
from dataclasses import dataclass
from pathlib import Path

__all__ = ["FailKind", "FailPill", "select_fail_pill", "library_version"]


class FailKind(enum.IntEnum):
    """What a pill is about; the values are orv::FailKind's."""

    GENERIC = 0
    MIC_PERMISSION = 1
    DRIVER_NOT_LOADED = 2
    STEAMVR_NOT_RUNNING = 3
    DEVICE_REMOVED = 5


@dataclass(frozen=True)
class FailPill:
    """One failure notice; empty action_label and deep_link mean no action."""

    kind: FailKind
    message: str
    action_label: str
    deep_link: str
    dismissable: bool
    reserved: bool


def _text_field(name):
    return [(name, ctypes.c_void_p), (name + "_size", ctypes.c_size_t)]


class _View(ctypes.Structure):
    """orv_fail_pill_view of <orv/pill_c.h>."""

    _fields_ = ([("kind", ctypes.c_int32)] + _text_field("message") + _text_field("action_label")
                + _text_field("deep_link")
                + [("dismissable", ctypes.c_uint8), ("reserved", ctypes.c_uint8)])


def _load():
    names = {"win32": ["orv_pill.dll", "liborv_pill.dll"],
             "darwin": ["liborv_pill.1.dylib", "liborv_pill.dylib"]}.get(
                 sys.platform, ["liborv_pill.so.1", "liborv_pill.so"])
    if os.environ.get("ORV_PILL_LIBRARY"):
        return ctypes.CDLL(os.environ["ORV_PILL_LIBRARY"])
    here = Path(__file__).resolve().parent
    for path in (here / name for name in names):
        if path.is_file():
            return ctypes.CDLL(str(path))
    for name in names:
        try:
            return ctypes.CDLL(name)
        except OSError:
            pass
    raise OSError(f"orv_pill: found none of {', '.join(names)} beside {here} or on the library "
                  "path; set ORV_PILL_LIBRARY to its path")


_library = _load()
_library.orv_select_fail_pill.argtypes = [ctypes.c_uint8, ctypes.c_char_p, ctypes.c_size_t,
                                          ctypes.c_char_p, ctypes.c_size_t, ctypes.c_uint8,
                                          ctypes.POINTER(_View)]
_library.orv_select_fail_pill.restype = ctypes.c_int
_library.orv_pill_version.restype = ctypes.c_int


def _bytes(name, value):
    if isinstance(value, str):
        return value.encode("utf-8")
    if isinstance(value, (bytes, bytearray)):
        return bytes(value)
    raise TypeError(f"{name} must be str or bytes, not {type(value).__name__}")


def select_fail_pill(driver_loaded, mic_state, error, steam_vr_running):
    """The one pill to show, or None, by the rules of orv::selectFailPill.

    driver_loaded and steam_vr_running are bools; mic_state is a str (or bytes), and error a str
    (or bytes) or None. The pill's texts are the pill's own str, decoded from UTF-8.
    """
    for name, flag in (("driver_loaded", driver_loaded), ("steam_vr_running", steam_vr_running)):
        if not isinstance(flag, bool):
            raise TypeError(f"{name} must be bool, not {type(flag).__name__}")
    mic = _bytes("mic_state", mic_state)
    err = None if error is None else _bytes("error", error)
    view = _View()
    result = _library.orv_select_fail_pill(driver_loaded, mic, len(mic), err,
                                           0 if err is None else len(err), steam_vr_running,
                                           ctypes.byref(view))
    if result == 0:
        return None
    if result != 1:
        raise RuntimeError(f"orv_select_fail_pill returned {result}")

    # Copied out now: a Generic message points into `err`, which goes when this returns.
    def text(name):
        return ctypes.string_at(getattr(view, name), getattr(view, name + "_size")).decode(
            "utf-8", "replace")

    return FailPill(FailKind(view.kind), text("message"), text("action_label"), text("deep_link"),
                    bool(view.dismissable), bool(view.reserved))


def library_version():
    """The version of the library that answers, as "major.minor.patch"."""
    number = _library.orv_pill_version()
    return f"{number // 10000}.{number // 100 % 100}.{number % 100}"
