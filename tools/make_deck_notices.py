#!/usr/bin/env python3
"""Writes the licence notices of the card decks: which deck library was rendered from which
deck of the Debian package kdegames-card-data-kf5, followed by that package's copyright file,
which states the authors and licence of every deck.

Usage: make_deck_notices.py COPYRIGHT OUTPUT [COPY_FOLDER...]
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_card_pictures import DECK_LIBRARIES  # noqa: E402


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    copyright_path, output = sys.argv[1], sys.argv[2]
    lines = ["Card decks of this program\n", "==========================\n\n",
             "The card faces of the deck libraries beside the program are rendered from the SVG card\n",
             "decks of the Debian package kdegames-card-data-kf5 (folder /usr/share/carddecks), scaled\n",
             "onto card blanks of our own; the backs are our own. Deck libraries and their sources:\n\n"]
    for slot, (folder, name, _, _, _) in sorted(DECK_LIBRARIES.items()):
        lines.append(f"  {slot}. {name}: {folder}\n")
    lines.append("\nThe package's copyright file, with the authors and licence of each deck, follows.\n\n")
    with open(copyright_path, encoding="utf-8") as source:
        text = "".join(lines) + source.read()
    for path in [output] + [os.path.join(folder, os.path.basename(output)) for folder in sys.argv[3:]]:
        os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
        with open(path, "w", encoding="utf-8") as out:
            out.write(text)


if __name__ == "__main__":
    main()
