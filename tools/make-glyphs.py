#!/usr/bin/env python3
"""Writes the program's glyphs (16 x 16, 32 bits with alpha) and its icon into src/app/res/.

The pictures are drawn here as character grids, one character per pixel; '.' is transparent.
Run it after changing a picture and commit the files it writes.
"""
import os
import struct

PALETTE = {
    'k': (0x20, 0x20, 0x20), 'g': (0x80, 0x80, 0x80), 'l': (0xC0, 0xC0, 0xC0), 'w': (0xFF, 0xFF, 0xFF),
    'r': (0xC8, 0x10, 0x10), 'R': (0x80, 0x00, 0x00), 'y': (0xF0, 0xC8, 0x20), 'b': (0x20, 0x50, 0xB0),
    'B': (0x10, 0x28, 0x70), 'c': (0x90, 0xC0, 0xF0), 'n': (0x70, 0x48, 0x20), 'G': (0x20, 0x90, 0x30),
    'd': (0x50, 0x50, 0x58), 'e': (0xE8, 0xE8, 0xE8),
}

EXIT_DOOR = """\
................
...kkkkkkkkk....
...kRRRRRRRk....
...kRrrrrrRk....
...kRrrrrrRk....
...kRrrrrrRk..k.
...kRrrrrrRk..kk
...kRrrrryRkkkkk
...kRrrrrrRkkkkk
...kRrrrrrRk..kk
...kRrrrrrRk..k.
...kRrrrrrRk....
...kRrrrrrRk....
...kRRRRRRRk....
...kkkkkkkkk....
................
"""

PAGE_WITH_LINES = """\
..kkkkkkkkk.....
..kwwwwwwwkk....
..kwwwwwwwkwk...
..kwbbbbbwkkkk..
..kwwwwwwwwwwk..
..kwbbbbbbbbwk..
..kwwwwwwwwwwk..
..kwbbbbbbbwwk..
..kwwwwwwwwwwk..
..kwbbbbbbbbwk..
..kwwwwwwwwwwk..
..kwbbbbbbwwwk..
..kwwwwwwwwwwk..
..kwwwwwwwwwwk..
..kkkkkkkkkkkk..
................
"""

PRINTER = """\
................
....kkkkkkkk....
....kwwwwwwk....
....kwbbbbwk....
....kwwwwwwk....
..kkkkkkkkkkkk..
.kllllllllllllk.
.kleeeeeeeeeelk.
.klllllllllGGlk.
.kllllllllllllk.
.kddddddddddddk.
.kdkwwwwwwwwkdk.
..kkwbbbbbbwkk..
....kwwwwwwk....
....kkkkkkkk....
................
"""

FLOPPY_DISK = """\
................
.kkkkkkkkkkkkkk.
.kBkllllllllkBk.
.kBkllllllllkBk.
.kBkllllllllkBk.
.kBkllllllllkBk.
.kBBkkkkkkkkBBk.
.kBBBBBBBBBBBBk.
.kBBwwwwwwwwBBk.
.kBBwbbbbbbwBBk.
.kBBwwwwwwwwBBk.
.kBBwbbbbbbwBBk.
.kBBwwwwwwwwBBk.
.kBBwwwwwwwwBBk.
..kkkkkkkkkkkkk.
................
"""

# The application icon: a page with lines and a green check mark.
ICON = """\
..kkkkkkkkk.....
..kwwwwwwwkk....
..kwwwwwwwkwk...
..kwbbbbbwkkkk..
..kwwwwwwwwwwk..
..kwbbbbbbbbwk..
..kwwwwwwwwwwk..
..kwbbbbbwwwwGG.
..kwwwwwwwwwGGG.
..kwbbbbbwwGGGk.
..kwwGGwwwGGGwk.
..kwwGGGwGGGwwk.
..kwwwGGGGGwwwk.
..kwwwwGGGwwwwk.
..kkkkkkkkkkkkk.
................
"""


def pixels(picture):
    rows = picture.splitlines()
    assert len(rows) == 16 and all(len(row) == 16 for row in rows), picture
    # Bottom-up rows, BGRA, straight (not premultiplied) alpha.
    data = bytearray()
    for row in reversed(rows):
        for ch in row:
            if ch == '.':
                data += bytes((0, 0, 0, 0))
            else:
                r, g, b = PALETTE[ch]
                data += bytes((b, g, r, 255))
    return bytes(data)


def info_header(height):
    return struct.pack('<IiiHHIIiiII', 40, 16, height, 1, 32, 0, 16 * 16 * 4, 2835, 2835, 0, 0)


def bitmap_file(picture):
    bits = pixels(picture)
    header = info_header(16)
    offset = 14 + len(header)
    return struct.pack('<2sIHHI', b'BM', offset + len(bits), 0, 0, offset) + header + bits


def icon_file(picture):
    bits = pixels(picture)
    # The AND mask: one bit per pixel, rows padded to 32 bits, set where the pixel is transparent.
    mask = bytearray()
    rows = list(reversed(picture.splitlines()))
    for row in rows:
        value = 0
        for x, ch in enumerate(row):
            if ch == '.':
                value |= 1 << (15 - x)
        mask += struct.pack('>H', value) + b'\0\0'
    image = info_header(32) + bits + bytes(mask)
    return struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', 16, 16, 0, 0, 1, 32, len(image), 22) + image


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'src', 'app', 'res')
    os.makedirs(folder, exist_ok=True)
    for name, picture in (('ExitDoor', EXIT_DOOR), ('PageWithLines', PAGE_WITH_LINES), ('Printer', PRINTER),
                          ('FloppyDisk', FLOPPY_DISK)):
        with open(os.path.join(folder, name + '.bmp'), 'wb') as out:
            out.write(bitmap_file(picture))
    with open(os.path.join(folder, 'Plux.ico'), 'wb') as out:
        out.write(icon_file(ICON))


if __name__ == '__main__':
    main()
