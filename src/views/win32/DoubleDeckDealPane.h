// The four-seat Manual Deal panes: the deck one suit at a time in two rows of half a suit,
// each seat's places in two columns under its name. "OK" puts each seat's placed cards into
// its row of the controller's dealt cards, sets the first leader and the dealer before it,
// and has the table replay the game with these cards. This level is the Doppelkopf form:
// every card twice (48 cards, 40 without nines).
#pragma once

#include "views/win32/ManualDealPane.h"

class DoppelkopfController;

class DoubleDeckDealPane : public ManualDealPane {
  public:
    using ManualDealPane::GetBounds;
    void DrawCardCell(int code, const RECT* rect) override;
    void BuildDeck() override;
    // The source is the controller's rows of hands: each seat's cards go to its places in
    // order; every card of the deck not placed so goes back into the grid.
    void LoadDeal(const std::uint8_t* source) override;
    void GetBounds(RECT* compact, RECT* full) override;
    void GetGridArea(RECT* area) override;
    void LayoutGrid() override;
    void LayoutPlaces() override;
    void DrawPlaces() override;
    void PlaceItems() override;
    int FirstLeader() override;

    virtual void InitFourSeat(GameController* game, Settings* paneSettings, HWND paneWindow,
                              DoppelkopfController* tableController, int cards);
    // Each seat's own cards: its row of hands and a card it already put into the first trick.
    void CollectSeatCards(std::uint8_t* rows);
    bool IsShortDeck();
    // Where the seat's name is written, above its first place.
    RECT NameBox(int seat);

    DoppelkopfController* dealController = nullptr;

  protected:
    void TakeDeal() override;
    // The first cell's left edge and the step between the cells of a row.
    virtual int GridLeft();
    virtual int CellStep();
    // The deck in grid order, as BuildDeck lays it out.
    virtual void DeckOrder(std::uint8_t* cards);
};

using DoubleDeckDealPaneWin = DealPaneWin<DoubleDeckDealPane>;
