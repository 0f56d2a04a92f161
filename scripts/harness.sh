#!/usr/bin/env bash
# The player harness: builds the harness program (the real program that also publishes the
# table's state), starts it under Wine on a virtual screen of 1280 x 1024 and drives it with
# real X input (xdotool), checking screenshots (import) against the layout and the table's
# pictures at the table sizes 0, 1 and 2. Arguments go to tools/table_harness.py.
set -uo pipefail
source "$(dirname "$0")/common.sh"
trap cleanup EXIT
trap 'exit 130' INT TERM

ensure_packages || exit 2
install_packages xdotool
choose_run_build
build_windows "$RUN_ARCH" "$RUN_BUILD" --target schafkopf_harness persona0 || exit 2

# A screen of its own that holds the largest table.
for n in $(seq 200 299); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        STARTED_PIDS+=($!)
        export DISPLAY=":$n"
        for _ in $(seq 1 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            sleep 0.1
        done
        break
    fi
done
start_wine

work="$BUILD/harness"
rm -rf "$work"
mkdir -p "$work"
export SCHAFKOPF_HARNESS_DIR
SCHAFKOPF_HARNESS_DIR="Z:${work//\//\\}"
python3 "$ROOT/tools/${HARNESS_TOOL:-table_harness.py}" --wine "$WINE_LOADER" --program "$RUN_BUILD/bin/schafkopf_harness.exe" \
    --work "$work" --pictures "$RUN_BUILD/resources/table" "$@"
