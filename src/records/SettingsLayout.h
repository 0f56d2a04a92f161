// The stored settings body: everything the player chooses and the program keeps between runs
// apart from the rules, in the layout of the preference file and of saved games. The shell owns
// the settings object around it; the game controllers read and book into the body, so its layout
// lives below both.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>

#include "platform/Geometry.h"

inline constexpr std::int32_t kSettingsVersion = 107;
inline constexpr int kPlayerNameCount = 6;
inline constexpr int kPlayerNameSize = 256;
inline constexpr int kTableKeysSize = 14; // 13 keys and a NUL
inline constexpr int kWindowRectCount = 40;
inline constexpr int kCardPictureSets = 4;
inline constexpr int kCardPicturesPerSet = 33; // 0 the back, 1 to 32 the faces
inline constexpr int kExtraPictureCount = 3;

// Card sizes (Settings::cardSize).
inline constexpr std::int16_t kCardSizeMiddle = 0; // 800 x 600
inline constexpr std::int16_t kCardSizeSmall = 1;  // 640 x 480
inline constexpr std::int16_t kCardSizeLarge = 2;  // 1024 x 768

// Table modes (Settings::tableMode).
inline constexpr std::int16_t kTableModeFourPerson = 1;
inline constexpr std::int16_t kTableModeLeague = 2;
inline constexpr std::int16_t kTableModePractice = 4;
inline constexpr std::int16_t kTableModeTournament = 8;

// The stored body: 3532 bytes, little-endian, exactly as in the preference file. Every i32
// sits on a multiple of 4, so the natural layout is the file's layout (checked below).
// Values only carried here for other parts of the program keep their plain names.
struct SettingsBody {
    std::int32_t version; //    0 not checked when reading
    // 4: 0 the human, 1 to 3 the computer players, two further names
    char playerNames[kPlayerNameCount][kPlayerNameSize];
    char tableKeys[kTableKeysSize];           // 1540
    std::int16_t cardSize;                    // 1554
    std::int16_t tableMode;                   // 1556
    std::int16_t sharedRuleA;                 // 1558
    std::int16_t skatRamschOnPass;            // 1560
    std::int16_t skatGrandBase24;             // 1562 Grand value choice
    std::int32_t skatContraOn;                // 1564
    std::int32_t seatStyles[4];               // 1568 style or strategy code per seat
    std::int16_t skatDefaultStrategy;         // 1584
    std::int16_t skatSortHand;                // 1586
    std::int16_t seriesPlayers;               // 1588
    std::int16_t gamesPerPairing;             // 1590
    std::int16_t skatLostHandFull;            // 1592
    std::int16_t skatIllegalCardLoses;        // 1594 written by the room entry dialog
    std::int32_t skatTournamentPoints;        // 1596 tournament totals
    std::int32_t tournamentDays;              // 1600
    std::int16_t sharedRuleB;                 // 1604 exchanged with network peers
    std::int16_t sharedRuleC;                 // 1606 exchanged with network peers
    std::int32_t seriesEnd;                   // 1608 bits 2 balance limit, 4 target, 8 games
    std::int32_t seriesBalanceLimit;          // 1612
    std::int32_t seriesGameCount;             // 1616
    std::int32_t seriesTarget;                // 1620
    std::int32_t skatDoublingTriggers;        // 1624
    std::int16_t skatDoublingGames;           // 1628
    std::int16_t cardSet;                     // 1630 deck number, from 1
    std::int16_t superSmallCards;             // 1632
    std::int16_t ownCardsFullSize;            // 1634
    std::int16_t suitsLeft;                   // 1636 suits left (1) or right (0)
    std::int16_t skatJacksInSuits;            // 1638
    std::int16_t skatAlternateColours;        // 1640
    std::int16_t diamondsLeft;                // 1642
    std::int16_t tournamentPaneValue;         // 1644
    std::int16_t sharedRuleD;                 // 1646
    std::int16_t networkGame;                 // 1648 network or club game active
    std::int16_t sessionActive;               // 1650
    std::int16_t timedSave;                   // 1652
    std::int16_t timedSaveMinutes;            // 1654
    std::int32_t soundOn;                     // 1656
    std::int16_t soundClasses[18];            // 1660 4 = "Play card"
    std::int16_t animationOn;                 // 1696
    std::int16_t individualStats;             // 1698
    std::int16_t announceSoloist;             // 1700
    std::int16_t cardSorting;                 // 1702
    std::int16_t tablePictures;               // 1704
    std::int16_t cardDelay;                   // 1706 tenths of a second
    std::int16_t putAwayOn;                   // 1708
    std::int16_t putAwayDelay;                // 1710 tenths of a second
    std::int32_t clubsSpadesOrder;            // 1712
    std::int32_t playerVoices[6];             // 1716 1 to 3 female, 5 to 7 male
    std::int32_t leagueStyleMask;             // 1740 opponent choice of the rooms
    std::int32_t tournamentStyleMask;         // 1744
    std::int16_t unused1748;                  // 1748
    std::int16_t soundValue;                  // 1750
    std::int16_t skatSchneiderFrom91;         // 1752
    std::int16_t deckValue;                   // 1754
    std::int32_t alwaysZero;                  // 1756
    std::int32_t keptOnOpen[3];               // 1760 kept across opening a saved game
    std::int32_t statisticsValue;             // 1772
    std::int16_t grandOuvertValue;            // 1776
    std::int16_t skatContraWithoutBid;        // 1778
    std::int16_t skatRamschCountPoints;       // 1780
    std::int16_t skatRamschEachPays;          // 1782
    std::int16_t singleClickPlay;             // 1784 single click (1) or double click (0)
    std::int16_t unused1786;                  // 1786
    std::int32_t cashDimes;                   // 1788 tenths of the currency unit
    std::int16_t fluidLevel;                  // 1792 ml
    std::int16_t energyLevel;                 // 1794 kcal
    std::int16_t customTable;                 // 1796 table graphics value
    std::int16_t restaurantValues[2];         // 1798
    std::int16_t movieFilter;                 // 1802 bit 0 no shuffle, bit 1 no card play
    std::int32_t roomStake;                   // 1804
    std::int16_t pubState[9];                 // 1808
    std::int16_t cashCents;                   // 1826 hundredths, 0 to 9
    std::int16_t storyMode;                   // 1828 2 with story, 1 table only
    std::int16_t reduceTaskbar;               // 1830
    std::int16_t unused1832;                  // 1832
    std::int16_t value1834;                   // 1834
    std::int16_t value1836;                   // 1836 raised to 1 before a new game
    std::int16_t value1838;                   // 1838 0 becomes 100 before a new game
    std::int16_t hideStartupNotes;            // 1840
    std::int16_t motive;                      // 1842 figure library, from 1
    std::int16_t suitNameChoice[9];           // 1844
    std::int16_t unused1862[364];             // 1862
    std::int16_t savedGameReaderValue;        // 2590
    std::int32_t statistics[11];              // 2592 the 44-byte statistics block
    std::int32_t statisticsCounters[64];      // 2636
    WindowRect windowRects[kWindowRectCount]; // 2892 per window slot
};

