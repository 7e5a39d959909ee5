#include "connection/watchdog.h"

bool reportIsFresh(qint64 ageMs)
{
    // A clock set back gives a negative age: that still counts as fresh.
    return ageMs <= reportTimeoutMs;
}
