#!/usr/bin/env bash
# Shows the Qt Designer plugin as a person sees it. Runs Qt Designer with the plugin on a
# virtual screen, drops TPortControl on an empty form, opens its context menu with the Port
# list, and runs the verb; saves the screen at both moments.
# Usage: scripts/designer-screenshot.sh [BUILD_DIR] [OUT_DIR]   (default build/default, docs)
# Needs: xvfb-run, xdotool, ImageMagick's import, Qt Designer (scripts/install-deps.sh).
# The pointer positions below fit a 1280x900 screen and Qt Designer's docked window mode.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/default}"
out="$(realpath -m "${2:-docs}")"
plugin="$build/designer/plugin/libspeedconf_designer_plugin.so"
designer="$(qtpaths6 --query QT_HOST_BINS)/designer"

[ -f "$plugin" ] || { echo "no plugin at $plugin: build target speedconf_designer_plugin" >&2; exit 2; }
for tool in xvfb-run xdotool import "$designer"; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/install-deps.sh" >&2; exit 2; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/plugins/designer" "$work/home/.config/QtProject" "$out"
cp "$plugin" "$work/plugins/designer/"
# Its own settings, so that Qt Designer starts docked and a developer's settings stay as they are.
printf '[General]\nUI\\currentMode=2\n' >"$work/home/.config/QtProject/designer.conf"
cat >"$work/form.ui" <<'UI'
<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <property name="geometry"><rect><x>0</x><y>0</y><width>360</width><height>240</height></rect></property>
  <property name="windowTitle"><string>Form</string></property>
 </widget>
 <resources/>
 <connections/>
</ui>
UI

session() {
  local work="$1" out="$2" designer="$3"
  "$designer" "$work/form.ui" >"$work/designer.log" 2>&1 &
  local pid=$!
  trap 'kill "$pid" 2>/dev/null || true' EXIT

  # The main window is the largest window Qt Designer shows.
  local main="" deadline=$((SECONDS + 30))
  while [ -z "$main" ] && [ $SECONDS -lt $deadline ]; do
    sleep 1
    for window in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
      eval "$(xdotool getwindowgeometry --shell "$window")"
      [ "$WIDTH" -gt 400 ] && main="$window"
    done
  done
  [ -n "$main" ] || { echo "Qt Designer showed no window" >&2; cat "$work/designer.log" >&2; return 1; }
  xdotool windowsize "$main" 1280 900
  sleep 1

  # The widget box, filtered down to the component's page.
  xdotool mousemove 90 91 click 1
  xdotool type --delay 50 "TPortControl"
  sleep 1
  # Drag the component onto the form.
  xdotool mousemove 70 135 mousedown 1
  for x in 100 200 300 400; do xdotool mousemove "$x" 175; sleep 0.2; done
  xdotool mousemove 400 180
  sleep 0.3
  xdotool mouseup 1
  sleep 1
  # Its context menu, with the Port list open.
  xdotool mousemove 411 187 click 3
  sleep 1
  xdotool mousemove 460 219
  sleep 1
  import -window root "$out/designer-menu.png"
  # Run the verb.
  xdotool mousemove 500 197
  sleep 0.5
  xdotool click 1
  sleep 2
  import -window root "$out/designer.png"
}

# xvfb-run is a POSIX shell script, which does not pass on exported functions.
xvfb-run -a -s "-screen 0 1280x900x24" \
  env HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" QT_PLUGIN_PATH="$work/plugins" \
  bash -c "$(declare -f session); session \"\$@\"" session "$work" "$out" "$designer"
echo "saved $out/designer-menu.png and $out/designer.png"
