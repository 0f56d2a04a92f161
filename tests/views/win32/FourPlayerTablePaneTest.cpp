#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "games/fourplayer/GameList.h"
#include "media/win32/SoundManager.h"
#include "platform/win32/Ports.h"
#include "records/OptionRecordLayouts.h"
#include "records/ProgramFlags.h"
#include "support/AlertRecorder.h"
#include "tournament/TournamentDirector.h"
#include "views/win32/FourTableFixture.h"
#include "views/win32/SeatRoleBadge.h"

namespace {

POINT Centre(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool AlertSays(const std::string& text) {
    for (const AlertBox& box : RecordedAlerts())
        if (box.text.find(text) != std::string::npos)
            return true;
    return false;
}

// ---- Seat-role badge -------------------------------------------------------------------

TEST(SeatRoleBadge, SettersFollowTheirEdgeCases) {
    SeatRoleBadge badge;
    badge.Init();
    EXPECT_STREQ(badge.letters[0], "F");
    EXPECT_STREQ(badge.letters[1], "M");
    EXPECT_STREQ(badge.letters[2], "R");
    ASSERT_NE(badge.pictures[0], nullptr);
    EXPECT_EQ(badge.pictureRects[0].right, 90);
    EXPECT_EQ(badge.pictureRects[0].bottom, 17);
    EXPECT_EQ(badge.pictureRects[1].right, 5);
    EXPECT_EQ(badge.pictureRects[2].bottom, 5);

    // Before any rotation nothing is drawn and no position remembered.
    badge.Draw(40, 50);
    EXPECT_EQ(badge.lastH, -1);
    EXPECT_EQ(badge.lastV, -1);

    badge.SetRotation(2, 0);
    EXPECT_EQ(badge.rotation, 2);
    EXPECT_EQ(badge.marker, 2);
    EXPECT_EQ(badge.markerShown, 1);
    badge.Draw(40, 50);
    EXPECT_EQ(badge.lastH, 40);
    EXPECT_EQ(badge.lastV, 50);

    // The same rotation again still moves the marker to it.
    badge.SetMarker(0, 0);
    badge.SetRotation(2, 0);
    EXPECT_EQ(badge.marker, 2);

    // With the marker hidden a redraw request only stores the marker.
    badge.ShowMarker(0, 0);
    badge.lastH = badge.lastV = -1;
    badge.SetMarker(1, 1);
    EXPECT_EQ(badge.marker, 1);
    EXPECT_EQ(badge.lastH, -1) << "nothing drawn while the marker is hidden";
    badge.ShowMarker(1, 0);
    badge.SetMarker(0, 1);
    EXPECT_EQ(badge.lastH, -1) << "no earlier drawing: nowhere to draw again";
}

TEST_F(FourTableTest, BadgeTakesTheLeaderWhenPlayBegins) {
    ASSERT_NE(table_->roleBadge, nullptr);
    EXPECT_EQ(table_->roleBadge->rotation, -1);
    controller_.leader = 2;
    table_->SetPhase(3, 0);
    EXPECT_EQ(table_->roleBadge->rotation, 2);
    EXPECT_EQ(table_->roleBadge->marker, 0);
    EXPECT_EQ(table_->roleBadge->lastH, -1) << "the four-player table never draws its badge";
}

// ---- Phases and buttons ---------------------------------------------------------------

TEST_F(FourTableTest, ButtonsStartHiddenAndPhasesShowTheirs) {
    for (int item : {kBeginButton, kPutAwayButton, kNewDealButton})
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(window_, item))) << item;
    EXPECT_EQ(table_->phase, 0);
    table_->SetPhase(3, 1);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window_, kPutAwayButton)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window_, kPutAwayButton))) << "no trick waits";
    table_->SetPhase(4, 0);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window_, kPutAwayButton)));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window_, kNewDealButton)));
}

