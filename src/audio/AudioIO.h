// Sound-card stream components: TAudioIO with the capture stream TAudioIn and
// the playback stream TAudioOut. (Interface fixed for the window; the
// implementation belongs to the audio layer.)
// Thread rule: every method is for the GUI thread; device completions reach
// the stream as events on the GUI thread.
#pragma once

#include "platform/ui/Controls.h"

#include <QObject>
#include <cstdint>
#include <functional>
#include <string>

// The owner's buffer event: (Buffer, var Size) -> Boolean, no sender.
using TBufferEvent = std::function<bool(std::uint8_t* Buffer, std::int32_t& Size)>;

class TAudioIO : public vcl::TComponent {
public:
    explicit TAudioIO(QObject* owner);
    ~TAudioIO() override;

    std::int32_t BufferSize() const;
    void SetBufferSize(std::int32_t bytes);
    std::int32_t NumBuffers() const;
    void SetNumBuffers(std::int32_t n);
    std::int32_t FrameRate() const;
    void SetFrameRate(std::int32_t rate);
    bool Stereo() const;
    void SetStereo(bool stereo);
    std::uint16_t Quantization() const;
    void SetQuantization(std::uint16_t bits);
    const std::string& ErrorText() const;

    vcl::TNotifyEvent OnStart;
    vcl::TNotifyEvent OnStop;
};

class TAudioIn : public TAudioIO {
public:
    explicit TAudioIn(QObject* owner);
    ~TAudioIn() override;
    const char* Kind() const override { return "TAudioIn"; }
    // Opens the capture device and starts recording; False when already open
    // or when it cannot be opened. ref is the owner's variable holding this stream.
    bool StartStream(TAudioIn*& ref);
    TBufferEvent OnBufferFilled;
};

class TAudioOut : public TAudioIO {
public:
    explicit TAudioOut(QObject* owner);
    ~TAudioOut() override;
    const char* Kind() const override { return "TAudioOut"; }
    bool StartStream(TAudioOut*& ref);
    TBufferEvent OnFillBuffer;
};
