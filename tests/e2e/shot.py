#!/usr/bin/env python3
"""Looks at screenshots for the end-to-end cases (ImageMagick reads them).

  shot.py canvas FILE
      The document's canvas in a screenshot of the main window: from the
      first to the last row that is mostly pure white, and within those rows
      from the first to the last such column. Prints
      "X Y W H WHITE DARK GREY PIXELS WINDOW_GREY TITLE_ROWS": the box; in it
      the counts of white (#FFFFFF), dark (every channel below 0x80) and
      empty-MDI-area grey (#A0A0A0 give or take 2) pixels and of all pixels;
      the grey pixels of the whole picture; and the rows above the canvas that
      are mostly strongly coloured (a document window's own title bar).

  shot.py checked FILE [X0 Y0 X1 Y1]     (FILE "-": an 8-bit PPM on stdin)
      Checked tool buttons: the patches of #DBDBDB (their background in this
      style) of at least 200 pixels, one "CX CY W H" line each, left to right;
      optionally only inside the given box.
"""
import subprocess
import sys


def pnm_fields(ppm):
    """The header of a binary PNM (magic, width, height, maxval) and where its pixels start."""
    fields, pos = [], 0
    while len(fields) < 4:
        while ppm[pos:pos + 1].isspace():
            pos += 1
        if ppm[pos:pos + 1] == b"#":
            pos = ppm.index(b"\n", pos) + 1
            continue
        end = pos
        while not ppm[end:end + 1].isspace():
            end += 1
        fields.append(ppm[pos:end])
        pos = end
    return fields, pos + 1  # one whitespace byte ends the header


def load(path):
    if path == "-":
        ppm = sys.stdin.buffer.read()
    else:
        ppm = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
    fields, pos = pnm_fields(ppm)
    width, height = int(fields[1]), int(fields[2])
    if fields[0] != b"P6" or fields[3] != b"255":
        sys.exit(f"shot.py: {path} is not an 8-bit picture")
    return width, height, ppm[pos:]


def is_grey(r, g, b):
    return r == g == b and 158 <= r <= 162


def longest_run(flags):
    best, start = (0, 0), None
    for i, f in enumerate(flags + [False]):
        if f and start is None:
            start = i
        elif not f and start is not None:
            if i - start > best[1] - best[0]:
                best = (start, i)
            start = None
    return best


def span(flags):
    """From the first true flag to one past the last: lines of the drawing
    cross the canvas without cutting it."""
    on = [i for i, f in enumerate(flags) if f]
    return (on[0], on[-1] + 1) if on else (0, 0)


def canvas(path):
    w, h, px = load(path)
    r, g, b = px[0::3], px[1::3], px[2::3]
    # One byte a pixel: 255 where the pixel is pure white.
    white_map = bytes(x & y & z for x, y, z in zip(r, g, b))
    y0, y1 = span([white_map[y * w:(y + 1) * w].count(255) * 2 > w for y in range(h)])
    x0, x1 = span([white_map[y0 * w + x:y1 * w:w].count(255) * 2 > (y1 - y0) for x in range(w)])
    white = dark = grey = 0
    for y in range(y0, y1):
        lo, hi = y * w + x0, y * w + x1
        for pr, pg, pb in zip(r[lo:hi], g[lo:hi], b[lo:hi]):
            if pr == pg == pb == 255:
                white += 1
            elif pr < 128 and pg < 128 and pb < 128:
                dark += 1
            elif is_grey(pr, pg, pb):
                grey += 1
    window_grey = sum(1 for pr, pg, pb in zip(r, g, b) if is_grey(pr, pg, pb))
    # A document window that is not maximised has a coloured title bar above
    # its canvas: rows most of whose pixels are strongly coloured.
    banners = 0
    for y in range(y0):
        lo, hi = y * w, (y + 1) * w
        coloured = sum(1 for pr, pg, pb in zip(r[lo:hi], g[lo:hi], b[lo:hi])
                       if max(pr, pg, pb) - min(pr, pg, pb) > 60)
        banners += coloured * 2 > w
    print(x0, y0, x1 - x0, y1 - y0, white, dark, grey, (x1 - x0) * (y1 - y0), window_grey, banners)


def checked(path, box):
    w, h, px = load(path)
    x0, y0, x1, y1 = box if box else (0, 0, w, h)
    x0, y0, x1, y1 = max(0, x0), max(0, y0), min(w, x1), min(h, y1)
    target = b"\xdb\xdb\xdb"
    mask = set()
    for y in range(y0, y1):
        for x in range(x0, x1):
            i = (y * w + x) * 3
            if px[i:i + 3] == target:
                mask.add((x, y))
    found = []
    while mask:
        stack = [mask.pop()]
        xs, ys = [], []
        while stack:
            x, y = stack.pop()
            xs.append(x)
            ys.append(y)
            for p in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                if p in mask:
                    mask.remove(p)
                    stack.append(p)
        if len(xs) >= 200:
            lx, hx, ly, hy = min(xs), max(xs), min(ys), max(ys)
            found.append(((lx + hx) // 2, (ly + hy) // 2, hx - lx + 1, hy - ly + 1))
    for cx, cy, bw, bh in sorted(found):
        print(cx, cy, bw, bh)


def main():
    if len(sys.argv) >= 3 and sys.argv[1] == "canvas":
        canvas(sys.argv[2])
    elif len(sys.argv) in (3, 7) and sys.argv[1] == "checked":
        checked(sys.argv[2], [int(v) for v in sys.argv[3:7]] or None)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
