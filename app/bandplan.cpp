#include "app/bandplan.h"

#include <array>

namespace bandplan {

namespace {

constexpr qint64 kHz = 1000;
constexpr qint64 MHz = 1000 * kHz;

// Region 1 allocates less than regions 2 and 3 on 160, 80, 40, 6 and 2 m and
// 70 cm; 60 m spans the national allocations and channels (5.25-5.45 MHz);
// 8 m and 4 m exist in some countries only, 1.25 m in Region 2.
const std::array<Band, BandCount> bands {{
    {QLatin1String("2200m"), 135700, 137800},         {QLatin1String("630m"), 472 * kHz, 479 * kHz},
    {QLatin1String("160m"), 1800 * kHz, 2000 * kHz},  {QLatin1String("80m"), 3500 * kHz, 4000 * kHz},
    {QLatin1String("60m"), 5250 * kHz, 5450 * kHz},   {QLatin1String("40m"), 7000 * kHz, 7300 * kHz},
    {QLatin1String("30m"), 10100 * kHz, 10150 * kHz}, {QLatin1String("20m"), 14000 * kHz, 14350 * kHz},
    {QLatin1String("17m"), 18068 * kHz, 18168 * kHz}, {QLatin1String("15m"), 21000 * kHz, 21450 * kHz},
    {QLatin1String("12m"), 24890 * kHz, 24990 * kHz}, {QLatin1String("10m"), 28000 * kHz, 29700 * kHz},
    {QLatin1String("8m"), 40 * MHz, 45 * MHz},        {QLatin1String("6m"), 50 * MHz, 54 * MHz},
    {QLatin1String("4m"), 70 * MHz, 70500 * kHz},     {QLatin1String("2m"), 144 * MHz, 148 * MHz},
    {QLatin1String("1.25m"), 219 * MHz, 225 * MHz},   {QLatin1String("70cm"), 420 * MHz, 450 * MHz},
    {QLatin1String("23cm"), 1240 * MHz, 1300 * MHz},
}};

} // namespace

const Band& band(int index)
{
    return bands.at(std::size_t(index));
}

std::optional<int> bandAt(qint64 hz)
{
    for (int i = 0; i < BandCount; ++i) {
        if (hz >= bands[std::size_t(i)].lowHz && hz <= bands[std::size_t(i)].highHz) {
            return i;
        }
    }
    return std::nullopt;
}

QString bandLabel(int index)
{
    const QString key = band(index).key;
    // "160m" -> "160 m", "70cm" -> "70 cm"
    const int unit = key.endsWith(QLatin1String("cm")) ? key.size() - 2 : key.size() - 1;
    return key.left(unit) + QLatin1Char(' ') + key.mid(unit);
}

QString megahertzText(qint64 hz)
{
    // Rounded to the kilohertz in integers: 7 074 500 Hz reads 7.075, never 7.074.
    const qint64 khz = (hz + 500) / 1000;
    return QStringLiteral("%1.%2").arg(khz / 1000).arg(khz % 1000, 3, 10, QLatin1Char('0'));
}

QString frequencyText(qint64 hz)
{
    return megahertzText(hz) + QStringLiteral(" MHz");
}

} // namespace bandplan
