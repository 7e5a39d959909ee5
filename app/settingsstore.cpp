#include "app/settingsstore.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Looks at the permission bits rather than asking the system, which says yes
// to root for any file: an operator who marks the file read-only means it.
bool markedReadOnly(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        return false;
    }
    const QFileDevice::Permissions writeBits =
        QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return (QFile::permissions(path) & writeBits) == 0;
}

} // namespace

SettingsStore::SettingsStore(const QString& path)
    : store(path, QSettings::IniFormat)
    , readOnly(markedReadOnly(path))
{
}

QVariant SettingsStore::value(const QString& key) const
{
    return store.value(key, QString());
}

void SettingsStore::setValue(const QString& key, const QVariant& value)
{
    if (readOnly) {
        refused = true;
        return;
    }
    store.setValue(key, value);
}

bool SettingsStore::sync()
{
    if (refused) {
        return false;
    }
    store.sync();
    return store.status() == QSettings::NoError;
}
