// String lists (a list number and an index naming an entry of the program's string table),
// "^1"/"^2" substitution and the small string helpers. Strings are NUL-terminated byte
// strings in 256-byte buffers.
#pragma once

#include <cstdint>

inline constexpr int kStringBufferSize = 256;

extern std::uint8_t gLanguageEnglish; // set at start-up when the English resources are present

std::int16_t StringListMap(std::int16_t list);
// Loads entry StringListMap(list) + index; an id without an entry leaves the buffer empty.
void GetIndString(char* buffer, std::int16_t list, std::int16_t index);
// Replaces the marker '^' + digit with value in text (a 256-byte buffer), never writing past it.
void ParamText(char digit, char* text, const char* value);

const char* FindSubstring(const char* text, const char* pattern);
const char* FindChar(const char* text, char ch);
void NumToString(std::int32_t number, char* buffer);
void StringToNum(const char* text, std::int32_t* number);
char* CtoPstr(char* text);
char* PtoCstr(char* text);
int AppendChar(char* text, char ch);
char* UnderscoresToBlanks(char* text);
char* TrimBlanks(char* text);
char* RemoveWhiteSpace(char* text);
