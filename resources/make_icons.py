#!/usr/bin/env python3
"""Draws the Windows program's icons and its About bitmap.

Writes 32x32 16-colour icons (RDMXICON, shadow, RENA, prog0..prog3) and the
16-colour bitmap kvbmp into resources/icons/. Standard library only; run it
again after changing a drawing and commit the results.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "icons")

# The classic 16-colour palette.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)
CLEAR = None


class Canvas:
    def __init__(self, w, h, fill=CLEAR):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.set(x, y0, c)
            self.set(x, y1, c)
        for y in range(y0, y1 + 1):
            self.set(x0, y, c)
            self.set(x1, y, c)

    def line(self, x0, y0, x1, y1, c):
        n = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(n + 1):
            self.set(round(x0 + (x1 - x0) * i / n), round(y0 + (y1 - y0) * i / n), c)

    def disc(self, cx, cy, r, c):
        for y in range(self.h):
            for x in range(self.w):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.set(x, y, c)

    def shape(self, inside, c):
        for y in range(self.h):
            for x in range(self.w):
                if inside(x + 0.5, y + 0.5):
                    self.set(x, y, c)


def gear_inside(cx, cy, outer, inner, teeth, phase):
    """A gear outline: teeth of radius `outer` between gaps of `inner`."""
    def inside(x, y):
        r = math.hypot(x - cx, y - cy)
        if r > outer:
            return False
        if r <= inner:
            return True
        a = (math.atan2(y - cy, x - cx) - phase) % (2 * math.pi / teeth)
        return a < (2 * math.pi / teeth) * 0.5
    return inside


def draw_gear(cv, phase):
    cx = cy = 16
    cv.shape(gear_inside(cx, cy, 15.5, 12.0, 8, phase), GREY)
    cv.shape(gear_inside(cx, cy, 14.5, 11.0, 8, phase), SILVER)
    # A dark ring under the teeth and the axle hole give it depth.
    cv.shape(lambda x, y: 9.0 <= math.hypot(x - cx, y - cy) <= 10.0, GREY)
    # The marker spoke shows the turning.
    for t in range(3, 9):
        a = phase + math.pi / 8
        cv.set(round(cx + math.cos(a) * t - 0.5), round(cy + math.sin(a) * t - 0.5), NAVY)


def draw_chip(cv, x0, y0, size):
    """A DIP chip seen from above, pins left and right."""
    x1, y1 = x0 + size - 1, y0 + size - 1
    for y in range(y0 + 2, y1 - 1, 3):
        cv.rect(x0 - 2, y, x0 - 1, y + 1, WHITE)
        cv.rect(x1 + 1, y, x1 + 2, y + 1, WHITE)
        cv.set(x0 - 2, y + 1, SILVER)
        cv.set(x1 + 2, y + 1, SILVER)
    cv.rect(x0, y0, x1, y1, BLACK)
    cv.frame(x0, y0, x1, y1, GREY)
    cv.rect(x0 + size // 2 - 1, y0, x0 + size // 2, y0 + 1, GREY)  # notch
    cv.set(x0 + 2, y0 + 2, WHITE)  # pin-1 dot


def program_icon():
    cv = Canvas(32, 32)
    draw_gear(cv, 0.0)
    draw_chip(cv, 10, 10, 12)
    # A yellow trace across the chip: the netlist.
    cv.line(12, 19, 15, 16, YELLOW)
    cv.line(15, 16, 19, 16, YELLOW)
    cv.line(19, 16, 19, 13, YELLOW)
    return cv


def shadow_icon():
    cv = Canvas(32, 32)
    cv.shape(gear_inside(16, 16, 15.5, 12.0, 8, 0.0), GREY)
    cv.disc(16, 16, 13.0, GREY)
    return cv


def progress_icon(frame):
    cv = Canvas(32, 32)
    draw_gear(cv, frame * (2 * math.pi / 8) / 4)
    draw_chip(cv, 11, 11, 10)
    return cv


def input_icon():
    """A netlist sheet with a pencil: the program asks for a name."""
    cv = Canvas(32, 32)
    cv.rect(5, 3, 22, 28, WHITE)
    cv.frame(5, 3, 22, 28, BLACK)
    cv.rect(23, 5, 23, 29, GREY)
    cv.rect(7, 29, 23, 29, GREY)
    # Wires and nodes.
    for y in (8, 13, 18, 23):
        cv.line(8, y, 19, y, NAVY)
        cv.set(8, y, RED)
    cv.line(14, 8, 14, 18, NAVY)
    cv.rect(13, 12, 15, 14, RED)
    # The pencil, lower left to upper right.
    for i in range(14):
        x, y = 14 + i, 28 - i
        cv.set(x, y, YELLOW)
        cv.set(x + 1, y, OLIVE)
        cv.set(x, y - 1, YELLOW)
    cv.set(13, 29, BLACK)
    cv.set(14, 29, MAROON)
    cv.rect(27, 13, 29, 15, RED)
    return cv


def about_bitmap():
    """A small schematic: two gates wired into a chip, on a grid."""
    cv = Canvas(64, 64, WHITE)
    for y in range(0, 64, 8):
        for x in range(0, 64, 8):
            cv.set(x, y, SILVER)
    # Gate 1 and gate 2 (NAND shapes: a box with a round end and a bubble).
    for gy in (10, 34):
        cv.rect(6, gy, 14, gy + 12, WHITE)
        cv.line(6, gy, 6, gy + 12, BLACK)
        cv.line(6, gy, 14, gy, BLACK)
        cv.line(6, gy + 12, 14, gy + 12, BLACK)
        cv.shape(lambda x, y, gy=gy: 6.3 <= math.hypot(x - 14, y - (gy + 6.5)) <= 7.3 and x > 14, BLACK)
        cv.disc(23, gy + 6.5, 1.6, BLACK)
        cv.line(1, gy + 3, 5, gy + 3, NAVY)
        cv.line(1, gy + 9, 5, gy + 9, NAVY)
        cv.line(25, gy + 6, 34, gy + 6, NAVY)
    # Wires into the chip with junction dots.
    cv.line(34, 16, 34, 24, NAVY)
    cv.line(34, 40, 34, 32, NAVY)
    cv.line(34, 24, 40, 24, NAVY)
    cv.line(34, 32, 40, 32, NAVY)
    cv.rect(33, 23, 35, 25, RED)
    cv.rect(33, 31, 35, 33, RED)
    # The chip.
    cv.rect(41, 18, 58, 45, BLACK)
    for y in range(20, 45, 4):
        cv.rect(39, y, 40, y + 1, GREY)
        cv.rect(59, y, 60, y + 1, GREY)
    cv.rect(48, 18, 51, 19, GREY)
    cv.line(44, 26, 55, 26, YELLOW)
    cv.line(44, 30, 52, 30, YELLOW)
    cv.line(44, 34, 55, 34, YELLOW)
    cv.line(44, 38, 50, 38, YELLOW)
    # The turning gear in the corner.
    g = Canvas(32, 32)
    draw_gear(g, 0.2)
    for y in range(20):
        for x in range(20):
            c = g.px[6 + y][6 + x]
            if c is not None and 44 + x < 64 and 44 + y < 64 and x + y > 8:
                cv.set(44 + x, 44 + y, c)
    return cv


def pack_4bpp_rows(cv, transparent=BLACK):
    rows = []
    for y in reversed(range(cv.h)):
        row = bytearray()
        for x in range(0, cv.w, 2):
            a = cv.px[y][x]
            b = cv.px[y][x + 1]
            a = transparent if a is None else a
            b = transparent if b is None else b
            row.append((a << 4) | b)
        while len(row) % 4:
            row.append(0)
        rows.append(bytes(row))
    return b"".join(rows)


def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)


def write_icon(name, cv):
    xor = pack_4bpp_rows(cv)
    mask = bytearray()
    for y in reversed(range(cv.h)):
        row = bytearray(4)
        for x in range(cv.w):
            if cv.px[y][x] is None:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    header = struct.pack("<IiiHHIIiiII", 40, cv.w, cv.h * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    image = header + palette_bytes() + xor + bytes(mask)
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", cv.w, cv.h, 16, 0, 1, 4, len(image), 6 + 16)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(icondir + entry + image)


def write_bitmap(name, cv):
    pixels = pack_4bpp_rows(cv, WHITE)
    info = struct.pack("<IiiHHIIiiII", 40, cv.w, cv.h, 1, 4, 0, len(pixels),
                       2835, 2835, 16, 0)
    offset = 14 + len(info) + 64
    filehdr = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(filehdr + info + palette_bytes() + pixels)


def main():
    os.makedirs(OUT, exist_ok=True)
    write_icon("rdmx.ico", program_icon())
    write_icon("shadow.ico", shadow_icon())
    write_icon("rena.ico", input_icon())
    for i in range(4):
        write_icon("prog%d.ico" % i, progress_icon(i))
    write_bitmap("kvbmp.bmp", about_bitmap())


if __name__ == "__main__":
    main()
