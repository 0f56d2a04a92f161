#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/CardNames.h"
#include "engine/RuleHarness.h"
#include "engine/StrategyLibraries.h"
#include "engine/TestLevel.h"
#include "platform/LibraryResources.h"
#include "support/AlertRecorder.h"

namespace {

using card_names::Card;
using card_names::Cards;

// --- the generator: readable test libraries to library bytes ---

struct TestLibrary {
    std::int16_t id = 0;
    std::vector<std::uint8_t> bytes;
    std::map<std::string, int> records; // record name to index
};

const char kLibraryText[] =
#include "engine/StrategyTestLibraries.inc"
    ;

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator))
        parts.push_back(part);
    return parts;
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

std::vector<std::uint8_t> AssembleCode(const std::string& text) {
    static const std::map<std::string, int> simple = {{"end", 0},   {"none", 100}, {"stop", 101},
                                                      {"go", 63},   {"if", 60},    {"then", 61},
                                                      {"else", 62}, {"@", 64}};
    static const std::map<std::string, int> comparisons = {{"==", 'C'}, {"!=", 'D'}, {">", 'E'},
                                                           {"<", 'F'},  {"<=", 'G'}, {">=", 'H'}};
    const std::vector<std::string> words = Words(text);
    std::vector<std::uint8_t> code;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        auto push = [&](int byte) { code.push_back(static_cast<std::uint8_t>(byte)); };
        if (simple.count(w)) {
            push(simple.at(w));
        } else if (w[0] == '#') {
            push(std::stoi(w.substr(1)));
        } else if (w == "group") {
            push(50);
            push(std::stoi(words.at(++i)));
        } else if (w == "played") {
            const int card = Card(words.at(++i));
            push('A');
            push(RankStepOf(card));
            push(SuitOf(card) + 1);
        } else if (w == "count") {
            push('B');
            push(std::stoi(words.at(++i)));
            push(comparisons.at(words.at(++i)));
            push(std::stoi(words.at(++i)));
        } else if (w.size() > 1 && w[1] == '-') {
            push(Card(w));
        } else {
            push(std::stoi(w));
        }
    }
    return code;
}

// One record into the library bytes: pattern and groups, and a code that may run on into the
// next record's head.
void AssembleRecord(TestLibrary& library, const std::vector<std::string>& fields) {
    const int index = static_cast<int>(library.records.size());
    library.records[Words(fields.at(0)).at(0)] = index;
    const std::size_t base = static_cast<std::size_t>(index) * kStrategyRecordSize;
    if (library.bytes.size() < base + kStrategyRecordSize)
        library.bytes.resize(base + kStrategyRecordSize, 0);
    const std::vector<std::string> pattern = Words(fields.at(1));
    const std::vector<std::string> groups = Words(fields.at(2));
    if (pattern.size() != groups.size() || pattern.size() > kStrategyPlaces)
        throw std::invalid_argument("pattern and groups of " + fields.at(0));
    for (std::size_t p = 0; p < pattern.size(); ++p) {
        library.bytes[base + kStrategyPatternOffset + p] =
            static_cast<std::uint8_t>(pattern[p] == "*" ? kStrategyAnyCard : Card(pattern[p]));
        library.bytes[base + kStrategyGroupOffset + p] =
            static_cast<std::uint8_t>(std::stoi(groups[p]));
    }
    const std::vector<std::uint8_t> code = AssembleCode(fields.at(3));
    if (code.size() > kStrategyCodeLength)
        throw std::invalid_argument("code of " + fields.at(0));
    if (library.bytes.size() < base + kStrategyCodeOffset + code.size())
        library.bytes.resize(base + kStrategyCodeOffset + code.size(), 0);
    std::copy(code.begin(), code.end(), library.bytes.begin() + base + kStrategyCodeOffset);
}

