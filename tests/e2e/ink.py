#!/usr/bin/env python3
"""Measures printed pages for the end-to-end cases (poppler renders them).

  ink.py box PDF
      Renders the first page at 300 dots per inch in grey and prints
      "PAGE_W PAGE_H LEFT TOP RIGHT BOTTOM" in millimetres: the page, and the
      box of its dark pixels (below half grey) with RIGHT and BOTTOM measured
      from the page's left and top edges.

  ink.py mirrored PDF_A PDF_B
      Crops both pages to their dark pixels, turns the second left to right and
      prints the share (0 to 1) of the pixels where the two disagree.
"""
import subprocess
import sys

from shot import pnm_fields

DPI = 300


def render(pdf):
    pgm = subprocess.run(["pdftoppm", "-r", str(DPI), "-gray", "-singlefile", pdf],
                         check=True, capture_output=True).stdout
    fields, pos = pnm_fields(pgm)
    w, h = int(fields[1]), int(fields[2])
    pixels = pgm[pos:pos + w * h]
    return w, h, [pixels[y * w:(y + 1) * w] for y in range(h)]


# Dark pixels become 1, the others 0, so that bytes.find does the looking.
DARK = bytes(1 if v < 128 else 0 for v in range(256))


def ink_box(w, h, rows):
    left, top, right, bottom = w, h, -1, -1
    for y, row in enumerate(rows):
        dark = row.translate(DARK)
        first = dark.find(1)
        if first >= 0:
            left, right = min(left, first), max(right, dark.rfind(1))
            top, bottom = min(top, y), y
    return left, top, right + 1, bottom + 1


def mm(px):
    return px * 25.4 / DPI


def main():
    if sys.argv[1] == "box":
        w, h, rows = render(sys.argv[2])
        l, t, r, b = ink_box(w, h, rows)
        print(" ".join("%.2f" % mm(v) for v in (w, h, l, t, r, b)))
        return
    crops = []
    for pdf in sys.argv[2:4]:
        w, h, rows = render(pdf)
        l, t, r, b = ink_box(w, h, rows)
        crops.append([row[l:r].translate(DARK) for row in rows[t:b]])
    a, b = crops[0], [row[::-1] for row in crops[1]]
    height, width = max(len(a), len(b)), max(len(a[0]), len(b[0]))
    at = lambda img, x, y: y < len(img) and x < len(img[y]) and img[y][x] == 1
    differ = sum(at(a, x, y) != at(b, x, y) for y in range(height) for x in range(width))
    print("%.4f" % (differ / (height * width)))


main()
