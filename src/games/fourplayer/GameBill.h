// The money bill of one finished four-player game: what the settlement found, item by item,
// before the game list turns it into money per seat. It is stored with the controller's state
// in saved games (field by field, little-endian), so its fields keep their order and widths.
#pragma once

#include <cstdint>

// What a bill item stands for. Only the low eight bits are the kind: the pot item carries the
// seat whose pot account it books above them (kBillPot + 512 x seat).
enum BillItemKind : std::int16_t {
    kBillGameValue = 0,
    kBillTout = 1,
    kBillYou = 2,
    kBillSchneider = 4,
    kBillSchwarz = 5,
    kBillRe = 6,
    kBillContra = 7,
    kBillLaufende = 8,
    kBillPot = 9,
    kBillShootTheMoon = 10,
    kBillNoTrick = 11,
    kBillRamschLoser = 12,
    kBillLeasterWinner = 13,
    kBillSupra = 14,
    kBillResupra = 15,
    kBillExtras = 16,
    kBillBock = 17,
};

inline constexpr int kBillKindMask = 0xff;
inline constexpr int kBillSeatStep = 512;
inline constexpr int kBillMaxItems = 20;

// Values are in the units of the tariffs (hundredths of the currency unit).
struct BillItem {
    std::int16_t kind;
    std::int16_t value;
};

struct GameBill {
    std::int16_t itemCount;
    // The winning party in a normal game; after an all-passed game the loser (Ramsch), the
    // winner (Leaster) or the seat that shot the moon, then the seats that took no trick.
    // -1 for an empty entry.
    std::int16_t listedSeats[3];
    // 1: an item's value is what the first listed seat wins from or pays to each other seat;
    // 0: it is that seat's whole amount, a third of it against each other seat.
    std::int16_t perOpponent;
    std::int16_t cardPoints; // of the winning party; 0 after an all-passed game
    std::int16_t value;      // sum of the item values without the pot items
    std::int16_t potBooked;  // 1 when the game moves money into or out of the pot
    std::int16_t potSeat;    // seat whose pot account is booked; -1 every seat
    std::int16_t potAmount;  // negative: paid into the pot
    BillItem items[kBillMaxItems];
};
static_assert(sizeof(BillItem) == 4);
static_assert(sizeof(GameBill) == 100);
