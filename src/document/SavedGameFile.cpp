#include "document/SavedGameFile.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "engine/TrickGameCore.h"
#include "games/fourplayer/GameList.h"
#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "records/RecordTransfers.h"

namespace {

constexpr char kSchafkopfSignature[8] = {'3', 'S', 'c', 'h', 'a', 'f', ' ', 0};
constexpr int kFullSettingsBody = kSettingsBodySize - 4;
constexpr int kOldSettingsBody = 2392;
constexpr int kBodyUpToRects = 2888;
constexpr int kKeptSettingsFrom = 2590;

// The bytes [from, to) of a record stay as the live record has them.
template <class Record> void KeepRange(const Record& live, Record& read, int from, int to) {
    std::memcpy(reinterpret_cast<std::uint8_t*>(&read) + from,
                reinterpret_cast<const std::uint8_t*>(&live) + from,
                static_cast<std::size_t>(to - from));
}

// Whether a game list of the count has the length (36 + 188 x (count + 1)).
bool IsGameListLength(std::int32_t count, std::int32_t length) {
    return count >= 0 && std::int64_t{kGameListHeaderSize} +
                                 std::int64_t{kGameRecordSize} * (std::int64_t{count} + 1) ==
                             length;
}

std::uint32_t Turned32(std::uint32_t v) {
    return (v >> 24) | ((v >> 8) & 0xff00u) | ((v << 8) & 0xff0000u) | (v << 24);
}

// --- writing ---

class ImageWriter {
  public:
    explicit ImageWriter(ByteImage& image) : image_(image) {}
    std::uint8_t* Grow(int count) {
        const std::size_t at = image_.size();
        image_.resize(at + static_cast<std::size_t>(count));
        return image_.data() + at;
    }
    void I32(std::int32_t value) {
        auto bits = static_cast<std::uint32_t>(value);
        std::uint8_t* at = Grow(4);
        for (int i = 0; i < 4; ++i)
            at[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
    // A handle: its length, then its bytes as they lie in memory.
    void HandleBytes(Handle handle) {
        const std::int32_t size = handle ? GetHandleSize(handle) : 0;
        I32(size);
        if (size > 0)
            std::memcpy(Grow(size), handle, static_cast<std::size_t>(size));
    }
    template <class Walk> void Record(int size, Walk walk) {
        ByteOrderCursor io(Grow(size), size, CursorMode::kWrite);
        walk(io);
    }
    // A director list; a pairing list's rows with their result bytes 0, then each row's
    // result.
    void List(const DirectorLists& lists, int list) {
        HandleBytes(lists.List(list));
        if (!IsPairingList(list) || !lists.List(list))
            return;
        const std::int32_t size = GetHandleSize(lists.List(list));
        std::uint8_t* written = image_.data() + image_.size() - size;
        const int rows = DirectorListRows(list, written, size, false);
        for (int row = 0; row < rows; ++row)
            std::memset(written + 2 + row * kPairingRowSize + kPairingRowResult, 0, 4);
        const std::vector<Handle>& results = lists.Results(list);
        for (int row = 0; row < rows; ++row)
            HandleBytes(row < static_cast<int>(results.size()) ? results[row] : nullptr);
    }

  private:
    ByteImage& image_;
};

} // namespace

ByteImage WriteGameFile(const SavedGameSet& live) {
    ByteImage image;
    ImageWriter out(image);
    SchafkopfController& table = *live.table;
    SchafkopfComputerPlayer& game = *table.Game();
    out.I32(kSavedGameVersion);
    out.Record(kDocumentHeaderSize,
               [&](ByteOrderCursor& io) { TransferDocumentHeader(*live.header, io); });
    std::memcpy(out.Grow(8), kSchafkopfSignature, 8);
    out.HandleBytes(table.gameListHandle);
    table.WriteFirstRun(out.Grow(kFirstRunSize));
    table.WriteSecondRun(out.Grow(kSecondRunSize));
    game.WriteSavedRegion(out.Grow(kSavedRegionSize));
    for (Handle log : game.playLogs)
        out.HandleBytes(log);
    out.Record(kSchafkopfOptionsSize,
               [&](ByteOrderCursor& io) { TransferSchafkopfOptions(*live.recordB, io); });
    table.WriteThirdRun(out.Grow(kThirdRunSize));
    game.WriteTail(out.Grow(kSchafkopfTailSize));
    out.Record(kSeriesBlockSize,
               [&](ByteOrderCursor& io) { TransferSeriesBlock(*live.series, io); });
    for (int list = 0; list < kDirectorListCount; ++list) {
        if (live.lists)
            out.List(*live.lists, list);
        else
            out.I32(0);
    }
    out.Record(kSettingsBodySize,
               [&](ByteOrderCursor& io) { TransferSettingsBody(*live.settings, io); });
    return image;
}

namespace {

// --- reading ---

class ImageReader {
  public:
    ImageReader(const ByteImage& image, bool big) : image_(image), big_(big) {}
    // The next count bytes, or null when the image ends before them.
    const std::uint8_t* Take(std::int64_t count) {
        if (count < 0 || count > Left())
            return nullptr;
        const std::uint8_t* at = image_.data() + at_;
        at_ += static_cast<std::size_t>(count);
        return at;
    }
    bool I32(std::int32_t* value) {
        const std::uint8_t* at = Take(4);
        if (!at)
            return false;
        std::uint32_t bits = 0;
        for (int i = 0; i < 4; ++i)
            bits |= std::uint32_t{at[big_ ? 3 - i : i]} << (8 * i);
        *value = static_cast<std::int32_t>(bits);
        return true;
    }
    std::int64_t Left() const { return static_cast<std::int64_t>(image_.size() - at_); }
    template <class Walk> bool Record(int size, Walk walk) {
        const std::uint8_t* at = Take(size);
        if (!at)
            return false;
        ByteOrderCursor io(const_cast<std::uint8_t*>(at), size, CursorMode::kRead, big_);
        walk(io);
        return io.Complete();
    }
    bool Big() const { return big_; }

