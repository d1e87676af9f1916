#!/usr/bin/env bash
# Printing by the Windows build under Wine, which prints through the private CUPS scheduler: the printers
# the Windows printer layer lists; the example invoice printed directly in 2 copies as ONE job on the
# default raw queue, of twice the invoice's pages, titled "Marvendo - stampa"; and the invoice saved as a
# PDF file and delivered with no program associated with ".pdf": printed by the program itself, one job
# "Fattura Marvendo" per copy. Wine sends PostScript.
set -uo pipefail
source "$(dirname "$0")/print_support.sh"
make_work_folder
trap 'restore_pdf_association; rm -rf "$work"' EXIT
cd "$work" || exit 1

# --- The printers as the Windows build sees them, against the scheduler's own word -------------------
report=$(wine_run bin/printer_report.exe GREZZA NESSUNA | tr -d '\r')
check "printers listed" "$(lpstat -e | sort)" "$(awk -F'\t' '$1 == "printer" { print $2 }' <<<"$report" | sort)"
default_index=$(awk -F'\t' '$1 == "default" { print $2 }' <<<"$report")
default_name=$(awk -F'\t' -v i="$default_index" '$1 == "printer" && n++ == i { print $2 }' <<<"$report")
check "default printer" "$(lpstat -d | sed 's/.*: //')" "$default_name"
check "no device context for an unknown printer" "none" \
  "$(awk -F'\t' '$1 == "metrics" && $2 == "NESSUNA" { print $3 }' <<<"$report")"
read -r dpi_y height offset_y printable_h < <(awk -F'\t' '$1 == "metrics" && $2 == "GREZZA" { print $4, $6, $8, $10 }' <<<"$report")
# The scheduler's default sheet is A4: 297 mm high at the reported resolution, give or take two dots.
if [ "${dpi_y:-0}" -le 0 ]; then
  fail "GREZZA: no page metrics"
  finish
fi
a4_height=$(((2970 * dpi_y + 127) / 254))
[ $((height - a4_height)) -le 2 ] && [ $((a4_height - height)) -le 2 ] ||
  fail "GREZZA's page: $height dots high at $dpi_y dpi, an A4 sheet is $a4_height"

# --- Two copies of the invoice printed directly ------------------------------------------------------
write_invoice FATTURA.TXT
before=$(last_job_id GREZZA)
output=$(wine_run bin/stampadoc.exe "/I=$(windows_path "$work/FATTURA.TXT")" /S=PREDEFINITA /C=2 /F=101200N0 2>/dev/null)
check "nothing said on standard output" "" "$(tr -d '\r' <<<"$output")"
[ -e FATTURA.TXT ] && fail "the printed document file was not removed"
jobs=$(jobs_after GREZZA "$before")
check "jobs on GREZZA" 1 "$(wc -w <<<"$jobs")"
job=$(awk 'NR == 1' <<<"$jobs")
[ -n "$job" ] || { finish; exit 1; }
printed="$(queue_folder GREZZA)/$job.prn"
check "job title" "Marvendo - stampa" "$(cat "$(queue_folder GREZZA)/$job.title")"

# The invoice's pages at the rows the printer holds: sixths of an inch of the printable height.
top=$((offset_y > 0 ? offset_y : 0))
bottom=$((height - offset_y - printable_h))
bottom=$((bottom > 0 ? bottom : 0))
rows=$(((height - top - bottom) * 6 / dpi_y))
write_invoice CONTA.TXT "$(windows_path "$work/CONTA.PDF")"
CUPS_SERVER=/nonexistent wine_run bin/stampadoc.exe "/I=$(windows_path "$work/CONTA.TXT")" /F=101200N0 /C=1 "/R=$rows" >/dev/null 2>&1
pages=$(pdfinfo CONTA.PDF 2>/dev/null | awk '/^Pages:/ { print $2 }')
[ "${pages:-0}" -gt 0 ] || fail "the invoice written as PDF at $rows rows has no pages"

