#include "views/win32/FourPlayerTablePane.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "engine/CardCodes.h"
#include "games/fourplayer/DoppelkopfController.h"
#include "games/fourplayer/FourSeatController.h"
#include "games/fourplayer/GameList.h"
#include "media/win32/SoundManager.h"
#include "platform/Alerts.h"
#include "platform/Random.h"
#include "platform/StringLists.h"
#include "platform/win32/DialogItems.h"
#include "platform/win32/Drawing.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Input.h"
#include "platform/win32/Menus.h"
#include "platform/win32/Pictures.h"
#include "platform/win32/Ports.h"
#include "platform/win32/Resources.h"
#include "platform/win32/WindowHelpers.h"
#include "platform/win32/WindowsGlobals.h"
#include "records/ProgramFlags.h"
#include "shell/Settings.h"
#include "story/win32/RoomPanel.h"
#include "tournament/TournamentDirector.h"
#include "views/win32/SeatRoleBadge.h"
#include "views/win32/TableServices.h"

namespace {

constexpr std::int32_t kNoCommand = 0x20202020; // four blanks
constexpr int kPlayCardEvent = 1503;
constexpr const char* kHowToStartText = "Click on the table or press Return to deal.";
constexpr int kAlertList = 1501;
constexpr int kNoteList = 1600;
constexpr int kNotYourTurn = 101;     // "It's not yet your turn to play a card!"
constexpr int kServerWaiting = 85;    // "Please wait! The Server is waiting for other users."
constexpr int kNeedPairing = 159;     // "Before you can play, you must first call up ..."
constexpr int kReplayQuestion = 33;   // "Do you want to play this game again with the same cards ?"
constexpr int kPleaseWait = 104;      // list 1600 "Please wait. It's not yet your turn."
constexpr int kGamesText = 131;       // list 1600 ". Games"
constexpr int kOfText = 132;          // list 1600 " of "
constexpr int kTimeLimitNote = 133;   // list 1600 "The time limit has been reached."
constexpr int kPointTargetNote = 134; // list 1600 "The point target has been reached ..."
constexpr int kIDealText = 72;        // list 1503 "I deal!"

HBITMAP LoadTablePicture(int id) {
    return static_cast<HBITMAP>(GetResource(kPictType, static_cast<std::int16_t>(id)));
}

void ReleasePicture(HBITMAP& picture) {
    if (picture)
        ReleaseResource(picture, kPictureResource);
    picture = nullptr;
}

bool IsCard(int code) {
    return code >= 1 && code <= 32;
}

void WaitTableTicks(std::uint32_t ticks) {
    if (auto& wait = GetTableServices().waitTicks)
        wait(ticks);
}

void RedrawAllWindows() {
    if (auto& redraw = GetTableServices().redrawWindows)
        redraw(false, false);
}

void MarkGameChanged() {
    if (auto& mark = GetTableServices().markGameChanged)
        mark();
}

int WaitDepth() {
    auto& depth = GetTableServices().waitDepth;
    return depth ? depth() : 0;
}

// A 3-pixel frame that inverts what lies under it; drawn twice it is gone.
void InvertFrame(const RECT& rect) {
    HDC dc = GetPortDC();
    if (!dc)
        return;
    const RECT bands[4] = {{rect.left, rect.top, rect.right, rect.top + 3},
                           {rect.left, rect.bottom - 3, rect.right, rect.bottom},
                           {rect.left, rect.top + 3, rect.left + 3, rect.bottom - 3},
                           {rect.right - 3, rect.top + 3, rect.right, rect.bottom - 3}};
    for (const RECT& band : bands)
        InvertRect(dc, &band);
}

} // namespace

int TrickPlaceOfSeat(int seat) {
    static constexpr int kPlaces[4] = {2, 1, 0, 3};
    return seat >= 0 && seat < 4 ? kPlaces[seat] : -1;
}

// ---- Lifetime ------------------------------------------------------------------------

FourPlayerTablePane::~FourPlayerTablePane() {
    ReleasePicture(closingPicture);
    ReleasePicture(bidBoxPicture);
    ReleasePicture(choiceBoxPicture);
    ReleasePicture(gameInfoPicture);
    if (boxBrush)
        DeleteObject(boxBrush);
    for (HBITMAP& picture : smallGameInfoPictures)
        ReleasePicture(picture);
    delete roleBadge;
    roleBadge = nullptr;
}

FourSeatController* FourPlayerTablePane::FourSeat() const {
    return dynamic_cast<FourSeatController*>(controller);
}

void FourPlayerTablePane::InitGame(GameController* gameController, Settings* gameSettings,
                                   HWND tableWindow, void* gameDocument, int handCards,
                                   int phaseFlag, RoomPanel* panel, int resetClock) {
    InitTable(gameController, gameSettings, tableWindow, panel);
    if (resetClock && FourSeat())
        FourSeat()->gameClock = 0;
    cardsPerHand = static_cast<std::int16_t>(std::clamp(handCards, 1, kMaxHandCards));
    delete roleBadge;
    roleBadge = new SeatRoleBadge;
    roleBadge->Init();
    cardsScaled = 0;
    document = gameDocument;
    trickWaiting = 0;
    inputEnabled = 1;
    handsShown = 0;
    const int startPhase = gStoryMode ? 7 : 0;
    phase = static_cast<std::uint8_t>(startPhase);
    std::fill(std::begin(soundPlayed), std::end(soundPlayed), 0);
    SetRectEmpty(&selectionRect);
    UpdateTitle();
    InitTableExtras();
    {
        PortScope port(window);
        closingPicture = LoadTablePicture(1504);
        bidBoxPicture = LoadTablePicture(1506);
        choiceBoxPicture = LoadTablePicture(1507);
        gameInfoPicture = LoadTablePicture(3007);
        for (int i = 0; i < 4; ++i)
            smallGameInfoPictures[i] = LoadTablePicture(3020 + i);
    }
    RECT bounds;
    GetBounds(&bounds);
    if (window)
        SizeWindow(window, bounds.right - bounds.left, bounds.bottom - bounds.top + 1);
    LayoutControls(cardsScaled == 0 && TableSize() == 0);
    SetPhase(startPhase, phaseFlag);
}

// ---- One-line operations ---------------------------------------------------------------

int FourPlayerTablePane::GetRoom() {
    return FourSeat() ? FourSeat()->room : 0;
}

void FourPlayerTablePane::SetRoom(int room) {
    if (FourSeat())
        FourSeat()->SetRoom(room);
    LoadTableGraphics();
}

bool FourPlayerTablePane::SettlePubEvent(int event, std::int32_t value) {
    return !FourSeat() || FourSeat()->SettlePubEvent(0, event, GetRoom(), value);
}

bool FourPlayerTablePane::IsOpenSeries() {
    return controller && controller->IsOpenSeries();
}

void FourPlayerTablePane::SetStakeState(int value) {
    if (FourSeat())
        FourSeat()->SetStakeState(value);
}

void FourPlayerTablePane::GetHandBounds(RECT* rect) {
    UnionRect(rect, &ownCardRects[0], &ownCardRects[cardsPerHand - 1]);
}

