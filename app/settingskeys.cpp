#include "app/settingskeys.h"

#include "app/bandplan.h"

namespace settingskey {

QString antennaCaption(int number)
{
    return QStringLiteral("K") + QString::number(number);
}

QString gpiCaption(int number)
{
    return QStringLiteral("GPI") + QString::number(number);
}

QString gpoCaption(int number)
{
    return QStringLiteral("GPO") + QString::number(number);
}

QString gpioColour(int entry, int component)
{
    static const char components[] = {'R', 'G', 'B'};
    const QString caption = entry < group::Gpis ? gpiCaption(entry + 1) : gpoCaption(entry - group::Gpis + 1);
    return caption + QLatin1Char(components[component]);
}

QString bandfollow::band(int index)
{
    return QStringLiteral("BandFollow/") + bandplan::band(index).key;
}

QString bandfollow::segment(int index)
{
    return QStringLiteral("BandFollow/Segment") + QString::number(index + 1);
}

} // namespace settingskey
