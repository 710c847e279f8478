// Through a real sound server: a private PulseAudio daemon with a null sink,
// reached by PortAudio over ALSA. The playback stream plays a 1 kHz tone at
// the start-up volume (left only); the capture stream records the sink's
// monitor, as the window's idle cycle does (refuse, close, start again).
#include "audio/AudioIO.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#ifndef ZVK_PULSE_SCRIPT
#error "ZVK_PULSE_SCRIPT must name the daemon script"
#endif

namespace {

constexpr double kTone = 1000.0;
constexpr double kAmplitude = 9000.0;

struct Daemon {
    QTemporaryDir dir;
    std::string Run(const char* cmd, bool& ok) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral("/bin/sh"),
                {QStringLiteral(ZVK_PULSE_SCRIPT), QString::fromLatin1(cmd), dir.path()});
        ok =
            p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        return p.readAll().toStdString();
    }
    void Start() {
        bool ok = false;
        const std::string out = Run("start", ok);
        ASSERT_TRUE(ok) << "the PulseAudio daemon did not start:\n" << out;
    }
    void Stop() {
        bool ok = false;
        Run("stop", ok);
    }
    void Kill() {
        bool ok = false;
        Run("kill", ok);
    }
};

// Statistics of one channel of a captured stereo buffer.
struct Channel {
    double rms = 0;
    double frequency = 0;
};

Channel Analyse(const std::vector<std::int16_t>& frames, int which) {
    Channel c;
    const std::size_t n = frames.size() / 2;
    double sum = 0;
    int crossings = 0;
    std::size_t first = 0, last = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double v = frames[2 * i + static_cast<std::size_t>(which)];
        sum += v * v;
        if (i > 0) {
            const double prev = frames[2 * (i - 1) + static_cast<std::size_t>(which)];
            if (prev < 0 && v >= 0) {
                if (crossings == 0)
                    first = i;
                last = i;
                ++crossings;
            }
        }
    }
    c.rms = n ? std::sqrt(sum / static_cast<double>(n)) : 0;
    if (crossings > 1)
        c.frequency = 44100.0 * (crossings - 1) / static_cast<double>(last - first);
    return c;
}

// CPU time (ms) of this process's threads: the GUI thread and all others.
void ThreadCpu(double& gui, double& others) {
    gui = others = 0;
    const double tick = 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
    const QString self = QString::number(getpid());
    for (const QString& tid :
         QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile f(QStringLiteral("/proc/self/task/") + tid + QStringLiteral("/stat"));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = f.readAll();
        // Fields after the command name, which is in parentheses.
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() < 13)
            continue;
        const double ms = (fields[11].toDouble() + fields[12].toDouble()) * tick;
        (tid == self ? gui : others) += ms;
    }
}

