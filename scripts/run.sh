#!/usr/bin/env bash
# Installs what is missing, builds everything, lays out the program folder
# with the demo database and starts the client from it (embedded engine, no server).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
cmake --build build --target program_folder
cd build/program
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display: starting the client under xvfb-run."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" ./Vexo "$@"
fi
exec ./Vexo "$@"
