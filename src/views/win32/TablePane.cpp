#include "views/win32/TablePane.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "games/fourplayer/FourSeatController.h"
#include "games/fourplayer/GameController.h"
#include "media/win32/ExtensionManager.h"
#include "media/win32/SoundManager.h"
#include "platform/Alerts.h"
#include "platform/Random.h"
#include "platform/Ticks.h"
#include "platform/win32/Drawing.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Pictures.h"
#include "platform/win32/Ports.h"
#include "platform/win32/Resources.h"
#include "platform/win32/WindowsGlobals.h"
#include "records/ProgramFlags.h"
#include "shell/Settings.h"
#include "story/win32/RoomPanel.h"
#include "tournament/TournamentDirector.h"

const TableLayoutEntry kTableLayout[kTableElementCount] = {
    {{{239, 395, 252, 428},
      {318, 468, 333, 508},
      {461, 594, 483, 648}}}, // 0 trick stack of seat 0; zone 106
    {{{236, 170, 252, 196},
      {314, 207, 333, 242},
      {451, 231, 479, 283}}}, // 1 trick stack of seat 1; zone 107
    {{{158, 223, 188, 248},
      {208, 278, 221, 308},
      {299, 358, 314, 397}}}, // 2 trick stack of seat 2; zone 108
    {{{170, 398, 182, 419},
      {224, 489, 238, 517},
      {316, 628, 335, 663}}}, // 3 trick stack of seat 3; zone 109
    {{{241, 220, 256, 362}, {328, 305, 348, 455}, {480, 369, 510, 480}}}, // 4 seat 0 area; zone 101
    {{{28, 15, 227, 124}, {43, 27, 283, 169}, {88, 35, 396, 214}}},       // 5 seat 1 area; zone 102
    {{{8, 254, 143, 347}, {19, 326, 183, 433}, {49, 424, 272, 549}}},     // 6 seat 2 area; zone 103
    {{{50, 509, 234, 615}, {49, 634, 303, 772}, {94, 822, 428, 987}}},    // 7 seat 3 area; zone 104
    {{{214, 278, 227, 309}, {279, 347, 291, 386}, {392, 444, 407, 492}}}, // 8 centre zone 100
    {{{20, 11, -1, -1}, {41, 13, -1, -1}, {86, 19, -1, -1}}},             // 9 point
    {{{0, 250, -1, -1}, {12, 312, -1, -1}, {49, 401, -1, -1}}},           // 10 point
    {{{15, 312, -1, -1}, {32, 319, -1, -1}, {78, 391, -1, -1}}},          // 11 point
    {{{163, 194, -1, -1}, {214, 241, -1, -1}, {307, 310, -1, -1}}},       // 12 point
    {{{0, 11, -1, -1}, {12, 14, -1, -1}, {49, 18, -1, -1}}},              // 13 point
    {{{0, 193, -1, -1}, {11, 242, -1, -1}, {48, 311, -1, -1}}},           // 14 point
    {{{0, 193, -1, -1}, {12, 242, -1, -1}, {49, 310, -1, -1}}},           // 15 point
    {{{211, 194, -1, -1}, {273, 242, -1, -1}, {385, 310, -1, -1}}},       // 16 point
    {{{23, 11, -1, -1}, {39, 14, -1, -1}, {87, 18, -1, -1}}},             // 17 point
    {{{19, 193, -1, -1}, {34, 242, -1, -1}, {78, 311, -1, -1}}},          // 18 point
    {{{215, 281, -1, -1}, {293, 345, -1, -1}, {437, 447, -1, -1}}},       // 19 point
    {{{23, 11, -1, -1}, {40, 16, -1, -1}, {86, 23, -1, -1}}},             // 20 point
    {{{0, 232, -1, -1}, {12, 291, -1, -1}, {49, 373, -1, -1}}},           // 21 point
    {{{17, 364, -1, -1}, {32, 452, -1, -1}, {74, 580, -1, -1}}},          // 22 point
    {{{25, 15, -1, -1}, {42, 19, -1, -1}, {87, 23, -1, -1}}},             // 23 point
    {{{0, 276, -1, -1}, {12, 343, -1, -1}, {49, 441, -1, -1}}},           // 24 point
    {{{20, 546, -1, -1}, {36, 679, -1, -1}, {80, 871, -1, -1}}},          // 25 point
    {{{25, 15, -1, -1}, {39, 17, -1, -1}, {84, 23, -1, -1}}},             // 26 point
    {{{0, 276, -1, -1}, {12, 343, -1, -1}, {49, 441, -1, -1}}},           // 27 point
    {{{20, 546, -1, -1}, {37, 678, -1, -1}, {80, 871, -1, -1}}},          // 28 point
    {{{110, 11, -1, -1}, {154, 18, -1, -1}, {220, 21, -1, -1}}},          // 29 point
    {{{64, 247, -1, -1}, {90, 307, -1, -1}, {157, 395, -1, -1}}},         // 30 point
    {{{107, 376, -1, -1}, {144, 469, -1, -1}, {220, 602, -1, -1}}},       // 31 point
    {{{225, 260, 254, 332}, {305, 310, 334, 382}, {465, 350, 494, 412}}}, // 32 name plate of seat 0
    {{{51, 108, 80, 180}, {87, 143, 116, 215}, {147, 181, 176, 252}}},    // 33 name plate of seat 1
    {{{10, 332, 39, 404}, {38, 428, 67, 500}, {84, 547, 113, 619}}},      // 34 name plate of seat 2
    {{{53, 464, 82, 536}, {86, 588, 115, 660}, {144, 771, 173, 843}}},    // 35 name plate of seat 3
    {{{225, 260, 254, 372},
      {305, 310, 334, 422},
      {465, 360, 494, 472}}}, // 36 wide name plate of seat 0
    {{{51, 108, 80, 220},
      {87, 143, 116, 215},
      {147, 181, 176, 252}}},                                        // 37 wide name plate of seat 1
    {{{10, 332, 39, 444}, {38, 428, 67, 500}, {84, 547, 113, 619}}}, // 38 wide name plate of seat 2
    {{{53, 424, 82, 536},
      {86, 548, 115, 660},
      {144, 741, 173, 813}}}, // 39 wide name plate of seat 3
    {{{177, 128, 208, 154},
      {231, 160, 268, 185},
      {329, 206, 383, 254}}}, // 40 figure of seat 1 holding no card
    {{{113, 274, 142, 311},
      {152, 342, 286, 387},
      {226, 441, 271, 501}}}, // 41 figure of seat 2, no card
    {{{163, 449, 186, 478},
      {213, 561, 239, 604},
      {307, 723, 341, 760}}}, // 42 figure of seat 3, no card
    {{{177, 128, 208, 154}, {230, 160, 267, 191}, {329, 206, 381, 254}}}, // 43 seat 1, one card
    {{{113, 274, 142, 311}, {152, 342, 286, 387}, {226, 441, 271, 501}}}, // 44 seat 2, one card
    {{{163, 449, 186, 478}, {213, 561, 239, 604}, {305, 720, 341, 760}}}, // 45 seat 3, one card
    {{{177, 128, 208, 154}, {230, 160, 267, 191}, {329, 206, 381, 254}}}, // 46 seat 1, two cards
    {{{113, 274, 142, 311}, {152, 342, 286, 387}, {226, 441, 271, 501}}}, // 47 seat 2, two cards
    {{{163, 449, 186, 478}, {213, 561, 239, 604}, {305, 720, 341, 760}}}, // 48 seat 3, two cards
    {{{177, 128, 208, 154},
      {230, 160, 267, 191},
      {329, 206, 381, 254}}}, // 49 seat 1, three or more
    {{{113, 274, 142, 311},
      {152, 342, 286, 387},
      {226, 441, 271, 501}}}, // 50 seat 2, three or more
    {{{163, 449, 186, 478},
      {213, 561, 239, 604},
      {305, 720, 341, 760}}}, // 51 seat 3, three or more
};

