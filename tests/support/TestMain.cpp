// Shared main of the test executables: a QApplication (offscreen in CI) and
// the application object, so widgets and events work in every test.
#include "platform/ui/Application.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    vcl::TApplication application;
    vcl::SetApplication(&application);
    ::testing::InitGoogleTest(&argc, argv);
    const int rc = RUN_ALL_TESTS();
    vcl::SetApplication(nullptr);
    return rc;
}
