#include "app/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QSaveFile>
#include <QSet>
#include <QThread>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <io.h>
#endif

#include "app/settingskeys.h"

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

// A missing file holds nothing; false for one there that cannot be read.
bool readBytes(const QString& path, QByteArray* bytes)
{
    bytes->clear();
    QFile file(path);
    if (!file.exists()) {
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    *bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool isList(const QVariant& value)
{
    return value.userType() == QMetaType::QStringList || value.userType() == QMetaType::QVariantList;
}

// The keys the program reads as text. A flag or a number typed with a comma
// is left alone: stored as text it would read otherwise.
QStringList textKeys()
{
    QStringList keys {settingskey::Host, settingskey::Port, settingskey::StationId};
    for (int n = 1; n <= group::Antennas; ++n) {
        keys.append(settingskey::antennaCaption(n));
    }
    for (int n = 1; n <= group::Gpis; ++n) {
        keys.append(settingskey::gpiCaption(n));
    }
    for (int n = 1; n <= group::Gpos; ++n) {
        keys.append(settingskey::gpoCaption(n));
    }
    return keys;
}

// An entry's value as the operator typed it: a list joined as in the file.
QString typedText(const inifile::Document& document, const inifile::Entry& entry)
{
    if (!isList(entry.value)) {
        return entry.value.toString();
    }
    return inifile::joinAsTyped(entry.value.toStringList(),
                                document.data().mid(entry.rawStart, entry.rawEnd - entry.rawStart));
}

bool hasChange(const QVector<inifile::Change>& changes, const QString& key)
{
    return std::any_of(changes.begin(), changes.end(),
                       [&key](const inifile::Change& change) { return change.first == key; });
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

SettingsStore::Failure& lastFailure()
{
    static SettingsStore::Failure failure = SettingsStore::Failure::None;
    return failure;
}

// The lock QSettings takes to write the file, so older versions of the
// program respect it too.
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
bool writeWhole(const QString& path, const QByteArray& text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
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
    read(sourceOf(path));
}

void SettingsStore::copyOnFirstWrite(const QString& path, const QString& source)
{
    if (source.isEmpty()) {
        sources().remove(QDir::cleanPath(path));
    } else {
        sources().insert(QDir::cleanPath(path), source);
    }
}

void SettingsStore::read(const QString& file)
{
    readFrom = file;
    oversized = QFileInfo(file).size() > MaxFileBytes;
    QByteArray bytes;
    if (!oversized && !readBytes(file, &bytes)) {
        bytes.clear();
    }
    document = inifile::Document(bytes);
}

const inifile::Document& SettingsStore::view() const
{
    if (unread) {
        document = inifile::Document(written);
        written.clear();
        unread = false;
    }
    return document;
}

const inifile::Entry* SettingsStore::usable(const QString& key) const
{
    const inifile::Entry* entry = view().find(key);
    return entry != nullptr && entry->chars <= MaxValueChars ? entry : nullptr;
}

QVariant SettingsStore::value(const QString& key) const
{
    for (auto change = changes.crbegin(); change != changes.crend(); ++change) {
        if (change->first == key) {
            return change->second;
        }
    }
    const inifile::Entry* entry = usable(key);
    return entry != nullptr ? entry->value : QVariant(QString());
}

QString SettingsStore::text(const QString& key) const
{
    const inifile::Entry* entry = hasChange(changes, key) ? nullptr : usable(key);
    if (entry != nullptr) {
        return typedText(view(), *entry);
    }
    const QVariant set = value(key);
    return isList(set) ? set.toStringList().join(QStringLiteral(", ")) : set.toString();
}

bool SettingsStore::contains(const QString& key) const
{
    return hasChange(changes, key) || usable(key) != nullptr;
}

void SettingsStore::setValue(const QString& key, const QVariant& value)
{
    if (readOnly) {
        fail(Failure::Unwritable);
        return;
    }
    if (oversized) {
        fail(Failure::TooLarge);
        return;
    }
    const QString given = isList(value) ? value.toStringList().join(QStringLiteral(", ")) : value.toString();
    if (given.size() > MaxValueChars) {
        fail(Failure::TooLong);
        return;
    }
    // Rewritten, an older file's \x escapes would turn into UTF-8.
    if (contains(key) && inifile::writtenAsText(value) && text(key) == value.toString()) {
        return;
    }
    changes.append({key, value});
}

void SettingsStore::fail(Failure why)
{
    failed = why;
    lastFailure() = why;
}

bool SettingsStore::sync()
{
    if (failed != Failure::None) {
        lastFailure() = failed;
        return false;
    }
    if (changes.isEmpty()) {
        return true;
    }
    const QString file = QFileInfo(path).absoluteFilePath();
    if (!QDir().mkpath(QFileInfo(file).absolutePath())) {
        fail(Failure::Unwritable);
        return false;
    }
    QLockFile lock(file + QStringLiteral(".lock"));
    if (!takeLock(lock)) {
        fail(lock.error() == QLockFile::LockFailedError ? Failure::Busy : Failure::Unwritable);
        return false;
    }
    // The file as it is now: another copy may have written since it was read.
    const QString from = sourceOf(path);
    if (QFileInfo(from).size() > MaxFileBytes) {
        fail(Failure::TooLarge);
        return false;
    }
    QByteArray bytes;
    if (!readBytes(from, &bytes)) {
        fail(Failure::Unwritable);
        return false;
    }
    // Read again only when it changed: a large file takes a while.
    const inifile::Document now = from == readFrom && bytes == view().data() ? view() : inifile::Document(bytes);
    QVector<inifile::Change> writes;
    for (const inifile::Change& change : changes) {
        const inifile::Entry* entry = now.find(change.first);
        if (entry == nullptr || !inifile::writtenAsText(change.second) ||
            typedText(now, *entry) != change.second.toString()) {
            writes.append(change);
        }
    }
    if (writes.isEmpty()) {
        changes.clear();
        readFrom = from;
        document = now;
        return true;
    }
    // What older versions wrote as escapes, or an editor saved as Latin-1,
    // goes out as UTF-8 with the same text. Listed before the changes, so a
    // key spelled in another case (Windows) still takes the new value.
    QSet<QString> changed;
    for (const inifile::Change& change : writes) {
        changed.insert(inifile::keyAsCompared(change.first));
    }
    QVector<inifile::Change> reencoded;
    for (const inifile::Entry* entry : now.entries()) {
        if ((entry->latin1 || entry->escapedBeyondAscii) && !changed.contains(inifile::keyAsCompared(entry->key))) {
            const bool asText = isList(entry->value) && textKeys().contains(entry->key);
            reencoded.append({entry->key, asText ? QVariant(typedText(now, *entry)) : entry->value});
        }
    }
    const QByteArray text = now.edited(reencoded + writes);
    if (text.size() > MaxFileBytes) {
        fail(Failure::TooLarge);
        return false;
    }
    if (!writeWhole(file, text)) {
        fail(Failure::Unwritable);
        return false;
    }
    changes.clear();
    readFrom = path;
    written = text;
    unread = true;
    return true;
}

QString SettingsStore::failureNotice(const QString& path)
{
    const QString file = QDir::toNativeSeparators(path);
    switch (lastFailure()) {
    case Failure::Busy:
        return QCoreApplication::translate("MainWindow", "Settings NOT saved: another Zarel is writing %1. Try again.")
            .arg(file);
    case Failure::TooLong:
        return QCoreApplication::translate("MainWindow", "Settings NOT saved: a text is longer than %1 characters.")
            .arg(MaxValueChars);
    case Failure::TooLarge:
        return QCoreApplication::translate("MainWindow", "Settings NOT saved: %1 is larger than %2 MB.")
            .arg(file)
            .arg(MaxFileBytes / (1024 * 1024));
    default:
        return QCoreApplication::translate("MainWindow", "Settings NOT saved: %1 is read-only or the disk is full.")
            .arg(file);
    }
}

QStringList SettingsStore::tooLongKeys() const
{
    QStringList keys;
    for (const inifile::Entry* entry : view().entries()) {
        if (entry->chars > MaxValueChars) {
            keys.append(entry->key);
        }
    }
    return keys;
}

QStringList SettingsStore::latin1Keys() const
{
    QStringList keys;
    for (const inifile::Entry* entry : view().entries()) {
        if (entry->latin1 && entry->chars <= MaxValueChars) {
            keys.append(entry->key);
        }
    }
    return keys;
}
