// The Schafkopf table's menus, keys and mouse buttons: which items of the main menu each phase
// offers, the announcements in their order, the bidding keys by the default key characters
// and the right and middle buttons. The table records the commands its buttons would run.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <set>
#include <vector>

#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "games/fourplayer/SchafkopfController.h"
#include "platform/win32/DialogItems.h"
#include "platform/win32/Input.h"
#include "records/OptionRecordLayouts.h"
#include "records/ProgramFlags.h"
#include "shell/OptionRecords.h"
#include "views/win32/FourTableFixture.h"
#include "views/win32/SchafkopfTableWin.h"
#include "views/win32/ScoreSheetPane.h"
#include "views/win32/SideWindows.h"

namespace {

// The commands the table's buttons, keys and mouse buttons run, recorded instead of run.
class RecordingTable : public SchafkopfTableWin {
  public:
    void DoCommand(int command) override { commands.push_back(command); }
    std::vector<int> commands;
};

constexpr char kEnglishKeys[] = "4682yrynrcdhscn-+";

// Every item of the Game, Announce and Windows menus this table sets, and Settings.
constexpr int kMenuItems[] = {401,  1202, 406,  407,  408,  409,  1208, 1209, 1210, 1211,
                              301,  302,  303,  304,  502,  503,  504,  505,  508,  1406,
                              1408, 1409, 1410, 1411, 1412, 1413, 1414, 1103};

constexpr int kBidItems[] = {130, 131, 133, 135, 136, 137, 138, 139, 140,
                             141, 142, 143, 144, 145, 146, 147, 115, 116};

class SchafkopfInputTest : public FourTableTest {
  protected:
    void SetUp() override {
        FourTableTest::SetUp();
        SetSchafkopfOptionDefaults(&options_);
        std::memcpy(options_.keys, kEnglishKeys, sizeof kEnglishKeys);
        options_.partnershipMode = 0;
        options_.doubleRe = 1;
        options_.supResup = 1;
        std::memset(&rules_, 0, sizeof rules_);
        rules_.seriesEnd = 1;
        game_ = std::make_unique<SchafkopfController>();
        game_->Init(&gSettings->body, &options_, &rules_, false);
        const std::uint8_t kinds[4] = {0, 1, 1, 1};
        game_->SetSeatKinds(kinds);
        table_ = new RecordingTable;
        table_->InitSchafkopf(game_.get(), gSettings, window_, nullptr, 0, &panel_, 1);
        menu_ = GetMenu(gMainWindow);
        savedMode_ = gSettings->body.tableMode;
        std::memcpy(savedPub_, gSettings->body.pubState, sizeof savedPub_);
        gSettings->body.pubState[1] = 0;
        // Every window item has a pane to show, as once all side windows are built.
        SetCardsPlayedPaneMaker([](int, HWND) -> Pane* { return nullptr; });
        SetOpenCardsPaneMaker([](int, HWND) -> Pane* { return nullptr; });
        SetScorePaneMaker(kScoreSlot, [](int, HWND) -> ScoreSheetPane* { return nullptr; });
    }
    void TearDown() override {
        SetCardsPlayedPaneMaker(nullptr);
        SetOpenCardsPaneMaker(nullptr);
        SetScorePaneMaker(kScoreSlot, nullptr);
        gStoryMode = 0;
        gNetworkTableActive = 0;
        gKeyFlags.function[3] = 0;
        gSettings->body.tableMode = savedMode_;
        std::memcpy(gSettings->body.pubState, savedPub_, sizeof savedPub_);
        delete table_;
        FourTableTest::TearDown();
    }

    // A fixed deal with fixed partners (the Eichel-Ober's holder and the seat across), played
    // from the first trick, the human with all eight cards.
    SchafkopfComputerPlayer* Deal() {
        game_->dealer = 3;
        std::memset(game_->dealtCards, 0, sizeof game_->dealtCards);
        for (int seat = 0; seat < 4; ++seat)
            for (int p = 0; p < 8; ++p)
                game_->dealtCards[seat * 12 + p] = static_cast<std::uint8_t>(32 - seat * 8 - p);
        game_->NewDeal(true);
        game_->dealer = 3;
        game_->StartPlay();
        return game_->Game();
    }

