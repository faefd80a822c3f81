//! The Rust port on the project's table of cases (tests/cases.tsv).
use orv_pill::{select_fail_pill, FailKind, FailPill, UnknownFailKind};

/// A field of the table as the text it stands for (its escapes are described in the table).
fn decode(field: &str) -> String {
    let mut text = String::new();
    let mut chars = field.chars();
    while let Some(c) = chars.next() {
        match (c, chars.clone().next()) {
            ('\\', Some('*')) => return text.repeat(chars.as_str()[1..].parse().unwrap()),
            ('\\', Some(code)) => {
                chars.next();
                text.push(match code {
                    '0' => '\0',
                    't' => '\t',
                    'n' => '\n',
                    'r' => '\r',
                    _ => code,
                });
            }
            _ => text.push(c),
        }
    }
    text
}

#[test]
fn cases() {
    let path = concat!(env!("CARGO_MANIFEST_DIR"), "/tests/cases.tsv");
    let table = std::fs::read_to_string(path).expect("the table of cases");
    let mut count = 0;
    for line in table
        .lines()
        .filter(|line| !line.is_empty() && !line.starts_with('#'))
    {
        let f: Vec<&str> = line.split('\t').collect();
        let expected = f[5].parse().ok().map(|value: i32| FailPill {
            kind: FailKind::try_from(value).unwrap(),
            message: decode(f[6]),
            action_label: decode(f[7]),
            deep_link: decode(f[8]),
            dismissable: f[9] == "true",
            reserved: false,
        });
        let error = Some(f[3]).filter(|error| *error != "-").map(decode);
        assert_eq!(
            select_fail_pill(
                f[1] == "true",
                &decode(f[2]),
                error.as_deref(),
                f[4] == "true"
            ),
            expected,
            "{}",
            f[0]
        );
        count += 1;
    }
    assert!(count > 30);
}

#[test]
fn pills_differing_in_one_member_are_unequal() {
    let pill = select_fail_pill(true, "active", Some("lost"), true).unwrap();
    let changes: [fn(&mut FailPill); 6] = [
        |p| p.kind = FailKind::DeviceRemoved,
        |p| p.message.push('!'),
        |p| p.action_label.push(' '),
        |p| p.deep_link.push(' '),
        |p| p.dismissable = false,
        |p| p.reserved = true,
    ];
    for (member, change) in changes.iter().enumerate() {
        let mut other = pill.clone();
        change(&mut other);
        assert_ne!(pill, other, "member {member}");
    }
}

#[test]
fn a_kind_reads_back_from_its_value_and_no_other_number_does() {
    for value in [i32::MIN, -1, 0, 1, 2, 3, 4, 5, 6, i32::MAX] {
        let expected = if (0..=5).contains(&value) && value != 4 {
            Ok(value)
        } else {
            Err(UnknownFailKind(value))
        };
        assert_eq!(
            FailKind::try_from(value).map(|kind| kind as i32),
            expected,
            "read back from {value}"
        );
    }
}