TEST_F(FourTableTest, StoryTableStartsInTheRoomScene) {
    delete table_;
    gStoryMode = 1;
    table_ = new FourTableDouble;
    table_->InitGame(&controller_, gSettings, window_, nullptr, 8, 0, &panel_, 1);
    gStoryMode = 0;
    EXPECT_EQ(table_->phase, 7);
}

// A click on the table in phase 0 deals; with a remote table the pairing alert instead.
TEST_F(FourTableTest, ClickInPhaseZeroDeals) {
    gSettings->body.soundOn = 0;
    gSettings->body.animationOn = 1; // no "I deal!" pause
    table_->HandleClick(3, 3, 0);
    EXPECT_EQ(table_->phase, 1);
    table_->SetPhase(0, 1);
    gDirectorRunsTables = 1;
    ResetAlertRecorder();
    table_->HandleClick(3, 3, 0);
    gDirectorRunsTables = 0;
    EXPECT_EQ(table_->phase, 0);
    EXPECT_TRUE(AlertSays("Before you can play, you must first call up a new pairing"));
}

// The point target ends the series with its note instead of a deal.
TEST_F(FourTableTest, NewDealAtThePointTargetFinishesTheListAndDealsNothing) {
    controller_.pointTarget = true;
    table_->SetPhase(4, 0);
    ResetAlertRecorder();
    table_->HandleCommand(kNewDealButton);
    EXPECT_TRUE(AlertSays("The point target has been reached and the game is over."));
    EXPECT_EQ(table_->scoreListsFinished, 1);
    EXPECT_EQ(table_->phase, 4) << "no deal";
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window_, kNewDealButton)));

    controller_.pointTarget = false;
    EnableWindow(GetDlgItem(window_, kNewDealButton), TRUE);
    gSettings->body.soundOn = 0;
    gSettings->body.animationOn = 1;
    table_->HandleKey('n');
    EXPECT_EQ(table_->phase, 1) << "the key n presses the shown New Deal";
}

// A series set to end after two games ends at the New Deal after the second game, by the end
// rule of the Schafkopf record (the Doppelkopf record's rule does not count at this table).
TEST_F(FourTableTest, NewDealAfterTheSeriesGamesFinishesTheList) {
    SchafkopfOptions schafkopf = {};
    DoppelkopfOptions doppelkopf = {};
    schafkopf.seriesEnd = 8;
    schafkopf.seriesGameCount = 2;
    doppelkopf.seriesEnd = 8;
    doppelkopf.seriesGameCount = 1;
    DoppelkopfOptions* keptA = gDirector ? gDirector->optionsA : nullptr;
    SchafkopfOptions* keptB = gDirector ? gDirector->optionsB : nullptr;
    ASSERT_NE(CreateDirector(nullptr, nullptr, &doppelkopf, &schafkopf), nullptr);
    gSettings->body.soundOn = 0;
    gSettings->body.animationOn = 1;
    GameRecord record = {};
    controller_.gameListHandle = ResetGameList(controller_.gameListHandle);
    for (int games = 1; games <= 2; ++games) {
        ASSERT_TRUE(AppendGameRecord(&controller_.gameListHandle, record));
        table_->SetPhase(4, 0);
        EnableWindow(GetDlgItem(window_, kNewDealButton), TRUE);
        table_->HandleCommand(kNewDealButton);
        if (games == 1)
            EXPECT_EQ(table_->phase, 1) << "one game of two: the next deal";
        else
            EXPECT_EQ(table_->scoreListsFinished, 1) << "two games of two: the series ends";
    }
    schafkopf.seriesEnd = 1;
    EXPECT_FALSE(IsSeriesOverByOptions(gDirector, controller_.gameListHandle, 2)) << "never";
    EXPECT_TRUE(IsSeriesOverByOptions(gDirector, controller_.gameListHandle, 1)) << "Doppelkopf";
    EXPECT_FALSE(IsSeriesOverByOptions(gDirector, controller_.gameListHandle, 0)) << "Skat";
    gDirector->series.seriesMode = 2;
    EXPECT_FALSE(IsSeriesOverByOptions(gDirector, controller_.gameListHandle, 1)) << "a league";
    gDirector->series.seriesMode = 1;
    CreateDirector(nullptr, nullptr, keptA, keptB);
}

