// The File menu's game commands, the save question and the menu state.
#pragma once

bool OpenGame();
bool LoadGameFile();
bool SaveGame();
bool SaveGameAs();
// False when the user cancelled; save = the user wants the game saved.
bool AskSaveGame(bool* save);
void UpdateMenus();
void UpdatePlayerMenuNames();
void StartDirectorSeries(bool fresh, bool show);
void ClearDirectorSeriesValue();
void RefreshGameSetup();
