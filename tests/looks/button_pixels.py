#!/usr/bin/env python3
"""Reads what a picture button's look means from screenshots of the button.

Each shot is a 24-bit BMP of the button's window rectangle, as the e2e
driver's `shot FILE CTRL` writes it. One check a call; it prints what it
measured and exits 0 when the look holds, 1 when it does not:

  grey SHOT REF            the picture is grey: every pixel of it has equal
                           channels (REF, the same button in colour, shows
                           where the picture is)
  colour SHOT              the picture is in colour
  half SHOT FULL REF       the picture is drawn at half its opacity: its
                           contrast against the face is half FULL's
  shifted PRESSED REST     the picture stands one pixel right of and one
                           lower than where it rests (REST, in colour), and
                           is in colour there too
  same SHOT OTHER          the two shots are equal pixel for pixel
  classic-frame SHOT LIGHT DARK SHADOW
                           the classic raised edge: the outer top row and
                           left column in the highlight colour, the outer
                           bottom row and right column in the dark shadow
                           colour, the row above that in the shadow colour
                           (colours as RRGGBB)
  themed-frame SHOT HOT LIGHT DARK SHADOW
                           a styled frame: not the classic edge, and the
                           frame under the mouse (HOT) differs from it
"""
import struct
import sys

# Rounding in the grey conversion and the blend with the face.
GREY_TOLERANCE = 3
# A channel spread that no grey, blended or not, comes near.
STRONG_COLOUR = 40
# How far a picture's pixel may move on a blend with another face.
COLOUR_MATCH = 6


def load(path):
    with open(path, 'rb') as f:
        data = f.read()
    if data[:2] != b'BM':
        raise SystemExit(f'{path}: not a BMP file')
    offset, = struct.unpack_from('<I', data, 10)
    width, height, _, bits, compression = struct.unpack_from('<iiHHI', data, 18)
    if bits != 24 or compression != 0:
        raise SystemExit(f'{path}: not a 24-bit uncompressed BMP')
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(abs(height)):
        source = y if height < 0 else abs(height) - 1 - y
        row = data[offset + source * stride: offset + source * stride + width * 3]
        rows.append([(row[i + 2], row[i + 1], row[i]) for i in range(0, width * 3, 3)])
    return rows


def spread(pixel):
    return max(pixel) - min(pixel)


def luminance(pixel):
    return sum(pixel) / 3


def inner(rows):
    """The button inside its frame and focus rectangle (both at most four pixels in)."""
    return 4, 4, len(rows[0]) - 4, len(rows) - 4


def picture_box(rows):
    """Where a picture in colour has its coloured pixels: their bounding box."""
    left, top, right, bottom = inner(rows)
    xs, ys = [], []
    for y in range(top, bottom):
        for x in range(left, right):
            if spread(rows[y][x]) > STRONG_COLOUR:
                xs.append(x)
                ys.append(y)
    if not xs:
        raise SystemExit('no coloured picture in the reference shot')
    return min(xs), min(ys), max(xs) + 1, max(ys) + 1


def pixels(rows, box, dx=0, dy=0):
    left, top, right, bottom = box
    return [rows[y + dy][x + dx] for y in range(top, bottom) for x in range(left, right)]


def contrast(values):
    """The standard deviation of the luminance: how much a picture stands out."""
    levels = [luminance(p) for p in values]
    mean = sum(levels) / len(levels)
    return (sum((v - mean) ** 2 for v in levels) / len(levels)) ** 0.5


def verdict(holds, measured):
    print(measured)
    return 0 if holds else 1


def grey(shot, reference):
    values = pixels(load(shot), picture_box(load(reference)))
    widest = max(spread(p) for p in values)
    shown = contrast(values)
    # A picture, not the bare face: grey pixels that stand out.
    return verdict(widest <= GREY_TOLERANCE and shown > 10,
                   f'widest channel spread {widest} (at most {GREY_TOLERANCE}), contrast {shown:.1f} (over 10)')


def colour(shot):
    rows = load(shot)
    values = pixels(rows, inner(rows))
    coloured = sum(1 for p in values if spread(p) > STRONG_COLOUR) / len(values)
    return verdict(coloured >= 0.03, f'{coloured:.1%} of the inside strongly coloured (at least 3%)')


