#ifndef ZAREL_PANELSPEECH_H
#define ZAREL_PANELSPEECH_H

// What a screen reader says for every key and lamp of the panel, worked out
// without widgets from the same state the panel is painted from: the state
// goes into the name ("Ant 4, 20M YAGI, selected"), since on the screen it
// is only a colour. The key labels printed on the device (Ant, BUSY, SPLIT,
// RX) are said in English in every language, as they read.

#include <QString>
#include <QStringList>

#include <array>
#include <bitset>

#include "panel/panellooks.h"

struct PanelSpeechInput
{
    DeviceState state;
    // False while the panel shows nothing of the device (no report for too
    // long): names then carry no state.
    bool stateKnown = false;
    PanelFlags flags;
    std::array<QString, group::Antennas> antennaCaptions;
    // Where an antenna on a rotator points, as said ("45°", "turning to
    // 135°"); empty when it has none or the rotator does not tell.
    std::array<QString, group::Antennas> antennaHeadings;
    std::array<QString, group::Gpis> gpiCaptions;
    std::array<QString, group::Gpos> gpoCaptions;
    // False while the panel shows a command the device has not confirmed.
    bool confirmed = true;
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

// What an operator who does not see the panel is told when it changes, as
// one short text (empty: nothing worth saying). Lamps that only show the
// station's activity (GPI, BUSY, rotors, SEND) are left to the summary; a
// panel that comes to know the device says its antennas and what is on.
// Said only of what the device confirmed: `before` is the panel as last told.
struct PanelChange
{
    QString text;
    std::bitset<indicator::Count> told; // the keys the text speaks of
};
PanelChange panelChange(const PanelSpeechInput& before, const PanelSpeechInput& after);

// Texts said together, one after the other.
QString spokenTogether(const QStringList& parts);

// The radio as the status bar shows it ("14.200 MHz · 20 m"), as it is said.
QString spokenRadio(const QString& figures);

// Whether the radio's figures name a frequency: the source is heard.
bool radioHeard(const QString& figures);

// The whole state at the operator's request: antennas, waiting switch, SEND,
// receive path, outputs that are on, the radio (`radio`, as the status bar
// shows it) and the link.
QString panelSummary(const PanelSpeechInput& input, const QString& radio);

// The round trip the POWER key names: the one said before, until the
// measured one strays from it by more than a quarter (at least 10 ms).
qint64 roundTripToSay(qint64 said, qint64 measured);

// A caption as it is said: its lines and runs of blanks become one blank.
QString spokenCaption(const QString& caption);

#endif // ZAREL_PANELSPEECH_H
