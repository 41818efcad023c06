#!/bin/sh
# Set-up, build and start Plotvane on the bundled example data (or the file
# given). The window needs a desktop session (an X or Wayland display); without
# one, build/app/plotvane-render draws charts headless.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)" --target plotvane
FILE=${1:-resources/examples/ringing.csv}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No desktop session (DISPLAY is not set): the window cannot open." >&2
    echo "Draw the chart headless instead:  build/app/plotvane-render \"$FILE\" -o chart.png" >&2
    exit 1
fi
exec build/app/window/plotvane "$FILE"