std::map<std::string, TestLibrary> AssembleLibraries() {
    std::map<std::string, TestLibrary> libraries;
    TestLibrary* current = nullptr;
    int count = -2; // the count to write when set by a line
    int size = -1;
    auto finish = [&]() {
        if (!current)
            return;
        if (current->bytes.size() < 2)
            current->bytes.resize(2, 0);
        const int written = count != -2 ? count : static_cast<int>(current->records.size());
        current->bytes[0] = static_cast<std::uint8_t>(written & 0xff);
        current->bytes[1] = static_cast<std::uint8_t>((written >> 8) & 0xff);
        if (size >= 0)
            current->bytes.resize(static_cast<std::size_t>(size));
    };
    for (const std::string& line : Split(kLibraryText, '\n')) {
        const std::vector<std::string> words = Words(line);
        if (words.empty() || words[0][0] == '#')
            continue;
        if (words[0] == "library") {
            finish();
            current = &libraries[words.at(1)];
            current->id = static_cast<std::int16_t>(std::stoi(words.at(2)));
            count = -2;
            size = -1;
        } else if (words[0] == "count") {
            count = std::stoi(words.at(1));
        } else if (words[0] == "size") {
            size = std::stoi(words.at(1));
        } else if (words[0] == "record") {
            std::vector<std::string> fields = Split(line.substr(line.find("record") + 6), '|');
            AssembleRecord(*current, fields);
        }
    }
    finish();
    return libraries;
}

const std::map<std::string, TestLibrary>& Libraries() {
    static const std::map<std::string, TestLibrary> libraries = AssembleLibraries();
    return libraries;
}

// --- fixture ---

class StrategyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game.NewDeal(false);
        game.gameType = {0, kWordNormal};
        game.declarer = -1;
        ResetAlertRecorder();
    }
    void TearDown() override {
        game.FreeStrategyLibraries();
        SetLibraryResourceSource({});
    }
    // Offers the named libraries as the library resources and loads them.
    void Install(std::vector<std::string> names) {
        std::vector<TestLibrary> offered;
        for (const std::string& name : names)
            offered.push_back(Libraries().at(name));
        SetLibraryResourceSource([offered](std::int16_t id, std::vector<std::uint8_t>* bytes) {
            for (const TestLibrary& library : offered)
                if (library.id == id) {
                    *bytes = library.bytes;
                    return true;
                }
            return false;
        });
        game.FreeStrategyLibraries();
        game.LoadStrategyLibraries();
    }
    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const AlertBox& box : RecordedAlerts())
            texts.push_back(box.text);
        return texts;
    }
    TestLevel game;
};

// --- the matcher ---

TEST_F(StrategyTest, PatternsNeedBothCopiesAndSuitsOfTheRunLengths) {
    Install({"patterns"});
    const int seat = 1;
    game.seats[seat].profile = 16;
    struct Case {
        const char* hand;
        int record; // -1 no match
        std::vector<int> map;
    };
    const Case cases[] = {
        {"E-O E-O S-9 S-K H-9 H-K G-9 G-K G-10 E-9 E-K E-10", 0, {-1, -1, -1, -1, -1}},
        // One Eichel Ober; Gras of exactly two cards (Ace, Ten), then Eichel of exactly one
        // card, a Ten.
        {"E-O S-9 S-K S-10 S-A H-10 H-9 H-K H-A G-10 G-A E-10", 1, {2, 3, -1, -1, -1}},
        // The single suit's card is a King: the record fails, no other suit is tried.
        {"E-O S-9 S-K S-10 S-A H-10 H-9 H-K H-A G-10 G-A E-K", -1, {}},
        // Gras of two cards with the wrong ranks.
        {"E-O S-9 S-K S-10 S-A H-10 H-9 H-K H-A G-K G-A E-10", -1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hand);
        game.GiveHand(seat, Cards(c.hand));
        std::int16_t index = -1;
        std::int16_t map[5] = {7, 7, 7, 7, 7};
        const bool matched = game.MatchStrategyRecord(seat, gStrategyLibrary, &index, map);
        EXPECT_EQ(matched, c.record >= 0);
        if (c.record >= 0) {
            EXPECT_EQ(index, c.record);
            EXPECT_EQ(std::vector<int>(map, map + 5), c.map);
        }
    }
}

