#!/usr/bin/env python3
"""Renders the program's own card deck into 8-bit Windows bitmaps and writes the resource
script that binds them to their picture ids.

The faces come from a German-suited SVG deck (Eichel = clubs, Gras = spades, Herz = hearts,
Schellen = diamonds); the backs and the three extra pictures are drawn here. Every bitmap,
and the palette bitmap 1050, shares one 256-entry colour table, so the program palette made
from bitmap 1050 fits every card.

Usage: make_card_pictures.py DECK.svgz OUTDIR [--jobs N]
Writes OUTDIR/cards/<id>.bmp, OUTDIR/cards.rc and OUTDIR/cards.stamp; a file whose content
did not change is left alone, so the resource compiler only reruns after a real change.
"""
import argparse
import concurrent.futures
import gzip
import os
import re
import struct
import subprocess
import sys
import tempfile

# Picture sets: first id -> (width, height) of the picture. Every card is rendered at the
# deck's 9:14 shape for its width (the SVG cards are 144 x 224 units), so nothing is
# distorted. The table shows the sets below the full-size ones as overlapping rows in which
# only each card's upper part (the index and the top of the figure) is visible, so their
# pictures are that upper part cut from the card: wider than tall, which is also how the
# table tells them from the full-size cards it draws whole.
#   1100 small faces       (opponents and tricks at the small table size)
#   1000 middle faces      (own hand at the small size, tricks at the larger sizes)
#   2000 large faces       (own hand at the middle and large sizes)
#   1200, 2200 full-size own cards (one overlapped row instead of two rows), whole cards
CARD_SETS = {
    1100: (60, 50),
    1000: (100, 72),
    2000: (116, 84),
    1200: (93, 144),
    2200: (108, 168),
}
SETS_WITH_EXTRAS = (1000, 2000)  # pictures 1035-1037 and 2035-2037
PALETTE_ID = 1050
UNIT_W, UNIT_H = 144, 224
COLUMNS, ROWS = 8, 5  # the render grid: cells 0-37 (0 back, 1-32 faces, 35-37 extras)
CORNER = (0xEF, 0xEF, 0xEF)  # behind the rounded corners: the program's background grey

# Picture order of the faces: index = suit x 8 + step, steps 7, 8, 9, 10, Unter, Ober,
# King, Ace; suits Schellen, Herz, Gras, Eichel.
SUITS = ("diamond", "heart", "spade", "club")
RANKS = ("7", "8", "9", "10", "jack", "queen", "king", "1")

# Colours every palette keeps, whatever the cards need: the 16 standard colours and the
# program's background grey.
FIXED_COLOURS = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255), CORNER,
]

OWN_DEFS = """
<pattern id="own_lattice_blue" width="16" height="16" patternUnits="userSpaceOnUse">
  <rect width="16" height="16" fill="#1d3f8f"/>
  <path d="M8 1 L15 8 L8 15 L1 8 Z" fill="none" stroke="#6f8fd8" stroke-width="1.6"/>
</pattern>
<pattern id="own_lattice_red" width="16" height="16" patternUnits="userSpaceOnUse">
  <rect width="16" height="16" fill="#8f1d24"/>
  <path d="M8 1 L15 8 L8 15 L1 8 Z" fill="none" stroke="#d86f78" stroke-width="1.6"/>
</pattern>
<g id="own_card_blank">
  <rect x="1" y="1" width="142" height="222" rx="10" fill="#ffffff" stroke="#5a5a5a" stroke-width="2"/>
</g>
<g id="own_back_blue">
  <use xlink:href="#own_card_blank"/>
  <rect x="10" y="10" width="124" height="204" rx="5" fill="url(#own_lattice_blue)" stroke="#1d3f8f" stroke-width="2"/>
  <rect x="16" y="16" width="112" height="192" rx="3" fill="none" stroke="#dfe6f7" stroke-width="2"/>
</g>
<g id="own_back_red">
  <use xlink:href="#own_card_blank"/>
  <rect x="10" y="10" width="124" height="204" rx="5" fill="url(#own_lattice_red)" stroke="#8f1d24" stroke-width="2"/>
  <rect x="16" y="16" width="112" height="192" rx="3" fill="none" stroke="#f7dfe1" stroke-width="2"/>
</g>
<g id="own_empty_place">
  <rect x="3" y="3" width="138" height="218" rx="10" fill="none" stroke="#5a5a5a" stroke-width="3" stroke-dasharray="9 6"/>
</g>
"""


