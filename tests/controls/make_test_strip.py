#!/usr/bin/env python3
"""Writes data/test_strip.bmp: a 106 x 41 24-bit strip of three 35-pixel pictures
(red, green, blue) and one yellow column (105) that a button must never show."""
import struct
from pathlib import Path

WIDTH, HEIGHT = 106, 41
COLOURS = [(220, 0, 0)] * 35 + [(0, 180, 0)] * 35 + [(0, 0, 220)] * 35 + [(255, 255, 0)]

row = b"".join(bytes((b, g, r)) for r, g, b in COLOURS)
row += b"\0" * ((4 - len(row) % 4) % 4)
pixels = row * HEIGHT
header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
out = Path(__file__).with_name("data") / "test_strip.bmp"
out.write_bytes(header + info + pixels)
