#!/usr/bin/python3
"""Draws the program's icons and the preview pictures of the graphic fonts.

    tools/draw_icons.py            writes them into src/resources/icons and src/resources/bitmaps
    tools/draw_icons.py --check    draws them into memory and fails when a committed file differs

Every image is drawn for its own pixel size rather than scaled from a larger one, so that
edges fall on whole pixels: the arrows are triangles with 45-degree steps (as the arrows of
a scroll bar), the letter of the program icon is made of whole-pixel bars. Only the rounded
corners and the gradient of the program icon and the sample texts are smoothed.
"""
import io
import os
import struct
import sys

from PIL import Image, ImageDraw, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ICONS = os.path.join(ROOT, "src", "resources", "icons")
BITMAPS = os.path.join(ROOT, "src", "resources", "bitmaps")
FONTS = "/usr/share/fonts/truetype/dejavu"

# Icon sizes: the arrows sit on buttons at 24 pixels per 100 % (16 to 48 covers 66 % to
# 200 %); the program icon at the small and large icon sizes of 100 % to 200 %, and 256 for
# the shell's large views.
ARROW_SIZES = (16, 20, 24, 30, 32, 36, 40, 48)
APP_SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
# Preview pictures: 144 by 36 pixels at 100 %, drawn again at 150 % and 200 %.
PREVIEW_SIZE = (144, 36)
PREVIEW_SCALES = {"": 1.0, "_150": 1.5, "_200": 2.0}

NAVY = (32, 60, 140, 255)
NAVY_DARK = (14, 28, 74, 255)
NAVY_LIGHT = (88, 124, 206, 255)


# ---- Arrows --------------------------------------------------------------------------------

def arrow_mask(size, depth, odd):
    """Set of (column, row) cells of a triangle pointing up with 45-degree steps, `depth`
    rows high, apex at row 0, centred in `size` columns: row r is 2 * (r + 1) cells wide, or
    2 * r + 1 when `odd`, so that it is symmetric about the middle column."""
    cells = set()
    centre = size / 2
    for r in range(depth):
        half = r + (0.5 if odd else 1)
        for x in range(size):
            if centre - half <= x + 0.5 <= centre + half:
                cells.add((x, r))
    return cells


def paint(image, cells, origin, orient):
    """Paints a triangle's cells with a dark outline and a fill that darkens from top to
    bottom, as lit from above. orient maps a cell (c, r) of the upward triangle to
    coordinates relative to origin."""
    px = image.load()
    placed = {}
    for c, r in cells:
        edge = any((c + dc, r + dr) not in cells for dc, dr in ((1, 0), (-1, 0), (0, 1), (0, -1)))
        x, y = orient(c, r)
        placed[(origin[0] + x, origin[1] + y)] = edge
    top = min(y for _, y in placed)
    span = max(1, max(y for _, y in placed) - top)
    for (x, y), edge in placed.items():
        t = (y - top) / span
        px[x, y] = NAVY_DARK if edge else tuple(round(a + (b - a) * t) for a, b in zip(NAVY_LIGHT, NAVY))


