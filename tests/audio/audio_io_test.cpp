// Capture and playback streams on the loopback cable, driven by its manual
// clock: nothing moves until the test advances it and delivers the events.
#include "audio/AudioIO.h"

#include "platform/ui/Application.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

void Pump() {
    for (int i = 0; i < 4; ++i)
        QCoreApplication::sendPostedEvents();
}

// Advances the cable and delivers what it completed.
void Play(std::uint32_t frames) {
    mm::LoopbackAdvance(frames);
    Pump();
}

std::int16_t SampleAt(const std::uint8_t* p, std::size_t i) {
    std::int16_t v;
    std::memcpy(&v, p + 2 * i, 2);
    return v;
}

class Streams : public ::testing::Test {
protected:
    void SetUp() override {
        std::string msg;
        ASSERT_TRUE(mm::SelectBackend("loopback", msg)) << msg;
        mm::LoopbackSetManualClock(true);
        mm::waveOutSetVolume(0, 0x0000FFFFu);
    }
    void TearDown() override {
        delete in;
        delete out;
        in = nullptr;
        out = nullptr;
        Pump();
        mm::waveOutSetVolume(0, 0xFFFFFFFFu);
        EXPECT_EQ(mm::GetCounters().openDevices, 0u);
    }
    // The window's capture stream: 2 buffers of 8000 stereo frames.
    void MakeWindowCapture() {
        in = new TAudioIn(nullptr);
        in->SetBufferSize(32000);
        in->SetNumBuffers(2);
        in->SetFrameRate(44100);
        in->SetStereo(true);
    }
    // The window's playback stream: 4 buffers of 22050 mono samples.
    void MakeWindowPlayback() {
        out = new TAudioOut(nullptr);
        out->SetBufferSize(44100);
        out->SetFrameRate(44100);
    }
    TAudioIn* in = nullptr;
    TAudioOut* out = nullptr;
    QObject owner;
};

} // namespace

TEST(StreamFormat, FreshStreamDefaults) {
    TAudioIn s(nullptr);
    EXPECT_EQ(s.BufferSize(), 8192);
    EXPECT_EQ(s.NumBuffers(), 4);
    EXPECT_EQ(s.FrameRate(), 22050);
    EXPECT_FALSE(s.Stereo());
    EXPECT_EQ(s.Quantization(), 16);
    EXPECT_EQ(s.GetDeviceId(), mm::WAVE_MAPPER);
    EXPECT_EQ(s.ErrorText(), "");
    const mm::WAVEFORMATEX& f = s.GetWaveFormat();
    EXPECT_EQ(+f.wFormatTag, 1);
    EXPECT_EQ(+f.nBlockAlign, 2);
    EXPECT_EQ(+f.nAvgBytesPerSec, 44100u);
    EXPECT_EQ(+f.cbSize, 0);
    for (int i = 0; i < 4; ++i) {
        ASSERT_NE(s.GetBufferData(i), nullptr);
        EXPECT_EQ(s.GetBufferLength(i), 8192);
        EXPECT_EQ(s.GetHeader(i)->lpData, s.GetBufferData(i));
    }
    TAudioOut o(nullptr);
    EXPECT_FALSE(o.Paused());
}

