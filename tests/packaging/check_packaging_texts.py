"""tools/packaging_texts.py against translations a translator might write: characters
that mean something in a desktop entry or in XML stay text and the files still
validate, and a text left untranslated stops the build instead of shipping English.

usage: check_packaging_texts.py TOOL DESKTOP_TEMPLATE METAINFO_TEMPLATE
"""

import os
import shutil
import subprocess
import sys
import tempfile
from xml.sax.saxutils import escape

TRICKY = 'Q&A <b>"x"</b> 50 $ ; \\n %1\nsecond line'


def ts(code, sources, translate):
    messages = "".join(
        f"<message><source>{escape(s)}</source>"
        f"<translation>{escape(translate(s))}</translation></message>" for s in sources)
    return (f'<?xml version="1.0" encoding="utf-8"?><TS version="2.1" language="{code}">'
            f"<context><name>DesktopEntry</name>{messages}</context>"
            f"<context><name>MetaInfo</name>{messages}</context></TS>")


def main(tool, desktop_in, metainfo_in):
    if not shutil.which("desktop-file-validate") or not shutil.which("appstreamcli"):
        print("SKIP: desktop-file-validate or appstreamcli is not installed")
        return 0
    failures = []
    sys.path.insert(0, os.path.dirname(tool))
    import packaging_texts as texts

    with open(desktop_in, encoding="utf-8") as f:
        sources = [t for _, t in texts.desktop_texts(f.read())]
    with open(metainfo_in, encoding="utf-8") as f:
        sources += [t for _, t in texts.metainfo_texts(f.read())]
    sources = list(dict.fromkeys(sources))

    work = tempfile.mkdtemp()
    try:
        def run(kind, template, languages):
            out = os.path.join(work, os.path.basename(template).replace(".in", ""))
            return out, subprocess.run(
                [sys.executable, tool, kind, template, "--ts", work, "--languages",
                 languages, "--out", out], capture_output=True, text=True)

        with open(os.path.join(work, "vornratingcalc_de.ts"), "w", encoding="utf-8") as f:
            f.write(ts("de", sources, lambda s: TRICKY + (";" if s.endswith(";") else "")))
        # French lacks the name, which both files show.
        with open(os.path.join(work, "vornratingcalc_fr.ts"), "w", encoding="utf-8") as f:
            f.write(ts("fr", sources[1:], lambda s: "fr " + s))

        for kind, template, validator in (
                ("desktop", desktop_in, ["desktop-file-validate"]),
                ("metainfo", metainfo_in, ["appstreamcli", "validate", "--no-net"])):
            out, result = run(kind, template, "de")
            if result.returncode != 0:
                failures.append(f"{kind}: refused a tricky translation: {result.stderr}")
                continue
            check = subprocess.run(validator + [out], capture_output=True, text=True)
            if check.returncode != 0:
                failures.append(f"{kind} with a tricky translation does not validate:\n"
                                f"{check.stdout}{check.stderr}")
            with open(out, encoding="utf-8") as f:
                written = f.read()
            if "Q&A" not in written and "Q&amp;A" not in written:
                failures.append(f"{kind}: the translation is not in the file")

            out, result = run(kind, template, "de,fr")
            if result.returncode == 0 or "vornratingcalc_fr.ts" not in result.stderr:
                failures.append(f"{kind}: a text without its French translation was not "
                                f"refused by name (status {result.returncode}): {result.stderr}")
    finally:
        shutil.rmtree(work)

    for failure in failures:
        print(f"check_packaging_texts: {failure}", file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
