#!/bin/sh
# Whole-process drawing of the benchmark CSV (1,000,000 rows x 4 series) into a
# 781 x 590 PNG: plotvane-render against matplotlib (numpy.loadtxt + Agg), with
# and without circle markers, in the same run. Needs python3-matplotlib (not
# part of the build). Usage: bench/compare_render.sh [BUILD_DIR]
set -eu
BUILD=${1:-build}
CSV=${TMPDIR:-/tmp}/plotvane-bench.csv
OUT=${TMPDIR:-/tmp}/plotvane-render-bench
mkdir -p "$OUT"
[ -f "$CSV" ] || PLOTVANE_BENCH_CSV=$CSV "$BUILD/bench/import_bench"

NOMARKERS="--series 0:marker=off --series 1:marker=off --series 2:marker=off --series 3:marker=off"
seconds() { /usr/bin/time -f %e "$@" 2>&1 >/dev/null | tail -1; }

for round in 1 2 3; do
    p1=$(seconds "$BUILD/app/plotvane-render" "$CSV" -o "$OUT/plotvane.png")
    # shellcheck disable=SC2086
    p0=$(seconds "$BUILD/app/plotvane-render" "$CSV" -o "$OUT/plotvane0.png" $NOMARKERS)
    for markers in 1 0; do
        /usr/bin/time -f %e -o "$OUT/mpl$markers.time" /usr/bin/python3 -c "
import numpy, matplotlib
matplotlib.use('Agg')
import matplotlib.pyplot as plt
d = numpy.loadtxt('$CSV', delimiter=',', skiprows=1)
fig = plt.figure(figsize=(7.81, 5.90), dpi=100)
ax = fig.add_subplot()
for k in range(1, 5):
    ax.plot(d[:, 0], d[:, k], marker='o' if $markers else None, markersize=4)
fig.savefig('$OUT/mpl$markers.png')
"
    done
    echo "round $round: with markers plotvane ${p1}s matplotlib $(cat "$OUT/mpl1.time")s;" \
         "without plotvane ${p0}s matplotlib $(cat "$OUT/mpl0.time")s"
done
