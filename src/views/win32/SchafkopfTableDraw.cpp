// What the Schafkopf table draws besides the four-player table: the game line, the bock note,
// the announcements on the plates, the player box, the result panel and the pictures beside
// the own hand.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "games/fourplayer/SchafkopfController.h"
#include "media/DeckManager.h"
#include "platform/StringLists.h"
#include "platform/win32/Drawing.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Pictures.h"
#include "platform/win32/Ports.h"
#include "platform/win32/Resources.h"
#include "records/OptionRecordLayouts.h"
#include "records/ProgramFlags.h"
#include "shell/Settings.h"
#include "story/win32/RoomPanel.h"
#include "views/SuitNames.h"
#include "views/win32/SchafkopfTablePane.h"

namespace {

constexpr int kGameNoteList = 1501;
constexpr int kGameText = 34; // "Game"
constexpr int kSuitList = 1501;

constexpr int kNoteList = 1600;
constexpr int kContraText = 51;
constexpr int kReText = 52;
constexpr int kBockRoundText = 57;
constexpr int kRestMineText = 58;
constexpr int kRemainingCardsText = 59;
constexpr int kLostText = 62;
constexpr int kWonText = 63;
constexpr int kWithAText = 64;
constexpr int kWonPairText = 65;
constexpr int kAndText = 66;
constexpr int kPlayerHeader = 70;
constexpr int kCardPointsHeader = 71;
constexpr int kAnnounceHeader = 72;
constexpr int kWhoWonHeader = 73;
constexpr int kBillHeader = 79;
constexpr int kNumberHeader = 80;
constexpr int kExtraPointsHeader = 97;
constexpr int kPointsText = 98;
constexpr int kBockRoundsText = 123;
constexpr int kSumText = 250;

constexpr int kNameList = 1700;
constexpr int kICallText = 67;
constexpr int kAceText = 68;
constexpr int kBillLabelBase = 69; // + the item's kind
constexpr int kShotTheMoonText = 79;
constexpr int kNobodyPlayedText = 86;
constexpr int kSupraText = 97;
constexpr int kResupraText = 98;
constexpr int kFoxCaughtText = 105;
constexpr int kNoDecisionText = 106;

constexpr int kPubList = 1400;
constexpr int kWagerText = 38;
constexpr int kStakesText = 158;

constexpr GameTypeWord kAllPassedBit = 0x8000;
constexpr GameTypeWord kFirstTrickWord = 0x2000;
constexpr GameTypeWord kGameKindMask = 0x23fff;
constexpr GameTypeWord kCallGameWord = 1;
constexpr GameTypeWord kBegWord = 128;

constexpr int kFoxEvent = 1; // an event of the extra points: a trumps Ace caught

// The pictures of the result panel, in the order of resultPictures.
constexpr int kExtrasPicture = 3204;
constexpr int kPlayersPicture = 3205;
constexpr int kBillPicture = 3206;
constexpr int kHandSidePicture = 3210;

HBITMAP LoadOwnPicture(int id) {
    return static_cast<HBITMAP>(GetResource(kPictType, static_cast<std::int16_t>(id)));
}

void Write(const char* text) {
    DrawString(text, false);
}

void WriteFromList(int list, int index) {
    char text[kStringBufferSize];
    GetIndString(text, static_cast<std::int16_t>(list), static_cast<std::int16_t>(index));
    Write(text);
}

void WriteNumber(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    Write(text);
}

void WriteAt(int h, int v, const char* text) {
    MoveTo(h, v);
    Write(text);
}

void WriteListAt(int h, int v, int list, int index) {
    MoveTo(h, v);
    WriteFromList(list, index);
}

// The text with its right edge at right.
void WriteRightAligned(int right, int v, const char* text) {
    WriteAt(right - StringWidth(text), v, text);
}

bool IsTableSeat(int seat) {
    return seat >= 0 && seat < 4;
}

// The word of an announcement kind (0 Contra, 1 Re, 8 Supra, 9 Resupra); empty otherwise.
void AnnouncementWord(int kind, char* text) {
    text[0] = '\0';
    switch (kind) {
    case 0:
        GetIndString(text, kNoteList, kContraText);
        break;
    case 1:
        GetIndString(text, kNoteList, kReText);
        break;
    case 8:
        GetIndString(text, kNameList, kSupraText);
        break;
    case 9:
        GetIndString(text, kNameList, kResupraText);
        break;
    default:
        break;
    }
}

} // namespace

