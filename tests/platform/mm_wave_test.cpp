// Wave devices, volumes and mixer counts on the none and loopback backends,
// driven by the loopback's manual clock.
#include "platform/mm/MMSystem.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace mm;

namespace {

// Records every notification in arrival order.
class Recorder : public QObject {
public:
    struct Note {
        UINT message;
        std::uint32_t handle;
        WAVEHDR* header;
    };
    bool event(QEvent* e) override {
        if (e->type() != WaveEvent::EventType())
            return QObject::event(e);
        const auto* we = static_cast<const WaveEvent*>(e);
        notes.push_back({we->message, we->handle, we->header});
        return true;
    }
    std::vector<Note> notes;
    std::vector<WAVEHDR*> Completions(UINT message) const {
        std::vector<WAVEHDR*> r;
        for (const Note& n : notes)
            if (n.message == message)
                r.push_back(n.header);
        return r;
    }
};

void Pump() {
    for (int i = 0; i < 4; ++i)
        QCoreApplication::sendPostedEvents();
}

WAVEFORMATEX Pcm16(std::uint16_t channels, std::uint32_t rate = kLoopbackRate) {
    WAVEFORMATEX f{};
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = channels;
    f.nSamplesPerSec = rate;
    f.wBitsPerSample = 16;
    f.nBlockAlign = static_cast<std::uint16_t>(2 * channels);
    f.nAvgBytesPerSec = f.nBlockAlign * rate;
    return f;
}

std::string Text(MMRESULT code) {
    char buf[MAXERRORLENGTH];
    waveInGetErrorTextA(code, buf, sizeof buf);
    return buf;
}

// A buffer with its header.
struct Buf {
    explicit Buf(std::size_t bytes) : data(bytes) {
        hdr.lpData = data.data();
        hdr.dwBufferLength = static_cast<DWORD>(bytes);
    }
    std::int16_t Sample(std::size_t i) const {
        std::int16_t v;
        std::memcpy(&v, data.data() + 2 * i, 2);
        return v;
    }
    void SetSample(std::size_t i, std::int16_t v) { std::memcpy(data.data() + 2 * i, &v, 2); }
    std::vector<std::uint8_t> data;
    WAVEHDR hdr{};
};

class LoopbackWave : public ::testing::Test {
protected:
    void SetUp() override {
        std::string msg;
        ASSERT_TRUE(SelectBackend("loopback", msg)) << msg;
        LoopbackSetManualClock(true);
        waveOutSetVolume(0, 0x0000FFFFu);
    }
    void TearDown() override {
        Pump();
        waveOutSetVolume(0, 0xFFFFFFFFu);
        EXPECT_EQ(GetCounters().openDevices, 0u);
    }
    Recorder rec;
};

} // namespace

TEST(MMVolume, WaveOutDeviceZeroKeepsItsVolumeAuxDevicesDoNotExist) {
    std::uint32_t v = 0;
    ASSERT_EQ(waveOutSetVolume(0, 0x1234ABCDu), MMSYSERR_NOERROR);
    ASSERT_EQ(waveOutGetVolume(0, &v), MMSYSERR_NOERROR);
    EXPECT_EQ(v, 0x1234ABCDu);
    EXPECT_EQ(waveOutSetVolume(1, 0), MMSYSERR_BADDEVICEID);
    for (std::uint32_t dev = 1; dev <= 5; ++dev) {
        std::uint32_t aux = 7;
        EXPECT_NE(auxGetVolume(dev, &aux), MMSYSERR_NOERROR);
        EXPECT_EQ(aux, 7u) << "a failed get leaves the caller's value";
        EXPECT_NE(auxSetVolume(dev, 0), MMSYSERR_NOERROR);
    }
    waveOutSetVolume(0, 0xFFFFFFFFu);
}

