#include "views/win32/SchafkopfTablePane.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "games/fourplayer/SchafkopfController.h"
#include "media/DeckManager.h"
#include "media/win32/MovieList.h"
#include "media/win32/SoundManager.h"
#include "platform/Alerts.h"
#include "platform/Random.h"
#include "platform/StringLists.h"
#include "platform/win32/DialogItems.h"
#include "platform/win32/Drawing.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Menus.h"
#include "platform/win32/Pictures.h"
#include "platform/win32/Ports.h"
#include "platform/win32/Resources.h"
#include "platform/win32/WindowsGlobals.h"
#include "records/OptionRecordLayouts.h"
#include "records/ProgramFlags.h"
#include "shell/Settings.h"
#include "story/win32/RoomPanel.h"
#include "views/win32/TableMenuItems.h"
#include "views/win32/TableServices.h"

namespace {

constexpr int kNoteList = 1600;
constexpr int kNameList = 1700;
constexpr int kPleaseWait = 104;         // list 1600 "Please wait. It's not yet your turn."
constexpr int kRequiredSolo = 105;       // list 1600 "A required Solo is being played by: ^1 "
constexpr int kYesText = 6;              // list 1600
constexpr int kNoText = 7;               // list 1600
constexpr int kAuctionPrompt = 13;       // list 1600 "Required Solo?"
constexpr int kChoicePrompt = 19;        // list 1600 "What do you play?"
constexpr int kIPlayText = 1;            // list 1700
constexpr int kAskPrompt = 3;            // list 1700 "Do you want to play?"
constexpr int kGoodText = 5;             // list 1700
constexpr int kContinueText = 6;         // list 1700
constexpr int kContinuePrompt = 65;      // list 1700 "Continue?"
constexpr int kCallAcePrompt = 66;       // list 1700 "I call following Ace:"
constexpr int kPotText = 93;             // list 1700
constexpr int kAnnounceSoloPrompt = 101; // list 1700 "Announce Solo?"

constexpr int kBidItems[] = {148, 150, 149, 139, 130, 131, 145, 143, 144, 135,
                             136, 137, 138, 140, 141, 142, 133, 146, 147};
// The groups that share a box move their hidden members along, so that each keeps the
// template's layout whichever of them was placed last.
constexpr int kAskGroup[] = {148, 130, 131, 145, 141};
constexpr int kContinueGroup[] = {148, 130, 131, 145, 141};
constexpr int kAuctionGroup[] = {150, 143, 144, 142};
constexpr int kChoiceGroup[] = {149, 139, 140, 135, 136, 137, 138, 133, 146, 147};
constexpr int kCallGroup[] = {149, 140, 135, 136, 137, 138, 146, 147, 139, 133};

constexpr GameTypeWord kToutBit = 0x10000;

int WaitDepthNow() {
    auto& depth = GetTableServices().waitDepth;
    return depth ? depth() : 0;
}

void NotifyTable(int event) {
    if (auto& notify = GetTableServices().notifyTableEvent)
        notify(event);
}

void RedrawAll(bool withScoreSlots, bool withDirectorSlots) {
    if (auto& redraw = GetTableServices().redrawWindows)
        redraw(withScoreSlots, withDirectorSlots);
}

void ReleasePicture(HBITMAP& picture) {
    if (picture)
        ReleaseResource(picture, kPictureResource);
    picture = nullptr;
}

BidObserver& BidObserverSlot() {
    static BidObserver observer;
    return observer;
}

void Report(int seat, const char* text) {
    if (auto& observer = BidObserverSlot())
        observer(seat, text);
}

} // namespace

void SetBidWordObserver(BidObserver observer) {
    BidObserverSlot() = std::move(observer);
}

// ---- Lifetime ------------------------------------------------------------------------------

SchafkopfTablePane::~SchafkopfTablePane() {
    for (HBITMAP& picture : resultPictures)
        ReleasePicture(picture);
    for (HBITMAP& picture : handSidePictures)
        ReleasePicture(picture);
}

SchafkopfController* SchafkopfTablePane::Schafkopf() const {
    return dynamic_cast<SchafkopfController*>(controller);
}

void SchafkopfTablePane::InitSchafkopf(SchafkopfController* game, Settings* gameSettings,
                                       HWND tableWindow, void* gameDocument, int phaseFlag,
                                       RoomPanel* panel, int resetClock) {
    settings = gameSettings;
    soloTypesItem = kSoloTypesList;
    handSidePictures[0] = handSidePictures[1] = nullptr;
    earlyEnd = 0;
    // The result panel's pictures (3204 to 3206) come with the panel that draws them.
    InitGame(game, gameSettings, tableWindow, gameDocument, 8, phaseFlag, panel, resetClock);
    AfterInit();
}

void SchafkopfTablePane::AfterInit() {}

int SchafkopfTablePane::GetGameCode() {
    return 2;
}
int SchafkopfTablePane::GetGameKind() {
    return 2;
}

void SchafkopfTablePane::ApplySettings() {
    if (auto* game = Schafkopf())
        game->SetOptions(game->schafkopfRules);
    if (window)
        for (int suit = 0; suit < 4; ++suit)
            SetItemTextFromList(window, kDiamondButton + suit, 1501,
                                static_cast<std::int16_t>(SuitNameIndex(settings, suit)));
    StopAllMovies();
    SelectRoomBackdrop();
    if (phase != 0) {
        RefreshSeats();
    } else {
        InvalidateTable(1);
        RedrawAll(true, true);
    }
    AfterInit();
    InitTableExtras();
}

