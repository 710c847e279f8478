// Runs the instrument from a parsed command line; returns the exit status.
#pragma once

#include "app/CommandLine.h"

namespace zvk {

int RunInstrument(const CommandLine& options);
// Applies the instrument's look (Fusion style, palette) to the application.
void ApplyInstrumentStyle();

} // namespace zvk
