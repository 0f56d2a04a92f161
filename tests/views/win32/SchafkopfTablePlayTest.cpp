// The Schafkopf table's play at the real table: the human's card with its refusals and the
// misplay rule, the computer seats' claims, the game line after the human's card, the
// suggestion, giving up, the end of a list and whole games settled by the published tariff.
// Hands are fixed by the controller's keep-cards deal; boxes go through the alert recorder.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "games/fourplayer/GameList.h"
#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "games/fourplayer/SchafkopfController.h"
#include "media/DeckManager.h"
#include "media/win32/SoundManager.h"
#include "platform/Random.h"
#include "platform/win32/WindowSlots.h"
#include "records/OptionRecordLayouts.h"
#include "shell/Environment.h"
#include "shell/OptionRecords.h"
#include "support/AlertRecorder.h"
#include "support/AudioOff.h"
#include "views/win32/FourTableFixture.h"
#include "views/win32/SchafkopfTableWin.h"

namespace {

constexpr int kRealAnswer = -100;

// The real controller; a test may put an answer in place of the rules' answer to the human's
// card, and a claim of the rest on the next computer card before the human.
class ScriptedSchafkopf : public SchafkopfController {
  public:
    int PlayHumanCard(int card, int seat) override {
        if (answer != kRealAnswer)
            return answer;
        return SchafkopfController::PlayHumanCard(card, seat);
    }
    bool StepComputerPlay(char* text, char* secondText, int* claimingSeat) override {
        const bool done = SchafkopfController::StepComputerPlay(text, secondText, claimingSeat);
        if (!done && claimBy >= 0) {
            *claimingSeat = claimBy;
            claimBy = -1;
        }
        return done;
    }
    int answer = kRealAnswer;
    int claimBy = -1;
};

// The table window's pane, counting the game line and the announcements shown.
class CountingTable : public SchafkopfTableWin {
  public:
    void DrawGameInfo(int first, int second) override {
        ++gameLines;
        SchafkopfTableWin::DrawGameInfo(first, second);
    }
    void ShowAnnouncements() override { ++announcementShows; }
    int gameLines = 0;
    int announcementShows = 0;
};

using Hands = std::array<std::array<int, 8>, 4>;

// Herz is trump in these games: the Obers, the Unters and the Herz cards. Card code = suit x 8
// + step; steps 1 to 8 are 7, 8, 9, Unter, Ober, King, 10, Ace; suits Schellen, Herz, Gras,
// Eichel. The human holds only Sevens and Eights, two of every group; seat 1 the high trumps
// and the Schellen Nine; seat 2 the Schellen Ace; seat 3 Gras and Eichel.
constexpr Hands kWeakHuman = {{{1, 2, 9, 10, 17, 18, 25, 26},
                               {3, 5, 13, 15, 16, 21, 28, 29},
                               {4, 6, 7, 8, 11, 12, 14, 20},
                               {19, 22, 23, 24, 27, 30, 31, 32}}};
// The same with the human holding the Schellen Ace in place of the Schellen Eight.
constexpr Hands kHumanHoldsSchellenAce = {{{1, 8, 9, 10, 17, 18, 25, 26},
                                           {3, 5, 13, 15, 16, 21, 28, 29},
                                           {2, 4, 6, 7, 11, 12, 14, 20},
                                           {19, 22, 23, 24, 27, 30, 31, 32}}};
// The human holds Nines, Kings and Tens of the plain suits: no trump, no Ace, no Beg.
constexpr Hands kNothingToPlay = {{{3, 6, 7, 19, 22, 23, 27, 30},
                                   {1, 2, 4, 5, 8, 9, 10, 11},
                                   {12, 13, 14, 15, 16, 17, 18, 20},
                                   {21, 24, 25, 26, 28, 29, 31, 32}}};
// The human holds every Ober and every Unter.
constexpr Hands kHumanHoldsMatadors = {{{4, 5, 12, 13, 20, 21, 28, 29},
                                        {1, 2, 3, 6, 7, 8, 9, 10},
                                        {11, 14, 15, 16, 17, 18, 19, 22},
                                        {23, 24, 25, 26, 27, 30, 31, 32}}};

constexpr int kSchellenAce = 8;
constexpr int kHerz = 1;
constexpr int kSchellen = 0;

// Published card values: Ace 11, Ten 10, King 4, Ober 3, Unter 2, the others 0.
int CardPoints(int card) {
    static constexpr int kByStep[9] = {0, 0, 0, 0, 2, 3, 4, 10, 11};
    return card >= 1 && card <= 32 ? kByStep[(card - 1) % 8 + 1] : 0;
}

// The group a card belongs to: 4 the trumps (Obers, Unters and the trump suit), else its suit;
// in a Beg there are no trumps.
int Group(int card, bool beg) {
    const int suit = (card - 1) / 8, step = (card - 1) % 8 + 1;
    if (!beg && (step == 4 || step == 5 || suit == kHerz))
        return 4;
    return suit;
}

struct GameSetup {
    const char* name;
    GameTypeWord word; // 0: everybody passes
    int trumpSuit;
    int declarer; // -1: nobody
    int calledSuit;
};

class SchafkopfPlayTest : public FourTableTest {
  protected:
    void SetUp() override {
        FourTableTest::SetUp();
        savedVariant_ = gDeckVariant;
        gDeckVariant = 0;
        gSettings->body.soundOn = 0;
        gSettings->body.animationOn = 0;
        gSettings->body.putAwayOn = 0;
        gSettings->body.cardDelay = 0;
        gSettings->body.ownCardsFullSize = 0;
        SetSchafkopfOptionDefaults(&options_);
        options_.partnershipMode = 2;
        options_.trumpSuit = kHerz;
        options_.allowedGames = 0x1FFF;
        options_.toutGames = 0;
        options_.doubleRe = 1;
        options_.supResup = 1;
        options_.withLaufende = 0;
        options_.misplayLoses = 0;
        options_.allPassRule = 2;
        std::memset(&rules_, 0, sizeof rules_);
        rules_.seriesEnd = 1;
        game_ = std::make_unique<ScriptedSchafkopf>();
        game_->Init(&gSettings->body, &options_, &rules_, false);
        const std::uint8_t kinds[4] = {0, 1, 1, 1};
        game_->SetSeatKinds(kinds);
        TableServices services = GetTableServices();
        services.openPlayerWindow = [this](int seat) { playerWindows_.push_back(seat); };
        services.showTheEnd = [this](const char* a, const char* b, const char* c, int kind) {
            theEnd_.push_back({a, b, c, std::to_string(kind)});
        };
        services.closeWindows = [this](bool all) {
            closed_.push_back(all);
            return closeAnswer_;
        };
        services.newGame = [this](bool fresh, bool show) { newGames_.push_back(fresh && show); };
        SetTableServices(services);
        pane_ = new CountingTable;
        pane_->InitSchafkopf(game_.get(), gSettings, window_, nullptr, 0, &panel_, 1);
        SetEventSoundObserver([this](int event, int seat) { heard_.emplace_back(event, seat); });
        ResetAlertRecorder();
    }
    void TearDown() override {
        SetEventSoundObserver(nullptr);
        gDeckVariant = savedVariant_;
        delete pane_;
        FourTableTest::TearDown();
    }

