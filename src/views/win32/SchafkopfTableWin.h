// The Schafkopf table as the table window holds it: the game-type list as a combo box of the
// window, the suit buttons by list row, the mouse of the window (a press plays or drags a card,
// a drag shows an inverting outline until the release), the keys, the background drawn inside
// a clip, the buttons drawn again over the table, the keyboard kept with the program's windows
// and the end of a list outside the pub story.
#pragma once

#include <functional>

#include "views/win32/SchafkopfTablePane.h"

class SchafkopfTableWin : public SchafkopfTablePane {
  public:
    SchafkopfTableWin();

    void InitSchafkopf(SchafkopfController* controller, Settings* settings, HWND window,
                       void* document, int phaseFlag, RoomPanel* roomPanel,
                       int resetClock) override;
    void EnableGameTypes(GameTypeWord word) override; // fills the list
    void UpdateSuitButtons(int row) override;         // by the list's row (from 1)
    int SelectedSoloType() override;
    void HandleKey(std::int8_t key) override;
    void ApplySettings() override;
    void DrawTableBackground(const RECT* rect, int clip, int phase,
                             const int cardCounts[4]) override;
    void FinishScoreList() override;
    void AfterDraw() override;
    void PlayIdleSounds(std::int32_t now, std::int32_t interval, int seats) override;
    void DragCard(int x, int y, int index) override;
    void Draw(const RECT* rect) override;

    // Mouse moves, presses and releases of the table window (messages 512 to 514).
    virtual void HandleMouseEvent(int x, int y, int flag, unsigned message);

    void FillSoloTypes(GameTypeWord word);

    std::int16_t rowTypes[28];
    std::uint8_t dragging = 0;
    POINT dragStart = {0, 0};
    POINT dragCurrent = {0, 0};
    std::int16_t dragCard = 0;

  private:
    void DrawDragOutline();
    void EndDrag(int x, int y);
    bool dragOutlineShown_ = false;
};

// Test seam: called after every drawing of the table (an empty function stops it).
using TablePaintObserver = std::function<void(SchafkopfTableWin*)>;
void SetTablePaintObserver(TablePaintObserver observer);
