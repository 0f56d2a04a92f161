// The Schafkopf table's play: the computer seats' moves with their claims, the human's card
// with the misplay rule, the suggestion, the announcements, giving up, the end of a series and
// the timer step.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "games/fourplayer/GameList.h"
#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "games/fourplayer/SchafkopfController.h"
#include "media/win32/SoundManager.h"
#include "platform/Alerts.h"
#include "platform/StringLists.h"
#include "platform/win32/DialogItems.h"
#include "platform/win32/Ports.h"
#include "platform/win32/WindowsGlobals.h"
#include "records/OptionRecordLayouts.h"
#include "records/ProgramFlags.h"
#include "shell/Settings.h"
#include "views/win32/SchafkopfTablePane.h"
#include "views/win32/TableServices.h"

namespace {

constexpr int kAlertList = 1501;
constexpr int kClaimList = 1503;
constexpr int kNameList = 1700;
constexpr int kGameText = 34;          // list 1501 "Game"
constexpr int kGiveUpQuestion = 9;     // list 1501 "Do you really want to give up the game?"
constexpr int kMustFollowSuit = 31;    // list 1501 "This card cannot be played. You must follow suit!"
constexpr int kMisplayToOpponents = 75; // list 1501 "... the remaining tricks go to your opponent(s)."
constexpr int kMisplayToYou = 190;     // list 1501 "... the remaining tricks go to you."
constexpr int kSeatGivesUp = 96;       // list 1501 "Mr./Ms. ^1 gives up!"
constexpr int kSeatFailed = 136;       // list 1501 "Mr./Ms ^1 failed to follow and has lost!"
constexpr int kAllRestForYou = 77;     // list 1503 "You get all rest card."
constexpr int kIGetAllRest = 78;       // list 1503 "^1: I get all rest cards."
constexpr int kGiveYouUp = 79;         // list 1503 "^1: I get all rest cards. Give you up?"
constexpr int kIPlayText = 1;          // list 1700
constexpr int kNoText = 2;             // list 1700
// The called-Ace rules' refusals (list 1700), for the controller's answers 2 to 5.
constexpr std::int16_t kCalledAceRefusals[4] = {102, 103, 104, 107};
constexpr int kProgrammingErrorList = 192;
constexpr int kProgrammingError = 4;
constexpr std::uint32_t kTaskModal = 0x2000;
constexpr int kMisplayWonSound = 1515;  // the misplayer is on the declaring side
constexpr int kMisplayLostSound = 1502; // the misplayer defends
constexpr int kTableEventTurn = 4;

int WaitDepthNow() {
    auto& depth = GetTableServices().waitDepth;
    return depth ? depth() : 0;
}

void RedrawAll() {
    if (auto& redraw = GetTableServices().redrawWindows)
        redraw(false, false);
}

// After a card: new announcements are shown and heard, and the partner once he is known.
void ShowPlayChanges(SchafkopfTablePane& table, const SchafkopfComputerPlayer& player,
                     int* announcements, bool* partnerKnown) {
    if (player.announcementCount != *announcements) {
        table.ShowAnnouncements();
        table.PlayAnnouncementSounds(player.announcementCount - *announcements);
        *announcements = player.announcementCount;
    }
    if (!*partnerKnown && player.partyLists[1] >= 0) {
        table.ShowAnnouncements();
        *partnerKnown = true;
    }
}

void MarkGameChanged() {
    if (auto& mark = GetTableServices().markGameChanged)
        mark();
}

bool IsSeatNumber(int seat) {
    return seat >= 0 && seat < 4;
}

bool IsCallGame(GameTypeWord word) {
    return (word & kGameBitsMask) == kWordNormal && !(word & kModExchange);
}

bool IsBeg(GameTypeWord word) {
    return (word & kGameBitsMask) == kWordNoTrumps;
}

} // namespace

// ---- Small operations ------------------------------------------------------------------------

void SchafkopfTablePane::GetTrickState(std::uint8_t cards[4], int* leader) {
    auto* game = Schafkopf();
    if (!game) {
        std::memset(cards, 0, 4);
        *leader = 0;
        return;
    }
    for (int seat = 0; seat < 4; ++seat)
        cards[seat] = static_cast<std::uint8_t>(game->GetTrickCard(seat));
    *leader = game->GetTrickLeader();
}

void SchafkopfTablePane::RefreshSeats() {
    if (auto* game = Schafkopf())
        for (int seat = 0; seat < 4; ++seat)
            game->SortHandRow(seat);
    if (window)
        InvalidateRect(window, nullptr, FALSE);
    RedrawAll();
}

void SchafkopfTablePane::ResetForReplay() {
    if (auto* game = Schafkopf())
        game->AdjustAfterGame(0, phase == 4);
}

