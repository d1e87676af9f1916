#!/usr/bin/env bash
# Direct printing with build-bench/stampadoc (Release, no sanitizers) into the raw queue of a private CUPS
# scheduler (scripts/print-scheduler), which keeps the job's bytes: wall time and peak memory of the
# program for a 1-page and a 100-page invoice, each beside the same invoice written into a new PDF file
# (the reference, measured in the same run), with the ratio of the two.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

# STAMPADOC_PROGRAM measures another build of the program instead (no build then).
if [ -n "${STAMPADOC_PROGRAM:-}" ]; then
  program=$STAMPADOC_PROGRAM
else
  scripts/deps
  cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DSTAMPADOC_TESTS=OFF -DSTAMPADOC_BENCH=OFF >/dev/null
  cmake --build build-bench --target stampadoc -j"$(nproc)" >/dev/null 2>&1 || { echo "bench: the build failed" >&2; exit 1; }
  program="$root/build-bench/stampadoc"
fi

work=$(mktemp -d)
eval "$(scripts/print-scheduler start)"
trap 'rm -rf "$work"; scripts/print-scheduler stop "$STAMPADOC_SCHEDULER_DIR"' EXIT
export HOME="$work"

. bench/invoice.sh

# Runs the program; sets wall (seconds) and peak (KiB).
measure() { # document switches...
  local document=$1 stats="$work/time.txt"
  shift
  /usr/bin/time -f '%e %M' -o "$stats" "$program" "/I=$document" /F=11110N10 /C=1 "$@" >/dev/null 2>&1
  if [ -e "$document" ]; then echo "bench: the run on $document failed" >&2; exit 1; fi
  read -r wall peak <"$stats"
}

pages() { pdfinfo "$1" | awk '/^Pages:/ { print $2 }'; }

# The jobs the raw queue has received so far.
captured() {
  local queue="$STAMPADOC_SCHEDULER_DIR/out/GREZZA"
  if [ -d "$queue" ]; then find "$queue" -name '*.prn' | wc -l; else echo 0; fi
}

compare() { # name lines
  make_invoice "$2" "$work/RIF.PDF" "$work/rif.txt"
  measure "$work/rif.txt" /R=70
  local ref_wall=$wall ref_peak=$peak ref_pages
  ref_pages=$(pages "$work/RIF.PDF")
  rm -f "$work/RIF.PDF"

  make_invoice "$2" "" "$work/stampa.txt"
  local last
  last=$(captured)
  measure "$work/stampa.txt" /S=GREZZA
  local start=$SECONDS
  until [ "$(captured)" -gt "$last" ]; do
    [ $((SECONDS - start)) -lt 120 ] || { echo "bench: the job did not reach the queue" >&2; exit 1; }
    sleep 0.05
  done
  local job
  job=$(ls -t "$STAMPADOC_SCHEDULER_DIR"/out/GREZZA/*.prn | head -1)
  printf '%s\n' "$1"
  printf '  PDF file (reference): wall %6.2f s  peak %7d KiB  %4d pages\n' "$ref_wall" "$ref_peak" "$ref_pages"
  printf '  direct printing:      wall %6.2f s  peak %7d KiB  %4d pages, %d bytes sent\n' "$wall" "$peak" \
    "$(pages "$job")" "$(stat -c %s "$job")"
  awk -v w="$wall" -v rw="$ref_wall" -v p="$peak" -v rp="$ref_peak" \
    'BEGIN { printf "  ratio direct/PDF:     wall %6.2f    peak %7.2f\n", (rw > 0 ? w / rw : 0), p / rp }'
}

compare "1-page invoice" 10
compare "100-page invoice" 4175