TEST_F(StrategyTest, OnlySeatsAboveProfile15OutsideSolosGetALibrary) {
    Install({"lead-lowest-trump", "marriage-lead"});
    ASSERT_NE(gStrategyLibrary, nullptr);
    ASSERT_NE(gMarriageStrategyLibrary, nullptr);
    game.seats[0].profile = 15;
    game.seats[1].profile = 16;
    EXPECT_EQ(game.GetStrategyLibrary(0), nullptr);
    EXPECT_EQ(game.GetStrategyLibrary(1), gStrategyLibrary);
    game.gameType = {0, kWordMarriage};
    EXPECT_EQ(game.GetStrategyLibrary(1), gMarriageStrategyLibrary);
    game.marriageTrick = 2; // decided
    EXPECT_EQ(game.GetStrategyLibrary(1), gStrategyLibrary);
    game.gameType = {4, kWordUnterSolo};
    EXPECT_EQ(game.GetStrategyLibrary(1), nullptr);
    // Loading again keeps the handles held.
    const Handle held = gStrategyLibrary;
    game.LoadStrategyLibraries();
    EXPECT_EQ(gStrategyLibrary, held);
}

// --- the interpreter ---

class ScriptTest : public StrategyTest {
  protected:
    void SetUp() override {
        StrategyTest::SetUp();
        Install({"scripts"});
        // Seat 1 led the Herz Ace in the first trick and leads the second.
        game.GiveHand(kSeat, Cards("E-O S-9 S-K G-U H-9 H-K H-K G-9 G-K E-9 E-K"));
        game.tricks[0].cards[kSeat] = static_cast<std::int16_t>(Card("H-A"));
        AddToRankMask(&game.playedMasks[RankCodeOf(Card("H-A"))], kSuitHerz);
        game.trickNumber = 2;
        game.leader = kSeat;
        game.seatToMove = kSeat;
        SeatBlock& block = game.seats[kSeat];
        block.profile = 16;
        for (auto& entry : block.strategyGroupMap)
            entry = -1;
        block.strategyGroupMap[0] = kSuitHerz;
    }
    int Run(const std::string& record) {
        game.seats[kSeat].strategyIndex =
            static_cast<std::int16_t>(Libraries().at("scripts").records.at(record));
        return game.RunStrategyScript(kSeat);
    }
    static constexpr int kSeat = 1;
};

TEST_F(ScriptTest, InstructionsChooseTheirCards) {
    struct Case {
        const char* record;
        bool schellenAcePlayed;
        const char* card; // "" no card
    };
    const Case cases[] = {
        {"played-card-skipped", false, "G-A"},
        {"unheld-card", false, "E-A"}, // not held: the caller checks
        {"then-branch", true, "E-A"},
        {"else-branch", false, "E-A"},
        {"optional-64", true, "E-A"},
        {"count", false, "E-A"},           // three Herz cards
        {"count-no-entry", false, "H-K"},  // no second group in the map
        {"stop-keeps-card", false, "H-A"}, // the played card stays the choice
        {"none", false, ""},
        {"continue-at-top", false, ""},
        {"continue-in-branch", true, "E-A"},
        {"lowest-herz", false, "H-9"},
        {"lowest-trump", false, "S-9"},
        {"missing-group", false, ""}, // Schellen are trumps: no card of group 0
        // The trump play by value walks the trump suit down from the Ace past the Obers and
        // Unters: the King before the Nine.
        {"trump-by-value", false, "S-K"},
        {"group-card-ends-branch", true, "H-9"},
        {"into-next-head", false, "G-A"},
        {"to-position-24", false, ""}, // the code area ends there
        {"beyond-end", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record);
        game.playedMasks[RankCodeOf(Card("S-A"))] = 0;
        if (c.schellenAcePlayed)
            AddToRankMask(&game.playedMasks[RankCodeOf(Card("S-A"))], kSuitSchellen);
        ResetAlertRecorder();
        EXPECT_EQ(Run(c.record), std::string(c.card).empty() ? 0 : Card(c.card));
        EXPECT_TRUE(RecordedAlerts().empty());
    }
}

