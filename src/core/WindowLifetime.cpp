// The window's end. Its destructor lives in the lowest layer that holds window
// operations, so every layer that uses the window class finds its type
// information below itself when linking.
#include "core/Form1.h"

#include "audio/AudioIO.h"
#include "audio/AudioMixer.h"

namespace zvk {

TForm1::~TForm1() {
    // Streams stop and close before the window (their callback objects' parent) goes.
    delete AudioIn1;
    AudioIn1 = nullptr;
    delete AudioOut1;
    AudioOut1 = nullptr;
    delete AudioMixer1;
    AudioMixer1 = nullptr;
}

} // namespace zvk