int FourPlayerTablePane::GetVisibleCardWidth(int) {
    return 0;
}

double FourPlayerTablePane::GetCardScale() {
    return TableSize() == 0 ? 1.1683 : 1.0;
}

void FourPlayerTablePane::GetPlayArea(RECT* rect) {
    if (window) {
        GetClientRect(window, rect);
    } else {
        GetBounds(rect);
    }
    WindowRect card = {0, 0, 0, 0};
    if (settings)
        settings->GetCardSetBounds0(&card);
    rect->bottom -= 2 * (card.bottom - card.top) + 2;
}

void FourPlayerTablePane::GetTrickCardRect(RECT* rect, int seat) {
    const int place = TrickPlaceOfSeat(seat);
    if (place >= 0)
        *rect = trickPlaces[place];
}

void FourPlayerTablePane::HideControls(int) {
    if (!window)
        return;
    HideItem(window, kBeginButton);
    HideItem(window, kPutAwayButton);
    HideItem(window, kNewDealButton);
}

int FourPlayerTablePane::GetSideColumnWidth() {
    const int size = TableSize();
    return size == 0 ? 108 : size == 1 ? 0 : 120;
}

int FourPlayerTablePane::GetPlayerCount() {
    return 4;
}
int FourPlayerTablePane::GetGameKind() {
    return 1;
}
bool FourPlayerTablePane::IsGameRunning() {
    return phase != 0;
}
void FourPlayerTablePane::SetPhaseValue(int value) {
    phase = static_cast<std::uint8_t>(value);
}
void FourPlayerTablePane::GetBounds(RECT* bounds) {
    Pane::GetBounds(bounds);
}
void FourPlayerTablePane::DrawStatusBar() {
    TablePane::DrawStatusBar();
}
bool FourPlayerTablePane::HasCustomTableLibrary() {
    return TablePane::HasCustomTableLibrary();
}

int FourPlayerTablePane::MapKeyToCommand(int code) {
    return code == kBeginButton || code == kPutAwayButton || code == kNewDealButton ? code
                                                                                    : kNoCommand;
}

bool FourPlayerTablePane::SuppressIdleSounds() {
    return false;
}
bool FourPlayerTablePane::HumanPlaysCard(int, bool*, bool) {
    return false;
}
void FourPlayerTablePane::GetTrickState(std::uint8_t*, int*) {}
void FourPlayerTablePane::DrawDecorations() {}
void FourPlayerTablePane::DrawBidding() {}
void FourPlayerTablePane::DrawBiddingStatus() {}
void FourPlayerTablePane::DrawGameInfo(int, int) {}
void FourPlayerTablePane::DrawSpecialPhase() {}
void FourPlayerTablePane::ShowGameStart() {}
void FourPlayerTablePane::InitTableExtras() {}
void FourPlayerTablePane::ApplyCardScale(double) {}
void FourPlayerTablePane::ResetForReplay() {}
void FourPlayerTablePane::Announce(int) {}
void FourPlayerTablePane::SeatEventHook(int) {}
void FourPlayerTablePane::BidBoxHook(int) {}
void FourPlayerTablePane::TrickHook(int) {}
void FourPlayerTablePane::DrawHook() {}

void FourPlayerTablePane::DrawResult(RECT* rect) {
    CentreAtBottom(closingPicture, rect);
    if (closingPicture) {
        PortScope port(window);
        DrawPicture(closingPicture, rect);
    }
}

void FourPlayerTablePane::DrawOpponentHands() {
    for (int seat = 1; seat <= 3; ++seat)
        DrawSeatHand(seat);
}

bool FourPlayerTablePane::IsRemote() {
    return (controller && controller->IsRemoteTable(0)) || gNetworkTableActive ||
           gDirectorRunsTables;
}

bool FourPlayerTablePane::IsButtonActive(int item) {
    return window && GetDlgItem(window, item) && IsItemActive(window, item);
}

void FourPlayerTablePane::PressButton(int item) {
    if (IsButtonActive(item))
        HandleCommand(item);
}

void FourPlayerTablePane::CopyOwnHand(std::uint8_t cards[kMaxHandCards]) {
    std::fill(cards, cards + kMaxHandCards, 0);
    if (controller)
        controller->CopyHand(cards, 0);
}

int FourPlayerTablePane::CardCountOf(int seat) {
    auto* fourSeat = FourSeat();
    if (!fourSeat)
        return 0;
    int counts[4] = {0, 0, 0, 0};
    fourSeat->GetCardCounts(counts);
    return seat >= 0 && seat < 4 ? counts[seat] : 0;
}

// ---- Layout ----------------------------------------------------------------------------

namespace {

void CardSetSize(Settings* settings, int set, int* width, int* height) {
    WindowRect bounds = {0, 0, 0, 0};
    if (settings)
        settings->GetCardSetBounds(set, &bounds);
    *width = bounds.right - bounds.left;
    *height = bounds.bottom - bounds.top;
}

} // namespace

void FourPlayerTablePane::LayoutControls(int computeScale) {
    RECT bounds;
    GetBounds(&bounds);
    const int size = TableSize();
    int w, h;
    CardSetSize(settings, 0, &w, &h);
    const int n = cardsPerHand;
    if (settings && settings->body.ownCardsFullSize) {
        LayoutCardRows();
    } else {
        // Two rows: the second half of the hand under the first.
        const int x = size == 0 ? 36 : size == 1 ? 0 : 128;
        int left = x + 1;
        const int top = bounds.bottom - 2 * h;
        if (n <= 8)
            left += w;
        for (int i = 0; i < kMaxHandCards; ++i)
            SetRectEmpty(&ownCardRects[i]);
        for (int i = 0; i < n / 2; ++i) {
            SetRect(&ownCardRects[i], left, top, left + w, top + h);
            SetRect(&ownCardRects[i + n / 2], left, top + h + 1, left + w, top + 2 * h + 1);
            left += w + 1;
        }
        std::copy(std::begin(ownCardRects), std::end(ownCardRects), std::begin(ownVisibleRects));
    }
    // The trick: a diamond of four places.
    int w3, h3;
    CardSetSize(settings, 2, &w3, &h3);
    static constexpr int kOrigins[4][2] = {{188, 144}, {192, 129}, {285, 280}, {340, 170}};
    const int* origin = kOrigins[std::clamp(size, 0, 3)];
    const int x = origin[0], y = origin[1];
    const int dx = 3 * w3 / 2 + 5;
    const int dy = (h3 + 30) / 2;
    const int k = size == 0 ? -2 : 0;
    const POINT corners[4] = {
        {x + dx, y}, {x + 20 + k, y + dy}, {x + dx + k, y + 2 * dy}, {x + 2 * dx - 20 + k, y + dy}};
    for (int place = 0; place < 4; ++place)
        SetRect(&trickPlaces[place], corners[place].x, corners[place].y, corners[place].x + w3,
                corners[place].y + h3);
    // New Deal on the closing picture, 12 pixels above its bottom.
    if (window && GetDlgItem(window, kNewDealButton)) {
        RECT closing, button;
        CentreAtBottom(closingPicture, &closing);
        GetItemRectInClient(window, kNewDealButton, &button);
        const int width = button.right - button.left, height = button.bottom - button.top;
        MoveItemTo(window, kNewDealButton, (closing.left + closing.right - width) / 2,
                   closing.bottom - 12 - height);
    }
    LayoutOpponentRows();
    if (computeScale) {
        const double scale = GetCardScale();
        ApplyCardScale(scale);
        cardsScaled = scale >= 1.01 ? 1 : 0;
    }
}

