#pragma once
// The settings component of a window that keeps values between runs: both
// windows share one INI file beside the program, named after it, its values
// unfenced.
#include "settings/tinigt.h"

namespace kopira {

// Creates the window's IniGT1, loaded and ready to read.
TIniGT* createSettingsComponent(QObject* window);

}  // namespace kopira
