#!/usr/bin/env python3
"""Writes the movie clips the movie tests play: silent, uncompressed 8-bit AVI files.

    make_test_movies.py OUTPUT_DIR

- colours.sor: 4 frames of 40 x 30 pixels at 10 frames per second (400 ms). Frame i is
  filled with FRAME_COLOURS[i]; its top-left 4 x 4 corner is white, so that a picture drawn
  upside down shows. At 600 movie units per second frame i is due from 60 i on; the clip
  ends at 240.
- slow.sor: 2 frames of 20 x 10 pixels at 5 frames per second (frames cyan, magenta).
- cut.sor: colours.sor cut off in the middle of its second frame (a broken copy).
- codec.sor: colours.sor marked as compressed by a codec nobody has.
- nomovie.sor: a text file.
- empty.sor: a file of no bytes.
- stamp: written last, for the build's dependency.
"""
import os
import struct
import sys

# Palette entries the frames use: the colours are also the expected pixels of the tests.
FRAME_COLOURS = [(255, 0, 0), (0, 160, 0), (0, 0, 255), (255, 255, 0)]
SLOW_COLOURS = [(0, 255, 255), (255, 0, 255)]
WHITE = (255, 255, 255)


def chunk(tag, data):
    pad = b"\0" if len(data) % 2 else b""
    return tag + struct.pack("<I", len(data)) + data + pad


def riff_list(kind, tag, body):
    return kind + struct.pack("<I", len(body) + 4) + tag + body


def avi(width, height, fps, colours, codec=None):
    palette = [WHITE] + colours + [(0, 0, 0)] * (256 - 1 - len(colours))
    stride = (width + 3) & ~3
    frames = []
    for index in range(len(colours)):
        colour = index + 1
        rows = []
        # Bottom-up DIB rows: the last row written is the top of the picture.
        for y in range(height - 1, -1, -1):
            row = bytearray(colour for _ in range(width))
            if y < 4:
                row[0:4] = bytes([0, 0, 0, 0])
            rows.append(bytes(row) + b"\0" * (stride - width))
        frames.append(b"".join(rows))
    frame_size = stride * height

    avih = struct.pack("<IIIIIIIIII4I", 1000000 // fps, frame_size * fps, 0, 0x10, len(frames), 0, 1,
                       frame_size, width, height, 0, 0, 0, 0)
    strh = struct.pack("<4s4sIHHIIIIIIIIhhhh", b"vids", codec or b"DIB ", 0, 0, 0, 0, 1, fps, 0, len(frames),
                       frame_size, 0xFFFFFFFF, 0, 0, 0, width, height)
    compression = struct.unpack("<I", codec)[0] if codec else 0
    bih = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, compression, frame_size, 0, 0, 256, 0)
    rgbquads = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    strl = riff_list(b"LIST", b"strl", chunk(b"strh", strh) + chunk(b"strf", bih + rgbquads))
    hdrl = riff_list(b"LIST", b"hdrl", chunk(b"avih", avih) + strl)

    movi_body = b""
    index_entries = b""
    for frame in frames:
        offset = 4 + len(movi_body)  # from the 'movi' tag
        index_entries += struct.pack("<4sIII", b"00db", 0x10, offset, len(frame))
        movi_body += chunk(b"00db", frame)
    movi = riff_list(b"LIST", b"movi", movi_body)
    body = hdrl + movi + chunk(b"idx1", index_entries)
    return riff_list(b"RIFF", b"AVI ", body)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    colours = avi(40, 30, 10, FRAME_COLOURS)
    files = {
        "colours.sor": colours,
        "slow.sor": avi(20, 10, 5, SLOW_COLOURS),
        # Header and first frame complete, the second frame cut in half, no index.
        "cut.sor": colours[: colours.index(b"00db") + 8 + 1200 + 8 + 600],
        # Frames in a compression no codec of the system knows.
        "codec.sor": avi(40, 30, 10, FRAME_COLOURS, codec=b"QZQZ"),
        "nomovie.sor": b"This is no movie, only a few words of text.\r\n",
        "empty.sor": b"",
    }
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
    with open(os.path.join(out, "stamp"), "w") as f:
        f.write("movies\n")


if __name__ == "__main__":
    main()
