#include <gtest/gtest.h>

#include <vector>

#include "engine/NormalGameTest.h"
#include "engine/TestLevel.h"

namespace {

// Records the cards the contest question is asked about, the recursive questions included.
class RecordingLevel : public TestLevel {
public:
    bool ShouldContestTrick(int card) override {
        asked.push_back(card);
        return TestLevel::ShouldContestTrick(card);
    }
    std::vector<int> asked;
};

class PartnerPlayTest : public NormalGameTestOf<RecordingLevel> {
protected:
    void SetUp() override {
        NormalGameTestOf::SetUp();
        for (int seat = 0; seat < 4; ++seat)
            game.seats[seat].profile = 8;
    }
    void Trick(int first, const std::vector<int>& cards) {
        game.leader = static_cast<std::int16_t>(first);
        for (int i = 0; i < 4; ++i)
            game.trickCards[(first + i) % 4] =
                static_cast<std::int16_t>(i < static_cast<int>(cards.size()) ? cards[i] : 0);
        game.seatToMove = static_cast<std::int16_t>((first + cards.size()) % 4);
    }
};

constexpr int kHeartNine = 8 + 3;
constexpr int kHeartAce = 8 + 8;

}  // namespace

TEST_F(PartnerPlayTest, DeclarerAndLeaderNeverPlayForAPartnerAndTheLastSeatNeverContests) {
    game.GiveHand(1, {kHeartNine, 29});
    Trick(0, {kHeartNine});
    game.moverPartners[0] = 3;
    game.declarer = 1;
    EXPECT_FALSE(game.ShouldPlayForPartner(kHeartNine, false));
    Trick(1, {});
    game.declarer = -1;
    EXPECT_FALSE(game.ShouldPlayForPartner(kHeartNine, false));
    EXPECT_TRUE(game.ShouldContestTrick(kHeartNine));  // the leader contests
    Trick(2, {kHeartNine, kHeartNine, kHeartAce});
    EXPECT_FALSE(game.ShouldContestTrick(kHeartAce));
}

TEST_F(PartnerPlayTest, AMasterCardAfterARuffIsNotLeftToAKnownPartner) {
    game.GiveHand(1, {kHeartAce, 29});
    Trick(0, {kHeartAce});
    AddToRankMask(&game.playedMasks[kRankAce], kSuitHerz);
    AddToRankMask(&game.playedMasks[kRankAce], kSuitHerz);
    game.moverPartners[0] = 3;
    EXPECT_FALSE(game.ShouldPlayForPartner(kHeartAce, true));
}

TEST_F(PartnerPlayTest, ThirdSeatDoesNotContestWhileItsPartnerStillPlays) {
    game.GiveHand(2, {kHeartAce, 29});
    Trick(0, {kHeartNine, 8 + 6});
    game.moverPartners[0] = 3;
    EXPECT_FALSE(game.ShouldContestTrick(kHeartNine));
}

TEST_F(PartnerPlayTest, TheTrumpInTheTrickIsAskedAboutNotTheLedCard) {
    game.GiveHand(2, {kHeartAce, 29});
    Trick(0, {kHeartNine, 3});  // Hearts led, trumped with the Diamond Nine
    game.asked.clear();
    game.ShouldContestTrick(kHeartNine);
    ASSERT_EQ(game.asked.size(), 2u);
    EXPECT_EQ(game.asked[1], 3);
}
