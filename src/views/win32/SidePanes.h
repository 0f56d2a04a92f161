// Installs the panes of the open-cards, Cards Already Played and Score windows into the side
// windows' openers, by the table's game kind.
#pragma once

void InstallSidePanes();