void SchafkopfTablePane::UncheckPutAway() {
    if (window)
        CheckItem(window, kPutAwayButton, false);
}

int SchafkopfTablePane::GetRoom() {
    auto* game = Schafkopf();
    return game ? game->room : 0;
}

bool SchafkopfTablePane::IsOpenSeries() {
    auto* game = Schafkopf();
    return game && game->IsOpenSeries();
}

void SchafkopfTablePane::Announce(int kind) {
    auto* game = Schafkopf();
    if (game && game->Announce(kind))
        InvalidateStatusBar();
}

// ---- Claims and the end of a game --------------------------------------------------------

namespace {

// The list (0: the declaring side, 1: the other side) that holds the seat; -1 when unknown.
int PartyOf(const SchafkopfComputerPlayer* player, int seat) {
    for (int i = 0; i < 5; ++i)
        if (player->partyLists[i] == seat)
            return i < 2 ? 0 : 1;
    return -1;
}

// The first seat of the human's opponents; -1 when the human's party is not known.
int FirstOpponentOfHuman(const SchafkopfComputerPlayer* player) {
    const int party = PartyOf(player, 0);
    if (party < 0)
        return -1;
    const int from = party == 0 ? 2 : 0, to = party == 0 ? 5 : 2;
    for (int i = from; i < to; ++i)
        if (IsSeatNumber(player->partyLists[i]))
            return player->partyLists[i];
    return -1;
}

} // namespace

// Whether the claiming seat plays on the human's side: for another seat, whether it is a known
// partner of the human; for the human, whether every opponent is a computer seat.
static bool IsHumansSide(SchafkopfController* game, int seat) {
    const SchafkopfComputerPlayer* player = game->Game();
    if (!player)
        return false;
    if (seat != 0) {
        const int party = PartyOf(player, 0);
        return party >= 0 && party == PartyOf(player, seat);
    }
    const int party = PartyOf(player, 0);
    for (int other = 1; other < 4; ++other) {
        const int otherParty = PartyOf(player, other);
        if (otherParty >= 0 && otherParty != party && !game->seatIsComputer[other])
            return false;
    }
    return true;
}

// A computer seat claims the rest; answers whether the game ended.
static bool AnswerComputerClaim(SchafkopfTablePane* table, SchafkopfController* game, int seat) {
    SchafkopfComputerPlayer* player = game->Game();
    char name[kStringBufferSize] = {};
    game->GetPlayerNameC(name, seat);
    int awardSeat = -1;
    if (IsHumansSide(game, seat)) {
        NoteAlert(kClaimList, kIGetAllRest, name);
        table->ClaimRestFor(seat);
        awardSeat = FirstOpponentOfHuman(player);
        if (!IsSeatNumber(awardSeat))
            awardSeat = game->FindOpponentSeat(seat);
    } else {
        if (auto& open = GetTableServices().openPlayerWindow)
            open(seat);
        RedrawAll();
        if (!AskOkCancel(kClaimList, kGiveYouUp, name)) {
            table->ClaimRestFor(seat);
            return false;
        }
        const GameTypeWord word = player->gameType.word;
        const bool ramsch = (word & kModExchange) && game->schafkopfRules &&
                            game->schafkopfRules->allPassRule == 2;
        const bool humansBeg = IsBeg(word) && player->declarer == 0;
        awardSeat = humansBeg || ramsch ? seat : 0;
    }
    table->ResetIdleSounds();
    table->earlyEnd = game->AwardRemainingPoints(awardSeat, false) ? 1 : 0;
    table->SetPhase(4, 0);
    return true;
}

void SchafkopfTablePane::RunComputerMoves() {
    auto* game = Schafkopf();
    SchafkopfComputerPlayer* player = game ? game->Game() : nullptr;
    if (!player) {
        FourPlayerTablePane::RunComputerMoves();
        return;
    }
    bool partnerKnown = player->partyLists[1] >= 0;
    int announcements = player->announcementCount;
    FourPlayerTablePane::RunComputerMoves();
    int seat = game->GetTrickLeader();
    char text[kNameTextSize], second[kNameTextSize];
    int claim = -1;
    // At most the three seats before the human play here.
    for (int step = 0; step < 4 && !game->StepComputerPlay(text, second, &claim); ++step) {
        ShowPlayChanges(*this, *player, &announcements, &partnerKnown);
        ShowPlayedCard(seat, game->GetTrickCard(seat), 1, 1);
        seat = (seat + 1) % 4;
        if (IsSeatNumber(claim) && !game->claimMade && AnswerComputerClaim(this, game, claim))
            return;
    }
    player->SetSeatToAct(0);
    if (auto& notify = GetTableServices().notifyTableEvent)
        notify(kTableEventTurn);
    ResetIdleSounds();
}

