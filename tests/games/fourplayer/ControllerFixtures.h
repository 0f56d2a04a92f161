// A Doppelkopf-level controller on its own settings and rules, with a card layout for the deal
// and a scripted computer card, for the tests of the four-seat controllers.
#pragma once

#include <cstring>
#include <memory>

#include "games/fourplayer/DoppelkopfController.h"
#include "records/OptionRecordLayouts.h"
#include "records/SettingsLayout.h"

// A Schafkopf-like layout: one suit per row in its first places (8, or 6 with the short deck);
// the rest of each row stays empty.
inline void LaySuitRows(std::uint8_t* hands, int cardsPerSuit) {
    std::memset(hands, 0, 48);
    for (int suit = 0; suit < 4; ++suit)
        for (int step = 0; step < cardsPerSuit; ++step)
            hands[suit * 12 + step] =
                static_cast<std::uint8_t>(suit * 8 + (8 - cardsPerSuit) + step + 1);
}

class ScriptedController : public DoppelkopfController {
  public:
    int cardsPerSuit = 8;
    int seatsMoved = 0;
    int movedSeats[8] = {};

    void NewDeal(bool keepCards) override {
        if (!keepCards)
            LaySuitRows(hands, cardsPerSuit);
        FourSeatController::NewDeal(keepCards);
    }
    // A computer seat plays the first card of its row.
    bool PlayComputerCard(int seat, char*, char*, bool*) override {
        for (int place = 0; place < handRowWidth; ++place) {
            const int card = hands[seat * handRowWidth + place];
            if (card == 0 || card == kNeverDealt)
                continue;
            player->trickCards[seat] = static_cast<std::int16_t>(card);
            if (seatsMoved < 8)
                movedSeats[seatsMoved] = seat;
            ++seatsMoved;
            return true;
        }
        return false;
    }
};

struct TableFixture {
    SettingsBody settings{};
    DoppelkopfOptions rules{};
    std::unique_ptr<ScriptedController> table = std::make_unique<ScriptedController>();

    TableFixture() {
        settings.seriesEnd = 1;
        settings.tableMode = 1;
        rules.seriesEnd = 1;
        table->Init(&settings, &rules, false, true);
    }
};
