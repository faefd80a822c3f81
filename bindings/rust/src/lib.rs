//! The failure pill selection of orv_pill, for a status display written in Rust, through the
//! static library's C interface (`<orv/pill_c.h>`).
use std::os::raw::{c_char, c_int};

/// What a pill is about; the values are `orv::FailKind`'s.
#[repr(i32)]
#[derive(Debug, Clone, Copy, PartialEq, Eq, Hash)]
pub enum FailKind {
    Generic = 0,
    MicPermission = 1,
    DriverNotLoaded = 2,
    SteamVRNotRunning = 3,
    DeviceRemoved = 5,
}

/// One failure notice; an empty `action_label` and `deep_link` mean no action.
#[derive(Debug, Clone, PartialEq, Eq)]
pub struct FailPill {
    pub kind: FailKind,
    pub message: String,
    pub action_label: String,
    pub deep_link: String,
    pub dismissable: bool,
    pub reserved: bool,
}

/// `orv_fail_pill_view` of `<orv/pill_c.h>`.
#[repr(C)]
struct View {
    kind: i32,
    message: *const c_char,
    message_size: usize,
    action_label: *const c_char,
    action_label_size: usize,
    deep_link: *const c_char,
    deep_link_size: usize,
    dismissable: u8,
    reserved: u8,
}

extern "C" {
    fn orv_select_fail_pill(driver_loaded: u8, mic_state: *const c_char, mic_state_size: usize,
                            error: *const c_char, error_size: usize, steam_vr_running: u8,
                            pill: *mut View) -> c_int;
    fn orv_pill_version() -> c_int;
}

/// Copies a text of the view; the library's texts are UTF-8, and a Generic message is the caller's.
unsafe fn text(bytes: *const c_char, size: usize) -> String {
    String::from_utf8_lossy(std::slice::from_raw_parts(bytes.cast::<u8>(), size)).into_owned()
}

/// The one pill to show, or `None`, by the rules of `orv::selectFailPill`.
pub fn select_fail_pill(driver_loaded: bool, mic_state: &str, error: Option<&str>,
                        steam_vr_running: bool) -> Option<FailPill> {
    let mut view = std::mem::MaybeUninit::<View>::uninit();
    let (error, error_size) = error.map_or((std::ptr::null(), 0), |e| (e.as_ptr().cast(), e.len()));
    // SAFETY: every pointer is valid for its size, and the view is read only once it is written.
    unsafe {
        match orv_select_fail_pill(u8::from(driver_loaded), mic_state.as_ptr().cast(),
                                   mic_state.len(), error, error_size, u8::from(steam_vr_running),
                                   view.as_mut_ptr()) {
            0 => None,
            1 => {
                let view = view.assume_init();
                let kind = match view.kind {
                    0 => FailKind::Generic,
                    1 => FailKind::MicPermission,
                    2 => FailKind::DriverNotLoaded,
                    3 => FailKind::SteamVRNotRunning,
                    5 => FailKind::DeviceRemoved,
                    other => panic!("orv_select_fail_pill gave the unknown kind {other}"),
                };
                Some(FailPill {
                    kind,
                    message: text(view.message, view.message_size),
                    action_label: text(view.action_label, view.action_label_size),
                    deep_link: text(view.deep_link, view.deep_link_size),
                    dismissable: view.dismissable != 0,
                    reserved: view.reserved != 0,
                })
            }
            other => panic!("orv_select_fail_pill returned {other} for arguments it must take"),
        }
    }
}

#[cfg(test)]
mod tests {
    #[test]
    fn declared_layout_is_the_headers() {
        let view = std::mem::MaybeUninit::<super::View>::uninit();
        let base = view.as_ptr() as usize;
        // SAFETY: only the fields' addresses are taken; nothing is read.
        let offsets = unsafe {
            let v = view.as_ptr();
            [std::ptr::addr_of!((*v).message) as usize, std::ptr::addr_of!((*v).message_size) as usize,
             std::ptr::addr_of!((*v).action_label) as usize,
             std::ptr::addr_of!((*v).action_label_size) as usize,
             std::ptr::addr_of!((*v).deep_link) as usize,
             std::ptr::addr_of!((*v).deep_link_size) as usize,
             std::ptr::addr_of!((*v).dismissable) as usize, std::ptr::addr_of!((*v).reserved) as usize]
        };
        assert_eq!(std::mem::size_of::<super::View>(), 64);
        assert_eq!(offsets.map(|offset| offset - base), [8, 16, 24, 32, 40, 48, 56, 57]);
    }
}

/// The version of the library linked in, as "major.minor.patch".
pub fn library_version() -> String {
    // SAFETY: a function of no arguments.
    let number = unsafe { orv_pill_version() };
    format!("{}.{}.{}", number / 10000, number / 100 % 100, number % 100)
}
