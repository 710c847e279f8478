// The idle cycle: keeps capture running and refreshes display and readouts.
#include "core/Form1.h"

#include "audio/AudioIO.h"
#include "platform/mm/MMSystem.h"

namespace zvk {

void TForm1::MyIdleEvent(vcl::TObject* /*Sender*/, bool& Done) {
    if (!AudioIn1->StartStream(AudioIn1))
        AudioIn1->StartStream(AudioIn1);
    if (periodicMode == 1) {
        DrawGraticule();
        DisplayCycle();
        Panel2->SetVisible(false);
        Done = false;
    } else if (periodicMode == 0) {
        MeasureLeftVoltage();
        MeasureLeftFrequency();
        MeasureRightVoltage();
        MeasureRightFrequency();
        Done = false;
    }
}

void TForm1::FormResize(vcl::TObject* /*Sender*/) {
    Refresh();
}

// Gives the saved volumes back, wave output first.
void TForm1::FormClose(vcl::TObject* /*Sender*/) {
    mm::waveOutSetVolume(0, savedWaveOutVolume);
    mm::auxSetVolume(3, savedAuxVolume3);
    mm::auxSetVolume(2, savedAuxVolume2);
    mm::auxSetVolume(4, savedAuxVolume4);
    mm::auxSetVolume(1, savedAuxVolume1);
    mm::auxSetVolume(5, savedAuxVolume5);
}

} // namespace zvk
