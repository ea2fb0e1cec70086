#!/usr/bin/env bash
# Configures and builds Vorlane 98 into build/ (or $VORLANE_BUILD_DIR).
# VORLANE_SANITIZE=1 builds with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build_dir=${VORLANE_BUILD_DIR:-build}
sanitize=OFF
if [ "${VORLANE_SANITIZE:-0}" = 1 ]; then
  sanitize=ON
  build_dir=${VORLANE_BUILD_DIR:-build-sanitize}
fi
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLANE_SANITIZE=$sanitize >/dev/null
cmake --build "$build_dir"
