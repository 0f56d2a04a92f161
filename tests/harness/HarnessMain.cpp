// The program as the player harness drives it: the real program, which in addition reads
// commands from a folder and publishes there what the table shows (where its window lies,
// the rectangles of the layout, status texts, clock, plates and player box), so that a
// driver outside can aim real input and check screenshots. Folder: SCHAFKOPF_HARNESS_DIR.
//
// Commands (command.txt, one line "<number> <word> <value>", taken once per number):
//   size S   the preparation of a driven run (seeded random numbers, card delay 0, Put Away
//            off, the Last Trick window's place below the table), then table size S applied as
//            the View dialog applies it.
//   restore  the main window restored from its icon (after Panic), as a task bar would.
//   four V   the four-player test table (fixed deals on the Schafkopf controller) in place of
//            the table's pane, single-click play V; its pauses are counted as they are waited.
//   click V  single-click play V.       delay V   the card delay V (tenths of a second).
//   putaway V  automatic Put Away after V tenths (0: off).
//   dump 0   writes the card pictures of the four sets as cardS_C.bmp (S set, C card code).
//   hands V  the four-player table's fixed hands: 1 the human holds every Ober and Unter, 0 the
//            table's own (each seat one suit).
//   clean 0  the running game counts as saved (no unsaved changes).
//   claim S  computer seat S claims the remaining tricks.
//   series V the Schafkopf series ends after V games (0: never).
//   close S  the side window of slot S closed as by its close box.
//   tablemode V  the table mode of the settings (4: practice), the menus updated.
//   place V  the saved corner of a side window: V = slot * 1000000 + x * 1000 + y.
// State (state.txt, replaced as a whole): one "name values..." line per item.
// Windows (windows.txt, replaced as a whole, tab-separated): what the player sees of the
// program besides the table: the main window with its title, the menu bar's titles, the open
// menu's items, every other visible window of the program (boxes, dialogs, side windows) with
// its controls, the two menu switches' records, the beeps, and each item's menu state.
// Texts (texts.txt, replaced as a whole, tab-separated): the latest texts drawn into the
// program's windows, each with its number, the window's slot, the table's paint count and its
// box in the window's client coordinates.
// Record (record.txt, appended): the pages and files handed to the shell, which the harness
// records instead of opening, so that no browser starts.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "engine/GameRecords.h"
#include "games/fourplayer/GameList.h"
#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "games/fourplayer/SchafkopfDocumentController.h"
#include "media/win32/SoundManager.h"
#include "platform/Alerts.h"
#include "platform/Random.h"
#include "platform/Ticks.h"
#include "platform/win32/DialogItems.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Menus.h"
#include "platform/win32/Ports.h"
#include "platform/win32/WindowsGlobals.h"
#include "shell/Environment.h"
#include "shell/OptionRecords.h"
#include "shell/Settings.h"
#include "shell/win32/Startup.h"
#include "shell/win32/Waits.h"
#include "shell/win32/WindowManager.h"
#include "story/win32/RoomPanel.h"
#include "views/win32/SchafkopfTableWin.h"
#include "views/win32/SchafkopfTestTable.h"
#include "views/win32/TableServices.h"

