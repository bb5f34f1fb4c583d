#!/usr/bin/env bash
# Takes docs/window.png: the window after a search of the demo registers, on a virtual display.
# Usage: bash scripts/window-screenshot.sh [build-dir]   (needs xvfb-run, xdotool, ImageMagick)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/default}"

if [ -z "${SCREENSHOT_INSIDE_XVFB:-}" ]; then
  SCREENSHOT_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$build"
fi

"$build/app/speedconf" --demo &
tool=$!
trap 'kill "$tool" 2>/dev/null || true' EXIT

window=$(xdotool search --sync --name "Конфигуратор скорости" | head -n1)
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
click 76 364   # Button1: list the demo ports
sleep 1
click 256 364  # Button2: search them

# The search ends with a message box; confirm it, then photograph the window.
for _ in $(seq 120); do
  box=$(xdotool search --onlyvisible --name '^speedconf$' 2>/dev/null | head -n1 || true)
  [ -n "$box" ] && break
  sleep 0.5
done
[ -n "$box" ] || { echo "the search did not end" >&2; exit 1; }
xdotool windowfocus --sync "$box" key Return
sleep 1
mkdir -p docs
import -window "$window" docs/window.png
echo "docs/window.png"
