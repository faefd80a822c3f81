"""The package's tests on every CPython that its classifiers claim: `nox -- <wheel>` installs the
built wheel, offline, into a fresh venv of each and runs tests/ against it, not against the source
beside it."""
import re
from pathlib import Path

import nox

MANIFEST = Path(__file__).with_name("pyproject.toml").read_text("utf-8")
CLAIMED = re.findall(r'"Programming Language :: Python :: (3\.\d+)"', MANIFEST)
FLOOR = re.search(r'^requires-python = ">=(.*)"$', MANIFEST, re.M)
if FLOOR is None or [FLOOR[1]] != CLAIMED[:1]:
    raise SystemExit("pyproject.toml: Requires-Python's floor is not the oldest CPython classified")
nox.options.error_on_missing_interpreters = True  # a claimed CPython that is missing fails


@nox.session(python=CLAIMED, venv_backend="venv")
def tests(session: nox.Session) -> None:
    if len(session.posargs) != 1:
        session.error("name the wheel to test: nox -- <wheel>")
    session.install("--no-index", "--disable-pip-version-check", session.posargs[0])
    # Run as a script, so that the import finds the installed package, not the folder beside it.
    session.run("python", "tests/test_orv_pill.py")
