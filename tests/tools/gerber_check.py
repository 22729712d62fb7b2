#!/usr/bin/env python3
"""The fabrication set of a test board, read back by an independent viewer.

Writes the set with `tavolin-cli gerber`, renders every file with gerbv into
one frame and compares each picture with the one expected from the
primitives' nominal geometry, read here from the drawing and the standard
library. Usage: gerber_check.py TAVOLIN_CLI DRAWING STDLIB [PICTURE_DIR]
"""
import math
import os
import re
import subprocess
import sys
import tempfile
import zipfile

DPI = 500
PX = 25.4 / DPI  # millimetres a pixel
ORIGIN_IN, WINDOW_IN = (0.2, -1.6), (2.4, 1.6)
X0, Y_TOP = ORIGIN_IN[0] * 25.4, (ORIGIN_IN[1] + WINDOW_IN[1]) * 25.4
WIDTH, HEIGHT = int(WINDOW_IN[0] * DPI), int(WINDOW_IN[1] * DPI)
UNIT = 0.127  # millimetres a drawing unit
MASK = 0.1  # the mask expansion asked for
STROKE = 0.15
LAYER_BOTTOM, LAYER_TOP, LAYER_LEGEND = 1, 2, 3


def read_png(path):
    """Rows of True where the red channel is bright, read by ImageMagick."""
    pgm = subprocess.run(["convert", path, "-alpha", "off", "-channel", "R", "-separate",
                          "-depth", "8", "pgm:-"], check=True, capture_output=True).stdout
    head = re.match(rb"P5\s+(\d+)\s+(\d+)\s+255\s", pgm)
    w, h, px = int(head[1]), int(head[2]), pgm[head.end():]
    return [[v > 127 for v in px[y * w:(y + 1) * w]] for y in range(h)]


def mm(x, y):
    return x * UNIT, -y * UNIT


def circle(cx, cy, r):
    return (cx - r, cy - r, cx + r, cy + r), lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ellipse(cx, cy, a, b):
    return (cx - a, cy - b, cx + a, cy + b), \
        lambda x, y: ((x - cx) / a) ** 2 + ((y - cy) / b) ** 2 <= 1


def rounded(cx, cy, hw, hh, rx, ry):
    def inside(x, y):
        dx, dy = abs(x - cx) - (hw - rx), abs(y - cy) - (hh - ry)
        if dx > rx or dy > ry:
            return False
        return dx <= 0 or dy <= 0 or (dx / rx) ** 2 + (dy / ry) ** 2 <= 1
    return (cx - hw, cy - hh, cx + hw, cy + hh), inside


def capsule(x1, y1, x2, y2, r):
    def inside(x, y):
        vx, vy = x2 - x1, y2 - y1
        t = 0 if vx == vy == 0 else max(0, min(1, ((x - x1) * vx + (y - y1) * vy) /
                                                 (vx * vx + vy * vy)))
        return (x - x1 - t * vx) ** 2 + (y - y1 - t * vy) ** 2 <= r * r
    return (min(x1, x2) - r, min(y1, y2) - r, max(x1, x2) + r, max(y1, y2) + r), inside


def polygon(pts):
    def inside(x, y):
        c = False
        for (ax, ay), (bx, by) in zip(pts, pts[1:] + pts[:1]):
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                c = not c
        return c
    xs, ys = [p[0] for p in pts], [p[1] for p in pts]
    return (min(xs), min(ys), max(xs), max(ys)), inside


def pad_shape(cx, cy, sx, sy, style, grow=0.0):
    hw, hh = sx * UNIT / 2 + grow, sy * UNIT / 2 + grow
    if style == 1:
        return polygon([(cx - hw, cy - hh), (cx + hw, cy - hh), (cx + hw, cy + hh),
                        (cx - hw, cy + hh)])
    if style == 0 and sx == sy:
        return circle(cx, cy, hw)
    if style == 0:
        return ellipse(cx, cy, hw, hh)
    return rounded(cx, cy, hw, hh, sx * UNIT / 4 + grow, sy * UNIT / 4 + grow)


def bezier(p, n=64):
    out = []
    for i in range(n + 1):
        t = i / n
        w = ((1 - t) ** 3, 3 * t * (1 - t) ** 2, 3 * t * t * (1 - t), t ** 3)
        out.append((sum(w[k] * p[k][0] for k in range(4)), sum(w[k] * p[k][1] for k in range(4))))
    return out


