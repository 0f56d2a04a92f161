// Until the side windows are built there is no played card to show: the openers open
// nothing and "Rest Mine" has no game to claim.
#include "views/win32/SideWindows.h"

void OpenLastTrickWindow() {}
void OpenCardsPlayedWindow() {}
void OpenScoreWindow() {}
int OpenOpenCardsWindow(int) {
    return -1;
}
void OpenPlayRatingWindow() {}
void OpenHintsWindow() {}
void PrepareSideWindows() {}
void AttachSideWindows() {}
