#!/bin/sh
# Whole-process import of the benchmark CSV (1,000,000 rows x 4 series):
# plotvane-render --describe --summary against pandas.read_csv in the same run.
# Needs python3-pandas (not part of the build). Usage: bench/compare_import.sh [BUILD_DIR]
set -eu
BUILD=${1:-build}
CSV=${TMPDIR:-/tmp}/plotvane-bench.csv
PLOTVANE_BENCH_CSV=$CSV "$BUILD/bench/import_bench"
ls -l "$CSV"

for round in 1 2 3; do
    start=$(date +%s.%N)
    "$BUILD/app/plotvane-render" --describe --summary "$CSV" >/dev/null
    mid=$(date +%s.%N)
    /usr/bin/python3 -c "
import time, pandas
t = time.perf_counter()
pandas.read_csv('$CSV')
print('pandas.read_csv parse: %.3f s' % (time.perf_counter() - t))"
    echo "round $round: plotvane-render whole process: $(echo "$mid - $start" | bc) s"
done
/usr/bin/time -v "$BUILD/app/plotvane-render" --describe --summary "$CSV" 2>&1 >/dev/null | grep -E 'Maximum resident|Elapsed'
