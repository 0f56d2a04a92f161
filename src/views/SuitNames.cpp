#include "views/SuitNames.h"

#include <cstdint>

#include "media/DeckManager.h"
#include "platform/StringLists.h"
#include "shell/Settings.h"

int SuitNameIndex(const Settings* settings, int suit) {
    if (suit < 0 || suit > 3)
        return 0;
    const std::int16_t* choice = settings ? settings->body.suitNameChoice : nullptr;
    if (!choice || choice[0] == 0)
        return (gDeckVariant == 1 ? 161 : 11) + suit;
    const int value = choice[1 + suit];
    switch (suit) {
    case 0:
        return value == 2 ? 161 : 11;
    case 1:
        return value == 2 ? 181 : value == 3 ? 162 : 12;
    case 2:
        return value == 2 ? 182 : value == 3 ? 163 : value == 4 ? 183 : 13;
    default:
        return value == 2 ? 184 : value == 3 ? 164 : 14;
    }
}

char* GetSuitName(int suit, char* buffer) {
    buffer[0] = '\0';
    const int index = SuitNameIndex(gSettings, suit);
    if (index)
        GetIndString(buffer, 1501, static_cast<std::int16_t>(index));
    return buffer;
}