static_assert(sizeof(SettingsBody) == 3532);
static_assert(offsetof(SettingsBody, version) == 0);
static_assert(offsetof(SettingsBody, playerNames) == 4);
static_assert(offsetof(SettingsBody, tableKeys) == 1540);
static_assert(offsetof(SettingsBody, cardSize) == 1554);
static_assert(offsetof(SettingsBody, tableMode) == 1556);
static_assert(offsetof(SettingsBody, sharedRuleA) == 1558);
static_assert(offsetof(SettingsBody, skatRamschOnPass) == 1560);
static_assert(offsetof(SettingsBody, skatGrandBase24) == 1562);
static_assert(offsetof(SettingsBody, skatContraOn) == 1564);
static_assert(offsetof(SettingsBody, seatStyles) == 1568);
static_assert(offsetof(SettingsBody, skatDefaultStrategy) == 1584);
static_assert(offsetof(SettingsBody, skatSortHand) == 1586);
static_assert(offsetof(SettingsBody, seriesPlayers) == 1588);
static_assert(offsetof(SettingsBody, gamesPerPairing) == 1590);
static_assert(offsetof(SettingsBody, skatLostHandFull) == 1592);
static_assert(offsetof(SettingsBody, skatIllegalCardLoses) == 1594);
static_assert(offsetof(SettingsBody, skatTournamentPoints) == 1596);
static_assert(offsetof(SettingsBody, tournamentDays) == 1600);
static_assert(offsetof(SettingsBody, sharedRuleB) == 1604);
static_assert(offsetof(SettingsBody, sharedRuleC) == 1606);
static_assert(offsetof(SettingsBody, seriesEnd) == 1608);
static_assert(offsetof(SettingsBody, seriesBalanceLimit) == 1612);
static_assert(offsetof(SettingsBody, seriesGameCount) == 1616);
static_assert(offsetof(SettingsBody, seriesTarget) == 1620);
static_assert(offsetof(SettingsBody, skatDoublingTriggers) == 1624);
static_assert(offsetof(SettingsBody, skatDoublingGames) == 1628);
static_assert(offsetof(SettingsBody, cardSet) == 1630);
static_assert(offsetof(SettingsBody, superSmallCards) == 1632);
static_assert(offsetof(SettingsBody, ownCardsFullSize) == 1634);
static_assert(offsetof(SettingsBody, suitsLeft) == 1636);
static_assert(offsetof(SettingsBody, skatJacksInSuits) == 1638);
static_assert(offsetof(SettingsBody, skatAlternateColours) == 1640);
static_assert(offsetof(SettingsBody, diamondsLeft) == 1642);
static_assert(offsetof(SettingsBody, tournamentPaneValue) == 1644);
static_assert(offsetof(SettingsBody, sharedRuleD) == 1646);
static_assert(offsetof(SettingsBody, networkGame) == 1648);
static_assert(offsetof(SettingsBody, sessionActive) == 1650);
static_assert(offsetof(SettingsBody, timedSave) == 1652);
static_assert(offsetof(SettingsBody, timedSaveMinutes) == 1654);
static_assert(offsetof(SettingsBody, soundOn) == 1656);
static_assert(offsetof(SettingsBody, soundClasses) == 1660);
static_assert(offsetof(SettingsBody, animationOn) == 1696);
static_assert(offsetof(SettingsBody, individualStats) == 1698);
static_assert(offsetof(SettingsBody, announceSoloist) == 1700);
static_assert(offsetof(SettingsBody, cardSorting) == 1702);
static_assert(offsetof(SettingsBody, tablePictures) == 1704);
static_assert(offsetof(SettingsBody, cardDelay) == 1706);
static_assert(offsetof(SettingsBody, putAwayOn) == 1708);
static_assert(offsetof(SettingsBody, putAwayDelay) == 1710);
static_assert(offsetof(SettingsBody, clubsSpadesOrder) == 1712);
static_assert(offsetof(SettingsBody, playerVoices) == 1716);
static_assert(offsetof(SettingsBody, leagueStyleMask) == 1740);
static_assert(offsetof(SettingsBody, tournamentStyleMask) == 1744);
static_assert(offsetof(SettingsBody, unused1748) == 1748);
static_assert(offsetof(SettingsBody, soundValue) == 1750);
static_assert(offsetof(SettingsBody, skatSchneiderFrom91) == 1752);
static_assert(offsetof(SettingsBody, deckValue) == 1754);
static_assert(offsetof(SettingsBody, alwaysZero) == 1756);
static_assert(offsetof(SettingsBody, keptOnOpen) == 1760);
static_assert(offsetof(SettingsBody, statisticsValue) == 1772);
static_assert(offsetof(SettingsBody, grandOuvertValue) == 1776);
static_assert(offsetof(SettingsBody, skatContraWithoutBid) == 1778);
static_assert(offsetof(SettingsBody, skatRamschCountPoints) == 1780);
static_assert(offsetof(SettingsBody, skatRamschEachPays) == 1782);
static_assert(offsetof(SettingsBody, singleClickPlay) == 1784);
static_assert(offsetof(SettingsBody, unused1786) == 1786);
static_assert(offsetof(SettingsBody, cashDimes) == 1788);
static_assert(offsetof(SettingsBody, fluidLevel) == 1792);
static_assert(offsetof(SettingsBody, energyLevel) == 1794);
static_assert(offsetof(SettingsBody, customTable) == 1796);
static_assert(offsetof(SettingsBody, restaurantValues) == 1798);
static_assert(offsetof(SettingsBody, movieFilter) == 1802);
static_assert(offsetof(SettingsBody, roomStake) == 1804);
static_assert(offsetof(SettingsBody, pubState) == 1808);
static_assert(offsetof(SettingsBody, cashCents) == 1826);
static_assert(offsetof(SettingsBody, storyMode) == 1828);
static_assert(offsetof(SettingsBody, reduceTaskbar) == 1830);
static_assert(offsetof(SettingsBody, unused1832) == 1832);
static_assert(offsetof(SettingsBody, value1834) == 1834);
static_assert(offsetof(SettingsBody, value1836) == 1836);
static_assert(offsetof(SettingsBody, value1838) == 1838);
static_assert(offsetof(SettingsBody, hideStartupNotes) == 1840);
static_assert(offsetof(SettingsBody, motive) == 1842);
static_assert(offsetof(SettingsBody, suitNameChoice) == 1844);
static_assert(offsetof(SettingsBody, unused1862) == 1862);
static_assert(offsetof(SettingsBody, savedGameReaderValue) == 2590);
static_assert(offsetof(SettingsBody, statistics) == 2592);
static_assert(offsetof(SettingsBody, statisticsCounters) == 2636);
static_assert(offsetof(SettingsBody, windowRects) == 2892);

