#!/usr/bin/env bash
# Builds Vorlane 98 and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
build_dir=${VORLANE_BUILD_DIR:-build}
[ "${VORLANE_SANITIZE:-0}" = 1 ] && build_dir=${VORLANE_BUILD_DIR:-build-sanitize}
ctest --test-dir "$build_dir" --output-on-failure
