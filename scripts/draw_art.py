#!/usr/bin/env python3
"""Draws the installer's artwork with nothing but the Python standard library.

    python3 scripts/draw_art.py                 write payload/btn_*.tga and payload/kordex.ico
    python3 scripts/draw_art.py --preview DIR   also write PNG previews into DIR
    python3 scripts/draw_art.py --check         read the written files back and validate them

Output is deterministic: the same bytes on every run.
"""
import math
import os
import struct
import sys
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PAYLOAD = os.path.join(ROOT, 'payload')
BUTTONS = ('default', 'documents', 'desktop', 'browse')
# The sizes Windows XP to 7 ask an icon for: 16, 24, 32 and 48 px as 32-bit
# images; 256 px as PNG, which Vista and 7 show (large views) and XP skips.
ICON_SIZES = (16, 24, 32, 48, 256)
PNG_ICON_SIZE = 256


# ===========================================================================
# Drawing toolkit
#
# Shapes are lists of closed contours (lists of (x, y) points, pixel units,
# y down).  A scanline rasteriser turns them into a per-pixel coverage map:
# SUB sub-scanlines per pixel row, and within each sub-scanline the exact
# horizontal span length, so steep edges get exact coverage and shallow edges
# SUB levels.  Coverage maps are plain lists, which makes clipping a
# multiplication and soft shadows a blur.
# ===========================================================================

SUB = 16


def color(c):
    """'#rrggbb' / (r, g, b) / (r, g, b, a 0..1) -> (r, g, b, a) floats 0..1."""
    if isinstance(c, str):
        c = c.lstrip('#')
        a = int(c[6:8], 16) / 255 if len(c) == 8 else 1.0
        return (int(c[0:2], 16) / 255, int(c[2:4], 16) / 255, int(c[4:6], 16) / 255, a)
    if len(c) == 3:
        return (c[0] / 255, c[1] / 255, c[2] / 255, 1.0)
    return (c[0] / 255, c[1] / 255, c[2] / 255, c[3])


def mix(c0, c1, t):
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def linear(x0, y0, x1, y1, *stops):
    """Linear gradient along (x0,y0)->(x1,y1); stops are (t, colour) pairs."""
    stops = [(t, color(c)) for t, c in stops]
    dx, dy = x1 - x0, y1 - y0
    ll = dx * dx + dy * dy

    def paint(x, y):
        t = ((x - x0) * dx + (y - y0) * dy) / ll
        if t <= stops[0][0]:
            return stops[0][1]
        for (ta, ca), (tb, cb) in zip(stops, stops[1:]):
            if t <= tb:
                return mix(ca, cb, (t - ta) / (tb - ta))
        return stops[-1][1]
    return paint


class Canvas:
    """RGBA image kept premultiplied in floats; converted to straight alpha on output."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]

    def fill(self, shape, paint, rule='union', opacity=1.0, clip=None):
        cov = coverage(self.w, self.h, shape, rule)
        if clip is not None:
            cov = [a * b for a, b in zip(cov, clip)]
        self.paint(cov, paint, opacity)
        return cov

    def paint(self, cov, paint, opacity=1.0):
        w = self.w
        fn = paint if callable(paint) else None
        if fn is None:
            r, g, b, a = color(paint)
        for i, c in enumerate(cov):
            if c <= 0.0:
                continue
            if fn is not None:
                r, g, b, a = fn(i % w + 0.5, i // w + 0.5)
            s = min(c, 1.0) * a * opacity
            p = self.px[i]
            k = 1.0 - s
            p[0] = p[0] * k + r * s
            p[1] = p[1] * k + g * s
            p[2] = p[2] * k + b * s
            p[3] = p[3] * k + s

    def shadow(self, shape, dx, dy, radius, opacity, col='#000000'):
        """Soft drop shadow: the shape's coverage, moved and box-blurred."""
        cov = coverage(self.w, self.h, move(shape, dx, dy))
        self.paint(blur(cov, self.w, self.h, radius), col, opacity)

    def rgba8(self):
        """Straight-alpha 8-bit pixels, top row first; fully transparent pixels are zeroed."""
        out = []
        for r, g, b, a in self.px:
            a8 = int(round(min(a, 1.0) * 255))
            if a8 == 0:
                out.append((0, 0, 0, 0))
                continue
            out.append(tuple(max(0, min(255, int(round(v / a * 255)))) for v in (r, g, b)) + (a8,))
        return out


def signed_area(pts):
    return 0.5 * sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(pts, pts[1:] + pts[:1]))


