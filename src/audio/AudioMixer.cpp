#include "audio/AudioMixer.h"

#include "platform/mm/MMSystem.h"

TAudioMixer::TAudioMixer(QObject*) {}
TAudioMixer::~TAudioMixer() = default;
std::uint32_t TAudioMixer::DeviceCount() const { return mm::mixerGetNumDevs(); }
