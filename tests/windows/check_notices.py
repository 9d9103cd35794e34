"""The licence notices shipped with the Windows program against what its link took in:
every component the link's map leads to has its section in the notices, each bundled
library of Qt the map names is among them, the zip carries the same notices, and
neither Qt's MIME database nor Qt's translation catalogues are in the program.

usage: check_notices.py NOTICES ZIP MAP -- NOTICES.PY-ARGUMENTS...
"""

import os
import re
import subprocess
import sys
import zipfile


def main(notices, zip_path, link_map, notices_args):
    failures = []
    with open(notices, encoding="utf-8") as f:
        lines = set(f.read().splitlines())

    listed = subprocess.run(
        [sys.executable, os.path.join(os.path.dirname(__file__), "..", "..", "tools", "notices.py"),
         *notices_args, "--program", "VornRatingCalc", "--list"],
        check=True, capture_output=True, text=True).stdout.splitlines()
    failures += [f"linked, but no section in the notices: {c}" for c in listed if c not in lines]

    # Read from the map apart from the generator: a bundled library of Qt that the link
    # took members of, and the folder of Qt's source its notice names.
    with open(link_map, encoding="utf-8", errors="replace") as f:
        map_text = f.read()
    bundled = set(re.findall(r"^\S*/libQt6Bundled(\w+)\.a\(", map_text, re.M))
    # Qt keeps its copy of the MIME database, shared-mime-info's GPL-licensed data, in a
    # section of its own; the program never reads it, and our Qt is built without it.
    if ".qtmimedatabase" in map_text:
        failures.append("Qt's MIME database (GPL-licensed shared-mime-info data) is linked in")
    folders = {m.group(1).lower() for line in lines
               if (m := re.match(r"Source: bundled in qt6-base, src/3rdparty/([^/]+)/", line))}
    failures += [f"Qt's bundled {b} is linked, but no notice names its source"
                 for b in sorted(bundled) if not any(f.startswith(b.lower()) for f in folders)]
    if not bundled:
        failures.append(f"{link_map} names no bundled library of Qt: not the program's map?")

    with zipfile.ZipFile(zip_path) as z, open(notices, "rb") as f:
        name = os.path.basename(notices)
        if name not in z.namelist():
            failures.append(f"{zip_path} lacks {name}")
        elif z.read(name) != f.read():
            failures.append(f"{zip_path} holds another {name} than the build's")
        exe = next((n for n in z.namelist() if n.endswith(".exe")), None)
        program = z.read(exe) if exe else b""

    # Read from the program apart from the generator: the resources' names (UTF-16, as
    # rcc stores them) of Qt's catalogues, GPL-licensed data, which no link map shows.
    # The program's own translations hold the few texts of Qt's it shows.
    translations = sorted({m.decode("utf-16-be") for m in re.findall(
        rb"\0q\0t\0(?:b\0a\0s\0e\0)?_(?:\0[a-zA-Z_])+\0\.\0q\0m", program)})
    if translations:
        failures.append(f"the program carries Qt's catalogues: {', '.join(translations)}")
    if any("qt6-translations-l10n" in line for line in lines):
        failures.append("the notices name qt6-translations-l10n")

    for failure in failures:
        print(f"check_notices: {failure}", file=sys.stderr)
    print(f"check_notices: {len(listed)} components, {len(bundled)} bundled libraries of Qt, "
          f"{len(translations)} translations of Qt")
    return 1 if failures else 0


if __name__ == "__main__":
    cut = sys.argv.index("--")
    sys.exit(main(*sys.argv[1:cut], sys.argv[cut + 1:]))
