#include "app/settingskeys.h"

#include "app/bandplan.h"

std::optional<bool> flagFromText(const QString& text)
{
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || word == QLatin1String("1")) {
        return true;
    }
    if (word.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 || word == QLatin1String("0")) {
        return false;
    }
    return std::nullopt;
}

namespace settingskey {

std::optional<int> NumberKey::read(const QString& text) const
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok && n >= lowest && n <= highest ? std::optional<int>(n) : std::nullopt;
}

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

QString rotators::rotor(int index)
{
    return QStringLiteral("Rotators/Rotor") + QString::number(index + 1);
}

QString rotators::antennas(int index)
{
    return rotor(index) + QStringLiteral("Antennas");
}

QString rotators::name(int index)
{
    return rotor(index) + QStringLiteral("Name");
}

} // namespace settingskey