// ---- Helpers ---------------------------------------------------------------------------------

void SchafkopfTablePane::BidWait(int factor) {
    if (!settings)
        return;
    if (auto& wait = GetTableServices().waitTicks)
        wait(static_cast<std::uint32_t>(std::max<int>(settings->body.cardDelay, 0) * factor));
}

int SchafkopfTablePane::Leader() {
    auto* game = Schafkopf();
    return game && game->Game() ? (game->Game()->leader % 4 + 4) % 4 : 0;
}

bool SchafkopfTablePane::IsComputerSeat(int seat) {
    return seat != 0;
}

bool SchafkopfTablePane::GermanCall() {
    auto* game = Schafkopf();
    return game && game->schafkopfRules && game->schafkopfRules->partnershipMode == 2;
}

bool SchafkopfTablePane::RefuseDuringWait() {
    if (WaitDepthNow() <= 0)
        return false;
    NoteAlert(kNoteList, kPleaseWait, "");
    return true;
}

void SchafkopfTablePane::PressContinue() {
    DoCommand(kContinueButton);
}

void SchafkopfTablePane::MoveGroup(const int* items, int count, int anchor, int h, int v,
                                   bool right) {
    if (!window)
        return;
    RECT at;
    GetItemRectInClient(window, anchor, &at);
    const int dh = h - (right ? at.right : at.left), dv = v - at.top;
    if (dh == 0 && dv == 0)
        return;
    for (int i = 0; i < count; ++i) {
        RECT r;
        GetItemRectInClient(window, items[i], &r);
        MoveItemTo(window, items[i], r.left + dh, r.top + dv);
    }
}

void SchafkopfTablePane::MoveGroupBottomLeft(const int* items, int count, int anchor, int h,
                                             int bottom) {
    if (!window)
        return;
    RECT at;
    GetItemRectInClient(window, anchor, &at);
    MoveGroup(items, count, anchor, h, bottom - (at.bottom - at.top), false);
}

void SchafkopfTablePane::HideControls(int flag) {
    if (window)
        for (int item : kBidItems)
            HideItem(window, item);
    FourPlayerTablePane::HideControls(flag);
}

void SchafkopfTablePane::EraseChoiceBoxAtLargeSize() {
    if (TableSize() != 2 || !window)
        return;
    RECT box;
    GetChoiceBoxRect(&box);
    PortScope port(window);
    EraseRect(&box);
    InvalRect(window, &box);
}

// ---- Control groups ----------------------------------------------------------------------------

void SchafkopfTablePane::ShowAskButtons(bool enabled) {
    if (!window)
        return;
    RECT box;
    GetBidBoxRect(&box);
    MoveGroup(kAskGroup, int(std::size(kAskGroup)), kAskPromptItem, box.left + 9, box.top + 9,
              false);
    if (!enabled)
        for (int item : {kIPlayButton, kNoButton, kStockButton, kContinueButton})
            DisableItem(window, item);
    ShowItem(window, kIPlayButton);
    ShowItem(window, kNoButton);
    ShowItem(window, kContinueButton);
    auto* game = Schafkopf();
    if (game && game->schafkopfRules && game->schafkopfRules->withPot) {
        ShowItem(window, kStockButton);
    } else {
        HideItem(window, kStockButton);
    }
    EnableGameTypes(0);
}

void SchafkopfTablePane::ShowContinueButton(bool enabled) {
    if (!window)
        return;
    HideControls(0);
    RECT box;
    GetBidBoxRect(&box);
    MoveGroup(kContinueGroup, int(std::size(kContinueGroup)), kAskPromptItem, box.left + 9,
              box.top + 9, false);
    if (!enabled)
        DisableItem(window, kContinueButton);
    ShowItem(window, kContinueButton);
    InvalidateTable(0);
    replayAnswers = 1;
    continuePromptDepth = 0;
}

void SchafkopfTablePane::ShowAuctionButtons(bool enabled) {
    if (!window)
        return;
    HideControls(0);
    RECT box;
    GetBidBoxRect(&box);
    MoveGroup(kAuctionGroup, int(std::size(kAuctionGroup)), kAuctionPromptItem, box.right - 9,
              box.top + 9, true);
    if (!enabled) {
        auto* game = Schafkopf();
        const bool owes = game && !game->HasRequiredSolos(0) && game->GetBid(0) != kBidNo;
        SetItemEnabled(window, kYesButton, owes);
        SetItemEnabled(window, kAuctionNoButton, owes);
        DisableItem(window, kWeiterButton);
    }
    ShowItem(window, kYesButton);
    ShowItem(window, kAuctionNoButton);
    ShowItem(window, kWeiterButton);
    InvalidateTable(0);
}

