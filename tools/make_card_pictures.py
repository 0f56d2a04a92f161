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

Usage: make_card_pictures.py --library SLOT DECKDIR OUTDIR [--jobs N] [--cache FOLDER]
Renders one card-deck library from a deck folder of kdegames-card-data-kf5 (the table
DECK_LIBRARIES below): the 32 faces, each taken from its card box in the deck's sheet and
scaled to fit on a card blank of ours without distortion, and a back of ours in the slot's
colour, in the same picture sets, with one colour table for the whole deck. Writes
OUTDIR/deck<SLOT>/<id>.bmp, OUTDIR/deck<SLOT>.rc (the pictures and the strings of name,
variant mark and kind) and OUTDIR/deck<SLOT>.stamp.
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


def cut_size(png_path, width, height, cell_height, palette, palette_path, first_ids, out_dir, extras=True):
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
        cells = list(range(33)) + ([35, 36, 37] if extras and first_id in SETS_WITH_EXTRAS else [])
        for cell in cells:
            x0, y0 = (cell % COLUMNS) * width, (cell // COLUMNS) * cell_height
            card = bytearray()
            for y in range(y0, y0 + height):
                card += indexes[y * grid_w + x0: y * grid_w + x0 + width]
            picture_id = first_id + cell
            write_if_changed(os.path.join(out_dir, f"{picture_id}.bmp"), bmp8(width, height, card, palette))
            written.append(picture_id)
    return written


# The card-deck libraries: slot -> (deck folder, display name, kind, variant mark, back colour
# (dark, light)). The variant mark says the deck names its suits Eichel, Gras, Herz, Schellen.
DECK_LIBRARIES = {
    1: ("svg-xskat-german", "German suits", 10, True, ("#1d3f8f", "#6f8fd8")),
    2: ("svg-standard", "English pattern", 7, False, ("#8f1d24", "#d86f78")),
    3: ("svg-xskat-french", "French pattern", 4, False, ("#1d6f3a", "#74c98f")),
    4: ("svg-gm-paris", "Paris pattern", 5, False, ("#5a2a7a", "#b98ad8")),
    5: ("svg-dondorf", "Traditional", 6, False, ("#7a5a1d", "#d8b46f")),
    6: ("svg-tigullio-international", "International", 12, False, ("#1d6f7a", "#6fc9d8")),
}
# Each face is first drawn at twice the largest picture set, then scaled down per set.
FINE_W, FINE_H = 2 * 116, 2 * 180
FACE_MARGIN = 6  # of the fine card: our blank's border stays visible around the deck's face
FRAME_ZOOM = 2   # sheet pixels per unit when a card's box is looked for
FRAME_BORDER = 200  # units around the sheet's view box where cards may lie too

SVG_NS = "http://www.w3.org/2000/svg"
XLINK_NS = "http://www.w3.org/1999/xlink"


def own_card_svg(width, height, body, back_colours=None):
    """One card of ours (the blank, or a back in the given colours) at width x height."""
    defs = OWN_DEFS
    if back_colours:
        defs = defs.replace("#1d3f8f", back_colours[0]).replace("#6f8fd8", back_colours[1])
    return (f'<svg xmlns="{SVG_NS}" xmlns:xlink="{XLINK_NS}" width="{width}" height="{height}" '
            f'viewBox="0 0 {UNIT_W} {UNIT_H}"><defs>{defs}</defs>{body}</svg>\n')


def deck_document(deck_path):
    """The deck's sheet with everything moved into <defs>, so that only what a <use> names is
    drawn; answers its text (without the closing tag), its size in units and, per card, the
    element to use and the element that is its frame (the card's outline)."""
    import xml.etree.ElementTree as ET
    for prefix, uri in (("", SVG_NS), ("xlink", XLINK_NS)):
        ET.register_namespace(prefix, uri)
    with gzip.open(deck_path, "rb") as deck:
        root = ET.fromstring(deck.read())
    box = [float(v) for v in root.get("viewBox", "0 0 0 0").replace(",", " ").split()]
    if box[2] <= 0:
        box = [0, 0, float(re.sub("[a-z]+$", "", root.get("width"))), float(re.sub("[a-z]+$", "", root.get("height")))]
    by_id = {element.get("id"): element for element in root.iter() if element.get("id")}
    cards = {}
    for suit in SUITS:
        for rank in RANKS:
            card_id = f"{rank}_{suit}"
            element = by_id[card_id]
            children = [c for c in element if c.tag.split("}")[-1] not in ("title", "desc", "metadata")]
            if children:
                frame = children[0]
                if not frame.get("id"):
                    frame.set("id", f"frame_{card_id}")
                cards[card_id] = (frame.get("id"), element.get("transform", ""))
            else:
                cards[card_id] = (card_id, "")  # a picture that is the whole card
    defs = ET.Element(f"{{{SVG_NS}}}defs")
    for child in list(root):
        root.remove(child)
        defs.append(child)
    root.append(defs)
    for attribute in ("width", "height", "viewBox"):
        root.attrib.pop(attribute, None)
    text = ET.tostring(root, encoding="unicode")
    text = text[: text.rindex("</")]
    return text, box, cards


def with_size(document, width, height, view_box):
    """The document's root tag given a size and a view box."""
    close = document.index(">")
    if document[close - 1] == "/":
        raise SystemExit("empty deck document")
    return (document[:close] + f' width="{width}" height="{height}" viewBox="{view_box}"' + document[close:])


def find_card_box(document, sheet, frame_id, transform, work):
    """The box of a card in the sheet's units: where its frame is drawn. Some sheets place a
    row of cards partly outside their own view box, so the frame is looked for in a larger one."""
    left, top = sheet[0] - FRAME_BORDER, sheet[1] - FRAME_BORDER
    area = (left, top, sheet[2] + 2 * FRAME_BORDER, sheet[3] + 2 * FRAME_BORDER)
    width, height = round(area[2] * FRAME_ZOOM), round(area[3] * FRAME_ZOOM)
    view = " ".join(str(v) for v in area)
    svg = with_size(document, width, height, view)
    svg += f'<use xlink:href="#{frame_id}" transform="{transform}"/></svg>\n'
    svg_path = os.path.join(work, f"frame-{frame_id}.svg")
    png_path = svg_path[:-4] + ".png"
    with open(svg_path, "w", encoding="utf-8") as out:
        out.write(svg)
    run(["rsvg-convert", "-o", png_path, svg_path])
    geometry = run(["convert", png_path, "-format", "%@", "info:"]).decode()
    w, h, x, y = (int(v) for v in re.match(r"(\d+)x(\d+)\+(-?\d+)\+(-?\d+)", geometry).groups())
    return (left + x / FRAME_ZOOM, top + y / FRAME_ZOOM, w / FRAME_ZOOM, h / FRAME_ZOOM)


def render_face(document, sheet, card_id, frame, blank_png, work):
    """One face at the fine size: the card's box of the sheet scaled to fit inside our blank's
    border, centred, never distorted. Answers a PNG path."""
    frame_id, transform = frame
    x, y, w, h = find_card_box(document, sheet, frame_id, transform, work)
    inner_w, inner_h = FINE_W - 2 * FACE_MARGIN, FINE_H - 2 * FACE_MARGIN
    scale = min(inner_w / w, inner_h / h)
    out_w, out_h = max(1, round(w * scale)), max(1, round(h * scale))
    svg = with_size(document, out_w, out_h, f"{x} {y} {w} {h}")
    svg += f'<use xlink:href="#{card_id}"/></svg>\n'
    svg_path = os.path.join(work, f"face-{card_id}.svg")
    face_png = svg_path[:-4] + ".png"
    with open(svg_path, "w", encoding="utf-8") as out:
        out.write(svg)
    run(["rsvg-convert", "-o", face_png, svg_path])
    card_png = os.path.join(work, f"card-{card_id}.png")
    run(["convert", blank_png, face_png, "-gravity", "center", "-composite", card_png])
    return card_png


def library_script(slot, deck_dir, picture_ids, out_dir):
    folder, name, kind, variant, _ = DECK_LIBRARIES[slot]
    lines = [f"// Generated by tools/make_card_pictures.py: card deck {slot} from {folder}.\n",
             "STRINGTABLE\nBEGIN\n", f'  2620 "{name}"\n']
    if variant:
        lines.append('  2621 "Y"\n')
    lines += [f'  2622 "{kind}"\n', "END\n"]
    for picture_id in sorted(picture_ids):
        path = os.path.abspath(os.path.join(deck_dir, f"{picture_id}.bmp"))
        lines.append(f'{picture_id} BITMAP "{path}"\n')
    write_if_changed(os.path.join(out_dir, f"deck{slot}.rc"), "".join(lines).encode("ascii"))


def library_key(slot, deck_path):
    """What a rendered deck depends on: this script, the deck and the slot."""
    import hashlib
    digest = hashlib.sha256(str(slot).encode())
    for path in (os.path.abspath(__file__), deck_path):
        with open(path, "rb") as source:
            digest.update(source.read())
    return digest.hexdigest()[:24]


def render_library(slot, folder_root, out_dir, jobs, cache=None):
    """Renders one deck library; with a cache folder (shared by the build trees), a deck
    rendered before from the same inputs is copied from there instead."""
    folder, _, _, _, back_colours = DECK_LIBRARIES[slot]
    deck_files = [f for f in os.listdir(os.path.join(folder_root, folder)) if f.endswith(".svgz")]
    if len(deck_files) != 1:
        raise SystemExit(f"{folder}: expected one .svgz deck")
    deck_path = os.path.join(folder_root, folder, deck_files[0])
    deck_dir = os.path.join(out_dir, f"deck{slot}")
    os.makedirs(deck_dir, exist_ok=True)
    cached = os.path.join(cache, library_key(slot, deck_path)) if cache else None
    if cached and os.path.exists(os.path.join(cached, "done")):
        picture_ids = []
        for name in sorted(os.listdir(cached)):
            if name.endswith(".bmp"):
                with open(os.path.join(cached, name), "rb") as source:
                    write_if_changed(os.path.join(deck_dir, name), source.read())
                picture_ids.append(int(name[:-4]))
        finish_library(slot, deck_dir, picture_ids, out_dir)
        return
    document, sheet, cards = deck_document(deck_path)
    with tempfile.TemporaryDirectory() as work, \
            concurrent.futures.ThreadPoolExecutor(max_workers=max(1, jobs)) as pool:
        blank_png = os.path.join(work, "blank.png")
        back_png = os.path.join(work, "back.png")
        for path, body, colours in ((blank_png, '<use xlink:href="#own_card_blank"/>', None),
                                    (back_png, '<use xlink:href="#own_back_blue"/>', back_colours)):
            with open(path[:-4] + ".svg", "w", encoding="utf-8") as out:
                out.write(own_card_svg(FINE_W, FINE_H, body, colours))
            run(["rsvg-convert", "-o", path, path[:-4] + ".svg"])
        order = [f"{rank}_{suit}" for suit in SUITS for rank in RANKS]
        faces = [pool.submit(render_face, document, sheet, card_id, cards[card_id], blank_png, work)
                 for card_id in order]
        fine = [back_png] + [future.result() for future in faces]
        # One grid per set size, scaled down from the fine cards; the colour table follows the
        # largest grid.
        sizes = {}
        for first_id, size in CARD_SETS.items():
            sizes.setdefault(size, []).append(first_id)
        rendered = {size: (size[0], round(size[0] * UNIT_H / UNIT_W)) for size in sizes}
        grids = {}
        for size in sizes:
            cell_w, cell_h = rendered[size]
            rows = []
            for row in range(ROWS):
                cells = fine[row * COLUMNS:(row + 1) * COLUMNS]
                while len(cells) < COLUMNS:
                    cells.append(f"xc:{corner_hex()}")
                rows.append(["(", *cells, "-resize", f"{cell_w}x{cell_h}!", "+append", ")"])
            grid_png = os.path.join(work, f"grid-{cell_w}.png")
            run(["convert", "-background", corner_hex(), *[a for r in rows for a in r], "-append", "-depth", "8",
                 "-extent", f"{cell_w * COLUMNS}x{cell_h * ROWS}", "-alpha", "off", "+repage", f"png24:{grid_png}"])
            grids[size] = grid_png
        largest = max(sizes, key=lambda s: s[0] * s[1])
        palette, palette_path = make_palette([grids[largest]], work)
        cuts = [pool.submit(cut_size, grids[size], size[0], size[1], rendered[size][1], palette, palette_path,
                            ids, deck_dir, False)
                for size, ids in sizes.items()]
        picture_ids = sorted(i for future in cuts for i in future.result())
    if cached:
        os.makedirs(cached, exist_ok=True)
        for picture_id in picture_ids:
            with open(os.path.join(deck_dir, f"{picture_id}.bmp"), "rb") as source:
                write_if_changed(os.path.join(cached, f"{picture_id}.bmp"), source.read())
        with open(os.path.join(cached, "done"), "w") as done:
            done.write(f"{len(picture_ids)} bitmaps\n")
    finish_library(slot, deck_dir, picture_ids, out_dir)


def finish_library(slot, deck_dir, picture_ids, out_dir):
    library_script(slot, deck_dir, picture_ids, out_dir)
    with open(os.path.join(out_dir, f"deck{slot}.stamp"), "w") as stamp:
        stamp.write(f"{len(picture_ids)} bitmaps\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("deck")
    parser.add_argument("outdir")
    parser.add_argument("--jobs", type=int, default=min(4, os.cpu_count() or 2))
    parser.add_argument("--library", type=int, choices=sorted(DECK_LIBRARIES))
    parser.add_argument("--cache", help="folder of decks rendered before, shared by build trees")
    args = parser.parse_args()
    if args.library:
        render_library(args.library, args.deck, args.outdir, args.jobs, args.cache)
        return

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