TEST(MMBackend, SelectionMixerCountsAndNoneRefusesEveryOpen) {
    std::string msg;
    EXPECT_FALSE(SelectBackend("alsa", msg));
    EXPECT_NE(msg.find("unknown audio backend 'alsa'"), std::string::npos);

    struct Case {
        const char* name;
        std::uint32_t mixers;
    } cases[] = {{"none", 0}, {"loopback", 1}};
    for (const Case& c : cases) {
        ASSERT_TRUE(SelectBackend(c.name, msg)) << msg;
        EXPECT_EQ(BackendName(), c.name);
        EXPECT_EQ(mixerGetNumDevs(), c.mixers) << c.name;
    }

    ASSERT_TRUE(SelectBackend("none", msg));
    Recorder rec;
    const WAVEFORMATEX f = Pcm16(2);
    HWAVEIN in = 99;
    const MMRESULT r = waveInOpen(&in, WAVE_MAPPER, &f, &rec, 0, CALLBACK_WINDOW | WAVE_ALLOWSYNC);
    EXPECT_EQ(r, MMSYSERR_NODRIVER);
    EXPECT_EQ(in, 0u);
    EXPECT_NE(Text(r).find("none"), std::string::npos) << Text(r);
    HWAVEOUT out = 0;
    EXPECT_NE(waveOutOpen(&out, WAVE_MAPPER, &f, &rec, 0, CALLBACK_WINDOW), MMSYSERR_NOERROR);
    Pump();
    EXPECT_TRUE(rec.notes.empty()) << "a failed open posts nothing";
}

TEST(MMErrorText, ClearTextsTruncatedToTheBuffer) {
    for (MMRESULT code : {MMSYSERR_BADDEVICEID, MMSYSERR_ALLOCATED, WAVERR_BADFORMAT,
                          WAVERR_DEVICELOST, MMSYSERR_NODRIVER}) {
        const std::string t = Text(code);
        EXPECT_GT(t.size(), 10u) << code;
        EXPECT_LT(t.size(), 256u) << code;
    }
    EXPECT_NE(Text(MMSYSERR_ALLOCATED).find("busy"), std::string::npos);
    EXPECT_NE(Text(MMSYSERR_BADDEVICEID).find("missing"), std::string::npos);
    EXPECT_NE(Text(WAVERR_BADFORMAT).find("format"), std::string::npos);
    EXPECT_NE(Text(WAVERR_DEVICELOST).find("lost"), std::string::npos);
    char small[6];
    std::memset(small, 'x', sizeof small);
    waveOutGetErrorTextA(MMSYSERR_ALLOCATED, small, sizeof small);
    EXPECT_STREQ(small, "Sound");
    EXPECT_NE(Text(12345).find("12345"), std::string::npos);
    EXPECT_EQ(waveInGetErrorTextA(1, nullptr, 10), MMSYSERR_INVALPARAM);
}

TEST_F(LoopbackWave, FormatsTheCableRefuses) {
    struct Case {
        const char* what;
        WAVEFORMATEX f;
    };
    WAVEFORMATEX rate = Pcm16(2, 22050);
    WAVEFORMATEX bits = Pcm16(2);
    bits.wBitsPerSample = 12;
    WAVEFORMATEX align = Pcm16(2);
    align.nBlockAlign = 2;
    WAVEFORMATEX tag = Pcm16(1);
    tag.wFormatTag = 3;
    const Case cases[] = {{"22050 Hz", rate}, {"12 bits", bits}, {"block", align}, {"float", tag}};
    for (const Case& c : cases) {
        HWAVEIN h = 0;
        EXPECT_EQ(waveInOpen(&h, WAVE_MAPPER, &c.f, &rec, 0, CALLBACK_WINDOW), WAVERR_BADFORMAT)
            << c.what;
    }
}

