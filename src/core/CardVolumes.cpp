#include "core/CardVolumes.h"

#include "platform/mm/MMSystem.h"

namespace zvk {

namespace {
CardVolumes Defaults() {
    return CardVolumes{
        [](std::uint32_t d, std::uint32_t* v) { return mm::waveOutGetVolume(d, v); },
        [](std::uint32_t d, std::uint32_t v) { return mm::waveOutSetVolume(d, v); },
        [](std::uint32_t d, std::uint32_t* v) { return mm::auxGetVolume(d, v); },
        [](std::uint32_t d, std::uint32_t v) { return mm::auxSetVolume(d, v); },
    };
}
} // namespace

CardVolumes& Volumes() {
    static CardVolumes volumes = Defaults();
    return volumes;
}

void ResetVolumes() {
    Volumes() = Defaults();
}

} // namespace zvk