class PulseE2E : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        daemon_ = new Daemon;
        ASSERT_TRUE(daemon_->dir.isValid());
        const QByteArray base = daemon_->dir.path().toLocal8Bit();
        qputenv("XDG_RUNTIME_DIR", base + "/run");
        qputenv("HOME", base + "/home");
        qunsetenv("PULSE_SERVER");
    }
    static void TearDownTestSuite() {
        std::string msg;
        mm::SelectBackend("none", msg);
        daemon_->Stop();
        delete daemon_;
        daemon_ = nullptr;
    }
    void SetUp() override {
        daemon_->Start();
        if (HasFatalFailure())
            return;
        std::string msg;
        ASSERT_TRUE(mm::SelectBackend("portaudio", msg)) << msg;
        mm::waveOutSetVolume(0, 0x0000FFFFu);

        out = new TAudioOut(nullptr);
        out->SetBufferSize(44100);
        out->SetFrameRate(44100);
        out->OnFillBuffer = [this](std::uint8_t* b, std::int32_t& size) {
            for (std::int32_t i = 0; i < size / 2; ++i, ++phase) {
                const auto v = static_cast<std::int16_t>(
                    std::lround(kAmplitude *
                                std::sin(2 * M_PI * kTone * static_cast<double>(phase) / 44100.0)));
                std::memcpy(b + 2 * i, &v, 2);
            }
            return true;
        };
        in = new TAudioIn(nullptr);
        in->SetBufferSize(32000);
        in->SetNumBuffers(2);
        in->SetFrameRate(44100);
        in->SetStereo(true);
        in->OnBufferFilled = [this](std::uint8_t* b, std::int32_t& size) {
            // The window keeps the first buffer of each opening; its second
            // event hands the same buffer again.
            if (in->GetDoneCount() == 1) {
                last.assign(reinterpret_cast<std::int16_t*>(b),
                            reinterpret_cast<std::int16_t*>(b) + size / 2);
                lastAt = clock.nsecsElapsed();
                ++captures;
            }
            return false;
        };
        clock.start();
    }
    void TearDown() override {
        delete in;
        delete out;
        in = nullptr;
        out = nullptr;
        QCoreApplication::sendPostedEvents();
        std::string msg;
        mm::SelectBackend("none", msg);
        mm::waveOutSetVolume(0, 0xFFFFFFFFu);
        daemon_->Stop();
    }

    // One turn of the window's idle cycle: events, then the capture restart.
    // Returns the longest time the turn was held up (ms).
    qint64 Cycle() {
        QElapsedTimer t;
        t.start();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (!in->StartStream(in))
            in->StartStream(in);
        return t.elapsed();
    }

    // Runs cycles until done() or the time is up; returns the longest cycle.
    template <class F> qint64 RunUntil(F done, qint64 ms, bool& reached) {
        QElapsedTimer t;
        t.start();
        qint64 longest = 0;
        reached = false;
        while (t.elapsed() < ms) {
            longest = std::max(longest, Cycle());
            if (done()) {
                reached = true;
                break;
            }
        }
        return longest;
    }

    bool ToneOnLeftOnly(Channel& l, Channel& r) const {
        if (last.empty())
            return false;
        l = Analyse(last, 0);
        r = Analyse(last, 1);
        return l.rms > 0.5 * kAmplitude / std::sqrt(2.0) && std::abs(l.frequency - kTone) < 10 &&
               r.rms < 30;
    }

    static Daemon* daemon_;
    TAudioOut* out = nullptr;
    TAudioIn* in = nullptr;
    std::int64_t phase = 0;
    std::vector<std::int16_t> last;
    qint64 lastAt = 0;
    QElapsedTimer clock;
    int captures = 0;
};

Daemon* PulseE2E::daemon_ = nullptr;

} // namespace

TEST_F(PulseE2E, ToneReachesTheFirstValueOfEachFrameWithinTwoSeconds) {
    // Capture first, as the window's idle cycle runs it: a sound server may
    // take a second or more to deliver the first frames of a new stream.
    bool reached = false;
    RunUntil([&] { return captures > 0; }, 8000, reached);
    ASSERT_TRUE(reached) << "no capture from the null sink's monitor: " << in->ErrorText();
    Channel l = Analyse(last, 0), r = Analyse(last, 1);
    EXPECT_LT(l.rms, 30) << "silence before anything plays";

    const qint64 startedAt = clock.nsecsElapsed();
    ASSERT_TRUE(out->StartStream(out)) << out->ErrorText();
    const qint64 longest = RunUntil([&] { return ToneOnLeftOnly(l, r); }, 2000, reached);
    const double ms = static_cast<double>(clock.nsecsElapsed() - startedAt) / 1e6;
    ASSERT_TRUE(reached) << "after " << ms << " ms, " << captures << " captures; left rms " << l.rms
                         << " at " << l.frequency << " Hz, right rms " << r.rms
                         << "; capture: " << in->ErrorText() << "; playback: " << out->ErrorText();
    // Play-to-capture latency: the buffer holding the onset was handed over
    // at lastAt; the frames after the onset took their own time to record.
    const mm::Counters c = mm::GetCounters();
    std::cout << "[figure] tone found " << ms << " ms after the playback start; longest event turn "
              << longest << " ms; frames in " << c.inputFrames << " out " << c.outputFrames
              << ", overflows " << c.inputOverflows << ", underflows " << c.outputUnderflows
              << "\n";
}

TEST_F(PulseE2E, PlayToCaptureLatency) {
    bool reached = false;
    RunUntil([&] { return captures > 0; }, 8000, reached);
    ASSERT_TRUE(reached) << in->ErrorText();
    std::vector<double> figures;
    for (int round = 0; round < 5; ++round) {
        const qint64 startedAt = clock.nsecsElapsed();
        phase = 0;
        ASSERT_TRUE(out->StartStream(out)) << out->ErrorText();
        std::size_t onset = 0;
        RunUntil(
            [&] {
                if (lastAt < startedAt)
                    return false;
                for (std::size_t i = 0; i < last.size() / 2; ++i)
                    if (std::abs(last[2 * i]) > 1000) {
                        onset = i;
                        return true;
                    }
                return false;
            },
            3000, reached);
        ASSERT_TRUE(reached);
        const double recordedAfter = (8000.0 - static_cast<double>(onset)) / 44.1;
        figures.push_back(static_cast<double>(lastAt - startedAt) / 1e6 - recordedAfter);
        out->StopNow();
        RunUntil([] { return false; }, 500, reached); // silence again
    }
    std::sort(figures.begin(), figures.end());
    std::cout << "[figure] null sink play-to-capture latency, 5 rounds: min " << figures.front()
              << " ms, median " << figures[2] << " ms, max " << figures.back() << " ms\n";
    EXPECT_LT(figures[2], 2000);
}