void SchafkopfTablePane::ShowChoiceControls() {
    if (!window)
        return;
    HideControls(0);
    ExcludeWindowClip();
    RECT box;
    GetChoiceBoxRect(&box);
    MoveGroupBottomLeft(kChoiceGroup, int(std::size(kChoiceGroup)), kSoloTypesList, box.left + 10,
                        box.bottom - 9);
    for (int item : {kSoloTypesList, kReadyButton, 135, 136, 137, 138})
        ShowItem(window, item);
    DisableItem(window, kSoloTypesList);
    EnableItem(window, kReadyButton);
    for (int suit = 0; suit < 4; ++suit)
        CheckItem(window, kDiamondButton + suit, false);
    DisableItem(window, kGoodButton);
    SendDlgItemMessageA(window, kSoloTypesList, CB_SETCURSEL, 0, 0);
    EnableGameTypes(0);
    if (GermanCall()) {
        for (int suit = 0; suit < 4; ++suit)
            DisableItem(window, kDiamondButton + suit);
        ShowItem(window, kGoodButton);
    } else {
        SendDlgItemMessageA(window, kSoloTypesList, CB_SETCURSEL, 14, 0);
        for (int suit = 0; suit < 4; ++suit)
            EnableItem(window, kDiamondButton + suit);
        HideItem(window, kGoodButton);
    }
    RestoreClip();
    EraseChoiceBoxAtLargeSize();
    InvalidateTable(0);
}

void SchafkopfTablePane::ShowCallAceControls() {
    if (!window)
        return;
    HideControls(0);
    RECT box;
    GetChoiceBoxRect(&box);
    MoveGroup(kCallGroup, int(std::size(kCallGroup)), kChoicePromptItem, box.left + 35,
              box.top + 20, false);
    ShowItem(window, kReadyButton);
    for (int suit = 0; suit < 4; ++suit) {
        ShowItem(window, kDiamondButton + suit);
        CheckItem(window, kDiamondButton + suit, false);
    }
    bool suits[4] = {false, false, false, false};
    bool blank = false;
    auto* game = Schafkopf();
    if (game)
        game->ListCallableSuits(0, suits, &blank);
    const bool anySuit = suits[0] || suits[1] || suits[2] || suits[3];
    if (game && game->schafkopfRules && game->schafkopfRules->partnershipMode == 1) {
        ShowItem(window, kSecretSoloButton);
        EnableItem(window, kSecretSoloButton);
        if (game->schafkopfRules->firstTrick || !anySuit) {
            ShowItem(window, kFirstTrickButton);
            EnableItem(window, kFirstTrickButton);
        }
    } else {
        for (int item : {kSecretSoloButton, kFirstTrickButton}) {
            HideItem(window, item);
            DisableItem(window, item);
        }
    }
    EnableItem(window, kReadyButton);
    for (int suit = 0; suit < 4; ++suit)
        SetItemEnabled(window, kDiamondButton + suit, suits[suit]);
    EraseChoiceBoxAtLargeSize();
    InvalidateTable(0);
}

void SchafkopfTablePane::ApplyCardScale(double) {
    if (phase == 3) {
        PlacePutAwayButton();
        return;
    }
    auto* game = Schafkopf();
    if (!game || (phase != 1 && phase != 2))
        return;
    switch (game->biddingPhase) {
    case kPhaseAsking:
        ShowAskButtons(true);
        break;
    case kPhaseRequiredSolo:
        ShowAuctionButtons(true);
        break;
    case kPhaseCallAce:
        ShowCallAceControls();
        break;
    case kPhaseWait:
        ShowContinueButton(true);
        break;
    default:
        ShowChoiceControls();
        break;
    }
}

// ---- Phases
// --------------------------------------------------------------------------------------

