#ifndef ZAREL_TESTS_COMMANDSUPPORT_H
#define ZAREL_TESTS_COMMANDSUPPORT_H

#include <QByteArray>
#include <QString>

#include "link/command.h"
#include "link/devicestate.h"

// The command a frame written in hex stands for, "FE0203FD" for Ant 4.
inline DeviceCommand commandFromHex(const QString& hex)
{
    const QByteArray bytes = QByteArray::fromHex(hex.toLatin1());
    const auto at = [&bytes](int i) { return i + 1 < bytes.size() ? static_cast<quint8>(bytes.at(i)) : quint8(0); };
    return deviceCommand(at(1), at(2), at(3), at(4));
}

// Ant position + 1, or RELEASE for 15.
inline DeviceCommand antenna(int position)
{
    return deviceCommand(2, static_cast<quint8>(position));
}

// What the device reports on an antenna, RTX selected.
inline DeviceState onAntenna(int position)
{
    DeviceState state;
    state.selectedAntenna = static_cast<quint8>(position);
    state.rtxActive = 1;
    return state;
}

#endif // ZAREL_TESTS_COMMANDSUPPORT_H