def coverage(w, h, shape, rule='union'):
    """Coverage 0..1 per pixel.  'union' orients every contour the same way so
    overlapping pieces merge; 'evenodd' lets an inner contour cut a hole."""
    rows = [[] for _ in range(h)]
    for pts in shape:
        if rule == 'union' and signed_area(pts) < 0:
            pts = pts[::-1]
        n = len(pts)
        for i in range(n):
            x0, y0 = pts[i]
            x1, y1 = pts[(i + 1) % n]
            if y0 == y1:
                continue
            d = 1
            if y0 > y1:
                x0, y0, x1, y1, d = x1, y1, x0, y0, -1
            e = (y0, y1, x0, (x1 - x0) / (y1 - y0), d)
            for r in range(max(0, int(math.floor(y0))), min(h, int(math.ceil(y1)))):
                rows[r].append(e)
    cov = [0.0] * (w * h)
    wt = 1.0 / SUB
    for py in range(h):
        edges = rows[py]
        if not edges:
            continue
        acc = [0.0] * (w + 1)
        for s in range(SUB):
            y = py + (s + 0.5) / SUB
            xs = sorted((x0 + (y - y0) * k, d) for y0, y1, x0, k, d in edges if y0 <= y < y1)
            wind = 0
            start = 0.0
            for x, d in xs:
                was = (wind & 1) if rule == 'evenodd' else wind != 0
                wind += d
                now = (wind & 1) if rule == 'evenodd' else wind != 0
                if now and not was:
                    start = x
                elif was and not now:
                    _span(acc, start, x, w, wt)
        base = py * w
        for x in range(w):
            if acc[x] > 0.0:
                cov[base + x] = min(1.0, acc[x])
    return cov


def _span(acc, a, b, w, wt):
    a, b = max(a, 0.0), min(b, float(w))
    if b <= a:
        return
    ia, ib = int(a), int(b)
    if ia == ib:
        acc[ia] += (b - a) * wt
        return
    acc[ia] += (ia + 1 - a) * wt
    for i in range(ia + 1, ib):
        acc[i] += wt
    acc[ib] += (b - ib) * wt


def blur(cov, w, h, radius, passes=3):
    """Repeated box blur (close to a Gaussian)."""
    r = max(1, int(round(radius)))
    for _ in range(passes):
        for horiz in (True, False):
            out = [0.0] * (w * h)
            n, m = (h, w) if horiz else (w, h)
            for j in range(n):
                line = [cov[j * w + i] if horiz else cov[i * w + j] for i in range(m)]
                for i in range(m):
                    lo, hi = max(0, i - r), min(m, i + r + 1)
                    v = sum(line[lo:hi]) / (2 * r + 1)
                    out[j * w + i if horiz else i * w + j] = v
            cov = out
    return cov


def pixel_map(rows, x0, y0, full='#', half='+'):
    """Pixels of a tiny bitmap: `full` chars are whole pixels, `half` chars
    half-covered, anything else empty.  Used where a design must sit exactly
    on whole pixels (16 px icon)."""
    shape = []
    for j, row in enumerate(rows):
        for i, ch in enumerate(row):
            if ch in (full, half):
                shape.append((x0 + i, y0 + j, 1.0 if ch == full else 0.5))
    return shape


def fill_pixels(cv, pix, paint):
    cov = [0.0] * (cv.w * cv.h)
    for x, y, c in pix:
        cov[y * cv.w + x] = c
    cv.paint(cov, paint)


# ----- shapes --------------------------------------------------------------

def arc(cx, cy, rx, ry, a0, a1, steps=None):
    """Points along an ellipse arc, angles in degrees (0 = +x, 90 = +y/down)."""
    if steps is None:
        steps = max(3, int(abs(a1 - a0) / 360 * max(12, 4 * max(rx, ry) * math.pi / 2)))
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / steps)),
             cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / steps))) for i in range(steps + 1)]


def ellipse(cx, cy, rx, ry):
    return [arc(cx, cy, rx, ry, 0, 360)[:-1]]


def circle(cx, cy, r):
    return ellipse(cx, cy, r, r)


def rect(x0, y0, x1, y1):
    return [[(x0, y0), (x1, y0), (x1, y1), (x0, y1)]]


def rrect(x0, y0, x1, y1, r):
    if r <= 0:
        return rect(x0, y0, x1, y1)
    return [arc(x1 - r, y0 + r, r, r, -90, 0) + arc(x1 - r, y1 - r, r, r, 0, 90)
            + arc(x0 + r, y1 - r, r, r, 90, 180) + arc(x0 + r, y0 + r, r, r, 180, 270)]


def poly(*pts):
    return [list(pts)]


def rounded_poly(pts, r):
    """Polygon with every corner replaced by a small arc (soft, Windows-like corners)."""
    out = []
    n = len(pts)
    for i in range(n):
        p0, p1, p2 = pts[i - 1], pts[i], pts[(i + 1) % n]
        v0 = (p0[0] - p1[0], p0[1] - p1[1])
        v2 = (p2[0] - p1[0], p2[1] - p1[1])
        l0, l2 = math.hypot(*v0), math.hypot(*v2)
        rr = min(r, l0 / 2, l2 / 2)
        a = (p1[0] + v0[0] / l0 * rr, p1[1] + v0[1] / l0 * rr)
        b = (p1[0] + v2[0] / l2 * rr, p1[1] + v2[1] / l2 * rr)
        # quadratic Bezier through the corner: cheap and smooth enough
        for k in range(5):
            t = k / 4
            out.append(((1 - t) ** 2 * a[0] + 2 * t * (1 - t) * p1[0] + t * t * b[0],
                        (1 - t) ** 2 * a[1] + 2 * t * (1 - t) * p1[1] + t * t * b[1]))
    return [out]


