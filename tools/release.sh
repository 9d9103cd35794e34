#!/usr/bin/env bash
# The release files of the checked-out commit: builds the Debian package, the Windows
# installer and the zip, and the JavaScript package (reusing build/, build-windows/ and
# build-web/), tests them, and leaves them in dist/ with SHA256SUMS. Then builds them a second time from a copy elsewhere, under
# another umask, time zone and locale, and fails if any byte differs.
# tools/dev.sh installs what this needs.
#
#     bash tools/release.sh            # build, test, check, fill dist/
#     bash tools/release.sh --files    # build and fill dist/ only (the check's second build)
set -euo pipefail
cd "$(dirname "$0")/.."

files_only=no
case "${1:-}" in
"") ;;
--files) files_only=yes ;;
*)
    echo "usage: bash tools/release.sh [--files]" >&2
    exit 2
    ;;
esac

# Files built from changes not committed would carry a commit's name and time but not its
# contents.
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
    echo "release: the working tree has uncommitted changes; commit or stash them first" >&2
    git status --short --untracked-files=no >&2
    exit 1
fi
# Archive and file times in the packages.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH

# The second build needs none of the tests; the first reuses the test command's trees.
lean=()
[ "$files_only" = no ] || lean=(-DVRC_BUILD_TESTS=OFF -DVRC_BUILD_BENCH=OFF)

staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT

cmake --preset default "${lean[@]}"
cmake --build --preset default
[ "$files_only" = yes ] || ctest --preset default -L packaging --no-tests=error
# CPack gives the .deb's ar members the modes its files got on disk, from the umask.
(umask 022 && cpack --config build/CPackConfig.cmake -B "$staging/linux")

VRC_WINDOWS_QT=$(bash tools/windows-qt.sh)
export VRC_WINDOWS_QT
cmake --preset windows "${lean[@]}"
cmake --build --preset windows
# What can be checked of the Windows program without running it; the windows command
# runs it, and the installer, under Wine.
[ "$files_only" = yes ] || ctest --preset windows --no-tests=error -R '^windows_exe_(identity|headers)$'
cpack --config build-windows/CPackConfig.cmake -B "$staging/windows"

# The engine as a JavaScript package, from the web build (its QtCore cached as the
# Windows Qt is). Emscripten's optimizer needs Debian's JavaScript modules.
VRC_WEB_QT=$(bash tools/web-qt.sh)
export VRC_WEB_QT NODE_PATH=/usr/share/nodejs
cmake --preset web "${lean[@]}"
cmake --build --preset web --target web_package
[ "$files_only" = yes ] || ctest --preset web --no-tests=error -R '^web_package$'

rm -rf dist
mkdir dist
cp "$staging"/linux/*.deb "$staging"/windows/*-win64.exe "$staging"/windows/*-win64.zip \
    build-web/vornratingcalc-engine-*.tgz dist/
# Named one by one: a glob's order follows the locale.
(cd dist && sha256sum -- *.deb *-win64.exe *-win64.zip vornratingcalc-engine-*.tgz >SHA256SUMS)
cat dist/SHA256SUMS

[ "$files_only" = yes ] || bash tools/release-check.sh
