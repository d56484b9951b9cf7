#!/usr/bin/env python3
"""Draws the program's pictures with Python's standard library alone:

  banner.jpg        160 x 41 colour JPEG, the word Orvanne over a gradient
  banner.bmp        the same picture as a 24-bit BMP, for the Windows edition
  mainicon.ico      32 x 32, 16 colours (4 bits per pixel), the window icon
  orvanne-calc.png  the same 32 x 32 picture for the desktop's icon theme

Run from anywhere; the files land next to this script. The output is the
same on every run.
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# ---------------------------------------------------------------- drawing

GLYPHS = {  # 5 x 7 pixel letters
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "r": [".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."],
    "v": [".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "a": [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    "n": [".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
    "e": [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
}


def text_mask(word, scale):
    """Set of (x, y) pixels the word covers, letters 'scale' pixels a dot."""
    pixels = set()
    for i, letter in enumerate(word):
        for row, line in enumerate(GLYPHS[letter]):
            for col, dot in enumerate(line):
                if dot == "#":
                    for dy in range(scale):
                        for dx in range(scale):
                            pixels.add((i * 6 * scale + col * scale + dx, row * scale + dy))
    return pixels


def banner():
    width, height, scale = 160, 41, 3
    word = "Orvanne"
    text_w, text_h = (len(word) * 6 - 1) * scale, 7 * scale
    left, top = (width - text_w) // 2, (height - text_h) // 2
    mask = {(x + left, y + top) for x, y in text_mask(word, scale)}
    shadow = {(x + 1, y + 1) for x, y in mask}
    image = []
    for y in range(height):
        row = []
        for x in range(width):
            t, v = x / (width - 1), y / (height - 1)
            glow = 1.0 - abs(v - 0.4) * 0.6
            colour = (int((40 + 10 * t) * glow), int((50 + 100 * t) * glow), int((120 + 40 * t) * glow))
            if (x, y) in mask:
                colour = (250, 214 - (y - top) * 3, 90)
            elif (x, y) in shadow:
                colour = (15, 20, 40)
            row.append(colour)
        image.append(row)
    return image


# The 16 colours of the icon: the classic VGA palette.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, TEAL, GREY, YELLOW, WHITE, RED = 0, 4, 6, 8, 11, 15, 9


def icon():
    """32 x 32 palette indices, None where transparent: a rounded navy tile
    with a golden ring and a red spark."""
    size = 32
    image = [[None] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            dx, dy = max(3 - x, 0, x - 28), max(3 - y, 0, y - 28)
            corner = math.hypot(dx, dy)
            if corner > 3.5:
                continue
            image[y][x] = BLACK if corner > 2.5 or x in (0, 31) or y in (0, 31) else NAVY
            r = math.hypot(x - 15.5, y - 16.5)
            if 6.5 <= r <= 11:
                image[y][x] = YELLOW if y < 17 else (11 if r < 10 else 3)
            elif 11 < r <= 12 and image[y][x] == NAVY:
                image[y][x] = TEAL
    for x, y in [(24, 4), (24, 5), (24, 6), (23, 5), (25, 5), (22, 3), (26, 7), (26, 3), (22, 7)]:
        image[y][x] = RED if (x, y) != (24, 5) else WHITE
    return image


# ---------------------------------------------------------------- ICO, PNG


def write_ico(path, image):
    size = 32
    xor = bytearray()
    for row in reversed(image):  # bottom-up
        for x in range(0, size, 2):
            hi, lo = row[x] or 0, row[x + 1] or 0
            xor.append(hi << 4 | lo)
    mask = bytearray()
    for row in reversed(image):
        bits = 0
        for x in range(size):
            bits = bits << 1 | (row[x] is None)
        mask += bits.to_bytes(4, "big")
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    bitmap = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(bitmap), 22)
    with open(path, "wb") as f:
        f.write(directory + bitmap)


def write_png(path, image):
    size = 32
    raw = bytearray()
    for row in image:
        raw.append(0)
        for index in row:
            raw += bytes(PALETTE[index]) + b"\xff" if index is not None else b"\0\0\0\0"

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def write_bmp(path, image):
    """24-bit bottom-up BMP: a bitmap resource Windows draws without a decoder."""
    height, width = len(image), len(image[0])
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(image):
        line = b"".join(bytes((b, g, r)) for r, g, b in row)
        pixels += line + b"\0" * (stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 3780, 3780, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(header + info + bytes(pixels))


# ---------------------------------------------------------------- JPEG
# A baseline JPEG encoder: 4:4:4 YCbCr, the example tables of ITU T.81
# Annex K, quality about 90.

ZIGZAG = [
    0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5,
    12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6, 7, 14, 21, 28,
    35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
    58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63,
]
LUMA_Q = [
    16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55,
    14, 13, 16, 24, 40, 57, 69, 56, 14, 17, 22, 29, 51, 87, 80, 62,
    18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99,
]
CHROMA_Q = [
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
    24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
] + [99] * 32
DC_LUMA = ([0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0], list(range(12)))
DC_CHROMA = ([0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0], list(range(12)))
AC_LUMA = ([0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D], bytes.fromhex(
    "01020300041105122131410613516107227114328191a1082342b1c11552d1f02433627282090a161718191a25262728292a3435363738393a434445464748494a535455565758595a636465666768696a737475767778797a838485868788898a92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae1e2e3e4e5e6e7e8e9eaf1f2f3f4f5f6f7f8f9fa"))
AC_CHROMA = ([0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77], bytes.fromhex(
    "000102031104052131061241510761711322328108144291a1b1c109233352f0156272d10a162434e125f11718191a262728292a35363738393a434445464748494a535455565758595a636465666768696a737475767778797a82838485868788898a92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae2e3e4e5e6e7e8e9eaf2f3f4f5f6f7f8f9fa"))


def scaled_quant(table, quality=90):
    factor = 200 - quality * 2
    return [min(255, max(1, (q * factor + 50) // 100)) for q in table]


def huffman_codes(table):
    bits, values = table
    codes, code, k = {}, 0, 0
    for length in range(1, 17):
        for _ in range(bits[length - 1]):
            codes[values[k]] = (code, length)
            code += 1
            k += 1
        code <<= 1
    return codes


class BitWriter:
    def __init__(self):
        self.out, self.acc, self.n = bytearray(), 0, 0

    def put(self, code, length):
        self.acc, self.n = self.acc << length | code, self.n + length
        while self.n >= 8:
            self.n -= 8
            byte = self.acc >> self.n & 0xFF
            self.out.append(byte)
            if byte == 0xFF:
                self.out.append(0)  # byte stuffing
        self.acc &= (1 << self.n) - 1

    def flush(self):
        if self.n:
            self.put((1 << (8 - self.n)) - 1, 8 - self.n)


COS = [[math.cos((2 * x + 1) * u * math.pi / 16) for x in range(8)] for u in range(8)]


def fdct(block):
    out = [0.0] * 64
    for v in range(8):
        for u in range(8):
            s = sum(block[y * 8 + x] * COS[u][x] * COS[v][y] for y in range(8) for x in range(8))
            cu, cv = (1 / math.sqrt(2) if u == 0 else 1), (1 / math.sqrt(2) if v == 0 else 1)
            out[v * 8 + u] = s * cu * cv / 4
    return out


def magnitude(value):
    length = abs(value).bit_length()
    return length, (value if value >= 0 else value + (1 << length) - 1)


def encode_block(writer, block, quant, dc_codes, ac_codes, previous_dc):
    coefficients = fdct([p - 128 for p in block])
    q = [round(coefficients[ZIGZAG[i]] / quant[i]) for i in range(64)]
    length, bits = magnitude(q[0] - previous_dc)
    writer.put(*dc_codes[length])
    writer.put(bits, length)
    run = 0
    for value in q[1:]:
        if value == 0:
            run += 1
            continue
        while run > 15:
            writer.put(*ac_codes[0xF0])
            run -= 16
        length, bits = magnitude(value)
        writer.put(*ac_codes[run << 4 | length])
        writer.put(bits, length)
        run = 0
    if run:
        writer.put(*ac_codes[0x00])
    return q[0]


def write_jpeg(path, image):
    height, width = len(image), len(image[0])
    planes = [[], [], []]
    for row in image:
        for r, g, b in row:
            planes[0].append(0.299 * r + 0.587 * g + 0.114 * b)
            planes[1].append(128 - 0.168736 * r - 0.331264 * g + 0.5 * b)
            planes[2].append(128 + 0.5 * r - 0.418688 * g - 0.081312 * b)
    quants = [scaled_quant(LUMA_Q), scaled_quant(CHROMA_Q)]
    dc = [huffman_codes(DC_LUMA), huffman_codes(DC_CHROMA)]
    ac = [huffman_codes(AC_LUMA), huffman_codes(AC_CHROMA)]
    writer, previous = BitWriter(), [0, 0, 0]
    for by in range(0, height, 8):
        for bx in range(0, width, 8):
            for c in range(3):
                block = [planes[c][min(by + y, height - 1) * width + min(bx + x, width - 1)]
                         for y in range(8) for x in range(8)]
                t = 0 if c == 0 else 1
                previous[c] = encode_block(writer, block, quants[t], dc[t], ac[t], previous[c])
    writer.flush()

    def segment(marker, data):
        return struct.pack(">BBH", 0xFF, marker, len(data) + 2) + data

    jfif = segment(0xE0, b"JFIF\0" + struct.pack(">BBBHHBB", 1, 1, 1, 96, 96, 0, 0))
    dqt = segment(0xDB, b"".join(bytes([t]) + bytes(quants[t]) for t in range(2)))
    sof = segment(0xC0, struct.pack(">BHHB", 8, height, width, 3) + bytes([1, 0x11, 0, 2, 0x11, 1, 3, 0x11, 1]))
    dht = b""
    for table_class, index, (bits, values) in [(0, 0, DC_LUMA), (1, 0, AC_LUMA), (0, 1, DC_CHROMA), (1, 1, AC_CHROMA)]:
        dht += segment(0xC4, bytes([table_class << 4 | index]) + bytes(bits) + bytes(values))
    sos = segment(0xDA, bytes([3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0]))
    with open(path, "wb") as f:
        f.write(b"\xff\xd8" + jfif + dqt + sof + dht + sos + bytes(writer.out) + b"\xff\xd9")


if __name__ == "__main__":
    picture = banner()
    write_jpeg(os.path.join(HERE, "banner.jpg"), picture)
    write_bmp(os.path.join(HERE, "banner.bmp"), picture)
    picture = icon()
    write_ico(os.path.join(HERE, "mainicon.ico"), picture)
    write_png(os.path.join(HERE, "orvanne-calc.png"), picture)