namespace {

std::string gFolder;
long gPaints = 0;
long gCommandDone = 0;
std::vector<std::uint32_t> gWaits; // the pauses the four-player table waited, in ticks
long gLastTrickOpened = 0;
long gPlayerWindowsOpened = 0; // the open-cards openers the table called
long gTableKeys = 0;           // key messages that reached the table window
WNDPROC gTableProcedure = nullptr;
HWND gSubclassed = nullptr;
DWORD gLastDownTime = 0;
POINT gLastDown = {-100, -100};
// What the Schafkopf table did during the bidding, in order: W<ticks> a pause, S<event>:<seat>
// a spoken answer, B<seat>:<text> an answer on a plate (blanks as '_').
std::vector<std::string> gBidLog;
bool gBidRecording = false;

// Fixed deals for the bidding checks: the dealer, then seats 0 to 3, eight cards each.
struct FixedDeal {
    int dealer;
    std::uint8_t hands[4][8];
};
const FixedDeal kFixedDeals[] = {
    // 0: the leader (seat 2) holds every Ober and Unter; the others hold nothing to play.
    {1,
     {{19, 25, 26, 27, 6, 14, 7, 15},
      {8, 16, 24, 32, 22, 30, 23, 31},
      {29, 21, 13, 5, 28, 20, 12, 4},
      {1, 2, 3, 9, 10, 11, 17, 18}}},
    // 1: the human deals and holds every Ober and Unter; the others hold nothing to play.
    {0,
     {{29, 21, 13, 5, 28, 20, 12, 4},
      {8, 16, 24, 32, 22, 30, 23, 31},
      {19, 25, 26, 27, 6, 14, 7, 15},
      {1, 2, 3, 9, 10, 11, 17, 18}}},
    // 2: the human leads and holds a Call Game: three Obers, two Unters, the Heart Ace and Ten
    // and the Gras Seven (the Gras Ace lies with seat 2); the others hold nothing to play.
    {3,
     {{29, 21, 13, 28, 20, 16, 15, 17},
      {1, 2, 3, 9, 10, 11, 18, 19},
      {25, 26, 27, 22, 23, 24, 6, 14},
      {4, 5, 8, 12, 30, 31, 32, 7}}},
    // 3: as deal 2, with seat 1 holding the Obers and Unters of seat 3, which holds five
    // Schellen with their Ace and Ten instead (a solo that outbids the Call Game).
    {3,
     {{29, 21, 13, 28, 20, 16, 15, 17},
      {4, 5, 12, 9, 10, 11, 18, 19},
      {25, 26, 27, 22, 23, 24, 6, 14},
      {1, 2, 3, 8, 30, 31, 32, 7}}},
    // 4: nobody holds a game: seats 1 to 3 weak, the human too.
    {3,
     {{1, 2, 3, 9, 10, 11, 17, 18},
      {19, 25, 26, 27, 6, 14, 7, 15},
      {8, 16, 24, 32, 22, 30, 4, 12},
      {29, 21, 13, 5, 28, 20, 23, 31}}},
    // 5: the human deals and holds a Call Game: three Obers, two Unters, the Heart Ace, the
    // Schellen Seven and the Gras Seven (the Schellen Ace lies with seat 2, the Gras Ace with
    // seat 3). Seat 1, which leads, holds no trump, only Schellen and Gras: whatever it leads,
    // the human holds one card that follows and trumps that do not.
    {0,
     {{29, 21, 13, 28, 20, 16, 1, 17},
      {2, 3, 6, 7, 18, 19, 22, 23},
      {12, 15, 10, 9, 8, 25, 26, 30},
      {5, 4, 14, 11, 24, 27, 31, 32}}},
    // 6: seat 2 holds a solo: four Obers, three Unters and the Heart Ace; the human deals and
    // holds the Heart Ten and Seven with Gras and Eichel.
    {0,
     {{15, 9, 17, 18, 22, 25, 26, 31},
      {1, 2, 3, 6, 7, 8, 10, 11},
      {29, 21, 13, 5, 28, 20, 12, 16},
      {4, 14, 19, 23, 24, 27, 30, 32}}},
};

void Line(std::string& out, const char* name, const RECT& r) {
    char text[128];
    std::snprintf(text, sizeof text, "%s %ld %ld %ld %ld\n", name, long(r.left), long(r.top),
                  long(r.right), long(r.bottom));
    out += text;
}

std::string RectText(const RECT& r) {
    char text[64];
    std::snprintf(text, sizeof text, "%ld %ld %ld %ld", long(r.left), long(r.top), long(r.right),
                  long(r.bottom));
    return text;
}

std::string WindowText(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    for (char* c = text; *c; ++c)
        if (*c == '\t' || *c == '\n' || *c == '\r')
            *c = ' ';
    return text;
}

std::string ClassText(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

void WriteAtomically(const char* name, const std::string& out) {
    const std::string path = gFolder + "\\" + name, temporary = path + ".tmp";
    if (FILE* file = std::fopen(temporary.c_str(), "wb")) {
        std::fwrite(out.data(), 1, out.size(), file);
        std::fclose(file);
        MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
}

void Record(const std::string& line) {
    if (FILE* file = std::fopen((gFolder + "\\record.txt").c_str(), "ab")) {
        std::fprintf(file, "%s\n", line.c_str());
        std::fclose(file);
    }
}

BOOL CALLBACK AddControl(HWND control, LPARAM data) {
    if (!IsWindowVisible(control))
        return TRUE;
    RECT r;
    GetWindowRect(control, &r);
    *reinterpret_cast<std::string*>(data) +=
        "control\t" + ClassText(control) + "\t" + RectText(r) + "\t" + WindowText(control) + "\n";
    return TRUE;
}

BOOL CALLBACK AddWindow(HWND window, LPARAM data) {
    auto& out = *reinterpret_cast<std::string*>(data);
    if (!IsWindowVisible(window) || window == gMainWindow)
        return TRUE;
    RECT r;
    GetWindowRect(window, &r);
    const std::string kind = ClassText(window);
    if (kind == "#32768") { // an open menu: which of the bar's menus, and its items
        HMENU menu = reinterpret_cast<HMENU>(SendMessageA(window, 0x01E1 /* MN_GETHMENU */, 0, 0));
        int index = -1;
        for (int i = 0; gMainMenu && i < GetMenuItemCount(gMainMenu); ++i)
            if (GetSubMenu(gMainMenu, i) == menu)
                index = i;
        out += "popup\t" + std::to_string(index) + "\t" + RectText(r) + "\n";
        for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
            RECT item;
            if (GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &item))
                out += "popupitem\t" + std::to_string(int(GetMenuItemID(menu, i))) + "\t" +
                       RectText(item) + "\n";
        }
        return TRUE;
    }
    int slot = -1; // the program's own windows (the table's, the side windows) by their slot
    for (int i = 0; i < kWindowSlotCount; ++i)
        if (gWindowSlots[i] == window)
            slot = i;
    out += "window\t" + kind + "\t" + RectText(r) + "\t" + WindowText(window) + "\t" +
           std::to_string(slot) + "\n";
    EnumChildWindows(window, AddControl, data);
    return TRUE;
}

void PublishWindows() {
    std::string out;
    if (gMainWindow) {
        RECT r;
        GetWindowRect(gMainWindow, &r);
        out += "main\t" + std::to_string(IsWindowVisible(gMainWindow) ? 1 : 0) + " " +
               std::to_string(IsIconic(gMainWindow) ? 1 : 0) + "\t" + RectText(r) + "\t" +
               WindowText(gMainWindow) + "\n";
        for (int i = 0; gMainMenu && i < GetMenuItemCount(gMainMenu); ++i) {
            RECT title;
            if (GetMenuItemRect(gMainWindow, gMainMenu, static_cast<UINT>(i), &title))
                out += "bar\t" + std::to_string(i) + "\t" + RectText(title) + "\n";
        }
    }
    HWND table = gWindowSlots[kTableSlot];
    out += "table\t" + std::to_string(table && IsWindow(table) ? 1 : 0) + " " +
           std::to_string(table && IsWindowVisible(table) ? 1 : 0) + "\t" +
           std::to_string(gPaints) + "\n";
    int notes = -1;
    if (SchafkopfOptions* options = SchafkopfOptionsRecord())
        notes = options->showRuleNotes;
    out += "switches\t" + std::to_string(gSettings ? gSettings->body.superSmallCards : -1) + " " +
           std::to_string(notes) + "\n";
    out += "beeps\t" + std::to_string(SysBeepCount()) + "\n";
    for (int i = 0; gMainMenu && i < GetMenuItemCount(gMainMenu); ++i) {
        HMENU items = GetSubMenu(gMainMenu, i);
        for (int j = 0; items && j < GetMenuItemCount(items); ++j) {
            const UINT id = GetMenuItemID(items, j);
            if (id == 0 || id == static_cast<UINT>(-1))
                continue; // separators
            const UINT state = GetMenuState(items, id, MF_BYCOMMAND);
            out += "item\t" + std::to_string(i) + " " + std::to_string(int(id)) + " " +
                   std::to_string((state & (MF_GRAYED | MF_DISABLED)) ? 1 : 0) + " " +
                   std::to_string((state & MF_CHECKED) ? 1 : 0) + "\n";
        }
    }
    EnumThreadWindows(GetCurrentThreadId(), AddWindow, reinterpret_cast<LPARAM>(&out));
    WriteAtomically("windows.txt", out);
}

void PublishFour(SchafkopfTestTable* table, std::string& out) {
    char text[256];
    std::snprintf(text, sizeof text,
                  "four %d\nphase %d\nwaiting %d\nlasttrick %ld\ntick %lu\ndepth %ld\n", 1,
                  table->phase, table->trickWaiting, gLastTrickOpened,
                  static_cast<unsigned long>(TickCount()), static_cast<long>(gWaitDepth));
    out += text;
    std::uint8_t cards[12] = {};
    table->controller->CopyHand(cards, 0);
    out += "hand";
    for (int i = 0; i < 8; ++i)
        out += " " + std::to_string(cards[i]);
    out += "\ntrickcards";
    std::uint8_t trick[4] = {};
    int leader = 0;
    table->GetTrickState(trick, &leader);
    for (int seat = 0; seat < 4; ++seat)
        out += " " + std::to_string(trick[seat]);
    out += "\nleader " + std::to_string(leader) + "\nwaits";
    for (std::uint32_t ticks : gWaits)
        out += " " + std::to_string(ticks);
    out += "\n";
    for (int i = 0; i < 8; ++i) {
        std::snprintf(text, sizeof text, "own%d", i);
        Line(out, text, table->ownCardRects[i]);
    }
    for (int place = 0; place < 4; ++place) {
        std::snprintf(text, sizeof text, "trick%d", place);
        Line(out, text, table->trickPlaces[place]);
    }
    std::snprintf(text, sizeof text, "selection %d %ld %ld %ld %ld\n", table->selection,
                  long(table->selectionRect.left), long(table->selectionRect.top),
                  long(table->selectionRect.right), long(table->selectionRect.bottom));
    out += text;
    for (int item : {kPutAwayButton, kNewDealButton}) {
        HWND button = GetDlgItem(table->window, item);
        RECT rect = {0, 0, 0, 0};
        if (button)
            GetItemRectInClient(table->window, item, &rect);
        std::snprintf(text, sizeof text, "button%d %d %d %ld %ld %ld %ld\n", item,
                      button && IsWindowVisible(button) ? 1 : 0,
                      button && IsWindowEnabled(button) ? 1 : 0, long(rect.left), long(rect.top),
                      long(rect.right), long(rect.bottom));
        out += text;
    }
    for (int element = 0; element < 4; ++element) {
        RECT stack;
        table->GetElementRect(element, &stack);
        std::snprintf(text, sizeof text, "stack%d", element);
        Line(out, text, stack);
    }
    RECT closing;
    table->CentreAtBottom(table->closingPicture, &closing);
    Line(out, "closing", closing);
    std::snprintf(text, sizeof text, "focus %lld %lld %lld %lld %ld\n",
                  static_cast<long long>(reinterpret_cast<std::intptr_t>(GetFocus())),
                  static_cast<long long>(reinterpret_cast<std::intptr_t>(GetForegroundWindow())),
                  static_cast<long long>(reinterpret_cast<std::intptr_t>(table->window)),
                  static_cast<long long>(reinterpret_cast<std::intptr_t>(gMainWindow)), gTableKeys);
    out += text;
    if (HWND focused = GetFocus()) {
        char name[64] = {}, title[64] = {};
        GetClassNameA(focused, name, sizeof name);
        GetWindowTextA(GetAncestor(focused, GA_ROOT), title, sizeof title);
        for (char& c : title)
            if (c == ' ')
                c = '_';
        out += std::string("focusclass ") + name + " " + title + "\n";
    }
    std::snprintf(text, sizeof text, "autoputaway %ld %ld %ld\n", long(table->putAwayArmedAt),
                  long(table->idleBeforePutAway), long(table->putAwayIdle));
    out += text;
    // The Last Trick window: shown, its client area's screen origin and size.
    HWND last = gWindowSlots[1];
    POINT lastOrigin = {0, 0};
    RECT lastClient = {0, 0, 0, 0};
    if (last) {
        ClientToScreen(last, &lastOrigin);
        GetClientRect(last, &lastClient);
    }
    std::snprintf(text, sizeof text, "lasttrickwin %d %ld %ld %ld %ld\n",
                  last && IsWindowVisible(last) ? 1 : 0, long(lastOrigin.x), long(lastOrigin.y),
                  long(lastClient.right), long(lastClient.bottom));
    out += text;
    const SchafkopfController* schafkopf = table->Schafkopf();
    const std::int16_t* points = schafkopf->Game()->cardPoints;
    std::snprintf(text, sizeof text, "points %d %d %d %d\nclaim %d %d\ndirty %d\nopeners %ld\n",
                  points[0], points[1], points[2], points[3], schafkopf->claimMade,
                  schafkopf->claimSeat, gGameDirty, gPlayerWindowsOpened);
    out += text;
}

// The texts drawn into the program's own windows, newest last: "text <seq> <slot> <paints>
// <left> <top> <right> <bottom> <text>" (slot -1 the main window), in port coordinates.
struct ShownText {
    long seq;
    int slot;
    long paints;
    RECT box;
    std::string text;
};
std::vector<ShownText> gTexts;
long gTextSeq = 0;
bool gTextsChanged = false;

void RecordText(HWND window, const char* text, int length, const RECT& box) {
    int slot = -2;
    for (int i = kWindowSlotCount - 1; i >= 0; --i)
        if (gWindowSlots[i] && gWindowSlots[i] == window)
            slot = i;
    if (window && window == gMainWindow)
        slot = -1;
    if (slot == -2 || length <= 0)
        return;
    std::string line(text, static_cast<std::size_t>(length));
    for (char& c : line)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    gTexts.push_back({++gTextSeq, slot, gPaints, box, line});
    if (gTexts.size() > 1500)
        gTexts.erase(gTexts.begin(), gTexts.begin() + 500);
    gTextsChanged = true;
}

void PublishTexts() {
    if (!gTextsChanged)
        return;
    gTextsChanged = false;
    std::string out;
    char head[128];
    for (const ShownText& t : gTexts) {
        std::snprintf(head, sizeof head, "%ld\t%d\t%ld\t%ld %ld %ld %ld\t", t.seq, t.slot, t.paints,
                      long(t.box.left), long(t.box.top), long(t.box.right), long(t.box.bottom));
        out += head + t.text + "\n";
    }
    WriteAtomically("texts.txt", out);
}

// What the Schafkopf table's play shows and what the game recorded: the trick on the table,
// the buttons, the trick stacks, the closing picture, every finished trick, the announcements,
// the bill of the finished game, the series' totals and the cash.
void PublishPlay(SchafkopfTableWin* table, std::string& out) {
    auto* game = dynamic_cast<SchafkopfController*>(table->controller);
    if (!game || !game->Game())
        return;
    SchafkopfComputerPlayer* player = game->Game();
    char text[256];
    std::uint8_t trick[4] = {};
    int trickLeader = 0;
    table->GetTrickState(trick, &trickLeader);
    std::snprintf(text, sizeof text,
                  "waiting %d\ntrickcards %d %d %d %d\ntrickleader %d\ndepth %ld\n"
                  "selection %d %ld %ld %ld %ld\ntricknumber %d\nmover %d\n",
                  table->trickWaiting, trick[0], trick[1], trick[2], trick[3], trickLeader,
                  static_cast<long>(gWaitDepth), table->selection,
                  long(table->selectionRect.left), long(table->selectionRect.top),
                  long(table->selectionRect.right), long(table->selectionRect.bottom),
                  int(player->trickNumber), int(player->seatToMove));
    out += text;
    for (int item : {kPutAwayButton, kNewDealButton}) {
        HWND button = GetDlgItem(table->window, item);
        RECT rect = {0, 0, 0, 0};
        if (button)
            GetItemRectInClient(table->window, item, &rect);
        std::snprintf(text, sizeof text, "button%d %d %d %ld %ld %ld %ld\n", item,
                      button && IsWindowVisible(button) ? 1 : 0,
                      button && IsWindowEnabled(button) ? 1 : 0, long(rect.left), long(rect.top),
                      long(rect.right), long(rect.bottom));
        out += text;
    }
    for (int element = 0; element < 4; ++element) {
        RECT stack;
        table->GetElementRect(element, &stack);
        std::snprintf(text, sizeof text, "stack%d", element);
        Line(out, text, stack);
    }
    for (int element = 4; element < 8; ++element) {
        RECT area;
        table->GetElementRect(element, &area);
        std::snprintf(text, sizeof text, "area%d", element);
        Line(out, text, area);
    }
    RECT closing = {0, 0, 0, 0};
    if (table->closingPicture)
        table->CentreAtBottom(table->closingPicture, &closing);
    Line(out, "closing", closing);
    RECT play;
    table->GetPlayArea(&play);
    Line(out, "playarea", play);
    HWND last = gWindowSlots[1];
    POINT lastOrigin = {0, 0};
    RECT lastClient = {0, 0, 0, 0};
    if (last) {
        ClientToScreen(last, &lastOrigin);
        GetClientRect(last, &lastClient);
    }
    std::snprintf(text, sizeof text, "lasttrickwin %d %ld %ld %ld %ld\n",
                  last && IsWindowVisible(last) ? 1 : 0, long(lastOrigin.x), long(lastOrigin.y),
                  long(lastClient.right), long(lastClient.bottom));
    out += text;
    out += "tableslot " + std::to_string(kTableSlot) + "\n";
    const std::int16_t* points = player->cardPoints;
    std::snprintf(text, sizeof text, "points %d %d %d %d\nwon %d %d %d %d\nprevious %d %d\n",
                  points[0], points[1], points[2], points[3], player->tricksWon[0],
                  player->tricksWon[1], player->tricksWon[2], player->tricksWon[3],
                  int(game->lastLeader), int(game->nextLeader));
    out += text;
    // Each finished trick: its cards by seat, its leader and its winner.
    out += "tricks";
    for (int t = 0; t < kTrickCount; ++t) {
        const TrickRecord& r = player->tricks[t];
        if (r.winner < 0 || r.winner > 3 || !r.cards[0] || !r.cards[1] || !r.cards[2] ||
            !r.cards[3])
            continue;
        std::snprintf(text, sizeof text, " %d %d %d %d %d %d", r.cards[0], r.cards[1], r.cards[2],
                      r.cards[3], r.leader, r.winner);
        out += text;
    }
    out += "\nannouncements " + std::to_string(player->announcementCount);
    for (int i = 0; i < player->announcementCount && i < kMaxAnnouncements; ++i)
        out += " " + std::to_string(player->announcements[i].kind) + " " +
               std::to_string(player->announcements[i].seat);
    const GameBill& bill = game->bill;
    std::snprintf(text, sizeof text, "\nbill %d %d %d %d %d %d %d %d\nbillitems",
                  bill.itemCount, bill.listedSeats[0], bill.listedSeats[1], bill.listedSeats[2],
                  bill.perOpponent, bill.cardPoints, bill.value, bill.potBooked);
    out += text;
    for (int i = 0; i < bill.itemCount && i < kBillMaxItems; ++i)
        out += " " + std::to_string(bill.items[i].kind) + " " +
               std::to_string(bill.items[i].value);
    out += "\n";
    Handle list = game->gameListHandle;
    if (list && IsGameListSound(list)) {
        const GameListHeader* head = GameListHead(list);
        std::snprintf(text, sizeof text, "totals %ld %ld %ld %ld %ld\n", long(head->count),
                      long(head->totals[0]), long(head->totals[1]), long(head->totals[2]),
                      long(head->totals[3]));
        out += text;
        if (const GameRecord* record = LastGameRecord(list)) {
            std::snprintf(text, sizeof text, "lastvalues %d %d %d %d\n", record->values[0],
                          record->values[1], record->values[2], record->values[3]);
            out += text;
        }
    } else {
        out += "totals 0 0 0 0 0\n";
    }
    std::snprintf(text, sizeof text, "cash %ld %d\ntablemode %d\n", long(gSettings->body.cashDimes),
                  int(gSettings->body.cashCents), int(gSettings->body.tableMode));
    out += text;
    std::string names;
    for (int seat = 0; seat < 4; ++seat) {
        char name[64] = {};
        game->GetPlayerNameC(name, seat);
        names += std::string(name) + "\n";
    }
    WriteAtomically("names.txt", names);
    if (SchafkopfOptions* options = SchafkopfOptionsRecord()) {
        out += "keys";
        for (int i = 0; i < 17; ++i)
            out += " " + std::to_string(static_cast<unsigned char>(options->keys[i]));
        out += "\n";
    }
}

std::string Underscored(const char* text) {
    std::string out = text;
    for (char& c : out)
        if (c == ' ' || c == '\t' || c == '\n')
            c = '_';
    return out.empty() ? "-" : out;
}

void PublishSchafkopf(SchafkopfTableWin* table, std::string& out) {
    auto* game = dynamic_cast<SchafkopfController*>(table->controller);
    if (!game || !game->Game())
        return;
    SchafkopfComputerPlayer* player = game->Game();
    char text[256];
    std::snprintf(text, sizeof text,
                  "schafkopf 1\nphase %d\nbphase %d\nbids %d %d %d %d\nfirst %d\ndealer %d\n"
                  "leader %d\ndeclarer %d\ngame %ld %d\nhumangame %ld %d\npot %d\n"
                  "parties %d %d %d %d %d\ncalled %d\nwaitdepth %d\nbeeps %lu\n",
                  table->phase, game->biddingPhase, game->GetBid(0), game->GetBid(1),
                  game->GetBid(2), game->GetBid(3), int(game->firstPlayerSeat), int(game->dealer),
                  int(player->leader), int(player->declarer), long(player->gameType.word),
                  int(player->gameType.trumpSuit), long(game->humanGameType.word),
                  int(game->humanGameType.trumpSuit), int(player->potUnits), player->partyLists[0],
                  player->partyLists[1], player->partyLists[2], player->partyLists[3],
                  player->partyLists[4], int(player->calledSuit), int(gWaitDepth),
                  static_cast<unsigned long>(SysBeepCount()));
    out += text;
    for (int item = 130; item <= 150; ++item) {
        HWND control = GetDlgItem(table->window, item);
        if (!control)
            continue;
        RECT rect = {0, 0, 0, 0};
        GetItemRectInClient(table->window, item, &rect);
        std::snprintf(text, sizeof text, "item%d %d %d %d %ld %ld %ld %ld\n", item,
                      IsWindowVisible(control) ? 1 : 0, IsWindowEnabled(control) ? 1 : 0,
                      SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0,
                      long(rect.left), long(rect.top), long(rect.right), long(rect.bottom));
        out += text;
    }
    HWND list = GetDlgItem(table->window, kSoloTypesList);
    out += "keep " + std::to_string(table->keepCardsNextDeal) + "\n";
    out += "rowheight " +
           std::to_string(list ? int(SendMessageA(list, CB_GETITEMHEIGHT, 0, 0)) : 0) + "\n";
    out += "dropped " +
           std::to_string(list ? int(SendMessageA(list, CB_GETDROPPEDSTATE, 0, 0)) : 0) + "\n";
    out += "rows " + std::to_string(list ? int(SendMessageA(list, CB_GETCURSEL, 0, 0)) : -9);
    for (int i = 0; list && i < int(SendMessageA(list, CB_GETCOUNT, 0, 0)) && i < 28; ++i)
        out += " " + std::to_string(table->rowTypes[i]);
    out += "\n";
    RECT box;
    table->GetBidBoxRect(&box);
    Line(out, "bidbox", box);
    table->GetChoiceBoxRect(&box);
    Line(out, "choicebox", box);
    RECT hand;
    table->GetHandBounds(&hand);
    Line(out, "hand", hand);
    for (int i = 0; i < 8; ++i) {
        std::snprintf(text, sizeof text, "own%d", i);
        Line(out, text, table->ownCardRects[i]);
    }
    for (int place = 0; place < 4; ++place) {
        std::snprintf(text, sizeof text, "trick%d", place);
        Line(out, text, table->trickPlaces[place]);
    }
    for (int element = 32; element < 40; ++element) {
        RECT plate;
        table->GetElementRect(element, &plate);
        if (table->elementPictures[element]) {
            BITMAP info = {};
            GetObjectA(table->elementPictures[element], sizeof info, &info);
            plate.right = plate.left + info.bmWidth;
            plate.bottom = plate.top + info.bmHeight;
        }
        std::snprintf(text, sizeof text, "element%d", element);
        Line(out, text, plate);
    }
    out += "hand0";
    std::uint8_t cards[12] = {};
    game->CopyHand(cards, 0);
    for (int i = 0; i < 8; ++i)
        out += " " + std::to_string(cards[i]);
    out += "\n";
}

void PublishFocus(std::string& out) {
    HWND focused = GetFocus();
    out += std::string("focused ") + std::to_string(focused == gMainWindow ? 1 : 0) + " " +
           std::to_string(focused && focused == gWindowSlots[kTableSlot] ? 1 : 0) + " " +
           std::to_string(focused ? GetDlgCtrlID(focused) : -1) + " " +
           std::to_string(GetActiveWindow() == gMainWindow                ? 1
                          : GetActiveWindow() == gWindowSlots[kTableSlot] ? 2
                          : GetActiveWindow()                             ? 3
                                                                          : 0) +
           " " + std::to_string(GetCapture() ? 1 : 0) + "\n";
}

void WriteBidLog() {
    std::string out;
    for (const std::string& entry : gBidLog)
        out += entry + "\n";
    WriteAtomically("bidlog.txt", out);
}

void StartBidRecording() {
    gBidLog.clear();
    if (gBidRecording)
        return;
    gBidRecording = true;
    TableServices services = GetTableServices();
    auto wait = services.waitTicks;
    services.waitTicks = [wait](std::uint32_t ticks) {
        gBidLog.push_back("W" + std::to_string(ticks));
        WriteBidLog();
        if (wait)
            wait(ticks);
    };
    SetTableServices(services);
    SetEventSoundObserver([](int event, int seat) {
        gBidLog.push_back("S" + std::to_string(event) + ":" + std::to_string(seat));
        WriteBidLog();
    });
    SetBidWordObserver([](int seat, const char* text) {
        gBidLog.push_back("B" + std::to_string(seat) + ":" + Underscored(text));
        WriteBidLog();
    });
}

// The next deal of the table: the fixed hands, dealt by the controller's keep-cards deal.
void PrepareFixedDeal(int index) {
    auto* table = dynamic_cast<SchafkopfTableWin*>(GetTablePane());
    auto* game = table ? dynamic_cast<SchafkopfController*>(table->controller) : nullptr;
    if (!game || index < 0 || index >= int(std::size(kFixedDeals)))
        return;
    const FixedDeal& deal = kFixedDeals[index];
    game->dealer = static_cast<std::int16_t>(deal.dealer);
    std::memset(game->dealtCards, 0, sizeof game->dealtCards);
    for (int seat = 0; seat < 4; ++seat)
        for (int p = 0; p < 8; ++p)
            game->dealtCards[seat * 12 + p] = deal.hands[seat][p];
    table->keepCardsNextDeal = 1;
    gBidLog.clear();
    WriteBidLog();
}

// ---- The bidding's further checks: their deals, options and state -------------------------
// Commands: "bdeal V" deals the fixed hands V of kBiddingDeals with the next deal (as "deal");
// "reqcount V", "series V" (the series ends after V games; 0: never), "firsttrick V",
// "suitsolo V" set the Schafkopf options; "solos V" sets every seat's count of solos played,
// "othersolos V" those of the computer seats.
// State: "seatbid" the game each seat names (word and suit, four pairs), "solos" the four
// solo counts, "final" the controller's required-solo round flag.
const FixedDeal kBiddingDeals[] = {
    // 0: the human deals; seat 2 alone holds a game (a Call Game).
    {0,
     {{5, 20, 16, 24, 31, 6, 1, 25},
      {13, 4, 10, 32, 7, 22, 2, 17},
      {21, 28, 11, 14, 8, 23, 18, 26},
      {29, 12, 15, 9, 30, 3, 19, 27}}},
    // 1: the human leads; seat 1 holds every Unter with the top Eichel (a Jacks Solo), seat 2
    // every Ober with the top Hearts (a Heart Suit Solo); seats 0 and 3 hold no game.
    {3,
     {{1, 2, 8, 22, 9, 17, 25, 23},
      {4, 12, 20, 28, 32, 31, 30, 27},
      {5, 13, 21, 29, 16, 15, 14, 11},
      {3, 6, 7, 18, 19, 24, 10, 26}}},
    // 2: as deal 1 with the hands of seats 1 and 2 exchanged.
    {3,
     {{1, 2, 8, 22, 9, 17, 25, 23},
      {5, 13, 21, 29, 16, 15, 14, 11},
      {4, 12, 20, 28, 32, 31, 30, 27},
      {3, 6, 7, 18, 19, 24, 10, 26}}},
    // 3: the human leads and holds the two partner cards (the Eichel and Gras Obers) and
    // nothing else to play; no other seat holds a game.
    {3,
     {{29, 21, 1, 2, 9, 18, 25, 26},
      {5, 4, 8, 15, 22, 3, 10, 27},
      {13, 12, 16, 23, 30, 6, 31, 17},
      {20, 28, 24, 32, 7, 11, 14, 19}}},
    // 4: as deal 1, the human dealing (seat 1 leads).
    {0,
     {{1, 2, 8, 22, 9, 17, 25, 23},
      {4, 12, 20, 28, 32, 31, 30, 27},
      {5, 13, 21, 29, 16, 15, 14, 11},
      {3, 6, 7, 18, 19, 24, 10, 26}}},
    // 5: the human leads and holds a Call Game: three Obers, two Unters, the Heart Ace and Ten
    // and the Gras Seven (the Gras Ace lies with seat 2); no other seat holds a game.
    {3,
     {{29, 21, 13, 28, 20, 16, 15, 17},
      {5, 1, 2, 9, 18, 32, 26, 6},
      {4, 24, 10, 3, 19, 27, 7, 22},
      {12, 11, 14, 8, 23, 30, 31, 25}}},
};

bool TakeBiddingCommand(const char* word, int value) {
    auto* table = dynamic_cast<SchafkopfTableWin*>(GetTablePane());
    auto* game = table ? dynamic_cast<SchafkopfController*>(table->controller) : nullptr;
    SchafkopfOptions* options = SchafkopfOptionsRecord();
    const auto v = static_cast<std::int16_t>(value);
    if (std::strcmp(word, "bdeal") == 0) {
        if (!game || value < 0 || value >= int(std::size(kBiddingDeals)))
            return true;
        const FixedDeal& deal = kBiddingDeals[value];
        game->dealer = static_cast<std::int16_t>(deal.dealer);
        std::memset(game->dealtCards, 0, sizeof game->dealtCards);
        for (int seat = 0; seat < 4; ++seat)
            for (int p = 0; p < 8; ++p)
                game->dealtCards[seat * 12 + p] = deal.hands[seat][p];
        table->keepCardsNextDeal = 1;
        gBidLog.clear();
        WriteBidLog();
    } else if (std::strcmp(word, "solos") == 0 || std::strcmp(word, "othersolos") == 0) {
        for (int seat = word[0] == 'o' ? 1 : 0; game && seat < 4; ++seat)
            game->soloCounts[seat] = v;
    } else if (!options) {
        return std::strcmp(word, "reqcount") == 0 || std::strcmp(word, "series") == 0 ||
               std::strcmp(word, "firsttrick") == 0 || std::strcmp(word, "suitsolo") == 0;
    } else if (std::strcmp(word, "reqcount") == 0) {
        options->requiredSoloCount = v;
    } else if (std::strcmp(word, "series") == 0) {
        options->seriesEnd = value > 0 ? 8 : 1;
        if (value > 0)
            options->seriesGameCount = value;
    } else if (std::strcmp(word, "firsttrick") == 0) {
        options->firstTrick = v;
    } else if (std::strcmp(word, "suitsolo") == 0) {
        options->withSuitSolo = v;
    } else {
        return false;
    }
    return true;
}

void PublishBidding(std::string& out) {
    auto* table = dynamic_cast<SchafkopfTableWin*>(GetTablePane());
    auto* game = table ? dynamic_cast<SchafkopfController*>(table->controller) : nullptr;
    if (!game || !game->Game())
        return;
    out += "seatbid";
    for (int seat = 0; seat < 4; ++seat)
        out += " " + std::to_string(long(game->Game()->seats[seat].bid.word)) + " " +
               std::to_string(int(game->Game()->seats[seat].bid.trumpSuit));
    out += "\nsolos";
    for (std::int16_t count : game->soloCounts)
        out += " " + std::to_string(count);
    out += "\nfinal " + std::to_string(game->finalSoloRound) + "\n";
}
// ---- End of the bidding's further checks ----------------------------------------------------

// The side windows by slot: shown, the client area's screen origin and size, a screen point
// of the close box (found by hit testing along the caption; -1 -1 when there is none) and the
// frame's corner. Then each seat's hand as the controller gives it.
void PublishSideWindows(std::string& out) {
    char text[160];
    for (int slot = 1; slot < kWindowSlotCount; ++slot) {
        HWND side = gWindowSlots[slot];
        if (!side || !IsWindow(side) || side == gWindowSlots[kTableSlot])
            continue;
        POINT origin = {0, 0};
        ClientToScreen(side, &origin);
        RECT client, frame;
        GetClientRect(side, &client);
        GetWindowRect(side, &frame);
        POINT close = {-1, -1};
        const bool caption = (GetWindowLongA(side, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
        for (int y = frame.top; caption && y < origin.y && close.x < 0; ++y)
            for (int x = frame.right - 1; x > frame.left; --x)
                if (SendMessageA(side, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
                    close = {x - 4, y + 4};
                    break;
                }
        std::snprintf(text, sizeof text, "side%d %d %ld %ld %ld %ld %ld %ld %ld %ld\n", slot,
                      IsWindowVisible(side) ? 1 : 0, long(origin.x), long(origin.y),
                      long(client.right), long(client.bottom), long(close.x), long(close.y),
                      long(frame.left), long(frame.top));
        out += text;
    }
    auto* table = dynamic_cast<TablePane*>(GetTablePane());
    if (!table || !table->controller)
        return;
    for (int seat = 0; seat < 4; ++seat) {
        std::uint8_t cards[12] = {};
        table->controller->CopyHand(cards, seat);
        out += "seathand" + std::to_string(seat);
        for (int i = 0; i < 8; ++i)
            out += " " + std::to_string(cards[i]);
        out += "\n";
    }
}

// The clock's box and the three status texts where the status bar's rule puts them, as high
// as the bar: measured with the table's font in its port.
void PublishMeasuredTexts(TablePane* table, const RECT& bar, std::string& out) {
    char text[64];
    char clock[32];
    RECT clockBox;
    std::int32_t seconds = 0;
    if (auto* four = dynamic_cast<FourPlayerTablePane*>(table))
        seconds = four->FourSeat() ? four->FourSeat()->gameClock : 0;
    FormatPlayerClock(seconds, &table->cornerRect, clock, sizeof clock, &clockBox);
    Line(out, "clock", clockBox);
    table->UseSmallTextStyle();
    int widths[3];
    for (int i = 0; i < 3; ++i)
        widths[i] = StringWidth(table->statusTexts[i]);
    const int x = (bar.right - bar.left - table->GetSideColumnWidth() - widths[0] - widths[1] -
                   widths[2] - 30) /
                  2;
    const int starts[3] = {x, x + widths[0] + 15, x + widths[0] + widths[1] + 30};
    for (int i = 0; i < 3; ++i) {
        RECT box = {bar.left + starts[i], bar.top, bar.left + starts[i] + widths[i], bar.bottom};
        std::snprintf(text, sizeof text, "text%d", i + 1);
        Line(out, text, box);
    }
}

// Whether the program's own windows are in front: not while one of the system's dialogs (a
// file dialog) or a box is active. Only then the table's port is taken, for making a window
// the port also makes it the active one, which would take the keyboard from the dialog.
bool OwnWindowsInFront() {
    HWND active = GetActiveWindow();
    if (!active || active == gMainWindow)
        return true;
    for (HWND slot : gWindowSlots)
        if (slot && slot == active)
            return true;
    return false;
}

void Publish() {
    PublishWindows();
    auto* table = dynamic_cast<TablePane*>(GetTablePane());
    HWND window = gWindowSlots[kTableSlot];
    if (!table || !window || !gSettings)
        return;
    const bool front = OwnWindowsInFront();
    HWND port = nullptr;
    if (front) {
        GetPort(&port);
        SetPort(window);
    }
    std::string out;
    char text[256];
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    RECT client;
    GetClientRect(window, &client);
    if (auto* four = dynamic_cast<SchafkopfTestTable*>(table))
        PublishFour(four, out);
    if (auto* schafkopf = dynamic_cast<SchafkopfTableWin*>(table)) {
        PublishSchafkopf(schafkopf, out);
        PublishPlay(schafkopf, out);
        PublishFocus(out);
        PublishBidding(out);
    }
    std::snprintf(text, sizeof text,
                  "paints %ld\ncommand %ld\nsize %d\norigin %ld %ld\nbackground %d\n", gPaints,
                  gCommandDone, gSettings->body.cardSize, long(origin.x), long(origin.y),
                  table->GetBackgroundPictureId(gSettings->body.customTable));
    out += text;
    Line(out, "client", client);
    PublishSideWindows(out);
    RECT bounds;
    table->GetBounds(&bounds);
    Line(out, "bounds", bounds);
    RECT bar;
    table->GetStatusBarRect(&bar);
    Line(out, "statusbar", bar);
    Line(out, "corner", table->cornerRect);
    if (front)
        PublishMeasuredTexts(table, bar, out);
    for (int seat = 0; seat < 4; ++seat) {
        int element = 32 + seat;
        if (gSettings->body.cardSize >= 2)
            element += 4;
        RECT plate;
        table->GetElementRect(element, &plate);
        if (table->elementPictures[element]) {
            RECT picture;
            GetClientRect(window, &picture);
            BITMAP info = {};
            GetObjectA(table->elementPictures[element], sizeof info, &info);
            plate.right = plate.left + info.bmWidth;
            plate.bottom = plate.top + info.bmHeight;
        }
        std::snprintf(text, sizeof text, "plate%d", seat);
        Line(out, text, plate);
    }
    for (int element = 4; element <= 7; ++element) {
        RECT area;
        table->GetElementRect(element, &area);
        std::snprintf(text, sizeof text, "seat%d", element);
        Line(out, text, area);
    }
    std::snprintf(text, sizeof text, "box %d %d %ld %ld %ld %ld\n", table->playerBoxShown,
                  table->playerBoxElement, long(table->playerBoxRect.left),
                  long(table->playerBoxRect.top), long(table->playerBoxRect.right),
                  long(table->playerBoxRect.bottom));
    out += text;
    if (front && port)
        SetPort(port);
    WriteAtomically("state.txt", out);
}

// A picture as a 24-bit bitmap file, read back from the loaded picture itself.
void WritePicture(HBITMAP picture, const std::string& path) {
    BITMAP info = {};
    if (!picture || !GetObjectA(picture, sizeof info, &info))
        return;
    BITMAPINFO header = {};
    header.bmiHeader = {
        sizeof(BITMAPINFOHEADER), info.bmWidth, info.bmHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const int stride = (info.bmWidth * 3 + 3) & ~3;
    std::vector<unsigned char> pixels(static_cast<std::size_t>(stride) * info.bmHeight);
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, picture, 0, info.bmHeight, pixels.data(), &header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&header.bmiHeader, sizeof(BITMAPINFOHEADER), 1, out);
        std::fwrite(pixels.data(), 1, pixels.size(), out);
        std::fclose(out);
    }
}

void DumpCardPictures() {
    for (int set = 0; set < 4; ++set)
        for (int code = 1; code <= 32; ++code)
            WritePicture(static_cast<HBITMAP>(gSettings->cardPictures[set][code]),
                         gFolder + "\\card" + std::to_string(set) + "_" + std::to_string(code) +
                             ".bmp");
}

// Stands in for the window adapter that the Schafkopf table brings: a press of the left
// button is a click of the pane, a second press soon at the same place a double click.
LRESULT CALLBACK FourTableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN || message == WM_CHAR)
        ++gTableKeys;
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
        if (Pane* pane = GetTablePane()) {
            const POINT point = {static_cast<short>(LOWORD(lParam)),
                                 static_cast<short>(HIWORD(lParam))};
            const DWORD now = GetMessageTime();
            const bool twice =
                message == WM_LBUTTONDBLCLK ||
                (now - gLastDownTime <= GetDoubleClickTime() &&
                 std::abs(point.x - gLastDown.x) <= 4 && std::abs(point.y - gLastDown.y) <= 4);
            gLastDownTime = twice ? 0 : now;
            gLastDown = point;
            pane->HandleClick(point.x, point.y, twice ? 1 : 0);
        }
        return 0;
    }
    // The keyboard stays with the table window, never with a button it once gave it to.
    if (message == WM_SETFOCUS)
        return 0;
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) {
        SetFocus(window);
        return 0;
    }
    return CallWindowProcA(gTableProcedure, window, message, wParam, lParam);
}