def star(cx, cy, ro, ri, n=5, rot=-90):
    pts = []
    for i in range(2 * n):
        a = math.radians(rot + i * 180 / n)
        r = ro if i % 2 == 0 else ri
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return [pts]


def stroke(pts, width, closed=False, cap='round'):
    """Outline of a polyline: one quad per segment plus round joins/caps."""
    hw = width / 2
    segs = list(zip(pts, pts[1:] + pts[:1])) if closed else list(zip(pts, pts[1:]))
    out = []
    for (x0, y0), (x1, y1) in segs:
        l = math.hypot(x1 - x0, y1 - y0)
        if l == 0:
            continue
        nx, ny = -(y1 - y0) / l * hw, (x1 - x0) / l * hw
        if cap == 'square' and not closed:
            ex, ey = (x1 - x0) / l * hw, (y1 - y0) / l * hw
            x0, y0, x1, y1 = x0 - ex, y0 - ey, x1 + ex, y1 + ey
        out.append([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)])
    if cap == 'round' or closed:
        for x, y in pts:
            out += circle(x, y, hw)
    return out


def outline(shape, width):
    """Stroke every contour of a closed shape."""
    out = []
    for pts in shape:
        out += stroke(pts, width, closed=True)
    return out


def move(shape, dx, dy):
    return [[(x + dx, y + dy) for x, y in pts] for pts in shape]


def rotate(shape, deg, cx, cy):
    c, s = math.cos(math.radians(deg)), math.sin(math.radians(deg))
    return [[(cx + (x - cx) * c - (y - cy) * s, cy + (x - cx) * s + (y - cy) * c) for x, y in pts]
            for pts in shape]


# ===========================================================================
# File formats
# ===========================================================================

TGA_RLE_TRUE_COLOUR = 10
TGA_TOP_DOWN_ALPHA8 = 0x28  # image descriptor: rows from the top, 8 alpha bits


def tga_bytes(w, h, rgba):
    """Run-length encoded 32-bit TGA, rows top-down, B,G,R,A straight alpha.
    Packets stay within a row: a run packet (high bit set) repeats one pixel
    up to 128 times, a raw packet carries up to 128 pixels as they are."""
    out = bytearray(struct.pack('<BBBHHBHHHHBB', 0, 0, TGA_RLE_TRUE_COLOUR, 0, 0, 0, 0, 0, w, h, 32,
                                TGA_TOP_DOWN_ALPHA8))
    for y in range(h):
        row = [bytes((b, g, r, a)) for r, g, b, a in rgba[y * w:(y + 1) * w]]
        x = 0
        while x < w:
            run = 1
            while x + run < w and run < 128 and row[x + run] == row[x]:
                run += 1
            if run > 1:
                out.append(0x80 | (run - 1))
                out += row[x]
                x += run
                continue
            raw = 1
            while x + raw < w and raw < 128 and (x + raw + 1 >= w or row[x + raw + 1] != row[x + raw]):
                raw += 1
            out.append(raw - 1)
            out += b''.join(row[x:x + raw])
            x += raw
    return bytes(out)


def tga_pixels(d):
    """(width, height, [(r, g, b, a)] top-down) of a file tga_bytes wrote."""
    idlen, cmap, kind, _, _, _, _, _, w, h, depth, desc = struct.unpack_from('<BBBHHBHHHHBB', d, 0)
    if (idlen, cmap, kind, depth, desc) != (0, 0, TGA_RLE_TRUE_COLOUR, 32, TGA_TOP_DOWN_ALPHA8):
        raise ValueError('not a top-down 32-bit run-length TGA')
    px, at = [], 18
    while len(px) < w * h:
        head = d[at]
        at += 1
        if head & 0x80:
            b, g, r, a = d[at:at + 4]
            px += [(r, g, b, a)] * ((head & 0x7F) + 1)
            at += 4
        else:
            for _ in range((head & 0x7F) + 1):
                b, g, r, a = d[at:at + 4]
                px.append((r, g, b, a))
                at += 4
    if len(px) != w * h or at != len(d):
        raise ValueError('packets do not fill the picture exactly')
    return w, h, px