// ---- The human's card ----------------------------------------------------------------------

// The flag the four-player table passes tells whether the card is still to be shown where it
// lies: it is cleared when the card ended the game (the misplay rule) or was not the human's
// turn at all.
bool SchafkopfTablePane::HumanPlaysCard(int card, bool* redraw, bool) {
    auto* game = Schafkopf();
    SchafkopfComputerPlayer* player = game ? game->Game() : nullptr;
    *redraw = true;
    if (!player)
        return false;
    bool partnerKnown = player->partyLists[1] >= 0;
    MarkGameChanged();
    int announcements = player->announcementCount;
    const bool declarerUnknown = !IsSeatNumber(player->declarer);
    const bool openCallGame = IsCallGame(player->gameType.word) && !partnerKnown;
    const int answer = game->PlayHumanCard(card, 0);
    if (answer == kHumanCardOutOfTurn) {
        // Not the human's turn: nothing happened, and nothing is said.
        *redraw = false;
        return false;
    }
    if (answer != 1) {
        if (answer >= 2 && answer <= 5)
            StopAlert(kNameList, kCalledAceRefusals[answer - 2], "");
        const bool houseRule =
            IsPubStoryTable(this) && settings && (settings->body.pubState[1] & 1);
        const bool misplayLoses =
            (game->schafkopfRules && game->schafkopfRules->misplayLoses) || houseRule;
        if (!misplayLoses) {
            if (answer == 0)
                StopAlert(kAlertList, kMustFollowSuit, "");
            return false;
        }
        const bool declaring = player->partyLists[0] == 0 || player->partyLists[1] == 0;
        PlayEventSound(declaring ? kMisplayWonSound : kMisplayLostSound, -1);
        const GameTypeWord word = player->gameType.word;
        const bool ramsch = (word & kModExchange) && game->schafkopfRules &&
                            game->schafkopfRules->allPassRule == 2;
        NoteAlert(kAlertList, IsBeg(word) || ramsch ? kMisplayToYou : kMisplayToOpponents, "");
        earlyEnd = game->ClaimRest(0) ? 1 : 0;
        SetPhase(4, 0);
        *redraw = false;
        return false;
    }
    PortScope port(window);
    const bool revealed = !partnerKnown && player->partyLists[1] >= 0;
    if (!IsCallGame(player->gameType.word) || (openCallGame && revealed))
        DrawGameInfo(0, 0);
    if (declarerUnknown && IsSeatNumber(player->declarer)) {
        RECT play;
        GetPlayArea(&play);
        RedrawRect(&play);
        Draw(&play);
    }
    if (settings && settings->body.ownCardsFullSize) {
        std::uint8_t cards[kMaxHandCards];
        CopyOwnHand(cards);
        DrawOwnHand(cards);
    }
    ShowPlayedCard(0, card, 1, 1);
    char text[kNameTextSize], second[kNameTextSize];
    int claim = -1;
    for (int step = 0; step < 4 && !game->PlayRestOfTrick(text, second, &claim); ++step) {
        ShowPlayChanges(*this, *player, &announcements, &partnerKnown);
        const int seat = player->seatToMove;
        ShowPlayedCard(seat, game->GetTrickCard(seat), 1, 1);
        if (IsSeatNumber(claim) && !game->seatIsComputer[claim]) {
            char name[kStringBufferSize] = {};
            game->GetPlayerNameC(name, claim);
            NoteAlert(kClaimList, kIGetAllRest, name);
            ClaimRestFor(claim);
        }
    }
    // The trick is complete and waits for Put Away (the network table sends the card instead,
    // which this build does not play).
    if (phase == 3) {
        if (window)
            EnableItem(window, kPutAwayButton);
        trickWaiting = 1;
        ArmAutoContinue();
    }
    RedrawAll();
    ResetIdleSounds();
    return true;
}

// ---- Giving up -------------------------------------------------------------------------------

void SchafkopfTablePane::GiveUp(int seat, int failed, int silent) {
    auto* game = Schafkopf();
    // Only a game being bid or played can be given up: a finished game is settled already.
    if (!game || phase < 1 || phase > 3)
        return;
    if (seat == 0 && !silent && !AskOkCancel(kAlertList, kGiveUpQuestion, ""))
        return;
    earlyEnd = 1;
    if (phase == 3)
        earlyEnd = game->AwardRemainingPoints(seat, silent != 0) ? 1 : 0;
    if (seat != 0) {
        char name[kStringBufferSize] = {};
        game->GetPlayerNameC(name, seat);
        NoteAlert(kAlertList, failed ? kSeatFailed : kSeatGivesUp, name);
    }
    SetPhase(4, 0);
}

