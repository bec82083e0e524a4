#!/usr/bin/env python3
"""Regenerates the program's icon and bitmaps in this folder.

    python3 make_images.py [output-folder]

Standard library only: the ICO, PNG and BMP bytes are written here by hand so
the output is the same on every machine (no time stamps, no encoder options).

Outputs:
  scrivlet.ico       16, 32, 48 (32-bit BGRA with mask) and 256 (PNG) pixels
  parent_l282.bmp    32x32, 4 bits per pixel, the 16-colour VGA palette
  parent_s282.bmp    16x16, same format
  bmp_up28.bmp       7x7, same format, header sort arrow (ascending)
  bmp_down28.bmp     7x7, same format, header sort arrow (descending)
  open28.bmp ...     the 13 file list menu pictures, 16x16, same format, on
  desktop28.bmp      the 3-D face grey (the desktop in 8 bits, 256 colours)
  kind_ok.bmp ...    the OK, Cancel and help pictures of dialog buttons, the same

The parent-folder bitmaps are added to the image lists with a mask, so every
pixel outside the picture is magenta (255,0,255), also the top-left one.
The sort arrows are loaded with LR_LOADMAP3DCOLORS | LR_LOADTRANSPARENT: the
background is the 3-D face grey (192,192,192), the arrow the 3-D shadow grey
(128,128,128), so both follow the system's colours.
"""

import math
import os
import struct
import sys
import zlib

# --------------------------------------------------------------------------
# File writers
# --------------------------------------------------------------------------

