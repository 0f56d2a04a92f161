#!/usr/bin/env python3
"""A whole Schafkopf series at the drawn table, by real X input on the harness program.

The series ends after two games and is dealt from fixed hands (the controller's keep-cards
deal): first a Call Game the human declares, then a solo of a computer seat. The player deals
with a click on the table, answers the questions with the buttons and the keys, plays cards by
single click, and with single-click play off by double click, by dragging the card to the
middle and by the keys (Ctrl+H picks the card, Return plays it); tries a card that does not
follow suit and reads the refusal; puts tricks away by the button, a right click and Return;
opens the Last Trick window from a trick stack. After each game the bill and every seat's money
must equal a reference worked out here from the tariff (Call Game 10 to each winner, a solo 50,
three times for the soloist, Schneider and Schwarz 10 each, each doubling doubles) and the
trick record the table published; the four amounts sum to 0, the result panel shows the bill's
sum, the human's player box the human's total, and the cash stays as it was. New Deal after the
second game shows "The End" with the places by the totals, and a new table opens. Run at table
sizes 0, 1 and 2, with screenshots of every phase: cards at their places as their pictures,
texts inside their boxes and clear of each other.
"""
import argparse
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import table_harness as th  # noqa: E402

check = th.check
centre = th.centre
DELAY = 1  # tenths of a second between the computer seats' cards
TABLE_PANEL_SLOT = 16  # the room panel's slot, which shares the table's window

# The fixed deals of the harness program (hands by seat), the dealer being the human.
CALL_DEAL, CALL_HANDS = 5, ([29, 21, 13, 28, 20, 16, 1, 17], [2, 3, 6, 7, 18, 19, 22, 23],
                            [12, 15, 10, 9, 8, 25, 26, 30], [5, 4, 14, 11, 24, 27, 31, 32])
SOLO_DEAL, SOLO_HANDS = 6, ([15, 9, 17, 18, 22, 25, 26, 31], [1, 2, 3, 6, 7, 8, 10, 11],
                           [29, 21, 13, 5, 28, 20, 12, 16], [4, 14, 19, 23, 24, 27, 30, 32])

REFUSAL = "This card cannot be played. You must follow suit!"
CLAIM = "I get all rest cards. Give you up?"
SAVE_QUESTION = "Should I save the current game?"
CALL_GAME, CALL_ROW = 1, 2
# Card points by rank step (code - 1) mod 8: Seven, Eight, Nine, Unter, Ober, King, Ten, Ace.
RANK_POINTS = (0, 0, 0, 2, 3, 4, 10, 11)
UNTER, OBER = 3, 4
# The tariff (hundredths): the game, Schneider and Schwarz for partner games and solos.
TARIFF = {"call": (10, 10, 10), "solo": (50, 10, 10)}


def card_points(card):
    return RANK_POINTS[(card - 1) % 8]


def group(card, word, trump_suit):
    """The card's suit group under the game: 4 for a trump, else its suit (None: not known)."""
    step, suit = (card - 1) % 8, (card - 1) // 8
    bits = word & 0x23fff
    if bits in (1, 2, 4):  # Call Game and the suit solos: Obers, Unters and the trump suit
        trump = step in (UNTER, OBER) or suit == trump_suit
    elif bits == 8:  # Unter solo
        trump = step == UNTER
    elif bits == 16:  # Ober solo
        trump = step == OBER
    elif bits == 32:
        trump = step == UNTER or suit == trump_suit
    elif bits == 64:
        trump = step == OBER or suit == trump_suit
    else:
        return None
    return 4 if trump else suit


def legal_cards(hand, led, word, trump_suit):
    cards = [c for c in hand if c]
    if not led:
        return cards
    wanted = group(led, word, trump_suit)
    same = [c for c in cards if group(c, word, trump_suit) == wanted]
    return same or cards


def reference(tricks, declaring, solo, announcements, bock=False):
    """The bill and the four seats' money as the tariff makes them from the trick record.
    declaring: the seats of the declaring party; bock: a bock game, which doubles once more."""
    points = [0, 0, 0, 0]
    taken = [0, 0, 0, 0]
    for cards, _, winner in tricks:
        points[winner] += sum(card_points(c) for c in cards)
        taken[winner] += 1
    party = sum(points[s] for s in declaring)
    won = party >= 61
    losers = [s for s in range(4) if (s in declaring) != won]
    loser_points = 120 - party if won else party
    base, schneider, schwarz = TARIFF["solo" if solo else "call"]
    items = [(0, base)]
    value = base
    if loser_points <= 30:  # the losing party stays below 31: Schneider
        items.append((4, schneider))
        value += schneider
    if sum(taken[s] for s in losers) == 0:
        items.append((5, schwarz))
        value += schwarz
    for kind in announcements:
        items.append(({0: 7, 1: 6, 8: 14, 9: 15}[kind], value))
        value *= 2
    if bock:
        items.append((17, value))
        value *= 2
    money = []
    for seat in range(4):
        sign = 1 if (seat in declaring) == won else -1
        factor = 3 if solo and seat in declaring else 1
        money.append(sign * factor * value)
    return {"points": points, "party": party, "won": won, "value": value, "items": items, "money": money}


