// The card table of the four-seat games: the human at the bottom, seat 1 left, seat 2 top,
// seat 3 right, up to twelve cards a hand and a trick of four cards in the middle. It lays out
// the own hand, the opponents' rows and the four trick places, runs the table's phases, draws
// the table by phase, shows every played card with its sound and pause, takes the human's card
// by click, double click and keys, and carries out Begin, Put Away and New Deal. The Schafkopf
// and Doppelkopf tables derive from it and fill its hooks; the rules are the controller's.
#pragma once

#include <cstdint>

#include "views/win32/TablePane.h"

class FourSeatController;
class SeatRoleBadge;

inline constexpr int kMaxHandCards = 12;
// The table's buttons (dialog items of the table window).
inline constexpr int kBeginButton = 114;
inline constexpr int kPutAwayButton = 115;
inline constexpr int kNewDealButton = 116;

class FourPlayerTablePane : public TablePane {
  public:
    ~FourPlayerTablePane() override;

    // Pane
    void LayoutControls(int computeScale) override;
    void GetBounds(RECT* bounds) override;
    void SetSelection(int code) override;
    void Draw(const RECT* rect) override;
    void DrawCard(std::int16_t code, const RECT* rect) override;
    void HandleRightClick() override;
    void HandleClick(int x, int y, int doubleClick) override;
    void HandleKey(std::int8_t key) override;
    void HandleCommand(int id) override;
    void SetPhase(int phase, int flag) override;
    void UpdateMenus() override;
    // TablePane
    void HideControls(int flag) override;
    void DrawStatusBar() override;
    int GetSideColumnWidth() override;
    int GetRoom() override;
    int HitTest(int x, int y) override;
    bool IsGameRunning() override;
    void GetPlayArea(RECT* rect) override;
    void GetHandBounds(RECT* rect) override;
    int GetPlayerCount() override;
    void SetRoom(int room) override;
    bool HasCustomTableLibrary() override;
    int GetGameKind() override;
    void PutAwayTrick() override;
    void ReplayGame(int ask) override;
    void SetPhaseValue(int phase) override;
    void Idle(std::uint32_t now, int flag) override;
    void LeaveTable() override;
    bool IsOpenSeries() override;
    void SetStakeState(int value) override;

    // Operations this level adds, in slot order.
    virtual void InitGame(GameController* controller, Settings* settings, HWND window,
                          void* document, int cardsPerHand, int phaseFlag, RoomPanel* roomPanel,
                          int resetClock);
    virtual bool SettlePubEvent(int event, std::int32_t value);
    virtual int GetVisibleCardWidth(int cardWidth);
    virtual void LayoutCardRows();
    virtual void ApplyCardScale(double scale);
    virtual void InitTableExtras();
    virtual double GetCardScale();
    // The trick's cards by seat (0 for none) and its leader; left unset here.
    virtual void GetTrickState(std::uint8_t cards[4], int* leader);
    virtual void GetTrickCardRect(RECT* rect, int seat);
    void Announce(int kind) override;
    virtual void SeatEventHook(int value);
    virtual void BidBoxHook(int value);
    virtual void ShowGameStart();
    virtual void RunComputerMoves();
    virtual void DrawBidding();
    virtual void DrawBiddingStatus();
    virtual void DrawGameInfo(int first, int second);
    virtual void DrawGameCount(int endRule, int total, int, int, GameController* controller);
    virtual void DrawSpecialPhase();
    virtual void ShowPlayedCard(int seat, int card, int wait, int animate);
    virtual void TrickHook(int value);
    virtual void DrawTrickCards();
    virtual void DrawSeatHand(int seat);
    virtual void DrawOpponentHands();
    virtual void DrawOwnHand(const std::uint8_t cards[kMaxHandCards]);
    // A control in the bid or the choice box is erased with the box's own colour.
    HBRUSH ControlBackground(HDC dc, HWND control) override;
    // The picture of the box drawn at the point (the choice box over the bid box) and the box's
    // rectangle; null off both boxes.
    HBITMAP BoxPictureAt(POINT point, RECT* box);
    // Between deals every seat's plate shows the seat's name.
    void DrawSeatNames();
    // Before the first deal the status bar says how to start.
    void ShowHowToStart();
    virtual void DrawResult(RECT* rect);
    virtual void DrawDecorations();
    virtual void DrawHook();
    virtual int MapKeyToCommand(int code);
    virtual void DoCommand(int command);
    virtual void PlayCardAt(int x, int y, int index, int commit);
    virtual void DragCard(int x, int y, int index);
    virtual int FindSelectedCard();
    virtual int SelectNextCard(int jump);
    virtual int SelectPreviousCard(int jump);
    virtual bool SuppressIdleSounds();
    // Whether the card was taken; redraw tells whether the table must show it played.
    virtual bool HumanPlaysCard(int card, bool* redraw, bool secondCopy);
    virtual void ResetForReplay();

    // A claim of the remaining tricks by the seat (0 the human), judged by the computer player.
    void ClaimRestFor(int seat);
    void LayoutOpponentRows();
    void PlacePutAwayButton();
    void GetBidBoxRect(RECT* rect);
    void GetChoiceBoxRect(RECT* rect);

    FourSeatController* FourSeat() const;
    // A table button pressed as by a click, only when it is shown and enabled.
    void PressButton(int item);
    bool IsButtonActive(int item);
    // The table is played over the network or run by the tournament director.
    bool IsRemote();

    std::int16_t cardsPerHand = 8;
    HBITMAP closingPicture = nullptr;   // 1504; New Deal sits on it
    HBITMAP bidBoxPicture = nullptr;    // 1506
    HBITMAP choiceBoxPicture = nullptr; // 1507
    HBRUSH boxBrush = nullptr;          // the colour inside the boxes under a control
    COLORREF boxBrushColour = 0;
    void* document = nullptr;
    RECT ownCardRects[kMaxHandCards] = {};
    RECT ownVisibleRects[kMaxHandCards] = {};
    RECT seatCardRects[3][kMaxHandCards] = {}; // seats 1 to 3
    RECT selectionRect = {0, 0, 0, 0};         // left 0: none
    RECT trickPlaces[4] = {};                  // 0 top, 1 left, 2 bottom, 3 right
    std::uint8_t trickWaiting = 0;
    std::uint8_t cardsScaled = 0;
    std::uint8_t inputEnabled = 1;
    std::uint8_t handsShown = 0;
    SeatRoleBadge* roleBadge = nullptr;
    HBITMAP gameInfoPicture = nullptr;     // 3007
    HBITMAP smallGameInfoPictures[4] = {}; // 3020 to 3023
    std::int32_t turnStartTick = 0;
    std::uint8_t soundPlayed[4] = {};

  protected:
    bool IsRoomPhase() const { return phase == 7 || phase == 9; }
    void CopyOwnHand(std::uint8_t cards[kMaxHandCards]);
    // Draws the card (or 33, the back) from the deck's pictures, without the selection frame.
    void DrawCardFace(int code, const RECT* rect);
    int CardCountOf(int seat);
    void EnterDeal(int flag);
    void EnterPlay(int flag);
    void NewDealCommand();
    void KeepKeyboard();
};

// The trick place of a seat: seat 0 bottom (2), 1 left (1), 2 top (0), 3 right (3).
int TrickPlaceOfSeat(int seat);
