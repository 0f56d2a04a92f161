// The start-up controllers as the game document sees them: the table title from the document's
// file, the header after a Doppelkopf deal and the start of its play, the Schafkopf header left
// alone by the deal, and the list the document holds after the three attach in start-up order.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "document/GameDocument.h"
#include "games/fourplayer/DoppelkopfDocumentController.h"
#include "games/fourplayer/SchafkopfDocumentController.h"
#include "platform/Random.h"
#include "records/OptionRecordLayouts.h"
#include "records/SettingsLayout.h"
#include "shell/OptionRecords.h"
#if defined(_WIN32)
// The Skat controller is built for Windows only.
#include "games/skat/SkatDocumentController.h"
#endif

namespace {

struct Records {
    Records() {
        SetSchafkopfOptionDefaults(&schafkopf);
        settings.seriesEnd = 1;
        settings.tableMode = 1;
        rules.seriesEnd = 1;
        document.Reset(nullptr, nullptr, nullptr, nullptr);
    }
    SettingsBody settings{};
    DoppelkopfOptions rules{};
    SchafkopfOptions schafkopf{};
    GameDocument document;
};

// The Doppelkopf deck: Nine to Ace of every suit twice, one suit's twelve cards a row.
void LayDoppelkopfDeck(std::uint8_t* hands) {
    for (int place = 0; place < 48; ++place) {
        const int suit = place / 12;
        const int step = 3 + (place % 12) / 2;
        hands[place] = static_cast<std::uint8_t>(suit * 8 + step);
    }
}

std::string Descriptor(GameController& controller) {
    char text[kDescriptorSize + 8];
    std::memset(text, 'x', sizeof text);
    controller.GetDescriptor(text);
    for (std::size_t at = kDescriptorSize; at < sizeof text; ++at)
        EXPECT_EQ(text[at], 'x') << "written past the title buffer at " << at;
    return std::string(text, strnlen(text, kDescriptorSize));
}

} // namespace

// The title shows the file of the last save or open, whole up to the buffer, and "..." while
// there is none or no document is linked, for each start-up controller.
TEST(DocumentHooks, DescriptorIsTheDocumentsFileElseDots) {
    DoppelkopfDocumentController doppelkopf;
    SchafkopfDocumentController schafkopf;
    struct Bound {
        GameController* controller;
        GameDocumentLink** link;
    };
    std::vector<Bound> bound = {{&doppelkopf, &doppelkopf.document},
                                {&schafkopf, &schafkopf.document}};
#if defined(_WIN32)
    SkatDocumentController skat;
    bound.push_back({&skat, &skat.document});
#endif
    const std::string longPath = "C:\\" + std::string(300, 'd') + "\\Schaf.dat";
    const struct {
        bool linked;
        std::string path;
        std::string title;
    } cases[] = {
        {false, "", "..."},
        {true, "", "..."},
        {true, "C:\\Spiele\\Schaf.dat", "C:\\Spiele\\Schaf.dat"},
        {true, longPath, longPath.substr(0, kDescriptorSize - 1)},
    };
    GameDocument document;
    for (const Bound& b : bound) {
        for (const auto& c : cases) {
            document.path = c.path;
            *b.link = c.linked ? &document : nullptr;
            EXPECT_EQ(Descriptor(*b.controller), c.title) << c.linked << " " << c.path.size();
        }
    }
}

