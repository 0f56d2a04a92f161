// A copy of everything a dry run of the table can change: the controller's fields (hands, trick,
// bids, bill, seats) and the whole game object (hands, tricks, knowledge, announcements,
// parties) with the contents of its play logs. The suggestion and the statistics probe let the
// computer play a move on the live objects and put everything back afterwards.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "engine/ComputerPlayer.h"
#include "platform/Handles.h"

// Controller is the table's controller class, Player the game object's class (the dynamic
// type of controller.player). The copies share the live objects' handles (the game list, the
// play logs); those are not changed by a dry run except the play logs' bytes, which are kept
// apart and written back.
template <class Controller, class Player> class TableStateSnapshot {
  public:
    explicit TableStateSnapshot(Controller& controller)
        : live_(controller), player_(*static_cast<Player*>(controller.player)) {
        static_cast<Controller&>(controller_) = controller;
        for (int seat = 0; seat < kSeatCount; ++seat) {
            const Handle log = player_.playLogs[seat];
            const std::int32_t size = GetHandleSize(log);
            logs_[seat].assign(static_cast<const std::uint8_t*>(log),
                               static_cast<const std::uint8_t*>(log) + size);
        }
    }

    TableStateSnapshot(const TableStateSnapshot&) = delete;
    TableStateSnapshot& operator=(const TableStateSnapshot&) = delete;

    // Puts both objects back as they were when the snapshot was taken.
    void Restore() {
        Player& game = *static_cast<Player*>(live_.player);
        game = player_;
        for (int seat = 0; seat < kSeatCount; ++seat) {
            const Handle log = game.playLogs[seat];
            if (log && GetHandleSize(log) == static_cast<std::int32_t>(logs_[seat].size()))
                std::memcpy(log, logs_[seat].data(), logs_[seat].size());
        }
        ComputerPlayer* owned = live_.player;
        live_ = static_cast<Controller&>(controller_);
        live_.player = owned;
    }

    ~TableStateSnapshot() {
        // The copies share the live handles and the live game object: they must not dispose them.
        for (int seat = 0; seat < kSeatCount; ++seat) {
            player_.playLogs[seat] = nullptr;
            player_.seats[seat].playLog = nullptr;
        }
        controller_.player = nullptr;
        controller_.gameListHandle = nullptr;
    }

  private:
    // The copy of the controller is made by assignment into a default-made object, which
    // owns nothing of its own.
    Controller& live_;
    Player player_;
    Controller controller_;
    std::vector<std::uint8_t> logs_[kSeatCount];
};