void FourPlayerTablePane::LayoutCardRows() {
    RECT bounds;
    GetBounds(&bounds);
    int w4, h4;
    CardSetSize(settings, 3, &w4, &h4);
    const int size = TableSize();
    int left = size == 0 ? 5 : size == 1 ? 3 : 10;
    if (GetGameCode() == 1 && size >= 1)
        left = 2;
    const int step = GetVisibleCardWidth(w4) + 1;
    // Bottom one pixel above the pane's bottom, then moved one pixel down.
    const int top = bounds.bottom - 1 - h4 + 1;
    for (int i = 0; i < kMaxHandCards; ++i) {
        if (i < cardsPerHand) {
            SetRect(&ownCardRects[i], left, top, left + w4, top + h4);
        } else {
            SetRectEmpty(&ownCardRects[i]);
        }
        ownVisibleRects[i] = ownCardRects[i];
        left += step;
    }
}

void FourPlayerTablePane::LayoutOpponentRows() {
    RECT bounds;
    GetBounds(&bounds);
    int w, h, w2, h2;
    CardSetSize(settings, 0, &w, &h);
    CardSetSize(settings, 1, &w2, &h2);
    const int n = std::max<int>(cardsPerHand, 1);
    const int width = bounds.right - bounds.left;
    const int own = bounds.bottom - 2 * h - 2;
    const int size = TableSize();
    // Seat 1 climbs from the lower left, seat 3 mirrors it on the right.
    const int top1 = own - 30 - h2;
    const int stepX = (width / 6 - 10 - w2) / n;
    const int stepY = (top1 - 50) / n;
    const int f = size == 0 ? 135 : size == 1 ? 120 : 165;
    const int stepX2 = (width - 2 * f - w2 / 2) / n;
    for (int i = 0; i < kMaxHandCards; ++i) {
        const int left1 = 10 + i * stepX, top = top1 - i * stepY;
        SetRect(&seatCardRects[0][i], left1, top, left1 + w2, top + h2);
        const int left2 = f + i * stepX2;
        SetRect(&seatCardRects[1][i], left2, 30, left2 + w2, 30 + h2);
        const int right3 = bounds.right - 10 - i * stepX;
        SetRect(&seatCardRects[2][i], right3 - w2, top, right3, top + h2);
    }
}

void FourPlayerTablePane::PlacePutAwayButton() {
    if (!window || !GetDlgItem(window, kPutAwayButton))
        return;
    RECT play, button;
    GetPlayArea(&play);
    GetItemRectInClient(window, kPutAwayButton, &button);
    int bottom = play.bottom - 2;
    if (TableSize() == 1) {
        RECT bar;
        PortScope port(window);
        GetStatusBarRect(&bar);
        bottom -= bar.bottom - bar.top;
    }
    MoveItemTo(window, kPutAwayButton, play.right - 3 - (button.right - button.left),
               bottom - (button.bottom - button.top));
    ShowItem(window, kPutAwayButton);
}

namespace {

void PlaceBox(HBITMAP picture, const RECT& area, int barHeight, RECT* rect) {
    RECT bounds = {0, 0, 0, 0};
    if (picture)
        GetPictureBounds(picture, &bounds);
    const int right = area.right - 2, bottom = area.bottom - barHeight - 2;
    SetRect(rect, right - bounds.right, bottom - bounds.bottom, right, bottom);
}

} // namespace

void FourPlayerTablePane::GetBidBoxRect(RECT* rect) {
    RECT area;
    const int size = TableSize();
    const bool fullSizeOwn = settings && settings->body.ownCardsFullSize;
    if (size <= 1 || fullSizeOwn) {
        GetPlayArea(&area);
    } else {
        GetClientRect(window, &area);
    }
    RECT bar;
    GetStatusBarRect(&bar);
    PlaceBox(bidBoxPicture, area, bar.bottom - bar.top, rect);
}

void FourPlayerTablePane::GetChoiceBoxRect(RECT* rect) {
    RECT area;
    const int size = TableSize();
    const bool fullSizeOwn = settings && settings->body.ownCardsFullSize;
    const bool client =
        size >= 2 && GetGameCode() != 1 && !(GetGameCode() == 2 && fullSizeOwn && size == 2);
    if (client) {
        GetClientRect(window, &area);
    } else {
        GetPlayArea(&area);
    }
    RECT bar;
    GetStatusBarRect(&bar);
    PlaceBox(choiceBoxPicture, area, bar.bottom - bar.top, rect);
}

// ---- Phases ------------------------------------------------------------------------------

void FourPlayerTablePane::SetPhase(int newPhase, int flag) {
    PortScope port(window);
    if (gServerWaiting) {
        NoteAlert(kAlertList, kServerWaiting, "");
        if (newPhase != 0)
            return;
    }
    if (flag && gStoryMode && roomPanel) {
        roomPanel->HideRoomControls();
        if (newPhase != 7)
            SetGaugePane(this, roomPanel->GetGaugePane());
        handsShown = 1;
    }
    RECT play;
    GetPlayArea(&play);
    const int oldPhase = phase;
    bool stored = false;
    switch (oldPhase) {
    case 0:
        if (window)
            EnableItem(window, kNewDealButton);
        break;
    case 1:
    case 2:
        ClearTransientBoxes(this);
        if (newPhase == 2)
            DrawBidding();
        break;
    case 10:
    case 4: {
        if (oldPhase == 10)
            EraseRect(&play);
        const bool practice = settings && settings->body.tableMode == kTableModePractice;
        const bool practiceFlag = practiceFlags[0] || practiceFlags[1] || practiceFlags[2];
        if (!(practice && practiceFlag))
            if (auto& close = GetTableServices().closePlayerWindows)
                close();
        break;
    }
    case 6:
        EraseRect(&play);
        phase = static_cast<std::uint8_t>(newPhase);
        stored = true;
        Draw(&play);
        break;
    default:
        break;
    }
    if (!stored)
        phase = static_cast<std::uint8_t>(newPhase);
    MarkGameChanged();
    TablePane::SetPhase(newPhase, flag);
    switch (newPhase) {
    case 0: {
        if (settings && !settings->body.playerNames[0][0])
            std::snprintf(settings->body.playerNames[0], kPlayerNameSize, "%s", statusTexts[0]);
        ShowHowToStart();
        if (!flag) {
            if (controller)
                controller->NewSeries();
            PlayEventSound(1500, -1);
        }
        HideControls(0);
        if (IsPubStoryTable(this))
            roomPanel->HideRoomControls();
        handsShown = 1;
        break;
    }
    case 1:
        EnterDeal(flag);
        break;
    case 3:
        EnterPlay(flag);
        break;
    case 4:
    case 10:
        HideControls(0);
        if (window && GetDlgItem(window, kNewDealButton)) {
            LayoutControls(0); // New Deal centred on the closing picture
            ShowItem(window, kNewDealButton);
        }
        SetRectEmpty(&selectionRect);
        break;
    case 6:
        if (window)
            InvalRect(window, &play);
        break;
    case 7:
        phaseEntered = 1;
        HideControls(0);
        if (roomPanel)
            roomPanel->ShowRoomControls();
        break;
    default:
        break;
    }
}

