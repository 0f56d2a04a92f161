// Cards by name in tests: a suit letter (S Schellen, H Herz, G Gras, E Eichel), a dash and a
// rank (7, 8, 9, U, O, K, 10, A), e.g. "E-O" for the Ober of Eichel.
#pragma once

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace card_names {

inline int Card(const std::string& name) {
    static const std::string suits = "SHGE";
    static const char* ranks[] = {"7", "8", "9", "U", "O", "K", "10", "A"};
    const auto dash = name.find('-');
    if (dash != 1 || suits.find(name[0]) == std::string::npos)
        throw std::invalid_argument("card name " + name);
    const int suit = static_cast<int>(suits.find(name[0]));
    for (int step = 1; step <= 8; ++step)
        if (name.substr(2) == ranks[step - 1])
            return suit * 8 + step;
    throw std::invalid_argument("card name " + name);
}

inline std::vector<int> Cards(const std::string& names) {
    std::istringstream in(names);
    std::vector<int> cards;
    for (std::string name; in >> name;)
        cards.push_back(Card(name));
    return cards;
}

} // namespace card_names
