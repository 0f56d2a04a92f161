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
    """A 4-bit, 8-bit or 24-bit bitmap as rows of (r, g, b), top row first."""
    with open(path, "rb") as f:
        data = f.read()
    offset = struct.unpack_from("<I", data, 10)[0]
    size, width, height, _, bits = struct.unpack_from("<IiiHH", data, 14)
    if bits == 24:
        stride = ((width * 24 + 31) // 32) * 4
        rows = []
        for y in range(abs(height)):
            start = offset + (abs(height) - 1 - y if height > 0 else y) * stride
            rows.append([tuple(reversed(data[start + 3 * x:start + 3 * x + 3])) for x in range(width)])
        return rows
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
                if parts[0] != "focusclass":
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

    def send(self, word, value):
        self.command += 1
        with open(os.path.join(self.args.work, "command.tmp"), "w") as f:
            f.write(f"{self.command} {word} {value}\n")
        os.replace(os.path.join(self.args.work, "command.tmp"), os.path.join(self.args.work, "command.txt"))
        number = self.command
        return self.wait(lambda s: s["command"][0] >= number, f"command {word} {value}")

    def size(self, size):
        self.send("size", size)
        done = self.wait(lambda s: s["size"][0] == size, f"size {size}")
        paints = done["paints"][0]
        time.sleep(0.5)
        return self.wait(lambda s: s["paints"][0] > 0, "a painted table")

    def screenshot(self):
        self.shots += 1
        path = os.path.join(self.args.work, f"shot{self.shots}.png")
        subprocess.run(["import", "-window", "root", path], check=True)
        return Screen(path)

    def click(self, x, y, button=1, repeat=1):
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "--repeat", str(repeat), "--delay", "60",
                        str(button)], check=True)

    def key(self, name):
        if os.environ.get("HARNESS_DEBUG"):
            r = subprocess.run(["xdotool", "getwindowfocus", "getwindowname"], capture_output=True, text=True)
            print("focus:", r.stdout.strip(), (self.state() or {}).get("focus"), flush=True)
            with open(os.path.join(self.args.work, "state.txt")) as f:
                print([l for l in f.read().split("\n") if l.startswith("focusclass")], flush=True)
        subprocess.run(["xdotool", "key", name], check=True)

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


PLACE_SEAT = {0: 2, 1: 1, 2: 0, 3: 3}  # trick place -> seat
CLOSING_ID = 1504


