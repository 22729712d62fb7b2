"""Measures printed pages for the end-to-end cases: the first page rendered
by poppler at 300 dots per inch in grey, the box of its dark pixels (below
half grey)."""
import re
import subprocess

DPI = 300


def render(pdf):
    pgm = subprocess.run(["pdftoppm", "-r", str(DPI), "-gray", "-singlefile", pdf],
                         check=True, capture_output=True).stdout
    header = re.match(rb"P5\s+(\d+)\s+(\d+)\s+255\s", pgm)
    w, h = int(header[1]), int(header[2])
    pixels = pgm[header.end():header.end() + w * h]
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


def mirror_differ(pdf_a, pdf_b):
    """The share of the pixels of the two inked boxes that disagree once the
    second is turned left to right."""
    crops = []
    for pdf in (pdf_a, pdf_b):
        w, h, rows = render(pdf)
        l, t, r, b = ink_box(w, h, rows)
        crops.append([row[l:r].translate(DARK) for row in rows[t:b]])
    a, b = crops[0], [row[::-1] for row in crops[1]]
    height, width = max(len(a), len(b)), max(len(a[0]), len(b[0]))
    at = lambda img, x, y: y < len(img) and x < len(img[y]) and img[y][x] == 1
    return sum(at(a, x, y) != at(b, x, y) for y in range(height) for x in range(width)) / (height * width)
