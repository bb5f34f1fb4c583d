#!/usr/bin/env bash
# Installs what the Windows cross build and its Wine test run need, beside the native build's
# packages (the simulator runs natively), from Debian 12's packages. Safe to run again.
# MinGW-w64 with the posix thread model, so std::thread and std::mutex work; GoogleTest's
# sources (/usr/src/googletest), which the cross build compiles.
set -euo pipefail
exec bash "$(dirname "$0")/install-deps.sh" g++-mingw-w64-x86-64-posix wine wine64 googletest
