#ifndef ZAREL_THREADLEITURA_H
#define ZAREL_THREADLEITURA_H

#include <QThread>

#include <atomic>

class MainWindow;

// The polling thread: asks the window for a status request about every
// 160 ms while connected, and for a watchdog check on every 80 ms cycle.
// It touches no widget and no socket; both requests are queued invocations
// that run on the GUI thread.
class ThreadLeitura : public QThread
{
public:
    explicit ThreadLeitura(MainWindow* owner);
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
};

#endif // ZAREL_THREADLEITURA_H
