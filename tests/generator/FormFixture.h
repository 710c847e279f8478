// A started window for the generator panel tests, with the application's
// error report captured instead of shown.
#pragma once

#include "core/Form1.h"
#include "platform/ui/Application.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace zvk::testing {

class StartedForm : public ::testing::Test {
protected:
    void SetUp() override {
        vcl::Application()->OnException = [this](const std::string& m) { reports.push_back(m); };
        form = std::make_unique<TForm1>();
        form->FormCreate(nullptr);
    }
    void TearDown() override {
        form.reset();
        vcl::Application()->OnException = nullptr;
    }
    // Runs what the handlers queued (deferred reports).
    static void Flush() { QCoreApplication::processEvents(); }

    std::unique_ptr<TForm1> form;
    std::vector<std::string> reports;
};

} // namespace zvk::testing