// ---- Suggestion ------------------------------------------------------------------------------

void ShowSuggestionBox(const char* text) {
    char game[kStringBufferSize] = {};
    GetIndString(game, kAlertList, kGameText);
    char line[kStringBufferSize * 2];
    std::snprintf(line, sizeof line, "%s: %s", game, text ? text : "");
    ShowTextBox(nullptr, "Vorschlag", line, kBoxOk | kBoxIconInformation | kTaskModal);
}

void SchafkopfTablePane::Suggest() {
    if (WaitDepthNow() > 0)
        return;
    TablePane::Suggest();
    auto* game = Schafkopf();
    if (!game)
        return;
    char text[kStringBufferSize] = {};
    switch (phase) {
    case 1: {
        GameType type{0, 0};
        game->GetSeatGameType(0, &type);
        int index = type.word > 1 ? kIPlayText : kNoText;
        if (type.word == 1) {
            // The human plays the Call Game only when no seat before it said "I play".
            index = kNoText;
            for (int n = 0, seat = Leader(); n < 4; ++n, seat = (seat + 1) % 4) {
                if (seat == 0) {
                    index = kIPlayText;
                    break;
                }
                if (game->GetBid(seat) == kBidIPlay)
                    break;
            }
        }
        GetIndString(text, kNameList, static_cast<std::int16_t>(index));
        ShowSuggestionBox(text);
        break;
    }
    case 2: {
        GameType type{0, 0};
        SchafkopfCall call;
        game->GetSeatChoice(0, &type, &call);
        const int called = call.suit;
        FormatGameType(text, type.word, type.trumpSuit, &called);
        ShowSuggestionBox(text);
        break;
    }
    case 3: {
        int kind = -1;
        bool claim = false;
        const int card = game->SuggestCard(&kind, &claim);
        if (claim)
            NoteAlert(kClaimList, kAllRestForYou, "");
        if (card == 0) {
            SysBeep(1);
            StopAlert(kProgrammingErrorList, kProgrammingError, "Vorschlag-Karten Err");
            return;
        }
        PortScope port(window);
        SetSelection(card);
        std::uint8_t cards[kMaxHandCards];
        CopyOwnHand(cards);
        for (int i = 0; i < cardsPerHand; ++i) {
            if (cards[i] != card)
                continue;
            selectionRect = ownCardRects[i];
            DrawCard(static_cast<std::int16_t>(card), &ownCardRects[i]);
            break;
        }
        break;
    }
    default:
        break;
    }
}

// ---- The end of a series -------------------------------------------------------------------

void SchafkopfTablePane::FinishScoreList() {
    auto* game = Schafkopf();
    if (!game)
        return;
    std::int32_t totals[4] = {0, 0, 0, 0};
    if (GameListHeader* head = game->gameListHandle ? GameListHead(game->gameListHandle) : nullptr)
        std::copy(std::begin(head->totals), std::end(head->totals), totals);
    // The places by the totals, highest first; equal totals keep the order of the seats.
    std::int32_t places[4] = {0, 1, 2, 3};
    std::stable_sort(std::begin(places), std::end(places),
                     [&](std::int32_t a, std::int32_t b) { return totals[a] > totals[b]; });
    char names[3][kStringBufferSize] = {};
    for (int i = 0; i < 3; ++i)
        game->GetPlayerNameC(names[i], places[i]);
    game->CountGameStatistics(places, 0, 1, false);
    const int humanPlace =
        static_cast<int>(std::find(std::begin(places), std::end(places), 0) - std::begin(places));
    SetStakeState(humanPlace + 1);
    if (auto& theEnd = GetTableServices().showTheEnd)
        theEnd(names[0], names[1], names[2], 1);
}

// ---- The timer step ------------------------------------------------------------------------

void SchafkopfTablePane::Idle(std::uint32_t now, int flag) {
    auto* game = Schafkopf();
    if (game)
        AddElapsedSeconds(game, &game->gameClock);
    FourPlayerTablePane::Idle(now, flag);
    if (!game || IsRoomPhase() || game->gameClock == shownClockSeconds || !window)
        return;
    // Drawing takes the table as the port, which makes it the active window: while a modal
    // box or dialog (the file dialogs, the save question) stands in front, the clock would
    // take the keyboard from it every second. It is drawn again once the dialog is gone.
    if ((gMainWindow && !IsWindowEnabled(gMainWindow)) || !IsWindowEnabled(window))
        return;
    shownClockSeconds = game->gameClock;
    PortScope port(window);
    RECT corner = cornerRect;
    if (IsRectEmpty(&corner))
        GetCornerRect(&corner);
    DrawPlayerClock(game->gameClock, &corner);
}
