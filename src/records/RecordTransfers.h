// The walks over the stored records that a saved game carries besides the game's own state:
// the Schafkopf rules (record B) and the settings body. Each walk serves writing, reading,
// turning an image into the other byte order and listing the layout (the cursor's mode).
#pragma once

#include "platform/ByteOrderCursor.h"
#include "records/OptionRecordLayouts.h"
#include "records/SettingsLayout.h"

inline constexpr int kSchafkopfOptionsSize = 912;
inline constexpr int kSettingsBodySize = 3532;

// The changed mark at 0 is not turned: reading a saved game sets it afresh.
void TransferSchafkopfOptions(SchafkopfOptions& options, ByteOrderCursor& io);
// The version is not turned (the reader turns it on its own to decide whether to read the
// body), nor the value at 2590, which a saved game never gives, nor the window rectangles,
// which are never taken from a file of the other order.
void TransferSettingsBody(SettingsBody& body, ByteOrderCursor& io);