// The start's welcome note is a modeless box that holds the keyboard: it is answered first.
BOOL CALLBACK CloseNote(HWND candidate, LPARAM) {
    if (candidate == gMainWindow || !IsWindowVisible(candidate))
        return TRUE;
    for (HWND slot : gWindowSlots)
        if (slot == candidate)
            return TRUE;
    PostMessageA(candidate, WM_COMMAND, IDOK, 0);
    return TRUE;
}

// The test table with "Rest Mine" offered while cards are played, as the Schafkopf table's
// menus will offer it.
class HarnessFourTable : public SchafkopfTestTable {
  public:
    void UpdateMenus() override {
        SchafkopfTestTable::UpdateMenus();
        if (gMainMenu)
            SetMenuItemEnabled(gMainMenu, 408, phase == 3);
    }
};

// Every seat holds one suit; the strong deal gives the human the eight highest trumps.
constexpr std::uint8_t kOwnHands[4][8] = {{32, 31, 30, 29, 28, 27, 26, 25},
                                          {24, 23, 22, 21, 20, 19, 18, 17},
                                          {16, 15, 14, 13, 12, 11, 10, 9},
                                          {8, 7, 6, 5, 4, 3, 2, 1}};
constexpr std::uint8_t kStrongHands[4][8] = {{29, 21, 13, 5, 28, 20, 12, 4},
                                             {1, 2, 3, 6, 7, 8, 9, 10},
                                             {11, 14, 15, 16, 17, 18, 19, 22},
                                             {23, 24, 25, 26, 27, 30, 31, 32}};

