#!/usr/bin/env python3
"""Draws the card table's pictures into 4-bit Windows bitmaps and writes the two resource
scripts that bind them.

The program's own pictures: 3142 the plain cloth (the table without table pictures), 3095 the
corner behind the game clock, 3096, 3097, 3098 the status bars of table sizes 1, 0 and 2 (each
as wide as its table), 3040 and 3041 the turn icons; of the four-player table 3007 the game
information plate and 3020 to 3023 the small suit marks (Diamonds, Hearts, Spades, Clubs), the
result panel's tables 3204 (extra points), 3205 (players) and 3206 (the winners' bill), and the
marks 3210 and 3211 beside the own hand; the
seat-role badge 3010 (its strip, 90 x 17), 3011 and 3013 (the side markers, 5 x 9) and 3012
(the middle marker, 9 x 5).

Persona library 0 (its pictures lie 10000 above their ids): name plates 1500 to 1503, the
player box 1505, the closing picture 1504 under New Deal, the bid box 1506 and the choice box
1507, the trick stacks of the four seats at the three table sizes (1534-1537,
1554-1557, 1574-1577) and the backgrounds of room scenes 0 to 5 at the three sizes (1520,
1540, 1560 plus 100 per scene; 1320, 1340, 1360 for scene 5). The backgrounds mark the
opponents' places. No picture holds pure black, the colour of the table's texts, so text can
be found on any of them.

Every figure library is made from the one picture list below, each in a cloth of its own,
so a picture added to the list reaches all of them. Each library also names its six motives
(strings 1000 + j, and 1010 + j for the English resources), says whether a motive seats the
opponents at the table's sides (1020 + j, "Y"), whether it brings its own table layout
(1030 + j; none here) and the sexes of its three figures (1040 + j; "3" either: no figure is
drawn, so none can contradict a voice). Library 0 (persona0.dll) holds the program's six
motives, library 1 (persona01.dll) the same scenes with the opponents at the sides.

Usage: make_table_pictures.py OUTDIR
Writes OUTDIR/table/<id>.bmp (with library 0's), OUTDIR/persona<n>/<id>.bmp, OUTDIR/table_pictures.rc,
OUTDIR/persona0.rc, OUTDIR/persona01.rc and OUTDIR/table_pictures.stamp; unchanged files are
left alone.
"""
import os
import struct
import sys

PERSONA_OFFSET = 10000

# Table sizes: size -> (width, height) of the pane.
TABLE_SIZES = {1: (636, 436), 0: (792, 556), 2: (1016, 724)}
SIZE_OFFSET = {1: 20, 0: 40, 2: 60}  # the background id's last two digits
STATUS_BAR = {1: (3096, 18), 0: (3097, 20), 2: (3098, 24)}

# Seat areas (elements 5 to 7: seats 1 left, 2 top, 3 right) and trick stacks (elements 0 to 3)
# as top, left, bottom, right per table size; the same values as the table's layout.
SEAT_AREAS = {
    1: [(28, 15, 227, 124), (8, 254, 143, 347), (50, 509, 234, 615)],
    0: [(43, 27, 283, 169), (19, 326, 183, 433), (49, 634, 303, 772)],
    2: [(88, 35, 396, 214), (49, 424, 272, 549), (94, 822, 428, 987)],
}
TRICK_STACKS = {
    1: [(239, 395, 252, 428), (236, 170, 252, 196), (158, 223, 188, 248), (170, 398, 182, 419)],
    0: [(318, 468, 333, 508), (314, 207, 333, 242), (208, 278, 221, 308), (224, 489, 238, 517)],
    2: [(461, 594, 483, 648), (451, 231, 479, 283), (299, 358, 314, 397), (316, 628, 335, 663)],
}
# Trick stack of element e has id size offset + (1517, 1514, 1515, 1516)[e].
STACK_IDS = (1517, 1514, 1515, 1516)

# Cloth colours of room scenes 0 to 5.
SCENE_CLOTH = [(0, 100, 50), (30, 70, 120), (110, 35, 35), (95, 70, 40), (70, 72, 78), (20, 90, 90)]
# The program's motive names (the texts of strings 1274 to 1279).
MOTIVE_NAMES = ["Books", "Default", "Bay", "Forrest", "Mountain", "Desert"]
# Figure libraries: script name, cloth shift (added to every cloth colour), name suffix,
# side layout.
FIGURE_LIBRARIES = [("persona0.rc", (0, 0, 0), "", False), ("persona01.rc", (60, 20, -30), " (side)", True)]


def lighter(colour, amount):
    return tuple(min(255, c + amount) for c in colour)


