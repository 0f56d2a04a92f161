#!/usr/bin/env python3
"""The player harness's driver: starts the harness program under Wine, switches the table
size, sends real clicks with xdotool and checks screenshots taken with import against the
table's layout, the state the program publishes and the generated table pictures.

Checked at table sizes 0, 1 and 2: the table window has the pane's size; backdrop, status bar
and corner lie where the layout puts them, pixel for pixel; the status texts, the clock and
the name plates' texts lie inside their boxes (before the first deal: any click on the table
deals). On the four-player test table: the deal; a click in each computer seat's area shows
that seat's player box inside the client area, clear of the status bar and the corner, a click
where the table has nothing hides it; card entry, played cards and Put Away; the
Last Trick window, opened from the Windows menu, shows four empty cells before the first
trick and the trick put away after it; (at the first size) "Rest Mine" chosen from the Game
menu by clicks, answered in its box by clicks: a secure claim with a trick still waiting ends
the game with all 120 card points for the human's party; Cancel changes nothing, not even the
unsaved-game mark; an insecure claim shows its note and play goes on; a computer seat's
insecure claim shows the note and asks for its open cards. Run by scripts/harness.sh, which
sets up the display and Wine.
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
        # What Wine says (a crash's backtrace too) is kept in the work folder.
        errors = open(os.path.join(args.work, "wine.txt"), "w")
        self.process = subprocess.Popen([args.wine, args.program], cwd=os.path.dirname(args.program), env=env,
                                        stdin=subprocess.DEVNULL, stdout=errors, stderr=errors)
        errors.close()

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


def own_screen(geometry):
    """Starts Xvfb on a display number it finds free itself (two runs starting together
    would otherwise take the same one) and makes it this run's."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{geometry}x24",
                               "-nolisten", "tcp"], pass_fds=(write_end,),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as answer:
        number = answer.readline().strip()
    if not number:
        sys.exit("Xvfb did not start")
    os.environ["DISPLAY"] = f":{number}"
    return server


def copy_prefix(source, work):
    """A copy of the Wine prefix source in the work folder. The system's files are linked, not
    copied (Wine does not write them); the registry and the users' folders, which it writes, are
    copied."""
    target = os.path.join(os.path.abspath(work), "prefix")
    # Other tests' Wine servers go on writing the prefix (a registry file is written beside it
    # and renamed into place), so a file can vanish while the tree is linked: link it again.
    for attempt in range(5):
        subprocess.run(["rm", "-rf", target], check=True)
        linked = subprocess.run(["cp", "-al", source, target], stderr=subprocess.PIPE, text=True)
        if linked.returncode == 0:
            break
        time.sleep(0.2)
    else:
        raise RuntimeError(f"the Wine prefix could not be copied: {linked.stderr.strip()}")
    for name in os.listdir(source):
        if name.endswith(".reg"):
            os.remove(os.path.join(target, name))
            subprocess.run(["cp", "-a", os.path.join(source, name), target], check=True)
    for folder in ("users", "ProgramData"):
        path = os.path.join(target, "drive_c", folder)
        if os.path.isdir(path):
            subprocess.run(["rm", "-rf", path], check=True)
            subprocess.run(["cp", "-a", os.path.join(source, "drive_c", folder), path], check=True)
    return target


def own_prefix(work):
    """A copy of the run's Wine prefix in the work folder, made this run's prefix."""
    target = copy_prefix(os.environ["WINEPREFIX"], work)
    os.environ["WINEPREFIX"] = target
    return target


def own_program(program, work):
    """The program's folder linked into the work folder, its preferences file copied."""
    source = os.path.dirname(os.path.abspath(program))
    target = os.path.join(os.path.abspath(work), "bin")
    subprocess.run(["rm", "-rf", target], check=True)
    subprocess.run(["cp", "-al", source, target], check=True)
    for name in os.listdir(source):
        if name.endswith(".prf"):
            os.remove(os.path.join(target, name))
            subprocess.run(["cp", "-a", os.path.join(source, name), target], check=True)
    return os.path.join(target, os.path.basename(program))


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


