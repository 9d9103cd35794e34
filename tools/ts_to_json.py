#!/usr/bin/env python3
"""Turns the translations into the web page's language files: for each .ts file, one
JSON file {context: {source: translation}} holding the texts the page shows, those
its script names in qsTranslate() calls and every text of the contexts given whole
(texts the engine words at run time). Fails, naming them, when a language lacks one.

    ts_to_json.py --page texts.js [--context NAME]... --out DIR translations/*.ts"""
import argparse
import ast
import json
import pathlib
import re
import sys

import ts_reader

# A JavaScript string literal in single or double quotes, escapes and all.
STRING = r"""('(?:[^'\\\n]|\\.)*'|"(?:[^"\\\n]|\\.)*")"""
CALL = re.compile(r"\bqsTranslate\(\s*" + STRING + r"\s*,\s*" + STRING + r"\s*\)")


def page_texts(script: str) -> set[tuple[str, str]]:
    # Python reads the page's literals as JavaScript does: it writes only plain escapes.
    return {(ast.literal_eval(context), ast.literal_eval(source))
            for context, source in CALL.findall(script)}


def translations(ts: pathlib.Path) -> tuple[str, dict[tuple[str, str], str]]:
    return ts.stem.split("_", 1)[1], ts_reader.translations(ts)


def main() -> int:
    parser = argparse.ArgumentParser()
    parser.add_argument("--page", type=pathlib.Path, required=True)
    parser.add_argument("--context", action="append", default=[])
    parser.add_argument("--out", type=pathlib.Path, required=True)
    parser.add_argument("ts", type=pathlib.Path, nargs="+")
    args = parser.parse_args()

    try:
        tables = [(ts, *translations(ts)) for ts in args.ts]
    except ts_reader.TsError as e:
        print(f"ts_to_json: {e}", file=sys.stderr)
        return 1
    wanted = page_texts(args.page.read_text(encoding="utf-8"))
    if not wanted:
        print(f"ts_to_json: no qsTranslate() texts found in {args.page}", file=sys.stderr)
        return 1
    args.out.mkdir(parents=True, exist_ok=True)
    problems = []
    for ts, code, found in tables:
        whole = {key for key in found if key[0] in args.context}
        # A whole context missing from a language is as wrong as a text missing from it.
        missing = sorted(wanted - found.keys()) + sorted(
            (context, "(every text)") for context in args.context
            if not any(key[0] == context for key in whole))
        problems += [f"  {ts.name}: {context}: not translated: \"{source}\""
                     for context, source in missing]
        table = {}
        for context, source in sorted(wanted & found.keys() | whole):
            table.setdefault(context, {})[source] = found[(context, source)]
        text = json.dumps(table, ensure_ascii=False, separators=(",", ":"), sort_keys=True)
        (args.out / f"{code}.json").write_text(text + "\n", encoding="utf-8")
    if problems:
        print("The web page's texts are not all translated:\n" + "\n".join(problems) +
              "\nBring the .ts files up to date (cmake --build build --target "
              "update_translations) and translate what is marked unfinished.", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
