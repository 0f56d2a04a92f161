#include "platform/StringLists.h"

#include <cstdio>
#include <cstring>

std::uint8_t gLanguageEnglish = 0;

namespace {

// Appends source to the string in a buffer of capacity bytes, cutting it where the buffer
// ends.
void AppendBounded(char* text, const char* source, std::size_t capacity) {
    std::size_t length = std::strlen(text);
    while (*source != '\0' && length + 1 < capacity) {
        text[length++] = *source++;
    }
    text[length] = '\0';
}

bool IsLineSpace(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

} // namespace

// The lists whose entries lie elsewhere in the string table; every other list number is
// the id of its entry 0.
std::int16_t StringListMap(std::int16_t list) {
    switch (list) {
    case 192:
        return 900;
    case 1400:
        return 600;
    case 1500:
        return 1800;
    case 1501:
        return 1600;
    case 1503:
        return 2300;
    case 1504:
        return 4500;
    case 1600:
        return 1000;
    case 1601:
        return 3000;
    case 1700:
        return 1300;
    default:
        return list;
    }
}

// Only the first '^' of the text counts: a text whose first marker is "^2" is left alone
// by a call for '1', even when "^1" follows.
void ParamText(char digit, char* text, const char* value) {
    char* marker = std::strchr(text, '^');
    if (marker == nullptr || marker[1] != digit) {
        return;
    }
    if (*value == '\0') {
        // Two blanks keep the text's length and the columns of what follows.
        marker[0] = ' ';
        marker[1] = ' ';
        return;
    }
    char kept[kStringBufferSize] = {};
    AppendBounded(kept, marker + 2, sizeof kept);
    *marker = '\0';
    AppendBounded(text, value, kStringBufferSize);
    AppendBounded(text, kept, kStringBufferSize);
}

const char* FindSubstring(const char* text, const char* pattern) {
    return std::strstr(text, pattern);
}

const char* FindChar(const char* text, char ch) {
    return std::strchr(text, ch);
}

void NumToString(std::int32_t number, char* buffer) {
    std::snprintf(buffer, 12, "%ld", static_cast<long>(number));
}

void StringToNum(const char* text, std::int32_t* number) {
    long value = 0;
    if (std::sscanf(text, "%ld", &value) == 1) {
        *number = static_cast<std::int32_t>(value);
    }
}

// Strings stay NUL-terminated throughout the program: nothing to convert.
char* CtoPstr(char* text) {
    return text;
}
char* PtoCstr(char* text) {
    return text;
}

int AppendChar(char* text, char ch) {
    const char single[2] = {ch, '\0'};
    AppendBounded(text, single, kStringBufferSize);
    return 0;
}

char* UnderscoresToBlanks(char* text) {
    for (char* p = text; *p != '\0'; ++p) {
        if (*p == '_') {
            *p = ' ';
        }
    }
    return text;
}

// Leading blanks only (a leading tab stays); trailing blanks, tabs and line ends.
char* TrimBlanks(char* text) {
    std::size_t start = std::strspn(text, " ");
    std::memmove(text, text + start, std::strlen(text + start) + 1);
    std::size_t length = std::strlen(text);
    while (length > 0 && IsLineSpace(text[length - 1])) {
        text[--length] = '\0';
    }
    return text;
}

char* RemoveWhiteSpace(char* text) {
    char* out = text;
    for (const char* p = text; *p != '\0'; ++p) {
        if (!IsLineSpace(*p)) {
            *out++ = *p;
        }
    }
    *out = '\0';
    return text;
}
