#!/usr/bin/env python3
"""What the web page downloads: each file of the site raw and gzipped, the total
against the budget, and where the engine module's room goes (its sections, and its
largest functions by name from the link's symbol map).

    python3 bench/web_size.py build-web/site [--symbols build-web/web/vrc_engine.js.symbols]

Exits 1 when the site is over budget."""
import argparse
import gzip
import pathlib
import re
import subprocess
import sys

BUDGET = 1_000_000  # bytes, gzipped, for everything the page may load


def gzipped(data: bytes) -> int:
    return len(gzip.compress(data, compresslevel=9, mtime=0))


def wasm_room(wasm: pathlib.Path, symbols: pathlib.Path | None, top: int) -> None:
    headers = subprocess.run(["wasm-objdump", "-h", str(wasm)], check=True,
                             capture_output=True, text=True).stdout
    print(f"\n{wasm.name} sections (bytes):")
    for name, size in re.findall(r"^\s*(\w+) start=.*\(size=(0x[0-9a-f]+)\)", headers, re.M):
        print(f"  {name:<10} {int(size, 16):>9}")
    names = {}
    if symbols and symbols.exists():
        for line in symbols.read_text().splitlines():
            index, _, name = line.partition(":")
            names[int(index)] = name
    code = subprocess.run(["wasm-objdump", "-x", "-j", "Code", str(wasm)], check=True,
                          capture_output=True, text=True).stdout
    functions = [(int(size), int(index)) for index, size in
                 re.findall(r"func\[(\d+)\] size=(\d+)", code)]
    functions.sort(reverse=True)
    print(f"largest of {len(functions)} functions (bytes of code):")
    for size, index in functions[:top]:
        print(f"  {size:>7}  {names.get(index, f'func[{index}]')[:100]}")


def main() -> int:
    parser = argparse.ArgumentParser()
    parser.add_argument("site", type=pathlib.Path)
    parser.add_argument("--symbols", type=pathlib.Path)
    parser.add_argument("--top", type=int, default=15)
    args = parser.parse_args()

    total_raw = total_gzip = 0
    print(f"{'file':<40} {'bytes':>10} {'gzip':>10}")
    for path in sorted(p for p in args.site.rglob("*") if p.is_file()):
        data = path.read_bytes()
        packed = gzipped(data)
        total_raw += len(data)
        total_gzip += packed
        print(f"{str(path.relative_to(args.site)):<40} {len(data):>10} {packed:>10}")
    print(f"{'total':<40} {total_raw:>10} {total_gzip:>10}  (budget {BUDGET} gzip)")

    for wasm in sorted(args.site.glob("*.wasm")):
        wasm_room(wasm, args.symbols, args.top)

    if total_gzip > BUDGET:
        print(f"over budget by {total_gzip - BUDGET} bytes", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
