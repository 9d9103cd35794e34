# shellcheck shell=bash
# Sourced by the Qt scripts (tools/qt-source.sh, tools/windows-qt.sh, tools/web-qt.sh):
# holds a lock on one cache entry until the script ends, so that a second run of the
# same build waits for the first and then uses its result, instead of deleting the
# folders the first is building in. The kernel drops the lock when its holder dies, and
# a killed build leaves no `.complete` mark, so the next run starts it again.
#
#     . tools/qt-lock.sh
#     hold_lock LABEL LOCK_FILE
hold_lock() {
    local label=$1 lock=$2 fd
    mkdir -p "$(dirname "$lock")"
    exec {fd}>"$lock"
    if ! flock --nonblock "$fd"; then
        echo "$label: another run is building this already; waiting for it to finish ($lock)"
        flock "$fd"
        echo "$label: the other run has finished"
    fi
}
