#!/usr/bin/env python3
"""Draws the program's icon: a white playing card with a black edge and a red heart in its
middle, on a transparent ground. Writes a Windows icon file (32 x 32 and
16 x 16, 32-bit colour with alpha) to the path given."""
import struct
import sys


def heart(x, y):
    # The classic heart curve, x and y from -1.3 to 1.3, the point downwards.
    y = -y
    return (x * x + y * y - 1) ** 3 - x * x * y ** 3 <= 0


def pixel(size, column, row):
    """BGRA of one pixel; rows counted from the top."""
    u = (column + 0.5) / size
    v = (row + 0.5) / size
    left, right, top, bottom = 0.16, 0.84, 0.06, 0.94
    if not (left <= u <= right and top <= v <= bottom):
        return (0, 0, 0, 0)
    edge = 1.0 / size
    if u < left + edge or u > right - edge or v < top + edge or v > bottom - edge:
        return (0, 0, 0, 255)
    x = (u - 0.5) * 4.6
    y = (v - 0.52) * 4.6
    if heart(x, y):
        return (32, 32, 200, 255)
    return (255, 255, 255, 255)


def image(size):
    rows = []
    for row in reversed(range(size)):  # bottom-up
        rows.append(b"".join(bytes(pixel(size, column, row)) for column in range(size)))
    colour = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    mask = bytes(mask_row * size)  # the alpha channel decides; the mask stays empty
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + mask


def main():
    sizes = [32, 16]
    images = [image(size) for size in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(sys.argv[1], "wb") as handle:
        handle.write(out)


if __name__ == "__main__":
    main()
