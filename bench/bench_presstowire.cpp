// Press-to-wire latency over loopback: how long an operator's command waits
// in the link queue before it leaves, under the polling load of the program.
// The link worker (ThreadCOM) writes at once when the wire has been quiet for
// 90 ms; the former sender woke on a fixed 90 ms tick and wrote only then.
// Both get the same seeded sequence of polls and presses, one after the other,
// and a receiver thread stamps every datagram as it arrives.
//
// Run: bench_presstowire [--presses N] [--seed S] [--spacing MS] [--min-spacing MS]
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QNetworkDatagram>
#include <QRandomGenerator>
#include <QThread>
#include <QUdpSocket>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>
#include <vector>

#include "link/command.h"
#include "link/linklock.h"
#include "link/linkqueue.h"
#include "link/threadcom.h"

namespace {

bool isPoll(const QByteArray& payload)
{
    return payload == frameCommand(1);
}

using Clock = std::chrono::steady_clock;

// Microseconds: the link's millisecond clock is too coarse for a median.
qint64 microsNow()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now().time_since_epoch()).count();
}

constexpr int pollPeriodMs = 160;
// An operator's pace by default: a key every second or so, never two within
// 300 ms. --spacing 350 --min-spacing 100 gives a stress pattern.
constexpr int defaultMeanSpacingMs = 1200;
constexpr int defaultMinSpacingMs = 300;
constexpr double targetMedianMs = 15.0;
constexpr double targetP90Ms = 95.0;

struct Arrival
{
    QByteArray payload;
    qint64 atUs;
};

// Stamps each datagram on 127.0.0.1 as it is read; blocking reads in a thread
// of its own, so the stamp does not wait for anyone's event loop.
class Receiver : public QThread
{
public:
    Receiver() { start(); }
    ~Receiver() override
    {
        stopRequested = true;
        wait();
        markHandOverAcquire(this);
    }

    quint16 port() const { return boundPort; }

    std::vector<Arrival> arrivals()
    {
        LinkLocker lock(&mutex);
        return received;
    }

    int commandsReceived()
    {
        LinkLocker lock(&mutex);
        return commandCount;
    }

protected:
    void run() override
    {
        QUdpSocket socket;
        socket.bind(QHostAddress(QHostAddress::LocalHost), 0);
        boundPort = socket.localPort();
        while (!stopRequested) {
            // A short wait so that a stop request is seen soon.
            if (!socket.hasPendingDatagrams() && !socket.waitForReadyRead(20)) {
                continue;
            }
            while (socket.hasPendingDatagrams()) {
                const QNetworkDatagram datagram = socket.receiveDatagram();
                const qint64 at = microsNow();
                LinkLocker lock(&mutex);
                received.push_back({datagram.data(), at});
                if (!isPoll(datagram.data())) {
                    ++commandCount;
                }
            }
        }
        markHandOverRelease(this);
    }

private:
    QMutex mutex;
    std::vector<Arrival> received;
    int commandCount = 0;
    std::atomic<bool> stopRequested {false};
    std::atomic<quint16> boundPort {0};
};

// The former sender: sleep 90 ms, then write the first waiting datagram, if
// any. A press waits for the next tick even when the wire has been idle.
class PacingTickSender : public QThread
{
public:
    explicit PacingTickSender(quint16 destinationPort)
        : port(destinationPort)
    {
        start();
    }
    ~PacingTickSender() override
    {
        stopRequested = true;
        wait();
        markHandOverAcquire(this);
    }

    void enqueueCommand(const DeviceCommand& command)
    {
        LinkLocker lock(&mutex);
        enqueueMerging(queue, command);
    }

protected:
    void run() override
    {
        QUdpSocket socket;
        socket.bind(QHostAddress(QHostAddress::Any), 0);
        while (!stopRequested) {
            QThread::msleep(ThreadCOM::pacingMs);
            DeviceCommand next;
            {
                LinkLocker lock(&mutex);
                if (queue.isEmpty()) {
                    continue;
                }
                next = queue.takeFirst();
            }
            socket.writeDatagram(frameCommand(next), QHostAddress(QHostAddress::LocalHost), port);
        }
        markHandOverRelease(this);
    }

private:
    QMutex mutex;
    QList<DeviceCommand> queue;
    quint16 port;
    std::atomic<bool> stopRequested {false};
};

