#include "connection/threadleitura.h"

#include <QDateTime>

#include "link/crossthreadcall.h"
#include "link/devicelink.h"
#include "link/linklock.h"

ThreadLeitura::ThreadLeitura(const QObject* owner, std::function<void()> poll, std::function<void()> watchdog,
                             Timing cycleTiming)
    : QThread(nullptr)
    , ownedBy(owner)
    , timing(std::move(cycleTiming))
{
    // Built here, on the owner's thread, where both requests are to run.
    pollRequest = std::make_unique<CrossThreadCall>(std::move(poll));
    watchdogRequest = std::make_unique<CrossThreadCall>(std::move(watchdog));
    start(QThread::InheritPriority);
}

ThreadLeitura::~ThreadLeitura()
{
    stopRequested = true;
    wait();
    markHandOverAcquire(this);
}

void ThreadLeitura::run()
{
    const auto now = [this] { return timing.now ? timing.now() : QDateTime::currentMSecsSinceEpoch(); };
    lastPollTime = now();
    for (;;) {
        if (timing.sleep) {
            timing.sleep(80);
        } else {
            QThread::msleep(80);
        }
        if (connected) {
            currentTime = now();
            if (currentTime - lastPollTime > 150) {
                lastPollTime = currentTime;
                pollRequest->post();
            }
        }
        if (stopRequested) {
            markHandOverRelease(this);
            return;
        }
        watchdogRequest->post();
    }
}
