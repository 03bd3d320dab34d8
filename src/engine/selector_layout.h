// The geometry of the target-form dialog, in twips: the option buttons as wide
// as the widest caption plus room for the button itself, one under another in
// a frame, the button "O&k" to the right, the dialog centred on the screen.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/ui.h"

namespace ombrel {

// captionWidths: each option's caption measured in the dialog's font.
SelectorLayout LayoutSelector(const std::vector<int32_t>& captionWidths, int32_t borderHeight,
                              int32_t screenWidth, int32_t screenHeight);

}  // namespace ombrel