void UseFourPlayerTable(int singleClick) {
    EnumThreadWindows(GetCurrentThreadId(), CloseNote, 0);
    HWND window = gWindowSlots[kTableSlot];
    auto* panel = dynamic_cast<RoomPanel*>(gPaneSlots[kRoomPanelSlot]);
    if (!window)
        return;
    TableServices services = GetTableServices();
    services.waitTicks = [](std::uint32_t ticks) {
        gWaits.push_back(ticks);
        WaitTicks(ticks);
    };
    services.openLastTrickWindow = [] { ++gLastTrickOpened; };
    static std::function<void(int)> opener = services.openPlayerWindow;
    services.openPlayerWindow = [](int seat) {
        ++gPlayerWindowsOpened;
        if (opener)
            opener(seat);
    };
    SetTableServices(services);
    gSettings->body.singleClickPlay = static_cast<std::int16_t>(singleClick);
    gSettings->body.soundOn = 0;
    gSettings->body.animationOn = 1;
    // The side windows read the table's controller, which goes with the table they stand by.
    for (HWND side : {gWindowSlots[1], gWindowSlots[2], gWindowSlots[3]})
        if (side)
            SendMessageA(side, WM_COMMAND, IDCANCEL, 0);
    auto* table = new HarnessFourTable;
    table->MakeController(gSettings);
    delete gPaneSlots[kTableSlot];
    gPaneSlots[kTableSlot] = table;
    table->InitGame(table->Schafkopf(), gSettings, window, nullptr, 8, 0, panel, 1);
    if (panel)
        panel->AttachTablePane(table);
    if (gSubclassed != window) {
        gSubclassed = window;
        gTableProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FourTableProc)));
    }
    SetFocus(window);
    InvalidateRect(window, nullptr, FALSE);
}

