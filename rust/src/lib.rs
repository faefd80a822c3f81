//! The failure pill of the status display: [`select_fail_pill`] picks at most one failure pill,
//! the one short notice that the display shows when something stands in the application's way,
//! from the driver side's status, the microphone capture side's status and whether SteamVR is
//! running.

/// What a pill is about. The values are fixed: callers may store or transmit them.
#[repr(i32)]
#[derive(Debug, Clone, Copy, PartialEq, Eq, Hash)]
pub enum FailKind {
    /// The capture side reported a failure in its own words.
    Generic = 0,
    /// The system blocks the application's access to the microphone.
    MicPermission = 1,
    /// The driver is not loaded although SteamVR is running.
    DriverNotLoaded = 2,
    /// The driver is not loaded and SteamVR is not running.
    SteamVRNotRunning = 3,
    /// The microphone is missing. No kind has the value 4.
    DeviceRemoved = 5,
}

/// One failure notice. An empty `action_label` and `deep_link` mean that it offers no action;
/// `reserved` is always false in a pill that [`select_fail_pill`] returns.
#[derive(Debug, Clone, PartialEq, Eq, Hash)]
pub struct FailPill {
    pub kind: FailKind,
    pub message: String,
    pub action_label: String,
    pub deep_link: String,
    pub dismissable: bool,
    pub reserved: bool,
}

impl FailPill {
    fn new(kind: FailKind, message: &str, action_label: &str, deep_link: &str,
           dismissable: bool) -> FailPill {
        FailPill { kind, message: message.into(), action_label: action_label.into(),
                   deep_link: deep_link.into(), dismissable, reserved: false }
    }
}

/// The one pill to show, or `None` when the display shows no failure.
///
/// The rules, in order: the driver not loaded gives `DriverNotLoaded` while SteamVR runs and
/// `SteamVRNotRunning` otherwise; then `mic_state` `"permission_denied"` gives `MicPermission`
/// and `"missing"` gives `DeviceRemoved`, matched exactly; then an `error` that is not empty gives
/// `Generic`, with the error as its message, unchanged.
pub fn select_fail_pill(driver_loaded: bool, mic_state: &str, error: Option<&str>,
                        steam_vr_running: bool) -> Option<FailPill> {
    if !driver_loaded {
        if steam_vr_running {
            return Some(FailPill::new(FailKind::DriverNotLoaded,
                                      "Driver not installed -- run installer or enable in SteamVR",
                                      "Open SteamVR", "steam://rungameid/250820", false));
        }
        return Some(FailPill::new(FailKind::SteamVRNotRunning, "SteamVR not running", "", "",
                                  false));
    }
    if mic_state == "permission_denied" {
        return Some(FailPill::new(FailKind::MicPermission, "Mic access blocked",
                                  "Open Windows mic settings", "ms-settings:privacy-microphone",
                                  true));
    }
    if mic_state == "missing" {
        return Some(FailPill::new(FailKind::DeviceRemoved,
                                  "Microphone disconnected -- reconnect to resume detection", "",
                                  "", true));
    }
    match error {
        Some(error) if !error.is_empty() => {
            Some(FailPill::new(FailKind::Generic, error, "", "", true))
        }
        _ => None,
    }
}

/// This crate's version, "major.minor.patch".
pub fn library_version() -> String {
    env!("CARGO_PKG_VERSION").to_string()
}