namespace {

constexpr std::int32_t kMoneyCap = 2147483637;
constexpr int kLeaveListTexts = 1400;
constexpr int kPenaltyQuestion = 160;
constexpr int kAnteQuestion = 161;
constexpr int kGiveUpQuestion = 162;
constexpr int kBadIdeaQuestion = 163;

FrontWindowSource sFrontWindowSource = nullptr;

HWND CurrentFrontWindow() {
    return sFrontWindowSource ? sFrontWindowSource() : FrontWindow();
}

HBITMAP LoadPicture(int id) {
    if (id <= 0 || id > 32767)
        return nullptr;
    return static_cast<HBITMAP>(GetResource(kPictType, static_cast<std::int16_t>(id)));
}

void Release(HBITMAP& picture) {
    if (picture)
        ReleaseResource(picture, kPictureResource);
    picture = nullptr;
}

// No deal lies on the table: the cloth without the seated figures.
bool ShowsEmptyTable(int phase) {
    return phase == 0 || phase == 4 || phase == 8 || phase == 10;
}

bool IsQuietPhase(int phase) {
    return phase == 0 || phase == 4 || phase == 5 || phase == 8 || phase == 10;
}

// The picture of a layout element for the loaded background f (rounded down to ten); 0 none.
int ElementPictureId(int element, int f, bool alternative, bool fourPlayer) {
    const int size = f % 100; // 20, 40 or 60 for table sizes 1, 0 and 2/3
    const int scene = f / 100;
    const bool scene13 = scene == 13 && !alternative;
    const bool scene19 = scene == 19 && !alternative;
    const int bySize = size == 20 ? 0 : size == 40 ? 1 : 2;
    switch (element) {
    case 0:
        return size + 1517;
    case 1:
        return size + 1514;
    case 2:
        return size + 1515;
    case 3:
        return size + 1516;
    case 32:
        return 1500;
    case 35:
        return 1501;
    case 36:
        return 1502;
    case 39:
        return 1503;
    case 40:
        return 900 + 3 * bySize + (scene13 ? 409 : 0);
    case 41:
        if (!fourPlayer)
            return 0;
        if (scene13)
            return 1310 + 3 * bySize;
        if (scene19)
            return 1910 + 3 * bySize;
        return 901 + 3 * bySize;
    case 42:
        return 902 + 3 * bySize;
    case 43:
        return size + (scene13 ? 1312 : 1511);
    case 44:
        if (!alternative && !fourPlayer)
            return 0;
        return size + (scene13 ? 1313 : scene19 ? 1913 : 1512);
    case 45:
        return size + 1513;
    case 46:
        return size + (scene13 ? 1311 : 1508);
    case 47:
        if (!fourPlayer)
            return 0;
        return size + (scene13 ? 1314 : scene19 ? 1914 : 1509);
    case 48:
        return size + 1510;
    case 49:
        return size + (scene13 ? 1310 : 1505);
    case 50:
        if (!fourPlayer)
            return 0;
        return size + (scene13 ? 1315 : scene19 ? 1915 : 1506);
    case 51:
        return size + 1507;
    default:
        return 0;
    }
}

int TableSizeIndex(int size) {
    return size == 1 ? 0 : size == 0 ? 1 : size == 2 ? 2 : -1;
}

} // namespace

