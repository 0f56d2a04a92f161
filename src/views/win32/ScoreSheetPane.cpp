#include "views/win32/ScoreSheetPane.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "engine/CardCodes.h"
#include "games/fourplayer/FourSeatController.h"
#include "games/fourplayer/GameList.h"
#include "games/fourplayer/SchafkopfController.h"
#include "platform/StringLists.h"
#include "platform/win32/Drawing.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Ports.h"
#include "records/OptionRecordLayouts.h"
#include "records/ProgramFlags.h"
#include "views/SchafkopfGameTypes.h"
#include "views/win32/SchafkopfTablePane.h"
#include "views/win32/TableServices.h"

namespace {

constexpr int kHeaderBaseLine = 13;
constexpr int kHeaderLine = 18;
constexpr int kFirstLineBase = 30;
constexpr int kNumberX = 5;
constexpr int kWideNumberX = 2; // numbers from 1000 on
constexpr int kSeparatorX = 32;
constexpr int kGameX = 37;
constexpr int kColumnWidth = 110;
constexpr int kNameWidth = 105;
constexpr int kSmallestNameSize = 7;
constexpr int kGameColumn = 103; // from the game text to the first seat column
constexpr int kFourSeatX0 = 140;
constexpr int kSkatX0 = 240;
constexpr int kFourSeatContent = 595;
constexpr int kSkatContent = 570;
constexpr int kFourSeatTextSize = 9;
constexpr int kSkatTextSize = 10;
constexpr int kNumLabel = 1635;
constexpr int kGameLabel = 1634;
// Offsets from a seat column's left line.
constexpr int kPointsX = 3;
constexpr int kValueRight = 105;
constexpr int kPotRight = 89;

ScoreSheetFetcher& Fetcher() {
    static ScoreSheetFetcher fetcher;
    return fetcher;
}

void DrawAt(const char* text, int x, int baseLine) {
    MoveTo(x, baseLine);
    DrawString(text, false);
}

void DrawRightAligned(const char* text, int right, int baseLine) {
    DrawAt(text, right - StringWidth(text), baseLine);
}

void Line(int x1, int y1, int x2, int y2) {
    MoveTo(x1, y1);
    LineToWithPen(x2, y2);
}

// The records the handle really holds: never more than its size allows.
int RecordsPresent(Handle list) {
    if (!list)
        return 0;
    const std::int32_t size = GetHandleSize(list);
    if (size < kGameListHeaderSize)
        return 0;
    const int room = (size - kGameListHeaderSize) / kGameRecordSize;
    const int count = GameListHead(list)->count;
    return std::clamp(count, 0, room);
}

// Whether a Schafkopf game word names a game, without the beep of an unknown word.
bool IsKnownSchafkopfWord(std::int32_t word) {
    const auto full = static_cast<GameTypeWord>(word);
    constexpr GameTypeWord kKnownBits = kGameBitsMask | kModSoloChoice | kModExchange | kModThrowIn;
    if (full & ~kKnownBits)
        return false;
    const auto bits = full & kGameBitsMask;
    if (full & kModExchange)
        return true;
    switch (bits) {
    case kWordNone:
    case kWordNormal:
    case kWordPureSuitSolo:
    case kWordSuitSolo:
    case kWordUnterSolo:
    case kWordOberSolo:
    case kWordSuitUnter:
    case kWordSuitOber:
    case kWordNoTrumps:
    case kWordUnterKing:
    case kWordOberUnter:
    case kWordUnterOber:
    case kWordKingSolo:
    case kWordOberUnterKing:
    case kWordMarriage:
    case kWordYou:
        return true;
    default:
        return false;
    }
}

} // namespace

void SetScoreSheetFetcher(ScoreSheetFetcher fetcher) {
    Fetcher() = std::move(fetcher);
}

// ---- The sheet's frame -------------------------------------------------------------------------

void ScoreSheetPane::InitSide(GameController* gameController, HWND paneWindow,
                              Settings* paneSettings, ControlRef vertical, ControlRef horizontal,
                              TablePane* table) {
    Init(gameController, paneSettings, paneWindow, nullptr);
    verticalBar = vertical;
    horizontalBar = horizontal;
    tablePane = table;
    paging = 0;
    if (gDirectorRunsTables)
        Refresh();
    // While the window is being opened its slot does not hold it yet, so this reaches no bar;
    // the window sets the ranges again once it is in its slot.
    SetScrollRange(GetLineCount());
}

