#ifndef ZAREL_RADIOINFO_H
#define ZAREL_RADIOINFO_H

#include <QByteArray>
#include <QtGlobal>

#include <optional>

// What a contest logger broadcasts about one of its radios, one XML document
// per UDP datagram:
//
//   <RadioInfo><RadioNr>1</RadioNr><Freq>1407400</Freq>
//              <IsTransmitting>False</IsTransmitting> ...</RadioInfo>
//
// Freq counts tens of hertz. Other elements are ignored.
struct RadioInfo
{
    int radioNr = 0;
    qint64 frequencyHz = 0;
    std::optional<bool> transmitting; // absent when the logger did not say
};

// A RadioInfo document with a radio number and a frequency above zero; any
// other text, broken XML and other loggers' messages give none. Work is
// linear in the text; nothing in it is fetched or expanded.
std::optional<RadioInfo> parseRadioInfo(const QByteArray& datagram);

// A yes/no as loggers and hand-edited files write it: true, false (any
// case), 1 or 0; anything else is none.
std::optional<bool> flagFromText(const QString& text);

#endif // ZAREL_RADIOINFO_H
