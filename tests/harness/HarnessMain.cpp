// The program as the player harness drives it: the real program, which in addition reads
// commands from a folder and publishes there what the table shows (where its window lies,
// the rectangles of the layout, status texts, clock, plates and player box), so that a
// driver outside can aim real input and check screenshots. Folder: SCHAFKOPF_HARNESS_DIR.
//
// Commands (command.txt, one line "<number> <word> <value>", taken once per number):
//   size S   the preparation of a driven run (seeded random numbers, card delay 0, Put Away
//            off), then table size S applied as the View dialog applies it.
// State (state.txt, replaced as a whole): one "name values..." line per item.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/Random.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Ports.h"
#include "platform/win32/WindowsGlobals.h"
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

void Publish() {
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
    const std::string path = gFolder + "\\state.txt", temporary = gFolder + "\\state.tmp";
    if (FILE* file = std::fopen(temporary.c_str(), "wb")) {
        std::fwrite(out.data(), 1, out.size(), file);
        std::fclose(file);
        MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
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
    if (read != 3 || number <= gCommandDone || !gSettings || !GetTablePane())
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
        SetTimer(nullptr, 0, 100, Tick);
    }
    return RunProgram(instance);
}
