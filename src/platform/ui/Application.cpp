#include "platform/ui/Application.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMessageBox>
#include <QThread>
#include <QTimer>
#include <chrono>

namespace vcl {

namespace {
TApplication* g_application = nullptr;

std::int64_t NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
} // namespace

TApplication* Application() {
    return g_application;
}
void SetApplication(TApplication* app) {
    g_application = app;
}

TApplication::TApplication() : idleTimer_(new QTimer(this)) {
    // A zero-interval timer fires once per pass of the event loop, after the
    // events that were waiting: that is the idle moment.
    idleTimer_->setSingleShot(true);
    idleTimer_->setInterval(0);
    connect(idleTimer_, &QTimer::timeout, this, &TApplication::IdleTick);
    // Any event delivered while the handler said Done wakes it again.
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

TApplication::~TApplication() = default;

bool TApplication::eventFilter(QObject* watched, QEvent* /*event*/) {
    if (waitingForEvent_ && watched != idleTimer_) {
        waitingForEvent_ = false;
        Arm();
    }
    return false;
}

void TApplication::SetMaxCycleRate(double perSecond) {
    maxRate_ = perSecond > 0 ? perSecond : 0;
}

void TApplication::Arm() {
    if (!OnIdle)
        return;
    int delayMs = 0;
    if (maxRate_ > 0) {
        const std::int64_t wait = nextDueNs_ - NowNs();
        if (wait > 0)
            delayMs = static_cast<int>((wait + 999999) / 1000000);
    }
    idleTimer_->start(delayMs);
}

void TApplication::IdleTick() {
    if (!OnIdle)
        return;
    if (maxRate_ > 0) {
        const std::int64_t now = NowNs();
        if (now < nextDueNs_) {
            Arm();
            return;
        }
        nextDueNs_ = now + static_cast<std::int64_t>(1e9 / maxRate_);
    }
    bool done = true;
    ++idleCalls_;
    Guard([&] { OnIdle(nullptr, done); });
    if (done)
        waitingForEvent_ = true;
    else
        Arm();
}

int TApplication::Run() {
    Arm();
    return QApplication::exec();
}

void TApplication::Terminate() {
    QApplication::quit();
}

void TApplication::ProcessMessages() {
    QApplication::processEvents(QEventLoop::AllEvents);
    QApplication::sendPostedEvents();
}

void TApplication::Guard(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        ShowException(e.what());
    } catch (...) {
        ShowException("Unknown exception");
    }
}

void TApplication::ShowException(const std::string& message) {
    lastException_ = message;
    ++exceptionCount_;
    if (OnException) {
        OnException(message);
        return;
    }
    // Non-modal, so the instrument keeps running behind the report.
    auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("zvukoskop"),
                                QString::fromStdString(message), QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
}

} // namespace vcl
