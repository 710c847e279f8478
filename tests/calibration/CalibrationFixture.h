// A started window on the loopback cable (its clock moved by hand only), with
// the application's error report captured, and helpers to feed a capture and
// read the dump.
#pragma once

#include "core/Form1.h"
#include "core/StateDump.h"
#include "measure/SyntheticSignals.h"
#include "platform/mm/MMSystem.h"
#include "platform/ui/Application.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace zvk::testing {

class CalibrationTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string message;
        ASSERT_TRUE(mm::SelectBackend("loopback", message)) << message;
        mm::LoopbackSetManualClock(true);
    }
    void SetUp() override {
        vcl::Application()->OnException = [this](const std::string& m) { reports.push_back(m); };
        form = std::make_unique<TForm1>();
        form->FormCreate(nullptr);
    }
    void TearDown() override {
        vcl::Application()->OnIdle = nullptr;
        form.reset();
        vcl::Application()->OnException = nullptr;
    }

    // One capture buffer of 8000 frames, as the capture stream hands it over.
    void Feed(const test::Wave& left, const test::Wave& right) {
        std::vector<std::uint8_t> bytes = test::StereoBuffer(left, right);
        std::int32_t size = static_cast<std::int32_t>(bytes.size());
        form->AudioIn1BufferFilled(bytes.data(), size);
    }
    // One pass of the idle cycle.
    void Cycle() {
        bool done = true;
        form->MyIdleEvent(nullptr, done);
    }
    static QJsonValue At(const QJsonObject& dump, const QString& path) {
        QJsonValue v = dump;
        for (const QString& key : path.split('/'))
            v = v.toObject().value(key);
        return v;
    }

    std::unique_ptr<TForm1> form;
    std::vector<std::string> reports;
};

} // namespace zvk::testing