TEST_F(ScriptTest, MalformedCodeShowsItsMessageWithItsNumber) {
    struct Case {
        const char* record;
        std::vector<std::string> messages;
        const char* card;
    };
    // After a bad suit, group, comparison or letter the condition fails and the else branch
    // runs; every other fault ends the script without a card.
    const Case cases[] = {
        {"bad-suit", {" wrong Farbe bei If : 8"}, "E-A"},
        {"bad-group", {" wrong Farbe bei If : 5"}, "E-A"},
        {"bad-comparison", {" wrong vergleich : 3"}, "E-A"},
        {"bad-letter", {" wrong interpretationsbedingung : 90"}, "E-A"},
        {"missing-then", {" wrong then code fehlt : 32"}, ""},
        {"then-branch", {" wrong else code fehlt : 61"}, ""}, // Schellen Ace not played
        {"bad-group-card", {" code fehlt : 50"}, ""},
        {"bad-code", {" wrong interpretationscode : 55"}, ""},
        // A condition in the last bytes reads no further than the code area: no suit, no
        // marker.
        {"condition-at-end", {" wrong Farbe bei If : 0", " wrong else code fehlt : 0"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record);
        ResetAlertRecorder();
        EXPECT_EQ(Run(c.record), std::string(c.card).empty() ? 0 : Card(c.card));
        EXPECT_EQ(Messages(), c.messages);
    }
}

TEST_F(ScriptTest, NoCardWithoutARecordOffLeadOrForARecordTheLibraryLacks) {
    game.seats[kSeat].strategyIndex = -1;
    EXPECT_EQ(game.RunStrategyScript(kSeat), 0);
    game.leader = 0;
    EXPECT_EQ(Run("unheld-card"), 0);
    game.leader = kSeat;
    game.seats[kSeat].strategyIndex = 999; // from an older library in a saved game
    EXPECT_EQ(game.RunStrategyScript(kSeat), 0);
    game.seats[kSeat].profile = 15; // a record kept from a stronger profile is not used
    EXPECT_EQ(Run("unheld-card"), 0);
    EXPECT_TRUE(RecordedAlerts().empty());
}

// --- at the table ---

// The reference rules of the normal game the deals here are played in.
const reference::Game& NormalGame() {
    static const reference::Game normal = reference::AllGames().front();
    return normal;
}

// Plays a deal to its end: each seat plays its scripted card when it has one, else its first
// legal card.
void PlayDeal(TestLevel& game) {
    for (int trick = 0; trick < game.GetCardsPerHand(); ++trick) {
        for (int n = 0; n < 4; ++n) {
            const int seat = game.seatToMove;
            if (!game.PlayStrategyCard(seat)) {
                game.PlayCard(seat, rule_harness::LegalPlaces(game, NormalGame()).front(), 1);
            }
            game.seatToMove = static_cast<std::int16_t>(game.NextSeat(seat));
        }
        game.FinishTrick();
    }
}

TEST_F(StrategyTest, AStrongSeatOnLeadPlaysItsScriptedCardAWeakerOneNever) {
    Install({"lead-lowest-trump"});
    std::mt19937 random(1645);
    for (int deal = 0; deal < 40; ++deal) {
        SCOPED_TRACE(deal);
        game.Deal(random, 0, kWordNormal, deal % 4);
        const int leader = game.leader;
        for (int seat = 0; seat < 4; ++seat)
            game.seats[seat].profile = static_cast<std::int16_t>(seat == leader ? 16 : 15);
        std::vector<int> trumps;
        for (std::uint8_t card : game.seats[leader].hand)
            if (card != 0 && game.IsTrump(card))
                trumps.push_back(card);
        if (trumps.empty())
            continue;
        ASSERT_TRUE(game.PlayStrategyCard(leader));
        const int played = game.trickCards[leader];
        const auto* log = static_cast<const PlayLog*>(game.playLogs[leader]);
        EXPECT_EQ(log->entries[log->count - 1].reason, kReasonStrategy);
        // The lowest trump: every other trump beats it.
        for (int other : trumps)
            if (other != played) {
                EXPECT_TRUE(game.IsCardHigher(other, played)) << other << " " << played;
            }
        for (int n = 1; n < 4; ++n) {
            const int seat = (leader + n) % 4;
            game.seatToMove = static_cast<std::int16_t>(seat);
            EXPECT_EQ(game.RunStrategyScript(seat), 0);
        }
    }
}

TEST_F(StrategyTest, DamagedLibrariesAreRefusedOnceAndTheDealPlaysOn) {
    const std::vector<std::vector<std::string>> sets = {
        {"too-short"}, {"negative-count"}, {"records-missing"}};
    for (const auto& set : sets) {
        SCOPED_TRACE(set[0]);
        ResetAlertRecorder();
        Install(set);
        game.LoadStrategyLibraries(); // refused once only
        const std::int16_t id = Libraries().at(set[0]).id;
        EXPECT_EQ(Messages(),
                  std::vector<std::string>{"Damaged strategy library, id " + std::to_string(id)});
        EXPECT_EQ(gStrategyLibrary, nullptr);
        EXPECT_EQ(gMarriageStrategyLibrary, nullptr);
        std::mt19937 random(7);
        game.Deal(random, 0, kWordNormal, 0);
        for (auto& block : game.seats)
            block.profile = 16;
        PlayDeal(game);
        EXPECT_EQ(game.trickNumber, 13);
        for (const auto& block : game.seats)
            EXPECT_EQ(block.hand[0], 0);
    }
}

TEST_F(StrategyTest, AMissingLibraryIsSilent) {
    Install({});
    EXPECT_EQ(gStrategyLibrary, nullptr);
    EXPECT_TRUE(RecordedAlerts().empty());
}

// The loader and the interpreter over random library bytes: under the sanitizers any read
// outside a library fails the test.
TEST_F(StrategyTest, RandomLibraryBytesAreReadWithinTheirBlocks) {
    std::mt19937 random(2145);
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        std::vector<std::uint8_t> bytes(random() % 300);
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(random() % 4 == 0 ? random() % 120 : random());
        if (bytes.size() >= 2 && random() % 2 == 0) {
            const auto count = static_cast<int>(bytes.size() / kStrategyRecordSize);
            bytes[0] = static_cast<std::uint8_t>(count);
            bytes[1] = 0;
        }
        SetLibraryResourceSource([bytes](std::int16_t, std::vector<std::uint8_t>* out) {
            *out = bytes;
            return true;
        });
        game.FreeStrategyLibraries();
        game.LoadStrategyLibraries();
        game.Deal(random, 0, kWordNormal, static_cast<int>(random() % 4));
        for (auto& block : game.seats)
            block.profile = 16;
        for (int seat = 0; seat < 4; ++seat) {
            game.RunStrategyScript(seat);
            game.seats[seat].strategyIndex = static_cast<std::int16_t>(random() % 8);
        }
        game.trickNumber = 2;
        game.RunStrategyScript(game.leader);
        ResetAlertRecorder();
    }
}