void SchafkopfTablePane::SetPhase(int newPhase, int flag) {
    auto* game = Schafkopf();
    PortScope port(window);
    switch (newPhase) {
    case 1:
        if (game) {
            const bool keep = flag || keepCardsNextDeal;
            keepCardsNextDeal = 0;
            game->NewDeal(keep);
            if (flag && phase == 4)
                game->UndoLastGame();
            int seat = -1;
            if (game->CheckFinalSoloRound(&seat)) {
                FourPlayerTablePane::SetPhase(1, flag);
                char name[kStringBufferSize] = {};
                game->GetPlayerNameC(name, seat);
                NoteAlert(kNoteList, kRequiredSolo, name);
                if (seat != 0) {
                    DoCommand(kContinueButton);
                } else {
                    game->biddingPhase = kPhaseNameGame;
                    SetPhase(2, 0);
                }
                return;
            }
            if (window)
                SendDlgItemMessageA(window, kSoloTypesList, CB_SETCURSEL, 0, 0);
            if (game->biddingPhase == kPhaseAsking)
                ShowAskButtons(false);
        }
        break;
    case 2:
        if (game) {
            switch (game->biddingPhase) {
            case kPhaseRequiredSolo:
                ShowAuctionButtons(false);
                break;
            case kPhaseCallAce:
                ShowCallAceControls();
                break;
            case kPhaseNameGame:
                ShowChoiceControls();
                break;
            case kPhaseWait:
                ShowContinueButton(false);
                break;
            default:
                if (flag) {
                    EnableGameTypes(0);
                    RunAskRound(false);
                }
                ShowChoiceControls();
                break;
            }
        }
        break;
    case 3:
        if (flag) {
            std::uint8_t cards[4] = {0, 0, 0, 0};
            int leader = 0;
            GetTrickState(cards, &leader);
            if (cards[0])
                trickWaiting = 1;
        } else if (TableSize() == 2 && window) {
            RECT play, strip;
            GetPlayArea(&play);
            GetClientRect(window, &strip);
            strip.left = ownCardRects[std::min<int>(7, cardsPerHand - 1)].right;
            strip.top = play.bottom;
            EraseRect(&strip);
            InvalRect(window, &strip);
        }
        break;
    case 4:
    case 10:
        if (!flag) {
            if (IsRemote()) {
                if (window)
                    DisableItem(window, kNewDealButton);
                DisarmAutoContinue();
            } else if (game) {
                game->EndGame(earlyEnd, game->restClaimed);
                const std::int32_t money =
                    ComputeGameMoney(0, settings ? settings->body.roomStake : 0);
                if (gStoryMode && !game->BookPubCash(0, money, false)) {
                    if (roomPanel)
                        roomPanel->OpenCemetery(5);
                    HideControls(0);
                    FourPlayerTablePane::SetPhase(9, 0);
                    InvalidateAll();
                    return;
                }
                ArmAutoContinue();
            }
        } else {
            ArmAutoContinue();
        }
        InvalidateTable(settings && settings->body.soundOn == 0 ? 1 : 0);
        RedrawAll(true, false);
        if (window) {
            RECT hand;
            GetHandBounds(&hand);
            EraseRect(&hand);
        }
        break;
    default:
        break;
    }
    FourPlayerTablePane::SetPhase(newPhase, flag);
    if (!game)
        return;
    switch (newPhase) {
    case 1:
        NotifyTable(12);
        if (game->biddingPhase == kPhaseAsking) {
            RunAskRound(GetActiveWindow() != nullptr);
        } else if (game->biddingPhase == kPhaseFixedPartners ||
                   game->biddingPhase == kPhasePartnerCards) {
            PressContinue();
        }
        break;
    case 2:
        if (game->biddingPhase == kPhaseRequiredSolo) {
            NotifyTable(16);
            RunAuctionRound(!flag);
            if (game->HasRequiredSolos(0))
                FinishAuctionRound();
        } else if (game->biddingPhase != kPhaseCallAce && game->biddingPhase != kPhaseWait) {
            NotifyTable(11);
            RunChoiceRound(!flag);
        }
        break;
    case 3:
        if (!flag && game->Game() && game->Game()->IsSoloGame() && window) {
            RECT play, strip;
            GetPlayArea(&play);
            GetClientRect(window, &strip);
            strip.top = play.bottom;
            InvalRect(window, &strip);
        }
        break;
    case 4:
    case 10:
        if (!flag && !IsRemote() && phase != 9)
            ShowStateMessage();
        break;
    default:
        break;
    }
}

// ---- Prompts
// ---------------------------------------------------------------------------------------

void SchafkopfTablePane::DrawBidding() {
    auto* game = Schafkopf();
    if (!game || !window)
        return;
    PortScope port(window);
    TextFont(kFontArial);
    TextSize(11);
    switch (game->biddingPhase) {
    case kPhaseAsking:
        DrawAskPrompt();
        break;
    case kPhaseRequiredSolo:
        DrawAuctionPrompt();
        break;
    case kPhaseCallAce:
        DrawCallAcePrompt();
        break;
    case kPhaseNameGame:
    case kPhaseNamed:
        DrawChoicePrompt();
        break;
    case kPhaseWait:
        DrawContinuePrompt();
        break;
    default:
        break;
    }
    const int leader = Leader();
    for (int n = 0; n < 4; ++n) {
        const int seat = (leader + n) % 4;
        if (!game->HasAnswered(seat))
            break;
        ShowBidWord(seat);
    }
    SchafkopfOptions* options = game->schafkopfRules;
    if (options)
        DrawGameCount(options->seriesEnd, options->seriesGameCount, options->timeLimitMode,
                      options->timeLimitMinutes, game);
}

namespace {

void DrawBoxPicture(HBITMAP picture, const RECT& box) {
    if (!picture)
        return;
    RECT at;
    GetPictureBounds(picture, &at);
    OffsetRect(&at, box.left, box.top);
    DrawPicture(picture, &at);
}

void PromptStyle() {
    TextFont(kFontArial);
    TextSize(11);
    SetBkMode(GetPortDC(), TRANSPARENT);
}

} // namespace

void SchafkopfTablePane::DrawAskPrompt() {
    RECT box, item, play;
    GetBidBoxRect(&box);
    DrawBoxPicture(bidBoxPicture, box);
    GetItemRectInClient(window, kAskPromptItem, &item);
    GetPlayArea(&play);
    if (TableSize() <= 1 && play.bottom < item.bottom)
        return;
    char text[kStringBufferSize];
    GetIndString(text, kNameList, GermanCall() ? kAskPrompt : kAnnounceSoloPrompt);
    PromptStyle();
    MoveTo(item.left, item.bottom - 3);
    DrawString(text, false);
}

// A prompt of the bidding dialogue: its box picture, then the text in the prompt's item.
void SchafkopfTablePane::DrawBoxPrompt(bool bidBox, int promptItem, int list, int index) {
    RECT box, item;
    if (bidBox)
        GetBidBoxRect(&box);
    else
        GetChoiceBoxRect(&box);
    DrawBoxPicture(bidBox ? bidBoxPicture : choiceBoxPicture, box);
    GetItemRectInClient(window, promptItem, &item);
    char text[kStringBufferSize];
    GetIndString(text, list, index);
    PromptStyle();
    DrawTextInRect(text, &item);
}

void SchafkopfTablePane::DrawAuctionPrompt() {
    DrawBoxPrompt(true, kAuctionPromptItem, kNoteList, kAuctionPrompt);
}

