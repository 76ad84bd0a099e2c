#pragma once
// The settings component of a window that keeps values between runs: both
// windows share one INI file named after the program, beside it or, for an
// installed program, in the user's config folder (see file_locations.h),
// its values unfenced.
#include "settings/tinigt.h"

namespace kopira {

// Creates the window's IniGT1, loaded and ready to read.
TIniGT* createSettingsComponent(QObject* window);

}  // namespace kopira
