#include "games/skat/SkatController.h"

void SkatController::ApplySettings(SettingsBody* gameSettings) {
    settings = gameSettings;
}

void SkatController::ResetScoreList() {}
