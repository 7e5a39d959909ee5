#ifndef ZAREL_RADIOINFO_H
#define ZAREL_RADIOINFO_H

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

// What a contest logger broadcasts about one of its radios, one XML document
// per UDP datagram:
//
//   <RadioInfo><StationName>SHACK</StationName><RadioNr>1</RadioNr>
//              <Freq>1407400</Freq><TXFreq>1407400</TXFreq>
//              <IsTransmitting>False</IsTransmitting><IsSplit>False</IsSplit>
//              ...</RadioInfo>
//
// Freq and TXFreq count tens of hertz, in plain decimal ("1407400",
// "1407400.00"); a document with any other number in them is ignored. Other
// elements are ignored.
// The kind of emission, as band segments tell them apart.
// Unknown: not said or not read; Other: a mode no segment names (AM, FM).
enum class RadioMode { Unknown, Cw, Ssb, Data, Other };

struct RadioInfo
{
    int radioNr = 0;
    std::optional<qint64> frequencyHz; // none when the logger gave 0 or nothing
    // Only while IsSplit is true and TXFreq above zero.
    std::optional<qint64> txFrequencyHz;
    std::optional<bool> transmitting; // absent when the logger did not say
    QString stationName; // trimmed; empty when the logger did not say
    RadioMode mode = RadioMode::Unknown; // from Mode
};

// A RadioInfo document with a radio number; any other text, broken XML, a
// frequency that is not a plain number within radioMaxHz and other loggers'
// messages give none. Work is linear in the text; nothing in it is fetched or
// expanded.
std::optional<RadioInfo> parseRadioInfo(const QByteArray& datagram);

// The top of the radio spectrum: microwave stations log up to 241 GHz, and
// whatever claims more is not a radio's frequency.
constexpr qint64 radioMaxHz = Q_INT64_C(300000000000);

// A frequency as radio programs write it: plain decimal digits with at most
// one decimal point and blanks around, counting `unitHz` each; rounded to the
// unit. Signs, exponents, a second point and anything above radioMaxHz give
// none; 0 is 0 (a program's "no radio").
std::optional<qint64> frequencyFromText(const QString& text, qint64 unitHz);

// A mode as rigctld ("PKTUSB", "CWR") and loggers ("FT8", "LSB") name it;
// empty text is Unknown, AM, FM and names not known are Other.
RadioMode radioModeFromText(const QString& text);

#endif // ZAREL_RADIOINFO_H
