#ifndef ZAREL_REMOTEACCOUNTS_H
#define ZAREL_REMOTEACCOUNTS_H

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Who may use the browser panel: a name, a role and a salted PBKDF2 hash of
// the password, kept in users<PROFILE>.ini beside the settings file, which
// only its owner may read. The password itself is never stored.
namespace remoteaccounts {

enum class Role { Operator, Viewer };

// PBKDF2-HMAC-SHA256 with this many rounds: about a third of a second on a
// small station computer, so a stolen file costs a guesser that much per
// try. The count is stored with each hash, so it can be raised later.
constexpr int Iterations = 310000;
constexpr int SaltBytes = 16;
constexpr int KeyBytes = 32;
constexpr int MaxNameLength = 32;
constexpr int MaxPasswordBytes = 1024;

QString roleName(Role role);

// Letters, digits, '.', '_' and '-', 1 to MaxNameLength of them: a name is a
// key of the file, and is shown in the journal and on the page.
bool validName(const QString& name);

QByteArray derive(const QByteArray& password, const QByteArray& salt, int iterations);

// One stored entry: "operator pbkdf2-sha256 ROUNDS SALT HASH" (base64).
struct Entry
{
    Role role = Role::Operator;
    int iterations = Iterations;
    QByteArray salt;
    QByteArray hash;
};
QString entryText(const Entry& entry);
std::optional<Entry> parseEntry(const QString& text);
Entry makeEntry(const QByteArray& password, Role role);

// Whether `password` is the entry's, in a time that does not depend on
// where the two hashes differ. No entry: the same work is done against a
// stand-in, so a wrong name and a wrong password take as long.
bool matches(const std::optional<Entry>& entry, const QByteArray& password);

// users.ini for settings.ini, usersNAME.ini for settingsNAME.ini.
QString pathFor(const QString& settingsPath);

struct User
{
    QString name;
    Role role;
};

// The file's accounts. Reads are fresh each time, so an account added by
// `zarel-station --add-user` counts at the next login.
class Store
{
public:
    explicit Store(const QString& path)
        : path(path)
    {
    }
    QString filePath() const { return path; }

    QList<User> users() const;
    std::optional<Entry> entry(const QString& name) const;
    // Empty: done; otherwise why not.
    QString add(const QString& name, const QByteArray& password, Role role);
    QString remove(const QString& name);

private:
    QString write(const QString& name, const QString& value);
    QString path;
};

} // namespace remoteaccounts

#endif // ZAREL_REMOTEACCOUNTS_H
