#!/usr/bin/env python3
"""Draws Sumora's artwork and writes it next to this script.

Everything is drawn here from code and small pixel maps, with the Python standard library only,
so that the pictures can be remade after a change and builds need nothing but the committed files:

  icons/sumora-32.png          the program icon, 32 x 32, 16 colours (4 bits per pixel)
  sumora.ico                   the same single 4-bpp image for the Windows executable
  icons/sumora-{48..256}.png   the same pixels scaled up for menus and high-DPI panels
  pictures/emblem.bmp          the About dialog's emblem, 52 x 44, 24 bits per pixel
  pictures/banner.bmp          the About dialog's banner, 401 x 54, 24 bits per pixel: Windows
                               loads a bitmap without any library, and Qt reads it as well
  cursors/hand.png             the link cursor, 32 x 32, hot spot (12, 1) at the fingertip
  cursors/hand.cur             the same cursor and hot spot as a Windows cursor file

Usage: resources/draw_artwork.py [OUTPUT_FOLDER]   (default: the folder of this script)
"""

import struct
import sys
import zlib
from pathlib import Path

# The icon's 16-colour palette; entry 0 is the transparent background.
ICON_PALETTE = {
    ".": (0, 0, 0),  # transparent
    "K": (0, 0, 0),  # outline
    "D": (64, 64, 64),  # key shadow
    "G": (128, 128, 128),
    "L": (208, 208, 208),  # key face
    "W": (255, 255, 255),
    "n": (30, 40, 78),  # body shadow
    "b": (56, 82, 150),  # body
    "h": (120, 150, 214),  # body highlight
    "l": (178, 212, 150),  # display
    "d": (28, 56, 28),  # display digits
    "R": (255, 0, 0),  # clear-all key
    "r": (128, 0, 0),
    "P": (0, 255, 0),  # pi key
    "p": (0, 128, 0),
    "Y": (255, 200, 0),  # equals key
}
ICON_CODES = "".join(ICON_PALETTE)
assert len(ICON_CODES) == 16

DIGITS_3X5 = {
    "1": [".d.", "dd.", ".d.", ".d.", "ddd"],
    "2": ["dd.", "..d", ".d.", "d..", "ddd"],
    "3": ["dd.", "..d", ".d.", "..d", "dd."],
}

# Key colours of the 4 x 4 keypad: face and shadow per key.
KEY_ROWS = [
    ["LD", "LD", "LD", "Rr"],
    ["LD", "LD", "LD", "LD"],
    ["LD", "LD", "LD", "LD"],
    ["Pp", "LD", "LD", "YD"],
]

HAND = [
    "................................",
    "............KK..................",
    "...........KWWK.................",
    "...........KWWK.................",
    "...........KWWK.................",
    "...........KWWK.................",
    "...........KWWK.................",
    "...........KWWKKK...............",
    "...........KWWKWWKKK............",
    "...........KWWKWWKWWKK..........",
    "...........KWWKWWKWWKWWK........",
    "...........KWWKWWKWWKWWK........",
    ".......KK..KWWKWWKWWKWWK........",
    "......KWWK.KWWWWWWWWWWWK........",
    "......KWWWKKWWWWWWWWWWWK........",
    ".......KWWWKWWWWWWWWWWWK........",
    "........KWWWWWWWWWWWWWWK........",
    "........KWWWWWWWWWWWWWWK........",
    ".........KWWWWWWWWWWWWWK........",
    ".........KWWWWWWWWWWWWK.........",
    "..........KWWWWWWWWWWWK.........",
    "..........KWWWWWWWWWWWK.........",
    "...........KWWWWWWWWWK..........",
    "...........KKKKKKKKKKK..........",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
]
HAND_HOT_SPOT = (12, 1)