    void Deal(const Hands& hands, int dealer) {
        std::memset(game_->dealtCards, 0, sizeof game_->dealtCards);
        for (int seat = 0; seat < 4; ++seat)
            for (int p = 0; p < 8; ++p)
                game_->dealtCards[seat * 12 + p] = static_cast<std::uint8_t>(hands[seat][p]);
        game_->dealer = static_cast<std::int16_t>(dealer);
    }
    // The deal and its game as the bidding would leave them, then play at the table.
    void StartGame(const Hands& hands, int dealer, const GameSetup& setup, bool playGoesOn = true) {
        Deal(hands, dealer);
        game_->NewDeal(true);
        game_->dealer = static_cast<std::int16_t>(dealer);
        for (auto& bid : game_->bids)
            bid = kBidNo;
        SchafkopfComputerPlayer* player = game_->Game();
        const GameType type{setup.trumpSuit, setup.word};
        if (setup.declarer == 0) {
            game_->bids[0] = kBidIPlay;
            game_->humanGameType = type;
            if (setup.calledSuit >= 0) {
                SchafkopfCall call;
                call.suit = static_cast<std::int16_t>(setup.calledSuit);
                call.rank = 8;
                ASSERT_TRUE(game_->CallAce(0, call));
            }
        } else if (setup.declarer > 0) {
            game_->bids[setup.declarer] = kBidIPlay;
            player->seats[setup.declarer].bid = type;
            player->seatCalls[setup.declarer].suit = static_cast<std::int16_t>(setup.calledSuit);
            player->seatCalls[setup.declarer].rank = 8;
        }
        ASSERT_TRUE(game_->StartPlay()) << setup.name;
        pane_->SetPhase(3, 0);
        if (playGoesOn) {
            ASSERT_EQ(pane_->phase, 3) << setup.name;
        }
    }

    std::vector<int> Hand() {
        std::uint8_t cards[12] = {};
        game_->CopyHand(cards, 0);
        return std::vector<int>(cards, cards + 8);
    }
    int PlaceOf(int card) {
        const std::vector<int> hand = Hand();
        for (int i = 0; i < 8; ++i)
            if (hand[i] == card)
                return i + 1;
        return 0;
    }
    void Play(int card) {
        const int place = PlaceOf(card);
        ASSERT_NE(place, 0) << "card " << card << " is not in the hand";
        pane_->PlayCardAt(0, 0, place, 1);
    }
    // A card of another group than the one led while the human holds the led group.
    int CardNotFollowing(bool beg) {
        const int leader = game_->GetTrickLeader();
        const int led = game_->GetTrickCard(leader);
        EXPECT_NE(led, 0) << "a computer seat leads";
        bool holdsLed = false;
        int other = 0;
        for (int card : Hand()) {
            if (!card)
                continue;
            if (Group(card, beg) == Group(led, beg))
                holdsLed = true;
            else if (!other)
                other = card;
        }
        EXPECT_TRUE(holdsLed);
        return other;
    }
    std::vector<std::string> Texts() {
        std::vector<std::string> texts;
        for (const AlertBox& box : RecordedAlerts())
            texts.push_back(box.text);
        return texts;
    }
    std::string Name(int seat) {
        char name[256] = {};
        game_->GetPlayerNameC(name, seat);
        return name;
    }
    int PartyPoints(std::initializer_list<int> seats) {
        int sum = 0;
        for (int seat : seats)
            sum += game_->Game()->cardPoints[seat];
        return sum;
    }

