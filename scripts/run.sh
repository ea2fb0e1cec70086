#!/usr/bin/env bash
# Builds Vorlane 98 and starts the desktop program. It starts in a working folder of its
# own (the start directory, where the settings file VRLAN3.INI and the collections live),
# which is given the sample collection on the first run, so the sample puzzles show at once.
# Any arguments go to the program: a collection file to open.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
bash "$repo/scripts/build.sh" >/dev/null
bin="$repo/${VORLANE_BUILD_DIR:-build}/bin"
start="${VORLANE_START_DIR:-$repo/${VORLANE_BUILD_DIR:-build}/run}"
mkdir -p "$start"
[ -e "$start/SAMPLE.VL3" ] || cp "$bin/SAMPLE.VL3" "$start/SAMPLE.VL3"
args=()
for a in "$@"; do args+=("$(realpath -m -- "$a")"); done
cd "$start"
exec "$bin/vorlane98" "${args[@]}"
