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
ninja -C "$build" -t deps | sed -e "s|$src/||" -e 's/, deps mtime .*//' | grep -v '^    /' |
    gzip -n >"$notices/object-sources.txt.gz"
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
    for name in record.get("LicenseFile", "").split(";"):
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
