#include "platform/StringLists.h"

// The string table is a Windows resource: natively every entry reads as "".
void GetIndString(char* buffer, std::int16_t, std::int16_t) {
    buffer[0] = '\0';
}
