// "Rest Mine" on the four-player table with the Schafkopf controller: the question first, the
// computer player's judgement of the claimer's cards, the note for an insecure claim, the end
// of the game with the remaining points for the human's party, and a claim heard from another
// table.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "support/AlertRecorder.h"
#include "tournament/TournamentDirector.h"
#include "views/win32/FourTableFixture.h"
#include "views/win32/SchafkopfTestTable.h"
#include "views/win32/SideWindows.h"

namespace {

const char* const kQuestion = "Are your remaining cards really secure?";
const char* const kNotSecure = "The cards are not secure. Play on!";

// The human holds every Ober and Unter, the eight highest trumps of the game.
const std::uint8_t kStrongHuman[4][8] = {{29, 21, 13, 5, 28, 20, 12, 4},
                                         {1, 2, 3, 6, 7, 8, 9, 10},
                                         {11, 14, 15, 16, 17, 18, 19, 22},
                                         {23, 24, 25, 26, 27, 30, 31, 32}};
// The same hands with seat 1 holding the trumps.
const std::uint8_t kStrongSeat1[4][8] = {{1, 2, 3, 6, 7, 8, 9, 10},
                                         {29, 21, 13, 5, 28, 20, 12, 4},
                                         {11, 14, 15, 16, 17, 18, 19, 22},
                                         {23, 24, 25, 26, 27, 30, 31, 32}};

class ClaimRestTest : public FourTableTest {
  protected:
    void SetUp() override {
        FourTableTest::SetUp();
        gSettings->body.soundOn = 0;
        gSettings->body.cardDelay = 0;
        gSettings->body.putAwayOn = 0;
        play_ = new SchafkopfTestTable;
        play_->MakeController(gSettings);
        play_->InitGame(play_->Schafkopf(), gSettings, window_, nullptr, 8, 0, &panel_, 1);
        TableServices services = GetTableServices();
        services.markGameChanged = [this] { ++dirtyMarks_; };
        services.redrawWindows = [this](bool, bool) { ++redraws_; };
        services.openPlayerWindow = [this](int seat) { openedPlayers_.push_back(seat); };
        services.tablePane = [this] { return static_cast<Pane*>(play_); };
        SetTableServices(services);
        ResetAlertRecorder();
    }
    void TearDown() override {
        delete play_;
        FourTableTest::TearDown();
    }
    void Deal(const std::uint8_t hands[4][8], int dealer = 3) {
        std::memmove(play_->fixedHands, hands, sizeof play_->fixedHands);
        play_->fixedDealer = dealer;
        play_->HandleCommand(kNewDealButton);
        ASSERT_EQ(play_->phase, 3);
        dirtyMarks_ = redraws_ = 0; // the deal's own
    }
    // The human plays the card of that code from the hand.
    void PlayOwn(int card) {
        std::uint8_t cards[12] = {};
        play_->Schafkopf()->CopyHand(cards, 0);
        for (int i = 0; i < 8; ++i)
            if (cards[i] == card) {
                play_->PlayCardAt(0, 0, i + 1, 1);
                return;
            }
        FAIL() << "card " << card << " is not in the hand";
    }
    std::vector<std::string> Texts() {
        std::vector<std::string> texts;
        for (const AlertBox& box : RecordedAlerts())
            texts.push_back(box.text);
        return texts;
    }
    int PartyPoints(bool humanParty) {
        const SchafkopfComputerPlayer& game = *play_->Schafkopf()->Game();
        int sum = 0;
        for (int seat = 0; seat < 4; ++seat)
            if ((seat == 0 || seat == 2) == humanParty)
                sum += game.cardPoints[seat];
        return sum;
    }
    SchafkopfTestTable* play_ = nullptr;
    int dirtyMarks_ = 0;
    int redraws_ = 0;
    std::vector<int> openedPlayers_;
};

// A secure claim with the first trick still waiting for Put Away: the game ends and the human's
// party (the Eichel Ober's holder and the seat across) has all 120 card points.
TEST_F(ClaimRestTest, SecureClaimEndsTheGameWithTheWaitingTrickForTheHumansParty) {
    Deal(kStrongHuman);
    PlayOwn(29);
    ASSERT_EQ(play_->trickWaiting, 1);
    dirtyMarks_ = redraws_ = 0;
    ScriptAlertAnswers({kAnswerOk});
    ClaimRest();
    EXPECT_EQ(Texts(), std::vector<std::string>{kQuestion});
    EXPECT_EQ(play_->phase, 4);
    EXPECT_EQ(PartyPoints(true), 120);
    EXPECT_EQ(PartyPoints(false), 0);
    EXPECT_GE(dirtyMarks_, 1); // the claim's mark, and the end of the game's own
    EXPECT_GE(redraws_, 1);
    EXPECT_EQ(play_->Schafkopf()->claimMade, 1);
    EXPECT_EQ(play_->Schafkopf()->claimSeat, 0);
    EXPECT_TRUE(openedPlayers_.empty());
}

// An insecure claim: the note, the claim recorded, and the game goes on where it was.
TEST_F(ClaimRestTest, InsecureClaimShowsTheNoteAndPlayGoesOn) {
    Deal(play_->fixedHands); // the human holds the Eichel suit with two trumps only
    ScriptAlertAnswers({kAnswerOk});
    ClaimRest();
    EXPECT_EQ(Texts(), (std::vector<std::string>{kQuestion, kNotSecure}));
    EXPECT_EQ(play_->phase, 3);
    EXPECT_EQ(dirtyMarks_, 1);
    EXPECT_EQ(play_->Schafkopf()->claimMade, 1);
    EXPECT_EQ(PartyPoints(true) + PartyPoints(false), 0) << "no points were handed out";
    PlayOwn(29);
    EXPECT_EQ(play_->Schafkopf()->GetTrickCard(0), 29) << "the human still plays";
    EXPECT_EQ(play_->trickWaiting, 1);
}

// Cancel on the question: nothing at all happens, the game is not even marked changed.
TEST_F(ClaimRestTest, CancelChangesNothing) {
    Deal(kStrongHuman);
    ScriptAlertAnswers({kAnswerCancel});
    ClaimRest();
    EXPECT_EQ(Texts(), std::vector<std::string>{kQuestion});
    EXPECT_EQ(play_->phase, 3);
    EXPECT_EQ(dirtyMarks_, 0);
    EXPECT_EQ(redraws_, 0);
    EXPECT_EQ(play_->Schafkopf()->claimMade, 0);
    EXPECT_EQ(PartyPoints(true) + PartyPoints(false), 0);
}

// A computer seat's claim: its open cards are shown either way, the note only when its cards
// are not secure; the game is left to the table.
TEST_F(ClaimRestTest, ComputerSeatClaimOpensItsCardsAndNotesAnInsecureOne) {
    const struct {
        const std::uint8_t (*hands)[8];
        bool secure;
    } cases[] = {{kStrongHuman, false}, {kStrongSeat1, true}};
    for (const auto& c : cases) {
        ResetAlertRecorder();
        openedPlayers_.clear();
        Deal(c.hands, 0); // seat 1 leads
        play_->ClaimRestFor(1);
        EXPECT_EQ(Texts(),
                  c.secure ? std::vector<std::string>{} : std::vector<std::string>{kNotSecure});
        EXPECT_EQ(openedPlayers_, std::vector<int>{1});
        EXPECT_EQ(play_->phase, 3);
        EXPECT_EQ(play_->Schafkopf()->claimSeat, 1);
        EXPECT_EQ(dirtyMarks_, 0) << "only the human's menu command marks the game";
    }
}

// A claim heard from another table: the flag from the low three bits, the seat from the
// bits above the low byte.
TEST_F(ClaimRestTest, ClaimValueFromAnotherTable) {
    const struct {
        std::int32_t value;
        int flag, seat;
    } cases[] = {{1, 1, 0}, {0x301, 1, 3}, {0x200, 0, 2}, {9, 1, 0}, {0x102, 0, 1}, {0x1ff, 0, 1}};
    for (const auto& c : cases) {
        const ClaimValue claim = DecodeClaimValue(c.value);
        EXPECT_EQ(claim.flag, c.flag) << std::hex << c.value;
        EXPECT_EQ(claim.seat, c.seat) << std::hex << c.value;
    }
    Deal(kStrongHuman);
    TournamentDirector director;
    director.localTable = play_;
    ReceiveClaim(&director, 0x201);
    EXPECT_EQ(play_->Schafkopf()->claimMade, 1);
    EXPECT_EQ(play_->Schafkopf()->claimSeat, 2);
    EXPECT_TRUE(RecordedAlerts().empty());
    EXPECT_EQ(play_->phase, 3);
}

} // namespace
