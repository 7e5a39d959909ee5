#ifndef ZAREL_SETTINGSSTORE_H
#define ZAREL_SETTINGSSTORE_H

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>

#include "app/inifile.h"

// One short-lived view of the settings file (INI format: top-level keys and
// the [BandFollow] group). Reads pass an empty default.
//
// Writes never damage the operator's file:
// - a change writes its own keys over the file as it stands when written,
//   under the file's lock, so what another copy of the program wrote in the
//   meantime stays; every other line stays as it is, unknown keys included;
// - the new text goes to a temporary file that replaces the old one only once
//   all of it is on disk (written, flushed, its size checked): a full disk
//   leaves the old file, and sync() says so;
// - a file marked read-only is left alone (even for root, who could write it);
// - a lock another copy holds is waited for a moment only; one left by a
//   copy that died is taken over at once.
//
// The file is UTF-8, as editors save it. Older versions wrote only ASCII
// (other characters as \x escapes), which reads the same; a value that is not
// UTF-8 was saved by hand as Latin-1 and is read so, alone. Both are written
// out as UTF-8 at the next change to the file.
//
// Values no use needs are refused, so a hostile file cannot stall the panel:
// a value longer than MaxValueChars reads as missing, a file larger than
// MaxFileBytes is neither read nor written.
//
// A file not there yet may have a source (settings left beside a program
// now installed where it cannot write): it is read from the source, and
// the source is copied in place at the first write, never moved or changed.
class SettingsStore
{
public:
    static constexpr int MaxValueChars = 500;
    static constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;
    // How long a write waits for another copy's lock.
    static constexpr int LockWaitMs = 200;

    enum class Failure { None, Unwritable, Busy, TooLong, TooLarge };

    explicit SettingsStore(const QString& path);
    QString filePath() const { return path; }

    // From now on, while `path` does not exist, its settings come from
    // `source`. An empty source forgets it.
    static void copyOnFirstWrite(const QString& path, const QString& source);

    QVariant value(const QString& key) const;
    // The value as the operator typed it. An unquoted comma makes QSettings
    // read a list, which converts to no text at all.
    QString text(const QString& key) const;
    bool contains(const QString& key) const;
    // A value the file already holds is not written again, so a file nobody
    // changed stays as it is, byte for byte.
    void setValue(const QString& key, const QVariant& value);

    // Writes what is pending; false when the file could not be written.
    bool sync();
    Failure failure() const { return failed; }
    // The operator's notice for the last write that failed in this program.
    static QString failureNotice(const QString& path);

    // What reading found: keys whose values are too long to be used, keys
    // whose values were read as Latin-1, a file too large to be read.
    QStringList tooLongKeys() const;
    QStringList latin1Keys() const;
    bool tooLarge() const { return oversized; }

private:
    void read(const QString& file);
    // The file as last read or written.
    const inifile::Document& view() const;
    const inifile::Entry* usable(const QString& key) const;
    void fail(Failure why);

    QString path;
    QString readFrom; // path, or the source it is copied from
    mutable inifile::Document document;
    mutable QByteArray written; // read only when asked for
    mutable bool unread = false;
    QVector<inifile::Change> changes;
    bool readOnly;
    bool oversized = false;
    Failure failed = Failure::None;
};

// Test seam: hands the new file's text to the file being written, as
// QIODevice::write does (bytes written, or -1). An empty function restores
// the plain write.
using SettingsWriter = std::function<qint64(QIODevice& file, const QByteArray& text)>;
void setSettingsWriter(SettingsWriter writer);

#endif // ZAREL_SETTINGSSTORE_H
