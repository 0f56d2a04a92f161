// The two option records of the four-player games: rules, tariffs, table keys and computer
// styles. Record A (DoppelkopfOptions) is also the card engine's rules record. Both are file
// formats: they follow the settings body in the preference file and are stored in saved games
// byte for byte, little-endian, so every field has a fixed place (checked below). The engine
// reads them and the shell owns them, so the layouts live below both.
#pragma once

#include <cstddef>
#include <cstdint>

// Card-play time statistics kept per seat in the rules record, so that they last across games
// and program runs (the engine's card memory books and reads them).
// One seat's times, 23 x i16 as stored in the rules record. Times in milliseconds; -1 marks
// an empty place or a reference not yet known.
struct PlayerTimeRecord {
    std::int16_t reliable;        // 1 once both lists are full and clearly apart
    std::int16_t forcedTimes[10]; // plays where the seat held just that one card of the group
    std::int16_t forcedReference;
    std::int16_t choiceTimes[10]; // plays where the seat had a choice
    std::int16_t choiceReference;
};
static_assert(sizeof(PlayerTimeRecord) == 46);

inline constexpr int kTimeRecordSeats = 4;

inline constexpr int kOptionKeysSize = 20; // 17 key characters and three NULs
inline constexpr int kCurrencyNameSize = 256;

// Record A: the Doppelkopf rules (and the engine's rules record). Unnamed rule values are
// only carried here for the four-player games.
struct DoppelkopfOptions {
    std::int16_t changedMark;           //   0
    std::int16_t ruleValue2;            //   2
    std::int16_t announcementsOn;       //   4
    std::int16_t secondHeartTenWins;    //   6
    std::int16_t cardExchange;          //   8
    std::int16_t requiredSolos;         //  10
    std::int16_t requiredSoloCount;     //  12
    std::int16_t misplayLoses;          //  14
    std::int16_t suggestionStyle;       //  16 PlayerProfileCode of the human's suggestions
    std::int16_t opponentStyles[3];     //  18 PlayerProfileCode of computer players 1 to 3
    std::int16_t showRuleNotes;         //  24
    std::int16_t diamondAcesTop;        //  26
    std::int16_t specialPairTop;        //  28
    std::int16_t throwInAllowed;        //  30
    std::int16_t throwInKings;          //  32
    std::int16_t throwInNines;          //  34
    std::int16_t bockOn;                //  36
    std::int16_t bockGames;             //  38 bock games per event
    std::int32_t bockEvents;            //  40
    std::uint32_t allowedGames;         //  44 game types a computer seat may choose
    std::int32_t seriesEnd;             //  48 1 never, 4 at the target points, 8 after the games
    std::int32_t seriesGameCount;       //  52
    std::int32_t seriesTarget;          //  56 points
    std::int32_t timeLimitMode;         //  60 1 never, 2 after the minutes
    std::int32_t timeLimitMinutes;      //  64
    std::int16_t foxCaughtPoint;        //  68 extra points ...
    std::int16_t foxLastTrickPoint;     //  70
    std::int16_t charlieLastTrickPoint; //  72
    std::int16_t charlieCaughtPoint;    //  74
    std::int16_t fortyPointTrickPoint;  //  76
    std::int16_t ruleValue78;           //  78
    std::uint8_t unused80[4];           //  80
    char keys[kOptionKeysSize];         //  84 the 17 keys of the Doppelkopf table
    std::int32_t statistics[22];        // 104 game counters (kept when a saved game opens)
    std::int32_t placeStatistics[50];   // 192
    std::int32_t expectedValues[4];     // 392
    std::int16_t soloistLeads;          // 408
    std::int16_t exchangeRule;          // 410
    std::int16_t exchangeTrumpLimit;    // 412
    std::int16_t throwInPenalty;        // 414
    std::int16_t withoutNines;          // 416
    std::int16_t specialTopCard;        // 418 CardCode
    std::int16_t heartsTrickPoint;      // 420
    std::int16_t throwInNeedsBoth;      // 422
    PlayerTimeRecord playerTimes[kTimeRecordSeats]; // 424
    std::int32_t humanBalance;      // 608 game points (kept when a saved game opens)
    std::int16_t styleSettings[38]; // 612 settings 1 to 38; setting 3 = additional information
    std::int16_t announceDelay;     // 688 tenths of a second
    std::int16_t values690[211];    // 690
};

