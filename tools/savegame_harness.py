#!/usr/bin/env python3
"""A Schafkopf game saved in the middle of a trick and played on after a restart, by real X
input on the harness program.

The player deals the fixed Call Game of the series run, declares it and plays until a trick
lies half done on the table (two cards down, the human to play). File > Save opens the
system's save dialog; the player types a full path and presses Return: the file is there.
Save once more: no dialog, the same file written again (only the running clock moved on) and
no other. File > Quit ends the program without asking, the game being saved. Started again on
the same Wine prefix and program folder, File > Open opens the system's open dialog, the
player types the path: the title names the file, and the table shows every seat's hand
(sorted and closed up, as applying the view settings leaves it), the half trick, the bids,
the called suit, the tricks taken and the scores as before the save, each card with the
pixels it showed then. The player plays on to the end: the bill and every seat's money equal
the reference the series run works out from the tariff and the trick record. Last, a copy of
the file cut in half: File > Open asks about the finished game (No), then shows a message that
names the file; after its OK the table is drawn as before with its game, and File > Save
writes the old file again without a dialog, leaving the cut copy as it was.
"""
import argparse
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import series_harness as sh  # noqa: E402
import table_harness as th  # noqa: E402

check = th.check
centre = th.centre
FILE_MENU = 0
OPEN, SAVE, QUIT = 1002, 1004, 1008
SAVE_QUESTION = sh.SAVE_QUESTION
# What the table shows of a game, looked at before the save and after the open.
GAME_STATE = ("phase", "bphase", "hand0", "seathand0", "seathand1", "seathand2", "seathand3", "trickcards",
              "trickleader", "tricknumber", "mover", "waiting", "bids", "first", "dealer", "leader", "declarer",
              "game", "humangame", "called", "parties", "pot", "points", "won", "tricks", "announcements",
              "totals", "cash")
# The controllers tell the table's title the document's file through this link; a build
# without it shows "..." for every game.
DOCUMENT_LINK = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "games", "fourplayer",
                             "GameDocumentLink.h")
HANDS = ("hand0", "seathand0", "seathand1", "seathand2", "seathand3")


