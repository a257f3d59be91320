#!/usr/bin/env bash
# Sets up, builds and runs every test; the exit status is the result.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/deps.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZR_SANITIZE=ON
cmake --build build/test -j2
cd build/test
ctest --output-on-failure -j2
