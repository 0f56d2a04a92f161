#include "records/RecordTransfers.h"

#include <initializer_list>

static_assert(sizeof(SchafkopfOptions) == kSchafkopfOptionsSize);
static_assert(sizeof(SettingsBody) == kSettingsBodySize);

namespace {

void TransferRules(SchafkopfOptions& o, ByteOrderCursor& io) {
    for (std::int16_t* field : {&o.partnershipMode, &o.officialRules, &o.doubleRe, &o.supResup,
                                &o.toutGames, &o.ruleValue32, &o.requiredSolo, &o.declarerLeads,
                                &o.requiredSoloCount, &o.misplayLoses, &o.suggestionStyle})
        io.Field(*field);
    io.Field(o.opponentStyles);
    for (std::int16_t* field : {&o.allPassRule, &o.trumpSuit, &o.ruleValue54, &o.ruleValue56,
                                &o.showRuleNotes, &o.ruleValue60, &o.bockGames})
        io.Field(*field);
    for (std::int32_t* field :
         {&o.additionalPoints, &o.allowedGames, &o.seriesEnd, &o.seriesGameCount, &o.seriesTarget,
          &o.timeLimitMode, &o.timeLimitMinutes})
        io.Field(*field);
    for (std::int16_t* field :
         {&o.withLaufende, &o.noCalledAceRules, &o.soundOn, &o.ruleValue98, &o.reservationSounds})
        io.Field(*field);
}

void TransferTariffs(SchafkopfOptions& o, ByteOrderCursor& io) {
    for (std::int16_t* field : {&o.baseStake, &o.schneiderStake, &o.schwarzStake, &o.soloStake,
                                &o.soloSchneiderStake, &o.soloSchwarzStake, &o.begStake,
                                &o.youStake, &o.laufendeStake, &o.ramschStake, &o.noTrickStake})
        io.Field(*field);
    io.Field(o.shootTheMoonStake);
    io.Field(o.statistics);
    io.Field(o.placeStatistics);
    io.Field(o.expectedValues);
}

} // namespace

void TransferSchafkopfOptions(SchafkopfOptions& o, ByteOrderCursor& io) {
    io.Kept(o.changedMark);
    io.Bytes(o.keys, kOptionKeysSize);
    TransferRules(o, io);
    io.Bytes(o.currencyName, kCurrencyNameSize);
    TransferTariffs(o, io);
    for (std::int16_t* field : {&o.laufendeFrom, &o.soloLaufendeFrom, &o.withPot, &o.callAnyAce})
        io.Field(*field);
    io.Field(o.partnerCards);
    for (std::int16_t* field :
         {&o.withSuitSolo, &o.firstTrick, &o.calledSuitLeadBan, &o.catchTheFox, &o.shortDeck})
        io.Field(*field);
    io.Field(o.values714);
}

namespace {

void TransferTableChoices(SettingsBody& b, ByteOrderCursor& io) {
    for (std::int16_t* field :
         {&b.cardSize, &b.tableMode, &b.sharedRuleA, &b.skatRamschOnPass, &b.skatGrandBase24})
        io.Field(*field);
    io.Field(b.skatContraOn);
    io.Field(b.seatStyles);
    for (std::int16_t* field : {&b.skatDefaultStrategy, &b.skatSortHand, &b.seriesPlayers,
                                &b.gamesPerPairing, &b.skatLostHandFull, &b.skatIllegalCardLoses})
        io.Field(*field);
    io.Field(b.skatTournamentPoints);
    io.Field(b.tournamentDays);
    io.Field(b.sharedRuleB);
    io.Field(b.sharedRuleC);
    for (std::int32_t* field : {&b.seriesEnd, &b.seriesBalanceLimit, &b.seriesGameCount,
                                &b.seriesTarget, &b.skatDoublingTriggers})
        io.Field(*field);
}

void TransferDisplayChoices(SettingsBody& b, ByteOrderCursor& io) {
    for (std::int16_t* field :
         {&b.skatDoublingGames, &b.cardSet, &b.superSmallCards, &b.ownCardsFullSize, &b.suitsLeft,
          &b.skatJacksInSuits, &b.skatAlternateColours, &b.diamondsLeft, &b.tournamentPaneValue,
          &b.sharedRuleD, &b.networkGame, &b.sessionActive, &b.timedSave, &b.timedSaveMinutes})
        io.Field(*field);
    io.Field(b.soundOn);
    io.Field(b.soundClasses);
    for (std::int16_t* field :
         {&b.animationOn, &b.individualStats, &b.announceSoloist, &b.cardSorting, &b.tablePictures,
          &b.cardDelay, &b.putAwayOn, &b.putAwayDelay})
        io.Field(*field);
    io.Field(b.clubsSpadesOrder);
    io.Field(b.playerVoices);
    io.Field(b.leagueStyleMask);
    io.Field(b.tournamentStyleMask);
    for (std::int16_t* field : {&b.unused1748, &b.soundValue, &b.skatSchneiderFrom91, &b.deckValue})
        io.Field(*field);
    io.Field(b.alwaysZero);
    io.Field(b.keptOnOpen);
    io.Field(b.statisticsValue);
    for (std::int16_t* field :
         {&b.grandOuvertValue, &b.skatContraWithoutBid, &b.skatRamschCountPoints,
          &b.skatRamschEachPays, &b.singleClickPlay, &b.unused1786})
        io.Field(*field);
}

void TransferStoryValues(SettingsBody& b, ByteOrderCursor& io) {
    io.Field(b.cashDimes);
    io.Field(b.fluidLevel);
    io.Field(b.energyLevel);
    io.Field(b.customTable);
    io.Field(b.restaurantValues);
    io.Field(b.movieFilter);
    io.Field(b.roomStake);
    io.Field(b.pubState);
    for (std::int16_t* field :
         {&b.cashCents, &b.storyMode, &b.reduceTaskbar, &b.unused1832, &b.value1834, &b.value1836,
          &b.value1838, &b.hideStartupNotes, &b.motive})
        io.Field(*field);
    io.Field(b.suitNameChoice);
}

} // namespace

void TransferSettingsBody(SettingsBody& b, ByteOrderCursor& io) {
    io.Kept(b.version);
    io.Bytes(&b.playerNames[0][0], sizeof b.playerNames);
    io.Bytes(b.tableKeys, kTableKeysSize);
    TransferTableChoices(b, io);
    TransferDisplayChoices(b, io);
    TransferStoryValues(b, io);
    io.Bytes(reinterpret_cast<std::uint8_t*>(b.unused1862), sizeof b.unused1862);
    io.Kept(b.savedGameReaderValue);
    io.Field(b.statistics);
    io.Field(b.statisticsCounters);
    for (WindowRect& rect : b.windowRects)
        for (std::int32_t* side : {&rect.left, &rect.top, &rect.right, &rect.bottom})
            io.Kept(*side);
}