// ---- The own hand's side pictures ----------------------------------------------------------

void SchafkopfTablePane::Draw(const RECT* rect) {
    if (IsRoomPhase()) {
        if (roomPanel)
            roomPanel->Draw(rect);
        return;
    }
    FourPlayerTablePane::Draw(rect);
    if (phase == 4 || (settings && settings->body.ownCardsFullSize))
        return;
    for (int i = 0; i < 2; ++i)
        if (!handSidePictures[i])
            handSidePictures[i] = LoadOwnPicture(kHandSidePicture + i);
    PortScope port(window);
    // The marks lie beside the cards, never over one: where the hand's step is narrower than a
    // card, the cards keep their faces.
    HDC dc = GetPortDC();
    const int saved = dc ? SaveDC(dc) : 0;
    std::uint8_t cards[kMaxHandCards] = {};
    CopyOwnHand(cards);
    for (int i = 0; i < cardsPerHand && i < kMaxHandCards && dc; ++i)
        if (cards[i] >= 1 && cards[i] <= 32)
            ExcludeClipRect(dc, ownCardRects[i].left, ownCardRects[i].top, ownCardRects[i].right,
                            ownCardRects[i].bottom);
    const RECT& first = ownCardRects[0];
    const RECT& fourth = ownCardRects[3];
    const int cardWidth = first.right - first.left;
    const int top = first.top + 10;
    if (HBITMAP left = handSidePictures[0]) {
        RECT at;
        GetPictureBounds(left, &at);
        OffsetRect(&at, (first.left - at.right) / 2, top);
        DrawPicture(left, &at);
    }
    auto* game = Schafkopf();
    const bool choiceBoxThere = TableSize() == 2 && phase == 2 && game &&
                                (game->biddingPhase == kPhaseCallAce ||
                                 game->biddingPhase == kPhaseNameGame ||
                                 game->biddingPhase == kPhaseNamed);
    if (HBITMAP right = handSidePictures[1]; right && !choiceBoxThere) {
        RECT at;
        GetPictureBounds(right, &at);
        OffsetRect(&at, fourth.right + (cardWidth - at.right) / 2, top);
        DrawPicture(right, &at);
    }
    if (dc)
        RestoreDC(dc, saved);
}

int SchafkopfTablePane::GetVisibleCardWidth(int cardWidth) {
    switch (TableSize()) {
    case 0:
        return 90;
    case 1:
        return 16 * cardWidth / 23 + 1;
    case 2:
    case 3:
        return cardWidth;
    default:
        return 1;
    }
}

// ---- The game line -------------------------------------------------------------------------

namespace {

// The pen's start of the texts in the status bar: 7 pixels in, on the bar's base line.
MacPoint StatusLineStart(const RECT& bar, int size) {
    const int lift = size == 0 ? 6 : size == 1 ? 4 : 8;
    return MacPoint{static_cast<std::int16_t>(bar.bottom - lift),
                    static_cast<std::int16_t>(bar.left + 7)};
}

} // namespace

