#ifndef ZAREL_WATCHDOG_H
#define ZAREL_WATCHDOG_H

#include <QtGlobal>

// The link watchdog: the link is fresh while the last applied status report
// is at most reportTimeoutMs old, stale (and the panel cleared) after. How
// POWER shows it is the panel's business (panel/indicatorstyles.h).
constexpr qint64 reportTimeoutMs = 7000;

bool reportIsFresh(qint64 ageMs);

#endif // ZAREL_WATCHDOG_H
