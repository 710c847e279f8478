// The mixer component: counts the machine's mixers and checks its device number.
#pragma once

#include "platform/ui/Conversions.h"
#include "platform/ui/Controls.h"

#include <QObject>
#include <cstdint>

class EMixerID : public vcl::Exception {
public:
    using vcl::Exception::Exception;
};

class TAudioMixer : public vcl::TComponent {
public:
    explicit TAudioMixer(QObject* owner);
    ~TAudioMixer() override;
    const char* Kind() const override { return "TAudioMixer"; }
    std::uint32_t DeviceCount() const;
};
