#!/usr/bin/env python3
"""Draws the program's icons from the editable sources in resources/icons/.

  mirel.ico       the application icon: 16x16 and 32x32 in 16 colours from the pixel-art files
                  mirel_16.txt and mirel_32.txt, 48x48 and 256x256 in true colour from the shapes
                  in mirel_large.txt (the 256 one stored as PNG, as Windows Vista and later read it)
  arrow_prev.ico  the calendar's 16x16 previous-month arrow, from arrow_prev_16.txt
  arrow_next.ico  the same picture mirrored

Usage:
  make_icons.py            write the icons next to this script
  make_icons.py --out DIR  write them into DIR
  make_icons.py --check    exit 1 if the committed icons differ from what the sources give

Only the Python standard library is used, so the icons can be rebuilt on any machine.
"""

import argparse
import math
import struct
import sys
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent
SOURCES = HERE / "icons"
TRANSPARENT = "."


def read_lines(path):
    """The meaningful lines of a source file: comments (#) and blank lines dropped."""
    lines = []
    for raw in path.read_text(encoding="utf-8").splitlines():
        line = raw.rstrip()
        if line and not line.startswith("#"):
            lines.append(line)
    return lines


def read_palette():
    """Letter -> (index, (r, g, b)) for the 16-colour pictures, in palette order."""
    palette = {}
    for line in read_lines(SOURCES / "palette.txt"):
        letter, hex_colour = line.split()[:2]
        palette[letter] = (len(palette), parse_colour(hex_colour))
    if len(palette) != 16 or TRANSPARENT in palette:
        sys.exit("palette.txt must name 16 colours and must not use '.'")
    return palette


def parse_colour(text):
    value = int(text, 16)
    return (value >> 16 & 0xFF, value >> 8 & 0xFF, value & 0xFF)


def read_pixel_art(name, size, palette):
    """The picture as rows of palette letters, checked for size and unknown letters."""
    rows = read_lines(SOURCES / name)
    if len(rows) != size or any(len(row) != size for row in rows):
        sys.exit(f"{name}: expected {size} rows of {size} letters")
    for y, row in enumerate(rows):
        for x, letter in enumerate(row):
            if letter != TRANSPARENT and letter not in palette:
                sys.exit(f"{name}: unknown colour letter {letter!r} at row {y + 1}, column {x + 1}")
    return rows


def read_shapes(name):
    """The shape list of a true-colour picture: (colour, [polygon points]) on a 256 grid."""
    shapes = []
    for line in read_lines(SOURCES / name):
        kind, colour, *args = line.split()
        rgb = parse_colour(colour)
        if kind == "rect":
            x0, y0, x1, y1 = (float(a) for a in args)
            shapes.append((rgb, [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]))
        elif kind == "poly":
            shapes.append((rgb, [tuple(float(v) for v in a.split(",")) for a in args]))
        else:
            sys.exit(f"{name}: unknown shape {kind!r}")
    return shapes


def render_shapes(shapes, size, samples):
    """Paints the shapes at size x size with samples x samples points per pixel.

    Returns rows of (r, g, b, a). Each sample row is filled by scanline (even-odd rule), which
    keeps even the 256-pixel picture fast in plain Python.
    """
    scale = size / 256.0
    fine = size * samples
    # Per fine pixel: index of the topmost shape covering it, or -1.
    owner = [[-1] * fine for _ in range(fine)]
    for index, (_, points) in enumerate(shapes):
        pts = [(x * scale * samples, y * scale * samples) for x, y in points]
        for fy in range(fine):
            cy = fy + 0.5
            crossings = []
            for (x0, y0), (x1, y1) in zip(pts, pts[1:] + pts[:1]):
                if (y0 <= cy < y1) or (y1 <= cy < y0):
                    crossings.append(x0 + (cy - y0) * (x1 - x0) / (y1 - y0))
            crossings.sort()
            row = owner[fy]
            for left, right in zip(crossings[0::2], crossings[1::2]):
                # Sample x is covered when left <= x + 0.5 < right.
                for fx in range(max(0, math.ceil(left - 0.5)), min(fine, math.ceil(right - 0.5))):
                    row[fx] = index
    pixels = []
    count = samples * samples
    for y in range(size):
        out_row = []
        for x in range(size):
            r = g = b = covered = 0
            for fy in range(y * samples, (y + 1) * samples):
                for fx in range(x * samples, (x + 1) * samples):
                    index = owner[fy][fx]
                    if index >= 0:
                        sr, sg, sb = shapes[index][0]
                        r += sr
                        g += sg
                        b += sb
                        covered += 1
            if covered:
                # Colour averaged over the covered samples only (straight alpha), so the edges do
                # not darken towards black.
                out_row.append((round(r / covered), round(g / covered), round(b / covered),
                                round(255 * covered / count)))
            else:
                out_row.append((0, 0, 0, 0))
        pixels.append(out_row)
    return pixels


