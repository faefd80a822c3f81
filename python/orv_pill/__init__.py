"""The failure pill of the status display.

select_fail_pill picks at most one failure pill, the one short notice that the display shows when
something stands in the application's way, from the driver side's status, the microphone capture
side's status and whether SteamVR is running.
"""
import enum
from dataclasses import dataclass
from typing import Optional, Union

__all__ = ["FailKind", "FailPill", "select_fail_pill", "library_version", "__version__"]
__version__ = "2.1.0"


class FailKind(enum.IntEnum):
    """What a pill is about. The values are fixed: callers may store or transmit them."""

    GENERIC = 0  #: The capture side reported a failure in its own words.
    MIC_PERMISSION = 1  #: The system blocks the application's access to the microphone.
    DRIVER_NOT_LOADED = 2  #: The driver is not loaded although SteamVR is running.
    STEAMVR_NOT_RUNNING = 3  #: The driver is not loaded and SteamVR is not running.
    DEVICE_REMOVED = 5  #: The microphone is missing. No kind has the value 4.


@dataclass(frozen=True)
class FailPill:
    """One failure notice. An empty action_label and deep_link mean that it offers no action;
    reserved is always False in a pill that select_fail_pill returns."""

    kind: FailKind
    message: str
    action_label: str
    deep_link: str
    dismissable: bool
    reserved: bool = False


# The pills whose texts never change, shared: a FailPill cannot be altered.
_DRIVER_NOT_LOADED = FailPill(FailKind.DRIVER_NOT_LOADED,
                              "Driver not installed -- run installer or enable in SteamVR",
                              "Open SteamVR", "steam://rungameid/250820", False)
_STEAMVR_NOT_RUNNING = FailPill(FailKind.STEAMVR_NOT_RUNNING, "SteamVR not running", "", "", False)
_MIC_PERMISSION = FailPill(FailKind.MIC_PERMISSION, "Mic access blocked",
                           "Open Windows mic settings", "ms-settings:privacy-microphone", True)
_DEVICE_REMOVED = FailPill(FailKind.DEVICE_REMOVED,
                           "Microphone disconnected -- reconnect to resume detection", "", "", True)

Text = Union[str, bytes, bytearray]


def _text(name: str, value: object) -> str:
    # Bytes are read as UTF-8, and any byte that is not is kept as a lone surrogate, so that
    # encoding the text back with "surrogateescape" gives the bytes unchanged.
    if isinstance(value, (bytes, bytearray)):
        return bytes(value).decode("utf-8", "surrogateescape")
    raise TypeError(f"{name} must be str or bytes, not {type(value).__name__}")


def _not_bool(name: str, value: object) -> TypeError:
    return TypeError(f"{name} must be bool, not {type(value).__name__}")


def select_fail_pill(driver_loaded: bool, mic_state: Text, error: Optional[Text],
                     steam_vr_running: bool) -> Optional[FailPill]:
    """The one pill to show, or None when the display shows no failure.

    The rules, in order: the driver not loaded gives DRIVER_NOT_LOADED while SteamVR runs and
    STEAMVR_NOT_RUNNING otherwise; then mic_state "permission_denied" gives MIC_PERMISSION and
    "missing" DEVICE_REMOVED, matched exactly; then an error that is not empty gives GENERIC, with
    the error as its message, unchanged. A flag that is not a bool, or a text that is not a str or
    bytes (error may be None), raises TypeError.
    """
    # The checks are written out, not looped over, since a healthy display calls this on every
    # poll: the no-pill path costs what the same checks written inline cost.
    if not isinstance(driver_loaded, bool):
        raise _not_bool("driver_loaded", driver_loaded)
    if not isinstance(steam_vr_running, bool):
        raise _not_bool("steam_vr_running", steam_vr_running)
    if not isinstance(mic_state, str):
        mic_state = _text("mic_state", mic_state)
    if error is not None and not isinstance(error, str):
        error = _text("error", error)
    if not driver_loaded:
        return _DRIVER_NOT_LOADED if steam_vr_running else _STEAMVR_NOT_RUNNING
    if mic_state == "permission_denied":
        return _MIC_PERMISSION
    if mic_state == "missing":
        return _DEVICE_REMOVED
    if error:
        return FailPill(FailKind.GENERIC, error, "", "", True)
    return None


def library_version() -> str:
    """This package's version, "major.minor.patch"."""
    return __version__