def draw_arrow(size, kind):
    image = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    margin = max(2, size // 8)
    odd = size % 2
    if kind in ("up", "down"):
        width = size - 2 * margin
        depth = (width + 1) // 2
        cells = arrow_mask(size, depth, odd)
        top = (size - depth) // 2
        if kind == "up":
            paint(image, cells, (0, top), lambda c, r: (c, r))
        else:
            paint(image, cells, (0, top), lambda c, r: (c, depth - 1 - r))
        return image
    # Two triangles side by side, pointing at each other (narrower) or apart (wider), each
    # as high as the icon allows and half as deep, a gap of at least one pixel between them.
    gap = max(1, size // 12)
    depth = (size - 2 * (margin // 2) - gap) // 2
    height = min(size - 2 * margin, 2 * depth)
    depth = (height + 1) // 2
    cells = arrow_mask(height, depth, height % 2)
    top = (size - height) // 2
    total = 2 * depth + gap
    left = (size - total) // 2
    right = left + depth + gap
    pointing_left = lambda c, r: (r, c)                  # apex at the left
    pointing_right = lambda c, r: (depth - 1 - r, c)     # apex at the right
    if kind == "narrower":
        paint(image, cells, (left, top), pointing_right)
        paint(image, cells, (right, top), pointing_left)
    else:
        paint(image, cells, (left, top), pointing_left)
        paint(image, cells, (right, top), pointing_right)
    return image


# ---- Program icon --------------------------------------------------------------------------

def draw_app(size):
    """A blue rounded square with a white T; from 48 pixels on, a ruler's ticks along the foot."""
    ss = 8  # the rounded outline is drawn eight times larger and reduced, for smooth corners
    big = size * ss
    shape = Image.new("L", (big, big), 0)
    inset = 0 if size < 32 else big // 32
    radius = max(2 * ss, big * 3 // 16)
    ImageDraw.Draw(shape).rounded_rectangle((inset, inset, big - 1 - inset, big - 1 - inset), radius, fill=255)
    alpha = shape.resize((size, size), Image.BOX)

    top, bottom = (58, 104, 196), (20, 48, 120)
    fill = Image.new("RGBA", (size, size))
    fp = fill.load()
    for y in range(size):
        t = y / max(1, size - 1)
        colour = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
        for x in range(size):
            fp[x, y] = colour + (255,)
    fill.putalpha(alpha)

    draw = ImageDraw.Draw(fill)
    white = (255, 255, 255, 255)
    bar = max(2, round(size * 0.15))
    if (size - bar) % 2:
        bar += 1  # the stem stands exactly in the middle
    bar_left = round(size * 0.2)
    bar_top = round(size * 0.2)
    draw.rectangle((bar_left, bar_top, size - 1 - bar_left, bar_top + bar - 1), fill=white)
    stem_left = (size - bar) // 2
    foot = round(size * (0.72 if size >= 48 else 0.8))
    draw.rectangle((stem_left, bar_top, stem_left + bar - 1, foot - 1), fill=white)
    if size >= 48:
        # A ruler along the foot: a line with ticks, every second one longer.
        line_y = round(size * 0.82)
        thick = max(1, size // 48)
        x0, x1 = bar_left, size - 1 - bar_left
        draw.rectangle((x0, line_y, x1, line_y + thick - 1), fill=white)
        ticks = 8
        for i in range(ticks + 1):
            x = x0 + round((x1 - x0 - thick + 1) * i / ticks)
            length = round(size * (0.07 if i % 2 == 0 else 0.04))
            draw.rectangle((x, line_y - length, x + thick - 1, line_y - 1), fill=white)
    return fill


# ---- Icon file -----------------------------------------------------------------------------

def icon_entry(image):
    """One image of an icon file: a 32-bit bitmap with its transparency mask, or for 256
    pixels a PNG."""
    w, h = image.size
    if w >= 256:
        out = io.BytesIO()
        image.save(out, "PNG")
        return out.getvalue()
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, 0, 0, 0, 0, 0)
    px = image.load()
    colour = bytearray()
    mask = bytearray()
    mask_row = ((w + 31) // 32) * 4
    for y in reversed(range(h)):
        bits = bytearray(mask_row)
        for x in range(w):
            r, g, b, a = px[x, y]
            colour += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(colour) + bytes(mask)


def icon_file(images):
    entries = [icon_entry(i) for i in images]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for image, data in zip(images, entries):
        w, h = image.size
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in entries:
        out += data
    return bytes(out)


# ---- Font previews -------------------------------------------------------------------------

# The look of each graphic font: TAVIRO0 thin, 1 typewriter, 2 plain, 3 slanted, 4 serif,
# 5 bold.
PREVIEW_FONTS = [
    "DejaVuSans-ExtraLight.ttf",
    "DejaVuSansMono.ttf",
    "DejaVuSans.ttf",
    "DejaVuSans-Oblique.ttf",
    "DejaVuSerif.ttf",
    "DejaVuSans-Bold.ttf",
]
SAMPLE = "AaBbCc 0123"


def font(name, size):
    return ImageFont.truetype(os.path.join(FONTS, name), size, layout_engine=ImageFont.Layout.BASIC)


def draw_preview(number, scale):
    w, h = round(PREVIEW_SIZE[0] * scale), round(PREVIEW_SIZE[1] * scale)
    image = Image.new("RGB", (w, h), (255, 255, 255))
    draw = ImageDraw.Draw(image)
    # The sample as large as fits the width, its baseline a little below the middle.
    size = round(17 * scale)
    while True:
        sample = font(PREVIEW_FONTS[number], size)
        left, _, right, _ = draw.textbbox((0, 0), SAMPLE, font=sample, anchor="ls")
        if right - left <= w - round(8 * scale) or size <= 8:
            break
        size -= 1
    baseline = round(h * 0.58)
    draw.text(((w - (right - left)) // 2 - left, baseline), SAMPLE, font=sample, fill=(0, 0, 0), anchor="ls")
    # The font's name in small grey letters at the bottom right.
    label = font("DejaVuSans.ttf", round(8 * scale))
    margin = round(3 * scale)
    draw.text((w - margin, h - margin), "TAVIRO%d" % number, font=label, fill=(128, 128, 128), anchor="rd")
    out = io.BytesIO()
    image.save(out, "BMP")
    return out.getvalue()


# ---- Output --------------------------------------------------------------------------------

def outputs():
    files = {
        os.path.join(ICONS, "app.ico"): icon_file([draw_app(s) for s in APP_SIZES]),
    }
    for name, kind in (("arrow_up", "up"), ("arrow_down", "down"),
                       ("arrows_narrower", "narrower"), ("arrows_wider", "wider")):
        files[os.path.join(ICONS, name + ".ico")] = icon_file([draw_arrow(s, kind) for s in ARROW_SIZES])
    for number in range(len(PREVIEW_FONTS)):
        for suffix, scale in PREVIEW_SCALES.items():
            path = os.path.join(BITMAPS, "font_taviro%d%s.bmp" % (number, suffix))
            files[path] = draw_preview(number, scale)
    return files


def main(argv):
    check = "--check" in argv[1:]
    differing = []
    for path, data in outputs().items():
        if check:
            try:
                with open(path, "rb") as f:
                    same = f.read() == data
            except OSError:
                same = False
            if not same:
                differing.append(os.path.relpath(path, ROOT))
        else:
            with open(path, "wb") as f:
                f.write(data)
    if differing:
        print("differs from what tools/draw_icons.py draws: " + ", ".join(differing), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
