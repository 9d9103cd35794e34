#!/usr/bin/env python3
"""Reads Qt Linguist's .ts files: the one reading of them that the build's translation
check, the web page's language files and the packaging files' texts all share, so that
they agree on what counts as translated.

A message is translated when it is finished (neither unfinished nor left over from
texts the code no longer has) and every form of it holds more than blanks: a plural
message has one form per plural rule of its language. Text is read as Qt reads it:
<byte value="x1b"/> is that character, and of the length variants of a text the first,
the full one, is the text.

    ts_reader.py check COMMITTED UPDATED

prints, one a line, what stops the build: texts the committed file still has although
the code no longer does, and texts the file brought up to date with the code leaves
untranslated."""

import dataclasses
import sys
import xml.etree.ElementTree as ElementTree

STALE = ("vanished", "obsolete")


class TsError(Exception):
    pass


@dataclasses.dataclass(frozen=True)
class Message:
    context: str
    source: str
    numerus: bool
    # "finished", "unfinished", or one of STALE.
    state: str
    # The translation, one text per plural form; empty when there is none.
    forms: tuple[str, ...]

    @property
    def stale(self) -> bool:
        return self.state in STALE

    @property
    def translated(self) -> bool:
        return self.state == "finished" and bool(self.forms) and all(
            form.strip() for form in self.forms)


def _text(element) -> str:
    """The element's text as Qt reads it."""
    if element is None:
        return ""
    variants = element.findall("lengthvariant")
    if variants:
        return _text(variants[0])
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            value = child.get("value", "")
            parts.append(chr(int(value[1:], 16) if value[:1] in "xX" else int(value)))
        parts.append(child.tail or "")
    return "".join(parts)


def read(path) -> tuple[str, list[Message]]:
    """The file's language and its messages, in the file's order."""
    try:
        root = ElementTree.parse(path).getroot()
    except (OSError, ElementTree.ParseError) as e:
        raise TsError(f"{path}: {e}") from e
    messages = []
    for context in root.iter("context"):
        name = _text(context.find("name"))
        for message in context.iter("message"):
            numerus = message.get("numerus") == "yes"
            translation = message.find("translation")
            if translation is None:
                state, forms = "unfinished", ()
            else:
                state = translation.get("type") or "finished"
                forms = tuple(_text(f) for f in translation.findall("numerusform")) if numerus \
                    else (_text(translation),)
            messages.append(Message(name, _text(message.find("source")), numerus, state, forms))
    return root.get("language", ""), messages


def translations(path) -> dict[tuple[str, str], str]:
    """(context, English) -> translation, for each translated message of one form."""
    return {(m.context, m.source): m.forms[0]
            for m in read(path)[1] if m.translated and not m.numerus}


def problems(committed, updated, name) -> list[str]:
    """What stops the build, for a committed file and its copy brought up to date."""
    stale = sum(m.stale for m in read(committed)[1])
    found = [f"  {name}: {stale} text(s) the code no longer has"] if stale else []
    return found + [f"  {name}: not translated: \"{m.source}\""
                    for m in read(updated)[1] if not m.stale and not m.translated]


def main(argv) -> int:
    if len(argv) != 4 or argv[1] != "check":
        print(__doc__, file=sys.stderr)
        return 2
    committed, updated = argv[2], argv[3]
    try:
        found = problems(committed, updated, committed.replace("\\", "/").rsplit("/", 1)[-1])
    except TsError as e:
        print(f"ts_reader: {e}", file=sys.stderr)
        return 1
    sys.stdout.write("".join(line + "\n" for line in found))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
