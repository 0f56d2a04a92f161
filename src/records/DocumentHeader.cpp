#include "records/DocumentHeader.h"

DocumentHeader FreshDocumentHeader() {
    DocumentHeader header{};
    header.declarer = -1;
    for (auto& winner : header.trickWinners)
        winner = -1;
    header.phase = -1;
    header.gameKind = kGameKindNone;
    return header;
}

void TransferDocumentHeader(DocumentHeader& header, ByteOrderCursor& io) {
    io.Bytes(header.deckOrder, sizeof header.deckOrder);
    io.Field(header.skatDeclaration);
    io.Field(header.bidValues);
    io.Field(header.declarer);
    io.Bytes(header.skatCards, sizeof header.skatCards);
    io.Bytes(&header.trickEntries[0][0], sizeof header.trickEntries);
    io.Field(header.trickWinners);
    io.Field(header.phase);
    io.Field(header.gameRunning);
    io.Kept(header.gameKind);
}
