# Shared by the scripts of tests/windows, sourced: running the Windows build under Wine, Windows paths,
# the private scheduler's captured jobs, and a failure count.
#
# Needs WINEPREFIX (made, null display driver), STAMPADOC_WIN_BUILD (the executables and retino.bmp) and the
# private scheduler of scripts/print-scheduler (CUPS_SERVER, STAMPADOC_SCHEDULER_DIR).

set -uo pipefail
: "${WINEPREFIX:?}" "${STAMPADOC_WIN_BUILD:?}" "${CUPS_SERVER:?}" "${STAMPADOC_SCHEDULER_DIR:?}"
export WINEDEBUG=-all
SOURCE_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
if [ -z "${WINE:-}" ]; then
  WINE=$(command -v wine64 || true)
  [ -n "$WINE" ] || { [ -x /usr/lib/wine/wine64 ] && WINE=/usr/lib/wine/wine64; } || WINE=wine
fi
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Compares two values: check NAME EXPECTED ACTUAL.
check() {
  if [ "$2" != "$3" ]; then fail "$1: expected [$2], got [$3]"; else echo "ok: $1"; fi
}

finish() {
  if [ "$failures" -gt 0 ]; then
    echo "$(basename "$0"): $failures check(s) failed" >&2
    exit 1
  fi
  echo "$(basename "$0"): all checks passed"
}

# The Windows name of a Linux path: drive Z: is the root in every Wine prefix.
winpath() {
  printf 'Z:%s' "${1//\//\\}"
}

# Runs a Windows program with a time limit; standard output to a file or pipe (Wine rewrites a terminal's).
wine_run() {
  timeout 120 "$WINE" "$@"
}

# A private folder with the program, its halftone pattern and the test programs, so that an INI file or a
# log written beside them touches no one else's.
make_work_folder() {
  work=$(mktemp -d "${TMPDIR:-/tmp}/stampadoc-wine.XXXXXX")
  mkdir "$work/bin"
  local file
  for file in stampadoc.exe retino.bmp fake_viewer.exe printer_report.exe; do
    cp "$STAMPADOC_WIN_BUILD/$file" "$work/bin/" || fail "$file missing from $STAMPADOC_WIN_BUILD"
  done
}

# The example invoice, its line 97 naming a PDF file (a Windows path) or, without one, printing directly.
write_invoice() {
  local target=$1 pdf=${2:-}
  if [ -z "$pdf" ]; then
    cp "$SOURCE_DIR/examples/fattura.txt" "$target"
  else
    PDF="$pdf" perl -0777 -pe 's/\r\n""\r\n"","58"/\r\n"","$ENV{PDF}"\r\n"","58"/ or die "no line 97"' \
      "$SOURCE_DIR/examples/fattura.txt" >"$target"
  fi
}

# Captured jobs of a raw queue, by id.
queue_folder() { printf '%s/out/%s' "$STAMPADOC_SCHEDULER_DIR" "$1"; }
last_job_id() {
  local ids
  ids=$(ls "$(queue_folder "$1")" 2>/dev/null | sed -n 's/^\([0-9]*\)\.prn$/\1/p' | sort -n | tail -1)
  echo "${ids:-0}"
}
# Waits until the scheduler has no pending job on the queue; then lists the ids of the jobs after AFTER.
jobs_after() {
  local queue=$1 after=$2 tries=0
  while [ -n "$(lpstat -o "$queue" 2>/dev/null)" ] && [ $tries -lt 600 ]; do
    sleep 0.1
    tries=$((tries + 1))
  done
  ls "$(queue_folder "$queue")" 2>/dev/null | sed -n 's/^\([0-9]*\)\.prn$/\1/p' | sort -n |
    awk -v after="$after" '$1 > after'
}
