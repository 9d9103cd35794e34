#!/usr/bin/env bash
# Keeps, beside a Qt just built, what the licence notices of a program linked against
# it are made from: which source files each object file was compiled from (paths
# relative to the source; headers outside it left out), the attribution records of the
# code Qt bundles with the licence texts they name, and how Qt was configured.
#
#     bash tools/keep-qt-notices.sh SOURCE BUILD NOTICES_DIR [CONFIGURE_OPTION...]
set -euo pipefail
src=$1 build=$2 notices=$3
shift 3
echo "keep-qt-notices: keeping what the licence notices need in $notices" >&2
rm -rf "$notices"
mkdir -p "$notices/source"
# A resource object's one source is rcc's output in the build; what it embeds is what
# that output was made from. Sources written at configure time have no inputs to name.
ninja -C "$build" -t deps | python3 -c '
import re, subprocess, sys
src, build = sys.argv[1] + "/", sys.argv[2] + "/"
made_from = {}
def inputs(path):
    if path not in made_from:
        query = subprocess.run(["ninja", "-C", build, "-t", "query", path[len(build):]],
                               capture_output=True, text=True).stdout
        made_from[path] = re.findall(r"^    (/\S+)$", query.split("  outputs:")[0], re.M)
    return made_from[path]
for line in sys.stdin:
    if not line.startswith(" "):
        print(re.sub(r", deps mtime .*", "", line.rstrip("\n")))
        continue
    path = line.strip()
    for source in inputs(path) if path.startswith(build) and "/.rcc/" in path else [path]:
        if source.startswith(src):
            print("    " + source[len(src):])
' "$src" "$build" | gzip -n >"$notices/object-sources.txt.gz"
cd "$src"
find . -name qt_attribution.json -not -path './debian/*' -print0 | LC_ALL=C sort -z |
    while IFS= read -r -d '' json; do
        dir=$(dirname "$json")
        mkdir -p "$notices/source/$dir"
        cp "$json" "$notices/source/$json"
        # The licence files a record names lie beside it.
        python3 - "$json" <<'PY' | while IFS= read -r licence; do
import json, sys
# Some records hold raw control characters in their strings.
records = json.loads(open(sys.argv[1], encoding="utf-8").read(), strict=False)
for record in records if isinstance(records, list) else [records]:
    for key in ("LicenseFile", "LicenseFiles", "CopyrightFile"):
        names = record.get(key) or []
        for name in names.split(";") if isinstance(names, str) else names:
            if name.strip():
                print(name.strip())
PY
            if [ -f "$dir/$licence" ]; then
                mkdir -p "$notices/source/$(dirname "$dir/$licence")"
                cp "$dir/$licence" "$notices/source/$dir/$licence"
            fi
        done
    done
[ -d LICENSES ] && cp -r LICENSES "$notices/source/LICENSES"
{
    echo "qt6-base $(dpkg-query -W -f='${Version}' qt6-base-dev-tools)"
    printf '%s\n' "$@"
} >"$notices/configuration.txt"
