#!/usr/bin/env bash
# Builds the engine and the four-player library natively with optimisation and runs the
# duplicate match of the computer player (tools/match_schafkopf.cpp; not a test): level 5
# against random-legal seats and against level 0, every deal played four times with the
# tested seat moving round the table. The last two lines are the results, one per pairing:
#   match <tested>-vs-<opponent> deals=<n> per_game=<mean> ci95=<low>..<high>
# Arguments go to the program: the deals per pairing (default 5000), --seed=N, --reasons.
set -uo pipefail
source "$(dirname "$0")/common.sh"

dir="$BUILD/bench"
configure_build "$dir" -DCMAKE_BUILD_TYPE=Release -DSCHAFKOPF_BENCH=ON || exit 2
cmake --build "$dir" -j "$JOBS" --target schafkopf_match >/dev/null || exit 2
"$dir/tools/bench/schafkopf_match" "$@"