void TakeCommand() {
    FILE* file = std::fopen((gFolder + "\\command.txt").c_str(), "rb");
    if (!file)
        return;
    long number = 0;
    char word[32] = {};
    int value = 0;
    const int read = std::fscanf(file, "%ld %31s %d", &number, word, &value);
    std::fclose(file);
    if (read < 2 || number <= gCommandDone)
        return;
    if (std::strcmp(word, "restore") == 0) {
        if (gMainWindow)
            ShowWindow(gMainWindow, SW_RESTORE);
        gCommandDone = number;
        return;
    }
    if (read != 3 || !gSettings || !GetTablePane())
        return;
    if (std::strcmp(word, "four") == 0) {
        UseFourPlayerTable(value);
    } else if (std::strcmp(word, "click") == 0) {
        gSettings->body.singleClickPlay = static_cast<std::int16_t>(value);
    } else if (std::strcmp(word, "delay") == 0) {
        gSettings->body.cardDelay = static_cast<std::int16_t>(value);
    } else if (std::strcmp(word, "putaway") == 0) {
        gSettings->body.putAwayOn = value > 0 ? 1 : 0;
        gSettings->body.putAwayDelay = static_cast<std::int16_t>(value);
    } else if (std::strcmp(word, "hands") == 0) {
        if (auto* four = dynamic_cast<SchafkopfTestTable*>(GetTablePane()))
            std::memcpy(four->fixedHands, value ? kStrongHands : kOwnHands, sizeof kOwnHands);
    } else if (std::strcmp(word, "clean") == 0) {
        gGameDirty = 0;
    } else if (std::strcmp(word, "claim") == 0) {
        // The note box waits in a message loop of its own, where this timer runs again.
        gCommandDone = number;
        if (auto* four = dynamic_cast<SchafkopfTestTable*>(GetTablePane()))
            four->ClaimRestFor(value);
    } else if (std::strcmp(word, "bidrec") == 0) {
        EnumThreadWindows(GetCurrentThreadId(), CloseNote, 0);
        StartBidRecording();
    } else if (std::strcmp(word, "reset") == 0) {
        // New Deal waits for the end of a game: a deal in progress is put aside instead.
        GetTablePane()->SetPhase(0, 0);
    } else if (std::strcmp(word, "deal") == 0) {
        PrepareFixedDeal(value);
    } else if (std::strcmp(word, "close") == 0) {
        // A side window closed as by its close box (no window manager draws one).
        if (value >= 1 && value < kWindowSlotCount && gWindowSlots[value])
            SendMessageA(gWindowSlots[value], WM_COMMAND, IDCANCEL, 0);
    } else if (std::strcmp(word, "place") == 0) {
        const int slot = value / 1000000, x = value / 1000 % 1000, y = value % 1000;
        if (slot >= 1 && slot < kWindowRectCount)
            gSettings->body.windowRects[slot] = WindowRect{x, y, x, y};
    } else if (std::strcmp(word, "tablemode") == 0) {
        gSettings->body.tableMode = static_cast<std::int16_t>(value);
        GetTablePane()->UpdateMenus();
    } else if (std::strcmp(word, "series") == 0) {
        // A series that ends after V games (0: never).
        if (SchafkopfOptions* options = SchafkopfOptionsRecord()) {
            options->seriesEnd = value > 0 ? 8 : 1;
            options->seriesGameCount = value;
        }
    } else if (std::strcmp(word, "mode") == 0 || std::strcmp(word, "pot") == 0 ||
               std::strcmp(word, "tout") == 0 || std::strcmp(word, "required") == 0) {
        if (SchafkopfOptions* options = SchafkopfOptionsRecord()) {
            const auto v = static_cast<std::int16_t>(value);
            if (word[0] == 'm')
                options->partnershipMode = v;
            else if (word[0] == 'p')
                options->withPot = v;
            else if (word[0] == 't')
                options->toutGames = v;
            else
                options->requiredSolo = v;
        }
    } else if (TakeBiddingCommand(word, value)) {
    } else if (std::strcmp(word, "dump") == 0) {
        DumpCardPictures();
    } else if (std::strcmp(word, "size") == 0 && value >= 0 && value <= 2) {
        SeedRandom(12345);
        gSettings->body.cardDelay = 0;
        gSettings->body.putAwayOn = 0;
        // The Last Trick window stands below the table, where the largest table leaves room.
        gSettings->body.windowRects[1] = WindowRect{10, 800, 10, 800};
        gSettings->body.cardSize = static_cast<std::int16_t>(value);
        ApplyViewChange(true, true, true, 0);
    }
    gCommandDone = number;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    TakeCommand();
    Publish();
    PublishTexts();
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (const char* folder = std::getenv("SCHAFKOPF_HARNESS_DIR"))
        gFolder = folder;
    if (!gFolder.empty()) {
        SetTablePaintObserver([](SchafkopfTableWin*) { ++gPaints; });
        SetTextRecorder([](const DrawnText& drawn) {
            RecordText(gPortWindow, drawn.text.c_str(), static_cast<int>(drawn.text.size()),
                       drawn.box);
        });
        SetShellOpener([](void*, const char* file) -> std::intptr_t {
            Record(std::string("open ") + file);
            return 42; // what the shell answers for a document it opened
        });
        SetTimer(nullptr, 0, 100, Tick);
    }
    return RunProgram(instance);
}
