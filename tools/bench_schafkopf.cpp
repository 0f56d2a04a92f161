// The benchmark of the computer card play: computer-only Schafkopf deals from a fixed seed,
// driven in the order of the director's automatic play. It times each computer card choice
// (the seat's whole move) and each deal from the shuffle to the settlement, and prints their
// median and 99th percentile in microseconds and the deals per second. Run by scripts/bench.sh.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "games/fourplayer/SchafkopfController.h"
#include "platform/Random.h"
#include "records/OptionRecordLayouts.h"
#include "records/SettingsLayout.h"
#include "shell/OptionRecords.h"

namespace {

using Clock = std::chrono::steady_clock;

double Microseconds(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

double Percentile(std::vector<double> values, double share) {
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const auto index =
        static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

} // namespace

int main(int argc, char** argv) {
    const long deals = argc > 1 ? std::max(1L, std::atol(argv[1])) : 5000;
    SeedRandom(2026);
    static SettingsBody settings{};
    static DoppelkopfOptions rules{};
    static SchafkopfOptions options{};
    SetSchafkopfOptionDefaults(&options);
    options.partnershipMode = 2;
    options.allPassRule = 2;
    options.allowedGames = 0x1FFF;
    options.withLaufende = 1;
    settings.seriesEnd = 1;
    settings.tableMode = 1;
    rules.seriesEnd = 1;
    SchafkopfController table;
    if (!table.Init(&settings, &options, &rules, false))
        return 1;
    const std::uint8_t computers[4] = {1, 1, 1, 1};
    table.SetSeatKinds(computers);
    table.listGames = 0;

    std::vector<double> cardTimes;
    std::vector<double> dealTimes;
    cardTimes.reserve(static_cast<std::size_t>(deals) * 32);
    dealTimes.reserve(static_cast<std::size_t>(deals));
    char text[kNameTextSize];
    char second[kNameTextSize];
    const Clock::time_point start = Clock::now();
    for (long d = 0; d < deals; ++d) {
        const Clock::time_point dealStart = Clock::now();
        table.NewDeal(false);
        table.bids[0] = 0;
        for (int n = 0; n < 4; ++n) {
            int suit = 0;
            table.GetSeatBidType((table.dealer + 1 + n) % 4, &suit);
        }
        table.StepBidding(0);
        SchafkopfComputerPlayer& game = *table.Game();
        CopyGameType(&table.humanGameType, &game.seats[0].bid);
        if (!table.StartPlay())
            continue;
        while (!table.IsGameDecided()) {
            table.BeginTrick(true);
            int seat = game.leader;
            for (int n = 0; n < 4; ++n) {
                bool claim = false;
                const Clock::time_point cardStart = Clock::now();
                table.PlayComputerTurn(seat, text, second, &claim);
                cardTimes.push_back(Microseconds(Clock::now() - cardStart));
                table.RemoveHandCard(seat);
                table.NotePlayTime(seat, -1);
                seat = (seat + 1) % 4;
            }
            bool changed = false;
            table.DoppelkopfController::EndTrick(&changed);
        }
        table.EndGame(0, 1);
        dealTimes.push_back(Microseconds(Clock::now() - dealStart));
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("deals %ld, played %zu, cards %zu\n", deals, dealTimes.size(), cardTimes.size());
    std::printf("card_choice_us median=%.1f p99=%.1f\n", Percentile(cardTimes, 0.5),
                Percentile(cardTimes, 0.99));
    std::printf("deal_us median=%.1f p99=%.1f\n", Percentile(dealTimes, 0.5),
                Percentile(dealTimes, 0.99));
    std::printf("deals_per_s %.1f\n", seconds > 0 ? static_cast<double>(deals) / seconds : 0.0);
    return 0;
}