def ico_image(w, h, rgba):
    """One ICO entry as BMP: header with doubled height, BGRA rows bottom-up,
    then the 1-bpp AND mask (set where fully transparent) padded to 32 bits."""
    xor = bytearray()
    mask = bytearray()
    stride = (w + 31) // 32 * 4
    for y in range(h - 1, -1, -1):
        row = rgba[y * w:(y + 1) * w]
        bits = bytearray(stride)
        for x, (r, g, b, a) in enumerate(row):
            xor += bytes((b, g, r, a))
            if a == 0:
                bits[x >> 3] |= 0x80 >> (x & 7)
        mask += bits
    info = struct.pack('<IiiHHIIiiII', 40, w, 2 * h, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + bytes(mask)


def ico_bytes(images):
    """images: list of (size, rgba); the PNG_ICON_SIZE one is stored as PNG."""
    blobs = [png_bytes(s, s, px) if s == PNG_ICON_SIZE else ico_image(s, s, px) for s, px in images]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (s, _), blob in zip(images, blobs):
        out += struct.pack('<BBBBHHII', s % 256, s % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return out + b''.join(blobs)


def png_filtered(row, prior, kind):
    """One PNG scanline (RGBA, 4 bytes a pixel) with filter `kind` applied."""
    out = bytearray(len(row))
    for i, x in enumerate(row):
        a = row[i - 4] if i >= 4 else 0
        b = prior[i]
        c = prior[i - 4] if i >= 4 else 0
        if kind == 0:
            pred = 0
        elif kind == 1:
            pred = a
        elif kind == 2:
            pred = b
        elif kind == 3:
            pred = (a + b) // 2
        else:
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            pred = a if pa <= pb and pa <= pc else b if pb <= pc else c
        out[i] = (x - pred) & 0xFF
    return out


def png_bytes(w, h, rgba):
    """RGBA PNG; each row takes the filter whose output is smallest (the usual
    heuristic), which shrinks smooth artwork to a fraction."""
    raw = bytearray()
    prior = bytes(4 * w)
    for y in range(h):
        row = b''.join(bytes(p) for p in rgba[y * w:(y + 1) * w])
        best = min(((k, png_filtered(row, prior, k)) for k in range(5)),
                   key=lambda kf: sum(v if v < 128 else 256 - v for v in kf[1]))
        raw.append(best[0])
        raw += best[1]
        prior = row

    def chunk(tag, body):
        return struct.pack('>I', len(body)) + tag + body + struct.pack('>I', zlib.crc32(tag + body))
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))


# ===========================================================================
# Pictures
# ===========================================================================

# Shared drop-shadow settings for emblems so the four buttons look like a set.
EMBLEM_SHADOW = dict(dx=0.6, dy=1.2, radius=1, opacity=0.35)

FOLDER_OUTLINE = '#a0700e'


def folder_back(cv):
    """Back panel with the tab: darker manila, it sits behind whatever is 'inside'."""
    back = rounded_poly([(3.5, 8.5), (20.5, 8.5), (24.5, 12.5), (54.5, 12.5),
                         (54.5, 51.5), (3.5, 51.5)], 2.2)
    cv.shadow(back, 0.8, 1.5, 1, 0.28)
    cv.fill(back, linear(0, 8, 0, 52, (0, '#f2c55a'), (1, '#cf961f')))
    cv.fill(outline(back, 1.0), FOLDER_OUTLINE)
    # a thin light line inside the top edge makes the board look bevelled
    cv.fill(stroke([(5.5, 10.0), (19.8, 10.0), (23.6, 14.0), (53.0, 14.0)], 1.0), '#ffe9a8', opacity=0.8)


FRONT = [(2.5, 20.5), (55.5, 20.5), (54.5, 51.5), (3.5, 51.5)]


def folder_front(cv):
    """Front flap: lighter, glossy, with a shadow it casts onto the back."""
    front = rounded_poly(FRONT, 2.0)
    cv.shadow(front, 0, -1.2, 1, 0.22, '#5a3a00')
    cv.fill(front, linear(0, 20, 0, 52, (0, '#ffe898'), (0.45, '#fdd66a'), (1, '#efb63c')))
    cv.fill(outline(front, 1.0), FOLDER_OUTLINE)
    cv.fill(stroke([(4.2, 21.9), (53.8, 21.9)], 1.0), '#fffbe6', opacity=0.9)


def folder(cv):
    folder_back(cv)
    folder_front(cv)


