// End to end on the loopback cable: what the generator plays on the left
// output channel comes back as the right input channel and is measured.
#include "core/Form1.h"
#include "platform/mm/MMSystem.h"
#include "platform/ui/Application.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

void Pump() {
    for (int i = 0; i < 4; ++i)
        QCoreApplication::sendPostedEvents();
}

// The number at the start of a readout such as " 299mV" or " 100Hz".
double ReadoutValue(const std::string& text) {
    std::size_t used = 0;
    const double v = std::stod(text, &used);
    EXPECT_GT(used, 0u) << text;
    return v;
}

class GeneratorOnLoopback : public ::testing::Test {
protected:
    void SetUp() override {
        std::string message;
        ASSERT_TRUE(mm::SelectBackend("loopback", message)) << message;
        mm::LoopbackSetManualClock(true);
        form = std::make_unique<zvk::TForm1>();
        form->FormCreate(nullptr);
    }
    void TearDown() override {
        vcl::Application()->OnIdle = nullptr;
        form.reset();
        Pump();
    }
    // Plays and records the given time in steps of 50 ms, with one idle
    // cycle after each step, as the running program would.
    void Run(double seconds) {
        const int steps = static_cast<int>(seconds * 20);
        for (int i = 0; i < steps; ++i) {
            mm::LoopbackAdvance(mm::kLoopbackRate / 20);
            Pump();
            bool done = true;
            form->MyIdleEvent(nullptr, done);
        }
    }
    std::unique_ptr<zvk::TForm1> form;
};

TEST_F(GeneratorOnLoopback, StartUpToneIsMeasuredOnTheRightChannelOnly) {
    Run(2.0);
    const std::string voltage = form->Edit1->Text();
    const std::string frequency = form->Edit8->Text();
    SCOPED_TRACE("Edit1 '" + voltage + "', Edit8 '" + frequency + "'");
    EXPECT_NEAR(ReadoutValue(voltage), 299.0, 3.0);
    // The readout moves in steps of 2 Hz; the measurement is a few hertz coarse.
    EXPECT_NEAR(ReadoutValue(frequency), 100.0, 4.0);
    EXPECT_EQ(form->Edit4->Text(), " 0.0mV");
}

TEST_F(GeneratorOnLoopback, SilencedGeneratorReadsZero) {
    form->zruit1Click(nullptr);
    Run(3.0); // the four buffers queued before the change play out first
    EXPECT_EQ(form->Edit1->Text(), " 0.0mV");
    EXPECT_EQ(form->Edit4->Text(), " 0.0mV");
}

} // namespace
