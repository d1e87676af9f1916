#!/usr/bin/env bash
# The Windows build under Wine writes the example invoice into a new PDF file and appends a second run
# to it; qpdf, pdfinfo and pdftotext check the file as on Linux. The archive is named the Windows way
# (drive letter, "\" separators, upper case), as the management product names it.
#
# Environment: STAMPADOC_WIN_BUILD (the folder of stampadoc.exe and retino.bmp), WINEPREFIX and
# STAMPADOC_WINE64 (scripts/wine-prefix).
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

run_invoice 1
[ -f "$archive_unix" ] || fail "no archive written: $(ls -a "$work/archivio")"
qpdf --check "$archive_unix" >/dev/null || fail "qpdf --check refuses the new archive"
pages1=$(pdf_pages "$archive_unix")
[ "$pages1" -ge 1 ] || fail "the new archive has no pages"
pdftotext "$archive_unix" - | grep -q "Stampato con Marvendo" || fail "pdftotext finds no credit line"

run_invoice 2
qpdf --check "$archive_unix" >/dev/null || fail "qpdf --check refuses the appended archive"
pages2=$(pdf_pages "$archive_unix")
[ "$pages2" -eq $((2 * pages1)) ] || fail "appending gave $pages2 pages, expected $((2 * pages1))"
count=$(pdfinfo -custom "$archive_unix" | awk -F': *' '/^Numero Documenti Nel File/ { print $2 }')
[ "$count" = 2 ] || fail "the archive counts $count documents, expected 2"
[ "$(pdftotext "$archive_unix" - | grep -c 'Stampato con Marvendo')" -eq "$pages2" ] ||
  fail "not every page of the appended archive has its credit line"
echo "archive under Wine: $pages1 pages written, $pages2 after appending, $count documents"
