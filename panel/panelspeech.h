#ifndef ZAREL_PANELSPEECH_H
#define ZAREL_PANELSPEECH_H

// What a screen reader says for every key and lamp of the panel, worked out
// without widgets from the same state the panel is painted from: the state
// goes into the name ("Ant 4, 20M YAGI, selected"), since on the screen it
// is only a colour. The key labels printed on the device (Ant, BUSY, SPLIT,
// RX) are said in English in every language, as they read.

#include <QString>

#include <array>

#include "panel/panellooks.h"

struct PanelSpeechInput
{
    DeviceState state;
    // False while the panel shows nothing of the device (no report for too
    // long): names then carry no state.
    bool stateKnown = false;
    PanelFlags flags;
    std::array<QString, group::Antennas> antennaCaptions;
    std::array<QString, group::Gpis> gpiCaptions;
    std::array<QString, group::Gpos> gpoCaptions;
    enum class Link { Off, Up, Silent } link = Link::Off;
    qint64 roundTripMs = -1; // -1: not measured yet
};

struct PanelSpeech
{
    std::array<QString, indicator::Count> names; // in the order of panel/panellooks.h
    QString release;
    QString power;
};

PanelSpeech panelSpeech(const PanelSpeechInput& input);

// The round trip the POWER key names: the one said before, until the
// measured one strays from it by more than a quarter (at least 10 ms).
qint64 roundTripToSay(qint64 said, qint64 measured);

// A caption as it is said: its lines and runs of blanks become one blank.
QString spokenCaption(const QString& caption);

#endif // ZAREL_PANELSPEECH_H