void SchafkopfTablePane::DrawChoicePrompt() {
    DrawBoxPrompt(false, kChoicePromptItem, kNoteList, kChoicePrompt);
}

void SchafkopfTablePane::DrawCallAcePrompt() {
    DrawBoxPrompt(false, kChoicePromptItem, kNameList, kCallAcePrompt);
}

void SchafkopfTablePane::DrawContinuePrompt() {
    DrawBoxPrompt(true, kAskPromptItem, kNameList, kContinuePrompt);
    if (continuePromptDepth > 0)
        return;
    ++continuePromptDepth;
    auto* game = Schafkopf();
    if (game && !IsRemote()) {
        const int leader = Leader();
        for (int n = 0; n < 4; ++n) {
            const int seat = (leader + n) % 4;
            ShowBidWord(seat);
            if (replayAnswers && game->GetBid(seat) != kBidNo) {
                PlayBidWordSound(seat, game->GetBid(seat));
                BidWait(6);
            }
        }
    }
    replayAnswers = 0;
    --continuePromptDepth;
    if (window)
        EnableItem(window, kContinueButton);
}

// ---- The answers on the plates
// ---------------------------------------------------------------------

void SchafkopfTablePane::ShowBidWord(int seat) {
    auto* game = Schafkopf();
    if (!game || !window || seat < 0 || seat > 3)
        return;
    PortScope port(window);
    TextFont(kFontArial);
    TextSize(10);
    int suit = 0;
    const GameTypeWord t = game->GetSeatBidType(seat, &suit);
    const int bid = game->GetBid(seat);
    char text[kStringBufferSize] = {};
    switch (game->biddingPhase) {
    case kPhaseAsking: {
        if (t != 0 && bid != kBidNo) {
            const bool partnerCards = game->Game() && game->Game()->IsPartnerCardsSolo(seat);
            const bool callAfterOther =
                game->firstPlayerSeat >= 0 && game->firstPlayerSeat != seat && t == 1;
            GetIndString(text, kNameList,
                         partnerCards || callAfterOther ? kContinueText : kIPlayText);
        } else {
            GetIndString(text, kNameList, game->MayPutInPot(seat) ? kPotText : kContinueText);
        }
        DrawNamePlateText(32 + seat, text, true);
        Report(seat, text);
        return;
    }
    case kPhaseRequiredSolo:
        if (bid != kBidNo && t != 0) {
            GetIndString(text, kNoteList, (t & 0x4000) ? kYesText : kNoText);
            DrawNamePlateText(32 + seat, text, true);
            Report(seat, text);
        }
        return;
    case kPhaseNameGame:
    case kPhaseNamed:
    case kPhaseWait:
        break;
    default:
        return;
    }
    if (game->biddingPhase != kPhaseWait && WaitDepthNow() > 0)
        return;
    if (bid == kBidNotAsked || bid == kBidNo)
        return;
    const int leader = Leader();
    for (int s = leader, n = 0; s != seat && n < 4; s = (s + 1) % 4, ++n) {
        const int other = game->GetBid(s);
        const bool passOver = IsComputerSeat(s) || other == kBidNo || other == kBidReady ||
                              (other == kBidGood && game->biddingPhase == kPhaseNameGame);
        if (!passOver)
            return;
    }
    if (seat == 0) {
        if (bid == kBidGood)
            GetIndString(text, kNameList, kGoodText);
        else if (bid == kBidReady)
            FormatGameType(text, t, suit, nullptr);
    } else if (GameTypeRank(t) < LowestEarlierBidRank(seat, game)) {
        game->HandOverPlay(seat);
        FormatGameType(text, t, suit, nullptr);
    } else {
        game->SetBid(seat, kBidGood);
        GetIndString(text, kNameList, kGoodText);
    }
    DrawNamePlateText(36 + seat, text, true);
    Report(seat, text);
}

// ---- Game names --------------------------------------------------------------------------------

int SchafkopfTablePane::GameTypeNameIndex(GameTypeWord word, bool* needsSuit) {
    auto* game = Schafkopf();
    return ::GameTypeNameIndex(word, needsSuit, game ? game->schafkopfRules : nullptr);
}

void SchafkopfTablePane::FormatGameType(char* text, GameTypeWord word, int suit,
                                        const int* calledSuit) {
    auto* game = Schafkopf();
    ::FormatGameType(text, word, suit, calledSuit, game ? game->schafkopfRules : nullptr);
}

// ---- Spoken answers
// ----------------------------------------------------------------------------------

void SchafkopfTablePane::PlayAnswerSound(int seat) {
    auto* game = Schafkopf();
    if (!game)
        return;
    ResetIdleSounds();
    int suit = 0;
    const GameTypeWord t = game->GetSeatBidType(seat, &suit);
    int event = 1700;
    if (t != 0 && game->GetBid(seat) != kBidNo) {
        const bool partnerCards = game->Game() && game->Game()->IsPartnerCardsSolo(seat);
        if (!partnerCards && (seat == game->firstPlayerSeat || t != 1)) {
            bool earlierIPlay = false;
            for (int s = Leader(), n = 0; s != seat && n < 4; s = (s + 1) % 4, ++n)
                earlierIPlay = earlierIPlay || game->GetBid(s) == kBidIPlay;
            event = earlierIPlay ? 1702 : 1701;
        }
    } else if (game->MayPutInPot(seat)) {
        event = 1782;
    }
    PlayEventSound(event, seat);
    ResetIdleSounds();
}

