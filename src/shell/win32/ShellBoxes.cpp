#include "shell/win32/ShellBoxes.h"

#include <utility>

namespace {

AlertPresenter gShellBoxPresenter;

}  // namespace

void SetShellBoxPresenter(AlertPresenter presenter) { gShellBoxPresenter = std::move(presenter); }

int ShowShellBox(HWND owner, const char* text, const char* caption, UINT style) {
    if (gShellBoxPresenter) return gShellBoxPresenter(AlertBox{owner, caption, text, style});
    return MessageBoxA(owner, text, caption, style);
}
