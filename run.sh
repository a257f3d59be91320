#!/usr/bin/env bash
# Sets up, builds and starts Zonderel. Without a display it starts the program on a virtual
# one, saves a picture of its first window to build/screenshot.png and ends it.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZR_BUILD_TESTS=OFF
cmake --build build -j2

cd build/Zonderel
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec ./zrmain
fi
exec xvfb-run -a -s "-screen 0 1280x800x24" ../../scripts/screenshot.sh ./zrmain ../screenshot.png
