//! The failure pill of the status display: [`select_fail_pill`] picks at most one failure pill,
//! the one short notice that the display shows when something stands in the application's way,
//! from the driver side's status, the microphone capture side's status and whether `SteamVR` is
//! running.
//!
//! ```
//! use orv_pill::{select_fail_pill, FailKind};
//!
//! let pill = select_fail_pill(true, "permission_denied", None, true).unwrap();
//! assert_eq!(pill.kind, FailKind::MicPermission);
//! assert_eq!(pill.deep_link, "ms-settings:privacy-microphone");
//! assert_eq!(select_fail_pill(true, "active", None, true), None);
//! ```

/// What a pill is about. The values are fixed: callers may store or transmit them, and read one
/// back with [`FailKind::try_from`].
///
/// ```
/// use orv_pill::{FailKind, UnknownFailKind};
///
/// assert_eq!(FailKind::DeviceRemoved as i32, 5);
/// assert_eq!(FailKind::try_from(5), Ok(FailKind::DeviceRemoved));
/// assert_eq!(FailKind::try_from(4), Err(UnknownFailKind(4)));
/// assert_eq!(UnknownFailKind(4).to_string(), "4 is the value of no FailKind");
/// ```
#[repr(i32)]
#[derive(Debug, Clone, Copy, PartialEq, Eq, Hash)]
pub enum FailKind {
    /// The capture side reported a failure in its own words.
    Generic = 0,
    /// The system blocks the application's access to the microphone.
    MicPermission = 1,
    /// The driver is not loaded although `SteamVR` is running.
    DriverNotLoaded = 2,
    /// The driver is not loaded and `SteamVR` is not running.
    SteamVRNotRunning = 3,
    /// The microphone is missing. No kind has the value 4.
    DeviceRemoved = 5,
}

impl TryFrom<i32> for FailKind {
    type Error = UnknownFailKind;

    /// The kind whose value is `value`, or [`UnknownFailKind`] for a number that is no kind.
    fn try_from(value: i32) -> Result<Self, Self::Error> {
        match value {
            0 => Ok(FailKind::Generic),
            1 => Ok(FailKind::MicPermission),
            2 => Ok(FailKind::DriverNotLoaded),
            3 => Ok(FailKind::SteamVRNotRunning),
            5 => Ok(FailKind::DeviceRemoved),
            _ => Err(UnknownFailKind(value)),
        }
    }
}

/// A number that is the value of no [`FailKind`], as [`FailKind::try_from`] found it.
#[derive(Debug, Clone, Copy, PartialEq, Eq, Hash)]
pub struct UnknownFailKind(pub i32);

impl std::fmt::Display for UnknownFailKind {
    fn fmt(&self, f: &mut std::fmt::Formatter<'_>) -> std::fmt::Result {
        write!(f, "{} is the value of no FailKind", self.0)
    }
}

impl std::error::Error for UnknownFailKind {}

/// One failure notice: a plain value that the caller owns, compared member by member.
///
/// ```
/// let pill = orv_pill::select_fail_pill(true, "active", Some("capture failed"), true).unwrap();
/// assert_eq!(pill.message, "capture failed");
/// assert!(pill.action_label.is_empty() && pill.deep_link.is_empty() && pill.dismissable);
/// ```
#[derive(Debug, Clone, PartialEq, Eq, Hash)]
pub struct FailPill {
    /// What the pill is about.
    pub kind: FailKind,
    /// The pill's main line, shown to the user.
    pub message: String,
    /// The label of the pill's single action; empty when it offers none.
    pub action_label: String,
    /// The link that the action opens; empty when there is none. Opening it is the display's
    /// business.
    pub deep_link: String,
    /// True when the user may close the pill.
    pub dismissable: bool,
    /// Always false in a pill that [`select_fail_pill`] returns.
    pub reserved: bool,
}

impl FailPill {
    fn new(
        kind: FailKind,
        message: &str,
        action_label: &str,
        deep_link: &str,
        dismissable: bool,
    ) -> FailPill {
        FailPill {
            kind,
            message: message.into(),
            action_label: action_label.into(),
            deep_link: deep_link.into(),
            dismissable,
            reserved: false,
        }
    }
}

/// The one pill to show, or `None` when the display shows no failure.
///
/// The rules, in order: the driver not loaded gives `DriverNotLoaded` while `SteamVR` runs and
/// `SteamVRNotRunning` otherwise; then `mic_state` `"permission_denied"` gives `MicPermission`
/// and `"missing"` gives `DeviceRemoved`, matched exactly; then an `error` that is not empty gives
/// `Generic`, with the error as its message, unchanged.
///
/// ```
/// use orv_pill::{select_fail_pill, FailKind};
///
/// let pill = select_fail_pill(false, "permission_denied", None, true).unwrap();
/// assert_eq!(pill.kind, FailKind::DriverNotLoaded);
/// assert!(!pill.dismissable);
/// assert_eq!(select_fail_pill(true, "Missing", Some(""), true), None);
/// ```
#[must_use]
pub fn select_fail_pill(
    driver_loaded: bool,
    mic_state: &str,
    error: Option<&str>,
    steam_vr_running: bool,
) -> Option<FailPill> {
    if !driver_loaded {
        if steam_vr_running {
            return Some(FailPill::new(
                FailKind::DriverNotLoaded,
                "Driver not installed -- run installer or enable in SteamVR",
                "Open SteamVR",
                "steam://rungameid/250820",
                false,
            ));
        }
        return Some(FailPill::new(
            FailKind::SteamVRNotRunning,
            "SteamVR not running",
            "",
            "",
            false,
        ));
    }
    if mic_state == "permission_denied" {
        return Some(FailPill::new(
            FailKind::MicPermission,
            "Mic access blocked",
            "Open Windows mic settings",
            "ms-settings:privacy-microphone",
            true,
        ));
    }
    if mic_state == "missing" {
        return Some(FailPill::new(
            FailKind::DeviceRemoved,
            "Microphone disconnected -- reconnect to resume detection",
            "",
            "",
            true,
        ));
    }
    match error {
        Some(error) if !error.is_empty() => {
            Some(FailPill::new(FailKind::Generic, error, "", "", true))
        }
        _ => None,
    }
}

/// This crate's version, "major.minor.patch".
///
/// ```
/// assert_eq!(orv_pill::library_version(), env!("CARGO_PKG_VERSION"));
/// ```
#[must_use]
pub fn library_version() -> String {
    env!("CARGO_PKG_VERSION").to_string()
}
