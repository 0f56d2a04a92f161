#!/usr/bin/env python3
"""The menu sweep: starts the harness program under Wine and, with real X input only (xdotool
clicks on the menu bar and the items, keys), opens every menu of the main window and
activates every enabled item, with the table open and with no table, checking what each one
does that a player sees or that the program records.

Greyed items are read from the menu as it opens and must be exactly the ones that cannot act
in that state. An enabled item must show its box or dialog (which the sweep closes again with
a click on Cancel, No or OK), open its page (recorded by the harness, no browser starts),
switch its record and check mark, close or open the table, hide the main window (Panic) or end
the program (Quit). An enabled item that is not known to do any of this fails the sweep.
File > Open, by the menu and by Ctrl+O, must leave the table drawn, pixel for pixel, and say
why nothing opens.

Needs an X display (DISPLAY) of at least 1024 x 768, the Wine environment (WINEPREFIX ...),
xdotool and imagemagick. Run by CTest (MenuSweepRealInput) or by hand.
"""
import argparse
import os
import subprocess
import sys
import time

MENUS = ["File", "Preferences", "Game", "Announce", "Windows", "Help/Internet"]

OPEN_DIALOG = "Open"  # the system's open-file dialog keeps the system's title
SAVE_DIALOG = "What's the name of the file?"
MODAL_SLOTS = {10, 15}  # the play rating and the card-selection hints
PAGES = "https://schafkopf.example.org/en/"

# What each item does when it is enabled: (kind, detail).
#   box T      a message box with text T, closed with Cancel, No or OK
#   dialog C   a dialog with caption C, closed with Cancel
#   open F     the file or page F handed to the shell (recorded, not opened)
#   switch I   the record I of the switches line flips, and the item's check mark with it
#   deal       a game starts (left to the bidding checks: the sweep stays before the game)
#   sheet      the score sheet opens (left to the side-window tests)
#   close      the table window goes away
#   new        the table window comes back
#   panic      the main window turns into an icon
#   quit       the program ends
EFFECTS = {
    1001: ("new", None),
    1002: ("dialog", OPEN_DIALOG),
    1010: ("box", "Network play is not available in this version."),
    1003: ("close", None),
    1004: ("dialog", SAVE_DIALOG),
    1005: ("dialog", SAVE_DIALOG),
    1008: ("quit", None),
    1101: ("dialog", "Screen View"),
    1102: ("dialog", "Keyboard Layout"),
    1103: ("dialog", "Settings"),
    1104: ("dialog", "Sound Settings"),
    1106: ("dialog", "Change suit names"),
    1110: ("box", "Should I copy your film folder to your hard disk ?"),
    1111: ("box", "Should I create a shortcut file for this game at the Desktop?"),
    406: ("deal", None),
    505: ("sheet", None),
    502: ("dialog", "Summery of Games Played"),
    1202: ("switch", 0),
    1203: ("switch", 1),
    1501: ("open", "Book.htm"),
    1502: ("dialog", "About Schafkopf"),
    1503: ("open", PAGES + "order.html"),
    1505: ("panic", None),
    1506: ("open", PAGES + "updates.html"),
    1507: ("open", PAGES),
    1508: ("open", PAGES + "club.html"),
    1511: ("open", PAGES + "movies.html"),
    1512: ("dialog", "Playing styles comparison between the different versions"),
}

# The items the table procedure carries out: with no table all of them are greyed; the table
# before its first game carries out the two switches, New Deal, the score sheet and the play
# rating (the other side windows have nothing to show yet).
TABLE_ITEMS = {401, 1202, 406, 407, 408, 409, 1208, 1209, 1210, 1211, 301, 302, 303, 304,
               502, 503, 504, 505, 508, 1406, 1408, 1409, 1410, 1411, 1412, 1413, 1414, 1203}
