#include "games/fourplayer/GameDocumentLink.h"

#include <cstring>

#include "games/fourplayer/GameController.h"

bool WriteDocumentPath(const GameDocumentLink* document, char* text) {
    const char* path = document ? document->FilePath() : nullptr;
    if (!path || !path[0])
        return false;
    // A path longer than the title buffer is cut, never written past it.
    const std::size_t length = strnlen(path, kDescriptorSize - 1);
    std::memcpy(text, path, length);
    text[length] = '\0';
    return true;
}