class Picture:
    """A picture of at most 16 colours, drawn with filled shapes."""

    def __init__(self, width, height, colour):
        self.width, self.height = width, height
        self.colours = [colour]
        self.rows = [bytearray([0]) * width for _ in range(height)]

    def index(self, colour):
        assert colour != (0, 0, 0), "pure black is kept for text"
        if colour not in self.colours:
            self.colours.append(colour)
        assert len(self.colours) <= 16
        return self.colours.index(colour)

    def rect(self, left, top, right, bottom, colour):
        i = self.index(colour)
        left, right = max(0, left), min(self.width, right)
        for y in range(max(0, top), min(self.height, bottom)):
            self.rows[y][left:right] = bytes([i]) * (right - left)

    def frame(self, left, top, right, bottom, colour, width=1):
        self.rect(left, top, right, top + width, colour)
        self.rect(left, bottom - width, right, bottom, colour)
        self.rect(left, top, left + width, bottom, colour)
        self.rect(right - width, top, right, bottom, colour)

    def ellipse(self, left, top, right, bottom, colour):
        i = self.index(colour)
        cx, cy = (left + right) / 2, (top + bottom) / 2
        rx, ry = (right - left) / 2, (bottom - top) / 2
        for y in range(max(0, top), min(self.height, bottom)):
            dy = (y + 0.5 - cy) / ry
            if abs(dy) >= 1:
                continue
            half = rx * (1 - dy * dy) ** 0.5
            x0, x1 = max(0, int(round(cx - half))), min(self.width, int(round(cx + half)))
            if x1 > x0:
                self.rows[y][x0:x1] = bytes([i]) * (x1 - x0)

    def bmp(self):
        stride = ((self.width + 1) // 2 + 3) & ~3
        pixels = bytearray()
        for row in reversed(self.rows):
            packed = bytearray(stride)
            for x in range(0, self.width, 2):
                high = row[x]
                low = row[x + 1] if x + 1 < self.width else 0
                packed[x // 2] = (high << 4) | low
            pixels += packed
        palette = bytearray()
        for r, g, b in self.colours + [(255, 255, 255)] * (16 - len(self.colours)):
            palette += bytes((b, g, r, 0))
        header = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 4, 0, len(pixels), 2835, 2835, 16, 0)
        offset = 14 + len(header) + len(palette)
        return b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset) + header + palette + pixels


def plate(width):
    p = Picture(width, 29, (236, 226, 190))
    p.frame(0, 0, width, 29, (120, 90, 50), 2)
    return p


def status_bar(width, height):
    p = Picture(width, height, (222, 218, 204))
    p.rect(0, 0, width, 2, (150, 140, 120))
    return p


def corner():
    p = Picture(64, 20, (214, 214, 224))
    p.frame(0, 0, 64, 20, (110, 110, 130), 1)
    return p


def player_box():
    # Room for the box's lines from 20 to 145 pixels below its top (the pub's stakes last),
    # 14 pixels in from the left.
    p = Picture(170, 150, (250, 240, 200))
    p.frame(0, 0, 170, 150, (100, 80, 40), 2)
    p.rect(6, 23, 164, 24, (190, 170, 120))
    return p


def turn_icon(colour):
    p = Picture(16, 16, (0, 100, 50))
    p.ellipse(2, 2, 14, 14, colour)
    return p


def closing_picture():
    # The result panel under New Deal (12 pixels above its bottom): the headline from 120
    # pixels in at 42 and 62 pixels below its top, the players (3205) and extras (3204) tables
    # 11 pixels in from the left, the bill (3206) 11 pixels in from the right, the lowest 35
    # pixels above the bottom. As narrow as the smallest table allows.
    p = Picture(630, 286, (236, 226, 190))
    p.frame(0, 0, 630, 286, (120, 90, 50), 2)
    return p


def prompt_box(width, height):
    p = Picture(width, height, (246, 238, 214))
    p.frame(0, 0, width, height, (110, 80, 40), 2)
    return p


def result_table(width, height, rows):
    """A table of the result panel: its header line, then rows of 13 pixels from 28 below its
    top (base lines), light bands behind every other row."""
    p = Picture(width, height, (252, 248, 232))
    p.frame(0, 0, width, height, (140, 110, 60), 1)
    p.rect(3, 18, width - 3, 19, (170, 140, 90))
    for row in range(1, rows, 2):
        p.rect(2, 28 + 13 * row - 10, width - 2, 28 + 13 * row + 3, (240, 232, 206))
    return p


def bill_table():
    # Eleven item rows (28 + 13 x 10 = 158) above the Sum line's base line at 172.
    p = result_table(250, 180, 11)
    p.rect(3, 160, 247, 161, (170, 140, 90))
    return p


def hand_side_mark(colour):
    p = Picture(14, 44, (226, 222, 208))
    p.frame(0, 0, 14, 44, (150, 140, 120), 1)
    p.ellipse(3, 16, 11, 28, colour)
    return p


def game_info():
    p = Picture(160, 20, (226, 222, 208))
    p.frame(0, 0, 160, 20, (150, 140, 120), 1)
    return p


def suit_mark(colour):
    p = Picture(12, 12, (226, 222, 208))
    p.ellipse(1, 1, 11, 11, colour)
    return p


