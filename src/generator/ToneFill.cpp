// The playback stream's fill event: two tones, or the sweep.
// GUI thread: the stream raises it while handling a device completion.
#include "audio/AudioIO.h"
#include "core/Form1.h"
#include "generator/ToneSynthesis.h"
#include "platform/ui/Application.h"
#include "platform/ui/Conversions.h"

#include <QMetaObject>

#include <algorithm>
#include <array>
#include <cstring>

namespace zvk {

namespace {

// Frame rate of the window's playback stream, used when the stream is gone.
constexpr std::int32_t kDefaultFrameRate = 44100;

// Samples that fit both the mode's length and the buffer offered.
std::int32_t SampleCount(std::int32_t wantedBytes, std::int32_t offeredBytes) {
    return std::max<std::int32_t>(0, std::min(wantedBytes, offeredBytes)) / 2;
}

void CopySamples(std::uint8_t* buffer, const std::int16_t* samples, std::int32_t count) {
    if (count > 0)
        std::memcpy(buffer, samples, static_cast<std::size_t>(count) * sizeof(std::int16_t));
}

// The default error report, queued: a message box opened inside a fill would
// hold up the stream's refill (and re-enter it from the box's event loop).
void ReportLater(const std::string& message) {
    vcl::TApplication* app = vcl::Application();
    if (!app)
        return;
    QMetaObject::invokeMethod(
        app,
        [message] {
            if (vcl::TApplication* a = vcl::Application())
                a->ShowException(message);
        },
        Qt::QueuedConnection);
}

// A box that holds no text reads as "1".
std::int32_t SweepBoxValue(vcl::TEdit* box) {
    if (box->Text().empty())
        box->SetText("1");
    return vcl::StrToInt(box->Text());
}

} // namespace

bool TForm1::AudioOut1FillBuffer(std::uint8_t* Buffer, std::int32_t& Size) {
    const std::int32_t rate = AudioOut1 ? AudioOut1->FrameRate() : kDefaultFrameRate;
    std::array<std::int16_t, kTwoToneFillBytes / 2> samples{};

    if (sweptMode != 1) {
        const std::int32_t count = SampleCount(kTwoToneFillBytes, Size);
        FillTwoTone(samples.data(), count, rate, gen1Frequency, gen1Amplitude, gen2Frequency,
                    gen2Amplitude);
        CopySamples(Buffer, samples.data(), count);
        Size = count * 2;
        return true;
    }

    const std::int32_t count = SampleCount(kSweptFillBytes, Size);
    try {
        const std::int32_t from = SweepBoxValue(Edit106);
        const std::int32_t to = SweepBoxValue(Edit110);
        sweptValidFrom = from;
        sweptValidTo = to;
        sweptHasValid = 1;
        sweptBadText.clear();
    } catch (const vcl::EConvertError& e) {
        // Keep playing what was valid; tell the user once per new slip.
        if (sweptBadText != e.what()) {
            sweptBadText = e.what();
            ReportLater(sweptBadText);
        }
    }

    if (sweptHasValid == 1) {
        SweepState state{SweepStartFactor(sweptValidFrom), SweepStepLength(sweptValidTo), 0};
        sweptFrequency = state.factor;
        sweptStepLength = state.stepLength;
        sweptStepCounter = 0;
        FillSwept(samples.data(), count, rate, gen1Amplitude, state);
        sweptFrequency = state.factor;
        sweptStepCounter = state.stepCounter;
    }
    CopySamples(Buffer, samples.data(), count);
    Size = count * 2;
    return true;
}

void TForm1::AudioOut1Start(vcl::TObject*) {}

} // namespace zvk
