#!/usr/bin/env bash
# Renders the example invoice with the Linux and the Windows build and compares page 1 of the two PDF
# files: the pictures (pdftoppm at 150 dpi, grey) must agree within a small tolerance for glyph shapes,
# and tesseract must read the same captions and values on both.
#
# usage: tests/windows/compare_page.sh LINUX_BUILD_DIR WINDOWS_BUILD_DIR WINE_PREFIX
# The Wine prefix must exist, with the null display driver and the font replacements set (Courier New,
# Arial and Times New Roman as the Liberation fonts). Run from anywhere; the example files are read
# from the repository this script belongs to.
set -euo pipefail

if [ $# -ne 3 ]; then
  echo "usage: $0 LINUX_BUILD_DIR WINDOWS_BUILD_DIR WINE_PREFIX" >&2
  exit 2
fi
linux_build=$(realpath "$1")
windows_build=$(realpath "$2")
export WINEPREFIX
WINEPREFIX=$(realpath "$3")
export WINEDEBUG=-all
root=$(realpath "$(dirname "$0")/../..")
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)

for tool in pdftoppm tesseract python3; do
  command -v $tool >/dev/null || { echo "compare_page: $tool is missing" >&2; exit 2; }
done
[ -x "$linux_build/stampadoc" ] || { echo "compare_page: no $linux_build/stampadoc" >&2; exit 2; }
[ -e "$windows_build/stampadoc.exe" ] || { echo "compare_page: no $windows_build/stampadoc.exe" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Each build runs as a copy with the example INI file beside it; the logo it names is relative to the
# folder the program runs in, the repository.
mkdir -p "$work/linux" "$work/windows"
cp "$linux_build/stampadoc" "$linux_build/retino.bmp" "$work/linux/"
cp "$root/examples/stampadoc.ini" "$work/linux/stampadoc.INI"
cp "$windows_build/stampadoc.exe" "$windows_build/retino.bmp" "$work/windows/"
cp "$root/examples/stampadoc.ini" "$work/windows/stampadoc.INI"

# The example invoice with line 97 naming the PDF file to write (through the environment: awk -v would
# read the backslashes of a Windows path as escapes).
document() {
  PDF="$1" awk 'NR == 97 { cr = sub(/\r$/, ""); $0 = "\"\",\"" ENVIRON["PDF"] "\"" (cr ? "\r" : "") } { print }' \
    "$root/examples/fattura.txt" >"$2"
}

document "$work/linux/page.pdf" "$work/linux/fattura.txt"
(cd "$root" && "$work/linux/stampadoc" "/I=$work/linux/fattura.txt" /F=11020N10 /C=1 /R=72)
# Wine sees the Unix root as drive Z:.
windows_path() { echo "Z:${1//\//\\}"; }
document "$(windows_path "$work/windows/page.pdf")" "$work/windows/fattura.txt"
(cd "$root" && "$wine" "$work/windows/stampadoc.exe" "/I=$(windows_path "$work/windows/fattura.txt")" \
  /F=11020N10 /C=1 /R=72 </dev/null >"$work/windows/output.txt" 2>&1) || {
  cat "$work/windows/output.txt" >&2
  exit 1
}

# Texts of the document file arrive upper-cased: the file may be named PAGE.PDF.
find_pdf() { find "$1" -maxdepth 1 -iname page.pdf | head -1; }
linux_pdf=$(find_pdf "$work/linux")
windows_pdf=$(find_pdf "$work/windows")
[ -n "$linux_pdf" ] || { echo "compare_page: the Linux build wrote no PDF file" >&2; exit 1; }
[ -n "$windows_pdf" ] || { echo "compare_page: the Windows build wrote no PDF file" >&2; exit 1; }

pdftoppm -r 150 -gray -f 1 -l 1 "$linux_pdf" "$work/linux-page"
pdftoppm -r 150 -gray -f 1 -l 1 "$windows_pdf" "$work/windows-page"
linux_pgm=$(ls "$work"/linux-page*.pgm)
windows_pgm=$(ls "$work"/windows-page*.pgm)

# Pictures: a dark pixel of one page must have a dark pixel within two pixels on the other; at most 2 %
# of the dark pixels may fail that (glyph outlines differ slightly between the rasterisers).
python3 - "$linux_pgm" "$windows_pgm" <<'PY'
import sys

def load(path):
    data = open(path, "rb").read()
    fields, at = [], 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        if data[at:at + 1] == b"#":
            at = data.index(b"\n", at)
            continue
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    width, height = int(fields[1]), int(fields[2])
    pixels = data[at + 1:]
    rows = []
    for y in range(height):
        row = pixels[y * width:(y + 1) * width]
        bits = int("".join("1" if p < 128 else "0" for p in row), 2) if width else 0
        rows.append(bits)
    return width, height, rows

def dilate(rows, radius):
    wide = []
    for bits in rows:
        out = bits
        for k in range(1, radius + 1):
            out |= bits << k | bits >> k
        wide.append(out)
    result = []
    for y in range(len(wide)):
        out = 0
        for k in range(max(0, y - radius), min(len(wide), y + radius + 1)):
            out |= wide[k]
        result.append(out)
    return result

def count(rows):
    return sum(bin(r).count("1") for r in rows)

w1, h1, a = load(sys.argv[1])
w2, h2, b = load(sys.argv[2])
if (w1, h1) != (w2, h2):
    sys.exit(f"compare_page: page sizes differ: {w1}x{h1} and {w2}x{h2}")
mask = (1 << w1) - 1
da, db = dilate(a, 2), dilate(b, 2)
missing_in_b = count([x & ~y & mask for x, y in zip(a, db)])
missing_in_a = count([x & ~y & mask for x, y in zip(b, da)])
dark_a, dark_b = count(a), count(b)
print(f"dark pixels: Linux {dark_a}, Windows {dark_b}; unmatched: {missing_in_b} and {missing_in_a}")
if dark_a == 0 or dark_b == 0:
    sys.exit("compare_page: a page is blank")
if missing_in_b > 0.02 * dark_a or missing_in_a > 0.02 * dark_b:
    sys.exit("compare_page: the pages differ beyond the tolerance")
PY

# Text: tesseract's reading of the two pages must agree to 95 % of its characters (OCR itself wavers on
# a few digits and letters, differently on each page); the words read on one page only are listed.
pdftoppm -r 300 -gray -f 1 -l 1 -png "$linux_pdf" "$work/linux-ocr"
pdftoppm -r 300 -gray -f 1 -l 1 -png "$windows_pdf" "$work/windows-ocr"
tesseract "$(ls "$work"/linux-ocr*.png)" "$work/linux" -l ita >/dev/null 2>&1
tesseract "$(ls "$work"/windows-ocr*.png)" "$work/windows" -l ita >/dev/null 2>&1
python3 - "$work/linux.txt" "$work/windows.txt" <<'PY'
import collections, difflib, re, sys

texts = [" ".join(open(path, encoding="utf-8").read().split()) for path in sys.argv[1:3]]
linux, windows = (collections.Counter(re.findall(r"[\w.,/-]{3,}", text)) for text in texts)
if not linux:
    sys.exit("compare_page: tesseract read nothing on the Linux page")
ratio = difflib.SequenceMatcher(None, texts[0], texts[1], autojunk=False).ratio()
print(f"text: Linux {len(texts[0])} characters, Windows {len(texts[1])}; agreement {ratio:.3f}")
if linux - windows:
    print("read only on the Linux page:", " ".join(sorted((linux - windows).elements())))
if windows - linux:
    print("read only on the Windows page:", " ".join(sorted((windows - linux).elements())))
if ratio < 0.95:
    sys.exit("compare_page: the pages read differently")
PY
echo "compare_page: page 1 of both builds agrees"