    // Plays the game out: each human card by its place, the first the table takes; every
    // complete trick put away. Calls back after every accepted human card with the card and
    // the game lines drawn for it.
    template <typename OnCard> void PlayToEnd(OnCard onCard) {
        for (int guard = 0; pane_->phase == 3 && guard < 64; ++guard) {
            if (pane_->trickWaiting) {
                std::array<int, 4> trick{};
                for (int seat = 0; seat < 4; ++seat)
                    trick[seat] = game_->GetTrickCard(seat);
                shownTricks_.push_back(trick);
                ScriptAlertAnswers({kAnswerCancel, kAnswerCancel});
                pane_->HandleCommand(kPutAwayButton);
                continue;
            }
            // A computer seat's claim is declined: the game is played to its last trick.
            ScriptAlertAnswers({kAnswerCancel, kAnswerCancel, kAnswerCancel, kAnswerCancel,
                                kAnswerCancel, kAnswerCancel, kAnswerCancel, kAnswerCancel});
            const std::vector<int> hand = Hand();
            bool taken = false;
            for (int i = 0; i < 8 && !taken; ++i) {
                if (!hand[i])
                    continue;
                const int before = pane_->gameLines;
                pane_->PlayCardAt(0, 0, i + 1, 1);
                const std::vector<int> now = Hand();
                taken = std::find(now.begin(), now.end(), hand[i]) == now.end();
                if (taken)
                    onCard(hand[i], pane_->gameLines - before);
            }
            ASSERT_TRUE(taken) << "no card of the hand was taken";
        }
        ASSERT_EQ(pane_->phase, 4);
    }

