#include "connection/threadleitura.h"

#include <QDateTime>

#include "app/mainwindow.h"
#include "link/linklock.h"

ThreadLeitura::ThreadLeitura(MainWindow* ownerWindow, Timing cycleTiming)
    : QThread(nullptr)
    , owner(ownerWindow)
    , timing(std::move(cycleTiming))
{
    // The watchdog invocation carries the window by this type name; main()
    // registers it too, this covers windows built elsewhere (tests).
    qRegisterMetaType<MainWindow*>("MainWindow*");
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
                QMetaObject::invokeMethod(owner, &MainWindow::callEnviar, Qt::QueuedConnection);
            }
        }
        if (stopRequested) {
            markHandOverRelease(this);
            return;
        }
        MainWindow* window = owner;
        QMetaObject::invokeMethod(
            owner, [window] { window->checkCOMTimeout(window); }, Qt::QueuedConnection);
    }
}