int ScoreSheetPane::GetContentWidth() {
    return kSkatContent;
}

int ScoreSheetPane::VisibleLines(int height) {
    return (height - GetFooterHeight()) / kScoreLineHeight;
}

int ScoreSheetPane::ScrollOffset() {
    return paging ? 0 : GetControlValue(horizontalBar) * kScoreColumnStep;
}

void ScoreSheetPane::SetScrollRange(int lines) {
    RECT client = {0, 0, 0, 0};
    if (window)
        GetClientRect(window, &client);
    // Rounded up, so that the sheet's right edge can be reached.
    const int hidden =
        std::max(0, GetContentWidth() - static_cast<int>(client.right - client.left));
    SetControlMaximum(horizontalBar, (hidden + kScoreColumnStep - 1) / kScoreColumnStep);
    SetControlValue(horizontalBar, 0);
    // The horizontal bar may just have appeared or gone, which changes the client height.
    if (window)
        GetClientRect(window, &client);
    const int maximum = std::max(0, lines + 2 - VisibleLines(client.bottom - client.top));
    SetControlMaximum(verticalBar, maximum);
    SetControlValue(verticalBar, maximum);
}

int ScoreSheetPane::GetFooterHeight() {
    return 16;
}

int ScoreSheetPane::GetLineCount() {
    return 0; // the Skat game keeps no score list yet
}

void ScoreSheetPane::PrepareDraw(int footerHeight, RECT* rect) {
    if (paging) {
        *rect = pageRect;
    } else {
        GetClientRect(window, rect);
        ClipRect(rect);
    }
    const int n = GetLineCount();
    const int visible = (rect->bottom - rect->top - footerHeight) / kScoreLineHeight;
    const int wanted = std::max(0, n + 2 - visible);
    const std::int32_t maximum = GetControlMaximum(verticalBar);
    if (paging || maximum == wanted)
        return;
    if (n < 1) {
        SetControlMaximum(verticalBar, 0);
        SetControlValue(verticalBar, 0);
        return;
    }
    // A sheet at its end follows the new games; one scrolled elsewhere keeps its place.
    const bool atEnd = GetControlValue(verticalBar) >= maximum;
    SetControlMaximum(verticalBar, wanted);
    if (atEnd)
        SetControlValue(verticalBar, wanted);
}

void ScoreSheetPane::ClipToWindow() {
    if (paging)
        return;
    RECT client;
    GetClientRect(window, &client);
    ClipRect(&client);
}

void ScoreSheetPane::GetBounds(RECT* bounds) {
    if (paging)
        *bounds = pageRect;
    else if (window)
        GetClientRect(window, bounds);
    else
        SetRect(bounds, 0, 0, 0, 0);
}

bool ScoreSheetPane::DrawPage(const RECT* rect, int page) {
    const int perPage =
        std::max(1, static_cast<int>((rect->bottom - rect->top - (GetFooterHeight() + 18)) /
                                     kScoreLineHeight));
    const std::int32_t vertical = GetControlValue(verticalBar);
    const std::int32_t horizontal = GetControlValue(horizontalBar);
    SetControlValue(horizontalBar, 0);
    SetControlValue(verticalBar, (page - 1) * perPage);
    paging = 1;
    pageRect = *rect;
    Draw(rect);
    paging = 0;
    SetControlValue(verticalBar, vertical);
    SetControlValue(horizontalBar, horizontal);
    return GetLineCount() > page * perPage;
}

void ScoreSheetPane::HandleClick(int, int, int) {}

// The director's sheet replaces the controller's; without one the controller keeps its own.
void ScoreSheetPane::Refresh() {}

