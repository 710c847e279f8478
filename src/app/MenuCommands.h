// The menu's own command: the desktop's mixer program in place of the card
// vendor's. GUI thread.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zvk {

// Mixer programs tried, first choice first.
const std::vector<std::string>& MixerPrograms();

// The full path of the first of MixerPrograms() found as an executable file
// in a ':'-separated search path, directory by directory in the order of each
// program; empty when none is. Empty entries (the current directory) are
// skipped.
std::string FindMixerProgram(std::string_view searchPath);

} // namespace zvk
