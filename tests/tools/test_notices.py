"""tools/notices.py on a small Qt of its own: which components a link leads to, and which
links it refuses, in each form a linker reports them."""

import gzip
import json
import os
import re
import subprocess
import sys
import tempfile
import textwrap
import unittest

NOTICES_PY = os.path.join(os.path.dirname(__file__), "..", "..", "tools", "notices.py")

OBJECTS = {
    "src/corelib/CMakeFiles/Core.dir/text/qstring.cpp.obj":
        ["src/corelib/text/qstring.cpp", "src/corelib/text/qunicodetables_p.h"],
    "src/corelib/CMakeFiles/Core.dir/io/qfile.cpp.obj": ["src/corelib/io/qfile.cpp"],
    "src/corelib/CMakeFiles/Core.dir/empty.cpp.obj": [],
    "src/3rdparty/ft/CMakeFiles/BundledFt.dir/src/bdf/bdf.c.obj":
        ["src/3rdparty/ft/src/bdf/bdf.c"],
    "src/3rdparty/ft/CMakeFiles/BundledFt.dir/src/base/base.c.obj":
        ["src/3rdparty/ft/src/base/base.c"],
    "src/gui/CMakeFiles/Gui_resources_1.dir/qrc_qpdf.cpp.obj": ["src/3rdparty/icc/sRGB.icc"],
}
ATTRIBUTIONS = {
    "src/corelib/text": [{"Id": "ucd", "Files": "qunicodetables_p.h qunicodetables.cpp",
                          "LicenseFile": "UNICODE.txt"}],
    "src/3rdparty/ft": [{"Id": "ft", "LicenseFile": "LICENSE.txt"},
                        {"Id": "ft-bdf", "Path": "src/bdf", "LicenseFiles": ["BDF.txt", "Z.txt"]}],
    "src/3rdparty/icc": [{"Id": "icc", "Files": "sRGB.icc, other.icc", "LicenseFile": "ICC.txt"}],
}
TARGETS = """
set_target_properties(Qt6::Core PROPERTIES
  IMPORTED_LOCATION_RELEASE "${_IMPORT_PREFIX}/lib/libQt6Core.a"
  )
set_target_properties(Qt6::BundledFt PROPERTIES
  IMPORTED_LOCATION_RELEASE "${_IMPORT_PREFIX}/lib/libQt6BundledFt.a"
  )
set_target_properties(Qt6::Gui_resources_1 PROPERTIES
  IMPORTED_OBJECTS_RELEASE "${_IMPORT_PREFIX}/lib/objects-Release/Gui_resources_1/qrc_qpdf.cpp.obj"
  )
"""


def licence_text(name):
    """A stand-in licence text that no other one contains ("GPL-3.0-only.txt" alone is
    part of "LGPL-3.0-only.txt")."""
    return f"[text of {name}]\n"


def sections(text):
    """The notices' sections: heading without its number -> the text under it."""
    parts = re.split(r"^=+\r?$", text, flags=re.M)
    found = {}
    for head, body in zip(parts[1::2], parts[2::2]):
        title = head.strip().splitlines()[0]
        found[re.sub(r"^\d+\. ", "", title)] = body
    return found


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