def result_panel_parts(harness, closing):
    """Where the result panel writes on the closing picture: the headline's two lines from 120
    pixels in, the winners' bill (3206) in the lower right corner, the players (3205) level with
    it and the extra points (3204) at the left, both 35 pixels above the bottom."""
    left, top, right, bottom = closing[:4]

    def size(picture_id):
        rows = harness.picture(picture_id)
        return len(rows[0]), len(rows)

    bill_w, bill_h = size(3206)
    players_w, players_h = size(3205)
    extras_w, extras_h = size(3204)
    bill_top = bottom - 35 - bill_h
    return [(left + 118, top + 24, right - 2, top + 68),
            (right - 11 - bill_w, bill_top, right - 11, bottom - 35),
            (left + 11, bill_top, left + 11 + players_w, bill_top + players_h),
            (left + 11, bottom - 35 - extras_h, left + 11 + extras_w, bottom - 35)]


def run_size(harness, size):
    """The table before the first deal (any click on it deals): window, backdrop, status bar,
    corner and plates."""
    state = harness.size(size)
    time.sleep(0.5)
    state = harness.wait(lambda s: s["box"][0] == 0, "no player box")
    origin = state["origin"]
    client = state["client"]
    width, height = PANE_SIZES[size]
    print(f"size {size}: client {client[2]} x {client[3]} at {origin}", flush=True)
    check(client[2] == width and client[3] in (height, height + 1),
          f"size {size}: the window's client area is {client[2]} x {client[3]}, the pane {width} x {height}")
    bar, corner, clock = state["statusbar"], state["corner"], state["clock"]
    check(bar[0] == 0 and bar[2] == width and 0 < bar[1] < bar[3] <= height, f"size {size}: status bar at {bar}")
    check(corner[2] == width and corner[1] == 0, f"size {size}: corner at {corner}")
    plates = [state[f"plate{seat}"] for seat in range(4)]
    screen = harness.screenshot()

    # Backdrop: everything outside the bar, the corner and the plates is the background.
    background = harness.picture(state["background"][0])
    # The hand lies face down before the first deal at the Schafkopf table, with its marks
    # beside it: the hand's rows are left out here (the series run checks them).
    cards = [state[f"own{i}"] for i in range(8) if f"own{i}" in state]
    hand = [[0, min(r[1] for r in cards), width, max(r[3] for r in cards)]] if cards else []
    compare_picture(screen, origin, background, 0, 0, [bar, corner] + plates + hand, f"size {size} backdrop")
    # Status bar: the bar's picture, its texts inside their boxes.
    texts = [state[f"text{i}"] for i in (1, 2, 3)]
    slack = [[t[0] - 1, t[1], t[2] + 1, t[3]] for t in texts]
    ink = compare_picture(screen, origin, harness.picture(STATUS_BAR_IDS[size]), bar[0], bar[1], [], f"size {size} status bar",
                          slack)
    for i, count in enumerate(ink):
        if texts[i][2] > texts[i][0]:  # an empty text has no ink to show
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



def check_player_boxes(harness, size, state):
    """A click in each computer seat's area shows that seat's box, inside the client area and
    clear of the status bar and the corner; a click where the table has nothing hides it.
    (Before a deal any click deals; the human's area lies under the hand.)"""
    origin, client = state["origin"], state["client"]
    bar, corner = state["statusbar"], state["corner"]
    for element in range(5, 8):
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


LAST_TRICK_ORDER = (2, 1, 0, 3)  # the Last Trick window's cells, left to right, by seat


def picture_code(card):
    """A card code in the engine's rank order as the deck's picture number (natural order)."""
    k = card % 8
    if 4 <= k <= 6:
        return card + 1
    if k == 7:
        return card - 3
    return card


def windows(harness):
    """The program's windows.txt as rows of tab-separated fields."""
    try:
        with open(os.path.join(harness.args.work, "windows.txt")) as f:
            return [line.split("\t") for line in f.read().split("\n") if line]
    except OSError:
        return []


def open_last_trick_from_menu(harness):
    """The Windows menu's "Last Trick..." item, by clicks on the menu bar and the item."""
    rows = windows(harness)
    menu = next((r[1].split()[0] for r in rows if r[0] == "item" and r[1].split()[1] == "503"), None)
    if not check(menu is not None, "the menu bar has no Last Trick item"):
        return
    title = next(r[2] for r in rows if r[0] == "bar" and r[1] == menu)
    x, y = centre([int(v) for v in title.split()])
    harness.click(x, y)
    end = time.time() + 20
    while time.time() < end:
        item = next((r[2] for r in windows(harness) if r[0] == "popupitem" and r[1] == "503"), None)
        if item:
            x, y = centre([int(v) for v in item.split()])
            harness.click(x, y)
            return
        time.sleep(0.2)
    check(False, "the menu with Last Trick did not open")