# Pages of the job: the PostScript's own page comments, and Ghostscript running it. The first copy shows
# the customer on its first page and the total on its last.
check "pages announced (%%Pages)" "$((2 * ${pages:-0}))" "$(grep -a '^%%Pages: [0-9]' "$printed" | awk '{ print $2 }')"
check "pages marked (%%Page:)" "$((2 * ${pages:-0}))" "$(grep -ac '^%%Page:' "$printed")"
boxes=$(gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=bbox "$printed" 2>&1 | grep '^%%BoundingBox')
check "pages Ghostscript runs" "$((2 * ${pages:-0}))" "$(grep -c . <<<"$boxes")"
grep -q '^%%BoundingBox: 0 0 0 0$' <<<"$boxes" && fail "a blank page among the printed ones"

# Both copies are the same pages: the same PostScript page by page. Wine's PostScript driver writes the
# 8 x 8 pattern brush of a played metafile with a wrong first row, read from memory that changes from page
# to page (the halftone bands differ by a few dots from copy to copy), so the pattern data is left aside.
awk -v dir="$work" '/^%%Trailer/ { n = 0 } /^%%Page: /{ n = ++pages; next } n { sub(/\/DataSource <[0-9a-fA-F]*>/, "/DataSource <pattern>"); print > (dir "/page-" n ".ps") }' "$printed"
for ((page = 1; page <= ${pages:-0}; page++)); do
  cmp -s "page-$page.ps" "page-$((page + pages)).ps" || fail "page $page of the second copy differs from the first copy's"
done
ps2pdf "$printed" printed.pdf && check "pages of the PostScript as PDF" "$((2 * ${pages:-0}))" \
  "$(pdfinfo printed.pdf | awk '/^Pages:/ { print $2 }')"
# Wine's PostScript driver draws every glyph at the font's natural width, whatever width the font was
# made with, while it places the glyphs where GDI puts them: the shapes differ from Windows' and OCR cannot
# read them, so the text is read from the glyphs' character codes (pdftotext), spacing left aside.
page_text() { pdftotext -f "$1" -l "$1" printed.pdf - | tr -d ' \n'; }
for expected in DOCUMENTO PARTITAIVACLIENTE ROSSIMARIO; do
  page_text 1 | grep -q "$expected" || fail "page 1 does not show $expected"
done
page_text "${pages:-1}" | grep -q 'TOTALE' || fail "page ${pages:-1} shows no TOTALE"

# --- A PDF file delivered without a viewer: the program prints it itself, one job per copy -------------
save_pdf_association
wine_run reg delete 'HKCR\.pdf' /f >/dev/null 2>&1
before=$(last_job_id GREZZA)
write_invoice SENZA.TXT "$(windows_path "$work/SENZA.PDF")"
wine_run bin/stampadoc.exe "/I=$(windows_path "$work/SENZA.TXT")" /S=GREZZA /C=2 /F=101200N0 >/dev/null 2>&1
saved_pages=$(pdfinfo SENZA.PDF 2>/dev/null | awk '/^Pages:/ { print $2 }')
[ "${saved_pages:-0}" -gt 0 ] || fail "no PDF file saved to deliver"
jobs=$(jobs_after GREZZA "$before")
check "jobs for 2 copies of the saved file" 2 "$(wc -w <<<"$jobs")"
for job in $jobs; do
  check "title of job $job" "Fattura Marvendo" "$(cat "$(queue_folder GREZZA)/$job.title")"
  ps2pdf "$(queue_folder GREZZA)/$job.prn" "job-$job.pdf"
  check "pages of job $job" "${saved_pages:-0}" "$(pdfinfo "job-$job.pdf" | awk '/^Pages:/ { print $2 }')"
  # The PDF file's text arrives drawn as outlines: OCR reads it.
  pdftoppm -r 300 -gray -f 1 -l 1 -singlefile "job-$job.pdf" "job-$job"
  tesseract "job-$job.pgm" stdout -l ita 2>/dev/null | grep -q 'ROSSI MARIO' ||
    fail "job $job: page 1 does not show ROSSI MARIO"
done
finish
