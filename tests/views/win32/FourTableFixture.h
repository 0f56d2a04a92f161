// The four-player table on the running shell's table window, with a controller double whose
// hands, trick and answers the test sets, a room panel double and the table services replaced
// by recorders (the waits are counted, nothing waits).
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "games/fourplayer/FourSeatController.h"
#include "platform/win32/DialogItems.h"
#include "platform/win32/WindowHelpers.h"
#include "story/win32/RoomPanel.h"
#include "views/win32/FourPlayerTablePane.h"
#include "views/win32/TableFixture.h"
#include "views/win32/TableServices.h"

class FourSeatDouble : public FourSeatController {
  public:
    int GetTrickLeader() override { return leader; }
    bool IsPointLimitReached() override { return pointTarget; }
    bool IsOpenSeries() override { return openSeries; }
    void GetCardCounts(int* counts) override { std::memcpy(counts, cardCounts, sizeof cardCounts); }
    bool IsGameDecided() override { return decided; }
    bool DidHumanWinTrick() override { return humanWonTrick; }
    void EndTrick(bool* changed) override {
        ++tricksEnded;
        *changed = false;
    }
    void ClearTrick() override { ++tricksCleared; }
    void NewSeries() override { ++seriesStarted; }
    void SetOwnHand(std::initializer_list<int> cards) {
        std::memset(hands, 0, sizeof hands);
        int i = 0;
        for (int card : cards)
            hands[i++] = static_cast<std::uint8_t>(card);
    }
    int leader = 0;
    bool pointTarget = false;
    bool openSeries = false;
    bool decided = false;
    bool humanWonTrick = false;
    int cardCounts[4] = {8, 8, 8, 8};
    int tricksEnded = 0, tricksCleared = 0, seriesStarted = 0;
};

class RoomPanelDouble : public RoomPanel {
  public:
    void OpenCemetery(int kind) override { cemeteries.push_back(kind); }
    std::vector<int> cemeteries;
};

// The trick comes from the test; a card the human plays is taken when accepted is set.
class FourTableDouble : public FourPlayerTablePane {
  public:
    int GetGameCode() override { return 2; }
    int GetVisibleCardWidth(int) override { return visibleWidth; }
    void GetTrickState(std::uint8_t cards[4], int* leader) override {
        std::memcpy(cards, trick, 4);
        *leader = trickLeader;
    }
    bool HumanPlaysCard(int card, bool* redraw, bool) override {
        played.push_back(card);
        *redraw = true;
        return accept;
    }
    void FinishScoreList() override { ++scoreListsFinished; }
    int visibleWidth = 20;
    std::uint8_t trick[4] = {0, 0, 0, 0};
    int trickLeader = 0;
    bool accept = true;
    std::vector<int> played;
    int scoreListsFinished = 0;
};

class FourTableTest : public RunningShell {
  protected:
    void SetUp() override {
        RunningShell::SetUp();
        savedServices_ = GetTableServices();
        TableServices services;
        services.waitTicks = [this](std::uint32_t ticks) { waits_.push_back(ticks); };
        services.waitDepth = [] { return static_cast<int>(gWaitDepth); };
        services.openLastTrickWindow = [this] { ++lastTrickOpened_; };
        SetTableServices(services);
        window_ = gWindowSlots[kTableSlot];
        table_ = new FourTableDouble;
        table_->InitGame(&controller_, gSettings, window_, nullptr, 8, 0, &panel_, 1);
    }
    void TearDown() override {
        delete table_;
        SetTableServices(savedServices_);
        RunningShell::TearDown();
    }
    void UseTableSize(int size, bool fullSize, bool suitsLeft) {
        gSettings->body.cardSize = static_cast<std::int16_t>(size);
        gSettings->body.ownCardsFullSize = fullSize ? 1 : 0;
        gSettings->body.suitsLeft = suitsLeft ? 1 : 0;
        gSettings->ReloadCardPictures();
        table_->LoadTableGraphics();
        RECT bounds;
        table_->GetBounds(&bounds);
        SizeWindow(window_, bounds.right, bounds.bottom + 1);
        table_->LayoutControls(0);
    }
    // Phase 3 with the hand dealt and the human to lead.
    void StartPlay(std::initializer_list<int> hand) {
        controller_.SetOwnHand(hand);
        table_->SetPhaseValue(3);
        table_->trickWaiting = 0;
        table_->ClearSelection();
        SetRectEmpty(&table_->selectionRect);
    }
    RECT ItemRect(int item) {
        RECT rect;
        GetItemRectInClient(window_, item, &rect);
        return rect;
    }
    FourSeatDouble controller_;
    RoomPanelDouble panel_;
    FourTableDouble* table_ = nullptr;
    HWND window_ = nullptr;
    TableServices savedServices_;
    std::vector<std::uint32_t> waits_;
    int lastTrickOpened_ = 0;
};
