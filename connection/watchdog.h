#ifndef ZAREL_WATCHDOG_H
#define ZAREL_WATCHDOG_H

#include <QString>

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

inline const QString& powerStaleStyle()
{
    static const QString style = QStringLiteral(
        "background-color: QLinearGradient( x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #565656, stop: 0.1 #525252, stop: "
        "0.5 #4e4e4e, stop: 0.9 #4a4a4a, stop: 1 #464646);");
    return style;
}

#endif // ZAREL_WATCHDOG_H