void SchafkopfTablePane::DrawGameInfo(int, int) {
    auto* game = Schafkopf();
    SchafkopfComputerPlayer* play = game ? game->Game() : nullptr;
    if (!play)
        return;
    SchafkopfOptions* options = game->schafkopfRules;
    PortScope port(window);
    UseSmallTextStyle();
    SetBkMode(GetPortDC(), TRANSPARENT);
    RECT bar;
    GetStatusBarRect(&bar);
    const MacPoint start = StatusLineStart(bar, TableSize());
    MoveTo(start.h, start.v);

    const GameTypeWord word = play->gameType.word;
    const int suit = play->gameType.trumpSuit;
    const int called = play->calledSuit;
    char text[kStringBufferSize];
    char name[kNameTextSize];
    // The line ends where the side column begins; a text that would run past it is cut and
    // ends in "...", and nothing more is written.
    const int limit = bar.right - 5 - GetSideColumnWidth();
    bool full = false;
    auto put = [&](const char* piece) {
        if (full)
            return;
        if (gPenLocation.h + StringWidth(piece) <= limit) {
            Write(piece);
            return;
        }
        full = true;
        char cut[kNameTextSize];
        std::snprintf(cut, sizeof cut, "%s", piece);
        for (std::size_t n = std::strlen(cut); n > 0; --n) {
            std::snprintf(cut + n, sizeof cut - n, "...");
            if (gPenLocation.h + StringWidth(cut) <= limit) {
                Write(cut);
                return;
            }
            cut[n - 1] = '\0';
        }
    };
    auto putList = [&](int list, int index) {
        GetIndString(text, static_cast<std::int16_t>(list), static_cast<std::int16_t>(index));
        put(text);
    };
    auto writeName = [&](int seat) {
        name[0] = '\0';
        if (IsTableSeat(seat))
            game->GetPlayerNameC(name, seat);
        put(name);
    };
    auto writeCall = [&](int calledSuit) {
        putList(kNameList, kICallText);
        putList(kSuitList, SuitNameIndex(settings, calledSuit));
        putList(kNameList, kAceText);
    };

    putList(kGameNoteList, kGameText);
    put(": ");
    bool needsSuit = false;
    GameTypeNameIndex(word, &needsSuit);
    if (gDeckVariant == 0 && needsSuit && suit >= 0 && suit < 4 && smallGameInfoPictures[suit] &&
        gPenLocation.h + StringWidth("    ") <= limit) {
        RECT mark;
        GetPictureBounds(smallGameInfoPictures[suit], &mark);
        OffsetRect(&mark, gPenLocation.h, gPenLocation.v - mark.bottom + 1);
        const int pen = gPenLocation.h;
        DrawPicture(smallGameInfoPictures[suit], &mark);
        MoveTo(pen, start.v);
        put("    ");
    }
    char gameName[kStringBufferSize];
    FormatGameType(gameName, word, suit, nullptr);
    put(gameName);
    TextSize(9);

    const std::int16_t* parties = play->partyLists;
    const bool fixedPartners = options && options->partnershipMode == 0;
    if (((word & kGameKindMask) == kCallGameWord && !fixedPartners) || word == kFirstTrickWord) {
        if (IsTableSeat(parties[0])) {
            put(" (");
            writeName(parties[0]);
            put(")");
            if (called >= 0 && called < 4) {
                put(", ");
                writeCall(called);
            }
        }
        if (IsTableSeat(parties[1])) {
            put("(");
            writeName(parties[1]);
            put(")");
        }
    } else if (IsTableSeat(play->declarer)) {
        put(" (");
        writeName(parties[0]);
        put(")");
    }
    const int announced = std::clamp<int>(play->announcementCount, 0, kMaxAnnouncements);
    for (int i = 0; i < announced; ++i) {
        const AnnouncementEntry& entry = play->announcements[i];
        put(", ");
        char spoken[kStringBufferSize];
        AnnouncementWord(entry.kind, spoken);
        put(spoken);
        put(" (");
        writeName(entry.seat);
        put(")");
    }

    TextSize(10);
    if (game->bockGamesLeft > 0) {
        put(", ");
        putList(kNoteList, kBockRoundText);
    }
    if (game->claimMade) {
        put(", ");
        putList(kNoteList, game->claimSeat != 0 ? kRemainingCardsText : kRestMineText);
    }
    if (settings && settings->body.tablePictures && options)
        DrawGameCount(options->seriesEnd, options->seriesGameCount, options->timeLimitMode,
                      options->timeLimitMinutes, game);

    // The first trick: the game on the declarer's plate and the called Ace on the first
    // party seat's, until the trick is put away.
    if (play->trickNumber <= 1 && transientBoxCount == 0) {
        const int declarer = play->declarer;
        if ((play->IsSoloGame() || word == kFirstTrickWord) && IsTableSeat(declarer) &&
            declarer != 0) {
            FormatGameType(text, word, suit, nullptr);
            DrawNamePlateText(36 + declarer, text, true);
        }
        if (called >= 0 && called < 4 && IsTableSeat(parties[0])) {
            char call[kStringBufferSize * 3] = {};
            GetIndString(text, kNameList, kICallText);
            std::strncat(call, text, sizeof call - std::strlen(call) - 1);
            GetIndString(text, kSuitList, static_cast<std::int16_t>(SuitNameIndex(settings, called)));
            std::strncat(call, text, sizeof call - std::strlen(call) - 1);
            GetIndString(text, kNameList, kAceText);
            std::strncat(call, text, sizeof call - std::strlen(call) - 1);
            DrawNamePlateText(36 + parties[0], call, true);
        }
    }
    TextFont(kFontCourierNew);
    TextSize(12);
}

