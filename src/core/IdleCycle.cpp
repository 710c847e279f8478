// The idle cycle: keeps capture running and refreshes display and readouts.
#include "core/Form1.h"

#include "audio/AudioIO.h"

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

} // namespace zvk
