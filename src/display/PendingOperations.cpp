// Placeholders until the display operations land; delete each as it is built.
#include "core/Form1.h"

namespace zvk {
bool TForm1::AudioIn1BufferFilled(std::uint8_t*, std::int32_t&) {
    return false;
}
TriggerChannel TForm1::ChooseTriggerChannel() {
    return TriggerChannel::None;
}
void TForm1::TriggerStep(TriggerChannel) {}
} // namespace zvk
