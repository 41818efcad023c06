#!/bin/sh
# Export of the benchmark CSV (1,000,000 rows x 4 series, circle markers) to
# every format: plotvane-render against matplotlib's savefig of the same data,
# in the same run. Plotvane's export time is its whole process minus a run
# that imports and draws the same frame without exporting; matplotlib's is
# savefig alone. Needs python3-matplotlib (not part of the build).
# Usage: bench/compare_export.sh [BUILD_DIR] [ROUNDS]
set -eu
BUILD=${1:-build}
ROUNDS=${2:-1}
CSV=${TMPDIR:-/tmp}/plotvane-bench.csv
OUT=${TMPDIR:-/tmp}/plotvane-export-bench
mkdir -p "$OUT"
[ -f "$CSV" ] || PLOTVANE_BENCH_CSV=$CSV "$BUILD/bench/import_bench" >/dev/null
seconds() { /usr/bin/time -f %e "$@" 2>&1 >/dev/null | tail -1; }

for round in $(seq "$ROUNDS"); do
    base=$(seconds "$BUILD/app/plotvane-render" "$CSV" --layout "$OUT/layout.json")
    line="round $round: import+frame ${base}s;"
    for ext in bmp png emf svg pdf; do
        t=$(seconds "$BUILD/app/plotvane-render" "$CSV" -o "$OUT/plotvane.$ext")
        size=$(stat -c %s "$OUT/plotvane.$ext" 2>/dev/null || echo 0)
        line="$line $ext $(echo "$t - $base" | bc)s $(echo "scale=1; $size / 1048576" | bc)MB;"
    done
    echo "plotvane $line"
    /usr/bin/python3 -c "
import time, numpy, matplotlib, os
matplotlib.use('Agg')
import matplotlib.pyplot as plt
d = numpy.loadtxt('$CSV', delimiter=',', skiprows=1)
fig = plt.figure(figsize=(7.81, 5.90), dpi=100)
ax = fig.add_subplot()
for k in range(1, 5):
    ax.plot(d[:, 0], d[:, k], marker='o', markersize=4)
line = 'matplotlib round $round:'
for ext in ('png', 'svg', 'pdf'):
    name = '$OUT/mpl.' + ext
    t = time.perf_counter()
    fig.savefig(name)
    line += ' %s %.2fs %.1fMB;' % (ext, time.perf_counter() - t, os.path.getsize(name) / 1048576)
print(line)
"
done
