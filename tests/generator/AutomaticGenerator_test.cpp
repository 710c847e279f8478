// The automatic generator on a started window. Ticks are driven by hand.
#include "FormFixture.h"

#include "generator/GeneratorReadouts.h"
#include "platform/ui/Conversions.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

using zvk::testing::StartedForm;

struct Tick {
    int frequency, position;
    std::string readout;
};

class AutomaticGenerator : public StartedForm {
protected:
    void Boxes(const char* from, const char* to, const char* step, const char* delay) {
        form->Edit206->SetText(from);
        form->Edit216->SetText(to);
        form->Edit223->SetText(step);
        form->Edit222->SetText(delay);
    }
    // Ticks until the run ends (with a safety limit) and records each tick.
    std::vector<Tick> RunToEnd() {
        std::vector<Tick> ticks;
        while (form->autoGenRunning == 1 && ticks.size() < 100) {
            form->Timer1Timer(nullptr);
            ticks.push_back(
                {form->gen1Frequency, form->ScrollBar5->Position(), form->Edit14->Text()});
        }
        return ticks;
    }
    void ExpectIdle() {
        EXPECT_EQ(form->autoGenRunning, 0);
        EXPECT_FALSE(form->Timer1->Enabled());
        EXPECT_EQ(form->Button203->Caption(), "start");
    }
};

