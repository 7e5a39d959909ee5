#ifndef ZAREL_THREADLEITURA_H
#define ZAREL_THREADLEITURA_H

#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

class CrossThreadCall;
class MainWindow;

// The polling thread: asks the window for a status request about every
// 160 ms while connected, and for a watchdog check on every 80 ms cycle.
// It touches no widget and no socket; both requests are queued invocations
// that run on the GUI thread.
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

    explicit ThreadLeitura(MainWindow* owner, Timing timing = {});
    // Returns once run() has ended; its last cycle posts nothing more.
    ~ThreadLeitura() override;

    MainWindow* window() const { return owner; }

protected:
    void run() override;

private:
    qint64 lastPollTime = 0;
    qint64 currentTime = 0;
    std::atomic<bool> stopRequested {false};
    MainWindow* owner;
    const Timing timing;
    // The two requests, run on the GUI thread.
    std::unique_ptr<CrossThreadCall> pollRequest;
    std::unique_ptr<CrossThreadCall> watchdogRequest;
};

#endif // ZAREL_THREADLEITURA_H
