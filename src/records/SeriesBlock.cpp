#include "records/SeriesBlock.h"

#include <initializer_list>

SeriesBlock FreshSeriesBlock() {
    SeriesBlock block{};
    block.participantCount = 1;
    block.seriesMode = 1;
    return block;
}

void TransferShortSeriesBlock(SeriesBlock& b, ByteOrderCursor& io) {
    io.Field(b.participantCount);
    io.Field(b.reserved108);
    for (std::int16_t* field :
         {&b.started, &b.seriesMode, &b.currentGameDay, &b.gameDays, &b.pairingCount,
          &b.tablesPerDay, &b.gamesPerPairing, &b.finalRounds})
        io.Field(*field);
    io.Field(b.playerCount);
}

void TransferSeriesBlock(SeriesBlock& b, ByteOrderCursor& io) {
    io.Field(b.gameKind);
    io.Field(b.reserved);
    TransferShortSeriesBlock(b, io);
}
