#!/usr/bin/env bash
# Builds the program and starts it under Wine. Without a display it starts a virtual one,
# saves a screenshot a few seconds after the start (build/screenshot.png) and keeps the
# program running until it ends or is interrupted.
set -uo pipefail
source "$(dirname "$0")/common.sh"
trap cleanup EXIT
trap 'exit 130' INT TERM

ensure_packages || exit 2
choose_run_build
build_windows "$RUN_ARCH" "$RUN_BUILD" --target schafkopf || exit 2

virtual=0
if [ -z "${DISPLAY:-}" ]; then
    start_display || exit 2
    virtual=1
    log "no display set: the program runs on the virtual display $DISPLAY"
fi
start_wine

cd "$RUN_BUILD/bin"
"$WINE_LOADER" ./schafkopf.exe </dev/null &
program=$!
STARTED_PIDS+=($program)

if [ $virtual -eq 1 ]; then
    sleep 5
    if import -display "$DISPLAY" -window root "$BUILD/screenshot.png" 2>/dev/null; then
        log "screenshot saved: build/screenshot.png"
    fi
fi
wait $program
status=$?
log "the program ended (exit code $status)"
exit $status
