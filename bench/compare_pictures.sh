#!/bin/bash
# Draws a fixed set of charts with two builds of plotvane-render and says which
# outputs differ: PNG, SVG and the --layout JSON byte for byte, EMF without its
# header record and the text records' copy of its scale (the reference size),
# PDF without its date, or by its pages drawn with pdftoppm when the bytes
# differ (Qt writes the embedded fonts in an order that changes from run to
# run).
# Usage: bench/compare_pictures.sh OLD_RENDER NEW_RENDER [OUT_DIR]
# A refactoring that must not change a picture runs it with the render program
# of the commit before and after; COMPARE_ONLY=1 compares the files of an
# earlier run again. Needs python3-numpy for the generated data,
# ImageMagick and poppler-utils.
set -u
OLD=$1
NEW=$2
OUT=${3:-${TMPDIR:-/tmp}/plotvane-pictures}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$OUT/old" "$OUT/new" "$OUT/data"

RINGING=$ROOT/resources/examples/ringing.csv
BIG=$OUT/data/noisy100k.csv
[ -f "$BIG" ] || /usr/bin/python3 "$ROOT/../shared/bench-data/noisy_csv.py" 100000 "$BIG" \
    || python3 - "$BIG" <<'EOF'
import math, random, sys
random.seed(1)
with open(sys.argv[1], "w") as f:
    f.write("X,Y1,Y2,Y3\n")
    for i in range(100000):
        t = i * 0.0125
        f.write("%.9g,%.6g,%.7g,%.8g\n" % (100 + t, math.sin(t) + random.gauss(0, .1),
                1.5 * math.sin(1.3 * t) + 3 + random.gauss(0, .15), math.cos(t) - 3 + random.gauss(0, .2)))
EOF
# A wall picture of our own.
PIC=$OUT/data/wall.png
[ -f "$PIC" ] || "$NEW" "$RINGING" -o "$PIC" --size 64x48 >/dev/null 2>&1

NOMARKERS="--series 0:marker=off --series 1:marker=off --series 2:marker=off"
SETS=(
    "plain|"
    "nomarkers|NOMARKERS"
    "left|--legend left"
    "top|--legend top"
    "bottom|--legend bottom"
    "dressed|--shadow --border --title 電圧の応答波形 --title-align left --axis-font IPAPGothic,12 --title-font Liberation\\ Serif,14"
    "styles|--series 0:smooth=on,style=dash,marker-style=rectangle,marker-size=4 --series 1:width=3,style=dot,marker-style=triangle"
    "colours|--panel-color '#FFEECC' --wall-color '#103050' --legend top --shadow"
    "picture|--wall-picture $PIC --title-align right"
    "manual|MANUAL"
    "mags|--xmag 1000 --ymag 0.001 --prefix-in-titles"
    "small|--size 300x200 --legend bottom"
    "titles|--x-title 時間 --y-title 振幅 --prefix-in-titles --legend left"
)

run() { # BIN DIR NAME DATA FLAGS...
    local bin=$1 dir=$2 name=$3 data=$4
    shift 4
    for ext in png svg pdf emf; do
        eval "\"$bin\" \"$data\" -o \"$dir/$name.$ext\" --layout \"$dir/$name.$ext.json\" $*" >/dev/null 2>&1 \
            || echo "failed: $bin $name.$ext" >&2
    done
    # The layout alone, without a picture.
    eval "\"$bin\" \"$data\" --layout \"$dir/$name.only.json\" $*" >/dev/null 2>&1 || echo "failed: $bin $name layout" >&2
    "$bin" --describe "$data" >"$dir/$name.describe.json" 2>/dev/null
}

# COMPARE_ONLY=1 compares the outputs of an earlier run again.
[ "${COMPARE_ONLY:-}" = 1 ] || for data in "$RINGING" "$BIG"; do
    tag=$(basename "$data" .csv)
    for set in "${SETS[@]}"; do
        name=$tag-${set%%|*}
        flags=${set#*|}
        if [ "$flags" = NOMARKERS ]; then
            flags=$NOMARKERS
            [ "$tag" = ringing ] || flags="$flags --series 3:marker=off"
        fi
        if [ "$flags" = MANUAL ]; then
            flags="--no-autosize --xmax 0.0006 --xmin 0.0001 --ymax 3 --ymin -2 --yinc 0.5"
            [ "$tag" = ringing ] || flags="--no-autosize --xmax 900 --xmin 300 --ymax 5 --ymin -4 --yinc 1"
        fi
        run "$OLD" "$OUT/old" "$name" "$data" "$flags"
        run "$NEW" "$OUT/new" "$name" "$data" "$flags"
    done
done

strip_pdf() { LC_ALL=C sed -e '/CreationDate/d' -e '/ModDate/d' "$1"; }
same_pdf() {
    cmp -s <(strip_pdf "$1") <(strip_pdf "$2") && return 0
    pdftoppm -r 96 -png "$1" "$OUT/pdf-a" && pdftoppm -r 96 -png "$2" "$OUT/pdf-b" || return 1
    [ "$(compare -metric AE "$OUT/pdf-a-1.png" "$OUT/pdf-b-1.png" null: 2>&1)" = 0 ]
}
# The records after the header, with the scale each text record repeats from
# the reference device (exScale, eyScale) left out.
strip_emf() { python3 -c "
import struct, sys
b = open(sys.argv[1], 'rb').read()
o = struct.unpack_from('<I', b, 4)[0]
out = []
while o + 8 <= len(b):
    t, n = struct.unpack_from('<II', b, o)
    if n < 8:
        break
    r = b[o:o + n]
    if t == 84 and len(r) >= 36:
        r = r[:28] + bytes(8) + r[36:]
    out.append(r)
    o += n
sys.stdout.buffer.write(b''.join(out))" "$1"; }

same=0
differ=0
for f in "$OUT"/old/*; do
    n=$(basename "$f")
    g=$OUT/new/$n
    case $n in
    *.pdf) same_pdf "$f" "$g" ;;
    *.emf) cmp -s <(strip_emf "$f") <(strip_emf "$g") ;;
    *) cmp -s "$f" "$g" ;;
    esac
    if [ $? -eq 0 ]; then
        same=$((same + 1))
    else
        differ=$((differ + 1))
        echo "differs: $n"
    fi
done
echo "$same identical, $differ different"
[ "$differ" -eq 0 ]
