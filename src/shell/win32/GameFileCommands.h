// The File menu's game commands, the save question and the menu state.
#pragma once

#include <functional>

class GameDocumentWin;

bool OpenGame();
bool LoadGameFile();
bool SaveGame();
// A new document, reset and given the current one's header and list, saved through its own
// dialog; on success it replaces the current one everywhere.
bool SaveGameAs();
// Where SaveGameAs takes its new document from; empty restores a plain GameDocumentWin.
using GameDocumentFactory = std::function<GameDocumentWin*()>;
void SetGameDocumentFactory(GameDocumentFactory factory);
// False when the user cancelled; save = the user wants the game saved. Nothing is asked at
// a table whose game is not running and whose list holds no game yet.
bool AskSaveGame(bool* save);
// Before the running game goes (closing, opening another): a changed game is offered for
// saving. False when the player cancelled or the wanted save failed.
bool SettleChangedGame();
void UpdateMenus();
void UpdatePlayerMenuNames();
void StartDirectorSeries(bool fresh, bool show);
void ClearDirectorSeriesValue();
void RefreshGameSetup();
