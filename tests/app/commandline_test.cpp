#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using zvk::CommandLine;
using zvk::ParseCommandLine;

TEST(CommandLineParse, AcceptsTheDocumentedOptions) {
    CommandLine o;
    std::string error;
    ASSERT_TRUE(
        ParseCommandLine({"--audio", "loopback", "--run-for", "2.5", "--screenshot", "a.png",
                          "--after", "1", "--dump-state", "s.json", "--max-cycle-rate", "60"},
                         o, error))
        << error;
    EXPECT_EQ(o.audio, "loopback");
    EXPECT_DOUBLE_EQ(*o.runFor, 2.5);
    EXPECT_EQ(o.screenshot, "a.png");
    EXPECT_DOUBLE_EQ(o.screenshotAfter, 1);
    EXPECT_EQ(o.dumpState, "s.json");
    EXPECT_DOUBLE_EQ(o.maxCycleRate, 60);

    CommandLine none;
    ASSERT_TRUE(ParseCommandLine({}, none, error));
    EXPECT_EQ(none.audio, "auto");
    EXPECT_FALSE(none.runFor);
}

TEST(CommandLineParse, RefusesUnknownOptionsAndBadValues) {
    const std::vector<std::vector<std::string>> bad = {
        {"--frobnicate"},
        {"--audio"},
        {"--audio", "alsa"},
        {"--run-for", "soon"},
        {"--run-for", "-1"},
        {"--run-for", "nan"},
        {"--screenshot", "a.png"},
        {"--after", "1"},
        {"--max-cycle-rate", "0"},
        {"--max-cycle-rate", "x"},
        {"--measure"},
        {"--offset", "10"},
        {"--measure", "a.wav", "--offset", "-3"},
        {"extra"},
    };
    for (const auto& args : bad) {
        CommandLine o;
        std::string error;
        EXPECT_FALSE(ParseCommandLine(args, o, error)) << args[0];
        EXPECT_FALSE(error.empty()) << args[0];
    }
}

} // namespace
