// The program's command line. Every option is optional; without options the
// instrument runs as it always does.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zvk {

struct CommandLine {
    std::string audio = "auto";
    std::optional<double> runFor;
    std::string screenshot;
    double screenshotAfter = 0;
    std::string dumpState;
    double maxCycleRate = 0;
    bool help = false;
    bool version = false;
    bool listDevices = false;
    std::string inputDevice;
    std::string outputDevice;
    std::string measureFile;
    long long measureOffset = 0;
};

// Returns false with a message for an unknown option or a bad value.
bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& out, std::string& error);
std::string UsageText();

} // namespace zvk