def give_table_the_keyboard(harness, origin):
    """A click on the table where it has nothing, until the table is active again: without a
    window manager a press that races the activation of another window can be lost."""
    for _ in range(3):
        harness.click(origin[0] + 3, origin[1] + 3)
        end = time.time() + 5
        while time.time() < end:
            focus = harness.state()["focus"]
            if focus[0] == focus[2] and focus[1] == focus[2]:
                time.sleep(0.3)
                return
            time.sleep(0.2)
    check(False, "the table did not take the keyboard back from the Last Trick window")


def check_last_trick(harness, size, trick, what):
    """The Last Trick window as shown: its size, and each seat's card in its cell (cells empty
    and framed when trick is None)."""
    state = harness.wait(lambda s: s["lasttrickwin"][0] == 1, f"{what}: the Last Trick window")
    time.sleep(0.6)
    screen = harness.screenshot()
    window = state["lasttrickwin"]
    origin = window[1:3]
    card = read_bmp(os.path.join(harness.args.work, "card0_1.bmp"))
    w, h = len(card[0]), len(card)
    check(window[3] == 4 * w + 25 and window[4] == h + 30,
          f"{what}: the Last Trick window's client area is {window[3]} x {window[4]}, not {4 * w + 25} x {h + 30}")
    for i, seat in enumerate(LAST_TRICK_ORDER):
        rect = [5 + i * (w + 5), 5, 5 + i * (w + 5) + w, 5 + h]
        if trick:
            compare_card(harness, screen, origin, size, rect, picture_code(trick[seat]),
                         f"{what}: Last Trick cell {i} (seat {seat})")
        else:
            inner = screen.at(origin[0] + rect[0] + w // 2, origin[1] + rect[1] + h // 2)
            edge = screen.at(origin[0] + rect[0], origin[1] + rect[1] + h // 2)
            check(inner == (255, 255, 255) and edge != (255, 255, 255),
                  f"{what}: Last Trick cell {i} is not an empty framed cell ({inner}, {edge})")
        # The seat's name (and from the second trick on its place) under the cell.
        ink = sum(1 for y in range(rect[3] + 2, window[4]) for x in range(rect[0], rect[2])
                  if screen.at(origin[0] + x, origin[1] + y) != (255, 255, 255))
        check(ink > 0, f"{what}: no name under Last Trick cell {i}")


def settle(harness, what):
    """Waits until the table rests: no nested wait runs (the state stops changing)."""
    last = None
    for _ in range(100):
        time.sleep(0.3)
        state = harness.state()
        key = (state["phase"][0], state["waiting"][0], tuple(state["trickcards"]), tuple(state["hand"]))
        # Unchanged between two looks and no nested wait running: on a busy machine a computer
        # seat's pause can outlast one look.
        if key == last and state["depth"][0] == 0:
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
        elif how == "single":
            if before[i] == 0:
                continue
            harness.send("click", 1)
            harness.click(origin[0] + centre(state[f"own{i}"])[0], origin[1] + centre(state[f"own{i}"])[1])
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
            picture = read_bmp(os.path.join(harness.args.work, f"card{card_set(size, rect[2] - rect[0], rect[3] - rect[1])}_{picture_code(before[i])}.bmp"))
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
            compare_card(harness, screen, origin, size, state[f"own{i}"], picture_code(code),
                         f"size {size} own card {i}")
    check_player_boxes(harness, size, state)
    # Before the first trick the Last Trick window shows four empty cells with the names. It
    # stays open below the table and follows the game.
    if harness.state()["lasttrickwin"][0] == 0:
        open_last_trick_from_menu(harness)
    check_last_trick(harness, size, None, f"size {size} before the first trick")
    give_table_the_keyboard(harness, origin)
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
        compare_card(harness, screen, origin, size, state[f"trick{place}"], picture_code(state["trickcards"][seat]),
                     f"size {size} trick place {place} (seat {seat})")
    check(state["button115"][0] == 1 and state["button115"][1] == 1, f"size {size}: Put Away not offered")
    # Put Away by right click, a card by the keys (the other ways of play and of Put Away are
    # checked at the real table by the series run, tools/series_harness.py).
    hows = [("right", "keys")]
    for put, how in hows:
        trick = state["trickcards"]
        state = put_away_by(harness, state, origin, put)
        check(state["waiting"][0] == 0, f"size {size}: Put Away by {put} left the trick")
        if put == "right":
            # The trick put away is the one the Last Trick window shows now.
            check_last_trick(harness, size, trick, f"size {size} after the first trick")
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
            state = play_one(harness, state, origin, "single")
    state = harness.wait(lambda s: s["phase"][0] == 4, "game over")
    check(state["button116"][0] == 1, f"size {size}: New Deal is not shown at game over")
    time.sleep(0.5)
    screen = harness.screenshot()
    closing, button = state["closing"], state["button116"][2:]
    compare_picture(screen, origin, harness.picture(CLOSING_ID), closing[0], closing[1],
                    [button] + result_panel_parts(harness, closing), f"size {size} closing picture")
    check(button[0] >= closing[0] and button[2] <= closing[2] and button[3] == closing[3] - 12,
          f"size {size}: New Deal at {button} on the closing picture {closing}")


GAME_MENU = 2
REST_MINE = 408
QUESTION = "Are your remaining cards really secure?"
NOT_SECURE = "The cards are not secure. Play on!"


def read_windows(harness):
    """The main window's title, the bar's titles, the open menu's items and the other windows
    with their controls, as the harness published them."""
    try:
        with open(os.path.join(harness.args.work, "windows.txt"), encoding="cp1252", errors="replace") as f:
            lines = f.read().split("\n")
    except OSError:
        return None
    view = {"bar": {}, "popup": None, "items": {}, "windows": [], "title": None}
    for line in lines:
        fields = line.split("\t")
        if fields[0] == "main" and len(fields) > 3:
            view["title"] = fields[3]
        elif fields[0] == "bar":
            view["bar"][int(fields[1])] = [int(v) for v in fields[2].split()]
        elif fields[0] == "popup":
            view["popup"] = int(fields[1])
        elif fields[0] == "popupitem":
            view["items"][int(fields[1])] = [int(v) for v in fields[2].split()]
        elif fields[0] == "window":
            view["windows"].append({"kind": fields[1], "rect": [int(v) for v in fields[2].split()],
                                    "title": fields[3], "slot": int(fields[4]) if len(fields) > 4 else -1,
                                    "controls": []})
        elif fields[0] == "control" and view["windows"]:
            view["windows"][-1]["controls"].append(
                {"kind": fields[1], "rect": [int(v) for v in fields[2].split()], "text": fields[3]})
    return view


def wait_windows(harness, condition, what, timeout=30):
    end = time.time() + timeout
    while time.time() < end:
        view = read_windows(harness)
        if view:
            found = condition(view)
            if found:
                return found
        time.sleep(0.2)
    sys.exit(f"timed out waiting for {what}")


def find_box(view, text):
    """The message box that shows the text, or None."""
    for window in view["windows"]:
        if window["kind"] == "#32770" and any(text in c["text"] for c in window["controls"]):
            return window
    return None


def answer_box(harness, text, button):
    """Waits for the box with the text and clicks its button (OK or Cancel) with the mouse."""
    box = wait_windows(harness, lambda v: find_box(v, text), f'the box "{text}"')
    for control in box["controls"]:
        if control["kind"] == "Button" and control["text"].replace("&", "") == button:
            x, y = centre(control["rect"])
            harness.click(x, y)
            wait_windows(harness, lambda v: find_box(v, text) is None or None, f'the box "{text}" closed')
            return
    sys.exit(f'the box "{text}" has no button {button}')


def choose_rest_mine(harness):
    """Game > Rest Mine by two clicks, the menu bar's title and the item."""
    bar = wait_windows(harness, lambda v: v["bar"].get(GAME_MENU), "the menu bar")
    x, y = centre(bar)
    harness.click(x, y)
    item = wait_windows(harness, lambda v: v["popup"] == GAME_MENU and v["items"].get(REST_MINE), "the Game menu")
    x, y = centre(item)
    harness.click(x, y)


def deal_four(harness, hands):
    harness.send("four", 1)
    harness.send("hands", hands)
    state = harness.wait(lambda s: "four" in s and s["phase"][0] == 0, "the four-player table")
    origin = state["origin"]
    harness.click(origin[0] + 3, origin[1] + 3)
    harness.wait(lambda s: s["phase"][0] == 3, "the deal")
    return settle(harness, "the deal")


def run_claims(harness, size):
    """Rest Mine from the Game menu: a secure claim with a trick waiting, Cancel, an insecure
    claim, and a computer seat's insecure claim."""
    harness.size(size)
    harness.send("delay", 0)
    # The human holds every Ober and Unter: the Eichel Ober leads, the trick waits for Put Away.
    state = deal_four(harness, 1)
    origin = state["origin"]
    place = state["hand"].index(29)
    x, y = centre(state[f"own{place}"])
    harness.click(origin[0] + x, origin[1] + y)
    state = harness.wait(lambda s: s["waiting"][0] == 1, "the complete first trick")
    choose_rest_mine(harness)
    answer_box(harness, QUESTION, "OK")
    state = harness.wait(lambda s: s["phase"][0] == 4, "game over after the secure claim")
    points = state["points"]
    check(points[0] + points[2] == 120 and points[1] + points[3] == 0,
          f"size {size}: after the secure claim the card points are {points}, not 120 for seats 0 and 2")
    check(state["claim"] == [1, 0], f"size {size}: the claim recorded is {state['claim']}")
    check(state["dirty"][0] == 1, f"size {size}: the secure claim left the game unchanged")
    check(find_box(read_windows(harness), NOT_SECURE) is None, f"size {size}: a secure claim showed the note")

    # Each seat one suit: Cancel changes nothing, OK shows the note and play goes on.
    state = deal_four(harness, 0)
    harness.send("clean", 0)
    choose_rest_mine(harness)
    answer_box(harness, QUESTION, "Cancel")
    time.sleep(0.5)
    state = harness.state()
    check(state["phase"][0] == 3 and state["claim"][0] == 0 and state["dirty"][0] == 0,
          f"size {size}: Cancel changed the game: phase {state['phase']}, claim {state['claim']}, "
          f"dirty {state['dirty']}")
    choose_rest_mine(harness)
    answer_box(harness, QUESTION, "OK")
    answer_box(harness, NOT_SECURE, "OK")
    state = settle(harness, "the insecure claim")
    check(state["phase"][0] == 3 and state["claim"] == [1, 0] and state["dirty"][0] == 1,
          f"size {size}: after the insecure claim phase {state['phase']}, claim {state['claim']}, "
          f"dirty {state['dirty']}")
    x, y = centre(state["own0"])
    played = state["hand"][0]
    harness.click(origin[0] + x, origin[1] + y)
    state = harness.wait(lambda s: s["trickcards"][0] == played, "a card played after the insecure claim")

    # A computer seat's insecure claim: the note, and its open cards are asked for.
    openers = state["openers"][0]
    harness.send("claim", 1)
    answer_box(harness, NOT_SECURE, "OK")
    state = harness.wait(lambda s: s["openers"][0] == openers + 1, "the open-cards opener of seat 1")
    check(state["phase"][0] == 3 and state["claim"] == [1, 1],
          f"size {size}: after seat 1's claim phase {state['phase']}, claim {state['claim']}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--wine", required=True)
    parser.add_argument("--program", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--pictures", required=True)
    parser.add_argument("--sizes", default="2,0,1")
    parser.add_argument("--no-play", action="store_true", help="skip the four-player table's play")
    parser.add_argument("--claims-only", action="store_true", help="only the Rest Mine checks")
    args = parser.parse_args()
    harness = Harness(args)
    try:
        harness.wait(lambda s: True, "the table", timeout=120)
        sizes = [int(s) for s in args.sizes.split(",")]
        if not args.claims_only:
            for size in sizes:
                run_size(harness, size)
            if not args.no_play:
                for size in sizes:
                    run_four(harness, size)
        if not args.no_play:
            run_claims(harness, sizes[0])
    finally:
        harness.close()
    if failures:
        print(f"{len(failures)} checks failed", flush=True)
        sys.exit(1)
    print("all checks passed", flush=True)


if __name__ == "__main__":
    main()