    std::int16_t savedVariant_ = 0;
    SchafkopfOptions options_{};
    DoppelkopfOptions rules_{};
    std::unique_ptr<ScriptedSchafkopf> game_;
    CountingTable* pane_ = nullptr;
    std::vector<std::pair<int, int>> heard_;
    std::vector<int> playerWindows_;
    std::vector<std::array<std::string, 4>> theEnd_;
    std::vector<bool> closed_;
    bool closeAnswer_ = true;
    std::vector<bool> newGames_;
    std::vector<std::array<int, 4>> shownTricks_;
};

const std::string kToOpponents =
    "Since you've not followed suit, the remaining tricks go to your opponent(s).";
const std::string kToYou = "Since you've not followed suit, the remaining tricks go to you.";

// ---- The human's card --------------------------------------------------------------------------

struct MisplayCase {
    GameSetup game;
    bool beg;
    std::string note;
    int sound;
    std::vector<int> receivers; // the seats whose card points take the rest
};

// Seat 3 leads (seat 2 deals); the human throws a card of another group while holding the led
// one. The rule ends the game at once and the rest of the points (all 120 in the first trick)
// go to the misplayer in a Beg or a Ramsch, else to the other side.
TEST_F(SchafkopfPlayTest, TheMisplayRuleEndsTheGameAndAwardsTheRest) {
    const MisplayCase cases[] = {
        {{"Call Game of seat 1", kWordNormal, kHerz, 1, kSchellen},
         false,
         kToOpponents,
         1502,
         {1, 2}},
        {{"Herz Solo of seat 1", kWordSuitSolo, kHerz, 1, -1}, false, kToOpponents, 1502, {1}},
        {{"Herz Solo of the human", kWordSuitSolo, kHerz, 0, -1},
         false,
         kToOpponents,
         1515,
         {1, 2, 3}},
        {{"Beg of seat 1", kWordNoTrumps, 4, 1, -1}, true, kToYou, 1502, {0}},
        {{"Ramsch", 0, kHerz, -1, -1}, false, kToYou, 1502, {0}},
    };
    options_.misplayLoses = 1;
    for (const MisplayCase& c : cases) {
        SCOPED_TRACE(c.game.name);
        StartGame(kWeakHuman, 2, c.game);
        ASSERT_EQ(game_->GetTrickLeader(), 3);
        const int card = CardNotFollowing(c.beg);
        ResetAlertRecorder();
        heard_.clear();
        Play(card);
        EXPECT_EQ(pane_->phase, 4);
        EXPECT_EQ(Texts(), std::vector<std::string>{c.note});
        EXPECT_NE(std::find(heard_.begin(), heard_.end(), std::pair{c.sound, -1}), heard_.end());
        int received = 0;
        for (int seat : c.receivers)
            received += game_->Game()->cardPoints[seat];
        EXPECT_EQ(received, 120);
        // The table is back for the next deal.
        pane_->SetPhaseValue(0);
    }
}

TEST_F(SchafkopfPlayTest, WithoutTheMisplayRuleTheCardStaysWithTheMessage) {
    StartGame(kWeakHuman, 2, {"Call Game of seat 1", kWordNormal, kHerz, 1, kSchellen});
    const std::vector<int> hand = Hand();
    const int card = CardNotFollowing(false);
    Play(card);
    EXPECT_EQ(Texts(),
              std::vector<std::string>{"This card cannot be played. You must follow suit!"});
    EXPECT_EQ(pane_->phase, 3);
    EXPECT_EQ(Hand(), hand);
    EXPECT_EQ(game_->GetTrickCard(0), 0);
    EXPECT_EQ(pane_->trickWaiting, 0);
}

// The called-Ace rules' refusals, each with its own message; under the misplay rule the
// message comes first, then the misplay note, and the game is over.
TEST_F(SchafkopfPlayTest, EachCalledAceRefusalShowsItsMessage) {
    const std::pair<int, std::string> refusals[] = {
        {2, "You must select an Ace!"},
        {3, "You may not lead the called suit until it has first been lead by another player."},
        {4, "The called Ace may be thrown off only in the last trick."},
        {5, "You may not lead the called suit because you have only one card."},
    };
    for (bool misplay : {false, true}) {
        options_.misplayLoses = misplay ? 1 : 0;
        for (const auto& [answer, text] : refusals) {
            SCOPED_TRACE(text + (misplay ? " (misplay rule)" : ""));
            StartGame(kWeakHuman, 3, {"Call Game of seat 1", kWordNormal, kHerz, 1, kSchellen});
            game_->answer = answer;
            ResetAlertRecorder();
            Play(Hand()[0]);
            game_->answer = kRealAnswer;
            std::vector<std::string> expected{text};
            if (misplay)
                expected.push_back(kToOpponents);
            EXPECT_EQ(Texts(), expected);
            EXPECT_EQ(pane_->phase, misplay ? 4 : 3);
            pane_->SetPhaseValue(0);
        }
    }
}

// The game line after the human's card: in a Call Game only when the card showed the partner
// (the human plays the called Ace), in a solo after every card.
TEST_F(SchafkopfPlayTest, TheGameLineFollowsTheHumansCardOnlyWhenItTellsSomething) {
    struct Case {
        GameSetup game;
        const Hands* hands;
        int revealing; // the card after which the line is drawn; 0: every card; -1: none
    } const cases[] = {
        {{"the human is the called partner", kWordNormal, kHerz, 1, kSchellen},
         &kHumanHoldsSchellenAce,
         kSchellenAce},
        {{"seat 2 is the called partner", kWordNormal, kHerz, 1, kSchellen}, &kWeakHuman, -1},
        {{"Herz Solo of seat 1", kWordSuitSolo, kHerz, 1, -1}, &kWeakHuman, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.game.name);
        StartGame(*c.hands, 3, c.game);
        int cards = 0;
        bool revealingSeen = false;
        PlayToEnd([&](int card, int lines) {
            ++cards;
            const bool expected = c.revealing == 0 || card == c.revealing;
            revealingSeen = revealingSeen || card == c.revealing;
            EXPECT_EQ(lines, expected ? 1 : 0) << "card " << card;
        });
        EXPECT_EQ(cards, 8);
        if (c.revealing > 0) {
            EXPECT_TRUE(revealingSeen);
        }
        pane_->SetPhaseValue(0);
    }
}

// ---- Claims of the computer seats -------------------------------------------------------------

// Seat 3 leads and claims the rest with its first card.
TEST_F(SchafkopfPlayTest, AnOpponentsClaimDeclinedIsCheckedAndPlayGoesOn) {
    ScriptAlertAnswers({kAnswerCancel});
    game_->claimBy = 3;
    StartGame(kWeakHuman, 2, {"Herz Solo of seat 3", kWordSuitSolo, kHerz, 3, -1});
    const std::vector<std::string> expected{Name(3) + ": I get all rest cards. Give you up?",
                                            "The cards are not secure. Play on!"};
    EXPECT_EQ(Texts(), expected);
    EXPECT_EQ(pane_->phase, 3);
    EXPECT_EQ(game_->claimMade, 1) << "the claim is recorded and not asked again";
    EXPECT_NE(std::find(playerWindows_.begin(), playerWindows_.end(), 3), playerWindows_.end())
        << "the claimer's cards are shown";
    EXPECT_NE(game_->GetTrickCard(3), 0);
    EXPECT_EQ(game_->GetTrickCard(0), 0) << "the human is to play";
    // Play goes on to the end.
    PlayToEnd([](int, int) {});
}

struct AcceptedClaim {
    GameSetup game;
    int claimer;
    std::vector<int> receivers; // the seats whose card points take the rest
};

// Accepted, the human gives up: the game ends at once and the rest goes to the human's
// opponents; in a Beg the human plays it goes to the claimer himself.
TEST_F(SchafkopfPlayTest, AnOpponentsClaimAcceptedEndsTheGameForTheClaimersSide) {
    const AcceptedClaim cases[] = {
        {{"Herz Solo of seat 3", kWordSuitSolo, kHerz, 3, -1}, 3, {3}},
        {{"Call Game of seat 1, partner unknown", kWordNormal, kHerz, 1, kSchellen}, 3, {1, 2}},
        {{"Beg of the human", kWordNoTrumps, 4, 0, -1}, 3, {3}},
    };
    for (const AcceptedClaim& c : cases) {
        SCOPED_TRACE(c.game.name);
        ResetAlertRecorder();
        game_->claimBy = c.claimer;
        StartGame(kWeakHuman, 2, c.game, false);
        EXPECT_EQ(Texts(), std::vector<std::string>{Name(c.claimer) +
                                                    ": I get all rest cards. Give you up?"});
        EXPECT_EQ(pane_->phase, 4);
        int side = 0;
        for (int seat : c.receivers)
            side += game_->Game()->cardPoints[seat];
        EXPECT_EQ(side, 120);
        pane_->SetPhaseValue(0);
    }
}

// A partner of the human claims: the note, the claim checked, and the rest to the human's side.
TEST_F(SchafkopfPlayTest, APartnersClaimEndsTheGameForTheHumansSide) {
    game_->claimBy = 3;
    StartGame(kWeakHuman, 2, {"Herz Solo of seat 1", kWordSuitSolo, kHerz, 1, -1}, false);
    const std::vector<std::string> texts = Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0], Name(3) + ": I get all rest cards.");
    EXPECT_EQ(pane_->phase, 4);
    EXPECT_EQ(PartyPoints({0, 2, 3}), 120);
    EXPECT_EQ(PartyPoints({1}), 0);
}