struct Event
{
    qint64 offsetUs;
    DeviceCommand command; // a poll or a press
};

// A GPO frame per press: 16 distinct payloads, matched to presses in order
// (commands are never dropped and keep their order).
DeviceCommand pressCommand(int index)
{
    return deviceCommand(4, static_cast<quint8>(index % 8), static_cast<quint8>((index / 8) % 2));
}

// Polls every 160 ms and presses at random moments, merged by time.
std::vector<Event> makeSchedule(int presses, quint32 seed, int pressMeanSpacingMs, int pressMinSpacingMs)
{
    QRandomGenerator random(seed);
    std::vector<Event> pressEvents;
    qint64 at = 0;
    for (int i = 0; i < presses; ++i) {
        // Exponential above the floor, so the mean spacing stays as set.
        const double extra = -(pressMeanSpacingMs - pressMinSpacingMs) * std::log(1.0 - random.generateDouble());
        at += static_cast<qint64>((pressMinSpacingMs + extra) * 1000.0);
        pressEvents.push_back({at, pressCommand(i)});
    }
    std::vector<Event> events;
    const DeviceCommand poll = deviceCommand(1);
    for (qint64 t = 0; t <= at; t += pollPeriodMs * 1000) {
        events.push_back({t, poll});
    }
    events.insert(events.end(), pressEvents.begin(), pressEvents.end());
    std::stable_sort(events.begin(), events.end(),
                     [](const Event& a, const Event& b) { return a.offsetUs < b.offsetUs; });
    return events;
}

struct Result
{
    const char* name;
    std::vector<double> latenciesMs;
    double minGapMs = 0;
    int datagrams = 0;
    int mismatches = 0;
};

// Nearest rank on sorted values.
double percentile(const std::vector<double>& sorted, double p)
{
    if (sorted.empty()) {
        return 0;
    }
    const auto rank = static_cast<size_t>(std::ceil(p * static_cast<double>(sorted.size())));
    return sorted[std::min(sorted.size(), std::max<size_t>(rank, 1)) - 1];
}

// Plays the schedule into `enqueue`, waits for the presses to arrive and
// pairs each press with its arrival.
template<typename Enqueue>
Result play(const char* name, const std::vector<Event>& schedule, int presses, Receiver& receiver, Enqueue enqueue)
{
    std::vector<qint64> enqueuedUs;
    const Clock::time_point start = Clock::now();
    for (const Event& e : schedule) {
        std::this_thread::sleep_until(start + std::chrono::microseconds(e.offsetUs));
        const qint64 at = microsNow();
        enqueue(e.command);
        if (!e.command.isPoll()) {
            enqueuedUs.push_back(at);
        }
    }
    const qint64 deadline = microsNow() + 5'000'000;
    while (receiver.commandsReceived() < presses && microsNow() < deadline) {
        QThread::msleep(5);
    }

    Result r {name, {}, 0, 0, 0};
    const std::vector<Arrival> arrivals = receiver.arrivals();
    r.datagrams = static_cast<int>(arrivals.size());
    r.minGapMs = arrivals.size() > 1 ? 1e9 : 0;
    int press = 0;
    for (size_t i = 0; i < arrivals.size(); ++i) {
        if (i > 0) {
            r.minGapMs = std::min(r.minGapMs, static_cast<double>(arrivals[i].atUs - arrivals[i - 1].atUs) / 1000.0);
        }
        if (isPoll(arrivals[i].payload) || press >= presses) {
            continue;
        }
        if (arrivals[i].payload != frameCommand(pressCommand(press))) {
            ++r.mismatches;
        }
        r.latenciesMs.push_back(static_cast<double>(arrivals[i].atUs - enqueuedUs[static_cast<size_t>(press)]) /
                                1000.0);
        ++press;
    }
    std::sort(r.latenciesMs.begin(), r.latenciesMs.end());
    return r;
}

