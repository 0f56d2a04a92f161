// The card-selection hints window: for any seat and any trick that seat has played, the card
// it played and why, as the computer player recorded it in the seat's play log (the human's
// own cards read "The human player has played this card."). It changes nothing in the game.
#pragma once

#include <windows.h>

#include <cstdint>

#include "views/win32/Pane.h"

class TrickGameCore;

inline constexpr int kHintsWindowSlot = 15;
inline constexpr int kHintsTemplate = 1555;
inline constexpr int kHintsPlayerCombo = 201;
inline constexpr int kHintsTrickCombo = 203;
inline constexpr int kHintsText = 204;
inline constexpr int kHintsCard = 205;
inline constexpr int kReasonTextList = 1601; // texts 3000 + reason

class HintsPane : public Pane {
  public:
    void Draw(const RECT* rect) override;                     // the card in the rectangle
    void HandleClick(int x, int y, int doubleClick) override; // ignored
    void HandleKey(std::int8_t key) override;
    void HandleCommand(int command) override;

    virtual void InitSide(GameController* controller, Settings* settings, void* options,
                          HWND window);
    // Refills the trick list for the selected seat, keeping the trick when the seat has it.
    virtual void FillTricks();
    virtual int FindCellAt(int x, int y);
    virtual void DrawHintCard(const RECT* rect);

    // Reads the log entry of the selected seat and trick: sets the card and item 204's text.
    void ShowHint();
    // After the game moved on: the trick list anew, then the hint, player and trick kept.
    void Renew();
    // The explanation of a reason; empty for a reason without a text.
    static void ReasonText(int reason, char* text);

    void* options = nullptr;
    int playerCombo = kHintsPlayerCombo;
    int trickCombo = kHintsTrickCombo;
    std::int16_t hintCard = 0; // PictureCardCode, 0 none
    RECT hintRect = {0, 0, 0, 0};

  private:
    TrickGameCore* Game() const;
};

// Window slot 15: brings an open hints window to the front, or runs dialog 1555 modally over
// the main window. Without a four-seat table nothing opens.
void OpenHintsWindow();
INT_PTR CALLBACK HintsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
