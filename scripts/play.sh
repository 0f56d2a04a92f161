#!/usr/bin/env bash
# Builds the program and starts it under Wine. Without a display it starts a virtual one of
# 1280 x 1024 (room for every table size), deals the first hand by a click on the table once
# the table stands, waits until the table asks "Do you want to play?", saves a screenshot
# (build/screenshot.png) and keeps the program running until it ends or is interrupted.
set -uo pipefail
source "$(dirname "$0")/common.sh"
trap cleanup EXIT
trap 'exit 130' INT TERM

ensure_packages || exit 2
choose_run_build
build_windows "$RUN_ARCH" "$RUN_BUILD" --target schafkopf || exit 2

virtual=0
if [ -z "${DISPLAY:-}" ]; then
    start_display 1280x1024 || exit 2
    virtual=1
    log "no display set: the program runs on the virtual display $DISPLAY (1280 x 1024)"
fi
start_wine

# The player's own folder: the program's files linked afresh from the build, the preferences
# file left as the player's last game wrote it. The tests run the program in the build's own
# folder and leave their settings there; they never touch these.
PLAY_DIR="$RUN_BUILD/play"
mkdir -p "$PLAY_DIR"
find "$PLAY_DIR" -mindepth 1 -maxdepth 1 ! -name '*.prf' -exec rm -rf {} +
for entry in "$RUN_BUILD/bin"/*; do
    case "$entry" in *.prf) continue ;; esac
    cp -al "$entry" "$PLAY_DIR/"
done
cd "$PLAY_DIR"
"$WINE_LOADER" ./schafkopf.exe </dev/null &
program=$!
STARTED_PIDS+=($program)

if [ $virtual -eq 1 ]; then
    if python3 "$ROOT/tools/play_start.py" --display "$DISPLAY" --pictures "$RUN_BUILD/resources/table" \
        --screenshot "$BUILD/screenshot.png"; then
        log "screenshot saved: build/screenshot.png"
    else
        log "no screenshot: the table did not come up as expected"
    fi
fi
log "how to play: a click on a card plays it; a right click or Return puts the trick away;"
log "Ctrl+H suggests a card or an answer; the Game menu deals anew (New Deal) and gives up."
log "the program runs until it is closed (or this script is interrupted)"
wait $program
status=$?
log "the program ended (exit code $status)"
exit $status
