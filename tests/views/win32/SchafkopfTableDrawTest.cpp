// What the Schafkopf table writes besides the four-player table, seen through the text
// recorder and read back from a surface: the result panel's headline, bill, players and extra
// points; the game line in the status bar with the texts on the plates in the first trick; the
// announcements of the current trick; the player box; and that every text lies inside its
// picture, box or bar at the three table sizes.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "games/fourplayer/GameList.h"
#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "games/fourplayer/SchafkopfController.h"
#include "media/DeckManager.h"
#include "platform/StringLists.h"
#include "platform/win32/DialogItems.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Pictures.h"
#include "records/OptionRecordLayouts.h"
#include "records/ProgramFlags.h"
#include "shell/OptionRecords.h"
#include "views/SchafkopfGameTypes.h"
#include "views/SuitNames.h"
#include "views/win32/FourTableFixture.h"
#include "views/win32/SchafkopfTableWin.h"

namespace {

const char* const kNames[4] = {"Anna", "Bert", "Carla", "Dora"};

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::string Show(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

class SchafkopfDrawTest : public FourTableTest {
  protected:
    void SetUp() override {
        FourTableTest::SetUp();
        savedVariant_ = gDeckVariant;
        savedEnglish_ = gLanguageEnglish;
        savedStory_ = gStoryMode;
        savedTableOpen_ = gFourPlayerTableOpen;
        savedTablePictures_ = gSettings->body.tablePictures;
        gSettings->body.tablePictures = 0; // no game count in the status bar
        gFourPlayerTableOpen = 1; // each seat reads its own name
        gDeckVariant = 0;
        gLanguageEnglish = 1;
        SetSchafkopfOptionDefaults(&options_);
        options_.partnershipMode = 2;
        options_.doubleRe = 1;
        options_.supResup = 1;
        options_.withLaufende = 0;
        options_.noCalledAceRules = 0;
        std::strcpy(options_.currencyName, "EUR");
        std::memset(&rules_, 0, sizeof rules_);
        rules_.seriesEnd = 1;
        game_ = std::make_unique<SchafkopfController>();
        game_->Init(&gSettings->body, &options_, &rules_, false);
        const std::uint8_t kinds[4] = {0, 1, 1, 1};
        game_->SetSeatKinds(kinds);
        for (int seat = 0; seat < 4; ++seat)
            game_->SetPlayerNameC(kNames[seat], seat);
        pane_ = new SchafkopfTableWin;
        pane_->InitSchafkopf(game_.get(), gSettings, window_, nullptr, 0, &panel_, 1);
        SetTextRecorder([this](const DrawnText& text) { texts_.push_back(text); });
    }
    void TearDown() override {
        SetTextRecorder(nullptr);
        gDeckVariant = savedVariant_;
        gLanguageEnglish = savedEnglish_;
        gStoryMode = savedStory_;
        gFourPlayerTableOpen = savedTableOpen_;
        gSettings->body.tablePictures = savedTablePictures_;
        delete pane_;
        FourTableTest::TearDown();
    }

    SchafkopfComputerPlayer& Play() { return *game_->Game(); }

    void UsePaneSize(int size) {
        gSettings->body.cardSize = static_cast<std::int16_t>(size);
        gSettings->body.ownCardsFullSize = 0;
        gSettings->ReloadCardPictures();
        pane_->LoadTableGraphics();
        RECT bounds;
        pane_->GetBounds(&bounds);
        SizeWindow(window_, bounds.right, bounds.bottom + 1);
        pane_->LayoutControls(0);
    }

    // A game in play: the word, its suit, the declarer and the parties (first two the
    // declarer's side, then the others).
    void SetGame(GameTypeWord word, int suit, int declarer, std::initializer_list<int> parties,
                 int calledSuit = -1) {
        SchafkopfComputerPlayer& g = Play();
        g.gameType = {suit, word};
        g.declarer = declarer;
        int i = 0;
        for (int& p : std::vector<int>{-1, -1, -1, -1, -1})
            g.partyLists[i++] = static_cast<std::int16_t>(p);
        i = 0;
        for (int p : parties)
            g.partyLists[i++] = static_cast<std::int16_t>(p);
        for (int seat = 0; seat < 4; ++seat)
            g.seats[seat].inDeclarerParty = 0;
        for (int k = 0; k < 2; ++k)
            if (g.partyLists[k] >= 0)
                g.seats[g.partyLists[k]].inDeclarerParty = 1;
        g.calledSuit = static_cast<std::int16_t>(calledSuit);
        g.announcementCount = 0;
        g.bonusCount = 0;
        g.trickNumber = 3;
    }
    void Announce(int kind, int seat, int trick = 3) {
        SchafkopfComputerPlayer& g = Play();
        AnnouncementEntry& entry = g.announcements[g.announcementCount++];
        entry = {};
        entry.kind = static_cast<std::int16_t>(kind);
        entry.seat = static_cast<std::int16_t>(seat);
        entry.trick = static_cast<std::int16_t>(trick);
    }
    void SetBill(int winner, int second, int cardPoints, int perOpponent = 0) {
        GameBill& bill = game_->bill;
        bill = {};
        bill.listedSeats[0] = static_cast<std::int16_t>(winner);
        bill.listedSeats[1] = static_cast<std::int16_t>(second);
        bill.listedSeats[2] = -1;
        bill.cardPoints = static_cast<std::int16_t>(cardPoints);
        bill.perOpponent = static_cast<std::int16_t>(perOpponent);
    }
    void AddItem(int kind, int value) {
        GameBill& bill = game_->bill;
        bill.items[bill.itemCount++] = {static_cast<std::int16_t>(kind),
                                        static_cast<std::int16_t>(value)};
    }

    std::string GameName(GameTypeWord word, int suit) {
        char text[256];
        FormatGameType(text, word, suit, nullptr, &options_);
        return text;
    }
    std::string SuitName(int suit) {
        char text[256];
        GetIndString(text, 1501, static_cast<std::int16_t>(SuitNameIndex(gSettings, suit)));
        return text;
    }

    // The result panel drawn; its rectangle.
    RECT DrawResult() {
        texts_.clear();
        pane_->SetPhaseValue(4);
        RECT rect;
        pane_->DrawResult(&rect);
        return rect;
    }
    // The texts of the headline (the large Courier texts), joined, and the names among them.
    std::string Headline(int v) const {
        std::string line;
        for (const DrawnText& t : texts_)
            if (t.font == kFontCourierNew && t.v == v)
                line += t.text;
        return line;
    }
    std::vector<std::string> Underlined() const {
        std::vector<std::string> names;
        for (const DrawnText& t : texts_)
            if (t.face & kStyleUnderline)
                names.push_back(t.text);
        return names;
    }
    const DrawnText* Find(const std::string& text, int from = 0) const {
        for (std::size_t i = static_cast<std::size_t>(from); i < texts_.size(); ++i)
            if (texts_[i].text == text)
                return &texts_[i];
        return nullptr;
    }
    // The texts drawn on one base line from h on and up to right, joined from left to right.
    std::string LineFrom(int h, int v, int right = 1 << 30) const {
        std::vector<const DrawnText*> line;
        for (const DrawnText& t : texts_)
            if (t.v == v && t.h >= h && t.box.right <= right)
                line.push_back(&t);
        std::stable_sort(line.begin(), line.end(),
                         [](const DrawnText* a, const DrawnText* b) { return a->h < b->h; });
        std::string text;
        for (const DrawnText* t : line)
            text += t->text;
        return text;
    }
    RECT PictureAt(HBITMAP picture, int left, int top) {
        RECT r = {0, 0, 0, 0};
        if (picture)
            GetPictureBounds(picture, &r);
        OffsetRect(&r, left, top);
        return r;
    }
    RECT BillRect(const RECT& panel) {
        RECT size = PictureAt(pane_->resultPictures[2], 0, 0);
        return PictureAt(pane_->resultPictures[2], panel.right - 11 - size.right,
                         panel.bottom - 35 - size.bottom);
    }

    std::int16_t savedVariant_ = 0, savedTablePictures_ = 0;
    std::uint8_t savedEnglish_ = 0, savedStory_ = 0, savedTableOpen_ = 1;
    SchafkopfOptions options_{};
    DoppelkopfOptions rules_{};
    std::unique_ptr<SchafkopfController> game_;
    SchafkopfTableWin* pane_ = nullptr;
    std::vector<DrawnText> texts_;
};

// ---- The result panel ----------------------------------------------------------------------

struct HeadlineCase {
    const char* what;
    GameTypeWord word;
    int suit, mode, allPassRule, declarer;
    std::initializer_list<int> parties;
    int winner, second, cardPoints, perOpponent;
    std::string headline; // "%g" stands for the game's name
    std::string points;   // empty: no points line
    std::vector<std::string> underlined;
};

TEST_F(SchafkopfDrawTest, TheHeadlineNamesTheWinnersAndThePointsOfTheGame) {
    const HeadlineCase cases[] = {
        {"won solo", kWordSuitSolo, 1, 2, 0, 2, {2}, 2, -1, 75, 0, "Won: Carla with a %g.",
         "Points: 75", {"Carla"}},
        {"lost solo: the declarer's points", kWordSuitSolo, 3, 2, 0, 2, {2, -1, 0, 1, 3}, 0, 1, 70,
         0, "Lost: Carla with a %g.", "Points: 50", {"Carla"}},
        {"beg: no points", kWordNoTrumps, 4, 2, 0, 1, {1, -1, 0, 2, 3}, 0, 2, 0, 0,
         "Lost: Bert with a %g.", "", {"Bert"}},
        {"won Call Game", kWordNormal, 1, 2, 0, 1, {1, 3, 0, 2}, 1, 3, 68, 0,
         "Won:  Bert and Dora.", "Points: 68", {"Bert", "Dora"}},
        {"lost Call Game: the defenders win", kWordNormal, 1, 2, 0, 1, {1, 3, 0, 2}, 0, 2, 80, 0,
         "Won:  Anna and Carla.", "Points: 80", {"Anna", "Carla"}},
        {"Ramsch", kModExchange | kWordNormal, 1, 2, 2, -1, {}, 3, -1, 0, 0,
         "Lost: Dora with a %g.", "", {"Dora"}},
        {"Leaster", kModExchange | kWordNormal, 1, 2, 3, -1, {}, 1, -1, 0, 0,
         "Won: Bert with a %g.", "", {"Bert"}},
        {"Ramsch: shot the moon", kModExchange | kWordNormal, 1, 2, 2, -1, {}, 0, -1, 0, 1,
         "Won: Anna with a Shot the moon..", "", {"Anna"}},
        {"fixed partners at 60", kWordNormal, 1, 0, 0, 0, {0, 2, 1, 3}, 0, 2, 60, 0,
         "No decision.  Both sides had 60 card points.", "", {}},
    };
    for (const HeadlineCase& c : cases) {
        options_.partnershipMode = static_cast<std::int16_t>(c.mode);
        options_.allPassRule = static_cast<std::int16_t>(c.allPassRule);
        SetGame(c.word, c.suit, c.declarer, c.parties);
        SetBill(c.winner, c.second, c.cardPoints, c.perOpponent);
        AddItem(kBillGameValue, 10);
        const RECT panel = DrawResult();
        std::string expected = c.headline;
        if (const auto at = expected.find("%g"); at != std::string::npos)
            expected.replace(at, 2, GameName(c.word, c.suit));
        EXPECT_EQ(Headline(panel.top + 42), expected) << c.what;
        EXPECT_EQ(Headline(panel.top + 62), c.points) << c.what;
        EXPECT_EQ(Underlined(), c.underlined) << c.what;
        const DrawnText* first = texts_.empty() ? nullptr : &texts_.front();
        ASSERT_NE(first, nullptr) << c.what;
        EXPECT_EQ(first->h, panel.left + 120) << c.what;
        EXPECT_EQ(first->size, 12) << c.what;
        EXPECT_NE(Find("Point evaluation of winner(s)"), nullptr) << c.what << ": the bill";
    }
}

TEST_F(SchafkopfDrawTest, ADealNobodyPlayedShowsOnlyTheNewDealLine) {
    options_.allPassRule = 0;
    SetGame(kModExchange, 4, -1, {});
    SetBill(-1, -1, 0);
    DrawResult();
    ASSERT_EQ(texts_.size(), 1u);
    EXPECT_EQ(texts_[0].text, "No one wanted to play.  New Deal!");
}

TEST_F(SchafkopfDrawTest, BillRowsShowLabelsAndRightAlignedValuesWithPotAndBock) {
    SetGame(kWordNormal, 1, 1, {1, 3, 0, 2}, 2);
    SetBill(1, 3, 70);
    struct Row {
        int kind, value;
        const char* label; // nullptr: none
        const char* shown;
        int right; // the value's right edge from the picture's left
    };
    const Row rows[] = {
        {kBillGameValue, 20, "wins", "20", 233},
        {kBillSchneider, 10, "Schneider played", "10", 233},
        {kBillTout, 30, nullptr, "30", 233},
        {kBillRe, 40, "'Re' announced", "40", 233},
        {kBillContra, 20, "'Contra' announced", "20", 233},
        {kBillLaufende, 30, "Laufende bei Tout/Sie", "30", 233},
        {kBillPot + 2 * kBillSeatStep, 40, "(Pot)", "(40)", 220},
        {kBillSupra, 80, "'Supra' announced", "80", 233},
        {kBillResupra, 160, "'Resupra' announced", "160", 233},
        {kBillExtras, -5, "Extras", "-5", 233},
        {kBillBock, 0, "Bock rounds", "2 *", 233},
    };
    for (const Row& row : rows)
        AddItem(row.kind, row.value);
    game_->bill.value = 345;
    const RECT panel = DrawResult();
    const RECT bill = BillRect(panel);
    ASSERT_GT(bill.right - bill.left, 0) << "picture 3206";
    const DrawnText* header = Find("Point evaluation of winner(s)");
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->h, bill.left + 7);
    EXPECT_EQ(header->v, bill.top + 14);
    const DrawnText* number = Find("Num.");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->h, bill.right - 35);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const int v = bill.top + 28 + 13 * static_cast<int>(i);
        const std::string what = "row " + std::to_string(i);
        std::vector<const DrawnText*> onRow;
        for (const DrawnText& t : texts_)
            if (t.v == v && t.box.left >= bill.left && t.box.right <= bill.right)
                onRow.push_back(&t);
        const DrawnText* value = nullptr;
        const DrawnText* label = nullptr;
        for (const DrawnText* t : onRow)
            (t->h == bill.left + 7 ? label : value) = t;
        if (rows[i].label) {
            ASSERT_NE(label, nullptr) << what;
            EXPECT_EQ(label->text, rows[i].label) << what;
        } else {
            EXPECT_EQ(label, nullptr) << what << ": a kind without a label";
        }
        ASSERT_NE(value, nullptr) << what;
        EXPECT_EQ(value->text, rows[i].shown) << what;
        EXPECT_EQ(value->box.right, bill.left + rows[i].right) << what << " right-aligned";
    }
    const DrawnText* sum = Find("Sum:EUR:");
    ASSERT_NE(sum, nullptr);
    EXPECT_EQ(sum->box.right, bill.left + 100);
    EXPECT_EQ(sum->v, bill.top + 172);
    EXPECT_EQ(LineFrom(bill.left + 101, bill.top + 172), "345");
    const DrawnText* total = Find("345");
    ASSERT_NE(total, nullptr);
    EXPECT_EQ(total->box.right, bill.left + 233);
}

