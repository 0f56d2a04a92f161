#!/usr/bin/env python3
"""The Schafkopf table's bidding, checked with real X input on the harness program.

Fixed hands are dealt through the controller's keep-cards deal; the table runs with a card
delay of 2 (pauses of 12 ticks, 20 before a two-card "I play" stop). The human answers with
real clicks on the table's buttons, the game list by mouse and by the "+" and "-" keys. After
each deal the controller must hold the game, the declarer and the parties the answers imply,
and play must begin (table phase 3) or the deal end void (phase 4). At each table size every
shown control lies inside its box, the buttons are disjoint from each other and from the
hand, and the answers lie on their plates. The pauses, spoken answers and plate texts are
read from the harness's log of the table's waits (its clock seam), sounds and plate texts.
"""
import argparse
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import table_harness as th  # noqa: E402

check = th.check
DELAY = 2  # tenths of a second
PAUSE = DELAY * 6
STOP_PAUSE = DELAY * 10

BID_BOX_ITEMS = (148, 130, 131, 145, 141, 150, 143, 144, 142)
CHOICE_BOX_ITEMS = (149, 139, 140, 135, 136, 137, 138, 133, 146, 147)
BUTTONS = (130, 131, 133, 140, 141, 142, 143, 144, 145, 146, 147)


def item(state, number):
    values = state.get(f"item{number}")
    return None if values is None else {"shown": values[0], "enabled": values[1], "checked": values[2],
                                        "rect": values[3:7]}


def log(harness):
    try:
        with open(os.path.join(harness.args.work, "bidlog.txt")) as f:
            return [line for line in f.read().split("\n") if line]
    except OSError:
        return []


def inside_rect(inner, outer):
    return outer[0] <= inner[0] and outer[1] <= inner[1] and inner[2] <= outer[2] and inner[3] <= outer[3]


def click_item(harness, state, number):
    rect = item(state, number)["rect"]
    x, y = th.centre(rect)
    harness.click(state["origin"][0] + x, state["origin"][1] + y)


def geometry(state, size, what):
    """Every shown control inside its box, buttons disjoint from each other and the hand."""
    boxes = {"bid": state["bidbox"], "choice": state["choicebox"]}
    shown = []
    for number in range(130, 151):
        it = item(state, number)
        if not it or not it["shown"]:
            continue
        rect = it["rect"]
        if number == 139:
            rect = [rect[0], rect[1], rect[2], rect[1] + (rect[3] - rect[1])]
        box = boxes["bid"] if number in BID_BOX_ITEMS else boxes["choice"]
        check(inside_rect(rect, box), f"size {size} {what}: item {number} at {rect} leaves its box {box}")
        shown.append((number, rect))
    hand = state["hand"]
    buttons = [(n, r) for n, r in shown if n in BUTTONS or n in (135, 136, 137, 138, 139)]
    for i, (a, ra) in enumerate(buttons):
        check(not th.intersects(ra, hand), f"size {size} {what}: item {a} at {ra} covers the hand {hand}")
        for b, rb in buttons[i + 1:]:
            check(not th.intersects(ra, rb), f"size {size} {what}: items {a} {ra} and {b} {rb} overlap")
    return shown


def prompt_ink(harness, state, size, what, box_name, picture_id):
    """The prompt's box drawn with its picture; what differs from the picture lies inside it."""
    box = state[box_name]
    screen = harness.screenshot()
    controls = [item(state, n)["rect"] for n in range(130, 151) if item(state, n) and item(state, n)["shown"]
                and n not in (148, 149, 150)]
    ink = th.compare_picture(screen, state["origin"], harness.picture(picture_id), box[0], box[1], controls,
                             f"size {size} {what} box", [box])
    check(ink[0] > 0, f"size {size} {what}: no prompt ink inside the box {box}")


def windows(harness):
    try:
        with open(os.path.join(harness.args.work, "windows.txt"), encoding="cp1252", errors="replace") as f:
            return [line.split("\t") for line in f.read().split("\n") if line]
    except OSError:
        return []


def choose_menu_item(harness, number):
    """Opens the item's menu by a click on its title and clicks the item."""
    menu = next(int(f[1].split()[0]) for f in windows(harness) if f[0] == "item" and int(f[1].split()[1]) == number)
    bar = next([int(v) for v in f[2].split()] for f in windows(harness) if f[0] == "bar" and int(f[1]) == menu)
    harness.click(*th.centre(bar))
    end = time.time() + 20
    while time.time() < end:
        items = [f for f in windows(harness) if f[0] == "popupitem" and int(f[1]) == number]
        if items:
            harness.click(*th.centre([int(v) for v in items[0][2].split()]))
            return True
        time.sleep(0.2)
    check(False, f"menu item {number} not shown")
    return False


MESSAGE_BOX_TITLES = ("Question", "Frage", "Note", "Hinweis", "Stop")


def close_message_boxes(harness, quiet=1.5):
    """Answers with OK the boxes that the play of the deal before may show (a computer seat
    that claims the rest asks the human to give up), until none came for a while."""
    end = time.time() + 30
    calm = time.time() + quiet
    while time.time() < min(end, calm):
        view = th.read_windows(harness)
        boxes = [w for w in (view["windows"] if view else [])
                 if w["kind"] == "#32770" and w["title"] in MESSAGE_BOX_TITLES]
        buttons = [c for w in boxes for c in w["controls"]
                   if c["kind"] == "Button" and c["text"].replace("&", "") == "OK"]
        if buttons:
            harness.click(*th.centre(buttons[0]["rect"]))
            calm = time.time() + quiet
        time.sleep(0.3)


