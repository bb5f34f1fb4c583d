#!/usr/bin/env bash
# Installs what is missing, builds the tool and opens its window on the built-in simulated
# registers. Without a display it runs the same search from the command line instead. No real
# serial port is touched: demo mode lists only the simulator's ports.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target speedconf speedconf-cli
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/default/app/speedconf --demo
fi
echo "No display: searching the simulated registers from the command line." >&2
echo "To see the window, run: xvfb-run -a build/default/app/speedconf --demo" >&2
exec build/default/cli/speedconf-cli --demo scan
