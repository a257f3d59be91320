#!/usr/bin/env bash
# screenshot.sh PROGRAM OUTPUT.png: starts the program on the current display, waits for its
# first window, saves a picture of the screen and ends the program.
set -euo pipefail
program=$1
output=$2

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

for _ in $(seq 1 100); do
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "screenshot: $program ended before it showed a window" >&2
    exit 1
  fi
  if xwininfo -root -children 2>/dev/null | grep -q '"'; then
    break
  fi
  sleep 0.2
done
sleep 1 # let the window paint
/usr/bin/import -window root "$output"
echo "screenshot saved to $(realpath "$output")"