TEST_F(SchafkopfDrawTest, PlayersTableShowsPointsTheCallersStarAndEachSeatsFirstWord) {
    struct Case {
        const char* what;
        int mode, calledSuit;
        bool star;
    };
    const Case cases[] = {{"German call", 2, 2, true},
                          {"two partner cards with a called suit", 1, 2, true},
                          {"two partner cards without", 1, -1, false},
                          {"fixed partners", 0, -1, false}};
    for (const Case& c : cases) {
        options_.partnershipMode = static_cast<std::int16_t>(c.mode);
        SetGame(kWordNormal, 1, 1, {1, 3, 0, 2}, c.calledSuit);
        const std::int16_t points[4] = {17, 44, 20, 39};
        std::memcpy(Play().cardPoints, points, sizeof points);
        // Contra by Carla, Re by Dora, Supra by Anna (a defender), Resupra by Bert, and a later
        // Re of Carla's that the table leaves out.
        Announce(0, 2);
        Announce(1, 3);
        Announce(8, 0);
        Announce(9, 1);
        Announce(1, 2);
        SetBill(1, 3, 83);
        AddItem(kBillGameValue, 10);
        const RECT panel = DrawResult();
        const DrawnText* header = Find("Player");
        ASSERT_NE(header, nullptr) << c.what;
        const int left = header->h - 7, top = header->v - 14;
        EXPECT_EQ(left, panel.left + 11) << c.what;
        EXPECT_EQ(top, BillRect(panel).top) << c.what << ": level with the bill";
        const RECT table = PictureAt(pane_->resultPictures[1], left, top);
        const DrawnText* cardPoints = Find("Card Points");
        ASSERT_NE(cardPoints, nullptr);
        EXPECT_EQ(cardPoints->h, left + 149) << "English resources";
        const DrawnText* announce = Find("Announce");
        ASSERT_NE(announce, nullptr);
        EXPECT_EQ(announce->h, table.right - 90);
        const char* words[4] = {"Contra", "Re", "Contra", "Re"};
        for (int seat = 0; seat < 4; ++seat) {
            const int v = top + 28 + 13 * seat;
            const std::string what = std::string(c.what) + " seat " + std::to_string(seat);
            EXPECT_EQ(LineFrom(left, v, left + 171), kNames[seat]) << what;
            std::string shown = std::to_string(points[seat]);
            if (c.star && seat == 1)
                shown += "*";
            EXPECT_EQ(LineFrom(left + 171, v, table.right - 148), shown) << what;
            EXPECT_EQ(LineFrom(table.right - 147, v, table.right), words[seat]) << what;
        }
    }
}