// ---- Suggestion ------------------------------------------------------------------------------

TEST_F(SchafkopfPlayTest, TheSuggestionAnswersTheAskingInItsBox) {
    struct Case {
        const Hands* hands;
        std::string text;
    } const cases[] = {{&kNothingToPlay, "Game: No"},
                       {&kWeakHuman, "Game: I play"}, // a Beg
                       {&kHumanHoldsMatadors, "Game: I play"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Deal(*c.hands, 3); // the human is asked first
        pane_->keepCardsNextDeal = 1;
        pane_->SetPhase(1, 0);
        ASSERT_EQ(pane_->phase, 1);
        ResetAlertRecorder();
        pane_->Suggest();
        ASSERT_EQ(RecordedAlerts().size(), 1u);
        EXPECT_EQ(RecordedAlerts()[0].caption, "Vorschlag");
        EXPECT_EQ(RecordedAlerts()[0].text, c.text);
        pane_->SetPhaseValue(0);
    }
}

TEST_F(SchafkopfPlayTest, TheSuggestionNamesAGameWhenTheHumanChooses) {
    Deal(kHumanHoldsMatadors, 3);
    pane_->keepCardsNextDeal = 1;
    pane_->SetPhase(1, 0);
    pane_->HandleCommand(kIPlayButton);
    // The seats after the human answer; "Continue" leads to the choice of the game.
    for (int guard = 0; guard < 8 && pane_->phase == 1; ++guard)
        if (pane_->IsButtonActive(kContinueButton))
            pane_->HandleCommand(kContinueButton);
    ASSERT_EQ(pane_->phase, 2);
    ASSERT_EQ(game_->biddingPhase, kPhaseNameGame);
    ResetAlertRecorder();
    pane_->Suggest();
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    // Every Ober and every Unter: the game that wins without a card played ("Sie").
    EXPECT_EQ(RecordedAlerts()[0].text, "Game: You");
    EXPECT_EQ(RecordedAlerts()[0].caption, "Vorschlag");
}

// In play the suggestion selects a card of the hand that the table then takes; no box.
TEST_F(SchafkopfPlayTest, TheSuggestionInPlaySelectsAPlayableCard) {
    StartGame(kWeakHuman, 2, {"Call Game of seat 1", kWordNormal, kHerz, 1, kSchellen});
    pane_->Suggest();
    EXPECT_TRUE(RecordedAlerts().empty());
    const int card = pane_->selection;
    const int place = PlaceOf(card);
    ASSERT_NE(place, 0) << "the suggested card " << card << " is in the hand";
    EXPECT_TRUE(EqualRect(&pane_->selectionRect, &pane_->ownCardRects[place - 1]));
    pane_->PlayCardAt(0, 0, place, 1);
    EXPECT_EQ(game_->GetTrickCard(0), card);
    EXPECT_TRUE(RecordedAlerts().empty());
}

TEST_F(SchafkopfPlayTest, NoSuggestionDuringANestedWait) {
    StartGame(kWeakHuman, 2, {"Call Game of seat 1", kWordNormal, kHerz, 1, kSchellen});
    const int selected = pane_->selection;
    gWaitDepth = 1;
    pane_->Suggest();
    gWaitDepth = 0;
    EXPECT_EQ(pane_->selection, selected);
    EXPECT_TRUE(RecordedAlerts().empty());
}

// ---- Giving up ---------------------------------------------------------------------------------

TEST_F(SchafkopfPlayTest, TheHumanGivesUpOnlyAfterOk) {
    StartGame(kWeakHuman, 3, {"Call Game of seat 1", kWordNormal, kHerz, 1, kSchellen});
    ScriptAlertAnswers({kAnswerCancel});
    pane_->GiveUp(0, 0, 0);
    EXPECT_EQ(Texts(), std::vector<std::string>{"Do you really want to give up the game?"});
    EXPECT_EQ(pane_->phase, 3);
    ResetAlertRecorder();
    pane_->GiveUp(0, 0, 0);
    EXPECT_EQ(pane_->phase, 4);
    EXPECT_EQ(PartyPoints({1, 2}), 120) << "the rest goes to the human's opponents";
    ResetAlertRecorder();
    pane_->GiveUp(0, 0, 0);
    EXPECT_TRUE(RecordedAlerts().empty()) << "a finished game is not given up again";
}

TEST_F(SchafkopfPlayTest, AnotherSeatGivingUpIsNoted) {
    for (int failed : {0, 1}) {
        StartGame(kWeakHuman, 3, {"Herz Solo of seat 1", kWordSuitSolo, kHerz, 1, -1});
        ResetAlertRecorder();
        pane_->GiveUp(1, failed, 0);
        const std::string expected = failed
                                         ? "Mr./Ms " + Name(1) + " failed to follow and has lost!"
                                         : "Mr./Ms. " + Name(1) + " gives up!";
        EXPECT_EQ(Texts(), std::vector<std::string>{expected});
        EXPECT_EQ(pane_->phase, 4);
        EXPECT_EQ(PartyPoints({0, 2, 3}), 120);
        pane_->SetPhaseValue(0);
    }
}

// ---- The end of a list -------------------------------------------------------------------------

TEST_F(SchafkopfPlayTest, TheEndNamesThePlacesByTotalsAndANewGameFollows) {
    ASSERT_NE(game_->gameListHandle, nullptr);
    const std::int32_t totals[4] = {10, 30, -20, 30};
    for (bool closes : {true, false}) {
        std::memcpy(GameListHead(game_->gameListHandle)->totals, totals, sizeof totals);
        closeAnswer_ = closes;
        theEnd_.clear();
        newGames_.clear();
        pane_->FinishScoreList();
        // 30, 30 (the lower seat first), 10, -20: the human is third.
        ASSERT_EQ(theEnd_.size(), 1u);
        EXPECT_EQ(theEnd_[0][0], Name(1));
        EXPECT_EQ(theEnd_[0][1], Name(3));
        EXPECT_EQ(theEnd_[0][2], Name(0));
        EXPECT_EQ(game_->stakeState, 3);
        EXPECT_EQ(newGames_, closes ? std::vector<bool>{true} : std::vector<bool>{});
    }
}

// New Deal goes on drawing on this table after the list is finished: the table is closed and
// the next one opened only once the command has returned.
TEST_F(SchafkopfPlayTest, TheTableClosesOnlyAfterTheCommandThatEndedTheList) {
    ASSERT_NE(game_->gameListHandle, nullptr);
    std::vector<std::function<void()>> later;
    TableServices services = GetTableServices();
    services.afterCommand = [&later](std::function<void()> step) {
        later.push_back(std::move(step));
    };
    SetTableServices(services);
    closeAnswer_ = true;
    pane_->FinishScoreList();
    EXPECT_EQ(theEnd_.size(), 1u);
    EXPECT_TRUE(closed_.empty());
    EXPECT_TRUE(newGames_.empty());
    ASSERT_EQ(later.size(), 1u);
    later[0]();
    EXPECT_EQ(closed_, std::vector<bool>{true});
    EXPECT_EQ(newGames_, std::vector<bool>{true});
}

// ---- Whole games -------------------------------------------------------------------------------

// The bill by the published tariff from the trick record: a Call Game is worth 10 to each
// winner and from each loser, a solo 50 from each other seat (three times to or from the
// soloist), Schneider (the losers 30 points or less) and Schwarz (no trick) 10 more each; each
// doubling doubles it.
void ExpectBillByTariff(SchafkopfController* game, const std::vector<int>& declarers, bool solo,
                        const std::vector<std::array<int, 4>>& shownTricks) {
    SchafkopfComputerPlayer* player = game->Game();
    int points[4] = {0, 0, 0, 0}, tricks[4] = {0, 0, 0, 0};
    ASSERT_EQ(shownTricks.size(), 8u);
    for (int t = 0; t < 8; ++t) {
        const TrickRecord& trick = player->tricks[t];
        for (int seat = 0; seat < 4; ++seat) {
            EXPECT_EQ(trick.cards[seat], shownTricks[t][seat]) << "trick " << t + 1;
            points[trick.winner] += CardPoints(trick.cards[seat]);
        }
        ++tricks[trick.winner];
    }
    EXPECT_EQ(points[0] + points[1] + points[2] + points[3], 120);
    int declarerPoints = 0, declarerTricks = 0;
    for (int seat : declarers) {
        declarerPoints += points[seat];
        declarerTricks += tricks[seat];
    }
    const bool declarersWin = declarerPoints >= 61;
    const int loserPoints = declarersWin ? 120 - declarerPoints : declarerPoints;
    const int loserTricks = declarersWin ? 8 - declarerTricks : declarerTricks;
    int value = solo ? 50 : 10;
    if (loserPoints <= 30)
        value += 10;
    if (loserTricks == 0)
        value += 10;
    for (int i = 0; i < player->announcementCount; ++i)
        value *= 2;
    const GameRecord* record = LastGameRecord(game->gameListHandle);
    ASSERT_NE(record, nullptr);
    int sum = 0;
    for (int seat = 0; seat < 4; ++seat) {
        const bool declaring =
            std::find(declarers.begin(), declarers.end(), seat) != declarers.end();
        const int share = solo && declaring ? 3 * value : value;
        const int expected = declaring == declarersWin ? share : -share;
        EXPECT_EQ(record->values[seat], expected) << "seat " << seat;
        sum += record->values[seat];
    }
    EXPECT_EQ(sum, 0);
}

// Fixed partners: the table deals the kept cards, the Eichel Ober's holder (seat 1) plays with
// the seat across (seat 3); the human plays every card by its place.
TEST_F(SchafkopfPlayTest, AWholeCallGameAtTheTableIsSettledByTheTariff) {
    options_.partnershipMode = 0;
    Deal(kWeakHuman, 3);
    pane_->keepCardsNextDeal = 1;
    pane_->HandleCommand(kNewDealButton);
    ASSERT_EQ(pane_->phase, 3);
    PlayToEnd([](int, int) {});
    EXPECT_GT(game_->bill.itemCount, 0);
    ExpectBillByTariff(game_.get(), {1, 3}, false, shownTricks_);
    // New Deal goes on to the next game.
    pane_->HandleCommand(kNewDealButton);
    EXPECT_NE(pane_->phase, 4);
}

// The English library's voice offsets (final id = phrase + offset) of the stored voice values
// 1-7: female voices 1-3 +15000, +16000, +17000, male voices 1-3 +5000, +6000, +7000.
int EnglishVoiceOffset(std::int32_t value) {
    static const int kOffsets[8] = {0, 15000, 16000, 17000, 17000, 5000, 6000, 7000};
    return kOffsets[value];
}

// The recordings an event may sound as (the fixture library has no card-sound variants).
std::vector<int> Variants(int event) {
    switch (event) {
    case 1500:
        return {1410, 1411, 1412, 1413, 1414, 1415, 1417, 1418, 1419, 1438, 1500};
    case 1505:
        return {1404, 1436, 1438, 1505};
    case 1512:
        return {1402, 1403, 1512};
    case 1533:
        return {1533, 1563};
    case 1784:
        return {1784, 1785};
    default:
        return {event};
    }
}

std::string SoundFixtureFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    char* slash = std::strrchr(path, '\\');
    if (slash)
        slash[1] = '\0';
    return std::string(path) + "soundfixture\\";
}

