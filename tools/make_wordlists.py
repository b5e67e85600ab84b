#!/usr/bin/env python3
"""Builds TAVIK's 23 packaged word lists (resources/dic/<KEY>) from the open data under data/.

    python3 tools/make_wordlists.py          write every list, the Tatoeba credits and data/LISTS.md
    python3 tools/make_wordlists.py --check  run the generator's own tests, rebuild in a temporary
                                             folder, compare byte for byte with the committed files
                                             and check every list's format; exit status 1 on any
                                             failure, difference or problem

Python 3 standard library only; the output does not depend on the working directory, the locale or
hash seeds.
"""

import argparse
import sys
import tempfile
from pathlib import Path

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, str(Path(__file__).resolve().parent))

from wordlists import ROOT  # noqa: E402
from wordlists.build import build_all, check_formats  # noqa: E402
from wordlists.phonetic import PhoneticError  # noqa: E402
from wordlists.mathterms import UnattestedSense  # noqa: E402
from wordlists import selftest  # noqa: E402


def write(files, root):
    for name, data in sorted(files.items()):
        path = root / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)


def compare(files, scratch):
    """Writes the rebuilt files under scratch and lists those that differ from the repository's."""
    write(files, scratch)
    differences = []
    for name in sorted(files):
        committed = ROOT / name
        if not committed.is_file():
            differences.append(f"{name}: missing in the repository")
        elif committed.read_bytes() != (scratch / name).read_bytes():
            differences.append(f"{name}: differs from a fresh build")
    return differences


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="rebuild, compare and check; write nothing")
    args = parser.parse_args(argv)
    if args.check and not selftest.run():
        print("error: the generator's own tests failed", file=sys.stderr)
        return 1
    try:
        files = build_all()
    except (PhoneticError, UnattestedSense) as error:
        print(f"error: {error}", file=sys.stderr)
        return 1
    problems = check_formats(files)
    if args.check:
        with tempfile.TemporaryDirectory() as scratch:
            problems = compare(files, Path(scratch)) + problems
    else:
        write(files, ROOT)
        print(f"wrote {len(files)} files under {ROOT}")
    for problem in problems:
        print(problem, file=sys.stderr)
    if args.check and not problems:
        print(f"{len(files)} files match a fresh build; every list passes the format checks")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