TEST_F(SchafkopfDrawTest, TheFoxCatchersShowOnlyWhenTheRulesWantTheExtrasRow) {
    SetGame(kWordNormal, 1, 1, {1, 3, 0, 2}, 2);
    SchafkopfComputerPlayer& g = Play();
    g.bonuses[0] = {1, 1};
    g.bonuses[1] = {2, 2};
    g.bonuses[2] = {3, 1};
    g.bonusCount = 3;
    SetBill(1, 3, 70);
    AddItem(kBillGameValue, 10);
    options_.withLaufende = 0;
    ASSERT_FALSE(game_->WantsExtrasItem());
    DrawResult();
    EXPECT_EQ(Find("Caught Trumps Ace (Fox)"), nullptr);
    EXPECT_EQ(Find("Extra points"), nullptr);

    options_.withLaufende = 1;
    ASSERT_TRUE(game_->WantsExtrasItem());
    const RECT panel = DrawResult();
    const RECT extras = PictureAt(pane_->resultPictures[0], panel.left + 11, 0);
    const int top = panel.bottom - 35 - (extras.bottom - extras.top);
    const DrawnText* label = Find("Caught Trumps Ace (Fox)");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->h, panel.left + 18);
    EXPECT_EQ(label->v, top + 28);
    EXPECT_EQ(LineFrom(extras.right - 149, top + 28, extras.right), "Bert, Dora");
    const DrawnText* heading = Find("Extra points");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->h, panel.left + 18);
    EXPECT_EQ(heading->v, top + 14);
    const DrawnText* who = Find("Who won?");
    ASSERT_NE(who, nullptr);
    EXPECT_EQ(who->h, extras.right - 137);

    SetGame(kWordSuitSolo, 1, 1, {1});
    g.bonuses[0] = {1, 1};
    g.bonusCount = 1;
    DrawResult();
    EXPECT_EQ(Find("Caught Trumps Ace (Fox)"), nullptr) << "a solo has no extras row";
}

