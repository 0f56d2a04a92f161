#!/usr/bin/env python3
"""Draws the pictures of the program's dialogs from the rendered card deck and text, in the
program palette, and writes the resource script that binds them to their picture ids.

Pictures: 100 About, 101 the sound sample button, 3006 keyboard, 3026 and 3027 the table
sizes, 3030 "The End ...", 3014 the start-up notes, 3042 to 3049 the suits (French symbols,
then the German Aces), 11419 the intro, 1450 to 1452 the playing-styles comparison.

Usage: make_dialog_pictures.py CARDDIR OUTDIR
CARDDIR holds the card bitmaps and the palette bitmap 1050 (make_card_pictures.py). Writes
OUTDIR/dialogs/<id>.bmp, OUTDIR/dialog_pictures.rc and OUTDIR/dialog_pictures.stamp.
"""
import os
import struct
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_card_pictures import bmp8, read_ppm, run, write_if_changed  # noqa: E402

PALETTE_ID = 1050
FONT = "DejaVu-Sans"
BOLD = "DejaVu-Sans-Bold"
GREEN = "#1e6b3a"

# Card picture ids: set + suit x 8 + step; steps 1 to 8 are 7, 8, 9, 10, Unter, Ober, King,
# Ace; suits Schellen 0, Herz 1, Gras 2, Eichel 3.
SMALL, MIDDLE = 1100, 1000
OBER, ACE = 6, 8


def card(cards, first, suit, step):
    return os.path.join(cards, f"{first + suit * 8 + step}.bmp")


def read_palette(path):
    """The colour table of an 8-bit bitmap, as (r, g, b) tuples."""
    with open(path, "rb") as source:
        data = source.read()
    header_size = struct.unpack_from("<I", data, 14)[0]
    used = struct.unpack_from("<I", data, 46)[0] or 256
    start = 14 + header_size
    return [(data[start + 4 * i + 2], data[start + 4 * i + 1], data[start + 4 * i]) for i in range(used)]


def text(x, y, size, words, colour="black", font=FONT):
    return ["-font", font, "-pointsize", str(size), "-fill", colour, "-annotate", f"+{x}+{y}", words]


def place(path, x, y, resize=None):
    steps = ["(", path]
    if resize:
        steps += ["-resize", resize]
    return steps + [")", "-geometry", f"+{x}+{y}", "-composite"]


def canvas(width, height, colour="white"):
    return ["-size", f"{width}x{height}", f"xc:{colour}"]


def pictures(cards):
    """Picture id -> the ImageMagick steps that draw it."""
    drawn = {
        100: canvas(180, 130) + place(card(cards, MIDDLE, 3, OBER), 8, 9) + place(card(cards, MIDDLE, 1, OBER), 40, 9)
        + text(120, 40, 14, "Schaf-", font=BOLD) + text(120, 58, 14, "kopf", font=BOLD)
        + text(120, 84, 10, "Bavarian") + text(120, 98, 10, "card game"),
        101: canvas(32, 18, "#c0c0c0") + ["-fill", "black", "-draw", "polygon 6,6 10,6 15,2 15,16 10,12 6,12",
                                          "-stroke", "black", "-fill", "none", "-draw", "arc 12,4 24,14 -60,60"],
        3006: canvas(195, 80) + keyboard(),
        3026: table_size(cards, "small", SMALL),
        3027: table_size(cards, "large", MIDDLE),
        3030: canvas(306, 114) + [arg for i, suit in enumerate((3, 2, 1)) for arg in place(card(cards, MIDDLE, suit, ACE), 8 + i * 40, 1)]
        + text(170, 64, 28, "The End", font=BOLD),
        3014: canvas(366, 162) + notes(),
        11419: canvas(360, 260, GREEN) + text(80, 60, 40, "Schafkopf", "white", BOLD)
        + [arg for i, suit in enumerate((3, 2, 1, 0)) for arg in place(card(cards, MIDDLE, suit, OBER), 40 + i * 74, 100)]
        + text(110, 244, 12, "click to start", "white"),
    }
    for i, symbol in enumerate(("\u2666", "\u2665", "\u2660", "\u2663")):  # Diamonds, Hearts, Spades, Clubs
        colour = "#c00000" if i < 2 else "black"
        drawn[3042 + i] = canvas(36, 36) + ["-gravity", "center"] + text(0, 0, 26, symbol, colour) + ["-gravity", "northwest"]
    for suit in range(4):  # Schellen, Herz, Gras, Eichel
        drawn[3046 + suit] = canvas(36, 36) + place(card(cards, SMALL, suit, ACE), 7, 0, "x36")
    for i, (name, suit) in enumerate((("Basic", 0), ("Expert", 2), ("Long Run", 3))):
        drawn[1450 + i] = canvas(135, 105) + place(card(cards, SMALL, suit, OBER), 6, 10) + text(66, 40, 12, name, font=BOLD) \
            + text(66, 60, 10, "playing") + text(66, 74, 10, "style")
    return drawn


