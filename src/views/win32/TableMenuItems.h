// The items of the main menu whose commands the main window hands to the table window
// procedure: with no table pane nothing receives them.
#pragma once

inline constexpr int kTableMenuItems[] = {
    401,  1202, 406, 407, 408, 409,  1208, 1209, 1210, 1211,                   // Game
    301,  302,  303, 304,                                                      // Announce
    502,  503,  504, 505, 508, 1406, 1408, 1409, 1410, 1411, 1412, 1413, 1414, // Windows
    1203,                                                                      // Show Rule Notes
};

// The two switches of the list: the table procedure toggles them itself, whatever its pane.
inline constexpr int kSuperSmallCardsItem = 1202;
inline constexpr int kRuleNotesItem = 1203;
inline constexpr int kNewDealItem = 406;