    bool Enabled(int id) {
        return !(GetMenuState(menu_, static_cast<UINT>(id), MF_BYCOMMAND) &
                 (MF_GRAYED | MF_DISABLED));
    }
    void SetAll(bool enabled) {
        for (int id : kMenuItems)
            EnableMenuItem(menu_, static_cast<UINT>(id),
                           MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    }
    // The set of the given items that are enabled after UpdateMenus, which must not depend on
    // what the menu showed before.
    std::set<int> EnabledAfterUpdate(std::initializer_list<int> ids) {
        std::set<int> fromEnabled, fromGreyed;
        SetAll(true);
        table_->UpdateMenus();
        for (int id : ids)
            if (Enabled(id))
                fromEnabled.insert(id);
        SetAll(false);
        table_->UpdateMenus();
        for (int id : ids)
            if (Enabled(id))
                fromGreyed.insert(id);
        EXPECT_EQ(fromEnabled, fromGreyed) << "an item keeps the state it had before";
        return fromGreyed;
    }

    // Only the given bidding items shown and enabled; shownDisabled shown but greyed.
    void ActiveItems(std::initializer_list<int> active,
                     std::initializer_list<int> shownDisabled = {}) {
        for (int item : kBidItems) {
            HideItem(window_, item);
            EnableItem(window_, item);
            CheckItem(window_, item, false);
        }
        for (int item : active)
            ShowItem(window_, item);
        for (int item : shownDisabled) {
            ShowItem(window_, item);
            DisableItem(window_, item);
        }
        for (int item : active)
            ASSERT_TRUE(IsItemActive(window_, item)) << item;
        table_->commands.clear();
    }
    void Bidding(int phase, int bidding) {
        table_->SetPhaseValue(phase);
        game_->biddingPhase = static_cast<std::int16_t>(bidding);
    }

    SchafkopfOptions options_{};
    DoppelkopfOptions rules_{};
    std::unique_ptr<SchafkopfController> game_;
    RecordingTable* table_ = nullptr;
    HMENU menu_ = nullptr;
    std::int16_t savedMode_ = 0;
    std::int16_t savedPub_[9] = {};
};

// ---- Menus
// ---------------------------------------------------------------------------------------

struct MenuCase {
    const char* what;
    int phase;
    bool practice, story, waiting;
    int room;
    std::set<int> enabled; // of the items checked below
};

constexpr std::initializer_list<int> kMatrixItems = {401, 406, 407,  408,  409,  1210, 1211, 503,
                                                     504, 505, 1406, 1412, 1413, 1414, 1202};

TEST_F(SchafkopfInputTest, EveryPhaseOffersTheItemsItsGameAllows) {
    const MenuCase cases[] = {
        {"no game yet", 0, false, false, false, 0, {406, 505, 1202}},
        {"no game yet, practice", 0, true, false, false, 0, {406, 505, 1202}},
        {"the asking", 1, false, false, false, 0, {401, 503, 505, 1406, 1202}},
        {"the asking, practice",
         1,
         true,
         false,
         false,
         0,
         {401, 407, 503, 504, 505, 1406, 1412, 1413, 1414, 1202}},
        {"the game choice, practice",
         2,
         true,
         false,
         false,
         0,
         {401, 407, 503, 504, 505, 1412, 1413, 1414, 1202}},
        {"play, first trick", 3, false, false, false, 0, {401, 408, 409, 503, 505, 1406, 1202}},
        {"play, a trick waits", 3, false, false, true, 0, {408, 409, 503, 505, 1406, 1202}},
        {"game over", 4, false, false, false, 0, {406, 503, 505, 1202}},
        {"game over, practice",
         4,
         true,
         false,
         false,
         0,
         {406, 407, 503, 504, 505, 1412, 1413, 1414, 1202}},
        {"pub, host's room", 1, false, true, false, 1, {401, 503, 505, 1406, 1210, 1211, 1202}},
        {"pub, another room", 1, false, true, false, 4, {401, 503, 505, 1210, 1211, 1202}},
        {"pub, at the table in play",
         3,
         false,
         true,
         false,
         4,
         {401, 408, 409, 503, 505, 1210, 1211, 1202}},
        {"the room", 7, false, true, false, 4, {1211, 1202}},
        {"the reception", 9, false, true, false, 4, {}},
    };
    Deal();
    for (const MenuCase& c : cases) {
        SCOPED_TRACE(c.what);
        gSettings->body.tableMode = c.practice ? kTableModePractice : 0;
        gStoryMode = c.story ? 1 : 0;
        game_->SetRoom(c.room);
        table_->SetPhaseValue(c.phase);
        table_->trickWaiting = c.waiting ? 1 : 0;
        EXPECT_EQ(EnabledAfterUpdate(kMatrixItems), c.enabled);
    }
}

// The play rating shows the long-run counters whatever the table is doing; leaving the pub,
// nothing of the table is offered.
TEST_F(SchafkopfInputTest, PlayRatingIsOfferedUntilThePubIsLeft) {
    Deal();
    for (int phase : {0, 1, 2, 3, 4, 7}) {
        table_->SetPhaseValue(phase);
        EXPECT_EQ(EnabledAfterUpdate({502}), (std::set<int>{502})) << "phase " << phase;
    }
    table_->SetPhaseValue(9);
    EXPECT_TRUE(EnabledAfterUpdate({502}).empty());
}

TEST_F(SchafkopfInputTest, ItemsWithNothingBehindThemStayGreyed) {
    Deal();
    gSettings->body.tableMode = kTableModePractice;
    for (int phase : {0, 1, 2, 3, 4, 7}) {
        table_->SetPhaseValue(phase);
        EXPECT_TRUE(EnabledAfterUpdate({1208, 1209, 1408, 1409, 1410, 1411}).empty())
            << "phase " << phase;
        // The card-selection hints explain the cards of the game being played.
        EXPECT_EQ(EnabledAfterUpdate({508}).empty(), phase != 3) << "phase " << phase;
    }
    // The Score window has its pane only once it is built: until then its item is greyed.
    SetScorePaneMaker(kScoreSlot, nullptr);
    SetCardsPlayedPaneMaker(nullptr);
    table_->SetPhaseValue(4);
    EXPECT_EQ(EnabledAfterUpdate({503, 504, 505}), (std::set<int>{503}));
}

TEST_F(SchafkopfInputTest, SuggestionIsWithdrawnByThePubsHouseRule) {
    Deal();
    table_->SetPhaseValue(1);
    gStoryMode = 1;
    game_->SetRoom(4);
    gSettings->body.pubState[1] = 1 << 2;
    EXPECT_TRUE(EnabledAfterUpdate({401}).empty());
    gStoryMode = 0;
    EXPECT_EQ(EnabledAfterUpdate({401}), (std::set<int>{401})) << "the pub's rules only in the pub";
}

// Contra by the defenders before any announcement, Re by the declarers after exactly one,
// Supra after two, Resupra after three.
TEST_F(SchafkopfInputTest, AnnouncementsAreOfferedInTheirOrderToTheSideWhoseTurnItIs) {
    struct Case {
        bool declarers;
        int count;
        std::set<int> enabled;
    };
    const Case cases[] = {
        {false, 0, {301}}, {true, 0, {}},    {true, 1, {302}}, {false, 1, {}}, {false, 2, {303}},
        {true, 2, {}},     {true, 3, {304}}, {false, 3, {}},   {false, 4, {}}, {true, 4, {}},
    };
    SchafkopfComputerPlayer* computer = Deal();
    ASSERT_TRUE(computer);
    table_->SetPhaseValue(3);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "declarers " << c.declarers << ", count " << c.count);
        computer->seats[0].inDeclarerParty = c.declarers ? 1 : 0;
        computer->announcementCount = static_cast<std::int16_t>(c.count);
        EXPECT_EQ(EnabledAfterUpdate({301, 302, 303, 304}), c.enabled);
    }
    // Without Supra and Resupra the third and fourth never come.
    options_.supResup = 0;
    computer->seats[0].inDeclarerParty = 0;
    computer->announcementCount = 2;
    EXPECT_TRUE(EnabledAfterUpdate({301, 302, 303, 304}).empty());
    // Without doubling none at all.
    options_.supResup = 1;
    options_.doubleRe = 0;
    computer->announcementCount = 0;
    EXPECT_TRUE(EnabledAfterUpdate({301, 302, 303, 304}).empty());
    options_.doubleRe = 1;
    EXPECT_EQ(EnabledAfterUpdate({301}), (std::set<int>{301}));
    // Only in play, and only while the human still holds every card.
    table_->SetPhaseValue(2);
    EXPECT_TRUE(EnabledAfterUpdate({301}).empty());
    table_->SetPhaseValue(3);
    computer->seats[0].hand[0] = 0;
    EXPECT_TRUE(EnabledAfterUpdate({301}).empty());
}