NEW_DEAL = 406  # starts a game: the bidding checks play it (tools/bidding_harness.py)
SCORE = 505  # the score sheet, shown from the first game on: the side-window tests open it
NETWORK_SETTINGS = 1105  # nothing to set in this program
PLAY_RATING = 502  # the long-run counters, shown whatever the table is doing
GREYED_WITH_TABLE = (TABLE_ITEMS - {1202, 1203, NEW_DEAL, SCORE, PLAY_RATING}) | {
    1001, NETWORK_SETTINGS}
# With no window open there is nothing to close and, with no table pane, nothing to save.
GREYED_WITHOUT_TABLE = TABLE_ITEMS | {1003, 1004, 1005, NETWORK_SETTINGS}

failures = []


class Stopped(Exception):
    """The program is not where the sweep expects it: what follows would only time out."""


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message, flush=True)
    return condition


def centre(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


def numbers(text):
    return [int(v) for v in text.split()]


class View:
    """What the harness published in windows.txt."""

    def __init__(self, text):
        self.main = None
        self.bars = {}
        self.popup = None
        self.popup_items = {}
        self.windows = []
        self.table = (0, 0)
        self.paints = 0
        self.switches = [0, 0]
        self.beeps = 0
        self.items = {}
        for line in text.split("\n"):
            fields = line.split("\t")
            kind = fields[0]
            if kind == "main":
                self.main = (numbers(fields[1]), numbers(fields[2]))
            elif kind == "bar":
                self.bars[int(fields[1])] = numbers(fields[2])
            elif kind == "popup":
                self.popup = int(fields[1])
            elif kind == "popupitem":
                self.popup_items[int(fields[1])] = numbers(fields[2])
            elif kind == "window":
                self.windows.append({"class": fields[1], "rect": numbers(fields[2]), "title": fields[3],
                                     "slot": int(fields[4]), "controls": []})
            elif kind == "control" and self.windows:
                self.windows[-1]["controls"].append({"class": fields[1], "rect": numbers(fields[2]),
                                                     "text": fields[3]})
            elif kind == "table":
                self.table = tuple(numbers(fields[1]))
                self.paints = int(fields[2])
            elif kind == "switches":
                self.switches = numbers(fields[1])
            elif kind == "beeps":
                self.beeps = int(fields[1])
            elif kind == "item":
                menu, item, greyed, checked = numbers(fields[1])
                self.items[item] = (menu, greyed, checked)

    def dialogs(self):
        """The boxes and dialogs shown, not the program's own windows (the table's is a dialog);
        the modal play rating and hints windows keep a slot but are dialogs like the others."""
        return [w for w in self.windows
                if w["class"] == "#32770" and (w["slot"] < 0 or w["slot"] in MODAL_SLOTS)]

    def box_with_text(self, text):
        for w in self.dialogs():
            if any(c["text"] == text for c in w["controls"]):
                return w
        return None

    def dialog_titled(self, title):
        for w in self.dialogs():
            if w["title"] == title:
                return w
        return None


class Program:
    def __init__(self, args):
        self.args = args
        self.work = args.work
        self.command = 0
        self.shots = 0
        for name in ("windows.txt", "state.txt", "record.txt", "command.txt"):
            try:
                os.remove(os.path.join(self.work, name))
            except OSError:
                pass
        env = dict(os.environ)
        env["SCHAFKOPF_HARNESS_DIR"] = "Z:" + os.path.abspath(self.work).replace("/", "\\")
        program = os.path.abspath(args.program)
        self.process = subprocess.Popen([args.wine, program], cwd=os.path.dirname(program), env=env,
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)

    def view(self):
        try:
            with open(os.path.join(self.work, "windows.txt"), encoding="cp1252", errors="replace") as f:
                return View(f.read())
        except OSError:
            return None

    def state(self):
        try:
            with open(os.path.join(self.work, "state.txt")) as f:
                lines = f.read().split("\n")
        except OSError:
            return None
        state = {}
        for line in lines:
            parts = line.split()
            if parts:
                state[parts[0]] = [int(v) for v in parts[1:]]
        return state if "box" in state else None

    def records(self):
        try:
            with open(os.path.join(self.work, "record.txt")) as f:
                return f.read().split("\n")[:-1]
        except OSError:
            return []

    def wait(self, condition, what, timeout=60, fail=True):
        """Polls the published view until condition(view) holds; None after the time limit."""
        end = time.time() + timeout
        while time.time() < end:
            view = self.view()
            if view and condition(view):
                return view
            if self.process.poll() is not None:
                sys.exit(f"the program ended while waiting for {what}")
            time.sleep(0.1)
        if fail:
            check(False, f"timed out waiting for {what}")
            raise Stopped()
        return None

    def send(self, word):
        self.command += 1
        with open(os.path.join(self.work, "command.tmp"), "w") as f:
            f.write(f"{self.command} {word}\n")
        os.replace(os.path.join(self.work, "command.tmp"), os.path.join(self.work, "command.txt"))

    def click(self, x, y):
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)

    def key(self, keys):
        subprocess.run(["xdotool", "key", keys], check=True)

    def screenshot(self):
        self.shots += 1
        path = os.path.join(self.work, f"sweep{self.shots}.png")
        subprocess.run(["import", "-window", "root", path], check=True)
        raw = subprocess.run(["convert", path, "rgb:-"], check=True, capture_output=True).stdout
        width = int(subprocess.run(["identify", "-format", "%w", path], check=True, capture_output=True).stdout)
        return raw, width

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()

    # The menus, by real clicks.
    def open_menu(self, menu):
        for _ in range(3):
            view = self.wait(lambda v: menu in v.bars and v.popup is None, "the menu bar, no menu open")
            if not view:
                return None
            self.click(*centre(view.bars[menu]))
            view = self.wait(lambda v: v.popup == menu and v.popup_items, f"the {MENUS[menu]} menu", timeout=15,
                             fail=False)
            if view:
                return view
        check(False, f"the {MENUS[menu]} menu does not open")
        return None

    def close_menu(self, menu):
        view = self.view()
        if view and view.popup is not None:
            self.click(*centre(view.bars[menu]))
        self.wait(lambda v: v.popup is None, f"the {MENUS[menu]} menu closed", timeout=15)

    def choose(self, item, menu):
        view = self.open_menu(menu)
        if not view or not check(item in view.popup_items, f"item {item} is not in the open {MENUS[menu]} menu"):
            return False
        self.click(*centre(view.popup_items[item]))
        return True


