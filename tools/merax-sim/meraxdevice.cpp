#include "meraxdevice.h"

#include <QStringList>

namespace {

constexpr char startByte = char(0xFE);
constexpr char endByte = char(0xFD);
constexpr quint8 noAntenna = 15;

// Datagram length of each known type (start, type, arguments, end); 0 = unknown.
int expectedLength(quint8 type)
{
    switch (type) {
    case 1:
        return 3;
    case 2:
    case 6:
        return 4;
    case 4:
    case 5:
        return 5;
    case 3:
        return 6;
    default:
        return 0;
    }
}

bool isPosition(quint8 p)
{
    return p < 12 || p == noAntenna;
}

QString positionName(quint8 p)
{
    return p == noAntenna ? QStringLiteral("none") : QString::number(p + 1);
}

QString hex(unsigned value)
{
    return QString::number(value, 16).toUpper();
}

} // namespace

ActivityFrame activityFrame(int step)
{
    step %= activityStepCount;
    if (step < 0) {
        step += activityStepCount;
    }
    ActivityFrame frame;
    // Inputs: one walks across the eight, a pause, an alternating pattern,
    // all at once, quiet.
    if (step < 8) {
        frame.gpiActive = quint8(1u << step);
    } else if (step >= 12 && step < 20) {
        frame.gpiActive = step % 2 == 0 ? 0x55 : 0xAA;
    } else if (step == 20 || step == 21) {
        frame.gpiActive = 0xFF;
    }
    // One busy antenna walks round the twelve; in the second half another
    // one follows half a turn behind, so every antenna is busy at some point.
    frame.busy = quint16(1u << (step % 12));
    if (step >= 12) {
        frame.busy |= quint16(1u << ((step + 6) % 12));
    }
    // Two transmissions of four seconds each.
    frame.sending = (step >= 4 && step < 8) || (step >= 16 && step < 20);
    // A rotor sweeps over its indicators, then sits at both end stops
    // blinking, then rests.
    if (step < 16) {
        frame.rotors = quint8(1u << (step % 8));
    } else if (step < 22) {
        frame.rotors = 0x81;
        frame.rotorBlink = true;
    }
    return frame;
}

MeraxDevice::Outcome MeraxDevice::handle(const QByteArray& datagram)
{
    if (datagram.isEmpty()) {
        return reject(QStringLiteral("empty"));
    }
    if (datagram.at(0) != startByte) {
        return reject(QStringLiteral("wrong start byte"));
    }
    if (datagram.size() < 3) {
        return reject(QStringLiteral("too short"));
    }
    const quint8 type = quint8(datagram.at(1));
    const int length = expectedLength(type);
    if (length == 0) {
        return reject(QStringLiteral("unknown type %1").arg(type));
    }
    if (datagram.size() != length) {
        return reject(QStringLiteral("type %1 takes %2 bytes, got %3").arg(type).arg(length).arg(datagram.size()));
    }
    if (datagram.at(length - 1) != endByte) {
        return reject(QStringLiteral("wrong end byte"));
    }
    if (type == 1) {
        ++m_requests;
        return {Kind::StatusRequest, QStringLiteral("status request"), report().toLatin1()};
    }
    if (type == 2 && m_refusedAntenna >= 0 && quint8(datagram.at(2)) == m_refusedAntenna) {
        ++m_refused;
        const QString side = m_state.splitActive ? QStringLiteral("receive antenna ") : QStringLiteral("antenna ");
        return {Kind::Refused, side + QString::number(m_refusedAntenna + 1), {}};
    }
    const QString meaning = execute(datagram);
    if (meaning.isEmpty()) {
        return reject(QStringLiteral("argument out of range"));
    }
    ++m_commands;
    return {Kind::Command, meaning, {}};
}

MeraxDevice::Outcome MeraxDevice::describe(const QByteArray& datagram) const
{
    MeraxDevice scratch = *this; // the copy carries it out, this one stays as it was
    Outcome outcome = scratch.handle(datagram);
    outcome.reply.clear();
    return outcome;
}

MeraxDevice::Outcome MeraxDevice::reject(const QString& reason)
{
    ++m_malformed;
    return {Kind::Malformed, QStringLiteral("malformed: ") + reason, {}};
}

QString MeraxDevice::execute(const QByteArray& d)
{
    const auto arg = [&d](int i) { return quint8(d.at(2 + i)); };
    switch (quint8(d.at(1))) {
    case 2:
        if (!isPosition(arg(0))) {
            return {};
        }
        if (m_state.splitActive) {
            m_state.splitRxAntenna = arg(0);
            return QStringLiteral("receive antenna ") + positionName(arg(0));
        }
        m_state.antenna = arg(0);
        return arg(0) == noAntenna ? QStringLiteral("release") : QStringLiteral("antenna ") + positionName(arg(0));
    case 3:
        if (arg(0) == 0 && arg(1) == 0 && arg(2) == 0) {
            // The transmit antenna stays where it was.
            m_state.splitActive = false;
            m_state.splitRxAntenna = 0;
            return QStringLiteral("split off");
        }
        if (arg(0) != 1 || !isPosition(arg(1)) || !isPosition(arg(2))) {
            return {};
        }
        m_state.splitActive = true;
        m_state.splitRxAntenna = arg(1);
        m_state.antenna = arg(2);
        return QStringLiteral("split on, receive antenna %1, transmit antenna %2")
            .arg(positionName(arg(1)), positionName(arg(2)));
    case 4:
        if (arg(0) > 7 || arg(1) > 1) {
            return {};
        }
        if (arg(1) == 1) {
            m_state.gpoOn |= quint8(1u << arg(0));
        } else {
            m_state.gpoOn &= quint8(~(1u << arg(0)));
        }
        return QStringLiteral("GPO %1 %2").arg(arg(0) + 1).arg(arg(1) == 1 ? "on" : "off");
    case 5:
        if (arg(0) < 1 || arg(0) > 4 || arg(1) != 0) {
            return {};
        }
        m_state.receiver = arg(0);
        return QStringLiteral("RX %1").arg(arg(0));
    case 6:
        if (arg(0) != 1) {
            return {};
        }
        m_state.receiver = 0;
        return QStringLiteral("RTX");
    default:
        return {};
    }
}

QString MeraxDevice::report() const
{
    const MeraxState& s = m_state;
    const QStringList fields {
        hex(s.antenna),
        QString::number(s.splitActive ? 1 : 0),
        QString::number(onAir() ? 1 : 0),
        hex(s.splitRxAntenna),
        QString::number(s.receiver == 0 ? 1 : 0),
        QString::number(s.receiver != 0 ? 1 : 0),
        hex(quint8(~s.gpiActive)),
        hex(s.gpoOn),
        hex(quint8(~s.busy)),
        hex(~unsigned(s.busy >> 8) & 0x0Fu),
        hex(s.rotors),
        hex(s.rotorBlink ? 1 : 0),
        QStringLiteral("FF"),
    };
    return fields.join(QLatin1Char('.'));
}

void MeraxDevice::applyActivity(const ActivityFrame& frame)
{
    m_state.gpiActive = frame.gpiActive;
    m_state.busy = frame.busy & 0x0FFF;
    m_state.sending = frame.sending;
    m_state.rotors = frame.rotors;
    m_state.rotorBlink = frame.rotorBlink;
}

QString hexDump(const QByteArray& bytes)
{
    constexpr int shown = 16;
    QString text = QString::fromLatin1(bytes.left(shown).toHex(' ').toUpper());
    if (bytes.size() > shown) {
        text += QStringLiteral(" ... (%1 bytes)").arg(bytes.size());
    }
    return text;
}