TEST_F(SchafkopfInputTest, ThePubsAnyTimeRuleOpensAllFourAnnouncements) {
    SchafkopfComputerPlayer* computer = Deal();
    gStoryMode = 1;
    game_->SetRoom(4);
    gSettings->body.pubState[1] = 1 << 1;
    computer->announcementCount = 3;
    computer->seats[0].inDeclarerParty = 0;
    for (int phase : {1, 3, 4}) {
        table_->SetPhaseValue(phase);
        EXPECT_EQ(EnabledAfterUpdate({301, 302, 303, 304}), (std::set<int>{301, 302, 303, 304}))
            << "phase " << phase;
    }
    table_->SetPhaseValue(7);
    EXPECT_TRUE(EnabledAfterUpdate({301, 302, 303, 304}).empty()) << "not in the room";
}

TEST_F(SchafkopfInputTest, RestMineIsWithheldFromTheHumansOwnBeg) {
    SchafkopfComputerPlayer* computer = Deal();
    table_->SetPhaseValue(3);
    struct Case {
        GameTypeWord word;
        int declarer;
        bool restMine;
    };
    // 128 Beg, 0x10080 Beg with Tout bit, 4 Suit Solo.
    for (const Case& c : {Case{128, 0, false}, Case{128 | 0x10000, 0, false}, Case{128, 2, true},
                          Case{4, 0, true}}) {
        computer->gameType.word = c.word;
        computer->declarer = c.declarer;
        EXPECT_EQ(EnabledAfterUpdate({408}).count(408) == 1, c.restMine)
            << "word " << c.word << " declarer " << c.declarer;
    }
}

