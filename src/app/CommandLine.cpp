#include "app/CommandLine.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace zvk {

namespace {

bool ParseSeconds(const std::string& text, double& out) {
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(text.c_str(), &end);
    if (errno != 0 || end != text.c_str() + text.size() || !std::isfinite(v) || v < 0)
        return false;
    out = v;
    return true;
}

bool ParseCount(const std::string& text, long long& out) {
    if (text.empty() || text[0] == '-' || text[0] == '+')
        return false;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || end != text.c_str() + text.size())
        return false;
    out = v;
    return true;
}

} // namespace

std::string UsageText() {
    return "usage: zvukoskop [options]\n"
           "  --audio auto|portaudio|loopback|none  sound backend (default auto: the card,\n"
           "                                        or the built-in loopback without one)\n"
           "  --list-devices                        print capture and playback devices\n"
           "  --input-device NAME                   capture from this device\n"
           "  --output-device NAME                  play on this device\n"
           "  --run-for SECONDS                     close the window after this time\n"
           "  --screenshot FILE.png --after SECONDS save a picture of the window, then close\n"
           "  --dump-state FILE.json                write the state after closing\n"
           "  --max-cycle-rate N                    at most N display cycles per second\n"
           "  --measure FILE [--offset FRAMES]      measure a 44100 Hz stereo sound file,\n"
           "                                        one JSON line per 8000-frame block\n"
           "  --help, --version\n";
}

bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& out, std::string& error) {
    bool haveAfter = false;
    bool haveOffset = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& v) {
            if (i + 1 >= args.size()) {
                error = "option " + a + " needs a value";
                return false;
            }
            v = args[++i];
            return true;
        };
        std::string v;
        if (a == "--help" || a == "-h") {
            out.help = true;
        } else if (a == "--version") {
            out.version = true;
        } else if (a == "--list-devices") {
            out.listDevices = true;
        } else if (a == "--audio") {
            if (!value(v))
                return false;
            if (v != "auto" && v != "portaudio" && v != "loopback" && v != "none") {
                error = "--audio takes auto, portaudio, loopback or none, not '" + v + "'";
                return false;
            }
            out.audio = v;
        } else if (a == "--run-for") {
            double s = 0;
            if (!value(v))
                return false;
            if (!ParseSeconds(v, s)) {
                error = "--run-for takes a number of seconds, not '" + v + "'";
                return false;
            }
            out.runFor = s;
        } else if (a == "--screenshot") {
            if (!value(v))
                return false;
            if (v.empty()) {
                error = "--screenshot needs a file name";
                return false;
            }
            out.screenshot = v;
        } else if (a == "--after") {
            if (!value(v))
                return false;
            if (!ParseSeconds(v, out.screenshotAfter)) {
                error = "--after takes a number of seconds, not '" + v + "'";
                return false;
            }
            haveAfter = true;
        } else if (a == "--dump-state") {
            if (!value(v))
                return false;
            if (v.empty()) {
                error = "--dump-state needs a file name";
                return false;
            }
            out.dumpState = v;
        } else if (a == "--max-cycle-rate") {
            if (!value(v))
                return false;
            if (!ParseSeconds(v, out.maxCycleRate) || out.maxCycleRate <= 0) {
                error = "--max-cycle-rate takes a positive number, not '" + v + "'";
                return false;
            }
        } else if (a == "--input-device") {
            if (!value(out.inputDevice))
                return false;
        } else if (a == "--output-device") {
            if (!value(out.outputDevice))
                return false;
        } else if (a == "--measure") {
            if (!value(v))
                return false;
            if (v.empty()) {
                error = "--measure needs a file name";
                return false;
            }
            out.measureFile = v;
        } else if (a == "--offset") {
            if (!value(v))
                return false;
            if (!ParseCount(v, out.measureOffset)) {
                error = "--offset takes a number of frames, not '" + v + "'";
                return false;
            }
            haveOffset = true;
        } else {
            error = "unknown option '" + a + "'";
            return false;
        }
    }
    if (haveAfter && out.screenshot.empty()) {
        error = "--after goes with --screenshot";
        return false;
    }
    if (!out.screenshot.empty() && !haveAfter) {
        error = "--screenshot needs --after SECONDS";
        return false;
    }
    if (haveOffset && out.measureFile.empty()) {
        error = "--offset goes with --measure";
        return false;
    }
    return true;
}

} // namespace zvk