def table_pixels(program, state, shot):
    """The table window's client area from a screenshot, the corner (the running clock) left out."""
    raw, width = shot
    ox, oy = state["origin"]
    client, corner = state["client"], state["corner"]
    pixels = []
    for y in range(client[3]):
        for x in range(0, client[2], 2):
            if corner[0] <= x < corner[2] and corner[1] <= y < corner[3]:
                continue
            i = 3 * ((oy + y) * width + ox + x)
            pixels.append(raw[i:i + 3])
    return pixels


def click_button(program, window, what):
    """Closes a box or dialog with a click on its Cancel, No or OK button (the play rating's
    reads "Ok")."""
    buttons = {c["text"].replace("&", ""): c["rect"] for c in window["controls"] if c["class"] == "Button"}
    for name in ("Cancel", "No", "OK", "Ok"):
        if name in buttons:
            program.click(*centre(buttons[name]))
            return name
    check(False, f"{what}: no Cancel, No or OK button among {sorted(buttons)}")
    return None


def gone(window):
    return lambda v: not any(w["rect"] == window["rect"] and w["title"] == window["title"] for w in v.dialogs())


def carry_out(program, item, menu, with_table):
    """Activates the item by a click and checks that it does what EFFECTS says. Answers what
    was seen, for the log."""
    kind, detail = EFFECTS[item]
    before = program.view()
    records = len(program.records())
    if not program.choose(item, menu):
        return "not chosen"
    if kind in ("box", "dialog"):
        find = (lambda v: v.box_with_text(detail)) if kind == "box" else (lambda v: v.dialog_titled(detail))
        view = program.wait(lambda v: find(v) is not None, f"item {item}: the {kind} \"{detail}\"")
        if not view:
            return "nothing"
        window = find(view)
        button = click_button(program, window, f"item {item}")
        program.wait(gone(window), f"item {item}: the {kind} closed")
        program.wait(lambda v: not v.dialogs(), f"item {item}: no window left open", timeout=15)
        return f"{kind} \"{detail}\", closed by {button}"
    if kind == "open":
        end = time.time() + 30
        while time.time() < end and len(program.records()) == records:
            time.sleep(0.1)
        added = program.records()[records:]
        check(added == [f"open {detail}"], f"item {item}: handed {added} to the shell, not {detail}")
        return f"hands \"{detail}\" to the shell (recorded)"
    if kind == "switch":
        # Switched and back again, so that the sweep leaves the player's settings as they were.
        value = before.switches[detail]
        for step, expected in enumerate((1 - value, value)):
            if step == 1 and not program.choose(item, menu):
                break
            view = program.wait(lambda v: v.switches[detail] == expected, f"item {item}: its record at {expected}")
            if not view:
                break
            view = program.open_menu(menu)
            if view:
                check(view.items[item][2] == expected, f"item {item}: the check mark does not follow its record")
                program.close_menu(menu)
        return f"switches its record from {value} to {1 - value} and back, the check mark with it"
    if kind == "close":
        check(before.table[0] == 1, f"item {item}: enabled with no table to close")
        program.wait(lambda v: v.table[0] == 0, f"item {item}: the table closed")
        return "closes the table window"
    if kind == "new":
        check(before.table[0] == 0, f"item {item}: enabled with a table open")
        program.wait(lambda v: v.table[1] == 1 and v.paints > before.paints, f"item {item}: a table drawn")
        return "opens and draws the table"
    if kind == "panic":
        program.wait(lambda v: v.main and v.main[0][1] == 1, f"item {item}: the main window an icon")
        return "turns the main window into an icon"
    if kind == "quit":
        try:
            code = program.process.wait(60)
            check(code == 1, f"item {item}: the program ended with {code}, not as after a normal end (1)")
        except subprocess.TimeoutExpired:
            check(False, f"item {item}: the program did not end")
        return "ends the program"
    return "?"


