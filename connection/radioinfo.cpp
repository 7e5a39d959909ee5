#include "connection/radioinfo.h"

#include "app/settingskeys.h"

#include <QXmlStreamReader>

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

std::optional<qint64> frequencyFromText(const QString& text, qint64 unitHz)
{
    const QString t = text.trimmed();
    const qint64 maxUnits = radioMaxHz / unitHz;
    int i = 0;
    qint64 units = 0;
    for (; i < t.size() && isDigit(t.at(i)); ++i) {
        units = units * 10 + (t.at(i).unicode() - '0');
        if (units > maxUnits) {
            return std::nullopt; // also keeps the sum from overflowing
        }
    }
    if (i == 0) {
        return std::nullopt;
    }
    if (i < t.size() && t.at(i) == QLatin1Char('.')) {
        const int fraction = ++i;
        for (; i < t.size() && isDigit(t.at(i)); ++i) { }
        if (i == fraction) {
            return std::nullopt;
        }
        if (t.at(fraction) >= QLatin1Char('5')) {
            ++units;
        }
    }
    if (i != t.size() || units > maxUnits) {
        return std::nullopt;
    }
    return units * unitHz;
}

RadioMode radioModeFromText(const QString& text)
{
    const QString t = text.trimmed().toUpper();
    if (t.isEmpty()) {
        return RadioMode::Unknown;
    }
    static const QStringList cw {"CW", "CWR", "CWN", "CWL", "CWU"};
    if (cw.contains(t)) {
        return RadioMode::Cw;
    }
    static const QStringList ssb {"USB", "LSB", "SSB", "ECSSUSB", "ECSSLSB"};
    if (ssb.contains(t)) {
        return RadioMode::Ssb;
    }
    // Hamlib's packet, teletype and data sideband modes (USBD1), and the
    // digital modes loggers name.
    static const char* const data[] = {"PKT", "RTTY", "PSK", "FT",  "JT",   "MFSK", "OLIVIA", "DIG", "DATA",
                                       "DD",  "JS8",  "MSK", "Q65", "WSPR", "SSTV", "USBD",   "LSBD"};
    for (const char* prefix : data) {
        if (t.startsWith(QLatin1String(prefix))) {
            return RadioMode::Data;
        }
    }
    return RadioMode::Other;
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
            // An entity left unexpanded reads as empty, and is no number.
            const std::optional<qint64> value = frequencyFromText(xml.readElementText(), 10);
            numbersRead = numbersRead && value.has_value();
            target = value.value_or(0);
        } else if (name == QLatin1String("IsTransmitting")) {
            info.transmitting = flagFromText(xml.readElementText());
        } else if (name == QLatin1String("IsSplit")) {
            split = flagFromText(xml.readElementText()).value_or(false);
        } else if (name == QLatin1String("Mode")) {
            info.mode = radioModeFromText(xml.readElementText());
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
