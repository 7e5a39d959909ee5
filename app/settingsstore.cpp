#include "app/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QSettings>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cctype>

#ifdef Q_OS_UNIX
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <io.h>
#endif

namespace {

// Looks at the permission bits rather than asking the system, which says yes
// to root for any file: an operator who marks the file read-only means it.
bool markedReadOnly(const QString& path)
{
    // Not WriteUser: Qt fills that one in by asking the system.
    const QFileDevice::Permissions writeBits =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return QFileInfo::exists(path) && (QFile::permissions(path) & writeBits) == 0;
}

// A missing file holds nothing; false for one there that cannot be read.
bool readBytes(const QString& path, QByteArray* bytes, QString* reason = nullptr)
{
    bytes->clear();
    QFile file(path);
    if (!file.exists()) {
        return true;
    }
    if (file.open(QIODevice::ReadOnly)) {
        *bytes = file.readAll();
    }
    if (reason != nullptr) {
        *reason = file.errorString();
    }
    return file.error() == QFileDevice::NoError;
}

bool isBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r';
}

bool isLineEnd(char ch)
{
    return ch == '\n' || ch == '\r';
}

// The next line as QSettings' reader takes it (quotes and a backslash carry
// it over line ends, ';' ends it, a ';' opening it makes a comment): from
// `start`, `size` bytes long, its first '=' outside quotes at `equals`.
struct Line
{
    int start = 0;
    int size = 0;
    int equals = -1;
};

bool nextLine(const QByteArray& data, int& pos, Line& line)
{
    const int size = data.size();
    bool quoted = false;
    line.equals = -1;
    line.start = pos;
    while (line.start < size && isBlank(data.at(line.start))) {
        ++line.start;
    }
    int i = line.start;
    while (i < size) {
        const char ch = data.at(i++);
        if (ch == '=' && !quoted && line.equals < 0) {
            line.equals = i - 1;
        } else if (isLineEnd(ch) && i == line.start + 1) {
            ++line.start;
        } else if (ch == '\\' && i < size) {
            const char next = data.at(i++);
            if (i < size && isLineEnd(next) && isLineEnd(data.at(i)) && next != data.at(i)) {
                ++i;
            }
        } else if (ch == '"') {
            quoted = !quoted;
        } else if (ch == ';' && i == line.start + 1) {
            while (i < size && !isLineEnd(data.at(i))) {
                ++i;
            }
            while (i < size && isBlank(data.at(i))) {
                ++i;
            }
            line.start = i;
        } else if ((ch == ';' || isLineEnd(ch)) && !quoted) {
            --i;
            break;
        }
    }
    pos = i;
    line.size = i - line.start;
    return line.size > 0;
}

void addEscape(QByteArray& out, uint code)
{
    out += "\\x" + QByteArray::number(code, 16);
}

// A value QSettings reads as the text typed, never as a list nor as
// something to decode: other than ASCII and unquoted commas as escapes (a
// hex digit after one escaped too), and a mark in front, \a for UTF-8 or \b
// for Latin-1, so no value starts with '@'.
QByteArray preparedValue(const QByteArray& raw)
{
    const bool utf8 = QString::fromUtf8(raw).toUtf8() == raw;
    const QString value = utf8 ? QString::fromUtf8(raw) : QString::fromLatin1(raw);
    QByteArray out;
    int i = 0;
    while (i < value.size() && (value.at(i) == QLatin1Char(' ') || value.at(i) == QLatin1Char('\t'))) {
        out += char(value.at(i++).unicode());
    }
    out += utf8 ? "\\a" : "\\b";
    bool quoted = false;
    bool afterEscape = false;
    for (; i < value.size(); ++i) {
        const uint ch = value.at(i).unicode();
        const bool hexDigit = ch < 0x80 && std::isxdigit(int(ch));
        if (ch >= 0x80 || (afterEscape && hexDigit) || (ch == ',' && !quoted)) {
            addEscape(out, ch);
            afterEscape = true;
            continue;
        }
        afterEscape = false;
        out += char(ch);
        if (ch == '"') {
            quoted = !quoted;
        } else if (ch == '\\' && i + 1 < value.size() && value.at(i + 1).unicode() < 0x80) {
            out += char(value.at(++i).unicode());
        } else if (ch == '\\' && i + 1 < value.size()) {
            out.chop(1); // an escape of nothing QSettings knows: dropped
        }
    }
    return out;
}

