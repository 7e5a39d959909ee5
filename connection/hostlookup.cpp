#include "connection/hostlookup.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QHostInfo>

const QString unresolvedAddress = QStringLiteral("error");

QString hostFromSetting(const QString& setting)
{
    static const QString prefix = QStringLiteral("http://");
    return setting.startsWith(prefix) ? setting.mid(prefix.size()) : setting;
}

QString addressFromLookup(const QHostInfo& info)
{
    if (info.error() != QHostInfo::NoError || info.addresses().isEmpty()) {
        return unresolvedAddress;
    }
    return info.addresses().constFirst().toString();
}

bool isIpAddress(const QString& host)
{
    return !QHostAddress(host.trimmed()).isNull();
}

QString directIpProblem(const QString& host)
{
    return QCoreApplication::translate("formLanCFG",
                                       "\"Directly use IP\" is ticked, but \"%1\" is not an IP address. Enter the "
                                       "Merax's IP address, or untick \"Directly use IP\" to look the name up.")
        .arg(host);
}

namespace {

QString noHostText()
{
    return QCoreApplication::translate("MainWindow", "No Merax set: File \u203a LAN Settings");
}

const QString hostNotFoundText = QStringLiteral("HOST error: check LAN Settings!");

} // namespace

QString hostComplaint(const QString& host)
{
    return host.trimmed().isEmpty() ? noHostText() : hostNotFoundText;
}

bool isHostComplaint(const QString& message)
{
    return message == hostNotFoundText || message == noHostText();
}

QHostAddress plainAddress(const QHostAddress& address)
{
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    return isV4 ? QHostAddress(v4) : address;
}
