#ifndef ZAREL_SETTINGSSTORE_H
#define ZAREL_SETTINGSSTORE_H

#include <QSettings>
#include <QString>
#include <QVariant>

// One short-lived view of the settings file (INI format, top-level keys).
// Reads pass an empty default. Writes never damage the operator's file: a
// file marked read-only is left alone (even for root, who could write it),
// and QSettings replaces the file atomically, so a full disk leaves the old
// one intact. sync() tells whether every write reached the disk.
class SettingsStore
{
public:
    explicit SettingsStore(const QString& path);

    QVariant value(const QString& key) const;
    void setValue(const QString& key, const QVariant& value);

    // Writes what is pending; false when the file could not be written.
    bool sync();

    QSettings& settings() { return store; }

private:
    QSettings store;
    bool readOnly;
    bool refused = false;
};

#endif // ZAREL_SETTINGSSTORE_H
