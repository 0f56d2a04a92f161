#include "games/fourplayer/GameList.h"

#include <cstring>
#include <initializer_list>

namespace {

constexpr std::int32_t kAllPassedBit = 0x8000;

bool IsSeat(int seat) {
    return seat >= 0 && seat < kListSeats;
}

// Books a gain (or, negative, a loss) of a seat into its record value and its total.
void Book(GameListHeader& header, GameRecord& record, int seat, int amount) {
    if (!IsSeat(seat))
        return;
    record.values[seat] = static_cast<std::int16_t>(record.values[seat] + amount);
    header.totals[seat] += amount;
}

int ItemKind(const BillItem& item) {
    return item.kind & kBillKindMask;
}

// A no-trick item: the first listed seat gains the value; the seats that took no trick lose
// it, once for the run of such items.
void ScoreNoTrickItem(GameListHeader& header, GameRecord& record, const GameBill& bill, int index) {
    const int value = bill.items[index].value;
    Book(header, record, bill.listedSeats[0], value);
    if (index > 0 && ItemKind(bill.items[index - 1]) == kBillNoTrick)
        return;
    Book(header, record, bill.listedSeats[1], -value);
    Book(header, record, bill.listedSeats[2], -value);
}

// Any other item: against each other seat the value (per opponent), or a third of the first
// listed seat's whole amount, truncated as stored lists have always had it.
void ScoreSharedItem(GameListHeader& header, GameRecord& record, const GameBill& bill, int value) {
    const int first = bill.listedSeats[0];
    const bool perOpponent = bill.perOpponent == 1;
    Book(header, record, first, perOpponent ? 3 * value : value);
    for (int seat = 0; seat < kListSeats; ++seat)
        if (seat != first)
            Book(header, record, seat, perOpponent ? -value : -(value / 3));
}

int ClampedItemCount(const GameBill& bill) {
    if (bill.itemCount < 0)
        return 0;
    return bill.itemCount > kBillMaxItems ? kBillMaxItems : bill.itemCount;
}

} // namespace

bool IsGameListSound(Handle list) {
    if (!list)
        return false;
    const std::int32_t size = GetHandleSize(list);
    if (size < kGameListHeaderSize)
        return false;
    const std::int32_t count = GameListHead(list)->count;
    return count >= 0 && count < (size / kGameRecordSize) && size == GameListSize(count);
}

GameListHeader* GameListHead(Handle list) {
    return static_cast<GameListHeader*>(list);
}

GameRecord* GameListRecord(Handle list, int index) {
    auto* bytes = static_cast<std::uint8_t*>(list);
    return reinterpret_cast<GameRecord*>(bytes + kGameListHeaderSize + kGameRecordSize * index);
}

GameRecord* LastGameRecord(Handle list) {
    if (!list || GameListHead(list)->count <= 0)
        return nullptr;
    return GameListRecord(list, GameListHead(list)->count - 1);
}

Handle ResetGameList(Handle list) {
    Handle fresh = list ? SetHandleSize(list, GameListSize(0)) : NewHandle(GameListSize(0));
    if (!fresh)
        return list;
    std::memset(fresh, 0, GameListSize(0));
    return fresh;
}

bool AppendGameRecord(Handle* list, const GameRecord& record) {
    const std::int32_t count = GameListHead(*list)->count;
    Handle grown = SetHandleSize(*list, GameListSize(count + 1));
    if (!grown)
        return false;
    *list = grown;
    std::memcpy(GameListRecord(grown, count), &record, sizeof record);
    std::memset(GameListRecord(grown, count + 1), 0, kGameRecordSize);
    GameListHead(grown)->count = count + 1;
    return true;
}

bool RemoveLastGameRecord(Handle* list) {
    const std::int32_t count = GameListHead(*list)->count;
    if (count <= 0)
        return false;
    Handle shrunk = SetHandleSize(*list, GameListSize(count - 1));
    if (!shrunk)
        return false;
    *list = shrunk;
    GameListHead(shrunk)->count = count - 1;
    std::memset(GameListRecord(shrunk, count - 1), 0, kGameRecordSize);
    return true;
}

