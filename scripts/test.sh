#!/usr/bin/env bash
# Builds everything and runs every test: the portable code natively with the sanitizers, then all
# test programs under Wine on a virtual display. Ends with CTest's summary; exits with its code.
# Arguments go to both CTest runs (e.g. -R Handles to run some tests only).
set -uo pipefail
source "$(dirname "$0")/common.sh"
trap cleanup EXIT

ensure_packages || exit 2
log "native build (portable code, sanitizers)"
build_native || exit 2
choose_run_build
log "Windows build (32-bit)"
build_windows i686 "$WIN_BUILD" || exit 2
if [ "$RUN_ARCH" != i686 ]; then
    log "Windows build (64-bit, for running the tests)"
    build_windows "$RUN_ARCH" "$RUN_BUILD" || exit 2
fi

log "native tests"
(cd "$NATIVE_BUILD" && ctest --output-on-failure -j "$JOBS" --timeout 300 "$@")
native_status=$?

start_display || exit 2
start_wine
log "tests under Wine on display $DISPLAY"
(cd "$RUN_BUILD" && ctest --output-on-failure -j "$JOBS" --timeout 300 "$@")
wine_status=$?

[ $native_status -ne 0 ] && echo "native tests failed" >&2
[ $wine_status -ne 0 ] && exit $wine_status
exit $native_status
