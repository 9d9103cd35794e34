#!/usr/bin/env python3
"""Writes the JavaScript package's refusal messages in every language: from the web
page's language files (i18n/<code>.json, made by ts_to_json.py), the one context the
engine words its refusals in, as an ES module {code: {english: translation}}. Fails
when a language lacks one of the messages.

    package_messages.py --context NAME --out messages.js i18n/*.json"""
import argparse
import json
import pathlib
import sys


def main() -> int:
    parser = argparse.ArgumentParser()
    parser.add_argument("--context", required=True)
    parser.add_argument("--out", type=pathlib.Path, required=True)
    parser.add_argument("languages", type=pathlib.Path, nargs="+")
    args = parser.parse_args()

    messages = {}
    for path in sorted(args.languages, key=lambda p: p.stem):
        table = json.loads(path.read_text(encoding="utf-8")).get(args.context, {})
        messages[path.stem] = dict(sorted(table.items()))
    wanted = set().union(*(table.keys() for table in messages.values()))
    missing = [f"{code}: {text}" for code, table in messages.items()
               for text in sorted(wanted - table.keys())]
    if missing or not wanted:
        print("package_messages: missing translations:\n  " + "\n  ".join(missing)
              if missing else f"package_messages: no messages in {args.context}", file=sys.stderr)
        return 1
    text = ("// Made by tools/package_messages.py from translations/*.ts: the engine's refusals\n"
            "// in each language, by their English wording.\n"
            "export default " + json.dumps(messages, ensure_ascii=False, indent=1) + ";\n")
    args.out.write_text(text, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
