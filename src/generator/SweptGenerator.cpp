// The swept generator's panel: switches the playback fill into and out of
// the sweep. GUI thread.
#include "core/Form1.h"
#include "generator/StreamRequests.h"

namespace zvk {

void TForm1::zobrazit4Click(vcl::TObject*) {
    Panel110->SetVisible(true);
    Panel215->SetEnabled(false);
    Panel215->SetVisible(false);
    Panel410->SetVisible(false);
    gen2Amplitude = 0;
    gen2Frequency = 0;
}

void TForm1::zruit4Click(vcl::TObject*) {
    // The sweep itself keeps playing; only its panel goes.
    Panel110->SetVisible(false);
    Panel215->SetEnabled(true);
    Panel410->SetVisible(false);
}

void TForm1::Button103Click(vcl::TObject*) {
    ComboBox1->SetItemIndex(1);
    timeBaseAuto = 0;
    timeBaseFromGenerator = 0;
    sweptMode = 1;
    RequestPlayback(AudioOut1);
}

void TForm1::Button104Click(vcl::TObject*) {
    Panel110->SetVisible(false);
    sweptMode = 0;
}

} // namespace zvk