// The file as QSettings reads it safely: no byte order mark (it would make
// QSettings write UTF-8, which drops characters beyond the BMP), each value
// prepared, and a section header without ']' closed, as QSettings would
// otherwise look for one to the end of the file.
QByteArray prepared(const QByteArray& file)
{
    const QByteArray data = file.startsWith("\xef\xbb\xbf") ? file.mid(3) : file;
    QByteArray out;
    out.reserve(data.size() + data.size() / 8);
    int pos = 0;
    int copied = 0;
    Line line;
    while (nextLine(data, pos, line)) {
        const int end = line.start + line.size;
        const bool section = data.at(line.start) == '[';
        const int value = section || line.equals < 0 ? end : line.equals + 1;
        out += data.mid(copied, value - copied);
        if (value < end || (!section && line.equals >= 0)) {
            out += preparedValue(data.mid(value, end - value));
        } else if (section && !QByteArray::fromRawData(data.constData() + line.start, line.size).contains(']')) {
            out += ']';
        }
        copied = end;
    }
    return out + data.mid(copied);
}

// A value QSettings would decode (@ByteArray and @String hold a text).
bool decodedByQSettings(QString& text)
{
    static const QRegularExpression marker(
        QStringLiteral("^@(ByteArray|String|Variant|DateTime|Rect|Size|Point|Invalid)\\("));
    const QString kind = text.endsWith(QLatin1Char(')')) ? marker.match(text).captured(1) : QString();
    const bool holdsText = kind == QLatin1String("ByteArray") || kind == QLatin1String("String");
    if (holdsText) {
        text = text.mid(kind.size() + 2).chopped(1);
    } else if (kind.isEmpty() && text.startsWith(QLatin1String("@@"))) {
        text.remove(0, 1);
    }
    return !kind.isEmpty() && !holdsText && (kind != QLatin1String("Invalid") || text == QLatin1String("@Invalid()"));
}

// A text that reads back the same written as a list is written as one:
// "20m=4, 9, 2", the way a person types it, not quoted.
QVariant asWritten(const QString& text)
{
    const QStringList parts = text.split(QStringLiteral(", "));
    const bool plain = parts.size() > 1 && std::all_of(parts.begin(), parts.end(), [](const QString& part) {
                           return !part.isEmpty() && part.at(0) > QLatin1Char(' ') && part.at(0) != QLatin1Char('@') &&
                               part.back() > QLatin1Char(' ');
                       });
    return plain ? QVariant(parts) : QVariant(text);
}

QString asText(const QVariant& value)
{
    const bool list = value.userType() == QMetaType::QStringList || value.userType() == QMetaType::QVariantList;
    return list ? value.toStringList().join(QStringLiteral(", ")) : value.toString();
}

// The file QSettings writes for these values; null when it fails.
QByteArray writtenByQSettings(const QMap<QString, QString>& values)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("settings.ini"));
    QByteArray bytes;
    if (!dir.isValid()) {
        return bytes;
    }
    {
        QSettings settings(name, QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            settings.setValue(it.key(), asWritten(it.value()));
        }
        settings.sync();
        if (settings.status() != QSettings::NoError || !readBytes(name, &bytes)) {
            return QByteArray();
        }
    }
    return bytes.isNull() ? QByteArray("") : bytes;
}

// Settings files and where they come from until they exist. GUI thread only.
QHash<QString, QString>& sources()
{
    static QHash<QString, QString> map;
    return map;
}

QString sourceOf(const QString& path)
{
    const QString source = sources().value(QDir::cleanPath(path));
    return !source.isEmpty() && !QFileInfo::exists(path) && QFileInfo(source).isFile() ? source : path;
}

SettingsWriter& replacementWriter()
{
    static SettingsWriter writer;
    return writer;
}

// The lock QSettings takes to write the file, so older versions of the
// program respect it too; QSettings itself would wait for it for 30 s.
bool takeLock(QLockFile& lock)
{
    QElapsedTimer waited;
    waited.start();
    do {
        if (lock.tryLock(0)) {
            return true;
        }
        if (lock.error() != QLockFile::LockFailedError) {
            return false;
        }
        // QLockFile takes over the lock of an owner that has died. One that
        // names no owner was left by a copy killed while it took the lock: a
        // live owner holds the file locked from the start, so only a dead
        // one's can be removed.
        qint64 pid = 0;
        QString host;
        QString program;
        if (!lock.getLockInfo(&pid, &host, &program) && lock.removeStaleLockFile()) {
            continue;
        }
        QThread::msleep(5);
    } while (waited.elapsed() < SettingsStore::LockWaitMs);
    return false;
}

