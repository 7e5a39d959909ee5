#include "app/stopsignals.h"

#include <atomic>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The handler may only write to a descriptor; the event loop reads the other end.
int signalPipe[2] = {-1, -1};
const int watchedSignals[] = {SIGINT, SIGTERM};

void onSignal(int number)
{
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
}

} // namespace

StopSignals::StopSignals(QObject* parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &StopSignals::readSignal);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : watchedSignals) {
        sigaction(number, &action, nullptr);
    }
}

StopSignals::~StopSignals()
{
    if (signalPipe[0] < 0) {
        return;
    }
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int number : watchedSignals) {
        sigaction(number, &action, nullptr);
    }
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void StopSignals::readSignal()
{
    char byte = 0;
    if (::read(signalPipe[1], &byte, 1) == 1) {
        emit stopRequested();
    }
}

#elif defined(Q_OS_WIN)
#include <qt_windows.h>

namespace {

// The handler runs on a thread of the system's: only this crosses over, and
// the event loop collects it.
std::atomic<bool> stopAsked {false};
// Set once the program has stopped: Windows ends the process as soon as the
// handler returns from a closing console or a logoff.
HANDLE stopped = nullptr;

BOOL WINAPI onConsoleEvent(DWORD event)
{
    stopAsked = true;
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
        // The system allows about five seconds.
        WaitForSingleObject(stopped, 4000);
    }
    return TRUE;
}

} // namespace

StopSignals::StopSignals(QObject* parent)
    : QObject(parent)
{
    stopped = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
    connect(&collectTimer, &QTimer::timeout, this, &StopSignals::readSignal);
    collectTimer.start(50);
}

StopSignals::~StopSignals()
{
    SetConsoleCtrlHandler(onConsoleEvent, FALSE);
    SetEvent(stopped);
}

void StopSignals::readSignal()
{
    if (stopAsked.exchange(false)) {
        emit stopRequested();
    }
}

#else

StopSignals::StopSignals(QObject* parent)
    : QObject(parent)
{
}

StopSignals::~StopSignals() = default;

void StopSignals::readSignal() { }

#endif