// A whole game with sound on, heard through the playback sink: every card sounds once for its
// seat, every spoken event in its seat's voice, and the end by the human's result.
TEST_F(SchafkopfPlayTest, AWholeGameWithSoundOnIsHeardInTheSeatsVoices) {
    SeedRandom(20261211);
    CopyPath(gDataPath, kPathSize, SoundFixtureFolder().c_str());
    gSettings->body.soundOn = 1;
    for (std::int16_t& soundClass : gSettings->body.soundClasses)
        soundClass = 1;
    const std::int32_t voices[6] = {5, 1, 6, 3, 2, 7};
    std::memcpy(gSettings->body.playerVoices, voices, sizeof voices);
    auto* player = new SoundPlayer;
    ASSERT_TRUE(player->Init(gSettings));
    ASSERT_TRUE(player->voicesAvailable) << "the fixture library beside the tests";
    gSoundManager = player;
    std::vector<SoundSinkEntry> plays;
    SetSoundSink([&plays](const SoundSinkEntry& entry) {
        if (entry.kind == SoundSinkEntry::kPlay)
            plays.push_back(entry);
        return true;
    });
    StartGame(kWeakHuman, 3, {"Herz Solo of seat 1", kWordSuitSolo, kHerz, 1, -1});
    PlayToEnd([](int, int) {});
    SetSoundSink(nullptr);
    gSoundManager = nullptr;
    delete player;
    gDataPath[0] = '\0';

    int cards[4] = {};
    int ends = 0;
    for (const SoundSinkEntry& entry : plays) {
        if (entry.event == 1503) {
            EXPECT_EQ(entry.finalId, 1503);
            EXPECT_FALSE(entry.notify) << "a card sound plays to its end";
            ASSERT_GE(entry.seat, 0);
            ++cards[entry.seat];
            continue;
        }
        const bool plain = entry.seat < 0 && entry.finalId >= 1400 && entry.finalId <= 1513;
        const int speaker = entry.seat < 0 ? 1 : entry.seat;
        const int phrase =
            plain ? entry.finalId : entry.finalId - EnglishVoiceOffset(voices[speaker]);
        const std::vector<int> variants = Variants(entry.event);
        EXPECT_TRUE(phrase == 1584 ||
                    std::find(variants.begin(), variants.end(), phrase) != variants.end())
            << "event " << entry.event << " seat " << entry.seat << " final " << entry.finalId;
        if (entry.event == 1504 || entry.event == 1505) {
            ++ends;
            EXPECT_EQ(entry.event, game_->DidHumanWinLastGame() ? 1505 : 1504);
        }
    }
    for (int seat = 0; seat < 4; ++seat)
        EXPECT_EQ(cards[seat], 8) << "seat " << seat;
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(gEventSoundDepth, 0);
    EXPECT_EQ(gSoundWaitDepth, 0);
}

