// Whatever arrives and whatever sampleCount holds up to its limit, the split,
// the measurements and the trigger stay inside the arrays. Meant to run under
// the sanitizer build, where any stray access aborts.
#include "core/Form1.h"
#include "display/Trigger.h"
#include "measure/SampleArrays.h"
#include "measure/SyntheticSignals.h"

#include <gtest/gtest.h>

#include <memory>

namespace zvk {
namespace {

class Bounds : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm1>();
        form->FormCreate(nullptr);
    }

    // One cycle's work on the capture, both trigger channels included.
    void RunCycle() {
        form->MeasureLeftVoltage();
        form->MeasureLeftFrequency();
        form->MeasureRightVoltage();
        form->MeasureRightFrequency();
        form->ChooseTriggerChannel();
        form->leftSignIndex = 0;
        form->TriggerStep(TriggerChannel::Left);
        form->TriggerStep(TriggerChannel::Right);
        CheckInvariants();
    }

    void CheckInvariants() {
        EXPECT_GE(form->sampleCount, 0);
        EXPECT_LE(form->sampleCount, kMaxSampleCount);
        EXPECT_LE(form->leftTraceStart, kNoTriggerStart);
        EXPECT_LE(form->rightTraceStart, kNoTriggerStart);
        EXPECT_GT(form->leftHalfWaveEnd, form->leftHalfWaveStart);
        EXPECT_GT(form->rightHalfWaveEnd, form->rightHalfWaveStart);
        EXPECT_LE(form->leftPeak, 32768);
        EXPECT_LE(form->rightPeak, 32768);
        EXPECT_LE(form->leftSignIndex, kMaxSampleCount);
        EXPECT_LE(form->rightSignIndex, kMaxSampleCount);
    }

    std::unique_ptr<TForm1> form;
};

// Waves that push the searches to their ends: full-scale noise, a wave that
// stays positive until late in the buffer, one that stays negative, and a
// run of -32768.
std::vector<test::Wave> Waves(int frames) {
    return {
        test::Noise(32767, 1234), [frames](int i) { return i < frames - 3 ? 20000 : -20000; },
        [](int) { return -1; },   [](int) { return -32768; },
        test::Sine(30, 32767),
    };
}

TEST_F(Bounds, OddAndOversizedBuffers) {
    const std::int32_t sizes[] = {0,     1,     2,     3,     31999,  32001,
                                  44101, 88199, 88200, 88201, 100001, 176400};
    for (const std::int32_t bytes : sizes) {
        SCOPED_TRACE(bytes);
        const int frames = bytes / 4 + 1;
        for (const test::Wave& w : Waves(frames)) {
            auto buffer = test::StereoBuffer(w, w, frames);
            buffer.resize(static_cast<std::size_t>(bytes));
            std::int32_t size = bytes;
            form->AudioIn1BufferFilled(buffer.data(), size);
            RunCycle();
        }
    }
}

// Every sampleCount up to the limit, with a full copy left by an oversized
// buffer and tracks holding what earlier cycles left.
TEST_F(Bounds, SampleCountsUpToTheLimit) {
    const int frames = kSampleArrayLength / 2;
    auto buffer = test::StereoBuffer(Waves(frames)[1], test::Noise(32767, 99), frames);
    std::int32_t size = static_cast<std::int32_t>(buffer.size());
    form->AudioIn1BufferFilled(buffer.data(), size);
    ASSERT_EQ(form->sampleCount, kMaxSampleCount);
    RunCycle();

    for (int32 count = 0; count <= kMaxSampleCount;
         count += (count < 40 || count > 22000 || (count > 19960 && count < 20040)) ? 1 : 997) {
        SCOPED_TRACE(count);
        form->sampleCount = count;
        RunCycle();
    }
}

// Sign indices left near the top by one buffer meet a later short buffer.
TEST_F(Bounds, SignIndicesLeftHighByAnEarlierBuffer) {
    const int frames = kSampleArrayLength / 2;
    const test::Wave late = [frames](int i) { return i < frames - 2 ? 0 : -20000; };
    const test::Wave latePositive = [frames](int i) { return i < frames - 2 ? 0 : 20000; };
    auto buffer = test::StereoBuffer(late, latePositive, frames);
    std::int32_t size = static_cast<std::int32_t>(buffer.size());
    form->AudioIn1BufferFilled(buffer.data(), size);
    RunCycle();
    EXPECT_GT(form->leftSignIndex, 20000);

    auto small = test::StereoBuffer(test::Silence(), test::Silence(), 10);
    size = static_cast<std::int32_t>(small.size());
    form->AudioIn1BufferFilled(small.data(), size);
    RunCycle();
}

} // namespace
} // namespace zvk
