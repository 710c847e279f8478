// Generator 1's panel: amplitude and frequency bars, their ranges, the typed
// entries and the menu's show/cancel. GUI thread.
#include "core/Form1.h"
#include "generator/FrequencyRanges.h"
#include "generator/GeneratorReadouts.h"
#include "generator/StreamRequests.h"
#include "platform/ui/Conversions.h"

#include <iterator>

namespace zvk {

namespace {

struct BarRange {
    int min, max, position;
};

// Amplitude ranges of ComboBox7, items 0..6; item 7 ("vypnuto") sets nothing.
constexpr BarRange kAmplitudeRanges[] = {
    {0, 32767, 16384}, {0, 16384, 8192}, {0, 8200, 4100}, {0, 3280, 164},
    {0, 1640, 164},    {0, 820, 164},    {0, 328, 164},
};

} // namespace

void TForm1::ScrollBar4Change(vcl::TObject*) {
    gen1Amplitude = ScrollBar4->Position();
    Edit13->SetText(vcl::IntToStr(Gen1AmplitudeReadout(gen1Amplitude)));
}

void TForm1::ComboBox7Click(vcl::TObject*) {
    const int item = ComboBox7->ItemIndex();
    if (item < 0 || item >= static_cast<int>(std::size(kAmplitudeRanges)))
        return;
    const BarRange& r = kAmplitudeRanges[item];
    ScrollBar4->SetMin(r.min);
    ScrollBar4->SetMax(r.max);
    ScrollBar4->SetPosition(r.position);
    if (item <= 1) {
        // These two may leave the position where it was, so no change event.
        gen1Amplitude = ScrollBar4->Position();
        Edit13->SetText(vcl::IntToStr(Gen1AmplitudeReadout(gen1Amplitude)));
    }
}

void TForm1::ScrollBar5Change(vcl::TObject*) {
    const int p = ScrollBar5->Position();
    if (p < 1000) {
        gen1Frequency = p;
        Edit14->SetText(LeadingBlank(vcl::IntToStr(p)));
        ScrollBar5->SetLargeChange(10);
        ScrollBar5->SetSmallChange(1);
    }
    if (p >= 1000 && p <= 20000) {
        gen1Frequency = Gen1KiloHertzFrequency(p);
        Edit14->SetText(LeadingBlank(Gen1KiloHertzText(p)));
        ScrollBar5->SetLargeChange(100);
        ScrollBar5->SetSmallChange(10);
    }
    Edit3->SetText(gen1Frequency < 1000 ? " Hz" : "kHz");
    Panel14->SetVisible(gen1Frequency > 2500);
    StartCaptureWithRetry(AudioIn1);
    if (periodicMode == 1)
        DisplayCycle();
}

void TForm1::ComboBox8Click(vcl::TObject*) {
    SetFrequencyRange(*ScrollBar5, ComboBox8->ItemIndex());
}

void TForm1::Edit14DblClick(vcl::TObject*) {
    gen1Frequency = vcl::StrToInt(Edit14->Text());
    // A move reruns the change handler; otherwise the typed value stays in force.
    ScrollBar5->SetPosition(gen1Frequency);
}

void TForm1::Edit14Enter(vcl::TObject*) {}

void TForm1::Edit13DblClick(vcl::TObject*) {
    gen1Amplitude = AmplitudeFromEntry(vcl::StrToInt(Edit13->Text()));
    ScrollBar4->SetPosition(gen1Amplitude);
}

void TForm1::ResetFrequencyBar() {
    ScrollBar5->SetMin(100);
    ScrollBar5->SetMax(1000);
    ScrollBar5->SetPosition(100);
    gen1Frequency = ScrollBar5->Position();
    Edit14->SetText(LeadingBlank(vcl::IntToStr(gen1Frequency)));
    ScrollBar5->SetLargeChange(10);
    ScrollBar5->SetSmallChange(1);
}

void TForm1::ResetAmplitudeBar(int32 position) {
    ScrollBar4->SetMin(0);
    ScrollBar4->SetMax(32767);
    ScrollBar4->SetPosition(position);
    gen1Amplitude = ScrollBar4->Position();
}

void TForm1::zobrazit1Click(vcl::TObject*) {
    Panel13->SetVisible(true);
    ResetFrequencyBar();
    leftFrequency = 40.0;
    rightFrequency = 40.0;
    Panel14->SetVisible(false);
    ComboBox7->SetItemIndex(0);
    ComboBox8->SetItemIndex(1);
    ResetAmplitudeBar(3000);
}

void TForm1::zruit1Click(vcl::TObject*) {
    Panel13->SetVisible(false);
    gen1Amplitude = 0;
    ComboBox1->SetItemIndex(0);
    timeBaseAuto = 1;
    timeBaseFromGenerator = 0;
}

} // namespace zvk
