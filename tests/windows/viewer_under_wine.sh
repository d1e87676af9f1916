#!/usr/bin/env bash
# The Windows build under Wine printing a PDF file through the viewer associated with ".pdf": our stand-in
# viewer (fake_viewer.exe) logs every DDE execute command. FilePrintSilent for "PREDEFINITA", FilePrintTo
# with the four quoted values for a named printer, one command per copy; a viewer the program started is
# closed again, one already running is left alone; nothing reaches the spooler itself.
set -uo pipefail
source "$(dirname "$0")/print_support.sh"
unset STAMPADOC_VIEWER_LOG
make_work_folder
viewer_log="$work/bin/fake_viewer.log"
background_viewer=""

restore() {
  [ -n "$background_viewer" ] && kill "$background_viewer" 2>/dev/null
  restore_pdf_association
  wine_run reg delete 'HKCR\StampadocTest.Viewer' /f >/dev/null 2>&1
  rm -rf "$work"
}
trap restore EXIT
cd "$work" || exit 1

save_pdf_association
wine_run reg add 'HKCR\.pdf' /ve /d StampadocTest.Viewer /f >/dev/null 2>&1 &&
  wine_run reg add 'HKCR\StampadocTest.Viewer\shell\open\command' /ve \
    /d "\"$(windows_path "$work/bin/fake_viewer.exe")\" \"%1\"" /f >/dev/null 2>&1 ||
  fail "the viewer cannot be associated with .pdf"

viewer_running() { wine_run bin/fake_viewer.exe --running >/dev/null 2>&1; }
viewer_state() { if viewer_running; then echo running; else echo closed; fi; }
# The commands the viewer received; the file is named the Windows way, with "\".
commands() { tr -d '\r' <"$viewer_log" | grep '^EXECUTE'; }
log_lines() { tr -d '\r' <"$viewer_log" 2>/dev/null | grep -c "^$1" || true; }
driver_of() { wine_run bin/printer_report.exe | tr -d '\r' | awk -F'\t' -v p="$1" '$1 == "printer" && $2 == p { print $3 }'; }
port_of() { wine_run bin/printer_report.exe | tr -d '\r' | awk -F'\t' -v p="$1" '$1 == "printer" && $2 == p { print $4 }'; }

# Writes the invoice into the PDF file NAME.PDF, then delivers it: print_invoice NAME PRINTER COPIES.
# Sets pdf to the PDF file's name as the program reads it from the document: in capitals.
print_invoice() {
  pdf=$(windows_path "$work/$1.PDF")
  write_invoice "$1.TXT" "$pdf"
  pdf=${pdf^^}
  wine_run bin/stampadoc.exe "/I=$(windows_path "$work/$1.TXT")" "/S=$2" "/C=$3" /F=101200N0 >/dev/null 2>&1
  [ -s "$1.PDF" ] || fail "$1: no PDF file written"
}

before_default=$(last_job_id GREZZA)
before_named=$(last_job_id Ufficio_Fatture)

# --- The default printer, no viewer running: the program starts one and closes it again ---------------
check "no viewer before the test" closed "$(viewer_state)"
print_invoice DEFAULT predefinita 2
check "viewers started for PREDEFINITA" 1 "$(log_lines START)"
check "commands for 2 copies on PREDEFINITA" \
  "$(printf 'EXECUTE [FilePrintSilent("%s")]\n' "$pdf" "$pdf")" "$(commands)"
check "the viewer the program started" closed "$(viewer_state)"

# --- A named printer, a viewer already running: it gets the commands and keeps running ----------------
: >"$viewer_log"
timeout 300 "$WINE64" bin/fake_viewer.exe >/dev/null 2>&1 &
background_viewer=$!
for _ in $(seq 100); do viewer_running && break; sleep 0.1; done
viewer_running || fail "the test's own viewer did not start"
print_invoice NAMED ufficio_fatture 3
command="[FilePrintTo(\"$pdf\",\"Ufficio_Fatture\",\"$(driver_of Ufficio_Fatture)\",\"$(port_of Ufficio_Fatture)\")]"
check "commands for 3 copies on Ufficio_Fatture" "$(printf 'EXECUTE %s\n' "$command" "$command" "$command")" \
  "$(commands)"
check "viewers started for a running one" 1 "$(log_lines START)"
check "the viewer that was already running" running "$(viewer_state)"
wine_run bin/fake_viewer.exe --close >/dev/null 2>&1
wait "$background_viewer"
background_viewer=""

# The viewer prints: nothing went to the spooler from the program itself.
check "jobs on GREZZA" "" "$(jobs_after GREZZA "$before_default")"
check "jobs on Ufficio_Fatture" "" "$(jobs_after Ufficio_Fatture "$before_named")"
finish
