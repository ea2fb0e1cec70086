#!/usr/bin/env bash
# Builds Vorlane 98 and runs it: for now the command line tool, listing the collection given
# as the first argument, or else the current collection of the working folder.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
bash "$repo/scripts/build.sh" >/dev/null
exec "$repo/${VORLANE_BUILD_DIR:-build}/bin/vorlane" list "$@"