class SaveOpen:
    def __init__(self, args):
        self.args = args
        self.size = args.size
        self.path = os.path.join(os.path.abspath(args.work), "saved.dat")
        self.windows_path = windows_path(self.path)
        self.h = None
        self.series = None
        self.starts = 0

    # ---- the program ---------------------------------------------------------------------

    def start(self):
        """Starts the program (again) on the same prefix and folder, prepared as the series run
        prepares it: seeded, the card delay, the welcome note closed."""
        self.starts += 1
        log = os.path.join(self.args.work, "wine.txt")
        if os.path.exists(log):
            os.replace(log, os.path.join(self.args.work, f"wine-{self.starts - 1}.txt"))
        for name in ("state.txt", "windows.txt", "texts.txt", "command.txt"):
            if os.path.exists(os.path.join(self.args.work, name)):
                os.remove(os.path.join(self.args.work, name))
        self.h = th.Harness(self.args)
        self.h.wait(lambda s: "schafkopf" in s, "the table", timeout=120)
        self.h.size(self.size)
        self.h.send("delay", sh.DELAY)
        self.h.send("bidrec", 1)  # also closes the start's welcome note
        if self.series:
            self.series.h = self.h
        else:
            self.series = sh.Series(self.h, self.size)
            # The series run checks the refusal and the Last Trick window; here only the game.
            self.series.refused = True
            self.series.last_trick_checked = True
        return self.h.state()

    def view(self):
        return self.series.view()

    def choose(self, item):
        """File > item by clicks: the menu's title in the bar, then the item. Without a window
        manager a click can go to an activation alone: each click is repeated until it shows."""
        for attempt in range(6):
            view = th.wait_windows(self.h, lambda v: v if v["bar"].get(FILE_MENU) else None, "the menu bar")
            if view["popup"] == FILE_MENU and item in view["items"]:
                if attempt > 1:
                    print(f"note: File menu: item {item} clicked again", flush=True)
                self.h.click(*centre(view["items"][item]))
                if self.await_view(lambda v: v["popup"] is None, 5) or self.h.process.poll() is not None:
                    return
            else:
                if attempt > 1:
                    print(f"note: File menu: clicked again for item {item}", flush=True)
                self.h.click(*centre(view["bar"][FILE_MENU]))
                self.await_view(lambda v: v["popup"] == FILE_MENU and item in v["items"], 5)
        sys.exit(f"File > {item} could not be chosen")

    def await_view(self, condition, seconds):
        """The program's windows once the condition holds on them, or None after the seconds."""
        end = time.time() + seconds
        while time.time() < end:
            view = th.read_windows(self.h)
            if view and condition(view):
                return view
            if self.h.process.poll() is not None:
                return None
            time.sleep(0.2)
        return None

    def title(self):
        return self.view()["title"] or ""

    # ---- the system's file dialogs -----------------------------------------------------------

    def file_dialog(self, view):
        """The system's file dialog: a dialog of no slot with a text field."""
        for window in view["windows"]:
            if window["kind"] == "#32770" and window["slot"] < 0 and any(c["kind"] == "Edit" for c in window["controls"]):
                return window
        return None

    def type_path(self, path, what):
        """Types the full path into the dialog's file-name field and presses Return."""
        dialog = th.wait_windows(self.h, self.file_dialog, f"{what}: the file dialog")
        print(f"{what}: the dialog {dialog['title']!r}", flush=True)
        field = next(c for c in dialog["controls"] if c["kind"] == "Edit")
        for attempt in range(3):
            if attempt:
                print(f"note: {what}: the file name typed again", flush=True)
            self.h.click(*centre(field["rect"]))
            time.sleep(0.3)
            subprocess.run(["xdotool", "key", "End", "shift+Home", "BackSpace"], check=True)
            subprocess.run(["xdotool", "type", "--delay", "20", path], check=True)
            end = time.time() + 5
            typed = None
            while time.time() < end:
                dialog = self.file_dialog(self.view())
                typed = dialog and next((c["text"] for c in dialog["controls"] if c["kind"] == "Edit"), None)
                if typed == path:
                    break
                time.sleep(0.2)
            if typed == path:
                break
        else:
            sys.exit(f"{what}: the file-name field shows {typed!r}, not {path!r}")
        self.h.key("Return")
        th.wait_windows(self.h, lambda v: self.file_dialog(v) is None, f"{what}: the file dialog closed")

    def no_file_dialog(self, seconds, what):
        """Polls for a while: no file dialog may come (the one place a window that must not
        appear cannot be waited for)."""
        end = time.time() + seconds
        while time.time() < end:
            view = self.view()
            if self.file_dialog(view):
                check(False, f"{what}: a file dialog appeared")
                return False
            time.sleep(0.2)
        return True

    # ---- the table ---------------------------------------------------------------------------

    def game_state(self, s):
        return {key: s.get(key) for key in GAME_STATE}

    def card_places(self, s):
        """The places of the human's cards and of the trick's cards, by name."""
        places = [f"own{i}" for i, code in enumerate(s["hand0"]) if code]
        places += [f"trick{p}" for p in range(4)]
        return {name: s[name] for name in places}

    def pixels(self, screen, s, rects):
        o = s["origin"]
        return {name: [screen.at(o[0] + x, o[1] + y) for y in range(r[1], r[3]) for x in range(r[0], r[2])]
                for name, r in rects.items()}

    def table_pixels(self, screen, s):
        """The table's client area except the corner, where the game clock runs."""
        client, corner = s["client"], s["corner"]
        o = s["origin"]
        return [screen.at(o[0] + x, o[1] + y) for y in range(client[3]) for x in range(0, client[2], 2)
                if not th.inside(corner, x, y)]

    def play_to_half_trick(self, s):
        """Plays (and puts tricks away) until the human is to play with two cards of the trick
        on the table."""
        word, trump = s["game"][0], s["game"][1]
        series = self.series
        for _ in range(40):
            s = series.rest(lambda s: s["phase"][0] != 3 or s["waiting"][0] == 1 or series.human_turn(s),
                            "the human's turn or a finished trick")
            if s["phase"][0] != 3:
                break
            if s["waiting"][0] == 1:
                series.put_away(s)
            elif sum(1 for c in s["trickcards"] if c) == 2:
                return s
            else:
                series.play_card(s, word, trump)
        sys.exit("the game ended with no trick that lay half done at the human's turn")

    # ---- the run -------------------------------------------------------------------------------

    def run(self):
        s = self.start()
        self.h.send("dump", 0)
        for word, value in (("mode", 2), ("pot", 0), ("required", 0), ("tout", 0), ("series", 2), ("click", 1)):
            self.h.send(word, value)
        series = self.series
        s = series.deal(sh.CALL_DEAL, sh.CALL_HANDS, True)
        s = series.call_game(s)
        s = self.play_to_half_trick(s)
        before = self.game_state(s)
        places = self.card_places(s)
        series.check_own_cards("half-trick", s, "the half trick")
        screen = series.check_trick("half-trick", s)
        shown = self.pixels(screen, s, places)
        print(f"the human to play to the trick {s['trickcards']} after {s['tricknumber'][0]} tricks", flush=True)
        untitled = self.save_twice(before)
        self.quit()

        s = self.start()
        s = self.open_saved(untitled)
        after = self.game_state(s)
        # Rebuilding the table applies the view settings, which sorts every hand as a change of
        # the view settings does mid-game: the cards close up to the left in their order.
        expected = dict(before)
        for key in HANDS:
            expected[key] = packed(before[key])
        for key in GAME_STATE:
            check(after[key] == expected[key], f"after the open {key} is {after[key]}, before the save it was "
                                               f"{before[key]}")
        series.check_own_cards("opened", s, "the opened game")
        screen = series.check_trick("opened", s)
        rects = self.card_places(s)
        check(all(rects[f"trick{p}"] == places[f"trick{p}"] for p in range(4)),
              "after the open the trick lies elsewhere than before the save")
        now = self.pixels(screen, s, rects)
        # Each card of the hand and of the trick shows the pixels it showed before the save.
        moved = {f"own{after['hand0'].index(card)}": f"own{i}" for i, card in enumerate(before["hand0"]) if card}
        moved.update({f"trick{p}": f"trick{p}" for p in range(4)})
        for name, old in moved.items():
            wrong = sum(1 for a, b in zip(shown[old], now[name]) if a != b) + abs(len(shown[old]) - len(now[name]))
            check(wrong == 0, f"after the open {wrong} pixels of the place {name} differ from the card's place {old} "
                              f"before the save")

        self.play_on(s, before)
        self.open_cut_copy()

    def save_twice(self, before):
        """File > Save with the path typed into the save dialog; Save again: no dialog, the same
        file and no other. Answers the table's title."""
        series = self.series
        untitled = self.title()
        began = time.time()
        self.choose(SAVE)
        self.type_path(self.windows_path, "File > Save")
        check(os.path.isfile(self.path), f"File > Save: no file {self.path}")
        first = read(self.path)
        stamp = os.stat(self.path).st_mtime_ns
        series.give_table_the_keyboard()
        title = th.wait_windows(self.h, lambda v: v["title"], "the title")
        print(f"saved {len(first)} bytes; title {untitled!r} -> {title!r}", flush=True)
        if self.windows_path.lower() not in title.lower():
            print("note: the title does not name the file after the save (it is drawn anew when the table next "
                  "updates it)", flush=True)
        time.sleep(1.1)  # a second write shows in the file's time stamp
        self.choose(SAVE)
        self.no_file_dialog(3, "the second File > Save")
        end = time.time() + 10
        while time.time() < end and os.stat(self.path).st_mtime_ns == stamp:
            time.sleep(0.2)
        check(os.stat(self.path).st_mtime_ns != stamp, "the second File > Save did not write the file again")
        second = read(self.path)
        # The same game, written again: only the series' clock, which counts the seconds of play,
        # has moved on meanwhile.
        differ = [i for i in range(min(len(first), len(second))) if first[i] != second[i]]
        check(clock_only(first, second, time.time() - began + 2),
              f"the second File > Save wrote other bytes for the same game: {len(first)} and {len(second)} bytes, "
              f"differing at {differ[:16]}")
        others = sorted(n for n in os.listdir(self.args.work) if n != "saved.dat" and
                        not n.endswith((".txt", ".png", ".bmp", ".tmp")) and
                        os.path.isfile(os.path.join(self.args.work, n)))
        check(not others, f"saving left other files beside the saved game: {others}")
        check(self.game_state(self.h.state()) == before, "saving changed the game at the table")
        return untitled

    def quit(self):
        """File > Quit. The game was saved and has not changed since: the program ends without
        asking whether to save it (were it asked, the player would answer No)."""
        self.choose(QUIT)
        end = time.time() + 60
        asked = False
        while self.h.process.poll() is None and time.time() < end:
            view = th.read_windows(self.h)
            if view and th.find_box(view, SAVE_QUESTION):
                asked = True
                self.series.answer_box(SAVE_QUESTION, "No")
            time.sleep(0.2)
        if self.h.process.poll() is None:
            sys.exit("the program did not end after File > Quit")
        check(not asked, f'File > Quit asked "{SAVE_QUESTION}" about a game saved with no change since')

    def open_saved(self, untitled):
        """File > Open on a fresh table, the path typed into the open dialog."""
        s = self.h.state()
        check(s["phase"][0] == 0, f"the restarted program shows a table that waits for a deal (phase {s['phase']})")
        self.choose(OPEN)
        self.type_path(self.windows_path, "File > Open")
        s = self.series.rest(lambda s: s["phase"][0] == 3 and any(s["hand0"]), "the opened game at the table")
        self.series.give_table_the_keyboard()
        # The title names the open document's file in place of the "..." of a game with none.
        shown = th.wait_windows(self.h, lambda v: v["title"], "the title")
        named = untitled.replace("(...)", f"({self.windows_path})")
        if shown == untitled and not os.path.exists(DOCUMENT_LINK):
            print("note: the title names no file: this build's controllers give no file to the table's title",
                  flush=True)
        else:
            check(shown == named, f"after the open the title is {shown!r}, not {named!r}")
        return self.series.rest(lambda s: s["phase"][0] == 3, "the opened game at rest")

    def play_on(self, s, before):
        """The rest of the game: the bill against the tariff's reference."""
        series = self.series
        mark = series.text_mark()
        s = series.play_game(s, sh.CALL_HANDS)
        totals = before["totals"][1:]
        ref = series.settle(s, sh.CALL_HANDS, False, mark, before["cash"], totals)
        print(f"the game played on to the bill {ref['value']}, money {ref['money']}", flush=True)

    def open_cut_copy(self):
        """A copy of the saved file cut in half: a message naming it, the table as before, and
        Save writes the old file."""
        series = self.series
        cut = os.path.join(os.path.abspath(self.args.work), "cut.dat")
        data = read(self.path)
        with open(cut, "wb") as f:
            f.write(data[:len(data) // 2])
        s = series.rest(lambda s: s["phase"][0] == 4, "the game's end")
        game = self.game_state(s)
        title = self.title()
        time.sleep(0.5)
        drawn = self.table_pixels(series.screenshot("before-cut"), s)
        self.choose(OPEN)
        # The finished game is in the list and not yet saved: the question comes first.
        series.answer_box(SAVE_QUESTION, "No")
        self.type_path(windows_path(cut), "File > Open of the cut file")

        def message(view):
            for window in view["windows"]:
                if window["kind"] == "#32770" and window["slot"] < 0 and not self.file_dialog(view) and \
                        any(c["kind"] == "Static" and c["text"].strip() for c in window["controls"]):
                    return window
            return None

        box = th.wait_windows(self.h, message, "the message about the cut file")
        text = " ".join(c["text"] for c in box["controls"] if c["kind"] == "Static" and c["text"].strip())
        print(f"the cut file: {text!r}", flush=True)
        check("cut.dat" in text.lower(), f"the message about the cut file does not name it: {text!r}")
        series.screenshot("cut-message")
        ok = next((c for c in box["controls"] if c["kind"] == "Button" and c["text"].replace("&", "") == "OK"), None)
        if not check(ok is not None, f"the message about the cut file has no OK: {box['controls']}"):
            return
        series.click_box_until(centre(ok["rect"]), lambda v: message(v) is None, "the message answered OK")
        time.sleep(0.5)
        s = series.rest(lambda s: True, "the table after the refused file")
        check(self.game_state(s) == game, "the refused file changed the game at the table")
        check(self.title() == title, f"the refused file changed the title from {title!r} to {self.title()!r}")
        screen = series.screenshot("after-cut")
        wrong = sum(1 for a, b in zip(drawn, self.table_pixels(screen, s)) if a != b)
        check(wrong == 0, f"after the refused file {wrong} pixels of the table differ from before")

        stamp = os.stat(self.path).st_mtime_ns
        self.choose(SAVE)
        self.no_file_dialog(3, "File > Save after the refused file")
        end = time.time() + 10
        while time.time() < end and os.stat(self.path).st_mtime_ns == stamp:
            time.sleep(0.2)
        check(os.stat(self.path).st_mtime_ns != stamp, "File > Save after the refused file did not write the old file")
        check(read(cut) == data[:len(data) // 2], "File > Save after the refused file wrote the cut file")


def packed(hand):
    """The cards of a hand closed up to the left, the empty places after them."""
    cards = [c for c in hand if c]
    return cards + [0] * (len(hand) - len(cards))


def clock_only(first, second, seconds):
    """Whether two images of one game differ at most in one 32-bit field (either byte order)
    whose value grew by at most the seconds: the clock that ran between two saves."""
    if len(first) != len(second):
        return False
    differ = [i for i in range(len(first)) if first[i] != second[i]]
    if not differ:
        return True
    low, high = min(differ), max(differ)
    if high - low > 3:
        return False
    for start in range(max(0, high - 3), low + 1):
        for order in ("little", "big"):
            grown = int.from_bytes(second[start:start + 4], order, signed=True) - \
                int.from_bytes(first[start:start + 4], order, signed=True)
            if 0 < grown <= seconds:
                return True
    return False


def read(path):
    with open(path, "rb") as f:
        return f.read()


def windows_path(path):
    """The path as Windows programs under Wine name it (the drive Z: is the root)."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--wine", required=True)
    parser.add_argument("--program", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--pictures", required=True)
    parser.add_argument("--size", type=int, default=0)
    parser.add_argument("--screen", help="a virtual screen of its own, e.g. 1024x768, with a Wine prefix and a "
                                         "program folder of its own, so that it runs beside the other tests")
    args = parser.parse_args()
    began = time.time()
    os.makedirs(args.work, exist_ok=True)
    for name in os.listdir(args.work):
        if name.endswith((".txt", ".png", ".tmp", ".dat")):
            os.remove(os.path.join(args.work, name))
    screen = th.own_screen(args.screen) if args.screen else None
    prefix = th.own_prefix(args.work) if args.screen and os.environ.get("WINEPREFIX") else None
    if args.screen:
        args.program = th.own_program(args.program, args.work)
    os.environ.setdefault("SCHAFKOPF_HARNESS_DIR", windows_path(args.work))
    run = SaveOpen(args)
    try:
        run.run()
    finally:
        if run.h:
            run.h.close()
        if prefix:
            subprocess.run(["wineserver", "-k"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if screen:
            screen.terminate()
            screen.wait()
    print(f"run time {time.time() - began:.0f} s", flush=True)
    if th.failures:
        print(f"{len(th.failures)} checks failed", flush=True)
        sys.exit(1)
    print("all checks passed", flush=True)


if __name__ == "__main__":
    main()