// A settled game: a won solo through the controller's own settlement; the player box then
// shows the soloist's balance from the game list (three times the bill, from each opponent).
TEST_F(SchafkopfDrawTest, ASettledSoloShowsItsBillSumAndTheBalanceInThePlayerBox) {
    SetGame(kWordSuitSolo, 1, 2, {2, -1, 0, 1, 3});
    const std::int16_t points[4] = {10, 15, 80, 15};
    const std::int16_t tricks[4] = {1, 1, 5, 1};
    std::memcpy(Play().cardPoints, points, sizeof points);
    std::memcpy(Play().tricksWon, tricks, sizeof tricks);
    game_->EndGame(0, 0);
    const GameBill& bill = game_->bill;
    ASSERT_EQ(bill.listedSeats[0], 2) << "the soloist won with 80";
    const RECT panel = DrawResult();
    EXPECT_EQ(Headline(panel.top + 42), "Won: Carla with a " + GameName(kWordSuitSolo, 1) + ".");
    EXPECT_EQ(Headline(panel.top + 62), "Points: 80");
    const RECT billRect = BillRect(panel);
    const DrawnText* sum = Find(std::to_string(bill.value), 0);
    ASSERT_NE(sum, nullptr);
    bool found = false;
    for (const DrawnText& t : texts_)
        found = found || (t.v == billRect.top + 172 && t.text == std::to_string(bill.value) &&
                          t.box.right == billRect.left + 233);
    EXPECT_TRUE(found) << "the Sum line's value";

    const std::int32_t total = GameListHead(game_->gameListHandle)->totals[2];
    EXPECT_EQ(total, 3 * bill.value) << "the soloist wins the value from each opponent";
    pane_->SetPhaseValue(4);
    texts_.clear();
    pane_->ShowPlayerBox(4 + 2);
    EXPECT_NE(Find("Current Balance: " + std::to_string(total)), nullptr);
    pane_->HidePlayerBox();
}

// ---- The game line -------------------------------------------------------------------------

TEST_F(SchafkopfDrawTest, TheGameLineNamesGamePartiesAnnouncementsBockAndClaims) {
    struct Case {
        const char* what;
        int mode;
        GameTypeWord word;
        int suit, declarer;
        std::initializer_list<int> parties;
        int called;
        int bock, claimMade, claimSeat;
        bool announce;
        std::string expected; // %g the game, %s the called suit's name
    };
    const Case cases[] = {
        {"Call Game, partner known", 2, kWordNormal, 1, 1, {1, 3, 0, 2}, 2, 1, 1, 0, true,
         "Game: %g (Bert), I call %s-Ace(Dora), Contra (Carla), Re (Bert), Bock round, Rest mine"},
        {"Call Game, partner unknown", 2, kWordNormal, 1, 1, {1, -1}, 0, 0, 1, 2, false,
         "Game: %g (Bert), I call %s-Ace, Remaining cards"},
        {"Call Game with fixed partners", 0, kWordNormal, 1, 0, {0, 2, 1, 3}, -1, 0, 0, 0, false,
         "Game: %g (Anna)"},
        {"1st Trick", 2, kWordMarriage, 1, 3, {3, 1}, -1, 0, 0, 0, false,
         "Game: %g (Dora)(Bert)"},
        {"Jacks Solo", 2, kWordUnterSolo, 4, 3, {3}, -1, 0, 0, 0, false, "Game: %g (Dora)"},
        {"suit solo", 2, kWordSuitSolo, 0, 2, {2}, -1, 0, 0, 0, false, "Game: %g (Carla)"},
    };
    UsePaneSize(1);
    gDeckVariant = 0; // the deck's names of the suits: the line shows the suit's mark
    for (const Case& c : cases) {
        options_.partnershipMode = static_cast<std::int16_t>(c.mode);
        SetGame(c.word, c.suit, c.declarer, c.parties, c.called);
        if (c.announce) {
            Announce(0, 2);
            Announce(1, 1);
        }
        game_->bockGamesLeft = static_cast<std::int16_t>(c.bock);
        game_->claimMade = static_cast<std::int16_t>(c.claimMade);
        game_->claimSeat = static_cast<std::int16_t>(c.claimSeat);
        texts_.clear();
        pane_->DrawGameInfo(0, 0);
        RECT bar;
        pane_->GetStatusBarRect(&bar);
        // A game whose name takes a suit shows the suit's mark, with four blanks to make room.
        bool needsSuit = false;
        GameTypeNameIndex(c.word, &needsSuit, &options_);
        std::string game = GameName(c.word, c.suit);
        if (needsSuit && c.suit < 4)
            game = "    " + game;
        std::string expected = c.expected;
        if (const auto at = expected.find("%g"); at != std::string::npos)
            expected.replace(at, 2, game);
        if (const auto at = expected.find("%s"); at != std::string::npos)
            expected.replace(at, 2, SuitName(c.called));
        ASSERT_FALSE(texts_.empty()) << c.what;
        EXPECT_EQ(texts_.front().h, bar.left + 7) << c.what;
        EXPECT_EQ(texts_.front().v, bar.bottom - 4) << c.what << ": base line at size 1";
        EXPECT_EQ(LineFrom(bar.left, bar.bottom - 4), expected) << c.what;
    }
    bool needsSuit = false;
    GameTypeNameIndex(kWordSuitSolo, &needsSuit, &options_);
    EXPECT_TRUE(needsSuit) << "the suit solo's name takes its suit, so its line shows the mark";
}

TEST_F(SchafkopfDrawTest, AGameLineTooLongForTheBarIsCutBeforeTheSideColumn) {
    game_->SetPlayerNameC("Carla Maximiliane Henriette von und zu Oberammergau-Partenkirchen", 2);
    SetGame(kWordNormal, 1, 1, {1, 3, 0, 2}, 2);
    for (int kind : {0, 1, 8, 9})
        Announce(kind, kind == 0 || kind == 8 ? 2 : 3);
    game_->bockGamesLeft = 1;
    for (int size : {0, 1, 2}) {
        UsePaneSize(size);
        texts_.clear();
        pane_->DrawGameInfo(0, 0);
        RECT bar;
        pane_->GetStatusBarRect(&bar);
        const int limit = bar.right - 5 - pane_->GetSideColumnWidth();
        ASSERT_FALSE(texts_.empty());
        const DrawnText& last = texts_.back();
        EXPECT_GE(last.text.size(), 3u);
        EXPECT_EQ(last.text.substr(last.text.size() - 3), "...") << size << " " << last.text;
        for (const DrawnText& t : texts_)
            EXPECT_LE(t.box.right, limit) << size << " " << t.text;
        EXPECT_EQ(Find("Bock round"), nullptr) << size << ": nothing after the cut";
    }
}

