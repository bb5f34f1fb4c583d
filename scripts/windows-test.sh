#!/usr/bin/env bash
# Cross-builds the Windows programs and tests with MinGW-w64 and runs the tests under Wine, on
# simulated registers: pseudo-terminals that a fresh Wine prefix maps to COM names.
# Self-contained and safe to run again. Wine runs only where the machine's real serial ports are
# hidden, because Wine maps every /dev/ttyS* to a COM name by itself.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

real_serial_ports() {
  local pattern
  for pattern in '/dev/ttyS*' '/dev/ttyUSB*' '/dev/ttyACM*' '/dev/ttyAMA*'; do
    compgen -G "$pattern" >/dev/null && return 0
  done
  return 1
}

if real_serial_ports; then
  for hider in "${SPEEDCONF_WITHOUT_SERIAL_PORTS:-}" "$root/../shared/tools/without-serial-ports" \
               /work/shared/tools/without-serial-ports; do
    if [ -n "$hider" ] && [ -f "$hider" ]; then exec bash "$hider" bash "$0" "$@"; fi
  done
  echo "windows-test: no without-serial-ports tool found; refusing to run Wine beside real serial ports" >&2
  exit 1
fi

started=$(date +%s)
say() { echo "== windows-test [$(($(date +%s) - started)) s] $*"; }

say "packages"
bash scripts/install-windows-deps.sh

# The simulator runs natively: a Windows program cannot make pseudo-terminals. Its own small
# build, so that nothing of the window's or the tests' set-up stands in its way.
say "native build of regsim"
cmake -S . -B build/windows-host -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSPEEDCONF_WITH_QT=OFF \
  -DSPEEDCONF_BUILD_TESTS=OFF -DSPEEDCONF_BUILD_BENCH=OFF >/dev/null
cmake --build build/windows-host --target regsim -j2 >/dev/null

say "cross build"
cmake --preset windows >/dev/null
cmake --build --preset windows -j2 >/dev/null

work=$(mktemp -d /tmp/speedconf-wine.XXXXXX)
# Wine keeps its server's socket folder under TMPDIR: inside the work folder, it goes with it.
export WINEPREFIX="$work/prefix" TMPDIR="$work/tmp" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX" "$TMPDIR"
regsim_pids=()
stop_all() {
  # Wine first: a pseudo-terminal that closes under the wineserver floods it with hang-ups.
  wineserver -k 2>/dev/null || true
  for pid in "${regsim_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${regsim_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap stop_all EXIT

# Starts one simulated register for a COM name: start_register COMn REGSIM-ARGUMENTS...
declare -A com_port
start_register() {
  local name=$1 out="$work/regsim.$1"
  shift
  build/windows-host/sim/regsim "$@" >"$out" 2>&1 &
  regsim_pids+=($!)
  for _ in $(seq 50); do
    if [ -s "$out" ]; then
      com_port[$name]="/dev/$(head -n1 "$out")"
      return
    fi
    sleep 0.1
  done
  echo "windows-test: regsim $* printed no port" >&2
  cat "$out" >&2
  exit 1
}

say "simulated registers"
# Two-digit names too: they open only in the device name space.
start_register COM9 --speed 19200
start_register COM10 --speed 9600
start_register COM12 --speed 9600 --fault vanish
export SPEEDCONF_WINE_PORTS="search=COM9:19200 change=COM10:9600 vanish=COM12:9600"

say "Wine prefix $WINEPREFIX"
# One persistent server whose output goes to a file: Wine's helpers inherit the first program's
# output, so a pipe would wait for the server to exit.
wineserver -p >"$work/wineserver.log" 2>&1
wineboot -i >"$work/wineboot.log" 2>&1
# Each COM name links to its pseudo-terminal in the prefix's device folder, and is listed under
# SERIALCOMM as Windows lists its ports. (Ports given to Wine's mount manager instead open as
# devices that refuse the communications calls.)
{
  echo "REGEDIT4"
  echo
  echo "[HKEY_LOCAL_MACHINE\\HARDWARE\\DEVICEMAP\\SERIALCOMM]"
  for name in "${!com_port[@]}"; do
    ln -sfn "${com_port[$name]}" "$WINEPREFIX/dosdevices/${name,,}"
    echo "\"\\\\Device\\\\Serial$((${name#COM} - 1))\"=\"$name\""
  done
} >"$work/ports.reg"
wine regedit /S "$(winepath -w "$work/ports.reg")" >>"$work/wineboot.log" 2>&1

cli=build/windows/cli/speedconf-cli.exe
if [ -f "$cli" ]; then
  say "speedconf-cli.exe under Wine"
  wine "$cli" ports | tr -d '\r' >"$work/ports.txt"
  for name in "${!com_port[@]}"; do
    grep -qx "$name" "$work/ports.txt" || { echo "windows-test: 'ports' did not list $name" >&2; exit 1; }
  done
  wine "$cli" --json scan COM9 | tr -d '\r' >"$work/scan.json"
  grep -q '"outcome":"found","port":"COM9","speed":19200' "$work/scan.json" ||
    { echo "windows-test: 'scan COM9' did not find the register at 19200:" >&2; cat "$work/scan.json" >&2; exit 1; }
fi

say "tests under Wine"
ctest --test-dir build/windows --output-on-failure

say "done"