def badge_strip():
    p = Picture(90, 17, (240, 232, 200))
    p.frame(0, 0, 90, 17, (120, 100, 60), 1)
    p.rect(30, 2, 31, 15, (170, 150, 110))
    p.rect(59, 2, 60, 15, (170, 150, 110))
    return p


def badge_marker(width, height):
    return Picture(width, height, (200, 40, 40))


def trick_stack(width, height):
    p = Picture(width, height, (40, 60, 130))
    p.frame(0, 0, width, height, (230, 230, 230), 1)
    for y in range(3, height - 1, 4):
        p.rect(2, y, width - 2, y + 1, (90, 110, 180))
    return p


def shifted(colour, shift):
    return tuple(max(1, min(255, c + d)) for c, d in zip(colour, shift))


def background(size, scene, shift):
    width, height = TABLE_SIZES[size]
    cloth = shifted(SCENE_CLOTH[scene], shift)
    p = Picture(width, height, cloth)
    # The table top between the players, and a lighter place for each opponent.
    p.ellipse(width // 6, height // 8, width * 5 // 6, height * 7 // 10, lighter(cloth, 18))
    for top, left, bottom, right in SEAT_AREAS[size]:
        p.ellipse(left, top, right, bottom, lighter(cloth, 45))
    return p


def figure_pictures(shift):
    """The one picture list of every figure library, drawn in the library's cloth."""
    pictures = {1500: plate(72), 1501: plate(72), 1502: plate(112), 1503: plate(112), 1505: player_box(),
                1504: closing_picture(), 1506: prompt_box(240, 80), 1507: prompt_box(300, 110)}
    for size in TABLE_SIZES:
        for element, (top, left, bottom, right) in enumerate(TRICK_STACKS[size]):
            pictures[SIZE_OFFSET[size] + STACK_IDS[element]] = trick_stack(right - left, bottom - top)
        for scene in range(6):
            first = 1300 if scene == 5 else 1500 + 100 * scene
            pictures[first + SIZE_OFFSET[size]] = background(size, scene, shift)
    return pictures


def motive_strings(suffix, side):
    lines = ["STRINGTABLE\nBEGIN\n"]
    for j, name in enumerate(MOTIVE_NAMES):
        lines += [f'  {1000 + j} "{name}{suffix}"\n', f'  {1010 + j} "{name}{suffix}"\n',
                  f'  {1020 + j} "{"Y" if side else "N"}"\n', f'  {1030 + j} "N"\n', f'  {1040 + j} "333"\n']
    return "".join(lines) + "END\n"


def write_if_changed(path, data):
    if os.path.exists(path):
        with open(path, "rb") as old:
            if old.read() == data:
                return
    with open(path + ".tmp", "wb") as out:
        out.write(data)
    os.replace(path + ".tmp", path)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    outdir = sys.argv[1]
    picture_dir = os.path.join(outdir, "table")
    os.makedirs(picture_dir, exist_ok=True)

    own = {3142: Picture(1016, 724, (0, 96, 48)), 3095: corner(), 3040: turn_icon((230, 200, 40)),
           3041: turn_icon((220, 60, 40)), 3007: game_info(), 3010: badge_strip(),
           3011: badge_marker(5, 9), 3012: badge_marker(9, 5), 3013: badge_marker(5, 9),
           3204: result_table(350, 36, 1), 3205: result_table(350, 76, 4), 3206: bill_table(),
           3210: hand_side_mark((180, 150, 90)), 3211: hand_side_mark((120, 140, 170))}
    for suit, colour in enumerate([(230, 120, 20), (210, 30, 40), (40, 140, 60), (120, 80, 30)]):
        own[3020 + suit] = suit_mark(colour)
    for size, (picture_id, height) in STATUS_BAR.items():
        own[picture_id] = status_bar(TABLE_SIZES[size][0], height)

    def emit(pictures, offset, script, comment, folder, strings=""):
        os.makedirs(folder, exist_ok=True)
        lines = [f"// Generated by tools/make_table_pictures.py: {comment}\n", strings]
        for picture_id in sorted(pictures):
            path = os.path.join(folder, f"{picture_id}.bmp")
            write_if_changed(path, pictures[picture_id].bmp())
            lines.append(f'{picture_id + offset} BITMAP "{os.path.abspath(path)}"\n')
        write_if_changed(os.path.join(outdir, script), "".join(lines).encode("ascii"))

    emit(own, 0, "table_pictures.rc", "the program's own table pictures.", picture_dir)
    count = 0
    for number, (script, shift, suffix, side) in enumerate(FIGURE_LIBRARIES):
        persona = figure_pictures(shift)
        emit(persona, PERSONA_OFFSET, script, f"the pictures and motives of figure library {number}.",
             picture_dir if number == 0 else os.path.join(outdir, f"persona{number}"),
             motive_strings(suffix, side))
        count += len(persona)
    with open(os.path.join(outdir, "table_pictures.stamp"), "w") as stamp:
        stamp.write(f"{len(own)} + {count} bitmaps\n")


if __name__ == "__main__":
    main()
