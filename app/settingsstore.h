#ifndef ZAREL_SETTINGSSTORE_H
#define ZAREL_SETTINGSSTORE_H

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

// One short-lived view of the settings file (INI format, top-level keys).
// Reads pass an empty default. Writes never damage the operator's file: a
// file marked read-only is left alone (even for root, who could write it),
// and QSettings replaces the file atomically, so a full disk leaves the old
// one intact. sync() tells whether every write reached the disk.
//
// The file is UTF-8, as editors save it. Older versions wrote only ASCII
// (other characters as \x escapes), which reads the same; a file that is not
// valid UTF-8 was saved by hand as Latin-1 and is read as before.
//
// A file not there yet may have a source (settings left beside a program
// now installed where it cannot write): it is read from the source, and
// the source is copied in place at the first write, never moved or changed.
class SettingsStore
{
public:
    explicit SettingsStore(const QString& path);

    // From now on, while `path` does not exist, its settings come from
    // `source`. An empty source forgets it.
    static void copyOnFirstWrite(const QString& path, const QString& source);

    QVariant value(const QString& key) const;
    // The value as the operator typed it. An unquoted comma makes QSettings
    // read a list, which converts to no text at all.
    QString text(const QString& key) const;
    // A value the file already holds is not written again, so a file nobody
    // changed stays as it is, byte for byte.
    void setValue(const QString& key, const QVariant& value);

    // Writes what is pending; false when the file could not be written.
    bool sync();

    QSettings& settings() { return *store; }

private:
    void useFileCodec(QSettings& settings) const;
    void open(const QString& file);
    // Puts the source's copy in place; false when it cannot be made.
    bool adoptSource();

    QString path;
    QString readFrom; // path, or the source it is copied from
    std::unique_ptr<QSettings> store;
    bool readOnly;
    // The file as it stands on disk, read once: its raw lines give hand-typed
    // lists back as typed.
    QByteArray bytes;
    bool utf8 = false;
    bool refused = false;
    bool pending = false;
};

// How the settings file's INI text reads, where QSettings gives no answer.
namespace inifile {

// The raw text after "key=" of the last top-level entry for key, following
// QSettings's rules for sections, comments, quotes and line ends; empty when
// there is none.
QByteArray rawValue(const QByteArray& data, const QByteArray& key);

// The parts QSettings split a value into, joined with the commas and blanks
// typed between them in raw; as QSettings writes a list when raw does not
// hold them all.
QString joinAsTyped(const QStringList& parts, const QByteArray& raw);

} // namespace inifile

#endif // ZAREL_SETTINGSSTORE_H
