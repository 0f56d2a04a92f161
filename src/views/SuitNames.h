// The names of the four suits as the player chose them in the settings (or as the selected
// deck names them), for every text that names a suit.
#pragma once

class Settings;

// The index of a suit's name (suits 0 to 3: Diamonds, Hearts, Spades, Clubs) in string list
// 1501 by the settings' suit-name choice; 0 for any other suit.
int SuitNameIndex(const Settings* settings, int suit);
char* GetSuitName(int suit, char* buffer); // by gSettings; empty for a suit outside 0 to 3
