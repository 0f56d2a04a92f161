#include "net/ClubServer.h"

#include "platform/Alerts.h"

ClubServerRecord* gClubServer = nullptr;

void CreateClubServerRecord() {
    if (!gClubServer)
        gClubServer = new ClubServerRecord;
}

// "Network play is not available in this version." (string 1290)
void ConnectToClubServer() {
    NoteAlert(1000, 290, "");
}