// Class 1 ("Reservation, Pass": the answers and the games said) at a Schafkopf table is record
// B's switch, whatever the settings' second class says; with no table in front the settings'
// class decides. The card sound, another class, is heard throughout.
TEST_F(SchafkopfPlayTest, TheTablesCallSoundsFollowRecordBsReservationSwitch) {
    CopyPath(gDataPath, kPathSize, SoundFixtureFolder().c_str());
    gSettings->body.soundOn = 1;
    for (std::int16_t& soundClass : gSettings->body.soundClasses)
        soundClass = 1;
    auto* player = new SoundPlayer;
    ASSERT_TRUE(player->Init(gSettings));
    gSoundManager = player;
    std::vector<int> played;
    SetSoundSink([&played](const SoundSinkEntry& entry) {
        if (entry.kind == SoundSinkEntry::kPlay)
            played.push_back(entry.event);
        return true;
    });
    Pane* const savedTable = gPaneSlots[0];
    const std::int16_t savedSwitch = SchafkopfOptionsRecord()->reservationSounds;
    struct Case {
        bool tableInFront;
        std::int16_t reservationSwitch, secondClass;
        bool callsHeard;
    };
    for (const Case& c : {Case{true, 0, 1, false}, Case{true, 1, 0, true}, Case{false, 0, 1, true},
                          Case{false, 1, 0, false}}) {
        SCOPED_TRACE(std::string(c.tableInFront ? "table" : "no table") + ", switch " +
                     std::to_string(c.reservationSwitch) + ", class " +
                     std::to_string(c.secondClass));
        gPaneSlots[0] = c.tableInFront ? pane_ : nullptr;
        SchafkopfOptionsRecord()->reservationSounds = c.reservationSwitch;
        gSettings->body.soundClasses[1] = c.secondClass;
        played.clear();
        pane_->PlayAnswerSound(2);
        pane_->PlayGameSound(3, kSchellen, kWordSuitSolo);
        PlayEventSound(1503, 2);
        std::vector<int> expected = {1503};
        if (c.callsHeard)
            expected = {1700, 1607, 1503};
        // A game said may come with its lead-in, which sounds for the same event.
        played.erase(std::unique(played.begin(), played.end()), played.end());
        EXPECT_EQ(played, expected);
    }
    gPaneSlots[0] = savedTable;
    SchafkopfOptionsRecord()->reservationSounds = savedSwitch;
    SetSoundSink(nullptr);
    gSoundManager = nullptr;
    delete player;
    gDataPath[0] = '\0';
}

