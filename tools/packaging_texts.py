#!/usr/bin/env python3
"""The packaging files' texts in every language, from the program's Qt Linguist files.

The English stays in the templates (the desktop entry, the AppStream record, the
installer's own texts). `extract` writes them as a C++ source that only lupdate reads,
so that they reach the .ts files with the program's own texts; `desktop`, `metainfo` and
`nsis` write a file with each text followed by its translations, read from the .ts files.

    packaging_texts.py extract --desktop T --metainfo T --nsis T --ts DIR --out FILE
    packaging_texts.py desktop|metainfo TEMPLATE --ts DIR --languages CODES --out FILE
    packaging_texts.py nsis TEMPLATE --ts DIR --languages CODES --out FILE
        --licence FILE --program NAME --notices NAME

A text without a finished translation in a shipped language stops the run: a package
that is English in one field and German in the next is worse than a failed build.
"""

import argparse
import glob
import html
import os
import re
import sys

import ts_reader

DESKTOP_KEYS = ("Name", "GenericName", "Comment", "Keywords")
# The metainfo elements a software centre shows in the user's language. Its keywords are
# the menu entry's, translated with them.
METAINFO_ELEMENTS = ("name", "summary", "p", "caption")
# NSIS's name for each language (its .nlf file and LANG_ constant).
NSIS_LANGUAGES = {
    "ar": "Arabic", "de": "German", "es": "Spanish", "fr": "French", "it": "Italian",
    "ja": "Japanese", "pl": "Polish", "pt_BR": "PortugueseBR", "ru": "Russian",
    "zh_CN": "SimpChinese",
}
COMMENTS = {
    "Keywords": "Words a menu search finds the program by, each followed by a semicolon.",
    "p": "A paragraph of the description a software centre shows.",
    "caption": "A software centre shows it under a screenshot of the program.",
}


class TextError(Exception):
    pass


def read(path):
    try:
        with open(path, encoding="utf-8") as f:
            return f.read()
    except OSError as e:
        raise TextError(f"{path}: {e}") from e


