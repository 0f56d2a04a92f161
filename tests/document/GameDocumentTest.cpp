// The game document's header as the controllers keep it, read back at the offsets of the saved
// file, and the document's path, which changes only when a read game is committed.
#include <gtest/gtest.h>

#include <cstring>

#include "SchafkopfSeries.h"
#include "document/GameDocument.h"

namespace {

ByteImage HeaderBytes(DocumentHeader header) {
    ByteImage bytes(kDocumentHeaderSize);
    ByteOrderCursor io(bytes.data(), kDocumentHeaderSize, CursorMode::kWrite);
    TransferDocumentHeader(header, io);
    return bytes;
}

int ShortAt(const ByteImage& bytes, int offset) {
    return static_cast<std::int16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

TEST(GameDocumentTest, ResetMakesTheFreshHeader) {
    GameDocument document;
    document.SetDeclarer(2);
    document.SetGameKind(kGameKindSchafkopf);
    document.path = "old.dat";
    document.Reset(nullptr, nullptr, nullptr, nullptr);
    const ByteImage bytes = HeaderBytes(document.header);
    for (int at = 0; at < 48; ++at)
        EXPECT_EQ(bytes[at], 0) << at;
    EXPECT_EQ(ShortAt(bytes, 56), -1);
    for (int at = 108; at <= 132; at += 2)
        EXPECT_EQ(ShortAt(bytes, at), -1) << at;
    EXPECT_EQ(ShortAt(bytes, 134), 0);
    EXPECT_EQ(ShortAt(bytes, 136), -1);
    EXPECT_EQ(document.versionWord, 114);
    EXPECT_TRUE(document.path.empty());
}

TEST(GameDocumentTest, SettersLandAtTheirOffsets) {
    GameDocument document;
    document.Reset(nullptr, nullptr, nullptr, nullptr);
    document.SetGameKind(kGameKindSkat);
    document.SetDeclarationWord(0x1234);
    const std::int16_t bids[3] = {18, 20, -1};
    document.SetBidValues(bids);
    document.SetDeclarer(1);
    document.SetSkatCards(7, 31);
    const std::uint8_t cards[3] = {3, 4, 5};
    document.header.trickEntries[1][3] = 0x77;
    document.SetTrickEntry(2, cards, 2);
    document.SetTrickEntry(12, cards, 1);
    document.SetGameRunning(1);
    const ByteImage bytes = HeaderBytes(document.header);
    EXPECT_EQ(ShortAt(bytes, 48), 0x1234);
    EXPECT_EQ(ShortAt(bytes, 50), 18);
    EXPECT_EQ(ShortAt(bytes, 52), 20);
    EXPECT_EQ(ShortAt(bytes, 54), -1);
    EXPECT_EQ(ShortAt(bytes, 56), 1);
    EXPECT_EQ(bytes[58], 7);
    EXPECT_EQ(bytes[59], 31);
    EXPECT_EQ(bytes[64], 3);
    EXPECT_EQ(bytes[66], 5);
    EXPECT_EQ(bytes[67], 0x77); // the entry's fourth byte stays
    EXPECT_EQ(ShortAt(bytes, 108 + 4), 2);
    EXPECT_EQ(bytes[60 + 44], 3);
    EXPECT_EQ(ShortAt(bytes, 132), -1); // the last trick's winner never takes the phase's place
    EXPECT_EQ(ShortAt(bytes, 134), 1);
    EXPECT_EQ(ShortAt(bytes, 136), 0);
}

TEST(GameDocumentTest, TheDeckOrderClearsTheTricksOfItsKind) {
    std::uint8_t deck[48];
    for (int i = 0; i < 48; ++i)
        deck[i] = static_cast<std::uint8_t>(i + 1);
    const std::uint8_t cards[3] = {9, 9, 9};
    for (int kind : {kGameKindSkat, kGameKindSchafkopf}) {
        GameDocument document;
        document.Reset(nullptr, nullptr, nullptr, nullptr);
        document.SetGameKind(kind);
        for (int trick = 1; trick <= 12; ++trick) {
            document.SetTrickEntry(trick, cards, 0);
            document.header.trickEntries[trick - 1][3] = 0x55;
        }
        EXPECT_EQ(document.SetDeckOrder(deck), kind);
        const bool skat = kind == kGameKindSkat;
        EXPECT_EQ(document.header.deckOrder[31], 32);
        EXPECT_EQ(document.header.deckOrder[47], skat ? 0 : 48);
        EXPECT_EQ(document.header.trickEntries[0][0], 0);
        EXPECT_EQ(document.header.trickEntries[0][3], skat ? 0x55 : 0);
        EXPECT_EQ(document.header.trickEntries[10][0], skat ? 9 : 0);
        EXPECT_EQ(document.header.trickWinners[1], 0); // the winners stay
    }
}

TEST(GameDocumentTest, ThePathChangesOnlyWhenAReadGameIsCommitted) {
    series::Series table(series::Options{}, 3);
    table.settings.version = kSettingsVersion;
    table.settings.grandOuvertValue = 36;
    table.options.changedMark = 1;
    table.PlayDeal();
    SeriesBlock block{};
    block.seriesMode = 1;
    GameDocument document;
    document.Reset(nullptr, nullptr, nullptr, nullptr);
    document.SetGameKind(kGameKindSchafkopf);
    const SavedGameSet live{nullptr, table.table.get(), &table.options, &table.rules,
                            &block,  &table.settings};
    ByteImage file = document.Encode(live, 5);
    EXPECT_EQ(file[4 + 132], 5); // the phase in the file's header
    document.path = "game.dat";
    ByteImage damaged(file.begin(), file.begin() + 300);
    StagedGame staged;
    EXPECT_EQ(GameDocument::Decode(damaged, live, &staged), ReadOutcome::kShort);
    EXPECT_EQ(document.path, "game.dat");
    document.SetGameKind(kGameKindNone);
    ASSERT_EQ(GameDocument::Decode(file, live, &staged), ReadOutcome::kRead);
    EXPECT_EQ(document.header.gameKind, kGameKindNone); // decoding alone changes nothing
    document.Commit(staged, live, true, "other.dat");
    EXPECT_EQ(document.path, "other.dat");
    EXPECT_EQ(document.header.gameKind, kGameKindSchafkopf);
    EXPECT_EQ(document.header.phase, 5);
    EXPECT_EQ(document.Encode(live, 5), file);
}

} // namespace
