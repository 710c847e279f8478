// Repaint on resize, and the volumes given back at close.
#include "core/Form1.h"

#include "core/CardVolumes.h"

namespace zvk {

void TForm1::FormResize(vcl::TObject* /*Sender*/) {
    Refresh();
}

// Gives the saved volumes back, wave output first.
void TForm1::FormClose(vcl::TObject* /*Sender*/) {
    Volumes().waveOutSet(0, savedWaveOutVolume);
    Volumes().auxSet(3, savedAuxVolume3);
    Volumes().auxSet(2, savedAuxVolume2);
    Volumes().auxSet(4, savedAuxVolume4);
    Volumes().auxSet(1, savedAuxVolume1);
    Volumes().auxSet(5, savedAuxVolume5);
}

} // namespace zvk
