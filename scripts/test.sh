#!/usr/bin/env bash
# Installs what is missing, builds one preset (default: "default") and runs all its tests.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
bash scripts/build.sh "$preset"
ctest --preset "$preset"