class Series:
    def __init__(self, harness, size):
        self.h = harness
        self.size = size
        self.play_ways = ["single", "double", "drag", "keys"]
        self.put_ways = ["button", "right", "return"]
        self.played = 0
        self.put = 0
        self.refused = False
        self.claims = 0
        self.last_trick_checked = False
        self.shot = 0

    # ---- small helpers ------------------------------------------------------------------

    def state(self):
        return self.h.state()

    def origin(self):
        return self.state()["origin"]

    def point(self, rect):
        o = self.origin()
        x, y = centre(rect)
        return o[0] + x, o[1] + y

    def click_until(self, point, condition, what, tries=3):
        """A click, repeated while nothing follows from it: without a window manager the first
        click after another window was active can go to the activation alone."""
        for attempt in range(tries):
            if attempt:
                print(f"note: {what}: clicked again", flush=True)
            self.h.click(*point)
            end = time.time() + 5
            while time.time() < end:
                s = self.state()
                if s and condition(s):
                    return s
                time.sleep(0.2)
        return self.h.wait(condition, what, timeout=5)

    def click_box_until(self, point, condition, what, tries=3):
        """As click_until, on a box whose outcome shows in the program's windows."""
        for attempt in range(tries):
            if attempt:
                print(f"note: {what}: clicked again", flush=True)
            self.h.click(*point)
            end = time.time() + 5
            while time.time() < end:
                view = th.read_windows(self.h)
                if view and condition(view):
                    return view
                time.sleep(0.2)
        return th.wait_windows(self.h, condition, what, timeout=5)

    def answer_box(self, text, button):
        """Waits for the box with the text and clicks its button until the box is gone."""
        box = th.wait_windows(self.h, lambda v: th.find_box(v, text), f'size {self.size}: the box "{text}"')
        control = next((c for c in box["controls"] if c["kind"] == "Button" and
                        c["text"].replace("&", "") == button), None)
        if not control:
            sys.exit(f'size {self.size}: the box "{text}" has no button {button}')
        self.click_box_until(centre(control["rect"]), lambda v: th.find_box(v, text) is None,
                             f'size {self.size}: the box "{text}" answered {button}')

    def click_at(self, rect, button=1, repeat=1):
        o = self.origin()
        x, y = centre(rect)
        self.h.click(o[0] + x, o[1] + y, button=button, repeat=repeat)

    def keys(self):
        return "".join(chr(c) for c in self.state()["keys"])

    def screenshot(self, phase):
        """A screenshot of the phase, kept in the work folder under its name."""
        self.shot += 1
        path = os.path.join(self.h.args.work, f"size{self.size}-{self.shot:02d}-{phase}.png")
        subprocess.run(["import", "-window", "root", path], check=True)
        return th.Screen(path)

    def rest(self, condition, what, timeout=60):
        """Waits until no nested wait runs and the condition holds on two looks in a row."""
        last = None
        end = time.time() + timeout
        while time.time() < end:
            s = self.state()
            if not (s and s["waitdepth"][0] == 0 and condition(s)):
                self.answer_claim()
                if self.h.process.poll() is not None:
                    sys.exit(f"the program ended while waiting for {what}")
                time.sleep(0.2)
                continue
            key = (s["phase"][0], s["waiting"][0], tuple(s["trickcards"]), tuple(s["hand0"]), s["bphase"][0])
            if key == last:
                return s
            last = key
            time.sleep(0.3)
        sys.exit(f"size {self.size}: the table did not rest: {what}")

    def answer_claim(self):
        """A computer seat that holds the rest claims it by a question box; the human does not
        give up, so the game is played to its last trick."""
        view = th.read_windows(self.h)
        if not view or not th.find_box(view, CLAIM):
            return
        self.claims += 1
        self.screenshot("claim")
        self.answer_box(CLAIM, "Cancel")
        self.give_table_the_keyboard()

    def texts(self, since=0, slot=None):
        """The texts drawn into a window (the table's unless a slot is given) after the given
        number."""
        if slot is None:
            slot = self.state()["tableslot"][0]
        try:
            with open(os.path.join(self.h.args.work, "texts.txt"), encoding="cp1252", errors="replace") as f:
                rows = [line.split("\t") for line in f.read().split("\n") if line]
        except OSError:
            return []
        out = []
        for fields in rows:
            if len(fields) < 5 or int(fields[1]) != slot or int(fields[0]) <= since:
                continue
            out.append({"seq": int(fields[0]), "paint": int(fields[2]),
                        "box": [int(v) for v in fields[3].split()], "text": fields[4]})
        return out

    def text_mark(self):
        rows = self.texts(0)
        return rows[-1]["seq"] if rows else 0

    def names(self):
        with open(os.path.join(self.h.args.work, "names.txt"), encoding="cp1252", errors="replace") as f:
            return f.read().split("\n")[:4]

    def view(self):
        return th.read_windows(self.h) or {"windows": [], "bar": {}, "items": {}, "popup": None}

    # ---- dealing and bidding ------------------------------------------------------------

    def deal(self, number, hands, first):
        """Prepares the fixed deal and deals it: the first game by a click on the table, the
        next by the New Deal button on the closing picture."""
        self.h.send("deal", number)
        s = self.state()
        if first:
            check(s["phase"][0] == 0, f"size {self.size}: a new table waits for a click (phase {s['phase']})")
            o = s["origin"]
            self.click_until((o[0] + 5, o[1] + 40), lambda s: s["keep"][0] == 0, f"size {self.size}: the deal by a click")
        else:
            check(s["button116"][0] == 1 and s["button116"][1] == 1,
                  f"size {self.size}: New Deal is not offered after the game ({s['button116']})")
            self.click_until(self.point(s["button116"][2:]), lambda s: s["keep"][0] == 0,
                             f"size {self.size}: the deal by New Deal")
        self.h.wait(lambda s: s["keep"][0] == 0 and s["phase"][0] in (1, 2, 3), f"size {self.size}: the deal")
        s = self.rest(lambda s: s["phase"][0] == 1 and (bh_item(s, 130)["enabled"] or bh_item(s, 131)["enabled"]),
                      f"size {self.size}: the asking reaches the human")
        check(sorted(s["hand0"]) == sorted(hands[0]),
              f"size {self.size}: the human holds {s['hand0']}, not the fixed hand {hands[0]}")
        return s

    def call_game(self, s):
        """The human's answer by button: I play; the Call Game by the list's keys; the suit by
        a button; Ready by Return."""
        self.check_own_cards("asking", s, "the asking")
        self.click_at(bh_item(s, 130)["rect"])
        s = self.rest(lambda s: s["phase"][0] == 2 and bh_item(s, 139)["enabled"], f"size {self.size}: the game choice")
        rows = s["rows"][1:]
        check(CALL_ROW in rows, f"size {self.size}: the list offers no Call Game: {rows}")
        self.screenshot("choice")
        # The keys go to the table after a click on the prompt (no control lies there).
        self.click_at(bh_item(s, 149)["rect"])
        time.sleep(0.3)
        target = rows.index(CALL_ROW)
        plus = chr(s["keys"][16])
        current = s["rows"][0]
        for _ in range(target - max(current, 0) + (1 if current < 0 else 0)):
            self.h.key(key_name(plus))
            time.sleep(0.3)
        s = self.h.wait(lambda s: s["rows"][0] == target, f"size {self.size}: the Call row by keys")
        self.click_at(bh_item(s, 140)["rect"])
        s = self.rest(lambda s: s["bphase"][0] == 4 and bh_item(s, 140)["shown"], f"size {self.size}: the call of an Ace")
        self.screenshot("call")
        suits = [n for n in (135, 136, 137, 138) if bh_item(s, n)["enabled"]]
        check(suits, f"size {self.size}: no suit may be called")
        self.click_at(bh_item(s, suits[0])["rect"])
        s = self.h.wait(lambda s: bh_item(s, suits[0])["checked"], f"size {self.size}: the suit checked")
        # The clicked button keeps the keys: a click on the box where no control lies gives
        # them back to the table.
        box = s["choicebox"]
        o = s["origin"]
        self.h.click(o[0] + box[0] + 4, o[1] + box[1] + 4)
        time.sleep(0.3)
        self.h.key("Return")
        s = self.rest(lambda s: s["phase"][0] == 3, f"size {self.size}: play after the call (Ready by Return)")
        check(s["parties"][0] == 0 and s["game"][0] & 0x23fff == CALL_GAME,
              f"size {self.size}: the human declares the Call Game (parties {s['parties']}, game {s['game']})")
        return s

    def let_solo(self, s):
        """The human answers No by its key and goes on with Return; a computer seat's solo."""
        keys = s["keys"]
        self.check_own_cards("asking-solo", s, "the second asking")
        self.h.key(key_name(chr(keys[7])))
        s = self.rest(lambda s: s["bids"][0] != 0 or s["phase"][0] != 1, f"size {self.size}: No by key")
        check(s["bids"][0] == 1 or s["phase"][0] != 1, f"size {self.size}: the key No gave the answer {s['bids']}")
        for _ in range(6):
            if s["phase"][0] in (3, 4):
                break
            before = (s["phase"][0], s["bphase"][0])
            self.h.key("Return")
            s = self.rest(lambda s: (s["phase"][0], s["bphase"][0]) != before, f"size {self.size}: Continue by Return")
        s = self.rest(lambda s: s["phase"][0] == 3, f"size {self.size}: the solo is played")
        check(s["parties"][0] not in (-1, 0) and s["game"][0] & 0x23fff not in (0, CALL_GAME),
              f"size {self.size}: a computer seat declares a solo (parties {s['parties']}, game {s['game']})")
        return s

    # ---- play ----------------------------------------------------------------------------

    def human_turn(self, s):
        """Play, no trick waiting, and every seat from the trick's leader up to the human has
        played (the human leads: nobody has)."""
        if s["phase"][0] != 3 or s["waiting"][0] != 0:
            return False
        cards, leader = s["trickcards"], s["trickleader"][0]
        if cards[0]:
            return False
        return all(cards[seat] for seat in range(leader, 4)) if leader else not any(cards)

    def play_game(self, s, hands):
        word, trump = s["game"][0], s["game"][1]
        for _ in range(40):
            s = self.rest(lambda s: s["phase"][0] != 3 or s["waiting"][0] == 1 or self.human_turn(s),
                          f"size {self.size}: the human's turn or a finished trick")
            if s["phase"][0] != 3:
                break
            if s["waiting"][0] == 1:
                self.put_away(s)
            else:
                self.play_card(s, word, trump)
        return self.rest(lambda s: s["phase"][0] == 4, f"size {self.size}: the game's end")

    def play_card(self, s, word, trump):
        hand = [c for c in s["hand0"] if c]
        leader = s["trickleader"][0]
        led = s["trickcards"][leader] if s["trickcards"][leader] else 0
        legal = legal_cards(hand, led, word, trump)
        wrong = [c for c in hand if c not in legal]
        if not self.refused and wrong:
            self.refuse(s, wrong[0])
            s = self.state()
        way = self.play_ways[self.played % len(self.play_ways)]
        self.played += 1
        self.h.send("click", 1 if way == "single" else 0)
        card = legal[0]
        if way == "keys":
            self.h.key("ctrl+h")
            s = self.h.wait(lambda s: s["selection"][0] in hand, f"size {self.size}: Ctrl+H selects a card of the hand")
            card = s["selection"][0]
            check(card in legal, f"size {self.size}: Ctrl+H picked {card}, which may not be played (legal {legal})")
            self.h.key("Return")
        else:
            rect = self.card_rect(s, card)
            if way == "single":
                self.click_at(rect)
            elif way == "double":
                self.click_at(rect, repeat=2)
            else:
                self.drag(rect, s["trick2"])
        self.h.wait(lambda s: s["trickcards"][0] == card or s["phase"][0] != 3 and card not in s["hand0"],
                    f"size {self.size}: card {card} played by {way}")

    def card_rect(self, s, card):
        index = s["hand0"].index(card)
        return s[f"own{index}"]

    def drag(self, rect, target):
        o = self.origin()
        x, y = centre(rect)
        tx, ty = centre(target)
        subprocess.run(["xdotool", "mousemove", str(o[0] + x), str(o[1] + y), "mousedown", "1"], check=True)
        for i in range(1, 6):
            subprocess.run(["xdotool", "mousemove", str(o[0] + x + (tx - x) * i // 5), str(o[1] + y + (ty - y) * i // 5)],
                           check=True)
            time.sleep(0.05)
        subprocess.run(["xdotool", "mouseup", "1"], check=True)

    def refuse(self, s, card):
        """A card that does not follow suit: the refusal's box, and the card stays in the hand."""
        self.refused = True
        self.h.send("click", 1)
        self.click_at(self.card_rect(s, card))
        box = th.wait_windows(self.h, lambda v: th.find_box(v, REFUSAL), f'size {self.size}: the box "{REFUSAL}"')
        self.screenshot("refusal")
        check(box is not None, f"size {self.size}: no refusal for card {card}")
        self.answer_box(REFUSAL, "OK")
        s = self.state()
        check(card in s["hand0"] and s["trickcards"][0] == 0 and s["phase"][0] == 3,
              f"size {self.size}: the refused card {card} left the hand or the game ({s['hand0']}, {s['trickcards']})")
        self.give_table_the_keyboard()

    def give_table_the_keyboard(self):
        """A click where the table has nothing, until the table has the keys again: without a
        window manager a click that races the activation of another window can be lost."""
        for _ in range(3):
            s = self.state()
            self.h.click(*self.free_point(s))
            end = time.time() + 5
            while time.time() < end:
                if self.state()["focused"][1] == 1:
                    time.sleep(0.2)
                    return
                time.sleep(0.2)
        check(False, f"size {self.size}: the table did not take the keys back")

    def put_away(self, s):
        way = self.put_ways[self.put % len(self.put_ways)]
        self.put += 1
        trick = list(s["trickcards"])
        self.check_trick(f"trick-{way}", s)
        if way == "button":
            check(s["button115"][0] == 1 and s["button115"][1] == 1,
                  f"size {self.size}: Put Away is not offered ({s['button115']})")
            self.click_at(s["button115"][2:])
        elif way == "right":
            self.h.click(*self.free_point(s), button=3)
        else:
            self.give_table_the_keyboard()
            self.h.key("Return")
        s = self.rest(lambda s: s["waiting"][0] == 0 or s["phase"][0] != 3,
                      f"size {self.size}: the trick put away by {way}")
        check(s["trickcards"] != trick or s["phase"][0] == 4,
              f"size {self.size}: after Put Away by {way} the trick {trick} still lies ({s['trickcards']})")
        if not self.last_trick_checked and s["phase"][0] == 3:
            self.last_trick_checked = True
            self.open_last_trick(s, trick)

    def open_last_trick(self, s, trick):
        """A click on a trick stack opens the Last Trick window, which shows the trick just put
        away, each card as its picture, the seats' names under them."""
        stack = next((s[f"stack{e}"] for e in range(4) if s[f"stack{e}"][2] > s[f"stack{e}"][0]), None)
        if not check(stack is not None, f"size {self.size}: no trick stack to click"):
            return
        self.click_at(stack)
        s = self.h.wait(lambda s: s["lasttrickwin"][0] == 1, f"size {self.size}: the Last Trick window")
        time.sleep(0.6)
        th.check_last_trick(self.h, self.size, trick, f"size {self.size} Last Trick")
        self.screenshot("last-trick")
        # Closed again, as by its close box: on a small screen it stands over the table.
        self.h.send("close", 1)
        self.h.wait(lambda s: s["lasttrickwin"][0] == 0, f"size {self.size}: the Last Trick window closed")
        self.give_table_the_keyboard()

    # ---- pixels and texts ----------------------------------------------------------------

    def check_own_cards(self, phase, s, what):
        cards = [(s[f"own{i}"], code, f"size {self.size} {what}: own card {i}")
                 for i, code in enumerate(s["hand0"]) if code]
        return self.check_cards(phase, cards)

    def check_trick(self, phase, s):
        seats = {0: 2, 1: 1, 2: 0, 3: 3}
        cards = [(s[f"trick{place}"], s["trickcards"][seats[place]], f"size {self.size} trick place {place}")
                 for place in range(4) if s["trickcards"][seats[place]]]
        return self.check_cards(phase, cards)

    def check_cards(self, phase, cards):
        """Each card as its picture at its place, except where another window of the program
        stands over the table. A card still on its way or a place not yet repainted differs
        for a moment only: the screen is looked at again until it agrees or stays as it was."""
        last = None
        for attempt in range(6):
            if attempt:
                time.sleep(0.5)
            s = self.state()
            screen = self.screenshot(phase)
            covered = self.covered(s)
            wrong = [(what, card_difference(self.h, screen, s["origin"], self.size, rect, code, covered))
                     for rect, code, what in cards]
            if all(count == 0 for _, count in wrong) or wrong == last:
                break
            last = wrong
        for what, count in wrong:
            if count is None:
                check(False, f"{what}: the place is not the size of the card's picture ({phase})")
            else:
                check(count == 0, f"{what}: {count} pixels differ from the card's picture ({phase}, "
                                  f"screenshot {self.shot:02d})")
        return screen

    def covered(self, s):
        """The parts of the table, in its client coordinates, under the program's other windows
        (side windows such as a claimant's open cards stand over the table on a small screen)."""
        o = s["origin"]
        own = {s["tableslot"][0], TABLE_PANEL_SLOT}
        rects = []
        for window in self.view()["windows"]:
            if window["kind"] == "#32770" and window.get("slot") not in own:
                r = window["rect"]
                rects.append([r[0] - o[0], r[1] - o[1], r[2] - o[0], r[3] - o[1]])
        return rects

    def free_point(self, s):
        """A point of the table where it draws nothing the player could click and no other
        window covers it: a click there only gives the table the keys, a right click puts a
        trick away."""
        client = s["client"]
        taken = self.covered(s) + [s[name] for name in s if name.startswith(
            ("own", "trick", "stack", "seat", "plate", "area")) and len(s[name]) == 4]
        taken += [s["statusbar"], s["corner"], s["closing"]]
        for y in range(3, client[3] // 2, 12):
            for x in (3, client[2] // 2, client[2] - 4):
                if not any(th.inside(r, x, y) for r in taken):
                    return s["origin"][0] + x, s["origin"][1] + y
        return s["origin"][0] + 3, s["origin"][1] + 3

    def check_text_layout(self, since, what):
        """Texts drawn on the table since the mark: inside the client area, those touching the
        status bar inside it, and no two different texts of one paint overlapping."""
        s = self.state()
        client, bar, panel = s["client"], s["statusbar"], s["closing"]
        rows = self.texts(since)
        for t in rows:
            b = t["box"]
            check(0 <= b[0] and b[2] <= client[2] and 0 <= b[1] and b[3] <= client[3] + 1,
                  f"size {self.size} {what}: the text {t['text']!r} at {b} leaves the table")
            on_panel = s["phase"][0] == 4 and panel[0] <= b[0] and b[2] <= panel[2] and panel[1] <= b[1] and \
                b[3] <= panel[3]
            if th.intersects(b, bar) and not on_panel:
                check(bar[1] <= b[1] and b[3] <= bar[3] + 1 and b[2] <= bar[2],
                      f"size {self.size} {what}: the text {t['text']!r} at {b} leaves the status bar {bar}")
        # The texts of the latest whole painting, one per place.
        last_paint = max((t["paint"] for t in rows), default=-1)
        latest = {}
        for t in rows:
            if t["paint"] == last_paint:
                latest[tuple(t["box"][:2])] = t
        shown = list(latest.values())
        for i, a in enumerate(shown):
            for b in shown[i + 1:]:
                if a["text"].strip() and b["text"].strip() and th.intersects(a["box"], b["box"]):
                    check(False, f"size {self.size} {what}: the texts {a['text']!r} {a['box']} and "
                                 f"{b['text']!r} {b['box']} overlap")
        return rows

    # ---- the game's end --------------------------------------------------------------------

    def settle(self, s, hands, solo, mark, cash, totals_before):
        """The bill and the money against the reference from the trick record."""
        flat = s["tricks"]
        tricks = [(flat[i:i + 4], flat[i + 4], flat[i + 5]) for i in range(0, len(flat), 6)]
        check(len(tricks) == 8, f"size {self.size}: the trick record holds {len(tricks)} tricks, not 8")
        dealt = sorted(c for cards, _, _ in tricks for c in cards)
        check(dealt == list(range(1, 33)), f"size {self.size}: the trick record does not hold the 32 cards once each")
        for cards, _, _ in tricks:
            for seat in range(4):
                check(cards[seat] in hands[seat], f"size {self.size}: seat {seat} played {cards[seat]}, not its card")
        declarer = s["parties"][0]  # the first party's first seat
        if solo:
            declaring = [declarer]
        else:
            called = next(seat for seat in range(1, 4) if any(
                c in hands[seat] and (c - 1) % 8 == 7 and (c - 1) // 8 == s["called"][0] for c in hands[seat]))
            declaring = [declarer, called]
        flat_ann = s["announcements"][1:]
        kinds = [flat_ann[i] for i in range(0, len(flat_ann), 2)]
        bill, items = s["bill"], s["billitems"]
        bock = any(items[i] & 0xff == 17 for i in range(0, len(items), 2))
        ref = reference(tricks, declaring, solo, kinds, bock)
        got_items = [(items[i] & 0xff, items[i + 1]) for i in range(0, len(items), 2)]
        winners = sorted(seat for seat in range(4) if (seat in declaring) == ref["won"])
        check(bill[6] == ref["value"] and got_items == ref["items"],
              f"size {self.size}: the bill is {bill[6]} with items {got_items}, the tariff gives {ref['value']} "
              f"with {ref['items']} (party points {ref['party']}, declaring {declaring})")
        check(sorted(v for v in bill[1:4] if v >= 0) == winners,
              f"size {self.size}: the bill lists {bill[1:4]}, the winners are {winners}")
        values = s["lastvalues"]
        check(values == ref["money"], f"size {self.size}: the seats' money is {values}, the tariff gives {ref['money']}")
        check(sum(values) == 0, f"size {self.size}: the seats' money {values} does not sum to 0")
        totals = s["totals"][1:]
        check(totals == [a + b for a, b in zip(totals_before, ref["money"])],
              f"size {self.size}: the totals are {totals} after {totals_before} and {ref['money']}")
        check(s["cash"] == cash, f"size {self.size}: the cash moved from {cash} to {s['cash']}")
        # The result panel: the bill's sum drawn on the line of "Sum:", each text in its place.
        time.sleep(0.5)
        self.screenshot("result")
        rows = self.check_text_layout(mark, "result panel")
        texts = [t["text"].strip() for t in rows]
        check(any(t.startswith("Sum:") for t in texts), f"size {self.size}: the result panel shows no sum: {texts}")
        sums = [t for t in rows if t["text"].strip().startswith("Sum:")]
        if sums:
            line = sums[-1]["box"]
            beside = [t["text"].strip() for t in rows if abs(t["box"][3] - line[3]) <= 2 and t["box"][0] > line[0]]
            check(str(ref["value"]) in beside, f"size {self.size}: the sum line shows {beside}, not {ref['value']}")
        check(any(t.startswith(("Won:", "Lost:")) for t in texts),
              f"size {self.size}: the result panel names no winner: {texts}")
        return ref

    def player_box(self, total):
        """The human's player box shows the human's total as its balance."""
        s = self.state()
        mark = self.text_mark()
        self.click_at(s["area4"])
        s = self.h.wait(lambda s: s["box"][0] == 1 and s["box"][1] == 4, f"size {self.size}: the human's player box")
        time.sleep(0.5)
        self.screenshot("player-box")
        box = s["box"][2:]
        rows = self.texts(mark)
        balance = [t for t in rows if t["text"].startswith("Current Balance:")]
        if check(balance, f"size {self.size}: the player box shows no balance: {[t['text'] for t in rows]}"):
            text = balance[-1]["text"].split(":", 1)[1].strip()
            check(text == str(total), f"size {self.size}: the player box shows the balance {text!r}, not {total}")
        for t in rows:
            b = t["box"]
            if th.intersects(b, box):  # the box's own texts, not the clock's
                check(box[0] <= b[0] and b[2] <= box[2] and box[1] <= b[1] and b[3] <= box[3],
                      f"size {self.size}: the text {t['text']!r} at {b} leaves the player box {box}")
        self.h.click(*self.free_point(s))
        self.h.wait(lambda s: s["box"][0] == 0, f"size {self.size}: the player box hidden")

    def the_end(self, totals):
        """New Deal after the last game: "The End" with the places by the totals, then a new
        table."""
        s = self.state()
        self.click_at(s["button116"][2:])
        names = self.names()
        ranked = sorted(totals, reverse=True)

        def end_box(view):
            for window in view["windows"]:
                shown = [c["text"].strip() for c in window["controls"]]
                if window["kind"] == "#32770" and sum(1 for t in shown if t in names) >= 3:
                    return window
            return None

        window = th.wait_windows(self.h, end_box, f'size {self.size}: "The End" with three names', timeout=30)
        self.screenshot("the-end")
        shown = sorted((c["rect"][1], c["rect"][0], c["text"].strip()) for c in window["controls"]
                       if c["text"].strip() in names)
        places = [totals[names.index(text)] for _, _, text in shown[:3]]
        check(places == ranked[:3],
              f"size {self.size}: \"The End\" shows {[t for _, _, t in shown]} in this order; by the totals "
              f"{totals} of {names} the first three places have {ranked[:3]}")
        # The picture above the names is a button too: the one to press is OK.
        button = next((c for c in window["controls"] if c["kind"] == "Button" and
                       c["text"].replace("&", "").strip() == "OK"), None)
        if check(button is not None, f'size {self.size}: "The End" has no OK button'):
            self.click_box_until(centre(button["rect"]), lambda v: not end_box(v) or th.find_box(v, SAVE_QUESTION),
                                 f'size {self.size}: "The End" closed by OK')
        # The finished series is still unsaved: the new table asks first, and No drops it.
        th.wait_windows(self.h, lambda v: th.find_box(v, SAVE_QUESTION), f'size {self.size}: "{SAVE_QUESTION}"')
        box = th.find_box(self.view(), SAVE_QUESTION)
        self.screenshot("save-question")
        no = next(c for c in box["controls"] if c["kind"] == "Button" and c["text"].replace("&", "") == "No")
        self.click_box_until(centre(no["rect"]), lambda v: th.find_box(v, SAVE_QUESTION) is None,
                             f'size {self.size}: "{SAVE_QUESTION}" answered No')
        s = self.h.wait(lambda s: s["phase"][0] == 0 and s["totals"][0] == 0,
                        f"size {self.size}: a new table after the series", timeout=30)
        return s

    # ---- the series ------------------------------------------------------------------------

    def run(self):
        h = self.h
        h.size(self.size)
        h.send("delay", DELAY)
        h.send("bidrec", 1)  # also closes the start's welcome note
        h.send("dump", 0)
        for word, value in (("mode", 2), ("pot", 0), ("required", 0), ("tout", 0), ("series", 2), ("click", 1)):
            h.send(word, value)
        s = self.state()
        cash = s["cash"]
        totals = s["totals"][1:]
        check(s["totals"][0] == 0, f"size {self.size}: the series starts with {s['totals'][0]} games")

        s = self.deal(CALL_DEAL, CALL_HANDS, True)
        s = self.call_game(s)
        mark = self.text_mark()
        s = self.play_game(s, CALL_HANDS)
        ref = self.settle(s, CALL_HANDS, False, mark, cash, totals)
        totals = [a + b for a, b in zip(totals, ref["money"])]
        self.player_box(totals[0])
        check(self.refused, f"size {self.size}: the human never held a card that did not follow suit")

        s = self.deal(SOLO_DEAL, SOLO_HANDS, False)
        s = self.let_solo(s)
        mark = self.text_mark()
        s = self.play_game(s, SOLO_HANDS)
        # After the first trick the soloist holds the six highest trumps and the Herz Ace against
        # six lower trumps: it takes every trick left and says so.
        check(self.claims == 1, f"size {self.size}: the soloist claimed the rest {self.claims} times, not once")
        ref = self.settle(s, SOLO_HANDS, True, mark, cash, totals)
        totals = [a + b for a, b in zip(totals, ref["money"])]
        self.player_box(totals[0])
        check(self.last_trick_checked, f"size {self.size}: the Last Trick window was never opened")
        check(self.played >= 4 and self.put >= 3, f"size {self.size}: not every way of play was used")
        self.the_end(totals)
        print(f"size {self.size}: the series of two games ends with the totals {totals}", flush=True)


def card_difference(harness, screen, origin, size, rect, code, covered):
    """How many pixels of the card's place differ from its picture (None: the place is not
    the picture's size), leaving out the covered parts."""
    width, height = rect[2] - rect[0], rect[3] - rect[1]
    picture = th.read_bmp(os.path.join(harness.args.work, f"card{th.card_set(size, width, height)}_"
                                                          f"{th.picture_code(code)}.bmp"))
    if len(picture) != height or len(picture[0]) != width:
        return None
    wrong = 0
    for y, row in enumerate(picture):
        for x, colour in enumerate(row):
            cx, cy = rect[0] + x, rect[1] + y
            if any(th.inside(r, cx, cy) for r in covered):
                continue
            if screen.at(origin[0] + cx, origin[1] + cy) != colour:
                wrong += 1
    return wrong


def bh_item(state, number):
    values = state.get(f"item{number}")
    return None if values is None else {"shown": values[0], "enabled": values[1], "checked": values[2],
                                        "rect": values[3:7]}


def key_name(char):
    return {"+": "plus", "-": "minus"}.get(char, char)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--wine", required=True)
    parser.add_argument("--program", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--pictures", required=True)
    parser.add_argument("--sizes", default="0,1,2")
    parser.add_argument("--screen", help="a virtual screen of its own, e.g. 1024x768, with a Wine prefix and a "
                                         "program folder of its own: runs of several sizes then go side by side "
                                         "(the program runs once per Wine server and keeps its preferences beside "
                                         "itself)")
    args = parser.parse_args()
    os.makedirs(args.work, exist_ok=True)
    screen = th.own_screen(args.screen) if args.screen else None
    prefix = th.own_prefix(args.work) if args.screen and os.environ.get("WINEPREFIX") else None
    if args.screen:
        args.program = th.own_program(args.program, args.work)
    try:
        run(args)
    finally:
        if prefix:
            subprocess.run(["wineserver", "-k"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if screen:
            screen.terminate()
            screen.wait()


def run(args):
    os.makedirs(args.work, exist_ok=True)
    for name in os.listdir(args.work):
        if name.endswith((".txt", ".png", ".tmp")):
            os.remove(os.path.join(args.work, name))
    os.environ.setdefault("SCHAFKOPF_HARNESS_DIR", "Z:" + os.path.abspath(args.work).replace("/", "\\"))
    harness = th.Harness(args)
    try:
        harness.wait(lambda s: "schafkopf" in s, "the table", timeout=120)
        for size in [int(v) for v in args.sizes.split(",")]:
            Series(harness, size).run()
    finally:
        harness.close()
    if th.failures:
        print(f"{len(th.failures)} checks failed", flush=True)
        sys.exit(1)
    print("all checks passed", flush=True)


if __name__ == "__main__":
    main()
