// Until network play is built no endpoint is open: there is nothing to step, and the
// program hosts no table.
#include "net/Network.h"

void NetworkIdle() {}
bool IsHostingTables() {
    return false;
}
void StartHosting() {}
void StopHostingCommand() {}
void StopHosting() {}
void ShowNetworkSettings() {}
void NetworkCommandHook() {}