# 5 x 7 capitals for the banner's texts.
FONT_5X7 = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "I": [".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    " ": [".....", ".....", ".....", ".....", ".....", ".....", "....."],
    "+": [".....", "..#..", "..#..", "#####", "..#..", "..#..", "....."],
    "-": [".....", ".....", ".....", "#####", ".....", ".....", "....."],
    "x": [".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "....."],
    "/": [".....", "..#..", ".....", "#####", ".....", "..#..", "....."],
    "=": [".....", ".....", "#####", ".....", "#####", ".....", "....."],
}

SIGMA = [
    "##############",
    "##############",
    "##..........##",
    ".##.........##",
    "..##..........",
    "...##.........",
    "....##........",
    ".....##.......",
    "......##......",
    "......##......",
    ".....##.......",
    "....##........",
    "...##.........",
    "..##..........",
    ".##.........##",
    "##..........##",
    "##############",
    "##############",
]


def draw_icon():
    """The program icon as 32 rows of palette codes: a calculator seen from the front."""
    rows = [["."] * 32 for _ in range(32)]

    def fill(x0, y0, x1, y1, code):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                rows[y][x] = code

    fill(4, 1, 27, 30, "K")  # body outline, corners cut below
    fill(5, 2, 26, 29, "b")
    fill(5, 2, 25, 2, "h")
    fill(5, 2, 5, 29, "h")
    fill(26, 2, 26, 29, "n")
    fill(6, 29, 26, 29, "n")
    for x, y in ((4, 1), (27, 1), (4, 30), (27, 30)):
        rows[y][x] = "."

    fill(7, 3, 24, 11, "K")  # display
    fill(8, 4, 23, 10, "l")
    for place, digit in enumerate("123"):
        for dy, line in enumerate(DIGITS_3X5[digit]):
            for dx, code in enumerate(line):
                if code != ".":
                    rows[5 + dy][12 + 4 * place + dx] = code

    for row, keys in enumerate(KEY_ROWS):
        for column, (face, shadow) in enumerate(keys):
            x, y = 7 + 5 * column, 13 + 4 * row
            fill(x, y, x + 2, y + 1, face)
            fill(x, y + 2, x + 2, y + 2, shadow)
    return ["".join(row) for row in rows]


def scale_codes(rows, size):
    """Scales a square pixel map to size x size, each source pixel a block (edges rounded)."""
    source = len(rows)
    edges = [round(i * size / source) for i in range(source + 1)]
    lookup = []
    for i in range(source):
        lookup += [i] * (edges[i + 1] - edges[i])
    return ["".join(rows[y][x] for x in lookup) for y in lookup]


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png_bytes(width, height, colour_type, bit_depth, raw_rows, extra_chunks=b""):
    header = struct.pack(">IIBBBBB", width, height, bit_depth, colour_type, 0, 0, 0)
    scanlines = b"".join(b"\x00" + row for row in raw_rows)
    return (
        b"\x89PNG\r\n\x1a\n"
        + png_chunk(b"IHDR", header)
        + extra_chunks
        + png_chunk(b"IDAT", zlib.compress(scanlines, 9))
        + png_chunk(b"IEND", b"")
    )


def pack_nibbles(indices):
    padded = list(indices)
    padded += [0] * (len(padded) % 2)
    return bytes(padded[i] << 4 | padded[i + 1] for i in range(0, len(padded), 2))


def palette_png(rows, palette):
    """A 4-bit palette PNG; palette entry 0 is fully transparent."""
    codes = "".join(palette)
    plte = b"".join(bytes(rgb) for rgb in palette.values())
    raw = [pack_nibbles(codes.index(c) for c in row) for row in rows]
    chunks = png_chunk(b"PLTE", plte) + png_chunk(b"tRNS", b"\x00")
    return png_bytes(len(rows[0]), len(rows), 3, 4, raw, chunks)


def rgba_png(rows, palette):
    raw = [
        b"".join(bytes(palette[c]) + (b"\x00" if c == "." else b"\xff") for c in row)
        for row in rows
    ]
    return png_bytes(len(rows[0]), len(rows), 6, 8, raw)


def ico_bytes(rows, palette):
    """A .ico holding one 32 x 32, 4-bpp image with its transparency mask."""
    size = len(rows)
    codes = "".join(palette)
    info = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 4, 0, 0, 0, 0, 16, 0)
    quads = b"".join(bytes((b, g, r, 0)) for r, g, b in palette.values())
    bottom_up = list(reversed(rows))
    colours = b"".join(pack_nibbles(codes.index(c) for c in row) for row in bottom_up)
    mask = b""
    for row in bottom_up:
        bits = "".join("1" if c == "." else "0" for c in row)
        mask += int(bits, 2).to_bytes(size // 8, "big")
    image = info + quads + colours + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def bmp_bytes(pixels):
    """A 24-bit BMP, rows stored bottom-up as BGR and padded to four bytes."""
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) // 4 * 4
    data = b""
    for row in reversed(pixels):
        line = b"".join(bytes((b, g, r)) for r, g, b in row)
        data += line + b"\x00" * (stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return header + info + data


def cur_bytes(rows, hot_spot):
    """A .cur holding one black-and-white image: "." transparent, "K" black, "W" white."""
    size = len(rows)
    info = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 1, 0, 0, 0, 0, 2, 0)
    colours = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    bottom_up = list(reversed(rows))

    def bits(row, set_codes):
        return int("".join("1" if c in set_codes else "0" for c in row), 2).to_bytes(size // 8, "big")

    image = b"".join(bits(row, "W") for row in bottom_up)
    mask = b"".join(bits(row, ".") for row in bottom_up)
    body = info + colours + image + mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 2, 0, *hot_spot, len(body), 6 + 16)
    return directory + entry + body


