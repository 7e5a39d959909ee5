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
// Freq and TXFreq count tens of hertz. Other elements are ignored.
struct RadioInfo
{
    int radioNr = 0;
    std::optional<qint64> frequencyHz; // none when the logger gave 0 or nothing
    // Only while IsSplit is true and TXFreq above zero.
    std::optional<qint64> txFrequencyHz;
    std::optional<bool> transmitting; // absent when the logger did not say
    QString stationName; // trimmed; empty when the logger did not say
};

// A RadioInfo document with a radio number; any other text, broken XML, a
// frequency that is not a number and other loggers' messages give none. Work is
// linear in the text; nothing in it is fetched or expanded.
std::optional<RadioInfo> parseRadioInfo(const QByteArray& datagram);

// A yes/no as loggers and hand-edited files write it: true, false (any
// case), 1 or 0; anything else is none.
std::optional<bool> flagFromText(const QString& text);

#endif // ZAREL_RADIOINFO_H