# The standard 16-colour VGA palette in the order the platform uses.
VGA_PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def bmp4_bytes(rows):
    """A 4-bit BMP file from rows of palette indexes (top row first)."""
    height = len(rows)
    width = len(rows[0])
    stride = ((width * 4 + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(rows):  # BMP rows run bottom-up
        line = bytearray(stride)
        for x, index in enumerate(row):
            if x % 2 == 0:
                line[x // 2] |= index << 4
            else:
                line[x // 2] |= index
        pixels += line
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0)
                       for (r, g, b) in VGA_PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0,
                       len(pixels), 2835, 2835, 16, 16)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + palette + bytes(pixels)


def bmp8_bytes(rows, palette):
    """An 8-bit BMP file from rows of palette indexes (top row first)."""
    height = len(rows)
    width = len(rows[0])
    stride = ((width * 8 + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(rows):
        pixels += bytes(row) + bytes(stride - width)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    table += bytes(4 * (256 - len(palette)))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0,
                       len(pixels), 2835, 2835, 256, 256)
    offset = 14 + len(info) + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + table + bytes(pixels)


def png_bytes(width, height, rgba):
    """An RGBA PNG; rgba is a flat list of (r, g, b, a) tuples, row-major."""
    raw = bytearray()
    for y in range(height):
        raw.append(0)  # filter: none
        for r, g, b, a in rgba[y * width:(y + 1) * width]:
            raw += bytes((r, g, b, a))

    def chunk(kind, data):
        body = kind + data
        return (struct.pack(">I", len(data)) + body
                + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF))

    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def ico_dib_bytes(size, rgba):
    """A 32-bit icon image (BITMAPINFOHEADER, BGRA rows, AND mask)."""
    xor = bytearray()
    for y in reversed(range(size)):
        for r, g, b, a in rgba[y * size:(y + 1) * size]:
            xor += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(size)):
        line = bytearray(mask_stride)
        for x in range(size):
            if rgba[y * size + x][3] == 0:  # fully clear: transparent bit
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                       len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + bytes(mask)


def ico_bytes(images):
    """An ICO file from (size, image bytes) pairs."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = bytearray()
    body = bytearray()
    for size, data in images:
        dim = 0 if size >= 256 else size
        entries += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32,
                               len(data), offset + len(body))
        body += data
    return header + bytes(entries) + bytes(body)


def grid_rows(text):
    """The lines of a character grid, all of one length."""
    rows = text.strip("\n").split("\n")
    if any(len(row) != len(rows[0]) for row in rows):
        raise ValueError("ragged grid")
    return rows


# --------------------------------------------------------------------------
# A small anti-aliased rasteriser: shapes are signed distance functions
# (negative inside, in pixels); coverage is taken from the distance at the
# pixel centre, so edges on whole pixel coordinates stay crisp.
# --------------------------------------------------------------------------

def sd_box(x0, y0, x1, y1, r=0.0):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def f(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r
    return f


def sd_circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def sd_capsule(ax, ay, bx, by, r):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def f(x, y):
        t = ((x - ax) * dx + (y - ay) * dy) / length2 if length2 else 0.0
        t = min(max(t, 0.0), 1.0)
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - r
    return f


def sd_halfplane(nx, ny, c):
    """Inside where nx*x + ny*y <= c; (nx, ny) need not be unit length."""
    n = math.hypot(nx, ny)
    return lambda x, y: (nx * x + ny * y - c) / n


def sd_and(*shapes):
    return lambda x, y: max(s(x, y) for s in shapes)


def sd_or(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def sd_minus(a, b):
    return lambda x, y: max(a(x, y), -b(x, y))


def sd_grow(shape, amount):
    return lambda x, y: shape(x, y) - amount


class Canvas:
    def __init__(self, size):
        self.size = size
        # premultiplied RGBA in 0..1
        self.px = [(0.0, 0.0, 0.0, 0.0)] * (size * size)

    def fill(self, shape, colour, alpha=1.0):
        """Paints colour '#rrggbb' over the shape."""
        r = int(colour[1:3], 16) / 255
        g = int(colour[3:5], 16) / 255
        b = int(colour[5:7], 16) / 255
        n = self.size
        for y in range(n):
            for x in range(n):
                cover = min(max(0.5 - shape(x + 0.5, y + 0.5), 0.0), 1.0)
                if cover <= 0.0:
                    continue
                a = cover * alpha
                pr, pg, pb, pa = self.px[y * n + x]
                k = 1.0 - a
                self.px[y * n + x] = (r * a + pr * k, g * a + pg * k,
                                      b * a + pb * k, a + pa * k)

    def rgba(self):
        out = []
        for pr, pg, pb, pa in self.px:
            a = round(pa * 255)
            if a == 0:
                out.append((0, 0, 0, 0))
                continue
            out.append((round(pr / pa * 255), round(pg / pa * 255),
                        round(pb / pa * 255), a))
        return out


# --------------------------------------------------------------------------
# The program icon: a page of text under a reading glass.
# Each size has its own geometry so that the small ones sit on the grid.
# --------------------------------------------------------------------------

PAGE_EDGE = "#5f6f86"
PAGE_FILL = "#ffffff"
FOLD_FILL = "#d8e1ec"
TEXT_LINE = "#9aa9bc"
TEXT_HEAD = "#3b7dd8"
RING = "#2c64c4"
GLASS = "#dcecff"
HANDLE = "#37404f"
HIGHLIGHT = "#ffffff"

# At 16 pixels the picture is drawn pixel by pixel: a rasterised circle of
# that size turns to mush.
ICON_16 = """
.EEEEEE.........
.EWWWWEE........
.EWWWWEFE.......
.EWHHHEFFE......
.EWWWWEEEEE.....
.EWWWWWWWWE.....
.EWLLLWsRRRa....
.EWWWWsRgggRa...
.EWLLWRgwgggR...
.EWWWWRgggggR...
.EWLLWRgggggR...
.EWWWWsRgggRKk..
.EWLLLWsRRRKKKk.
.EWWWWWWWWEkKKKk
.EWWWWWWWWE.kKKK
.EEEEEEEEEE..kKK
"""

ICON_16_COLOURS = {
    ".": None,
    "E": PAGE_EDGE, "W": PAGE_FILL, "F": FOLD_FILL, "H": TEXT_HEAD,
    "L": TEXT_LINE, "R": RING, "g": GLASS, "w": HIGHLIGHT, "K": HANDLE,
    "s": "#9fb7e2",  # ring softened into the page
    "a": RING + "70",  # ring softened into the background
    "k": HANDLE + "80",  # handle edge, half covered
}

ICON_LAYOUT = {
    # page: x0, y0, x1, y1, corner radius, fold size, edge width
    # lines: (x0, x1, y centre, thickness, is heading)
    # lens: centre x, centre y, outer radius, ring width
    # handle: end x, end y, radius; gap: white halo width around the glass
    32: dict(page=(4, 1, 25, 31, 1.0, 8, 1),
             lines=[(7, 16, 8, 2, True), (7, 22, 12, 2, False),
                    (7, 20, 16, 2, False), (7, 13, 20, 2, False),
                    (7, 11, 24, 2, False)],
             lens=(19.5, 19.5, 7.5, 2.0), handle=(29.8, 29.8, 2.2),
             gap=1.2, magnified=False, highlight=True),
    48: dict(page=(6, 2, 37, 46, 2.0, 11, 2),
             lines=[(10, 24, 11.5, 3, True), (10, 33, 17, 2, False),
                    (10, 31, 22, 2, False), (10, 20, 27, 2, False),
                    (10, 17, 32, 2, False), (10, 17, 37, 2, False)],
             lens=(29.5, 29.5, 10.5, 3.0), handle=(44.5, 44.5, 3.0),
             gap=1.6, magnified=True, highlight=True),
}


def scaled_layout(size):
    """The large sizes come from the 48-pixel geometry, scaled smoothly."""
    base = ICON_LAYOUT[48]
    k = size / 48.0
    x0, y0, x1, y1, r, fold, _ = base["page"]
    return dict(page=(x0 * k, y0 * k, x1 * k, y1 * k, r * k * 1.6,
                      fold * k, 1.25 * k),
                lines=[(a * k, b * k, c * k, t * k, h)
                       for (a, b, c, t, h) in base["lines"]],
                lens=tuple(v * k for v in base["lens"]),
                handle=tuple(v * k for v in base["handle"]),
                gap=base["gap"] * k, magnified=True, highlight=True)


def page_shapes(page):
    x0, y0, x1, y1, r, fold, edge = page
    # The dog-ear is cut along the diagonal through (x1 - fold, y0).
    diag = x1 - fold - y0
    outer = sd_and(sd_box(x0, y0, x1, y1, r), sd_halfplane(1, -1, diag))
    inner = sd_and(sd_box(x0 + edge, y0 + edge, x1 - edge, y1 - edge,
                          max(r - edge, 0)),
                   sd_halfplane(1, -1, diag - edge * math.sqrt(2)))
    fold_outer = sd_and(sd_halfplane(-1, 0, -(x1 - fold)),
                        sd_halfplane(0, 1, y0 + fold),
                        sd_halfplane(1, -1, diag))
    fold_inner = sd_and(sd_halfplane(-1, 0, -(x1 - fold + edge)),
                        sd_halfplane(0, 1, y0 + fold - edge),
                        sd_halfplane(1, -1, diag - edge * math.sqrt(2)))
    return outer, inner, fold_outer, fold_inner


def pixel_icon(text, colours):
    out = []
    for row in grid_rows(text):
        for ch in row:
            colour = colours[ch]
            if colour is None:
                out.append((0, 0, 0, 0))
                continue
            alpha = int(colour[7:9], 16) if len(colour) > 7 else 255
            out.append((int(colour[1:3], 16), int(colour[3:5], 16),
                        int(colour[5:7], 16), alpha))
    return out


def render_icon(size):
    if size == 16:
        return pixel_icon(ICON_16, ICON_16_COLOURS)
    lay = ICON_LAYOUT.get(size) or scaled_layout(size)
    c = Canvas(size)
    outer, inner, fold_outer, fold_inner = page_shapes(lay["page"])
    c.fill(outer, PAGE_EDGE)
    c.fill(inner, PAGE_FILL)
    c.fill(fold_outer, PAGE_EDGE)
    c.fill(fold_inner, FOLD_FILL)

    # Text lines are bars with square ends on the small sizes (crisp) and
    # rounded ends on the large ones.
    round_ends = size >= 48
    for x0, x1, yc, t, heading in lay["lines"]:
        if round_ends:
            bar = sd_capsule(x0 + t / 2, yc, x1 - t / 2, yc, t / 2)
        else:
            bar = sd_box(x0, yc - t / 2, x1, yc + t / 2)
        c.fill(bar, TEXT_HEAD if heading else TEXT_LINE)

    cx, cy, radius, ring = lay["lens"]
    hx, hy, hr = lay["handle"]
    # The handle starts inside the ring so the two join without a seam.
    start = radius - ring / 2
    sx, sy = cx + start / math.sqrt(2), cy + start / math.sqrt(2)
    handle = sd_capsule(sx, sy, hx - hr / math.sqrt(2),
                        hy - hr / math.sqrt(2), hr)
    lens = sd_circle(cx, cy, radius)
    glass = sd_circle(cx, cy, radius - ring)

    # A white halo keeps the glass apart from the page's lines, but only
    # over the page itself (never on the transparent background).
    halo = sd_and(sd_or(sd_grow(lens, lay["gap"]),
                        sd_grow(handle, lay["gap"])), inner)
    c.fill(halo, PAGE_FILL)

    c.fill(glass, GLASS, 0.92)
    if lay["magnified"]:
        # The glass shows the line under it, larger.
        t = lay["lines"][1][3] * 1.9
        bar = sd_and(sd_box(cx - radius, cy - t / 2 - radius * 0.05,
                            cx + radius * 0.35, cy + t / 2 - radius * 0.05,
                            t / 2),
                     glass)
        c.fill(bar, TEXT_LINE)
    if lay["highlight"]:
        # A soft glint in the upper left of the glass.
        inner_r = radius - ring
        glint = sd_and(sd_minus(sd_circle(cx, cy, inner_r * 0.78),
                                sd_circle(cx, cy, inner_r * 0.55)),
                       sd_halfplane(1, 1, 2 * cx - inner_r * 0.25),
                       sd_halfplane(1, -1, cx - cy + inner_r * 0.55),
                       sd_halfplane(-1, 1, cy - cx + inner_r * 0.55))
        c.fill(glint, HIGHLIGHT, 0.9)
    c.fill(handle, HANDLE)
    c.fill(sd_minus(lens, glass), RING)
    return c.rgba()


# --------------------------------------------------------------------------
# 16-colour bitmaps, drawn as character grids.
# --------------------------------------------------------------------------

# Characters used in the grids and their VGA palette indexes.
LEGEND = {
    "O": 3,   # olive: folder outline
    "N": 4,   # navy: arrow
    "S": 7,   # silver, the 3-D face grey
    "D": 8,   # grey, the 3-D shadow grey
    "Y": 11,  # yellow: folder
    ".": 13,  # magenta: the mask colour
    "M": 13,
}

PARENT_16 = """
................
................
.OOOOO..........
OYYYYYO.........
OYYYYYYOOOOOOOO.
OYYYYYYYYYYYYYO.
OYYYYYYNYYYYYYO.
OYYYYYNNNYYYYYO.
OYYYYNNNNNYYYYO.
OYYYNNNNNNNYYYO.
OYYYYYNNNYYYYYO.
OYYYYYNNNYYYYYO.
OYYYYYNNNYYYYYO.
OYYYYYYYYYYYYYO.
OOOOOOOOOOOOOOO.
................
"""

SORT_UP = """
SSSSSSS
SSSDSSS
SSDDDSS
SDDDDDS
DDDDDDD
SSSSSSS
SSSSSSS
"""


def grid(text):
    return [[LEGEND[ch] for ch in row] for row in grid_rows(text)]


def parent_folder(size):
    """The parent-folder picture: 16x16 from its grid, 32x32 from rectangles."""
    if size == 16:
        return grid(PARENT_16)
    img = [[LEGEND["M"]] * size for _ in range(size)]

    def rect(x0, y0, x1, y1, ch):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                img[y][x] = LEGEND[ch]

    # body, with its corners cut
    rect(0, 8, 30, 29, "O")
    rect(1, 9, 29, 28, "Y")
    img[8][0] = img[29][0] = img[8][30] = img[29][30] = LEGEND["M"]
    # tab on the upper left, open into the body
    rect(2, 5, 11, 5, "O")
    rect(1, 6, 1, 8, "O")
    rect(12, 6, 12, 6, "O")
    rect(13, 7, 13, 8, "O")
    rect(2, 6, 11, 8, "Y")
    rect(12, 7, 12, 8, "Y")
    # arrow: head rows of growing width, then the shaft
    centre = 15
    top = 11
    for i in range(7):
        rect(centre - i, top + i, centre + i, top + i, "N")
    rect(centre - 2, top + 7, centre + 2, 25, "N")
    return img


def sort_arrow(up):
    rows = grid(SORT_UP)
    return rows if up else list(reversed(rows))


# --------------------------------------------------------------------------
# The file list menu's item pictures: 16x16, 16 colours, loaded with
# LR_LOADMAP3DCOLORS, so the silver background becomes the 3-D face colour.
# --------------------------------------------------------------------------

GLYPH_LEGEND = {
    ".": 7,   # silver background
    "K": 0, "R": 1, "G": 2, "O": 3, "N": 4, "P": 5, "T": 6,
    "D": 8, "r": 9, "g": 10, "Y": 11, "B": 12, "C": 14, "W": 15,
}

GLYPHS = {
    "open28.bmp": """
................
................
.OOOO...........
OYYYYO..........
OYYYYYOOOOOOO...
OYYYYYYYYYYYO...
OYYOOOOOOOOOOOOO
OYOYYYYYYYYYYYO.
OYOYYYYYYYYYYYO.
OOYYYYYYYYYYYO..
OOYYYYYYYYYYYO..
OYYYYYYYYYYYO...
OOOOOOOOOOOOO...
................
................
................
""",
    "view28.bmp": """
................
.DDDDDDDD.......
.DWWWWWWDD......
.DWKKKKWDWD.....
.DWWWWWWDDDD....
.DWKKKKKWWWD....
.DWWWWKKKKWD....
.DWKKKBCCBKD....
.DWWWKCWCCBK....
.DWKKKCCCCBK....
.DWWWWKBBBK.....
.DWWWWWKKKKK....
.DDDDDDDDDKKK...
...........KKK..
............KK..
................
""",
    "sendto28.bmp": """
................
................
..DDDDDDDDDD....
..DWWWWWWWWD....
..DWKKKKKKWD....
..DWWWWWWWWD....
..DWKKKKK.....B.
..DWWWWWW....BB.
..DWKKKKBBBBBBBB
..DWWWWWBBBBBBBB
..DWKKKK.....BB.
..DWWWWWWWWD..B.
..DWWWWWWWWD....
..DDDDDDDDDD....
................
................
""",
    "cut28.bmp": """
................
...K.......K....
...K.......K....
...KK.....KK....
....K.....K.....
....KK...KK.....
.....K...K......
.....KK.KK......
......KKK.......
.......K........
......RKR.......
....RRR.RRR.....
...R..R.R..R....
...R..R.R..R....
...R..R.R..R....
....RR...RR.....
""",
    "copy28.bmp": """
................
.DDDDDD.........
.DWWWWDD........
.DWKKWDWD.......
.DWWWWDDDD......
.DWKKKKDDDDDD...
.DWWWWWDWWWWDD..
.DWKKKKDWKKWDWD.
.DWWWWWDWWWWDDDD
.DWKKKKDWKKKKWWD
.DDDDDDDWWWWWWWD
.......DWKKKKWWD
.......DWWWWWWWD
.......DWKKKKWWD
.......DDDDDDDDD
................
""",
    "paste28.bmp": """
................
.....KKKK.......
.OOOOKDDKOOOO...
.OYYKDDDDKYYO...
.OYYKKKKKKYYO...
.OYYYYYYYYYYO...
.OYYYYYDDDDDDDD.
.OYYYYYDWWWWWWD.
.OYYYYYDWKKKKWD.
.OYYYYYDWWWWWWD.
.OYYYYYDWKKKKWD.
.OYYYYYDWWWWWWD.
.OYYYYYDWKKKWWD.
.OOOOOODWWWWWWD.
.......DDDDDDDD.
................
""",
    "rename28.bmp": """
................
................
.........KKK.KKK
...........K....
...........K....
KKKKKKKKKKKKKKK.
KWWWWWWWWWWKWWK.
KWWBBWBBBWWKWWK.
KWBWWBBWWBWKWWK.
KWBBBBBBBWWKWWK.
KWBWWBBWWBWKWWK.
KWWWWWWWWWWKWWK.
KKKKKKKKKKKKKKK.
...........K....
...........K....
.........KKK.KKK
""",
    "delete28.bmp": """
................
................
..rr.......rr...
..rrr.....rrr...
...rrr...rrr....
....rrr.rrr.....
.....rrrrr......
......rrr.......
.....rrrrr......
....rrr.rrr.....
...rrr...rrr....
..rrr.....rrr...
..rr.......rr...
................
................
................
""",
    "attributes28.bmp": """
................
..DDDDDDDDDD....
..DWWWWWWWWDD...
..DWWWWWWWWDWD..
..DWBBWKKKWDDDD.
..DWBBWWWWWWWWD.
..DWWWWKKKKKWWD.
..DWBBWWWWWWWWD.
..DWBBWKKKKWWWD.
..DWWWWWWWWWWWD.
..DWBBWKKKKKWWD.
..DWBBWWWWWWWWD.
..DWWWWKKKWWWWD.
..DWWWWWWWWWWWD.
..DDDDDDDDDDDDD.
................
""",
    "newfolder28.bmp": """
...........Y....
........Y..Y..Y.
.........Y.Y.Y..
..........YYY...
.OOOO...YYYYYYY.
OYYYYO....YYY...
OYYYYYOOOY.Y.Y..
OYYYYYYYYYOY..Y.
OYYYYYYYYYYYO...
OYYYYYYYYYYYO...
OYYYYYYYYYYYO...
OYYYYYYYYYYYO...
OYYYYYYYYYYYO...
OOOOOOOOOOOOO...
................
................
""",
    "anyfolder28.bmp": """
................
................
................
.OOOOO..........
OYYYYYO.........
OYYYYYYOOOOOOOO.
OYYYYYYYYYYYYYO.
OYYYYYYYYYYYYYO.
OYYYYYYYYYYYYYO.
OYYYYYYYYYYYYYO.
OYYYYYYYYYYYYYO.
OYYYYYYYYYYYYYO.
OYYYYYYYYYYYYYO.
OOOOOOOOOOOOOOO.
................
................
""",
    "clipboard28.bmp": """
................
......KKKK......
..OOOOKDDKOOOO..
..OYYKDDDDKYYO..
..OYYKKKKKKYYO..
..OYWWWWWWWWYO..
..OYWKKKKKKWYO..
..OYWWWWWWWWYO..
..OYWKKKKKWWYO..
..OYWWWWWWWWYO..
..OYWKKKKKKWYO..
..OYWWWWWWWWYO..
..OYWKKKWWWWYO..
..OYWWWWWWWWYO..
..OOOOOOOOOOOO..
................
""",
    "desktop28.bmp": """
................
.KKKKKKKKKKKKKK.
.KDDDDDDDDDDDDK.
.KDTTTTTTTTTTDK.
.KDTCCTTTTTTTDK.
.KDTCCTTTTTTTDK.
.KDTTTTTTTTTTDK.
.KDTTTTTTTGGTDK.
.KDTTTTTTGGGGDK.
.KDGGGGGGGGGGDK.
.KDDDDDDDDDDDDK.
.KKKKKKKKKKKKKK.
......KDDK......
....KKKKKKKK....
....KDDDDDDK....
....KKKKKKKK....
""",
    "kind_ok.bmp": """
................
................
................
............gG..
...........gGG..
..........gGG...
..G......gGG....
..GG....gGG.....
..GGG..gGG......
...GGGgGG.......
....GGGG........
.....GG.........
................
................
................
................
""",
    "kind_cancel.bmp": """
................
................
................
...RR.....RR....
...RRR...RRR....
....RRR.RRR.....
.....RRRRR......
......RRR.......
.....RRRRR......
....RRR.RRR.....
...RRR...RRR....
...RR.....RR....
................
................
................
................
""",
    "kind_help.bmp": """
................
.....NNNNN......
....NN...NN.....
....NN...NN.....
.........NN.....
........NN......
.......NN.......
......NN........
......NN........
................
......NN........
......NN........
................
................
................
................
""",
}


def glyph(text):
    return [[GLYPH_LEGEND[ch] for ch in row] for row in grid_rows(text)]


def desktop_glyph():
    """The desktop picture in 256 colours: the screen is a sky that darkens
    towards the top, over the 16 VGA colours (so the greys still map)."""
    palette = list(VGA_PALETTE)
    sky = []
    for i in range(7):
        sky.append(len(palette))
        palette.append((40 + 20 * i, 90 + 20 * i, 170 + 12 * i))
    rows = glyph(GLYPHS["desktop28.bmp"])
    for y in range(3, 9):
        for x in range(3, 13):
            if rows[y][x] == GLYPH_LEGEND["T"]:
                rows[y][x] = sky[y - 3]
    return bmp8_bytes(rows, palette)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(
        os.path.abspath(__file__))

    def write(name, data):
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)

    images = []
    for size in (16, 32, 48, 256):
        rgba = render_icon(size)
        data = png_bytes(size, size, rgba) if size == 256 else \
            ico_dib_bytes(size, rgba)
        images.append((size, data))
    write("scrivlet.ico", ico_bytes(images))
    write("parent_l282.bmp", bmp4_bytes(parent_folder(32)))
    write("parent_s282.bmp", bmp4_bytes(parent_folder(16)))
    write("bmp_up28.bmp", bmp4_bytes(sort_arrow(True)))
    write("bmp_down28.bmp", bmp4_bytes(sort_arrow(False)))
    for name, text in GLYPHS.items():
        write(name, bmp4_bytes(glyph(text)))
    write("desktop28.bmp", desktop_glyph())


if __name__ == "__main__":
    main()
