#include "unixsignals.h"

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The handler may only write to a descriptor; the event loop reads the other end.
int signalPipe[2] = {-1, -1};

void onSignal(int number)
{
    const char byte = char(number);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
}

const int watchedSignals[] = {SIGINT, SIGTERM, SIGUSR1};

} // namespace

UnixSignalWatcher::UnixSignalWatcher(QObject* parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &UnixSignalWatcher::readSignal);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : watchedSignals) {
        sigaction(number, &action, nullptr);
    }
}

UnixSignalWatcher::~UnixSignalWatcher()
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

void UnixSignalWatcher::readSignal()
{
    char byte = 0;
    if (::read(signalPipe[1], &byte, 1) != 1) {
        return;
    }
    if (byte == SIGUSR1) {
        Q_EMIT silenceToggleRequested();
    } else {
        Q_EMIT terminationRequested();
    }
}

#else

UnixSignalWatcher::UnixSignalWatcher(QObject* parent)
    : QObject(parent)
{
}

UnixSignalWatcher::~UnixSignalWatcher() = default;

void UnixSignalWatcher::readSignal() { }

#endif