TEST(StreamFormat, SettersTable) {
    struct Case {
        const char* what;
        std::int32_t bufferSize;
        std::int32_t numBuffers;
        bool stereo;
        std::uint16_t bits;
        std::int32_t wantSize;
        std::int32_t wantRequested;
        std::int32_t wantBuffers;
        std::uint16_t wantBits;
        std::uint16_t wantAlign;
    };
    const Case cases[] = {
        {"tiny request", 100, 4, true, 16, 512, 512, 4, 16, 4},
        {"whole frames", 32002, 2, true, 16, 32000, 32002, 2, 16, 4},
        {"mono keeps odd bytes off", 32003, 4, false, 16, 32002, 32003, 4, 16, 2},
        {"too many buffers", 8192, 7, false, 16, 8192, 8192, 4, 16, 2},
        {"one buffer", 8192, 1, false, 16, 8192, 8192, 2, 16, 2},
        {"no buffers", 8192, 0, false, 16, 8192, 8192, 2, 16, 2},
        {"12 bits", 8192, 3, true, 12, 8192, 8192, 3, 16, 4},
        {"0 bits", 1001, 3, true, 0, 1000, 1001, 3, 8, 2},
        {"8 bits mono", 1001, 3, false, 8, 1001, 1001, 3, 8, 1},
    };
    for (const Case& c : cases) {
        TAudioIn s(nullptr);
        s.SetStereo(c.stereo);
        s.SetQuantization(c.bits);
        s.SetBufferSize(c.bufferSize);
        s.SetNumBuffers(c.numBuffers);
        EXPECT_EQ(s.BufferSize(), c.wantSize) << c.what;
        EXPECT_EQ(s.GetRequestedBufferSize(), c.wantRequested) << c.what;
        EXPECT_EQ(s.NumBuffers(), c.wantBuffers) << c.what;
        EXPECT_EQ(s.Quantization(), c.wantBits) << c.what;
        EXPECT_EQ(+s.GetWaveFormat().nBlockAlign, c.wantAlign) << c.what;
        EXPECT_EQ(+s.GetWaveFormat().nAvgBytesPerSec, c.wantAlign * 22050u) << c.what;
    }
    // The window's settings, in the resource's order.
    TAudioIn cap(nullptr);
    cap.SetBufferSize(32000);
    cap.SetNumBuffers(2);
    cap.SetFrameRate(44100);
    cap.SetStereo(true);
    EXPECT_EQ(cap.BufferSize(), 32000);
    EXPECT_EQ(+cap.GetWaveFormat().nAvgBytesPerSec, 176400u);
    EXPECT_NE(cap.GetBufferData(3), nullptr) << "allocated while NumBuffers was still 4";
}

TEST_F(Streams, RefusingCaptureRunsTwiceOnTheFirstBufferAndCloses) {
    MakeWindowCapture();
    std::vector<std::uint8_t*> seen;
    std::vector<std::int32_t> sizes;
    in->OnBufferFilled = [&](std::uint8_t* b, std::int32_t& size) {
        seen.push_back(b);
        sizes.push_back(size);
        return false;
    };
    ASSERT_TRUE(in->StartStream(in)) << in->ErrorText();
    EXPECT_EQ(in->GetQueuedCount(), 2);
    EXPECT_EQ(in->GetNextIndex(), 0);
    Play(8000);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(in->GetDeviceOpen());
    EXPECT_EQ(in->GetQueuedCount(), 1);
    Play(8000);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], in->GetBufferData(0));
    EXPECT_EQ(seen[1], in->GetBufferData(0));
    EXPECT_EQ(sizes, (std::vector<std::int32_t>{32000, 32000}));
    EXPECT_FALSE(in->GetDeviceOpen());
    EXPECT_FALSE(in->GetRunning());
    EXPECT_EQ(in->GetDoneCount(), 2);
    EXPECT_EQ(in->GetFilledCount(), 0);
    Play(20000);
    EXPECT_EQ(seen.size(), 2u) << "a closed stream hands out nothing";
    EXPECT_TRUE(in->StartStream(in)) << "the next start opens everything anew";
}

TEST_F(Streams, AcceptingCaptureKeepsEveryBufferQueuedAndSizeChangesAreIgnored) {
    MakeWindowCapture();
    int calls = 0;
    std::vector<std::int32_t> queuedInside, sizes;
    in->OnBufferFilled = [&](std::uint8_t*, std::int32_t& size) {
        ++calls;
        queuedInside.push_back(in->GetQueuedCount());
        sizes.push_back(size);
        size = 5;
        return true;
    };
    ASSERT_TRUE(in->StartStream(in));
    for (int i = 0; i < 20; ++i) {
        Play(8000);
        EXPECT_EQ(in->GetQueuedCount(), 2);
    }
    EXPECT_EQ(calls, 20);
    EXPECT_TRUE(in->GetDeviceOpen());
    EXPECT_EQ(in->GetFilledCount(), 20);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(queuedInside[static_cast<std::size_t>(i)], 1);
        EXPECT_EQ(sizes[static_cast<std::size_t>(i)], 32000);
    }
    in->StopWhenDrained();
    Play(16000);
    EXPECT_FALSE(in->GetDeviceOpen());
    EXPECT_EQ(calls, 20) << "after StopWhenDrained the event is no longer asked";
}

TEST_F(Streams, UnassignedCaptureEventCirculatesForEver) {
    MakeWindowCapture();
    ASSERT_TRUE(in->StartStream(in));
    for (int i = 0; i < 10; ++i)
        Play(8000);
    EXPECT_TRUE(in->GetDeviceOpen());
    EXPECT_EQ(in->GetFilledCount(), 10);
    in->StopNow();
    EXPECT_FALSE(in->GetDeviceOpen());
}