bool IsListedSeat(const GameRecord& record, int seat) {
    for (std::int16_t listed : record.listedSeats)
        if (listed >= 0 && listed == seat)
            return true;
    return false;
}

void ScoreByParty(GameListHeader& header, GameRecord& record, const GameBill& bill, int declarer,
                  bool solo) {
    const int v = bill.value;
    const bool soloistListed = solo && bill.listedSeats[0] == declarer;
    for (int seat = 0; seat < kListSeats; ++seat) {
        if (IsListedSeat(record, seat)) {
            header.won[seat] += 1;
            Book(header, record, seat, soloistListed ? 3 * v : v);
        } else {
            header.lost[seat] += 1;
            Book(header, record, seat, solo && !soloistListed ? -3 * v : -v);
        }
    }
}

void ScoreByItems(GameListHeader& header, GameRecord& record, const GameBill& bill) {
    bool bock = false;
    const int count = ClampedItemCount(bill);
    for (int index = 0; index < count; ++index) {
        const int kind = ItemKind(bill.items[index]);
        if (kind == kBillBock)
            bock = true;
        else if (kind == kBillNoTrick)
            ScoreNoTrickItem(header, record, bill, index);
        else if (kind != kBillPot)
            ScoreSharedItem(header, record, bill, bill.items[index].value);
    }
    if (!bock)
        return;
    for (int seat = 0; seat < kListSeats; ++seat)
        Book(header, record, seat, record.values[seat]);
}

bool IsItemScoredRecord(const GameRecord& record) {
    return (record.word & kAllPassedBit) != 0 && record.potSeat != kNoPotSeat;
}

void BookRecordPot(GameListHeader& header, const GameRecord& record) {
    if (!record.potBooked)
        return;
    for (int seat = 0; seat < kListSeats; ++seat)
        if (record.potSeat == -1 || record.potSeat == seat)
            header.totals[seat] += record.potAmount;
}

void UnbookGameRecord(GameListHeader& header, const GameRecord& record) {
    const bool countsWonLost = !IsItemScoredRecord(record);
    for (int seat = 0; seat < kListSeats; ++seat) {
        header.totals[seat] -= record.values[seat];
        if (record.potBooked && (record.potSeat == -1 || record.potSeat == seat))
            header.totals[seat] -= record.potAmount;
        if (!countsWonLost)
            continue;
        if (IsListedSeat(record, seat))
            header.won[seat] -= 1;
        else
            header.lost[seat] -= 1;
    }
}

void TransferGameListHeader(GameListHeader& header, ByteOrderCursor& io) {
    io.Field(header.count);
    io.Field(header.totals);
    io.Field(header.won);
    io.Field(header.lost);
}

void TransferGameRecord(GameRecord& record, ByteOrderCursor& io) {
    io.Field(record.suit);
    io.Field(record.word);
    io.Bytes(record.profiles, kListSeats);
    for (std::int16_t* field : {&record.cardPoints, &record.perOpponent, &record.bock})
        io.Field(*field);
    io.Field(record.values);
    io.Field(record.listedSeats);
    io.Field(record.dealer);
    io.Field(record.seatPoints);
    io.Field(record.captureCount);
    for (ListCapture& capture : record.captures) {
        io.Field(capture.seat);
        io.Field(capture.kind);
    }
    for (std::int16_t* field :
         {&record.potBooked, &record.potSeat, &record.potAmount, &record.itemCount})
        io.Field(*field);
    for (BillItem& item : record.items) {
        io.Field(item.kind);
        io.Field(item.value);
    }
}

void TransferGameListLayout(ByteOrderCursor& io, int records) {
    GameListHeader header{};
    TransferGameListHeader(header, io);
    for (int i = 0; i < records && !io.Failed(); ++i) {
        GameRecord record{};
        TransferGameRecord(record, io);
    }
}
