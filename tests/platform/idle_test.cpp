// The idle handler runs cycles back to back while waiting events are still
// handled between two cycles.
#include "platform/ui/Application.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(IdleLoop, CyclesRunBackToBackAndEventsInterleave) {
    vcl::TApplication* app = vcl::Application();
    int cycles = 0;
    int events = 0;
    int cyclesAtLastEvent = -1;
    bool eventDuringCycle = false;
    bool inCycle = false;
    app->OnIdle = [&](vcl::TObject*, bool& done) {
        inCycle = true;
        ++cycles;
        // A posted event queued now must be handled before the next cycle.
        if (cycles % 10 == 0)
            QTimer::singleShot(0, [&] {
                eventDuringCycle |= inCycle;
                ++events;
                cyclesAtLastEvent = cycles;
            });
        inCycle = false;
        done = false;
    };
    QTimer::singleShot(300, [] { QCoreApplication::exit(0); });
    app->Run();
    app->OnIdle = nullptr;
    EXPECT_GT(cycles, 1000) << "idle cycles should run back to back";
    EXPECT_GE(events, cycles / 10 - 2);
    EXPECT_FALSE(eventDuringCycle);
    EXPECT_GE(cyclesAtLastEvent, cycles - 11);
}

TEST(IdleLoop, DoneTrueWaitsForTheNextEvent) {
    vcl::TApplication* app = vcl::Application();
    int cycles = 0;
    app->OnIdle = [&](vcl::TObject*, bool& done) {
        ++cycles;
        done = true;
    };
    int beforeEvent = -1;
    QTimer::singleShot(100, [&] { beforeEvent = cycles; });
    QTimer::singleShot(250, [] { QCoreApplication::exit(0); });
    app->Run();
    app->OnIdle = nullptr;
    EXPECT_LE(beforeEvent, 3) << "with Done True the handler must not spin";
    EXPECT_LE(cycles, 10);
    EXPECT_GE(cycles, 2) << "an event must wake the idle handler again";
}

TEST(IdleLoop, MaxCycleRateLimitsCycles) {
    vcl::TApplication* app = vcl::Application();
    int cycles = 0;
    app->SetMaxCycleRate(50);
    app->OnIdle = [&](vcl::TObject*, bool& done) {
        ++cycles;
        done = false;
    };
    QTimer::singleShot(500, [] { QCoreApplication::exit(0); });
    app->Run();
    app->OnIdle = nullptr;
    app->SetMaxCycleRate(0);
    EXPECT_GE(cycles, 15);
    EXPECT_LE(cycles, 30);
}

} // namespace
