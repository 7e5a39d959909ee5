#include "link/crossthreadcall.h"

#include <QCoreApplication>
#include <QEvent>

CrossThreadCall::CrossThreadCall(std::function<void()> callAction, QObject* parent)
    : QObject(parent)
    , action(std::move(callAction))
{
}

void CrossThreadCall::post()
{
    QCoreApplication::postEvent(this, new QEvent(QEvent::User));
}

void CrossThreadCall::customEvent(QEvent* event)
{
    Q_UNUSED(event)
    action();
}
