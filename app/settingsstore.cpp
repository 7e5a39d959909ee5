#include "app/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringList>
#include <QTextCodec>

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

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool isUtf8(const QByteArray& bytes)
{
    QTextCodec::ConverterState state;
    QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

bool isList(const QVariant& value)
{
    return value.userType() == QMetaType::QStringList || value.userType() == QMetaType::QVariantList;
}

// Types QSettings writes as their toString() text.
bool writtenAsText(const QVariant& value)
{
    switch (value.userType()) {
    case QMetaType::QString:
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
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

bool isBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

bool isLineEnd(char ch)
{
    return ch == '\n' || ch == '\r';
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

} // namespace

QByteArray inifile::rawValue(const QByteArray& data, const QByteArray& key)
{
    QByteArray found;
    bool topLevel = true;
    const int size = data.size();
    int i = data.startsWith("\xef\xbb\xbf") ? 3 : 0;
    while (i < size) {
        while (i < size && (isBlank(data.at(i)) || isLineEnd(data.at(i)))) {
            ++i;
        }
        if (i < size && data.at(i) == ';') {
            while (i < size && data.at(i) != '\n') {
                ++i;
            }
            continue;
        }
        // A line ends at an unquoted line end or ';'; a backslash keeps the
        // next character (a line end, with its partner) in the line.
        const int start = i;
        int equals = -1;
        bool quoted = false;
        for (; i < size; ++i) {
            const char ch = data.at(i);
            if (ch == '\\') {
                if (++i + 1 < size && isLineEnd(data.at(i)) && isLineEnd(data.at(i + 1)) &&
                    data.at(i) != data.at(i + 1)) {
                    ++i;
                }
            } else if (ch == '"') {
                quoted = !quoted;
            } else if (!quoted && (isLineEnd(ch) || ch == ';')) {
                break;
            } else if (ch == '=' && !quoted && equals < 0) {
                equals = i;
            }
        }
        i = qMin(i, size);
        if (start == i) {
            continue;
        }
        if (data.at(start) == '[') {
            const int close = data.indexOf(']', start);
            const int end = close >= 0 && close < i ? close : i;
            topLevel = qstricmp(data.mid(start + 1, end - start - 1).trimmed().constData(), "general") == 0;
            continue;
        }
        if (!topLevel || equals < 0) {
            continue;
        }
        int keyEnd = equals;
        while (keyEnd > start && isBlank(data.at(keyEnd - 1))) {
            --keyEnd;
        }
        if (data.mid(start, keyEnd - start) == key) {
            found = data.mid(equals + 1, i - equals - 1);
        }
    }
    return found;
}

QString inifile::joinAsTyped(const QStringList& parts, const QByteArray& raw)
{
    QString text = parts.value(0);
    int next = 1;
    bool quoted = false;
    int i = 0;
    while (i < raw.size() && isBlank(raw.at(i))) {
        ++i;
    }
    for (int last = i; i < raw.size(); ++i) {
        const char ch = raw.at(i);
        if (ch == '\\') {
            ++i;
        } else if (ch == '"') {
            quoted = !quoted;
        } else if (ch == ',' && !quoted && next < parts.size()) {
            // QSettings drops the blanks around the comma, but a quoted part
            // may keep those before it; blanks at the very end go.
            const bool keptBlank = text.endsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char('\t'));
            int before = i;
            while (!keptBlank && before > last && isBlank(raw.at(before - 1))) {
                --before;
            }
            last = i + 1;
            while (last < raw.size() && isBlank(raw.at(last))) {
                ++last;
            }
            const int end = last < raw.size() ? last : i + 1;
            text += QString::fromLatin1(raw.mid(before, end - before)) + parts.at(next++);
            i = last - 1;
        }
    }
    return next == parts.size() ? text : parts.join(QStringLiteral(", "));
}

SettingsStore::SettingsStore(const QString& path)
    : path(path)
    , readOnly(markedReadOnly(path))
{
    open(sourceOf(path));
}

void SettingsStore::copyOnFirstWrite(const QString& path, const QString& source)
{
    if (source.isEmpty()) {
        sources().remove(QDir::cleanPath(path));
    } else {
        sources().insert(QDir::cleanPath(path), source);
    }
}

void SettingsStore::open(const QString& file)
{
    readFrom = file;
    bytes = fileBytes(file);
    utf8 = isUtf8(bytes);
    store = std::make_unique<QSettings>(file, QSettings::IniFormat);
    useFileCodec(*store);
}

bool SettingsStore::adoptSource()
{
    const QString source = readFrom;
    QDir().mkpath(QFileInfo(path).absolutePath());
    // The copy keeps the source's bits: a read-only original must not make
    // the operator's own copy read-only.
    if (!QFile::copy(source, path) ||
        !QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        return false;
    }
    open(path);
    return true;
}

void SettingsStore::useFileCodec(QSettings& settings) const
{
    // Without a codec QSettings reads and writes Latin-1.
    if (utf8) {
        settings.setIniCodec("UTF-8");
    }
}

QVariant SettingsStore::value(const QString& key) const
{
    return store->value(key, QString());
}

QString SettingsStore::text(const QString& key) const
{
    const QVariant stored = value(key);
    if (!isList(stored)) {
        return stored.toString();
    }
    return inifile::joinAsTyped(stored.toStringList(), inifile::rawValue(bytes, key.toUtf8()));
}

void SettingsStore::setValue(const QString& key, const QVariant& value)
{
    if (readOnly) {
        refused = true;
        return;
    }
    // Rewritten, an older file's \x escapes would turn into UTF-8.
    if (store->contains(key) && writtenAsText(value) && text(key) == value.toString()) {
        return;
    }
    if (readFrom != path && !adoptSource()) {
        refused = true;
        return;
    }
    store->setValue(key, value);
    pending = true;
}

bool SettingsStore::sync()
{
    if (refused) {
        return false;
    }
    if (readFrom != path) {
        return true; // nothing written: the source stays as it is
    }
    if (pending) {
        // QSettings rewrites the whole file, a hand-typed "a , b" as its list
        // "a, b"; stored as one text it reads back as typed.
        for (const QString& key : textKeys()) {
            if (isList(store->value(key))) {
                store->setValue(key, text(key));
            }
        }
    }
    store->sync();
    bool written = store->status() == QSettings::NoError;
    if (store->status() == QSettings::FormatError) {
        // QSettings keeps reporting a flaw of the file as it was read, even
        // after writing it out cleanly. A fresh view shares the pending
        // changes, retries any that are still unwritten and says how that went.
        QSettings fresh(store->fileName(), QSettings::IniFormat);
        useFileCodec(fresh);
        fresh.sync();
        written = fresh.status() == QSettings::NoError;
    }
    bytes = fileBytes(store->fileName());
    return written;
}
