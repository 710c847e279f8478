// The automatic generator: steps generator 1's frequency on Timer1.
// GUI thread (the timer ticks there too).
#include "core/Form1.h"
#include "generator/GeneratorReadouts.h"
#include "generator/StreamRequests.h"
#include "platform/ui/Conversions.h"

#include <cstdint>
#include <limits>

namespace zvk {

namespace {

// A box that holds no text reads as its default; the value is converted on
// every click so a bad text is reported even by a stop.
std::int32_t AutoBoxValue(vcl::TEdit* box, const char* whenEmpty) {
    if (box->Text().empty())
        box->SetText(whenEmpty);
    return vcl::StrToInt(box->Text());
}

} // namespace

void TForm1::zobrazit3Click(vcl::TObject*) {
    Panel215->SetVisible(true);
    Panel215->SetEnabled(true);
    Panel410->SetVisible(false);
    sweptMode = 0;
    RequestPlayback(AudioOut1);
    Panel110->SetVisible(false);
    gen2Amplitude = 0;
    gen2Frequency = 0;
}

void TForm1::zruit3Click(vcl::TObject*) {
    // The timer is left alone: a run goes on unseen until its last step.
    Panel215->SetVisible(false);
    Panel110->SetEnabled(true);
    Panel215->SetEnabled(true);
}

void TForm1::Button203Click(vcl::TObject*) {
    const std::int32_t from = AutoBoxValue(Edit206, "20");
    const std::int32_t to = AutoBoxValue(Edit216, "20");
    std::int32_t delaySeconds = AutoBoxValue(Edit222, "1");
    const std::int32_t step = AutoBoxValue(Edit223, "1");

    if (autoGenRunning == 1) {
        Button203->SetCaption("start");
        autoGenRunning = 0;
        Timer1->SetEnabled(false);
        return;
    }

    Button203->SetCaption("stop");
    autoFrom = from;
    if (autoFrom < 20) {
        autoFrom = 20;
        Edit206->SetText("20");
    }
    autoTo = to;
    if (autoTo < 20) {
        autoTo = 21;
        Edit216->SetText("21");
    }
    autoStep = step;
    if (autoStep < 1) {
        autoStep = 1;
        Edit223->SetText("1");
    }
    // A timer holds at most 2^31 - 1 ms; a longer delay is cut to what it holds.
    if (delaySeconds > kMaxAutoDelaySeconds) {
        delaySeconds = kMaxAutoDelaySeconds;
        Edit222->SetText(vcl::IntToStr(delaySeconds));
    }
    const std::int64_t intervalMs = static_cast<std::int64_t>(delaySeconds) * 1000;
    autoIntervalMs = static_cast<std::int32_t>(intervalMs);
    if (intervalMs <= 1000) {
        autoIntervalMs = 1000;
        Edit222->SetText("1");
    }
    autoStepCount = AutoStepCount(autoFrom, autoTo, autoStep);
    autoTick = 0;

    gen1Frequency = autoFrom;
    ScrollBar5->SetPosition(autoFrom);
    Edit14->SetText(LeadingBlank(vcl::IntToStr(ScrollBar5->Position())));
    Panel14->SetVisible(gen1Frequency > 2500);
    ComboBox8->SetItemIndex(gen1Frequency < 100 ? 0 : 1);
    Refresh();
    DisplayCycle();

    Timer1->SetEnabled(true);
    Timer1->SetInterval(autoIntervalMs);
    autoGenRunning = 1;
}

void TForm1::Timer1Timer(vcl::TObject*) {
    if (autoTick < std::numeric_limits<std::int32_t>::max())
        ++autoTick;
    gen1Frequency = AutoTickFrequency(autoTick, autoStep, autoFrom);
    ScrollBar5->SetPosition(gen1Frequency);
    Panel14->SetVisible(gen1Frequency > 2500);
    Edit14->SetText(LeadingBlank(vcl::IntToStr(ScrollBar5->Position())));
    ComboBox8->SetItemIndex(gen1Frequency < 100 ? 0 : 1);
    DisplayCycle();
    if (autoTick == autoStepCount) {
        Button203->SetCaption("start");
        autoGenRunning = 0;
        Timer1->SetEnabled(false);
    }
}

void TForm1::Button204Click(vcl::TObject*) {
    // The caption and the running flag stay: the next start click only stops.
    Panel215->SetVisible(false);
    sweptMode = 0;
    Timer1->SetEnabled(false);
}

} // namespace zvk
