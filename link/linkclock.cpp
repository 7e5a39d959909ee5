#include "link/linkclock.h"

#include <QDateTime>

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

} // namespace linkclock