void FourPlayerTablePane::EnterDeal(int flag) {
    SetSelection(0);
    if (window)
        HideItem(window, kNewDealButton);
    RECT play;
    GetPlayArea(&play);
    if (flag) {
        Draw(&play);
        return;
    }
    const bool soundOrAnimation =
        settings && (settings->body.soundOn || settings->body.animationOn);
    bool movie = false;
    if (soundOrAnimation) {
        handsShown = 0;
        phase = 8;
        Draw(&play);
        int dealer = 0;
        if (controller)
            controller->GetDealer(&dealer);
        movie = PlayPhaseAnimations(dealer);
    }
    phase = 1;
    handsShown = 1;
    if (!movie) {
        Draw(&play);
    } else {
        std::uint8_t cards[kMaxHandCards];
        CopyOwnHand(cards);
        DrawOwnHand(cards);
        DrawBidding();
        AfterDraw();
    }
    if (settings && !settings->body.animationOn) {
        int dealer = 0;
        if (controller)
            controller->GetDealer(&dealer);
        char text[kStringBufferSize];
        GetIndString(text, 1503, kIDealText);
        DrawNamePlateText(32 + dealer, text, true);
        if (!settings->body.soundOn && dealer != 3)
            WaitTableTicks(
                static_cast<std::uint32_t>(settings->GetCardDelay(kPlayCardEvent) * 6 + 40));
    }
}

void FourPlayerTablePane::EnterPlay(int flag) {
    RECT client = {0, 0, 0, 0};
    if (window)
        GetClientRect(window, &client);
    RECT play;
    GetPlayArea(&play);
    if (!flag && window)
        ValidateRect(window, &client);
    HideControls(0);
    inputEnabled = 1;
    PlacePutAwayButton();
    const int leader = controller ? controller->GetTrickLeader() : 0;
    if (flag) {
        if (window)
            SetItemEnabled(window, kPutAwayButton, trickWaiting != 0);
        if (roleBadge) {
            roleBadge->SetRotation(leader, 0);
            roleBadge->SetMarker(0, 0);
        }
    } else {
        if (controller)
            controller->ClearTrick();
        if (roleBadge) {
            roleBadge->SetRotation(leader, 0);
            if (!IsRemote())
                roleBadge->SetMarker(0, 0);
        }
        const int declarer = controller ? controller->GetDeclarer() : 0;
        if (declarer != 0 && settings && settings->body.animationOn) {
            DrawGameInfo(0, 0);
            RECT place = {0, 0, 0, 0};
            GetTrickCardRect(&place, declarer);
            DrawTrickCards();
            ShowGameStart();
        } else if (settings && settings->body.soundOn) {
            if (window)
                ValidateRect(window, &client);
            Draw(&play);
            ShowGameStart();
            ClearTransientBoxes(this);
        }
    }
    RedrawAllWindows();
    if (!flag) {
        if (window)
            ValidateRect(window, &play);
        Draw(&play);
        RunComputerMoves();
    } else if (window) {
        InvalidateRect(window, &play, FALSE);
    }
}

// ---- Drawing -----------------------------------------------------------------------------

void FourPlayerTablePane::Draw(const RECT* rect) {
    if (IsRoomPhase()) {
        if (roomPanel)
            roomPanel->Draw(rect);
        return;
    }
    PortScope port(window);
    int counts[4] = {0, 0, 0, 0};
    if (FourSeat())
        FourSeat()->GetCardCounts(counts);
    if (emptyBackground) {
        RECT picture;
        GetPictureBounds(emptyBackground, &picture);
        DrawTableBackground(&picture, 0, phase, counts);
    }
    DrawDecorations();
    TextFont(kFontCourierNew);
    TextSize(12);
    TablePane::Draw(rect);
    DrawStatusBarFrame();
    DrawPlayerClock(FourSeat() ? FourSeat()->gameClock : 0, &cornerRect);
    DrawOpponentHands();
    std::uint8_t cards[kMaxHandCards];
    CopyOwnHand(cards);
    if (playerBoxShown) {
        RECT box;
        DrawPlayerBox(&box);
    }
    DrawOpponentHands();
    switch (phase) {
    case 0:
        DrawSeatNames();
        DrawStatusBar();
        DrawOwnHand(cards);
        break;
    case 1:
    case 2:
        DrawBiddingStatus();
        DrawBidding();
        if (phase == 1 && !handsShown)
            std::fill(std::begin(cards), std::end(cards), 0);
        DrawOwnHand(cards);
        break;
    case 3:
        DrawGameInfo(0, 0);
        DrawTrickCards();
        DrawOwnHand(cards);
        break;
    case 4:
    case 10: {
        DrawSeatNames();
        RECT closing;
        DrawResult(&closing);
        break;
    }
    case 6:
        DrawBiddingStatus();
        DrawOwnHand(cards);
        DrawSpecialPhase();
        break;
    case 8:
        return;
    default:
        DrawOwnHand(cards);
        break;
    }
    AfterDraw();
}

HBITMAP FourPlayerTablePane::BoxPictureAt(POINT point, RECT* box) {
    RECT bidBox, choiceBox;
    GetBidBoxRect(&bidBox);
    GetChoiceBoxRect(&choiceBox);
    // The choice box is drawn over the bid box where both are shown.
    if (choiceBoxPicture && PtInRect(&choiceBox, point)) {
        *box = choiceBox;
        return choiceBoxPicture;
    }
    if (bidBoxPicture && PtInRect(&bidBox, point)) {
        *box = bidBox;
        return bidBoxPicture;
    }
    return nullptr;
}

HBRUSH FourPlayerTablePane::ControlBackground(HDC dc, HWND control) {
    RECT item = {0, 0, 0, 0};
    if (window && control) {
        GetWindowRect(control, &item);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&item), 2);
    }
    const POINT middle = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    RECT box = {0, 0, 0, 0};
    HBITMAP picture = BoxPictureAt(middle, &box);
    if (!picture)
        return TablePane::ControlBackground(dc, control);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, picture);
    const COLORREF colour = GetPixel(source, middle.x - box.left, middle.y - box.top);
    SelectObject(source, old);
    DeleteDC(source);
    if (!boxBrush || colour != boxBrushColour) {
        if (boxBrush)
            DeleteObject(boxBrush);
        boxBrush = CreateSolidBrush(colour);
        boxBrushColour = colour;
    }
    SetBkMode(dc, TRANSPARENT);
    return boxBrush;
}