def page(cv, x0, y0, x1, y1, fold=0.0, lines=(), line_col='#8a9bb5', edge='#6b7380', shadow=True,
         rot=0.0, title=True):
    """A sheet of paper with optional folded corner and text lines, optionally rotated about its centre."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    if fold:
        body = poly((x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1))
    else:
        body = rect(x0, y0, x1, y1)
    body = rotate(body, rot, cx, cy)
    if shadow:
        cv.shadow(body, **EMBLEM_SHADOW)
    cv.fill(body, linear(x0, y0, x1, y1, (0, '#ffffff'), (1, '#e9eef5')))
    for i, (ly, lx0, lx1) in enumerate(lines):
        col = '#4d6a99' if (title and i == 0) else line_col
        cv.fill(rotate(stroke([(lx0, ly), (lx1, ly)], 1.2, cap='butt'), rot, cx, cy), col)
    cv.fill(outline(body, 1.0), edge)
    if fold:
        flap = rotate(poly((x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)), rot, cx, cy)
        cv.fill(flap, linear(x1 - fold, y0 + fold, x1, y0, (0, '#dfe5ee'), (1, '#b9c3d2')))
        cv.fill(outline(flap, 0.9), edge)


def btn_default():
    cv = Canvas(64, 64)
    folder(cv)
    cx, cy = 44.0, 43.5
    s = star(cx, cy, 19.0, 8.2)
    s = rounded_poly(s[0], 1.3)
    cv.shadow(s, 0.7, 1.4, 1, 0.4)
    cv.fill(s, linear(cx - 8, cy - 16, cx + 8, cy + 16, (0, '#fff6a0'), (0.35, '#ffd426'), (1, '#f08a00')))
    # a lighter upper-left half of each arm gives the star a faceted, raised look
    hi = []
    pts = star(cx, cy, 19.0, 8.2)[0]
    for i in range(0, 10, 2):
        tip, inner = pts[i], pts[(i - 1) % 10]
        hi.append([(cx, cy), inner, tip])
    cv.fill(hi, '#ffffff', opacity=0.28)
    cv.fill(outline(s, 1.3), '#a64b00')
    return cv


def btn_documents():
    cv = Canvas(64, 64)
    folder(cv)
    x0, y0, x1, y1 = 33.5, 24.5, 58.5, 60.5
    lines = [(30.5, 37.0, 48.0)] + [(y, 37.0, 55.0 if i % 3 != 2 else 49.0)
                                    for i, y in enumerate((35.5, 39.5, 43.5, 47.5, 51.5, 55.5))]
    page(cv, x0, y0, x1, y1, fold=8.0, lines=lines, line_col='#7f93b3')
    return cv


def btn_desktop():
    cv = Canvas(64, 64)
    folder(cv)
    # monitor: bezel, screen, neck, foot
    bx0, by0, bx1, by1 = 28.5, 29.5, 61.5, 53.5
    foot = rrect(36.5, 57.5, 53.5, 61.5, 1.8)
    neck = poly((41.5, 53.0), (48.5, 53.0), (50.0, 58.0), (40.0, 58.0))
    bezel = rrect(bx0, by0, bx1, by1, 2.5)
    cv.shadow(bezel + foot, 0.6, 1.3, 1, 0.4)
    cv.fill(foot, linear(0, 57, 0, 62, (0, '#7b828c'), (1, '#3c4148')))
    cv.fill(outline(foot, 1.0), '#22262b')
    cv.fill(neck, linear(40, 0, 50, 0, (0, '#4a5058'), (0.5, '#8a919b'), (1, '#4a5058')))
    cv.fill(outline(neck, 0.8), '#22262b')
    cv.fill(bezel, linear(0, by0, 0, by1, (0, '#5d646e'), (1, '#2b2f35')))
    cv.fill(outline(bezel, 1.0), '#16191d')
    scr = rect(bx0 + 3, by0 + 3, bx1 - 3, by1 - 4)
    cv.fill(scr, linear(bx0, by0, bx0 + 10, by1, (0, '#7cc4ff'), (0.55, '#2f7fe0'), (1, '#1848a8')))
    # glossy diagonal reflection, clipped to the screen
    clip = coverage(64, 64, scr)
    cv.fill(poly((bx0, by0), (bx0 + 20, by0), (bx0 + 8, by1), (bx0, by1)), '#ffffff', opacity=0.22, clip=clip)
    cv.fill(outline(scr, 0.8), '#0f2a5a')
    # a power light so it reads as a monitor rather than a picture frame
    cv.fill(circle(bx1 - 4.5, by1 - 2.0, 0.8), '#6ff07a')
    return cv


def btn_browse():
    cv = Canvas(64, 64)
    folder_back(cv)
    # papers sticking out between the back and the front, fanned at angles;
    # kept right of the tab so the folder shape still reads
    for (cx, cy, rot) in ((27.0, 21.0, -19.0), (37.5, 19.0, -2.0), (47.0, 22.0, 17.0)):
        x0, y0 = cx - 10, cy - 14
        lines = [(y0 + 5 + 4 * k, x0 + 4, x0 + 16 - (k % 2) * 4) for k in range(4)]
        page(cv, x0, y0, x0 + 20, y0 + 28, lines=lines, rot=rot, title=False, line_col='#93a3bb')
    folder_front(cv)
    # one loose sheet slipping out over the front edge
    x0, y0 = 33.0, 33.0
    lines = [(y0 + 5 + 4 * k, x0 + 4, x0 + 18 - (k % 2) * 5) for k in range(5)]
    page(cv, x0, y0, x0 + 22, y0 + 28, fold=0, lines=lines, rot=18.0, title=False, line_col='#93a3bb')
    return cv


# ----- the program icon ----------------------------------------------------

def k_glyph(x0, y0, x1, y1, stem, arm, join=0.66, meet=0.42):
    """Bold 'K': a stem plus two parallelogram arms with flat (horizontal) ends.
    The upper arm runs from the stem at height `join` up to the top-right; the
    lower leg starts inside the upper arm at height `meet` and runs to the
    bottom-right.  Heights are fractions of the glyph height."""
    sx = x0 + stem
    yj = y0 + (y1 - y0) * join
    yk = y0 + (y1 - y0) * meet
    left0 = sx - arm * 0.9  # upper arm's lower end starts inside the stem

    def left(y):  # left edge of the upper arm at height y
        return left0 + (x1 - arm - left0) * (yj - y) / (yj - y0)
    upper = poly((x1 - arm, y0), (x1, y0), (left0 + arm, yj), (left0, yj))
    lower = poly((left(yk), yk), (left(yk) + arm, yk), (x1 + arm * 0.05, y1), (x1 - arm * 1.1, y1))
    return rect(x0, y0, sx, y1) + upper + lower


def frame(outer, inner):
    """A ring between two nested contours (even-odd), so a 1-px border can sit
    exactly on whole pixels instead of straddling an edge."""
    return outer + inner


def down_arrow(cx, top, base, tip, shaft, head):
    """Arrow pointing down: shaft from `top` to `base`, head from `base` to `tip`."""
    return poly((cx - shaft, top), (cx + shaft, top), (cx + shaft, base), (cx + head, base),
                (cx, tip), (cx - head, base), (cx - shaft, base))


# Per-size layout of the icon.  48 px and up are the 128 px design scaled;
# 16, 24 and 32 are laid out by hand on whole pixels with chunkier strokes, so
# the K keeps solid 2-4 px stems and the arrow stays a clear shape.
ICON_LAYOUT = {
    128: dict(badge=(6, 6, 112, 112, 20), border=2.5, k=(22, 20, 80, 88, 20, 21),
              disc=(101, 101, 24), ring=3.5, arrow=(-14, 0, 14, 5.5, 12.5)),
    32: dict(badge=(1, 1, 28, 28, 5), border=1, k=(6, 5, 21, 23, 5, 5.5),
             disc=(24, 24, 7.5), ring=1.2, arrow=(-5, 0, 5, 1.5, 4)),
    24: dict(badge=(1, 1, 21, 21, 4), border=1, k=(4, 4, 15, 17, 4, 4),
             disc=(18, 18, 5.5), ring=1, arrow=(-3.5, 0, 3.5, 1, 3)),
    # 16 px: no room for a disc around the arrow, so the arrow itself is
    # green with a dark rim ('o'), drawn pixel by pixel.
    16: dict(badge=(0, 0, 14, 14, 3), border=1,
             k_pixels=(2, 2, ['##...##+',
                              '##..##+.',
                              '##.##+..',
                              '####+...',
                              '#####...',
                              '##+##...',
                              '##.+##..',
                              '##..+##.',
                              '##...+##']),
             arrow_pixels=(8, 8, ['..oooo..',
                                  '..o##o..',
                                  '..o##o..',
                                  'ooo##ooo',
                                  'o######o',
                                  '.o####o.',
                                  '..o##o..',
                                  '...oo...'])),
}


def icon(size):
    cv = Canvas(size, size)
    if size in ICON_LAYOUT:
        L, u = ICON_LAYOUT[size], 1.0
    else:
        L, u = ICON_LAYOUT[128], size / 128.0
    bx0, by0, bx1, by1, br = (v * u for v in L['badge'])
    bw = max(1.0, L['border'] * u)
    badge = rrect(bx0, by0, bx1, by1, br)
    if size >= 48:
        cv.shadow(badge, 1.2 * u, 2.5 * u, max(1, 2 * u), 0.35)
    cv.fill(badge, linear(0, by0, 0, by1, (0, '#5aa8f5'), (0.5, '#2a72d6'), (1, '#1a4aa6')))
    if size >= 32:
        # glassy highlight on the upper half, kept inside the badge
        gloss = rrect(bx0, by0, bx1, (by0 + by1) / 2, br)
        cv.fill(gloss, linear(0, by0, 0, (by0 + by1) / 2, (0, (255, 255, 255, 0.38)), (1, (255, 255, 255, 0.05))),
                clip=coverage(size, size, badge))
    cv.fill(frame(badge, rrect(bx0 + bw, by0 + bw, bx1 - bw, by1 - bw, max(0, br - bw))), '#123b85', rule='evenodd')

    if 'k_pixels' in L:
        fill_pixels(cv, pixel_map(L['k_pixels'][2], *L['k_pixels'][:2]), '#ffffff')
    else:
        kx0, ky0, kx1, ky1, stem, arm = (v * u for v in L['k'])
        k = k_glyph(kx0, ky0, kx1, ky1, stem, arm)
        cv.shadow(k, 0, max(1.0, 1.5 * u), 1, 0.3, '#0a2050')
        cv.fill(k, '#ffffff')

    if 'arrow_pixels' in L:
        x0, y0, rows = L['arrow_pixels']
        fill_pixels(cv, pixel_map(rows, x0, y0, full='o'), '#145a1c')
        fill_pixels(cv, pixel_map(rows, x0, y0), '#3cc03c')
        return cv

    # green disc with a white down arrow: "install"
    cx, cy, r = (v * u for v in L['disc'])
    ring = L['ring'] * u
    if size >= 48:
        cv.shadow(circle(cx, cy, r), 0.8 * u, 2 * u, max(1, 2 * u), 0.4)
    if ring:
        cv.fill(circle(cx, cy, r), '#ffffff')
    green = circle(cx, cy, r - ring)
    cv.fill(green, linear(0, cy - r, 0, cy + r, (0, '#74d860'), (1, '#1c9229')))
    top, base, tip, shaft, head = (v * u for v in L['arrow'])
    cv.fill(down_arrow(cx, cy + top, cy + base, cy + tip, shaft, head), '#ffffff')
    ow = max(0.9, 1.3 * u)
    cv.fill(frame(circle(cx, cy, r), circle(cx, cy, r - ow)), '#145a1c', rule='evenodd')
    return cv


# ===========================================================================
# Driver: write, preview, check
# ===========================================================================

def render_all():
    pics = {name: globals()['btn_' + name]() for name in BUTTONS}
    icons = [(s, icon(s)) for s in ICON_SIZES]
    return pics, icons


def write_assets(pics, icons):
    os.makedirs(PAYLOAD, exist_ok=True)
    for name, cv in pics.items():
        with open(os.path.join(PAYLOAD, 'btn_%s.tga' % name), 'wb') as f:
            f.write(tga_bytes(cv.w, cv.h, cv.rgba8()))
    with open(os.path.join(PAYLOAD, 'kordex.ico'), 'wb') as f:
        f.write(ico_bytes([(s, cv.rgba8()) for s, cv in icons]))


def over(px, bg):
    """Straight-alpha pixel composited on an opaque background."""
    r, g, b, a = px
    t = a / 255
    return tuple(int(round(c * t + k * (1 - t))) for c, k in zip((r, g, b), bg)) + (255,)


def grey(px):
    r, g, b, a = px
    v = (r + g + b) // 3
    return (v, v, v, a)


class Sheet:
    """Contact sheet for previews: paste images (optionally enlarged) on a background."""

    def __init__(self, w, h, bg):
        self.w, self.h = w, h
        self.px = [bg + (255,)] * (w * h)

    def paste(self, x, y, iw, ih, rgba, bg=None, zoom=1, checker=False):
        for yy in range(ih * zoom):
            for xx in range(iw * zoom):
                p = rgba[(yy // zoom) * iw + xx // zoom]
                if checker:
                    base = (204, 204, 204) if ((xx // 8) + (yy // 8)) % 2 else (255, 255, 255)
                elif bg is not None:
                    base = bg
                else:
                    base = self.px[(y + yy) * self.w + x + xx][:3]
                self.px[(y + yy) * self.w + x + xx] = over(p, base)

    def save(self, path):
        with open(path, 'wb') as f:
            f.write(png_bytes(self.w, self.h, self.px))


def write_previews(pics, icons, out):
    os.makedirs(out, exist_ok=True)
    bgs = [(240, 240, 240), (212, 208, 200)]
    for name, cv in pics.items():
        px = cv.rgba8()
        with open(os.path.join(out, 'btn_%s.png' % name), 'wb') as f:
            f.write(png_bytes(64, 64, px))
        # 1x and 4x, colour and grey, on both button faces and on a checkerboard
        sh = Sheet(5 * 264 + 8, 64 + 16 + 256 + 16, (128, 128, 128))
        variants = [(px, None, True)] + [(px, bg, False) for bg in bgs] + [([grey(p) for p in px], bg, False) for bg in bgs]
        for i, (img, bg, chk) in enumerate(variants):
            sh.paste(8 + i * 264, 8, 64, 64, img, bg=bg, checker=chk)
            sh.paste(8 + i * 264, 80, 64, 64, img, bg=bg, zoom=4, checker=chk)
        sh.save(os.path.join(out, 'sheet_%s.png' % name))
    # all four side by side at real size, as the user will see them
    sh = Sheet(4 * 72 + 8, 4 * 72 + 8, (128, 128, 128))
    for r, (bg, g) in enumerate([(bgs[0], False), (bgs[1], False), (bgs[0], True), (bgs[1], True)]):
        for c, name in enumerate(BUTTONS):
            px = pics[name].rgba8()
            sh.paste(8 + c * 72, 8 + r * 72, 64, 64, [grey(p) for p in px] if g else px, bg=bg)
    sh.save(os.path.join(out, 'buttons.png'))
    # icon: every size at real size, the small ones also at 4x, on white and on dark
    def zoom(s):
        return 4 if s <= 64 else 1
    largest = max(s for s, _ in icons)
    band = largest + 16 + max(s * zoom(s) for s, _ in icons if zoom(s) > 1) + 16
    total = sum(max(s, s * zoom(s)) + 16 for s, _ in icons) + 16
    sh = Sheet(total, 2 * band + 16, (128, 128, 128))
    for r, bg in enumerate([(255, 255, 255), (32, 36, 44)]):
        x = 16
        y0 = 16 + r * band
        for s, cv in icons:
            px = cv.rgba8()
            sh.paste(x, y0, s, s, px, bg=bg)
            if zoom(s) > 1:
                sh.paste(x, y0 + largest + 16, s, s, px, bg=bg, zoom=zoom(s))
            with open(os.path.join(out, 'icon_%d.png' % s), 'wb') as f:
                f.write(png_bytes(s, s, px))
            x += s * zoom(s) + 16
    sh.save(os.path.join(out, 'icon.png'))


def check():
    problems = []

    def alpha_ok(what, alphas):
        if 0 not in alphas or 255 not in alphas or not any(0 < a < 255 for a in alphas):
            problems.append('%s: alpha lacks 0, 255 or soft values' % what)

    for name in BUTTONS:
        path = os.path.join(PAYLOAD, 'btn_%s.tga' % name)
        try:
            w, h, px = tga_pixels(open(path, 'rb').read())
        except (OSError, ValueError, struct.error, IndexError) as e:
            problems.append('%s: %s' % (path, e))
            continue
        if (w, h) != (64, 64):
            problems.append('%s: expected 64x64, got %dx%d' % (path, w, h))
            continue
        alpha_ok(path, set(p[3] for p in px))
    path = os.path.join(PAYLOAD, 'kordex.ico')
    try:
        d = open(path, 'rb').read()
        res, typ, n = struct.unpack_from('<HHH', d, 0)
        if (res, typ, n) != (0, 1, len(ICON_SIZES)):
            problems.append('%s: bad ICONDIR %r' % (path, (res, typ, n)))
        for i, want in enumerate(ICON_SIZES[:n]):
            bw, bh, cc, _, planes, bpp, size, off = struct.unpack_from('<BBBBHHII', d, 6 + 16 * i)
            if want == PNG_ICON_SIZE:
                sig = d[off:off + 8]
                ihdr = struct.unpack_from('>I4sIIBB', d, off + 8)
                if (bw, bh, cc, planes, bpp) != (0, 0, 0, 1, 32) or sig != b'\x89PNG\r\n\x1a\n' or \
                        ihdr[1:] != (b'IHDR', want, want, 8, 6) or off + size > len(d):
                    problems.append('%s #%d: bad %dpx PNG image' % (path, i, want))
                continue
            hs, w, h, p2, bpp2, comp = struct.unpack_from('<IiiHHI', d, off)
            stride = (w + 31) // 32 * 4
            expect = 40 + w * w * 4 + stride * w
            if (bw, bh, cc, planes, bpp) != (want % 256, want % 256, 0, 1, 32):
                problems.append('%s #%d: bad directory entry' % (path, i))
            if (hs, w, h, p2, bpp2, comp) != (40, want, 2 * want, 1, 32, 0) or size != expect or off + size > len(d):
                problems.append('%s #%d: bad %dpx image header' % (path, i, want))
                continue
            px = d[off + 40:off + 40 + w * w * 4]
            alpha_ok('%s %dpx' % (path, want), set(px[3::4]))
            mask = d[off + 40 + w * w * 4:off + size]
            for y in range(w):
                for x in range(w):
                    bit = (mask[y * stride + (x >> 3)] >> (7 - (x & 7))) & 1
                    if bit != (px[(y * w + x) * 4 + 3] == 0):
                        problems.append('%s %dpx: AND mask disagrees with alpha' % (path, want))
                        break
                else:
                    continue
                break
    except (OSError, struct.error) as e:
        problems.append('%s: %s' % (path, e))
    for p in problems:
        print('check: ' + p, file=sys.stderr)
    print('check: %s' % ('FAILED' if problems else 'ok (%d TGAs, ICO with %s px, %d px as PNG)' % (
        len(BUTTONS), ', '.join(map(str, ICON_SIZES)), PNG_ICON_SIZE)))
    return 1 if problems else 0


def main(argv):
    if argv[1:2] == ['--check']:
        return check()
    preview = None
    if argv[1:2] == ['--preview']:
        preview = argv[2] if len(argv) > 2 else '/tmp/art'
    elif len(argv) > 1:
        print(__doc__, file=sys.stderr)
        return 2
    pics, icons = render_all()
    write_assets(pics, icons)
    if preview:
        write_previews(pics, icons, preview)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