def sweep_state(program, with_table, skip):
    """Checks the greyed items of every menu and carries out every enabled item but those in
    skip (the ones that change the state, carried out by the caller)."""
    expected_grey = GREYED_WITH_TABLE if with_table else GREYED_WITHOUT_TABLE
    state_name = "with the table" if with_table else "with no table"
    for menu in range(len(MENUS)):
        view = program.open_menu(menu)
        if not view:
            continue
        items = [i for i in view.popup_items if i not in (0, -1, 0xFFFFFFFF)]
        program.close_menu(menu)
        for item in items:
            greyed = view.items[item][1] == 1
            should = item in expected_grey
            if not check(greyed == should, f"{state_name}: item {item} in {MENUS[menu]} is "
                                           f"{'greyed' if greyed else 'enabled'}"):
                continue
            if greyed:
                print(f"{state_name}: {MENUS[menu]} {item}: greyed", flush=True)
                continue
            if not check(item in EFFECTS, f"{state_name}: item {item} in {MENUS[menu]} is enabled and does nothing known"):
                continue
            if item in skip:
                continue
            seen = carry_out(program, item, menu, with_table)
            print(f"{state_name}: {MENUS[menu]} {item}: {seen}", flush=True)
            view = program.view()
            check(not view.dialogs(), f"item {item} left a window open")
            if with_table and not check(view.table[1] == 1, f"item {item} left no table"):
                raise Stopped()


def close_welcome_note(program, timeout):
    """The note that greets a new player, shown as the table opens: closed by its OK."""
    view = program.wait(lambda v: v.dialog_titled("Notes") is not None, "the welcome note", timeout=timeout,
                        fail=False)
    if view:
        note = view.dialog_titled("Notes")
        click_button(program, note, "the welcome note")
        program.wait(lambda v: not v.dialogs(), "the welcome note closed")


