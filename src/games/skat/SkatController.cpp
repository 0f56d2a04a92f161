#include "games/skat/SkatController.h"

void SkatController::ApplySettings(Settings* gameSettings) { settings = gameSettings; }

void SkatController::ResetScoreList() {}
