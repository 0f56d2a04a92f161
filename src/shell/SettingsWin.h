// The settings class the program creates. It overrides nothing: the Windows behaviour of the
// settings (the card pictures) is already that of the base class.
#pragma once

#include "shell/Settings.h"

class SettingsWin : public Settings {};