// Replaces the file only once the whole text is on disk. A write into the
// buffer succeeds on a full disk; the flush, the sync and the size tell.
bool writeWhole(const QString& path, const QByteArray& text, QString* reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *reason = file.errorString();
        return false;
    }
    const SettingsWriter& writer = replacementWriter();
    const qint64 written = writer ? writer(file, text) : file.write(text);
    bool whole = written == text.size() && file.flush();
#ifdef Q_OS_UNIX
    whole = whole && ::fsync(file.handle()) == 0;
#elif defined(Q_OS_WIN)
    whole = whole && ::_commit(file.handle()) == 0;
#endif
    whole = whole && file.size() == text.size();
    *reason = file.error() != QFileDevice::NoError ? file.errorString() : QString();
    if (!whole) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

void setSettingsWriter(SettingsWriter writer)
{
    replacementWriter() = std::move(writer);
}

SettingsStore::SettingsStore(const QString& path)
    : path(path)
    , readOnly(markedReadOnly(path))
{
    const QString from = sourceOf(path);
    oversized = QFileInfo(from).size() > MaxFileBytes;
    QByteArray bytes;
    if (!oversized && readBytes(from, &bytes)) {
        file = read(bytes);
    }
}

void SettingsStore::copyOnFirstWrite(const QString& path, const QString& source)
{
    if (source.isEmpty()) {
        sources().remove(QDir::cleanPath(path));
    } else {
        sources().insert(QDir::cleanPath(path), source);
    }
}

SettingsStore::Reading SettingsStore::read(const QByteArray& bytes)
{
    Reading reading;
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("settings.ini"));
    const QByteArray text = prepared(bytes);
    QFile copy(name);
    if (!dir.isValid() || !copy.open(QIODevice::WriteOnly) || copy.write(text) != text.size() || !copy.flush()) {
        reading.ok = false;
        return reading;
    }
    copy.close();
    const QSettings settings(name, QSettings::IniFormat);
    for (const QString& key : settings.allKeys()) {
        const QVariant value = settings.value(key);
        QString text = value.toString();
        // Every value carries the mark; one without was read otherwise.
        const bool marked = value.userType() == QMetaType::QString &&
            (text.startsWith(QLatin1Char('\a')) || text.startsWith(QLatin1Char('\b')));
        if (marked && text.at(0) == QLatin1Char('\b')) {
            reading.latin1.append(key);
        }
        text.remove(0, marked ? 1 : 0);
        if (!marked || decodedByQSettings(text)) {
            reading.unusable.append(key);
        }
        reading.values.insert(key, text);
    }
    return reading;
}

QString SettingsStore::text(const QString& key) const
{
    const auto change = changes.constFind(key);
    if (change != changes.cend()) {
        return *change;
    }
    return contains(key) ? file.values.value(key) : QString();
}

bool SettingsStore::contains(const QString& key) const
{
    const auto value = file.values.constFind(key);
    return changes.contains(key) ||
        (value != file.values.cend() && value->size() <= MaxValueChars && !file.unusable.contains(key));
}

QStringList SettingsStore::tooLongKeys() const
{
    QStringList keys;
    for (auto it = file.values.cbegin(); it != file.values.cend(); ++it) {
        if (it->size() > MaxValueChars) {
            keys.append(it.key());
        }
    }
    return keys;
}

void SettingsStore::setValue(const QString& key, const QVariant& value)
{
    const QString given = asText(value);
    if (readOnly || oversized || given.size() > MaxValueChars) {
        failed = readOnly ? Failure::Unwritable : oversized ? Failure::TooLarge : Failure::TooLong;
        return;
    }
    changes.insert(key, given);
}

