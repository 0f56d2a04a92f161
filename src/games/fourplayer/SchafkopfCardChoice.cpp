#include "games/fourplayer/SchafkopfCardChoice.h"

namespace {

constexpr int kReasonNoneBetween = 48;

} // namespace

bool SchafkopfCardChoice::PlayEquivalentCard(int seat, int card) {
    if (!IsSeat(seat) || !IsCardCode(card))
        return false;
    const int group = GetSuitGroup(card);
    int places[kHandPlaces];
    const int n = GroupPlaces(seat, group, places);
    if (n == 0)
        return false;
    const int lowest = seats[seat].hand[places[0]];
    // The seat can stay under the card, or nothing it could give away lies below its cards.
    if (IsCardHigher(card, lowest) || CountLowerOut(seat, lowest) == 0)
        return PlayLowest(seat, group, kReasonLowestCard);
    // A card of the seat with no card out between it and the card keeps the trick as well as
    // the lowest would.
    const int higher = CountHigherOut(seat, card);
    for (int i = 0; i < n; ++i)
        if (CountHigherOut(seat, seats[seat].hand[places[i]]) == higher)
            return PlayPlace(seat, places[i], kReasonNoneBetween);
    return false;
}
