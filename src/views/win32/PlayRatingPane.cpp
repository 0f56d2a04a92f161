#include "views/win32/PlayRatingPane.h"

#include <cstdio>
#include <cstring>

#include "platform/Alerts.h"
#include "platform/win32/DialogItems.h"
#include "platform/win32/Drawing.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Pictures.h"
#include "platform/win32/Ports.h"
#include "shell/Settings.h"

namespace {

constexpr int kSkatValueCount = 27;
constexpr int kSkatPicture = 3060;
constexpr std::int16_t kQuestionList = 1503;
constexpr std::int16_t kReallyClear = 18; // "Really clear your rating?"
constexpr int kValueFontSize = 10;
constexpr int kPictureLeft = 4;
constexpr int kPictureTop = 6;

bool IsEmpty(const RECT& box) {
    return box.right <= box.left || box.bottom <= box.top;
}

// Writes the text only when it differs, so that a repaint does not make the items flicker.
void ShowText(HWND dialog, int item, const char* text) {
    char shown[256] = "";
    if (!GetDlgItem(dialog, item))
        return;
    GetDlgItemTextA(dialog, item, shown, sizeof shown);
    if (std::strcmp(shown, text) != 0)
        SetDlgItemTextA(dialog, item, text);
}

} // namespace

PlayRatingPane::~PlayRatingPane() {
    if (picture)
        DeleteObject(picture);
}

void PlayRatingPane::InitSide(GameController* gameController, Settings* paneSettings, void*,
                              HWND paneWindow) {
    Init(gameController, paneSettings, paneWindow, nullptr);
    recalculate = 1;
    picture = nullptr;
    valueBoxes.assign(static_cast<size_t>(GetValueCount()), RECT{0, 0, 0, 0});
}

int PlayRatingPane::GetValueCount() {
    return kSkatValueCount;
}

int PlayRatingPane::GetPictureId() {
    return kSkatPicture;
}

int PlayRatingPane::FindValueAt(int, int) {
    return 0;
}

void PlayRatingPane::InvalidateValue(int index) {
    if (!window || index < 0 || index >= static_cast<int>(valueBoxes.size()))
        return;
    InvalidateRect(window, &valueBoxes[static_cast<size_t>(index)], FALSE);
}

float PlayRatingPane::ComputeRating() {
    if (recalculate && settings) {
        recalculate = 0;
        rating = ComputeSkatRating(settings->body);
    }
    return rating;
}

std::vector<RatingItem> PlayRatingPane::GetItems() {
    if (!settings)
        return {};
    return RatingItemsOf(settings->body);
}

int PlayRatingPane::GetRatingItem() {
    return RatingItemOf(kRatingKindSkat);
}

void PlayRatingPane::DrawValue(int x, int y, float value, bool parenthesised) {
    char text[64];
    std::snprintf(text, sizeof text, parenthesised ? "(%.1f)" : "%.1f", static_cast<double>(value));
    MoveTo(x - StringWidth(text), y - 1);
    DrawString(text, false);
}

void PlayRatingPane::DrawCount(int x, int y, std::int32_t value, bool parenthesised) {
    char text[32];
    std::snprintf(text, sizeof text, parenthesised ? "(%ld)" : "%ld", static_cast<long>(value));
    MoveTo(x - StringWidth(text), y - 1);
    DrawString(text, false);
}

// The values at the bottom-right corners of their boxes; a value without a box is not drawn.
void PlayRatingPane::Draw(const RECT*) {
    if (!window)
        return;
    PortScope port(window);
    if (picture) {
        RECT bounds;
        GetPictureBounds(picture, &bounds);
        OffsetRect(&bounds, kPictureLeft - bounds.left, kPictureTop - bounds.top);
        DrawPicture(picture, &bounds);
    }
    TextFont(kFontArial);
    TextSize(kValueFontSize);
    const std::vector<RatingItem> items = GetItems();
    const size_t count = valueBoxes.size();
    for (size_t i = 0; i < items.size() && i < count; ++i)
        if (!IsEmpty(valueBoxes[i]))
            DrawCount(valueBoxes[i].right, valueBoxes[i].bottom, items[i].value,
                      items[i].parenthesised);
    if (count > items.size() && !IsEmpty(valueBoxes[items.size()])) {
        const RECT& box = valueBoxes[items.size()];
        DrawValue(box.right, box.bottom, ComputeRating(), false);
    }
}

void PlayRatingPane::HandleClick(int x, int y, int) {
    if (FindValueAt(x, y) != 0 || !window)
        return;
    int item = 0;
    if (FindButtonAt(window, x, y, &item) != 0)
        SysBeep(1);
}

void PlayRatingPane::HandleKey(std::int8_t key) {
    if (key == 13 || key == 3)
        HandleCommand(kPlayRatingEnter);
}

void PlayRatingPane::HandleCommand(int command) {
    if (command == kPlayRatingEnter) {
        SysBeep(1);
    } else if (command == kPlayRatingClear && AskToClear()) {
        if (settings)
            settings->ResetStatistics();
        ShowCleared();
    }
}

void PlayRatingPane::UpdateMenus() {}

bool PlayRatingPane::AskToClear() {
    return AskOkCancelForWindow(window, kQuestionList, kReallyClear, "");
}

void PlayRatingPane::ShowCleared() {
    recalculate = 1;
    if (window)
        InvalidateRect(window, nullptr, TRUE);
}

void PlayRatingPane::FillItems() {
    if (!window)
        return;
    // Counters and rating are read at every paint: the automatic Put Away may book a game
    // while the window is open.
    recalculate = 1;
    const float shown = ComputeRating();
    for (const RatingItem& item : GetItems()) {
        char text[32];
        // Counters of a damaged file are shown as stored, negative ones with their sign.
        std::snprintf(text, sizeof text, item.parenthesised ? "(%ld)" : "%ld",
                      static_cast<long>(item.value));
        ShowText(window, item.item, text);
    }
    char text[32];
    std::snprintf(text, sizeof text, "%ld", static_cast<long>(ShownRating(shown)));
    ShowText(window, GetRatingItem(), text);
}

void PlayRatingPaneWin::Draw(const RECT*) {
    FillItems();
}

void PlayRatingPaneWin::InitSide(GameController* gameController, Settings* paneSettings,
                                 void* record, HWND paneWindow) {
    PlayRatingPane::InitSide(gameController, paneSettings, record, paneWindow);
    Draw(nullptr);
}
