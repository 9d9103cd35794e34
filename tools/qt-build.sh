# shellcheck shell=bash disable=SC2154  # the variables named below are the caller's
# Sourced by the Qt build scripts (tools/windows-qt.sh, tools/web-qt.sh): configures,
# compiles and installs Qt from Debian's source package so that the result depends on
# the source and the options alone, then keeps what the licence notices need beside it.
#
#     . tools/qt-build.sh
#     build_qt LABEL "EXTRA_COMPILER_FLAGS" CMAKE_ARGUMENT...
#
# Reads the caller's repo, src, cache, key, build, root, prefix, configured_prefix,
# source_name, build_name and options (the feature options, which the notices record).
build_qt() {
    local label=$1 flags=$2
    shift 2
    # Time stamps Qt's tools write (rcc's file times) come from the source package's own
    # date, so the libraries do not change with the day they were built.
    SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Timestamp)
    export SOURCE_DATE_EPOCH
    local prefix_maps="-ffile-prefix-map=$src=$source_name -ffile-prefix-map=$build=$build_name"
    local log=$cache/configure-$key.log
    rm -rf "$build" "$root"
    cmake -S "$src" -B "$build" -G Ninja "$@" \
        -DCMAKE_INSTALL_PREFIX="$configured_prefix" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        "${options[@]}" \
        "-DCMAKE_C_FLAGS=${flags:+$flags }$prefix_maps" \
        "-DCMAKE_CXX_FLAGS=${flags:+$flags }$prefix_maps" >"$log" 2>&1 ||
        { tail -n 40 "$log"; exit 1; }
    # Ninja's status: steps done of all, the share done and the seconds so far. On a
    # terminal it is one line that keeps changing; in a log, one line a step.
    echo "$label: compiling"
    NINJA_STATUS="[%f/%t %p, %e s] " cmake --build "$build" --parallel "$(nproc)"
    echo "$label: installing into $prefix"
    DESTDIR=$root cmake --install "$build" >/dev/null
    bash "$repo/tools/keep-qt-notices.sh" "$src" "$build" "$prefix/share/vornratingcalc-notices" \
        "${options[@]}"
    touch "$root/.complete"
    rm -rf "$build"
}