def write(path, text, keep_unchanged=False):
    # The source written at configure time keeps its time when unchanged, so that the
    # translations depending on it are not compiled again.
    if keep_unchanged:
        try:
            with open(path, encoding="utf-8", newline="") as f:
                if f.read() == text:
                    return
        except OSError:
            pass
    tmp = path + ".tmp"
    with open(tmp, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    os.replace(tmp, path)


# --- the templates' English ----------------------------------------------------------

DESKTOP_LINE = re.compile(r"^(%s)=(.*)$" % "|".join(DESKTOP_KEYS))


def desktop_texts(template):
    """(key, English) for each translatable key of the [Desktop Entry] group."""
    texts, group = [], None
    for line in template.splitlines():
        if line.startswith("["):
            group = line.strip()
        elif group == "[Desktop Entry]" and (m := DESKTOP_LINE.match(line)):
            texts.append((m.group(1), unescape_desktop(m.group(2))))
    return texts


def unescape_desktop(value):
    # A list's escaped separator (\;) stays escaped: it is part of the word.
    escapes = {"s": " ", "n": "\n", "t": "\t", "r": "\r", "\\": "\\"}
    return re.sub(r"\\(.)", lambda m: escapes.get(m.group(1), m.group(0)), value)


METAINFO_ELEMENT = re.compile(
    r"^([ \t]*)<(%s)>(.*?)</\2>[ \t]*$" % "|".join(METAINFO_ELEMENTS), re.S | re.M)


METAINFO_KEYWORDS = re.compile(r"^([ \t]*)<keywords>\n(.*?)^[ \t]*</keywords>", re.S | re.M)
METAINFO_KEYWORD = re.compile(r"<keyword>(.*?)</keyword>", re.S)


def collapse(text):
    # Only the template's own layout: a translation's no-break spaces stay.
    return re.sub(r"[ \t\r\n]+", " ", text).strip()


def normalise_xml_text(raw):
    return collapse(html.unescape(raw))


def metainfo_texts(template):
    """(element, English) for each element to translate, in the record's order."""
    return [(m.group(2), normalise_xml_text(m.group(3)))
            for m in METAINFO_ELEMENT.finditer(template)]


NSIS_LINE = re.compile(r'^(LangString|LicenseLangString) (\w+) \$\{LANG_ENGLISH\} "(.*)"[ \t]*$')


def unescape_nsis(value):
    return re.sub(r"\$(\\.|\$)", lambda m: {"\\n": "\n", "\\r": "\r", "\\t": "\t", "$": "$"}
                  .get(m.group(1), m.group(1)[1:]), value)


def escape_nsis(value):
    value = value.replace("$", "$$").replace('"', '$\\"')
    value = value.replace("\n", "$\\n").replace("\r", "$\\r").replace("\t", "$\\t")
    # The program's name is NSIS's own string, so that it is never translated.
    return value.replace("%1", "$(^Name)")


def nsis_texts(template, kind="LangString"):
    """(name, English) of the template's strings; LicenseLangString gives the note that
    follows the licence on the licence page."""
    return [(m.group(2), unescape_nsis(m.group(3)).replace("$(^Name)", "%1"))
            for line in template.splitlines()
            if (m := NSIS_LINE.match(line)) and m.group(1) == kind]


PACKAGING_CONTEXTS = ("DesktopEntry", "MetaInfo", "Installer")


def messages(desktop, metainfo, nsis, program_texts):
    """(context, English, comment) for lupdate. A text the program already shows (the
    name, in the About window) is taken from there, and one that both the menu entry and
    the record show is translated once, as the menu entry's: no text twice."""
    out, seen = [], set(program_texts)
    for context, found in (("DesktopEntry", desktop), ("MetaInfo", metainfo),
                           ("Installer", nsis)):
        for key, text in found:
            if text in seen:
                continue
            seen.add(text)
            comment = COMMENTS.get(key)
            if "%1" in text:
                comment = "%1 is the program's name" + (
                    ", %2 its licence notices file." if "%2" in text else ".")
            out.append((context, text, comment))
    return out


def cpp_string(text):
    return '"' + "".join({"\\": "\\\\", '"': '\\"', "\n": "\\n", "\t": "\\t"}.get(c, c)
                         for c in text) + '"'


def extract(args):
    program_texts = set()
    for path in sorted(glob.glob(os.path.join(args.ts, "vornratingcalc_*.ts"))):
        program_texts |= {m.source for m in read_messages(path)
                          if not m.stale and m.context not in PACKAGING_CONTEXTS}
    nsis = read(args.nsis)
    found = messages(desktop_texts(read(args.desktop)), metainfo_texts(read(args.metainfo)),
                     nsis_texts(nsis) + nsis_texts(nsis, "LicenseLangString"), program_texts)
    lines = ["// Generated from the packaging templates for lupdate; never compiled.",
             "// Edit the templates in packaging/, not this file.", ""]
    for context, text, comment in found:
        if comment:
            lines.append(f"//: {comment}")
        lines.append(f"QT_TRANSLATE_NOOP({cpp_string(context)}, {cpp_string(text)});")
    write(args.out, "\n".join(lines) + "\n", keep_unchanged=True)


# --- the translations ----------------------------------------------------------------

def read_messages(path):
    try:
        return ts_reader.read(path)[1]
    except ts_reader.TsError as e:
        raise TextError(str(e)) from e


def read_ts(path):
    """(context, English) -> translation, for the translated texts."""
    try:
        return ts_reader.translations(path)
    except ts_reader.TsError as e:
        raise TextError(str(e)) from e


class Translations:
    def __init__(self, folder, languages):
        self.languages = languages
        self.tables = {}
        for code in languages:
            path = os.path.join(folder, f"vornratingcalc_{code}.ts")
            self.tables[code] = (path, read_ts(path))
        self.missing = []

    def get(self, code, contexts, text):
        """The text's translation in its own contexts, else where the program has it."""
        path, table = self.tables[code]
        others = sorted(c for (c, source) in table if source == text and c not in contexts)
        for context in contexts + others:
            value = table.get((context, text))
            if value and value.strip():
                return value.strip()
        self.missing.append(f"{path}: no translation of {contexts[0]} text '{text}'")
        return None

    def check(self):
        if self.missing:
            raise TextError("\n".join(self.missing) + "\nRun the update_translations target "
                            "and translate the new texts.")


def escape_desktop(value, is_list):
    value = value.replace("\\", "\\\\").replace("\n", "\\n").replace("\t", "\\t")
    value = value.replace("\r", "\\r")
    if not is_list:
        return value
    # A list ends with its separator; a translator may leave it off, or add spaces.
    words = [w.strip() for w in re.split(r"(?<!\\);", value) if w.strip()]
    return "".join(w + ";" for w in words)


def write_desktop(args, tr):
    out, group = [], None
    for line in read(args.template).splitlines():
        out.append(line)
        if line.startswith("["):
            group = line.strip()
        if group != "[Desktop Entry]" or not (m := DESKTOP_LINE.match(line)):
            continue
        key, text = m.group(1), unescape_desktop(m.group(2))
        for code in tr.languages:
            value = tr.get(code, ["DesktopEntry"], text)
            if value is not None:
                out.append(f"{key}[{code}]={escape_desktop(value, key == 'Keywords')}")
    tr.check()
    write(args.out, "\n".join(out) + "\n")


def write_metainfo(args, tr):
    def translated(m):
        indent, element, raw = m.group(1), m.group(2), m.group(3)
        text = normalise_xml_text(raw)
        lines = [m.group(0)]
        for code in tr.languages:
            value = tr.get(code, ["MetaInfo", "DesktopEntry"], text)
            if value is not None:
                value = html.escape(collapse(value), quote=False)
                lines.append(f'{indent}<{element} xml:lang="{code}">{value}</{element}>')
        return "\n".join(lines)

    def keywords(m):
        indent, inner = m.group(1), m.group(2)
        english = [collapse(html.unescape(w)) for w in METAINFO_KEYWORD.findall(inner)]
        lines = [m.group(0)[:m.group(0).rindex("</keywords>")].rstrip()]
        for code in tr.languages:
            value = tr.get(code, ["DesktopEntry"], "".join(w + ";" for w in english))
            if value is not None:
                for word in re.split(r"(?<!\\);", value):
                    if collapse(word):
                        word = html.escape(collapse(word.replace("\\;", ";")), quote=False)
                        lines.append(f'{indent}  <keyword xml:lang="{code}">{word}</keyword>')
        return "\n".join(lines) + f"\n{indent}</keywords>"

    text = METAINFO_ELEMENT.sub(translated, read(args.template))
    text = METAINFO_KEYWORDS.sub(keywords, text)
    tr.check()
    write(args.out, text)


def write_nsis(args, tr):
    out = ["; Generated by tools/packaging_texts.py from the installer's texts and the",
           "; translations: the languages the installer speaks, and its own texts in each.",
           "; The first is the one NSIS starts in; VRC_SET_LANGUAGE switches to the one",
           "; packaging/windows/language_choice.nsh chooses.",
           '!insertmacro MUI_LANGUAGE "English"']
    for code in tr.languages:
        if code not in NSIS_LANGUAGES:
            raise TextError(f"no NSIS language is known for '{code}': add it to "
                            "NSIS_LANGUAGES in tools/packaging_texts.py")
        out.append(f'!insertmacro MUI_LANGUAGE "{NSIS_LANGUAGES[code]}"')
    out.append(f'!define VRC_TRANSLATIONS "{" ".join(tr.languages)}"')
    out.append("!macro VRC_SET_LANGUAGE code")
    out.append("  StrCpy $LANGUAGE ${LANG_ENGLISH}")
    for code in tr.languages:
        out.append(f'  StrCmp ${{code}} "{code}" 0 +2')
        out.append(f"    StrCpy $LANGUAGE ${{LANG_{NSIS_LANGUAGES[code].upper()}}}")
    out.append("!macroend")
    constants = [("en", "LANG_ENGLISH")] + [
        (code, "LANG_" + NSIS_LANGUAGES[code].upper()) for code in tr.languages]
    template = read(args.template)

    def translations(text):
        yield "en", "LANG_ENGLISH", text
        for code, constant in constants[1:]:
            value = tr.get(code, ["Installer"], text)
            if value is not None:
                yield code, constant, value

    for name, text in nsis_texts(template):
        for _, constant, value in translations(text):
            out.append(f'LangString {name} ${{{constant}}} "{escape_nsis(value)}"')
    # The licence stays as written; the note after it, on where the other parts' licences
    # are, is in the page's language. Plain text with a byte-order mark, which NSIS reads
    # as UTF-8.
    licence = read(args.licence).rstrip() + "\n"
    folder = os.path.dirname(os.path.abspath(args.out))
    for name, text in nsis_texts(template, "LicenseLangString"):
        for code, constant, value in translations(text):
            page = os.path.join(folder, f"{name.lower()}_{code}.txt")
            note = value.replace("%1", args.program).replace("%2", args.notices)
            write(page, "\ufeff" + licence + "\n" + note + "\n")
            out.append(f'LicenseLangString {name} ${{{constant}}} "{page}"')
    tr.check()
    write(args.out, "\n".join(out) + "\n")


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    sub = parser.add_subparsers(dest="command", required=True)
    ex = sub.add_parser("extract")
    for name in ("desktop", "metainfo", "nsis", "ts", "out"):
        ex.add_argument("--" + name, required=True)
    for name in ("desktop", "metainfo", "nsis"):
        p = sub.add_parser(name)
        p.add_argument("template")
        p.add_argument("--ts", required=True, help="folder of the .ts files")
        p.add_argument("--languages", required=True, help="codes, separated by ; or ,")
        p.add_argument("--out", required=True)
        if name == "nsis":
            p.add_argument("--licence", required=True, help="the licence the page shows")
            p.add_argument("--program", required=True)
            p.add_argument("--notices", required=True, help="the notices file's name")
    args = parser.parse_args(argv)
    try:
        if args.command == "extract":
            extract(args)
            return 0
        languages = [c for c in re.split(r"[;,\s]+", args.languages) if c]
        tr = Translations(args.ts, languages)
        {"desktop": write_desktop, "metainfo": write_metainfo, "nsis": write_nsis}[
            args.command](args, tr)
    except TextError as e:
        print(f"packaging_texts: {e}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