def cell_links():
    """The element drawn in each grid cell (None leaves the cell empty)."""
    cells = [None] * (COLUMNS * ROWS)
    cells[0] = "own_back_blue"
    for suit_index, suit in enumerate(SUITS):
        for step, rank in enumerate(RANKS, start=1):
            cells[suit_index * 8 + step] = f"{rank}_{suit}"
    cells[35] = "own_empty_place"  # an empty card place
    cells[36] = "own_back_red"     # the second back
    cells[37] = "own_card_blank"   # a blank face
    return cells


def grid_svg(deck_text, width, height):
    """The deck's definitions with our own added and one <use> per grid cell."""
    head = deck_text[: deck_text.index("</defs>")] + OWN_DEFS + "</defs>\n"
    size = f'width="{width * COLUMNS}" height="{height * ROWS}" viewBox="0 0 {UNIT_W * COLUMNS} {UNIT_H * ROWS}"'
    head, found = re.subn(r'width="[^"]*"\s+height="[^"]*"\s+viewBox="[^"]*"', size, head, count=1)
    if not found:
        raise SystemExit("the deck's root element has no width, height and viewBox")
    uses = []
    for index, link in enumerate(cell_links()):
        if link:
            x, y = (index % COLUMNS) * UNIT_W, (index // COLUMNS) * UNIT_H
            uses.append(f'<use xlink:href="#{link}" x="{x}" y="{y}"/>')
    return head + "\n".join(uses) + "\n</svg>\n"


def read_ppm(data):
    """Width, height and RGB bytes of a binary PPM (P6, maxval 255)."""
    fields = []
    position = 0
    while len(fields) < 4:
        while data[position:position + 1].isspace():
            position += 1
        if data[position:position + 1] == b"#":
            position = data.index(b"\n", position)
            continue
        end = position
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[position:end])
        position = end
    if fields[0] != b"P6" or fields[3] != b"255":
        raise SystemExit("unexpected image format from convert")
    width, height = int(fields[1]), int(fields[2])
    pixels = data[position + 1: position + 1 + width * height * 3]
    return width, height, pixels


def run(command, stdin=None):
    result = subprocess.run(command, input=stdin, capture_output=True)
    if result.returncode != 0:
        raise SystemExit(f"{command[0]} failed: {result.stderr.decode(errors='replace')}")
    return result.stdout


def render_grid(deck_text, width, height, work):
    """Renders one card size's grid, flattened onto the corner colour, as a PPM."""
    svg_path = os.path.join(work, f"grid-{width}x{height}.svg")
    png_path = os.path.join(work, f"grid-{width}x{height}.png")
    with open(svg_path, "w", encoding="utf-8") as out:
        out.write(grid_svg(deck_text, width, height))
    run(["rsvg-convert", "-w", str(width * COLUMNS), "-h", str(height * ROWS), "-o", png_path, svg_path])
    return png_path


def corner_hex():
    return "#%02X%02X%02X" % CORNER


def make_palette(png_paths, work):
    """The shared colour table: the fixed colours, then the colours the cards need most."""
    adaptive = 256 - len(FIXED_COLOURS)
    data = run(["convert", *png_paths, "-append", "-background", corner_hex(), "-flatten", "+dither",
                "-colors", str(adaptive), "-unique-colors", "ppm:-"])
    _, _, pixels = read_ppm(data)
    colours = list(FIXED_COLOURS)
    for i in range(0, len(pixels), 3):
        colour = tuple(pixels[i:i + 3])
        if colour not in colours and len(colours) < 256:
            colours.append(colour)
    path = os.path.join(work, "palette.ppm")
    with open(path, "wb") as out:
        out.write(b"P6\n%d 1\n255\n" % len(colours) + bytes(c for colour in colours for c in colour))
    return colours, path


