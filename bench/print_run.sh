#!/usr/bin/env bash
# Wall time and peak memory of build-bench/stampadoc (Release, no sanitizers):
#   1. a 1-page invoice into a new PDF file;
#   2. a 100-page invoice into a new PDF file;
#   3. a 1-page invoice appended to a PDF file that already holds 1000 documents.
# The 1000-document file is made once by 1000 runs and kept in build-bench/bench/ for later runs.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/deps
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DSTAMPADOC_TESTS=OFF -DSTAMPADOC_BENCH=OFF >/dev/null
cmake --build build-bench --target stampadoc -j"$(nproc)" >/dev/null 2>&1 || { echo "bench: the build failed" >&2; exit 1; }
program="$root/build-bench/stampadoc"

data="$root/build-bench/bench"
mkdir -p "$data"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

. bench/invoice.sh

run() { # name document
  local stats="$work/time.txt"
  /usr/bin/time -v -o "$stats" "$program" "/I=$2" /F=11110N10 /C=1 /R=72 >/dev/null 2>&1
  if [ -e "$2" ]; then echo "$1: the run failed" >&2; exit 1; fi
  local wall peak
  wall=$(awk -F': ' '/Elapsed \(wall clock\)/ { print $2 }' "$stats")
  peak=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$stats")
  printf '%-44s wall %8s   peak memory %7d KiB\n' "$1" "$wall" "$peak"
}

pages() { pdfinfo "$1" | awk '/^Pages:/ { print $2 }'; }

make_invoice 10 "$work/UNO.PDF" "$work/uno.txt"
run "1-page invoice into a new PDF file" "$work/uno.txt"
echo "  $(pages "$work/UNO.PDF") page(s), $(stat -c %s "$work/UNO.PDF") bytes"

make_invoice 4175 "$work/CENTO.PDF" "$work/cento.txt"
run "100-page invoice into a new PDF file" "$work/cento.txt"
echo "  $(pages "$work/CENTO.PDF") page(s), $(stat -c %s "$work/CENTO.PDF") bytes"

archive="$data/ARCHIVIO1000.PDF"
count() { pdfinfo -custom "$1" 2>/dev/null | awk -F': *' '/^Numero Documenti Nel File/ { print $2 }'; }
if [ "$(count "$archive" 2>/dev/null || true)" != "1000" ]; then
  echo "making a PDF file with 1000 documents (once)..."
  rm -f "$archive"
  for i in $(seq 1 1000); do
    make_invoice 10 "$archive" "$work/doc.txt"
    "$program" "/I=$work/doc.txt" /F=11110N10 /C=1 /R=72 >/dev/null 2>&1
  done
fi
cp "$archive" "$work/ARCHIVIO.PDF"
echo "  start: $(count "$work/ARCHIVIO.PDF") documents, $(stat -c %s "$work/ARCHIVIO.PDF") bytes"
make_invoice 10 "$work/ARCHIVIO.PDF" "$work/aggiunta.txt"
run "1-page invoice appended to 1000 documents" "$work/aggiunta.txt"
echo "  now $(count "$work/ARCHIVIO.PDF") documents, $(pages "$work/ARCHIVIO.PDF") pages, $(stat -c %s "$work/ARCHIVIO.PDF") bytes"