TEST_F(AutomaticGenerator, Runs) {
    // The bar stays on 100..1000 throughout; a value below it leaves the bar
    // at 100 and the computed frequency in force.
    struct Case {
        const char *from, *to, *step;
        int autoFrom, startFrequency;
        std::vector<int> frequencies;
        int lastPosition;
        const char *fromText, *toText;
    };
    const Case cases[] = {
        {"100",
         "200",
         "10",
         100,
         100,
         {110, 120, 130, 140, 150, 160, 170, 180, 190, 200},
         200,
         "100",
         "200"},
        // round(10.5) = 10 steps, ending short of the end value.
        {"100",
         "205",
         "10",
         100,
         100,
         {110, 120, 130, 140, 150, 160, 170, 180, 190, 200},
         200,
         "100",
         "205"},
        // An end below the start: one step, upwards.
        {"500", "100", "10", 500, 500, {510}, 510, "500", "100"},
        // Below 20 Hz the boxes are corrected; 20 moves the bar to its Min 100.
        {"15", "15", "10", 20, 100, {30}, 100, "20", "21"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
        Boxes(c.from, c.to, c.step, "1");
        form->Button203Click(nullptr);
        EXPECT_EQ(form->Button203->Caption(), "stop");
        EXPECT_EQ(form->autoGenRunning, 1);
        EXPECT_TRUE(form->Timer1->Enabled());
        EXPECT_EQ(form->Timer1->Interval(), 1000);
        EXPECT_EQ(form->autoFrom, c.autoFrom);
        EXPECT_EQ(form->gen1Frequency, c.startFrequency);
        EXPECT_EQ(form->Edit14->Text(),
                  zvk::LeadingBlank(std::to_string(form->ScrollBar5->Position())));
        EXPECT_EQ(form->Edit206->Text(), c.fromText);
        EXPECT_EQ(form->Edit216->Text(), c.toText);
        EXPECT_EQ(form->autoStepCount, static_cast<int>(c.frequencies.size()));

        const std::vector<Tick> ticks = RunToEnd();
        ASSERT_EQ(ticks.size(), c.frequencies.size());
        for (std::size_t k = 0; k < ticks.size(); ++k) {
            const int position = std::max(100, std::min(1000, c.frequencies[k]));
            EXPECT_EQ(ticks[k].frequency, c.frequencies[k]) << "tick " << k + 1;
            EXPECT_EQ(ticks[k].position, position) << "tick " << k + 1;
            EXPECT_EQ(ticks[k].readout, zvk::LeadingBlank(std::to_string(position)))
                << "tick " << k + 1;
        }
        EXPECT_EQ(form->ScrollBar5->Position(), c.lastPosition);
        ExpectIdle();
    }
}

TEST_F(AutomaticGenerator, RunAcrossTheEndOfTheBar) {
    ASSERT_EQ(form->ScrollBar5->Max(), 1000);
    Boxes("900", "1200", "50", "1");
    form->Button203Click(nullptr);
    const std::vector<Tick> ticks = RunToEnd();
    const std::vector<int> frequencies = {950, 1000, 1050, 1100, 1150, 1200};
    ASSERT_EQ(ticks.size(), frequencies.size());
    for (std::size_t k = 0; k < ticks.size(); ++k) {
        SCOPED_TRACE("tick " + std::to_string(k + 1));
        EXPECT_EQ(ticks[k].frequency, frequencies[k]);
        EXPECT_EQ(ticks[k].position, k == 0 ? 950 : 1000);
        EXPECT_EQ(ticks[k].readout, k == 0 ? " 950" : " 1000");
    }
    // The bar's change handler ran last at 1000 Hz.
    EXPECT_EQ(form->Edit3->Text(), "kHz");
    EXPECT_EQ(form->gen1Frequency, 1200);
    ExpectIdle();
}

TEST_F(AutomaticGenerator, BoxCorrections) {
    struct Case {
        const char *from, *to, *step, *delay;
        int intervalMs, autoStep;
        const char *delayText, *stepText;
    };
    const Case cases[] = {
        {"100", "200", "10", "0", 1000, 10, "1", "10"},
        {"100", "200", "10", "-5", 1000, 10, "1", "10"},
        {"100", "200", "10", "", 1000, 10, "1", "10"},
        {"100", "200", "10", "3", 3000, 10, "3", "10"},
        {"100", "200", "0", "1", 1000, 1, "1", "1"},
        {"100", "200", "-7", "1", 1000, 1, "1", "1"},
        {"100", "200", "", "1", 1000, 1, "1", "1"},
        // Longer than a timer can hold: the longest it can.
        {"100", "200", "10", "3000000", 2147483000, 10, "2147483", "10"},
        {"100", "200", "10", "2147483647", 2147483000, 10, "2147483", "10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("step '") + c.step + "' delay '" + c.delay + "'");
        Boxes(c.from, c.to, c.step, c.delay);
        form->Button203Click(nullptr);
        EXPECT_EQ(form->autoIntervalMs, c.intervalMs);
        EXPECT_EQ(form->Timer1->Interval(), c.intervalMs);
        EXPECT_EQ(form->autoStep, c.autoStep);
        EXPECT_EQ(form->Edit222->Text(), c.delayText);
        EXPECT_EQ(form->Edit223->Text(), c.stepText);
        form->Button203Click(nullptr); // stop
        ExpectIdle();
    }
    // Empty frequency boxes read as 20.
    Boxes("", "", "10", "1");
    form->Button203Click(nullptr);
    EXPECT_EQ(form->Edit206->Text(), "20");
    EXPECT_EQ(form->Edit216->Text(), "20");
    EXPECT_EQ(form->autoFrom, 20);
    EXPECT_EQ(form->autoTo, 20);
    EXPECT_EQ(form->autoStepCount, 1);
    EXPECT_EQ(form->ComboBox8->ItemIndex(), 0);
}

TEST_F(AutomaticGenerator, HugeEntriesStayDefined) {
    const std::string max = std::to_string(std::numeric_limits<std::int32_t>::max());
    Boxes(max.c_str(), max.c_str(), max.c_str(), "1");
    form->Button203Click(nullptr);
    EXPECT_EQ(form->autoStepCount, 1);
    std::vector<Tick> ticks = RunToEnd();
    ASSERT_EQ(ticks.size(), 1u);
    EXPECT_EQ(ticks[0].frequency, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ticks[0].position, 1000);
    ExpectIdle();

    // Two huge steps overshoot the end; the frequency stops at the largest value.
    Boxes("20", max.c_str(), "1073741824", "1");
    form->Button203Click(nullptr);
    EXPECT_EQ(form->autoStepCount, 2);
    ticks = RunToEnd();
    ASSERT_EQ(ticks.size(), 2u);
    // Tick 1 moves the bar from 100 to its end, so the change handler's 1000 Hz
    // wins; tick 2 leaves it there and the computed value stays.
    EXPECT_EQ(ticks[0].frequency, 1000);
    EXPECT_EQ(ticks[1].frequency, std::numeric_limits<std::int32_t>::max());
    ExpectIdle();
}

TEST_F(AutomaticGenerator, CancelThenStartOnlyResetsTheCaption) {
    form->zobrazit3Click(nullptr);
    Boxes("100", "200", "10", "1");
    form->Button203Click(nullptr);
    form->Timer1Timer(nullptr);
    ASSERT_EQ(form->gen1Frequency, 110);

    form->Button103Click(nullptr); // a sweep is ended by the cancel too
    form->Button204Click(nullptr);
    EXPECT_FALSE(form->Panel215->Visible());
    EXPECT_EQ(form->sweptMode, 0);
    EXPECT_FALSE(form->Timer1->Enabled());
    EXPECT_EQ(form->autoGenRunning, 1);
    EXPECT_EQ(form->Button203->Caption(), "stop");

    form->zobrazit3Click(nullptr);
    form->Button203Click(nullptr);
    ExpectIdle();
    EXPECT_EQ(form->gen1Frequency, 110);
    EXPECT_EQ(form->autoTick, 1);

    form->Button203Click(nullptr);
    EXPECT_EQ(form->autoGenRunning, 1);
    EXPECT_EQ(form->autoTick, 0);
    EXPECT_EQ(form->gen1Frequency, 100);
}

TEST_F(AutomaticGenerator, BadTextBlocksEvenTheStopClick) {
    Boxes("100", "200", "10", "1");
    form->Button203Click(nullptr);
    form->Edit222->SetText("1.5");
    EXPECT_THROW(form->Button203Click(nullptr), vcl::EConvertError);
    EXPECT_EQ(form->autoGenRunning, 1);
    EXPECT_TRUE(form->Timer1->Enabled());
    form->Button204Click(nullptr);
    EXPECT_FALSE(form->Timer1->Enabled());

    EXPECT_THROW(form->Button203Click(nullptr), vcl::EConvertError);
    EXPECT_EQ(form->autoGenRunning, 1);
    form->Edit222->SetText("1");
    form->Button203Click(nullptr); // only stops
    ExpectIdle();
}

TEST_F(AutomaticGenerator, MenuShowAndCancel) {
    form->zobrazit2Click(nullptr);
    form->Button103Click(nullptr);
    form->zobrazit3Click(nullptr);
    EXPECT_TRUE(form->Panel215->Visible());
    EXPECT_TRUE(form->Panel215->Enabled());
    EXPECT_FALSE(form->Panel410->Visible());
    EXPECT_FALSE(form->Panel110->Visible());
    EXPECT_EQ(form->sweptMode, 0);
    EXPECT_EQ(form->gen2Amplitude, 0);
    EXPECT_EQ(form->gen2Frequency, 0);

    Boxes("100", "200", "10", "1");
    form->Button203Click(nullptr);
    form->Panel110->SetEnabled(false);
    form->zruit3Click(nullptr);
    EXPECT_FALSE(form->Panel215->Visible());
    EXPECT_TRUE(form->Panel215->Enabled());
    EXPECT_TRUE(form->Panel110->Enabled());
    // The run goes on unseen.
    EXPECT_TRUE(form->Timer1->Enabled());
    EXPECT_EQ(RunToEnd().size(), 10u);
    ExpectIdle();
}

} // namespace
