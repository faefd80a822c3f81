//! The Rust binding against the static library, on the cases of bindings/tests/cases.tsv.
use orv_pill::{library_version, select_fail_pill, FailKind, FailPill};

#[test]
fn cases() {
    let table = include_str!("../../tests/cases.tsv");
    for line in table.lines().filter(|line| !line.starts_with('#')) {
        let f: Vec<&str> = line.split('\t').collect();
        let kind = [FailKind::Generic, FailKind::MicPermission, FailKind::DriverNotLoaded,
                    FailKind::SteamVRNotRunning, FailKind::DeviceRemoved]
            .into_iter()
            .find(|kind| (*kind as i32).to_string() == f[5]);
        let expected = kind.map(|kind| FailPill { kind, message: f[6].into(),
            action_label: f[7].into(), deep_link: f[8].into(), dismissable: f[9] == "true",
            reserved: false });
        let error = Some(f[3]).filter(|error| *error != "-");
        assert_eq!(select_fail_pill(f[1] == "true", f[2], error, f[4] == "true"), expected,
                   "{}", f[0]);
    }
}

#[test]
fn generic_message_is_its_own_after_more_calls() {
    let mut error = String::from("capture device failed to start");
    let first = select_fail_pill(true, "active", Some(&error), true).unwrap();
    error.replace_range(.., "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXX");
    select_fail_pill(true, "active", Some(&error), true);
    assert_eq!(first.message, "capture device failed to start");
}

#[test]
fn version() {
    assert_eq!(library_version().split('.').filter(|n| n.parse::<u32>().is_ok()).count(), 3);
}
