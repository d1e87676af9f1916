# Shared by the scripts that run the Windows build under Wine (sourced).
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
: "${STAMPADOC_WIN_BUILD:?the folder of the Windows build}"
: "${WINEPREFIX:?a prefix made by scripts/wine-prefix}"
WINE64=${STAMPADOC_WINE64:-wine64}

fail() {
  echo "FAIL ($(basename "$0")): $*" >&2
  exit 1
}

# The Windows name of a Linux path: Wine's drive Z: is the Linux root.
windows_path() {
  local path
  path=$(realpath -m "$1")
  echo "Z:${path//\//\\}"
}

# Runs a Windows program; its standard output goes where the caller sends it.
run_windows() {
  "$WINE64" "$@"
}

# Copies a program of the Windows build with retino.bmp beside it into a folder of its own (and the
# example INI file when a third argument says so).
install_windows_program() {
  mkdir -p "$1"
  cp "$STAMPADOC_WIN_BUILD/$2" "$STAMPADOC_WIN_BUILD/retino.bmp" "$1/"
  cp "$ROOT/examples/stampadoc.ini" "$1/stampadoc.INI"
}

# A document file whose line 97 names the PDF file (the line keeps its CR LF ending).
document_naming_pdf() {
  # Through the environment: awk -v would read the backslashes of a Windows name as escapes.
  PDF_NAME="$2" awk 'NR == 97 { cr = sub(/\r$/, ""); $0 = "\"\",\"" ENVIRON["PDF_NAME"] "\"" (cr ? "\r" : "") } { print }' "$1"
}

pdf_pages() {
  pdfinfo "$1" | awk '/^Pages:/ { print $2 }'
}
