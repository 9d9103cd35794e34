"""tools/ts_reader.py on the messages its three users once read three ways: plural
entries, text with elements inside it, blank and unfinished translations, texts left
over from the code. Each row: a message as a .ts file holds it, the translation the
readers take from it (None: none), and whether the build check names it."""

import os
import sys
import tempfile
import textwrap

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools"))
import ts_reader  # noqa: E402

ROWS = [
    # (name, message, translation taken, named by the check)
    ("finished", '<message><source>Copy</source><translation>Kopieren</translation></message>',
     "Kopieren", False),
    ("unfinished with text",
     '<message><source>Copy</source><translation type="unfinished">Kop</translation></message>',
     None, True),
    ("empty", '<message><source>Copy</source><translation></translation></message>', None, True),
    ("blank", '<message><source>Copy</source><translation> \n </translation></message>',
     None, True),
    ("no translation element", '<message><source>Copy</source></message>', None, True),
    ("vanished", '<message><source>Copy</source><translation type="vanished">Kopieren'
     '</translation></message>', None, False),
    ("obsolete", '<message><source>Copy</source><translation type="obsolete">Kopieren'
     '</translation></message>', None, False),
    ("plural, every form", '<message numerus="yes"><source>%n rows</source><translation>'
     '<numerusform>%n Zeile</numerusform><numerusform>%n Zeilen</numerusform>'
     '</translation></message>', None, False),
    ("plural, a form empty", '<message numerus="yes"><source>%n rows</source><translation>'
     '<numerusform>%n Zeile</numerusform><numerusform></numerusform>'
     '</translation></message>', None, True),
    ("a character XML cannot hold",
     '<message><source>Tab<byte value="x9"/>stop</source>'
     '<translation>Tab<byte value="x9"/>halt</translation></message>', "Tab\thalt", False),
    ("length variants: the full one",
     '<message><source>Copy All Results</source><translation variants="yes">'
     '<lengthvariant>Alle Ergebnisse kopieren</lengthvariant><lengthvariant>Alle kopieren'
     '</lengthvariant></translation></message>', "Alle Ergebnisse kopieren", False),
    ("unfinished, source with an element",
     '<message><source>Tab<byte value="9"/>stop</source>'
     '<translation type="unfinished"></translation></message>', None, True),
    ("a comment that looks like a state",
     '<message><source>Copy</source><extracomment>type="unfinished"</extracomment>'
     '<translation>Kopieren</translation></message>', "Kopieren", False),
]


def ts(messages):
    return ('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n'
            '<TS version="2.1" language="de" sourcelanguage="en">\n'
            f'<context><name>Ctx</name>{messages}</context>\n</TS>\n')


def main():
    failures = []
    with tempfile.TemporaryDirectory() as work:
        path = os.path.join(work, "vornratingcalc_de.ts")
        for name, message, taken, named in ROWS:
            with open(path, "w", encoding="utf-8") as f:
                f.write(ts(message))
            table = ts_reader.translations(path)
            got = next(iter(table.values()), None)
            if got != taken:
                failures.append(f"{name}: took {got!r}, expected {taken!r}")
            # The committed file and the one lupdate brought up to date: the same here.
            problems = ts_reader.problems(path, path, "de.ts")
            untranslated = any("not translated" in p for p in problems)
            if untranslated != named:
                failures.append(f"{name}: check named it: {untranslated}: {problems}")
            stale = any("no longer has" in p for p in problems)
            if stale != (name in ("vanished", "obsolete")):
                failures.append(f"{name}: check counted it as left over: {stale}")
        # The check names an untranslated text by its source, read as Qt reads it.
        with open(path, "w", encoding="utf-8") as f:
            f.write(ts(ROWS[-2][1]))
        if ts_reader.problems(path, path, "de.ts") != ['  de.ts: not translated: "Tab\tstop"']:
            failures.append(f"named as {ts_reader.problems(path, path, 'de.ts')}")
        with open(path, "w", encoding="utf-8") as f:
            f.write("<TS><context>")
        try:
            ts_reader.read(path)
            failures.append("a broken file was read")
        except ts_reader.TsError:
            pass
    for failure in failures:
        print(f"test_ts_reader: {failure}", file=sys.stderr)
    print(textwrap.shorten(f"test_ts_reader: {len(ROWS)} rows, {len(failures)} failures", 78))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
