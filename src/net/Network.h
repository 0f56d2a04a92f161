// The network as the shell sees it: the step after every message of the main loop and the
// hosting commands.
#pragma once

// One network step: lets the network library work, handles the queued network events and
// checks the reply time-out of a pending request. Not called from nested waits.
void NetworkIdle();

bool IsHostingTables();
void StartHosting();
void StopHostingCommand();
void StopHosting(); // also at every close of the main window
void ShowNetworkSettings();
void NetworkCommandHook();