void FourPlayerTablePane::DrawSeatNames() {
    if (!controller)
        return;
    for (int seat = 0; seat < 4; ++seat) {
        char name[kStringBufferSize] = {};
        controller->GetPlayerNameC(name, seat);
        DrawNamePlateText(32 + seat, name, false);
    }
}

void FourPlayerTablePane::ShowHowToStart() {
    // The first text stays as it is: it doubles as the human's default name.
    std::snprintf(statusTexts[1], kStatusTextSize, "%s", kHowToStartText);
    statusTexts[2][0] = '\0';
}

void FourPlayerTablePane::DrawOwnHand(const std::uint8_t cards[kMaxHandCards]) {
    PortScope port(window);
    const bool full = settings && settings->body.ownCardsFullSize;
    const bool suitsLeft = settings && settings->body.suitsLeft;
    fullSize = full ? 1 : 0;
    const int n = cardsPerHand;
    int w4, h4;
    CardSetSize(settings, 3, &w4, &h4);
    const int strip = GetVisibleCardWidth(w4) + 1;
    RECT lastDrawn = {0, 0, 0, 0};
    for (int step = 0; step < n; ++step) {
        const int i = suitsLeft ? n - 1 - step : step;
        RECT visible = ownCardRects[i];
        if (full) {
            // A card lying under the next one drawn keeps only its strip.
            const int over = suitsLeft ? i - 1 : i + 1;
            if (over >= 0 && over < n && IsCard(cards[over])) {
                if (suitsLeft) {
                    visible.left = std::max(visible.left, visible.right - strip);
                } else {
                    visible.right = std::min(visible.right, visible.left + strip);
                }
            }
            ownVisibleRects[i] = visible;
            if (cards[i]) {
                ClipRect(&visible);
                DrawCardFace(cards[i], &ownCardRects[i]);
                if (cards[i] == selection && EqualRect(&selectionRect, &ownCardRects[i]))
                    DrawCard(cards[i], &ownCardRects[i]);
            } else {
                RECT erase = visible;
                if (!IsRectEmpty(&lastDrawn)) {
                    if (suitsLeft) {
                        erase.right = std::min(erase.right, lastDrawn.left);
                    } else {
                        erase.left = std::max(erase.left, lastDrawn.right);
                    }
                }
                if (erase.right > erase.left) {
                    ClipRect(&erase); // not the last card's strip
                    DrawClothUnder(&erase);
                }
            }
            lastDrawn = ownCardRects[i];
        } else {
            ownVisibleRects[i] = visible;
            if (cards[i]) {
                DrawCard(cards[i], &ownCardRects[i]);
            } else {
                DrawClothUnder(&ownCardRects[i]);
            }
        }
    }
    if (window) {
        RECT client;
        GetClientRect(window, &client);
        ClipRect(&client);
    }
}

// The deck's pictures lie in natural order (the Ten below the Unter); the table holds its cards
// in the games' order of rank.
void FourPlayerTablePane::DrawCardFace(int code, const RECT* rect) {
    Pane::DrawCard(static_cast<std::int16_t>(ConvertToPictureOrder(code)), rect);
}

void FourPlayerTablePane::DrawCard(std::int16_t code, const RECT* rect) {
    PortScope port(window);
    // Own cards drawn full size are taller than wide by far; their place clips them.
    const bool tall = rect->bottom - rect->top > rect->right - rect->left + 40;
    fullSize = tall ? 1 : 0;
    const bool suitsLeft = settings && settings->body.suitsLeft;
    if (tall) {
        for (int i = 0; i < kMaxHandCards - 1; ++i) {
            const bool match = suitsLeft ? ownCardRects[i].right == rect->right
                                         : ownCardRects[i].left == rect->left;
            if (match) {
                ClipRect(&ownVisibleRects[i]);
                break;
            }
        }
    }
    DrawCardFace(code, rect);
    RECT play;
    GetPlayArea(&play);
    if (code > 0 && code == selection && EqualRect(rect, &selectionRect) &&
        rect->top >= play.bottom)
        InvertFrame(*rect);
    if (window) {
        RECT client;
        GetClientRect(window, &client);
        ClipRect(&client);
    }
}

void FourPlayerTablePane::DrawSeatHand(int seat) {
    if (!IsAltTableLayout(this) || seat < 1 || seat > 3 || phase == 0)
        return;
    auto* fourSeat = FourSeat();
    if (!fourSeat)
        return;
    PortScope port(window);
    const std::uint8_t saved = secondSet;
    secondSet = 1;
    fourSeat->SortHandRow(seat);
    std::uint8_t cards[kMaxHandCards] = {};
    fourSeat->CopyHand(cards, seat);
    const int held = CardCountOf(seat);
    if (held < kMaxHandCards && emptyBackground) {
        // The background under the place the row no longer reaches.
        const RECT& last = seatCardRects[0][kMaxHandCards - 1];
        HDC dc = GetPortDC();
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, emptyBackground);
        BitBlt(dc, last.left, last.top, last.right - last.left, last.bottom - last.top, source,
               last.left, last.top, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    }
    const bool open = openCardsShown[seat - 1] != 0;
    for (int i = kMaxHandCards - 1; i >= 0; --i) {
        if (!cards[i])
            continue;
        DrawCardFace(open ? cards[i] : 33, &seatCardRects[seat - 1][i]);
    }
    secondSet = saved;
}

void FourPlayerTablePane::DrawTrickCards() {
    if (gModalMoviePlaying || WaitDepth() > 0)
        return;
    PortScope port(window);
    TextFont(kFontArial);
    TextSize(9);
    std::uint8_t cards[4] = {0, 0, 0, 0};
    int leader = controller ? controller->GetTrickLeader() : 0;
    GetTrickState(cards, &leader);
    if (auto* fourSeat = FourSeat()) {
        for (int seat = 0; seat < 4; ++seat) {
            if (fourSeat->HasTakenTrick(seat) > 0) {
                RECT stack;
                DrawNamePlate(seat, &stack);
            }
        }
    }
    for (int k = 0; k < 4; ++k) {
        const int seat = ((leader < 0 ? 0 : leader) + k) % 4;
        ShowPlayedCard(seat, cards[seat], 0, 0);
    }
    TextFont(kFontCourierNew);
    TextSize(12);
}

