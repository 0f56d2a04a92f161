#!/usr/bin/env bash
# Builds the engine and the four-player library natively with optimisation and runs the
# card-play benchmark (tools/bench_schafkopf.cpp, fixed seed; not a test). The last three
# lines are the figures: card_choice_us, deal_us (median and 99th percentile in microseconds)
# and deals_per_s. An argument sets the number of deals (default 5000).
set -uo pipefail
source "$(dirname "$0")/common.sh"

dir="$BUILD/bench"
configure_build "$dir" -DCMAKE_BUILD_TYPE=Release -DSCHAFKOPF_BENCH=ON || exit 2
cmake --build "$dir" -j "$JOBS" --target schafkopf_bench >/dev/null || exit 2
"$dir/tools/bench/schafkopf_bench" "$@"