def library_component(stdlib, key):
    lines, on = [], False
    for line in open(stdlib, encoding="latin-1"):
        if line.startswith("["):
            on = line.startswith("[%s " % key)
        elif on:
            lines.append(line.split())
    return lines


# Where each command keeps its points: the number of coordinate pairs.
POINT_PAIRS = {"PA": 1, "LI": 2, "PL": 2, "RP": 2, "RV": 2, "EP": 2, "EV": 2, "BE": 4}


def place(words, ox, oy, turns, mirrored):
    """A library component placed as a symbol: from around (100, 100) to the
    origin, quarter turns clockwise on the screen about it, then the mirror;
    a turned pad swaps its sizes."""
    cmd, v = words[0], [int(w) for w in words[1:]]
    pairs = POINT_PAIRS.get(cmd, len(v) // 2)
    for i in range(pairs):
        x, y = v[2 * i] + ox - 100, v[2 * i + 1] + oy - 100
        for _ in range(turns):
            x, y = ox + (oy - y), oy + (x - ox)
        v[2 * i], v[2 * i + 1] = (2 * ox - x if mirrored else x), y
    if cmd == "PA" and turns % 2:
        v[2], v[3] = v[3], v[2]
    return [cmd] + [str(n) for n in v]


def read_board(drawing, stdlib):
    """Pads (x, y, sx, sy, hole, style, layer) and figures {layer: [shape]}."""
    pads, figures = [], {}
    def add(layer, shape):
        figures.setdefault(layer, []).append(shape)

    def take(words):
        cmd, v = words[0], [int(w) for w in words[1:] if w.lstrip("-").isdigit()]
        if cmd == "PA":
            layer = v[6] if len(v) > 6 else 0
            pads.append((*mm(v[0], v[1]), v[2], v[3], v[4], v[5], layer))
        elif cmd == "PL":
            a, b = mm(v[0], v[1]), mm(v[2], v[3])
            add(v[5] if len(v) > 5 else 0, capsule(*a, *b, v[4] * UNIT / 2))
        elif cmd == "RP":
            (x1, y1), (x2, y2) = mm(v[0], v[1]), mm(v[2], v[3])
            add(v[4] if len(v) > 4 else 0, polygon([(x1, y1), (x2, y1), (x2, y2), (x1, y2)]))
        elif cmd == "PP":
            n = len(v) // 2 * 2
            pts = [mm(v[i], v[i + 1]) for i in range(0, n, 2)]
            add(v[n] if len(v) > n else 0, polygon(pts))
        elif cmd == "LI":
            a, b = mm(v[0], v[1]), mm(v[2], v[3])
            add(v[4] if len(v) > 4 else 0, capsule(*a, *b, STROKE / 2))
        elif cmd == "BE":
            pts = bezier([mm(v[i], v[i + 1]) for i in range(0, 8, 2)])
            for a, b in zip(pts, pts[1:]):
                add(v[8] if len(v) > 8 else 0, capsule(*a, *b, STROKE / 2))
        elif cmd == "MC":
            for w in library_component(stdlib, words[5]):
                take(place(w, v[0], v[1], v[2], v[3]))

    for line in open(drawing, encoding="latin-1"):
        words = line.split()
        if words and not line.startswith("["):
            take(words)
    return pads, figures


def paint(shapes):
    img = [[False] * WIDTH for _ in range(HEIGHT)]
    for (l, b, r, t), inside in shapes:
        c0, c1 = max(0, int((l - X0) / PX) - 1), min(WIDTH, int((r - X0) / PX) + 2)
        r0, r1 = max(0, int((Y_TOP - t) / PX) - 1), min(HEIGHT, int((Y_TOP - b) / PX) + 2)
        for row in range(r0, r1):
            y = Y_TOP - (row + 0.5) * PX
            line = img[row]
            for col in range(c0, c1):
                if not line[col] and inside(X0 + (col + 0.5) * PX, y):
                    line[col] = True
    return img


def pixel_box(box):
    l, b, r, t = box
    return (max(1, int((l - X0) / PX) - 1), min(WIDTH - 1, int((r - X0) / PX) + 2),
            max(1, int((Y_TOP - t) / PX) - 1), min(HEIGHT - 1, int((Y_TOP - b) / PX) + 2))


def compare(name, shapes, got, recall_only=False):
    """Share of the expected ink that agrees, pixels along an edge aside: over
    the whole layer and around each figure, so that a small pad counts too."""
    expected = paint(shapes)
    wrong = [[False] * WIDTH for _ in range(HEIGHT)]
    for r in range(1, HEIGHT - 1):
        for c in range(1, WIDTH - 1):
            e = expected[r][c]
            edge = any(expected[r + i][c + j] != e for i in (-1, 0, 1) for j in (-1, 0, 1))
            wrong[r][c] = not edge and e != got[r][c] and (e or not recall_only)

    def share(c0, c1, r0, r1):
        ink = sum(sum(expected[r][c0:c1]) for r in range(r0, r1))
        bad = sum(sum(wrong[r][c0:c1]) for r in range(r0, r1))
        return ink, bad, 1 - bad / max(ink, 1)

    ink, bad, whole = share(1, WIDTH - 1, 1, HEIGHT - 1)
    worst = min((share(*pixel_box(box))[2] for box, _ in shapes), default=0)
    print("%s: %d expected pixels, %d differ off the edges: %.3f %%, %.3f %% at worst around "
          "one figure" % (name, ink, bad, 100 * whole, 100 * worst))
    return ink > 0 and whole >= 0.99 and worst >= 0.99


def render(gerbv, path, png):
    # gerbv exits with 0 even when it could not read the file: only its warning tells.
    run = subprocess.run([gerbv, "-x", "png", "--dpi=%d" % DPI,
                          "--origin=%gx%g" % ORIGIN_IN, "--window_inch=%gx%g" % WINDOW_IN,
                          "--foreground", "#FFFFFFFF", "-B", "0", "-o", png, path],
                         check=True, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    if "Could not read" in run.stderr:
        raise SystemExit("gerbv could not read %s:\n%s" % (path, run.stderr))
    return read_png(png)


def archive_reads_back(cli, drawing, out):
    """The zip holds the set's files in order, each with its checksum right."""
    zip_path = os.path.join(out, "board.zip")
    subprocess.run([cli, "gerber", drawing, "-o", zip_path], check=True)
    stem = os.path.splitext(os.path.basename(drawing))[0]
    archive = zipfile.ZipFile(zip_path)
    want = [stem + "." + e for e in ("GTL", "GBL", "GTS", "GBS", "GTO", "GKO", "DRL", "gbrjob")]
    if archive.namelist() != want or archive.testzip() is not None:
        print("zip: %s, first bad file %s" % (archive.namelist(), archive.testzip()))
        return False
    return True


def main():
    cli, drawing, stdlib = sys.argv[1:4]
    out = sys.argv[4] if len(sys.argv) > 4 else tempfile.mkdtemp()
    os.makedirs(out, exist_ok=True)
    ok = archive_reads_back(cli, drawing, out)
    folder = os.path.join(out, "set") + "/"
    subprocess.run([cli, "gerber", drawing, "-o", folder, "--mask-expansion", str(MASK)],
                   check=True)
    name = os.path.join(folder, os.path.splitext(os.path.basename(drawing))[0])
    pads, figures = read_board(drawing, stdlib)
    copper = [p for p in pads if p[6] in (LAYER_BOTTOM, LAYER_TOP)]
    pad_shapes = [pad_shape(*p[:4], p[5]) for p in copper]
    mask_shapes = [pad_shape(*p[:4], p[5], MASK) for p in copper]
    cases = [("GTL", figures.get(LAYER_TOP, []) + pad_shapes, False),
             ("GBL", figures.get(LAYER_BOTTOM, []) + pad_shapes, False),
             ("GTS", mask_shapes, False), ("GBS", mask_shapes, False),
             ("GTO", figures.get(LAYER_LEGEND, []), True),
             ("DRL", [circle(p[0], p[1], p[4] * UNIT / 2) for p in copper], False)]
    for ext, shapes, recall_only in cases:
        got = render("gerbv", name + "." + ext, os.path.join(out, ext + ".png"))
        ok &= compare(ext, shapes, got, recall_only)
    profile = render("gerbv", name + ".GKO", os.path.join(out, "GKO.png"))
    if not any(any(row) for row in profile):
        print("GKO: nothing drawn")
        ok = False
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
