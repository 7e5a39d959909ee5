#include "connection/threadleitura.h"

#include <QDateTime>

#include "app/mainwindow.h"
#include "link/crossthreadcall.h"
#include "link/linklock.h"

ThreadLeitura::ThreadLeitura(MainWindow* ownerWindow, Timing cycleTiming)
    : QThread(nullptr)
    , owner(ownerWindow)
    , timing(std::move(cycleTiming))
{
    // Built here, on the window's thread, where both requests are to run.
    pollRequest = std::make_unique<CrossThreadCall>([window = owner] { window->callEnviar(); });
    watchdogRequest = std::make_unique<CrossThreadCall>([window = owner] { window->checkCOMTimeout(window); });
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
