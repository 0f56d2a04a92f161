// The Schafkopf table shares its controller with Doppelkopf, but no Schafkopf card may depend on
// the Doppelkopf rules record: with the defaults and with every rule switch flipped, the same
// seeded computer-only deals must be bid and played alike, byte for byte in the play logs.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "games/fourplayer/SchafkopfController.h"
#include "platform/Random.h"
#include "records/OptionRecordLayouts.h"
#include "records/SettingsLayout.h"
#include "shell/OptionRecords.h"

namespace {

struct Table {
    SettingsBody settings{};
    DoppelkopfOptions rules{};
    SchafkopfOptions options{};
    SchafkopfController table;

    explicit Table(bool flipped) {
        SetDoppelkopfOptionDefaults(&rules);
        if (flipped) {
            for (std::int16_t* rule :
                 {&rules.announcementsOn, &rules.secondHeartTenWins, &rules.cardExchange,
                  &rules.requiredSolos, &rules.misplayLoses, &rules.diamondAcesTop,
                  &rules.specialPairTop, &rules.throwInAllowed, &rules.throwInKings,
                  &rules.throwInNines, &rules.bockOn, &rules.soloistLeads, &rules.withoutNines,
                  &rules.throwInNeedsBoth, &rules.heartsTrickPoint})
                *rule = *rule ? 0 : 1;
            rules.exchangeRule = static_cast<std::int16_t>(rules.exchangeRule + 1);
            rules.requiredSoloCount = static_cast<std::int16_t>(rules.requiredSoloCount + 1);
            rules.bockEvents = ~rules.bockEvents;
            rules.allowedGames = ~rules.allowedGames;
        }
        rules.seriesEnd = 1;
        SetSchafkopfOptionDefaults(&options);
        options.partnershipMode = 2;
        options.allowedGames = 0x1FFF;
        options.allPassRule = 2;
        settings.seriesEnd = 1;
        settings.tableMode = 1;
        EXPECT_TRUE(table.Init(&settings, &options, &rules, false));
        const std::uint8_t computers[4] = {1, 1, 1, 1};
        table.SetSeatKinds(computers);
        table.listGames = 0;
    }

    // Plays one seeded deal to its end and answers the four play logs as bytes.
    std::vector<std::uint8_t> PlayDeal(std::uint32_t seed, int dealer) {
        SeedRandom(seed);
        table.dealer = static_cast<std::int16_t>((dealer + 3) % 4);
        table.NewDeal(false);
        table.bids[0] = 0;
        for (int n = 0; n < 4; ++n) {
            int suit = 0;
            table.GetSeatBidType((table.dealer + 1 + n) % 4, &suit);
        }
        table.StepBidding(0);
        SchafkopfComputerPlayer& game = *table.Game();
        CopyGameType(&table.humanGameType, &game.seats[0].bid);
        std::vector<std::uint8_t> bytes;
        if (table.StartPlay()) {
            char text[kNameTextSize];
            char second[kNameTextSize];
            for (int tricks = 0; !table.IsGameDecided() && tricks < 8; ++tricks) {
                table.BeginTrick(true);
                int seat = game.leader;
                for (int n = 0; n < 4; ++n) {
                    bool claim = false;
                    table.PlayComputerTurn(seat, text, second, &claim);
                    table.RemoveHandCard(seat);
                    table.NotePlayTime(seat, -1);
                    seat = (seat + 1) % 4;
                }
                bool changed = false;
                table.DoppelkopfController::EndTrick(&changed);
            }
            table.EndGame(0, 1);
        }
        const auto* word = reinterpret_cast<const std::uint8_t*>(&game.gameType);
        bytes.insert(bytes.end(), word, word + sizeof game.gameType);
        for (Handle log : game.playLogs) {
            const auto* p = static_cast<const std::uint8_t*>(log);
            if (p)
                bytes.insert(bytes.end(), p, p + kPlayLogSize);
        }
        return bytes;
    }
};

TEST(SchafkopfRuleRecord, TheDoppelkopfRulesChangeNoSchafkopfCard) {
    Table plain(false);
    Table flipped(true);
    int differing = 0;
    for (std::uint32_t deal = 0; deal < 500; ++deal) {
        const auto a = plain.PlayDeal(deal * 7919u + 3u, static_cast<int>(deal % 4));
        const auto b = flipped.PlayDeal(deal * 7919u + 3u, static_cast<int>(deal % 4));
        ASSERT_GT(a.size(), 4 * sizeof(PlayLog) - 1) << deal;
        if (a != b && ++differing <= 5)
            ADD_FAILURE() << "deal " << deal << " is played differently";
    }
    EXPECT_EQ(differing, 0);
}

} // namespace
