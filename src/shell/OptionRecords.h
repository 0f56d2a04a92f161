// The two option records of the four-player games as the program keeps them: one handle each,
// their defaults and copies. The layouts are in records/OptionRecordLayouts.h.
#pragma once

#include "platform/Handles.h"
#include "records/OptionRecordLayouts.h"

// The two records, each in a handle of its own size; null until InitOptionRecords.
extern Handle gDoppelkopfOptions;
extern Handle gSchafkopfOptions;

inline DoppelkopfOptions* DoppelkopfOptionsRecord() {
    return static_cast<DoppelkopfOptions*>(gDoppelkopfOptions);
}
inline SchafkopfOptions* SchafkopfOptionsRecord() {
    return static_cast<SchafkopfOptions*>(gSchafkopfOptions);
}

// Record A, then record B, each with its defaults; false at the first allocation that fails
// (the records after it stay uncreated).
bool InitOptionRecords();
bool NewDoppelkopfOptions();
bool NewSchafkopfOptions();

void SetDoppelkopfOptionDefaults(DoppelkopfOptions* record);
// The language-dependent defaults follow gLanguageEnglish as it stands when this runs.
void SetSchafkopfOptionDefaults(SchafkopfOptions* record);

// The Doppelkopf table's default keys into a 20-byte key field.
void SetDefaultKeyMap(char* keys);
// The Schafkopf table's default keys (English or German) into a 20-byte key field.
void SetDefaultOptionKeys(char* keys);

void CopySchafkopfOptions(SchafkopfOptions* destination, const SchafkopfOptions* source);