  private:
    const ByteImage& image_;
    bool big_;
    std::size_t at_ = 0;
};

// Turns a handle's contents, read as they lay in a file of the other order, with its walk.
template <class Walk> void TurnBytes(std::uint8_t* bytes, int size, Walk walk) {
    ByteOrderCursor io(bytes, size, CursorMode::kSwap);
    walk(io);
}

ReadOutcome ClassifyVersion(const ByteImage& file, StagedGame* staged) {
    if (file.size() > static_cast<std::size_t>(kLargestSavedGame))
        return ReadOutcome::kTooLarge;
    if (file.size() < 4)
        return ReadOutcome::kShort;
    std::uint32_t own = 0;
    for (int i = 0; i < 4; ++i)
        own |= std::uint32_t{file[static_cast<std::size_t>(i)]} << (8 * i);
    const std::uint32_t other = Turned32(own);
    if (own == 110)
        return ReadOutcome::kOldFormat;
    if (other == 110)
        return ReadOutcome::kOtherPlatform;
    if (own >= 112 && own <= 114) {
        staged->version = static_cast<std::int32_t>(own);
        return ReadOutcome::kRead;
    }
    if (other >= 112 && other <= 114) {
        staged->version = static_cast<std::int32_t>(other);
        staged->otherOrder = true;
        return ReadOutcome::kRead;
    }
    return ReadOutcome::kUnknownVersion;
}

ReadOutcome ReadSignature(ImageReader& in) {
    const std::uint8_t* signature = in.Take(8);
    if (!signature)
        return ReadOutcome::kShort;
    if (std::memcmp(signature, kSchafkopfSignature, 8) == 0)
        return ReadOutcome::kRead;
    if (signature[0] == '1')
        return ReadOutcome::kSkatGame;
    if (signature[0] == '2')
        return ReadOutcome::kDoppelkopfGame;
    return ReadOutcome::kBadSignature;
}

// A length-prefixed block; *bytes is null for length 0.
ReadOutcome ReadLengthBlock(ImageReader& in, const std::uint8_t** bytes, std::int32_t* length) {
    if (!in.I32(length))
        return ReadOutcome::kShort;
    if (*length < 0)
        return ReadOutcome::kDamaged;
    *bytes = *length ? in.Take(*length) : nullptr;
    return (*length && !*bytes) ? ReadOutcome::kShort : ReadOutcome::kRead;
}

ReadOutcome ReadGameList(ImageReader& in, SchafkopfController& table) {
    const std::uint8_t* bytes = nullptr;
    std::int32_t length = 0;
    if (ReadOutcome o = ReadLengthBlock(in, &bytes, &length); o != ReadOutcome::kRead)
        return o;
    if (length == 0)
        return ReadOutcome::kRead;
    if (length < kGameListHeaderSize)
        return ReadOutcome::kDamaged;
    Handle list = NewHandle(length);
    if (!list)
        return ReadOutcome::kNoMemory;
    auto* at = static_cast<std::uint8_t*>(list);
    std::memcpy(at, bytes, static_cast<std::size_t>(length));
    if (in.Big()) {
        std::int32_t count = 0;
        for (int i = 0; i < 4; ++i)
            count = static_cast<std::int32_t>(static_cast<std::uint32_t>(count) << 8 | at[i]);
        if (!IsGameListLength(count, length)) {
            DisposeHandle(list);
            return ReadOutcome::kDamaged;
        }
        TurnBytes(at, length, [&](ByteOrderCursor& io) { TransferGameListLayout(io, count + 1); });
    }
    if (!IsGameListSound(list)) {
        DisposeHandle(list);
        return ReadOutcome::kDamaged;
    }
    table.ReplaceGameList(list);
    return ReadOutcome::kRead;
}

bool IsSeatOrNone(int seat) {
    return seat >= -1 && seat < kSeatCount;
}

// The values of the game object that index its own tables or name seats and cards.
bool IsSoundGameObject(const TrickGameCore& g) {
    if (g.announcementCount < 0 || g.announcementCount > kMaxAnnouncements || g.bonusCount < 0 ||
        g.bonusCount > kMaxBonuses || g.trickNumber < 0 || g.trickNumber > kTrickCount + 1)
        return false;
    if (!IsSeatOrNone(g.declarer) || g.leader < 0 || g.leader >= kSeatCount ||
        !IsSeatOrNone(g.seatToMove))
        return false;
    for (const TrickRecord& trick : g.tricks)
        for (std::int16_t card : trick.cards)
            if (card < kNoCard || card > kLastCard)
                return false;
    for (const SeatBlock& seat : g.seats)
        for (std::uint8_t card : seat.hand)
            if (card > kNeverDealt)
                return false;
    return true;
}

// Each seat's cards as the table holds them and as the game object holds them are the same,
// and no card lies in two hands.
bool AreHandsSound(const SchafkopfController& table, const SchafkopfComputerPlayer& game) {
    int inHands[256] = {};
    for (int seat = 0; seat < kTableSeats; ++seat) {
        int tableCards[256] = {};
        int gameCards[256] = {};
        for (int place = 0; place < kRowPlaces; ++place) {
            const std::uint8_t card = table.hands[seat * kRowPlaces + place];
            ++tableCards[card == kNeverDealt ? 0 : card];
        }
        for (std::uint8_t card : game.seats[seat].hand)
            ++gameCards[card];
        for (int card = 1; card < 256; ++card) {
            if (tableCards[card] != gameCards[card])
                return false;
            inHands[card] += tableCards[card];
        }
    }
    for (int card = 1; card < 256; ++card)
        if (inHands[card] > 1)
            return false;
    return true;
}

// Whether a card belongs to the short deck (Nine to Ace of each suit).
bool IsShortDeckCard(int card) {
    return (card - 1) % 8 >= 2;
}

// The cards in the hands and in the tricks played so far: each card of the deck exactly once,
// or none at all before the first deal. Either deck is taken, as the rules may have changed
// since the deal.
bool IsEachCardOnce(const SchafkopfComputerPlayer& game) {
    int seen[kLastCard + 1] = {};
    for (const SeatBlock& seat : game.seats)
        for (std::uint8_t card : seat.hand)
            if (card >= kFirstCard && card <= kLastCard)
                ++seen[card];
    for (const TrickRecord& trick : game.tricks)
        for (std::int16_t card : trick.cards)
            if (card != kNoCard)
                ++seen[card];
    int cards = 0;
    int shortDeckCards = 0;
    for (int card = kFirstCard; card <= kLastCard; ++card) {
        if (seen[card] > 1)
            return false;
        cards += seen[card];
        shortDeckCards += seen[card] && IsShortDeckCard(card) ? 1 : 0;
    }
    return cards == 0 || cards == kLastCard || (cards == 24 && shortDeckCards == 24);
}

ReadOutcome ReadPlayLogs(ImageReader& in, SchafkopfComputerPlayer& game) {
    for (int seat = 0; seat < kSeatCount; ++seat) {
        const std::uint8_t* bytes = nullptr;
        std::int32_t length = 0;
        if (ReadOutcome o = ReadLengthBlock(in, &bytes, &length); o != ReadOutcome::kRead)
            return o;
        if (length != 0 && length != kPlayLogSize)
            return ReadOutcome::kDamaged;
        if (length == 0) {
            DisposeHandle(game.playLogs[seat]);
            game.playLogs[seat] = nullptr;
        } else {
            if (!game.playLogs[seat] && !(game.playLogs[seat] = NewHandle(kPlayLogSize)))
                return ReadOutcome::kNoMemory;
            auto* log = static_cast<PlayLog*>(game.playLogs[seat]);
            ByteOrderCursor io(const_cast<std::uint8_t*>(bytes), kPlayLogSize, CursorMode::kRead,
                               in.Big());
            TransferPlayLog(*log, io);
            if (log->count < 0 || log->count > kPlayLogEntries)
                return ReadOutcome::kDamaged;
        }
        game.seats[seat].playLog = game.playLogs[seat];
    }
    return ReadOutcome::kRead;
}

ReadOutcome ReadTableRuns(ImageReader& in, StagedGame& staged) {
    SchafkopfController& table = *staged.table;
    SchafkopfComputerPlayer& game = *table.Game();
    const std::uint8_t* first = in.Take(kFirstRunSize);
    const std::uint8_t* second = in.Take(kSecondRunSize);
    const std::uint8_t* region = in.Take(kSavedRegionSize);
    if (!first || !second || !region)
        return ReadOutcome::kShort;
    if (!table.ReadFirstRun(first, in.Big()) || !table.ReadSecondRun(second, in.Big()))
        return ReadOutcome::kDamaged;
    game.ReadSavedRegion(region, in.Big());
    if (!IsSoundGameObject(game) || !AreHandsSound(table, game) || !IsEachCardOnce(game))
        return ReadOutcome::kDamaged;
    return ReadPlayLogs(in, game);
}

ReadOutcome ReadSchafkopfPart(ImageReader& in, StagedGame& staged) {
    if (ReadOutcome o = ReadGameList(in, *staged.table); o != ReadOutcome::kRead)
        return o;
    if (ReadOutcome o = ReadTableRuns(in, staged); o != ReadOutcome::kRead)
        return o;
    if (!in.Record(kSchafkopfOptionsSize,
                   [&](ByteOrderCursor& io) { TransferSchafkopfOptions(staged.recordB, io); }))
        return ReadOutcome::kShort;
    const std::uint8_t* third = in.Take(kThirdRunSize);
    const std::uint8_t* tail = in.Take(kSchafkopfTailSize);
    if (!third || !tail)
        return ReadOutcome::kShort;
    if (!staged.table->ReadThirdRun(third, in.Big()) ||
        !staged.table->Game()->ReadTail(tail, in.Big()))
        return ReadOutcome::kDamaged;
    return ReadOutcome::kRead;
}

ReadOutcome ReadSeries(ImageReader& in, StagedGame& staged) {
    const bool shortBlock = staged.version <= 112;
    const bool whole =
        in.Record(shortBlock ? kShortSeriesBlockSize : kSeriesBlockSize, [&](ByteOrderCursor& io) {
            if (shortBlock)
                TransferShortSeriesBlock(staged.series, io);
            else
                TransferSeriesBlock(staged.series, io);
        });
    if (!whole)
        return ReadOutcome::kShort;
    const int mode = staged.series.seriesMode;
    if (mode == 2 || mode == 8 || mode == 16)
        return ReadOutcome::kSeriesMode;
    return ReadOutcome::kRead;
}

// A handle of the length with a copy of the bytes, or null without memory.
Handle HandleCopy(const std::uint8_t* bytes, std::int32_t length) {
    Handle copy = NewHandle(length);
    if (copy && length > 0)
        std::memcpy(copy, bytes, static_cast<std::size_t>(length));
    return copy;
}

// A pairing row's results are score lists of Skat tables, kept as they lie until Skat tables
// are built.
ReadOutcome ReadResults(ImageReader& in, DirectorLists& lists, int list, int rows) {
    std::vector<Handle>& results = lists.Results(list);
    results.reserve(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row) {
        const std::uint8_t* bytes = nullptr;
        std::int32_t length = 0;
        if (ReadOutcome o = ReadLengthBlock(in, &bytes, &length); o != ReadOutcome::kRead)
            return o;
        Handle result = length ? HandleCopy(bytes, length) : nullptr;
        if (length && !result)
            return ReadOutcome::kNoMemory;
        results.push_back(result);
    }
    return ReadOutcome::kRead;
}

ReadOutcome ReadLists(ImageReader& in, StagedGame& staged) {
    for (int list = 0; list < kDirectorListCount; ++list) {
        const std::uint8_t* bytes = nullptr;
        std::int32_t length = 0;
        if (ReadOutcome o = ReadLengthBlock(in, &bytes, &length); o != ReadOutcome::kRead)
            return o;
        if (length == 0)
            continue;
        const int rows = DirectorListRows(list, bytes, length, in.Big());
        if (rows < 0)
            return ReadOutcome::kDamaged;
        Handle handle = HandleCopy(bytes, length);
        if (!handle)
            return ReadOutcome::kNoMemory;
        staged.lists.List(list) = handle;
        auto* at = static_cast<std::uint8_t*>(handle);
        if (in.Big())
            TurnBytes(at, length,
                      [&](ByteOrderCursor& io) { TransferDirectorListLayout(list, rows, io); });
        if (!IsPairingList(list))
            continue;
        for (int row = 0; row < rows; ++row)
            std::memset(at + 2 + row * kPairingRowSize + kPairingRowResult, 0, 4);
        if (ReadOutcome o = ReadResults(in, staged.lists, list, rows); o != ReadOutcome::kRead)
            return o;
    }
    return ReadOutcome::kRead;
}

ReadOutcome ReadSettings(ImageReader& in, StagedGame& staged) {
    std::int32_t version = 0;
    if (!in.I32(&version))
        return ReadOutcome::kShort;
    const std::int64_t left = in.Left();
    const bool oldBody = left == kOldSettingsBody && staged.version <= 113;
    if (left < kFullSettingsBody && !oldBody)
        return ReadOutcome::kShort;
    if (version != kSettingsVersion)
        return ReadOutcome::kRead; // another settings version leaves the settings alone
    const int body = oldBody ? kOldSettingsBody : kFullSettingsBody;
    ByteImage block(kSettingsBodySize, 0);
    std::memcpy(block.data() + 4, in.Take(body), static_cast<std::size_t>(body));
    const SettingsBody before = staged.settings;
    ByteOrderCursor io(block.data(), kSettingsBodySize, CursorMode::kRead, in.Big());
    TransferSettingsBody(staged.settings, io);
    // The shorter body of older files ends early; what lies after it stays as it was.
    KeepRange(before, staged.settings, 4 + body, kSettingsBodySize);
    staged.settings.version = version;
    staged.settingsInFile = true;
    return ReadOutcome::kRead;
}

ReadOutcome ReadStaged(const ByteImage& file, const SavedGameSet& live, StagedGame& staged) {
    if (ReadOutcome o = ClassifyVersion(file, &staged); o != ReadOutcome::kRead)
        return o;
    ImageReader in(file, staged.otherOrder);
    in.Take(4);
    if (!in.Record(kDocumentHeaderSize,
                   [&](ByteOrderCursor& io) { TransferDocumentHeader(staged.header, io); }))
        return ReadOutcome::kShort;
    if (staged.header.phase < 0 || staged.header.phase > 10)
        return ReadOutcome::kDamaged;
    if (ReadOutcome o = ReadSignature(in); o != ReadOutcome::kRead)
        return o;
    staged.header.gameKind = kGameKindSchafkopf;
    staged.recordB = *live.recordB;
    staged.recordA = *live.recordA;
    staged.settings = *live.settings;
    staged.series = *live.series;
    // The scratch table must not become the program's Schafkopf game object.
    SchafkopfComputerPlayer* const liveGame = gSchafkopfComputerPlayer;
    if (!MayAllocateObject())
        return ReadOutcome::kNoMemory;
    staged.table.reset(new (std::nothrow) SchafkopfController);
    if (!staged.table)
        return ReadOutcome::kNoMemory;
    staged.table->quietOnNoMemory = true;
    const bool made = staged.table->Init(&staged.settings, &staged.recordB, &staged.recordA, false);
    gSchafkopfComputerPlayer = liveGame;
    if (!made || !staged.table->gameListHandle)
        return ReadOutcome::kNoMemory;
    for (ReadOutcome (*step)(ImageReader&, StagedGame&) :
         {ReadSchafkopfPart, ReadSeries, ReadLists, ReadSettings})
        if (ReadOutcome o = step(in, staged); o != ReadOutcome::kRead)
            return o;
    return ReadOutcome::kRead;
}

} // namespace

StagedGame::StagedGame() = default;
StagedGame::~StagedGame() = default;

ReadOutcome ReadGameFile(const ByteImage& file, const SavedGameSet& live, StagedGame* staged) {
    staged->table.reset();
    staged->lists.Clear();
    staged->otherOrder = false;
    staged->settingsInFile = false;
    const ReadOutcome outcome = ReadStaged(file, live, *staged);
    if (outcome != ReadOutcome::kRead) {
        staged->table.reset();
        staged->lists.Clear();
    }
    return outcome;
}

namespace {

// --- commit ---

void CommitTable(SchafkopfController& from, SchafkopfController& to) {
    std::uint8_t bytes[kSavedRegionSize];
    from.WriteFirstRun(bytes);
    to.ReadFirstRun(bytes);
    from.WriteSecondRun(bytes);
    to.ReadSecondRun(bytes);
    from.WriteThirdRun(bytes);
    to.ReadThirdRun(bytes);
    SchafkopfComputerPlayer& source = *from.Game();
    SchafkopfComputerPlayer& target = *to.Game();
    source.WriteSavedRegion(bytes);
    target.ReadSavedRegion(bytes);
    source.WriteTail(bytes);
    target.ReadTail(bytes);
    for (int seat = 0; seat < kSeatCount; ++seat) {
        std::swap(source.playLogs[seat], target.playLogs[seat]);
        source.seats[seat].playLog = source.playLogs[seat];
        target.seats[seat].playLog = target.playLogs[seat];
    }
    std::swap(from.gameListHandle, to.gameListHandle);
}

void CommitSettings(const StagedGame& staged, SettingsBody& live, bool shiftHeld) {
    if (!staged.settingsInFile)
        return;
    SettingsBody read = staged.settings;
    int takenUpTo = kSettingsBodySize;
    if (!shiftHeld)
        takenUpTo = kKeptSettingsFrom;
    else if (staged.otherOrder)
        takenUpTo = 4 + kBodyUpToRects;
    KeepRange(live, read, takenUpTo, kSettingsBodySize);
    KeepRange(live, read, kKeptSettingsFrom, kKeptSettingsFrom + 2);
    live = read;
}

} // namespace

void CommitGameFile(StagedGame& staged, const SavedGameSet& live, bool shiftHeld) {
    *live.header = staged.header;
    CommitTable(*staged.table, *live.table);
    SchafkopfOptions rules = staged.recordB;
    if (!shiftHeld)
        KeepRange(*live.recordB, rules, 384, 696); // statistics, places and balance
    rules.changedMark = 1;
    *live.recordB = rules;
    *live.series = staged.series;
    if (live.lists)
        live.lists->Exchange(staged.lists);
    CommitSettings(staged, *live.settings, shiftHeld);
    if (live.settings->grandOuvertValue == 0)
        live.settings->grandOuvertValue = 36;
}

namespace {

// --- the other byte order ---

class ImageTurner {
  public:
    ImageTurner(ByteImage& image, bool big) : image_(image), big_(big) {}
    // Turns the next size bytes with the walk; false when the image ends first.
    template <class Walk> bool Record(int size, Walk walk) {
        if (size < 0 || size > Left())
            return false;
        ByteOrderCursor io(image_.data() + at_, size, CursorMode::kSwap);
        walk(io);
        at_ += static_cast<std::size_t>(size);
        return io.Complete();
    }
    // A length in the image's present order, turned; false when it does not fit.
    bool Length(std::int32_t* length) { return Word(length) && *length >= 0 && *length <= Left(); }
    // A 32-bit value in the image's present order, turned.
    bool Word(std::int32_t* value) {
        if (Left() < 4)
            return false;
        std::uint32_t bits = 0;
        for (int i = 0; i < 4; ++i)
            bits |= std::uint32_t{image_[at_ + static_cast<std::size_t>(big_ ? 3 - i : i)]}
                    << (8 * i);
        *value = static_cast<std::int32_t>(bits);
        std::reverse(image_.begin() + static_cast<std::ptrdiff_t>(at_),
                     image_.begin() + static_cast<std::ptrdiff_t>(at_ + 4));
        at_ += 4;
        return true;
    }
    std::uint8_t* Here() { return image_.data() + at_; }
    std::int64_t Left() const { return static_cast<std::int64_t>(image_.size() - at_); }
    bool Big() const { return big_; }

