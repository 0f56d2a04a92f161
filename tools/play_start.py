#!/usr/bin/env python3
"""Starts the first deal for scripts/play.sh on a display of its own: waits until the table is
painted (its status bar found on the screen, pixel for pixel), deals by a real click on the
table, waits until the question "Do you want to play?" stands in its box and the screen has
come to rest, and saves a screenshot. Reads only pixels: the program is the real one.
"""
import argparse
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from table_harness import read_bmp  # noqa: E402

PANE_SIZES = {0: (792, 556), 1: (636, 436), 2: (1016, 724)}
STATUS_BAR_IDS = {0: 3097, 1: 3096, 2: 3098}
PROMPT_BOX_ID = 1506


def grab(display):
    """The whole screen as (width, height, raw RGB bytes)."""
    shot = subprocess.run(["import", "-display", display, "-window", "root", "rgb:-"], capture_output=True)
    if shot.returncode != 0:
        return None
    size = subprocess.run(["xdpyinfo", "-display", display], capture_output=True, text=True).stdout
    line = next(l for l in size.split("\n") if "dimensions:" in l)
    width, height = map(int, line.split()[1].split("x"))
    return width, height, shot.stdout


def row_bytes(picture, y, x0=0, x1=None):
    return bytes(c for pixel in picture[y][x0:x1] for c in pixel)


def find_picture(screen, picture, rows):
    """Screen positions (x, y) where the given rows of the picture appear as they are."""
    width, height, raw = screen
    first = row_bytes(picture, rows[0])
    stride = 3 * width
    found = []
    start = raw.find(first)
    while start >= 0 and len(found) < 4:
        if start % 3 == 0:
            y, x = divmod(start // 3, width)
            y0 = y - rows[0]
            if x + len(picture[0]) <= width and 0 <= y0 and y0 + len(picture) <= height and all(
                    raw[(y0 + r) * stride + 3 * x:(y0 + r) * stride + 3 * (x + len(picture[0]))] ==
                    row_bytes(picture, r) for r in rows[1:]):
                found.append((x, y0))
        start = raw.find(first, start + 1)
    return found


def wait_for(what, probe, timeout):
    end = time.time() + timeout
    while time.time() < end:
        found = probe()
        if found:
            return found
        time.sleep(0.3)
    sys.exit(f"play: timed out waiting for {what}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--display", required=True)
    parser.add_argument("--pictures", required=True, help="the table's generated pictures")
    parser.add_argument("--screenshot", required=True)
    args = parser.parse_args()
    bars = {size: read_bmp(os.path.join(args.pictures, f"{number}.bmp")) for size, number in STATUS_BAR_IDS.items()}

    def table():
        screen = grab(args.display)
        if not screen:
            return None
        for size, bar in bars.items():
            for x, y in find_picture(screen, bar, [0, len(bar) // 2, len(bar) - 1]):
                width, height = PANE_SIZES[size]
                if len(bar[0]) == width:
                    return size, (x, y + len(bar) - height)
        return None

    size, origin = wait_for("the table", table, 120)
    print(f"play: the table (size {size}) stands at {origin[0]},{origin[1]}", flush=True)
    # A click on the table where nothing lies deals the first hand.
    subprocess.run(["xdotool", "mousemove", str(origin[0] + 5), str(origin[1] + 40), "click", "1"], check=True,
                   env=dict(os.environ, DISPLAY=args.display))
    box = read_bmp(os.path.join(args.pictures, f"{PROMPT_BOX_ID}.bmp"))
    fill = box[len(box) // 2][len(box[0]) // 2]

    def asking():
        screen = grab(args.display)
        if not screen:
            return None
        width, _, raw = screen
        # The box's frame (top and bottom rows), and its question drawn inside it.
        for x, y in find_picture(screen, box, [0, 1, len(box) - 2, len(box) - 1]):
            ink = sum(1 for yy in range(y + 3, y + len(box) // 2) for xx in range(x + 3, x + len(box[0]) - 3)
                      if tuple(raw[3 * (yy * width + xx):3 * (yy * width + xx) + 3]) != fill)
            if ink > 20:
                return screen
        return None

    wait_for('"Do you want to play?"', asking, 120)
    # The seats before the human answer one by one: the screen comes to rest at the human's turn.
    last = None
    end = time.time() + 60
    while time.time() < end:
        screen = grab(args.display)
        if last is not None and screen and screen[2] == last[2]:
            break
        last = screen
        time.sleep(1.0)
    subprocess.run(["import", "-display", args.display, "-window", "root", args.screenshot], check=True)
    print("play: the first hand is dealt and the table asks \"Do you want to play?\"", flush=True)


if __name__ == "__main__":
    main()
