#ifndef ZAREL_SETTINGSSTORE_H
#define ZAREL_SETTINGSSTORE_H

#include <QIODevice>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

// One short-lived view of the settings file (INI format: top-level keys and
// the [BandFollow] group). Reads pass an empty default. QSettings reads and
// writes the text, guarded where Qt 5.15 fails:
// - a change writes its own keys over the file as it stands, under the
//   file's lock, so another copy's changes stay; a live lock is waited for
//   LockWaitMs at most, a dead copy's (or an empty one) taken over at once;
// - QSettings writes a scratch file, read back and compared; the old file is
//   replaced only once all of the new one is on disk, so a full disk or a
//   read-only file (even for root) leaves it whole;
// - other than ASCII goes to disk as escapes (QSettings' UTF-8 drops what
//   lies beyond the BMP); a hand-edited UTF-8 file reads right, a value
//   whose bytes are not UTF-8 is read as Latin-1, alone;
// - a value reads as typed (an unquoted comma makes no list), and what
//   QSettings would decode (@Variant, @Rect, ...) is never decoded, as a
//   crafted one exhausts memory: Zarel stores only texts, numbers and flags.
// Comments in a hand-edited file are not kept. A value longer than
// MaxValueChars reads as missing; a file larger than MaxFileBytes is neither
// read nor written.
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

    // What a write came to; true when the file holds the changes.
    struct Written
    {
        Failure failure = Failure::None;
        QString notice; // for the operator, when it failed
        explicit operator bool() const { return failure == Failure::None; }
    };

    explicit SettingsStore(const QString& path);
    QString filePath() const { return path; }

    // From now on, while `path` does not exist, its settings come from
    // `source`. An empty source forgets it.
    static void copyOnFirstWrite(const QString& path, const QString& source);

    // Always a text: as typed in the file, or as set.
    QVariant value(const QString& key) const { return text(key); }
    QString text(const QString& key) const;
    bool contains(const QString& key) const;
    // Every key the file holds, usable or not.
    QStringList keys() const { return file.values.keys(); }
    void setValue(const QString& key, const QVariant& value);

    // Writes what is pending. A file that already holds it is not written.
    Written sync();
    Failure failure() const { return failed; }

    // What reading found: keys whose values are too long to be used, that
    // QSettings would have decoded, that were read as Latin-1; a file too
    // large to be read.
    QStringList tooLongKeys() const;
    QStringList unusableKeys() const { return file.unusable; }
    QStringList latin1Keys() const { return file.latin1; }
    bool tooLarge() const { return oversized; }

    // A file's values as this store reads them.
    struct Reading
    {
        QMap<QString, QString> values;
        QStringList unusable;
        QStringList latin1;
        bool ok = true; // false: the scratch copy QSettings reads could not be made
    };
    static Reading read(const QByteArray& bytes);

private:
    Written fail(Failure why, const QString& reason = QString());

    QString path;
    Reading file;
    QMap<QString, QString> changes;
    bool readOnly;
    bool oversized = false;
    Failure failed = Failure::None;
};

// Test seam: hands the new file's text to the file being written, as
// QIODevice::write does (bytes written, or -1). An empty function restores
// the plain write.
using SettingsWriter = std::function<qint64(QIODevice& file, const QByteArray& text)>;
void setSettingsWriter(SettingsWriter writer);

// What the operator should know of how the file was read: what could not be
// used, and, once per file, values read as Latin-1. Empty: nothing.
QString settingsReadingNotice(const SettingsStore& settings);

#endif // ZAREL_SETTINGSSTORE_H