TEST_F(SchafkopfInputTest, ManualDealBeforeTheFirstTrickIsOverOutsideTheGermanCall) {
    SchafkopfComputerPlayer* computer = Deal();
    ASSERT_EQ(computer->trickNumber, 1) << "tricks count from 1";
    struct Case {
        const char* what;
        int phase, trick, mode;
        bool story;
        int room;
        bool enabled;
    };
    const Case cases[] = {
        {"the asking", 1, 1, 0, false, 0, true},
        {"the game choice", 2, 1, 0, false, 0, false},
        {"first trick", 3, 1, 0, false, 0, true},
        {"first trick, two partner cards", 3, 1, 1, false, 0, true},
        {"first trick, German call", 3, 1, 2, false, 0, false},
        {"second trick", 3, 2, 0, false, 0, false},
        {"game over", 4, 1, 0, false, 0, false},
        {"pub, host's room", 1, 1, 0, true, 1, true},
        {"pub, another room", 1, 1, 0, true, 3, false},
    };
    for (const Case& c : cases) {
        table_->SetPhaseValue(c.phase);
        computer->trickNumber = static_cast<std::int16_t>(c.trick);
        options_.partnershipMode = static_cast<std::int16_t>(c.mode);
        gStoryMode = c.story ? 1 : 0;
        game_->SetRoom(c.room);
        EXPECT_EQ(EnabledAfterUpdate({1406}).count(1406) == 1, c.enabled) << c.what;
    }
}

TEST_F(SchafkopfInputTest, SettingsFollowTheRoomTheNetworkAndThePubsF4) {
    struct Case {
        const char* what;
        bool story;
        int room;
        bool network, f4;
        bool enabled;
    };
    const Case cases[] = {
        {"plain table", false, 0, false, false, true},
        {"plain table, network flag", false, 0, true, false, true},
        {"room 1", false, 1, false, false, true},
        {"room 1, network game", false, 1, true, false, false},
        {"pub, host's room", true, 1, false, false, true},
        {"pub, host's room, network game", true, 1, true, false, false},
        {"pub table", true, 4, false, false, false},
        {"pub table, F4 held", true, 4, false, true, true},
    };
    Deal();
    table_->SetPhaseValue(3);
    for (const Case& c : cases) {
        gStoryMode = c.story ? 1 : 0;
        game_->SetRoom(c.room);
        gNetworkTableActive = c.network ? 1 : 0;
        gKeyFlags.function[3] = c.f4 ? 1 : 0;
        EXPECT_EQ(EnabledAfterUpdate({1103}).count(1103) == 1, c.enabled) << c.what;
    }
}

