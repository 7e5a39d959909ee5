#include "panel/colourkeys.h"

QString gpioColourKey(int entry, int component)
{
    static const char components[] = {'R', 'G', 'B'};
    const QString prefix = entry < 8 ? QStringLiteral("GPI") + QString::number(entry + 1)
                                     : QStringLiteral("GPO") + QString::number(entry - 7);
    return prefix + QLatin1Char(components[component]);
}