def centre(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


def card_set(size, width, height):
    """The picture set the table draws a card of this size from."""
    if height > width:
        return 3
    if width >= 100 and (width >= 112 or size == 1):
        return 0
    return 2


def compare_card(harness, screen, origin, size, rect, code, what, skip=()):
    width, height = rect[2] - rect[0], rect[3] - rect[1]
    path = os.path.join(harness.args.work, f"card{card_set(size, width, height)}_{code}.bmp")
    picture = read_bmp(path)
    if not check(len(picture) == height and len(picture[0]) == width,
                 f"{what}: the place {rect} is not the size of its picture {len(picture[0])} x {len(picture)}"):
        return
    compare_picture(screen, origin, picture, rect[0], rect[1], list(skip), what)


def settle(harness, what):
    """Waits until the table rests: no nested wait runs (the state stops changing)."""
    last = None
    for _ in range(100):
        time.sleep(0.3)
        state = harness.state()
        key = (state["phase"][0], state["waiting"][0], tuple(state["trickcards"]), tuple(state["hand"]))
        if key == last:
            return state
        last = key
    sys.exit(f"the table did not settle: {what}")


def play_one(harness, state, origin, how):
    """Plays a card of the hand, by double click or by the keys; answers the settled state."""
    before = state["hand"]

    for i in range(8):
        if how == "keys":
            harness.key("Left")
            harness.wait(lambda s: s["selection"][0] > 0, "a selected card")
            harness.key("Return")
        else:
            if before[i] == 0:
                continue
            rect = state[f"own{i}"]
            x, y = centre(rect)
            # One click selects: the card gets its inverting frame; a double click plays it.
            harness.click(origin[0] + x, origin[1] + y)
            selected = harness.wait(lambda s: s["selection"][0] == before[i] and s["selection"][1:] == rect,
                                    "the clicked card selected")
            time.sleep(0.4)
            screen = harness.screenshot()
            size = selected["size"][0]
            picture = read_bmp(os.path.join(harness.args.work, f"card{card_set(size, rect[2] - rect[0], rect[3] - rect[1])}_{before[i]}.bmp"))
            inverted = sum(1 for (px, py) in [(1, 1), (rect[2] - rect[0] - 2, 1), (1, rect[3] - rect[1] - 2)]
                           if screen.at(origin[0] + rect[0] + px, origin[1] + rect[1] + py)
                           == tuple(255 - c for c in picture[py][px]))
            check(inverted == 3, f"size {size}: the selected card {before[i]} shows no inverting frame")
            harness.click(origin[0] + x, origin[1] + y, repeat=2)
        state = settle(harness, "a played card")
        if state["trickcards"][0] != 0:
            return state
    sys.exit("no card of the hand was taken")


def put_away_by(harness, state, origin, how):
    if how == "button":
        x, y = centre(state["button115"][2:])
        harness.click(origin[0] + x, origin[1] + y)
        after = settle(harness, "Put Away by button")
        if after["waiting"][0]:
            # Without a window manager a press that races the table's activation can be lost.
            print("note: the Put Away button was clicked a second time", flush=True)
            harness.click(origin[0] + x, origin[1] + y)
    elif how == "right":
        harness.click(origin[0] + 3, origin[1] + 3, button=3)
    else:
        harness.key("Return")
    return settle(harness, f"Put Away by {how}")


def run_four(harness, size):
    """The four-player test table: deal, card entry, played cards, Put Away, game over."""
    state = harness.size(size)
    harness.send("delay", 3)
    harness.send("four", 1)
    state = harness.wait(lambda s: "four" in s and s["phase"][0] == 0, "the four-player table")
    origin = state["origin"]
    harness.send("dump", 0)
    # A click on the table deals; each card of the hand is its picture at its place.
    harness.click(origin[0] + 3, origin[1] + 3)
    state = harness.wait(lambda s: s["phase"][0] == 3, "the deal")
    state = settle(harness, "the deal")
    time.sleep(0.5)
    screen = harness.screenshot()
    for i, code in enumerate(state["hand"]):
        check(code != 0, f"size {size}: place {i} of the dealt hand is empty")
        if code:
            compare_card(harness, screen, origin, size, state[f"own{i}"], code, f"size {size} own card {i}")
    # Single-click play: the card goes to seat 0's place, the computer cards follow with a
    # pause after each but the trick's last.
    x, y = centre(state["own0"])
    played = state["hand"][0]
    earlier = len(state["waits"])  # the pauses of the sizes before
    harness.click(origin[0] + x, origin[1] + y)
    state = harness.wait(lambda s: s["waiting"][0] == 1, "the complete trick")
    state = settle(harness, "the complete trick")
    check(state["trickcards"][0] == played, f"size {size}: seat 0 played {state['trickcards'][0]}, not {played}")
    waits = state["waits"][earlier:]
    check(len(waits) == 3 and len(set(waits)) == 1 and waits[0] > 0,
          f"size {size}: the pauses of the first trick were {waits}")
    time.sleep(0.5)
    screen = harness.screenshot()
    for place in range(4):
        seat = PLACE_SEAT[place]
        compare_card(harness, screen, origin, size, state[f"trick{place}"], state["trickcards"][seat],
                     f"size {size} trick place {place} (seat {seat})")
    check(state["button115"][0] == 1 and state["button115"][1] == 1, f"size {size}: Put Away not offered")
    # Put Away by button, right click and Return; cards by double click and the keys.
    # The keys first: a clicked button keeps the keyboard (the table window's adapter is to
    # take it back), and without a window manager the focus follows the pointer.
    hows = [("right", "keys"), ("return", "double"), ("button", "double")]
    for put, how in hows:
        state = put_away_by(harness, state, origin, put)
        check(state["waiting"][0] == 0, f"size {size}: Put Away by {put} left the trick")
        if state["phase"][0] != 3:
            break
        harness.send("click", 0)
        state = play_one(harness, state, origin, how)
        state = harness.wait(lambda s: s["waiting"][0] == 1, "the complete trick")
    # A click on a trick stack opens the Last Trick window; on a seat area its box.
    opened = state["lasttrick"][0]
    x, y = centre(state["stack2"])
    harness.click(origin[0] + x, origin[1] + y)
    harness.wait(lambda s: s["lasttrick"][0] == opened + 1, "the Last Trick opener")
    x, y = centre(state["seat6"])
    harness.click(origin[0] + x, origin[1] + y)
    harness.wait(lambda s: s["box"][0] == 1 and s["box"][1] == 6, "the box of seat 2")
    # The timer: Put Away after putAwayDelay x 5 - 20 ticks (80 for 20).
    harness.send("putaway", 20)
    state = harness.wait(lambda s: s["waiting"][0] == 0, "the automatic Put Away", timeout=30)
    armed, before, done = state["autoputaway"]
    check(armed > 0 and before - armed <= 80 < done - armed,
          f"size {size}: the automatic Put Away came at the idle step {done - armed} ticks after its wait "
          f"began, the step before at {before - armed}")
    harness.send("putaway", 0)
    # The rest of the deal by the keys; game over shows the closing picture with New Deal.
    state = settle(harness, "the next trick")
    for _ in range(40):
        if state["phase"][0] != 3:
            break
        if state["waiting"][0]:
            state = put_away_by(harness, state, origin, "right")
        else:
            state = play_one(harness, state, origin, "double")
    state = harness.wait(lambda s: s["phase"][0] == 4, "game over")
    check(state["button116"][0] == 1, f"size {size}: New Deal is not shown at game over")
    time.sleep(0.5)
    screen = harness.screenshot()
    closing, button = state["closing"], state["button116"][2:]
    compare_picture(screen, origin, harness.picture(CLOSING_ID), closing[0], closing[1], [button],
                    f"size {size} closing picture")
    check(button[0] >= closing[0] and button[2] <= closing[2] and button[3] == closing[3] - 12,
          f"size {size}: New Deal at {button} on the closing picture {closing}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--wine", required=True)
    parser.add_argument("--program", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--pictures", required=True)
    parser.add_argument("--sizes", default="2,0,1")
    parser.add_argument("--no-play", action="store_true", help="skip the four-player table's play")
    args = parser.parse_args()
    harness = Harness(args)
    try:
        harness.wait(lambda s: True, "the table", timeout=120)
        for size in [int(s) for s in args.sizes.split(",")]:
            run_size(harness, size)
        if not args.no_play:
            for size in [int(s) for s in args.sizes.split(",")]:
                run_four(harness, size)
    finally:
        harness.close()
    if failures:
        print(f"{len(failures)} checks failed", flush=True)
        sys.exit(1)
    print("all checks passed", flush=True)


if __name__ == "__main__":
    main()