TEST_F(Streams, CaptureGetsWhatPlaybackPlaysOnTheLeftOnly) {
    MakeWindowPlayback();
    MakeWindowCapture();
    std::int32_t phase = 0;
    out->OnFillBuffer = [&](std::uint8_t* b, std::int32_t& size) {
        for (std::int32_t i = 0; i < size / 2; ++i, ++phase) {
            const auto v = static_cast<std::int16_t>(
                std::lround(9000.0 * std::sin(2 * M_PI * 1000.0 * phase / 44100.0)));
            std::memcpy(b + 2 * i, &v, 2);
        }
        return true;
    };
    std::vector<std::uint8_t> copy;
    in->OnBufferFilled = [&](std::uint8_t* b, std::int32_t& size) {
        if (copy.empty())
            copy.assign(b, b + size);
        return false;
    };
    ASSERT_TRUE(out->StartStream(out));
    ASSERT_TRUE(in->StartStream(in));
    Play(16000);
    EXPECT_FALSE(in->GetDeviceOpen());
    ASSERT_EQ(copy.size(), 32000u);
    for (std::size_t i = 0; i < 8000; ++i) {
        const auto want = static_cast<std::int16_t>(
            std::lround(9000.0 * std::sin(2 * M_PI * 1000.0 * static_cast<double>(i) / 44100.0)));
        ASSERT_EQ(SampleAt(copy.data(), 2 * i), want) << i;
        ASSERT_EQ(SampleAt(copy.data(), 2 * i + 1), 0) << i;
    }
    EXPECT_TRUE(out->GetDeviceOpen());
}

TEST_F(Streams, PlaybackRotatesFourBuffersAndHonoursTheSize) {
    struct Case {
        std::int32_t size;
        std::uint32_t framesPerBuffer;
    } cases[] = {{44100, 22050}, {10000, 5000}};
    for (const Case& c : cases) {
        MakeWindowPlayback();
        std::vector<std::int32_t> offered;
        out->OnFillBuffer = [&](std::uint8_t* b, std::int32_t& size) {
            offered.push_back(size);
            std::memset(b, 0x11, static_cast<std::size_t>(size));
            size = c.size;
            return true;
        };
        ASSERT_TRUE(out->StartStream(out));
        EXPECT_EQ(offered.size(), 4u);
        EXPECT_EQ(out->GetQueuedCount(), 4);
        Play(c.framesPerBuffer * 4 - 1);
        EXPECT_EQ(out->GetDoneCount(), 3) << c.size;
        Play(1);
        EXPECT_EQ(out->GetDoneCount(), 4) << c.size;
        EXPECT_EQ(out->GetQueuedCount(), 4) << "each completion refills and rewrites";
        EXPECT_EQ(offered.size(), 8u);
        for (std::int32_t o : offered)
            EXPECT_EQ(o, 44100);
        for (int i = 0; i < 40; ++i)
            Play(c.framesPerBuffer);
        EXPECT_TRUE(out->GetDeviceOpen());
        EXPECT_EQ(out->GetDoneCount(), 44);
        delete out;
        out = nullptr;
    }
}

TEST_F(Streams, PlaybackWhoseEventRefusesDrainsAndLeavesNothingAtTheDevice) {
    MakeWindowPlayback();
    int fills = 0;
    bool accept = true;
    out->OnFillBuffer = [&](std::uint8_t*, std::int32_t& size) {
        ++fills;
        size = 200;
        return accept;
    };
    ASSERT_TRUE(out->StartStream(out));
    accept = false;
    Play(100 * 2 + 50); // two buffers played, two refusals
    EXPECT_TRUE(out->GetDeviceOpen());
    Play(2 * 100);
    EXPECT_FALSE(out->GetDeviceOpen()) << "closes after NumBuffers refusals in a row";
    EXPECT_EQ(fills, 8);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(out->GetHeader(i)->dwFlags & mm::WHDR_INQUEUE, 0u);
}

