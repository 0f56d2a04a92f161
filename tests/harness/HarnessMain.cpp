// The program as the player harness drives it: the real program, which in addition reads
// commands from a folder and publishes there what the table shows (where its window lies,
// the rectangles of the layout, status texts, clock, plates and player box), so that a
// driver outside can aim real input and check screenshots. Folder: SCHAFKOPF_HARNESS_DIR.
//
// Commands (command.txt, one line "<number> <word> <value>", taken once per number):
//   size S   the preparation of a driven run (seeded random numbers, card delay 0, Put Away
//            off), then table size S applied as the View dialog applies it.
//   restore  the main window restored from its icon (after Panic), as a task bar would.
// State (state.txt, replaced as a whole): one "name values..." line per item.
// Windows (windows.txt, replaced as a whole, tab-separated): what the player sees of the
// program besides the table: the main window, the menu bar's titles, the open menu's items,
// every other visible window of the program (boxes, dialogs, side windows) with its controls,
// the two menu switches' records, the beeps, and each item's menu state.
// Record (record.txt, appended): the pages and files handed to the shell, which the harness
// records instead of opening, so that no browser starts.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/Alerts.h"
#include "platform/Random.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Ports.h"
#include "platform/win32/WindowsGlobals.h"
#include "shell/Environment.h"
#include "shell/OptionRecords.h"
#include "shell/Settings.h"
#include "shell/win32/Startup.h"
#include "shell/win32/WindowManager.h"
#include "views/win32/SchafkopfTableWin.h"

namespace {

std::string gFolder;
long gPaints = 0;
long gCommandDone = 0;

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
               std::to_string(IsIconic(gMainWindow) ? 1 : 0) + "\t" + RectText(r) + "\n";
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

void Publish() {
    PublishWindows();
    auto* table = dynamic_cast<SchafkopfTableWin*>(GetTablePane());
    HWND window = gWindowSlots[kTableSlot];
    if (!table || !window || !gSettings)
        return;
    HWND port = nullptr;
    GetPort(&port);
    SetPort(window);
    std::string out;
    char text[256];
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    RECT client;
    GetClientRect(window, &client);
    std::snprintf(text, sizeof text,
                  "paints %ld\ncommand %ld\nsize %d\norigin %ld %ld\nbackground %d\n", gPaints,
                  gCommandDone, gSettings->body.cardSize, long(origin.x), long(origin.y),
                  table->GetBackgroundPictureId(gSettings->body.customTable));
    out += text;
    Line(out, "client", client);
    RECT bounds;
    table->GetBounds(&bounds);
    Line(out, "bounds", bounds);
    RECT bar;
    table->GetStatusBarRect(&bar);
    Line(out, "statusbar", bar);
    Line(out, "corner", table->cornerRect);
    char clock[32];
    RECT clockBox;
    FormatPlayerClock(table->clockSeconds, &table->cornerRect, clock, sizeof clock, &clockBox);
    Line(out, "clock", clockBox);
    // The three status texts where the status bar's rule puts them, as high as the bar.
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
    if (port)
        SetPort(port);
    WriteAtomically("state.txt", out);
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
    if (std::strcmp(word, "size") == 0 && value >= 0 && value <= 2) {
        SeedRandom(12345);
        gSettings->body.cardDelay = 0;
        gSettings->body.putAwayOn = 0;
        gSettings->body.cardSize = static_cast<std::int16_t>(value);
        ApplyViewChange(true, true, true, 0);
    }
    gCommandDone = number;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    TakeCommand();
    Publish();
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (const char* folder = std::getenv("SCHAFKOPF_HARNESS_DIR"))
        gFolder = folder;
    if (!gFolder.empty()) {
        SetTablePaintObserver([](SchafkopfTableWin*) { ++gPaints; });
        SetShellOpener([](void*, const char* file) -> std::intptr_t {
            Record(std::string("open ") + file);
            return 42; // what the shell answers for a document it opened
        });
        SetTimer(nullptr, 0, 100, Tick);
    }
    return RunProgram(instance);
}
