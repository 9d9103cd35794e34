# shellcheck shell=bash
# Sourced. A minimal Debian 12 (what `mmdebstrap --variant=apt` makes: apt and the
# essential packages, nothing a desktop would bring), built once from this machine's own
# apt sources and kept as a tarball under the user's cache.

# The archive lines this machine's apt uses for Debian 12 main: the root gets the same
# mirror, security and updates included. Fails, saying why, where there are none.
debian12_sources() {
    apt-cache policy 2>/dev/null | awk '
        /^ *[0-9]+ [a-z]+:\/\// { url = $2; suite = $3 }
        /release .*o=Debian,.*n=bookworm.*c=main/ {
            sub("/main$", "", suite)
            if (!seen[url " " suite]++) print "deb " url " " suite " main"
        }'
}

# debian12_tarball CACHE_DIR prints the tarball's path, building it first if there is
# none. Concurrent callers wait for one build; a build that was killed leaves only a
# temporary name behind, never a tarball that looks finished.
debian12_tarball() {
    local cache=$1 tarball=$1/bookworm-apt-lists.tar
    mkdir -p "$cache"
    exec {lock}>"$cache/.lock"
    flock "$lock"
    if [ ! -s "$tarball" ]; then
        local sources partial
        sources=$(debian12_sources)
        if [ -z "$sources" ]; then
            flock -u "$lock"
            echo "FAIL: this machine's apt knows no Debian 12 (bookworm) archive to build a root from" >&2
            return 1
        fi
        command -v mmdebstrap >/dev/null || {
            flock -u "$lock"
            echo "FAIL: mmdebstrap is not installed (package mmdebstrap)" >&2
            return 1
        }
        partial=$(mktemp "$cache/.partial-XXXXXX.tar")
        echo "Building a minimal Debian 12 root into $tarball (once) from:" >&2
        echo "$sources" >&2
        # The package lists stay in, so that each run only asks whether they changed.
        if ! mmdebstrap --quiet --variant=apt --mode=root --skip=cleanup/apt/lists bookworm \
            "$partial" "$sources" >&2; then
            rm -f "$partial"
            flock -u "$lock"
            echo "FAIL: mmdebstrap could not build a Debian 12 root (is the archive reachable?)" >&2
            return 1
        fi
        chmod 644 "$partial"
        mv -f "$partial" "$tarball"
    fi
    flock -u "$lock"
    exec {lock}>&-
    echo "$tarball"
}
