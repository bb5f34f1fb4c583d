#!/usr/bin/env bash
# Installs every build and test dependency from Debian 12's packages.
# Safe to run again: apt-get skips what is already there. Packages named as arguments are
# installed as well (scripts/install-windows-deps.sh adds the cross build's).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools libqt6svg6
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  clang libclang-rt-14-dev
  xvfb xauth
  fonts-dejavu-core fonts-dejavu-extra
  # The Qt Designer plugin: Qt Designer's CMake package needs the OpenGL module's; the rest
  # runs Qt Designer with the plugin for scripts/designer-screenshot.sh.
  libqt6opengl6-dev designer-qt6 xdotool imagemagick
  "$@"
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
