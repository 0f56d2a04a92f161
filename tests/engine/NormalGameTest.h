// A fixture at the four-seat test level (or a level derived from it): a fresh deal of the
// normal game, no declarer yet, the first trick.
#pragma once

#include <gtest/gtest.h>

#include "engine/TestLevel.h"

template <class Level> class NormalGameTestOf : public ::testing::Test {
  protected:
    void SetUp() override {
        game.NewDeal(false);
        game.gameType = {0, kWordNormal};
        game.declarer = -1;
        game.trickNumber = 1;
    }
    // The real parties when seats 0 and 2 hold the Obers of Eichel.
    void EvenSeatsDeclare() {
        for (int seat = 0; seat < 4; ++seat)
            game.seats[seat].inDeclarerParty = seat % 2 == 0 ? 1 : 0;
    }
    Level game;
};

using NormalGameTest = NormalGameTestOf<TestLevel>;
