#include "panel/panelspeech.h"

#include <QCoreApplication>
#include <QStringList>

#include "link/linksession.h"

namespace {

// Texts a screen reader says, in the operator's language.
class Text
{
    Q_DECLARE_TR_FUNCTIONS(PanelSpeech)
};

// "Ant 4", "20M YAGI", "selected" -> "Ant 4, 20M YAGI, selected"; empty parts left out.
QString joined(std::initializer_list<QString> parts)
{
    //: Between the parts of a key's name, as a screen reader says it ("Ant 4, 20M YAGI").
    const QString comma = Text::tr(", ");
    QString text;
    for (const QString& part : parts) {
        if (part.isEmpty()) {
            continue;
        }
        if (!text.isEmpty()) {
            text += comma;
        }
        text += part;
    }
    return text;
}

// Only a lit lamp says so, as only a selected antenna does: a lamp that is
// off reads the same before the first report and after it, so the report
// that brings the panel to life does not rename fifty keys at once (screen
// readers drop what comes in such a flood, announcements included).
QString lit(bool known, bool on)
{
    return known && on ? Text::tr("on") : QString();
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

namespace {

QString linkPhrase(const PanelSpeechInput& in)
{
    switch (in.link) {
    case PanelSpeechInput::Link::Off:
        return Text::tr("not connected");
    case PanelSpeechInput::Link::Silent:
        return Text::tr("no answer");
    case PanelSpeechInput::Link::Up:
        break;
    }
    return in.roundTripMs >= 0 ? Text::tr("link up, ping %1 ms").arg(in.roundTripMs) : Text::tr("link up");
}

} // namespace

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
            joined({QStringLiteral("Ant %1").arg(i + 1), spokenCaption(in.antennaCaptions[i]), state, busy,
                    in.antennaHeadings[i]});
        speech.names[indicator::Busy + i] =
            joined({QStringLiteral("BUSY %1").arg(i + 1), lit(known, antennaBusy(s, i))});
    }
    QString split = lit(known, s.splitActive == 1);
    if (in.flags.splitConfigPending) {
        split = Text::tr("choose the receive antenna");
    }
    speech.names[indicator::Split] = joined({QStringLiteral("SPLIT"), split});
    speech.names[indicator::Send] = joined({QStringLiteral("SEND"), lit(known, s.sendActive == 1)});
    for (int i = 0; i < group::Rotors; ++i) {
        QString rotor = lit(known, bit(s.rotorStates, i));
        if (known && bit(s.rotorStates, i) && s.rotorBlink == 1) {
            rotor = Text::tr("blinking");
        }
        speech.names[indicator::Rotor + i] = joined({QStringLiteral("RT %1").arg(i + 1), rotor});
    }
    speech.names[indicator::Rtx] = joined({QStringLiteral("RTX"), lit(known, s.rtxActive == 1)});
    for (int i = 0; i < group::Receivers; ++i) {
        const bool on = s.rxActive == 1 && rxIndex(s.selectedRx) == i;
        speech.names[indicator::Rx + i] = joined({QStringLiteral("RX %1").arg(i + 1), lit(known, on)});
    }
    for (int i = 0; i < group::Gpis; ++i) {
        speech.names[indicator::Gpi + i] = joined(
            {QStringLiteral("GPI %1").arg(i + 1), spokenCaption(in.gpiCaptions[i]), lit(known, bit(s.gpiStates, i))});
    }
    for (int i = 0; i < group::Gpos; ++i) {
        speech.names[indicator::Gpo + i] = joined(
            {QStringLiteral("GPO %1").arg(i + 1), spokenCaption(in.gpoCaptions[i]), lit(known, bit(s.gpoStates, i))});
    }
    speech.release = QStringLiteral("RELEASE");
    speech.power = joined({QStringLiteral("POWER"), linkPhrase(in)});
    return speech;
}

namespace {

QString antennaPhrase(const PanelSpeechInput& in, int i, bool inSplit = false)
{
    if (i < 0) {
        return inSplit ? Text::tr("no antenna") : Text::tr("No antenna");
    }
    return joined({QStringLiteral("Ant %1").arg(i + 1), spokenCaption(in.antennaCaptions[i]), in.antennaHeadings[i]});
}

// The antennas as the operator needs them: one, or the two roles of split.
QString antennasPhrase(const PanelSpeechInput& in)
{
    const DeviceState& s = in.state;
    if (s.splitActive == 1) {
        return Text::tr("SPLIT on: transmit %1; receive %2")
            .arg(antennaPhrase(in, antennaIndex(s.selectedAntenna), true),
                 antennaPhrase(in, antennaIndex(s.splitRxAntenna), true));
    }
    return antennaPhrase(in, antennaIndex(s.selectedAntenna));
}

// RTX, RX 1..4: the one that receives, if any (-1 none, 0 RTX, 1..4 RX n).
int receivePath(const DeviceState& s)
{
    if (s.rtxActive == 1) {
        return 0;
    }
    return s.rxActive == 1 ? rxIndex(s.selectedRx) + 1 : -1;
}

QString receivePhrase(int path)
{
    if (path < 0) {
        return QString();
    }
    return joined({path == 0 ? QStringLiteral("RTX") : QStringLiteral("RX %1").arg(path), Text::tr("on")});
}

QString outputPhrase(const PanelSpeechInput& in, int i)
{
    const bool on = bit(in.state.gpoStates, i);
    return joined(
        {QStringLiteral("GPO %1").arg(i + 1), spokenCaption(in.gpoCaptions[i]), on ? Text::tr("on") : Text::tr("off")});
}

// "Ant 4 and Ant 9 in use elsewhere"; empty when none is.
QString busyPhrase(const DeviceState& s)
{
    QStringList names;
    for (int i = 0; i < group::Antennas; ++i) {
        if (antennaBusy(s, i)) {
            names << QStringLiteral("Ant %1").arg(i + 1);
        }
    }
    if (names.isEmpty()) {
        return QString();
    }
    const QString last = names.takeLast();
    const QString all = names.isEmpty() ? last : Text::tr("%1 and %2").arg(names.join(Text::tr(", ")), last);
    return Text::tr("%1 in use elsewhere").arg(all);
}

} // namespace