def bmp8(width, height, indexes, palette):
    """An 8-bit BI_RGB Windows bitmap file (bottom-up rows, padded to 4 bytes)."""
    stride = (width + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):
        row = indexes[y * width:(y + 1) * width]
        rows.append(bytes(row) + b"\0" * (stride - width))
    bits = b"".join(rows)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(bits), 2835, 2835, len(palette), 0)
    offset = 14 + len(header) + len(table)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    return file_header + header + table + bits


def write_if_changed(path, data):
    try:
        with open(path, "rb") as old:
            if old.read() == data:
                return
    except FileNotFoundError:
        pass
    with open(path + ".tmp", "wb") as out:
        out.write(data)
    os.replace(path + ".tmp", path)


def cut_size(png_path, width, height, cell_height, palette, palette_path, first_ids, out_dir):
    """Maps one grid onto the shared palette and writes the upper height rows of its cells
    (cell_height high in the grid) as bitmaps."""
    data = run(["convert", png_path, "-background", corner_hex(), "-flatten", "-dither", "FloydSteinberg",
                "-remap", palette_path, "ppm:-"])
    grid_w, grid_h, pixels = read_ppm(data)
    lookup = {colour: index for index, colour in enumerate(palette)}
    indexes = bytearray(grid_w * grid_h)
    for i in range(grid_w * grid_h):
        indexes[i] = lookup[tuple(pixels[3 * i:3 * i + 3])]
    written = []
    for first_id in first_ids:
        cells = list(range(33)) + ([35, 36, 37] if first_id in SETS_WITH_EXTRAS else [])
        for cell in cells:
            x0, y0 = (cell % COLUMNS) * width, (cell // COLUMNS) * cell_height
            card = bytearray()
            for y in range(y0, y0 + height):
                card += indexes[y * grid_w + x0: y * grid_w + x0 + width]
            picture_id = first_id + cell
            write_if_changed(os.path.join(out_dir, f"{picture_id}.bmp"), bmp8(width, height, card, palette))
            written.append(picture_id)
    return written


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("deck")
    parser.add_argument("outdir")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    args = parser.parse_args()

    with gzip.open(args.deck, "rt", encoding="utf-8") as deck:
        deck_text = deck.read()
    card_dir = os.path.join(args.outdir, "cards")
    os.makedirs(card_dir, exist_ok=True)

    # One grid per distinct size; sets of equal size share it.
    sizes = {}
    for first_id, size in CARD_SETS.items():
        sizes.setdefault(size, []).append(first_id)
    rendered = {size: (size[0], max(size[1], round(size[0] * UNIT_H / UNIT_W))) for size in sizes}

    with tempfile.TemporaryDirectory() as work, \
            concurrent.futures.ProcessPoolExecutor(max_workers=max(1, args.jobs)) as pool:
        renders = {size: pool.submit(render_grid, deck_text, *rendered[size], work) for size in sizes}
        grids = {size: future.result() for size, future in renders.items()}
        # The palette follows the largest cards, which show every colour in the most detail.
        largest = max(sizes, key=lambda s: s[0] * s[1])
        palette, palette_path = make_palette([grids[largest]], work)
        cuts = [pool.submit(cut_size, grids[size], size[0], size[1], rendered[size][1], palette, palette_path, ids,
                             card_dir)
                for size, ids in sizes.items()]
        picture_ids = sorted(i for future in cuts for i in future.result())

    # Bitmap 1050 carries the program palette: 16 x 16 cells, cell i in colour i.
    swatch = bytearray(min(i, len(palette) - 1) for y in range(16) for i in range(y * 16, y * 16 + 16))
    write_if_changed(os.path.join(card_dir, f"{PALETTE_ID}.bmp"), bmp8(16, 16, swatch, palette))
    picture_ids.append(PALETTE_ID)

    lines = ["// Generated by tools/make_card_pictures.py: the program's own card deck and palette.\n"]
    for picture_id in sorted(picture_ids):
        path = os.path.abspath(os.path.join(card_dir, f"{picture_id}.bmp")).replace("\\", "/")
        lines.append(f'{picture_id} BITMAP "{path}"\n')
    write_if_changed(os.path.join(args.outdir, "cards.rc"), "".join(lines).encode("ascii"))
    with open(os.path.join(args.outdir, "cards.stamp"), "w") as stamp:
        stamp.write(f"{len(picture_ids)} bitmaps\n")


if __name__ == "__main__":
    main()