// In the pub story leaving room 7 during an open series opens the cemetery (kind 4).
TEST_F(FourTableTest, LeavingRoomSevenDuringAnOpenSeriesEndsAtTheCemetery) {
    gStoryMode = 1;
    controller_.SetRoom(7);
    controller_.openSeries = true;
    table_->SetPhaseValue(3);
    table_->LeaveTable();
    gStoryMode = 0;
    ASSERT_EQ(panel_.cemeteries.size(), 1u);
    EXPECT_EQ(panel_.cemeteries[0], 4);
    EXPECT_EQ(table_->phase, 9);
}

TEST_F(FourTableTest, LeavingWithoutTheStoryDoesNothing) {
    controller_.SetRoom(7);
    controller_.openSeries = true;
    table_->SetPhaseValue(3);
    table_->LeaveTable();
    EXPECT_TRUE(panel_.cemeteries.empty());
    EXPECT_EQ(table_->phase, 3);
}

// ---- Card entry ---------------------------------------------------------------------------

TEST_F(FourTableTest, ClicksOnCardsPlayOrSelectByTheSettings) {
    StartPlay({1, 2, 3, 4, 5, 6, 7, 8});
    gSettings->body.singleClickPlay = 0;
    POINT p = Centre(table_->ownCardRects[2]);
    table_->HandleClick(p.x, p.y, 0);
    EXPECT_TRUE(table_->played.empty()) << "a single click only selects";
    EXPECT_EQ(table_->selection, 3);
    EXPECT_TRUE(EqualRect(&table_->selectionRect, &table_->ownCardRects[2]));
    table_->HandleClick(p.x, p.y, 1);
    ASSERT_EQ(table_->played.size(), 1u) << "a double click plays";
    EXPECT_EQ(table_->played[0], 3);
    EXPECT_TRUE(EqualRect(&table_->selectionRect, &table_->trickPlaces[2])) << "seat 0's place";

    gSettings->body.singleClickPlay = 1;
    p = Centre(table_->ownCardRects[5]);
    table_->HandleClick(p.x, p.y, 0);
    ASSERT_EQ(table_->played.size(), 2u);
    EXPECT_EQ(table_->played[1], 6);

    // An empty place, and any place outside phase 3, play nothing.
    controller_.hands[4] = 0;
    p = Centre(table_->ownCardRects[4]);
    table_->HandleClick(p.x, p.y, 1);
    table_->SetPhaseValue(2);
    p = Centre(table_->ownCardRects[0]);
    table_->HandleClick(p.x, p.y, 1);
    EXPECT_EQ(table_->played.size(), 2u);
}

TEST_F(FourTableTest, CardsOutOfTurnOrDuringAWaitStay) {
    StartPlay({1, 2, 3, 4, 5, 6, 7, 8});
    table_->trickLeader = 2;
    table_->trick[2] = 9;
    ResetAlertRecorder();
    table_->PlayCardAt(0, 0, 1, 1);
    EXPECT_TRUE(table_->played.empty());
    EXPECT_TRUE(AlertSays("It's not yet your turn to play a card!"));
    table_->trick[3] = 10; // seats 2 and 3 have played: the human's turn
    gWaitDepth = 1;
    table_->PlayCardAt(0, 0, 1, 1);
    EXPECT_TRUE(table_->played.empty()) << "nothing during a nested wait";
    gWaitDepth = 0;
    table_->PlayCardAt(0, 0, 1, 1);
    EXPECT_EQ(table_->played.size(), 1u);

    // A refused card is drawn again in its place.
    table_->accept = false;
    ValidateRect(window_, nullptr);
    table_->PlayCardAt(0, 0, 4, 1);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(window_, &update, FALSE));
    EXPECT_TRUE(EqualRect(&update, &table_->ownCardRects[3]));
    EXPECT_TRUE(EqualRect(&table_->selectionRect, &table_->ownCardRects[3]));
}

