// The Schafkopf Manual Deal pane: the 32-card deck (24 with the short deck), each card once,
// laid out right of the suit-row buttons.
#pragma once

#include "views/win32/DoubleDeckDealPane.h"

class SchafkopfDealPane : public DoubleDeckDealPane {
  public:
    using DoubleDeckDealPane::GetBounds;
    void BuildDeck() override;
    void GetBounds(RECT* compact, RECT* full) override;

  protected:
    void DeckOrder(std::uint8_t* cards) override;
    int GridLeft() override;
    int CellStep() override;
};

using SchafkopfDealPaneWin = DealPaneWin<SchafkopfDealPane>;