TEST_F(Streams, PlaybackRefusedAfterTheFirstFillClosesWithoutHoldingBuffers) {
    MakeWindowPlayback();
    int fills = 0;
    out->OnFillBuffer = [&](std::uint8_t*, std::int32_t& size) {
        size = 100;
        return ++fills == 1;
    };
    ASSERT_TRUE(out->StartStream(out));
    Play(50);
    Play(50); // buffer 0 done: the queue counts empty while three refused buffers were written
    EXPECT_FALSE(out->GetDeviceOpen());
    Play(1000);
    EXPECT_EQ(mm::GetCounters().openDevices, 0u);
    ASSERT_TRUE(out->StartStream(out) ||
                out->ErrorText() == "There must be at least one filled buffer");
}

TEST_F(Streams, UnassignedFillAndStartWhileOpenTexts) {
    MakeWindowPlayback();
    EXPECT_FALSE(out->StartStream(out));
    EXPECT_EQ(out->ErrorText(), "There must be at least one filled buffer");
    EXPECT_FALSE(out->GetDeviceOpen());
    out->OnFillBuffer = [](std::uint8_t*, std::int32_t&) { return false; };
    EXPECT_FALSE(out->StartStream(out));
    EXPECT_EQ(out->ErrorText(), "There must be at least one filled buffer");

    out->OnFillBuffer = [](std::uint8_t*, std::int32_t&) { return true; };
    EXPECT_TRUE(out->StartStream(out));
    EXPECT_FALSE(out->StartStream(out));
    EXPECT_EQ(out->ErrorText(), "Wave output device is already open");
    EXPECT_TRUE(out->GetDeviceOpen());
    EXPECT_EQ(out->GetQueuedCount(), 4);

    MakeWindowCapture();
    EXPECT_TRUE(in->StartStream(in));
    EXPECT_FALSE(in->StartStream(in));
    EXPECT_EQ(in->ErrorText(), "Wave Input device is already open");
    EXPECT_EQ(in->GetQueuedCount(), 2);
}

TEST_F(Streams, PausedStartHoldsThePlaybackUntilReleased) {
    MakeWindowPlayback();
    out->SetPaused(true);
    EXPECT_TRUE(out->Paused()) << "a closed stream stores the value";
    out->OnFillBuffer = [](std::uint8_t*, std::int32_t& size) {
        size = 1000;
        return true;
    };
    ASSERT_TRUE(out->StartStream(out));
    Play(5000);
    EXPECT_EQ(out->GetDoneCount(), 0);
    out->SetPaused(false);
    Play(500);
    EXPECT_EQ(out->GetDoneCount(), 1);
    out->SetPaused(true);
    Play(5000);
    EXPECT_EQ(out->GetDoneCount(), 1);
    out->StopNow();
    EXPECT_FALSE(out->Paused()) << "closing clears it";
}

TEST_F(Streams, NotificationsOfAnEarlierOpenNeverTouchALaterOne) {
    MakeWindowCapture();
    int calls = 0;
    in->OnBufferFilled = [&](std::uint8_t*, std::int32_t&) {
        ++calls;
        return true;
    };
    ASSERT_TRUE(in->StartStream(in));
    mm::LoopbackAdvance(16000); // two completions posted, not delivered
    in->StopNow();              // resets and closes: more posted
    ASSERT_TRUE(in->StartStream(in));
    Pump();
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(in->GetDoneCount(), 0);
    EXPECT_EQ(in->GetQueuedCount(), 2);
    Play(8000);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(in->GetDoneCount(), 1);
}

TEST_F(Streams, ThousandReopensLeaveNoCallbackObjectDeviceOrMemoryBehind) {
    MakeWindowCapture();
    in->OnBufferFilled = [](std::uint8_t*, std::int32_t&) { return false; };
    ASSERT_TRUE(in->StartStream(in));
    Play(16000);
    const auto blocks = GlobalMemory().LiveBlocks();
    for (int i = 0; i < 1000; ++i) {
        ASSERT_TRUE(in->StartStream(in)) << i << ": " << in->ErrorText();
        Play(16000);
        ASSERT_FALSE(in->GetDeviceOpen()) << i;
    }
    EXPECT_EQ(TCallBackWinIn::LiveCount(), 1);
    EXPECT_EQ(mm::GetCounters().openDevices, 0u);
    EXPECT_EQ(GlobalMemory().LiveBlocks(), blocks);
    delete in;
    in = nullptr;
    EXPECT_EQ(TCallBackWinIn::LiveCount(), 0);
}

