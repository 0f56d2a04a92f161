#include "views/win32/CardsPlayedPane.h"

#include <cstdio>
#include <cstring>

#include "engine/TrickGameCore.h"
#include "games/fourplayer/DoppelkopfController.h"
#include "media/DeckManager.h"
#include "platform/StringLists.h"
#include "platform/win32/Drawing.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Ports.h"
#include "views/SuitNames.h"

namespace {

constexpr int kGridTextSize = 10;
constexpr int kLabelX = 5;
constexpr int kFirstColumnLine = 55;
constexpr int kLetterBaseLine = 10;
constexpr int kRowLine = 12;
constexpr int kRowBaseLine = 28;
constexpr int kRowHeight = 20;
constexpr int kSuitNameList = 1501;
constexpr int kFirstSuitName = 11;
constexpr int kSchafkopfNumberX = 62;
constexpr int kSchafkopfTricks = 8;
constexpr int kSchafkopfColumns = 8;
constexpr int kSkatColumns = 8;

// The style of each seat's numbers, and of the same seat when it led the trick.
constexpr int kSeatStyles[4] = {0, kStyleUnderline, kStyleBold | kStyleUnderline,
                                kStyleStrikeOut};

} // namespace

int CardsPlayedSeatStyle(int seat, bool led) {
    if (seat < 0 || seat > 3)
        return 0;
    return kSeatStyles[seat] | (led ? kStyleItalic : 0);
}

int CardsPlayedPane::GetColumnX(int column) {
    return column >= 1 && column <= 8 ? 65 + 30 * (column - 1) : 0;
}

int CardsPlayedPane::GetColumnWidth() {
    return 30;
}

const char* CardsPlayedPane::UnterLabel() {
    return gLanguageEnglish ? " J" : gDeckVariant == 1 ? " U" : " B";
}

const char* CardsPlayedPane::OberLabel() {
    return gLanguageEnglish ? " Q" : gDeckVariant == 1 ? " O" : " D";
}

const char* CardsPlayedPane::AceLabel() {
    return gLanguageEnglish ? "Ace" : "As";
}

void CardsPlayedPane::DrawFitted(const char* text, int x, int baseLine, int limit, int size) {
    TextSize(size);
    while (size > 1 && x + StringWidth(text) > limit)
        TextSize(--size);
    MoveTo(x, baseLine);
    DrawString(text, false);
    TextSize(kGridTextSize);
}

// The base implementation writes nothing; each game places its cards.
void CardsPlayedPane::WriteCellNumber(int, int, const RECT*) {}

void CardsPlayedPane::WriteRowLabels(const RECT* grid) {
    const int left = grid->left, top = grid->top;
    for (int suit = 0; suit < 4; ++suit) {
        MoveTo(left, top + kRowLine + kRowHeight * suit);
        LineToWithPen(grid->right - 1, top + kRowLine + kRowHeight * suit);
        char name[256] = "";
        if (gLanguageEnglish)
            GetIndString(name, kSuitNameList, static_cast<std::int16_t>(kFirstSuitName + suit));
        else
            GetSuitName(suit, name);
        DrawFitted(name, left + kLabelX, top + kRowBaseLine + kRowHeight * suit,
                   left + kFirstColumnLine - 1, kGridTextSize);
    }
}

void CardsPlayedPane::WriteHeader(const RECT* grid) {
    WriteRowLabels(grid);
}

// ---- Skat level ------------------------------------------------------------------------------

void SkatCardsPlayedPane::InitSide(GameController* gameController, HWND paneWindow,
                                  Settings* paneSettings) {
    Init(gameController, paneSettings, paneWindow, nullptr);
    nullLayout = 0;
    document = GetDocument();
}

// The Skat game keeps no document yet, so the Skat grid stays empty.
void* SkatCardsPlayedPane::GetDocument() {
    return nullptr;
}

int SkatCardsPlayedPane::GetSkatCard(int) {
    return 0;
}

int SkatCardsPlayedPane::GetTrickCard(int, int) {
    return 0;
}

int SkatCardsPlayedPane::GetTrickLeader(int) {
    return -1;
}