def open_keeps_the_table(program):
    """File > Open by the menu and by Ctrl+O, cancelled in the file dialog: the table stays drawn."""
    state = program.state()
    table = program.view()
    reference = table_pixels(program, state, program.screenshot())
    for how in ("menu", "Ctrl+O"):
        if how == "menu":
            program.choose(1002, 0)
        else:
            # The keys go to the program's window that had the box: a click on the table
            # would start a deal.
            program.key("ctrl+o")
        view = program.wait(lambda v: v.dialog_titled(OPEN_DIALOG) is not None, f"File > Open by {how}: its dialog")
        if not view:
            continue
        box = view.dialog_titled(OPEN_DIALOG)
        failed = len(failures)
        check(view.table == (1, 1), f"File > Open by {how}: the table window went while the dialog is shown")
        click_button(program, box, f"File > Open by {how}")
        program.wait(lambda v: not v.dialogs(), f"File > Open by {how}: the dialog closed")
        # The table repaints where the box lay: poll until it shows what it showed before.
        end = time.time() + 30
        differ = -1
        while time.time() < end:
            now = program.state()
            if now and now["origin"] == state["origin"] and now["client"] == state["client"]:
                pixels = table_pixels(program, now, program.screenshot())
                differ = sum(1 for a, b in zip(reference, pixels) if a != b)
                if differ == 0:
                    break
            time.sleep(0.5)
        check(differ == 0, f"File > Open by {how}: {differ} pixels of the table differ afterwards")
        if len(failures) == failed:
            print(f"with the table: File 1002 by {how}: dialog \"{OPEN_DIALOG}\" cancelled, table drawn as before", flush=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--wine", required=True)
    parser.add_argument("--program", required=True)
    parser.add_argument("--work", required=True)
    args = parser.parse_args()
    os.makedirs(args.work, exist_ok=True)
    # The program writes the player's preferences beside itself as it ends: the sweep puts
    # back what was there, so that the programs started after it find what they found before.
    preferences = os.path.join(os.path.dirname(os.path.abspath(args.program)), "schaf.prf")
    kept = None
    if os.path.exists(preferences):
        with open(preferences, "rb") as f:
            kept = f.read()
    program = Program(args)
    try:
        program.wait(lambda v: v.table[1] == 1 and v.paints > 0 and v.bars, "the table", timeout=120)
        end = time.time() + 60
        while program.state() is None and time.time() < end:
            time.sleep(0.1)
        close_welcome_note(program, 10)
        open_keeps_the_table(program)
        sweep_state(program, True, skip={NEW_DEAL, SCORE, 1003, 1008, 1505})
        # Close, then everything with no table, then New brings the table back.
        carry_out(program, 1003, 0, True)
        print("with the table: File 1003: closes the table window", flush=True)
        sweep_state(program, False, skip={1001, 1008, 1505})
        seen = carry_out(program, 1001, 0, False)
        print(f"with no table: File 1001: {seen}", flush=True)
        close_welcome_note(program, 5)
        seen = carry_out(program, 1505, 5, True)
        print(f"with the table: Help/Internet 1505: {seen}", flush=True)
        program.send("restore")
        program.wait(lambda v: v.main and v.main[0] == [1, 0], "the main window restored")
        seen = carry_out(program, 1008, 0, True)
        print(f"with the table: File 1008: {seen}", flush=True)
    except Stopped:
        print("the sweep stopped here", flush=True)
    finally:
        program.close()
        if kept is None:
            if os.path.exists(preferences):
                os.remove(preferences)
        else:
            with open(preferences, "wb") as f:
                f.write(kept)
    if failures:
        print(f"{len(failures)} checks failed", flush=True)
        sys.exit(1)
    print("all checks passed", flush=True)


if __name__ == "__main__":
    main()
