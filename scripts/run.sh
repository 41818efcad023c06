#!/bin/sh
# Set-up, build and start Plotvane. Until the window lands, this runs the
# headless command on the bundled example data (or on the file given).
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)" --target plotvane-render
FILE=${1:-resources/examples/ringing.csv}
exec build/app/plotvane-render --describe --summary "$FILE"