void SchafkopfTablePane::DrawBiddingStatus() {
    auto* game = Schafkopf();
    if (!game || game->bockGamesLeft <= 0)
        return;
    PortScope port(window);
    UseSmallTextStyle();
    SetBkMode(GetPortDC(), TRANSPARENT);
    RECT bar;
    GetStatusBarRect(&bar);
    const MacPoint start = StatusLineStart(bar, TableSize());
    WriteListAt(start.h, start.v, kNoteList, kBockRoundsText);
}

void SchafkopfTablePane::ShowAnnouncements() {
    DrawStatusBarFrame();
    DrawGameInfo(0, 0);
    auto* game = Schafkopf();
    SchafkopfComputerPlayer* play = game ? game->Game() : nullptr;
    if (!play)
        return;
    const int count = std::clamp<int>(play->announcementCount, 0, kMaxAnnouncements);
    char word[kStringBufferSize];
    for (int i = 0; i < count; ++i) {
        const AnnouncementEntry& entry = play->announcements[i];
        if (entry.seat == 0 || !IsTableSeat(entry.seat) || !game->IsAnnounced(entry.seat))
            continue;
        AnnouncementWord(entry.kind, word);
        DrawNamePlateText(32 + entry.seat, word, true);
    }
}

// ---- The player-information box ------------------------------------------------------------

