// The small dialogs of play come with their own work; until then those the player asks for
// say that they are not available, and those of the start-up show nothing.
#include "shell/win32/SmallDialogs.h"

#include "media/win32/SoundManager.h"
#include "platform/Alerts.h"
#include "shell/Environment.h"
#include "shell/win32/PreferenceDialogs.h"

char gTheEndTexts[3][kTheEndTextSize] = {};

namespace {

// "This dialog is not available in this version." (string 1291)
void SayNotAvailable() { NoteAlert(1000, 291, ""); }

}  // namespace

bool ChangeSuitNames() {
    gDialogAccepted = 0;
    SayNotAvailable();
    return false;
}

// The box itself comes with the small dialogs; the texts and the sound are ready for it.
void ShowTheEnd(const char* text1, const char* text2, const char* text3, int kind) {
    const char* texts[3] = {text1, text2, text3};
    for (int i = 0; i < 3; ++i) CopyPath(gTheEndTexts[i], kTheEndTextSize, texts[i] ? texts[i] : "");
    PlayEventSound(kind == 8 ? 1508 : kind == 1 ? 1505 : 1513, -1);
}

bool ShowStartupNotes() { return false; }

void ShowIntro() {}

void ComparePlayingStyles() { SayNotAvailable(); }

void OpenManualDeal() {}