void SchafkopfTablePane::PlayAuctionSound(int seat) {
    auto* game = Schafkopf();
    if (!game)
        return;
    int suit = 0;
    const GameTypeWord t = game->GetSeatBidType(seat, &suit);
    if (t == 0 || t == 1)
        return;
    PlayEventSound((t & 0x4000) ? 1640 : 1641, seat);
}

void SchafkopfTablePane::PlayAuctionSoundByBits(int seat) {
    auto* game = Schafkopf();
    if (!game)
        return;
    int suit = 0;
    const GameTypeWord t = game->GetSeatBidType(seat, &suit);
    if (t == 0 || t == 1)
        return;
    PlayEventSound((t & 0x1a000) ? 1641 : 1640, seat);
}

void SchafkopfTablePane::PlayAnnouncementSounds(int count) {
    auto* game = Schafkopf();
    SchafkopfComputerPlayer* player = game ? game->Game() : nullptr;
    if (!player || player->announcementCount <= 0)
        return;
    const int total = player->announcementCount;
    for (int i = std::max(0, total - count); i < total; ++i) {
        const AnnouncementEntry& entry = player->announcements[i];
        int event = 0;
        switch (entry.kind) {
        case 0:
            event = 1530;
            break;
        case 1:
            event = 1531;
            break;
        case 8:
            event = 1784;
            break;
        case 9:
            event = 1786;
            break;
        default:
            continue;
        }
        PlayEventSound(event, entry.seat);
    }
}

void SchafkopfTablePane::PlayBidWordSound(int seat, int bidWord) {
    auto* game = Schafkopf();
    if (!game || bidWord == kBidNo)
        return;
    if (bidWord == kBidGood) {
        PlayEventSound(1703, seat);
        ResetIdleSounds();
        return;
    }
    int suit = 0;
    const GameTypeWord t = game->GetSeatBidType(seat, &suit);
    PlayGameSound(seat, suit, t);
}

void SchafkopfTablePane::PlayGameSound(int seat, int suit, GameTypeWord word) {
    auto* game = Schafkopf();
    SchafkopfOptions* options = game ? game->schafkopfRules : nullptr;
    if (!options)
        return;
    ResetIdleSounds();
    if (seat == -1) {
        if (word & 0x8000) {
            const int voice = std::abs(static_cast<int>(Random())) % 2 + 1;
            if (options->allPassRule == 2)
                PlayEventSound(1533, voice);
            else if (options->allPassRule == 3)
                PlayEventSound(1789, voice);
        }
        ResetIdleSounds();
        return;
    }
    if (seat == 0 || options->partnershipMode == 0) {
        ResetIdleSounds();
        return;
    }
    const bool tout = (word & kToutBit) != 0;
    const bool variant = gDeckVariant == 1;
    const int s = std::clamp(suit, 0, 3);
    const GameTypeWord g = word & 0x23fff;
    int event = 0;
    switch (g) {
    case 1:
        if (!tout) {
            const int called = game->Game() ? game->Game()->calledSuit : -1;
            event = called < 0 || called > 3 ? 1605 : (variant ? 1778 : 1770) + called;
        }
        break;
    case 2:
        event = (tout ? (variant ? 1748 : 1744) : (variant ? 1658 : 1654)) + s;
        break;
    case 4:
        event = tout ? (variant ? 1711 : 1707) + s : (variant ? 0 : 1607 + s);
        break;
    case 8:
        event = tout ? (variant ? 1738 : 1715) : (variant ? 1752 : 1615);
        break;
    case 16:
        event = tout ? (variant ? 1739 : 1716) : (variant ? 1753 : 1616);
        break;
    case 32:
        event = (tout ? (variant ? 1721 : 1717) : (variant ? 1754 : 1617)) + s;
        break;
    case 64:
        event = (tout ? (variant ? 1729 : 1725) : (variant ? 1758 : 1625)) + s;
        break;
    case 128:
        event = tout ? 0 : 1704;
        break;
    case 256:
        event = tout ? (variant ? 1740 : 1733) : (variant ? 1762 : 1634);
        break;
    case 512:
        event = tout ? (variant ? 1741 : 1734) : (variant ? 1763 : 1635);
        break;
    case 1024:
        event = tout ? (variant ? 1742 : 1735) : (variant ? 1764 : 1636);
        break;
    case 2048:
        event = tout ? (variant ? 1637 : 1736) : 1637;
        break;
    case 4096:
        event = tout ? (variant ? 1743 : 1737) : (variant ? 1765 : 1638);
        break;
    case 0x2000:
        event = tout ? 0 : 1639;
        break;
    case 0x20000:
        event = tout ? 1705 : 0;
        break;
    default:
        break;
    }
    if (event)
        PlayEventSound(event, seat);
    ResetIdleSounds();
}

// ---- The rounds
// ----------------------------------------------------------------------------------------

