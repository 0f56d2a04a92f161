// Without a window system a box is printed and answered with OK; the beep is silent.
#include <cstdio>

#include "platform/SystemServices.h"

int PresentSystemAlert(const AlertBox& box) {
    std::fprintf(stderr, "[%s] %s\n", box.caption.c_str(), box.text.c_str());
    return kAnswerOk;
}

WindowRef MainAlertOwner() {
    return nullptr;
}

void PlaySystemBeep() {}