void SchafkopfTablePane::DrawPlayerBox(RECT* rect) {
    TablePane::DrawPlayerBox(rect);
    auto* game = Schafkopf();
    SchafkopfComputerPlayer* play = game ? game->Game() : nullptr;
    const int seat = playerBoxSeat;
    if (!playerBoxShown || !play || !IsTableSeat(seat))
        return;
    PortScope port(window);
    TextFont(kFontArial);
    TextSize(10);
    TextFace(0);
    SetBkMode(GetPortDC(), TRANSPARENT);
    const int h = rect->left + 14;
    int v = rect->top + 20;
    const bool hidden = gStoryMode && GetRoom() >= 4 && GetRoom() <= 8;
    char text[kStringBufferSize];
    char name[kNameTextSize] = {};
    game->GetPlayerNameC(name, seat);
    WriteAt(h, v, name);
    v += 15;
    std::snprintf(text, sizeof text, "Solos: %d", game->soloCounts[seat]);
    WriteAt(h, v, text);
    v += 15;
    if (hidden)
        std::snprintf(text, sizeof text, "Game points: ---");
    else
        std::snprintf(text, sizeof text, "Game points: %d", play->cardPoints[seat]);
    WriteAt(h, v, text);
    if (seat != play->declarer) {
        v += 15;
        std::int16_t partners[2] = {-1, -1};
        play->GetPartyOf(partners, seat);
        int points = 0;
        for (std::int16_t partner : partners)
            if (IsTableSeat(partner))
                points += play->cardPoints[partner];
        if (hidden)
            std::snprintf(text, sizeof text, "Partner Card Points: ---");
        else
            std::snprintf(text, sizeof text, "Partner Card Points: %d", points);
        WriteAt(h, v, text);
    }
    v += 15;
    long balance = 0;
    if (game->gameListHandle && IsGameListSound(game->gameListHandle))
        balance = GameListHead(game->gameListHandle)->totals[seat];
    std::snprintf(text, sizeof text, "Current Balance: %ld", balance);
    WriteAt(h, v, text);
    if (play->IsSoloGame() && play->partyLists[0] == seat) {
        v += 15;
        WriteAt(h, v, gLanguageEnglish ? "*S*" : "Solo");
    }
    const GameType& type = play->gameType;
    const int trumps = play->CountGroupInDeck(kTrumpGroup, type.trumpSuit, type.word);
    if (phase == 3 && trumps > 0) {
        v += 15;
        int played = 0;
        for (int s = 0; s < 4; ++s)
            played += play->playedCounts[s][kTrumpGroup];
        if (hidden)
            std::snprintf(text, sizeof text, "Trumps: ---");
        else
            std::snprintf(text, sizeof text, "Trumps:  %d/%d", played, trumps);
        WriteAt(h, v, text);
    }
    if (gStoryMode && seat == 0) {
        v += 20;
        char label[kStringBufferSize];
        GetIndString(label, kPubList, kStakesText);
        std::snprintf(text, sizeof text, "%s%8.2f %s", label,
                      static_cast<double>(GetCashBalance(settings)),
                      game->schafkopfRules ? game->schafkopfRules->currencyName : "");
        WriteAt(h, v, text);
        v += 15;
        GetIndString(label, kPubList, kWagerText);
        std::snprintf(text, sizeof text, "%s%8.2f", label,
                      settings ? settings->body.roomStake / 100.0 : 0.0);
        WriteAt(h, v, text);
    }
    // The dealer's turn icon, and the one of the seat after the dealer.
    const int dealer = game->dealer;
    HBITMAP icon = seat == dealer ? turnIcons[1] : seat == (dealer + 1) % 4 ? turnIcons[0] : nullptr;
    if (icon) {
        RECT at;
        GetPictureBounds(icon, &at);
        OffsetRect(&at, rect->right - 7 - at.right, rect->bottom - 7 - at.bottom);
        DrawPicture(icon, &at);
    }
}

// ---- The result panel ----------------------------------------------------------------------

