// The duplicate match of the Schafkopf computer player (scripts/match.sh): the level-5 player
// against random-legal seats and against the level-0 player, each seeded deal played four
// times with the tested seat moving round the table. Money is in tariff units, from the
// settlement of each game. The same arguments give the same output.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "match/DuplicateMatch.h"

namespace {

int Usage() {
    std::fprintf(
        stderr,
        "usage: schafkopf_match [DEALS] [--seed=N] [--reasons]\n"
        "  DEALS      deals per pairing, a whole number above 0 (default 5000)\n"
        "  --seed=N   the seed of the deals (default 2026)\n"
        "  --reasons  also print the tested player's ReasonCode counts by game group and\n"
        "             the fall-backs of all computer seats by group, phase, role, routine\n");
    return 2;
}

bool ReadCount(const char* text, long* value) {
    if (*text == '\0')
        return false;
    char* end = nullptr;
    const long n = std::strtol(text, &end, 10);
    if (*end != '\0' || n <= 0)
        return false;
    *value = n;
    return true;
}

void PrintFigures(const std::string& pairing, const duplicate::Result& r, std::uint32_t seed,
                  bool reasons) {
    std::printf("pairing %s seed=%u deals=%ld games=%ld failed=%ld\n", pairing.c_str(), seed,
                r.deals, r.games, r.failures);
    const double half = r.perDeal.HalfWidth();
    std::printf("  per_game=%.2f ci95=%.2f..%.2f (the deal as the unit)\n", r.perDeal.mean,
                r.perDeal.mean - half, r.perDeal.mean + half);
    for (const auto& [group, figures] : r.groups) {
        const double h = figures.money.HalfWidth();
        std::printf("  group %-12s games=%ld per_game=%.2f ci95=%.2f..%.2f%s\n", group.c_str(),
                    figures.money.count, figures.money.mean, figures.money.mean - h,
                    figures.money.mean + h,
                    figures.money.count > 1 && figures.money.mean + h < 0 ? " deficit" : "");
    }
    std::printf("  tested_cards=%ld fallbacks=%ld\n", r.testedCards, r.fallbacks);
    if (!reasons)
        return;
    for (const auto& [group, figures] : r.groups) {
        std::printf("  reasons %s:", group.c_str());
        for (const auto& [reason, count] : figures.reasons)
            std::printf(" %d=%ld", reason, count);
        std::printf("\n");
    }
}

} // namespace

int main(int argc, char** argv) {
    long deals = 5000;
    long seed = 2026;
    bool reasons = false;
    bool dealsGiven = false;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strncmp(arg, "--seed=", 7) == 0) {
            if (!ReadCount(arg + 7, &seed))
                return Usage();
        } else if (std::strcmp(arg, "--reasons") == 0) {
            reasons = true;
        } else if (!dealsGiven && arg[0] != '-') {
            if (!ReadCount(arg, &deals))
                return Usage();
            dealsGiven = true;
        } else {
            return Usage();
        }
    }
    const std::uint32_t matchSeed = static_cast<std::uint32_t>(seed);
    const std::vector<duplicate::Opponent> opponents = {
        {"random", true, duplicate::kLevelFive},
        {"level0", false, duplicate::kLevelZero},
    };
    std::vector<std::string> lines;
    for (const duplicate::Opponent& opponent : opponents) {
        duplicate::Match match;
        if (!match.ok) {
            std::fprintf(stderr, "the table could not be set up\n");
            return 1;
        }
        const duplicate::Result r = match.Run(opponent, deals, matchSeed);
        const std::string pairing = "level5-vs-" + opponent.name;
        PrintFigures(pairing, r, matchSeed, reasons);
        if (reasons)
            std::printf("  fall-backs of all computer seats:\n%s", match.FallbackReport().c_str());
        const double half = r.perDeal.HalfWidth();
        char line[200];
        std::snprintf(line, sizeof line, "match %s deals=%ld per_game=%.2f ci95=%.2f..%.2f",
                      pairing.c_str(), r.deals, r.perDeal.mean, r.perDeal.mean - half,
                      r.perDeal.mean + half);
        lines.push_back(line);
    }
    for (const std::string& line : lines)
        std::printf("%s\n", line.c_str());
    return 0;
}
