#include "core/StateDump.h"

#include "core/Form1.h"

#include <QFile>
#include <QJsonDocument>

namespace zvk {

namespace {

const char* RangeName(VerticalRange r) {
    static const char* const names[] = {"1 mV",  "2 mV",   "5 mV",   "10 mV",  "20 mV",
                                        "50 mV", "100 mV", "200 mV", "500 mV", "1 V",
                                        "2 V",   "5 V",    "10 V",   "20 V",   "50 V"};
    const int i = static_cast<int>(r);
    return i >= 0 && i < 15 ? names[i] : "?";
}

const char* TimeBaseName(TimeBaseSetting t) {
    static const char* const names[] = {"100 ms", "50 ms", "20 ms", "10 ms",
                                        "5 ms",   "2 ms",  "1 ms",  "none"};
    const int i = static_cast<int>(t);
    return i >= 0 && i < 8 ? names[i] : "?";
}

} // namespace

QJsonObject DumpStateFields(const TForm1& f) {
    QJsonObject s;
#define ZVK_FIELD(name) s[#name] = static_cast<double>(f.name)
    ZVK_FIELD(sampleCount);
    ZVK_FIELD(leftSignIndex);
    ZVK_FIELD(rightSignIndex);
    ZVK_FIELD(leftTraceStart);
    ZVK_FIELD(rightTraceStart);
    ZVK_FIELD(leftTrackDivisor);
    ZVK_FIELD(rightTrackDivisor);
    ZVK_FIELD(leftPeak);
    ZVK_FIELD(rightPeak);
    ZVK_FIELD(leftVoltage);
    ZVK_FIELD(rightVoltage);
    ZVK_FIELD(leftFrequency);
    ZVK_FIELD(rightFrequency);
    ZVK_FIELD(leftMeasuredFrequency);
    ZVK_FIELD(rightMeasuredFrequency);
    ZVK_FIELD(leftSearchStep);
    ZVK_FIELD(rightSearchStep);
    ZVK_FIELD(leftSearchSkip);
    ZVK_FIELD(rightSearchSkip);
    ZVK_FIELD(leftHalfWaveStart);
    ZVK_FIELD(rightHalfWaveStart);
    ZVK_FIELD(leftHalfWaveEnd);
    ZVK_FIELD(rightHalfWaveEnd);
    ZVK_FIELD(leftRangeAuto);
    ZVK_FIELD(rightRangeAuto);
    ZVK_FIELD(leftRangeGain);
    ZVK_FIELD(rightRangeGain);
    ZVK_FIELD(leftDivisionValue);
    ZVK_FIELD(rightDivisionValue);
    ZVK_FIELD(leftDisplayFactor);
    ZVK_FIELD(rightDisplayFactor);
    ZVK_FIELD(leftTraceVisible);
    ZVK_FIELD(rightTraceVisible);
    ZVK_FIELD(periodicMode);
    ZVK_FIELD(gridBrightness);
    ZVK_FIELD(gridEnabled);
    ZVK_FIELD(gridUnit);
    ZVK_FIELD(timeBaseAuto);
    ZVK_FIELD(timeBaseFromGenerator);
    ZVK_FIELD(pixelsPerPoint);
    ZVK_FIELD(samplesPerPoint);
    ZVK_FIELD(gen1Frequency);
    ZVK_FIELD(gen1Amplitude);
    ZVK_FIELD(gen2Frequency);
    ZVK_FIELD(gen2Amplitude);
    ZVK_FIELD(sweptMode);
    ZVK_FIELD(sweptFrequency);
    ZVK_FIELD(sweptStepLength);
    ZVK_FIELD(sweptStepCounter);
    ZVK_FIELD(autoFrom);
    ZVK_FIELD(autoTo);
    ZVK_FIELD(autoStep);
    ZVK_FIELD(autoIntervalMs);
    ZVK_FIELD(autoStepCount);
    ZVK_FIELD(autoTick);
    ZVK_FIELD(autoGenRunning);
    ZVK_FIELD(leftCalibration);
    ZVK_FIELD(rightCalibration);
    ZVK_FIELD(savedWaveOutVolume);
    ZVK_FIELD(savedAuxVolume1);
    ZVK_FIELD(savedAuxVolume2);
    ZVK_FIELD(savedAuxVolume3);
    ZVK_FIELD(savedAuxVolume4);
    ZVK_FIELD(savedAuxVolume5);
#undef ZVK_FIELD
    s["leftAppliedRange"] = RangeName(f.leftAppliedRange);
    s["rightAppliedRange"] = RangeName(f.rightAppliedRange);
    s["appliedTimeBase"] = TimeBaseName(f.appliedTimeBase);
    return s;
}

QJsonObject DumpAll(const TForm1& f) {
    QJsonObject all;
    all["window"] = f.DumpWindow();
    all["controls"] = f.DumpControls();
    all["state"] = DumpStateFields(f);
    return all;
}

bool WriteStateFile(const TForm1& f, const std::string& path, std::string& error,
                    const QJsonObject& extra) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error = "cannot write " + path + ": " + file.errorString().toStdString();
        return false;
    }
    QJsonObject all = DumpAll(f);
    for (auto it = extra.begin(); it != extra.end(); ++it)
        all[it.key()] = it.value();
    const QByteArray json = QJsonDocument(all).toJson(QJsonDocument::Indented);
    if (file.write(json) != json.size()) {
        error = "cannot write " + path + ": " + file.errorString().toStdString();
        return false;
    }
    return true;
}

} // namespace zvk