// The sender's thread is up before the first event is due.
void settle()
{
    QThread::msleep(200);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Press-to-wire latency of the link sender over loopback."));
    parser.addHelpOption();
    const QCommandLineOption pressesOption(QStringLiteral("presses"), QStringLiteral("Presses per sender."),
                                           QStringLiteral("N"), QStringLiteral("60"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Seed of the press moments."),
                                        QStringLiteral("S"), QStringLiteral("1"));
    const QCommandLineOption spacingOption(QStringLiteral("spacing"), QStringLiteral("Mean spacing of presses."),
                                           QStringLiteral("MS"), QString::number(defaultMeanSpacingMs));
    const QCommandLineOption minSpacingOption(QStringLiteral("min-spacing"),
                                              QStringLiteral("Smallest spacing of presses."), QStringLiteral("MS"),
                                              QString::number(defaultMinSpacingMs));
    parser.addOption(pressesOption);
    parser.addOption(seedOption);
    parser.addOption(spacingOption);
    parser.addOption(minSpacingOption);
    parser.process(app);
    const int presses = std::max(1, parser.value(pressesOption).toInt());
    const quint32 seed = parser.value(seedOption).toUInt();
    const int pressMinSpacingMs = std::max(0, parser.value(minSpacingOption).toInt());
    const int pressMeanSpacingMs = std::max(pressMinSpacingMs, parser.value(spacingOption).toInt());

    const std::vector<Event> schedule = makeSchedule(presses, seed, pressMeanSpacingMs, pressMinSpacingMs);
    std::vector<Result> results;
    {
        Receiver receiver;
        while (receiver.port() == 0) {
            QThread::msleep(1);
        }
        PacingTickSender sender(receiver.port());
        settle();
        results.push_back(play("pacing tick (old)", schedule, presses, receiver,
                               [&](const DeviceCommand& c) { sender.enqueueCommand(c); }));
    }
    {
        Receiver receiver;
        while (receiver.port() == 0) {
            QThread::msleep(1);
        }
        // The window is needed only for an HTTP path that never runs here.
        ThreadCOM worker(nullptr);
        worker.setEndpoint(QStringLiteral("127.0.0.1"), receiver.port());
        while (worker.localPort() == 0) {
            QThread::msleep(1);
        }
        settle();
        results.push_back(play("send when idle (new)", schedule, presses, receiver,
                               [&](const DeviceCommand& c) { worker.enqueueCommand(c); }));
    }

    std::printf("press-to-wire over 127.0.0.1: %d presses (mean spacing %d ms, at least %d ms), "
                "polls every %d ms, seed %u\n\n",
                presses, pressMeanSpacingMs, pressMinSpacingMs, pollPeriodMs, seed);
    std::printf("%-22s %8s %12s %10s %10s %14s %10s\n", "sender", "presses", "median [ms]", "p90 [ms]", "max [ms]",
                "min gap [ms]", "datagrams");
    for (const Result& r : results) {
        const std::vector<double>& l = r.latenciesMs;
        std::printf("%-22s %8zu %12.1f %10.1f %10.1f %14.1f %10d\n", r.name, l.size(), percentile(l, 0.5),
                    percentile(l, 0.9), l.empty() ? 0.0 : l.back(), r.minGapMs, r.datagrams);
    }
    const QByteArray medianTarget = "<= " + QByteArray::number(targetMedianMs, 'f', 1);
    const QByteArray p90Target = "<= " + QByteArray::number(targetP90Ms, 'f', 1);
    const QByteArray gapTarget = ">= ~" + QByteArray::number(ThreadCOM::pacingMs);
    std::printf("%-22s %8s %12s %10s %10s %14s\n", "target (new)", "", medianTarget.constData(), p90Target.constData(),
                "", gapTarget.constData());
    const Result& fresh = results.back();
    const bool met =
        percentile(fresh.latenciesMs, 0.5) <= targetMedianMs && percentile(fresh.latenciesMs, 0.9) <= targetP90Ms;
    std::printf("\nnew sender %s the latency targets (informational)\n", met ? "meets" : "misses");
    for (const Result& r : results) {
        if (static_cast<int>(r.latenciesMs.size()) != presses || r.mismatches > 0) {
            std::printf("%s: %zu of %d presses arrived, %d out of order\n", r.name, r.latenciesMs.size(), presses,
                        r.mismatches);
        }
    }
    return 0;
}