static_assert(sizeof(DoppelkopfOptions) == 1112);
static_assert(offsetof(DoppelkopfOptions, changedMark) == 0);
static_assert(offsetof(DoppelkopfOptions, ruleValue2) == 2);
static_assert(offsetof(DoppelkopfOptions, announcementsOn) == 4);
static_assert(offsetof(DoppelkopfOptions, secondHeartTenWins) == 6);
static_assert(offsetof(DoppelkopfOptions, cardExchange) == 8);
static_assert(offsetof(DoppelkopfOptions, requiredSolos) == 10);
static_assert(offsetof(DoppelkopfOptions, requiredSoloCount) == 12);
static_assert(offsetof(DoppelkopfOptions, misplayLoses) == 14);
static_assert(offsetof(DoppelkopfOptions, suggestionStyle) == 16);
static_assert(offsetof(DoppelkopfOptions, opponentStyles) == 18);
static_assert(offsetof(DoppelkopfOptions, showRuleNotes) == 24);
static_assert(offsetof(DoppelkopfOptions, diamondAcesTop) == 26);
static_assert(offsetof(DoppelkopfOptions, specialPairTop) == 28);
static_assert(offsetof(DoppelkopfOptions, throwInAllowed) == 30);
static_assert(offsetof(DoppelkopfOptions, throwInKings) == 32);
static_assert(offsetof(DoppelkopfOptions, throwInNines) == 34);
static_assert(offsetof(DoppelkopfOptions, bockOn) == 36);
static_assert(offsetof(DoppelkopfOptions, bockGames) == 38);
static_assert(offsetof(DoppelkopfOptions, bockEvents) == 40);
static_assert(offsetof(DoppelkopfOptions, allowedGames) == 44);
static_assert(offsetof(DoppelkopfOptions, seriesEnd) == 48);
static_assert(offsetof(DoppelkopfOptions, seriesGameCount) == 52);
static_assert(offsetof(DoppelkopfOptions, seriesTarget) == 56);
static_assert(offsetof(DoppelkopfOptions, timeLimitMode) == 60);
static_assert(offsetof(DoppelkopfOptions, timeLimitMinutes) == 64);
static_assert(offsetof(DoppelkopfOptions, foxCaughtPoint) == 68);
static_assert(offsetof(DoppelkopfOptions, foxLastTrickPoint) == 70);
static_assert(offsetof(DoppelkopfOptions, charlieLastTrickPoint) == 72);
static_assert(offsetof(DoppelkopfOptions, charlieCaughtPoint) == 74);
static_assert(offsetof(DoppelkopfOptions, fortyPointTrickPoint) == 76);
static_assert(offsetof(DoppelkopfOptions, ruleValue78) == 78);
static_assert(offsetof(DoppelkopfOptions, unused80) == 80);
static_assert(offsetof(DoppelkopfOptions, keys) == 84);
static_assert(offsetof(DoppelkopfOptions, statistics) == 104);
static_assert(offsetof(DoppelkopfOptions, placeStatistics) == 192);
static_assert(offsetof(DoppelkopfOptions, expectedValues) == 392);
static_assert(offsetof(DoppelkopfOptions, soloistLeads) == 408);
static_assert(offsetof(DoppelkopfOptions, exchangeRule) == 410);
static_assert(offsetof(DoppelkopfOptions, exchangeTrumpLimit) == 412);
static_assert(offsetof(DoppelkopfOptions, throwInPenalty) == 414);
static_assert(offsetof(DoppelkopfOptions, withoutNines) == 416);
static_assert(offsetof(DoppelkopfOptions, specialTopCard) == 418);
static_assert(offsetof(DoppelkopfOptions, heartsTrickPoint) == 420);
static_assert(offsetof(DoppelkopfOptions, throwInNeedsBoth) == 422);
static_assert(offsetof(DoppelkopfOptions, playerTimes) == 424);
static_assert(offsetof(DoppelkopfOptions, humanBalance) == 608);
static_assert(offsetof(DoppelkopfOptions, styleSettings) == 612);
static_assert(offsetof(DoppelkopfOptions, announceDelay) == 688);
static_assert(offsetof(DoppelkopfOptions, values690) == 690);