// The header holds the deal's 48 cards, no trick cards and no running game after the deal,
// a running game once play starts, and the same cards again after a deal that keeps them.
TEST(DocumentHooks, DoppelkopfDealAndStartReachTheHeader) {
    SeedRandom(20261211u);
    Records r;
    r.document.SetGameKind(kGameKindDoppelkopf);
    DoppelkopfDocumentController table;
    ASSERT_TRUE(table.AttachDocument(&r.settings, &r.rules, &r.document));
    DocumentHeader& header = r.document.header;

    std::uint8_t laid[48];
    LayDoppelkopfDeck(laid);
    std::memcpy(table.hands, laid, sizeof laid);
    std::memset(header.trickEntries, 0x55, sizeof header.trickEntries);
    header.gameRunning = 1;
    table.NewDeal(false);
    ASSERT_EQ(std::memcmp(header.deckOrder, table.dealtCards, 48), 0) << "the deal's cards";
    EXPECT_NE(std::memcmp(header.deckOrder, laid, 48), 0) << "shuffled before it is told";
    int seen[33] = {}, expected[33] = {};
    for (int place = 0; place < 48; ++place) {
        ++seen[header.deckOrder[place]];
        ++expected[laid[place]];
    }
    for (int card = 0; card < 33; ++card)
        EXPECT_EQ(seen[card], expected[card]) << "card " << card;
    for (const auto& entry : header.trickEntries)
        for (std::uint8_t byte : entry)
            EXPECT_EQ(byte, 0);
    EXPECT_EQ(header.gameRunning, 0);

    table.StartBidding();
    table.AnnounceGame();
    EXPECT_EQ(header.gameRunning, 0) << "bidding does not start play";
    table.OnNextGame();
    EXPECT_EQ(header.gameRunning, 1);

    std::uint8_t dealt[48];
    std::memcpy(dealt, header.deckOrder, sizeof dealt);
    std::memset(header.deckOrder, 0, sizeof header.deckOrder);
    table.NewDeal(true);
    EXPECT_EQ(std::memcmp(header.deckOrder, dealt, 48), 0) << "the same cards dealt again";
    EXPECT_EQ(header.gameRunning, 0);

    // A controller that has no document deals and starts play all the same.
    DoppelkopfDocumentController unlinked;
    ASSERT_TRUE(unlinked.Init(&r.settings, &r.rules, false, true));
    std::memcpy(unlinked.hands, laid, sizeof laid);
    unlinked.NewDeal(false);
    unlinked.OnNextGame();
    EXPECT_EQ(header.gameRunning, 0);
}

// A Schafkopf header keeps only its kind and phase: deal, bidding and start of play leave
// every byte of it as it was.
TEST(DocumentHooks, SchafkopfDealLeavesTheHeader) {
    SeedRandom(20261212u);
    Records r;
    SchafkopfDocumentController table;
    ASSERT_TRUE(table.AttachDocument(&r.settings, &r.schafkopf, &r.rules, &r.document));
    DocumentHeader& header = r.document.header;
    r.document.SetGameKind(kGameKindSchafkopf);
    for (int place = 0; place < 48; ++place)
        header.deckOrder[place] = static_cast<std::uint8_t>(place % 7);
    std::memset(header.trickEntries, 0x55, sizeof header.trickEntries);
    for (int running : {0, 1}) {
        header.gameRunning = static_cast<std::int16_t>(running);
        const DocumentHeader before = header;
        table.NewDeal(false);
        ASSERT_NE(std::memcmp(table.dealtCards, before.deckOrder, 48), 0) << "a deal was made";
        table.StartBidding();
        table.AnnounceGame();
        table.OnNextGame();
        EXPECT_EQ(std::memcmp(&header, &before, sizeof header), 0) << "running " << running;
    }
}

// Start-up attaches Skat, Doppelkopf, Schafkopf in this order: each links the document, and
// the list the document holds afterwards is the Doppelkopf game list, which the Schafkopf
// controller does not replace.
TEST(DocumentHooks, AfterStartUpTheDocumentHoldsTheDoppelkopfList) {
    Records r;
#if defined(_WIN32)
    SkatDocumentController skat;
    Handle skatList = NewHandle(40);
    skat.listHandle = skatList;
    skat.AttachDocument(&r.settings, &r.document, 0);
    EXPECT_EQ(skat.document, &r.document);
    EXPECT_EQ(skat.settings, &r.settings);
    EXPECT_EQ(r.document.recordHandle, skatList) << "the Skat score list";
#endif
    DoppelkopfDocumentController doppelkopf;
    ASSERT_TRUE(doppelkopf.AttachDocument(&r.settings, &r.rules, &r.document));
    SchafkopfDocumentController schafkopf;
    ASSERT_TRUE(schafkopf.AttachDocument(&r.settings, &r.schafkopf, &r.rules, &r.document));
    EXPECT_EQ(doppelkopf.document, &r.document);
    EXPECT_EQ(schafkopf.document, &r.document);
    ASSERT_NE(doppelkopf.gameListHandle, nullptr);
    ASSERT_NE(schafkopf.gameListHandle, nullptr);
    EXPECT_EQ(r.document.recordHandle, doppelkopf.gameListHandle);
#if defined(_WIN32)
    skat.listHandle = nullptr;
    DisposeHandle(skatList);
#endif
}