void SetFrontWindowSource(FrontWindowSource source) {
    sFrontWindowSource = source;
}

TablePane::~TablePane() {
    if (seatedBackground != emptyBackground)
        Release(seatedBackground);
    Release(emptyBackground);
    Release(turnIcons[0]);
    Release(turnIcons[1]);
    Release(statusBarPicture);
    Release(extraPicture);
    Release(cornerPicture);
    Release(playerBoxPicture);
    ReleaseElementPictures();
    Release(elementPictures[kTableElementPictures - 1]);
}

int TablePane::TableSize() {
    return settings ? settings->body.cardSize : kCardSizeSmall;
}

void TablePane::Draw(const RECT*) {
    DrawGauges();
    if (window) {
        RECT client;
        GetClientRect(window, &client);
        ValidateRect(window, &client);
    }
}

void TablePane::UpdateTitle() {
    HWND target = gMainWindow ? gMainWindow : window;
    if (!target)
        return;
    char current[512] = {};
    GetWindowTextA(target, current, sizeof current);
    char title[512] = "Rodu Zezuv & Ozer Irude";
    const int mode = gDirector ? gDirector->series.seriesMode : 1;
    if (mode == 2) {
        std::strcat(title, " (League)");
        if (gameDay != -1)
            std::snprintf(title + std::strlen(title), 64, ": %d. Day", gameDay);
    } else if (mode == 8) {
        std::strcat(title, gDirector->qualification ? " (Qualification)" : " (Championship)");
    } else {
        char descriptor[256] = {};
        if (controller)
            controller->GetDescriptor(descriptor);
        // Without an open document there is no name to show, and no empty brackets either.
        if (descriptor[0])
            std::snprintf(title + std::strlen(title), 300, " (%s)", descriptor);
    }
    if (std::strcmp(title, current) != 0)
        SetWindowTextA(target, title);
}

void TablePane::SetPhase(int newPhase, int flag) {
    if (newPhase != 7) {
        phaseEntered = 1;
    } else if (roomPanel) {
        roomPanel->ResetRoomChoice();
    }
    if (newPhase == 9 && roomPanel)
        roomPanel->DisableRoomControls();
    if (newPhase == 0 && !flag && controller)
        controller->NewGameList();
    ResetIdleSounds();
}

void TablePane::InitTable(GameController* gameController, Settings* tableSettings, HWND tableWindow,
                          RoomPanel* panel) {
    Init(gameController, tableSettings, tableWindow, panel);
    roomPanel = panel;
    gameDay = -1;
    gaugePane = nullptr;
    extraPicture = emptyBackground = seatedBackground = statusBarPicture = nullptr;
    transientBoxCount = 0;
    startFlag = 1;
    directorFlag = 0;
    std::fill(std::begin(practiceFlags), std::end(practiceFlags), 0);
    std::fill(std::begin(elementPictures), std::end(elementPictures), nullptr);
    SelectRoomBackdrop();
    LoadTableGraphics();
    turnIcons[0] = LoadPicture(3040);
    turnIcons[1] = LoadPicture(3041);
    cornerPicture = LoadPicture(3095);
    playerBoxPicture = LoadPicture(1505);
    playerBoxShown = 0;
    playerBoxElement = playerBoxSeat = -1;
    SetRectEmpty(&statusBarRect);
    autoContinueStart = -1;
    idleHurryTick = -1;
    phaseEntered = 0;
    if (controller)
        StartStopwatch(controller);
}

int TablePane::GetGameCode() {
    return 0;
}
void TablePane::HideControls(int) {}

void TablePane::ShowStateMessage() {
    if (!controller) {
        Draw(nullptr);
        return;
    }
    const int declarer = controller->GetDeclarer();
    const bool declarerTable = declarer != 0;
    bool won = controller->DidHumanWinLastGame();
    // Line 2 the game and its player, line 3 the result and what it is worth to the human.
    char name[kStatusTextSize] = {};
    if (declarer >= 0 && declarer < 4)
        controller->GetPlayerNameC(name, declarer);
    std::snprintf(statusTexts[1], kStatusTextSize, "Game of %s", name[0] ? name : "You");
    const int points = controller->GetLastGameValue();
    std::snprintf(statusTexts[2], kStatusTextSize, "%s, %d points, your amount %ld",
                  won ? "won" : "lost", points, long(ComputeGameMoney(0, won ? points : -points)));
    Draw(nullptr);
    if (declarerTable)
        won = !won;
    int event = won ? 1505 : 1504;
    if (declarerTable) {
        const int r = Random();
        if (won && r < 5000)
            event = 1512;
        if (!won && r > 15000)
            event = 1511;
    }
    PlayEventSound(event, -1);
}

