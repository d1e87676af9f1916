#!/usr/bin/env python3
"""Generates src/pdf/text/standard_font_widths.cpp: the per-code width tables of the 14
standard Type 1 fonts.

The widths come from the AFM files of Debian's fonts-urw-base35, whose fonts are
metric-compatible with the standard 14: the 12 Latin fonts are laid out by
WinAnsiEncoding (codes 24 to 255, code 160 measured as the space glyph, codes
without a glyph 0), Symbol and ZapfDingbats by their built-in encodings (codes 32
to 254).

Usage: scripts/gen_font_widths.py [AFM directory] [output file]
"""

import pathlib
import sys

AFM_DIR = "/usr/share/fonts/type1/urw-base35"
OUTPUT = pathlib.Path(__file__).resolve().parent.parent / "src/pdf/text/standard_font_widths.cpp"

# Base font and AFM file, in the order of the standard font indexes.
FONTS = [
    ("Courier", "NimbusMonoPS-Regular"),
    ("Courier-Bold", "NimbusMonoPS-Bold"),
    ("Courier-BoldOblique", "NimbusMonoPS-BoldItalic"),
    ("Courier-Oblique", "NimbusMonoPS-Italic"),
    ("Helvetica", "NimbusSans-Regular"),
    ("Helvetica-Bold", "NimbusSans-Bold"),
    ("Helvetica-BoldOblique", "NimbusSans-BoldItalic"),
    ("Helvetica-Oblique", "NimbusSans-Italic"),
    ("Times-Roman", "NimbusRoman-Regular"),
    ("Times-Bold", "NimbusRoman-Bold"),
    ("Times-Italic", "NimbusRoman-Italic"),
    ("Times-BoldItalic", "NimbusRoman-BoldItalic"),
    ("Symbol", "StandardSymbolsPS"),
    ("ZapfDingbats", "D050000L"),
]

# Glyph names of WinAnsiEncoding, codes 32 to 255 (None = no glyph). Code 160 is
# the no-break space, measured as "space".
_ASCII = (
    "space exclam quotedbl numbersign dollar percent ampersand quotesingle parenleft parenright "
    "asterisk plus comma hyphen period slash zero one two three four five six seven eight nine "
    "colon semicolon less equal greater question at A B C D E F G H I J K L M N O P Q R S T U V W "
    "X Y Z bracketleft backslash bracketright asciicircum underscore grave a b c d e f g h i j k l m "
    "n o p q r s t u v w x y z braceleft bar braceright asciitilde"
).split()
_HIGH = (
    "Euro - quotesinglbase florin quotedblbase ellipsis dagger daggerdbl circumflex perthousand "
    "Scaron guilsinglleft OE - Zcaron - - quoteleft quoteright quotedblleft quotedblright bullet "
    "endash emdash tilde trademark scaron guilsinglright oe - zcaron Ydieresis "
    "space exclamdown cent sterling currency yen brokenbar section dieresis copyright ordfeminine "
    "guillemotleft logicalnot hyphen registered macron degree plusminus twosuperior threesuperior "
    "acute mu paragraph periodcentered cedilla onesuperior ordmasculine guillemotright onequarter "
    "onehalf threequarters questiondown Agrave Aacute Acircumflex Atilde Adieresis Aring AE "
    "Ccedilla Egrave Eacute Ecircumflex Edieresis Igrave Iacute Icircumflex Idieresis Eth Ntilde "
    "Ograve Oacute Ocircumflex Otilde Odieresis multiply Oslash Ugrave Uacute Ucircumflex "
    "Udieresis Yacute Thorn germandbls agrave aacute acircumflex atilde adieresis aring ae "
    "ccedilla egrave eacute ecircumflex edieresis igrave iacute icircumflex idieresis eth ntilde "
    "ograve oacute ocircumflex otilde odieresis divide oslash ugrave uacute ucircumflex "
    "udieresis yacute thorn ydieresis"
).split()


def win_ansi_names():
    assert len(_ASCII) == 95 and len(_HIGH) == 128
    names = {}
    for i, name in enumerate(_ASCII):
        names[32 + i] = name
    for i, name in enumerate(_HIGH):
        if name != "-":
            names[128 + i] = name
    return names


def read_afm(path):
    """Returns ({glyph name: width}, {code: width}) of the character metrics."""
    by_name, by_code = {}, {}
    in_metrics = False
    for line in path.read_text(encoding="latin-1").splitlines():
        if line.startswith("StartCharMetrics"):
            in_metrics = True
            continue
        if line.startswith("EndCharMetrics"):
            break
        if not in_metrics:
            continue
        fields = {}
        for part in line.split(";"):
            words = part.split()
            if len(words) >= 2:
                fields[words[0]] = words[1]
        if "N" not in fields or "WX" not in fields:
            continue
        width = round(float(fields["WX"]))
        by_name[fields["N"]] = width
        code = int(fields.get("C", "-1"))
        if code >= 0:
            by_code[code] = width
    return by_name, by_code


def width_table(afm_dir, base_font, afm_name):
    by_name, by_code = read_afm(pathlib.Path(afm_dir) / (afm_name + ".afm"))
    widths = [0] * 256
    if base_font in ("Symbol", "ZapfDingbats"):
        first, last = 32, 254
        for code in range(first, last + 1):
            widths[code] = by_code.get(code, 0)
        if base_font == "Symbol" and "apple" in by_name:
            # The URW file encodes the Apple logo at 128; the font's built-in encoding has it at 240.
            widths[128] = 0
            widths[240] = by_name["apple"]
    else:
        first, last = 24, 255
        for code, name in win_ansi_names().items():
            if name not in by_name:
                sys.exit(f"{afm_name}.afm has no glyph {name}")
            widths[code] = by_name[name]
    return first, last, widths


def main():
    afm_dir = sys.argv[1] if len(sys.argv) > 1 else AFM_DIR
    output = pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else OUTPUT
    tables = []
    for base_font, afm_name in FONTS:
        _, _, widths = width_table(afm_dir, base_font, afm_name)
        rows = [f"    // {base_font}: {afm_name}.afm", "    {{"]
        for start in range(0, 256, 16):
            values = ", ".join(f"{w:4d}" for w in widths[start:start + 16])
            rows.append(f"        {values}, // {start}-{start + 15}")
        rows.append("    }},")
        tables.append("\n".join(rows))
    text = f"""// Generated by scripts/gen_font_widths.py; do not edit by hand.
//
// Widths of the 14 standard Type 1 fonts, taken from the AFM files of the URW base 35
// fonts (Debian package fonts-urw-base35, {AFM_DIR}), which are
// metric-compatible with the standard 14 (Nimbus Mono PS = Courier, Nimbus Sans =
// Helvetica, Nimbus Roman = Times, Standard Symbols PS = Symbol, D050000L = ZapfDingbats).
// Latin fonts: WinAnsiEncoding, codes 24 to 255, code 160 measured as the space glyph,
// codes without a glyph 0. Symbol and ZapfDingbats: their built-in encodings, codes 32 to 254.

#include "pdf/text/standard_font_widths.h"

// clang-format off
const std::array<std::array<uint16_t, 256>, StandardFontCount> StandardFontWidths = {{{{
{chr(10).join(tables)}
}}}};
// clang-format on
"""
    output.write_text(text)


if __name__ == "__main__":
    main()
