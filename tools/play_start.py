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
    shot = subprocess.run(["import", "-display", display, "-window", "root", "-depth", "8", "rgb:-"], capture_output=True)
    if shot.returncode != 0:
        return None
    size = subprocess.run(["xdpyinfo", "-display", display], capture_output=True, text=True).stdout
    line = next(l for l in size.split("\n") if "dimensions:" in l)
    width, height = map(int, line.split()[1].split("x"))
    return width, height, shot.stdout


def row_bytes(picture, y, x0=0, x1=None):
    return bytes(c for pixel in picture[y][x0:x1] for c in pixel)


def find_picture(screen, picture, rows, part=None):
    """Screen positions (x, y) where the given rows of the picture appear as they are (only
    their first part pixels when given)."""
    width, height, raw = screen
    part = part or len(picture[0])
    first = row_bytes(picture, rows[0], 0, part)
    stride = 3 * width
    found = []
    start = raw.find(first)
    while start >= 0 and len(found) < 4:
        if start % 3 == 0:
            y, x = divmod(start // 3, width)
            y0 = y - rows[0]
            if x + part <= width and 0 <= y0 and y0 + len(picture) <= height and all(
                    raw[(y0 + r) * stride + 3 * x:(y0 + r) * stride + 3 * (x + part)] ==
                    row_bytes(picture, r, 0, part) for r in rows[1:]):
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
        """The status bar's left end (a box may cover the rest of it): size and place."""
        screen = grab(args.display)
        if not screen:
            return None
        width, height, raw = screen
        for size, bar in sorted(bars.items(), key=lambda item: -len(item[1])):
            found = find_picture(screen, bar, list(range(len(bar))), part=120)
            if not found:
                continue
            x, y = min(found)
            # The bars differ in height only: the row under this one's last is not the bar's.
            below = y + len(bar)
            fill = bar[len(bar) - 1][3]
            if below < height and tuple(raw[3 * (below * width + x + 3):3 * (below * width + x + 3) + 3]) != fill:
                return size, (x, y), screen
        return None

    def white_box(screen, left, top, right, bottom):
        """Whether a long white row stands on the table (a box over it, such as the welcome
        note, which holds the keyboard)."""
        width, _, raw = screen
        white = b"\xff" * (3 * 300)
        for y in range(max(top, 0), bottom, 4):
            if raw.find(white, 3 * (y * width + left), 3 * (y * width + right)) >= 0:
                return True
        return False

    size, bar_at, screen = wait_for("the table", table, 120)
    width, height = PANE_SIZES[size]
    print(f"play: the table (size {size}) stands on the screen, its status bar at {bar_at[0]},{bar_at[1]}",
          flush=True)
    env = dict(os.environ, DISPLAY=args.display)
    # The start's welcome note is closed as a new user would close it. It stands in the middle of the screen, over the table or beside it, and keeps the keyboard
    # only under a window manager: it is found by its window's name and closed by its OK button
    # in its bottom right corner (else by Return, when only its white over the table shows it).
    def welcome_note():
        named = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Notes$"],
                               capture_output=True, text=True, env=env).stdout.split()
        if named:
            return named[0]
        screen = grab(args.display)
        return "" if white_box(screen, bar_at[0], bar_at[1] - height, bar_at[0] + width, bar_at[1] + 30) else None

    for _ in range(5):
        note = welcome_note()
        if note is None:
            break
        if note:
            shape = subprocess.run(["xdotool", "getwindowgeometry", "--shell", note], capture_output=True,
                                   text=True, env=env).stdout
            g = dict(line.split("=", 1) for line in shape.split() if "=" in line)
            ok_x, ok_y = int(g["X"]) + int(g["WIDTH"]) - 50, int(g["Y"]) + int(g["HEIGHT"]) - 20
            subprocess.run(["xdotool", "mousemove", str(ok_x), str(ok_y), "click", "1"], check=True, env=env)
        else:
            subprocess.run(["xdotool", "key", "Return"], check=True, env=env)
        time.sleep(1.0)
    # A click on the table's cloth, where nothing lies, deals the first hand.
    subprocess.run(["xdotool", "mousemove", str(bar_at[0] + 5), str(bar_at[1] - 40), "click", "1"], check=True,
                   env=env)
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
