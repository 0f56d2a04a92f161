// The settings' card pictures: which picture set holds which size at each base card size,
// the sets that share pictures, and releasing every picture exactly once.
#include <windows.h>
#include <gtest/gtest.h>

#include <set>

#include "platform/Alerts.h"
#include "platform/win32/WindowsGlobals.h"
#include "shell/Settings.h"
#include "support/AlertRecorder.h"

namespace {

struct Size {
    int width;
    int height;
    bool operator==(const Size&) const = default;
};

constexpr Size kNone{0, 0};
constexpr Size kSmall{60, 50};       // pictures 1100 + i (the upper part of a card)
constexpr Size kMiddle{100, 72};     // 1000 + i
constexpr Size kLarge{116, 84};      // 2000 + i
constexpr Size kFullSmall{93, 144};  // 1200 + i (whole cards)
constexpr Size kFullLarge{108, 168}; // 2200 + i

Size SizeOf(const WindowRect& bounds) {
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

Size PictureSize(PictureRef picture) {
    BITMAP info = {};
    if (!picture || !GetObjectA(static_cast<HBITMAP>(picture), sizeof info, &info))
        return kNone;
    return {info.bmWidth, info.bmHeight};
}

bool IsDeleted(PictureRef picture) {
    return GetObjectType(static_cast<HGDIOBJ>(picture)) == 0;
}

std::set<PictureRef> AllPictures(const Settings& settings) {
    std::set<PictureRef> pictures;
    for (const auto& set : settings.cardPictures)
        pictures.insert(std::begin(set), std::end(set));
    pictures.insert(std::begin(settings.extraPictures), std::end(settings.extraPictures));
    pictures.erase(nullptr);
    return pictures;
}

class SettingsPicturesTest : public testing::Test {
  protected:
    void SetUp() override { ResetAlertRecorder(); }
    // Frees the pictures and checks that every one was deleted, none of them twice.
    void ExpectFreedOnce() {
        const std::set<PictureRef> held = AllPictures(settings);
        const std::uint32_t beeps = SysBeepCount();
        settings.FreeCardPictures();
        EXPECT_EQ(SysBeepCount(), beeps) << "a picture was released twice";
        for (PictureRef picture : held)
            EXPECT_TRUE(IsDeleted(picture));
        EXPECT_TRUE(AllPictures(settings).empty());
    }
    Settings settings;
};

TEST_F(SettingsPicturesTest, EachCardSizeLoadsItsSets) {
    struct Case {
        std::int16_t cardSize;
        bool fullSize;
        Size set0, set1, set2, set3, extras;
        bool set2SharesSet1;
    };
    const Case cases[] = {
        {kCardSizeSmall, false, kMiddle, kSmall, kSmall, kNone, kMiddle, true},
        {kCardSizeSmall, true, kMiddle, kSmall, kSmall, kFullSmall, kMiddle, true},
        {kCardSizeMiddle, true, kLarge, kSmall, kMiddle, kFullLarge, kLarge, false},
        {kCardSizeLarge, false, kLarge, kMiddle, kMiddle, kNone, kLarge, true},
        {kCardSizeLarge, true, kLarge, kMiddle, kMiddle, kFullLarge, kLarge, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "card size " << c.cardSize << ", full size " << c.fullSize);
        settings.body.cardSize = c.cardSize;
        settings.body.ownCardsFullSize = c.fullSize;
        ASSERT_TRUE(settings.LoadCardPictures());
        WindowRect bounds;
        settings.GetCardSetBounds0(&bounds);
        EXPECT_EQ(SizeOf(bounds), c.set0);
        settings.GetCardSetBounds1(&bounds);
        EXPECT_EQ(SizeOf(bounds), c.set1);
        settings.GetCardSetBounds2(&bounds);
        EXPECT_EQ(SizeOf(bounds), c.set2);
        settings.GetCardSetBounds3(&bounds);
        EXPECT_EQ(SizeOf(bounds), c.set3);
        for (int i = 0; i < kCardPicturesPerSet; ++i) {
            ASSERT_NE(settings.GetCardPicture0(i), nullptr) << i;
            EXPECT_EQ(settings.GetCardPicture2(i) == settings.GetCardPicture1(i), c.set2SharesSet1)
                << i;
            EXPECT_EQ(settings.GetCardPicture3(i) != nullptr, c.fullSize) << i;
        }
        EXPECT_EQ(settings.GetCardPicture1(33), nullptr);
        EXPECT_EQ(settings.GetCardPicture1(-1), nullptr);
        for (PictureRef extra : settings.extraPictures)
            EXPECT_EQ(PictureSize(extra), c.extras);
        ExpectFreedOnce();
    }
    EXPECT_TRUE(RecordedAlerts().empty());
}

TEST_F(SettingsPicturesTest, EmptySetsReloadOnlyWhenTheyShouldHoldPictures) {
    settings.body.cardSize = kCardSizeLarge;
    WindowRect bounds;
    settings.GetCardSetBounds1(&bounds); // nothing loaded yet: loads everything
    EXPECT_EQ(SizeOf(bounds), kMiddle);
    const PictureRef back = settings.GetCardPicture1(0);
    ASSERT_NE(back, nullptr);

    settings.GetCardSetBounds3(&bounds); // no full-size own cards: empty by design
    EXPECT_EQ(SizeOf(bounds), kNone);
    EXPECT_EQ(settings.GetCardPicture1(0), back) << "asking set 3 reloaded the pictures";
    EXPECT_FALSE(IsDeleted(back));

    settings.body.ownCardsFullSize = 1;
    settings.GetCardSetBounds3(&bounds); // now it should hold pictures: reloads
    EXPECT_EQ(SizeOf(bounds), kFullLarge);
    EXPECT_TRUE(IsDeleted(back));
    ExpectFreedOnce();
}

TEST_F(SettingsPicturesTest, SmallSetReplacesSetTwoWithoutLosingOrDoubleFreeing) {
    for (std::int16_t cardSize : {kCardSizeMiddle, kCardSizeLarge}) {
        SCOPED_TRACE(cardSize);
        settings.body.cardSize = cardSize;
        ASSERT_TRUE(settings.LoadCardPictures());
        const PictureRef set1 = settings.GetCardPicture1(5);
        const PictureRef set2 = settings.GetCardPicture2(5);
        ASSERT_TRUE(settings.LoadSmallCardSet());
        EXPECT_EQ(PictureSize(settings.GetCardPicture2(5)), kSmall);
        EXPECT_FALSE(IsDeleted(set1)) << "set 1 keeps its pictures";
        EXPECT_EQ(IsDeleted(set2), set2 != set1) << "a set-2 picture of its own is released";
        ExpectFreedOnce();
    }
    settings.body.superSmallCards = 1;
    EXPECT_FALSE(settings.LoadSmallCardSet());
    EXPECT_EQ(settings.GetCardPicture2(0), nullptr);
}

TEST_F(SettingsPicturesTest, SetCardSizeReloadsOnlyOnChangeOrWhenForced) {
    settings.body.cardSize = kCardSizeSmall;
    settings.ReloadCardPictures();
    const PictureRef back = settings.GetCardPicture0(0);
    settings.SetCardSize(kCardSizeSmall, false);
    EXPECT_EQ(settings.GetCardPicture0(0), back);
    settings.SetCardSize(kCardSizeSmall, true);
    EXPECT_TRUE(IsDeleted(back));
    settings.SetCardSize(kCardSizeMiddle, false);
    EXPECT_EQ(settings.body.cardSize, kCardSizeMiddle);
    EXPECT_EQ(PictureSize(settings.GetCardPicture0(0)), kLarge);
    ExpectFreedOnce();
}

TEST_F(SettingsPicturesTest, MissingPictureStopsLoading) {
    // A program module without any bitmap: the very first picture is missing.
    const HINSTANCE program = gAppInstance;
    gAppInstance = GetModuleHandleA("kernel32.dll");
    settings.body.cardSize = kCardSizeSmall;
    const bool loaded = settings.LoadCardPictures();
    gAppInstance = program;
    EXPECT_FALSE(loaded);
    EXPECT_TRUE(AllPictures(settings).empty());
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    EXPECT_NE(RecordedAlerts()[0].text.find("Pict fehlt: "), std::string::npos);
}

} // namespace
