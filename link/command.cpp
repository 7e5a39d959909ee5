#include "link/command.h"

int commandArgumentCount(quint8 type)
{
    switch (type) {
    case DeviceCommand::Antenna:
    case DeviceCommand::Rtx:
        return 1;
    case DeviceCommand::Split:
        return 3;
    case DeviceCommand::Gpo:
    case DeviceCommand::Receiver:
        return 2;
    default:
        return 0;
    }
}

QByteArray frameCommand(quint8 type, quint8 first, quint8 second, quint8 third)
{
    const quint8 arguments[3] = {first, second, third};
    const int count = commandArgumentCount(type);
    QByteArray payload;
    payload.reserve(3 + count);
    payload.append(static_cast<char>(0xFE));
    payload.append(static_cast<char>(type));
    for (int i = 0; i < count; ++i) {
        payload.append(static_cast<char>(arguments[i]));
    }
    payload.append(static_cast<char>(0xFD));
    return payload;
}

QByteArray frameCommand(const DeviceCommand& command)
{
    return frameCommand(command.type, command.first, command.second, command.third);
}

DeviceCommand deviceCommand(quint8 type, quint8 first, quint8 second, quint8 third)
{
    DeviceCommand c;
    c.type = type;
    // Only what goes on the wire counts: equal frames are equal commands.
    const int count = commandArgumentCount(type);
    c.first = count > 0 ? first : 0;
    c.second = count > 1 ? second : 0;
    c.third = count > 2 ? third : 0;
    return c;
}

DeviceCommand DeviceCommand::poll()
{
    return deviceCommand(Poll);
}

DeviceCommand DeviceCommand::antenna(quint8 position)
{
    return deviceCommand(Antenna, position);
}

DeviceCommand DeviceCommand::release()
{
    return antenna(NoAntenna);
}

DeviceCommand DeviceCommand::splitOn(quint8 receiveAntenna, quint8 transmitAntenna)
{
    return deviceCommand(Split, 1, receiveAntenna, transmitAntenna);
}

DeviceCommand DeviceCommand::splitOff()
{
    return deviceCommand(Split, 0, 0, 0);
}

DeviceCommand DeviceCommand::receiver(quint8 n)
{
    return deviceCommand(Receiver, n, 0);
}

DeviceCommand DeviceCommand::rtx()
{
    return deviceCommand(Rtx, 1);
}

DeviceCommand DeviceCommand::gpo(int index, bool on)
{
    return deviceCommand(Gpo, static_cast<quint8>(index), on ? 1 : 0);
}

namespace {

enum class Subject { None, Antenna, Split, RadioPath, Gpo };

Subject subjectOf(const DeviceCommand& command)
{
    switch (command.type) {
    case DeviceCommand::Antenna:
        return Subject::Antenna;
    case DeviceCommand::Split:
        return Subject::Split;
    case DeviceCommand::Gpo:
        return Subject::Gpo;
    case DeviceCommand::Receiver:
    case DeviceCommand::Rtx:
        return Subject::RadioPath;
    default:
        return Subject::None;
    }
}

} // namespace

bool sameSubject(const DeviceCommand& a, const DeviceCommand& b)
{
    const Subject subject = subjectOf(a);
    return subject != Subject::None && subject == subjectOf(b) && (subject != Subject::Gpo || a.first == b.first);
}

bool dependentSubjects(const DeviceCommand& a, const DeviceCommand& b)
{
    const Subject x = subjectOf(a);
    const Subject y = subjectOf(b);
    return (x == Subject::Antenna && y == Subject::Split) || (x == Subject::Split && y == Subject::Antenna);
}

bool switchesAntenna(const DeviceCommand& command)
{
    return (command.type == DeviceCommand::Antenna && command.first != DeviceCommand::NoAntenna) ||
        command.type == DeviceCommand::Split;
}

quint16 commandPort(const QString& portText)
{
    return static_cast<quint16>(portText.toInt(nullptr, 10));
}

bool isValidPort(const QString& portText)
{
    bool ok = false;
    const int port = portText.toInt(&ok, 10);
    return ok && port >= 1 && port <= 65535;
}

static CommandTap& commandTap()
{
    static CommandTap tap;
    return tap;
}

void setCommandTap(CommandTap tap)
{
    commandTap() = std::move(tap);
}

void tapCommand(const QByteArray& payload)
{
    if (commandTap()) {
        commandTap()(payload);
    }
}