def half(shot, full, reference):
    box = picture_box(load(reference))
    ratio = contrast(pixels(load(shot), box)) / contrast(pixels(load(full), box))
    return verdict(0.35 <= ratio <= 0.65, f'contrast {ratio:.2f} of the full picture\'s (0.35 to 0.65)')


def shifted(pressed, rest):
    """Finds how far the resting picture moved: the offset that matches it best."""
    pressed_rows, rest_rows = load(pressed), load(rest)
    left, top, right, bottom = picture_box(rest_rows)
    # The box shrunk by the largest offset tried, so every offset stays inside it.
    box = left + 2, top + 2, right - 2, bottom - 2
    resting = pixels(rest_rows, box)
    differences = {}
    for dy in range(-2, 3):
        for dx in range(-2, 3):
            moved = pixels(pressed_rows, box, dx, dy)
            differences[dx, dy] = sum(abs(a - b) for p, q in zip(resting, moved)
                                      for a, b in zip(p, q)) / len(resting)
    best = min(differences, key=differences.get)
    # The picture's own colours found again there: the face under its
    # see-through edges may differ (a styled pressed face is another colour).
    coloured = [(p, q) for p, q in zip(resting, pixels(pressed_rows, box, *best)) if spread(p) > STRONG_COLOUR]
    kept = sum(1 for p, q in coloured if max(abs(a - b) for a, b in zip(p, q)) <= COLOUR_MATCH) / len(coloured)
    return verdict(best == (1, 1) and kept >= 0.95,
                   f'best match moved by {best} (mean difference {differences[best]:.1f}; '
                   f'{differences[0, 0]:.1f} unmoved), {kept:.0%} of its coloured pixels kept (at least 95%)')


def same(shot, other):
    a, b = load(shot), load(other)
    differing = sum(1 for p, q in zip(a, b) for x, y in zip(p, q) if x != y) if len(a) == len(b) else -1
    return verdict(differing == 0, f'{differing} pixels differ')


def colour_of(text):
    value = int(text, 16)
    return value >> 16, (value >> 8) & 0xFF, value & 0xFF


def classic_edge_misses(rows, light, dark, shadow):
    """The border pixels, corners left out, that are not where the classic edge puts them."""
    width, height = len(rows[0]), len(rows)
    light, dark, shadow = colour_of(light), colour_of(dark), colour_of(shadow)
    expected = [((x, 0), light) for x in range(2, width - 2)] + \
               [((0, y), light) for y in range(2, height - 2)] + \
               [((x, height - 1), dark) for x in range(2, width - 2)] + \
               [((width - 1, y), dark) for y in range(2, height - 2)] + \
               [((x, height - 2), shadow) for x in range(2, width - 2)]
    return sum(1 for (x, y), want in expected if rows[y][x] != want) / len(expected)


def classic_frame(shot, light, dark, shadow):
    misses = classic_edge_misses(load(shot), light, dark, shadow)
    return verdict(misses == 0, f'{misses:.0%} of the border off the classic edge')


def frame_changes(rows, other):
    """How many border pixels, three deep, differ between two shots."""
    width, height = len(rows[0]), len(rows)
    border = [(x, y) for y in range(height) for x in range(width)
              if min(x, y, width - 1 - x, height - 1 - y) < 3]
    return sum(1 for x, y in border if rows[y][x] != other[y][x]) / len(border)


def themed_frame(shot, hot, light, dark, shadow):
    rows = load(shot)
    misses = classic_edge_misses(rows, light, dark, shadow)
    changes = frame_changes(rows, load(hot))
    # Most of the border off the classic edge, and the mouse redraws a good part of it.
    return verdict(misses >= 0.5 and changes >= 0.2,
                   f'{misses:.0%} of the border off the classic edge (at least 50%), '
                   f'{changes:.0%} of it changed under the mouse (at least 20%)')


CHECKS = {
    'grey': grey, 'colour': colour, 'half': half, 'shifted': shifted, 'same': same,
    'classic-frame': classic_frame, 'themed-frame': themed_frame,
}

if __name__ == '__main__':
    if len(sys.argv) < 2 or sys.argv[1] not in CHECKS:
        raise SystemExit(__doc__)
    sys.exit(CHECKS[sys.argv[1]](*sys.argv[2:]))
