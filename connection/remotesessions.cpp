#include "connection/remotesessions.h"

#include <QRandomGenerator>

namespace remotesessions {

QByteArray Sessions::open(const QString& user, remoteaccounts::Role role, qint64 now)
{
    expire(now);
    // A flood of logins by a valid user cannot grow the table without end:
    // the session nearest its end makes room.
    if (sessions.size() >= MaxSessions) {
        auto oldest = sessions.begin();
        for (auto it = sessions.begin(); it != sessions.end(); ++it) {
            if (it->expires < oldest->expires) {
                oldest = it;
            }
        }
        sessions.erase(oldest);
    }
    QByteArray bytes(32, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
    const QByteArray token = bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    sessions.insert(token, {user, role, now + SessionMs});
    return token;
}

std::optional<Session> Sessions::find(const QByteArray& token, qint64 now)
{
    const auto it = sessions.constFind(token);
    if (token.isEmpty() || it == sessions.constEnd()) {
        return std::nullopt;
    }
    if (now >= it->expires) {
        sessions.remove(token);
        return std::nullopt;
    }
    return *it;
}

void Sessions::close(const QByteArray& token)
{
    sessions.remove(token);
}

QList<QByteArray> Sessions::closeUser(const QString& user)
{
    QList<QByteArray> closed;
    for (auto it = sessions.begin(); it != sessions.end();) {
        if (it->user == user) {
            closed.append(it.key());
            it = sessions.erase(it);
        } else {
            ++it;
        }
    }
    return closed;
}

QList<QByteArray> Sessions::expire(qint64 now)
{
    QList<QByteArray> expired;
    for (auto it = sessions.begin(); it != sessions.end();) {
        if (now >= it->expires) {
            expired.append(it.key());
            it = sessions.erase(it);
        } else {
            ++it;
        }
    }
    return expired;
}

void Throttle::forgetOld(std::deque<qint64>& times, qint64 now) const
{
    while (!times.empty() && now - times.front() >= ThrottleWindowMs) {
        times.pop_front();
    }
}

bool Throttle::allowed(const QString& address, qint64 now)
{
    return waitMs(address, now) == 0;
}

void Throttle::failed(const QString& address, qint64 now)
{
    std::deque<qint64>& times = failures[address];
    forgetOld(times, now);
    times.push_back(now);
    // Only the last few matter; many addresses each failing once are
    // forgotten as their minute passes.
    while (times.size() > std::size_t(FailuresAllowed)) {
        times.pop_front();
    }
    if (failures.size() > 10000) {
        for (auto it = failures.begin(); it != failures.end();) {
            forgetOld(*it, now);
            if (it->empty()) {
                it = failures.erase(it);
            } else {
                ++it;
            }
        }
    }
}

qint64 Throttle::waitMs(const QString& address, qint64 now)
{
    const auto it = failures.find(address);
    if (it == failures.end()) {
        return 0;
    }
    forgetOld(*it, now);
    if (it->empty()) {
        failures.erase(it);
        return 0;
    }
    if (it->size() < std::size_t(FailuresAllowed)) {
        return 0;
    }
    return it->front() + ThrottleWindowMs - now;
}

QByteArray cookieToken(const QByteArray& cookieHeader)
{
    for (const QByteArray& part : cookieHeader.split(';')) {
        const QByteArray pair = part.trimmed();
        if (pair.startsWith("zarel_session=")) {
            return pair.mid(int(sizeof("zarel_session=")) - 1);
        }
    }
    return QByteArray();
}

bool originAllowed(const QByteArray& origin, const QByteArray& host)
{
    return !host.isEmpty() && origin == "https://" + host.toLower();
}

} // namespace remotesessions
