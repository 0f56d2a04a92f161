// Hands the shell's waits, window operations and unsaved-game mark to the card tables.
#pragma once

void InstallTableServices();
