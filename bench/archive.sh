#!/usr/bin/env bash
# Appending one document to archives of 100, 1000 and 3000 documents (build-bench/stampadoc, Release)
# against dd writing a file of the same size with fsync: wall time, peak memory and their ratios.
# Goals: append wall time at most 1.3 x dd; peak memory at most 64 MB whatever the archive's size.
# The 100-document archive is made by 100 runs; the larger ones join copies of its pages (qpdf) and get
# an information dictionary that counts every document and has every document's entry.
# qpdf --check passes on every archive, before and after the append.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs=${RUNS:-3}

scripts/deps
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DSTAMPADOC_TESTS=OFF -DSTAMPADOC_BENCH=OFF >/dev/null
cmake --build build-bench --target stampadoc -j"$(nproc)" >/dev/null 2>&1 || { echo "bench: the build failed" >&2; exit 1; }
work=$(mktemp -d "${BENCH_DIR:-/var/tmp}/stampadoc-archive-XXXXXX")
trap 'rm -rf "$work"' EXIT
cp build-bench/stampadoc src/layout/retino.bmp "$work/"
program="$work/stampadoc"

. bench/invoice.sh
count() { pdfinfo -custom "$1" | awk -F': *' '/^Numero Documenti Nel File/ { print $2 }'; }
entries() { pdfinfo -custom "$1" | grep -c '^Dati documento [0-9]*:' || true; }
pages() { pdfinfo "$1" | awk '/^Pages:/ { print $2 }'; }
check() { qpdf --check "$1" >/dev/null 2>&1 || { echo "bench: qpdf --check fails on $1" >&2; exit 1; }; }

# 100 documents, one run each.
base="$work/A100.PDF"
for _ in $(seq 1 100); do
  make_invoice 10 "$base" "$work/doc.txt"
  "$program" "/I=$work/doc.txt" /F=11110N10 /C=1 /R=72 >/dev/null 2>&1
done
[ "$(count "$base")" = 100 ] || { echo "bench: the 100-document archive is incomplete" >&2; exit 1; }

# `copies` copies of the 100-document archive joined into one: qpdf joins the pages, then an update
# section adds the information dictionary with the count and one entry per document (entry 100c+j
# repeats entry j of the 100-document archive).
join_copies() { # copies output
  # Each copy under a name of its own: qpdf shares the objects of pages taken twice from one file.
  local list=()
  for c in $(seq 1 "$1"); do
    cp "$base" "$work/copy$c.pdf"
    list+=("$work/copy$c.pdf" 1-z)
  done
  qpdf --empty --pages "${list[@]}" -- "$work/joined.pdf"
  rm -f "$work"/copy*.pdf
  pdfinfo -custom "$base" >"$work/info.txt"
  python3 - "$1" "$work/joined.pdf" "$work/info.txt" "$2" <<'PY'
import re, sys
copies, joined, info, output = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4]
data = open(joined, 'rb').read()
tail = data[-4096:]
size = int(re.findall(rb'/Size (\d+)', tail)[-1])
root = re.findall(rb'/Root (\d+ \d+ R)', tail)[-1]
previous = int(re.findall(rb'startxref\s+(\d+)', tail)[-1])
values = {}
for line in open(info, encoding='latin-1'):
    m = re.match(r'Dati documento (\d+):\s?(.*)$', line.rstrip('\n'))
    if m:
        values[int(m.group(1))] = m.group(2).encode('latin-1')
def name(key):
    return b'/' + b''.join(b'#%02X' % c if c <= 32 or c > 126 or chr(c) in '#%()/<>[]{}' else bytes([c]) for c in key)
def text(value):
    return b'<' + value.hex().upper().encode() + b'>'
total = copies * len(values)
body = [name(b'Producer') + b' (Marvendo)', name(b'Title') + b' (Documenti fiscali)',
        name(b'Numero Documenti Nel File') + b' ' + text(str(total).encode())]
