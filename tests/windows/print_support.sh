# Shared by the printing and viewer scripts under Wine (sourced, after wine_support.sh): checks that are
# counted rather than ending the script, a work folder with the programs, and the private scheduler's
# captured jobs (scripts/print-scheduler: CUPS_SERVER, STAMPADOC_SCHEDULER_DIR).
source "$(dirname "${BASH_SOURCE[0]}")/wine_support.sh"
: "${CUPS_SERVER:?a scheduler started by scripts/print-scheduler}" "${STAMPADOC_SCHEDULER_DIR:?}"
failures=0

fail() {
  echo "FAIL ($(basename "$0")): $*" >&2
  failures=$((failures + 1))
}

# check NAME EXPECTED ACTUAL
check() {
  if [ "$2" != "$3" ]; then fail "$1: expected [$2], got [$3]"; else echo "ok: $1"; fi
}

finish() {
  [ "$failures" -eq 0 ] || { echo "$(basename "$0"): $failures check(s) failed" >&2; exit 1; }
  echo "$(basename "$0"): all checks passed"
}

# Runs a Windows program, ended after two minutes: a program that crashes would wait for a debugger.
wine_run() {
  timeout 120 "$WINE64" "$@"
}

# A private folder: bin/ holds the program, its halftone pattern and the test programs, without an INI
# file, so that the copies are the command line's and a log written beside them touches no one else's.
make_work_folder() {
  work=$(mktemp -d "${TMPDIR:-/tmp}/stampadoc-print.XXXXXX")
  mkdir "$work/bin"
  local file
  for file in stampadoc.exe retino.bmp fake_viewer.exe printer_report.exe; do
    cp "$STAMPADOC_WIN_BUILD/$file" "$work/bin/" || fail "$file missing from $STAMPADOC_WIN_BUILD"
  done
}

# The example invoice printed directly, or with a PDF file's Windows name written into its line 97.
write_invoice() {
  if [ -z "${2:-}" ]; then
    cp "$ROOT/examples/fattura.txt" "$1"
  else
    document_naming_pdf "$ROOT/examples/fattura.txt" "$2" >"$1"
  fi
}

# The captured jobs of a raw queue, by id.
queue_folder() { printf '%s/out/%s' "$STAMPADOC_SCHEDULER_DIR" "$1"; }
job_ids() { ls "$(queue_folder "$1")" 2>/dev/null | sed -n 's/^\([0-9]*\)\.prn$/\1/p' | sort -n; }
last_job_id() {
  local last
  last=$(job_ids "$1" | tail -1)
  echo "${last:-0}"
}
# Waits until the queue has no pending job, then lists the ids of its jobs after AFTER.
jobs_after() {
  local tries=0
  while [ -n "$(lpstat -o "$1" 2>/dev/null)" ] && [ $tries -lt 600 ]; do
    sleep 0.1
    tries=$((tries + 1))
  done
  job_ids "$1" | awk -v after="$2" '$1 > after'
}

# The prefix is shared with other tests: a script that changes the ".pdf" association saves it first
# (in the work folder) and puts it back at its end.
save_pdf_association() {
  wine_run reg export 'HKCR\.pdf' "$(windows_path "$work/pdf-association.reg")" /y >/dev/null 2>&1 ||
    rm -f "$work/pdf-association.reg"
}
restore_pdf_association() {
  wine_run reg delete 'HKCR\.pdf' /f >/dev/null 2>&1
  [ -s "$work/pdf-association.reg" ] &&
    wine_run reg import "$(windows_path "$work/pdf-association.reg")" >/dev/null 2>&1
}