void SchafkopfTablePane::RunAskRound(bool withSounds) {
    auto* game = Schafkopf();
    if (!game || IsRemote())
        return;
    const bool twoCards = game->schafkopfRules && game->schafkopfRules->partnershipMode == 1;
    const int leader = Leader();
    BidWait(6);
    for (int n = 0, seat = leader; n < 4 && IsComputerSeat(seat); ++n, seat = (seat + 1) % 4) {
        ShowBidWord(seat);
        if (withSounds)
            PlayAnswerSound(seat);
        if (twoCards && game->GetBid(seat) == kBidIPlay) {
            BidWait(10);
            PressContinue();
            return;
        }
        if (IsComputerSeat((seat + 1) % 4))
            BidWait(6);
    }
    if (!window)
        return;
    EnableItem(window, kNoButton);
    EnableItem(window, kIPlayButton);
    if (game->schafkopfRules && game->schafkopfRules->withPot && leader == 1)
        EnableItem(window, kStockButton);
}

void SchafkopfTablePane::FinishAskRound() {
    auto* game = Schafkopf();
    if (!game || IsRemote())
        return;
    const bool twoCards = game->schafkopfRules && game->schafkopfRules->partnershipMode == 1;
    const int leader = Leader();
    for (int seat = 1; seat != leader && seat < 4; ++seat) {
        ShowBidWord(seat);
        PlayAnswerSound(seat);
        if ((seat + 1) % 4 != leader)
            BidWait(6);
        if (twoCards && game->GetBid(seat) == kBidIPlay) {
            BidWait(10);
            PressContinue();
            return;
        }
    }
    if (window)
        for (int item : {kIPlayButton, kNoButton, kStockButton})
            DisableItem(window, item);
    if (game->dealer != 0 || game->biddingPhase != kPhaseAsking) {
        if (window)
            EnableItem(window, kContinueButton);
    } else {
        PressContinue();
    }
}

void SchafkopfTablePane::RunAuctionRound(bool withSounds) {
    auto* game = Schafkopf();
    if (!game || IsRemote())
        return;
    const int leader = Leader();
    BidWait(6);
    for (int n = 0, seat = leader; n < 4 && IsComputerSeat(seat); ++n, seat = (seat + 1) % 4) {
        int suit = 0;
        const GameTypeWord w = game->GetSeatBidType(seat, &suit);
        ShowBidWord(seat);
        if (withSounds)
            PlayAuctionSound(seat);
        const int next = (seat + 1) % 4;
        if (static_cast<std::uint16_t>(w) > 1 && IsComputerSeat(next) &&
            game->GetBid(next) != kBidNo)
            BidWait(6);
        if (w & 0x4000) {
            game->SetBid(seat, kBidYes);
            PressContinue();
            return;
        }
    }
    if (window && !game->HasRequiredSolos(0))
        EnableItem(window, kWeiterButton);
}

void SchafkopfTablePane::FinishAuctionRound() {
    auto* game = Schafkopf();
    if (!game || IsRemote())
        return;
    if (window) {
        DisableItem(window, kYesButton);
        DisableItem(window, kAuctionNoButton);
    }
    BidWait(6);
    const int leader = Leader();
    for (int seat = 1; seat != leader && seat < 4; ++seat) {
        int suit = 0;
        const GameTypeWord w = game->GetSeatBidType(seat, &suit);
        ShowBidWord(seat);
        PlayAuctionSound(seat);
        if (static_cast<std::uint16_t>(w) > 1 && (seat + 1) % 4 != leader)
            BidWait(6);
        if (w & 0x4000) {
            game->SetBid(seat, kBidYes);
            PressContinue();
            return;
        }
    }
    if (window)
        EnableItem(window, kWeiterButton);
}

void SchafkopfTablePane::RunChoiceRound(bool withSounds) {
    auto* game = Schafkopf();
    if (!game || IsRemote())
        return;
    const int leader = Leader();
    auto open = [&](int seat) {
        const int bid = game->GetBid(seat);
        return bid != kBidGood && bid != kBidNo;
    };
    BidWait(6);
    for (int n = 0, seat = leader; n < 4 && IsComputerSeat(seat); ++n, seat = (seat + 1) % 4) {
        ShowBidWord(seat);
        if (open(seat)) {
            int suit = 0;
            EnableGameTypes(game->GetSeatBidType(seat, &suit));
        }
        if (withSounds)
            PlayBidWordSound(seat, game->GetBid(seat));
        const int next = (seat + 1) % 4, after = (seat + 2) % 4;
        if (IsComputerSeat(next) && (open(next) || (IsComputerSeat(after) && open(after))))
            BidWait(6);
    }
    if (!window)
        return;
    SetItemEnabled(window, kGoodButton, game->MayGiveWay(0));
    if (GermanCall())
        EnableItem(window, kSoloTypesList);
}

void SchafkopfTablePane::FinishChoiceRound(bool clear) {
    auto* game = Schafkopf();
    if (clear && window)
        for (int item : {135, 136, 137, 138, kGoodButton, kReadyButton, kSoloTypesList})
            DisableItem(window, item);
    if (!game || IsRemote())
        return;
    const bool named = game->biddingPhase == kPhaseNamed;
    if (!named)
        BidWait(6);
    const int leader = Leader();
    for (int seat = 1; seat != leader && seat < 4; ++seat) {
        ShowBidWord(seat);
        const int bid = game->GetBid(seat);
        PlayBidWordSound(seat, bid);
        if (!named && bid != kBidNo)
            BidWait(6);
    }
    if (!named)
        BidWait(6);
}

// ---- The human's choice
// ------------------------------------------------------------------------------

void SchafkopfTablePane::EnableGameTypes(GameTypeWord) {}