// The shell asks the table in its slot when a menu opens.
TEST_F(SchafkopfInputTest, OpeningAMenuAsksTheTable) {
    Deal();
    Pane* shellTable = gPaneSlots[kTableSlot];
    gPaneSlots[kTableSlot] = table_;
    for (auto [phase, newDeal] : {std::pair{3, false}, std::pair{4, true}}) {
        table_->SetPhaseValue(phase);
        SetAll(!newDeal);
        SendMessageA(gMainWindow, WM_INITMENU, reinterpret_cast<WPARAM>(menu_), 0);
        EXPECT_EQ(Enabled(406), newDeal) << "phase " << phase;
        EXPECT_EQ(Enabled(409), !newDeal) << "phase " << phase;
    }
    gPaneSlots[kTableSlot] = shellTable;
}

// ---- Keys
// ----------------------------------------------------------------------------------------

struct KeyCase {
    const char* what;
    int phase, bidding;
    std::initializer_list<int> active;
    int key;
    std::vector<int> commands;
    int toggled; // the suit button whose check the key inverted, 0 none
};

TEST_F(SchafkopfInputTest, TheBiddingKeysPressTheButtonsOfTheirPhase) {
    const KeyCase cases[] = {
        {"asking: I play", 1, 1, {130, 131}, 'y', {130}, 0},
        {"asking: No", 1, 1, {130, 131}, 'n', {131}, 0},
        {"asking: Continue", 1, 1, {141}, 'c', {141}, 0},
        {"asking: Return", 1, 1, {141}, 13, {141}, 0},
        {"asking: Enter", 1, 1, {141}, 3, {141}, 0},
        {"asking: another key", 1, 1, {130, 131, 141}, 'r', {}, 0},
        {"asking: a suit key", 1, 1, {130, 131, 135}, 'd', {}, 0},
        {"fixed partners: no bidding keys", 1, 128, {130, 131, 141}, 'y', {}, 0},
        {"auction: Yes", 2, 2, {143, 144, 142}, 'y', {143}, 0},
        {"auction: No", 2, 2, {143, 144, 142}, 'n', {144}, 0},
        {"auction: Weiter", 2, 2, {142}, 'c', {142}, 0},
        {"auction: Return", 2, 2, {142}, 13, {142}, 0},
        {"call: Diamonds", 2, 4, {135, 136, 137, 138, 140}, 'd', {135}, 135},
        {"call: Hearts", 2, 4, {135, 136, 137, 138, 140}, 'h', {136}, 136},
        {"call: Spades", 2, 4, {135, 136, 137, 138, 140}, 's', {137}, 137},
        {"call: Clubs, not Continue", 2, 4, {135, 136, 137, 138, 140, 141}, 'c', {138}, 138},
        {"call: Ready", 2, 4, {135, 136, 137, 138, 140}, 'r', {140}, 0},
        {"call: Return", 2, 4, {135, 136, 137, 138, 140}, 13, {140}, 0},
        {"choice: Good before Ready", 2, 8, {133, 139, 140}, 'r', {133}, 0},
        {"choice: Ready without Good", 2, 8, {139, 140}, 'r', {140}, 0},
        {"named: Good", 2, 16, {133, 140}, 'r', {133}, 0},
        {"named: suit", 2, 16, {133, 135, 136, 137, 138, 140}, 's', {137}, 137},
        {"choice: Return", 2, 8, {133, 139, 140}, 13, {140}, 0},
        {"wait: Return continues", 2, 32, {141}, 13, {141}, 0},
        {"wait: Continue's key does not", 2, 32, {141}, 'c', {}, 0},
        {"start of play: Ready", 2, 64, {140}, 'r', {140}, 0},
        {"start of play: no Good", 2, 64, {133, 140}, 'y', {}, 0},
        {"play: bidding keys do nothing", 3, 64, {130, 131, 140, 143}, 'y', {}, 0},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.what);
        Bidding(c.phase, c.bidding);
        ActiveItems(c.active);
        table_->HandleKey(static_cast<std::int8_t>(c.key));
        EXPECT_EQ(table_->commands, c.commands);
        for (int suit = 135; suit <= 138; ++suit)
            EXPECT_EQ(IsItemChecked(window_, suit), suit == c.toggled) << suit;
    }
}