TEST_F(SchafkopfDrawTest, TheFirstTrickWritesTheSoloAndTheCalledAceOnThePlates) {
    UsePaneSize(1);
    struct Case {
        const char* what;
        GameTypeWord word;
        int suit, declarer;
        std::initializer_list<int> parties;
        int called, trick, boxes;
        std::vector<std::pair<int, std::string>> plates; // seat, text; %g the game
    };
    const Case cases[] = {
        {"a computer's solo", kWordSuitSolo, 1, 3, {3}, -1, 1, 0, {{3, "%g"}}},
        {"the human's solo", kWordSuitSolo, 1, 0, {0}, -1, 1, 0, {}},
        {"a Call Game", kWordNormal, 1, 2, {2, -1}, 3, 1, 0, {{2, "I call %s-Ace"}}},
        {"a later trick", kWordSuitSolo, 1, 3, {3}, -1, 2, 0, {}},
        {"a box already recorded", kWordSuitSolo, 1, 3, {3}, -1, 1, 1, {}},
    };
    for (const Case& c : cases) {
        SetGame(c.word, c.suit, c.declarer, c.parties, c.called);
        Play().trickNumber = static_cast<std::int16_t>(c.trick);
        ClearTransientBoxes(pane_);
        for (int i = 0; i < c.boxes; ++i) {
            RECT r = {1, 1, 2, 2};
            pane_->RecordTransientBox(&r);
        }
        texts_.clear();
        pane_->DrawGameInfo(0, 0);
        RECT bar;
        pane_->GetStatusBarRect(&bar);
        std::vector<std::pair<int, std::string>> seen;
        for (const DrawnText& t : texts_) {
            if (t.box.top >= bar.top)
                continue; // the game line
            for (int seat = 0; seat < 4; ++seat) {
                RECT plate;
                pane_->GetElementRect(36 + seat, &plate);
                if (t.box.left >= plate.left - 2 && t.box.right <= plate.right + 2 &&
                    t.v > plate.top && t.v <= plate.bottom)
                    seen.emplace_back(seat, t.text);
            }
        }
        std::vector<std::pair<int, std::string>> expected;
        for (auto [seat, text] : c.plates) {
            if (const auto at = text.find("%g"); at != std::string::npos)
                text.replace(at, 2, GameName(c.word, c.suit));
            if (const auto at = text.find("%s"); at != std::string::npos)
                text.replace(at, 2, SuitName(c.called));
            expected.emplace_back(seat, text);
        }
        EXPECT_EQ(seen, expected) << c.what;
        EXPECT_EQ(pane_->transientBoxCount, c.boxes + static_cast<int>(expected.size())) << c.what;
    }
    ClearTransientBoxes(pane_);
}

TEST_F(SchafkopfDrawTest, AnnouncementsOfTheCurrentTrickGoOnTheComputerSeatsPlates) {
    UsePaneSize(1);
    SetGame(kWordNormal, 1, 1, {1, 3, 0, 2}, 2);
    Play().trickNumber = 4;
    Announce(0, 2, 3); // an earlier trick
    Announce(1, 1, 4);
    Announce(8, 0, 4); // the human's own
    Announce(9, 3, 4);
    ClearTransientBoxes(pane_);
    RECT r = {1, 1, 2, 2};
    pane_->RecordTransientBox(&r); // keeps the first-trick texts away
    texts_.clear();
    pane_->ShowAnnouncements();
    RECT bar;
    pane_->GetStatusBarRect(&bar);
    std::vector<std::string> onPlates;
    for (const DrawnText& t : texts_)
        if (t.box.bottom <= bar.top)
            onPlates.push_back(t.text);
    EXPECT_EQ(onPlates, (std::vector<std::string>{"Re", "Resupra"}));
    const DrawnText* re = nullptr;
    for (const DrawnText& t : texts_)
        if (t.text == "Re" && t.box.bottom <= bar.top)
            re = &t;
    ASSERT_NE(re, nullptr);
    RECT plate;
    pane_->GetElementRect(33, &plate);
    EXPECT_GE(re->box.left, plate.left);
    EXPECT_LE(re->box.right, plate.right);
    EXPECT_EQ(pane_->transientBoxCount, 3);
    EXPECT_NE(LineFrom(bar.left, bar.bottom - 4).find("Resupra (Dora)"), std::string::npos)
        << "the game line is drawn again";
    ClearTransientBoxes(pane_);
}

TEST_F(SchafkopfDrawTest, TheBockNoteStandsWhereTheGameLineStarts) {
    UsePaneSize(2);
    RECT bar;
    pane_->GetStatusBarRect(&bar);
    game_->bockGamesLeft = 0;
    texts_.clear();
    pane_->DrawBiddingStatus();
    EXPECT_TRUE(texts_.empty());
    game_->bockGamesLeft = 2;
    pane_->DrawBiddingStatus();
    ASSERT_EQ(texts_.size(), 1u);
    EXPECT_EQ(texts_[0].text, "Bock rounds");
    EXPECT_EQ(texts_[0].h, bar.left + 7);
    EXPECT_EQ(texts_[0].v, bar.bottom - 8);
    EXPECT_EQ(texts_[0].size, 12) << "the small style at size 2";
}

// ---- The player box ------------------------------------------------------------------------

TEST_F(SchafkopfDrawTest, ThePlayerBoxListsTheSeatsFiguresByPhaseAndRoom) {
    UsePaneSize(1);
    SetGame(kWordNormal, 1, 1, {1, 3, 0, 2}, 2);
    SchafkopfComputerPlayer& g = Play();
    const std::int16_t points[4] = {10, 20, 30, 40};
    std::memcpy(g.cardPoints, points, sizeof points);
    std::memset(g.playedCounts, 0, sizeof g.playedCounts);
    g.playedCounts[0][kTrumpGroup] = 1;
    g.playedCounts[1][kTrumpGroup] = 2;
    g.playedCounts[3][kTrumpGroup] = 1;
    game_->soloCounts[0] = 2;
    game_->dealer = 3;
    GameListHead(game_->gameListHandle)->totals[0] = -30;
    GameListHead(game_->gameListHandle)->totals[1] = 50;
    struct Case {
        const char* what;
        int element, phase, room;
        bool story;
        std::vector<std::string> lines; // base lines 20, 35, ... from the box's top
    };
    const Case cases[] = {
        {"a defender in play: partner points and trumps of the Call Game", 4, 3, 1, false,
         {"Anna", "Solos: 2", "Game points: 10", "Partner Card Points: 30", "Current Balance: -30",
          "Trumps:  4/14"}},
        {"the declarer: no partner line", 5, 3, 1, false,
         {"Bert", "Solos: 0", "Game points: 20", "Current Balance: 50", "Trumps:  4/14"}},
        {"after the game: no trumps", 5, 4, 1, false,
         {"Bert", "Solos: 0", "Game points: 20", "Current Balance: 50"}},
        {"pub room 5 hides the figures", 6, 3, 5, true,
         {"Carla", "Solos: 0", "Game points: ---", "Partner Card Points: ---",
          "Current Balance: 0", "Trumps: ---"}},
    };
    for (const Case& c : cases) {
        gStoryMode = c.story ? 1 : 0;
        game_->room = static_cast<std::int16_t>(c.room);
        pane_->SetPhaseValue(c.phase);
        pane_->HidePlayerBox();
        texts_.clear();
        pane_->ShowPlayerBox(c.element);
        const RECT box = pane_->playerBoxRect;
        ASSERT_GT(box.right - box.left, 0) << c.what;
        std::vector<std::string> lines;
        for (const DrawnText& t : texts_) {
            EXPECT_EQ(t.h, box.left + 14) << c.what << " " << t.text;
            EXPECT_EQ(t.v, box.top + 20 + 15 * static_cast<int>(lines.size())) << c.what << " " << t.text;
            EXPECT_EQ(t.font, kFontArial);
            EXPECT_EQ(t.size, 10);
            lines.push_back(t.text);
        }
        EXPECT_EQ(lines, c.lines) << c.what;
    }
    gStoryMode = 0;
    pane_->HidePlayerBox();
}

