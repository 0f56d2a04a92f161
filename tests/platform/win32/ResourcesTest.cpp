// Resources by type and id: where each picture id is looked up (program, deck library,
// figure library with the English ids), the data resources of the libraries, and the
// program's own card deck at every size.
#include "platform/win32/Resources.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/Alerts.h"
#include "platform/StringLists.h"
#include "platform/win32/Pictures.h"
#include "support/AlertRecorder.h"

namespace {

// The test library stands in for all four libraries. Its pictures are card pictures of
// another size than the program's pictures of the same id.
HMODULE TestLibrary() {
    static HMODULE library = [] {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string name(path);
        name = name.substr(0, name.find_last_of("\\/") + 1) + "picture_test_library.dll";
        return LoadLibraryA(name.c_str());
    }();
    return library;
}

struct Size {
    int width;
    int height;
    bool operator==(const Size&) const = default;
};

// The program's card sizes by first picture id.
constexpr Size kSmall{60, 50};       // 1100
constexpr Size kMiddle{100, 72};     // 1000
constexpr Size kLarge{116, 84};      // 2000
constexpr Size kFullSmall{93, 144};  // 1200
constexpr Size kFullLarge{108, 168}; // 2200

// The size of picture id, or {0, 0} when none came back; the picture is released.
Size PictureSize(int id) {
    void* picture = GetResource(kPictType, static_cast<std::int16_t>(id));
    RECT bounds = {};
    GetPictureBounds(static_cast<HBITMAP>(picture), &bounds);
    ReleaseResource(picture, kPictureResource);
    return {bounds.right, bounds.bottom};
}

std::string DataText(void* data) {
    return data ? std::string(static_cast<const char*>(data)) : std::string("(null)");
}

class ResourcesTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(TestLibrary(), nullptr)
            << "picture_test_library.dll belongs next to the test program";
        ResetAlertRecorder();
        savedEnglish = gLanguageEnglish;
    }
    void TearDown() override {
        ClearResourceLibraries();
        gLanguageEnglish = savedEnglish;
    }
    void UseTestLibraryForAll() {
        SetExtensionLibrary(TestLibrary());
        SetPersonaLibrary(TestLibrary());
        gSoundLibrary = TestLibrary();
        gLeagueLibrary = TestLibrary();
    }
    std::uint8_t savedEnglish = 0;
};

TEST(ResType, FirstCharacterIsTheMostSignificantByte) {
    EXPECT_EQ(kPictType, 0x50494354u);
    EXPECT_EQ(kLibraryType, 0x4c494220u);
}

TEST_F(ResourcesTest, EveryFallBackCardPictureLoadsAtItsSize) {
    struct Set {
        int first;
        Size size;
        bool extras;
    };
    const Set sets[] = {{1100, kSmall, false},
                        {1000, kMiddle, true},
                        {2000, kLarge, true},
                        {1200, kFullSmall, false},
                        {2200, kFullLarge, false}};
    for (const Set& set : sets) {
        for (int i = 0; i <= 32; ++i) {
            EXPECT_EQ(PictureSize(set.first + i), set.size) << "picture " << set.first + i;
        }
        for (int i = 35; i <= 37 && set.extras; ++i) {
            EXPECT_EQ(PictureSize(set.first + i), set.size) << "extra picture " << set.first + i;
        }
    }
    EXPECT_TRUE(RecordedAlerts().empty());
}

TEST_F(ResourcesTest, PictureIdsFindTheirSource) {
    UseTestLibraryForAll();
    struct Case {
        int id;
        bool english;
        Size expected;
        const char* why;
    };
    const Case cases[] = {
        {1036, false, kMiddle, "backs and extras always come from the program"},
        {1100, false, kFullLarge, "a deck picture comes from the deck library"},
        {1101, false, kSmall, "one the deck lacks comes from the program"},
        {1404, true, kSmall, "a figure picture is looked up 10000 higher"},
        {1403, true, kFullSmall, "with English resources 1403 is looked up as 21403"},
        {1403, false, {0, 0}, "without them as 11403, which the library lacks"},
    };
    for (const Case& c : cases) {
        gLanguageEnglish = c.english;
        EXPECT_EQ(PictureSize(c.id), c.expected) << c.id << ": " << c.why;
    }
    EXPECT_TRUE(RecordedAlerts().empty()) << "a missing figure picture shows no box";

    ClearResourceLibraries();
    EXPECT_EQ(PictureSize(1100), kSmall) << "without a deck library the program's own picture";
}

TEST_F(ResourcesTest, MissingProgramPictureShowsTheDebuggingBox) {
    for (int id : {2601, 899}) {
        ResetAlertRecorder();
        EXPECT_EQ(GetResource(kPictType, static_cast<std::int16_t>(id)), nullptr);
        ASSERT_EQ(RecordedAlerts().size(), 1u) << id;
        EXPECT_NE(RecordedAlerts()[0].text.find("Pict fehlt: "), std::string::npos);
        EXPECT_NE(RecordedAlerts()[0].text.find(std::to_string(id)), std::string::npos);
    }
}

TEST_F(ResourcesTest, EnglishIdMapTouchesOnlyTheFiveFigurePictures) {
    gLanguageEnglish = 1;
    for (int id : {1403, 1423, 1443, 1485, 1497}) {
        EXPECT_EQ(MapEnglishPictureId(static_cast<std::int16_t>(id)), id + 10000);
    }
    EXPECT_EQ(MapEnglishPictureId(1404), 1404);
    gLanguageEnglish = 0;
    EXPECT_EQ(MapEnglishPictureId(1403), 1403);
}

TEST_F(ResourcesTest, DataResourcesComeFromTheirLibraries) {
    EXPECT_EQ(GetResource(kPairingsType, 105), nullptr) << "no pairing library loaded";
    EXPECT_EQ(GetResourcePref(kPrefType, 1280), nullptr) << "no sound library loaded";

    UseTestLibraryForAll();
    EXPECT_EQ(DataText(GetResource(kPairingsType, 105)), "three seats 105");
    EXPECT_EQ(DataText(GetResource(kPairings4Type, 205)), "four seats 205");
    EXPECT_EQ(DataText(GetResourcePref(kPrefType, 1280)), "sound preferences");
    EXPECT_EQ(GetResourcePref(kPrefType, 1281), nullptr);
    EXPECT_EQ(GetResourcePref(kLibraryType, 2000), nullptr);
    EXPECT_EQ(GetResourcePref(kCardDescriptionType, 128), nullptr);
    EXPECT_EQ(GetResource(kPrefType, 1280), nullptr) << "GetResource serves no preferences";

    void* picture = GetResourcePref(kPictType, 1100);
    EXPECT_NE(picture, nullptr) << "pictures through GetResourcePref too";
    ReleaseResource(picture, kPictureResource);
}

TEST_F(ResourcesTest, ReleasingAPictureDeletesItOtherKindsAreKept) {
    void* picture = GetResource(kPictType, 1001);
    ASSERT_NE(picture, nullptr);
    ReleaseResource(picture, 1);
    EXPECT_EQ(GetObjectType(static_cast<HGDIOBJ>(picture)), static_cast<DWORD>(OBJ_BITMAP));
    ReleaseResource(picture, kPictureResource);
    EXPECT_EQ(GetObjectType(static_cast<HGDIOBJ>(picture)), 0u);

    const std::uint32_t beeps = SysBeepCount();
    ReleaseResource(picture, kPictureResource);
    EXPECT_EQ(SysBeepCount(), beeps + 1) << "a picture that cannot be deleted beeps";
}

} // namespace
