#include "connection/remoteaccounts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QRegularExpression>

#include "app/settingsstore.h"

namespace remoteaccounts {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Remote)
};

const QString usersGroup = QStringLiteral("Users/");
const QString scheme = QStringLiteral("pbkdf2-sha256");

// Fewer rounds than this in a file is a file someone edited to be weak.
constexpr int LeastIterations = 10000;
constexpr int MostIterations = 100000000;

} // namespace

QString roleName(Role role)
{
    return role == Role::Viewer ? QStringLiteral("viewer") : QStringLiteral("operator");
}

bool validName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9._-]{1,%1}$").arg(MaxNameLength));
    return pattern.match(name).hasMatch();
}

QByteArray derive(const QByteArray& password, const QByteArray& salt, int iterations)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password, salt, iterations, KeyBytes);
}

QString entryText(const Entry& entry)
{
    return QStringList {roleName(entry.role), scheme, QString::number(entry.iterations),
                        QString::fromLatin1(entry.salt.toBase64()), QString::fromLatin1(entry.hash.toBase64())}
        .join(QLatin1Char(' '));
}

std::optional<Entry> parseEntry(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 5 || parts[1] != scheme) {
        return std::nullopt;
    }
    Entry entry;
    if (parts[0] == roleName(Role::Viewer)) {
        entry.role = Role::Viewer;
    } else if (parts[0] != roleName(Role::Operator)) {
        return std::nullopt;
    }
    bool number = false;
    entry.iterations = parts[2].toInt(&number);
    const auto salt = QByteArray::fromBase64Encoding(parts[3].toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    const auto hash = QByteArray::fromBase64Encoding(parts[4].toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!number || entry.iterations < LeastIterations || entry.iterations > MostIterations || !salt ||
        salt.decoded.size() < 8 || !hash || hash.decoded.size() != KeyBytes) {
        return std::nullopt;
    }
    entry.salt = salt.decoded;
    entry.hash = hash.decoded;
    return entry;
}

Entry makeEntry(const QByteArray& password, Role role)
{
    Entry entry;
    entry.role = role;
    entry.salt.resize(SaltBytes);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(entry.salt.data()), SaltBytes / 4);
    entry.hash = derive(password, entry.salt, entry.iterations);
    return entry;
}

bool matches(const std::optional<Entry>& entry, const QByteArray& password)
{
    static const Entry standIn {Role::Viewer, Iterations, QByteArray(SaltBytes, 's'), QByteArray(KeyBytes, 'h')};
    const Entry& against = entry ? *entry : standIn;
    const QByteArray hash = derive(password.left(MaxPasswordBytes), against.salt, against.iterations);
    unsigned char differ = hash.size() == against.hash.size() ? 0 : 1;
    for (int i = 0; i < hash.size() && i < against.hash.size(); ++i) {
        differ |= static_cast<unsigned char>(hash[i] ^ against.hash[i]);
    }
    return entry && differ == 0 && password.size() <= MaxPasswordBytes;
}

QString pathFor(const QString& settingsPath)
{
    const QFileInfo settings(settingsPath);
    QString base = settings.completeBaseName();
    base = base.startsWith(QLatin1String("settings")) ? QStringLiteral("users") + base.mid(8)
                                                      : QStringLiteral("users-") + base;
    return settings.dir().filePath(base + QStringLiteral(".ini"));
}

QList<User> Store::users() const
{
    const SettingsStore file(path);
    QList<User> found;
    for (const QString& key : file.keys()) {
        if (!key.startsWith(usersGroup)) {
            continue;
        }
        const QString name = key.mid(usersGroup.size());
        if (const auto entry = parseEntry(file.text(key)); entry && validName(name)) {
            found.append({name, entry->role});
        }
    }
    return found;
}

std::optional<Entry> Store::entry(const QString& name) const
{
    if (!validName(name)) {
        return std::nullopt;
    }
    return parseEntry(SettingsStore(path).text(usersGroup + name));
}

QString Store::add(const QString& name, const QByteArray& password, Role role)
{
    if (!validName(name)) {
        return remoteaccounts::Text::tr("A user name is 1 to %1 letters, digits, '.', '_' or '-'").arg(MaxNameLength);
    }
    if (password.isEmpty()) {
        return remoteaccounts::Text::tr("The password is empty");
    }
    if (password.size() > MaxPasswordBytes) {
        return remoteaccounts::Text::tr("The password is longer than %1 bytes").arg(MaxPasswordBytes);
    }
    return write(name, entryText(makeEntry(password, role)));
}

QString Store::remove(const QString& name)
{
    if (!entry(name)) {
        return remoteaccounts::Text::tr("There is no user %1").arg(name);
    }
    // The store keeps keys: an empty entry is no account.
    return write(name, QString());
}

QString Store::write(const QString& name, const QString& value)
{
    // Made for its owner alone before anything is in it; the store's
    // replacement keeps the permissions of the file it replaces.
    if (!QFileInfo::exists(path)) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
            return remoteaccounts::Text::tr("%1 cannot be written: %2").arg(path, file.errorString());
        }
    }
    SettingsStore store(path);
    store.setValue(usersGroup + name, value);
    const SettingsStore::Written written = store.sync();
    return written ? QString() : written.notice;
}

} // namespace remoteaccounts
