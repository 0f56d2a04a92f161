#include "shell/Edition.h"

std::uint8_t gSkatEdition = 0;
std::uint8_t gDoppelkopfEdition = 0;

int GetGameKind() {
    if (gSkatEdition)
        return 0;
    if (gDoppelkopfEdition)
        return 1;
    return 2;
}

const char* PreferencesFileName() {
    switch (GetGameKind()) {
    case 0:
        return "skat.prf";
    case 1:
        return "rezi3.prf";
    default:
        return "schaf.prf";
    }
}
