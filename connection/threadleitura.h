#ifndef ZAREL_THREADLEITURA_H
#define ZAREL_THREADLEITURA_H

#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

class CrossThreadCall;
class QObject;

// The polling thread: asks the station for a status request about every
// 160 ms while connected, and for a watchdog check on every 80 ms cycle.
// It touches no socket and no state of the station's; both requests are
// queued invocations that run on the owner's thread.
class ThreadLeitura : public QThread
{
public:
    // The clock (ms) and the sleep of one cycle. Empty members: the system
    // clock and QThread::msleep; a test gives its own to run the thread on
    // simulated time. Both are called on the polling thread only.
    struct Timing
    {
        std::function<qint64()> now;
        std::function<void(unsigned long ms)> sleep;
    };

    ThreadLeitura(const QObject* owner, std::function<void()> poll, std::function<void()> watchdog, Timing timing = {});
    // Returns once run() has ended; its last cycle posts nothing more.
    ~ThreadLeitura() override;

    const QObject* owner() const { return ownedBy; }

protected:
    void run() override;

private:
    qint64 lastPollTime = 0;
    qint64 currentTime = 0;
    std::atomic<bool> stopRequested {false};
    const QObject* ownedBy;
    const Timing timing;
    // The two requests, run on the owner's thread.
    std::unique_ptr<CrossThreadCall> pollRequest;
    std::unique_ptr<CrossThreadCall> watchdogRequest;
};

#endif // ZAREL_THREADLEITURA_H