void TablePane::GetStatusBarRect(RECT* rect) {
    RECT picture = {0, 0, 0, 0};
    if (statusBarPicture)
        GetPictureBounds(statusBarPicture, &picture);
    RECT play = {0, 0, 0, 0};
    GetPlayArea(&play);
    SetRect(rect, 0, play.bottom - picture.bottom, picture.right, play.bottom);
    statusBarRect = *rect;
}

void TablePane::GetCornerRect(RECT* rect) {
    RECT picture = {0, 0, 0, 0};
    if (cornerPicture)
        GetPictureBounds(cornerPicture, &picture);
    RECT play = {0, 0, 0, 0};
    GetPlayArea(&play);
    SetRect(rect, play.right - picture.right, 0, play.right, picture.bottom);
    if (cornerPicture)
        DrawPicture(cornerPicture, rect);
    cornerRect = *rect;
}

int TablePane::GetStatusTextInset() {
    const int size = TableSize();
    return size == 0 ? 2 : size == 1 ? 0 : 3;
}

void TablePane::UseSmallTextStyle() {
    TextFont(kFontArial);
    TextSize(TableSize() >= 2 ? 12 : 10);
}

void TablePane::UseLargeTextStyle() {
    TextFont(kFontArial);
    TextSize(TableSize() >= 2 ? 14 : 12);
}

void TablePane::DrawStatusBar() {
    PortScope port(window);
    RECT bar;
    GetStatusBarRect(&bar);
    UseSmallTextStyle();
    SetBkMode(GetPortDC(), TRANSPARENT);
    const int w1 = StringWidth(statusTexts[0]);
    const int w2 = StringWidth(statusTexts[1]);
    const int w3 = StringWidth(statusTexts[2]);
    const int x = (bar.right - bar.left - GetSideColumnWidth() - w1 - w2 - w3 - 30) / 2;
    const int size = TableSize();
    const int baseline = bar.bottom - (size == 0 ? 6 : size == 1 ? 4 : 8);
    const int starts[3] = {x, x + w1 + 15, x + w1 + w2 + 30};
    for (int i = 0; i < 3; ++i) {
        MoveTo(bar.left + starts[i], baseline);
        DrawString(statusTexts[i], false);
    }
}

void TablePane::DrawStatusBarFrame() {
    PortScope port(window);
    RECT bar;
    GetStatusBarRect(&bar);
    if (statusBarPicture)
        DrawPicture(statusBarPicture, &bar);
    RECT corner;
    GetCornerRect(&corner);
}

void TablePane::InvalidateStatusBar() {
    if (!window)
        return;
    if (IsRectEmpty(&statusBarRect)) {
        PortScope port(window);
        RECT bar;
        GetStatusBarRect(&bar);
    }
    InvalidateRect(window, &statusBarRect, FALSE);
}

int TablePane::GetSideColumnWidth() {
    return 0;
}

void FormatPlayerClock(std::int32_t seconds, const RECT* rect, char* text, std::size_t size,
                       RECT* box) {
    RECT r = *rect;
    OffsetRect(&r, 4, 0);
    if (seconds < 3600) {
        SetRect(box, r.right - 40, r.bottom - 13, r.right - 7, r.bottom - 3);
        std::snprintf(text, size, "%2ld:%2ld", long(seconds / 60), long(seconds % 60));
    } else {
        const long hours = seconds / 3600;
        const long minutes = seconds % 3600 / 60;
        if (hours < 100) {
            SetRect(box, r.right - 57, r.bottom - 13, r.right - 2, r.bottom - 3);
            std::snprintf(text, size, "%3ld:%2ld:%2ld", hours, minutes, long(seconds % 60));
        } else if (hours < 1000) {
            SetRect(box, r.right - 53, r.bottom - 13, r.right - 2, r.bottom - 3);
            std::snprintf(text, size, "%3ld:%2ld:%1ld", hours, minutes, long(seconds % 60 / 10));
        } else {
            SetRect(box, r.right - 57, r.bottom - 13, r.right - 2, r.bottom - 3);
            std::snprintf(text, size, "%4ld:%2ld", hours, minutes);
        }
    }
    // The last two-digit field shows a leading zero.
    const std::size_t length = std::strlen(text);
    if (length >= 2 && text[length - 2] == ' ')
        text[length - 2] = '0';
}

void TablePane::DrawPlayerClock(std::int32_t seconds, const RECT* rect) {
    char text[32];
    RECT box;
    FormatPlayerClock(seconds, rect, text, sizeof text, &box);
    FillRectBackground(&box);
    TextFont(kFontArial);
    TextSize(10);
    SetBkMode(GetPortDC(), TRANSPARENT);
    MoveTo(box.left + 4, box.bottom - 1);
    DrawString(text, false);
}

void TablePane::DrawTableBackground(const RECT* rect, int, int tablePhase,
                                    const int cardCounts[4]) {
    if (!emptyBackground)
        return;
    if (ShowsEmptyTable(tablePhase)) {
        DrawPicture(emptyBackground, rect);
        return;
    }
    DrawPicture(seatedBackground ? seatedBackground : emptyBackground, rect);
    for (int seat = 1; seat <= 3; ++seat) {
        const int cards = cardCounts ? cardCounts[seat] : 0;
        if (cards < 0 || cards > 3)
            continue;
        const int element = 40 + 3 * cards + seat - 1;
        if (!elementPictures[element])
            continue;
        RECT place;
        GetElementRect(element, &place);
        DrawPicture(elementPictures[element], &place);
    }
}