class Notices(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        root = cls.tmp.name
        cls.prefix = os.path.join(root, "qt")
        cls.kept = os.path.join(cls.prefix, "share", "vornratingcalc-notices")
        write(os.path.join(cls.prefix, "lib/cmake/Qt6Core/Qt6CoreTargets-release.cmake"), TARGETS)
        os.makedirs(cls.kept)
        with gzip.open(os.path.join(cls.kept, "object-sources.txt.gz"), "wt") as f:
            for obj, sources in OBJECTS.items():
                f.write(f"{obj}: #deps {len(sources)}\n")
                f.writelines(f"    {s}\n" for s in sources)
        for folder, records in ATTRIBUTIONS.items():
            folder = os.path.join(cls.kept, "source", folder)
            write(os.path.join(folder, "qt_attribution.json"), json.dumps(records))
            for record in records:
                for name in [record.get("LicenseFile")] + record.get("LicenseFiles", []):
                    if name:
                        write(os.path.join(folder, name), licence_text(name))
        for name in ("LGPL-3.0-only.txt", "GPL-3.0-only.txt"):
            write(os.path.join(cls.kept, "source", "LICENSES", name), licence_text(name))
        write(os.path.join(cls.kept, "configuration.txt"), "qt6-base 6.4.2+dfsg-10\n-DX=ON\n")
        cls.runtime = os.path.join(root, "runtime")
        write(os.path.join(cls.runtime, "libc.a"), "")
        cls.component = os.path.join(root, "crt.notice")
        write(cls.component,
              f"Name: crt\nVersion: 1\nSource: here\nFiles: {cls.runtime}/*\n\ncrt text\n")
        write(os.path.join(root, "LICENSE"), "our licence\n")
        write(os.path.join(root, "relinking.txt"), "how to relink\n")

    def run_notices(self, linked, *extra):
        path = os.path.join(self.tmp.name, "linked.txt")
        write(path, textwrap.dedent(linked).format(qt=self.prefix + "/lib", rt=self.runtime))
        return subprocess.run(
            [sys.executable, NOTICES_PY, "--qt-notices", self.kept, "--linked", path,
             "--program", "Prog", "--licence", os.path.join(self.tmp.name, "LICENSE"),
             "--own", self.tmp.name + "/own",
             "--relinking", os.path.join(self.tmp.name, "relinking.txt"), *extra],
            capture_output=True, text=True, cwd=self.tmp.name)

    def test_components_of_a_link(self):
        qstring = {"qt: qt6-base", "qt-attribution: ucd"}
        cases = [
            ("header a record's Files name", "{qt}/libQt6Core.a(qstring.cpp.obj)\n", qstring),
            ("old trace form", "({qt}/libQt6Core.a)qstring.cpp.obj\n", qstring),
            ("map", "Archive member included to satisfy reference by file (symbol)\n\n"
                    "{qt}/libQt6Core.a(qstring.cpp.obj)\n    own/main.obj (x)\n\n"
                    "Memory Configuration\n\nLOAD own/main.obj\nLOAD {qt}/libQt6Core.a\n", qstring),
            ("file outside a record's Files", "{qt}/libQt6Core.a(qfile.cpp.obj)\n",
             {"qt: qt6-base"}),
            ("record limited by Path, and its folder's", "{qt}/libQt6BundledFt.a(bdf.c.obj)\n",
             {"qt: qt6-base", "qt-attribution: ft", "qt-attribution: ft-bdf"}),
            ("outside that Path", "{qt}/libQt6BundledFt.a(base.c.obj)\n",
             {"qt: qt6-base", "qt-attribution: ft"}),
            ("what a resource object embeds",
             "{qt}/objects-Release/Gui_resources_1/qrc_qpdf.cpp.obj\n",
             {"qt: qt6-base", "qt-attribution: icc"}),
            ("runtime a component file covers", "own/main.obj\n{rt}/libc.a(x.o)\n",
             {"qt: qt6-base", "component: crt"}),
        ]
        for name, linked, expected in cases:
            with self.subTest(name):
                result = self.run_notices(linked, "--component-file", self.component, "--list")
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertEqual(set(result.stdout.splitlines()), expected)

    def test_programs_shipped_together(self):
        # The console companion's link counts as much as the program's.
        companion = os.path.join(self.tmp.name, "companion.txt")
        write(companion, f"own/companion.obj\n{self.runtime}/libc.a(x.o)\n")
        result = self.run_notices("{qt}/libQt6BundledFt.a(bdf.c.obj)\n", "--linked", companion,
                                  "--component-file", self.component, "--list")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(set(result.stdout.splitlines()),
                         {"qt: qt6-base", "qt-attribution: ft", "qt-attribution: ft-bdf",
                          "component: crt"})

    def test_refused_links(self):
        cases = [
            ("member Qt never compiled", "{qt}/libQt6Core.a(nothere.cpp.obj)\n",
             "no object of Qt target"),
            ("archive of no Qt target", "{qt}/libQt6Other.a(qfile.cpp.obj)\n",
             "not a library or object"),
            ("object nothing is known of", "{qt}/libQt6Core.a(empty.cpp.obj)\n", "nothing is kept"),
            ("runtime no notice covers", "{rt}/libc.a(x.o)\n", "no notice covers it"),
            ("no linked file at all", "ld: mode i386pep\n", "names no linked file"),
            ("archives without members", "own/main.obj\n{qt}/libQt6Core.a\n", "--trace twice"),
        ]
        for name, linked, message in cases:
            with self.subTest(name):
                result = self.run_notices(linked, "--list")
                self.assertEqual(result.returncode, 1)
                self.assertIn(message, result.stderr)

    def test_notices_carry_every_licence_text(self):
        out = os.path.join(self.tmp.name, "notices.txt")
        result = self.run_notices("{qt}/libQt6BundledFt.a(bdf.c.obj)\n"
                                  "{qt}/libQt6Core.a(qstring.cpp.obj)\n", "--out", out)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(out, encoding="utf-8") as f:
            found = sections(f.read())
        cases = [
            ("Prog", ["our licence"]),
            ("Qt 6.4.2", ["-DX=ON", "how to relink"]),
            ("Code bundled with Qt and linked in",
             [licence_text(n) for n in ("LICENSE.txt", "BDF.txt", "Z.txt", "UNICODE.txt")]),
            ("GNU Lesser General Public License version 3", [licence_text("LGPL-3.0-only.txt")]),
            ("GNU General Public License version 3", [licence_text("GPL-3.0-only.txt")]),
        ]
        for heading, needed in cases:
            with self.subTest(heading):
                self.assertTrue(heading in found, f"no section headed '{heading}': {list(found)}")
                for text in needed:
                    self.assertIn(text, found[heading])

if __name__ == "__main__":
    unittest.main()
