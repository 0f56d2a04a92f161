// The Cards Already Played window's panes: a grid of one row per suit and one column per
// rank, with the number of the trick in which each card fell in the card's cell. The number's
// style tells the seat that played it; italics mark the card of the seat that led the trick.
// Every drawing reads the game again.
#pragma once

#include <windows.h>

#include <cstdint>

#include "views/win32/Pane.h"

class TrickGameCore;

inline constexpr int kCardsPlayedClientWidth = 297;
inline constexpr int kCardsPlayedClientHeight = 95;

// The text style of a seat's number (bold 1, italic 2, underline 4, strike-out 8), with
// italics when the seat led the trick.
int CardsPlayedSeatStyle(int seat, bool led);

// The grid shared by every game; not made itself.
class CardsPlayedPane : public Pane {
  public:
    virtual int GetColumnX(int column); // columns 1 to 8; 0 for any other
    virtual int GetColumnWidth();
    virtual void WriteCellNumber(int card, int number, const RECT* grid);
    virtual void WriteRowLabels(const RECT* grid);
    virtual void WriteHeader(const RECT* grid);

  protected:
    // Draws the text with its left end at (x, baseLine) at the size, or at the largest smaller
    // size at which it ends before limit.
    void DrawFitted(const char* text, int x, int baseLine, int limit, int size);
    // The rank letter of a column label: Unter, Ober and the Ace by language and deck.
    static const char* UnterLabel();
    static const char* OberLabel();
    static const char* AceLabel();
};

// The Skat level (three seats, ten tricks, the two skat cards); also the base of the Schafkopf
// pane. Its game cards come from the Skat game document, which the Skat game fills.
class SkatCardsPlayedPane : public CardsPlayedPane {
  public:
    void Draw(const RECT* rect) override;
    virtual void InitSide(GameController* controller, HWND window, Settings* settings);
    virtual void* GetDocument();
    virtual int GetSkatCard(int index);       // 0 or 1
    virtual int GetTrickCard(int trick, int seat);
    virtual int GetTrickLeader(int trick);    // -1 none

    void* document = nullptr;
    std::uint8_t nullLayout = 0;
};

class SchafkopfCardsPlayedPane : public SkatCardsPlayedPane {
  public:
    void Draw(const RECT* rect) override;
    void WriteCellNumber(int card, int number, const RECT* grid) override;
    void WriteHeader(const RECT* grid) override;
    int GetTrickCard(int trick, int seat) override; // CardCode, 0 none
    int GetTrickLeader(int trick) override;

  private:
    TrickGameCore* Game() const;
    bool PlayStarted() const;
};