def blend(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def stamp(pixels, glyph, left, top, colour, scale=1):
    for dy, line in enumerate(glyph):
        for dx, code in enumerate(line):
            if code == ".":
                continue
            for sy in range(scale):
                for sx in range(scale):
                    pixels[top + dy * scale + sy][left + dx * scale + sx] = colour


def stamp_text(pixels, text, left, top, colour, scale=1):
    for place, char in enumerate(text):
        stamp(pixels, FONT_5X7[char], left + place * 6 * scale, top, colour, scale)


def draw_emblem(icon):
    """52 x 44: the calculator beside a sum sign on a blue tile."""
    width, height = 52, 44
    top, bottom = (40, 70, 140), (90, 150, 210)
    pixels = [[blend(top, bottom, y / (height - 1))] * width for y in range(height)]
    pixels = [list(row) for row in pixels]
    for y, line in enumerate(icon):
        for x, code in enumerate(line):
            if code != ".":
                pixels[6 + y][x - 2] = ICON_PALETTE[code]
    stamp(pixels, SIGMA, 33, 13, (20, 30, 60))
    stamp(pixels, SIGMA, 32, 12, (255, 255, 255))
    return pixels


def draw_banner():
    """401 x 54: the name on a blue band; the dialog's buttons cover its lower right part."""
    width, height = 401, 54
    left, right = (24, 44, 104), (46, 138, 170)
    band = [blend(left, right, x / (width - 1)) for x in range(width)]
    pixels = [list(band) for _ in range(height)]
    shadow, light, faint = (10, 20, 50), (255, 255, 255), (150, 200, 230)
    stamp_text(pixels, "SUMORA", 15, 7, shadow, 3)
    stamp_text(pixels, "SUMORA", 14, 6, light, 3)
    stamp_text(pixels, "DECIMAL CALCULATOR", 14, 34, faint)
    stamp_text(pixels, "+-x/=", 160, 12, faint, 2)
    for x in range(width):
        pixels[height - 1][x] = shadow
    return pixels


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent
    icon = draw_icon()
    banner = draw_banner()
    hand_palette = {".": (0, 0, 0), "K": (0, 0, 0), "W": (255, 255, 255)}
    assert all(len(row) == 32 for row in icon + HAND) and len(icon) == len(HAND) == 32
    assert HAND[HAND_HOT_SPOT[1]][HAND_HOT_SPOT[0]] == "K"
    files = {
        "icons/sumora-32.png": palette_png(icon, ICON_PALETTE),
        "sumora.ico": ico_bytes(icon, ICON_PALETTE),
        "pictures/emblem.bmp": bmp_bytes(draw_emblem(icon)),
        "pictures/banner.bmp": bmp_bytes(banner),
        "cursors/hand.png": palette_png(HAND, hand_palette),
        "cursors/hand.cur": cur_bytes(HAND, HAND_HOT_SPOT),
    }
    for size in (48, 64, 128, 256):
        files[f"icons/sumora-{size}.png"] = rgba_png(scale_codes(icon, size), ICON_PALETTE)
    for name, data in files.items():
        path = out / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)


if __name__ == "__main__":
    main()