def put_deal_aside(harness):
    """New Deal is offered once a game is over. The computer seats' cards come to rest first
    (a question a claiming seat asks answered); then a game in play is given up (Game > Give
    up, answered OK) and a deal still bidding is put aside."""
    if harness.state()["phase"][0] not in (1, 2, 3):
        return
    end = time.time() + 90
    quiet = 0
    while quiet < 3 and time.time() < end:
        close_message_boxes(harness, quiet=0.5)
        quiet = quiet + 1 if harness.state()["waitdepth"][0] == 0 else 0
        time.sleep(0.4)
    if harness.state()["phase"][0] == 3:
        choose_menu_item(harness, 409)
        close_message_boxes(harness)
        harness.wait(lambda s: s["phase"][0] == 4, "the game given up")
    else:
        harness.send("reset", 0)
        harness.wait(lambda s: s["phase"][0] == 0, "the deal put aside")


def deal_fixed_hands(harness, deal, mode, pot, required, command):
    """Takes fixed hands (the harness's command: "deal" or the bidding's own "bdeal") with the
    next deal and starts it: by a click on the table before the first game, else by New Deal."""
    put_deal_aside(harness)
    harness.send("mode", mode)
    harness.send("pot", pot)
    harness.send("required", required)
    harness.send(command, deal)
    state = harness.state()
    if state["phase"][0] == 0:
        origin = state["origin"]
        harness.click(origin[0] + 5, origin[1] + 40)
    else:
        close_message_boxes(harness)
        choose_menu_item(harness, 406)
    # The table takes the fixed hands with the deal's start.
    return harness.wait(lambda s: s["keep"][0] == 0, "the deal's start")


def start_deal(harness, deal, mode, pot=0, required=0, command="deal"):
    deal_fixed_hands(harness, deal, mode, pot, required, command)
    return harness.wait(lambda s: s["waitdepth"][0] == 0 and
                        ((s["phase"][0] == 1 and (item(s, 131)["enabled"] or item(s, 141)["enabled"])) or
                         (s["phase"][0] == 2 and s["bphase"][0] != 1) or s["phase"][0] in (3, 4)),
                        "the deal's first question")


def continue_to_play(harness, state, what):
    """Clicks "Continue" while the bidding shows it, until play begins or the deal is void."""
    for _ in range(6):
        if state["phase"][0] in (3, 4):
            break
        check(item(state, 141)["shown"] and item(state, 141)["enabled"],
              f"{what}: bidding phase {state['bphase'][0]} waits without an enabled Continue")
        click_item(harness, state, 141)
        before = (state["phase"][0], state["bphase"][0])
        state = harness.wait(lambda s: (s["phase"][0], s["bphase"][0]) != before and s["waitdepth"][0] == 0 and
                             (s["phase"][0] in (3, 4) or item(s, 141)["enabled"]), f"{what}: the next question")
    return state


def continue_to_play_or(harness, state, stop, what):
    for _ in range(6):
        if state["phase"][0] in (3, 4) or stop(state):
            break
        click_item(harness, state, 141)
        before = (state["phase"][0], state["bphase"][0])
        state = harness.wait(lambda s: (s["phase"][0], s["bphase"][0]) != before and s["waitdepth"][0] == 0 and
                             (s["phase"][0] in (3, 4) or item(s, 141)["enabled"] or stop(s)), f"{what}: the next question")
    return state


def answers(entries):
    return [e for e in entries if e[0] in "WB"]


def run_german_call(harness, size):
    """German call, leader seat 2: two computer answers, each after a pause, then the human."""
    state = start_deal(harness, 0, 2)
    entries = answers(log(harness))
    check(state["phase"][0] == 1 and state["bphase"][0] == 1, f"size {size}: the asking shows ({state['phase']})")
    check(entries[:4] == [f"W{PAUSE}", entries[1], f"W{PAUSE}", entries[3]] and entries[1].startswith("B2:")
          and entries[3].startswith("B3:"),
          f"size {size}: seats 2 and 3 answer one by one after a pause each: {entries}")
    check(item(state, 130)["enabled"] and item(state, 131)["enabled"], f"size {size}: I play and No enabled")
    check(not item(state, 141)["enabled"], f"size {size}: Continue waits for the human's answer")
    geometry(state, size, "asking")
    prompt_ink(harness, state, size, "asking", "bidbox", 1506)
    bids = state["bids"]
    click_item(harness, state, 131)
    state = harness.wait(lambda s: item(s, 141)["enabled"] and s["waitdepth"][0] == 0, "Continue after No")
    check(state["bids"][0] == 1, f"size {size}: the human's No recorded ({state['bids']})")
    entries = answers(log(harness))
    check(any(e.startswith("B1:") for e in entries), f"size {size}: seat 1 answers after the human: {entries}")
    players = [seat for seat in range(4) if state["bids"][seat] == 2]
    state = continue_to_play(harness, state, f"size {size} German call")
    check(state["phase"][0] == 3, f"size {size}: play begins after the asking ({state['phase']})")
    taker = state["first"][0]
    check(taker in players and state["bids"][taker] == 2 and
          all(state["bids"][s] in (1, 8) for s in range(4) if s != taker),
          f"size {size}: one seat keeps I play, the others No or Good: {state['bids']}, first {taker}")
    check(state["declarer"][0] == taker, f"size {size}: the seat that kept the game declares: {state['declarer']}")
    if players == [2]:
        check(state["phase"][0] == 3 and state["declarer"][0] == 2,
              f"size {size}: seat 2 alone said I play: it declares, play begins ({state['phase']}, {state['declarer']})")
    print(f"size {size}: German call asking: {entries}; bids {state['bids']}, declarer {state['declarer'][0]}, "
          f"game {state['game']}, phase {state['phase'][0]}", flush=True)