void SchafkopfTablePane::UpdateSuitButtons(int code) {
    if (!window)
        return;
    const bool suitGame = code == 4 || (code >= 12 && code <= 15) || (code >= 23 && code <= 25);
    auto* game = Schafkopf();
    for (int suit = 0; suit < 4; ++suit) {
        SetItemEnabled(window, kDiamondButton + suit, suitGame);
        if (!suitGame)
            CheckItem(window, kDiamondButton + suit, false);
    }
    if (suitGame && game && game->Game()) {
        const int own = game->Game()->seats[0].bid.trumpSuit;
        if (own >= 0 && own <= 3)
            CheckItem(window, kDiamondButton + own, false);
    }
}

int SchafkopfTablePane::SelectedSoloType() {
    return 0;
}

bool SchafkopfTablePane::ReadGameType(GameType* type) {
    type->trumpSuit = 4;
    type->word = 0;
    int code = SelectedSoloType();
    if (code <= 0) {
        if (GermanCall())
            return false;
        code = kSoloTypeSuit;
    }
    if (code < kSoloTypeCall || code > kLastSoloType)
        return false;
    int checked = -1;
    for (int suit = 0; suit < 4; ++suit)
        if (window && IsItemChecked(window, kDiamondButton + suit))
            checked = suit;
    auto* game = Schafkopf();
    return SoloTypeGame(code, checked, game ? game->schafkopfRules : nullptr, type);
}

bool SchafkopfTablePane::ReadSuit(SchafkopfCall* call) {
    call->suit = 4;
    call->calledAceMissing = 0;
    call->rank = 8;
    for (int suit = 0; suit < 4; ++suit)
        if (window && IsItemChecked(window, kDiamondButton + suit)) {
            call->suit = static_cast<std::int16_t>(suit);
            return true;
        }
    return false;
}

// ---- The buttons
// -----------------------------------------------------------------------------------------

void SchafkopfTablePane::DoCommand(int command) {
    auto* game = Schafkopf();
    if (!game) {
        FourPlayerTablePane::DoCommand(command);
        return;
    }
    PortScope port(window);
    switch (command) {
    case kIPlayButton:
    case kNoButton:
    case kStockButton:
        if (RefuseDuringWait())
            return;
        if (window)
            for (int item : {kIPlayButton, kNoButton, kStockButton})
                DisableItem(window, item);
        if (command == kIPlayButton) {
            game->SetBid(0, kBidIPlay);
            if (game->schafkopfRules && game->schafkopfRules->partnershipMode == 1) {
                PressContinue();
                return;
            }
        } else if (command == kNoButton) {
            game->SetBid(0, kBidNo);
        } else {
            game->SetBid(0, kBidNo);
            game->SetBid(0, kBidStock);
        }
        ShowBidWord(0);
        FinishAskRound();
        ArmAutoContinue();
        return;
    case kGoodButton:
        if (window)
            DisableItem(window, kGoodButton);
        game->SetBid(0, kBidGood);
        ShowBidWord(0);
        FinishChoiceRound(true);
        PressContinue();
        return;
    case 135:
    case 136:
    case 137:
    case 138:
        if (window)
            for (int item = 135; item <= 138; ++item)
                if (item != command)
                    CheckItem(window, item, false);
        return;
    case kSoloTypesList:
        if (window)
            UpdateSuitButtons(static_cast<int>(
                SendDlgItemMessageA(window, kSoloTypesList, CB_GETCURSEL, 0, 0) + 1));
        return;
    case kReadyButton: {
        if (game->biddingPhase == kPhaseCallAce) {
            SchafkopfCall call;
            if (!ReadSuit(&call)) {
                SysBeep(2);
                return;
            }
            call.rank = 8;
            game->CallAce(0, call);
            if (game->Game())
                game->Game()->partyLists[0] = 0;
            PressContinue();
            return;
        }
        if (game->GetBid(0) == kBidGood) {
            PressContinue();
            return;
        }
        GameType type;
        if (!ReadGameType(&type)) {
            SysBeep(2);
            return;
        }
        game->HandOverPlay(0);
        game->humanGameType = type;
        game->SetBid(0, kBidReady);
        ShowBidWord(0);
        FinishChoiceRound(true);
        PressContinue();
        return;
    }
    case kContinueButton:
    case kWeiterButton: {
        if (game->StepBidding(0) != 0)
            return;
        if (game->biddingPhase == kPhaseStartPlay) {
            if (game->StartPlay()) {
                InvalidateAll();
                SetPhase(3, 0);
            } else {
                SetPhase(4, 0);
            }
        } else {
            SetPhase(2, 0);
        }
        return;
    }
    case kYesButton:
    case kAuctionNoButton:
        if (RefuseDuringWait())
            return;
        if (window) {
            DisableItem(window, kYesButton);
            DisableItem(window, kAuctionNoButton);
        }
        if (command == kYesButton) {
            game->SetBid(0, kBidYes);
            PressContinue();
        } else {
            game->SetBid(0, kBidNoRequiredSolo);
            ShowBidWord(0);
            FinishAuctionRound();
        }
        return;
    case kSecretSoloButton:
        if (game->Game())
            game->Game()->partyLists[0] = -1;
        PressContinue();
        return;
    case kFirstTrickButton:
        if (game->Game()) {
            game->Game()->gameType.word = 0x2000;
            game->Game()->declarer = 0;
        }
        PressContinue();
        return;
    default:
        FourPlayerTablePane::DoCommand(command);
        return;
    }
}
