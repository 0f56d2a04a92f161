// The four-player table playing whole deals with the Schafkopf controller: cards by click and
// keys, the computer seats' cards with their pauses, Put Away and the end of the game.
#include <windows.h>
#include <gtest/gtest.h>

#include <vector>

#include "media/win32/SoundManager.h"
#include "views/win32/FourTableFixture.h"
#include "views/win32/SchafkopfTestTable.h"

namespace {

class SchafkopfTableTest : public FourTableTest {
  protected:
    void SetUp() override {
        FourTableTest::SetUp();
        gSettings->body.soundOn = 0;
        gSettings->body.animationOn = 1;
        gSettings->body.movieFilter = 2; // no play movies: every card sounds on its own
        gSettings->body.cardDelay = 3;
        gSettings->body.putAwayOn = 0;
        play_ = new SchafkopfTestTable;
        play_->MakeController(gSettings);
        play_->InitGame(play_->Schafkopf(), gSettings, window_, nullptr, 8, 0, &panel_, 1);
    }
    void TearDown() override {
        delete play_;
        FourTableTest::TearDown();
    }
    // The own hand by place.
    std::vector<int> Hand() {
        std::uint8_t cards[12] = {};
        play_->Schafkopf()->CopyHand(cards, 0);
        return std::vector<int>(cards, cards + 8);
    }
    int Pause() { return gSettings->GetCardDelay(1503) * 6; }
    SchafkopfTestTable* play_ = nullptr;
};

// The human leads: the click plays the card, the three computer cards follow, each card but
// the trick's last with its pause, and the full trick waits for Put Away.
TEST_F(SchafkopfTableTest, AClickDealsAndACardPlaysTheTrick) {
    gSettings->body.singleClickPlay = 1;
    play_->HandleClick(3, 3, 0);
    ASSERT_EQ(play_->phase, 3);
    EXPECT_TRUE(waits_.empty()) << "the human leads: no computer card before";
    const std::vector<int> hand = Hand();
    ASSERT_EQ(hand.size(), 8u);
    const RECT place = play_->ownCardRects[0];
    const int card = hand[0];
    ASSERT_NE(card, 0);
    play_->HandleClick((place.left + place.right) / 2, (place.top + place.bottom) / 2, 0);
    EXPECT_EQ(play_->Schafkopf()->GetTrickCard(0), card);
    for (int seat = 1; seat < 4; ++seat)
        EXPECT_NE(play_->Schafkopf()->GetTrickCard(seat), 0) << seat;
    EXPECT_EQ(Hand()[0], 0) << "the card left the hand";
    EXPECT_TRUE(EqualRect(&play_->selectionRect, &play_->trickPlaces[2]));
    ASSERT_EQ(waits_.size(), 3u) << "after the human's card and two computer cards, not the last";
    for (std::uint32_t ticks : waits_)
        EXPECT_EQ(ticks, static_cast<std::uint32_t>(Pause()));
    EXPECT_EQ(play_->trickWaiting, 1);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window_, kPutAwayButton)));
}

// With seat 1 dealing seat 2 leads: seats 2 and 3 play before the human, a card clicked too
// early is refused with its note.
TEST_F(SchafkopfTableTest, ComputerSeatsBeforeTheHumanPlayFirst) {
    play_->fixedDealer = 1;
    play_->HandleCommand(kNewDealButton);
    ASSERT_EQ(play_->phase, 3);
    SchafkopfController* c = play_->Schafkopf();
    ASSERT_EQ(c->GetTrickLeader(), 2);
    EXPECT_NE(c->GetTrickCard(2), 0);
    EXPECT_NE(c->GetTrickCard(3), 0);
    EXPECT_EQ(c->GetTrickCard(0), 0);
    EXPECT_EQ(c->GetTrickCard(1), 0);
    EXPECT_EQ(waits_.size(), 2u)
        << "seat 3's card is followed by the human's turn, not the trick's end";
}

// A whole deal by the keys: the arrow and Return until a card is taken, Return for Put Away;
// game over shows New Deal; every trick pauses after its first three cards only.
TEST_F(SchafkopfTableTest, AWholeDealByKeysEndsInGameOver) {
    play_->HandleKey(13);
    ASSERT_EQ(play_->phase, 3);
    int tricks = 0;
    for (int guard = 0; guard < 400 && play_->phase == 3; ++guard) {
        if (play_->trickWaiting) {
            // Every trick so far: three pauses, whoever led it.
            EXPECT_EQ(waits_.size(), 3u * (tricks + 1)) << "trick " << tricks + 1;
            play_->HandleKey(13);
            ++tricks;
            continue;
        }
        play_->HandleKey(28);
        play_->HandleKey(13);
    }
    EXPECT_EQ(tricks, 8);
    EXPECT_EQ(play_->phase, 4);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window_, kNewDealButton)));
    for (int card : Hand())
        EXPECT_EQ(card, 0);
}

// A card the rules forbid is refused and drawn again in its place.
TEST_F(SchafkopfTableTest, ARefusedCardReappears) {
    play_->fixedDealer = 0; // seat 1 leads; seat 0 must follow
    play_->HandleCommand(kNewDealButton);
    ASSERT_EQ(play_->phase, 3);
    SchafkopfController* c = play_->Schafkopf();
    ASSERT_NE(c->GetTrickCard(3), 0) << "seats 1 to 3 played";
    const std::vector<int> hand = Hand();
    for (int i = 0; i < 8; ++i) {
        play_->PlayCardAt(0, 0, i + 1, 1);
        if (c->GetTrickCard(0) != 0)
            break;
        EXPECT_EQ(Hand()[i], hand[i]) << "refused card " << hand[i] << " stays in the hand";
        EXPECT_TRUE(EqualRect(&play_->selectionRect, &play_->ownCardRects[i]));
    }
    EXPECT_NE(c->GetTrickCard(0), 0) << "one of the cards was legal";
}

} // namespace