void SchafkopfTablePane::DrawResult(RECT* rect) {
    FourPlayerTablePane::DrawResult(rect);
    auto* game = Schafkopf();
    SchafkopfComputerPlayer* play = game ? game->Game() : nullptr;
    if (!play)
        return;
    const SchafkopfOptions* options = game->schafkopfRules;
    const int allPassRule = options ? options->allPassRule : 0;
    const int partnershipMode = options ? options->partnershipMode : 2;
    const GameBill& bill = game->bill;
    const GameTypeWord word = play->gameType.word;
    const int suit = play->gameType.trumpSuit;
    const int winner = bill.listedSeats[0];
    const int second = bill.listedSeats[1];

    PortScope port(window);
    SetBkMode(GetPortDC(), TRANSPARENT);
    TextFont(kFontCourierNew);
    TextSize(12);
    TextFace(0);
    MoveTo(rect->left + 120, rect->top + 42);
    char text[kStringBufferSize];
    char name[kNameTextSize];
    auto writeName = [&](int seat) {
        name[0] = '\0';
        if (IsTableSeat(seat))
            game->GetPlayerNameC(name, seat);
        TextFace(kStyleUnderline);
        Write(name);
        TextFace(0);
    };
    bool pointsLine = false;
    int points = 0;
    if (play->IsSoloGame() && !((word & kAllPassedBit) && allPassRule == 0)) {
        if (word & kAllPassedBit) {
            if (bill.perOpponent)
                WriteFromList(kNoteList, kWonText);
            else if (allPassRule == 2)
                WriteFromList(kNoteList, kLostText);
            else if (allPassRule == 3)
                WriteFromList(kNoteList, kWonText);
            writeName(winner);
            WriteFromList(kNoteList, kWithAText);
            if (bill.perOpponent) {
                WriteFromList(kNameList, kShotTheMoonText);
            } else {
                FormatGameType(text, word, suit, nullptr);
                Write(text);
            }
            Write(".");
        } else {
            const bool won = winner >= 0 && winner == play->declarer;
            WriteFromList(kNoteList, won ? kWonText : kLostText);
            writeName(play->partyLists[0]);
            WriteFromList(kNoteList, kWithAText);
            FormatGameType(text, word, suit, nullptr);
            Write(text);
            points = won ? bill.cardPoints : 120 - bill.cardPoints;
            if ((word & kGameKindMask) == kBegWord)
                Write(".");
            else
                pointsLine = true;
        }
    } else if (winner == -1) {
        WriteFromList(kNameList, kNobodyPlayedText);
    } else if (partnershipMode == 0 && bill.cardPoints == 60) {
        WriteFromList(kNameList, kNoDecisionText);
    } else {
        WriteFromList(kNoteList, kWonPairText);
        writeName(winner);
        WriteFromList(kNoteList, kAndText);
        writeName(second);
        points = bill.cardPoints;
        pointsLine = true;
    }
    if (pointsLine) {
        Write(".");
        WriteListAt(rect->left + 120, rect->top + 62, kNoteList, kPointsText);
        WriteNumber(points);
    }

    TextFont(kFontArial);
    TextSize(10);
    TextFace(0);
    if (winner == -1)
        return;
    for (int i = 0; i < 3; ++i)
        if (!resultPictures[i])
            resultPictures[i] = LoadOwnPicture(kExtrasPicture + i);

    // The winners' bill, in the lower right corner.
    RECT billRect = {rect->right - 11, rect->bottom - 35, rect->right - 11, rect->bottom - 35};
    if (HBITMAP picture = resultPictures[kBillPicture - kExtrasPicture]) {
        RECT bounds;
        GetPictureBounds(picture, &bounds);
        billRect.left -= bounds.right;
        billRect.top -= bounds.bottom;
        DrawPicture(picture, &billRect);
    }
    const int bl = billRect.left, bt = billRect.top;
    WriteListAt(bl + 7, bt + 14, kNoteList, kBillHeader);
    WriteListAt(billRect.right - 35, bt + 14, kNoteList, kNumberHeader);
    const int items = std::clamp<int>(bill.itemCount, 0, kBillMaxItems);
    for (int i = 0; i < items; ++i) {
        const int v = bt + 13 * i + 28;
        const int kind = bill.items[i].kind & kBillKindMask;
        if (kind == kBillBock)
            WriteListAt(bl + 7, v, kNoteList, kBockRoundsText);
        else if (kind == kBillGameValue || (kind >= kBillSchneider && kind <= kBillExtras))
            WriteListAt(bl + 7, v, kNameList, kBillLabelBase + kind);
        if (kind == kBillPot) {
            std::snprintf(text, sizeof text, "(%d)", bill.items[i].value);
            WriteRightAligned(bl + 220, v, text);
        } else if (kind == kBillBock) {
            WriteRightAligned(bl + 233, v, "2 *");
        } else {
            std::snprintf(text, sizeof text, "%d", bill.items[i].value);
            WriteRightAligned(bl + 233, v, text);
        }
    }
    {
        char label[kStringBufferSize];
        GetIndString(label, kNoteList, kSumText);
        std::snprintf(text, sizeof text, "%s%s:", label, options ? options->currencyName : "");
        WriteRightAligned(bl + 100, bt + 172, text);
        std::snprintf(text, sizeof text, "%d", bill.value);
        WriteRightAligned(bl + 233, bt + 172, text);
    }

    // The players, level with the bill at the left.
    RECT players = {rect->left + 11, bt, rect->left + 11, bt};
    if (HBITMAP picture = resultPictures[kPlayersPicture - kExtrasPicture]) {
        RECT bounds;
        GetPictureBounds(picture, &bounds);
        players.right += bounds.right;
        players.bottom += bounds.bottom;
        DrawPicture(picture, &players);
    }
    const int pl = players.left, pt = players.top, pr = players.right;
    WriteListAt(pl + 7, pt + 14, kNoteList, kPlayerHeader);
    WriteListAt(pl + (gLanguageEnglish ? 149 : 162), pt + 14, kNoteList, kCardPointsHeader);
    WriteListAt(pr - 90, pt + 14, kNoteList, kAnnounceHeader);
    const bool callGame = (word & kGameKindMask) == kCallGameWord;
    const bool starred =
        callGame && (partnershipMode == 2 || (partnershipMode == 1 && play->calledSuit >= 0));
    const int announced = std::clamp<int>(play->announcementCount, 0, kMaxAnnouncements);
    for (int seat = 0; seat < 4; ++seat) {
        const int v = pt + 13 * seat + 28;
        name[0] = '\0';
        game->GetPlayerNameC(name, seat);
        WriteAt(pl + 7, v, name);
        MoveTo(pl + 171, v);
        WriteNumber(play->cardPoints[seat]);
        if (starred && seat == play->partyLists[0])
            Write("*");
        for (int i = 0; i < announced; ++i) {
            const AnnouncementEntry& entry = play->announcements[i];
            if (entry.seat != seat)
                continue;
            int kind = entry.kind;
            if (kind == 8 || kind == 9)
                kind = play->seats[seat].inDeclarerParty ? 1 : 0;
            AnnouncementWord(kind, text);
            WriteAt(pr - 147, v, text);
            break;
        }
    }

    // The extra points: who caught a trumps Ace.
    if (play->IsSoloGame() || !game->WantsExtrasItem())
        return;
    RECT extras = {rect->left + 11, rect->bottom - 35, rect->left + 11, rect->bottom - 35};
    if (HBITMAP picture = resultPictures[kExtrasPicture - kExtrasPicture]) {
        RECT bounds;
        GetPictureBounds(picture, &bounds);
        extras.right += bounds.right;
        extras.top -= bounds.bottom;
        DrawPicture(picture, &extras);
    }
    WriteListAt(extras.left + 7, extras.top + 14, kNoteList, kExtraPointsHeader);
    WriteListAt(extras.right - 137, extras.top + 14, kNoteList, kWhoWonHeader);
    WriteListAt(extras.left + 7, extras.top + 28, kNameList, kFoxCaughtText);
    MoveTo(extras.right - 149, extras.top + 28);
    const int events = std::clamp<int>(play->bonusCount, 0, kMaxBonuses);
    bool first = true;
    for (int i = 0; i < events; ++i) {
        const TrickBonus& event = play->bonuses[i];
        if (event.kind != kFoxEvent || !IsTableSeat(event.seat))
            continue;
        if (!first)
            Write(", ");
        first = false;
        name[0] = '\0';
        game->GetPlayerNameC(name, event.seat);
        Write(name);
    }
}
