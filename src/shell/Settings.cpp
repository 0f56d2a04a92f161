#include "shell/Settings.h"

#include <cstring>
#include <limits>

#include "platform/StringLists.h"

Settings* gSettings = nullptr;

namespace {

constexpr char kDefaultTableKeys[kTableKeysSize] = "4682phnaldb-+";
constexpr std::int16_t kComputerNameList = 1500; // names 1 to 5 at indexes 1 to 5
constexpr std::int32_t kDefaultStyleMask = 0x03C3C03F;
constexpr std::int16_t kPlayCardSoundClass = 4;

// Events whose sound shortens the pause before the next card.
constexpr std::int16_t kPlayCardEvent = 1503;
constexpr std::int16_t kThirdDelayEvent = 1604;
constexpr std::int16_t kQuarterDelayEvent = 1640;

// The base card size that fits the screen: small below 650 pixels, middle below 842.
std::int16_t CardSizeForScreen() {
    const int width = gScreenRect.right - gScreenRect.left;
    if (width < 650)
        return kCardSizeSmall;
    if (width < 842)
        return kCardSizeMiddle;
    return kCardSizeLarge;
}

} // namespace

Settings::Settings() = default;

Settings::~Settings() {
    FreeCardPictures();
}

void Settings::SetDefaults() {
    SettingsBody& b = body;
    const std::int32_t lastSeatStyle = b.seatStyles[3]; // the fourth seat has no default
    b = SettingsBody{};
    b.version = kSettingsVersion;
    for (int i = 1; i < kPlayerNameCount; ++i) {
        GetIndString(b.playerNames[i], kComputerNameList, static_cast<std::int16_t>(i));
        b.playerNames[i][kPlayerNameSize - 1] = '\0';
    }
    std::memcpy(b.tableKeys, kDefaultTableKeys, kTableKeysSize);
    b.cardSize = CardSizeForScreen();
    b.tableMode = kTableModeFourPerson;
    b.skatRamschOnPass = 1;
    b.skatGrandBase24 = 1;
    b.skatContraOn = 1;
    b.seatStyles[1] = 25;
    b.seatStyles[2] = 24;
    b.seatStyles[3] = lastSeatStyle;
    b.skatDefaultStrategy = 26;
    b.skatSortHand = 1;
    b.seriesPlayers = 9;
    b.gamesPerPairing = 15;
    b.tournamentDays = 28;
    b.seriesEnd = 1;
    b.seriesBalanceLimit = -501;
    b.seriesGameCount = 30;
    b.seriesTarget = 600;
    b.skatDoublingGames = 3;
    b.cardSet = 1;
    b.skatAlternateColours = 1;
    b.diamondsLeft = 1;
    b.tournamentPaneValue = 5;
    b.timedSaveMinutes = 20;
    for (std::int16_t& soundClass : b.soundClasses)
        soundClass = 1;
    b.animationOn = 1;
    b.individualStats = 1;
    b.announceSoloist = 1;
    b.cardSorting = 1;
    b.tablePictures = 1;
    b.cardDelay = 10;
    b.putAwayDelay = 20;
    constexpr std::int32_t kDefaultVoices[6] = {1, 2, 3, 5, 1, 1};
    std::memcpy(b.playerVoices, kDefaultVoices, sizeof b.playerVoices);
    b.leagueStyleMask = kDefaultStyleMask;
    b.tournamentStyleMask = kDefaultStyleMask;
    b.grandOuvertValue = 36;
    b.singleClickPlay = 1;
    b.cashDimes = 1000;
    b.fluidLevel = 2000;
    b.energyLevel = 2500;
    b.storyMode = 2;
    b.value1834 = 1;
    b.value1836 = 1;
    b.value1838 = 100;
    b.motive = 2;
    FreeCardPictures();
    ResetStatistics();
}

void Settings::ResetStatistics() {
    std::memset(body.statistics, 0, sizeof body.statistics);
    std::memset(body.statisticsCounters, 0, sizeof body.statisticsCounters);
    body.statisticsValue = 0;
    body.individualStats = 1;
}

void Settings::ApplySettings() {
    FreeCardPictures();
    ApplyDeckChoice(this);
    LoadCardPictures();
    const bool networkTable =
        body.tableMode == kTableModeLeague || body.tableMode == kTableModeTournament;
    if (networkTable && !body.networkGame && !gStoryMode)
        body.tableMode = kTableModeFourPerson;
}

bool Settings::IsSmallCardSize() {
    return body.cardSize == kCardSizeSmall;
}

std::int16_t Settings::GetCardDelay(std::int16_t event) {
    const std::int16_t delay = body.cardDelay;
    if (!body.soundOn)
        return delay;
    if (event == kPlayCardEvent && body.soundClasses[kPlayCardSoundClass])
        return delay / 2;
    if (event == kThirdDelayEvent)
        return delay / 3;
    if (event == kQuarterDelayEvent)
        return delay / 4;
    return delay;
}

void Settings::ResetTableMode() {
    body.networkGame = 0;
    body.sessionActive = 0;
    body.timedSave = 0;
    if (body.tableMode != kTableModeFourPerson && body.tableMode != kTableModePractice)
        body.tableMode = kTableModeFourPerson;
}

void Settings::AddMoney(std::int32_t cents) {
    AddCash(body, cents);
}

void Settings::SubtractMoney(std::int32_t cents) {
    SubtractCash(body, cents);
}

bool Settings::SanitizeLoadedValues() {
    const SettingsBody before = body;
    SettingsBody& b = body;
    for (auto& name : b.playerNames)
        name[kPlayerNameSize - 1] = '\0';
    b.tableKeys[kTableKeysSize - 1] = '\0';
    if (b.cardSize < kCardSizeMiddle || b.cardSize > kCardSizeLarge)
        b.cardSize = CardSizeForScreen();
    if (b.tableMode != kTableModeFourPerson && b.tableMode != kTableModeLeague &&
        b.tableMode != kTableModePractice && b.tableMode != kTableModeTournament)
        b.tableMode = kTableModeFourPerson;
    if (b.cardSet < 1)
        b.cardSet = 1;
    if (b.motive < 1)
        b.motive = 1;
    if (b.storyMode < 1 || b.storyMode > 2)
        b.storyMode = 2;
    if (b.playerVoices[0] < 1)
        b.playerVoices[0] = 1;
    if (b.cashCents < 0 || b.cashCents > 9)
        NormalizeCash(b, b.cashDimes, b.cashCents);
    return std::memcmp(&before, &body, sizeof body) != 0;
}
