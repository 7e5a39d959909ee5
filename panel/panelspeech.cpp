#include "panel/panelspeech.h"

#include <QCoreApplication>

namespace {

// Texts a screen reader says, in the operator's language.
class Text
{
    Q_DECLARE_TR_FUNCTIONS(PanelSpeech)
};

// "Ant 4", "20M YAGI", "selected" -> "Ant 4, 20M YAGI, selected"; empty parts left out.
QString joined(std::initializer_list<QString> parts)
{
    QString text;
    for (const QString& part : parts) {
        if (part.isEmpty()) {
            continue;
        }
        if (!text.isEmpty()) {
            text += QStringLiteral(", ");
        }
        text += part;
    }
    return text;
}

QString onOff(bool known, bool on)
{
    if (!known) {
        return QString();
    }
    return on ? Text::tr("on") : Text::tr("off");
}

bool bit(quint8 mask, int i)
{
    return (mask & (1u << i)) != 0;
}

QString antennaState(const DeviceState& s, int i)
{
    if (s.splitActive == 1) {
        if (antennaIndex(s.selectedAntenna) == i) {
            return Text::tr("transmit antenna (split)");
        }
        if (antennaIndex(s.splitRxAntenna) == i) {
            return Text::tr("receive antenna (split)");
        }
        return QString();
    }
    return antennaIndex(s.selectedAntenna) == i ? Text::tr("selected") : QString();
}

bool antennaBusy(const DeviceState& s, int i)
{
    return i < 8 ? bit(s.busyMask1to8, i) : bit(s.busyMask9to12, i - 8);
}

} // namespace

qint64 roundTripToSay(qint64 said, qint64 measured)
{
    if (said < 0 || measured < 0) {
        return measured;
    }
    // A name change is read out when the key has the focus: small swings of
    // the median are not worth it.
    return qAbs(measured - said) > qMax<qint64>(10, said / 4) ? measured : said;
}

QString spokenCaption(const QString& caption)
{
    return caption.simplified();
}

PanelSpeech panelSpeech(const PanelSpeechInput& in)
{
    PanelSpeech speech;
    const DeviceState& s = in.state;
    const bool known = in.stateKnown;
    for (int i = 0; i < group::Antennas; ++i) {
        QString state = known ? antennaState(s, i) : QString();
        if (known && state.isEmpty() && in.flags.waitingAntenna == i) {
            state = Text::tr("waits for the end of the transmission");
        }
        const QString busy = known && antennaBusy(s, i) ? Text::tr("busy elsewhere") : QString();
        speech.names[indicator::Antenna + i] =
            joined({QStringLiteral("Ant %1").arg(i + 1), spokenCaption(in.antennaCaptions[i]), state, busy});
        speech.names[indicator::Busy + i] =
            joined({QStringLiteral("BUSY %1").arg(i + 1), onOff(known, antennaBusy(s, i))});
    }
    QString split = onOff(known, s.splitActive == 1);
    if (in.flags.splitConfigPending) {
        split = Text::tr("choose the receive antenna");
    }
    speech.names[indicator::Split] = joined({QStringLiteral("SPLIT"), split});
    speech.names[indicator::Send] = joined({QStringLiteral("SEND"), onOff(known, s.sendActive == 1)});
    for (int i = 0; i < group::Rotors; ++i) {
        QString rotor = onOff(known, bit(s.rotorStates, i));
        if (known && bit(s.rotorStates, i) && s.rotorBlink == 1) {
            rotor = Text::tr("blinking");
        }
        speech.names[indicator::Rotor + i] = joined({QStringLiteral("RT %1").arg(i + 1), rotor});
    }
    speech.names[indicator::Rtx] = joined({QStringLiteral("RTX"), onOff(known, s.rtxActive == 1)});
    for (int i = 0; i < group::Receivers; ++i) {
        const bool on = s.rxActive == 1 && rxIndex(s.selectedRx) == i;
        speech.names[indicator::Rx + i] = joined({QStringLiteral("RX %1").arg(i + 1), onOff(known, on)});
    }
    for (int i = 0; i < group::Gpis; ++i) {
        speech.names[indicator::Gpi + i] = joined(
            {QStringLiteral("GPI %1").arg(i + 1), spokenCaption(in.gpiCaptions[i]), onOff(known, bit(s.gpiStates, i))});
    }
    for (int i = 0; i < group::Gpos; ++i) {
        speech.names[indicator::Gpo + i] = joined(
            {QStringLiteral("GPO %1").arg(i + 1), spokenCaption(in.gpoCaptions[i]), onOff(known, bit(s.gpoStates, i))});
    }
    speech.release = QStringLiteral("RELEASE");
    QString link;
    switch (in.link) {
    case PanelSpeechInput::Link::Off:
        link = Text::tr("not connected");
        break;
    case PanelSpeechInput::Link::Silent:
        link = Text::tr("no answer");
        break;
    case PanelSpeechInput::Link::Up:
        link = in.roundTripMs >= 0 ? Text::tr("link up, ping %1 ms").arg(in.roundTripMs) : Text::tr("link up");
        break;
    }
    speech.power = joined({QStringLiteral("POWER"), link});
    return speech;
}
