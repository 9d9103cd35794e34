#!/bin/sh
# Runs a link command given after the output file, keeping the lines wasm-ld's --trace
# prints (an object file, or archive(member)) in that file and passing the rest on.
out=$1
shift
"$@" >"$out.all" || { status=$?; cat "$out.all"; exit $status; }
grep -E '\.(o|obj|a\(.*\))$' "$out.all" | LC_ALL=C sort -u >"$out"
grep -vE '\.(o|obj|a\(.*\))$' "$out.all" || true
rm -f "$out.all"
