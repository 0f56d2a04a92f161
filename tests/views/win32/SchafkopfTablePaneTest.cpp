// The Schafkopf table's spoken answers: which event a computer seat's game sounds with, by the
// game, its suit, Tout and the deck's naming of the suits, heard through the sound seam.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "games/fourplayer/SchafkopfController.h"
#include "media/DeckManager.h"
#include "media/win32/SoundManager.h"
#include "records/OptionRecordLayouts.h"
#include "shell/OptionRecords.h"
#include "views/win32/FourTableFixture.h"
#include "views/win32/SchafkopfTableWin.h"

namespace {

class SchafkopfPaneTest : public FourTableTest {
  protected:
    void SetUp() override {
        FourTableTest::SetUp();
        savedVariant_ = gDeckVariant;
        gDeckVariant = 0;
        SetSchafkopfOptionDefaults(&options_);
        options_.partnershipMode = 2;
        std::memset(&rules_, 0, sizeof rules_);
        rules_.seriesEnd = 1;
        game_ = std::make_unique<SchafkopfController>();
        game_->Init(&gSettings->body, &options_, &rules_, false);
        const std::uint8_t kinds[4] = {0, 1, 1, 1};
        game_->SetSeatKinds(kinds);
        pane_ = new SchafkopfTableWin;
        pane_->InitSchafkopf(game_.get(), gSettings, window_, nullptr, 0, &panel_, 1);
        SetEventSoundObserver([this](int event, int seat) { heard_.emplace_back(event, seat); });
    }
    void TearDown() override {
        SetEventSoundObserver(nullptr);
        gDeckVariant = savedVariant_;
        delete pane_;
        FourTableTest::TearDown();
    }
    std::vector<int> Heard(int seat, int suit, GameTypeWord word) {
        heard_.clear();
        pane_->PlayGameSound(seat, suit, word);
        std::vector<int> events;
        for (auto& [event, voice] : heard_) {
            EXPECT_EQ(voice, seat) << "the seat's own voice";
            events.push_back(event);
        }
        return events;
    }
    std::int16_t savedVariant_ = 0;
    SchafkopfOptions options_{};
    DoppelkopfOptions rules_{};
    std::unique_ptr<SchafkopfController> game_;
    SchafkopfTableWin* pane_ = nullptr;
    std::vector<std::pair<int, int>> heard_;
};

struct GameSound {
    GameTypeWord word;
    bool bySuit;
    int plain, tout, plainVariant, toutVariant; // 0: silent
};

// The event of each game, as the sound library numbers them (suit games: the Diamonds event,
// the other suits follow it).
constexpr GameSound kGameSounds[] = {
    {2, true, 1654, 1744, 1658, 1748},     {4, true, 1607, 1707, 0, 1711},
    {8, false, 1615, 1715, 1752, 1738},    {16, false, 1616, 1716, 1753, 1739},
    {32, true, 1617, 1717, 1754, 1721},    {64, true, 1625, 1725, 1758, 1729},
    {128, false, 1704, 0, 1704, 0},        {256, false, 1634, 1733, 1762, 1740},
    {512, false, 1635, 1734, 1763, 1741},  {1024, false, 1636, 1735, 1764, 1742},
    {2048, false, 1637, 1736, 1637, 1637}, {4096, false, 1638, 1737, 1765, 1743},
    {0x2000, false, 1639, 0, 1639, 0},     {0x20000, false, 0, 1705, 0, 1705},
};

TEST_F(SchafkopfPaneTest, EveryGameSoundsWithItsEventInTheSeatsVoice) {
    for (int variant = 0; variant <= 1; ++variant) {
        gDeckVariant = static_cast<std::int16_t>(variant);
        for (const GameSound& game : kGameSounds)
            for (int tout = 0; tout <= 1; ++tout)
                for (int suit = 0; suit < 4; ++suit) {
                    const int base = variant ? (tout ? game.toutVariant : game.plainVariant)
                                             : (tout ? game.tout : game.plain);
                    const GameTypeWord word = tout ? game.word | 0x10000 : game.word;
                    std::vector<int> expected;
                    if (base)
                        expected.push_back(game.bySuit ? base + suit : base);
                    EXPECT_EQ(Heard(2, suit, word), expected)
                        << "word " << word << " suit " << suit << " variant " << variant;
                }
    }
}

TEST_F(SchafkopfPaneTest, TheCallGameNamesTheCalledSuitWhenThereIsOne) {
    EXPECT_EQ(Heard(1, 0, 1), std::vector<int>{1605}) << "no called suit yet";
    game_->Game()->calledSuit = 2;
    EXPECT_EQ(Heard(1, 0, 1), std::vector<int>{1772});
    gDeckVariant = 1;
    EXPECT_EQ(Heard(1, 0, 1), std::vector<int>{1780});
}

TEST_F(SchafkopfPaneTest, TheHumanAndFixedPartnersPlayNoGameSound) {
    EXPECT_TRUE(Heard(0, 1, 4).empty()) << "the human's own game is not spoken";
    options_.partnershipMode = 0;
    EXPECT_TRUE(Heard(3, 1, 4).empty()) << "fixed partners";
}

TEST_F(SchafkopfPaneTest, AnAllPassedGameSoundsInTheVoiceOfSeatOneOrTwo) {
    for (auto [rule, event] : {std::pair{2, 1533}, std::pair{3, 1789}}) {
        options_.allPassRule = static_cast<std::int16_t>(rule);
        heard_.clear();
        pane_->PlayGameSound(-1, 0, 0x8000);
        ASSERT_EQ(heard_.size(), 1u) << rule;
        EXPECT_EQ(heard_[0].first, event);
        EXPECT_TRUE(heard_[0].second == 1 || heard_[0].second == 2) << heard_[0].second;
    }
    options_.allPassRule = 0;
    heard_.clear();
    pane_->PlayGameSound(-1, 0, 0x8000);
    EXPECT_TRUE(heard_.empty()) << "a new deal when all pass says nothing";
}

} // namespace
