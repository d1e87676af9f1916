#!/usr/bin/env bash
# The whole process of a 1-page invoice into a new PDF file (build-bench/stampadoc, Release) against
# Ghostscript rendering a comparable one-page vector invoice (bench/vector_invoice.pdf) to a 600 dpi PBM
# file: median wall and processor times (user + system) of alternating runs, and their ratios (the goal is
# at most 0.8; on a busy machine the processor times are the steadier figure).
# Also the peak memory of the 100-page invoice (the goal is at most 64 MB).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs=${RUNS:-15}

scripts/deps
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DSTAMPADOC_TESTS=OFF -DSTAMPADOC_BENCH=OFF >/dev/null
cmake --build build-bench --target stampadoc -j"$(nproc)" >/dev/null 2>&1 || { echo "bench: the build failed" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp build-bench/stampadoc src/layout/retino.bmp "$work/"

. bench/invoice.sh
make_invoice 10 "$work/UNO.PDF" "$work/uno.tpl"

timed() { # output command...: appends "wall_ms cpu_ms" to output
  local out=$1
  shift
  /usr/bin/time -f '%e %U %S' -o "$work/time.txt" "$@" >/dev/null 2>&1
  awk '{ printf "%d %d\n", $1 * 1000, ($2 + $3) * 1000 }' "$work/time.txt" >>"$out"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

: >"$work/ours"
: >"$work/gs"
for _ in $(seq "$runs"); do
  rm -f "$work"/UNO.PDF*
  cp "$work/uno.tpl" "$work/uno.txt"
  timed "$work/ours" "$work/stampadoc" "/I=$work/uno.txt" /F=11110N10 /C=1 /R=72
  [ ! -e "$work/uno.txt" ] || { echo "bench: the run failed" >&2; exit 1; }
  timed "$work/gs" gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=pbmraw -r600 -o "$work/page.pbm" bench/vector_invoice.pdf
done
for column in 1 2; do
  ours=$(cut -d' ' -f$column "$work/ours" | median)
  ghost=$(cut -d' ' -f$column "$work/gs" | median)
  what=$([ $column = 1 ] && echo "wall time" || echo "processor time")
  echo "$what (median of $runs): 1-page invoice into a new PDF file ${ours} ms, Ghostscript vector invoice to a 600 dpi PBM ${ghost} ms"
  awk -v a="$ours" -v b="$ghost" 'BEGIN { printf "  ratio %.2f (goal at most 0.80)\n", a / b }'
done

make_invoice 4175 "$work/CENTO.PDF" "$work/cento.txt"
/usr/bin/time -v -o "$work/time.txt" "$work/stampadoc" "/I=$work/cento.txt" /F=11110N10 /C=1 /R=72 >/dev/null 2>&1
peak=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")
wall=$(awk -F': ' '/Elapsed \(wall clock\)/ { print $2 }' "$work/time.txt")
echo "100-page invoice: $(pdfinfo "$work/CENTO.PDF" | awk '/^Pages:/ { print $2 }') pages, wall $wall, peak memory $((peak / 1024)) MB (goal at most 64)"
