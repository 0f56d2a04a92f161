#include <windows.h>

#include "platform/StringLists.h"
#include "platform/win32/WindowsGlobals.h"

// At most 253 characters and the NUL are loaded; an id without an entry gives "".
void GetIndString(char* buffer, std::int16_t list, std::int16_t index) {
    auto id = static_cast<std::uint16_t>(StringListMap(list) + index);
    buffer[0] = '\0';
    int length = LoadStringA(gAppInstance, id, buffer, 254);
    buffer[length > 0 ? length : 0] = '\0';
}
