#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "media/win32/ExtensionManager.h"
#include "media/win32/SoundManager.h"
#include "platform/Random.h"
#include "platform/Ticks.h"
#include "platform/win32/Drawing.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Pictures.h"
#include "platform/win32/Ports.h"
#include "platform/win32/Resources.h"
#include "platform/win32/WindowsGlobals.h"
#include "support/AlertRecorder.h"
#include "views/win32/SchafkopfTableWin.h"
#include "views/win32/TableFixture.h"

namespace {

// ---- Pane size ------------------------------------------------------------------------

// The main window's outer width decides the taskbar correction: narrower than the pane
// plus 60 pixels, the bottom rows are left to the taskbar.
TEST_F(TableTest, PaneBoundsFollowTheCardSizeAndTheTaskbarCorrection) {
    struct Case {
        int size;
        int reduce;
        int mainWidth; // the main window's outer width (the test screen is 1024 wide)
        int width, height;
    };
    const Case cases[] = {
        {1, 1, 600, 636, 436},   {1, 0, 600, 636, 436},   {0, 0, 800, 792, 556},
        {0, 1, 800, 792, 536},   {0, 1, 851, 792, 536},   {0, 1, 852, 792, 556},
        {2, 1, 1036, 1016, 699}, {2, 0, 1036, 1016, 724}, {3, 1, 1000, 1272, 891},
        {3, 0, 1000, 1272, 916}, {7, 1, 600, 636, 436},
    };
    for (const Case& c : cases) {
        gSettings->body.cardSize = static_cast<std::int16_t>(c.size);
        gSettings->body.reduceTaskbar = static_cast<std::int16_t>(c.reduce);
        SetWindowPos(gMainWindow, nullptr, 0, 0, c.mainWidth, 300, SWP_NOZORDER | SWP_NOMOVE);
        RECT outer;
        GetWindowRect(gMainWindow, &outer);
        ASSERT_EQ(outer.right - outer.left, c.mainWidth) << "the window manager refused the width";
        RECT bounds;
        table_->GetBounds(&bounds);
        EXPECT_EQ(bounds.left, 0);
        EXPECT_EQ(bounds.top, 0);
        EXPECT_EQ(bounds.right, c.width) << c.size << " " << c.reduce << " " << c.mainWidth;
        EXPECT_EQ(bounds.bottom, c.height) << c.size << " " << c.reduce << " " << c.mainWidth;
    }
    gSettings->body.reduceTaskbar = 0;
    gSettings->body.cardSize = 1;
}

// ---- Layout ---------------------------------------------------------------------------

TEST_F(TableTest, ElementRectanglesComeFromTheLayoutInWindowOrder) {
    struct Case {
        int size, element;
        RECT expected;
    };
    const Case cases[] = {
        {1, 0, {395, 239, 428, 252}},  {0, 7, {634, 49, 772, 303}}, {2, 7, {822, 94, 987, 428}},
        {2, 36, {360, 465, 472, 494}}, {1, 9, {11, 20, -1, -1}},    {0, 51, {561, 213, 604, 239}},
        {3, 4, {0, 0, 0, 0}},          {3, 36, {0, 0, 0, 0}},       {1, 52, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        gSettings->body.cardSize = static_cast<std::int16_t>(c.size);
        RECT rect;
        table_->GetElementRect(c.element, &rect);
        EXPECT_TRUE(EqualRect(&rect, &c.expected))
            << c.size << " " << c.element << ": " << rect.left << "," << rect.top << ","
            << rect.right << "," << rect.bottom;
    }
    gSettings->body.cardSize = 1;
}

TEST_F(TableTest, TheAlternativeLayoutAndTheTaskbarMoveSingleElements) {
    ExtensionManager& deck = DeckManager();
    deck.altTableLayout = 1;
    gSettings->body.cardSize = 0;
    RECT rect;
    table_->GetElementRect(5, &rect);
    EXPECT_EQ(rect.top, 60);
    EXPECT_EQ(rect.bottom - rect.top, 240);
    table_->GetElementRect(7, &rect);
    EXPECT_EQ(rect.top, 60);
    EXPECT_EQ(rect.bottom - rect.top, 254);
    table_->GetElementRect(33, &rect);
    EXPECT_EQ(rect.left, 143 + 70);
    table_->GetElementRect(39, &rect);
    EXPECT_EQ(rect.left, 548 - 70);
    deck.altTableLayout = 0;

    gSettings->body.reduceTaskbar = 1;
    for (int size : {0, 1, 2}) {
        gSettings->body.cardSize = static_cast<std::int16_t>(size);
        table_->GetElementRect(36, &rect);
        const int expectedTop[] = {305 - 10, 225 - 10, 465 - 20};
        EXPECT_EQ(rect.top, expectedTop[size]) << size;
        table_->GetElementRect(32, &rect);
        const int plainTop[] = {305, 225, 465};
        EXPECT_EQ(rect.top, plainTop[size]) << "only the wide plate of seat 0 moves";
    }
    gSettings->body.reduceTaskbar = 0;
    gSettings->body.cardSize = 1;
}

TEST_F(TableTest, HitTestNamesTheZoneUnderAPoint) {
    for (int size : {0, 1, 2}) {
        gSettings->body.cardSize = static_cast<std::int16_t>(size);
        for (int element = 0; element <= 8; ++element) {
            RECT rect;
            table_->GetElementRect(element, &rect);
            const int expected = element == 8 ? 100 : element < 4 ? 106 + element : 97 + element;
            EXPECT_EQ(table_->HitTest(rect.left, rect.top), expected) << size << " " << element;
            EXPECT_EQ(table_->HitTest(rect.right - 1, rect.bottom - 1), expected)
                << size << " " << element;
        }
        EXPECT_EQ(table_->HitTest(1, 1), 0);
    }
    gSettings->body.cardSize = 1;
}

// ---- Card faces -----------------------------------------------------------------------

// Draws what the pane draws for a card into one surface and the expected set's picture into
// another, and compares them over the picture's size.
void ExpectFaceFromSet(Pane* pane, int code, int width, int height, int set, const char* what) {
    Surface drawn(200, 200), expected(200, 200);
    drawn.Begin();
    RECT cell = {10, 10, 10 + width, 10 + height};
    pane->DrawCard(static_cast<std::int16_t>(code), &cell);
    drawn.End();
    auto picture = static_cast<HBITMAP>(gSettings->cardPictures[set][code == 33 ? 0 : code]);
    ASSERT_NE(picture, nullptr) << what;
    DrawBitmapInDC(expected.dc(), picture, 10, 10);
    RECT bounds;
    GetPictureBounds(picture, &bounds);
    EXPECT_TRUE(drawn.SameAs(expected, 10, 10, 10, 10, bounds.right, bounds.bottom)) << what;
}

TEST_F(TableTest, FaceCellsChooseTheSetByShapeWidthAndTableSize) {
    gSettings->body.ownCardsFullSize = 1;
    struct Case {
        int size, width, set;
    };
    // 99 pixels: the third set; 105: the first with table size 1 only; 112: the first always.
    const Case cases[] = {{1, 99, 2},  {1, 105, 0}, {1, 112, 0}, {0, 99, 2},
                          {0, 105, 2}, {0, 112, 0}, {2, 112, 0}};
    for (const Case& c : cases) {
        UseTableSize(c.size);
        ASSERT_NE(gSettings->cardPictures[0][5], gSettings->cardPictures[2][5])
            << "sets must differ to be told apart";
        const std::string what =
            "size " + std::to_string(c.size) + " width " + std::to_string(c.width);
        ExpectFaceFromSet(table_, 5, c.width, 60, c.set, what.c_str());
    }
    UseTableSize(0);
    ExpectFaceFromSet(table_, 7, 60, 61, 3, "a cell taller than wide: full-size set");
    table_->fullSize = 1;
    ExpectFaceFromSet(table_, 7, 112, 60, 3, "full-size flag at 112");
    ExpectFaceFromSet(table_, 33, 112, 150, 3, "full-size back");
    table_->fullSize = 0;
    table_->smallFaces = 1;
    ExpectFaceFromSet(table_, 7, 112, 60, 2, "small faces at 112");
    ExpectFaceFromSet(table_, 33, 112, 150, 2, "small back");
    table_->smallFaces = 0;
    table_->secondSet = 1;
    ExpectFaceFromSet(table_, 7, 112, 60, 1, "second set");
    ExpectFaceFromSet(table_, 33, 112, 150, 1, "second set back");
    table_->secondSet = 0;
    ExpectFaceFromSet(table_, 33, 112, 150, 0, "first set back");
    UseTableSize(1);
}

TEST_F(TableTest, EmptyCellsAreErasedAndFramedAndTheSelectionIsInverted) {
    UseTableSize(1);
    Surface surface(200, 200);
    surface.Begin();
    RECT cell = {10, 10, 70, 60};
    table_->DrawCardCell(0, &cell);
    surface.End();
    EXPECT_EQ(surface.At(10, 10), 0x000000u) << "thin frame";
    EXPECT_EQ(surface.At(30, 30), 0xFFFFFFu) << "erased inside";
    EXPECT_EQ(surface.At(9, 9), 0x010203u) << "nothing outside";

    Surface plain(200, 200), selected(200, 200);
    plain.Begin();
    table_->DrawCardCell(9, &cell);
    plain.End();
    table_->SetSelection(9);
    selected.Begin();
    table_->DrawCardCell(9, &cell);
    selected.End();
    table_->ClearSelection();
    // The face itself is the third set's picture; the selection inverts a band at the edge.
    Surface expected(200, 200);
    DrawBitmapInDC(expected.dc(), static_cast<HBITMAP>(gSettings->cardPictures[2][9]), 10, 10);
    EXPECT_TRUE(plain.SameAs(expected, 10, 10, 10, 10, 60, 50));
    // The thick frame is the port's inverting rectangle: the band stays, the inside inverts.
    EXPECT_EQ(selected.At(11, 30), plain.At(11, 30));
    EXPECT_EQ(selected.At(40, 35), (~plain.At(40, 35)) & 0xFFFFFFu);
    EXPECT_EQ(selected.At(9, 30), 0x010203u);
}

// ---- Game clock -----------------------------------------------------------------------

TEST(PlayerClock, TextAndBoxForEachRange) {
    struct Case {
        int seconds;
        const char* text;
        int boxLeft, boxRight; // from the rectangle's right edge, 4 pixels moved right
    };
    const Case cases[] = {
        {59, " 0:59", -40, -7},         {3725, "  1: 2:05", -57, -2},
        {360000, "100: 0:0", -53, -2},  {3600000, "1000:00", -57, -2},
        {0, " 0:00", -40, -7},          {3599, "59:59", -40, -7},
        {359999, " 99:59:59", -57, -2}, {3599999, "999:59:5", -53, -2},
    };
    const RECT rect = {100, 0, 164, 20};
    for (const Case& c : cases) {
        char text[32];
        RECT box;
        FormatPlayerClock(c.seconds, &rect, text, sizeof text, &box);
        EXPECT_STREQ(text, c.text) << c.seconds;
        EXPECT_EQ(box.left, 168 + c.boxLeft) << c.seconds;
        EXPECT_EQ(box.right, 168 + c.boxRight) << c.seconds;
        EXPECT_EQ(box.top, 7) << c.seconds;
        EXPECT_EQ(box.bottom, 17) << c.seconds;
    }
}

// The clock drawn on the table equals its text drawn by hand in Arial 10 over the background.
TEST_F(TableTest, PlayerClockDrawsItsTextInItsBox) {
    for (int seconds : {59, 3725, 360000, 3600000}) {
        Surface drawn(240, 40), expected(240, 40);
        const RECT rect = {100, 0, 164, 20};
        drawn.Begin();
        table_->DrawPlayerClock(seconds, &rect);
        drawn.End();

        char text[32];
        RECT box;
        FormatPlayerClock(seconds, &rect, text, sizeof text, &box);
        expected.Begin();
        FillRectBackground(&box);
        TextFont(kFontArial);
        TextSize(10);
        SetBkMode(expected.dc(), TRANSPARENT);
        MoveTo(box.left + 4, box.bottom - 1);
        DrawString(text, false);
        expected.End();
        EXPECT_TRUE(drawn.SameAs(expected, 0, 0, 0, 0, 240, 40)) << seconds;
        EXPECT_EQ(drawn.At(box.left, box.top), 0xEFEFEFu)
            << "the box is filled with the background";
        EXPECT_EQ(drawn.At(box.left - 1, box.top), 0x010203u) << "and nothing beside it";
        bool ink = false;
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x)
                ink = ink || drawn.At(x, y) == 0;
        EXPECT_TRUE(ink) << seconds;
    }
}

// ---- Money ----------------------------------------------------------------------------

TEST_F(TableTest, GameMoneyByTableModeRoomAndPubState) {
    SettingsBody& body = gSettings->body;
    struct Case {
        int mode, seriesEnd, players, stakeLevel, room, amount;
        std::int32_t expected;
    };
    const Case cases[] = {
        {4, 1, 4, 1, 5, 8, 0},  // practice
        {1, 3, 4, 1, 5, 8, -2}, // an end rule without a money rule
        {1, 1, 4, 1, 5, 8, 16},
        {1, 8, 4, 1, 5, 8, 16},
        {1, 0, 4, 1, 5, 8, -2},
        {2, 3, 5, 1, 5, 8, 32}, // league: times the other players
        {8, 1, 4, 1, 2, 8, 6},
        {8, 1, 4, 1, 7, 8, 16},
        {8, 1, 4, 1, 5, 8, 12},
        {8, 1, 4, 0, 3, 8, 6},
        {8, 1, 4, 3, 5, 8, 48},          // 8 x 3 x 4, half kept
        {8, 1, 4, 28, 5, 8, 1610612736}, // 8 x 3 x 2^27, half kept: beyond 32 bits before halving
        {8, 1, 4, 28, 7, 8, 2147483637}, // two thirds kept is more than the cap
        {8, 1, 4, 28, 2, -8, -805306368},
    };
    for (const Case& c : cases) {
        body.tableMode = static_cast<std::int16_t>(c.mode);
        body.seriesEnd = c.seriesEnd;
        body.seriesPlayers = static_cast<std::int16_t>(c.players);
        body.tournamentDays = c.stakeLevel;
        std::memset(body.pubState, 0, sizeof body.pubState);
        table_->room = c.room;
        EXPECT_EQ(table_->ComputeGameMoney(0, c.amount), c.expected)
            << c.mode << " " << c.seriesEnd << " " << c.stakeLevel << " " << c.room;
    }
    table_->openSeries = true;
    EXPECT_EQ(table_->ComputeGameMoney(0, 8), 0) << "open series";
    table_->openSeries = false;

    // A pub life of its own multiplies by 5; each set bonus bit adds its percentage, rounded
    // half down: 100 x 5 = 500, + 10% = 550, + 25% = 687.5 -> 687.
    body.tableMode = 1;
    body.seriesEnd = 1;
    body.pubState[0] = 1;
    body.pubState[1] = 0b101;
    body.pubState[2] = 10;
    body.pubState[3] = 99; // bit 1 is clear: not used
    body.pubState[4] = 25;
    EXPECT_EQ(table_->ComputeGameMoney(0, 50), 687);
    body.pubState[0] = 0;
    body.pubState[1] = 0b1000000;
    body.pubState[8] = 50;
    EXPECT_EQ(table_->ComputeGameMoney(0, 5), 15); // 10 x 1.5
    std::memset(body.pubState, 0, sizeof body.pubState);
}

// ---- Leaving --------------------------------------------------------------------------

TEST_F(TableTest, LeavingAskByRoomAndPhase) {
    const std::string penalty =
        "Leaving the room now will result in penalty points.  Do you really want to go?";
    const std::string ante = "By leaving now, you forfeit your ante.  Do you still want to go?";
    const std::string giveUp =
        "Leaving the room now means that you give up the game.  Do you still want to go?";
    const std::string badIdea = "This is not a good idea.  Do you want to go anyway?";
    struct Case {
        int room, phase;
        bool open;
        std::string question; // empty: no question
        bool allowed;         // with the question answered OK
    };
    const std::vector<Case> cases = {
        {1, 3, false, "", true},      {1, 9, true, "", true},     {4, 0, false, "", true},
        {4, 5, false, "", true},      {4, 10, false, "", true},   {4, 1, true, penalty, true},
        {4, 1, false, ante, true},    {4, 3, true, giveUp, true}, {4, 3, false, ante, true},
        {2, 6, true, giveUp, true},   {6, 2, false, ante, true},  {4, 7, false, "", false},
        {4, 9, false, "", false},     {7, 0, true, "", true},     {8, 3, true, badIdea, true},
        {7, 0, false, badIdea, true}, {0, 0, false, "", false},   {9, 0, false, "", false},
    };
    for (const Case& c : cases) {
        ResetAlertRecorder();
        table_->room = c.room;
        table_->openSeries = c.open;
        const std::uint32_t stops = StopSoundsCount();
        EXPECT_EQ(table_->ConfirmLeaveTable(c.phase), c.allowed) << c.room << " " << c.phase;
        EXPECT_EQ(StopSoundsCount(), stops + 1) << "sounds stop first";
        if (c.question.empty()) {
            EXPECT_TRUE(RecordedAlerts().empty()) << c.room << " " << c.phase;
        } else {
            ASSERT_EQ(RecordedAlerts().size(), 1u) << c.room << " " << c.phase;
            EXPECT_EQ(RecordedAlerts()[0].text, c.question) << c.room << " " << c.phase;
            ResetAlertRecorder();
            ScriptAlertAnswers({kAnswerCancel});
            EXPECT_FALSE(table_->ConfirmLeaveTable(c.phase))
                << "Cancel stays " << c.room << " " << c.phase;
        }
    }
    ResetAlertRecorder();
}

// ---- Idle sounds ----------------------------------------------------------------------

std::uint32_t gNowMs = 0;
HWND FrontIsMain() {
    return gMainWindow;
}
HWND FrontIsOther() {
    return nullptr;
}

TEST_F(TableTest, IdleSoundsHurryTheHumanAndPlayAmbience) {
    std::vector<std::pair<int, int>> sounds;
    SetEventSoundObserver([&](int event, int seat) { sounds.emplace_back(event, seat); });
    SetMillisecondClock([] { return gNowMs; });
    SetFrontWindowSource(FrontIsMain);
    SeedRandom(7);

    gNowMs = 50000; // 3000 ticks
    table_->ResetIdleSounds();
    EXPECT_EQ(table_->idleHurryTick, 3000);
    EXPECT_EQ(table_->hurryCount, 0);

    // Off until reset: the ticks follow the clock and nothing plays.
    table_->SetIdleSoundStart(-1);
    table_->PlayIdleSounds(9000, 1000, 3);
    EXPECT_TRUE(sounds.empty());
    EXPECT_EQ(table_->idleHurryTick, 9000);
    table_->ResetIdleSounds();

    // Not while another window is in front.
    SetFrontWindowSource(FrontIsOther);
    table_->PlayIdleSounds(9000, 1000, 3);
    EXPECT_TRUE(sounds.empty());
    EXPECT_EQ(table_->idleHurryTick, 9000);
    SetFrontWindowSource(FrontIsMain);

    // The first hurry comes after more than the interval, the next ones after count x interval.
    table_->PlayIdleSounds(10000, 1000, 3);
    EXPECT_TRUE(sounds.empty() || sounds.back().first == 1430)
        << "not before the interval has passed";
    sounds.clear();
    table_->PlayIdleSounds(10001, 1000, 3);
    ASSERT_EQ(sounds.size(), 1u);
    EXPECT_EQ(sounds[0].first, 1599);
    EXPECT_GE(sounds[0].second, 1);
    EXPECT_LE(sounds[0].second, 3);
    EXPECT_EQ(table_->hurryCount, 1);
    sounds.clear();
    table_->PlayIdleSounds(11002, 1000, 3); // count 1: the interval again
    ASSERT_FALSE(sounds.empty());
    EXPECT_EQ(sounds.back().first, 1599);
    EXPECT_EQ(table_->hurryCount, 2);
    sounds.clear();
    table_->PlayIdleSounds(11002 + 2000, 1000, 3); // count 2: twice the interval, not more
    for (auto& sound : sounds)
        EXPECT_NE(sound.first, 1599);
    sounds.clear();
    table_->PlayIdleSounds(11002 + 2001, 1000, 3);
    ASSERT_FALSE(sounds.empty());
    EXPECT_EQ(sounds.back().first, 1599);

    // Ambience after more than 2/3 of the interval plus up to 69 ticks, never during a sound wait.
    table_->ResetIdleSounds();
    const std::int32_t start = table_->idleAmbienceTick;
    sounds.clear();
    table_->PlayIdleSounds(start + 666, 1000, 3);
    EXPECT_TRUE(sounds.empty()) << "not before two thirds of the interval";
    table_->PlayIdleSounds(start + 666 + 70, 1000, 3);
    ASSERT_EQ(sounds.size(), 1u);
    EXPECT_EQ(sounds[0], std::make_pair(1430, -1));
    EXPECT_EQ(table_->idleAmbienceTick, start + 736);
    sounds.clear();
    gSoundWaitDepth = 1;
    table_->SetIdleSoundStart(start + 1472); // no hurry due
    table_->PlayIdleSounds(start + 736 + 736, 1000, 3);
    EXPECT_TRUE(sounds.empty()) << "a sound wait keeps the ambience quiet";
    EXPECT_EQ(table_->idleAmbienceTick, start + 1472) << "but the tick moves on";
    gSoundWaitDepth = 0;

    // Seats: r = 0, 1 and other give seats 1, 2 and 3; with one seat always seat 1.
    sounds.clear();
    for (int i = 0; i < 20; ++i) {
        table_->ResetIdleSounds();
        table_->PlayIdleSounds(table_->idleHurryTick + 1001, 1000, 1);
    }
    for (auto& sound : sounds)
        EXPECT_EQ(sound, std::make_pair(1599, 1));
    EXPECT_EQ(sounds.size(), 20u);
    table_->PlayIdleSounds(0, 1000, 3); // no time: nothing

    SetFrontWindowSource(nullptr);
    SetMillisecondClock({});
    SetEventSoundObserver({});
}

TEST_F(TableTest, PhaseSwitchResetsTheIdleSounds) {
    gNowMs = 100000;
    SetMillisecondClock([] { return gNowMs; });
    table_->SetIdleSoundStart(-1);
    table_->hurryCount = 4;
    table_->SetPhase(3, 0);
    EXPECT_EQ(table_->idleHurryTick, 6000);
    EXPECT_EQ(table_->idleAmbienceTick, 6000);
    EXPECT_EQ(table_->hurryCount, 0);
    EXPECT_EQ(table_->phaseEntered, 1);
    SetMillisecondClock({});
}

// ---- Player box, plates, pictures ---------------------------------------------------------

TEST_F(TableTest, PlayerBoxSitsInItsSeatArea) {
    for (int size : {0, 1, 2}) {
        UseTableSize(size);
        ASSERT_NE(table_->playerBoxPicture, nullptr) << "persona library 0 holds the player box";
        RECT picture;
        GetPictureBounds(table_->playerBoxPicture, &picture);
        for (int element = 4; element <= 7; ++element) {
            table_->ShowPlayerBox(element);
            RECT area;
            table_->GetElementRect(element, &area);
            const RECT& box = table_->playerBoxRect;
            EXPECT_EQ(table_->playerBoxShown, 1);
            EXPECT_EQ(table_->playerBoxSeat, element - 4);
            EXPECT_EQ(box.right - box.left, picture.right);
            EXPECT_EQ(box.bottom - box.top, picture.bottom);
            EXPECT_EQ(element == 7 ? box.right : box.left, element == 7 ? area.right : area.left);
            EXPECT_EQ((element == 4 || element == 7) ? box.bottom : box.top,
                      (element == 4 || element == 7) ? area.bottom : area.top);
        }
        table_->HidePlayerBox();
        EXPECT_EQ(table_->playerBoxShown, 0);
        EXPECT_EQ(table_->playerBoxElement, -1);
    }
    UseTableSize(1);
}

TEST_F(TableTest, TablePicturesLoadForEveryRoomAndSize) {
    gSettings->body.tablePictures = 1;
    for (int room = 1; room <= 8; ++room) {
        table_->room = room;
        for (int size : {0, 1, 2}) {
            UseTableSize(size);
            ASSERT_NE(table_->emptyBackground, nullptr) << room << " " << size;
            EXPECT_EQ(table_->seatedBackground, table_->emptyBackground) << "no seated backgrounds";
            RECT bounds, picture;
            table_->GetBounds(&bounds);
            GetPictureBounds(table_->emptyBackground, &picture);
            EXPECT_EQ(picture.right, bounds.right);
            EXPECT_EQ(picture.bottom, bounds.bottom);
            ASSERT_NE(table_->statusBarPicture, nullptr);
            GetPictureBounds(table_->statusBarPicture, &picture);
            EXPECT_EQ(picture.right, bounds.right) << "the status bar spans the table";
            for (int element : {0, 1, 2, 3, 32, 33, 34, 35, 36, 37, 38, 39})
                EXPECT_NE(table_->elementPictures[element], nullptr)
                    << room << " " << size << " " << element;
            for (int element = 40; element <= 51; ++element)
                EXPECT_EQ(table_->elementPictures[element], nullptr);
            RECT plate, place;
            for (int element : {0, 1, 2, 3, 32, 35, 36, 39}) {
                GetPictureBounds(table_->elementPictures[element], &plate);
                table_->GetElementRect(element, &place);
                EXPECT_EQ(plate.bottom, place.bottom - place.top)
                    << "takes its element's height " << element;
            }
        }
    }
    // Without table pictures the plain cloth; without any background one beep.
    gSettings->body.tablePictures = 0;
    UseTableSize(1);
    EXPECT_NE(table_->emptyBackground, nullptr);
    EXPECT_EQ(table_->GetBackgroundPictureId(0), 3142);
    gSettings->body.tablePictures = 1;
    HMODULE kept = gPersonaLibrary;
    SetPersonaLibrary(nullptr);
    SetSysBeepSilent(true);
    const std::uint32_t beeps = SysBeepCount();
    table_->LoadTableGraphics();
    EXPECT_EQ(table_->emptyBackground, nullptr);
    EXPECT_EQ(SysBeepCount(), beeps + 1);
    RECT box;
    table_->DrawNamePlate(32, &box);
    EXPECT_TRUE(IsRectEmpty(&box)) << "no plate picture, no plate";
    SetPersonaLibrary(kept);
    table_->LoadTableGraphics();
}

TEST(BackgroundIds, ByRoomSizeAndCustomFlag) {
    struct Case {
        int room, size, custom, expected;
    };
    const Case cases[] = {{1, 1, 0, 1320}, {1, 0, 0, 1340}, {1, 2, 1, 1361}, {1, 3, 0, 1360},
                          {2, 1, 0, 1520}, {3, 0, 0, 1840}, {5, 2, 0, 1660}, {6, 1, 1, 1621},
                          {7, 1, 0, 1720}, {8, 0, 0, 1940}, {4, 2, 0, 1560}, {0, 5, 0, -1}};
    Settings settings;
    settings.body.tablePictures = 1;
    for (const Case& c : cases) {
        TestTable table;
        table.settings = &settings;
        table.room = c.room;
        settings.body.cardSize = static_cast<std::int16_t>(c.size);
        EXPECT_EQ(table.GetBackgroundPictureId(c.custom), c.expected) << c.room << " " << c.size;
    }
}

} // namespace
