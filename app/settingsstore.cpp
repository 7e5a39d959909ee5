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
    // Not WriteUser: Qt fills that one in by asking the system.
    const QFileDevice::Permissions writeBits =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
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
    if (store.status() == QSettings::FormatError) {
        // QSettings keeps reporting a flaw of the file as it was read, even
        // after writing it out cleanly. A fresh view shares the pending
        // changes, retries any that are still unwritten and says how that went.
        QSettings fresh(store.fileName(), QSettings::IniFormat);
        fresh.sync();
        return fresh.status() == QSettings::NoError;
    }
    return store.status() == QSettings::NoError;
}
