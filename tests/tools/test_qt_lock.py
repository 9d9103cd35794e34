"""Two runs of a Qt build script at once, against a stand-in build that takes a few
seconds: the second waits for the first and uses its result instead of wiping it."""

import os
import shutil
import subprocess
import tempfile
import textwrap
import unittest

REPO = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")

# Stands in for tools/qt-build.sh: starts as the real recipe does, by clearing its folders,
# and fails if they vanish under it, as the real compiler would.
STAND_IN_BUILD = textwrap.dedent("""\
    build_qt() {
        rm -rf "$build" "$root"
        mkdir -p "$build"
        echo "$$" >>"$cache/builds"
        sleep 3
        [ -d "$build" ] || { echo "stand-in: build folder wiped"; exit 1; }
        mkdir -p "$prefix"
        touch "$root/.complete"
        rm -rf "$build"
    }
    """)
STAND_IN_SOURCE = "#!/bin/sh\necho /nonexistent/qt6-base-src\n"
DPKG_QUERY = "#!/bin/sh\necho 6.4.2+dfsg-10\n"
SCRIPTS = [("tools/windows-qt.sh", ["cmake/mingw-w64-x86_64.cmake"]),
           ("tools/web-qt.sh", ["tools/keep-qt-notices.sh"])]


class TwoRunsOfOneQtBuild(unittest.TestCase):
    def test_second_run_waits_then_uses_the_first_runs_qt(self):
        for script, extra in SCRIPTS:
            with self.subTest(script=script), tempfile.TemporaryDirectory() as work:
                repo = os.path.join(work, "repo")
                for path in [script, "tools/qt-lock.sh", "tools/qt-build.sh", *extra]:
                    os.makedirs(os.path.dirname(os.path.join(repo, path)), exist_ok=True)
                    shutil.copy(os.path.join(REPO, path), os.path.join(repo, path))
                # The stand-ins replace the recipe and the source; a fake emsdk script is
                # needed by the web script only.
                write(os.path.join(repo, "tools/qt-build.sh"), STAND_IN_BUILD)
                write(os.path.join(repo, "tools/qt-source.sh"), STAND_IN_SOURCE)
                write(os.path.join(repo, "tools/emsdk.sh"), "#!/bin/sh\necho /nonexistent\n")
                bin_dir = os.path.join(work, "bin")
                write(os.path.join(bin_dir, "dpkg-query"), DPKG_QUERY, executable=True)
                env = dict(os.environ, XDG_CACHE_HOME=os.path.join(work, "cache"),
                           PATH=bin_dir + os.pathsep + os.environ["PATH"])
                runs = [subprocess.Popen(["bash", os.path.join(repo, script)], env=env,
                                         stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                         text=True) for _ in range(2)]
                results = [run.communicate(timeout=120) for run in runs]
                for run, (out, err) in zip(runs, results):
                    self.assertEqual(run.returncode, 0, err)
                prefixes = {out.strip() for out, _ in results}
                self.assertEqual(len(prefixes), 1, results)
                self.assertTrue(os.path.isdir(prefixes.pop()))
                with open(os.path.join(work, "cache", "vornratingcalc", "builds")) as builds:
                    self.assertEqual(len(builds.read().split()), 1, "the Qt was built twice")
                self.assertTrue(any("waiting for it to finish" in err for _, err in results),
                                "neither run said that it waits")


def write(path, text, executable=False):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as file:
        file.write(text)
    if executable:
        os.chmod(path, 0o755)


if __name__ == "__main__":
    unittest.main()
