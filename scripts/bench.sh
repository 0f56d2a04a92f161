#!/usr/bin/env bash
# Builds the engine and the four-player library natively with optimisation and runs the
# card-play benchmark (tools/bench_schafkopf.cpp, fixed seed; not a test). The last three
# lines are the figures: card_choice_us, deal_us (median and 99th percentile in microseconds)
# and deals_per_s. An argument sets the number of deals (default 5000).
#
# scripts/bench.sh --series [DEALS] is the soak of the headless computer series instead (not
# part of the test run): every option set of the series test plays DEALS seeded deals
# (default 5000), each card checked against the reference rules, and each set prints its
# fall-back report by game group, phase, role and routine. The option sets cover the three
# partnership modes (German call, two-card partners, fixed partners), Ramsch and Leaster.
set -uo pipefail
source "$(dirname "$0")/common.sh"

dir="$BUILD/bench"
configure_build "$dir" -DCMAKE_BUILD_TYPE=Release -DSCHAFKOPF_BENCH=ON || exit 2
if [ "${1:-}" = "--series" ]; then
    per_set=${2:-5000}
    case $per_set in
        '' | *[!0-9]* | 0)
            echo "usage: scripts/bench.sh --series [DEALS per option set]" >&2
            exit 2
            ;;
    esac
    cmake --build "$dir" -j "$JOBS" --target fourplayer_tests >/dev/null || exit 2
    sets=$(grep -c '^    add(\[' "$ROOT/tests/games/fourplayer/SchafkopfSeriesTest.cpp")
    # The test shares the deals out over its option sets, one more each.
    total=$(((per_set - 1) * sets))
    [ "$total" -gt 0 ] || total=1
    SCHAFKOPF_SERIES_DEALS=$total SCHAFKOPF_SERIES_REPORT=1 \
        "$dir/tests/fourplayer_tests" --gtest_filter='SchafkopfSeries.ComputerSeriesOverEveryOptionSetKeepTheRules'
    exit $?
fi
cmake --build "$dir" -j "$JOBS" --target schafkopf_bench >/dev/null || exit 2
"$dir/tools/bench/schafkopf_bench" "$@"
