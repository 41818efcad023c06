#!/bin/sh
# Set-up, build and start Plotvane. Until the window lands, this imports the
# bundled example data (or the file given) with the headless command, draws
# the chart into build/plotvane-example.png and says where it is.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)" --target plotvane-render
FILE=${1:-resources/examples/ringing.csv}
OUT=build/plotvane-example.png
build/app/plotvane-render --describe --summary "$FILE" -o "$OUT"
echo "Chart drawn to $(pwd)/$OUT"