void TablePane::DrawClothUnder(const RECT* rect) {
    const bool empty = ShowsEmptyTable(phase) || !seatedBackground;
    HBITMAP cloth = empty ? emptyBackground : seatedBackground;
    HDC dc = GetPortDC();
    if (!cloth || !dc) {
        FillRectBackground(rect);
        return;
    }
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, cloth);
    BitBlt(dc, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, source,
           rect->left, rect->top, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

HBRUSH TablePane::ControlBackground(HDC, HWND) {
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void TablePane::DrawPlayerBox(RECT* rect) {
    *rect = playerBoxRect;
    if (!playerBoxPicture || playerBoxRect.bottom < 1)
        return;
    PortScope port(window);
    DrawPicture(playerBoxPicture, &playerBoxRect);
}

int TablePane::GetRoom() {
    return 0;
}

int TablePane::HitTest(int x, int y) {
    const MacPoint point = {y, x};
    RECT rect;
    GetElementRect(8, &rect);
    if (PointInRect(point, &rect))
        return 100;
    for (int element = 0; element < 4; ++element) {
        GetElementRect(element, &rect);
        if (PointInRect(point, &rect))
            return 106 + element;
    }
    for (int element = 4; element < 8; ++element) {
        GetElementRect(element, &rect);
        if (PointInRect(point, &rect))
            return 97 + element;
    }
    return 0;
}

void TablePane::ArmAutoContinue() {
    autoContinueStart = 0;
}
void TablePane::DisarmAutoContinue() {
    autoContinueStart = -1;
}
std::uint32_t TablePane::GetKindCode() {
    return 0x62617369;
} // 'basi'
bool TablePane::IsGameRunning() {
    return false;
}
void TablePane::GetPlayArea(RECT*) {}
void TablePane::GetHandBounds(RECT*) {}
int TablePane::GetPlayerCount() {
    return 3;
}

int TablePane::GetBackgroundPictureId(int custom) {
    // Without table pictures the plain cloth of the program's own pictures.
    if (settings && !settings->body.tablePictures)
        return 3142;
    const int scene = RoomToScene(GetRoom());
    const int size = TableSize();
    int id;
    if (scene > 4) {
        id = size == 1 ? 1320 : size == 0 ? 1340 : size == 2 || size == 3 ? 1360 : -1;
    } else {
        id = size == 1 ? 1520 : size == 0 ? 1540 : size == 2 || size == 3 ? 1560 : -1;
        if (id != -1)
            id += 100 * scene;
    }
    if (id == -1)
        return -1;
    return id + (custom ? 1 : 0);
}

void TablePane::SetRoom(int) {}
void TablePane::SelectLowMotiveLibrary() {}
void TablePane::RestoreLowMotiveLibrary() {}
void TablePane::SelectHighMotiveLibrary() {}
void TablePane::RestoreHighMotiveLibrary() {}
void TablePane::SelectCustomTableLibrary() {}
void TablePane::RestoreCustomTableLibrary() {}
bool TablePane::HasCustomTableLibrary() {
    return DeckManager().HasCustomTableLibrary(GetGameCode() != 0);
}

void TablePane::GetElementRect(int element, RECT* rect) {
    SetRectEmpty(rect);
    const int sizeIndex = TableSizeIndex(TableSize());
    if (element < 0 || element >= kTableElementCount)
        return;
    ExtensionManager& deck = DeckManager();
    if (deck.customTableByte && element >= 40 && element <= 51 && deck.customFigurePositions) {
        if (sizeIndex < 0)
            return;
        const std::int16_t* pair =
            deck.customFigurePositions + sizeIndex * 6 + (element - 40) % 3 * 2;
        SetRect(rect, pair[1], pair[0], 1, 1);
        return;
    }
    if (sizeIndex < 0)
        return;
    std::int32_t top = kTableLayout[element].rects[sizeIndex][0];
    std::int32_t left = kTableLayout[element].rects[sizeIndex][1];
    std::int32_t bottom = kTableLayout[element].rects[sizeIndex][2];
    std::int32_t right = kTableLayout[element].rects[sizeIndex][3];
    if (IsAltTableLayout(this)) {
        if (element == 5 || element == 7) {
            static constexpr int kTops[3] = {30, 60, 85};
            bottom += kTops[sizeIndex] - top;
            top = kTops[sizeIndex];
        }
        if (element == 33 || element == 37)
            left += 70, right += 70;
        if (element == 35 || element == 39)
            left -= 70, right -= 70;
    }
    SetRect(rect, left, top, right, bottom);
    if (element == 36 && settings && settings->body.reduceTaskbar == 1)
        OffsetRect(rect, 0, sizeIndex == 2 ? -20 : -10);
}

int TablePane::GetGameKind() {
    return 0;
}

void TablePane::InvalidateHandArea() {
    if (!window)
        return;
    PortScope port(window);
    RECT play = {0, 0, 0, 0};
    GetPlayArea(&play);
    RECT client;
    GetClientRect(window, &client);
    client.top = play.bottom + 1;
    InvalRect(window, &client);
}

void TablePane::InvalidateTable(int whole) {
    if (!window)
        return;
    PortScope port(window);
    RECT area;
    if (whole) {
        GetClientRect(window, &area);
    } else {
        SetRectEmpty(&area);
        GetPlayArea(&area);
    }
    InvalRect(window, &area);
}

void TablePane::FinishScoreList() {}
void TablePane::PutAwayTrick() {}

void TablePane::Suggest() {
    if (!window)
        return;
    HWND port = nullptr;
    GetPort(&port);
    if (port == window)
        return;
    BringWindowToTop(window);
    SetPort(window);
}

void TablePane::RefreshSeats() {}
void TablePane::ReplayGame(int) {}
void TablePane::ContraCommand() {}
void TablePane::SetPhaseValue(int) {}
void TablePane::AfterDraw() {}

void TablePane::DrawGauges() {
    if (!gaugePane || !window)
        return;
    RECT client;
    GetClientRect(window, &client);
    gaugePane->Draw(&client);
}

void TablePane::ResetIdleSounds() {
    idleHurryTick = idleAmbienceTick = static_cast<std::int32_t>(TickCount());
    hurryCount = 0;
}

void TablePane::SetIdleSoundStart(std::int32_t tick) {
    idleHurryTick = tick;
}

void TablePane::PlayIdleSounds(std::int32_t now, std::int32_t interval, int seats) {
    if (now <= 0)
        return;
    if (idleHurryTick == -1 || CurrentFrontWindow() != gMainWindow) {
        idleHurryTick = idleAmbienceTick = now;
        return;
    }
    std::int32_t hurryWait = interval;
    if (hurryCount >= 2 && hurryCount <= 10) {
        hurryWait = interval * hurryCount;
    } else if (hurryCount > 10) {
        hurryCount = 0;
    }
    if (now - idleHurryTick > hurryWait) {
        idleHurryTick = idleAmbienceTick = now;
        ++hurryCount;
        int r = seats > 0 ? Random() % seats : 0;
        if (r < 0)
            r += seats;
        PlayEventSound(1599, r == 0 ? 1 : r == 1 ? 2 : 3);
    } else if (now - idleAmbienceTick > interval * 2 / 3 + Random() % 70) {
        idleAmbienceTick = now;
        if (gSoundWaitDepth <= 0)
            PlayEventSound(1430, -1);
    }
}

void TablePane::Idle(std::uint32_t now, int) {
    if (!gaugePane || !gStoryMode)
        return;
    if (UpdateNourishment(gaugePane, now, GetRoom()))
        DrawGauges();
}

void TablePane::LeaveTable() {}
bool TablePane::IsOpenSeries() {
    return false;
}
void TablePane::SetStakeState(int) {}
void TablePane::ApplyRemoteDeclaration(int, int, int, int, int, int, int, int) {}
void TablePane::ApplyRemoteValue(int) {}
void TablePane::ApplyRemotePair(int, int) {}
void TablePane::ReceiveSeatSignal() {}
void TablePane::ReceiveSecondSignal() {}
void TablePane::ApplyRemoteBid(int, int) {}
void TablePane::ApplyRemoteAnswer(int, int) {}
void TablePane::ApplyRemoteResult(int, int, int, int) {}
void TablePane::ApplyRemoteCount(int) {}
void TablePane::ApplyRemoteSeatAction(int, int, int) {}
void TablePane::Announce(int) {}
void TablePane::HandleDoppelkopfCommand(int) {}

void TablePane::DrawNamePlate(int element, RECT* rect) {
    SetRectEmpty(rect);
    if (element < 0 || element >= kTableElementCount || !elementPictures[element])
        return;
    GetElementRect(element, rect);
    if (rect->bottom <= 0)
        return;
    RECT picture;
    GetPictureBounds(elementPictures[element], &picture);
    OffsetRect(&picture, rect->left, rect->top);
    PortScope port(window);
    DrawPicture(elementPictures[element], &picture);
    *rect = picture;
}

void TablePane::DrawNamePlateText(int element, const char* text, bool record) {
    if (!text || !text[0])
        return;
    PortScope port(window);
    UseLargeTextStyle();
    int offset = 3;
    if (TableSize() >= 2 && element >= 32 && element <= 35) {
        element += 4;
        offset = 5;
    }
    RECT plate;
    DrawNamePlate(element, &plate);
    if (record)
        RecordTransientBox(&plate);
    const int width = plate.right - plate.left;
    // Shrink a long name through 12, 10 and 9 points; a name that still does not fit is
    // drawn centred all the same, overhanging the plate.
    for (int size : {12, 10, 9}) {
        if (StringWidth(text) <= width - 5)
            break;
        if (size < GetTextSize())
            TextSize(size);
    }
    SetBkMode(GetPortDC(), TRANSPARENT);
    MoveTo(plate.left + (width - StringWidth(text)) / 2,
           plate.bottom + offset - (plate.bottom - plate.top) / 2);
    DrawString(text, false);
}

void TablePane::RecordTransientBox(const RECT* rect) {
    // The list holds ten boxes; one more before the list is emptied is not kept.
    if (transientBoxCount >= kTransientBoxLimit)
        return;
    transientBoxes[transientBoxCount++] = *rect;
}

void TablePane::ShowPlayerBox(int element) {
    if (playerBoxShown && playerBoxElement == element)
        return;
    if (playerBoxShown)
        HidePlayerBox();
    playerBoxSeat = static_cast<std::int16_t>(element - 4);
    playerBoxElement = static_cast<std::int16_t>(element);
    if (!playerBoxPicture) {
        SetRectEmpty(&playerBoxRect);
    } else {
        RECT place;
        GetElementRect(element, &place);
        RECT picture;
        GetPictureBounds(playerBoxPicture, &picture);
        const int width = picture.right, height = picture.bottom;
        const int left = element == 7 ? place.right - width : place.left;
        const bool bottomAligned = (element == 4 || element == 7) && !IsAltTableLayout(this);
        const int top = bottomAligned ? place.bottom - height : place.top;
        SetRect(&playerBoxRect, left, top, left + width, top + height);
    }
    playerBoxShown = 1;
    if (playerBoxRect.bottom >= 1) {
        RECT drawn;
        DrawPlayerBox(&drawn);
    }
}

void TablePane::HidePlayerBox() {
    if (playerBoxShown && window)
        InvalidateRect(window, &playerBoxRect, FALSE);
    playerBoxShown = 0;
    playerBoxElement = -1;
    playerBoxSeat = -1;
}

void TablePane::CentreAtBottom(HBITMAP picture, RECT* rect) {
    RECT bounds = {0, 0, 0, 0};
    if (picture)
        GetPictureBounds(picture, &bounds);
    RECT client = {0, 0, 0, 0};
    if (window)
        GetClientRect(window, &client);
    const int left = (client.right - client.left - bounds.right) / 2;
    SetRect(rect, left, client.bottom - 6 - bounds.bottom, left + bounds.right, client.bottom - 6);
}

void TablePane::SelectRoomBackdrop() {
    if (!settings || GetRoom() == settings->body.motive)
        return;
    const int style = DeckManager().tableStyle;
    const bool late = settings->body.motive >= 7;
    int room = 2;
    switch (style) {
    case 1:
        room = 1;
        break;
    case 3:
        room = late ? 5 : 3;
        break;
    case 4:
        room = 7;
        break;
    case 5:
        room = late ? 3 : 5;
        break;
    case 6:
        room = 8;
        break;
    default:
        break;
    }
    SetRoom(room);
}

void TablePane::ReleaseElementPictures() {
    for (int element = 0; element < kTableElementPictures; ++element) {
        // 33 and 34 share 32's plate, 37 and 38 share 36's.
        if (element == 33 || element == 34 || element == 37 || element == 38) {
            elementPictures[element] = nullptr;
        } else {
            Release(elementPictures[element]);
        }
    }
}

bool TablePane::UsesAlternativeFigureIds() {
    const ExtensionManager& deck = DeckManager();
    return deck.motiveIndex > 2 || (deck.motiveIndex == 2 && deck.tableStyle > 3);
}

void TablePane::LoadTableGraphics() {
    if (!settings)
        return;
    if (seatedBackground != emptyBackground)
        Release(seatedBackground);
    seatedBackground = nullptr;
    Release(emptyBackground);
    Release(statusBarPicture);
    Release(extraPicture);
    const int size = TableSize();
    statusBarPicture = LoadPicture(size == 0 ? 3097 : size == 1 ? 3096 : 3098);
    if (!HasCustomTableLibrary())
        settings->body.customTable = 0;
    int f = GetBackgroundPictureId(settings->body.customTable);
    const bool high = f >= 1700;
    if (high) {
        SelectHighMotiveLibrary();
    } else {
        SelectLowMotiveLibrary();
    }
    HBITMAP background = nullptr;
    if (!settings->body.customTable)
        background = LoadPicture(f);
    bool fallback = false;
    if (!background) {
        f = GetBackgroundPictureId(1);
        SelectCustomTableLibrary();
        fallback = true;
        background = LoadPicture(f);
        if (!background)
            SysBeep(1);
    }
    emptyBackground = background;
    // The program's own plain cloth has no seated form (its next pictures are the suits).
    HBITMAP seated = f >= 900 && f < 3000 ? LoadPicture(f + 3) : nullptr;
    seatedBackground = seated ? seated : emptyBackground;
    if (GetGameCode() == 0) {
        const ExtensionManager& deck = DeckManager();
        const int offset = size == 0 ? 10 : size == 1 ? 0 : 20;
        extraPicture = LoadPicture(deck.customTableByte ? 50 * deck.tableStyle + offset + 2255
                                   : size == 0          ? 1558
                                   : size == 1          ? 1538
                                                        : 1578);
    }
    ReleaseElementPictures();
    const ExtensionManager& deck = DeckManager();
    const int tens = f - f % 10;
    const bool alternative = UsesAlternativeFigureIds();
    const bool fourPlayer = GetGameCode() != 0;
    const int offset = size == 0 ? 10 : size == 1 ? 0 : 20;
    for (int element = 0; element < kTableElementPictures; ++element) {
        if (element == 33 || element == 34 || element == 37 || element == 38)
            continue;
        const int id = ElementPictureId(element, tens, alternative, fourPlayer);
        if (!id)
            continue;
        HBITMAP picture = nullptr;
        if (element <= 3 && deck.customTableByte) {
            picture = LoadPicture(id % 10 + 50 * deck.tableStyle + offset + 2247);
        } else if (element >= 40 && element <= 51) {
            if (seatedBackground == emptyBackground)
                continue;
            if (deck.customTableByte && alternative) {
                picture = LoadPicture(id > 999 ? id % 20 + tens : id % 3 + tens + 15);
            }
            if (!picture)
                picture = LoadPicture(id);
        } else {
            picture = LoadPicture(id);
        }
        elementPictures[element] = picture;
    }
    elementPictures[33] = elementPictures[34] = elementPictures[32];
    elementPictures[37] = elementPictures[38] = elementPictures[36];
    if (fallback)
        RestoreCustomTableLibrary();
    if (high) {
        RestoreHighMotiveLibrary();
    } else {
        RestoreLowMotiveLibrary();
    }
    // Only the system's taskbar is shown or hidden, never some other window.
    if (!settings->body.reduceTaskbar && gMainWindow) {
        HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
        if (!taskbar)
            return;
        RECT main, bar, bounds;
        GetWindowRect(gMainWindow, &main);
        GetWindowRect(taskbar, &bar);
        GetBounds(&bounds);
        const int mainWidth = main.right - main.left;
        const bool wide = bar.right - bar.left >= mainWidth;
        const bool visible = IsWindowVisible(taskbar);
        if (mainWidth - bounds.right >= 60) {
            if (!visible && wide)
                ShowWindow(taskbar, SW_SHOW);
        } else if (visible && wide) {
            ShowWindow(taskbar, SW_HIDE);
        }
    }
}

bool TablePane::ConfirmLeaveTable(int tablePhase) {
    StopSounds();
    const int room = GetRoom();
    if (room == 1)
        return true;
    if (room >= 2 && room <= 6) {
        if (IsQuietPhase(tablePhase))
            return true;
        if (tablePhase == 1)
            return AskOkCancel(kLeaveListTexts, IsOpenSeries() ? kPenaltyQuestion : kAnteQuestion,
                               "");
        if (tablePhase == 2 || tablePhase == 3 || tablePhase == 6)
            return AskOkCancel(kLeaveListTexts, IsOpenSeries() ? kGiveUpQuestion : kAnteQuestion,
                               "");
        return false;
    }
    if (room == 7 || room == 8) {
        if (IsOpenSeries()) {
            if (IsQuietPhase(tablePhase))
                return true;
        } else {
            Handle list = nullptr;
            if (auto* fourSeat =
                    GetGameCode() != 0 ? dynamic_cast<FourSeatController*>(controller) : nullptr)
                list = fourSeat->gameListHandle;
            if (IsSeriesOverByOptions(gDirector, list, GetGameCode()))
                return true;
        }
        return AskOkCancel(kLeaveListTexts, kBadIdeaQuestion, "");
    }
    return false;
}

std::int32_t TablePane::ComputeGameMoney(std::int32_t, std::int32_t amount) {
    if (IsOpenSeries() || !settings)
        return 0;
    const SettingsBody& body = settings->body;
    // In 64 bits: a tournament's stake level doubles the amount per level.
    long long money = amount;
    switch (body.tableMode) {
    case kTableModeLeague:
        money *= body.seriesPlayers - 1;
        break;
    case kTableModePractice:
        return 0;
    case kTableModeTournament: {
        const int level = body.tournamentDays;
        long long h = money * 3;
        for (int i = 1; i < level && i < 40; ++i)
            h *= 2;
        const int room = GetRoom();
        if (room == 2 || room == 3) {
            h -= h * 3 / 4;
        } else if (room == 7 || room == 8) {
            h -= h / 3;
        } else {
            h -= h / 2;
        }
        money = std::min<long long>(h, kMoneyCap);
        break;
    }
    default:
        if (body.seriesEnd != 1 && body.seriesEnd != 2 && body.seriesEnd != 4 &&
            body.seriesEnd != 8)
            return -2;
        money *= 2;
        break;
    }
    if (body.pubState[0] != 0)
        money *= 5;
    for (int bit = 0; bit < 7; ++bit) {
        if (!(body.pubState[1] & (1 << bit)))
            continue;
        const double percent = body.pubState[bit + 2];
        money = static_cast<long long>(
            std::ceil(static_cast<double>(money) * (1.0 + percent / 100.0) - 0.5));
    }
    return static_cast<std::int32_t>(std::clamp<long long>(money, -kMoneyCap, kMoneyCap));
}

void TablePane::RemindUpgradeNotes() {}

void TablePane::SetSessionFlag(int value) {
    directorFlag = static_cast<std::uint8_t>(value);
}

bool TablePane::PlayPhaseAnimations(int) {
    PlayEventSound(1501, -1);
    ResetIdleSounds();
    return false;
}

bool IsPubStoryTable(TablePane* pane) {
    return pane && pane->roomPanel && pane->settings && pane->settings->body.storyMode == 2;
}

void ClearTransientBoxes(TablePane* pane) {
    pane->transientBoxCount = 0;
}

void SetGaugePane(TablePane* pane, Pane* gaugePane) {
    pane->gaugePane = gaugePane;
}

int RoomToScene(int room) {
    switch (room) {
    case 1:
        return 5;
    case 3:
        return 3;
    case 5:
    case 6:
        return 1;
    case 7:
        return 2;
    case 8:
        return 4;
    default:
        return 0;
    }
}

int GetRoomScene(TablePane* pane) {
    return RoomToScene(pane->GetRoom());
}

bool IsAltTableLayout(TablePane*) {
    return DeckManager().altTableLayout != 0;
}

bool ReturnFalse() {
    return false;
}
