#include "platform/mm/WaveDevice.h"

namespace mm::detail {
std::unique_ptr<Backend> MakePortAudioBackend(std::string& message, bool) {
    message = "not built";
    return nullptr;
}
void SetPortAudioDeviceName(bool, const std::string&) {}
} // namespace mm::detail
