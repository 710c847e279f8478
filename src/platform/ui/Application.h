// The application object: idle handler with its Done argument, the default
// exception report, and the message loop. GUI thread only.
#pragma once

#include "platform/ui/Controls.h"

#include <QObject>
#include <cstdint>
#include <functional>
#include <string>

class QTimer;

namespace vcl {

using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;

class TApplication : public QObject {
    Q_OBJECT
public:
    TApplication();
    ~TApplication() override;

    // While the handler leaves Done False, it is called again as soon as no
    // event waits; every waiting event is handled between two calls. With
    // Done True it is called again after the next event has been handled.
    TIdleEvent OnIdle;
    // At most this many idle calls per second; 0 = unlimited.
    void SetMaxCycleRate(double perSecond);
    std::uint64_t IdleCalls() const { return idleCalls_; }

    // Runs the message loop until the main window closes or Terminate().
    int Run();
    void Terminate();
    // Handles all waiting events once (and one idle call if due).
    void ProcessMessages();

    // Runs a handler at an event's boundary: an exception that leaves it is
    // reported and swallowed.
    void Guard(const std::function<void()>& handler);
    // The default report: a message box with the exception's text, unless a
    // test hook is installed.
    void ShowException(const std::string& message);
    std::function<void(const std::string&)> OnException; // replaces the box
    const std::string& LastExceptionMessage() const { return lastException_; }
    int ExceptionCount() const { return exceptionCount_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void IdleTick();
    void Arm();

    QTimer* idleTimer_;
    bool waitingForEvent_ = false;
    double maxRate_ = 0;
    std::int64_t nextDueNs_ = 0;
    std::uint64_t idleCalls_ = 0;
    std::string lastException_;
    int exceptionCount_ = 0;
};

// The one application object; created by the program's main (or a test).
TApplication* Application();
void SetApplication(TApplication* app);

// Runs a user-triggered event through the application's boundary.
inline void FireGuarded(const TNotifyEvent& e, TObject* sender) {
    if (!e)
        return;
    if (Application())
        Application()->Guard([&] { e(sender); });
    else
        e(sender);
}

} // namespace vcl
