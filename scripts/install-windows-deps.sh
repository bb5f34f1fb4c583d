#!/usr/bin/env bash
# Installs what the Windows cross build and its Wine test run need, from Debian 12's packages.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  g++-mingw-w64-x86-64-posix  # the posix thread model: std::thread and std::mutex work
  wine wine64
  googletest                  # sources in /usr/src/googletest, built by the cross build
  cmake ninja-build
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
