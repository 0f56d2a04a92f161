#include "games/fourplayer/GameController.h"

#include <cstring>

#include "shell/Settings.h"

void GameController::GetPlayerName(char* name, int seat) {
    name[0] = '\0';
    if (!settings || seat < 0 || seat >= kPlayerNameCount) return;
    std::memcpy(name, settings->body.playerNames[seat], kPlayerNameSize);
    name[kPlayerNameSize - 1] = '\0';
}
