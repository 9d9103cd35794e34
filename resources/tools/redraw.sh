#!/bin/sh
# Rebuilds the art tool and regenerates every image under resources/.
# Usage: resources/tools/redraw.sh [build-dir]   (default: <repo>/build-art)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
resources=$(dirname "$here")
build=${1:-$(dirname "$resources")/build-art}

# The tool's own directory configures as a project by itself: it needs nothing but Qt Gui.
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target vrc_draw_art -j2
# Offscreen: drawing needs fonts but no display.
QT_QPA_PLATFORM=offscreen "$build/vrc_draw_art" "$resources"
echo "images regenerated in $resources"