for c in range(copies):
    for j, value in sorted(values.items()):
        body.append(name(b'Dati documento %d' % (c * len(values) + j)) + b' ' + text(value))
offset = len(data)
update = b'%d 0 obj\n<<\n' % size + b'\n'.join(body) + b'\n>>\nendobj\n'
xref = offset + len(update)
update += b'xref\n0 1\n0000000000 65535 f \n%d 1\n%010d 00000 n \n' % (size, offset)
update += b'trailer\n<< /Size %d /Root %s /Info %d 0 R /Prev %d >>\nstartxref\n%d\n%%%%EOF\n' % (
    size + 1, root, size, previous, xref)
open(output, 'wb').write(data + update)
PY
  rm -f "$work/joined.pdf"
}
join_copies 10 "$work/A1000.PDF"
join_copies 30 "$work/A3000.PDF"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
timed() { # output command...: appends "wall_ms peak_kib" to output
  local out=$1
  shift
  /usr/bin/time -f '%e %M' -o "$work/time.txt" "$@" >/dev/null 2>&1
  awk '{ printf "%d %d\n", $1 * 1000, $2 }' "$work/time.txt" >>"$out"
}

printf '%-10s %10s %10s %12s %10s %8s %12s\n' documents "size MB" "append ms" "dd fsync ms" ratio "peak MB" "dd peak MB"
status=0
for n in 100 1000 3000; do
  archive="$work/A$n.PDF"
  check "$archive"
  [ "$(count "$archive")" = "$n" ] && [ "$(entries "$archive")" = "$n" ] && [ "$(pages "$archive")" = "$n" ] ||
    { echo "bench: the $n-document archive does not count $n documents" >&2; exit 1; }
  : >"$work/ours"
  : >"$work/dd"
  for _ in $(seq "$runs"); do
    cp "$archive" "$work/APPEND.PDF"
    make_invoice 10 "$work/APPEND.PDF" "$work/doc.txt"
    sync
    timed "$work/ours" "$program" "/I=$work/doc.txt" /F=11110N10 /C=1 /R=72
    [ ! -e "$work/doc.txt" ] || { echo "bench: the append to $n documents failed" >&2; exit 1; }
    bytes=$(stat -c %s "$work/APPEND.PDF")
    rm -f "$work/dd.out"
    sync
    timed "$work/dd" dd if=/dev/zero of="$work/dd.out" bs=1M iflag=count_bytes count="$bytes" conv=fsync
  done
  check "$work/APPEND.PDF"
  [ "$(count "$work/APPEND.PDF")" = "$((n + 1))" ] && [ "$(entries "$work/APPEND.PDF")" = "$((n + 1))" ] ||
    { echo "bench: the append to $n documents lost a document" >&2; exit 1; }
  ours=$(cut -d' ' -f1 "$work/ours" | median)
  peak=$(cut -d' ' -f2 "$work/ours" | sort -n | tail -1)
  dd_ms=$(cut -d' ' -f1 "$work/dd" | median)
  dd_peak=$(cut -d' ' -f2 "$work/dd" | sort -n | tail -1)
  awk -v n="$n" -v size="$bytes" -v a="$ours" -v d="$dd_ms" -v p="$peak" -v q="$dd_peak" 'BEGIN {
    printf "%-10d %10.1f %10d %12d %10.2f %8.1f %12.1f\n", n, size / 1048576, a, d, a / (d > 0 ? d : 1), p / 1024, q / 1024 }'
  awk -v a="$ours" -v d="$dd_ms" -v p="$peak" 'BEGIN { exit !(a <= 1.3 * d && p <= 65536) }' || status=1
done
echo "goals: append at most 1.3 x dd with fsync, peak at most 64 MB (medians of $runs runs, peaks the largest)"
[ "$status" = 0 ] && echo "all goals met" || echo "some goal is not met"
