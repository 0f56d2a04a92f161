// "Rest Mine": a player whose cards take every remaining trick ends the game early. The human
// confirms the claim first; whether the cards really are secure is the computer player's
// judgement, and an insecure claim only earns a note, play goes on.
#include <windows.h>

#include "games/fourplayer/DoppelkopfController.h"
#include "platform/Alerts.h"
#include "records/ProgramFlags.h"
#include "tournament/TournamentDirector.h"
#include "views/win32/FourPlayerTablePane.h"
#include "views/win32/SideWindows.h"
#include "views/win32/TableServices.h"

namespace {

// Texts of list 1503.
constexpr std::int16_t kClaimTexts = 1503;
constexpr std::int16_t kAreYouSure = 21;  // "Are your remaining cards really secure?"
constexpr std::int16_t kNotSecure = 54;   // "The cards are not secure. Play on!"
constexpr int kClaimTableCommand = 1;     // the table command "claim the rest"
constexpr int kClaimTableCommandData = 1; // what the other tables hear with it

} // namespace

void ClaimRest() {
    if (!AskOkCancel(kClaimTexts, kAreYouSure, ""))
        return;
    TableServices& services = GetTableServices();
    if (services.markGameChanged)
        services.markGameChanged();
    Pane* table = services.tablePane ? services.tablePane() : nullptr;
    if (gFourPlayerTableOpen) {
        if (auto* four = dynamic_cast<FourPlayerTablePane*>(table))
            four->ClaimRestFor(0);
    }
    // The Skat table's claim (all tricks, or in a Null game no further trick) comes with the
    // Skat table.
    if (services.redrawWindows)
        services.redrawWindows(true, true);
    if (table)
        table->InvalidateAll();
}

void FourPlayerTablePane::ClaimRestFor(int seat) {
    auto* four = dynamic_cast<DoppelkopfController*>(controller);
    if (!four)
        return;
    ApplyClaim(0, seat);
    if (seat == 0 && controller->IsRemoteTable(0))
        SendTableCommand(gDirector, kClaimTableCommand, kClaimTableCommandData);
    const bool secure = four->CanClaimRest(seat);
    if (seat != 0) {
        if (!secure)
            NoteAlert(kClaimTexts, kNotSecure, "");
        // The human sees the claiming seat's cards; the table goes on (or ends the game).
        if (auto& open = GetTableServices().openPlayerWindow)
            open(seat);
        return;
    }
    if (!secure) {
        NoteAlert(kClaimTexts, kNotSecure, "");
        return;
    }
    // The cards not yet taken, a trick still waiting for Put Away among them, go to the
    // human's party: against the seat whose opponents receive them.
    four->AwardRemainingPoints(four->FindOpponentSeat(0), false);
    SetPhase(4, 0);
}