TEST_F(SchafkopfDrawTest, TheSoloistsBoxIsMarkedAndThePubShowsTheStakes) {
    UsePaneSize(1);
    SetGame(kWordSuitSolo, 1, 0, {0, -1, 1, 2, 3});
    pane_->SetPhaseValue(4);
    for (const auto& [english, mark] : {std::pair{1, "*S*"}, std::pair{0, "Solo"}}) {
        gLanguageEnglish = static_cast<std::uint8_t>(english);
        pane_->HidePlayerBox();
        texts_.clear();
        pane_->ShowPlayerBox(4);
        const RECT box = pane_->playerBoxRect;
        const DrawnText* found = Find(mark);
        ASSERT_NE(found, nullptr) << mark;
        EXPECT_EQ(found->v, box.top + 20 + 15 * 4) << "after the balance";
    }
    gLanguageEnglish = 1;
    gStoryMode = 1;
    game_->room = 2;
    gSettings->body.roomStake = 250;
    pane_->HidePlayerBox();
    texts_.clear();
    pane_->ShowPlayerBox(4);
    gStoryMode = 0;
    const RECT box = pane_->playerBoxRect;
    ASSERT_GE(texts_.size(), 2u);
    const DrawnText& stakes = texts_[texts_.size() - 2];
    const DrawnText& wager = texts_.back();
    EXPECT_EQ(stakes.text.rfind("Stakes:", 0), 0u) << stakes.text;
    EXPECT_NE(stakes.text.find(" EUR"), std::string::npos) << stakes.text;
    EXPECT_EQ(stakes.v, box.top + 20 + 15 * 4 + 20);
    EXPECT_EQ(wager.text, "my wager:    2.50");
    EXPECT_EQ(wager.v, stakes.v + 15);
    pane_->HidePlayerBox();
}

// ---- Everything inside its place at every size ---------------------------------------------

// Draws the panel or the box onto a surface and reads it back: every pixel of text (pure
// black, which no picture holds) lies inside a recorded text's box, and every recorded box
// lies inside its picture, box or bar.
TEST_F(SchafkopfDrawTest, EveryTextLiesInsideItsPictureBoxOrBarAtEverySize) {
    options_.withLaufende = 1;
    for (int size : {0, 1, 2}) {
        UsePaneSize(size);
        const std::string at = "size " + std::to_string(size);
        RECT client;
        GetClientRect(window_, &client);
        Surface surface(client.right, client.bottom);
        auto blackOutside = [&](const std::vector<RECT>& boxes) {
            int outside = 0;
            for (int y = 0; y < surface.height(); ++y)
                for (int x = 0; x < surface.width(); ++x) {
                    if (surface.At(x, y) != 0)
                        continue;
                    bool in = false;
                    // A glyph's edge may reach one pixel past its advance.
                    for (const RECT& b : boxes)
                        in = in || (x >= b.left - 1 && x <= b.right && y >= b.top && y < b.bottom);
                    outside += in ? 0 : 1;
                }
            return outside;
        };

        // The result panel of a Call Game with every table.
        SetGame(kWordNormal, 1, 1, {1, 3, 0, 2}, 2);
        Announce(0, 0);
        Announce(1, 1);
        Play().bonuses[0] = {2, 1};
        Play().bonusCount = 1;
        SetBill(1, 3, 91);
        for (int kind : {kBillGameValue, kBillSchneider, kBillLaufende, kBillContra, kBillRe,
                         kBillPot, kBillExtras, kBillBock})
            AddItem(kind, 120);
        game_->bill.value = -999;
        surface.Clear(RGB(1, 2, 3));
        surface.Begin();
        const RECT panel = DrawResult();
        surface.End();
        std::vector<RECT> boxes;
        const RECT bill = BillRect(panel);
        const RECT players = PictureAt(pane_->resultPictures[1], panel.left + 11, bill.top);
        RECT extras = PictureAt(pane_->resultPictures[0], panel.left + 11, 0);
        OffsetRect(&extras, 0, panel.bottom - 35 - extras.bottom);
        ASSERT_GT(texts_.size(), 20u) << at;
        for (const DrawnText& t : texts_) {
            boxes.push_back(t.box);
            EXPECT_TRUE(Inside(t.box, panel)) << at << " " << t.text << " " << Show(t.box);
            if (t.font == kFontCourierNew)
                continue; // the headline
            EXPECT_TRUE(Inside(t.box, bill) || Inside(t.box, players) || Inside(t.box, extras))
                << at << " " << t.text << " " << Show(t.box);
        }
        EXPECT_TRUE(Inside(bill, panel) && Inside(players, panel) && Inside(extras, panel)) << at;
        RECT meet;
        EXPECT_FALSE(IntersectRect(&meet, &players, &bill)) << at;
        EXPECT_FALSE(IntersectRect(&meet, &players, &extras)) << at;
        EXPECT_EQ(blackOutside(boxes), 0) << at << ": ink outside the recorded texts";
        int ink = 0;
        const DrawnText* header = Find("Point evaluation of winner(s)");
        ASSERT_NE(header, nullptr);
        for (int y = header->box.top; y < header->box.bottom; ++y)
            for (int x = header->box.left; x < header->box.right; ++x)
                ink += surface.At(x, y) == 0 ? 1 : 0;
        EXPECT_GT(ink, 20) << at << ": the bill's header is drawn where it was recorded";

        // The player box of a defender in the pub, the longest box there is.
        gStoryMode = 1;
        game_->room = 2;
        pane_->SetPhaseValue(3);
        for (int element = 4; element <= 7; ++element) {
            pane_->HidePlayerBox();
            surface.Clear(RGB(1, 2, 3));
            texts_.clear();
            surface.Begin();
            pane_->ShowPlayerBox(element);
            surface.End();
            const RECT box = pane_->playerBoxRect;
            boxes.clear();
            for (const DrawnText& t : texts_) {
                boxes.push_back(t.box);
                EXPECT_TRUE(Inside(t.box, box))
                    << at << " element " << element << " " << t.text << " " << Show(t.box);
            }
            EXPECT_GE(texts_.size(), 5u) << at << " element " << element;
            EXPECT_EQ(blackOutside(boxes), 0) << at << " element " << element;
        }
        gStoryMode = 0;
        pane_->HidePlayerBox();

        // The game line with a long list of announcements.
        SetGame(kWordNormal, 1, 1, {1, 3, 0, 2}, 2);
        for (int kind : {0, 1, 8, 9})
            Announce(kind, kind == 0 || kind == 8 ? 2 : 3);
        game_->bockGamesLeft = 1;
        game_->claimMade = 1;
        game_->claimSeat = 2;
        ClearTransientBoxes(pane_);
        RECT none = {1, 1, 2, 2};
        pane_->RecordTransientBox(&none);
        surface.Clear(RGB(1, 2, 3));
        texts_.clear();
        surface.Begin();
        pane_->DrawGameInfo(0, 0);
        surface.End();
        RECT bar;
        pane_->GetStatusBarRect(&bar);
        boxes.clear();
        for (const DrawnText& t : texts_) {
            boxes.push_back(t.box);
            EXPECT_TRUE(Inside(t.box, bar)) << at << " " << t.text << " " << Show(t.box);
        }
        EXPECT_EQ(blackOutside(boxes), 0) << at;
        game_->bockGamesLeft = 0;
        game_->claimMade = 0;
        ClearTransientBoxes(pane_);
    }
}

