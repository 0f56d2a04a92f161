#!/usr/bin/env python3
"""The side windows beside the Schafkopf table, by real X input on the harness program.

At a practice-mode table: before the deal the items of Cards Played, the open cards of players
1 to 3 and the hints are greyed, and neither a click on the item nor its keystroke opens the
window. In play, each of Cards Played (Ctrl+3), Score (Ctrl+4) and the three open-cards windows
(Ctrl+5 to Ctrl+7) opens by a click on its menu item, closes by a click on its close box, opens
again by its keystroke at the same place showing the same pixels; the hints window opens by its
item, closes by its close box and opens again at the same place with the same pixels. Each open
cards cell shows the picture of the card the controller gives for that place; after the human's
card, played by double click, Cards Played shows it and each computer seat's window one card
fewer. Closing the table closes every side window. The program runs as a copy of the harness
program for which Wine draws the window frames itself (no window manager runs on the display),
so that the close boxes are real.
"""
import argparse
import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bidding_harness as bh  # noqa: E402
import series_harness as sh  # noqa: E402
import table_harness as th  # noqa: E402

check = th.check
CARDS_PLAYED, SCORE, HINTS = 2, 3, 15
OPEN_CARDS = {1: 4, 2: 5, 3: 14}  # seat -> window slot
# Menu item, keystroke, window slot.
WINDOWS = [(504, "ctrl+3", CARDS_PLAYED), (505, "ctrl+4", SCORE), (1412, "ctrl+5", OPEN_CARDS[1]),
           (1413, "ctrl+6", OPEN_CARDS[2]), (1414, "ctrl+7", OPEN_CARDS[3])]
# The windows' saved corners on the test display (1024 x 768), clear of the menu bar, the
# table's status bar and hand at size 0, and of each other.
PLACES = {OPEN_CARDS[1]: (611, 45), OPEN_CARDS[2]: (611, 220), OPEN_CARDS[3]: (611, 596), CARDS_PLAYED: (2, 606),
          SCORE: (2, 60), HINTS: (2, 130)}
PROGRAM_COPY = "schafkopf_sidewin.exe"
PREFERENCES = "schaf.prf"
SAVE_QUESTION = "Should I save the current game?"


