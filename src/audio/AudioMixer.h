// The mixer component: counts the machine's mixers and checks its device
// number. It never opens a mixer, so its events never fire. GUI thread only.
#pragma once

#include "platform/ui/Controls.h"
#include "platform/ui/Conversions.h"

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class EMixerID : public vcl::Exception {
public:
    using vcl::Exception::Exception;
};

using TMixerControlChangeEvent =
    std::function<void(vcl::TObject* Sender, std::uint32_t D, std::uint32_t S, std::uint32_t C)>;
using TMixerLineChangeEvent =
    std::function<void(vcl::TObject* Sender, std::uint32_t D, std::uint32_t S)>;

class TAudioMixer;

class TMixerMan : public vcl::TObject {
public:
    TAudioMixer* Mixer = nullptr;
};

class TAudioMixer : public vcl::TComponent {
public:
    explicit TAudioMixer(QObject* owner);
    ~TAudioMixer() override;
    TAudioMixer(const TAudioMixer&) = delete;
    TAudioMixer& operator=(const TAudioMixer&) = delete;
    const char* Kind() const override { return "TAudioMixer"; }

    std::uint32_t DeviceCount() const { return FDeviceCount; }
    std::uint32_t MixerID() const { return FMixerID; }
    // Throws EMixerID "MixerID maximum for this machine: %d" (DeviceCount-1)
    // for a number at or above DeviceCount; the old value stays.
    void SetMixerID(std::uint32_t id);
    bool MixerOpen() const { return FMixerOpen; }
    const TMixerMan* Manager() const { return FManager.get(); }

    TMixerControlChangeEvent OnMixerControlChange;
    TMixerLineChangeEvent OnMixerLineChange;

    // True while the component is being designed: the number is not checked.
    bool Designing = false;

    void Dump(QJsonObject& out) const override;

protected:
    virtual void MixerControlChange(std::uint32_t D, std::uint32_t S, std::uint32_t C);
    virtual void MixerLineChange(std::uint32_t D, std::uint32_t S);
    void CloseMixer();

private:
    std::uint32_t FDeviceCount = 0;
    std::uint32_t FMixerID = 0;
    std::unique_ptr<TMixerMan> FManager;
    std::string FName;
    std::int32_t FDestinationCount = 0;
    bool FMixerOpen = false;
    std::uintptr_t FMixerHandle = 0;
    std::vector<std::unique_ptr<vcl::TObject>> FDestinations;
    std::int32_t FValues[17] = {};
};
