#include "stoprequests.h"

#include "simoptions.h"

#include <atomic>
#include <string>
#include <thread>

namespace {

// Requests from the standard-input reader and the Windows console handler,
// which run on threads of their own. Only these counters cross the threads:
// the event loop collects them, so nothing of ours is handed over through
// Qt's own (uninstrumented) queues.
std::atomic<int> terminationsAsked {0};
std::atomic<int> toggleSilenceAsked {0};
std::atomic<int> restartsAsked {0};
std::atomic<int> busyAsked {-1}; // the busy antennas asked for last, as bits; -1: none asked

// Reads a block of standard input as the system gives it; 0 at its end. Not
// through stdio: a stdio read would hold the stream's lock while it waits,
// and on Windows the runtime takes every stream's lock as the process exits.
qint64 readInput(char* buffer, qint64 size);

void handleLine(const std::string& line)
{
    if (line == "quit") {
        ++terminationsAsked;
    } else if (line == "silence") {
        ++toggleSilenceAsked;
    } else if (line == "restart") {
        ++restartsAsked;
    } else if (line.rfind("busy", 0) == 0) {
        if (const std::optional<quint16> mask = busyAntennasFrom(QString::fromStdString(line.substr(4)))) {
            busyAsked = *mask;
        }
    }
}

// Reads "quit" and "silence" lines until the end of the input. The thread is
// left to the process's end: a read from a console cannot be interrupted.
void readStandardInput()
{
    std::string line;
    char buffer[256];
    qint64 got = 0;
    while ((got = readInput(buffer, sizeof buffer)) > 0) {
        for (qint64 i = 0; i < got; ++i) {
            const char c = buffer[i];
            if (c == '\n') {
                handleLine(line);
                line.clear();
            } else if (c != '\r' && line.size() < 256) {
                line += c;
            }
        }
    }
}

} // namespace

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <cerrno>
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

qint64 readInput(char* buffer, qint64 size)
{
    ssize_t got = 0;
    do {
        got = ::read(STDIN_FILENO, buffer, size_t(size));
    } while (got < 0 && errno == EINTR);
    return got;
}

void watchSignals(StopRequests* owner, void (StopRequests::*read)())
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, read);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : watchedSignals) {
        sigaction(number, &action, nullptr);
    }
}

void unwatchSignals()
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

} // namespace

void StopRequests::readSignal()
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

#elif defined(Q_OS_WIN)
#include <qt_windows.h>

namespace {

// Set once the summary is printed: Windows ends the process as soon as the
// handler returns from a console close.
HANDLE summaryPrinted = nullptr;

BOOL WINAPI onConsoleEvent(DWORD event)
{
    ++terminationsAsked;
    if (event == CTRL_CLOSE_EVENT) {
        // The system allows about five seconds.
        WaitForSingleObject(summaryPrinted, 4000);
    }
    return TRUE;
}

qint64 readInput(char* buffer, qint64 size)
{
    DWORD got = 0;
    if (!ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, DWORD(size), &got, nullptr)) {
        return 0; // the writer closed the pipe, or there is no input
    }
    return qint64(got);
}

void watchSignals(StopRequests*, void (StopRequests::*)())
{
    summaryPrinted = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

void unwatchSignals()
{
    // A Ctrl+C from now on ends the process the system's way.
    SetConsoleCtrlHandler(onConsoleEvent, FALSE);
    SetEvent(summaryPrinted);
}

} // namespace

void StopRequests::readSignal() { }

#else

namespace {

qint64 readInput(char*, qint64)
{
    return 0;
}

void watchSignals(StopRequests*, void (StopRequests::*)()) { }

void unwatchSignals() { }

} // namespace

void StopRequests::readSignal() { }

#endif

StopRequests::StopRequests(bool readStandardInput, QObject* parent)
    : QObject(parent)
{
    watchSignals(this, &StopRequests::readSignal);
    if (readStandardInput) {
        std::thread(::readStandardInput).detach();
    }
#ifdef Q_OS_WIN
    const bool otherThreads = true; // the console handler's
#else
    const bool otherThreads = readStandardInput;
#endif
    if (otherThreads) {
        // Quick enough for an operator or a script.
        connect(&collectTimer, &QTimer::timeout, this, &StopRequests::collect);
        collectTimer.start(collectMs);
    }
}

StopRequests::~StopRequests()
{
    unwatchSignals();
}

void StopRequests::collect()
{
    for (int n = toggleSilenceAsked.exchange(0); n > 0; --n) {
        Q_EMIT silenceToggleRequested();
    }
    if (restartsAsked.exchange(0) > 0) {
        Q_EMIT restartRequested();
    }
    const int busy = busyAsked.exchange(-1);
    if (busy >= 0) {
        Q_EMIT busyRequested(quint16(busy));
    }
    if (terminationsAsked.exchange(0) > 0) {
        Q_EMIT terminationRequested();
    }
}
