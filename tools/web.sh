#!/usr/bin/env bash
# The web edition: builds (or reuses) QtCore for WebAssembly, builds the engine module
# and the site, checks the module against the native engine under node, and leaves the
# site in build-web/site/. tools/dev.sh installs what this needs.
set -euo pipefail
cd "$(dirname "$0")/.."

# The Qt build talks on the terminal; only the prefix comes back here.
VRC_WEB_QT=$(bash tools/web-qt.sh)
[ -d "$VRC_WEB_QT" ] || {
    echo "web: tools/web-qt.sh gave no Qt prefix ('$VRC_WEB_QT')" >&2
    exit 1
}
export VRC_WEB_QT
# Emscripten's optimizer loads Debian's JavaScript modules, which another node does not
# look for by itself.
export NODE_PATH=/usr/share/nodejs

# The native engine the module is compared with.
cmake --preset default >/dev/null
cmake --build --preset default --target vrc_engine_oracle

# The page's browser tests: their npm packages, exactly as locked.
(cd tests/web && npm ci --no-audit --no-fund)

cmake --preset web
cmake --build --preset web
ctest --preset web
python3 bench/web_size.py build-web/site --symbols build-web/web/vrc_engine.js.symbols