void FourPlayerTablePane::ShowPlayedCard(int seat, int card, int wait, int animate) {
    if (card == 0 || gModalMoviePlaying || seat < 0 || seat > 3)
        return;
    const bool animationPossible =
        settings && settings->body.animationOn && !(settings->body.movieFilter & 2);
    if (WaitDepth() > 0 && animationPossible)
        return;
    bool movieShown = false;
    {
        PortScope port(window);
        RECT place = {0, 0, 0, 0};
        GetTrickCardRect(&place, seat);
        if (seat >= 1) {
            const int c = std::clamp(CardCountOf(seat), 0, 3);
            const int element = 40 + 3 * c + seat - 1;
            if (elementPictures[element]) {
                RECT figure;
                GetElementRect(element, &figure);
                RECT picture;
                GetPictureBounds(elementPictures[element], &picture);
                OffsetRect(&picture, figure.left, figure.top);
                DrawPicture(elementPictures[element], &picture);
            }
            if (animate && animationPossible) {
                // No play movies exist in this build: the movie never starts and the card's
                // sound plays in its place.
                ResetIdleSounds();
                ResetIdleSounds();
                PlayEventSound(kPlayCardEvent, seat);
                soundPlayed[seat] = 1;
            }
        }
        DrawCard(static_cast<std::int16_t>(card), &place);
        DrawSeatHand(seat);
        if (wait)
            if (auto& notify = GetTableServices().notifyCardPlaced)
                notify();
        if (!soundPlayed[seat] && (!animationPossible || seat == 0) && gEventSoundDepth < 1) {
            PlayEventSound(kPlayCardEvent, seat);
            soundPlayed[seat] = 1;
        }
    }
    if (wait && !movieShown) {
        std::uint8_t cards[4] = {0, 0, 0, 0};
        int leader = controller ? controller->GetTrickLeader() : 0;
        GetTrickState(cards, &leader);
        if ((seat + 1) % 4 != leader && settings)
            WaitTableTicks(static_cast<std::uint32_t>(settings->GetCardDelay(kPlayCardEvent) * 6));
    }
}

void FourPlayerTablePane::DrawGameCount(int endRule, int total, int, int,
                                        GameController* gameController) {
    auto* fourSeat = dynamic_cast<FourSeatController*>(gameController);
    const int games = fourSeat ? fourSeat->gamesDealt : 0;
    if (gDirector && (gDirector->series.seriesMode == 2 || gDirector->series.seriesMode == 8)) {
        endRule = 8;
        total = gDirector->seriesValue;
    }
    char text[kStringBufferSize * 2];
    char part[kStringBufferSize];
    std::snprintf(text, sizeof text, "%d", games);
    GetIndString(part, kNoteList, kGamesText);
    std::strncat(text, part, sizeof text - std::strlen(text) - 1);
    if (endRule == 8) {
        GetIndString(part, kNoteList, kOfText);
        std::strncat(text, part, sizeof text - std::strlen(text) - 1);
        std::snprintf(part, sizeof part, "%d", total);
        std::strncat(text, part, sizeof text - std::strlen(text) - 1);
    }
    PortScope port(window);
    UseSmallTextStyle();
    SetBkMode(GetPortDC(), TRANSPARENT);
    RECT bar;
    GetStatusBarRect(&bar);
    MoveTo(bar.right - 5 - GetSideColumnWidth() - StringWidth(text),
           bar.bottom - 4 - GetStatusTextInset());
    DrawString(text, false);
}

void FourPlayerTablePane::RunComputerMoves() {
    std::fill(std::begin(soundPlayed), std::end(soundPlayed), 0);
    ClearSelection();
    if (window)
        DisableItem(window, kPutAwayButton);
    trickWaiting = 0;
    if (controller)
        controller->ClearTrick();
    DrawTrickCards();
}

void FourPlayerTablePane::PutAwayTrick() {
    bool changed = false;
    if (auto* fourSeat = FourSeat())
        fourSeat->EndTrick(&changed);
    PortScope port(window);
    int counts[4] = {0, 0, 0, 0};
    if (FourSeat())
        FourSeat()->GetCardCounts(counts);
    if (seatedBackground || emptyBackground) {
        // The seated table again, above the status bar: the trick and the speech boxes go.
        RECT play, bar;
        GetPlayArea(&play);
        GetStatusBarRect(&bar);
        play.bottom = bar.top;
        ClipRect(&play);
        RECT picture;
        GetPictureBounds(seatedBackground ? seatedBackground : emptyBackground, &picture);
        DrawTableBackground(&picture, 0, phase, counts);
        if (playerBoxShown) {
            RECT box;
            DrawPlayerBox(&box);
        }
        RECT client = {0, 0, 0, 0};
        if (window)
            GetClientRect(window, &client);
        ClipRect(&client);
    }
    if (changed || (settings && settings->body.reduceTaskbar == 1)) {
        DrawStatusBarFrame();
        DrawGameInfo(0, 0);
    }
}

// ---- Input -------------------------------------------------------------------------------

int FourPlayerTablePane::HitTest(int x, int y) {
    const int zone = TablePane::HitTest(x, y);
    if (zone)
        return zone;
    if (phase != 3 && phase != 6)
        return 0;
    std::uint8_t cards[kMaxHandCards];
    CopyOwnHand(cards);
    const bool suitsLeft = settings && settings->body.suitsLeft;
    const MacPoint point = {static_cast<std::int16_t>(y), static_cast<std::int16_t>(x)};
    // The card drawn last lies on top: it is asked first.
    for (int step = 0; step < cardsPerHand; ++step) {
        const int i = suitsLeft ? step : cardsPerHand - 1 - step;
        if (cards[i] && PointInRect(point, &ownCardRects[i]))
            return i + 1;
    }
    return 0;
}

void FourPlayerTablePane::HandleClick(int x, int y, int doubleClick) {
    if (gEventSoundDepth > 0)
        return;
    if (IsRoomPhase()) {
        if (roomPanel)
            roomPanel->HandleClick(x, y, doubleClick);
        return;
    }
    const int zone = HitTest(x, y);
    HidePlayerBox();
    if (zone >= 1 && zone <= 99) {
        if (doubleClick || (settings && settings->body.singleClickPlay)) {
            PlayCardAt(x, y, zone, 1);
        } else {
            DragCard(x, y, zone);
        }
        KeepKeyboard();
        return;
    }
    if (phase != 0) {
        int command = 0;
        if (zone >= 101 && zone <= 104) {
            command = zone + 23;
            if (zone == 104 && (phase == 1 || phase == 2)) {
                RECT box;
                auto* doppelkopf = dynamic_cast<DoppelkopfController*>(controller);
                if (doppelkopf && doppelkopf->biddingPhase >= 128) {
                    GetChoiceBoxRect(&box);
                } else {
                    GetBidBoxRect(&box);
                }
                const MacPoint point = {static_cast<std::int16_t>(y), static_cast<std::int16_t>(x)};
                if (PointInRect(point, &box))
                    command = 0;
            }
        } else if (zone >= 106 && zone <= 109) {
            command = zone + 14;
        }
        if (command) {
            PortScope port(window);
            DoCommand(command);
        }
        KeepKeyboard();
        return;
    }
    if (gNetworkTableActive || gDirectorRunsTables) {
        StopAlert(kAlertList, kNeedPairing, "");
    } else {
        HandleCommand(kNewDealButton);
    }
    KeepKeyboard();
}