QString spokenTogether(const QStringList& parts)
{
    //: Between the changes said together, as a screen reader says them.
    return parts.join(Text::tr(". "));
}

QString spokenRadio(const QString& figures)
{
    // A middle dot is read out as a word, or not at all.
    QString text = figures;
    return text.replace(QStringLiteral(" \u00b7 "), Text::tr(", "));
}

bool radioHeard(const QString& figures)
{
    return figures.contains(QLatin1String(" MHz"));
}

PanelChange panelChange(const PanelSpeechInput& before, const PanelSpeechInput& after)
{
    PanelChange change;
    if (!after.stateKnown || !after.confirmed) {
        return change;
    }
    const DeviceState& a = after.state;
    const DeviceState& b = before.state;
    const bool first = !before.stateKnown;
    QStringList parts;
    const auto tell = [&change](int i) {
        if (i >= 0) {
            change.told.set(indicator::Antenna + i);
        }
    };
    const bool split = a.splitActive == 1;
    const bool splitBefore = b.splitActive == 1 && !first;
    const int tx = antennaIndex(a.selectedAntenna);
    const int rx = split ? antennaIndex(a.splitRxAntenna) : -1;
    const int txBefore = antennaIndex(b.selectedAntenna);
    const int rxBefore = splitBefore ? antennaIndex(b.splitRxAntenna) : -1;
    if (first || split != splitBefore || tx != txBefore || rx != rxBefore) {
        if (!split && splitBefore) {
            parts << Text::tr("SPLIT off: %1").arg(antennaPhrase(after, tx, true));
        } else {
            parts << antennasPhrase(after);
        }
        for (int i : {tx, rx, txBefore, rxBefore}) {
            tell(i);
        }
        if (split != splitBefore) {
            change.told.set(indicator::Split);
        }
    }
    const int path = receivePath(a);
    const int pathBefore = first ? -1 : receivePath(b);
    if (path != pathBefore) {
        if (path >= 0) {
            parts << receivePhrase(path);
        } else if (pathBefore >= 0) {
            parts << joined(
                {pathBefore == 0 ? QStringLiteral("RTX") : QStringLiteral("RX %1").arg(pathBefore), Text::tr("off")});
        }
        for (int p : {path, pathBefore}) {
            if (p >= 0) {
                change.told.set(p == 0 ? indicator::Rtx : indicator::Rx + p - 1);
            }
        }
    }
    // The antenna in use taken by another station as well: its BUSY lamp
    // alone would go unheard.
    for (int i : {tx, rx}) {
        if (!first && i >= 0 && antennaBusy(a, i) && !antennaBusy(b, i)) {
            parts << Text::tr("Ant %1 is now in use elsewhere too").arg(i + 1);
            tell(i);
        }
    }
    for (int i = 0; i < group::Gpos; ++i) {
        // Coming to know the device: only the outputs that are on.
        const bool on = bit(a.gpoStates, i);
        if (first ? on : on != bit(b.gpoStates, i)) {
            parts << outputPhrase(after, i);
            change.told.set(indicator::Gpo + i);
        }
    }
    change.text = spokenTogether(parts);
    return change;
}

QString panelSummary(const PanelSpeechInput& in, const QString& radio)
{
    QStringList parts;
    const DeviceState& s = in.state;
    if (in.stateKnown) {
        parts << antennasPhrase(in);
        if (s.splitActive != 1) {
            parts << joined({QStringLiteral("SPLIT"), Text::tr("off")});
        }
        if (in.flags.waitingAntenna >= 0) {
            parts << LinkSession::waitText(in.flags.waitingAntenna);
        }
        const QString busy = busyPhrase(s);
        if (!busy.isEmpty()) {
            parts << busy;
        }
        parts << joined({QStringLiteral("SEND"), s.sendActive == 1 ? Text::tr("on") : Text::tr("off")});
        const QString path = receivePhrase(receivePath(s));
        if (!path.isEmpty()) {
            parts << path;
        }
        for (int i = 0; i < group::Gpos; ++i) {
            if (bit(s.gpoStates, i)) {
                parts << outputPhrase(in, i);
            }
        }
    } else if (in.link != PanelSpeechInput::Link::Off) {
        parts << Text::tr("No state from the Merax");
    }
    if (!radio.isEmpty()) {
        parts << spokenRadio(radio);
    }
    parts << linkPhrase(in);
    return spokenTogether(parts);
}