// The cash of the pub story: tenths of the currency unit in cashDimes and hundredths 0 to 9 in
// cashCents. Moving whole tens of the cents into the dimes keeps dimes / 10 + cents / 100; the
// dimes stop at the ends of their 32-bit range.
inline void NormalizeCash(SettingsBody& body, std::int64_t dimes, std::int64_t cents) {
    std::int64_t carry = cents / 10;
    cents %= 10;
    if (cents < 0) {
        cents += 10;
        carry -= 1;
    }
    dimes += carry;
    if (dimes > std::numeric_limits<std::int32_t>::max())
        dimes = std::numeric_limits<std::int32_t>::max();
    if (dimes < std::numeric_limits<std::int32_t>::min())
        dimes = std::numeric_limits<std::int32_t>::min();
    body.cashDimes = static_cast<std::int32_t>(dimes);
    body.cashCents = static_cast<std::int16_t>(cents);
}

// Credits and debits the cash by an amount in hundredths of the currency unit.
inline void AddCash(SettingsBody& body, std::int64_t cents) {
    NormalizeCash(body, std::int64_t{body.cashDimes} + cents / 10,
                  std::int64_t{body.cashCents} + cents % 10);
}
inline void SubtractCash(SettingsBody& body, std::int64_t cents) {
    AddCash(body, -cents);
}