def row_stride(bits_per_row):
    return (bits_per_row + 31) // 32 * 4


def and_mask(size, is_transparent):
    """The 1-bit mask of a DIB icon image, bottom-up: 1 where the picture is transparent."""
    data = bytearray()
    stride = row_stride(size)
    for y in reversed(range(size)):
        row = bytearray(stride)
        for x in range(size):
            if is_transparent(x, y):
                row[x // 8] |= 0x80 >> (x % 8)
        data += row
    return bytes(data)


def bitmap_header(size, bits, image_bytes, colours_used):
    # The height counts the colour image and the mask together, as icon resources store them.
    return struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, image_bytes, 0, 0,
                       colours_used, 0)


def dib_4bit(rows, palette):
    size = len(rows)
    stride = row_stride(size * 4)
    colour = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, letter in enumerate(row):
            index = 0 if letter == TRANSPARENT else palette[letter][0]
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        colour += line
    table = bytearray(64)
    for index, (r, g, b) in palette.values():
        table[index * 4:index * 4 + 4] = bytes((b, g, r, 0))
    mask = and_mask(size, lambda x, y: rows[y][x] == TRANSPARENT)
    return (bitmap_header(size, 4, len(colour) + len(mask), 16) + bytes(table) + bytes(colour)
            + mask)


def dib_32bit(pixels):
    size = len(pixels)
    colour = bytearray()
    for row in reversed(pixels):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    mask = and_mask(size, lambda x, y: pixels[y][x][3] == 0)
    return bitmap_header(size, 32, len(colour) + len(mask), 0) + bytes(colour) + mask


def png(pixels):
    size = len(pixels)
    raw = bytearray()
    for row in pixels:
        raw.append(0)  # no filter
        for pixel in row:
            raw += bytes(pixel)

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def ico(images):
    """An .ico file from (size, bits, colour count, image bytes) entries."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, bits, colours, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits, len(data),
                           offset)
        offset += len(data)
    for *_, data in images:
        out += data
    return out


def build():
    """File name -> bytes of every icon."""
    palette = read_palette()
    large = read_shapes("mirel_large.txt")
    mirel = ico([
        (16, 4, 16, dib_4bit(read_pixel_art("mirel_16.txt", 16, palette), palette)),
        (32, 4, 16, dib_4bit(read_pixel_art("mirel_32.txt", 32, palette), palette)),
        (48, 32, 0, dib_32bit(render_shapes(large, 48, 4))),
        (256, 32, 0, png(render_shapes(large, 256, 2))),
    ])
    prev_rows = read_pixel_art("arrow_prev_16.txt", 16, palette)
    next_rows = [row[::-1] for row in prev_rows]
    return {
        "mirel.ico": mirel,
        "arrow_prev.ico": ico([(16, 4, 16, dib_4bit(prev_rows, palette))]),
        "arrow_next.ico": ico([(16, 4, 16, dib_4bit(next_rows, palette))]),
    }


def comparable(data):
    """The icon with each PNG's pixel data decompressed, so that a different zlib build, which
    may compress the same pixels to other bytes, does not count as a change."""
    count = struct.unpack_from("<H", data, 4)[0]
    parts = []
    for i in range(count):
        entry = data[6 + 16 * i:22 + 16 * i]
        length, offset = struct.unpack_from("<II", entry, 8)
        image = data[offset:offset + length]
        if image.startswith(b"\x89PNG"):
            pos, idat, head = 8, b"", b""
            while pos < len(image):
                size = struct.unpack_from(">I", image, pos)[0]
                kind = image[pos + 4:pos + 8]
                body = image[pos + 8:pos + 8 + size]
                if kind == b"IDAT":
                    idat += body
                elif kind == b"IHDR":
                    head = body
                pos += 12 + size
            image = head + zlib.decompress(idat)
        parts.append(entry[:8] + image)
    return parts


def matches(path, data):
    """Whether the icon file at path holds the same pictures as data."""
    try:
        return comparable(path.read_bytes()) == comparable(data)
    except (OSError, struct.error, zlib.error):
        return False  # missing or damaged


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", type=Path, default=HERE, help="folder to write the icons into")
    parser.add_argument("--check", action="store_true",
                        help="compare the icons in --out with the sources instead of writing")
    args = parser.parse_args()
    icons = build()
    if args.check:
        stale = [name for name, data in icons.items() if not matches(args.out / name, data)]
        if stale:
            print("Out of date with resources/icons/: " + ", ".join(stale)
                  + ". Run resources/make_icons.py and commit the result.", file=sys.stderr)
            return 1
        return 0
    args.out.mkdir(parents=True, exist_ok=True)
    for name, data in icons.items():
        (args.out / name).write_bytes(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
