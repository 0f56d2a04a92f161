// The side windows around the table (last trick, cards played, score, open cards, play
// rating, card-selection hints) and the table's "Rest Mine" command.
#pragma once

void OpenLastTrickWindow();
void OpenCardsPlayedWindow();
void OpenScoreWindow();
int OpenOpenCardsWindow(int player); // players 1 to 3; answers the window slot, -1 when none
void OpenPlayRatingWindow();
void OpenHintsWindow();
void ClaimRest();
void PrepareSideWindows(); // empty hooks
void AttachSideWindows();
