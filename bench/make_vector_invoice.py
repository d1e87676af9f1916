#!/usr/bin/env python3
"""Writes bench/vector_invoice.pdf: a one-page invoice drawn as vectors (the page text of the benchmark
invoice in Courier on the 1/6 inch grid, the form's boxes, shaded bands and captions in Helvetica), the
work Ghostscript is timed on in bench/process_vs_ghostscript.sh. Usage: make_vector_invoice.py PAGE_TEXT
where PAGE_TEXT is the output of stampadoc-preview for that invoice."""
import sys

rows = []
for line in open(sys.argv[1], encoding="latin-1"):
    if len(line) > 5 and line[:3].isdigit() and line[4] in "NC":
        rows.append((int(line[:3]), line[4], line[6:].rstrip("\n")))

W, H = 595.0, 842.0
CW, RH = 6.9, 11.0  # a column and a row in points
left = 0.3 * 72
ops = []

def text(x, y, font, size, s):
    s = s.replace("\\", "\\\\").replace("(", "\\(").replace(")", "\\)")
    ops.append(f"BT /{font} {size} Tf {x:.2f} {y:.2f} Td ({s}) Tj ET")

def box(x0, r0, x1, r1):
    y0, y1 = H - 36 - r0 * RH, H - 36 - r1 * RH
    ops.append(f"{x0:.2f} {y1:.2f} {x1 - x0:.2f} {y0 - y1:.2f} re S")

ops.append("0.5 w")
# Header boxes, customer frame, body frame with its shaded caption band, totals boxes.
for c0, c1 in ((36, 61), (62, 73), (73, 77)):
    box(left + c0 * CW, 0, left + c1 * CW, 2)
for c0, c1 in ((36, 53), (54, 65), (66, 77)):
    box(left + c0 * CW, 3, left + c1 * CW, 5)
box(left + 36 * CW, 6, left + 77 * CW, 10)
ops.append(f"0.85 g {left + 36 * CW:.2f} {H - 36 - 19 * RH:.2f} {41 * CW:.2f} {8 * RH:.2f} re f 0 g")
box(left + 36 * CW, 11, left + 77 * CW, 19)
ops.append(f"0.85 g {left:.2f} {H - 36 - 22 * RH:.2f} {80 * CW:.2f} {RH:.2f} re f 0 g")
box(left, 21, left + 80 * CW, 60)
for c in (7, 34, 37, 45, 56, 64, 75):
    box(left + c * CW, 22, left + c * CW, 60)
for c0, c1 in ((0, 21), (23, 57), (58, 80)):
    box(left + c0 * CW, 61, left + c1 * CW, 66)
# Letterhead and captions.
text(left + 14, H - 60, "F2", 15, "FERRAMENTA LOMBARDA S.R.L.")
text(left + 14, H - 84, "F1", 9, "VIA DEI MILLE 12 - 24100 BERGAMO BG")
text(left + 14, H - 96, "F1", 8, "partita iva: IT03456780165")
for col, row, s in ((36, 0, "DOCUMENTO"), (62, 0, "DATA.DOC"), (73, 0, "PAG."), (36, 3, "PARTITA IVA CLIENTE"),
                    (54, 3, "CODICE CLIENTE"), (66, 3, "CODICE AGENTE")):
    text(left + col * CW + 2, H - 36 - row * RH - 5, "F1", 4, s)
for col, s in ((1, "CODICE"), (8, "DESCRIZIONE"), (35, "UM"), (38, "QUANTITA"), (45, "PREZZO"), (57, "SCONTO"),
               (64, "IMPORTO"), (76, "IVA")):
    text(left + col * CW, H - 36 - 22 * RH + 3, "F2", 7, s)
# The page text, row by row, in 10 or 17 pitch.
for row, pitch, s in rows:
    size = 11.5 if pitch == "N" else 6.9
    if s.strip():
        text(left, H - 36 - (row + 1) * RH + 3, "F0", size, s)

content = "\n".join(ops).encode("latin-1")
objects = [
    b"<< /Type /Catalog /Pages 2 0 R >>",
    b"<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
    b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 4 0 R /Resources << /Font << "
    b"/F0 5 0 R /F1 6 0 R /F2 7 0 R >> >> >>",
    b"<< /Length %d >>\nstream\n" % len(content) + content + b"\nendstream",
    b"<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >>",
    b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>",
    b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold /Encoding /WinAnsiEncoding >>",
]
out = bytearray(b"%PDF-1.4\n")
offsets = []
for i, body in enumerate(objects, 1):
    offsets.append(len(out))
    out += b"%d 0 obj\n" % i + body + b"\nendobj\n"
xref = len(out)
out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
for o in offsets:
    out += b"%010d 00000 n \n" % o
out += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(objects) + 1, xref)
open(sys.argv[2] if len(sys.argv) > 2 else "vector_invoice.pdf", "wb").write(out)
