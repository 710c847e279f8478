#include "audio/AudioMixer.h"

#include "platform/mm/MMSystem.h"

#include <QJsonObject>
#include <cstdio>

TAudioMixer::TAudioMixer(QObject*) {
    FDeviceCount = mm::mixerGetNumDevs();
    FMixerID = 0;
    FManager = std::make_unique<TMixerMan>();
    FManager->Mixer = this;
}

TAudioMixer::~TAudioMixer() {
    if (FMixerOpen)
        CloseMixer();
}

void TAudioMixer::SetMixerID(std::uint32_t id) {
    if (FMixerOpen)
        CloseMixer();
    if (id < FDeviceCount) {
        FMixerID = id;
        return;
    }
    if (Designing)
        return;
    // DeviceCount - 1 as a signed number: -1 on a machine without mixers.
    const long long highest = static_cast<long long>(FDeviceCount) - 1;
    char text[64];
    std::snprintf(text, sizeof text, "MixerID maximum for this machine: %lld", highest);
    throw EMixerID(text);
}

void TAudioMixer::MixerControlChange(std::uint32_t D, std::uint32_t S, std::uint32_t C) {
    if (OnMixerControlChange)
        OnMixerControlChange(this, D, S, C);
}

void TAudioMixer::MixerLineChange(std::uint32_t D, std::uint32_t S) {
    if (OnMixerLineChange)
        OnMixerLineChange(this, D, S);
}

void TAudioMixer::CloseMixer() {
    if (!FMixerOpen)
        return;
    mm::mixerClose(FMixerHandle);
    FMixerOpen = false;
    FDestinations.clear();
    FDestinationCount = 0;
    for (std::int32_t& v : FValues)
        v = 0;
}

void TAudioMixer::Dump(QJsonObject& out) const {
    vcl::TComponent::Dump(out);
    out["DeviceCount"] = static_cast<qint64>(FDeviceCount);
    out["MixerID"] = static_cast<qint64>(FMixerID);
}
