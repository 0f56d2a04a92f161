// Data resources of type 'LIB ' (the strategy libraries of the card engine), fetched by id
// into a new handle. The program ships no such data, so every fetch answers null; a test
// installs a source of its own.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/Handles.h"

// A new handle with the bytes of library resource id, or null when there is none.
Handle GetLibraryResource(std::int16_t id);

// Test seam: the source answers the bytes of an id, or false when there are none. An empty
// function restores the program's own answer (none).
using LibraryResourceSource = std::function<bool(std::int16_t id, std::vector<std::uint8_t>*)>;
void SetLibraryResourceSource(LibraryResourceSource source);
