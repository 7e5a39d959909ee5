#include "link/linkclock.h"

#include <QDateTime>

#include <chrono>

namespace linkclock {

static std::function<qint64()>& source()
{
    static std::function<qint64()> current;
    return current;
}

qint64 now()
{
    return source() ? source()() : QDateTime::currentMSecsSinceEpoch();
}

void setNow(std::function<qint64()> newSource)
{
    source() = std::move(newSource);
}

qint64 steadyNowNs()
{
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

qint64 steadyNow()
{
    return steadyNowNs() / 1000000;
}

} // namespace linkclock