// The sound player as the table meets it, counting the boxes shown while an event sounds and
// the events after which a device stayed open.
class WatchedSoundPlayer : public SoundPlayer {
  public:
    bool PlayEvent(int event, int seat) override {
        const std::size_t before = RecordedAlerts().size();
        const bool result = SoundPlayer::PlayEvent(event, seat);
        boxes += static_cast<int>(RecordedAlerts().size() - before);
        leftOpen += device != 0;
        return result;
    }
    int boxes = 0, leftOpen = 0;
};

// The same game with Wine's audio switched off, after seat 1 has said its game: sound is on
// and the library is there, so every sound is picked and reaches the playback step, but no
// device opens, no box shows and play does not rest after speech.
TEST_F(SchafkopfPlayTest, WithAudioOffAWholeGameWithSoundOnPlaysOnQuietly) {
    RUN_ONLY_WITH_AUDIO_OFF();
    SeedRandom(20261211);
    CopyPath(gDataPath, kPathSize, SoundFixtureFolder().c_str());
    gSettings->body.soundOn = 1;
    for (std::int16_t& soundClass : gSettings->body.soundClasses)
        soundClass = 1;
    if (SchafkopfOptions* record = SchafkopfOptionsRecord())
        record->reservationSounds = 1;
    auto* player = new WatchedSoundPlayer;
    ASSERT_TRUE(player->Init(gSettings));
    ASSERT_TRUE(player->voicesAvailable) << "the fixture library beside the tests";
    gSoundManager = player;
    int cards = 0, ends = 0, spoken = 0, restTicks = 0;
    SetSoundSink([&](const SoundSinkEntry& entry) {
        if (entry.kind == SoundSinkEntry::kPause) {
            restTicks += std::max(entry.ticks, 0);
        } else {
            cards += entry.event == 1503;
            ends += entry.event == 1504 || entry.event == 1505;
            spoken += entry.event == 1608;
        }
        return false; // on to the device, if there were one
    });
    StartGame(kWeakHuman, 3, {"Herz Solo of seat 1", kWordSuitSolo, kHerz, 1, -1});
    const DWORD start = GetTickCount();
    pane_->PlayGameSound(1, kHerz, kWordSuitSolo);
    const DWORD elapsed = GetTickCount() - start;
    PlayToEnd([](int, int) {});
    SetSoundSink(nullptr);
    gSoundManager = nullptr;
    const int boxes = player->boxes, leftOpen = player->leftOpen;
    delete player;
    gDataPath[0] = '\0';

    EXPECT_GE(spoken, 1) << "the Herz solo said by seat 1 (with its lead-in on even draws)";
    EXPECT_EQ(cards, 32);
    EXPECT_EQ(ends, 1);
    ASSERT_GT(restTicks, 0) << "speech asks for a rest after it";
    EXPECT_LT(elapsed, restTicks * 1000u / 60 / 2) << "play rested after speech nobody heard";
    EXPECT_EQ(boxes, 0);
    EXPECT_EQ(leftOpen, 0);
    char open[16] = {};
    EXPECT_EQ(mciSendStringA("sysinfo all quantity open", open, sizeof open, nullptr), 0u);
    EXPECT_STREQ(open, "0") << "no multimedia device left open";
    EXPECT_EQ(gEventSoundDepth, 0);
    EXPECT_EQ(gSoundWaitDepth, 0);
}

TEST_F(SchafkopfPlayTest, AWholeSoloIsSettledByTheTariff) {
    StartGame(kWeakHuman, 3, {"Herz Solo of seat 1", kWordSuitSolo, kHerz, 1, -1});
    PlayToEnd([](int, int) {});
    ExpectBillByTariff(game_.get(), {1}, true, shownTricks_);
}

// Seat 2 holds every Ober, three Unters and the Herz Ace. After the first trick it holds the
// six highest trumps and the Herz Ace against six lower trumps: it takes every trick left and
// the solo is settled won Schwarz.
constexpr Hands kSeatTwoSolo = {{{15, 9, 17, 18, 22, 25, 26, 31},
                                 {1, 2, 3, 6, 7, 8, 10, 11},
                                 {29, 21, 13, 5, 28, 20, 12, 16},
                                 {4, 14, 19, 23, 24, 27, 30, 32}}};

TEST_F(SchafkopfPlayTest, ASoloTakingEveryTrickAfterTheFirstIsSettled) {
    StartGame(kSeatTwoSolo, 0, {"Herz Solo of seat 2", kWordSuitSolo, kHerz, 2, -1});
    PlayToEnd([](int, int) {});
    ExpectBillByTariff(game_.get(), {2}, true, shownTricks_);
    for (int t = 1; t < 8; ++t)
        EXPECT_EQ(game_->Game()->tricks[t].winner, 2) << "trick " << t + 1;
}

} // namespace
