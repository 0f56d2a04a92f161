// The layouts of the records a saved game carries, as their walks list them: every byte of a
// record is covered once, and the fields that a change of byte order turns are exactly the
// byte-order tables' 16-bit and 32-bit fields (with the fields those tables leave out and the
// program turns too: the header's running flag, the bonus kinds, the solo counts and play
// times of the game object, the call values and state words of the Schafkopf tail, the seat
// styles' last value, the statistics value and the story values of the settings, and the
// rules' values from 712 on).
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/TrickGameCore.h"
#include "games/fourplayer/GameList.h"
#include "games/fourplayer/SchafkopfController.h"
#include "records/DirectorLists.h"
#include "records/DocumentHeader.h"
#include "records/RecordTransfers.h"
#include "records/SeriesBlock.h"

namespace {

using Spans = std::set<std::pair<int, int>>; // offset, width of each turned field
using Walk = std::function<void(ByteOrderCursor&)>;

std::vector<FieldSpan> MapLayout(const Walk& walk, int size, bool* complete) {
    std::vector<std::uint8_t> image(size);
    ByteOrderCursor io(image.data(), size, CursorMode::kMap);
    walk(io);
    *complete = io.Complete();
    return io.Layout();
}

Spans Turned(const std::vector<FieldSpan>& layout) {
    Spans spans;
    for (const FieldSpan& span : layout)
        if (span.turned)
            spans.insert({span.offset, span.width});
    return spans;
}

// The tables' notation: every 16-bit (even) or 32-bit (fourth) offset from a to b.
void Add(Spans& spans, int width, int from, int to, int step = 0) {
    if (step == 0)
        step = width;
    for (int at = from; at <= to; at += step)
        spans.insert({at, width});
}

struct Record {
    std::string name;
    int size;
    Walk walk;
    std::function<Spans()> table; // the byte-order table with the mends
};

Spans HeaderTable() {
    Spans s;
    Add(s, 2, 48, 56);
    Add(s, 2, 108, 130);
    Add(s, 2, 132, 132);
    Add(s, 2, 134, 134); // mend: the running flag
    return s;
}

Spans FirstRunTable() {
    Spans s;
    Add(s, 4, 96, 96);
    Add(s, 2, 100, 144);
    Add(s, 2, 150, 158);
    return s;
}

Spans SecondRunTable() {
    Spans s;
    Add(s, 2, 0, 108);
    return s;
}

Spans ThirdRunTable() {
    Spans s;
    Add(s, 4, 0, 8);
    return s;
}

Spans RegionTable() {
    Spans s;
    for (auto [from, to] : {std::pair{0, 12},
                            {26, 68},
                            {82, 124},
                            {138, 180},
                            {194, 362},
                            {376, 416},
                            {472, 778},
                            {2060, 2330}})
        Add(s, 2, from, to);
    Add(s, 2, 420, 468, 4);
    for (int at : {364, 368, 372})
        Add(s, 4, at, at);
    for (int seat = 0; seat < 4; ++seat) {
        const int base = 780 + 320 * seat;
        Add(s, 2, base + 12, base + 42);
        Add(s, 2, base + 52, base + 314);
        Add(s, 4, base + 44, base + 48);
    }
    Add(s, 2, 418, 470);   // mend: the bonus kinds
    Add(s, 2, 2356, 2554); // mend: solos played and play times
    return s;
}

Spans PlayLogTable() {
    Spans s;
    Add(s, 2, 0, 24); // the entries are byte pairs
    return s;
}

Spans TailTable() {
    Spans s;
    Add(s, 2, 0, 12);
    for (int r = 0; r < 5; ++r) {
        Add(s, 2, 14 + 48 * r, 20 + 48 * r);
        Add(s, 2, 22 + 48 * r, 60 + 48 * r); // mend: the call values
    }
    Add(s, 2, 254, 254);
    Add(s, 2, 256, 354); // mend: the state words
    return s;
}

Spans GameListTable(int records) {
    Spans s;
    Add(s, 4, 0, 16);
    Add(s, 2, 20, 34);
    for (int r = 0; r < records; ++r) {
        const int base = 36 + 188 * r;
        Add(s, 4, base, base + 4);
        Add(s, 2, base + 12, base + 186);
    }
    return s;
}

Spans RecordBTable() {
    Spans s;
    for (auto [from, to] : {std::pair{22, 40},
                            {42, 48},
                            {50, 62},
                            {92, 100},
                            {358, 378},
                            {692, 692},
                            {694, 694},
                            {696, 710}})
        Add(s, 2, from, to);
    for (auto [from, to] : {std::pair{64, 88},
                            {380, 380},
                            {384, 428},
                            {432, 444},
                            {448, 448},
                            {452, 464},
                            {468, 468},
                            {472, 668},
                            {672, 688}})
        Add(s, 4, from, to);
    Add(s, 2, 712, 910); // mend: the values from 712 on
    return s;
}

Spans SettingsTable() {
    Spans s;
    for (auto [from, to] : {std::pair{1554, 1562},
                            {1584, 1594},
                            {1604, 1606},
                            {1628, 1654},
                            {1660, 1710},
                            {1748, 1754},
                            {1776, 1786},
                            {1792, 1794},
                            {1802, 1802}})
        Add(s, 2, from, to);
    for (auto [from, to] : {std::pair{1564, 1576},
                            {1596, 1596},
                            {1600, 1600},
                            {1608, 1624},
                            {1656, 1656},
                            {1712, 1744},
                            {1756, 1768},
                            {1788, 1788},
                            {1772, 1772},
                            {2592, 2888}})
        Add(s, 4, from, to);
    Add(s, 4, 1580, 1580); // mend: the last seat style
    // mend: the story values from 1796 (the table graphics value up to the suit names)
    Add(s, 2, 1796, 1800);
    Add(s, 4, 1804, 1804);
    Add(s, 2, 1808, 1860);
    return s;
}

Spans SeriesTable(int start) {
    Spans s;
    Add(s, 4, 0, 0);
    Add(s, 4, 104, 108);
    Add(s, 4, 128, 128);
    Add(s, 2, 114, 124);
    Add(s, 2, 4, 102);   // mend: the reserved values
    Add(s, 2, 112, 112); // mend: the started flag
    Add(s, 2, 126, 126); // mend: the final rounds
    Spans from;
    for (const auto& [offset, width] : s)
        if (offset >= start)
            from.insert({offset - start, width});
    return from;
}

// The director's lists: a count (two for participants), then rows of their size.
Spans ListTable(int list, int rows) {
    Spans s;
    Add(s, 2, 0, 0);
    if (list == kParticipantList)
        Add(s, 2, 2, 2);
    for (int row = 0; row < rows; ++row) {
        if (IsPairingList(list)) {
            Add(s, 2, 2 + row * kPairingRowSize, 2 + row * kPairingRowSize + 8);
        } else if (list == kParticipantList) {
            Add(s, 2, 4 + row * kParticipantRowSize, 4 + row * kParticipantRowSize);
            Add(s, 4, 4 + row * kParticipantRowSize + 31,
                4 + row * kParticipantRowSize + 31); // mend: the club account id
        } else if (list == kStandingsList) {
            Add(s, 2, 2 + row * kStandingsRowSize + 2, 2 + row * kStandingsRowSize + 6);
            Add(s, 4, 2 + row * kStandingsRowSize + 8, 2 + row * kStandingsRowSize + 12);
        } else {
            Add(s, 2, 2 + 2 * row, 2 + 2 * row);
        }
    }
    return s;
}

Record ListRecord(const char* name, int list, int head, int rowSize, int rows) {
    return {name, head + rowSize * rows,
            [=](ByteOrderCursor& io) { TransferDirectorListLayout(list, rows, io); },
            [=] { return ListTable(list, rows); }};
}

std::vector<Record> Records() {
    return {
        {"header", kDocumentHeaderSize,
         [](ByteOrderCursor& io) {
             DocumentHeader header{};
             TransferDocumentHeader(header, io);
         },
         HeaderTable},
        {"first run", kFirstRunSize, FourSeatController::TransferFirstRunLayout, FirstRunTable},
        {"second run", kSecondRunSize, DoppelkopfController::TransferSecondRunLayout,
         SecondRunTable},
        {"third run", kThirdRunSize, SchafkopfController::TransferThirdRunLayout, ThirdRunTable},
        {"game object", kSavedRegionSize,
         [](ByteOrderCursor& io) {
             TrickGameCore game;
             TransferSavedRegion(game, io);
         },
         RegionTable},
        {"play log", kPlayLogSize,
         [](ByteOrderCursor& io) {
             PlayLog log{};
             TransferPlayLog(log, io);
         },
         PlayLogTable},
        {"Schafkopf tail", kSchafkopfTailSize, SchafkopfComputerBase::TransferTailLayout,
         TailTable},
        {"game list of two games", GameListSize(2),
         [](ByteOrderCursor& io) { TransferGameListLayout(io, 3); },
         [] { return GameListTable(3); }},
        {"record B", kSchafkopfOptionsSize,
         [](ByteOrderCursor& io) {
             SchafkopfOptions options{};
             TransferSchafkopfOptions(options, io);
         },
         RecordBTable},
        {"series block", kSeriesBlockSize,
         [](ByteOrderCursor& io) {
             SeriesBlock block{};
             TransferSeriesBlock(block, io);
         },
         [] { return SeriesTable(0); }},
        {"series block of old files", kShortSeriesBlockSize,
         [](ByteOrderCursor& io) {
             SeriesBlock block{};
             TransferShortSeriesBlock(block, io);
         },
         [] { return SeriesTable(kSeriesBlockSize - kShortSeriesBlockSize); }},
        {"settings", kSettingsBodySize,
         [](ByteOrderCursor& io) {
             SettingsBody body{};
             TransferSettingsBody(body, io);
         },
         SettingsTable},
        ListRecord("pairing list", kPairingList, 2, kPairingRowSize, 2),
        ListRecord("participant list", kParticipantList, 4, kParticipantRowSize, 3),
        ListRecord("standings list", kStandingsList, 2, kStandingsRowSize, 2),
        ListRecord("qualified list", kQualifiedList, 2, 2, 3),
        ListRecord("kept pairing list", kKeptPairingList, 2, kPairingRowSize, 1),
    };
}

TEST(SavedLayoutTest, EachWalkCoversItsRecordByteForByte) {
    for (const Record& record : Records()) {
        SCOPED_TRACE(record.name);
        bool complete = false;
        const std::vector<FieldSpan> layout = MapLayout(record.walk, record.size, &complete);
        EXPECT_TRUE(complete);
        int next = 0;
        for (const FieldSpan& span : layout) {
            ASSERT_EQ(span.offset, next);
            next += span.width;
        }
        EXPECT_EQ(next, record.size);
    }
}

TEST(SavedLayoutTest, TurnedFieldsAreTheByteOrderTables) {
    for (const Record& record : Records()) {
        SCOPED_TRACE(record.name);
        bool complete = false;
        const Spans turned = Turned(MapLayout(record.walk, record.size, &complete));
        const Spans table = record.table();
        for (const auto& [offset, width] : table)
            EXPECT_TRUE(turned.count({offset, width})) << "not turned: " << offset << "/" << width;
        for (const auto& [offset, width] : turned)
            EXPECT_TRUE(table.count({offset, width})) << "not in table: " << offset << "/" << width;
    }
}

TEST(SavedLayoutTest, AWalkPastTheImageStopsAndFails) {
    for (const Record& record : Records()) {
        SCOPED_TRACE(record.name);
        std::vector<std::uint8_t> image(record.size + 1, 0x5a);
        ByteOrderCursor io(image.data(), record.size - 1, CursorMode::kSwap);
        record.walk(io);
        EXPECT_TRUE(io.Failed());
        EXPECT_EQ(image[record.size - 1], 0x5a); // the byte past the image's end is untouched
    }
}

} // namespace