// The covered part of an overlapped card hits the card lying over it.
TEST_F(FourTableTest, OverlappedCardsAnswerOnTheirVisibleStrip) {
    // Places step 21 pixels (a visible strip of 20 plus 1).
    UseTableSize(1, true, false);
    StartPlay({1, 2, 3, 4, 5, 6, 7, 8});
    const RECT second = table_->ownCardRects[1];
    const int y = (second.top + second.bottom) / 2;
    ASSERT_GT(second.right - second.left, 42);
    // Suits right: each card lies over the one before it.
    EXPECT_EQ(table_->HitTest(second.left + 5, y), 2);
    EXPECT_EQ(table_->HitTest(second.left + 25, y), 3);
    controller_.hands[2] = 0;
    EXPECT_EQ(table_->HitTest(second.left + 25, y), 2)
        << "an emptied place uncovers the card under it";
    // Suits left: each card lies over the one after it.
    UseTableSize(1, true, true);
    StartPlay({1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(table_->HitTest(second.left + 5, y), 1);
    EXPECT_EQ(table_->HitTest(second.right - 3, y), 2);
    controller_.hands[0] = 0;
    EXPECT_EQ(table_->HitTest(second.left + 5, y), 2);
}

// The arrows as their edge cases say; Return plays the selection, nothing without one.
TEST_F(FourTableTest, ArrowKeysMoveTheSelectionAndReturnPlaysIt) {
    gSettings->body.ownCardsFullSize = 0;
    StartPlay({1, 2, 3, 4, 5, 6, 7, 8});
    table_->HandleKey(13);
    EXPECT_TRUE(table_->played.empty()) << "Return without a selection";
    table_->HandleKey(28);
    EXPECT_EQ(table_->FindSelectedCard(), 1) << "left: the first place, which holds a card";
    table_->HandleKey(28);
    EXPECT_EQ(table_->FindSelectedCard(), 8) << "left from the first wraps to the last";
    table_->HandleKey(29);
    EXPECT_EQ(table_->FindSelectedCard(), 1) << "right from the last wraps to the first";
    table_->HandleKey(29);
    EXPECT_EQ(table_->FindSelectedCard(), 2);
    table_->HandleKey(31);
    EXPECT_EQ(table_->FindSelectedCard(), 6) << "down: the other row";
    table_->HandleKey(30);
    EXPECT_EQ(table_->FindSelectedCard(), 2) << "up: back to the first row";
    table_->HandleKey(13);
    ASSERT_EQ(table_->played.size(), 1u);
    EXPECT_EQ(table_->played[0], 2);

    StartPlay({0, 2, 3, 0, 5, 6, 7, 0});
    table_->HandleKey(28);
    EXPECT_EQ(table_->FindSelectedCard(), 7) << "left with the first place empty: the last held";
    table_->ClearSelection();
    table_->HandleKey(29);
    EXPECT_EQ(table_->FindSelectedCard(), 2) << "right: the first held card";

    // An empty hand answers no card instead of scanning for ever.
    StartPlay({0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(table_->SelectNextCard(0), 0);
    EXPECT_EQ(table_->SelectNextCard(1), 0);
    EXPECT_EQ(table_->SelectPreviousCard(0), 0);
    EXPECT_EQ(table_->SelectPreviousCard(1), 0);
    table_->HandleKey(28);
    EXPECT_EQ(table_->played.size(), 1u);
}

// ---- Played cards, Put Away --------------------------------------------------------------

// Each card but a trick's last is followed by the card pause of event 1503 x 6 ticks.
TEST_F(FourTableTest, PlayedCardsPauseExceptAfterTheTricksLast) {
    gSettings->body.cardDelay = 5;
    gSettings->body.animationOn = 0; // every seat's card makes its own sound here
    const int pause = gSettings->GetCardDelay(1503) * 6;
    ASSERT_GT(pause, 0);
    std::vector<std::pair<int, int>> sounds;
    SetEventSoundObserver([&](int event, int seat) { sounds.push_back({event, seat}); });
    table_->SetPhaseValue(3);
    controller_.leader = 1;
    table_->trickLeader = 1;
    for (int seat : {1, 2, 3, 0})
        table_->ShowPlayedCard(seat, 5 + seat, 1, 0);
    SetEventSoundObserver(nullptr);
    ASSERT_EQ(waits_.size(), 3u) << "none after the fourth card";
    for (std::uint32_t ticks : waits_)
        EXPECT_EQ(ticks, static_cast<std::uint32_t>(pause));
    std::vector<std::pair<int, int>> expected = {{1503, 1}, {1503, 2}, {1503, 3}, {1503, 0}};
    EXPECT_EQ(sounds, expected);
    EXPECT_EQ(gEventSoundDepth, 0) << "the sound seam leaves no sound marked as playing";
    // A card shown again in the same trick makes no second sound; card 0 shows nothing.
    table_->ShowPlayedCard(2, 7, 0, 0);
    table_->ShowPlayedCard(1, 0, 1, 0);
    EXPECT_EQ(waits_.size(), 3u);

    // With animations a computer seat's card sounds only when it is played with its animation;
    // drawn again it stays quiet. The human's card sounds either way.
    gSettings->body.animationOn = 1;
    gSettings->body.movieFilter = 0;
    std::fill(std::begin(table_->soundPlayed), std::end(table_->soundPlayed), 0);
    sounds.clear();
    SetEventSoundObserver([&](int event, int seat) { sounds.push_back({event, seat}); });
    table_->ShowPlayedCard(2, 7, 0, 0);
    table_->ShowPlayedCard(1, 6, 0, 1);
    table_->ShowPlayedCard(0, 5, 0, 0);
    SetEventSoundObserver(nullptr);
    expected = {{1503, 1}, {1503, 0}};
    EXPECT_EQ(sounds, expected);
}

TEST_F(FourTableTest, PutAwayByButtonRightClickAndReturn) {
    StartPlay({1, 2, 3, 4, 5, 6, 7, 8});
    table_->PlacePutAwayButton();
    auto waitTrick = [&] {
        table_->trickWaiting = 1;
        EnableWindow(GetDlgItem(window_, kPutAwayButton), TRUE);
    };
    waitTrick();
    table_->HandleCommand(kPutAwayButton);
    EXPECT_EQ(controller_.tricksEnded, 1);
    EXPECT_EQ(table_->trickWaiting, 0);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window_, kPutAwayButton)));
    waitTrick();
    table_->HandleRightClick();
    EXPECT_EQ(controller_.tricksEnded, 2);
    waitTrick();
    table_->HandleKey(13);
    EXPECT_EQ(controller_.tricksEnded, 3);
    // Only a shown, enabled button is pressed.
    table_->trickWaiting = 1;
    table_->HandleRightClick();
    EXPECT_EQ(controller_.tricksEnded, 3);
    // A decided game goes to game over.
    waitTrick();
    controller_.decided = true;
    table_->HandleCommand(kPutAwayButton);
    EXPECT_EQ(table_->phase, 4);
}

// With Put Away automatic and a delay of 20 the trick goes at the first idle step more than
// 80 ticks after the wait started.
TEST_F(FourTableTest, AutomaticPutAwayAfterItsDelay) {
    StartPlay({1, 2, 3, 4, 5, 6, 7, 8});
    table_->PlacePutAwayButton();
    gSettings->body.putAwayOn = 1;
    gSettings->body.putAwayDelay = 20;
    table_->trickWaiting = 1;
    EnableWindow(GetDlgItem(window_, kPutAwayButton), TRUE);
    table_->ArmAutoContinue();
    table_->Idle(1000, 0);
    EXPECT_EQ(table_->autoContinueStart, 1000);
    table_->Idle(1080, 0);
    EXPECT_EQ(controller_.tricksEnded, 0) << "80 ticks are not more than 80";
    table_->Idle(1081, 0);
    EXPECT_EQ(controller_.tricksEnded, 1);
    EXPECT_EQ(table_->autoContinueStart, -1) << "disarmed";
    // Off: nothing happens however long the trick waits.
    gSettings->body.putAwayOn = 0;
    table_->trickWaiting = 1;
    EnableWindow(GetDlgItem(window_, kPutAwayButton), TRUE);
    table_->ArmAutoContinue();
    table_->Idle(2000, 0);
    table_->Idle(9000, 0);
    EXPECT_EQ(controller_.tricksEnded, 1);
}

// ---- Zones ----------------------------------------------------------------------------------

TEST_F(FourTableTest, TrickStacksOpenLastTrickAndSeatAreasTheirBox) {
    StartPlay({1, 2, 3, 4, 5, 6, 7, 8});
    RECT stack;
    table_->GetElementRect(2, &stack);
    const POINT s = Centre(stack);
    table_->HandleClick(s.x, s.y, 0);
    EXPECT_EQ(lastTrickOpened_, 1);
    RECT area;
    table_->GetElementRect(5, &area);
    const POINT a = Centre(area);
    table_->HandleClick(a.x, a.y, 0);
    EXPECT_EQ(table_->playerBoxShown, 1);
    EXPECT_EQ(table_->playerBoxElement, 5);
    // In phase 0 the same click deals instead.
    table_->SetPhaseValue(0);
    gSettings->body.soundOn = 0;
    gSettings->body.animationOn = 1;
    table_->HandleClick(s.x, s.y, 0);
    EXPECT_EQ(lastTrickOpened_, 1);
    EXPECT_EQ(table_->phase, 1);
}

// While an event sound plays, clicks, keys and commands are ignored.
TEST_F(FourTableTest, InputWaitsForARunningEventSound) {
    StartPlay({1, 2, 3, 4, 5, 6, 7, 8});
    gSettings->body.singleClickPlay = 1;
    const POINT p = Centre(table_->ownCardRects[0]);
    gEventSoundDepth = 1;
    table_->HandleClick(p.x, p.y, 0);
    EXPECT_TRUE(table_->played.empty());
    gEventSoundDepth = 0;
    PlayEventSound(1503, 0); // even a sound that cannot play leaves no depth behind
    EXPECT_EQ(gEventSoundDepth, 0);
    table_->HandleClick(p.x, p.y, 0);
    EXPECT_EQ(table_->played.size(), 1u);
}

} // namespace

namespace {

// Replaying asks first; Cancel keeps the table as it is, OK deals the same cards again.
TEST_F(FourTableTest, ReplayAsksAndRestoresTheDeal) {
    table_->SetPhaseValue(4);
    ResetAlertRecorder();
    ScriptAlertAnswers({kAnswerCancel});
    table_->ReplayGame(1);
    EXPECT_TRUE(AlertSays("Do you want to play this game again with the same cards ?"));
    EXPECT_EQ(table_->phase, 4);
    ScriptAlertAnswers({kAnswerOk});
    table_->ReplayGame(1);
    EXPECT_EQ(table_->phase, 1);
    gWaitDepth = 1;
    ResetAlertRecorder();
    table_->ReplayGame(0);
    gWaitDepth = 0;
    EXPECT_TRUE(AlertSays("Please wait. It's not yet your turn."));
}

} // namespace
