// Generator 2's panel: a second tone added to generator 1. Each change asks
// the playback stream to start, in case it never opened. GUI thread.
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

// Amplitude ranges of ComboBox410, items 0..6; items 7 and 8 set nothing.
constexpr BarRange kAmplitudeRanges[] = {
    {0, 32767, 16384}, {0, 16384, 8192}, {0, 8200, 4100}, {0, 3280, 164},
    {0, 1640, 164},    {0, 820, 164},    {0, 328, 164},
};

} // namespace

void TForm1::zobrazit2Click(vcl::TObject*) {
    Panel410->SetVisible(true);
    Panel110->SetVisible(false);
    Panel215->SetVisible(false);
    Panel215->SetEnabled(false);
    gen2Frequency = ScrollBar406->Position();
    RequestPlayback(AudioOut1);
    Edit409->SetText(vcl::IntToStr(ScrollBar406->Position()));
    gen2Amplitude = ScrollBar403->Position();
    RequestPlayback(AudioOut1);
    Edit403->SetText(vcl::IntToStr(Gen2AmplitudeReadout(gen2Amplitude)));
}

void TForm1::zruit2Click(vcl::TObject*) {
    Panel410->SetVisible(false);
    Panel110->SetVisible(false);
    Panel215->SetVisible(false);
    Panel215->SetEnabled(true);
    gen2Amplitude = 0;
    gen2Frequency = 0;
}

void TForm1::ScrollBar406Change(vcl::TObject*) {
    gen2Frequency = ScrollBar406->Position();
    RequestPlayback(AudioOut1);
    Edit409->SetText(vcl::IntToStr(ScrollBar406->Position()));
}

void TForm1::ScrollBar403Change(vcl::TObject*) {
    gen2Amplitude = ScrollBar403->Position();
    RequestPlayback(AudioOut1);
    Edit403->SetText(vcl::IntToStr(Gen2AmplitudeReadout(gen2Amplitude)));
}

void TForm1::ComboBox410Change(vcl::TObject*) {
    const int item = ComboBox410->ItemIndex();
    if (item < 0 || item >= static_cast<int>(std::size(kAmplitudeRanges)))
        return;
    const BarRange& r = kAmplitudeRanges[item];
    ScrollBar403->SetMin(r.min);
    ScrollBar403->SetMax(r.max);
    ScrollBar403->SetPosition(r.position);
    if (item <= 1) {
        gen2Amplitude = ScrollBar403->Position();
        Edit403->SetText(vcl::IntToStr(Gen2AmplitudeReadout(gen2Amplitude)));
    }
}

void TForm1::ComboBox411Click(vcl::TObject*) {
    const int item = ComboBox411->ItemIndex();
    if (SetFrequencyRange(*ScrollBar406, item))
        return;
    if (item == 4) { // "zrušit"
        Panel410->SetVisible(false);
        gen2Amplitude = 0;
        gen2Frequency = 0;
        RequestPlayback(AudioOut1);
    }
}

} // namespace zvk
