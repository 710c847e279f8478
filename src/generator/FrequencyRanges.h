// The frequency ranges both generators offer in their range boxes.
#pragma once

#include "platform/ui/Controls.h"

namespace zvk {

// Sets the bar to the range of item 0..3 (20–100 Hz, 100 Hz–1 kHz,
// 1–20 kHz, 10 Hz–20 kHz) with its starting position. The order of the
// settings keeps Min <= Max at every step; each forced move raises the bar's
// change handler. Returns false, touching nothing, for any other item.
bool SetFrequencyRange(vcl::TScrollBar& bar, int item);

} // namespace zvk
