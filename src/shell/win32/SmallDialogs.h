// The small dialogs of play: suit names, "The End ...", the start-up notes, the intro, the
// playing-styles comparison and the manual deal.
#pragma once

inline constexpr int kTheEndTextSize = 64;  // 63 characters and the terminator
// The three texts of the last "The End ..." box, cut to fit.
extern char gTheEndTexts[3][kTheEndTextSize];

bool ChangeSuitNames();
void ShowTheEnd(const char* text1, const char* text2, const char* text3, int kind);
bool ShowStartupNotes();
void ShowIntro();
void ComparePlayingStyles();
void OpenManualDeal();
