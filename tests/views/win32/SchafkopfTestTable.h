// The table the player checks run on until the Schafkopf table fills the four-player table's
// hooks: its trick and the human's card go to a real Schafkopf controller (PlayHumanCard, then
// PlayRestOfTrick; the seats before the human by StepComputerPlay). A deal is a keep-cards deal
// of fixed hands, and play starts at once with fixed partners (the Eichel-Ober's holder and the
// seat across from it), the game this table sets.
#pragma once

#include <cstring>
#include <memory>

#include "games/fourplayer/SchafkopfController.h"
#include "platform/win32/DialogItems.h"
#include "records/OptionRecordLayouts.h"
#include "shell/OptionRecords.h"
#include "shell/Settings.h"
#include "views/win32/FourPlayerTablePane.h"

class SchafkopfTestTable : public FourPlayerTablePane {
  public:
    // The four hands of every deal, eight cards each by card code; the dealer deals.
    std::uint8_t fixedHands[4][8] = {{32, 31, 30, 29, 28, 27, 26, 25},
                                     {24, 23, 22, 21, 20, 19, 18, 17},
                                     {16, 15, 14, 13, 12, 11, 10, 9},
                                     {8, 7, 6, 5, 4, 3, 2, 1}};
    int fixedDealer = 3;
    std::uint8_t humanLastResult = 0; // the controller's answer to the last human card

    // A controller of the table's own: options with fixed partners and no series end.
    void MakeController(Settings* tableSettings) {
        SetSchafkopfOptionDefaults(&options_);
        options_.partnershipMode = 0;
        options_.allowedGames = 0x1FFF;
        std::memset(&rules_, 0, sizeof rules_);
        rules_.seriesEnd = 1;
        schafkopf_ = std::make_unique<SchafkopfController>();
        schafkopf_->Init(&tableSettings->body, &options_, &rules_, false);
        const std::uint8_t kinds[4] = {0, 1, 1, 1};
        schafkopf_->SetSeatKinds(kinds);
    }
    SchafkopfController* Schafkopf() const { return schafkopf_.get(); }

    int GetGameCode() override { return 2; }
    int GetGameKind() override { return 2; }
    int GetVisibleCardWidth(int cardWidth) override { return cardWidth / 4; }

    void GetTrickState(std::uint8_t cards[4], int* leader) override {
        for (int seat = 0; seat < 4; ++seat)
            cards[seat] = static_cast<std::uint8_t>(schafkopf_->GetTrickCard(seat));
        *leader = schafkopf_->GetTrickLeader();
    }

    // The automatic Put Away as a check sees it: the tick its wait began, the idle step
    // before the one that put the trick away, and that step.
    std::int32_t putAwayArmedAt = -1, idleBeforePutAway = -1, putAwayIdle = -1;

    void Idle(std::uint32_t now, int flag) override {
        const std::int32_t armed = autoContinueStart;
        const bool waiting = trickWaiting != 0;
        FourPlayerTablePane::Idle(now, flag);
        if (waiting && !trickWaiting && armed > 0) {
            putAwayArmedAt = armed;
            idleBeforePutAway = lastIdle_;
            putAwayIdle = static_cast<std::int32_t>(now);
        }
        lastIdle_ = static_cast<std::int32_t>(now);
    }

    void SetPhase(int newPhase, int flag) override {
        FourPlayerTablePane::SetPhase(newPhase, flag);
        // The end of the game: settled, and the table shows its result.
        if (newPhase == 4 && !flag && phase == 4) {
            schafkopf_->EndGame(0, 0);
            ShowStateMessage();
        }
        if (newPhase == 1 && !flag && phase == 1) {
            Deal();
            FourPlayerTablePane::SetPhase(3, 0);
        }
    }

    bool HumanPlaysCard(int card, bool* redraw, bool) override {
        *redraw = true;
        std::uint8_t before[4];
        int leader = 0;
        GetTrickState(before, &leader);
        const int answer = schafkopf_->PlayHumanCard(card, 0);
        humanLastResult = static_cast<std::uint8_t>(answer);
        if (answer != 1) {
            *redraw = answer != kHumanCardOutOfTurn;
            return false;
        }
        ShowPlayedCard(0, card, 1, 1);
        char text[256], second[256];
        int claim = -1;
        for (int step = 0; step < 4; ++step) {
            std::uint8_t now[4];
            GetTrickState(now, &leader);
            const bool done = schafkopf_->PlayRestOfTrick(text, second, &claim);
            ShowNewCards(now);
            if (done)
                break;
        }
        TrickComplete();
        return true;
    }

    void RunComputerMoves() override {
        FourPlayerTablePane::RunComputerMoves();
        char text[256], second[256];
        int claim = -1;
        for (int step = 0; step < 4; ++step) {
            std::uint8_t before[4];
            int leader = 0;
            GetTrickState(before, &leader);
            const bool done = schafkopf_->StepComputerPlay(text, second, &claim);
            ShowNewCards(before);
            if (done)
                break;
        }
    }

  private:
    void Deal() {
        schafkopf_->dealer = static_cast<std::int16_t>(fixedDealer);
        std::memset(schafkopf_->dealtCards, 0, sizeof schafkopf_->dealtCards);
        for (int seat = 0; seat < 4; ++seat)
            for (int p = 0; p < 8; ++p)
                schafkopf_->dealtCards[seat * 12 + p] = fixedHands[seat][p];
        schafkopf_->NewDeal(true);
        schafkopf_->dealer = static_cast<std::int16_t>(fixedDealer);
        schafkopf_->StartPlay();
    }

    // Shows the cards that joined the trick since before, in playing order.
    void ShowNewCards(const std::uint8_t before[4]) {
        std::uint8_t now[4];
        int leader = 0;
        GetTrickState(now, &leader);
        for (int k = 0; k < 4; ++k) {
            const int seat = (leader + k) % 4;
            if (!before[seat] && now[seat])
                ShowPlayedCard(seat, now[seat], 1, 1);
        }
    }

    void TrickComplete() {
        std::uint8_t now[4];
        int leader = 0;
        GetTrickState(now, &leader);
        if (!now[0] || !now[1] || !now[2] || !now[3])
            return;
        trickWaiting = 1;
        if (window)
            EnableItem(window, kPutAwayButton);
        ArmAutoContinue();
    }

    std::int32_t lastIdle_ = -1;
    SchafkopfOptions options_{};
    DoppelkopfOptions rules_{};
    std::unique_ptr<SchafkopfController> schafkopf_;
};