void ScoreSheetPane::DrawNameCentred(const char* name, int left, int width, int baseLine,
                                     int textSize) {
    int size = textSize;
    TextSize(size);
    while (StringWidth(name) > width && size > kSmallestNameSize)
        TextSize(--size);
    char text[kNameTextSize + 4];
    std::snprintf(text, sizeof text, "%s", name);
    if (StringWidth(text) > width) {
        // Still too wide at the smallest size: cut it and end it in "...".
        std::size_t length = std::strlen(text);
        char cut[kNameTextSize + 4];
        do {
            --length;
            std::snprintf(cut, sizeof cut, "%.*s...", static_cast<int>(length), text);
        } while (length > 0 && StringWidth(cut) > width);
        std::snprintf(text, sizeof text, "%s", cut);
    }
    DrawAt(text, left + (width - StringWidth(text)) / 2, baseLine);
    TextSize(textSize);
}

void ScoreSheetPane::DrawHeader(const RECT& rect, int seats, int x0, int textSize) {
    const int shift = -ScrollOffset();
    char text[256];
    GetIndString(text, kNumLabel, 0);
    DrawAt(text, rect.left + kNumberX + shift, rect.top + kHeaderBaseLine);
    Line(rect.left + kSeparatorX + shift, rect.top, rect.left + kSeparatorX + shift, rect.bottom);
    GetIndString(text, kGameLabel, 0);
    DrawAt(text, rect.left + kGameX + shift, rect.top + kHeaderBaseLine);
    for (int seat = 0; seat < seats; ++seat) {
        const int left = rect.left + x0 + kColumnWidth * seat;
        char name[kNameTextSize] = "";
        if (controller)
            controller->GetPlayerNameC(name, seat);
        DrawNameCentred(name, left, kNameWidth, rect.top + kHeaderBaseLine, textSize);
        Line(left, rect.top, left, rect.bottom);
    }
    Line(rect.left, rect.top + kHeaderLine, rect.right, rect.top + kHeaderLine);
}

void ScoreSheetPane::Draw(const RECT*) {
    PortScope port(window);
    const int footer = GetFooterHeight();
    RECT rect;
    PrepareDraw(footer, &rect);
    TextFont(kFontArial);
    TextSize(kSkatTextSize);
    TextFace(0);
    DrawHeader(rect, 3, kSkatX0 - ScrollOffset(), kSkatTextSize);
    Line(rect.left, rect.bottom - footer, rect.right, rect.bottom - footer);
    for (int seat = 0; seat < 3; ++seat)
        DrawRightAligned("0", rect.left + 340 + kColumnWidth * seat - ScrollOffset(),
                         rect.bottom - footer + 13);
    ClipToWindow();
}

// ---- Four seats --------------------------------------------------------------------------------

Handle DoppelkopfScorePane::List() const {
    auto* four = dynamic_cast<FourSeatController*>(controller);
    return four ? four->gameListHandle : nullptr;
}

int DoppelkopfScorePane::GetContentWidth() {
    return kFourSeatContent + GameColumnWidth() - kGameColumn;
}

int DoppelkopfScorePane::GetFooterHeight() {
    return 16;
}

int DoppelkopfScorePane::GetLineCount() {
    return RecordsPresent(List());
}

void DoppelkopfScorePane::Refresh() {
    auto& fetch = Fetcher();
    auto* four = dynamic_cast<FourSeatController*>(controller);
    if (!fetch || !four)
        return;
    Handle list = fetch(controller);
    if (!list)
        return;
    if (!four->ReplaceGameList(list)) {
        DisposeHandle(list); // a damaged sheet from the director changes nothing
        return;
    }
    if (auto& replaced = GetTableServices().gameListReplaced)
        replaced(list);
}

void DoppelkopfScorePane::GetGameText(char* text, std::int32_t, std::int32_t) {
    text[0] = '\0'; // the Doppelkopf table names its games
}

void DoppelkopfScorePane::AppendTotalSuffix(char*) {}

void DoppelkopfScorePane::LineGameText(char* text, const GameRecord& record) {
    GetGameText(text, record.word, record.suit);
    if (record.bock)
        std::strncat(text, " (B)", 255 - std::strlen(text));
}

int DoppelkopfScorePane::GameColumnWidth() {
    Handle list = List();
    const int n = RecordsPresent(list);
    if (n == 0 || !window)
        return kGameColumn;
    PortScope port(window);
    TextFont(kFontArial);
    TextSize(kFourSeatTextSize);
    TextFace(0);
    int widest = 0;
    for (int i = 0; i < n; ++i) {
        char text[256];
        LineGameText(text, *GameListRecord(list, i));
        widest = std::max(widest, StringWidth(text));
    }
    return std::max(kGameColumn, widest + kPointsX);
}

