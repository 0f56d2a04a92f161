// The settings' card pictures come from the deck manager, the same object that start-up checks
// the configured deck against: its deck list, its capabilities and its pictures.
#include "shell/DeckPictures.h"

#include <gtest/gtest.h>

#include <vector>

#include "media/win32/ExtensionManager.h"
#include "shell/Settings.h"

namespace {

// A deck manager whose answers a test chooses; it notes the pictures asked for.
class ScriptedDeckManager : public ExtensionManager {
  public:
    void* GetPicture(std::int16_t pictureId) override {
        askedIds.push_back(pictureId);
        return picturesMissing ? nullptr : ExtensionManager::GetPicture(pictureId);
    }
    bool HasFullSizeOwnCards() override { return fullSizeOwnCards; }
    bool HasAllCardSizes() override { return allCardSizes; }

    std::vector<int> askedIds;
    bool picturesMissing = false;
    bool fullSizeOwnCards = true;
    bool allCardSizes = true;
};

class DeckPicturesTest : public testing::Test {
  protected:
    void SetUp() override {
        saved = gDeckManager;
        gDeckManager = &manager;
        manager.UseProgramDeckOnly(kProgramDeckName);
        manager.programDeckOnly = true;
        settings.SetDefaults();
    }
    void TearDown() override {
        settings.FreeCardPictures();
        gDeckManager = saved;
    }
    ExtensionManager* saved = nullptr;
    ScriptedDeckManager manager;
    Settings settings;
};

TEST_F(DeckPicturesTest, ApplyingChoosesADeckOfTheManagersList) {
    for (std::int16_t cardSet : {1, 2, 7, 0, -1}) {
        settings.body.cardSet = cardSet;
        manager.selectedDeck = -1;
        settings.ApplySettings();
        EXPECT_EQ(settings.body.cardSet, 1) << cardSet;
        EXPECT_EQ(manager.selectedDeck, 0) << cardSet;
    }
}

// At the large size set 2 shows set 1's pictures: per index set 1 (1000 + i) and set 0
// (2000 + i) are loaded, then the extras 2035 to 2037.
TEST_F(DeckPicturesTest, PicturesAreAskedOfTheManagerInLoadingOrder) {
    settings.body.cardSize = kCardSizeLarge;
    settings.body.ownCardsFullSize = 0;
    ASSERT_TRUE(settings.LoadCardPictures());
    std::vector<int> expected;
    for (int i = 0; i < kCardPicturesPerSet; ++i)
        expected.insert(expected.end(), {1000 + i, 2000 + i});
    expected.insert(expected.end(), {2035, 2036, 2037});
    EXPECT_EQ(manager.askedIds, expected);
}

TEST_F(DeckPicturesTest, MissingPicturesOfTheManagerStopLoading) {
    manager.picturesMissing = true;
    EXPECT_FALSE(settings.LoadCardPictures());
    EXPECT_EQ(manager.askedIds.size(), 1u);
    EXPECT_EQ(settings.GetCardPicture1(0), nullptr);
}

// A deck without full-size own cards switches them off; a deck without every size forces the
// small size and switches off the full-size and the extra-small cards.
TEST_F(DeckPicturesTest, ManagerCapabilitiesLimitTheCardChoice) {
    struct Case {
        bool fullSize, allSizes;
        std::int16_t wantFullSize, wantSuperSmall, wantCardSize;
    };
    for (const Case& c :
         {Case{true, true, 1, 1, kCardSizeLarge}, Case{false, true, 0, 1, kCardSizeLarge},
          Case{true, false, 0, 0, kCardSizeSmall}}) {
        manager.fullSizeOwnCards = c.fullSize;
        manager.allCardSizes = c.allSizes;
        settings.body.cardSize = kCardSizeLarge;
        settings.body.ownCardsFullSize = 1;
        settings.body.superSmallCards = 1;
        settings.ApplySettings();
        EXPECT_EQ(settings.body.ownCardsFullSize, c.wantFullSize) << c.fullSize << c.allSizes;
        EXPECT_EQ(settings.body.superSmallCards, c.wantSuperSmall) << c.fullSize << c.allSizes;
        EXPECT_EQ(settings.body.cardSize, c.wantCardSize) << c.fullSize << c.allSizes;
    }
}

} // namespace
