#!/usr/bin/env bash
# Makes the emscripten SDK folder Qt's CMake files look for (named by EMSDK), holding
# only Debian's emcc and CMake toolchain, and prints its path:
#
#     export EMSDK=$(bash tools/emsdk.sh)
set -euo pipefail
emsdk=${XDG_CACHE_HOME:-$HOME/.cache}/vornratingcalc/emsdk
mkdir -p "$emsdk/upstream/emscripten"
ln -sf /usr/bin/emcc "$emsdk/upstream/emscripten/emcc"
ln -sfn /usr/share/emscripten/cmake "$emsdk/upstream/emscripten/cmake"
echo "EMSCRIPTEN_ROOT = '/upstream/emscripten'" >"$emsdk/.emscripten"
echo "$emsdk"
