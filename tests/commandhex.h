#ifndef ZAREL_TESTS_COMMANDHEX_H
#define ZAREL_TESTS_COMMANDHEX_H

#include <QByteArray>
#include <QString>

#include "link/command.h"

// The command a frame written in hex stands for, "FE0203FD" for Ant 4.
inline DeviceCommand commandFromHex(const QString& hex)
{
    const QByteArray bytes = QByteArray::fromHex(hex.toLatin1());
    const auto at = [&bytes](int i) { return i + 1 < bytes.size() ? static_cast<quint8>(bytes.at(i)) : quint8(0); };
    return deviceCommand(at(1), at(2), at(3), at(4));
}

#endif // ZAREL_TESTS_COMMANDHEX_H
