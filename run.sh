#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
exec build/window/pied-a-coulisse
