#include "app/Program.h"

#include "core/Form1.h"
#include "core/StateDump.h"
#include "platform/mm/MMSystem.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QMainWindow>
#include <QPalette>
#include <QPixmap>
#include <QStyleFactory>
#include <QTimer>
#include <iostream>

namespace zvk {

void ApplyInstrumentStyle() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette p;
    p.setColor(QPalette::Window, vcl::ToQColor(vcl::clBtnFace));
    p.setColor(QPalette::WindowText, Qt::black);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::Button, vcl::ToQColor(vcl::clBtnFace));
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    p.setColor(QPalette::ToolTipText, Qt::black);
    QApplication::setPalette(p);
}

int RunInstrument(const CommandLine& o) {
    vcl::TApplication application;
    vcl::SetApplication(&application);
    if (o.maxCycleRate > 0)
        application.SetMaxCycleRate(o.maxCycleRate);

    mm::SetInputDeviceName(o.inputDevice);
    mm::SetOutputDeviceName(o.outputDevice);
    std::string message;
    if (!mm::SelectBackend(o.audio, message)) {
        std::cerr << "zvukoskop: " << message << "\n";
        return 2;
    }
    if (!message.empty())
        std::cerr << message << "\n";

    int rc = 0;
    {
        QElapsedTimer clock;
        clock.start();
        TForm1 form;
        form.FormCreate(nullptr);
        form.Show();

        if (o.runFor)
            QTimer::singleShot(static_cast<int>(*o.runFor * 1000), form.Window(),
                               [&form] { form.Close(); });
        if (!o.screenshot.empty()) {
            QTimer::singleShot(
                static_cast<int>(o.screenshotAfter * 1000), form.Window(), [&form, &o, &rc] {
                    const QPixmap shot = form.Window()->grab();
                    if (!shot.save(QString::fromStdString(o.screenshot), "PNG")) {
                        std::cerr << "zvukoskop: cannot write " << o.screenshot << "\n";
                        rc = 1;
                    }
                    form.Close();
                });
        }
        const int loop = application.Run();
        if (rc == 0)
            rc = loop;
        // A loop ended otherwise than by closing the window still closes it.
        form.Closing();
        if (!o.dumpState.empty()) {
            std::string error;
            QJsonObject run;
            run["idleCycles"] = static_cast<double>(application.IdleCalls());
            run["seconds"] = static_cast<double>(clock.elapsed()) / 1000.0;
            QJsonObject extra;
            extra["run"] = run;
            if (!WriteStateFile(form, o.dumpState, error, extra)) {
                std::cerr << "zvukoskop: " << error << "\n";
                rc = 1;
            }
        }
        application.OnIdle = nullptr;
    }
    vcl::SetApplication(nullptr);
    return rc;
}

} // namespace zvk