  private:
    ByteImage& image_;
    bool big_;
    std::size_t at_ = 0;
};

bool TurnPlayLogs(ImageTurner& io) {
    for (int seat = 0; seat < kSeatCount; ++seat) {
        std::int32_t length = 0;
        if (!io.Length(&length))
            return false;
        if (length != 0 && !io.Record(length, [](ByteOrderCursor& c) {
                PlayLog log{};
                TransferPlayLog(log, c);
            }))
            return false;
    }
    return true;
}

bool TurnSchafkopfPart(ImageTurner& io) {
    std::int32_t length = 0;
    if (!io.Length(&length))
        return false;
    if (length != 0) {
        if (length < 4)
            return false;
        const std::uint8_t* at = io.Here();
        const std::int32_t count = static_cast<std::int32_t>(
            io.Big() ? (std::uint32_t{at[0]} << 24 | std::uint32_t{at[1]} << 16 |
                        std::uint32_t{at[2]} << 8 | at[3])
                     : (std::uint32_t{at[3]} << 24 | std::uint32_t{at[2]} << 16 |
                        std::uint32_t{at[1]} << 8 | at[0]));
        if (!IsGameListLength(count, length))
            return false;
        io.Record(length, [&](ByteOrderCursor& c) { TransferGameListLayout(c, count + 1); });
    }
    return io.Record(kFirstRunSize, FourSeatController::TransferFirstRunLayout) &&
           io.Record(kSecondRunSize, DoppelkopfController::TransferSecondRunLayout) &&
           io.Record(kSavedRegionSize,
                     [](ByteOrderCursor& c) {
                         TrickGameCore scratch;
                         TransferSavedRegion(scratch, c);
                     }) &&
           TurnPlayLogs(io) &&
           io.Record(kSchafkopfOptionsSize,
                     [](ByteOrderCursor& c) {
                         SchafkopfOptions scratch{};
                         TransferSchafkopfOptions(scratch, c);
                     }) &&
           io.Record(kThirdRunSize, SchafkopfController::TransferThirdRunLayout) &&
           io.Record(kSchafkopfTailSize, SchafkopfComputerBase::TransferTailLayout);
}

bool TurnLists(ImageTurner& io) {
    for (int list = 0; list < kDirectorListCount; ++list) {
        std::int32_t length = 0;
        if (!io.Length(&length))
            return false;
        if (length == 0)
            continue;
        const int count = DirectorListRows(list, io.Here(), length, io.Big());
        if (count < 0)
            return false;
        io.Record(length, [&](ByteOrderCursor& c) { TransferDirectorListLayout(list, count, c); });
        for (int row = 0; IsPairingList(list) && row < count; ++row) {
            std::int32_t resultLength = 0;
            if (!io.Length(&resultLength) ||
                !io.Record(resultLength, [&](ByteOrderCursor& c) { c.Opaque(resultLength); }))
                return false;
        }
    }
    return true;
}

} // namespace

bool SwapGameFile(ByteImage& image, bool sourceBigEndian) {
    ImageTurner io(image, sourceBigEndian);
    std::int32_t version = 0;
    if (!io.Word(&version) || version < 112 || version > 114)
        return false;
    const bool whole = io.Record(kDocumentHeaderSize,
                                 [](ByteOrderCursor& c) {
                                     DocumentHeader scratch{};
                                     TransferDocumentHeader(scratch, c);
                                 }) &&
                       io.Left() >= 8 && std::memcmp(io.Here(), kSchafkopfSignature, 8) == 0 &&
                       io.Record(8, [](ByteOrderCursor& c) { c.Opaque(8); }) &&
                       TurnSchafkopfPart(io) &&
                       io.Record(version <= 112 ? kShortSeriesBlockSize : kSeriesBlockSize,
                                 [&](ByteOrderCursor& c) {
                                     SeriesBlock scratch{};
                                     if (version <= 112)
                                         TransferShortSeriesBlock(scratch, c);
                                     else
                                         TransferSeriesBlock(scratch, c);
                                 }) &&
                       TurnLists(io);
    std::int32_t settingsVersion = 0;
    if (!whole || !io.Word(&settingsVersion))
        return false;
    // The block's version is turned above; its body follows (whole, or the older short one),
    // turned in place over the block with the version in front.
    const auto body = static_cast<int>(std::min<std::int64_t>(io.Left(), kFullSettingsBody));
    ByteOrderCursor turn(io.Here() - 4, 4 + body, CursorMode::kSwap);
    SettingsBody scratch{};
    TransferSettingsBody(scratch, turn);
    return body == kFullSettingsBody || (version <= 113 && body == kOldSettingsBody);
}