TEST_F(Streams, FailedOpensCreateNoCallbackObjects) {
    MakeWindowCapture();
    for (int i = 0; i < 50; ++i) {
        mm::LoopbackFailNextOpen(mm::MMSYSERR_ALLOCATED);
        EXPECT_FALSE(in->StartStream(in));
    }
    EXPECT_LE(TCallBackWinIn::LiveCount(), 1);
}

TEST_F(Streams, DestroyingOpenStreamsClosesTheirDevices) {
    MakeWindowCapture();
    MakeWindowPlayback();
    in->OnBufferFilled = [](std::uint8_t*, std::int32_t&) { return true; };
    out->OnFillBuffer = [](std::uint8_t*, std::int32_t&) { return true; };
    ASSERT_TRUE(in->StartStream(in));
    ASSERT_TRUE(out->StartStream(out));
    mm::LoopbackAdvance(8000); // completions posted to objects about to go
    EXPECT_EQ(mm::GetCounters().openDevices, 2u);
    delete in;
    delete out;
    in = nullptr;
    out = nullptr;
    EXPECT_EQ(mm::GetCounters().openDevices, 0u);
    Play(50000);
}

TEST_F(Streams, DeviceTextsBusyMissingFormatAndLost) {
    MakeWindowCapture();
    struct Case {
        mm::MMRESULT code;
        const char* word;
    } cases[] = {{mm::MMSYSERR_ALLOCATED, "busy"}, {mm::MMSYSERR_BADDEVICEID, "missing"}};
    for (const Case& c : cases) {
        mm::LoopbackFailNextOpen(c.code);
        EXPECT_FALSE(in->StartStream(in));
        EXPECT_NE(in->ErrorText().find(c.word), std::string::npos) << in->ErrorText();
        EXPECT_FALSE(in->GetDeviceOpen());
    }
    in->SetFrameRate(22050);
    EXPECT_FALSE(in->StartStream(in));
    EXPECT_NE(in->ErrorText().find("format"), std::string::npos) << in->ErrorText();
    in->SetFrameRate(44100);

    // Unplugged while running: the buffers come back, the stream closes.
    in->OnBufferFilled = [](std::uint8_t*, std::int32_t&) { return true; };
    ASSERT_TRUE(in->StartStream(in));
    mm::LoopbackLoseDevices();
    Pump();
    EXPECT_FALSE(in->GetDeviceOpen());
    EXPECT_NE(in->ErrorText().find("lost"), std::string::npos) << in->ErrorText();
    EXPECT_TRUE(in->StartStream(in)) << "the next start takes a new device";

    // The same for playback whose event keeps filling: the refill that the
    // lost device refuses must not hold the stream open.
    MakeWindowPlayback();
    out->OnFillBuffer = [](std::uint8_t*, std::int32_t&) { return true; };
    ASSERT_TRUE(out->StartStream(out));
    Play(22050);
    mm::LoopbackLoseDevices();
    Pump();
    EXPECT_FALSE(out->GetDeviceOpen());
    EXPECT_NE(out->ErrorText().find("lost"), std::string::npos) << out->ErrorText();
    EXPECT_TRUE(out->StartStream(out));
    delete out;
    out = nullptr;

    std::string msg;
    delete in;
    in = nullptr;
    ASSERT_TRUE(mm::SelectBackend("none", msg));
    MakeWindowCapture();
    EXPECT_FALSE(in->StartStream(in));
    EXPECT_NE(in->ErrorText().find("No sound device"), std::string::npos) << in->ErrorText();
}

TEST_F(Streams, AnExceptionInTheBufferEventCountsAsARefusal) {
    MakeWindowCapture();
    int calls = 0;
    in->OnBufferFilled = [&](std::uint8_t*, std::int32_t&) -> bool {
        ++calls;
        throw std::runtime_error("handler failed");
    };
    ASSERT_TRUE(in->StartStream(in));
    Play(16000);
    EXPECT_EQ(calls, 2);
    EXPECT_FALSE(in->GetDeviceOpen()) << "the stream still closes and can restart";
    ASSERT_NE(vcl::Application(), nullptr);
    EXPECT_EQ(vcl::Application()->LastExceptionMessage(), "handler failed") << "and is reported";
}

