#include "app/termination.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

// A modal dialog (the colour picker, a warning) runs an event loop of its
// own, which would keep the program going after the window closed: each is
// cancelled first, as its Cancel button would.
void closeModalDialogs()
{
    for (int left = 16; left > 0; --left) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->hide();
        }
    }
}

void onSignal(int)
{
    // Only async-signal-safe work here: wake the event loop.
    const char byte = 1;
    const ssize_t written = ::write(signalPipe[0], &byte, 1);
    static_cast<void>(written);
}

} // namespace

void catchTerminationSignals()
{
    if (signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) {
        return;
    }
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

void closeOnTerminationSignals(QWidget* window)
{
    catchTerminationSignals();
    if (signalPipe[1] < 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window] {
        char byte = 0;
        const ssize_t got = ::read(signalPipe[1], &byte, 1);
        static_cast<void>(got);
        closeModalDialogs();
        window->close();
    });
}

#else

void catchTerminationSignals() { }

void closeOnTerminationSignals(QWidget*) { }

#endif
