#include "app/HeadlessMeasure.h"

#include "core/Form1.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <numbers>
#include <sstream>
#include <vector>

namespace zvk {
namespace {

class HeadlessMeasureTest : public ::testing::Test {
protected:
    // Writes a 16-bit WAV whose frame i holds first(i) and second(i).
    std::string Write(const std::string& name, long long frames, int rate, int channels,
                      const std::function<short(long long)>& first,
                      const std::function<short(long long)>& second) {
        const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
        SF_INFO info{};
        info.samplerate = rate;
        info.channels = channels;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
        EXPECT_NE(f, nullptr) << sf_strerror(nullptr);
        std::vector<short> data;
        for (long long i = 0; i < frames; ++i) {
            data.push_back(first(i));
            if (channels > 1)
                data.push_back(second(i));
        }
        sf_writef_short(f, data.data(), frames);
        sf_close(f);
        return path;
    }

    struct Run {
        int status;
        std::vector<QJsonObject> blocks;
        std::string err;
    };
    Run Measure(const std::string& path, long long offset = 0) {
        TForm1 form;
        std::ostringstream out, err;
        Run r;
        r.status = RunHeadlessMeasure(form, path, offset, out, err);
        r.err = err.str();
        std::istringstream lines(out.str());
        for (std::string line; std::getline(lines, line);) {
            QJsonParseError e{};
            const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(line), &e);
            EXPECT_EQ(e.error, QJsonParseError::NoError) << line;
            r.blocks.push_back(doc.object());
        }
        return r;
    }

    static short Silence(long long) { return 0; }
    // Amplitude 10000, phase 0 at frame 0, rounded to whole sample units.
    static std::function<short(long long)> Sine(double f, long long startFrame = 0) {
        return [f, startFrame](long long i) -> short {
            if (i < startFrame)
                return 0;
            const double t = static_cast<double>(i - startFrame) / 44100.0;
            return static_cast<short>(
                std::nearbyint(10000.0 * std::sin(2 * std::numbers::pi * f * t)));
        };
    }
    static std::string Text(const QJsonObject& block, const char* channel, const char* key) {
        return block[channel].toObject()[key].toString().toStdString();
    }

    QTemporaryDir dir;
};

TEST_F(HeadlessMeasureTest, SineInTheSecondChannelReadsOnTheLeft) {
    const Run r = Measure(Write("sine.wav", 8000, 44100, 2, Silence, Sine(1000.0)));
    ASSERT_EQ(r.status, kHeadlessOk) << r.err;
    ASSERT_EQ(r.blocks.size(), 1u);
    const QJsonObject& b = r.blocks[0];
    EXPECT_EQ(b["block"].toInt(), 0);
    EXPECT_FALSE(b["partial"].toBool());
    EXPECT_EQ(Text(b, "left", "voltage_text"), " 332mV");
    EXPECT_NEAR(b["left"].toObject()["voltage_mV"].toDouble(), 332.39, 0.01);
    EXPECT_EQ(b["left"].toObject()["peak"].toInt(), 10000);
    EXPECT_EQ(Text(b, "left", "range"), "500 mV");
    EXPECT_DOUBLE_EQ(b["left"].toObject()["range_gain"].toDouble(), 0.2);
    EXPECT_EQ(Text(b, "right", "voltage_text"), " 0.0mV");
    EXPECT_EQ(Text(b, "right", "frequency_text"), "f > fmax");
    EXPECT_EQ(Text(b, "right", "range"), "10 mV");
    EXPECT_EQ(b["trigger"].toObject()["channel"].toString(), "left");
    EXPECT_TRUE(b["trigger"].toObject()["trace_start"].isDouble());
    // The half-wave measures one to two samples longer than its 22.05; the
    // box shows the reading in steps of 2 Hz.
    const double f = b["left"].toObject()["frequency_Hz"].toDouble();
    EXPECT_GE(f, 22050.0 / 24);
    EXPECT_LE(f, 22050.0 / 23);
    char text[16];
    std::snprintf(text, sizeof text, " %4dHz", 2 * static_cast<int>(std::nearbyint(f / 2)));
    EXPECT_EQ(Text(b, "left", "frequency_text"), text);
    EXPECT_EQ(b["time_base"].toString(), "2 ms");
}

TEST_F(HeadlessMeasureTest, SilenceReadsZeroAndNoFrequencyOnBothChannels) {
    const Run r = Measure(Write("silence.wav", 16000, 44100, 2, Silence, Silence));
    ASSERT_EQ(r.status, kHeadlessOk) << r.err;
    ASSERT_EQ(r.blocks.size(), 2u);
    for (const QJsonObject& b : r.blocks)
        for (const char* ch : {"left", "right"}) {
            EXPECT_EQ(Text(b, ch, "voltage_text"), " 0.0mV") << ch;
            EXPECT_EQ(Text(b, ch, "frequency_text"), "f > fmax") << ch;
        }
    EXPECT_EQ(r.blocks[1]["block"].toInt(), 1);
}

TEST_F(HeadlessMeasureTest, BlocksFollowTheOffsetAndTheLastIsPadded) {
    // Silence for one block, then the sine in the first channel (the right slot).
    const std::string path =
        Write("late.wav", 8000 + 8000 + 100, 44100, 2, Sine(300.0, 8000), Silence);
    Run r = Measure(path);
    ASSERT_EQ(r.status, kHeadlessOk) << r.err;
    ASSERT_EQ(r.blocks.size(), 3u);
    EXPECT_EQ(Text(r.blocks[0], "right", "voltage_text"), " 0.0mV");
    EXPECT_NE(Text(r.blocks[1], "right", "voltage_text"), " 0.0mV");
    EXPECT_EQ(r.blocks[1]["trigger"].toObject()["channel"].toString(), "right");
    EXPECT_FALSE(r.blocks[1]["partial"].toBool());
    EXPECT_TRUE(r.blocks[2]["partial"].toBool());

    r = Measure(path, 8000);
    ASSERT_EQ(r.status, kHeadlessOk) << r.err;
    ASSERT_EQ(r.blocks.size(), 2u);
    EXPECT_EQ(Text(r.blocks[0], "right", "voltage_text"),
              Text(Measure(path).blocks[1], "right", "voltage_text"));
    EXPECT_TRUE(r.blocks[1]["partial"].toBool());

    r = Measure(path, 8000 + 8000 + 100);
    EXPECT_EQ(r.status, kHeadlessOk);
    EXPECT_TRUE(r.blocks.empty());
}

TEST_F(HeadlessMeasureTest, RefusesWhatItCannotMeasure) {
    const std::string good = Write("good.wav", 100, 44100, 2, Silence, Silence);
    const std::string garbage = dir.filePath("garbage.wav").toStdString();
    std::ofstream(garbage) << "RIFF this is no sound file";
    struct Case {
        std::string path;
        long long offset;
    };
    const std::vector<Case> cases = {
        {Write("mono.wav", 100, 44100, 1, Silence, Silence), 0},
        {Write("48k.wav", 100, 48000, 2, Silence, Silence), 0},
        {dir.filePath("missing.wav").toStdString(), 0},
        {garbage, 0},
        {good, -1},
        {good, 101},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path + " " + std::to_string(c.offset));
        const Run r = Measure(c.path, c.offset);
        EXPECT_EQ(r.status, kHeadlessRefused);
        EXPECT_TRUE(r.blocks.empty());
        EXPECT_NE(r.err.find("zvukoskop: "), std::string::npos);
    }
}

} // namespace
} // namespace zvk