TEST_F(LoopbackWave, PlayedSoundArrivesScaledByTheChannelVolumes) {
    waveOutSetVolume(0, 0x8000FFFFu); // left full, right about half
    const WAVEFORMATEX mono = Pcm16(1), stereo = Pcm16(2);
    HWAVEOUT out = 0;
    HWAVEIN in = 0;
    ASSERT_EQ(waveOutOpen(&out, WAVE_MAPPER, &mono, &rec, 0, CALLBACK_WINDOW | WAVE_ALLOWSYNC),
              MMSYSERR_NOERROR);
    ASSERT_EQ(waveInOpen(&in, WAVE_MAPPER, &stereo, &rec, 0, CALLBACK_WINDOW | WAVE_ALLOWSYNC),
              MMSYSERR_NOERROR);
    EXPECT_NE(in, out) << "handles are unique";

    constexpr std::size_t n = 3000;
    Buf play(2 * n), cap(4 * (n + 100));
    for (std::size_t i = 0; i < n; ++i)
        play.SetSample(i, static_cast<std::int16_t>((static_cast<int>(i) * 37) % 60001 - 30000));
    ASSERT_EQ(waveOutPrepareHeader(out, &play.hdr, sizeof(WAVEHDR)), MMSYSERR_NOERROR);
    ASSERT_EQ(waveInPrepareHeader(in, &cap.hdr, sizeof(WAVEHDR)), MMSYSERR_NOERROR);
    ASSERT_EQ(waveInAddBuffer(in, &cap.hdr, sizeof(WAVEHDR)), MMSYSERR_NOERROR);
    ASSERT_EQ(waveInStart(in), MMSYSERR_NOERROR);
    ASSERT_EQ(waveOutWrite(out, &play.hdr, sizeof(WAVEHDR)), MMSYSERR_NOERROR);
    EXPECT_TRUE(play.hdr.dwFlags & WHDR_INQUEUE);

    LoopbackAdvance(n + 100);
    Pump();
    ASSERT_EQ(rec.Completions(MM_WOM_DONE).size(), 1u);
    ASSERT_EQ(rec.Completions(MM_WIM_DATA).size(), 1u);
    EXPECT_EQ(cap.hdr.dwBytesRecorded, 4 * (n + 100));
    EXPECT_EQ(cap.hdr.dwFlags & (WHDR_DONE | WHDR_INQUEUE), WHDR_DONE);
    for (std::size_t i = 0; i < n; ++i) {
        const std::int32_t s = play.Sample(i);
        ASSERT_EQ(cap.Sample(2 * i), s) << "first value = left at full volume, frame " << i;
        ASSERT_EQ(cap.Sample(2 * i + 1), static_cast<std::int16_t>(s * 0x8000 / 0xFFFF))
            << "second value = right, frame " << i;
    }
    for (std::size_t i = n; i < n + 100; ++i)
        ASSERT_EQ(cap.Sample(2 * i), 0) << "nothing playing is silence";

    EXPECT_EQ(waveInClose(in), MMSYSERR_NOERROR);
    EXPECT_EQ(waveOutClose(out), MMSYSERR_NOERROR);
    Pump();
    const std::vector<UINT> order = [&] {
        std::vector<UINT> v;
        for (const auto& note : rec.notes)
            v.push_back(note.message);
        return v;
    }();
    EXPECT_EQ(order.front(), MM_WOM_OPEN);
    EXPECT_EQ(order.back(), MM_WOM_CLOSE);
    EXPECT_EQ(waveInClose(in), MMSYSERR_INVALHANDLE) << "a closed handle is dead";
}