namespace {

// Fails one chosen call of the allocator.
class FailingMemory : public TGlobalMemory {
public:
    enum What { AllocBuffer, LockBuffer, AllocHeader, LockHeader, None } what = None;
    HGLOBAL Alloc(std::uint32_t flags, std::size_t bytes) override {
        const bool header = (flags & GMEM_ZEROINIT) != 0;
        if ((what == AllocBuffer && !header) || (what == AllocHeader && header))
            return nullptr;
        HGLOBAL h = TGlobalMemory::Alloc(flags, bytes);
        if (header)
            headers.push_back(h);
        return h;
    }
    void* Lock(HGLOBAL block) override {
        const bool header = std::find(headers.begin(), headers.end(), block) != headers.end();
        if ((what == LockBuffer && !header) || (what == LockHeader && header))
            return nullptr;
        return TGlobalMemory::Lock(block);
    }
    std::vector<HGLOBAL> headers;
};

} // namespace

TEST_F(Streams, AllocationFailuresAreReportedAndTheOpenNeverUsesAnEmptySlot) {
    struct Case {
        FailingMemory::What what;
        const char* text;
    } cases[] = {
        {FailingMemory::AllocBuffer, "Error allocating wave buffer memory"},
        {FailingMemory::LockBuffer, "Error Locking wave buffer memory"},
        {FailingMemory::AllocHeader, "Error allocating wave header memory"},
        {FailingMemory::LockHeader, "Could not lock header memory for recording"},
    };
    for (const Case& c : cases) {
        FailingMemory mem;
        mem.what = c.what;
        TGlobalMemory* old = SetGlobalMemory(&mem);
        {
            TAudioIn s(nullptr);
            EXPECT_EQ(s.ErrorText(), c.text) << "the constructor goes on";
            s.SetBufferSize(4000);
            s.SetFrameRate(44100);
            TAudioIn* ref = &s;
            EXPECT_FALSE(s.StartStream(ref));
            EXPECT_EQ(s.ErrorText(), c.text);
            EXPECT_FALSE(s.GetDeviceOpen());
            mem.what = FailingMemory::None;
            EXPECT_TRUE(s.StartStream(ref)) << "the pool is built at the next open";
            for (int i = 0; i < s.NumBuffers(); ++i)
                EXPECT_NE(s.GetBufferData(i), nullptr);
            s.StopNow();
        }
        SetGlobalMemory(old);
        EXPECT_EQ(mem.LiveBlocks(), 0) << c.text;
    }
}

TEST_F(Streams, PoolGrowsWhenMoreBuffersOrLargerFramesAreOpened) {
    in = new TAudioIn(nullptr);
    in->SetFrameRate(44100);
    in->SetNumBuffers(2);
    in->SetStereo(true);
    in->SetBufferSize(32002); // 32000 allocated for stereo, in 4 slots
    in->SetStereo(false);     // now 32002 bytes are effective
    EXPECT_EQ(in->BufferSize(), 32002);
    in->OnBufferFilled = [](std::uint8_t*, std::int32_t&) { return true; };
    ASSERT_TRUE(in->StartStream(in));
    EXPECT_GE(in->GetBufferLength(0), 32002);
    EXPECT_GE(in->GetBufferLength(1), 32002);
    Play(32002);
    in->StopNow();

    out = new TAudioOut(nullptr);
    out->SetFrameRate(44100);
    out->SetNumBuffers(2);
    out->SetBufferSize(2000); // 4 slots
    out->OnFillBuffer = [](std::uint8_t*, std::int32_t&) { return true; };
    ASSERT_TRUE(out->StartStream(out));
    EXPECT_EQ(out->GetQueuedCount(), 2);
    out->SetNumBuffers(4); // takes effect at the next open
    Play(4000);
    EXPECT_EQ(out->GetQueuedCount(), 2);
    out->SetBufferSize(3000); // stops the open stream before its buffers go
    EXPECT_FALSE(out->GetDeviceOpen());
    ASSERT_TRUE(out->StartStream(out));
    EXPECT_EQ(out->GetQueuedCount(), 4);
}

TEST_F(Streams, OpenAndCloseNotificationsReachOnStartAndOnStop) {
    MakeWindowPlayback();
    std::vector<std::string> log;
    out->OnStart = [&](vcl::TObject* sender) {
        log.push_back("start");
        EXPECT_EQ(sender, static_cast<const vcl::TObject*>(out->GetCallbackWindow()));
    };
    out->OnStop = [&](vcl::TObject*) { log.push_back("stop"); };
    out->OnFillBuffer = [](std::uint8_t*, std::int32_t&) { return true; };
    ASSERT_TRUE(out->StartStream(out));
    Pump();
    out->StopNow();
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"start", "stop"}));
}