def run_human_deals(harness, size):
    """The human deals and says I play: no Continue click; a Suit Solo chosen with a suit."""
    state = start_deal(harness, 1, 2)
    entries = answers(log(harness))
    seats = [e[1] for e in entries if e[0] == "B"]
    check(seats[:3] == ["1", "2", "3"], f"size {size}: seats 1, 2, 3 answer before the dealer: {entries}")
    click_item(harness, state, 130)
    state = harness.wait(lambda s: s["phase"][0] == 2 and s["waitdepth"][0] == 0 and item(s, 139)["enabled"],
                         "the game choice without a Continue click", timeout=30)
    check(state["bphase"][0] in (8, 16), f"size {size}: the human names the game (bidding phase {state['bphase']})")
    geometry(state, size, "choice")
    prompt_ink(harness, state, size, "choice", "choicebox", 1507)
    rows = state["rows"][1:]
    check(15 in rows and 1 in rows, f"size {size}: the list offers *** and Suit Solo: {rows}")
    # "Ready" without a row beeps and leaves the choice open.
    beeps = state["beeps"][0]
    click_item(harness, state, 140)
    state = harness.wait(lambda s: s["beeps"][0] > beeps, "a beep for Ready without a game")
    check(state["phase"][0] == 2, f"size {size}: Ready without a game leaves the choice open")
    # The list by mouse: open it and click the Jacks Solo row; then by keys to the Suit Solo.
    if 16 in rows:
        click_item(harness, state, 139)
        opened = harness.wait(lambda s: s["dropped"][0] == 1, "the list opened")
        drop = next([int(v) for v in f[2].split()] for f in windows(harness) if f[0] == "window" and f[1] == "ComboLBox")
        height = opened["rowheight"][0]
        row = rows.index(16)
        harness.click(drop[0] + 20, drop[1] + 1 + height * row + height // 2)
        state = harness.wait(lambda s: s["dropped"][0] == 0 and s["rows"][0] == row, "Jacks Solo chosen by mouse")
        check(all(not item(state, n)["enabled"] for n in (135, 136, 137, 138)),
              f"size {size}: Jacks Solo needs no suit: suit buttons disabled")
        # Without a window manager the closed list leaves no X window with the keys: a click
        # on the prompt (no control there) gives them back to the table.
        click_item(harness, state, 149)
        time.sleep(0.3)
    target = rows.index(15)
    current = state["rows"][0]
    key = "plus" if current < target else "minus"
    for _ in range(abs(target - max(current, 0)) + (1 if current < 0 else 0)):
        harness.key(key)
        time.sleep(0.3)
    state = harness.wait(lambda s: s["rows"][0] == target, "Suit Solo chosen by keys")
    check(all(item(state, n)["enabled"] for n in (135, 136, 137, 138)), f"size {size}: Suit Solo enables the suits")
    click_item(harness, state, 136)
    state = harness.wait(lambda s: item(s, 136)["checked"], "Heart checked")
    click_item(harness, state, 140)
    state = harness.wait(lambda s: s["phase"][0] in (3, 4) and s["waitdepth"][0] == 0, "play after the choice")
    check(state["phase"][0] == 3 and state["declarer"][0] == 0 and state["game"] == [4, 1],
          f"size {size}: the human plays a Heart Suit Solo: phase {state['phase']}, declarer {state['declarer']}, "
          f"game {state['game']}")
    print(f"size {size}: human deals, Heart Suit Solo: {answers(log(harness))}", flush=True)


def run_fixed_partners(harness, size):
    """Fixed partners: no question; play begins at once with the parties of the Eichel-Ober."""
    state = start_deal(harness, 0, 0)
    state = harness.wait(lambda s: s["phase"][0] == 3 and s["waitdepth"][0] == 0, "play with fixed partners")
    check(not any(e[0] == "B" for e in log(harness)), f"size {size}: fixed partners: no answers shown")
    print(f"size {size}: fixed partners: phase 3, parties {state['parties']}", flush=True)


def run_two_cards(harness, size):
    """Two partner cards: the leader's I play ends the asking after the longer pause."""
    state = start_deal(harness, 0, 1)
    state = harness.wait(lambda s: s["phase"][0] in (3, 4) and s["waitdepth"][0] == 0 or
                         (s["phase"][0] == 1 and item(s, 131)["enabled"]), "the two-card asking")
    entries = answers(log(harness))
    if state["bids"][2] == 2:
        check(entries[:3] == [f"W{PAUSE}", entries[1], f"W{STOP_PAUSE}"] and entries[1].startswith("B2:"),
              f"size {size}: seat 2's I play stops the asking after {STOP_PAUSE} ticks: {entries}")
        check(state["phase"][0] == 3 and state["declarer"][0] == 2,
              f"size {size}: seat 2 declares with the two partner cards ({state['phase']}, {state['declarer']})")
    print(f"size {size}: two partner cards: {entries}; phase {state['phase'][0]}, declarer {state['declarer'][0]}",
          flush=True)


def run_call_ace(harness, size, deal=4, command="deal"):
    """The human says I play and names the Call Game: alone, the human calls the Gras Ace; with
    a later seat that also plays, that seat's higher game takes the game."""
    state = start_deal(harness, deal, 2, command=command)
    check(state["leader"][0] == 0 and item(state, 130)["enabled"], f"size {size}: the human leads the asking")
    click_item(harness, state, 130)
    state = harness.wait(lambda s: s["waitdepth"][0] == 0 and (item(s, 141)["enabled"] or s["phase"][0] != 1),
                         "the others' answers")
    state = continue_to_play_or(harness, state, lambda s: s["phase"][0] == 2 and item(s, 139)["enabled"],
                                f"size {size} call")
    if not (state["phase"][0] == 2 and 2 in state["rows"][1:]):
        print(f"size {size}: call: no Call row ({state['rows']}, bids {state['bids']})", flush=True)
        return
    rows = state["rows"][1:]
    target = rows.index(2)
    current = state["rows"][0]
    # The hidden Continue button took the X focus with it (no window manager): a click on the
    # prompt gives the keys back to the table.
    click_item(harness, state, 149)
    time.sleep(0.3)
    for _ in range(target - current):
        harness.key("plus")
        time.sleep(0.3)
    state = harness.wait(lambda s: s["rows"][0] == target, "the Call row by keys")
    click_item(harness, state, 140)
    state = harness.wait(lambda s: s["waitdepth"][0] == 0 and (s["bphase"][0] == 4 and item(s, 140)["shown"] or
                                                               s["phase"][0] in (3, 4)), "the call of an Ace")
    if state["phase"][0] != 2:
        later = [seat for seat in (1, 2, 3) if state["bids"][seat] == 2]
        check(state["phase"][0] == 3 and len(later) == 1 and state["declarer"][0] == later[0] and
              state["bids"][0] != 2 and state["game"][0] not in (0, 1),
              f"size {size}: a later seat's higher game takes the Call Game: bids {state['bids']}, declarer "
              f"{state['declarer']}, game {state['game']}")
        print(f"size {size}: the Call Game given way to seat {later}: {answers(log(harness))}", flush=True)
        return
    geometry(state, size, "call")
    prompt_ink(harness, state, size, "call", "choicebox", 1507)
    enabled = [n - 135 for n in (135, 136, 137, 138) if item(state, n)["enabled"]]
    check(enabled == [2], f"size {size}: only Gras may be called (suits enabled {enabled})")
    beeps = state["beeps"][0]
    click_item(harness, state, 140)
    state = harness.wait(lambda s: s["beeps"][0] > beeps, "a beep for Ready without a suit")
    check(state["bphase"][0] == 4, f"size {size}: Ready without a suit leaves the call open")
    click_item(harness, state, 137)
    state = harness.wait(lambda s: item(s, 137)["checked"], "Gras checked")
    click_item(harness, state, 140)
    state = harness.wait(lambda s: s["phase"][0] in (3, 4) and s["waitdepth"][0] == 0, "play after the call")
    # A Call Game has no lone declarer: the human heads the first party with the called Ace.
    check(state["phase"][0] == 3 and state["declarer"][0] in (-1, 0) and state["called"][0] == 2 and
          state["game"][0] == 1,
          f"size {size}: the human plays the Call Game with the Gras Ace: phase {state['phase']}, declarer "
          f"{state['declarer']}, called {state['called']}, game {state['game']}, parties {state['parties']}")
    check(state["parties"][0] == 0, f"size {size}: the human heads the first party ({state['parties']})")
    print(f"size {size}: call of the Gras Ace: {answers(log(harness))}", flush=True)


# ---- The auction, the required solos, Stock, Good, the two-card calls and the plates ----------

# The precedence of the games by the published rules: the lower rank is the higher game. Call
# Game 58, Trump Solo 55, Beg 56, Suit Solo 45, Jacks 46, Queens 47, Kings 48, Queens-Jacks 49,
# Jacks-Kings 50, Jacks-Queens 51, Queens-Jacks-Kings 52, Suit-Jacks 53, Suit-Queens 54; a
# Tout game 30 lower; "You" above every game.
GAME_RANKS = {1: 58, 2: 55, 4: 45, 8: 46, 16: 47, 32: 53, 64: 54, 128: 56, 256: 50, 512: 49, 1024: 51,
              2048: 48, 4096: 52}
SOLO_WORDS = (2, 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048, 4096)
WAIT_NOTE = "Please wait. It's not yet your turn."
REQUIRED_NOTE = "A required Solo is being played by:"
PLATE_PICTURES = {32: 1500, 33: 1500, 34: 1500, 35: 1501, 36: 1502, 37: 1502, 38: 1502, 39: 1503}


def game_bit(word):
    """The game of a word: its lowest bit below the Tout and You bits."""
    base = word & 0xFFFF
    return base & -base


def game_rank(word):
    if word & 0x20000:
        return 0
    if game_bit(word) not in GAME_RANKS:
        return 60
    return GAME_RANKS[game_bit(word)] - (30 if word & 0x10000 else 0)


def bid_start(harness, deal, mode, pot=0, required=0):
    """Takes fixed hands of the bidding's own deals with the next deal and starts it."""
    return deal_fixed_hands(harness, deal, mode, pot, required, "bdeal")


def asked(state):
    return state["waitdepth"][0] == 0 and state["phase"][0] == 1 and item(state, 131)["enabled"]


def plate_words(harness, state, size, seats, what):
    """Each seat's answer lies on its plate: what differs from the plate's picture lies inside it
    and shows ink; left and right of the plate the table is untouched by the word."""
    screen = harness.screenshot()
    origin = state["origin"]
    background = harness.picture(state["background"][0])
    for seat, element in seats:
        plate = state[f"element{element}"]
        inner = [plate[0] + 1, plate[1] + 1, plate[2] - 1, plate[3] - 1]
        ink = th.compare_picture(screen, origin, harness.picture(PLATE_PICTURES[element]), plate[0], plate[1], [],
                                 f"size {size} {what}: plate {element}", [inner])
        check(ink[0] > 0, f"size {size} {what}: no answer on the plate {element} of seat {seat} at {plate}")
        # A word wider than its plate would run out over the table on both sides.
        for side in ([plate[0] - 12, plate[1] + 2, plate[0], plate[3] - 2],
                     [plate[2], plate[1] + 2, plate[2] + 12, plate[3] - 2]):
            strip = [[background[y][x] for x in range(max(side[0], 0), side[2])] for y in range(side[1], side[3])]
            th.compare_picture(screen, origin, strip, max(side[0], 0), side[1], [],
                               f"size {size} {what}: beside plate {element}")


def run_stock(harness, size):
    """With the pot, the dealer's "Stock" records No and raises the pot by one; seat 2, which
    alone said I play, plays its Call Game."""
    state = bid_start(harness, 0, 2, pot=1)
    state = harness.wait(lambda s: asked(s) or s["phase"][0] in (3, 4), "the dealer's question")
    check(asked(state) and item(state, 145)["shown"] and item(state, 145)["enabled"],
          f"size {size}: the dealing human may say Stock (phase {state['phase']}, item 145 {item(state, 145)})")
    entries = answers(log(harness))
    check([e for e in entries if e[0] == "B"] == ["B1:Continue", "B2:I_play", "B3:Continue"],
          f"size {size}: seats 1, 2, 3 answer before the dealer: {entries}")
    geometry(state, size, "asking with Stock")
    plate_words(harness, state, size, [(s, (32 if size < 2 else 36) + s) for s in (1, 2, 3)], "asking")
    pot = state["pot"][0]
    click_item(harness, state, 145)
    state = harness.wait(lambda s: s["phase"][0] in (3, 4) and s["waitdepth"][0] == 0, "the deal after Stock")
    check(state["pot"][0] == pot + 1, f"size {size}: Stock raises the pot from {pot} to {state['pot'][0]}")
    check(state["bids"][0] == 3, f"size {size}: the human's answer is Stock ({state['bids']})")
    check(state["phase"][0] == 3 and state["parties"][0] == 2 and state["game"][0] == 1,
          f"size {size}: seat 2 plays its Call Game: phase {state['phase']}, game {state['game']}, "
          f"parties {state['parties']}")
    harness.send("pot", 0)


def run_good(harness, size):
    """The human and a later seat say I play; the human gives way with "Good" to its solo."""
    state = start_deal(harness, 3, 2)
    click_item(harness, state, 130)
    state = harness.wait(lambda s: s["waitdepth"][0] == 0 and item(s, 141)["enabled"], "the others' answers")
    click_item(harness, state, 141)
    state = harness.wait(lambda s: s["waitdepth"][0] == 0 and s["phase"][0] == 2 and item(s, 139)["enabled"],
                         "the game choice")
    players = [seat for seat in (1, 2, 3) if state["bids"][seat] == 2]
    check(len(players) == 1 and item(state, 133)["shown"] and item(state, 133)["enabled"],
          f"size {size}: a later seat plays too and Good is offered: bids {state['bids']}, {item(state, 133)}")
    click_item(harness, state, 133)
    state = harness.wait(lambda s: s["phase"][0] in (3, 4) and s["waitdepth"][0] == 0, "play after Good")
    seat = players[0] if players else -1
    # The seat that takes the game over leaves the human's bid a No.
    check(state["bids"][0] in (1, 8) and state["phase"][0] == 3 and state["declarer"][0] == seat and
          state["game"] == state["seatbid"][2 * seat:2 * seat + 2] and game_bit(state["game"][0]) in SOLO_WORDS,
          f"size {size}: after Good seat {seat} plays its solo: bids {state['bids']}, phase {state['phase']}, "
          f"declarer {state['declarer']}, game {state['game']}, seat bids {state['seatbid']}")
    check(f"B0:Good" in answers(log(harness)), f"size {size}: Good on the human's plate: {answers(log(harness))}")


def run_computer_choice(harness, size, deal, resize=None):
    """The human passes, two computer seats say I play: after "Continue?" the later one takes
    the game with a higher game and gives way ("Good") with an equal or lower one. With resize,
    the table changes to that size while "Continue?" waits, and back after the deal: the
    asking's hidden "Stock" must move along with its group (checked by the next asking)."""
    state = bid_start(harness, deal, 2)
    state = harness.wait(asked, "the human's question")
    click_item(harness, state, 131)
    state = harness.wait(lambda s: s["waitdepth"][0] == 0 and item(s, 141)["enabled"], "the others' answers")
    players = [seat for seat in (1, 2, 3) if state["bids"][seat] == 2]
    check(players == [1, 2], f"size {size} deal {deal}: seats 1 and 2 say I play ({state['bids']})")
    click_item(harness, state, 141)
    state = harness.wait(lambda s: s["waitdepth"][0] == 0 and s["bphase"][0] == 32 and item(s, 141)["enabled"],
                         "Continue? with the answers")
    geometry(state, size, "continue")
    prompt_ink(harness, state, size, "continue", "bidbox", 1506)
    if resize is not None:
        harness.size(resize)
        harness.send("delay", DELAY)
        state = harness.wait(lambda s: s["waitdepth"][0] == 0 and s["bphase"][0] == 32 and item(s, 141)["enabled"]
                             and inside_rect(item(s, 148)["rect"], s["bidbox"]), "Continue? at the new size")
        geometry(state, resize, "continue after a size change")
    if players != [1, 2]:
        return
    words = {seat: state["seatbid"][2 * seat] for seat in players}
    ranks = {seat: game_rank(words[seat]) for seat in players}
    # Seat 2 takes the game only with a strictly higher game; taking it turns seat 1's bid into
    # a No (its plate then stays empty), giving way shows "Good".
    taker = 2 if ranks[2] < ranks[1] else 1
    other = 3 - taker
    expected = [1, 1, 2, 1] if taker == 2 else [1, 2, 8, 1]
    check(state["bids"] == expected,
          f"size {size} deal {deal}: seat {other} gives way to seat {taker} (ranks {ranks}, bids {state['bids']})")
    plate_words(harness, state, size, [(s, 36 + s) for s in ((2,) if taker == 2 else (1, 2))],
                f"deal {deal} choice")
    entries = answers(log(harness))
    named = [e for e in entries if e.startswith(f"B{taker}:") and not e.endswith((":I_play", ":Good", ":Continue"))]
    check(bool(named) and (taker == 2 or f"B{other}:Good" in entries),
          f"size {size} deal {deal}: plates show the game of seat {taker} and Good of seat {other}: {entries}")
    click_item(harness, state, 141)
    state = harness.wait(lambda s: s["phase"][0] in (3, 4) and s["waitdepth"][0] == 0, "play after Continue?")
    check(state["phase"][0] == 3 and state["declarer"][0] == taker and state["game"][0] == words[taker] and
          state["parties"][0] == taker,
          f"size {size} deal {deal}: seat {taker} declares its game {words[taker]}: phase {state['phase']}, "
          f"declarer {state['declarer']}, game {state['game']}, parties {state['parties']}")
    print(f"size {size}: deal {deal}: seat bids {state['seatbid']}, ranks {ranks}, seat {taker} plays", flush=True)
    if resize is not None:
        harness.size(size)
        harness.send("delay", DELAY)


def run_auction(harness, size, answer):
    """Required solos on, the human owes one: "I play" of the human and a later seat leads to
    "Required Solo?". During the round's pause "Yes" is refused; then the human answers."""
    harness.send("solos", 0)
    if answer == "No":
        # Seat 3 owes no required solo: it answers No as well, and "Weiter" goes on.
        harness.send("othersolos", 1)
    harness.send("reqcount", 1)
    harness.send("delay", 15)
    state = start_deal(harness, 3, 2, required=1)
    click_item(harness, state, 130)
    state = harness.wait(lambda s: s["waitdepth"][0] == 0 and item(s, 141)["enabled"], "the others' answers",
                         timeout=90)
    click_item(harness, state, 141)
    state = harness.wait(lambda s: s["bphase"][0] == 2 and item(s, 143)["shown"], "Required Solo?")
    check(item(state, 143)["enabled"] and item(state, 144)["enabled"],
          f"size {size}: the human owing a required solo may answer Yes or No")
    if state["waitdepth"][0] > 0:
        bids = state["bids"]
        click_item(harness, state, 143)
        th.answer_box(harness, WAIT_NOTE, "OK")
        state = harness.wait(lambda s: s["waitdepth"][0] == 0, "the auction's pause")
        check(state["bids"] == bids and state["bphase"][0] == 2 and item(state, 143)["enabled"],
              f"size {size}: Yes during the pause changes nothing: bids {bids} -> {state['bids']}")
    else:
        check(False, f"size {size}: the auction showed no pause")
    harness.send("delay", DELAY)
    state = harness.wait(lambda s: s["waitdepth"][0] == 0 and item(s, 142)["enabled"], "Weiter enabled")
    geometry(state, size, "auction")
    prompt_ink(harness, state, size, "auction", "bidbox", 1506)
    if answer == "Yes":
        click_item(harness, state, 143)
        state = harness.wait(lambda s: s["waitdepth"][0] == 0 and s["phase"][0] == 2 and item(s, 139)["shown"],
                             "the game choice after Yes")
        check(state["bids"][0] == 128 and state["bphase"][0] == 16,
              f"size {size}: Yes: the human names the game (bids {state['bids']}, phase {state['bphase']})")
        rows = state["rows"][1:]
        check(2 not in rows, f"size {size}: a required solo offers no Call Game: rows {rows}")
        choose_row(harness, state, rows.index(15))
        state = harness.wait(lambda s: s["rows"][0] == rows.index(15), "Suit Solo chosen")
        click_item(harness, state, 136)
        state = harness.wait(lambda s: item(s, 136)["checked"], "Heart checked")
        click_item(harness, state, 140)
        state = harness.wait(lambda s: s["phase"][0] in (3, 4) and s["waitdepth"][0] == 0, "play after the choice")
        check(state["phase"][0] == 3 and state["declarer"][0] == 0 and state["game"] == [4, 1],
              f"size {size}: the human plays its required Heart Suit Solo: phase {state['phase']}, declarer "
              f"{state['declarer']}, game {state['game']}")
    else:
        click_item(harness, state, 144)
        state = harness.wait(lambda s: s["bids"][0] != 2 and s["waitdepth"][0] == 0 and
                             (item(s, 142)["enabled"] or s["phase"][0] != 2 or s["bphase"][0] != 2),
                             "the others after No")
        entries = answers(log(harness))
        check("B0:No" in entries, f"size {size}: the human's No on its plate: {entries}")
        if answer == "No" and any(e.endswith(":Yes") for e in entries):
            check(False, f"size {size}: a seat owing no required solo answers Yes: {entries}")
        if any(e.endswith(":Yes") for e in entries):
            # A later seat owing its solo answers Yes and plays it.
            seat = int(next(e for e in entries if e.endswith(":Yes"))[1])
            check(state["phase"][0] == 3 and state["parties"][0] == seat and state["bids"][seat] == 128,
                  f"size {size}: seat {seat} plays its required solo after Yes: phase {state['phase']}, "
                  f"parties {state['parties']}, bids {state['bids']}")
        else:
            # Nobody takes a required solo: "Weiter" goes on to the game choice of the seats
            # that said I play, the human first.
            check(state["bids"][0] == 4 and item(state, 142)["enabled"],
                  f"size {size}: No recorded, Weiter enabled ({state['bids']}, {item(state, 142)})")
            click_item(harness, state, 142)
            state = harness.wait(lambda s: s["waitdepth"][0] == 0 and (s["phase"][0] in (3, 4) or
                                                                       item(s, 139)["enabled"]),
                                 "the game choice after Weiter")
            check(state["phase"][0] == 2 and state["bphase"][0] == 8,
                  f"size {size}: Weiter: the human names its game ({state['phase']}/{state['bphase']})")
        print(f"size {size}: auction No: bids {state['bids']}, phase {state['phase']}/{state['bphase']}, "
              f"{answers(log(harness))}", flush=True)
    harness.send("required", 0)


def choose_row(harness, state, target):
    """Steps the game list to the row by the "+" and "-" keys, the table holding the keys."""
    click_item(harness, state, 149)
    time.sleep(0.3)
    current = state["rows"][0]
    key = "plus" if current < target else "minus"
    for _ in range(abs(target - max(current, 0)) + (1 if current < 0 else 0)):
        harness.key(key)
        time.sleep(0.3)


def run_required_due(harness, size):
    """A required solo due at the end of the series: for a computer seat its solo starts at once,
    for the human "What do you play?" offers only solos."""
    harness.send("solos", 0)
    harness.send("reqcount", 1)
    harness.send("series", 1)
    # The human deals: seat 1, the first seat owing a solo, plays it.
    bid_start(harness, 4, 2, required=1)
    th.answer_box(harness, REQUIRED_NOTE, "OK")
    state = harness.wait(lambda s: s["phase"][0] in (3, 4) and s["waitdepth"][0] == 0, "the computer's required solo")
    check(state["phase"][0] == 3 and state["declarer"][0] == 1 and game_bit(state["game"][0]) in SOLO_WORDS and
          state["parties"][0] == 1,
          f"size {size}: seat 1 plays its required solo: phase {state['phase']}, declarer {state['declarer']}, "
          f"game {state['game']}, parties {state['parties']}")
    # Seat 3 deals: the human owes the first solo.
    harness.send("solos", 0)
    bid_start(harness, 1, 2, required=1)
    th.answer_box(harness, REQUIRED_NOTE, "OK")
    state = harness.wait(lambda s: s["phase"][0] == 2 and s["waitdepth"][0] == 0 and item(s, 139)["enabled"],
                         "the human's required solo")
    rows = state["rows"][1:]
    check(2 not in rows and 15 in rows,
          f"size {size}: the required solo offers solos only: rows {rows}")
    choose_row(harness, state, rows.index(15))
    state = harness.wait(lambda s: s["rows"][0] == rows.index(15), "Suit Solo chosen")
    click_item(harness, state, 136)
    state = harness.wait(lambda s: item(s, 136)["checked"], "Heart checked")
    click_item(harness, state, 140)
    state = harness.wait(lambda s: s["phase"][0] in (3, 4) and s["waitdepth"][0] == 0, "play after the choice")
    check(state["phase"][0] == 3 and state["declarer"][0] == 0 and state["game"] == [4, 1],
          f"size {size}: the human plays its required Heart Suit Solo: phase {state['phase']}, declarer "
          f"{state['declarer']}, game {state['game']}")
    harness.send("series", 0)
    harness.send("required", 0)


def run_two_card_call(harness, size, button):
    """Two partner cards, both with the human, nobody plays: the human calls an Ace, plays a
    secret solo or the first-trick game."""
    harness.send("firsttrick", 1)
    state = bid_start(harness, 3, 1)
    state = harness.wait(asked, "the human's question")
    click_item(harness, state, 131)
    state = harness.wait(lambda s: s["waitdepth"][0] == 0 and (item(s, 141)["enabled"] or s["phase"][0] != 1),
                         "the others' answers")
    state = continue_to_play_or(harness, state, lambda s: s["bphase"][0] == 4 and item(s, 140)["shown"],
                                f"size {size} two cards")
    check(state["bphase"][0] == 4 and item(state, 146)["shown"] and item(state, 146)["enabled"] and
          item(state, 147)["shown"] and item(state, 147)["enabled"],
          f"size {size}: the holder of both partner cards is asked for the Ace with Secret solo and 1st Trick "
          f"(phase {state['phase']}/{state['bphase']}, bids {state['bids']})")
    if state["bphase"][0] != 4:
        return
    geometry(state, size, "two-card call")
    prompt_ink(harness, state, size, "two-card call", "choicebox", 1507)
    if button == 140:
        suit = next(n for n in (135, 136, 137, 138) if item(state, n)["enabled"])
        click_item(harness, state, suit)
        state = harness.wait(lambda s: item(s, suit)["checked"], "a suit checked")
    click_item(harness, state, button)
    state = harness.wait(lambda s: s["phase"][0] in (3, 4) and s["waitdepth"][0] == 0, "play after the call")
    summary = (f"phase {state['phase']}, declarer {state['declarer']}, game {state['game']}, called "
               f"{state['called']}, parties {state['parties']}")
    if button == 146:
        check(state["phase"][0] == 3 and state["parties"][0] == -1 and state["called"][0] == -1,
              f"size {size}: Secret solo: no first party, no called Ace: {summary}")
    elif button == 147:
        check(state["phase"][0] == 3 and state["game"][0] == 0x2000 and state["declarer"][0] == 0,
              f"size {size}: 1st Trick: the human declares the first-trick game: {summary}")
    else:
        check(state["phase"][0] == 3 and state["parties"][0] == 0 and state["called"][0] == suit - 135,
              f"size {size}: the human calls the Ace of suit {suit - 135}: {summary}")
    print(f"size {size}: two cards, button {button}: {summary}", flush=True)
    harness.send("firsttrick", 0)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--wine", required=True)
    parser.add_argument("--program", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--pictures", required=True)
    parser.add_argument("--sizes", default="2,0,1")
    parser.add_argument("--checks", default="all", help="comma-separated: first (the first checks), more")
    args = parser.parse_args()
    os.makedirs(args.work, exist_ok=True)
    for name in ("state.txt", "command.txt", "bidlog.txt", "windows.txt"):
        try:
            os.remove(os.path.join(args.work, name))
        except OSError:
            pass
    os.environ.setdefault("SCHAFKOPF_HARNESS_DIR", "Z:" + os.path.abspath(args.work).replace("/", "\\"))
    harness = th.Harness(args)
    try:
        harness.wait(lambda s: "schafkopf" in s, "the table", timeout=120)
        checks = args.checks.split(",")
        for index, size in enumerate(int(s) for s in args.sizes.split(",")):
            harness.size(size)
            harness.send("delay", DELAY)
            harness.send("bidrec", 1)
            if "all" in checks or "first" in checks:
                run_german_call(harness, size)
                run_human_deals(harness, size)
                run_call_ace(harness, size, 3)
                run_fixed_partners(harness, size)
                run_two_cards(harness, size)
            if "all" in checks or "more" in checks:
                # Each size shows every group; the variants of an answer spread over the sizes.
                run_call_ace(harness, size, 5, "bdeal")
                run_stock(harness, size)
                run_auction(harness, size, ("Yes", "No", "Yes")[index % 3])
                run_two_card_call(harness, size, (146, 147, 140)[index % 3])
                # The first size changes to the next while "Continue?" waits.
                following = [int(s) for s in args.sizes.split(",")][index + 1:]
                run_computer_choice(harness, size, (1, 2, 1)[index % 3], following[0] if following and index == 0 else None)
                if index == 0:
                    run_good(harness, size)
                    run_required_due(harness, size)
    finally:
        harness.close()
    if th.failures:
        print(f"{len(th.failures)} checks failed", flush=True)
        sys.exit(1)
    print("all checks passed", flush=True)


if __name__ == "__main__":
    main()
