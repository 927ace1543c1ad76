#!/usr/bin/env python3
"""Compares the pixels of PNG files, whatever encoder wrote them.

usage: same_pixels.py A.png B.png   (exit 0 when every pixel matches)
Reads 8-bit grey, RGB and RGBA PNGs without interlacing; alpha is ignored.
"""
import struct
import sys
import zlib

CHANNELS = {0: 1, 2: 3, 4: 2, 6: 4}


def unfilter(kind, line, previous, bpp):
    for i in range(len(line)):
        left = line[i - bpp] if i >= bpp else 0
        up = previous[i]
        corner = previous[i - bpp] if i >= bpp else 0
        if kind == 1:
            line[i] = (line[i] + left) & 255
        elif kind == 2:
            line[i] = (line[i] + up) & 255
        elif kind == 3:
            line[i] = (line[i] + (left + up) // 2) & 255
        elif kind == 4:
            guess = left + up - corner
            near = min((abs(guess - left), 0, left), (abs(guess - up), 1, up), (abs(guess - corner), 2, corner))
            line[i] = (line[i] + near[2]) & 255


def pixels(path):
    data = open(path, 'rb').read()
    if data[:8] != b'\x89PNG\r\n\x1a\n':
        sys.exit(f'{path}: not a PNG file')
    at, packed = 8, b''
    while at < len(data):
        length, kind = struct.unpack('>I4s', data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        at += 12 + length
        if kind == b'IHDR':
            width, height, depth, colour = struct.unpack('>IIBB', body[:10])
            if depth != 8 or colour not in CHANNELS or body[12] != 0:
                sys.exit(f'{path}: only 8-bit, non-interlaced PNGs are read')
        elif kind == b'IDAT':
            packed += body
    channels = CHANNELS[colour]
    raw = zlib.decompress(packed)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        line = bytearray(raw[start + 1:start + 1 + stride])
        unfilter(raw[start], line, previous, channels)
        rows.append(line)
        previous = line
    shown = min(channels, 3)
    return width, height, [bytes(row[x * channels:x * channels + shown])
                           for row in rows for x in range(width)]


def main():
    first, second = (pixels(path) for path in sys.argv[1:3])
    if first[:2] != second[:2]:
        print(f'sizes differ: {first[0]}x{first[1]} and {second[0]}x{second[1]}')
        return 1
    differing = sum(a != b for a, b in zip(first[2], second[2]))
    print(f'{differing} of {len(first[2])} pixels differ')
    return 1 if differing else 0


if __name__ == '__main__':
    sys.exit(main())
