#!/usr/bin/env bash
# Installs what is missing, builds the command line tool and searches the built-in simulated
# registers with it. No real serial port is touched: --demo uses only the simulator's ports.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target speedconf-cli
build/default/cli/speedconf-cli --demo scan
