#include "app/HeadlessMeasure.h"

#include "core/Form1.h"
#include "display/TimeBase.h"
#include "display/VerticalRanges.h"

#include <sndfile.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <ostream>
#include <vector>

namespace zvk {

namespace {

constexpr int kChannels = 2;
constexpr int kFrameRate = 44100;

struct SndFileCloser {
    void operator()(SNDFILE* f) const { sf_close(f); }
};
using SndFilePtr = std::unique_ptr<SNDFILE, SndFileCloser>;

std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (const char ch : s) {
        const auto u = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (u < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", u);
            out += esc;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

std::string JsonNumber(double v, int decimals) {
    if (!std::isfinite(v))
        return "null";
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return text;
}

std::string ChannelJson(uint16 peak, double voltage, const std::string& voltageText,
                        double frequency, const std::string& frequencyText, VerticalRange range,
                        double gain) {
    std::string s = "{\"peak\": " + std::to_string(peak);
    s += ", \"voltage_mV\": " + JsonNumber(voltage, 4);
    s += ", \"voltage_text\": " + JsonString(voltageText);
    s += ", \"frequency_Hz\": " + JsonNumber(frequency, 4);
    s += ", \"frequency_text\": " + JsonString(frequencyText);
    s += ", \"range\": " + JsonString(RangeInfo(range).name);
    s += ", \"range_gain\": " + JsonNumber(gain, 6);
    return s + "}";
}

std::string BlockJson(TForm1& form, long long block, bool partial) {
    std::string s = "{\"block\": " + std::to_string(block);
    s += partial ? ", \"partial\": true" : ", \"partial\": false";
    s += ", \"left\": " + ChannelJson(form.leftPeak, form.leftVoltage, form.Edit4->Text(),
                                      form.leftFrequency, form.Edit12->Text(),
                                      form.leftAppliedRange, form.leftRangeGain);
    s += ", \"right\": " + ChannelJson(form.rightPeak, form.rightVoltage, form.Edit1->Text(),
                                       form.rightFrequency, form.Edit8->Text(),
                                       form.rightAppliedRange, form.rightRangeGain);
    const TriggerChannel channel = form.ChooseTriggerChannel();
    s += ", \"trigger\": {\"channel\": ";
    switch (channel) {
    case TriggerChannel::Left:
        s += "\"left\", \"trace_start\": " + std::to_string(form.leftTraceStart);
        break;
    case TriggerChannel::Right:
        s += "\"right\", \"trace_start\": " + std::to_string(form.rightTraceStart);
        break;
    case TriggerChannel::None:
        s += "\"none\", \"trace_start\": null";
        break;
    }
    s += "}, \"time_base\": ";
    s += form.appliedTimeBase == TimeBaseSetting::None
             ? std::string("null")
             : JsonString(TimeBaseInfoOf(form.appliedTimeBase).name);
    return s + "}";
}

} // namespace

void SetHeadlessStartupState(TForm1& form) {
    form.sampleCount = 2 * kHeadlessBlockFrames;
    form.rightSignIndex = 1;
    form.leftCalibration = 0.066465;
    form.leftDisplayFactor = 0.089;
    form.rightDisplayFactor = 0.089;
    form.rightCalibration = 0.066424;
    form.gen2Frequency = 0;
    form.gen2Amplitude = 0;
    form.ComboBox9->SetItemIndex(0);
    form.ComboBox10->SetItemIndex(0);
    form.timeBaseFromGenerator = 0;
    form.rightDivisionValue = 10.0;
    form.rightRangeGain = 1.0;
    form.leftDivisionValue = 10.0;
    form.leftRangeGain = 1.0;
    form.gridEnabled = 1;
    form.periodicMode = 1;
    form.gridBrightness = 75;
    form.samplesPerPoint = 6;
    form.rightTrackDivisor = 16;
    form.leftTrackDivisor = 16;
    form.leftAppliedRange = VerticalRange::mV100;
    form.rightAppliedRange = VerticalRange::mV100;
    form.Edit18->SetText("+mV");
    form.Edit2->SetText("+mV");
    form.Edit19->SetText("-mV");
    form.Edit5->SetText("-mV");
    form.appliedTimeBase = TimeBaseSetting::None;
    form.ComboBox1->SetItemIndex(0);
    form.rightRangeAuto = 1;
    form.timeBaseAuto = 1;
    form.leftRangeAuto = 1;
    for (vcl::TComboBox* box :
         {form.ComboBox2, form.ComboBox3, form.ComboBox4, form.ComboBox5, form.ComboBox6})
        box->SetItemIndex(0);
    form.gen1Frequency = 100;
    form.gen1Amplitude = 9000;
    form.leftFrequency = 40.0;
    form.rightFrequency = 40.0;
    form.sweptMode = 0;
    form.autoGenRunning = 0;
    form.leftTraceVisible = 1;
    form.rightTraceVisible = 1;
}

int RunHeadlessMeasure(TForm1& form, const std::string& path, long long offsetFrames,
                       std::ostream& out, std::ostream& err) {
    SF_INFO info{};
    SndFilePtr file(sf_open(path.c_str(), SFM_READ, &info));
    if (!file) {
        err << "zvukoskop: cannot read " << path << ": " << sf_strerror(nullptr) << "\n";
        return kHeadlessRefused;
    }
    if (info.samplerate != kFrameRate || info.channels != kChannels) {
        err << "zvukoskop: " << path << ": " << info.samplerate << " Hz, " << info.channels
            << " channel(s); only 44100 Hz with 2 channels can be measured\n";
        return kHeadlessRefused;
    }
    if (offsetFrames < 0 || offsetFrames > info.frames) {
        err << "zvukoskop: offset " << offsetFrames << " lies outside " << path << " ("
            << info.frames << " frames)\n";
        return kHeadlessRefused;
    }
    if (offsetFrames > 0 && sf_seek(file.get(), offsetFrames, SEEK_SET) < 0) {
        err << "zvukoskop: cannot seek to frame " << offsetFrames << " in " << path << ": "
            << sf_strerror(file.get()) << "\n";
        return kHeadlessRefused;
    }

    SetHeadlessStartupState(form);
    form.displayDrawingOff = true;

    std::vector<short> frames(static_cast<std::size_t>(kHeadlessBlockFrames) * kChannels);
    std::array<std::uint8_t, kHeadlessBlockFrames * kChannels * 2> buffer{};
    long long remaining = info.frames - offsetFrames;
    for (long long block = 0; remaining > 0; ++block) {
        const sf_count_t want = remaining < kHeadlessBlockFrames ? remaining : kHeadlessBlockFrames;
        const sf_count_t got = sf_readf_short(file.get(), frames.data(), want);
        if (got < want) {
            err << "zvukoskop: " << path << " is damaged at frame "
                << offsetFrames + block * kHeadlessBlockFrames + got << ": "
                << (sf_error(file.get()) != SF_ERR_NO_ERROR ? sf_strerror(file.get())
                                                            : "the data end early")
                << "\n";
            form.displayDrawingOff = false;
            return kHeadlessRefused;
        }
        remaining -= got;
        // Silence after the end of the recording.
        for (std::size_t k = static_cast<std::size_t>(got) * kChannels; k < frames.size(); ++k)
            frames[k] = 0;
        // As the card delivers it: 16-bit little-endian, first value of each frame first.
        for (std::size_t k = 0; k < frames.size(); ++k) {
            const auto u = static_cast<std::uint16_t>(frames[k]);
            buffer[2 * k] = static_cast<std::uint8_t>(u & 0xFF);
            buffer[2 * k + 1] = static_cast<std::uint8_t>(u >> 8);
        }
        std::int32_t size = static_cast<std::int32_t>(buffer.size());
        form.AudioIn1BufferFilled(buffer.data(), size);
        form.DisplayCycle();
        out << BlockJson(form, block, got < kHeadlessBlockFrames) << "\n";
    }
    out.flush();
    form.displayDrawingOff = false;
    return kHeadlessOk;
}

} // namespace zvk

namespace zvk {

int RunHeadlessMeasure(const std::string& path, long long offsetFrames, std::ostream& out,
                       std::ostream& err) {
    TForm1 form;
    return RunHeadlessMeasure(form, path, offsetFrames, out, err);
}

} // namespace zvk
