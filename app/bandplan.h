#ifndef ZAREL_BANDPLAN_H
#define ZAREL_BANDPLAN_H

#include <QLatin1String>
#include <QString>
#include <QtGlobal>

#include <optional>

// The amateur bands the panel follows, from 2200 m to 23 cm. Each band spans
// the union of the three IARU regions' allocations, edges included, so one
// table serves a station anywhere.
namespace bandplan {

constexpr int BandCount = 19;

struct Band
{
    QLatin1String key; // settings key and short name: "2200m" .. "23cm"
    qint64 lowHz;
    qint64 highHz;
};

// Index 0 is 2200 m, 18 is 23 cm, in frequency order.
const Band& band(int index);

// The band holding the frequency; none between and outside the bands.
std::optional<int> bandAt(qint64 hz);

// "20 m", "70 cm": how the operator reads a band.
QString bandLabel(int index);

// "14.074 MHz": kilohertz resolution, as a radio's display shows it.
QString frequencyText(qint64 hz);
// "14.074": the same figure without its unit, for a pair sharing one.
QString megahertzText(qint64 hz);

} // namespace bandplan

#endif // ZAREL_BANDPLAN_H