TEST_F(SchafkopfInputTest, AKeyOfAHiddenOrDisabledButtonDoesNothing) {
    Bidding(1, 1);
    ActiveItems({131}, {130});
    table_->HandleKey('y');
    EXPECT_TRUE(table_->commands.empty()) << "I play disabled";
    ActiveItems({131});
    table_->HandleKey('y');
    EXPECT_TRUE(table_->commands.empty()) << "I play hidden";
    Bidding(2, 4);
    ActiveItems({140}, {135});
    table_->HandleKey('d');
    EXPECT_TRUE(table_->commands.empty());
    EXPECT_FALSE(IsItemChecked(window_, 135)) << "a disabled suit keeps its check";
    Bidding(2, 2);
    ActiveItems({143, 144});
    table_->HandleKey(13);
    EXPECT_TRUE(table_->commands.empty()) << "Weiter hidden";
}

TEST_F(SchafkopfInputTest, ASuitKeyTogglesItsButtonBackAndForth) {
    Bidding(2, 4);
    ActiveItems({135, 136, 137, 138, 140});
    table_->HandleKey('h');
    table_->HandleKey('h');
    EXPECT_FALSE(IsItemChecked(window_, 136));
    EXPECT_EQ(table_->commands, (std::vector<int>{136, 136}));
}

TEST_F(SchafkopfInputTest, PlusAndMinusStepTheGameList) {
    Bidding(2, 8);
    ActiveItems({139, 140});
    SendDlgItemMessageA(window_, 139, CB_RESETCONTENT, 0, 0);
    for (const char* row : {"Call Game", "Wenz", "Suit Solo"})
        SendDlgItemMessageA(window_, 139, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row));
    SendDlgItemMessageA(window_, 139, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    auto row = [&] {
        return static_cast<int>(SendDlgItemMessageA(window_, 139, CB_GETCURSEL, 0, 0));
    };
    // From no row: the first, then down to the last and no further; back up to the first.
    const std::pair<char, int> steps[] = {{'+', 0}, {'+', 1}, {'+', 2}, {'+', 2},
                                          {'-', 1}, {'-', 0}, {'-', 0}};
    for (auto [key, expected] : steps) {
        table_->HandleKey(key);
        EXPECT_EQ(row(), expected) << key;
    }
    EXPECT_EQ(table_->commands, std::vector<int>(7, 139)) << "each step tells the table";
    // Other key characters step it when the player chose them.
    options_.keys[15] = 'u';
    options_.keys[16] = 'j';
    table_->HandleKey('j');
    EXPECT_EQ(row(), 1);
    table_->HandleKey('+');
    EXPECT_EQ(row(), 1) << "'+' is no longer the key";
    // A hidden list does not move.
    HideItem(window_, 139);
    table_->HandleKey('u');
    EXPECT_EQ(row(), 1);
}

// ---- Mouse buttons
// -------------------------------------------------------------------------------

struct ClickCase {
    const char* what;
    int phase, bidding;
    std::initializer_list<int> active;
    bool waiting;
    std::vector<int> right, middle;
};

TEST_F(SchafkopfInputTest, RightAndMiddleButtonsPressTheAnswerOfTheirPhase) {
    const ClickCase cases[] = {
        {"asking", 1, 1, {130, 131, 141}, false, {130}, {131}},
        {"asking, I play answered", 1, 1, {131, 141}, false, {131}, {131}},
        {"asking, answered", 1, 1, {141}, false, {141}, {}},
        {"asking, nothing active", 1, 1, {}, false, {}, {}},
        {"auction", 2, 2, {143, 144, 142}, false, {143}, {}},
        {"auction, answered", 2, 2, {144, 142}, false, {142}, {}},
        {"call", 2, 4, {135, 140}, false, {140}, {}},
        {"choice", 2, 8, {133, 139, 140}, false, {140}, {}},
        {"fixed partners", 1, 128, {130, 131, 141}, false, {}, {}},
        {"play, trick waits", 3, 64, {115, 131}, true, {115}, {}},
        {"play, no trick waits", 3, 64, {115, 131}, false, {}, {}},
        {"game over", 4, 64, {116, 131}, false, {116}, {}},
        {"no game", 0, 0, {116, 130, 131}, false, {}, {}},
    };
    for (const ClickCase& c : cases) {
        SCOPED_TRACE(c.what);
        Bidding(c.phase, c.bidding);
        table_->trickWaiting = c.waiting ? 1 : 0;
        ActiveItems(c.active);
        table_->HandleRightClick();
        EXPECT_EQ(table_->commands, c.right) << "right";
        table_->commands.clear();
        table_->HandleMiddleClick();
        EXPECT_EQ(table_->commands, c.middle) << "middle";
    }
}

} // namespace
