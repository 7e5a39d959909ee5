#include "connection/hostlookup.h"

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
