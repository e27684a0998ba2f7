#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
echo "La fenêtre du programme arrive avec la prochaine étape ; le cœur de mesure est construit dans build/."