TEST_F(PulseE2E, CpuOfTheSoundThreads) {
    bool reached = false;
    RunUntil([&] { return captures > 0; }, 8000, reached);
    ASSERT_TRUE(reached) << in->ErrorText();
    ASSERT_TRUE(out->StartStream(out)) << out->ErrorText();
    double gui0 = 0, others0 = 0, gui1 = 0, others1 = 0;
    ThreadCpu(gui0, others0);
    const int before = captures;
    // The window's cycle without drawing: events, capture restart, a short
    // sleep standing in for the display work.
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 10000) {
        Cycle();
        QThread::msleep(10);
    }
    ThreadCpu(gui1, others1);
    const double wall = static_cast<double>(t.elapsed());
    std::cout << "[figure] over " << wall / 1000 << " s of playback and capture ("
              << captures - before << " capture openings): sound threads "
              << 100.0 * (others1 - others0) / wall << " % of a core, GUI thread "
              << 100.0 * (gui1 - gui0) / wall << " %\n";
    EXPECT_GT(captures - before, 20) << "capture keeps reopening";
    EXPECT_TRUE(out->GetDeviceOpen());
}

TEST_F(PulseE2E, DevicesListedAndChosenByName) {
    std::ostringstream list;
    ASSERT_TRUE(mm::ListDevices(list));
    const std::string text = list.str();
    EXPECT_NE(text.find("capture devices:"), std::string::npos) << text;
    EXPECT_NE(text.find("playback devices:"), std::string::npos) << text;
    EXPECT_NE(text.find("* "), std::string::npos) << "the default is marked:\n" << text;
    EXPECT_NE(text.find("pulse"), std::string::npos) << text;

    mm::SetInputDeviceName("no-such-card");
    EXPECT_FALSE(in->StartStream(in));
    EXPECT_NE(in->ErrorText().find("missing"), std::string::npos) << in->ErrorText();
    mm::SetInputDeviceName("PULSE"); // any part of the name, any case
    bool reached = false;
    RunUntil([&] { return captures > 0; }, 8000, reached);
    mm::SetInputDeviceName("");
    EXPECT_TRUE(reached) << in->ErrorText();
}

TEST_F(PulseE2E, ServerKilledWhileRunningClosesTheStreamsAndCaptureComesBack) {
    ASSERT_TRUE(out->StartStream(out)) << out->ErrorText();
    Channel l, r;
    bool reached = false;
    RunUntil([&] { return ToneOnLeftOnly(l, r); }, 3000, reached);
    ASSERT_TRUE(reached) << "no tone before the server was killed: " << in->ErrorText();

    daemon_->Kill();
    const int before = captures;
    const qint64 longest = RunUntil([&] { return !out->GetDeviceOpen(); }, 8000, reached);
    EXPECT_TRUE(reached) << "the playback stream did not close after the server died";
    EXPECT_LT(longest, 1000) << "the window was held up";
    RunUntil([] { return false; }, 1000, reached);
    EXPECT_FALSE(in->GetDeviceOpen()) << "capture keeps no device of a dead server open";
    std::cout << "[figure] capture error while the server is down: " << in->ErrorText() << "\n";
    (void)before;

    daemon_->Start();
    const int atRestart = captures;
    last.clear();
    const qint64 longest2 = RunUntil([&] { return captures > atRestart + 1; }, 15000, reached);
    EXPECT_TRUE(reached) << "capture did not come back: " << in->ErrorText();
    EXPECT_LT(longest2, 1000) << "the window was held up";
    // Playback starts again on request, as a generator control does.
    QElapsedTimer t;
    t.start();
    bool playing = false;
    while (!playing && t.elapsed() < 5000) {
        playing = out->StartStream(out);
        Cycle();
    }
    EXPECT_TRUE(playing) << out->ErrorText();
    RunUntil([&] { return ToneOnLeftOnly(l, r); }, 5000, reached);
    EXPECT_TRUE(reached) << "no tone after the restart; left rms " << l.rms;
}