// Record B: the Schafkopf rules and tariffs. Tariffs are in hundredths of the currency unit.
struct SchafkopfOptions {
    std::int16_t changedMark;             //   0 set by the Sound dialog
    char keys[kOptionKeysSize];           //   2 the 17 keys of the Schafkopf table
    std::int16_t partnershipMode;         //  22 0 fixed partners, 1 two cards (USA), 2 German call
    std::int16_t officialRules;           //  24
    std::int16_t doubleRe;                //  26
    std::int16_t supResup;                //  28
    std::int16_t toutGames;               //  30
    std::int16_t ruleValue32;             //  32
    std::int16_t requiredSolo;            //  34
    std::int16_t declarerLeads;           //  36
    std::int16_t requiredSoloCount;       //  38
    std::int16_t misplayLoses;            //  40
    std::int16_t suggestionStyle;         //  42 PlayerProfileCode of the human's suggestions
    std::int16_t opponentStyles[3];       //  44 PlayerProfileCode of computer players 1 to 3
    std::int16_t allPassRule;             //  50 0 new deal, 1 forced games, 2 Ramsch, 3 Leasters
    std::int16_t trumpSuit;               //  52 0 Diamonds, 1 Hearts (also the plain partner cards)
    std::int16_t ruleValue54;             //  54
    std::int16_t ruleValue56;             //  56
    std::int16_t showRuleNotes;           //  58
    std::int16_t ruleValue60;             //  60
    std::int16_t bockGames;               //  62
    std::int32_t additionalPoints;        //  64 bits 1, 2, 4, 8, 16
    std::int32_t allowedGames;            //  68 one bit per solo game word
    std::int32_t seriesEnd;               //  72 1 never, 4 at the target points, 8 after the games
    std::int32_t seriesGameCount;         //  76
    std::int32_t seriesTarget;            //  80 points
    std::int32_t timeLimitMode;           //  84 1 never, 2 after the minutes
    std::int32_t timeLimitMinutes;        //  88
    std::int16_t withLaufende;            //  92 running trumps count
    std::int16_t noCalledAceRules;        //  94
    std::int16_t soundOn;                 //  96 a copy of the settings' sound switch
    std::int16_t ruleValue98;             //  98
    std::int16_t reservationSounds;       // 100 sound class "Reservation, Pass,..."
    char currencyName[kCurrencyNameSize]; // 102
    std::int16_t baseStake;               // 358 partner game
    std::int16_t schneiderStake;          // 360
    std::int16_t schwarzStake;            // 362
    std::int16_t soloStake;               // 364
    std::int16_t soloSchneiderStake;      // 366
    std::int16_t soloSchwarzStake;        // 368
    std::int16_t begStake;                // 370
    std::int16_t youStake;                // 372 Schwarz (You)
    std::int16_t laufendeStake;           // 374 per running trump
    std::int16_t ramschStake;             // 376
    std::int16_t noTrickStake;            // 378
    std::int32_t shootTheMoonStake;       // 380
    std::int32_t statistics[22];          // 384 game counters (kept when a saved game opens)
    std::int32_t placeStatistics[50];     // 472
    std::int32_t expectedValues[5];       // 672 the last one is the balance
    std::int16_t laufendeFrom;            // 692 running trumps count from (partner games), 1 to 6
    std::int16_t soloLaufendeFrom;        // 694 the same for solos
    std::int16_t withPot;                 // 696
    std::int16_t callAnyAce;              // 698
    std::int16_t partnerCards[2];         // 700 CardCodes of the two-cards mode
    std::int16_t withSuitSolo;            // 704 two-cards mode
    std::int16_t firstTrick;              // 706 the "1st Trick" game
    std::int16_t calledSuitLeadBan;       // 708 the declarer may not lead the called suit
    std::int16_t catchTheFox;             // 710
    std::int16_t shortDeck;               // 712 cards without 7 and 8
    std::int16_t values714[99];           // 714
};

