#!/usr/bin/env python3
"""The player harness's driver: starts the harness program under Wine, switches the table
size, sends real clicks with xdotool and checks screenshots taken with import against the
table's layout, the state the program publishes and the generated table pictures.

Checked at table sizes 0, 1 and 2: the table window has the pane's size; backdrop, status bar
and corner lie where the layout puts them, pixel for pixel; the status texts, the clock and
the name plates' texts lie inside their boxes; a click in each seat area shows that seat's
player box inside the client area, clear of the status bar and the corner; a click elsewhere
hides it. Run by scripts/harness.sh, which sets up the display and Wine.
"""
import argparse
import os
import struct
import subprocess
import sys
import time

PANE_SIZES = {0: (792, 556), 1: (636, 436), 2: (1016, 724)}
STATUS_BAR_IDS = {0: 3097, 1: 3096, 2: 3098}
CORNER_ID = 3095
PLAYER_BOX_ID = 1505
PLATE_IDS = (1500, 1500, 1500, 1501)
WIDE_PLATE_IDS = (1502, 1502, 1502, 1503)

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message, flush=True)
    return condition


def read_bmp(path):
    """A 4-bit or 8-bit bitmap as rows of (r, g, b), top row first."""
    with open(path, "rb") as f:
        data = f.read()
    offset = struct.unpack_from("<I", data, 10)[0]
    size, width, height, _, bits = struct.unpack_from("<IiiHH", data, 14)
    colours = struct.unpack_from("<I", data, 46)[0] or (1 << bits)
    palette = [tuple(reversed(data[14 + size + 4 * i:14 + size + 4 * i + 3])) for i in range(colours)]
    stride = ((width * bits + 31) // 32) * 4
    rows = []
    for y in range(abs(height)):
        start = offset + (abs(height) - 1 - y if height > 0 else y) * stride
        row = []
        for x in range(width):
            if bits == 8:
                index = data[start + x]
            else:
                byte = data[start + x // 2]
                index = byte >> 4 if x % 2 == 0 else byte & 15
            row.append(palette[index])
        rows.append(row)
    return rows


class Screen:
    def __init__(self, path):
        raw = subprocess.run(["convert", path, "rgb:-"], check=True, capture_output=True).stdout
        identify = subprocess.run(["identify", "-format", "%w %h", path], check=True, capture_output=True).stdout
        self.width, self.height = map(int, identify.split())
        self.raw = raw

    def at(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.raw[i:i + 3])


class Harness:
    def __init__(self, args):
        self.args = args
        self.command = 0
        self.shots = 0
        self.pictures = {}
        env = dict(os.environ)
        self.process = subprocess.Popen([args.wine, args.program], cwd=os.path.dirname(args.program), env=env,
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)

    def picture(self, picture_id):
        if picture_id not in self.pictures:
            self.pictures[picture_id] = read_bmp(os.path.join(self.args.pictures, f"{picture_id}.bmp"))
        return self.pictures[picture_id]

    def state(self):
        try:
            with open(os.path.join(self.args.work, "state.txt")) as f:
                lines = f.read().split("\n")
        except OSError:
            return None
        state = {}
        for line in lines:
            parts = line.split()
            if parts:
                state[parts[0]] = [int(v) for v in parts[1:]]
        return state if "box" in state else None

    def wait(self, condition, what, timeout=60):
        end = time.time() + timeout
        while time.time() < end:
            state = self.state()
            if state and condition(state):
                return state
            if self.process.poll() is not None:
                sys.exit(f"the program ended while waiting for {what}")
            time.sleep(0.2)
        sys.exit(f"timed out waiting for {what}")

    def size(self, size):
        self.command += 1
        with open(os.path.join(self.args.work, "command.tmp"), "w") as f:
            f.write(f"{self.command} size {size}\n")
        os.replace(os.path.join(self.args.work, "command.tmp"), os.path.join(self.args.work, "command.txt"))
        done = self.wait(lambda s: s["command"][0] == self.command and s["size"][0] == size, f"size {size}")
        paints = done["paints"][0]
        time.sleep(0.5)
        return self.wait(lambda s: s["paints"][0] > 0, "a painted table")

    def screenshot(self):
        self.shots += 1
        path = os.path.join(self.args.work, f"shot{self.shots}.png")
        subprocess.run(["import", "-window", "root", path], check=True)
        return Screen(path)

    def click(self, x, y):
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)

    def close(self):
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()


def inside(rect, x, y):
    return rect[0] <= x < rect[2] and rect[1] <= y < rect[3]


def intersects(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


def compare_picture(screen, origin, picture, left, top, skip, what, ink_boxes=()):
    """The picture's pixels on the screen at (left, top) of the client area, except where a
    skip rectangle lies. Pixels that differ must lie in one of the ink boxes (text)."""
    wrong = 0
    ink = [0] * len(ink_boxes)
    for y, row in enumerate(picture):
        for x, colour in enumerate(row):
            cx, cy = left + x, top + y
            if any(inside(r, cx, cy) for r in skip):
                continue
            if screen.at(origin[0] + cx, origin[1] + cy) == colour:
                continue
            boxes = [i for i, r in enumerate(ink_boxes) if inside(r, cx, cy)]
            if boxes:
                ink[boxes[0]] += 1
            else:
                wrong += 1
    check(wrong == 0, f"{what}: {wrong} pixels differ outside text boxes")
    return ink


def run_size(harness, size):
    state = harness.size(size)
    harness.click(state["origin"][0] + 3, state["origin"][1] + 3)  # no zone: nothing shown
    time.sleep(0.5)
    state = harness.wait(lambda s: s["box"][0] == 0, "no player box")
    origin = state["origin"]
    client = state["client"]
    width, height = PANE_SIZES[size]
    print(f"size {size}: client {client[2]} x {client[3]} at {origin}", flush=True)
    check(client[2] == width and client[3] in (height, height + 1),
          f"size {size}: the window's client area is {client[2]} x {client[3]}, the pane {width} x {height}")
    bar, corner, clock = state["statusbar"], state["corner"], state["clock"]
    check(bar == [0, height - (bar[3] - bar[1]), width, height], f"size {size}: status bar at {bar}")
    check(corner[2] == width and corner[1] == 0, f"size {size}: corner at {corner}")
    plates = [state[f"plate{seat}"] for seat in range(4)]
    screen = harness.screenshot()

    # Backdrop: everything outside the bar, the corner and the plates is the background.
    background = harness.picture(state["background"][0])
    compare_picture(screen, origin, background, 0, 0, [bar, corner] + plates, f"size {size} backdrop")
    # Status bar: the bar's picture, its texts inside their boxes.
    texts = [state[f"text{i}"] for i in (1, 2, 3)]
    slack = [[t[0] - 1, t[1], t[2] + 1, t[3]] for t in texts]
    ink = compare_picture(screen, origin, harness.picture(STATUS_BAR_IDS[size]), bar[0], bar[1], [], f"size {size} status bar",
                          slack)
    for i, count in enumerate(ink):
        check(count > 0, f"size {size}: status text {i + 1} shows no ink in its box {texts[i]}")
    # Corner: the corner's picture, the clock in its box.
    ink = compare_picture(screen, origin, harness.picture(CORNER_ID), corner[0], corner[1], [], f"size {size} corner",
                          [clock])
    check(ink[0] > 0, f"size {size}: the clock shows no ink in {clock}")
    # Plates: their pictures, each name inside its plate.
    ids = WIDE_PLATE_IDS if size >= 2 else PLATE_IDS
    for seat in range(4):
        plate = plates[seat]
        inner = [plate[0] + 1, plate[1] + 1, plate[2] - 1, plate[3] - 1]
        ink = compare_picture(screen, origin, harness.picture(ids[seat]), plate[0], plate[1], [], f"size {size} plate {seat}",
                              [inner])
        check(ink[0] > 0, f"size {size}: the name of seat {seat} shows no ink on its plate {plate}")

    # A click in each seat area shows that seat's box; a click elsewhere hides it.
    for element in range(4, 8):
        area = state[f"seat{element}"]
        x, y = (area[0] + area[2]) // 2, (area[1] + area[3]) // 2
        harness.click(origin[0] + x, origin[1] + y)
        shown = harness.wait(lambda s: s["box"][0] == 1 and s["box"][1] == element, f"the box of element {element}")
        box = shown["box"][2:]
        time.sleep(0.3)
        screen = harness.screenshot()
        check(0 <= box[0] and box[2] <= client[2] and 0 <= box[1] and box[3] <= client[3],
              f"size {size}: box of seat {element - 4} at {box} leaves the client area")
        check(not intersects(box, bar) and not intersects(box, corner),
              f"size {size}: box of seat {element - 4} at {box} covers the status bar or the corner")
        compare_picture(screen, origin, harness.picture(PLAYER_BOX_ID), box[0], box[1], [], f"size {size} box {element}")
    harness.click(origin[0] + 3, origin[1] + 3)
    harness.wait(lambda s: s["box"][0] == 0, "the box hidden")
    time.sleep(0.5)
    screen = harness.screenshot()
    compare_picture(screen, origin, background, 0, 0, [bar, corner] + plates, f"size {size} backdrop after hiding")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--wine", required=True)
    parser.add_argument("--program", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--pictures", required=True)
    parser.add_argument("--sizes", default="2,0,1")
    args = parser.parse_args()
    harness = Harness(args)
    try:
        harness.wait(lambda s: True, "the table", timeout=120)
        for size in [int(s) for s in args.sizes.split(",")]:
            run_size(harness, size)
    finally:
        harness.close()
    if failures:
        print(f"{len(failures)} checks failed", flush=True)
        sys.exit(1)
    print("all checks passed", flush=True)


if __name__ == "__main__":
    main()
