#ifndef ZAREL_REMOTESESSIONS_H
#define ZAREL_REMOTESESSIONS_H

#include <QByteArray>
#include <QHash>
#include <QString>

#include <deque>
#include <optional>

#include "connection/remoteaccounts.h"

// The rules of the browser panel's logins, on a clock the caller gives
// (milliseconds), so they can be tried without waiting.
namespace remotesessions {

constexpr qint64 SessionMs = 12LL * 3600 * 1000;
constexpr int FailuresAllowed = 5; // from one address, within ThrottleWindowMs
constexpr qint64 ThrottleWindowMs = 60 * 1000;
constexpr int MaxSessions = 1000;

struct Session
{
    QString user;
    remoteaccounts::Role role = remoteaccounts::Role::Viewer;
    qint64 expires = 0;
};

// Logged-in sessions by their token: 32 random bytes, as 43 characters of
// base64url, so a cookie carries it as it is.
class Sessions
{
public:
    QByteArray open(const QString& user, remoteaccounts::Role role, qint64 now);
    // The session a cookie's token names, unless it has expired.
    std::optional<Session> find(const QByteArray& token, qint64 now);
    void close(const QByteArray& token);
    // Every session of `user` (the account was removed or changed).
    QList<QByteArray> closeUser(const QString& user);
    // Sessions past their time; they are forgotten.
    QList<QByteArray> expire(qint64 now);
    int count() const { return sessions.size(); }

private:
    QHash<QByteArray, Session> sessions;
};

// Failed logins by address: once FailuresAllowed fail within the window,
// further tries from that address are refused unheard until the oldest of
// them is a window old.
class Throttle
{
public:
    bool allowed(const QString& address, qint64 now);
    void failed(const QString& address, qint64 now);
    // How long until `address` may try again (0: now).
    qint64 waitMs(const QString& address, qint64 now);

private:
    void forgetOld(std::deque<qint64>& times, qint64 now) const;
    QHash<QString, std::deque<qint64>> failures;
};

// The token in a Cookie header, empty when there is none.
QByteArray cookieToken(const QByteArray& cookieHeader);
// Only the station's own page may open its WebSocket: the Origin is the
// https origin of the Host the browser asked for.
bool originAllowed(const QByteArray& origin, const QByteArray& host);

} // namespace remotesessions

#endif // ZAREL_REMOTESESSIONS_H
