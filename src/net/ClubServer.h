// The club server: the default server record and the login and table-selection dialogs.
#pragma once

#include "platform/RootObject.h"

class ClubServerRecord : public RootObject {};

extern ClubServerRecord* gClubServer;

void CreateClubServerRecord();
void ConnectToClubServer();