// At every position of random deals the script only sets the seat's record and group map.
TEST_F(StrategyTest, RunningAScriptChangesOnlyTheSeatsRecordAndGroupMap) {
    Install({"scripts"});
    std::mt19937 random(2146);
    for (int deal = 0; deal < 30; ++deal) {
        game.Deal(random, 0, kWordNormal, deal % 4);
        for (auto& block : game.seats)
            block.profile = 16;
        for (int trick = 0; trick < 12; ++trick) {
            for (int n = 0; n < 4; ++n) {
                const int seat = game.seatToMove;
                SeatBlock& block = game.seats[seat];
                const std::vector<std::uint8_t> before = rule_harness::Image(game);
                const std::int16_t index = block.strategyIndex;
                std::int16_t map[5];
                std::memcpy(map, block.strategyGroupMap, sizeof map);
                game.RunStrategyScript(seat);
                block.strategyIndex = index;
                std::memcpy(block.strategyGroupMap, map, sizeof map);
                EXPECT_TRUE(rule_harness::Image(game) == before) << deal << " " << trick;
                // Then the seat's first legal card, and the script at trick 1 keeps its record.
                game.RunStrategyScript(seat);
                game.PlayCard(seat, rule_harness::LegalPlaces(game, NormalGame()).front(), 1);
                game.seatToMove = static_cast<std::int16_t>(game.NextSeat(seat));
            }
            game.FinishTrick();
        }
        ResetAlertRecorder();
    }
}

} // namespace