// The own hand's step and the marks beside it.
TEST_F(SchafkopfDrawTest, TheOwnCardsStepAndTheMarksBesideTheHand) {
    struct Step {
        int size, width, step;
    };
    for (const Step& s : {Step{0, 71, 90}, Step{1, 46, 33}, Step{1, 69, 49}, Step{2, 80, 80}}) {
        gSettings->body.cardSize = static_cast<std::int16_t>(s.size);
        EXPECT_EQ(pane_->GetVisibleCardWidth(s.width), s.step) << s.size << " " << s.width;
    }
    gSettings->body.cardSize = 3;
    EXPECT_EQ(pane_->GetVisibleCardWidth(55), 55);
    gSettings->body.cardSize = 4;
    EXPECT_EQ(pane_->GetVisibleCardWidth(55), 1);

    for (int size : {0, 1, 2}) {
        UsePaneSize(size);
        const std::string at = "size " + std::to_string(size);
        RECT client;
        GetClientRect(window_, &client);
        Surface surface(client.right, client.bottom);
        pane_->SetPhaseValue(3);
        SetGame(kWordNormal, 1, 1, {1, 3, 0, 2}, 2);
        std::memset(game_->hands, 0, sizeof game_->hands);
        auto drawTable = [&] {
            surface.Clear(RGB(1, 2, 3));
            surface.Begin();
            pane_->Draw(&client);
            surface.End();
        };
        drawTable();
        ASSERT_NE(pane_->handSidePictures[0], nullptr) << "picture 3210 loaded on first use";
        ASSERT_NE(pane_->handSidePictures[1], nullptr) << "picture 3211 loaded on first use";
        const RECT& first = pane_->ownCardRects[0];
        const RECT& fourth = pane_->ownCardRects[3];
        struct Mark {
            HBITMAP picture;
            int left;
        };
        RECT b0, b1;
        GetPictureBounds(pane_->handSidePictures[0], &b0);
        GetPictureBounds(pane_->handSidePictures[1], &b1);
        const Mark marks[2] = {
            {pane_->handSidePictures[0], (first.left - b0.right) / 2},
            {pane_->handSidePictures[1],
             fourth.right + ((first.right - first.left) - b1.right) / 2}};
        std::vector<std::unique_ptr<Surface>> alone;
        for (const Mark& m : marks) {
            RECT bounds;
            GetPictureBounds(m.picture, &bounds);
            alone.push_back(std::make_unique<Surface>(bounds.right, bounds.bottom));
            alone.back()->Begin();
            DrawPicture(m.picture, &bounds);
            alone.back()->End();
        }
        // Without cards in the hand: 3211 centred in a card's width right of the fourth card,
        // 10 pixels below the cards' top (3210 lies mostly left of the pane at these sizes).
        const Surface& right = *alone[1];
        EXPECT_TRUE(surface.SameAs(right, marks[1].left, first.top + 10, 0, 0, right.width(),
                                   right.height()))
            << at;
        // With cards the marks never cover one.
        for (int p = 0; p < 8; ++p)
            game_->hands[p] = static_cast<std::uint8_t>(32 - p);
        drawTable();
        for (int p = 0; p < 8; ++p) {
            const RECT& card = pane_->ownCardRects[p];
            const RECT markRect = {marks[1].left, first.top + 10, marks[1].left + right.width(),
                                   first.top + 10 + right.height()};
            RECT meet;
            if (!IntersectRect(&meet, &card, &markRect))
                continue;
            int markPixels = 0;
            for (int y = meet.top; y < meet.bottom; ++y)
                for (int x = meet.left; x < meet.right; ++x)
                    markPixels += surface.At(x, y) == right.At(x - markRect.left, y - markRect.top);
            EXPECT_LT(markPixels, (meet.right - meet.left) * (meet.bottom - meet.top))
                << at << ": card " << p << " keeps its face";
        }
        std::memset(game_->hands, 0, sizeof game_->hands);
    }
}

// ---- The table between deals ---------------------------------------------------------------

// A picture drawn alone, to compare the table's pixels with.
std::unique_ptr<Surface> Alone(HBITMAP picture) {
    RECT bounds = {0, 0, 1, 1};
    if (picture)
        GetPictureBounds(picture, &bounds);
    auto surface = std::make_unique<Surface>(bounds.right, bounds.bottom);
    surface->Begin();
    if (picture)
        DrawPicture(picture, &bounds);
    surface->End();
    return surface;
}

// Before the first deal and after a game every seat's plate stands where the layout puts it
// (the wide plates from size 2 on) with the seat's name inside it; the closing picture may
// cover a plate after a game.
TEST_F(SchafkopfDrawTest, BetweenDealsEverySeatsPlateShowsItsName) {
    for (int size : {0, 1, 2}) {
        UsePaneSize(size);
        RECT client;
        GetClientRect(window_, &client);
        Surface surface(client.right, client.bottom);
        for (int phase : {0, 4}) {
            const std::string at =
                "size " + std::to_string(size) + " phase " + std::to_string(phase);
            pane_->SetPhaseValue(phase);
            SetBill(1, 3, 91);
            surface.Clear(RGB(1, 2, 3));
            texts_.clear();
            surface.Begin();
            pane_->Draw(&client);
            surface.End();
            RECT closing = {0, 0, 0, 0};
            if (phase == 4) {
                surface.Begin();
                pane_->DrawResult(&closing);
                surface.End();
            }
            for (int seat = 0; seat < 4; ++seat) {
                const int element = (size >= 2 ? 36 : 32) + seat;
                HBITMAP picture = pane_->elementPictures[element];
                ASSERT_NE(picture, nullptr) << at << " plate " << element;
                RECT plate;
                pane_->GetElementRect(element, &plate);
                plate = PictureAt(picture, plate.left, plate.top);
                RECT meet;
                if (IntersectRect(&meet, &plate, &closing))
                    continue;
                const DrawnText* name = Find(kNames[seat]);
                ASSERT_NE(name, nullptr) << at << " seat " << seat;
                EXPECT_TRUE(Inside(name->box, plate))
                    << at << " seat " << seat << " " << Show(name->box) << " in " << Show(plate);
                const auto alone = Alone(picture);
                int differ = 0, ink = 0;
                for (int y = plate.top; y < plate.bottom; ++y)
                    for (int x = plate.left; x < plate.right; ++x) {
                        const bool same =
                            surface.At(x, y) == alone->At(x - plate.left, y - plate.top);
                        const bool inText = x >= name->box.left - 1 && x <= name->box.right &&
                                            y >= name->box.top && y < name->box.bottom;
                        differ += !same && !inText ? 1 : 0;
                        ink += surface.At(x, y) == 0 ? 1 : 0;
                    }
                EXPECT_EQ(differ, 0) << at << " seat " << seat << ": the plate's picture";
                EXPECT_GT(ink, 10) << at << " seat " << seat << ": the name's ink";
            }
        }
    }
}

