#include "connection/radioinfo.h"

#include <QXmlStreamReader>

namespace {

// The largest frequency taken, in tens of hertz: 1 THz, far above any radio,
// and far from overflowing when turned into hertz.
constexpr qint64 maxTensOfHz = Q_INT64_C(100000000000);

// Hertz from a Freq or TXFreq text; none for anything but a number (an
// entity left unexpanded reads as empty). Some loggers write a decimal
// point; fractions of 10 Hz do not matter.
std::optional<qint64> hzFromTens(const QString& text)
{
    bool ok = false;
    const qint64 tens = text.section(QLatin1Char('.'), 0, 0).toLongLong(&ok);
    if (!ok || tens < 0 || tens > maxTensOfHz) {
        return std::nullopt;
    }
    return tens * 10;
}

} // namespace

std::optional<bool> flagFromText(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || t == QLatin1String("1")) {
        return true;
    }
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 || t == QLatin1String("0")) {
        return false;
    }
    return std::nullopt;
}

std::optional<RadioInfo> parseRadioInfo(const QByteArray& datagram)
{
    QXmlStreamReader xml(datagram);
    // External entities are never fetched, so a document cannot make the
    // panel read files; internal ones expand only within Qt's limit.
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("RadioInfo")) {
        return std::nullopt;
    }
    RadioInfo info;
    bool haveRadio = false;
    bool numbersRead = true;
    qint64 hz = 0;
    qint64 txHz = 0;
    bool split = false;
    while (xml.readNextStartElement()) {
        const QStringRef name = xml.name();
        if (name == QLatin1String("RadioNr")) {
            info.radioNr = xml.readElementText().trimmed().toInt(&haveRadio);
        } else if (name == QLatin1String("Freq") || name == QLatin1String("TXFreq")) {
            qint64& target = name == QLatin1String("Freq") ? hz : txHz;
            const std::optional<qint64> value = hzFromTens(xml.readElementText().trimmed());
            numbersRead = numbersRead && value.has_value();
            target = value.value_or(0);
        } else if (name == QLatin1String("IsTransmitting")) {
            info.transmitting = flagFromText(xml.readElementText());
        } else if (name == QLatin1String("IsSplit")) {
            split = flagFromText(xml.readElementText()).value_or(false);
        } else if (name == QLatin1String("StationName")) {
            info.stationName = xml.readElementText().trimmed();
        } else {
            xml.skipCurrentElement();
        }
    }
    // Only a whole, well-formed document counts: a datagram cut short says
    // nothing reliable about the transmitter.
    while (!xml.atEnd()) {
        xml.readNext();
    }
    if (xml.hasError() || !haveRadio || !numbersRead) {
        return std::nullopt;
    }
    if (hz > 0) {
        info.frequencyHz = hz;
    }
    if (split && txHz > 0) {
        info.txFrequencyHz = txHz;
    }
    return info;
}