void DoppelkopfScorePane::Draw(const RECT*) {
    PortScope port(window);
    const int footer = GetFooterHeight();
    RECT rect;
    PrepareDraw(footer, &rect);
    const int shift = -ScrollOffset();
    const int x0 = kFourSeatX0 + GameColumnWidth() - kGameColumn + shift;
    TextFont(kFontArial);
    TextSize(kFourSeatTextSize);
    TextFace(0);
    DrawHeader(rect, kListSeats, x0, kFourSeatTextSize);

    Handle list = List();
    const int n = RecordsPresent(list);
    const int top = rect.top, bottom = rect.bottom, left = rect.left;
    int index = std::max(0, static_cast<int>(GetControlValue(verticalBar)));
    for (int base = top + kFirstLineBase; base < bottom - footer && index < n;
         base += kScoreLineHeight, ++index) {
        const GameRecord& record = *GameListRecord(list, index);
        char text[256];
        std::snprintf(text, sizeof text, "%d", index + 1);
        DrawAt(text, left + (index + 1 >= 1000 ? kWideNumberX : kNumberX) + shift, base);
        LineGameText(text, record);
        DrawAt(text, left + kGameX + shift, base);
        for (int seat = 0; seat < kListSeats; ++seat) {
            const int column = left + x0 + kColumnWidth * seat;
            const bool mark = record.perOpponent != 0 && IsListedSeat(record, seat);
            std::snprintf(text, sizeof text, "(%s%d)", mark ? "*, " : "", record.seatPoints[seat]);
            DrawAt(text, column + kPointsX, base);
            char value[32];
            std::snprintf(value, sizeof value, "%d", record.values[seat]);
            const int valueWidth = StringWidth(value);
            DrawAt(value, column + kValueRight - valueWidth, base);
            if (record.potBooked != 0 && (record.potSeat == -1 || record.potSeat == seat)) {
                char amount[32];
                std::snprintf(amount, sizeof amount, "%d", record.potAmount);
                std::snprintf(text, sizeof text, "(%s)", amount);
                DrawAt(text, column + kPotRight - valueWidth - StringWidth(amount), base);
            }
        }
    }

    Line(left, bottom - footer, rect.right, bottom - footer);
    const GameListHeader* header =
        list && GetHandleSize(list) >= kGameListHeaderSize ? GameListHead(list) : nullptr;
    for (int seat = 0; seat < kListSeats; ++seat) {
        char text[300];
        std::snprintf(text, sizeof text, "%ld",
                      static_cast<long>(header ? header->totals[seat] : 0));
        AppendTotalSuffix(text);
        DrawRightAligned(text, left + x0 + kColumnWidth * seat + kValueRight, bottom - footer + 13);
    }
    ClipToWindow();
}

// ---- Schafkopf ---------------------------------------------------------------------------------

void SchafkopfScorePane::GetGameText(char* text, std::int32_t word, std::int32_t suit) {
    text[0] = '\0';
    if (!IsKnownSchafkopfWord(word))
        return;
    if (auto* table = dynamic_cast<SchafkopfTablePane*>(tablePane)) {
        table->FormatGameType(text, static_cast<GameTypeWord>(word), suit, nullptr);
        return;
    }
    auto* schafkopf = dynamic_cast<SchafkopfController*>(controller);
    ::FormatGameType(text, static_cast<GameTypeWord>(word), suit, nullptr,
                     schafkopf ? schafkopf->schafkopfRules : nullptr);
}

void SchafkopfScorePane::AppendTotalSuffix(char* text) {
    if (gStoryMode)
        return;
    auto* schafkopf = dynamic_cast<SchafkopfController*>(controller);
    const char* currency =
        schafkopf && schafkopf->schafkopfRules ? schafkopf->schafkopfRules->currencyName : "Cents";
    const std::size_t length = std::strlen(text);
    std::snprintf(text + length, 300 - length, " %.*s", 200, currency);
}