// The status bar tells how to start from the table's opening and whenever no deal lies on the
// table again; the first status text, the human's default name, is left alone.
TEST_F(SchafkopfDrawTest, BeforeTheFirstDealTheStatusBarSaysHowToStart) {
    const std::string howTo = "Click on the table or press Return to deal.";
    for (int size : {0, 1, 2}) {
        UsePaneSize(size);
        const std::string at = "size " + std::to_string(size);
        for (bool afterGame : {false, true}) {
            if (afterGame) {
                pane_->SetPhaseValue(4);
                std::snprintf(pane_->statusTexts[1], kStatusTextSize, "Game of Bert");
                std::snprintf(pane_->statusTexts[2], kStatusTextSize, "won, 20 points");
                pane_->SetPhase(0, 1);
            }
            EXPECT_STREQ(pane_->statusTexts[0], "") << at;
            texts_.clear();
            pane_->DrawStatusBar();
            RECT bar;
            pane_->GetStatusBarRect(&bar);
            const DrawnText* text = Find(howTo);
            ASSERT_NE(text, nullptr) << at << (afterGame ? " after a game" : " at the opening");
            EXPECT_TRUE(Inside(text->box, bar)) << at << " " << Show(text->box);
            EXPECT_EQ(Find("won, 20 points"), nullptr) << at;
        }
    }
}

// A card played from the hand leaves its place showing the cloth, as the rest of the table
// (where no other card of the hand lies over it).
TEST_F(SchafkopfDrawTest, APlayedCardsPlaceInTheHandShowsTheCloth) {
    for (bool full : {false, true}) {
        for (int size : {0, 1, 2}) {
            UsePaneSize(size);
            gSettings->body.ownCardsFullSize = full ? 1 : 0;
            pane_->LayoutControls(0);
            const std::string at = "size " + std::to_string(size) + (full ? " full size" : "");
            RECT client;
            GetClientRect(window_, &client);
            Surface surface(client.right, client.bottom);
            pane_->SetPhaseValue(3);
            std::uint8_t cards[kMaxHandCards] = {};
            for (int p = 0; p < 8; ++p)
                cards[p] = static_cast<std::uint8_t>(32 - p);
            cards[2] = 0; // played
            surface.Clear(RGB(1, 2, 3));
            surface.Begin();
            pane_->DrawOwnHand(cards);
            surface.End();
            const auto cloth = Alone(pane_->emptyBackground);
            const RECT& hole = pane_->ownCardRects[2];
            auto underACard = [&](int x, int y) {
                for (int p = 0; p < 8; ++p) {
                    const RECT& r = pane_->ownCardRects[p];
                    if (cards[p] && x >= r.left && x < r.right && y >= r.top && y < r.bottom)
                        return true;
                }
                return false;
            };
            int wrong = 0, count = 0;
            for (int y = hole.top; y < hole.bottom && y < cloth->height(); ++y)
                for (int x = hole.left; x < hole.right && x < cloth->width(); ++x) {
                    if (underACard(x, y))
                        continue;
                    ++count;
                    wrong += surface.At(x, y) != cloth->At(x, y) ? 1 : 0;
                }
            EXPECT_GT(count, 100) << at;
            EXPECT_EQ(wrong, 0) << at << " hole " << Show(hole);
        }
    }
    gSettings->body.ownCardsFullSize = 0;
}

// The call of an Ace: the prompt above the suits, and every suit (enabled or not) erased with
// the choice box's colour (the box's fill, 246, 238, 214) with its label drawn without a
// background of its own, so nothing drawn before the box shows through it.
TEST_F(SchafkopfDrawTest, TheCallsSuitsStandOnTheChoiceBoxBelowThePrompt) {
    for (int size : {0, 1, 2}) {
        UsePaneSize(size);
        const std::string at = "size " + std::to_string(size);
        RECT client;
        GetClientRect(window_, &client);
        Surface surface(client.right, client.bottom);
        pane_->SetPhaseValue(2);
        pane_->ShowCallAceControls();
        texts_.clear();
        surface.Begin();
        pane_->DrawCallAcePrompt();
        surface.End();
        const DrawnText* prompt = Find("I call following Ace:");
        ASSERT_NE(prompt, nullptr) << at;
        RECT box;
        pane_->GetChoiceBoxRect(&box);
        EXPECT_TRUE(Inside(prompt->box, box)) << at << " " << Show(prompt->box);
        for (int item = 135; item <= 138; ++item) {
            RECT r;
            GetItemRectInClient(window_, item, &r);
            EXPECT_TRUE(Inside(r, box)) << at << " " << item << " " << Show(r);
            EXPECT_GE(r.top, prompt->box.bottom) << at << " " << item << " below the prompt";
            SetBkMode(surface.dc(), OPAQUE);
            HBRUSH brush = pane_->ControlBackground(surface.dc(), GetDlgItem(window_, item));
            LOGBRUSH fill = {};
            ASSERT_EQ(GetObjectA(brush, sizeof fill, &fill), int(sizeof fill)) << at;
            EXPECT_EQ(fill.lbStyle, UINT(BS_SOLID)) << at << " " << item;
            EXPECT_EQ(fill.lbColor, RGB(246, 238, 214)) << at << " " << item;
            EXPECT_EQ(GetBkMode(surface.dc()), TRANSPARENT) << at << " " << item;
        }
    }
    // A control outside the boxes keeps the table's own handling: nothing erased.
    Surface surface(4, 4);
    HBRUSH none = pane_->ControlBackground(surface.dc(), nullptr);
    EXPECT_EQ(static_cast<HGDIOBJ>(none), GetStockObject(NULL_BRUSH));
}

} // namespace
