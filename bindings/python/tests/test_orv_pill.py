"""The Python binding against the shared library, on the cases of bindings/tests/cases.tsv."""
import ctypes
import sys
import unittest
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent))
import orv_pill  # noqa: E402  (the binding beside these tests, not an installed one)


def cases():
    for line in (HERE.parent.parent / "tests" / "cases.tsv").read_text("utf-8").splitlines():
        if not line.startswith("#"):
            name, loaded, mic, error, running, kind, *texts, dismissable = line.split("\t")
            pill = None if kind == "-" else orv_pill.FailPill(
                orv_pill.FailKind(int(kind)), *texts, dismissable == "true", False)
            yield name, (loaded == "true", mic, None if error == "-" else error, running == "true"), pill


class SelectFailPillTest(unittest.TestCase):
    def test_cases(self):
        for name, arguments, pill in cases():
            with self.subTest(name):
                self.assertEqual(orv_pill.select_fail_pill(*arguments), pill)

    def test_generic_message_is_its_own_after_more_calls(self):
        first = orv_pill.select_fail_pill(True, "active", "capture device failed to start", True)
        orv_pill.select_fail_pill(True, "active", "X" * len(first.message), True)
        self.assertEqual(first.message, "capture device failed to start")
        self.assertEqual(orv_pill.select_fail_pill(True, b"active", b"lost", True).message, "lost")

    def test_bad_input_is_a_type_error_naming_it(self):
        for arguments, named in (((1, "active", None, True), "driver_loaded"),
                                 ((True, None, None, True), "mic_state"),
                                 ((True, "active", 5, True), "error"),
                                 ((True, "active", None, "yes"), "steam_vr_running")):
            with self.subTest(named), self.assertRaisesRegex(TypeError, named):
                orv_pill.select_fail_pill(*arguments)

    def test_declared_layout_is_the_headers(self):
        view = orv_pill._View  # pylint: disable=protected-access
        self.assertEqual([ctypes.sizeof(view)] + [getattr(view, name).offset for name in (
            "message", "message_size", "action_label", "action_label_size", "deep_link",
            "deep_link_size", "dismissable", "reserved")], [64, 8, 16, 24, 32, 40, 48, 56, 57])

    def test_version_and_kinds(self):
        self.assertRegex(orv_pill.library_version(), r"^\d+\.\d+\.\d+$")
        self.assertEqual([int(kind) for kind in orv_pill.FailKind], [0, 1, 2, 3, 5])


if __name__ == "__main__":
    unittest.main()