TEST_F(LoopbackWave, OneCompletionPerBufferInWriteOrderAndResetReturnsTheRest) {
    const WAVEFORMATEX mono = Pcm16(1);
    HWAVEOUT out = 0;
    ASSERT_EQ(waveOutOpen(&out, WAVE_MAPPER, &mono, &rec, 0, CALLBACK_WINDOW), MMSYSERR_NOERROR);
    std::vector<Buf> bufs;
    for (std::size_t len : {200u, 50u, 0u, 300u, 400u})
        bufs.emplace_back(2 * len);
    for (Buf& b : bufs) {
        b.hdr.lpData = b.data.empty() ? nullptr : b.data.data();
        ASSERT_EQ(waveOutPrepareHeader(out, &b.hdr, sizeof(WAVEHDR)), MMSYSERR_NOERROR);
        ASSERT_EQ(waveOutWrite(out, &b.hdr, sizeof(WAVEHDR)), MMSYSERR_NOERROR);
    }
    EXPECT_EQ(waveOutWrite(out, &bufs[0].hdr, sizeof(WAVEHDR)), WAVERR_STILLPLAYING);
    EXPECT_EQ(waveOutUnprepareHeader(out, &bufs[0].hdr, sizeof(WAVEHDR)), WAVERR_STILLPLAYING);
    EXPECT_EQ(waveOutClose(out), WAVERR_STILLPLAYING);

    LoopbackAdvance(260); // buffers 0 to 2 played, buffer 3 begun
    Pump();
    std::vector<WAVEHDR*> done = rec.Completions(MM_WOM_DONE);
    ASSERT_EQ(done.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(done[i], &bufs[i].hdr);

    ASSERT_EQ(waveOutReset(out), MMSYSERR_NOERROR);
    Pump();
    done = rec.Completions(MM_WOM_DONE);
    ASSERT_EQ(done.size(), 5u);
    EXPECT_EQ(done[3], &bufs[3].hdr);
    EXPECT_EQ(done[4], &bufs[4].hdr);
    for (Buf& b : bufs) {
        EXPECT_EQ(b.hdr.dwFlags, WHDR_DONE | WHDR_PREPARED);
        EXPECT_EQ(waveOutUnprepareHeader(out, &b.hdr, sizeof(WAVEHDR)), MMSYSERR_NOERROR);
    }
    EXPECT_EQ(waveOutWrite(out, &bufs[0].hdr, sizeof(WAVEHDR)), WAVERR_UNPREPARED);
    EXPECT_EQ(waveOutClose(out), MMSYSERR_NOERROR);
}

TEST_F(LoopbackWave, PausedOutputHoldsItsBuffersUntilRestart) {
    const WAVEFORMATEX mono = Pcm16(1);
    HWAVEOUT out = 0;
    ASSERT_EQ(waveOutOpen(&out, WAVE_MAPPER, &mono, &rec, 0, CALLBACK_WINDOW), MMSYSERR_NOERROR);
    Buf b(2 * 100);
    waveOutPrepareHeader(out, &b.hdr, sizeof(WAVEHDR));
    waveOutPause(out);
    waveOutWrite(out, &b.hdr, sizeof(WAVEHDR));
    LoopbackAdvance(1000);
    Pump();
    EXPECT_TRUE(rec.Completions(MM_WOM_DONE).empty());
    waveOutRestart(out);
    LoopbackAdvance(100);
    Pump();
    EXPECT_EQ(rec.Completions(MM_WOM_DONE).size(), 1u);
    EXPECT_EQ(waveOutClose(out), MMSYSERR_NOERROR);
}

TEST_F(LoopbackWave, CaptureBeforeStartAndAfterStopRecordsNothing) {
    const WAVEFORMATEX stereo = Pcm16(2);
    HWAVEIN in = 0;
    ASSERT_EQ(waveInOpen(&in, WAVE_MAPPER, &stereo, &rec, 0, CALLBACK_WINDOW), MMSYSERR_NOERROR);
    Buf a(4 * 100), b(4 * 100);
    waveInPrepareHeader(in, &a.hdr, sizeof(WAVEHDR));
    waveInPrepareHeader(in, &b.hdr, sizeof(WAVEHDR));
    waveInAddBuffer(in, &a.hdr, sizeof(WAVEHDR));
    waveInAddBuffer(in, &b.hdr, sizeof(WAVEHDR));
    LoopbackAdvance(500);
    Pump();
    EXPECT_TRUE(rec.Completions(MM_WIM_DATA).empty());
    waveInStart(in);
    LoopbackAdvance(30);
    waveInStop(in); // the partly filled buffer comes back
    LoopbackAdvance(500);
    Pump();
    ASSERT_EQ(rec.Completions(MM_WIM_DATA).size(), 1u);
    EXPECT_EQ(a.hdr.dwBytesRecorded, 4u * 30);
    waveInReset(in);
    Pump();
    EXPECT_EQ(rec.Completions(MM_WIM_DATA).size(), 2u);
    EXPECT_EQ(b.hdr.dwBytesRecorded, 0u);
    EXPECT_EQ(waveInClose(in), MMSYSERR_NOERROR);
}

TEST_F(LoopbackWave, LostDeviceReturnsItsBuffersAndRefusesNewOnes) {
    const WAVEFORMATEX stereo = Pcm16(2);
    HWAVEIN in = 0;
    ASSERT_EQ(waveInOpen(&in, WAVE_MAPPER, &stereo, &rec, 0, CALLBACK_WINDOW), MMSYSERR_NOERROR);
    Buf a(400), b(400);
    waveInPrepareHeader(in, &a.hdr, sizeof(WAVEHDR));
    waveInPrepareHeader(in, &b.hdr, sizeof(WAVEHDR));
    waveInAddBuffer(in, &a.hdr, sizeof(WAVEHDR));
    waveInAddBuffer(in, &b.hdr, sizeof(WAVEHDR));
    waveInStart(in);
    const auto lostBefore = GetCounters().devicesLost;
    LoopbackLoseDevices();
    Pump();
    EXPECT_EQ(rec.Completions(MM_WIM_DATA).size(), 2u);
    EXPECT_EQ(GetCounters().devicesLost, lostBefore + 1);
    EXPECT_EQ(waveInAddBuffer(in, &a.hdr, sizeof(WAVEHDR)), WAVERR_DEVICELOST);
    EXPECT_EQ(waveInClose(in), MMSYSERR_NOERROR);

    LoopbackFailNextOpen(MMSYSERR_ALLOCATED);
    EXPECT_EQ(waveInOpen(&in, WAVE_MAPPER, &stereo, &rec, 0, CALLBACK_WINDOW), MMSYSERR_ALLOCATED);
    EXPECT_EQ(waveInOpen(&in, WAVE_MAPPER, &stereo, &rec, 0, CALLBACK_WINDOW), MMSYSERR_NOERROR);
    EXPECT_EQ(waveInClose(in), MMSYSERR_NOERROR);
}

TEST_F(LoopbackWave, RealTimeClockPacesTheCable) {
    LoopbackSetManualClock(false);
    const WAVEFORMATEX stereo = Pcm16(2);
    HWAVEIN in = 0;
    ASSERT_EQ(waveInOpen(&in, WAVE_MAPPER, &stereo, &rec, 0, CALLBACK_WINDOW), MMSYSERR_NOERROR);
    Buf a(4 * 4410); // 100 ms
    waveInPrepareHeader(in, &a.hdr, sizeof(WAVEHDR));
    waveInAddBuffer(in, &a.hdr, sizeof(WAVEHDR));
    QElapsedTimer t;
    t.start();
    waveInStart(in);
    while (rec.Completions(MM_WIM_DATA).empty() && t.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    const qint64 ms = t.elapsed();
    ASSERT_EQ(rec.Completions(MM_WIM_DATA).size(), 1u);
    EXPECT_GE(ms, 90) << "100 ms of sound cannot be captured sooner";
    EXPECT_EQ(waveInClose(in), MMSYSERR_NOERROR);
    LoopbackSetManualClock(true);
}

TEST_F(LoopbackWave, GapsInPlaybackAndDroppedCaptureAreCounted) {
    const WAVEFORMATEX mono = Pcm16(1), stereo = Pcm16(2);
    HWAVEOUT out = 0;
    HWAVEIN in = 0;
    ASSERT_EQ(waveOutOpen(&out, WAVE_MAPPER, &mono, &rec, 0, CALLBACK_WINDOW), MMSYSERR_NOERROR);
    ASSERT_EQ(waveInOpen(&in, WAVE_MAPPER, &stereo, &rec, 0, CALLBACK_WINDOW), MMSYSERR_NOERROR);
    Buf a(200), b(200), c(400);
    for (Buf* x : {&a, &b})
        waveOutPrepareHeader(out, &x->hdr, sizeof(WAVEHDR));
    waveInPrepareHeader(in, &c.hdr, sizeof(WAVEHDR));
    const Counters before = GetCounters();

    waveOutWrite(out, &a.hdr, sizeof(WAVEHDR));
    LoopbackAdvance(100); // played through, no gap yet
    waveOutWrite(out, &b.hdr, sizeof(WAVEHDR));
    LoopbackAdvance(50);
    EXPECT_EQ(GetCounters().outputUnderflows, before.outputUnderflows);
    LoopbackAdvance(100); // ran dry half-way
    waveOutWrite(out, &a.hdr, sizeof(WAVEHDR));
    EXPECT_EQ(GetCounters().outputUnderflows, before.outputUnderflows + 1);

    waveInStart(in);
    LoopbackAdvance(100); // recording with no buffer: dropped
    EXPECT_GT(GetCounters().inputOverflows, before.inputOverflows);
    const auto overflows = GetCounters().inputOverflows;
    waveInAddBuffer(in, &c.hdr, sizeof(WAVEHDR));
    LoopbackAdvance(100);
    EXPECT_EQ(GetCounters().inputOverflows, overflows);
    EXPECT_EQ(GetCounters().outputFrames - before.outputFrames, 300u);
    EXPECT_EQ(GetCounters().inputFrames - before.inputFrames, 200u);

    waveInReset(in);
    waveOutReset(out);
    EXPECT_EQ(waveInClose(in), MMSYSERR_NOERROR);
    EXPECT_EQ(waveOutClose(out), MMSYSERR_NOERROR);
}
