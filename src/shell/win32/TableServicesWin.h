// Hands the shell's waits, window operations and unsaved-game mark to the card tables.
#pragma once

void InstallTableServices();

// The steps the tables left for after their command (TableServices::afterCommand), run by
// the main window once no nested loop runs; a quit drops them.
void RunTableStepsAfterCommand();
// Posted to the main window when a step is left: it comes only from the message loop, after
// the command that left it has returned.
inline constexpr unsigned kStepsAfterCommandMessage = 0x8000 + 41; // WM_APP + 41
