// Deck and figure libraries in memory: a name maps to the strings, pictures and data one
// library holds; a name without an entry cannot be opened.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "media/DeckManager.h"

struct FakeLibrary {
    std::map<int, std::string> strings;
    std::set<int> pictures;
    std::map<int, std::vector<std::uint8_t>> data;
};

// A library with every card picture and the given strings.
inline FakeLibrary WholeDeck(std::map<int, std::string> strings) {
    FakeLibrary library{std::move(strings), {}, {}};
    for (int first : kDeckPictureSets) {
        for (int i = 0; i < kPicturesPerDeckSet; ++i)
            library.pictures.insert(first + i);
    }
    return library;
}

class FakeLibrarySource : public LibrarySource {
  public:
    void* OpenLibrary(const char* fileName) override {
        auto found = libraries.find(fileName);
        if (found == libraries.end())
            return nullptr;
        ++openCount;
        return &found->second;
    }
    void CloseLibrary(void*) override { --openCount; }
    bool ReadLibraryString(void* library, int id, std::string* text) override {
        const auto& strings = static_cast<FakeLibrary*>(library)->strings;
        auto found = strings.find(id);
        if (found == strings.end())
            return false;
        *text = found->second;
        return true;
    }
    bool HasUsablePicture(void* library, int id) override {
        return static_cast<FakeLibrary*>(library)->pictures.count(id) != 0;
    }
    const void* FindLibraryData(void* library, int id, std::uint32_t* size) override {
        auto& data = static_cast<FakeLibrary*>(library)->data;
        auto found = data.find(id);
        if (found == data.end())
            return nullptr;
        *size = static_cast<std::uint32_t>(found->second.size());
        return found->second.data();
    }

    std::map<std::string, FakeLibrary> libraries;
    int openCount = 0; // libraries opened and not closed again
};
