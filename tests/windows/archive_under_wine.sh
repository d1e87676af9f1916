#!/usr/bin/env bash
# The Windows build under Wine writes the example invoice into a new PDF file and appends a second run
# to it; qpdf, pdfinfo and pdftotext check the file as on Linux. The archive is named the Windows way
# (drive letter, "\" separators, upper case), as the management product names it.
#
# The first page is compared with the page the Linux build writes for the same document, when
# STAMPADOC_LINUX_BUILD names its folder: the pictures may differ a little in glyph shapes (Wine draws
# the Liberation fonts with its own rasteriser), and OCR must read the same captions and values on both.
#
# Environment: STAMPADOC_WIN_BUILD (the folder of stampadoc.exe and retino.bmp), WINEPREFIX and
# STAMPADOC_WINE64 (scripts/wine-prefix), STAMPADOC_LINUX_BUILD (optional).
set -euo pipefail
source "$(dirname "$0")/wine_support.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
install_windows_program "$work/bin" stampadoc.exe
mkdir -p "$work/archivio"
archive_unix="$work/archivio/FATTURE.PDF"
archive_windows=$(windows_path "$archive_unix")

run_invoice() {
  local document="$work/documento$1.txt"
  document_naming_pdf "$ROOT/examples/fattura.txt" "$archive_windows" >"$document"
  (cd "$ROOT" && run_windows "$work/bin/stampadoc.exe" "/I=$(windows_path "$document")" /F=11020N10 /C=1 /R=72) \
    >"$work/out$1.txt" 2>&1 || fail "run $1 ended with status $?: $(cat "$work/out$1.txt")"
  [ ! -e "$document" ] || fail "run $1 kept its document file: $(cat "$work/out$1.txt")"
}

# Page 1 of the Windows archive against the Linux build's page of the same document.
compare_with_linux_page() {
  [ -n "${STAMPADOC_LINUX_BUILD:-}" ] || { echo "no Linux build given: pages not compared"; return 0; }
  local dir=$1/linux
  mkdir -p "$dir/bin"
  cp "$STAMPADOC_LINUX_BUILD/stampadoc" "$STAMPADOC_LINUX_BUILD/retino.bmp" "$dir/bin/"
  cp "$ROOT/examples/stampadoc.ini" "$dir/bin/stampadoc.INI"
  document_naming_pdf "$ROOT/examples/fattura.txt" "$dir/LINUX.PDF" >"$dir/documento.txt"
  (cd "$ROOT" && ASAN_OPTIONS=detect_leaks=0 "$dir/bin/stampadoc" "/I=$dir/documento.txt" /F=11020N10 /C=1 /R=72) ||
    fail "the Linux build failed on the same document"
  pdftoppm -r 150 -gray -f 1 -l 1 "$dir/LINUX.PDF" "$dir/linux"
  pdftoppm -r 150 -gray -f 1 -l 1 "$archive_unix" "$dir/windows"
  local size pixels differing
  size=$(head -c 64 "$dir/linux-1.pgm" | sed -n 2p)
  [ "$size" = "$(head -c 64 "$dir/windows-1.pgm" | sed -n 2p)" ] || fail "the pages differ in size"
  pixels=$((${size% *} * ${size#* }))
  # Pixels that are black on one page and white on the other (cmp -l prints octal bytes).
  differing=$({ cmp -l "$dir/linux-1.pgm" "$dir/windows-1.pgm" || true; } | awk '
    function octal(s,  n, i) { n = 0; for (i = 1; i <= length(s); i++) n = n * 8 + substr(s, i, 1); return n }
    { d = octal($2) - octal($3); if (d < 0) d = -d; if (d > 128) n++ } END { print n + 0 }')
  [ $((differing * 100)) -le $((pixels * 2)) ] ||
    fail "page 1 differs from the Linux page in $differing of $pixels pixels (more than 2 %)"
  pdftoppm -r 300 -gray -f 1 -l 1 "$dir/LINUX.PDF" "$dir/ocr-linux"
  pdftoppm -r 300 -gray -f 1 -l 1 "$archive_unix" "$dir/ocr-windows"
  tesseract "$dir/ocr-linux-1.pgm" "$dir/linux" >/dev/null 2>&1
  tesseract "$dir/ocr-windows-1.pgm" "$dir/windows" >/dev/null 2>&1
  # OCR text compared without blanks and with "." read as ",": the two rasterisers' glyphs differ
  # slightly, and OCR takes a point for a comma now and then.
  local read=0 value
  for value in "FATTURA N,A17" "ROSSI MARIO & FIGLI SRL" "VIA GARIBALDI 45" "PAGAMENTO: RIMESSA DIRETTA" \
    "1,543,13" "SERVIZIO ESENTE" "ROSSI HOLDING SPA" "SEGUE"; do
    value=${value// /}
    tr -d ' ' <"$dir/linux.txt" | tr . , | grep -qF "$value" || continue
    tr -d ' ' <"$dir/windows.txt" | tr . , | grep -qF "$value" ||
      fail "OCR reads \"$value\" on the Linux page, not on the Windows one"
    read=$((read + 1))
  done
  [ "$read" -ge 6 ] || fail "OCR read only $read of the values on the Linux page"
  echo "page 1: $differing of $pixels pixels differ from the Linux page; OCR reads the same $read values"
}

run_invoice 1
[ -f "$archive_unix" ] || fail "no archive written: $(ls -a "$work/archivio")"
qpdf --check "$archive_unix" >/dev/null || fail "qpdf --check refuses the new archive"
pages1=$(pdf_pages "$archive_unix")
[ "$pages1" -ge 1 ] || fail "the new archive has no pages"
pdftotext "$archive_unix" - | grep -q "Stampato con Marvendo" || fail "pdftotext finds no credit line"
compare_with_linux_page "$work"

run_invoice 2
qpdf --check "$archive_unix" >/dev/null || fail "qpdf --check refuses the appended archive"
pages2=$(pdf_pages "$archive_unix")
[ "$pages2" -eq $((2 * pages1)) ] || fail "appending gave $pages2 pages, expected $((2 * pages1))"
count=$(pdfinfo -custom "$archive_unix" | awk -F': *' '/^Numero Documenti Nel File/ { print $2 }')
[ "$count" = 2 ] || fail "the archive counts $count documents, expected 2"
[ "$(pdftotext "$archive_unix" - | grep -c 'Stampato con Marvendo')" -eq "$pages2" ] ||
  fail "not every page of the appended archive has its credit line"
echo "archive under Wine: $pages1 pages written, $pages2 after appending, $count documents"