void FourPlayerTablePane::PlayCardAt(int, int, int index, int commit) {
    if (!inputEnabled || WaitDepth() > 0 || phase != 3)
        return;
    std::uint8_t trick[4] = {0, 0, 0, 0};
    int leader = 0;
    GetTrickState(trick, &leader);
    if ((leader != 0 || trick[0] != 0) && trick[3] == 0) {
        if (commit)
            StopAlert(kAlertList, kNotYourTurn, "");
        return;
    }
    if (trickWaiting) {
        if (!controller || !controller->DidHumanWinTrick())
            return;
        PressButton(kPutAwayButton);
    }
    if (index < 1 || index > cardsPerHand)
        return;
    std::uint8_t cards[kMaxHandCards];
    CopyOwnHand(cards);
    const int card = cards[index - 1];
    const bool secondCopy = index > 1 && cards[index - 2] == card;
    if (card == 0)
        return;
    PortScope port(window);
    SetSelection(card);
    RECT target = ownCardRects[index - 1];
    if (commit) {
        DrawCard(0, &ownCardRects[index - 1]);
        if (fullSize && index < cardsPerHand && cards[index])
            DrawCardFace(cards[index], &ownCardRects[index]);
        bool redraw = false;
        const bool accepted = HumanPlaysCard(card, &redraw, secondCopy);
        if (!accepted && window)
            InvalRect(window, &ownCardRects[index - 1]);
        if (!redraw)
            return;
        if (accepted) {
            if (window) {
                RECT client;
                GetClientRect(window, &client);
                ValidateRect(window, &client);
            }
            GetTrickCardRect(&target, 0);
        }
    }
    selectionRect = target;
    DrawCard(static_cast<std::int16_t>(card), &target);
}

void FourPlayerTablePane::DragCard(int x, int y, int index) {
    if (phase == 3 && trickWaiting) {
        if (!controller || !controller->DidHumanWinTrick())
            return;
        PressButton(kPutAwayButton);
    }
    // The drag itself is the window adapter's: here the card is only selected.
    PlayCardAt(x, y, index, 0);
}

void FourPlayerTablePane::HandleKey(std::int8_t key) {
    if (IsRoomPhase()) {
        if (roomPanel)
            roomPanel->HandleKey(key);
        return;
    }
    if (phase == 0 || phase == 4 || phase == 10) {
        if (key == 'n') {
            PressButton(kNewDealButton);
        } else if (key == 13 || key == 3) {
            HandleCommand(kNewDealButton);
        }
        return;
    }
    if (phase != 3)
        return;
    if (key == 13 || key == 3) {
        if (trickWaiting) {
            PressButton(kPutAwayButton);
            return;
        }
        const int index = FindSelectedCard();
        if (index > 0)
            PlayCardAt(0, 0, index, 1);
        return;
    }
    const bool full = settings && settings->body.ownCardsFullSize;
    int index = 0;
    switch (key) {
    case 28:
        index = SelectNextCard(0);
        break;
    case 30:
        if (full)
            return;
        index = SelectNextCard(1);
        break;
    case 29:
        index = SelectPreviousCard(0);
        break;
    case 31:
        if (full)
            return;
        index = SelectPreviousCard(1);
        break;
    default:
        return;
    }
    PlayCardAt(0, 0, index, 0);
}

int FourPlayerTablePane::FindSelectedCard() {
    if (selection <= 0)
        return -1;
    if (phase != 3)
        return 1;
    std::uint8_t cards[kMaxHandCards];
    CopyOwnHand(cards);
    for (int i = 0; i < cardsPerHand; ++i)
        if (cards[i] == selection && EqualRect(&ownCardRects[i], &selectionRect))
            return i + 1;
    return cardsPerHand + 1;
}

// Both scans wrap around once; an empty hand answers 0, no card.
int FourPlayerTablePane::SelectNextCard(int jump) {
    if (phase != 3)
        return 1;
    if (trickWaiting)
        return 0;
    const int n = cardsPerHand;
    std::uint8_t cards[kMaxHandCards];
    CopyOwnHand(cards);
    const int selected = FindSelectedCard();
    int b = selected == -1 ? 2 : selected;
    if (jump)
        b = (n / 2 + b) % n + 1;
    for (int i = std::min(b - 2, n - 1); i >= 0; --i)
        if (IsCard(cards[i]))
            return i + 1;
    for (int i = n - 1; i >= 0; --i)
        if (IsCard(cards[i]))
            return i + 1;
    return 0;
}

int FourPlayerTablePane::SelectPreviousCard(int jump) {
    if (phase != 3)
        return 1;
    if (trickWaiting)
        return 0;
    const int n = cardsPerHand;
    std::uint8_t cards[kMaxHandCards];
    CopyOwnHand(cards);
    const int selected = FindSelectedCard();
    int b = 0;
    if (selected != -1) {
        b = jump ? (n / 2 + selected - 2) % n + 1 : selected;
    } else if (jump) {
        b = n / 2;
    }
    for (int i = std::max(b, 0); i < n; ++i)
        if (IsCard(cards[i]))
            return i + 1;
    for (int i = 0; i < n; ++i)
        if (IsCard(cards[i]))
            return i + 1;
    return 0;
}

void FourPlayerTablePane::SetSelection(int code) {
    const int old = selection;
    Pane::SetSelection(code);
    if (IsCard(old) && selectionRect.left != 0 && old != code) {
        // The old card again, without its frame.
        PortScope port(window);
        DrawCard(static_cast<std::int16_t>(old), &selectionRect);
    }
}

void FourPlayerTablePane::HandleRightClick() {
    if (phase == 3 && trickWaiting) {
        PressButton(kPutAwayButton);
    } else if (phase == 4) {
        PressButton(kNewDealButton);
    }
    KeepKeyboard();
}

void FourPlayerTablePane::HandleCommand(int id) {
    if (gEventSoundDepth > 0)
        return;
    if (IsRoomPhase()) {
        if (roomPanel)
            roomPanel->HandleCommand(id);
        return;
    }
    if (id < 100)
        id = MapKeyToCommand(id);
    {
        PortScope port(window);
        MarkGameChanged();
        DoCommand(id);
    }
    KeepKeyboard();
}

// The table's buttons take the keyboard when clicked and lose it when their phase hides or
// disables them, which leaves no window with the keys: they go back to the main window,
// which hands them to the table (the table window itself takes them too).
void FourPlayerTablePane::KeepKeyboard() {
    if (!window || !gMainWindow || !IsWindowVisible(window))
        return;
    HWND focus = GetFocus();
    if (!focus || IsChild(window, focus))
        SetFocus(gMainWindow);
}

void FourPlayerTablePane::DoCommand(int command) {
    PortScope port(window);
    switch (command) {
    case kPutAwayButton: {
        if (!IsRemote())
            PutAwayTrick();
        if (window)
            for (int i = 0; i < transientBoxCount; ++i)
                InvalidateRect(window, &transientBoxes[i], FALSE);
        ClearTransientBoxes(this);
        if (controller && controller->IsGameDecided()) {
            SetPhase(4, 0);
        } else {
            RunComputerMoves();
        }
        RedrawAllWindows();
        if (window) {
            RECT client;
            GetClientRect(window, &client);
            ValidateRect(window, &client);
        }
        break;
    }
    case kNewDealButton:
        NewDealCommand();
        break;
    case 120:
    case 121:
    case 122:
    case 123:
        if (auto& open = GetTableServices().openLastTrickWindow)
            open();
        break;
    case 124:
    case 125:
    case 126:
    case 127:
        ShowPlayerBox(command - 120);
        break;
    default:
        break;
    }
}

