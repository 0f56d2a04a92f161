// String lists read from the program's string table, and alert texts built from them.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/Alerts.h"
#include "platform/StringLists.h"
#include "support/AlertRecorder.h"

TEST(StringTable, ListEntriesLoadThroughTheListMap) {
    struct Case {
        std::int16_t list;
        std::int16_t index;
        const char* text;
    };
    for (Case c : {Case{192, 4, "Programming error: ^1"}, Case{1500, 1, "M\xFCller"},
                   Case{1700, 91, "Cents"},
                   Case{1253, 0, "Your settings cannot be saved (File:*.prf not writeable)"}}) {
        char text[kStringBufferSize];
        GetIndString(text, c.list, c.index);
        EXPECT_STREQ(text, c.text) << c.list << "," << c.index;
    }
}

TEST(StringTable, AnIdWithoutAnEntryGivesAnEmptyText) {
    char text[kStringBufferSize];
    std::strcpy(text, "left over");
    GetIndString(text, 1601, 60); // the explanations end at 59
    EXPECT_STREQ(text, "");
}

TEST(StringTable, AlertsShowTheEntryWithTheirValues) {
    ResetAlertRecorder();
    StopAlert(192, 4, "File not open");
    NoteAlert(192, 4, "");
    ASSERT_EQ(RecordedAlerts().size(), 2u);
    EXPECT_EQ(RecordedAlerts()[0].text, "Programming error: File not open");
    EXPECT_EQ(RecordedAlerts()[1].text, "Programming error:   ");
}
