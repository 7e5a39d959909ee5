#ifndef ZAREL_CROSSTHREADCALL_H
#define ZAREL_CROSSTHREADCALL_H

#include <QObject>

#include <functional>

// Runs one fixed action on the thread this object lives in, each time it is
// poked from any thread. A poke is a bare posted event that our code never
// reads, and the action is set before any poke: nothing of ours crosses the
// threads, so the hand-over is Qt's posted-event queue alone. (A queued
// functor or member-function call would carry a closure written on one thread
// and read on the other, which ThreadSanitizer cannot see ordered through the
// uninstrumented Qt library.)
class CrossThreadCall : public QObject
{
public:
    explicit CrossThreadCall(std::function<void()> action, QObject* parent = nullptr);

    // Any thread: the action runs once more on this object's thread, queued.
    void post();

protected:
    void customEvent(QEvent* event) override;

private:
    const std::function<void()> action;
};

#endif // ZAREL_CROSSTHREADCALL_H