def keyboard():
    steps = ["-stroke", "#404040", "-fill", "#e8e8e8"]
    keys = "4682vrynrcdhscn"
    for i, key in enumerate(keys):
        x, y = 6 + (i % 8) * 23, 8 + (i // 8) * 34
        steps += ["-draw", f"roundrectangle {x},{y} {x + 20},{y + 26} 3,3"]
    steps += ["-stroke", "none"]
    for i, key in enumerate(keys):
        x, y = 6 + (i % 8) * 23, 8 + (i // 8) * 34
        steps += text(x + 6, y + 18, 12, key)
    return steps


def table_size(cards, label, first):
    return canvas(162, 117, GREEN) + place(card(cards, first, 1, ACE), 8, 8) + place(card(cards, first, 3, OBER), 36, 14) \
        + text(90, 104, 14, label, "white", BOLD)


def notes():
    lines = ("Welcome to Schafkopf!", "", "You play against three computer players.",
             "Choose the rules under Preferences > Settings,", "the table size under Preferences > View.",
             "The Help menu opens the rules of the game.")
    steps = []
    for i, line in enumerate(lines):
        steps += text(10, 24 + i * 22, 14 if i == 0 else 12, line, font=BOLD if i == 0 else FONT)
    return steps


def draw(steps, palette, palette_path, work, picture_id):
    """Renders the steps, maps them onto the program palette, answers the bitmap's bytes."""
    ppm = run(["convert", *steps, "-flatten", "+dither", "-remap", palette_path, "-depth", "8", "-type", "TrueColor", "ppm:-"])
    width, height, pixels = read_ppm(ppm)
    lookup = {colour: index for index, colour in enumerate(palette)}
    indexes = bytearray(lookup[tuple(pixels[3 * i:3 * i + 3])] for i in range(width * height))
    return bmp8(width, height, indexes, palette)


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    cards, outdir = sys.argv[1], sys.argv[2]
    palette = read_palette(os.path.join(cards, f"{PALETTE_ID}.bmp"))
    out = os.path.join(outdir, "dialogs")
    os.makedirs(out, exist_ok=True)
    lines = ["// Generated by tools/make_dialog_pictures.py: the pictures of the dialogs.\n"]
    with tempfile.TemporaryDirectory() as work:
        palette_path = os.path.join(work, "palette.ppm")
        with open(palette_path, "wb") as target:
            target.write(b"P6\n%d 1\n255\n" % len(palette) + bytes(c for colour in palette for c in colour))
        for picture_id, steps in sorted(pictures(cards).items()):
            path = os.path.join(out, f"{picture_id}.bmp")
            write_if_changed(path, draw(steps, palette, palette_path, work, picture_id))
            lines.append(f'{picture_id} BITMAP "{os.path.abspath(path)}"\n')
    write_if_changed(os.path.join(outdir, "dialog_pictures.rc"), "".join(lines).encode("ascii"))
    with open(os.path.join(outdir, "dialog_pictures.stamp"), "w") as stamp:
        stamp.write(f"{len(lines) - 1} bitmaps\n")


if __name__ == "__main__":
    main()
