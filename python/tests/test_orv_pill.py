"""The Python port on the project's table of cases (tests/cases.tsv), and what only Python has."""
import dataclasses
import re
import unittest
from pathlib import Path

from orv_pill import FailKind, FailPill, select_fail_pill

CASES = Path(__file__).with_name("cases.tsv")
ESCAPES = {"0": "\0", "t": "\t", "n": "\n", "r": "\r"}


def decode(field):
    """A field of the table as the text it stands for (its escapes are described in the table)."""
    unit, count = re.fullmatch(r"((?:[^\\]|\\.)*?)(?:\\\*(\d+))?", field).groups()
    return re.sub(r"\\(.)", lambda m: ESCAPES.get(m[1], m[1]), unit) * int(count or 1)


def cases():
    for line in CASES.read_text("utf-8").splitlines():
        if line and not line.startswith("#"):
            name, loaded, mic, error, running, kind, message, label, link, dismissable = \
                line.split("\t")
            pill = None if kind == "-" else FailPill(FailKind(int(kind)), decode(message),
                                                     decode(label), decode(link),
                                                     dismissable == "true", False)
            yield name, (loaded == "true", decode(mic), None if error == "-" else decode(error),
                         running == "true"), pill


class SelectFailPillTest(unittest.TestCase):
    def test_cases(self):
        count = 0
        for name, arguments, pill in cases():
            with self.subTest(name):
                self.assertEqual(select_fail_pill(*arguments), pill)
                count += 1
        self.assertGreater(count, 30)

    def test_texts_come_back_as_given(self):
        for error in ("lone \ud800 surrogate", "\udfff"):
            self.assertEqual(select_fail_pill(True, "active", error, True).message, error)
        raw = b"bytes \xff\xfe not UTF-8"
        message = select_fail_pill(True, b"active", bytearray(raw), True).message
        self.assertEqual(message.encode("utf-8", "surrogateescape"), raw)
        self.assertEqual(select_fail_pill(True, b"missing", None, True).kind,
                         FailKind.DEVICE_REMOVED)

    def test_bad_input_is_a_type_error_naming_it(self):
        for arguments, named in (((1, "active", None, True), "driver_loaded"),
                                 ((True, None, None, True), "mic_state"),
                                 ((True, "active", 5, True), "error"),
                                 ((True, "active", None, "yes"), "steam_vr_running")):
            with self.subTest(named), self.assertRaisesRegex(TypeError, named):
                select_fail_pill(*arguments)

    def test_a_pill_is_a_value(self):
        pill = select_fail_pill(True, "active", "lost", True)
        self.assertEqual(hash(pill), hash(FailPill(FailKind.GENERIC, "lost", "", "", True)))
        self.assertEqual(repr(pill), "FailPill(kind=<FailKind.GENERIC: 0>, message='lost', "
                                     "action_label='', deep_link='', dismissable=True, "
                                     "reserved=False)")
        with self.assertRaises(dataclasses.FrozenInstanceError):
            pill.message = "changed"

    def test_pills_differing_in_one_member_are_unequal(self):
        pill = FailPill(FailKind.GENERIC, "lost", "label", "link", True, False)
        for member, other in (("kind", FailKind.DEVICE_REMOVED), ("message", "Lost"),
                              ("action_label", "label "), ("deep_link", "lin"),
                              ("dismissable", False), ("reserved", True)):
            with self.subTest(member):
                self.assertNotEqual(pill, dataclasses.replace(pill, **{member: other}))


if __name__ == "__main__":
    unittest.main()