static_assert(sizeof(SchafkopfOptions) == 912);
static_assert(offsetof(SchafkopfOptions, changedMark) == 0);
static_assert(offsetof(SchafkopfOptions, keys) == 2);
static_assert(offsetof(SchafkopfOptions, partnershipMode) == 22);
static_assert(offsetof(SchafkopfOptions, officialRules) == 24);
static_assert(offsetof(SchafkopfOptions, doubleRe) == 26);
static_assert(offsetof(SchafkopfOptions, supResup) == 28);
static_assert(offsetof(SchafkopfOptions, toutGames) == 30);
static_assert(offsetof(SchafkopfOptions, ruleValue32) == 32);
static_assert(offsetof(SchafkopfOptions, requiredSolo) == 34);
static_assert(offsetof(SchafkopfOptions, declarerLeads) == 36);
static_assert(offsetof(SchafkopfOptions, requiredSoloCount) == 38);
static_assert(offsetof(SchafkopfOptions, misplayLoses) == 40);
static_assert(offsetof(SchafkopfOptions, suggestionStyle) == 42);
static_assert(offsetof(SchafkopfOptions, opponentStyles) == 44);
static_assert(offsetof(SchafkopfOptions, allPassRule) == 50);
static_assert(offsetof(SchafkopfOptions, trumpSuit) == 52);
static_assert(offsetof(SchafkopfOptions, ruleValue54) == 54);
static_assert(offsetof(SchafkopfOptions, ruleValue56) == 56);
static_assert(offsetof(SchafkopfOptions, showRuleNotes) == 58);
static_assert(offsetof(SchafkopfOptions, ruleValue60) == 60);
static_assert(offsetof(SchafkopfOptions, bockGames) == 62);
static_assert(offsetof(SchafkopfOptions, additionalPoints) == 64);
static_assert(offsetof(SchafkopfOptions, allowedGames) == 68);
static_assert(offsetof(SchafkopfOptions, seriesEnd) == 72);
static_assert(offsetof(SchafkopfOptions, seriesGameCount) == 76);
static_assert(offsetof(SchafkopfOptions, seriesTarget) == 80);
static_assert(offsetof(SchafkopfOptions, timeLimitMode) == 84);
static_assert(offsetof(SchafkopfOptions, timeLimitMinutes) == 88);
static_assert(offsetof(SchafkopfOptions, withLaufende) == 92);
static_assert(offsetof(SchafkopfOptions, noCalledAceRules) == 94);
static_assert(offsetof(SchafkopfOptions, soundOn) == 96);
static_assert(offsetof(SchafkopfOptions, ruleValue98) == 98);
static_assert(offsetof(SchafkopfOptions, reservationSounds) == 100);
static_assert(offsetof(SchafkopfOptions, currencyName) == 102);
static_assert(offsetof(SchafkopfOptions, baseStake) == 358);
static_assert(offsetof(SchafkopfOptions, schneiderStake) == 360);
static_assert(offsetof(SchafkopfOptions, schwarzStake) == 362);
static_assert(offsetof(SchafkopfOptions, soloStake) == 364);
static_assert(offsetof(SchafkopfOptions, soloSchneiderStake) == 366);
static_assert(offsetof(SchafkopfOptions, soloSchwarzStake) == 368);
static_assert(offsetof(SchafkopfOptions, begStake) == 370);
static_assert(offsetof(SchafkopfOptions, youStake) == 372);
static_assert(offsetof(SchafkopfOptions, laufendeStake) == 374);
static_assert(offsetof(SchafkopfOptions, ramschStake) == 376);
static_assert(offsetof(SchafkopfOptions, noTrickStake) == 378);
static_assert(offsetof(SchafkopfOptions, shootTheMoonStake) == 380);
static_assert(offsetof(SchafkopfOptions, statistics) == 384);
static_assert(offsetof(SchafkopfOptions, placeStatistics) == 472);
static_assert(offsetof(SchafkopfOptions, expectedValues) == 672);
static_assert(offsetof(SchafkopfOptions, laufendeFrom) == 692);
static_assert(offsetof(SchafkopfOptions, soloLaufendeFrom) == 694);
static_assert(offsetof(SchafkopfOptions, withPot) == 696);
static_assert(offsetof(SchafkopfOptions, callAnyAce) == 698);
static_assert(offsetof(SchafkopfOptions, partnerCards) == 700);
static_assert(offsetof(SchafkopfOptions, withSuitSolo) == 704);
static_assert(offsetof(SchafkopfOptions, firstTrick) == 706);
static_assert(offsetof(SchafkopfOptions, calledSuitLeadBan) == 708);
static_assert(offsetof(SchafkopfOptions, catchTheFox) == 710);
static_assert(offsetof(SchafkopfOptions, shortDeck) == 712);
static_assert(offsetof(SchafkopfOptions, values714) == 714);