def framed_copy(args):
    """A copy of the program beside it, for which Wine draws the frames (caption, close box)."""
    copy = os.path.join(os.path.dirname(os.path.abspath(args.program)), PROGRAM_COPY)
    if not os.path.exists(copy) or os.path.getmtime(copy) < os.path.getmtime(args.program):
        shutil.copy2(args.program, copy)
    key = f"HKCU\\Software\\Wine\\AppDefaults\\{PROGRAM_COPY}\\X11 Driver"
    subprocess.run([args.wine, "reg", "add", key, "/v", "Decorated", "/t", "REG_SZ", "/d", "N", "/f"],
                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
    return copy


def side(state, slot):
    values = state.get(f"side{slot}")
    if not values or not values[0]:
        return None
    return {"origin": values[1:3], "size": values[3:5], "close": values[5:7], "corner": values[7:9]}


def menu_items(harness):
    """Each menu item's number -> greyed."""
    return {int(f[1].split()[1]): int(f[1].split()[2]) == 1 for f in bh.windows(harness) if f[0] == "item"}


def client_pixels(screen, window):
    (x0, y0), (w, h) = window["origin"], window["size"]
    return [screen.at(x0 + x, y0 + y) for y in range(h) for x in range(w)]


def stable_shot(harness, slot, what):
    """A screenshot once the window's client pixels stay the same between two shots."""
    previous = None
    for _ in range(10):
        window = side(harness.wait(lambda s: side(s, slot) is not None, what), slot)
        screen = harness.screenshot()
        pixels = client_pixels(screen, window)
        if pixels == previous:
            return screen, window, pixels
        previous = pixels
        time.sleep(0.3)
    check(False, f"{what}: the window's pixels do not come to rest")
    return screen, window, previous


def give_keys_to_table(harness):
    """A click on the table's status bar gives it the keys (no window manager runs)."""
    state = harness.state()
    bar = state["statusbar"]
    harness.click(state["origin"][0] + bar[0] + 4, state["origin"][1] + (bar[1] + bar[3]) // 2)
    time.sleep(0.3)


def nothing_opens(harness, slots, what, calm=2.0):
    """No window of the slots shows for a while (a state that must not come cannot be polled)."""
    end = time.time() + calm
    while time.time() < end:
        state = harness.state()
        shown = [slot for slot in slots if side(state, slot)]
        if shown:
            check(False, f"{what}: the windows of slots {shown} opened")
            return
        time.sleep(0.2)


def close_menu(harness):
    harness.key("Escape")
    time.sleep(0.2)
    harness.key("Escape")
    end = time.time() + 10
    while time.time() < end and any(f[0] == "popup" for f in bh.windows(harness)):
        time.sleep(0.2)


def click_menu_item(harness, number):
    """Opens the item's menu by a click on its title and clicks the item, greyed or not."""
    return bh.choose_menu_item(harness, number)


def check_greyed_before_deal(harness):
    items = menu_items(harness)
    greyed = [504, 508, 1412, 1413, 1414]
    check(all(items.get(n) for n in greyed), f"before the deal: items {greyed} greyed ({[items.get(n) for n in greyed]})")
    check(items.get(505) is False, "before the deal: Score enabled")
    slots = [CARDS_PLAYED, HINTS] + list(OPEN_CARDS.values())
    for number in greyed:
        click_menu_item(harness, number)
        close_menu(harness)
    give_keys_to_table_before_deal(harness)
    for key in ("ctrl+3", "ctrl+5", "ctrl+6", "ctrl+7"):
        harness.key(key)
    nothing_opens(harness, slots, "before the deal, the greyed items clicked and their keys pressed")
    # The keys did reach the program: Score, enabled, opens by its keystroke.
    harness.key("ctrl+4")
    window = side(harness.wait(lambda s: side(s, SCORE) is not None, "before the deal: Score by Ctrl+4"), SCORE)
    harness.click(*window["close"])
    harness.wait(lambda s: side(s, SCORE) is None, "before the deal: Score closed by its close box")


def give_keys_to_table_before_deal(harness):
    """Before the deal a click on the table deals: the keys go to the main window by a click on
    its menu bar's title and Escape."""
    bar = next([int(v) for v in f[2].split()] for f in bh.windows(harness) if f[0] == "bar")
    harness.click(*th.centre(bar))
    time.sleep(0.3)
    close_menu(harness)


def human_to_play(harness, what):
    """Play waits for the human's card, the computer seats' cards at rest (two looks alike)."""
    last = None
    end = time.time() + 90
    while time.time() < end:
        state = harness.state()
        if state["waitdepth"][0] == 0 and sh.Series.human_turn(None, state):
            key = (tuple(state["trickcards"]), tuple(state["hand0"]))
            if key == last:
                return state
            last = key
        else:
            last = None
            bh.close_message_boxes(harness, quiet=0.2)
        time.sleep(0.3)
    sys.exit(f"timed out waiting for {what}")


def open_cards_cells(harness, state, size, seat):
    """Every cell of the seat's window shows the picture of the card the controller gives."""
    slot = OPEN_CARDS[seat]
    screen, window, _ = stable_shot(harness, slot, f"size {size}: open cards of seat {seat}")
    state = harness.state()
    codes = state[f"seathand{seat}"]
    card_set = 2 if size == 0 else 0
    first = th.read_bmp(os.path.join(harness.args.work, f"card{card_set}_1.bmp"))
    w, h = len(first[0]), len(first)
    shown = 0
    for place, code in enumerate(codes):
        if not code:
            continue
        column, row = place % 4, place // 4
        left, top = 1 + column * (w + 1), 1 + row * (h + 1)
        picture = th.read_bmp(os.path.join(harness.args.work, f"card{card_set}_{th.picture_code(code)}.bmp"))
        before = len(th.failures)
        th.compare_picture(screen, window["origin"], picture, left, top, [],
                           f"size {size}: open cards of seat {seat}, place {place} (card {code})")
        shown += len(th.failures) == before
    check(shown == sum(1 for c in codes if c), f"size {size}: seat {seat}: {shown} cells show their cards {codes}")
    # One card fewer for every card the seat played: the finished tricks and the trick on the table.
    held = 8 - len(state["tricks"]) // 6 - (1 if state["trickcards"][seat] else 0)
    check(len([c for c in codes if c]) == held, f"size {size}: seat {seat} shows {codes}, holding {held} cards")


def open_close_reopen(harness, size, number, key, slot):
    """Menu, close box, keystroke: the window comes back at the same place, the same pixels."""
    what = f"size {size}: item {number}"
    click_menu_item(harness, number)
    state = harness.wait(lambda s: side(s, slot) is not None, f"{what}: its window")
    if slot in OPEN_CARDS.values():
        seat = next(s for s, n in OPEN_CARDS.items() if n == slot)
        open_cards_cells(harness, state, size, seat)
    screen, window, pixels = stable_shot(harness, slot, what)
    check(window["close"][0] >= 0, f"{what}: the window has no close box")
    harness.click(*window["close"])
    harness.wait(lambda s: side(s, slot) is None, f"{what}: closed by its close box")
    give_keys_to_table(harness)
    harness.key(key)
    harness.wait(lambda s: side(s, slot) is not None, f"{what}: opened again by {key}")
    _, again, pixels_again = stable_shot(harness, slot, what)
    check(again["corner"] == window["corner"] and again["size"] == window["size"],
          f"{what}: opened again at {again['corner']} {again['size']}, first at {window['corner']} {window['size']}")
    differ = sum(1 for a, b in zip(pixels, pixels_again) if a != b)
    check(differ == 0, f"{what}: {differ} pixels differ from the first opening")
    return again


def play_by_double_click(harness, size):
    """The human's first legal card by double click."""
    state = human_to_play(harness, f"size {size}: the human's turn")
    hand = [c for c in state["hand0"] if c]
    leader = state["trickleader"][0]
    led = state["trickcards"][leader]
    card = sh.legal_cards(hand, led, state["game"][0], state["game"][1])[0]
    harness.send("click", 0)
    rect = state[f"own{state['hand0'].index(card)}"]
    harness.click(*[o + c for o, c in zip(state["origin"], th.centre(rect))], repeat=2)
    harness.wait(lambda s: s["trickcards"][0] == card or s["waiting"][0] == 1, f"size {size}: the card {card} played")
    return card


def cards_played_shows(harness, size, before_pixels, card):
    """The human's card enters the grid: what changes in the window lies in one cell."""
    screen, window, pixels = stable_shot(harness, CARDS_PLAYED, f"size {size}: Cards Played after a card")
    width = window["size"][0]
    changed = [(i % width, i // width) for i, (a, b) in enumerate(zip(before_pixels, pixels)) if a != b]
    if not check(changed, f"size {size}: Cards Played unchanged after the human's card {card}"):
        return
    xs, ys = [x for x, _ in changed], [y for _, y in changed]
    check(max(xs) - min(xs) < 30 and max(ys) - min(ys) < 19,
          f"size {size}: after the card {card} Cards Played changed from {min(xs)},{min(ys)} to {max(xs)},{max(ys)}, "
          f"more than one cell")


def hints(harness, size):
    what = f"size {size}: hints"
    click_menu_item(harness, 508)
    state = harness.wait(lambda s: side(s, HINTS) is not None, f"{what}: its window")
    screen, window, pixels = stable_shot(harness, HINTS, what)
    check(len(set(pixels)) > 2, f"{what}: the window shows nothing")
    check(window["close"][0] >= 0, f"{what}: the window has no close box")
    harness.click(*window["close"])
    harness.wait(lambda s: side(s, HINTS) is None, f"{what}: closed by its close box")
    click_menu_item(harness, 508)
    harness.wait(lambda s: side(s, HINTS) is not None, f"{what}: opened again")
    _, again, pixels_again = stable_shot(harness, HINTS, what)
    check(again["corner"] == window["corner"], f"{what}: opened again at {again['corner']}, first at {window['corner']}")
    differ = sum(1 for a, b in zip(pixels, pixels_again) if a != b)
    check(differ == 0, f"{what}: {differ} pixels differ from the first opening")
    harness.click(*again["close"])
    harness.wait(lambda s: side(s, HINTS) is None, f"{what}: closed again")


def table_open(harness):
    return next((f[1].split()[0] == "1" for f in bh.windows(harness) if f[0] == "table"), True)


def close_table(harness, size):
    """File > Close: the side windows close with the table."""
    harness.send("clean", 0)
    click_menu_item(harness, 1003)
    end = time.time() + 30
    while time.time() < end and table_open(harness):
        view = th.read_windows(harness)
        if view and th.find_box(view, SAVE_QUESTION):
            th.answer_box(harness, SAVE_QUESTION, "No")
        time.sleep(0.3)
    check(not table_open(harness), f"size {size}: the table did not close")
    left = [f for f in bh.windows(harness) if f[0] == "window" and len(f) > 4 and int(f[4]) > 0]
    check(not left, f"size {size}: side windows left after the table closed: {left}")


def run(harness, size):
    harness.size(size)
    harness.send("bidrec", 1)  # closes the welcome note
    harness.send("delay", 1)
    harness.send("tablemode", 4)
    for slot, (x, y) in PLACES.items():
        harness.send("place", slot * 1000000 + x * 1000 + y)
    harness.send("dump", 0)
    check_greyed_before_deal(harness)
    bh.start_deal(harness, 5, 0)  # fixed partners; the human holds most trumps: no early claim
    human_to_play(harness, f"size {size}: the human's turn")
    for number, key, slot in WINDOWS:
        open_close_reopen(harness, size, number, key, slot)
    _, _, before = stable_shot(harness, CARDS_PLAYED, f"size {size}: Cards Played before the card")
    card = play_by_double_click(harness, size)
    state = harness.wait(lambda s: s["waiting"][0] == 1 and s["waitdepth"][0] == 0, f"size {size}: the trick complete")
    cards_played_shows(harness, size, before, card)
    harness.click(state["origin"][0] + 3, state["origin"][1] + 3, button=3)  # Put Away
    state = human_to_play(harness, f"size {size}: the human's next turn")
    for seat in OPEN_CARDS:
        open_cards_cells(harness, state, size, seat)
    hints(harness, size)
    close_table(harness, size)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--wine", required=True)
    parser.add_argument("--program", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--pictures", required=True)
    parser.add_argument("--size", type=int, default=0)
    args = parser.parse_args()
    os.makedirs(args.work, exist_ok=True)
    for name in os.listdir(args.work):
        if name.endswith((".txt", ".png")):
            os.remove(os.path.join(args.work, name))
    os.environ.setdefault("SCHAFKOPF_HARNESS_DIR", "Z:" + os.path.abspath(args.work).replace("/", "\\"))
    args.program = framed_copy(args)
    # The run moves and places windows and sets the table mode: the player's preferences beside
    # the program are put back afterwards, so that the runs after this one start as before.
    preferences = os.path.join(os.path.dirname(args.program), PREFERENCES)
    kept = os.path.join(args.work, PREFERENCES + ".kept")
    had_preferences = os.path.exists(preferences)
    if had_preferences:
        shutil.copy2(preferences, kept)
    harness = th.Harness(args)
    try:
        harness.wait(lambda s: "schafkopf" in s, "the table", timeout=120)
        run(harness, args.size)
    finally:
        harness.close()
        if had_preferences:
            shutil.copy2(kept, preferences)
        elif os.path.exists(preferences):
            os.remove(preferences)
    if th.failures:
        print(f"{len(th.failures)} checks failed", flush=True)
        sys.exit(1)
    print("all checks passed", flush=True)


if __name__ == "__main__":
    main()