SettingsStore::Written SettingsStore::sync()
{
    if (failed != Failure::None) {
        return fail(failed);
    }
    if (changes.isEmpty()) {
        return {};
    }
    const QString target = QFileInfo(path).absoluteFilePath();
    if (!QDir().mkpath(QFileInfo(target).absolutePath())) {
        return fail(Failure::Unwritable);
    }
    QLockFile lock(target + QStringLiteral(".lock"));
    if (!takeLock(lock)) {
        return fail(lock.error() == QLockFile::LockFailedError ? Failure::Busy : Failure::Unwritable);
    }
    // The file as it is now: another copy may have written since it was read.
    const QString from = sourceOf(path);
    QByteArray bytes;
    QString reason;
    if (QFileInfo(from).size() > MaxFileBytes) {
        return fail(Failure::TooLarge);
    }
    if (!readBytes(from, &bytes, &reason)) {
        return fail(Failure::Unwritable, reason);
    }
    Reading now = read(bytes);
    // Unread, the file's other keys would be written away with it.
    if (!now.ok) {
        return fail(Failure::Unwritable, QStringLiteral("the file could not be read back"));
    }
    QMap<QString, QString> merged = now.values;
    for (auto it = changes.cbegin(); it != changes.cend(); ++it) {
        merged.insert(it.key(), it.value());
    }
    if (merged != now.values) {
        const QByteArray text = writtenByQSettings(merged);
        if (text.size() > MaxFileBytes) {
            return fail(Failure::TooLarge);
        }
        // QSettings says nothing of a file it could not write whole.
        now = read(text);
        if (text.isNull() || now.values != merged) {
            return fail(Failure::Unwritable, QStringLiteral("the file written did not read back the same"));
        }
        if (!writeWhole(target, text, &reason)) {
            return fail(Failure::Unwritable, reason);
        }
    }
    changes.clear();
    file = now;
    return {};
}

SettingsStore::Written SettingsStore::fail(Failure why, const QString& reason)
{
    failed = why;
    const QString name = QDir::toNativeSeparators(path);
    static const char* const notices[] = {
        QT_TRANSLATE_NOOP("MainWindow", "Settings NOT saved: %1 is read-only or the disk is full."),
        QT_TRANSLATE_NOOP("MainWindow", "Settings NOT saved: another Zarel is writing %1. Try again."),
        QT_TRANSLATE_NOOP("MainWindow", "Settings NOT saved: a text is longer than %1 characters."),
        QT_TRANSLATE_NOOP("MainWindow", "Settings NOT saved: %1 is larger than %2 MB.")};
    QString notice = QCoreApplication::translate("MainWindow", notices[qMax(0, int(why) - 1)]);
    notice = why == Failure::TooLong ? notice.arg(MaxValueChars) : notice.arg(name);
    if (why == Failure::TooLarge) {
        notice = notice.arg(MaxFileBytes / (1024 * 1024));
    }
    // The system's own words, when it gave some; else what the disk has left
    // when that cannot hold the file.
    QString detail = reason == QLatin1String("Unknown error") ? QString() : reason;
    const QStorageInfo disk(QFileInfo(path).absolutePath());
    if (why == Failure::Unwritable && detail.isEmpty() && disk.bytesAvailable() < QFileInfo(path).size() + 4096) {
        detail = QStringLiteral("%1 kB free").arg(disk.bytesAvailable() / 1024);
    }
    if (!detail.isEmpty()) {
        notice += QStringLiteral(" (") + detail + QLatin1Char(')');
    }
    return {why, notice};
}

// Latin-1 is told once per file and process.
QString settingsReadingNotice(const SettingsStore& settings)
{
    static QSet<QString> toldLatin1;
    QStringList notices;
    if (settings.tooLarge()) {
        notices << QCoreApplication::translate("MainWindow", "Settings not read: the file is larger than %1 MB")
                       .arg(SettingsStore::MaxFileBytes / (1024 * 1024));
    }
    const QStringList tooLong = settings.tooLongKeys();
    if (!tooLong.isEmpty()) {
        notices << QCoreApplication::translate("MainWindow", "Settings ignore %1: longer than %2 characters")
                       .arg(tooLong.join(QStringLiteral(", ")))
                       .arg(SettingsStore::MaxValueChars);
    }
    const QStringList unusable = settings.unusableKeys();
    if (!unusable.isEmpty()) {
        notices << QCoreApplication::translate("MainWindow", "Settings ignore %1: not a text, number or flag")
                       .arg(unusable.join(QStringLiteral(", ")));
    }
    const QStringList latin1 = settings.latin1Keys();
    if (!latin1.isEmpty() && !toldLatin1.contains(settings.filePath())) {
        toldLatin1.insert(settings.filePath());
        notices << QCoreApplication::translate("MainWindow", "Settings: %1 read as Latin-1, not UTF-8")
                       .arg(latin1.join(QStringLiteral(", ")));
    }
    return notices.join(QStringLiteral("  \u00b7  "));
}