void SkatCardsPlayedPane::Draw(const RECT* rect) {
    PortScope port(window);
    EraseRect(rect);
    TextFont(kFontArial);
    TextSize(kGridTextSize);
    TextFace(0);
    WriteRowLabels(rect);
    const char* letters[kSkatColumns] = {UnterLabel(), " 7", " 8", " 9",
                                         OberLabel(), " K", "10", AceLabel()};
    const int width = GetColumnWidth();
    for (int column = 1; column <= kSkatColumns; ++column) {
        const int limit = column < kSkatColumns ? rect->left + kFirstColumnLine + width * column
                                                : rect->right;
        DrawFitted(letters[column - 1], rect->left + GetColumnX(column),
                   rect->top + kLetterBaseLine, limit - 1, kGridTextSize);
    }
    for (int i = 0; i < kSkatColumns; ++i) {
        MoveTo(rect->left + kFirstColumnLine + width * i, rect->top);
        LineToWithPen(rect->left + kFirstColumnLine + width * i, rect->bottom - 1);
    }
}

// ---- Schafkopf -------------------------------------------------------------------------------

TrickGameCore* SchafkopfCardsPlayedPane::Game() const {
    auto* four = dynamic_cast<DoppelkopfController*>(controller);
    return four ? four->player : nullptr;
}

bool SchafkopfCardsPlayedPane::PlayStarted() const {
    auto* four = dynamic_cast<DoppelkopfController*>(controller);
    return four && four->playStarted != 0 && four->player;
}

int SchafkopfCardsPlayedPane::GetTrickCard(int trick, int seat) {
    TrickGameCore* game = Game();
    if (!game || trick < 0 || trick >= kTrickCount || seat < 0 || seat > 3)
        return 0;
    const int card = game->tricks[trick].cards[seat];
    return card >= 1 && card <= 32 ? card : 0;
}

int SchafkopfCardsPlayedPane::GetTrickLeader(int trick) {
    TrickGameCore* game = Game();
    if (!game || trick < 0 || trick >= kTrickCount)
        return -1;
    return game->tricks[trick].leader;
}

void SchafkopfCardsPlayedPane::WriteCellNumber(int card, int number, const RECT* grid) {
    if (card < 1 || card > 32)
        return;
    const int row = (card - 1) / 8, step = (card - 1) % 8;
    char text[16];
    NumToString(number, text);
    const int x = grid->left + kSchafkopfNumberX + GetColumnWidth() * step;
    const int limit = step + 1 < kSchafkopfColumns
                          ? grid->left + kFirstColumnLine + GetColumnWidth() * (step + 1)
                          : grid->right;
    DrawFitted(text, x, grid->top + kRowBaseLine + kRowHeight * row, limit - 1, kGridTextSize);
}

void SchafkopfCardsPlayedPane::WriteHeader(const RECT* grid) {
    WriteRowLabels(grid);
    const char* letters[kSchafkopfColumns] = {" 7",        " 8", " 9",  UnterLabel(),
                                              OberLabel(), " K", "10", AceLabel()};
    const int width = GetColumnWidth();
    for (int column = 1; column <= kSchafkopfColumns; ++column) {
        const int limit = column < kSchafkopfColumns
                              ? grid->left + kFirstColumnLine + width * column
                              : grid->right;
        DrawFitted(letters[column - 1], grid->left + GetColumnX(column),
                   grid->top + kLetterBaseLine, limit - 1, kGridTextSize);
    }
    for (int i = 0; i < kSchafkopfColumns; ++i) {
        MoveTo(grid->left + kFirstColumnLine + width * i, grid->top);
        LineToWithPen(grid->left + kFirstColumnLine + width * i, grid->bottom - 1);
    }
}

void SchafkopfCardsPlayedPane::Draw(const RECT* rect) {
    PortScope port(window);
    const bool started = PlayStarted();
    if (!started)
        EraseRect(rect);
    TextFont(kFontArial);
    TextSize(kGridTextSize);
    TextFace(0);
    WriteHeader(rect);
    if (started) {
        TrickGameCore* game = Game();
        int tricks = game ? game->GetCardsPerHand() : 0;
        if (tricks > kSchafkopfTricks)
            tricks = kSchafkopfTricks;
        for (int seat = 0; seat < 4; ++seat) {
            for (int trick = 0; trick < tricks; ++trick) {
                TextFace(CardsPlayedSeatStyle(seat, GetTrickLeader(trick) == seat));
                WriteCellNumber(GetTrickCard(trick, seat), trick + 1, rect);
            }
        }
    }
    TextFace(0);
}
