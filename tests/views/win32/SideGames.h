// Whole Schafkopf games at a controller without a table, for the side windows' checks: the
// bids as the automatic play runs them, then per trick the seats from the leader, each
// computer card through the controller's computer turn (the card leaves the hand row as at the
// table), seat 0 as the human playing its first legal card, or as a computer seat. After every
// card the test's observer sees the card; every card played is also kept in the test's own
// log, by trick and seat, with the trick's leader.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "games/fourplayer/GameController.h"
#include "games/fourplayer/GameList.h"
#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "games/fourplayer/SchafkopfController.h"
#include "platform/Random.h"
#include "records/OptionRecordLayouts.h"
#include "records/SettingsLayout.h"
#include "shell/OptionRecords.h"

struct PlayedCard {
    int trick; // from 1
    int seat;
    int card; // CardCode
    int leader;
};

class SideGames {
  public:
    SideGames(bool shortDeck, std::uint32_t seed, bool humanSeat) {
        SeedRandom(seed);
        SetSchafkopfOptionDefaults(&options);
        options.partnershipMode = 2;
        options.shortDeck = shortDeck;
        options.allowedGames = 0x1FFF;
        options.withPot = 1;
        options.doubleRe = 1;
        options.seriesEnd = kSeriesEndNever;
        settings.seriesEnd = 1;
        settings.tableMode = 4;
        settings.cardDelay = 0;
        rules.seriesEnd = 1;
        table = std::make_unique<SchafkopfController>();
        ok = table->Init(&settings, &options, &rules, true);
        const std::uint8_t kinds[4] = {1, 1, 1, 1};
        table->SetSeatKinds(kinds);
        human = humanSeat;
        table->listGames = 1;
        StartStopwatch(table.get());
    }

    SchafkopfComputerPlayer& Game() { return *table->Game(); }

    // Deals until a game is played; false when no game came about in 20 deals.
    bool StartGame() {
        for (int attempt = 0; attempt < 20; ++attempt) {
            table->seatIsComputer[0] = 1; // the human's bid is the computer's
            table->NewDeal(false);
            table->bids[0] = 0;
            for (int n = 0; n < 4; ++n) {
                int suit = 0;
                table->GetSeatBidType((table->dealer + 1 + n) % 4, &suit);
            }
            table->StepBidding(0);
            CopyGameType(&table->humanGameType, &Game().seats[0].bid);
            if (table->StartPlay()) {
                played.clear();
                table->seatIsComputer[0] = human ? 0 : 1;
                return true;
            }
        }
        return false;
    }

    // One card of the seat to move; answers the card (0 when none could be played).
    int PlayOne(int seat) {
        SchafkopfComputerPlayer& g = Game();
        int card = 0;
        if (!table->seatIsComputer[seat]) {
            for (std::uint8_t c : g.seats[seat].hand)
                if (c != 0 && g.IsLegalCard(seat, c) == 1) {
                    if (table->PlayHumanCard(c, seat) == 1)
                        card = c;
                    break;
                }
        } else {
            char text[kNameTextSize];
            char second[kNameTextSize];
            bool claim = false;
            table->PlayComputerTurn(seat, text, second, &claim);
            card = g.trickCards[seat];
            if (card != 0)
                table->RemoveHandCard(seat);
        }
        return card;
    }

    // Plays the game started to its end and books it; the observer runs after every card.
    bool PlayGame(const std::function<void(const PlayedCard&)>& observer = {}) {
        SchafkopfComputerPlayer& g = Game();
        while (!table->IsGameDecided()) {
            table->BeginTrick(true);
            const int leader = g.leader;
            const int trick = g.trickNumber;
            for (int n = 0; n < 4; ++n) {
                const int seat = (leader + n) % 4;
                const int card = PlayOne(seat);
                if (card == 0)
                    return false;
                played.push_back({trick, seat, card, leader});
                if (observer)
                    observer(played.back());
            }
            bool changed = false;
            table->DoppelkopfController::EndTrick(&changed);
        }
        table->EndGame(0, 1);
        return true;
    }

    int CardsPerHand() { return options.shortDeck ? 6 : 8; }

    SchafkopfOptions options{};
    DoppelkopfOptions rules{};
    SettingsBody settings{};
    std::unique_ptr<SchafkopfController> table;
    std::vector<PlayedCard> played;
    bool ok = false;
    bool human = false;
};
