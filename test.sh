#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the whole suite headless.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
export QT_QPA_PLATFORM=offscreen
mkdir -p -m 0700 build/runtime
cd build
ctest --output-on-failure -j"$(nproc)"
