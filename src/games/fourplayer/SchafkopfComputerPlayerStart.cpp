// The start of play of the Schafkopf game object: the solo a seat must play and the declarer,
// parties, run of top trumps and first lead once the bidding is over.
#include "games/fourplayer/SchafkopfComputerPlayer.h"

#include "records/OptionRecordLayouts.h"

ComputerPlayer* SchafkopfComputerPlayer::ChooseSolo(int seat) {
    if (!IsSeat(seat))
        return this;
    SeatBlock& block = seats[seat];
    EvaluateGameTypes(seat, block, true);
    const GameTypeWord bits = GameBits(block.bid.word);
    if (bits == kWordNone || bits == kWordNormal || bits == kWordMarriage) {
        // A Suit Solo in the suit with the most cards that are not Obers or Unters; Schafkopf
        // has no Heart Tens on top to leave out.
        BuildEvaluation(block, GetCardsPerHand(), 0, kWordSuitSolo, seat);
        int count[4];
        count[0] = block.groupCount[kTrumpGroup] - block.oberCount - block.unterCount;
        for (int suit = 1; suit < 4; ++suit)
            count[suit] = block.groupCount[suit];
        int best = 0;
        for (int suit = 1; suit < 4; ++suit)
            if (count[suit] > count[best])
                best = suit;
        block.bid = {best, kWordSuitSolo};
        BuildEvaluation(block, GetCardsPerHand(), best, kWordSuitSolo, seat);
    }
    block.bid.word |= kModSoloChoice;
    return this;
}

ComputerPlayer* SchafkopfComputerPlayer::StartPlay(int declarerSeat, bool someoneDeclares,
                                                   bool reevaluate, int partySeat) {
    const GameType type = gameType;
    const int cards = GetCardsPerHand();
    const GameTypeWord bits = GameBits(type.word);
    if (someoneDeclares && IsSeat(declarerSeat)) {
        for (int s = 0; s < kSeatCount; ++s)
            if (s != declarerSeat || reevaluate)
                BuildEvaluation(seats[s], cards, type.trumpSuit, type.word, s);
        partyLists[0] = static_cast<std::int16_t>(declarerSeat);
        declarer = declarerSeat;
        if (bits == kWordMarriage) {
            // The 1st Trick: the partner shows in the first tricks.
            BuildEvaluation(seats[declarerSeat], cards, type.trumpSuit, type.word, declarerSeat);
            for (int i = 1; i < 5; ++i)
                partyLists[i] = -1;
        } else {
            partyLists[1] = -1;
            for (int s = 0, entry = 2; s < kSeatCount; ++s) {
                seats[s].inDeclarerParty = s == declarerSeat ? 1 : 0;
                if (s != declarerSeat)
                    partyLists[entry++] = static_cast<std::int16_t>(s);
            }
            if (bits == kWordNoTrumps)
                for (auto& estimate : seatEstimates)
                    estimate.voidEstimate[kTrumpGroup] = 100;
            calledSuit = -1;
            laufendeCount = static_cast<std::int16_t>(ComputeLaufende(declarerSeat, calledSuit));
            if ((type.word & kModSoloChoice) || Rules().declarerLeads) {
                leader = static_cast<std::int16_t>(declarerSeat);
                seatToMove = leader;
            }
        }
    } else {
        declarer = -1;
        for (int s = 0; s < kSeatCount; ++s)
            BuildEvaluation(seats[s], cards, type.trumpSuit, type.word, s);
        if (!IsSeat(partySeat)) {
            laufendeCount = 0;
        } else {
            laufendeCount = static_cast<std::int16_t>(ComputeLaufende(partySeat, calledSuit));
            const bool called = calledSuit >= 0 && calledSuit < 4;
            for (int s = 0; s < kSeatCount; ++s) {
                bool first = s == partySeat;
                if (!first && called)
                    first = HoldsCard(s, CalledCard());
                else if (!first)
                    first = s == partyLists[0] || s == partyLists[1];
                seats[s].inDeclarerParty = first ? 1 : 0;
            }
        }
        // Partners fixed before play are known to every seat: the two others form the
        // second party, in seat order.
        if (IsSeat(partyLists[0]) && IsSeat(partyLists[1]) && partyLists[2] == -1)
            for (int s = 0, entry = 2; s < kSeatCount; ++s)
                if (s != partyLists[0] && s != partyLists[1])
                    partyLists[entry++] = static_cast<std::int16_t>(s);
    }
    trickNumber = 1;
    return this;
}