void FourPlayerTablePane::NewDealCommand() {
    RemindUpgradeNotes();
    if (Random() > 10000 && phase != 0)
        PlayEventSound(1507, -1);
    if (IsRemote() && phase == 4) {
        if (window)
            DisableItem(window, kNewDealButton);
        return;
    }
    auto* fourSeat = FourSeat();
    bool solosMissing = false;
    const bool timeUp = fourSeat && fourSeat->IsTimeLimitReached(&solosMissing);
    const bool targetReached = fourSeat && fourSeat->IsPointLimitReached();
    if (timeUp)
        NoteAlert(kNoteList, kTimeLimitNote, "");
    if (targetReached)
        NoteAlert(kNoteList, kPointTargetNote, "");
    const bool seriesOver = IsSeriesOverByOptions(
        gDirector, fourSeat ? fourSeat->gameListHandle : nullptr, GetGameCode());
    if (seriesOver || (timeUp && !solosMissing) || targetReached) {
        FinishScoreList();
        if (window)
            DisableItem(window, kNewDealButton);
        LeaveTable();
    } else {
        if (window) {
            EnableItem(window, kNewDealButton);
            RECT play, client;
            GetPlayArea(&play);
            GetClientRect(window, &client);
            client.top = play.bottom;
            FillRectBackground(&client);
        }
        SetPhase(1, 0);
    }
    RedrawAllWindows();
}

// ---- Idle, leaving, replay, menus -----------------------------------------------------------

void FourPlayerTablePane::Idle(std::uint32_t now, int flag) {
    if (IsRoomPhase()) {
        if (roomPanel)
            roomPanel->RoomIdle(now);
        return;
    }
    TablePane::Idle(now, flag);
    const std::int32_t tick = static_cast<std::int32_t>(now);
    const std::int32_t limit = settings ? settings->body.putAwayDelay * 5 - 20 : 0;
    const bool putAwayOn = settings && settings->body.putAwayOn;
    if (phase == 1 || phase == 2 || phase == 6) {
        int dealer = 0;
        if (controller)
            controller->GetDealer(&dealer);
        auto* doppelkopf = dynamic_cast<DoppelkopfController*>(controller);
        const bool autoAnswer = (phase == 1 || phase == 2) && dealer == 0 &&
                                !(doppelkopf && doppelkopf->biddingPhase == 32);
        if ((putAwayOn || autoAnswer) && (IsButtonActive(100) || IsButtonActive(110))) {
            if (autoContinueStart > 0) {
                if (autoAnswer) {
                    DisarmAutoContinue();
                    PressButton(100);
                } else if (tick - autoContinueStart > limit) {
                    DisarmAutoContinue();
                    PressButton(100);
                }
            } else if (autoContinueStart == 0) {
                autoContinueStart = tick;
            }
        }
        PlayIdleSounds(tick, 1000, 3);
    } else if (phase == 3) {
        if (putAwayOn && trickWaiting) {
            if (autoContinueStart == 0) {
                autoContinueStart = tick;
            } else if (autoContinueStart > 0 && tick - autoContinueStart > limit) {
                DisarmAutoContinue();
                PressButton(kPutAwayButton);
            }
        }
        if (!SuppressIdleSounds())
            PlayIdleSounds(tick, 1000, 3);
    }
    if (roomPanel && roomPanel->AreGaugesEmpty()) {
        HideControls(0);
        SetPhase(9, 0);
        InvalidateAll();
    }
}

void FourPlayerTablePane::LeaveTable() {
    if (!gStoryMode || !ConfirmLeaveTable(phase))
        return;
    auto& services = GetTableServices();
    if (services.closeChildWindows)
        services.closeChildWindows();
    if (services.notifyTableEvent)
        services.notifyTableEvent(0);
    const std::int32_t money = ComputeGameMoney(0, settings ? settings->body.roomStake : 0);
    const int room = GetRoom();
    if (!SettlePubEvent(phase, money)) {
        if (roomPanel)
            roomPanel->OpenCemetery(5);
        HideControls(0);
        SetPhase(9, 0);
    } else {
        bool cemetery = false;
        if (room == 7 || room == 8) {
            if (IsOpenSeries()) {
                cemetery = phase != 0 && phase != 4 && phase != 5 && phase != 8 && phase != 10;
            } else if (phase != 5 && phase != 10) {
                auto* fourSeat = FourSeat();
                cemetery = !IsSeriesOverByOptions(
                    gDirector, fourSeat ? fourSeat->gameListHandle : nullptr, GetGameCode());
            }
        }
        if (cemetery) {
            if (roomPanel)
                roomPanel->OpenCemetery(4);
            SetPhase(9, 0);
        } else {
            HideControls(0);
            SetPhase(7, 0);
        }
    }
    InvalidateAll();
}

void FourPlayerTablePane::ReplayGame(int ask) {
    if (WaitDepth() > 0) {
        NoteAlert(kNoteList, kPleaseWait, "");
        return;
    }
    if (ask && !AskOkCancel(kAlertList, kReplayQuestion, ""))
        return;
    HideControls(0);
    ResetForReplay();
    PortScope port(window);
    if (window) {
        RECT client;
        GetClientRect(window, &client);
        FillRectBackground(&client);
    }
    SetPhase(1, 1);
    if (auto& invalidate = GetTableServices().invalidateAllWindows)
        invalidate();
    if (phase == 1 && window) {
        RECT play;
        GetPlayArea(&play);
        ValidateRect(window, &play);
        for (int item : {102, 101, 100})
            if (GetDlgItem(window, item))
                InvalItem(window, item);
    }
}

void FourPlayerTablePane::UpdateMenus() {
    HMENU menu = gMainWindow ? GetMenu(gMainWindow) : nullptr;
    if (!menu || !settings)
        return;
    const bool inProgress = phase != 0 && phase != 4 && phase != 10;
    const bool practice = settings->body.tableMode == kTableModePractice;
    const bool houseRule = gStoryMode && (settings->body.pubState[1] & (1 << 2));
    SetMenuItemEnabled(menu, 1204, !inProgress);
    SetMenuItemEnabled(menu, 1201,
                       ((inProgress && !trickWaiting) || phase == 1 || phase == 2) && !houseRule);
    SetMenuItemEnabled(menu, 1205, practice && (inProgress || phase == 4));
    SetMenuItemEnabled(menu, 1403, phase != 0);
    for (int id : {1404, 1412, 1413, 1414})
        SetMenuItemEnabled(menu, id, practice && phase != 0);
    SetMenuItemEnabled(menu, 1206, phase == 3);
    SetMenuItemEnabled(menu, 1207, phase == 3);
    SetMenuItemEnabled(menu, 1406, phase == 1 && !(gStoryMode && GetRoom() != 1));
    for (int id : {1208, 1209, 1411})
        SetMenuItemEnabled(menu, id, false);
    if (gStoryMode && (IsRoomPhase() || GetRoom() == 1)) {
        SetMenuItemEnabled(menu, 1103, !gNetworkTableActive);
    } else {
        SetMenuItemEnabled(menu, 1103, !gStoryMode || gKeyFlags.function[4]);
        SetMenuItemEnabled(menu, 1203, !gStoryMode);
    }
}
