#ifndef ZAREL_WATCHDOG_H
#define ZAREL_WATCHDOG_H

#include <QString>

#include "panel/indicatorstyles.h"

// The link watchdog: the POWER button is green while the last applied status
// report is at most reportTimeoutMs old, grey (and the panel cleared) after.
constexpr qint64 reportTimeoutMs = 7000;

bool reportIsFresh(qint64 ageMs);

inline const QString& powerFreshStyle()
{
    static const QString style =
        QStringLiteral("background-color: rgb(0, 220, 0);color: rgb(0,0,0);border-style: inset");
    return style;
}

// Stale: the panel's plain dark button gradient.
inline const QString& powerStaleStyle()
{
    return panelIdleStyle();
}

#endif // ZAREL_WATCHDOG_H
